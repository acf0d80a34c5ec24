// Random keyboards against the whole program: from the start menu or from a dealt game well
// under way, keys go down and up at random (help and the save/load layers included) for tens of
// thousands of ticks per seed. After every tick the record must keep its invariants and the flow
// its own rules: no layer or question that can never be left, nothing changing under a pause.
#include <cstdio>
#include <cstdlib>

#include <unistd.h>

#include "app/screen_flow.h"
#include "app/shell.h"
#include "game/invariants.h"
#include "game/random.h"
#include "game/rules.h"
#include "game/tables.h"
#include "sim/game_driver.h"
#include "sim/play.h"
#include "sim/scripted_player.h"
#include "support/fixtures.h"
#include "support/session.h"

namespace {

constexpr int seedsPerSuite = 32;
constexpr int ticksPerSeed = sanitized ? 10000 : 100000;

// The fuzzer draws its own dice (drawBelow on its own state), apart from the game's, which
// the game reseeds from the clock.

// Every key the game reads, plus BACKSPACE and two letters for the name fields, with a weight:
// ENTER most, as a player hurrying through prompts would. Help, the save menu and quit go down
// only one pick in `rarity`, as they pause or end the game.
struct FuzzKey {
    int key, weight, rarity;
};
const FuzzKey fuzzKeys[] = {
    {KeyEnter, 24, 1}, {KeySpace, 2, 1}, {'1', 1, 1},     {'2', 1, 1},      {'3', 1, 1},   {'4', 1, 1},
    {'5', 1, 1},       {'6', 1, 1},      {'7', 1, 1},     {'8', 1, 1},      {'q', 1, 40},  {'z', 1, 1},
    {'x', 1, 1},       {'a', 1, 1},      {'s', 1, 1},     {'d', 1, 1},      {'w', 1, 1},   {8, 1, 1},
    {'k', 2, 1},       {'M', 2, 1},      {KeyLeft, 5, 1}, {KeyRight, 5, 1}, {KeyUp, 5, 1}, {KeyDown, 5, 1},
    {KeyF1, 1, 60},    {KeyF4, 1, 60}};
constexpr int fuzzKeyCount = sizeof fuzzKeys / sizeof fuzzKeys[0];

int pickKey(uint64_t& rng) {
    int total = 0, i = 0;
    for (const FuzzKey& k : fuzzKeys) total += k.weight;
    for (int r = drawBelow(rng, total); r >= fuzzKeys[i].weight; r -= fuzzKeys[i++].weight) {
    }
    return i;
}

// The calendar second the game sees: it advances with the ticks as the real one would.
int64_t fuzzSecond = 0;
int64_t fuzzClock() { return fuzzSecond; }

template <class Test>
int countOf(int n, Test test) {
    int count = 0;
    for (int i = 0; i < n; ++i) count += test(i) ? 1 : 0;
    return count;
}
int ownedCount() {
    return countOf(propertyCount, [](int p) { return game.owner[p] != bankOwner; });
}

// The board waits for a move, a settle or a card.
bool boardBusy() {
    return game.screen == Board &&
           (game.moving || game.settleTimer > 0 || (game.cardTimer > 0 && !noticeUp()));
}

// The first side of the trade on offer gives money, a property or a jail card it holds.
bool initiatorOffersSomething() {
    return game.initiatorMoney > 0 ||
           countOf(propertyCount, [](int p) { return game.initiatorSelected[p]; }) || countOf(2, [](int d) {
               return game.jailCardSelected[d] && game.jailCardHolder[d] == game.tradeInitiator;
           });
}

// What the flow itself must keep, beyond the record's invariants; null when all holds.
const char* flowFault(bool pausedBefore, const std::string& frozen, int& busyTicks) {
    const bool paused = shell.helpOpen || shell.saveMenuOpen;
    const bool menuScreen = game.screen == AssetMenu || game.screen == PropertyCard;
    if (shell.helpOpen && shell.saveMenuOpen) return "help and the save menu are open together";
    if (pausedBefore && paused && snapshot() != frozen) return "the game changed under help or the save menu";
    if (game.quitConfirmOpen && boardBusy())
        return "the quit question is open while the board is busy: each waits for the other";
    if (game.quitConfirmOpen && game.computerDelay > 0 && !menuScreen && !noticeUp())
        return "the quit question is open while a computer's action counts down behind it";
    if ((game.moving || game.settleTimer > 0) && game.screen != Board)
        return "a move is under way off the board";
    if (game.inDebt && !menuScreen) return "the debt state is open off its menu";
    if (game.screen == AssetMenu && game.menuPlayer >= playersInPlay())
        return "the asset menu belongs to a seat not in play";
    if (game.gameOver && countOf(playersInPlay(), [](int s) { return !game.bankrupt[s]; }) != 1)
        return "\"WINS\" with more than one seat left";
    if (game.choosingTradePartner && (game.screen != AssetMenu || game.tradePartnerSide))
        return "the partner question stands off the first side of a trade menu";
    // A person's offer is made from the partner's side of the menu; a computer's over the board.
    if (game.tradeOfferOpen && !seatIsComputer(game.tradeInitiator) &&
        (game.screen != AssetMenu || !game.tradePartnerSide))
        return "a person's offer stands off the partner's side of the menu";
    if (game.choosingTradePartner && !tradeIsValid())
        return "a partner is chosen for a side that offers nothing";
    if (game.tradeOfferOpen && !initiatorOffersSomething()) return "an offer whose first side gives nothing";
    // A move of 12 squares, a card and two settles take well under 3000 frames.
    busyTicks = boardBusy() && !paused ? busyTicks + 1 : 0;
    return busyTicks > 3000 ? "the board has been busy for too long: stuck" : nullptr;
}

// A game well under way: the groups dealt out among the seats and the bank, whole groups
// built up evenly, some mortgages, little cash, tokens anywhere: debts and bankruptcies come soon.
void dealLateGame(uint64_t& rng, int humans, int computers) {
    startTestGame(humans, computers);
    computeBoardGeometry();
    const int seats = humans + computers;
    for (int s = 0; s < seats; ++s) {
        game.money[s] = drawBelow(rng, 150);
        game.position[s] = drawBelow(rng, squareCount);
        if (game.position[s] == 30) game.position[s] = !drawBelow(rng, 2) ? jailCell : 31;
    }
    for (int g = 0; g < groupCount; ++g) {
        const int holder = drawBelow(rng, seats + 1);  // `seats` leaves the group to the bank
        const int level = 1 + drawBelow(rng, hotelLevel);
        const bool whole = holder < seats && drawBelow(rng, 4);
        for (int k = 0; k < 4; ++k) {
            const int p = groupMembers[g][k];
            if (p < 0 || holder == seats) continue;
            game.owner[p] = whole ? holder : drawBelow(rng, seats);
            game.houses[p] = whole && isStreet(p) ? level : !drawBelow(rng, 3) ? -1 : 0;
        }
    }
    game.boardCursor = squareOfSeat(game.currentPlayer);  // where the seat's turn puts them
    aimCamera(game.position[game.currentPlayer]);
}

// One seed, then random keys; the fault and where it happened, empty when every tick held.
std::string runSeed(uint64_t seed, int humans, int computers, bool lateGame, long& rolls, long& purchases) {
    uint64_t rng = seed * 0x9E3779B97F4A7C15ull + 1;
    resetProgram();
    fuzzSecond = static_cast<int64_t>(seed) * 1000000;
    game.humanCount = humans;
    game.computerCount = computers;
    if (lateGame) dealLateGame(rng, humans, computers);
    game.middleOption = static_cast<int>(seed % 3);
    game.biddingOption = seed % 2 == 0;
    if (lateGame && game.middleOption == 2) game.middlePot = middlePotSeed;
    bool down[fuzzKeyCount] = {};
    int busyTicks = 0;
    std::string why;
    for (int t = 0; t < ticksPerSeed && why.empty(); ++t) {
        fuzzSecond = static_cast<int64_t>(seed) * 1000000 + t / 33;
        for (int k = 0; k < fuzzKeyCount; ++k)  // holds are short, as a person's are
            if (down[k] && !drawBelow(rng, 3)) keyUp(fuzzKeys[k].key), down[k] = false;
        for (int e = drawBelow(rng, 3); e > 0; --e) {
            const int k = pickKey(rng);
            if (!drawBelow(rng, fuzzKeys[k].rarity))
                keyDown(fuzzKeys[k].key), down[k] = true;  // again while held: the keyboard's auto-repeat
        }
        const bool wasMoving = game.moving, pausedBefore = shell.helpOpen || shell.saveMenuOpen;
        const int owned = ownedCount();
        const std::string frozen = pausedBefore ? snapshot() : std::string();
        tick();
        rolls += !wasMoving && game.moving;
        purchases += ownedCount() > owned;
        char reason[160] = "";
        const char* fault = flowFault(pausedBefore, frozen, busyTicks);
        if (fault || !checkInvariants(game, reason, sizeof reason))
            why = std::string(fault ? fault : reason) + " (seed " + std::to_string(seed) + ", tick " +
                  std::to_string(t) + ", screen " + std::to_string(game.screen) + ")";
    }
    for (int k = 0; k < fuzzKeyCount; ++k)
        if (down[k]) keyUp(fuzzKeys[k].key);
    return why;
}

// Each seed in a fresh temporary working directory (memory-backed where possible), so its
// saves land there and it replays alone exactly as in the suite.
void fuzz(const char* label, uint64_t firstSeed, bool lateGame, void (*seats)(uint64_t, int&, int&)) {
    long rolls = 0, purchases = 0;
    char previous[4096];
    ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
    setClock(fuzzClock);
    for (uint64_t seed = firstSeed; seed < firstSeed + seedsPerSuite; ++seed) {
        std::string dir =
            access("/dev/shm", W_OK) == 0 ? "/dev/shm/tenantry-fuzz-XXXXXX" : "/tmp/tenantry-fuzz-XXXXXX";
        ASSERT_TRUE(mkdtemp(&dir[0]) && chdir(dir.c_str()) == 0);
        int humans = 0, computers = 0;
        seats(seed, humans, computers);
        const std::string why = runSeed(seed, humans, computers, lateGame, rolls, purchases);
        const bool back = chdir(previous) == 0;
        for (const char* file : {"/Tenantry.sav", "/Tenantry.sav.tmp"}) std::remove((dir + file).c_str());
        rmdir(dir.c_str());
        ASSERT_TRUE(back && why.empty()) << why;
    }
    setClock(nullptr);
    std::printf("%s: %d seeds x %d ticks, %ld rolls, %ld purchases\n", label, seedsPerSuite, ticksPerSeed,
                rolls, purchases);
    EXPECT_TRUE(rolls > 0 && purchases > 0) << "the keys never rolled or never bought";
}

// People only, two to four of them, from the start menu (the options can change by key).
TEST(FlowFuzz, PeopleFromTheStartMenu) {
    fuzz("people", 1, false, [](uint64_t s, int& h, int& c) { h = 2 + static_cast<int>(s % 3), c = 0; });
}

// Computer seats beside one or two people; the computers act on their own between the keys.
TEST(FlowFuzz, WithComputerSeatsFromTheStartMenu) {
    fuzz("with computers", 1001, false,
         [](uint64_t s, int& h, int& c) { h = 1 + int(s % 2), c = 1 + int(s % 4); });
}

// A dealt, built-up board with little cash among two or three seats: the debt state,
// bankruptcies, the end of games and new games after them.
TEST(FlowFuzz, LateGamesToTheirEnd) {
    fuzz("late games", 2001, true,
         [](uint64_t s, int& h, int& c) { h = 1 + int(s % 2), c = (s % 2 == 0) + (s % 4 == 3); });
}

}  // namespace
