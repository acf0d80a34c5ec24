// A saved game resumes exactly where it stood, whatever was open; a damaged, short or foreign
// file, an unusable directory or a crash in the middle of saving never costs the running game
// or the other slots.
#include <gtest/gtest.h>

#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "app/shell.h"
#include "game/invariants.h"
#include "game/random.h"
#include "game/rules.h"
#include "game/tables.h"
#include "save/save_file.h"
#include "sim/play.h"
#include "support/fixtures.h"

namespace fs = std::filesystem;

namespace {

// Saving slot `slot` changed nothing else: same length (the file already reached the slot's end)
// and every byte outside the slot as it was.
bool onlySlotChanged(const std::vector<unsigned char>& before, const std::vector<unsigned char>& after,
                     int slot) {
    if (before.size() != after.size() || after.size() < static_cast<size_t>(slot) * slotSize + slotNameBytes)
        return false;
    const size_t from = static_cast<size_t>(slot) * slotSize, to = std::min(after.size(), from + slotSize);
    return std::equal(before.begin(), before.begin() + from, after.begin()) &&
           std::equal(before.begin() + to, before.end(), after.begin() + to) &&
           !std::equal(before.begin() + from, before.begin() + to, after.begin() + from);
}

// Two states are the same saved game when they encode to the same bytes.
bool sameRecord(const GameState& a, const GameState& b) {
    const char name[30] = {};
    unsigned char ra[slotSize], rb[slotSize];
    encodeSlot(a, name, ra);
    encodeSlot(b, name, rb);
    return std::memcmp(ra, rb, slotSize) == 0;
}

std::vector<unsigned char> fileBytes(const char* path = saveFileName) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

void writeFile(const std::vector<unsigned char>& bytes) {
    std::ofstream out(saveFileName, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void saveInto(int slot, const std::string& name) {
    std::memset(shell.saveName, 0, sizeof shell.saveName);
    std::strcpy(shell.saveName, name.c_str());
    shell.saveSlot = slot;
    saveGame(shell.saveSlot, shell.saveName);
}

// Loads `slot` over `running` with "typed" as the name; the caller checks what stuck.
void loadOver(const GameState& running, int slot) {
    game = running;
    std::strcpy(shell.saveName, "typed");
    shell.saveSlot = slot;
    loadGame(shell.saveSlot, shell.saveName);
}

// Awkward moments to save at, each built by hand on a dealt board and each a legal state.
enum Moment { AtStart, AtMove, AtNotice, AtTrade, AtAuction, AtUnmortgage, MomentCount };
GameState moment(int m) {
    game = GameState{};
    if (m == AtStart) return game;
    startTestGame(3, 1);
    computeBoardGeometry();
    giveGroup(0, 1, 2, 2, 1);
    giveProperty(3, 26, -1);
    game.zoom = 0.82f, game.cameraTargetZ = -0.24f, game.proposeCooldown[3][0] = 7;
    if (m == AtMove) {  // mid dice move, past GO
        game.currentPlayer = 1, game.position[1] = 14, game.moveTarget = 3, game.arrivalTimer = 30;
        game.moving = game.passedGo = true;
        game.cursorFrom = game.boardCursor = 15;
        game.dice[0] = game.dice[1] = 5;
    } else if (m == AtNotice) {  // two notices queued, the turn to end after them
        game.currentPlayer = game.noticePlayer[0] = game.noticePlayer[1] = 2;
        game.noticeIndex = 1, game.noticeTimer = 64, game.noticeAmount[0] = -200, game.noticeAmount[1] = 30;
        std::strcpy(game.noticeReason[1], "rent of Fenwick ");
        game.endTurnAfterNotice = true;
    } else if (m == AtTrade) {  // the asset menu on a trade's partner side
        giveProperty(2, 23, -1);
        game.jailCardHolder[1] = 2;  // a held card lies at the bottom of its deck
        int32_t* deck = game.deckOrder[1];
        int32_t* card = std::find(deck, deck + deckSize, jailCardNumber[1]);
        std::rotate(card, card + 1, deck + deckSize);
        game.screen = AssetMenu, game.menuIndex = KindTrade, game.menuPlayer = 2;
        game.tradePartnerSide = game.tradeOfferOpen = game.promptYes = true;
        game.initiatorSelected[2] = game.selected[23] = game.jailCardSelected[1] = true;
        game.initiatorMoney = 150, game.assetCursor = CursorAmount;
    } else if (m == AtAuction) {
        game.position[0] = 16, game.auctionOpen = true, game.auctionBid = 130;
        game.auctionBidder = 1, game.auctionTimer = 87, game.bidLimit[3] = 175;
    } else {  // unmortgage questions pending after a trade
        giveProperty(1, 13, -1);
        giveProperty(0, 24, -1);
        game.menuPlayer = 1, game.partnerMortgaged[0] = 13, game.initiatorMortgaged[0] = 24;
        game.partnerMortgagedCount = game.initiatorMortgagedCount = 1;
    }
    return game;
}

// A few hundred ticks of play from where `game` and `shell` stand, dice clock and generator fixed.
GameState playOn() {
    fixClock(1700000000), seedRandom(1), tick(300), setClock(nullptr);
    return game;
}

// Loading `slot` over `running` was refused: the game and the typed name are as they were.
bool refusedOver(const GameState& running, int slot) {
    loadOver(running, slot);
    return sameRecord(game, running) && std::strcmp(shell.saveName, "typed") == 0;
}

// Each test runs in a private working directory.
class SaveRobustness : public ::testing::Test {
protected:
    fs::path previous, dir;

    void SetUp() override {
        resetProgram();
        previous = fs::current_path();
        char pattern[] = "/tmp/tenantry-save-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = pattern;
        fs::current_path(dir);
    }
    void TearDown() override {
        fs::current_path(previous);
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dir);
    }
};

constexpr int childCannotDrop = 99;

// Runs `body` in a forked child, as nobody when `unprivileged` and we are root (root writes
// into read-only directories); returns its exit code, or -signal if it was killed.
int runInChild(const std::function<int()>& body, bool unprivileged = false) {
    const pid_t pid = fork();
    if (pid == 0) {
        const uid_t nobody = 65534;
        if (unprivileged && geteuid() == 0 &&
            (setgroups(0, nullptr) != 0 || setresgid(nobody, nobody, nobody) != 0 ||
             setresuid(nobody, nobody, nobody) != 0))
            _exit(childCannotDrop);
        _exit(body());
    }
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid) return childCannotDrop;
    return WIFSIGNALED(status) ? -WTERMSIG(status) : WEXITSTATUS(status);
}

}  // namespace

// Each moment, loaded over every other game, is that moment again, and plays on exactly as the
// game would have without the save.
TEST_F(SaveRobustness, AwkwardMomentsRoundTripAndPlayOn) {
    for (int i = 0; i < MomentCount; ++i) {
        game = moment(i);
        char why[128] = "";
        ASSERT_TRUE(checkInvariants(game, why, sizeof why)) << "moment " << i << ": " << why;
        ASSERT_TRUE(stateIsLoadable(game)) << "moment " << i;
        saveInto(4 * i, "moment " + std::to_string(i));
        EXPECT_EQ(fileBytes().size(), 156601u);  // the first save makes the table; slot 20 ends inside
    }
    for (int i = 0; i < MomentCount; ++i) {
        const GameState saved = moment(i);
        ensureSaveFile(shell.slotNames, shell.slotDamaged);
        EXPECT_EQ(std::string(shell.slotNames[4 * i]), "moment " + std::to_string(i));
        for (int j = 0; j < MomentCount; ++j) {
            loadOver(moment(j), 4 * i);
            EXPECT_TRUE(sameRecord(game, saved)) << i << " over " << j;
            EXPECT_EQ(std::string(shell.saveName), "moment " + std::to_string(i));
        }
        const GameState loaded = playOn();
        resetProgram();
        game = saved;
        EXPECT_TRUE(sameRecord(loaded, playOn())) << "moment " << i << " plays on differently";
    }
}

TEST_F(SaveRobustness, ShortSlotsAreListedOnlyWithTheirWholeNameAndNeverLoaded) {
    game = moment(AtNotice);
    saveInto(2, "cut");
    const std::vector<unsigned char> whole = fileBytes();
    const GameState running = moment(AtTrade);
    for (long kept : {0L, 1L, 29L, 30L, 31L, 765L, 2000L, 5398L, 5399L}) {  // the whole slot does load
        writeFile(std::vector<unsigned char>(whole.begin(), whole.begin() + 2 * 5399 + kept));
        std::memset(shell.slotNames, 0, sizeof shell.slotNames);
        ensureSaveFile(shell.slotNames, shell.slotDamaged);
        EXPECT_STREQ(shell.slotNames[2], kept >= 30 ? "cut" : "") << kept;
        EXPECT_EQ(refusedOver(running, 2), kept < 5399) << "slot cut at " << kept;
    }
}

TEST_F(SaveRobustness, EachOutOfRangeFamilyIsRefused) {
    game = moment(AtTrade);
    setTopCard(0, jailCardNumber[0]);  // deck 0's jail card in circulation, not at the bottom
    const GameState saved = game;
    const char name[30] = "bad";
    unsigned char base[slotSize];
    encodeSlot(saved, name, base);
    base[355] = 0xEE;  // reserved bytes are ignored on load (the last load below shows it)
    std::memset(base + 909, 0xBE, 4);
    std::memset(base + 2035, 0x80, 4);

    struct Case {  // size 4: a little-endian word; otherwise `size` bytes of `value`
        const char* what;
        int offset, size;
        uint32_t value;
    };
    // clang-format off
    const Case cases[] = {
        {"screen 5", 30, 4, 5}, {"currentPlayer 8", 933, 4, 8},
        {"owner of a seat not in play", 1005 + 4 * 6, 4, 5}, {"position 41", 845, 4, 41},
        {"assetCursor 30", 889, 4, 30}, {"boardCursor 41", 877, 4, 41}, {"partnerMortgagedCount 29", 42, 4, 29},
        {"deck card repeated", 5271 + 4 * 20, 4, 0}, {"held jail card not at the bottom", 1117, 4, 1},
        {"houses 6", 1215 + 4 * 2, 4, 6}, {"doublesCount 3", 937, 4, 3},
        {"cardTimer negative", 997, 4, 0xFFFFFFF6u}, {"money beyond any game", 1447, 4, 2000000000u},
        {"zoom NaN", 765, 4, 0x7FC00000u}, {"token spot off the board", 2295 + 4 * 100, 4, 0x40000000u},
        {"flag byte 2", 353, 1, 2}, {"unterminated slot name", 0, 30, 'A'},
        {"unterminated player name", 1327 + 45, 15, 'A'}, {"empty slot name before a sound record", 0, 1, 0},
    };
    // clang-format on
    const GameState running = moment(AtAuction);
    for (const Case& c : cases) {
        std::vector<unsigned char> file(base, base + slotSize);
        for (int i = 0; i < c.size; ++i)
            file[c.offset + i] = static_cast<unsigned char>(c.size == 4 ? c.value >> (8 * i) : c.value);
        ASSERT_FALSE(std::equal(file.begin(), file.end(), base)) << c.what << " changes nothing";
        writeFile(file);
        EXPECT_TRUE(refusedOver(running, 0)) << "loaded " << c.what;
    }
    writeFile(std::vector<unsigned char>(base, base + slotSize));
    loadOver(running, 0);
    EXPECT_TRUE(sameRecord(game, saved));  // the untouched record loads
    EXPECT_STREQ(shell.saveName, "bad");
}

// Negative cash loads only inside the debt state and covered by the seat's assets: otherwise a
// bankruptcy, which passes the cash on as it stands, could leave the middle or a creditor in debt.
TEST(SlotCheck, NegativeCashLoadsOnlyInTheDebtStateAndCoveredByAssets) {
    const struct {
        int cash;
        bool debtState, loads;
    } cases[] = {{-30, true, true}, {-31, true, false}, {-30, false, false}, {0, false, true}};
    for (const auto& c : cases) {
        startTestGame(3);
        giveProperty(0, 0);  // worth 30
        game.money[0] = c.cash;
        if (c.debtState) openDebtState(0);
        EXPECT_EQ(stateIsLoadable(game), c.loads) << c.cash << " " << c.debtState;
        if (!c.debtState) continue;
        game.screen = PropertyCard;  // a card opened from the debtor's menu
        game.returnScreen = AssetMenu;
        EXPECT_EQ(stateIsLoadable(game), c.loads) << c.cash << " on a card";
    }
}

// A file whose board cursor stands on the jail cell (40), as the format allows, loads; the
// cursor then walks from square 10. Fault: the loader refused 40.
TEST_F(SaveRobustness, BoardCursorOnTheJailCellLoadsAndWalksFromSquareTen) {
    for (const auto& [key, expected] : {std::pair<int, int>{KeyUp, 11}, {KeyDown, 9}}) {
        startTestGame(2);
        putInJail(0);
        game.boardCursor = jailCell;
        const GameState saved = game;
        saveInto(0, "jailed");
        ASSERT_FALSE(refusedOver(moment(AtAuction), 0));
        EXPECT_TRUE(sameRecord(game, saved));
        press(key);
        EXPECT_EQ(game.boardCursor, expected);
    }
}

// A slot cut mid-record is marked damaged in the grid and choosing it says so; a save that
// cannot be written says why. Either way the grid stays open and the game is untouched.
// Fault: the damaged slot did nothing when chosen and a failed save looked like success.
TEST_F(SaveRobustness, FailedLoadOrSaveIsShownInTheSaveLayer) {
    game = moment(AtNotice);
    saveInto(0, "whole");
    saveInto(11, "cut");
    std::vector<unsigned char> bytes = fileBytes();
    bytes.resize(11 * slotSize + 2000);
    writeFile(bytes);
    const GameState running = moment(AtAuction);
    press(KeyF4), press(KeyRight), press(KeyEnter);  // LOAD
    ASSERT_TRUE(shell.loadListOpen);
    EXPECT_TRUE(shell.slotDamaged[11] && !shell.slotDamaged[0]);
    shell.slotDamaged[11] = false;  // cut since the list was read: choosing it marks it
    press(KeyRight), press(KeyDown), press(KeyEnter);
    EXPECT_TRUE(shell.loadListOpen && shell.slotDamaged[11]);
    EXPECT_STREQ(shell.saveMessage, "Slot 12 is damaged and cannot be loaded");
    EXPECT_TRUE(sameRecord(game, running));
    press(KeyF4);
    EXPECT_EQ(shell.saveMessage[0], '\0');

    fs::remove(saveFileName);
    fs::create_directory(saveFileName);
    const GameState playedOn = game;  // the tick of that F4 ran the game again
    press(KeyF4), press(KeyEnter), typeText("new"), press(KeyEnter), press(KeyEnter);  // SAVE into slot 1
    EXPECT_TRUE(shell.saveNameDone);
    EXPECT_STREQ(shell.saveMessage, "Could not save: Is a directory");
    EXPECT_TRUE(sameRecord(game, playedOn));
    fs::remove(saveFileName);  // the way cleared, the same slot saves and the layer closes
    press(KeyEnter);
    EXPECT_FALSE(shell.saveMenuOpen || shell.saveNameEntry || shell.saveMessage[0] != '\0');
    EXPECT_TRUE(fs::is_regular_file(saveFileName));
}

TEST_F(SaveRobustness, RandomBytesNeverLoadAndListOnlyTerminatedNames) {
    std::mt19937 random(20240611);
    std::vector<unsigned char> noise(161970);
    for (unsigned char& b : noise) b = static_cast<unsigned char>(random() | 1);  // no NUL anywhere
    writeFile(noise);
    ensureSaveFile(shell.slotNames, shell.slotDamaged);
    for (int k = 0; k < 30; ++k) EXPECT_EQ(std::strlen(shell.slotNames[k]), 29u) << "slot " << k;

    // Named slots of noise get past the name and are refused by the checks on the record.
    for (unsigned char& b : noise) b = static_cast<unsigned char>(random());
    for (int k = 0; k < 30; ++k) std::memcpy(noise.data() + k * 5399, "noise", 6);
    writeFile(noise);
    for (int k = 0; k < 30; ++k) EXPECT_TRUE(refusedOver(moment(AtUnmortgage), k)) << "slot " << k;
    EXPECT_EQ(fileBytes(), noise);  // loading never writes
}

// A slot outside the table, a directory named like the file, a link or a directory as the new
// file: nothing is made, loaded or written through.
TEST_F(SaveRobustness, ObstructedPathsAndSlotsOutsideTheTable) {
    const GameState running = moment(AtMove);
    for (int slot : {-1, 30, 1000}) {
        saveInto(slot, "outside");
        EXPECT_TRUE(refusedOver(running, slot)) << slot;
    }
    EXPECT_FALSE(fs::exists(saveFileName));

    fs::create_directory(saveFileName);
    std::strcpy(shell.slotNames[3], "earlier");
    ensureSaveFile(shell.slotNames, shell.slotDamaged);
    EXPECT_STREQ(shell.slotNames[3], "earlier");
    saveInto(3, "attempt");
    EXPECT_TRUE(refusedOver(running, 3));
    EXPECT_TRUE(fs::is_directory(saveFileName) && fs::is_empty(saveFileName));
    EXPECT_FALSE(fs::exists("Tenantry.sav.tmp"));

    // Guards writing through a link planted as the new file, and a new file that cannot be made.
    fs::remove(saveFileName);
    saveInto(0, "first");
    std::ofstream("victim") << "keep";
    fs::create_symlink("victim", "Tenantry.sav.tmp");
    saveInto(1, "second");
    EXPECT_EQ(fileBytes("victim"), std::vector<unsigned char>({'k', 'e', 'e', 'p'}));
    ensureSaveFile(shell.slotNames, shell.slotDamaged);
    EXPECT_STREQ(shell.slotNames[1], "second");
    // No new file can be made beside it: the slot is written in place, the rest kept.
    const std::vector<unsigned char> before = fileBytes();
    fs::remove("Tenantry.sav.tmp");
    fs::create_directory("Tenantry.sav.tmp");
    saveInto(2, "third");
    EXPECT_TRUE(fs::is_directory("Tenantry.sav.tmp"));
    EXPECT_TRUE(onlySlotChanged(before, fileBytes(), 2));
    ensureSaveFile(shell.slotNames, shell.slotDamaged);
    EXPECT_STREQ(shell.slotNames[2], "third");
}

// A save file that is a symbolic link, relative and in another directory, even dangling: the
// slots are read and written at its target, the new file made beside the target, and the link
// stays a link. Fault: the link was replaced by a plain file.
TEST_F(SaveRobustness, SavesThroughASymbolicLinkToItsTarget) {
    fs::create_directories("store/deep");
    fs::create_symlink("deep/game.sav", "store/link.sav");
    fs::create_symlink("store/link.sav", saveFileName);
    game = moment(AtNotice);
    const GameState saved = game;
    ensureSaveFile(shell.slotNames, shell.slotDamaged);  // dangling: the file is made at the end of the chain
    EXPECT_EQ(fs::file_size("store/deep/game.sav"), 156601u);
    saveInto(5, "linked");
    EXPECT_TRUE(fs::is_symlink(saveFileName) && fs::is_symlink("store/link.sav"));
    EXPECT_EQ(fs::file_size("store/deep/game.sav"), 156601u);
    EXPECT_FALSE(fs::exists("store/deep/game.sav.tmp") || fs::exists("Tenantry.sav.tmp"));
    loadOver(moment(AtAuction), 5);
    EXPECT_TRUE(sameRecord(game, saved));
    EXPECT_STREQ(shell.saveName, "linked");

    fs::remove(saveFileName);
    fs::create_symlink(saveFileName, saveFileName);  // a loop: nothing is written anywhere
    EXPECT_NE(saveGame(shell.saveSlot, shell.saveName), 0);
    EXPECT_TRUE(fs::is_symlink(saveFileName));
}

TEST_F(SaveRobustness, AReadOnlyDirectoryOrAnUnreadableFile) {
    // Without a file: nothing can be created, the list keeps its names, nothing loads.
    fs::permissions(dir, static_cast<fs::perms>(0555));
    const GameState running = moment(AtAuction);
    int result = runInChild(
        [&] {
            std::strcpy(shell.slotNames[1], "earlier");
            ensureSaveFile(shell.slotNames, shell.slotDamaged);
            if (std::strcmp(shell.slotNames[1], "earlier") != 0) return 1;
            game = running;
            saveInto(1, "attempt");
            return !refusedOver(running, 1) ? 2 : access(saveFileName, F_OK) == 0 ? 3 : 0;
        },
        true);
    if (result == childCannotDrop) GTEST_SKIP() << "cannot switch to an unprivileged user here";
    EXPECT_EQ(result, 0);

    // With a file the directory will not let us replace: the slots are written in place and
    // every other byte kept; loading works as before.
    fs::permissions(dir, fs::perms::owner_write, fs::perm_options::add);
    game = moment(AtNotice);
    saveInto(4, "kept");
    fs::permissions(saveFileName, fs::perms::all);  // only the directory is in the way
    const std::vector<unsigned char> before = fileBytes();
    fs::permissions(dir, fs::perms::owner_write, fs::perm_options::remove);
    result = runInChild(
        [&] {
            game = running;
            saveInto(9, "attempt");
            if (access("Tenantry.sav.tmp", F_OK) == 0) return 1;
            loadOver(moment(AtNotice), 9);
            return sameRecord(game, running) && std::strcmp(shell.saveName, "attempt") == 0 ? 0 : 2;
        },
        true);
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(onlySlotChanged(before, fileBytes(), 9));
    const std::vector<unsigned char> saved9 = fileBytes();

    // A file we cannot read is never replaced: its slots would be lost.
    fs::permissions(dir, fs::perms::all);
    fs::permissions(saveFileName, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write);
    result = runInChild(
        [] {
            std::strcpy(shell.slotNames[6], "earlier");
            ensureSaveFile(shell.slotNames, shell.slotDamaged);
            saveInto(0, "over it");
            return std::strcmp(shell.slotNames[6], "earlier") == 0 ? 0 : 1;
        },
        true);
    EXPECT_EQ(result, 0);
    fs::permissions(saveFileName, fs::perms::owner_read, fs::perm_options::add);
    EXPECT_EQ(fileBytes(), saved9);
}

// Saving rewrites its own slot only, even when the program dies mid-write: the other slots and
// foreign bytes past the table are kept, and a short file is padded with zeros up to the slot.
TEST_F(SaveRobustness, SavingKeepsEveryOtherByteEvenWhenItDies) {
    std::vector<unsigned char> before(161970 + 1000, 0);
    for (size_t i = 161970; i < before.size(); ++i) before[i] = static_cast<unsigned char>(i * 7);
    writeFile(before);
    for (int k = 0; k < MomentCount; ++k) game = moment(k), saveInto(k * 4 + 9, "slot " + std::to_string(k));
    before = fileBytes();
    ASSERT_EQ(before.size(), 162970u);

    // A write that fails (the file-size limit, its signal ignored) gives up quietly; with the
    // signal the child dies once the new file passes 100,000 bytes.
    game = moment(AtNotice);
    for (bool ignoreSignal : {true, false}) {
        const int result = runInChild([&] {
            if (ignoreSignal) signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{100000, 100000};
            setrlimit(RLIMIT_FSIZE, &limit);
            saveInto(13, "never finished");
            return access("Tenantry.sav.tmp", F_OK) == 0 ? 1 : 0;
        });
        EXPECT_EQ(result, ignoreSignal ? 0 : -SIGXFSZ);
        EXPECT_EQ(fileBytes(), before);
    }
    EXPECT_LE(fileBytes("Tenantry.sav.tmp").size(), 100000u);  // the half-written new file

    // The next save writes over that leftover and over the occupied slot 13, and nothing else.
    saveInto(13, "after the crash");
    const std::vector<unsigned char> after = fileBytes();
    ASSERT_EQ(after.size(), before.size());
    EXPECT_TRUE(std::equal(after.begin(), after.begin() + 13 * 5399, before.begin()));
    EXPECT_TRUE(std::equal(after.begin() + 14 * 5399, after.end(), before.begin() + 14 * 5399));
    loadOver(GameState{}, 13);
    EXPECT_TRUE(sameRecord(game, moment(AtNotice)));
    EXPECT_FALSE(fs::exists("Tenantry.sav.tmp"));

    writeFile(std::vector<unsigned char>(100, 0x5A));
    saveInto(2, "two");
    const std::vector<unsigned char> bytes = fileBytes();
    ASSERT_EQ(bytes.size(), 3u * 5399);
    EXPECT_EQ(std::count(bytes.begin(), bytes.begin() + 100, 0x5A), 100);
    EXPECT_EQ(std::count(bytes.begin() + 100, bytes.begin() + 2 * 5399, 0), 2 * 5399 - 100);
}

// Every file operation closes what it opened, on success and on refusal alike; a leaked
// descriptor would also keep Windows from replacing the file on the next save.
TEST_F(SaveRobustness, NoOperationLeavesAFileOpen) {
    auto openFiles = [] {
        return std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator{});
    };
    const auto before = openFiles();
    ensureSaveFile(shell.slotNames, shell.slotDamaged);
    saveInto(0, "first");
    saveInto(29, "last");
    shell.saveSlot = 0;
    loadGame(shell.saveSlot, shell.saveName);
    fs::create_directory("Tenantry.sav.tmp");  // the new file cannot be made: written in place
    saveInto(1, "refused");
    EXPECT_EQ(openFiles(), before);
}

// The edges of what a loaded record may hold: eight people, the last step of the token pulse.
TEST(SlotCheck, CountsAndPulseAtTheirEdges) {
    const struct {
        int humans, computers, pulse;
        bool loads;
    } cases[] = {{8, 0, 0, true}, {2, 0, 19, true}, {2, 0, 20, false}, {2, 0, -1, false}};  // pulse 0..19
    for (const auto& c : cases) {
        startTestGame(c.humans, c.computers);
        game.pulseStep = c.pulse;
        EXPECT_EQ(stateIsLoadable(game), c.loads) << c.humans << " people, pulse " << c.pulse;
    }
}
