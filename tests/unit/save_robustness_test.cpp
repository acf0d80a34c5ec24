// A saved game resumes exactly where it stood, whatever was open; a damaged, short or foreign
// record, an unusable directory or a crash in the middle of saving never costs the running game
// or the other slots.
#include <gtest/gtest.h>

#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "app/shell.h"
#include "game/random.h"
#include "game/rules.h"
#include "game/tables.h"
#include "save/save_file.h"
#include "sim/play.h"
#include "support/fixtures.h"
#include "support/session.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<unsigned char>;
constexpr size_t newSize = 156601, fullSize = 161970;  // the empty table; all 30 slots written
constexpr int32_t amountCap = 100000000;               // the largest amount a record may hold

Bytes fileBytes(const char* path = saveFileName) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void writeFile(const Bytes& bytes) {
    std::ofstream(saveFileName, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// Saving `slot` changed it and nothing else: same length, every byte outside the slot as it was.
bool onlySlotChanged(const Bytes& before, const Bytes& after, int slot) {
    const size_t from = static_cast<size_t>(slot) * slotSize, to = std::min(after.size(), from + slotSize);
    return before.size() == after.size() && after.size() >= from + slotNameBytes &&
           std::equal(before.begin(), before.begin() + from, after.begin()) &&
           std::equal(before.begin() + to, before.end(), after.begin() + to) &&
           !std::equal(before.begin() + from, before.begin() + to, after.begin() + from);
}

int saveInto(int slot, const char* name) {
    std::memset(shell.saveName, 0, sizeof shell.saveName);
    std::strcpy(shell.saveName, name);
    shell.saveSlot = slot;
    return saveGame(shell.saveSlot, shell.saveName);
}

// Loads `slot` over `running` with "typed" as the name; whatever does not load must leave the
// game and the name as they were. Usable in a child, where a failed EXPECT would not be seen.
LoadResult loadOver(const GameState& running, int slot, bool* untouched = nullptr) {
    game = running;
    const std::string before = snapshot();
    std::strcpy(shell.saveName, "typed");
    const LoadResult result = loadGame(slot, shell.saveName);
    const bool same = snapshot() == before && std::strcmp(shell.saveName, "typed") == 0;
    if (untouched) *untouched = same;
    EXPECT_TRUE(same || result == LoadResult::Loaded) << "a refused load changed the game, slot " << slot;
    return result;
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

// A few hundred ticks of play from where `game` and `shell` stand, dice clock and generator
// fixed; the record it ends at.
std::string playOn() {
    fixClock(1700000000), seedRandom(1), tick(300), setClock(nullptr);
    return snapshot();
}

// Each test runs in a private working directory.
class SaveRobustness : public ::testing::Test {
protected:
    fs::path previous = fs::current_path(), dir;

    void SetUp() override {
        resetProgram();
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
    for (int i = 0; i < MomentCount; ++i)
        game = moment(i), saveInto(4 * i, ("moment " + std::to_string(i)).c_str());
    for (int i = 0; i < MomentCount; ++i) {
        const std::string name = "moment " + std::to_string(i), saved = (moment(i), snapshot());
        ensureSaveFile(shell.slotNames, shell.slotDamaged);
        EXPECT_EQ(shell.slotNames[4 * i], name);
        for (int j = 0; j < MomentCount; ++j) {
            EXPECT_EQ(loadOver(moment(j), 4 * i), LoadResult::Loaded) << i << " over " << j;
            EXPECT_TRUE(snapshot() == saved && shell.saveName == name) << i << " over " << j;
        }
        const std::string loaded = playOn();
        resetProgram();
        game = moment(i);
        EXPECT_TRUE(playOn() == loaded) << "moment " << i << " plays on differently";
    }
}

// A new file is the empty slot table; a slot inside it keeps that length, the last slot makes the
// full one, a short foreign file is padded with zeros up to the slot; the file keeps its mode.
TEST_F(SaveRobustness, FileLengthsNamesAndMode) {
    std::strcpy(shell.slotNames[4], "stale");
    ensureSaveFile(shell.slotNames, shell.slotDamaged);
    EXPECT_EQ(fileBytes(), Bytes(newSize, 0));
    EXPECT_EQ(shell.slotNames[4][0], '\0');
    fs::permissions(saveFileName, static_cast<fs::perms>(0604));
    game = moment(AtTrade);
    for (int slot : {3, 29}) {
        EXPECT_EQ(saveInto(slot, "last"), 0);
        EXPECT_EQ(fileBytes().size(), slot == 3 ? newSize : fullSize);
    }
    EXPECT_EQ(fs::status(saveFileName).permissions(), static_cast<fs::perms>(0604));
    Bytes bytes = fileBytes(), expected(slotSize);
    encodeSlot(game, shell.saveName, expected.data());
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), bytes.begin() + 3 * slotSize));
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), bytes.begin() + 29 * slotSize));
    EXPECT_EQ(std::count(bytes.begin() + 4 * slotSize, bytes.begin() + 29 * slotSize, 0), 25 * slotSize);
    std::memset(shell.slotNames, '?', sizeof shell.slotNames);
    std::memset(shell.slotDamaged, 1, sizeof shell.slotDamaged);
    ensureSaveFile(shell.slotNames, shell.slotDamaged);
    for (int k = 0; k < 30; ++k)
        EXPECT_TRUE(shell.slotNames[k] == std::string(k == 3 || k == 29 ? "last" : "") &&
                    !shell.slotDamaged[k])
            << k;
}

// A slot cut anywhere is listed only once its whole name is in the file, and never loads.
TEST_F(SaveRobustness, ShortSlotsAreListedOnlyWithTheirWholeNameAndNeverLoaded) {
    game = moment(AtNotice);
    saveInto(2, "cut");
    const Bytes whole = fileBytes();
    for (long kept : {0L, 1L, 29L, 30L, 31L, 765L, 5398L, 5399L}) {  // the whole slot does load
        writeFile(Bytes(whole.begin(), whole.begin() + 2 * slotSize + kept));
        std::memset(shell.slotNames, 0, sizeof shell.slotNames);
        ensureSaveFile(shell.slotNames, shell.slotDamaged);
        EXPECT_STREQ(shell.slotNames[2], kept >= 30 ? "cut" : "") << kept;
        EXPECT_EQ(shell.slotDamaged[2], kept >= 30 && kept < 5399) << kept;
        const LoadResult expected = kept == 0     ? LoadResult::Empty
                                    : kept < 5399 ? LoadResult::Damaged
                                                  : LoadResult::Loaded;
        EXPECT_EQ(loadOver(moment(AtTrade), 2), expected) << "slot cut at " << kept;
    }
}

// What a record may hold, each family at the edge where it is refused beside one that loads. A
// refused record leaves the running game and its name as they were.
TEST(SlotCheck, LimitsOfALoadableRecord) {
    const struct {
        const char* what;
        void (*edit)();
        bool loads;
    } rows[] = {
        // clang-format off
        {"eight people", [] { startTestGame(8); }, true},
        {"pulse 19", [] { game.pulseStep = 19; }, true}, {"pulse 20", [] { game.pulseStep = 20; }, false},
        {"pulse -1", [] { game.pulseStep = -1; }, false},
        // Negative cash only in the debt state and covered by what the seat could sell.
        {"debt covered", [] { game.money[0] = -30, openDebtState(0); }, true},
        {"debt uncovered", [] { game.money[0] = -31, openDebtState(0); }, false},
        {"negative cash, no debt", [] { game.money[0] = -30; }, false},
        {"no cash, no debt", [] { game.money[1] = 0; }, true},
        {"debt covered by houses", [] { giveGroup(0, 0, 2), game.money[0] = -110, openDebtState(0); }, true},
        {"beyond the houses", [] { giveGroup(0, 0, 2), game.money[0] = -111, openDebtState(0); }, false},
        {"a mortgage covers nothing", [] { giveProperty(0, 1, -1), game.money[0] = -31, openDebtState(0); }, false},
        {"the last seat's debt", [] { game.money[2] = -1, openDebtState(2); }, false},
        // Amounts that could overflow in play.
        {"cash at the cap", [] { game.money[1] = amountCap; }, true},
        {"cash past it", [] { game.money[1] = amountCap + 1; }, false},
        {"notice at the cap", [] { game.noticeAmount[7] = -amountCap; }, true},
        {"notice past it", [] { game.noticeAmount[7] = -amountCap - 1; }, false},
        {"bid limit", [] { game.bidLimit[7] = amountCap + 1; }, false},
        {"propose cooldown", [] { game.proposeCooldown[0][7] = amountCap + 1; }, false},
        {"answer cooldown", [] { game.answerCooldown[7][0] = amountCap + 1; }, false},
        {"middle pot", [] { game.middlePot = amountCap + 1; }, false},
        {"build reserve", [] { game.buildReserve = -amountCap - 1; }, false},
        // Values no game reaches.
        {"screen 99", [] { game.screen = 99; }, false}, {"position 41", [] { game.position[1] = 41; }, false},
        {"owner not in play", [] { game.owner[5] = 5; }, false}, {"houses 6", [] { game.houses[3] = 6; }, false},
        {"doubles 3", [] { game.doublesCount = 3; }, false}, {"card timer -1", [] { game.cardTimer = -1; }, false},
        {"zoom NaN", [] { game.zoom = std::nanf(""); }, false},
        {"token spot off the board", [] { game.tokenSpotX[12][3] = 2; }, false},
        {"player name without NUL", [] { std::memset(game.playerNames[1], 'A', 15); }, false},
        {"deck card repeated", [] { game.deckOrder[1][15] = game.deckOrder[1][0]; }, false},
        // A held jail card lies at the bottom of its deck (deck 0's is card 15, deck 1's card 7).
        {"jail card held", [] { game.jailCardHolder[0] = 1; }, true},
        {"held card not at the bottom", [] { game.jailCardHolder[1] = 1; }, false},
        {"card held by a seat not in play", [] { game.jailCardHolder[0] = 5; }, false},
        // clang-format on
    };
    for (const auto& row : rows) {
        startTestGame(3);
        giveProperty(0, 0);  // worth 30 mortgaged; a house on it sells for 25
        row.edit();
        const std::string edited = snapshot();
        unsigned char record[slotSize];
        const char rowName[30] = "row";
        encodeSlot(game, rowName, record);
        game = GameState{};
        char name[30] = "typed";
        EXPECT_EQ(decodeSlot(record, game, name), row.loads) << row.what;
        EXPECT_EQ(snapshot() == edited, row.loads) << row.what;
        EXPECT_STREQ(name, row.loads ? "row" : "typed") << row.what;
    }
}

// Bytes no game writes never load: a flag neither 0 nor 1, a slot name without its NUL, noise
// after a name; a slot with no name is empty. Reserved bytes are ignored, and loading never writes.
TEST_F(SaveRobustness, ForeignBytesNeverLoad) {
    game = moment(AtTrade);
    const std::string saved = snapshot();
    saveInto(0, "bad");
    Bytes base = fileBytes();
    base[355] = 0xEE, base[909 + 2] = 0xBE, base[2035 + 3] = 0x80;  // the three reserved fields
    for (auto [at, size, value] : {std::tuple{353, 1, 2}, {0, 30, 'A'}, {0, 1, 0}}) {
        Bytes file = base;
        std::memset(&file[at], value, size);
        writeFile(file);
        EXPECT_EQ(loadOver(moment(AtAuction), 0),
                  at == 0 && size == 1 ? LoadResult::Empty : LoadResult::Damaged)
            << at;
    }
    writeFile(base);
    EXPECT_EQ(loadOver(moment(AtAuction), 0), LoadResult::Loaded);
    EXPECT_TRUE(snapshot() == saved);

    std::mt19937 random(20240611);
    Bytes noise(fullSize);
    for (unsigned char& b : noise) b = static_cast<unsigned char>(random() | 1);  // no NUL anywhere
    writeFile(noise);
    ensureSaveFile(shell.slotNames, shell.slotDamaged);
    for (int k = 0; k < 30; ++k) EXPECT_EQ(std::strlen(shell.slotNames[k]), 29u) << "slot " << k;
    for (unsigned char& b : noise) b = static_cast<unsigned char>(random());
    for (int k = 0; k < 30; ++k) std::memcpy(&noise[k * slotSize], "noise", 6);
    writeFile(noise);
    ensureSaveFile(shell.slotNames, shell.slotDamaged);
    for (int k = 0; k < 30; ++k)
        EXPECT_TRUE(shell.slotDamaged[k] && loadOver(moment(AtNotice), k) == LoadResult::Damaged) << k;
    EXPECT_EQ(fileBytes(), noise);
}

// The save layer says why a slot cannot be loaded or saved, keeps the grid open and the game
// as it was; once the way is clear the same slot saves and the layer closes.
TEST_F(SaveRobustness, FailedLoadOrSaveIsShownInTheSaveLayer) {
    game = moment(AtNotice);
    saveInto(0, "whole");
    saveInto(11, "cut");
    Bytes bytes = fileBytes();
    bytes.resize(11 * slotSize + 2000);
    writeFile(bytes);
    game = moment(AtAuction);
    keys("F4 RIGHT ENTER");  // LOAD
    EXPECT_TRUE(shell.loadListOpen && shell.slotDamaged[11] && !shell.slotDamaged[0]);
    shell.slotDamaged[11] = false;  // cut since the list was read: choosing it marks it
    const std::string running = snapshot();
    keys("RIGHT DOWN ENTER");
    EXPECT_TRUE(shell.loadListOpen && shell.slotDamaged[11] && snapshot() == running);
    EXPECT_STREQ(shell.saveMessage, "Slot 12 is damaged and cannot be loaded");

    fs::remove(saveFileName);
    fs::create_directory(saveFileName);
    keys("F4 F4 ENTER n e w ENTER ENTER");  // SAVE "new" into slot 1
    const std::string playedOn = snapshot();
    EXPECT_TRUE(shell.saveNameDone);
    EXPECT_STREQ(shell.saveMessage, "Could not save: Is a directory");
    fs::remove(saveFileName);
    keys("ENTER");
    EXPECT_FALSE(shell.saveMenuOpen || shell.saveNameEntry || shell.saveMessage[0] != '\0');
    EXPECT_TRUE(fs::is_regular_file(saveFileName));
}

// A record whose board cursor stands on the jail cell (40), as the format allows, loads; the
// cursor then walks from square 10.
TEST_F(SaveRobustness, BoardCursorOnTheJailCellLoadsAndWalksFromSquareTen) {
    for (auto [key, expected] : {std::pair{KeyUp, 11}, {KeyDown, 9}}) {
        startTestGame(2);
        putInJail(0);
        game.boardCursor = jailCell;
        saveInto(0, "jailed");
        ASSERT_EQ(loadOver(moment(AtAuction), 0), LoadResult::Loaded);
        EXPECT_EQ(game.boardCursor, jailCell);
        press(key);
        EXPECT_EQ(game.boardCursor, expected);
    }
}

// A slot outside the table, a directory named like the file, a link or a directory where the new
// file goes: nothing is made, loaded or written through; without a new file beside it the slot is
// written in place. No operation leaves a file open.
TEST_F(SaveRobustness, ObstructedPathsAndSlotsOutsideTheTable) {
    const auto openFiles = [] { return std::distance(fs::directory_iterator("/proc/self/fd"), {}); };
    const auto filesBefore = openFiles();
    const GameState running = moment(AtMove);
    for (int slot : {-1, 30})
        EXPECT_TRUE(saveInto(slot, "outside") != 0 && loadOver(running, slot) == LoadResult::Empty);
    EXPECT_FALSE(fs::exists(saveFileName));

    fs::create_directory(saveFileName);
    std::strcpy(shell.slotNames[3], "earlier");
    ensureSaveFile(shell.slotNames, shell.slotDamaged);
    EXPECT_STREQ(shell.slotNames[3], "earlier");
    EXPECT_TRUE(saveInto(3, "attempt") != 0 && loadOver(running, 3) == LoadResult::Unreadable);
    EXPECT_TRUE(fs::is_empty(saveFileName) && !fs::exists("Tenantry.sav.tmp"));

    fs::remove(saveFileName);
    fs::create_directory("Tenantry.sav.tmp");  // no new file can be made: a fresh file in place
    EXPECT_EQ(saveInto(0, "first"), 0);
    EXPECT_EQ(fileBytes().size(), newSize);
    const Bytes before = fileBytes();
    EXPECT_EQ(saveInto(2, "third"), 0);
    EXPECT_TRUE(fs::is_directory("Tenantry.sav.tmp") && onlySlotChanged(before, fileBytes(), 2));
    fs::remove("Tenantry.sav.tmp");
    std::ofstream("victim") << "keep";
    fs::create_symlink("victim", "Tenantry.sav.tmp");  // planted where the new file goes
    EXPECT_EQ(saveInto(1, "second"), 0);
    EXPECT_EQ(fileBytes("victim"), Bytes({'k', 'e', 'e', 'p'}));
    ensureSaveFile(shell.slotNames, shell.slotDamaged);
    EXPECT_TRUE(shell.slotNames[0] == std::string("first") && shell.slotNames[1] == std::string("second") &&
                shell.slotNames[2] == std::string("third"));
    EXPECT_EQ(loadOver(running, 2), LoadResult::Loaded);
    EXPECT_EQ(openFiles(), filesBefore);
}

// A save file that is a symbolic link, relative and in another directory, even dangling: the
// slots are read and written at its target, the new file made beside the target, and the link
// stays a link. A loop of links is never written.
TEST_F(SaveRobustness, SavesThroughASymbolicLinkToItsTarget) {
    fs::create_directories("store/deep");
    fs::create_symlink("deep/game.sav", "store/link.sav");
    fs::create_symlink("store/link.sav", saveFileName);
    ensureSaveFile(shell.slotNames, shell.slotDamaged);  // dangling: made at the end of the chain
    EXPECT_EQ(fs::file_size("store/deep/game.sav"), newSize);
    game = moment(AtNotice);
    const std::string saved = snapshot();
    EXPECT_EQ(saveInto(5, "linked"), 0);
    EXPECT_TRUE(fs::is_symlink(saveFileName) && fs::is_symlink("store/link.sav"));
    EXPECT_FALSE(fs::exists("store/deep/game.sav.tmp") || fs::exists("Tenantry.sav.tmp"));
    EXPECT_EQ(loadOver(moment(AtAuction), 5), LoadResult::Loaded);
    EXPECT_TRUE(snapshot() == saved && shell.saveName == std::string("linked"));

    fs::remove(saveFileName);
    fs::create_symlink(saveFileName, saveFileName);
    EXPECT_EQ(saveInto(5, "loop"), ELOOP);
    EXPECT_TRUE(fs::is_symlink(saveFileName));
}

TEST_F(SaveRobustness, AReadOnlyDirectoryOrAnUnreadableFile) {
    // Without a file nothing can be created: the list keeps its names, nothing is saved or loads.
    fs::permissions(dir, static_cast<fs::perms>(0555));
    const GameState running = moment(AtAuction);
    int result = runInChild(
        [&] {
            std::strcpy(shell.slotNames[1], "earlier");
            ensureSaveFile(shell.slotNames, shell.slotDamaged);
            bool same = false;
            return std::strcmp(shell.slotNames[1], "earlier") == 0 && saveInto(1, "attempt") == EACCES &&
                           loadOver(running, 1, &same) == LoadResult::Unreadable && same &&
                           !fs::exists(saveFileName)
                       ? 0
                       : 1;
        },
        true);
    if (result == childCannotDrop) GTEST_SKIP() << "cannot switch to an unprivileged user here";
    EXPECT_EQ(result, 0);

    // With a file the directory will not let us replace, the slot is written in place.
    fs::permissions(dir, fs::perms::owner_write, fs::perm_options::add);
    game = moment(AtNotice);
    saveInto(4, "kept");
    fs::permissions(saveFileName, fs::perms::all);  // only the directory is in the way
    const Bytes before = fileBytes();
    fs::permissions(dir, fs::perms::owner_write, fs::perm_options::remove);
    result = runInChild(
        [&] { return saveInto(9, "attempt") == 0 && !fs::exists("Tenantry.sav.tmp") ? 0 : 1; }, true);
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(onlySlotChanged(before, fileBytes(), 9));
    EXPECT_EQ(loadOver(moment(AtNotice), 9), LoadResult::Loaded);
    EXPECT_TRUE(snapshot() == (moment(AtNotice), snapshot()));

    // A file we cannot read is never replaced: its slots would be lost.
    const Bytes saved = fileBytes();
    fs::permissions(dir, fs::perms::all);
    fs::permissions(saveFileName, static_cast<fs::perms>(0222));
    result = runInChild(
        [&] {
            std::strcpy(shell.slotNames[6], "earlier");
            ensureSaveFile(shell.slotNames, shell.slotDamaged);
            return std::strcmp(shell.slotNames[6], "earlier") == 0 && saveInto(0, "over it") == EACCES &&
                           loadOver(running, 4) == LoadResult::Unreadable
                       ? 0
                       : 1;
        },
        true);
    EXPECT_EQ(result, 0);
    fs::permissions(saveFileName, fs::perms::owner_read, fs::perm_options::add);
    EXPECT_EQ(fileBytes(), saved);
}

// Saving rewrites its own slot only, even when the program dies mid-write: the other slots and
// foreign bytes past the table are kept, and a short file is padded with zeros up to the slot.
TEST_F(SaveRobustness, SavingKeepsEveryOtherByteEvenWhenItDies) {
    Bytes before(fullSize + 1000, 0);
    for (size_t i = fullSize; i < before.size(); ++i) before[i] = static_cast<unsigned char>(i * 7);
    writeFile(before);
    for (int k = 0; k < MomentCount; ++k) game = moment(k), saveInto(k * 4 + 9, "earlier");
    before = fileBytes();

    // A write that fails (the file-size limit, its signal ignored) gives up; with the signal the
    // child dies once the new file passes 100,000 bytes.
    game = moment(AtNotice);
    for (bool ignoreSignal : {true, false}) {
        const int result = runInChild([&] {
            if (ignoreSignal) signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{100000, 100000};
            setrlimit(RLIMIT_FSIZE, &limit);
            return saveInto(13, "never finished") == EFBIG && !fs::exists("Tenantry.sav.tmp") ? 0 : 1;
        });
        EXPECT_EQ(result, ignoreSignal ? 0 : -SIGXFSZ);
        EXPECT_EQ(fileBytes(), before);
    }
    EXPECT_LE(fileBytes("Tenantry.sav.tmp").size(), 100000u);  // the half-written new file

    // The next save writes over that leftover and over the occupied slot 13, and nothing else.
    EXPECT_EQ(saveInto(13, "after the crash"), 0);
    EXPECT_TRUE(onlySlotChanged(before, fileBytes(), 13) && !fs::exists("Tenantry.sav.tmp"));
    EXPECT_EQ(loadOver(GameState{}, 13), LoadResult::Loaded);
    EXPECT_TRUE(snapshot() == (moment(AtNotice), snapshot()));

    writeFile(Bytes(100, 0x5A));
    saveInto(2, "two");
    const Bytes bytes = fileBytes();
    ASSERT_EQ(bytes.size(), 3u * slotSize);
    EXPECT_EQ(std::count(bytes.begin(), bytes.begin() + 100, 0x5A), 100);
    EXPECT_EQ(std::count(bytes.begin() + 100, bytes.begin() + 2 * slotSize, 0), 2 * slotSize - 100);
}
