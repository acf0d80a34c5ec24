// A saved game resumes exactly where it stood, whatever was open; a damaged, short or foreign
// record, an unusable directory or a crash in the middle of saving never costs the running game
// or the other slots.
#include <gtest/gtest.h>

#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

#include "app/shell.h"
#include "game/random.h"
#include "game/rules.h"
#include "save/save_file.h"
#include "sim/play.h"
#include "support/fixtures.h"
#include "support/session.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<unsigned char>;
constexpr size_t newSize = 156601, fullSize = 161970;  // the empty table; all 30 slots written
constexpr int32_t cap = 100000000;                     // the largest amount a record may hold
constexpr LoadResult Loaded = LoadResult::Loaded, Empty = LoadResult::Empty, Damaged = LoadResult::Damaged;
constexpr LoadResult Unreadable = LoadResult::Unreadable;
constexpr char temp[] = "Tenantry.sav.tmp";  // where the new file is built beside the old
bool untouched = false;  // whether the last loadOver left the game and the typed name as they were

Bytes fileBytes(const char* path = saveFileName) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void writeFile(const Bytes& b) {
    std::ofstream(saveFileName, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), b.size());
}

// `bytes` with `slot` holding the running game under the typed name: what saving it must leave.
Bytes withSlot(Bytes bytes, int slot) {
    bytes.resize(std::max(bytes.size(), static_cast<size_t>(slot + 1) * slotSize));
    return encodeSlot(game, shell.saveName, &bytes[slot * slotSize]), bytes;
}

int saveInto(int slot, const char* name) {
    std::memset(shell.saveName, 0, sizeof shell.saveName);
    return saveGame(shell.saveSlot = slot, std::strcpy(shell.saveName, name));
}

// Loads `slot` over `running` with "typed" as the name; whatever does not load must leave both
// as they were (also kept in `untouched` for a child process, whose EXPECTs would not be seen).
LoadResult loadOver(const GameState& running, int slot) {
    const std::string before = (game = running, snapshot());
    const LoadResult result = loadGame(slot, std::strcpy(shell.saveName, "typed"));
    untouched = snapshot() == before && shell.saveName == std::string("typed");
    EXPECT_TRUE(untouched || result == Loaded) << "a refused load changed the game, slot " << slot;
    return result;
}

// Awkward moments to save at, each built by hand on a dealt board and each a legal state.
enum Moment { AtStart, AtMove, AtNotice, AtTrade, AtAuction, MomentCount };
GameState moment(int m) {
    GameState& g = game = GameState{};
    if (m == AtStart) return g;
    startTestGame(3, 1), computeBoardGeometry(), giveGroup(0, 1, 2, 2, 1), giveProperty(3, 26, -1);
    g.zoom = 0.82f, g.cameraTargetZ = -0.24f, g.proposeCooldown[3][0] = 7;
    if (m == AtMove) {  // mid dice move, past GO
        g.currentPlayer = 1, g.position[1] = 14, g.moveTarget = 3, g.arrivalTimer = 30, g.dice[1] = 5;
        g.moving = g.passedGo = true, g.cursorFrom = g.boardCursor = 15, g.dice[0] = 5;
    } else if (m == AtNotice) {  // two notices queued, the turn to end after them
        g.currentPlayer = g.noticePlayer[0] = g.noticePlayer[1] = 2, g.noticeIndex = 1, g.noticeTimer = 64;
        g.noticeAmount[0] = -200, g.noticeAmount[1] = 30, g.endTurnAfterNotice = true;
        std::strcpy(g.noticeReason[1], "rent of Fenwick ");
    } else if (m == AtTrade) {  // the asset menu on a trade's partner side; a jail card held
        giveProperty(2, 23, -1), g.jailCardHolder[0] = 2, g.jailCardSelected[0] = true, g.menuPlayer = 2;
        g.screen = AssetMenu, g.menuIndex = KindTrade, g.assetCursor = CursorAmount, g.initiatorMoney = 150;
        g.tradePartnerSide = g.tradeOfferOpen = g.promptYes = g.initiatorSelected[2] = g.selected[23] = true;
    } else if (m == AtAuction) {  // with unmortgage questions pending after a trade
        g.position[0] = 16, g.auctionOpen = true, g.auctionBid = 90, g.auctionBidder = 1, g.bidLimit[3] = 175;
        g.auctionTimer = 87, g.partnerMortgaged[0] = 13, g.partnerMortgagedCount = 1, giveProperty(1, 13, -1);
    }
    return g;
}

// Each test runs in a private working directory.
class SaveRobustness : public ::testing::Test {
protected:
    fs::path previous = fs::current_path();
    char dir[32] = "/tmp/tenantry-save-XXXXXX";

    void SetUp() override {
        resetProgram();
        ASSERT_NE(mkdtemp(dir), nullptr);
        fs::current_path(dir);
    }
    void TearDown() override {
        fs::current_path(previous);
        fs::remove_all(dir);
    }
};

// Runs `body` in a forked child, as nobody unless told otherwise (root would write into
// read-only directories); its exit code, -signal if it was killed, 99 if it could not drop root.
template <class Body>
int runInChild(Body body, bool asNobody = true) {
    const pid_t pid = fork();
    const auto drop = [] { return setgroups(0, nullptr) || setgid(65534) || setuid(65534); };  // nobody
    if (pid == 0) _exit(asNobody && geteuid() == 0 && drop() ? 99 : body());
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid) return 99;
    return WIFSIGNALED(status) ? -WTERMSIG(status) : WEXITSTATUS(status);
}

}  // namespace

// Each moment, loaded over every other game, is that moment again, and plays on exactly as the
// game would have without the save. A board cursor on the jail cell (40), which other writers of
// the format leave for a jailed seat, loads and walks from square 10.
TEST_F(SaveRobustness, AwkwardMomentsRoundTripAndPlayOn) {
    const auto playOn = [] { return fixClock(9), seedRandom(1), tick(300), setClock(nullptr), snapshot(); };
    for (int i = 0; i < MomentCount; ++i) {
        const std::string name = "moment " + std::to_string(i), saved = (moment(i), snapshot());
        saveInto(i, name.c_str());
        for (int j = 0; j < MomentCount; ++j)
            EXPECT_TRUE(loadOver(moment(j), i) == Loaded && snapshot() == saved && shell.saveName == name);
        const std::string loaded = playOn();
        resetProgram(), moment(i);
        EXPECT_TRUE(playOn() == loaded) << "moment " << i << " plays on differently";
    }
    startTestGame(2), putInJail(0), game.boardCursor = jailCell, saveInto(9, "jailed");
    for (auto [key, to] : {std::pair{KeyUp, 11}, {KeyDown, 9}})
        EXPECT_TRUE(loadOver(moment(AtAuction), 9) == Loaded && (press(key), game.boardCursor == to)) << to;
}

// A record cut short or holding bytes no game writes is listed as damaged (by its name, once all
// of it is in the file) and never loads; a name starting with NUL is an empty slot; reserved
// bytes are ignored. Loading never writes.
TEST_F(SaveRobustness, ShortOrForeignRecordsNeverLoad) {
    const std::string notice = (moment(AtNotice), saveInto(0, "one"), saveInto(2, "cut"), snapshot());
    const Bytes whole = fileBytes();
    const int end = 3 * slotSize, name = 2 * slotSize;
    // The file cut to `kept` bytes, then `size` bytes from `at` set to `value`: the name listed.
    const std::tuple<int, int, int, int, const char*, LoadResult> rows[] = {
        // clang-format off
        {name, 0, 0, 0, "", Empty}, {name + 1, 0, 0, 0, "", Damaged}, {name + 29, 0, 0, 0, "", Damaged},
        {name + 30, 0, 0, 0, "cut", Damaged}, {end - 1, 0, 0, 0, "cut", Damaged},
        {end, 0, 0, 0, "cut", Loaded}, {end, name + 2035, 4, 0x80, "cut", Loaded},  // a reserved word ignored
        {end, name + 353, 1, 2, "cut", Damaged}, {end, name + 981, 1, 20, "cut", Damaged},  // a flag; a pulse
        {end, name, 30, 'A', "AAAAAAAAAAAAAAAAAAAAAAAAAAAAA", Damaged}, {end, name, 1, 0, "", Empty},
        // clang-format on
    };
    for (auto [kept, at, size, value, listed, result] : rows) {
        Bytes file(whole.begin(), whole.begin() + kept);
        std::fill_n(file.begin() + at, size, value), writeFile(file);
        ensureSaveFile(shell.slotNames, shell.slotDamaged);
        EXPECT_EQ(shell.slotNames[0] + std::string("+") + shell.slotNames[2], std::string("one+") + listed)
            << at;
        EXPECT_EQ(shell.slotDamaged[2], result == Damaged && listed[0]) << kept << " " << at;
        EXPECT_EQ(loadOver(moment(AtTrade), 2), result) << kept << " " << at;
        EXPECT_TRUE((result != Loaded || snapshot() == notice) && fileBytes() == file);
    }
    // Through the save layer: a slot cut since the list was read is marked when chosen, and the
    // layer says so and stays open.
    writeFile(Bytes(whole.begin(), whole.begin() + end - 1)), moment(AtAuction), keys("F4 RIGHT ENTER");
    const std::string running = snapshot();
    shell.slotDamaged[2] = false, keys("DOWN DOWN ENTER");
    EXPECT_TRUE(shell.loadListOpen && shell.slotDamaged[2] && snapshot() == running);
    EXPECT_STREQ(shell.saveMessage, "Slot 3 is damaged and cannot be loaded");
}

// What a loaded record may hold, each family at the edge where it is refused beside one that
// loads (the table above shows a refused record never reaches the game).
TEST(SlotCheck, LimitsOfALoadableRecord) {
    const std::pair<bool, void (*)()> rows[] = {
        // clang-format off
        {true, [] { startTestGame(1, 2); }}, {true, [] { startTestGame(8); }},  // one person; eight
        {false, [] { game.humanCount = 0; }}, {true, [] { game.pulseStep = 19; }},
        {false, [] { game.pulseStep = 20; }}, {false, [] { game.pulseStep = -1; }},
        // Negative cash only in the debt state and covered by what the seat could sell: street 0
        // mortgages for 30, a house on it sells for 25; a mortgaged street adds nothing.
        {true, [] { game.money[0] = -30, openDebtState(0); }}, {false, [] { game.money[0] = -30; }},
        {false, [] { game.money[0] = -31, openDebtState(0); }}, {true, [] { game.money[1] = 0; }},
        {true, [] { giveGroup(0, 0, 2), game.money[0] = -110, openDebtState(0); }},
        {false, [] { giveGroup(0, 0, 2), game.money[0] = -111, openDebtState(0); }},
        {false, [] { giveProperty(0, 1, -1), game.money[0] = -31, openDebtState(0); }},
        {false, [] { game.money[2] = -1, openDebtState(2); }},  // the last seat in play
        // Amounts that could overflow in play.
        {true, [] { game.money[1] = cap; }}, {false, [] { game.money[1] = cap + 1; }},
        {true, [] { game.noticeAmount[7] = -cap; }}, {false, [] { game.noticeAmount[7] = -cap - 1; }},
        {false, [] { game.bidLimit[7] = cap + 1; }}, {false, [] { game.middlePot = cap + 1; }},
        {false, [] { game.proposeCooldown[0][7] = cap + 1; }}, {false, [] { game.buildReserve = -cap - 1; }},
        {false, [] { game.answerCooldown[7][0] = cap + 1; }},
        // A held jail card lies at the bottom of its deck (deck 0's is card 15, deck 1's card 7).
        {true, [] { game.jailCardHolder[0] = 1; }}, {false, [] { game.jailCardHolder[1] = 1; }},
        {false, [] { game.jailCardHolder[0] = 5; }},  // not a seat in play
        // clang-format on
    };
    for (size_t row = 0; row < std::size(rows); ++row) {
        startTestGame(3), giveProperty(0, 0), rows[row].second();
        EXPECT_EQ(stateIsLoadable(game), rows[row].first) << "row " << row;
    }
}

// A slot outside the table or a directory named like the file: nothing is made, loaded or written
// through; with no new file possible beside it the file is written in place. No operation leaves
// a file open.
TEST_F(SaveRobustness, ObstructedOrLinkedPathsAndSlotsOutsideTheTable) {
    const auto openFiles = [] { return std::distance(fs::directory_iterator("/proc/self/fd"), {}); };
    const auto filesBefore = openFiles();
    const GameState running = moment(AtMove);
    for (int slot : {-1, 30}) EXPECT_TRUE(saveInto(slot, "outside") && loadOver(running, slot) == Empty);
    fs::create_directory(saveFileName), std::strcpy(shell.slotNames[3], "earlier");
    ensureSaveFile(shell.slotNames, shell.slotDamaged);
    EXPECT_TRUE(saveInto(3, "attempt") && loadOver(running, 3) == Unreadable && fs::is_empty(saveFileName));
    EXPECT_STREQ(shell.slotNames[3], "earlier");

    fs::remove(saveFileName), fs::create_directory(temp);
    EXPECT_TRUE(saveInto(0, "first") == 0 && fileBytes() == withSlot(Bytes(newSize), 0));  // in place
    Bytes before = fileBytes();
    EXPECT_TRUE(saveInto(2, "third") == 0 && fileBytes() == withSlot(before, 2));
    EXPECT_TRUE(loadOver(running, 2) == Loaded && openFiles() == filesBefore);

    // A save file that is a chain of links, relative from another directory and absolute, even
    // dangling: the slots are read and written at its target, the new file made beside it, and the
    // links stay links. A loop of links is never written.
    fs::remove(saveFileName), fs::remove(temp);
    fs::create_directories("dir/sub"), fs::create_symlink("sub/abs.sav", "dir/link.sav");
    fs::create_symlink(fs::absolute("dir/sub/game.sav"), "dir/sub/abs.sav");
    fs::create_symlink("dir/link.sav", saveFileName), std::strcpy(shell.slotNames[4], "stale");
    ensureSaveFile(shell.slotNames, shell.slotDamaged);  // makes the file, every slot empty
    EXPECT_STREQ(shell.slotNames[4], "");
    const std::string saved = (moment(AtNotice), snapshot());
    EXPECT_TRUE(!saveInto(5, "linked") && fileBytes("dir/sub/game.sav") == withSlot(Bytes(newSize), 5));
    for (auto link : {saveFileName, "dir/link.sav", "dir/sub/abs.sav"}) EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_FALSE(fs::exists("dir/sub/game.sav.tmp") || fs::exists(temp));
    EXPECT_TRUE(loadOver(moment(AtAuction), 5) == Loaded && snapshot() == saved);
    fs::remove(saveFileName), fs::create_symlink(saveFileName, saveFileName);
    EXPECT_TRUE(saveInto(5, "loop") == ELOOP && fs::is_symlink(saveFileName));
    // A chain whose whole path outgrows the buffer is refused for what it is, not as a loop.
    fs::remove(saveFileName), fs::create_symlink("dir/long.sav", saveFileName);
    fs::create_symlink(std::string(4092, 'a'), "dir/long.sav");  // with "dir/", one byte too many
    EXPECT_EQ(saveInto(5, "long"), ENAMETOOLONG);
}

// A read-only directory with no file yet, or a file we cannot read: the list keeps its names,
// nothing is saved or loaded, and the file is never replaced, or its slots would be lost.
TEST_F(SaveRobustness, AReadOnlyDirectoryOrAnUnreadableFile) {
    const GameState running = moment(AtAuction);
    const auto keepsAll = [&](int slot) {
        std::strcpy(shell.slotNames[slot], "earlier"), ensureSaveFile(shell.slotNames, shell.slotDamaged);
        const bool kept = shell.slotNames[slot] == std::string("earlier") && saveInto(slot, "new") == EACCES;
        return !(kept && loadOver(running, slot) == Unreadable && untouched && !fs::exists(temp));
    };
    fs::permissions(dir, static_cast<fs::perms>(0555));
    const int result = runInChild([&] { return keepsAll(1) || fs::exists(saveFileName); });
    if (result == 99) GTEST_SKIP() << "cannot switch to an unprivileged user here";
    EXPECT_EQ(result, 0);
    fs::permissions(dir, fs::perms::all), saveInto(4, "kept");
    const Bytes saved = fileBytes();
    fs::permissions(saveFileName, static_cast<fs::perms>(0222));
    EXPECT_EQ(runInChild([&] { return keepsAll(6); }), 0);
    fs::permissions(saveFileName, fs::perms::owner_read, fs::perm_options::add);
    EXPECT_EQ(fileBytes(), saved);
}

// A new file is the empty slot table; slot 3 ends inside it, slot 29 makes the full length; the
// file keeps its mode. Saving rewrites its own slot only, even when the program dies mid-write:
// the other slots and foreign bytes past the table are kept. A short file is padded with zeros.
TEST_F(SaveRobustness, SavingKeepsEveryOtherByteEvenWhenItDies) {
    const std::string notice = (moment(AtNotice), snapshot());
    const mode_t mask = umask(022);  // a new file is readable by all, writable by its owner
    EXPECT_TRUE(saveInto(3, "inside") == 0 && fileBytes() == withSlot(Bytes(newSize), 3));
    umask(mask);
    EXPECT_EQ(fs::status(saveFileName).permissions(), static_cast<fs::perms>(0644));
    fs::permissions(saveFileName, static_cast<fs::perms>(0604));
    EXPECT_TRUE(saveInto(29, "last") == 0 && fileBytes().size() == fullSize);
    EXPECT_EQ(fs::status(saveFileName).permissions(), static_cast<fs::perms>(0604));
    std::ofstream(saveFileName, std::ios::app) << "a foreign tail";
    const Bytes before = fileBytes();
    // A write that fails (the file-size limit, its signal ignored) gives up; with the signal the
    // child dies once the new file passes 100,000 bytes. The next save clears up after it.
    const rlimit cut{100000, 100000};
    for (bool ignoreSignal : {true, false}) {
        const auto body = [&] {
            if (ignoreSignal) signal(SIGXFSZ, SIG_IGN);
            return setrlimit(RLIMIT_FSIZE, &cut) || saveInto(13, "never") != EFBIG || fs::exists(temp);
        };
        EXPECT_TRUE(runInChild(body, false) == (ignoreSignal ? 0 : -SIGXFSZ) && fileBytes() == before);
    }
    EXPECT_LE(fileBytes(temp).size(), 100000u);  // the half-written new file
    EXPECT_TRUE(saveInto(3, "after") == 0 && fileBytes() == withSlot(before, 3) && !fs::exists(temp));
    EXPECT_TRUE(loadOver(GameState{}, 3) == Loaded && snapshot() == notice);
    writeFile(Bytes(100, 0x5A)), saveInto(2, "two");
    EXPECT_EQ(fileBytes(), withSlot(Bytes(100, 0x5A), 2));
}
