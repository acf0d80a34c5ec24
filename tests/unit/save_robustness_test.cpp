// A saved game resumes exactly where it stood, whatever was open; a damaged, short or foreign
// file, an unusable directory or a crash in the middle of saving never costs the running game
// or the other slots.
#include <gtest/gtest.h>

#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "app/shell.h"
#include "game/invariants.h"
#include "game/rules.h"
#include "game/tables.h"
#include "save/save_file.h"
#include "support/fixtures.h"

namespace fs = std::filesystem;

namespace {

// ---------------------------------------------------------------------------------------------
// Helpers
// ---------------------------------------------------------------------------------------------

// The codec reads a whole 30-byte name field, so short texts go through a full buffer.
void encodeNamed(const GameState& state, const char* name, unsigned char* out) {
    char field[30] = {};
    std::strncpy(field, name, sizeof field - 1);
    encodeSlot(state, field, out);
}

// Two states are the same saved game when they encode to the same bytes.
bool sameRecord(const GameState& a, const GameState& b) {
    unsigned char ra[slotSize], rb[slotSize];
    encodeNamed(a, "", ra);
    encodeNamed(b, "", rb);
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

void putWord(unsigned char* record, int offset, uint32_t value) {
    for (int i = 0; i < 4; ++i) record[offset + i] = static_cast<unsigned char>(value >> (8 * i));
}

void setName(const char* name) {
    std::memset(shell.saveName, 0, sizeof shell.saveName);
    std::strcpy(shell.saveName, name);
}

void saveInto(int slot, const char* name) {
    setName(name);
    shell.saveSlot = slot;
    saveGame();
}

// Moves card `card` to the bottom of `deck`, where a held jail card lies.
void putAtBottom(int deck, int card) {
    int32_t* row = game.deckOrder[deck];
    int at = 0;
    while (row[at] != card) ++at;
    for (; at < deckSize - 1; ++at) row[at] = row[at + 1];
    row[deckSize - 1] = card;
}

// ---------------------------------------------------------------------------------------------
// Awkward moments to save at, each built by hand and each a legal state
// ---------------------------------------------------------------------------------------------

void dealtBoard() {
    startTestGame(3, 1);
    computeBoardGeometry();
    game.money[0] = 1320;
    game.money[1] = 877;
    game.money[3] = 2045;
    giveGroup(0, 1, 2, 2, 1);
    giveProperty(1, 22);
    giveProperty(3, 26, -1);
    game.zoom = 0.82f;
    game.panX = -0.13f;
    game.panY = 0.2f;
    game.cameraTargetX = 0.11f;
    game.cameraTargetZ = -0.24f;
    game.pulseStep = 13;
    game.proposeCooldown[3][0] = 7;
    game.answerCooldown[3][2] = 4;
    game.unmortgageMargin = 1.4f;
    game.buildReserve = 123;
    game.menuNavColumns[2] = 3;
}

GameState midDiceMove() {
    dealtBoard();
    game.currentPlayer = 1;
    game.position[1] = 14;
    game.moving = true;
    game.passedGo = true;
    game.moveTarget = 3;
    game.cursorFrom = 15;
    game.dice[0] = 5;
    game.dice[1] = 5;
    game.doublesCount = 1;
    game.diceTimer = 0;
    game.arrivalTimer = 30;
    game.boardCursor = 15;
    game.cameraGlide = 3;
    return game;
}

GameState noticeQueued() {
    dealtBoard();
    game.middleOption = 1;
    game.middlePot = 350;
    game.currentPlayer = 2;
    game.position[2] = 6;
    game.noticeIndex = 1;
    game.noticeTimer = 64;
    game.noticePlayer[0] = 2;
    game.noticeAmount[0] = -200;
    std::strcpy(game.noticeReason[0], "passing GO");
    game.noticePlayer[1] = 2;
    game.noticeAmount[1] = 30;
    std::strcpy(game.noticeReason[1], "rent of Fenwick ");
    game.endTurnAfterNotice = true;
    game.utilityTenTimes = true;
    return game;
}

GameState tradePartnerSide() {
    dealtBoard();
    giveProperty(2, 11);
    giveProperty(2, 23, -1);
    game.jailCardHolder[1] = 2;
    putAtBottom(1, jailCardNumber[1]);
    game.screen = AssetMenu;
    game.menuIndex = KindTrade;
    game.tradeInitiator = 0;
    game.menuPlayer = 2;
    game.tradePartnerSide = true;
    game.initiatorSelected[2] = game.initiatorSelected[4] = true;
    game.selected[11] = game.selected[23] = true;
    game.jailCardSelected[1] = true;
    game.initiatorMoney = 150;
    game.tradeMoney = 40;
    game.assetCursor = CursorAmount;
    game.amountDigit = 1;
    game.tradeOfferOpen = true;
    game.promptYes = true;
    return game;
}

GameState auctionRunning() {
    dealtBoard();
    game.position[0] = 16;  // Tallforest, declined
    game.auctionOpen = true;
    game.auctionBid = 130;
    game.auctionBidder = 1;
    game.bidIncrement = 20;
    game.auctionTimer = 87;
    game.bidLimit[3] = 175;
    return game;
}

GameState unmortgageQuestions() {
    dealtBoard();
    giveProperty(1, 5, -1);
    giveProperty(1, 13, -1);
    giveProperty(0, 24, -1);
    game.tradeInitiator = 0;
    game.menuPlayer = 1;
    game.partnerMortgaged[0] = 13;
    game.partnerMortgaged[1] = 5;
    game.partnerMortgagedCount = 2;
    game.initiatorMortgaged[0] = 24;
    game.initiatorMortgagedCount = 1;
    game.promptYes = true;
    return game;
}

GameState computerInDebt() {
    dealtBoard();
    game.currentPlayer = 3;
    game.money[3] = -120;
    game.inDebt = true;
    game.screen = AssetMenu;
    game.menuIndex = KindMortgage;
    game.menuPlayer = 3;
    game.assetCursor = CursorConfirm;
    game.houseCount = 0;
    game.tradeTried = game.buildTried = true;
    game.computerDelay = 17;
    return game;
}

GameState wonGame() {
    startTestGame(3);
    computeBoardGeometry();
    for (int s : {0, 2}) {
        game.bankrupt[s] = true;
        game.money[s] = 0;
    }
    giveProperty(1, 20, 5);
    giveProperty(1, 21, 4);
    game.money[1] = 9999;
    game.gameOver = true;
    game.winner = 1;
    return game;
}

std::vector<GameState> awkwardStates() {
    game = GameState{};
    std::vector<GameState> states = {GameState{},        midDiceMove(),    noticeQueued(),
                                     tradePartnerSide(), auctionRunning(), unmortgageQuestions(),
                                     computerInDebt(),   wonGame()};
    game = GameState{};
    return states;
}

// ---------------------------------------------------------------------------------------------
// Fixtures: a private working directory; a child process for what must run unprivileged
// ---------------------------------------------------------------------------------------------

class SaveRobustness : public ::testing::Test {
protected:
    fs::path previous;
    fs::path dir;

    void SetUp() override {
        game = GameState{};
        shell = ShellState{};
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

// Runs `body` in a forked child as an ordinary user (nobody, when we are root, because root
// writes into read-only directories); returns its exit code, or -signal if it was killed.
int runUnprivileged(const std::function<int()>& body) {
    const pid_t pid = fork();
    if (pid == 0) {
        if (geteuid() == 0) {
            const uid_t nobody = 65534;
            if (setgroups(0, nullptr) != 0 || setresgid(nobody, nobody, nobody) != 0 ||
                setresuid(nobody, nobody, nobody) != 0)
                _exit(childCannotDrop);
        }
        _exit(body());
    }
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid) return childCannotDrop;
    return WIFSIGNALED(status) ? -WTERMSIG(status) : WEXITSTATUS(status);
}

int runInChild(const std::function<int()>& body) {
    const pid_t pid = fork();
    if (pid == 0) _exit(body());
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid) return -1000;
    return WIFSIGNALED(status) ? -WTERMSIG(status) : WEXITSTATUS(status);
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Round trips
// ---------------------------------------------------------------------------------------------

TEST(SaveRoundTrip, AwkwardMomentsDecodeOverAnyOtherGame) {
    game = GameState{};
    const std::vector<GameState> states = awkwardStates();
    for (size_t i = 0; i < states.size(); ++i) {
        char why[128] = "";
        ASSERT_TRUE(checkInvariants(states[i], why, sizeof why)) << "state " << i << ": " << why;
        ASSERT_TRUE(stateIsLoadable(states[i])) << "state " << i;
        unsigned char r[slotSize];
        encodeNamed(states[i], "moment", r);
        for (size_t j = 0; j < states.size(); ++j) {
            GameState running = states[j];
            char name[30] = "old";
            ASSERT_TRUE(decodeSlot(r, running, name)) << i << " over " << j;
            EXPECT_TRUE(sameRecord(running, states[i])) << i << " over " << j;
            EXPECT_STREQ(name, "moment");
        }
    }
}

TEST_F(SaveRobustness, AwkwardMomentsRoundTripThroughTheFile) {
    const std::vector<GameState> states = awkwardStates();
    for (size_t i = 0; i < states.size(); ++i) {
        game = states[i];
        saveInto(static_cast<int>(i * 4 % 30), ("moment " + std::to_string(i)).c_str());
    }
    ensureSaveFile();
    for (size_t i = 0; i < states.size(); ++i) {
        const int slot = static_cast<int>(i * 4 % 30);
        EXPECT_EQ(std::string(shell.slotNames[slot]), "moment " + std::to_string(i));
        game = states[(i + 1) % states.size()];
        setName("typed");
        shell.saveSlot = slot;
        loadGame();
        EXPECT_TRUE(sameRecord(game, states[i])) << "state " << i;
        EXPECT_EQ(std::string(shell.saveName), "moment " + std::to_string(i));
        EXPECT_EQ(shell.saveSlot, slot);
        EXPECT_EQ(std::string(shell.slotNames[slot]), "moment " + std::to_string(i));
    }
}

TEST_F(SaveRobustness, SavingOneSlotKeepsEveryOtherByte) {
    const std::vector<GameState> states = awkwardStates();
    game = states[1];
    saveInto(29, "far");
    game = states[3];
    saveInto(5, "trade");
    const std::vector<unsigned char> before = fileBytes();
    game = states[4];
    saveInto(5, "auction");  // an occupied slot is overwritten
    const std::vector<unsigned char> after = fileBytes();
    ASSERT_EQ(after.size(), before.size());
    for (size_t i = 0; i < after.size(); ++i)
        if (i < 5 * 5399 || i >= 6 * 5399) {
            ASSERT_EQ(after[i], before[i]) << "byte " << i;
        }
    game = GameState{};
    shell.saveSlot = 29;
    loadGame();
    EXPECT_TRUE(sameRecord(game, states[1]));
}

TEST_F(SaveRobustness, ForeignBytesBeyondTheSlotsAndShortFilesKeepTheirShape) {
    // A file longer than the slot table keeps its tail; a short one is padded with zeros up to
    // the slot written, as writing past its end would.
    std::vector<unsigned char> longFile(161970 + 1000, 0);
    for (size_t i = 161970; i < longFile.size(); ++i) longFile[i] = static_cast<unsigned char>(i * 7);
    writeFile(longFile);
    game = midDiceMove();
    saveInto(0, "first");
    std::vector<unsigned char> bytes = fileBytes();
    ASSERT_EQ(bytes.size(), longFile.size());
    EXPECT_TRUE(std::equal(bytes.begin() + 161970, bytes.end(), longFile.begin() + 161970));

    std::vector<unsigned char> shortFile(100, 0x5A);
    writeFile(shortFile);
    saveInto(2, "two");
    bytes = fileBytes();
    ASSERT_EQ(bytes.size(), 3u * 5399);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.begin() + 100, shortFile.begin()));
    for (size_t i = 100; i < 2 * 5399; ++i) ASSERT_EQ(bytes[i], 0) << "byte " << i;
}

TEST_F(SaveRobustness, SavingWithoutAFileCreatesTheSlotTable) {
    game = auctionRunning();
    saveInto(7, "no file yet");
    const std::vector<unsigned char> bytes = fileBytes();
    ASSERT_EQ(bytes.size(), 156601u);
    ensureSaveFile();
    EXPECT_STREQ(shell.slotNames[7], "no file yet");
    EXPECT_EQ(shell.slotNames[0][0], '\0');
}

// ---------------------------------------------------------------------------------------------
// Refusals: the running game and the typed name stay exactly as they were
// ---------------------------------------------------------------------------------------------

TEST_F(SaveRobustness, ShortSlotsAreListedOnlyWithTheirWholeNameAndNeverLoaded) {
    game = noticeQueued();
    const GameState saved = game;
    saveInto(2, "cut");
    const std::vector<unsigned char> whole = fileBytes();
    const GameState running = tradePartnerSide();

    const long slotStart = 2 * 5399;
    for (long kept : {0L, 1L, 29L, 30L, 31L, 765L, 2000L, 5398L}) {
        writeFile(std::vector<unsigned char>(whole.begin(), whole.begin() + slotStart + kept));
        std::memset(shell.slotNames, 0, sizeof shell.slotNames);
        ensureSaveFile();
        EXPECT_STREQ(shell.slotNames[2], kept >= 30 ? "cut" : "") << kept;
        EXPECT_STREQ(shell.slotNames[3], "") << kept;
        game = running;
        setName("typed");
        shell.saveSlot = 2;
        loadGame();
        EXPECT_TRUE(sameRecord(game, running)) << "loaded a slot cut at " << kept;
        EXPECT_STREQ(shell.saveName, "typed");
    }
    writeFile(std::vector<unsigned char>(whole.begin(), whole.begin() + slotStart + 5399));
    game = running;
    loadGame();
    EXPECT_TRUE(sameRecord(game, saved));  // the whole slot does load
}

TEST_F(SaveRobustness, EachOutOfRangeFamilyIsRefused) {
    game = tradePartnerSide();
    setTopCard(0, jailCardNumber[0]);  // deck 0's jail card in circulation, not at the bottom
    const GameState saved = game;
    unsigned char base[slotSize];
    encodeNamed(saved, "bad", base);

    struct Case {
        const char* what;
        int offset;
        uint32_t value;
        int bytes;  // 4: a word; 1: a byte
    };
    const Case cases[] = {
        {"screen 5", 30, 5, 4},
        {"returnScreen -1", 38, 0xFFFFFFFFu, 4},
        {"menuIndex 5", 34, 5, 4},
        {"currentPlayer 8", 933, 8, 4},
        {"menuPlayer -1", 893, 0xFFFFFFFFu, 4},
        {"owner of a seat not in play", 1005 + 4 * 6, 5, 4},
        {"position 41", 845, 41, 4},
        {"boardCursor 40", 877, 40, 4},
        {"moveTarget -1", 885, 0xFFFFFFFFu, 4},
        {"assetCursor 30", 889, 30, 4},
        {"partnerMortgagedCount 29", 42, 29, 4},
        {"activeDeck 2", 913, 2, 4},
        {"deck card 16", 5271 + 4 * 3, 16, 4},
        {"deck card repeated", 5271 + 4 * 20, 0, 4},
        {"held jail card not at the bottom", 1117, 1, 4},
        {"houses 6", 1215 + 4 * 2, 6, 4},
        {"doublesCount 3", 937, 3, 4},
        {"jailTurns 3", 941 + 4 * 2, 3, 4},
        {"noticeTimer 101", 50, 101, 4},
        {"noticeIndex 8", 342, 8, 4},
        {"cardTimer negative", 997, 0xFFFFFFF6u, 4},
        {"auctionTimer huge", 989, 0x7FFFFFFFu, 4},
        {"pulseStep 20", 981, 20, 4},
        {"money beyond any game", 1447, 2000000000u, 4},
        {"middle pot beyond any game", 1207, 0x7FFFFFFFu, 4},
        {"bid increment beyond any game", 1203, 0x7FFFFFF0u, 4},
        {"zoom NaN", 765, 0x7FC00000u, 4},
        {"panX infinite", 769, 0x7F800000u, 4},
        {"token spot off the board", 2295 + 4 * 100, 0x40000000u, 4},
        {"unmortgageMargin NaN", 2026, 0x7FC00000u, 4},
        {"flag byte 2", 353, 2, 1},
        {"seat flag byte 0xFF", 837 + 3, 0xFF, 1},
        {"selection flag byte 7", 1125 + 9, 7, 1},
    };
    const GameState running = auctionRunning();
    for (const Case& c : cases) {
        unsigned char r[slotSize];
        std::memcpy(r, base, slotSize);
        if (c.bytes == 4)
            putWord(r, c.offset, c.value);
        else
            r[c.offset] = static_cast<unsigned char>(c.value);
        ASSERT_NE(std::memcmp(r, base, slotSize), 0) << c.what << " changes nothing";
        std::vector<unsigned char> file(r, r + slotSize);
        writeFile(file);
        game = running;
        setName("typed");
        shell.saveSlot = 0;
        loadGame();
        EXPECT_TRUE(sameRecord(game, running)) << "loaded " << c.what;
        EXPECT_STREQ(shell.saveName, "typed") << c.what;
    }
    writeFile(std::vector<unsigned char>(base, base + slotSize));
    game = running;
    loadGame();
    EXPECT_TRUE(sameRecord(game, saved));  // the untouched record loads
}

TEST_F(SaveRobustness, UnterminatedTextIsRefused) {
    game = noticeQueued();
    unsigned char base[slotSize];
    encodeNamed(game, "text", base);
    const struct {
        const char* what;
        int offset;
        int size;
    } fields[] = {{"slot name", 0, 30}, {"player name 3", 1327 + 45, 15}, {"notice reason 7", 365 + 350, 50}};
    for (const auto& f : fields) {
        unsigned char r[slotSize];
        std::memcpy(r, base, slotSize);
        std::memset(r + f.offset, 'A', static_cast<size_t>(f.size));
        GameState running = auctionRunning();
        const GameState before = running;
        char name[30] = "kept";
        EXPECT_FALSE(decodeSlot(r, running, name)) << f.what;
        EXPECT_TRUE(sameRecord(running, before)) << f.what;
        EXPECT_STREQ(name, "kept") << f.what;
    }
}

TEST_F(SaveRobustness, ReservedBytesAreIgnoredOnLoad) {
    game = unmortgageQuestions();
    const GameState saved = game;
    unsigned char r[slotSize];
    encodeNamed(saved, "reserved", r);
    r[355] = 0xEE;
    putWord(r, 909, 0xDEADBEEFu);
    putWord(r, 2035, 0x80000000u);
    writeFile(std::vector<unsigned char>(r, r + slotSize));
    game = GameState{};
    loadGame();
    EXPECT_TRUE(sameRecord(game, saved));
    EXPECT_STREQ(shell.saveName, "reserved");
}

TEST_F(SaveRobustness, AnEmptySlotIsNotLoadedEvenIfTheListSaysOtherwise) {
    game = midDiceMove();
    unsigned char r[slotSize];
    encodeNamed(game, "x", r);
    r[0] = 0;  // a valid record behind an empty name: the slot is empty
    writeFile(std::vector<unsigned char>(r, r + slotSize));
    std::strcpy(shell.slotNames[0], "stale");
    game = GameState{};
    loadGame();
    EXPECT_TRUE(sameRecord(game, GameState{}));
}

TEST_F(SaveRobustness, RandomBytesNeverLoadAndListOnlyTerminatedNames) {
    std::mt19937 random(20240611);
    std::vector<unsigned char> noise(161970);
    for (unsigned char& b : noise) b = static_cast<unsigned char>(random() | 1);  // no NUL anywhere
    writeFile(noise);
    ensureSaveFile();
    for (int k = 0; k < 30; ++k) EXPECT_EQ(std::strlen(shell.slotNames[k]), 29u) << "slot " << k;

    // Named slots of noise get past the name and are refused by the checks on the record.
    for (unsigned char& b : noise) b = static_cast<unsigned char>(random());
    for (int k = 0; k < 30; ++k) std::memcpy(noise.data() + k * 5399, "noise", 6);
    writeFile(noise);
    const GameState running = computerInDebt();
    for (int k = 0; k < 30; ++k) {
        game = running;
        setName("typed");
        shell.saveSlot = k;
        loadGame();
        EXPECT_TRUE(sameRecord(game, running)) << "slot " << k;
        EXPECT_STREQ(shell.saveName, "typed");
    }
    EXPECT_EQ(fileBytes(), noise);  // loading never writes
}

TEST_F(SaveRobustness, SlotOutsideTheTableDoesNothing) {
    const GameState running = midDiceMove();
    game = running;
    for (int slot : {-1, 30, 1000}) {
        shell.saveSlot = slot;
        saveGame();
        loadGame();
    }
    EXPECT_FALSE(fs::exists(saveFileName));
    EXPECT_TRUE(sameRecord(game, running));
}

// ---------------------------------------------------------------------------------------------
// Unusable files and directories
// ---------------------------------------------------------------------------------------------

TEST_F(SaveRobustness, ADirectoryInThePlaceOfTheFile) {
    fs::create_directory(saveFileName);
    std::strcpy(shell.slotNames[3], "earlier");
    const GameState running = tradePartnerSide();
    game = running;
    ensureSaveFile();
    EXPECT_STREQ(shell.slotNames[3], "earlier");
    saveInto(3, "attempt");
    shell.saveSlot = 3;
    loadGame();
    EXPECT_TRUE(sameRecord(game, running));
    EXPECT_TRUE(fs::is_directory(saveFileName));
    EXPECT_TRUE(fs::is_empty(saveFileName));
    EXPECT_FALSE(fs::exists("Tenantry.sav.tmp"));
}

TEST_F(SaveRobustness, AReadOnlyDirectory) {
    // Without a file: nothing can be created, the list keeps its names, nothing loads.
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                             fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    const GameState running = auctionRunning();
    int result = runUnprivileged([&] {
        game = running;
        std::strcpy(shell.slotNames[1], "earlier");
        ensureSaveFile();
        if (std::strcmp(shell.slotNames[1], "earlier") != 0) return 1;
        saveInto(1, "attempt");
        shell.saveSlot = 1;
        loadGame();
        if (!sameRecord(game, running) || std::strcmp(shell.saveName, "attempt") != 0) return 2;
        return access(saveFileName, F_OK) == 0 ? 3 : 0;
    });
    if (result == childCannotDrop) GTEST_SKIP() << "cannot switch to an unprivileged user here";
    EXPECT_EQ(result, 0);

    // With a file that the directory will not let us replace: saving fails and keeps it whole;
    // loading still works, it only reads.
    fs::permissions(dir, fs::perms::owner_write, fs::perm_options::add);
    game = noticeQueued();
    const GameState saved = game;
    saveInto(4, "kept");
    fs::permissions(saveFileName, fs::perms::all);  // only the directory is in the way
    const std::vector<unsigned char> before = fileBytes();
    fs::permissions(dir, fs::perms::owner_write, fs::perm_options::remove);
    result = runUnprivileged([&] {
        game = running;
        saveInto(4, "attempt");
        saveInto(9, "attempt");
        if (access("Tenantry.sav.tmp", F_OK) == 0) return 1;
        game = running;
        shell.saveSlot = 4;
        loadGame();
        if (!sameRecord(game, saved) || std::strcmp(shell.saveName, "kept") != 0) return 2;
        return 0;
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(fileBytes(), before);
}

TEST_F(SaveRobustness, AFileWeCannotReadIsNeverReplaced) {
    game = wonGame();
    saveInto(6, "private");
    const std::vector<unsigned char> before = fileBytes();
    fs::permissions(dir, fs::perms::all);
    fs::permissions(saveFileName, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write);
    const int result = runUnprivileged([] {
        std::strcpy(shell.slotNames[6], "earlier");
        ensureSaveFile();
        if (std::strcmp(shell.slotNames[6], "earlier") != 0) return 1;
        game = GameState{};
        saveInto(0, "over it");
        return 0;
    });
    if (result == childCannotDrop) GTEST_SKIP() << "cannot switch to an unprivileged user here";
    EXPECT_EQ(result, 0);
    fs::permissions(saveFileName, fs::perms::owner_read, fs::perm_options::add);
    EXPECT_EQ(fileBytes(), before);
}

// ---------------------------------------------------------------------------------------------
// A save that cannot finish
// ---------------------------------------------------------------------------------------------

TEST_F(SaveRobustness, DyingInTheMiddleOfASaveKeepsTheOldFile) {
    const std::vector<GameState> states = awkwardStates();
    for (int k = 0; k < 8; ++k) {
        game = states[static_cast<size_t>(k)];
        saveInto(k * 4 + 1, ("slot " + std::to_string(k)).c_str());
    }
    const std::vector<unsigned char> before = fileBytes();
    ASSERT_EQ(before.size(), 161970u);

    // A write that fails (the file-size limit, its signal ignored): the save gives up quietly.
    const int failed = runInChild([&] {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{100000, 100000};
        setrlimit(RLIMIT_FSIZE, &limit);
        game = states[2];
        saveInto(0, "never finished");
        return access("Tenantry.sav.tmp", F_OK) == 0 ? 1 : 0;
    });
    EXPECT_EQ(failed, 0);
    EXPECT_EQ(fileBytes(), before);

    // The limit's signal kills the child once the new file passes 100,000 bytes.
    const int killed = runInChild([&] {
        const rlimit limit{100000, 100000};
        setrlimit(RLIMIT_FSIZE, &limit);
        game = states[2];
        saveInto(0, "never finished");
        return 0;
    });
    EXPECT_EQ(killed, -SIGXFSZ);
    EXPECT_EQ(fileBytes(), before);
    EXPECT_LE(fileBytes("Tenantry.sav.tmp").size(), 100000u);  // the half-written new file

    // The next save simply writes over that leftover.
    game = states[2];
    saveInto(2, "after the crash");
    for (int k = 0; k < 8; ++k) {
        game = GameState{};
        shell.saveSlot = k * 4 + 1;
        loadGame();
        EXPECT_TRUE(sameRecord(game, states[static_cast<size_t>(k)])) << "slot " << k * 4 + 1;
    }
    shell.saveSlot = 2;
    loadGame();
    EXPECT_TRUE(sameRecord(game, states[2]));
    EXPECT_FALSE(fs::exists("Tenantry.sav.tmp"));
}

TEST_F(SaveRobustness, ALinkInThePlaceOfTheNewFileIsNotWrittenThrough) {
    game = midDiceMove();
    saveInto(0, "first");
    std::ofstream("victim") << "keep me";
    fs::create_symlink("victim", "Tenantry.sav.tmp");
    saveInto(1, "second");
    std::ifstream in("victim");
    const std::string content((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(content, "keep me");
    ensureSaveFile();
    EXPECT_STREQ(shell.slotNames[1], "second");
}

TEST_F(SaveRobustness, ASaveThatCannotWriteItsNewFileChangesNothing) {
    game = midDiceMove();
    saveInto(0, "first");
    const std::vector<unsigned char> before = fileBytes();
    fs::create_directory("Tenantry.sav.tmp");  // the new file cannot be made
    game = auctionRunning();
    saveInto(1, "second");
    EXPECT_EQ(fileBytes(), before);
    EXPECT_TRUE(fs::is_directory("Tenantry.sav.tmp"));
}
