// Random keyboards against the whole program: from the start menu or from a dealt game well
// under way, keys go down and up at random (help and the save/load layers included) for tens of
// thousands of ticks per seed. After every tick the record must keep its invariants and the flow
// its own rules: no layer or question that can never be left, nothing changing under a pause.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <unistd.h>

#include "app/input.h"
#include "app/screen_flow.h"
#include "app/shell.h"
#include "game/invariants.h"
#include "game/random.h"
#include "game/rules.h"
#include "game/state.h"
#include "game/tables.h"
#include "support/fixtures.h"
#include "support/play.h"
#include "support/session.h"

#if defined(__SANITIZE_ADDRESS__)
#define FLOW_FUZZ_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define FLOW_FUZZ_SANITIZED 1
#endif
#endif
#ifndef FLOW_FUZZ_SANITIZED
#define FLOW_FUZZ_SANITIZED 0
#endif

namespace {

// The sanitizer build (unoptimised, instrumented) runs some twenty times slower; it gets a
// tenth of the ticks.
constexpr int seedsPerSuite = 32;
constexpr int ticksPerSeed = FLOW_FUZZ_SANITIZED ? 10000 : 100000;

// The fuzzer's own generator, apart from the game's (which the game reseeds from the clock).
struct Xorshift {
    uint64_t state;
    uint32_t next() {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return static_cast<uint32_t>(state >> 32);
    }
    int below(int n) { return static_cast<int>(next() % static_cast<uint32_t>(n)); }
    bool chance(int inN) { return below(inN) == 0; }
};

// Every key the game reads, plus BACKSPACE and two letters for the name fields, with a weight
// each: ENTER most, as a player hurrying through prompts would; help, the save menu and quit
// rarely, as they pause or end the game.
struct FuzzKey {
    int key;
    int weight;
};
const FuzzKey fuzzKeys[] = {
    {KeyEnter, 24}, {KeySpace, 2}, {'1', 1},     {'2', 1},   {'3', 1},   {'4', 1}, {'5', 1},
    {'6', 1},       {'7', 1},      {'8', 1},     {'q', 1},   {'z', 1},   {'x', 1}, {'a', 1},
    {'s', 1},       {'d', 1},      {'w', 1},     {8, 1},     {'k', 2},   {'M', 2}, {KeyLeft, 5},
    {KeyRight, 5},  {KeyUp, 5},    {KeyDown, 5}, {KeyF1, 1}, {KeyF4, 1},
};
constexpr int fuzzKeyCount = sizeof fuzzKeys / sizeof fuzzKeys[0];

int pickKey(Xorshift& rng) {
    int total = 0;
    for (const FuzzKey& k : fuzzKeys) total += k.weight;
    int r = rng.below(total), i = 0;
    while (r >= fuzzKeys[i].weight) r -= fuzzKeys[i++].weight;
    return i;
}

// Of the picks of these keys only one in so many goes down.
int rarity(int key) {
    if (key == KeyF1 || key == KeyF4) return 60;
    if (key == 'q') return 40;
    return 1;
}

// The calendar second the game sees: it advances with the ticks as the real one would.
int64_t fuzzSecond = 0;
int64_t fuzzClock() { return fuzzSecond; }

// The program's working directory moves to a fresh temporary one, so saves land there
// (memory-backed where possible: saves sync to disk).
class TempWorkingDirectory {
public:
    TempWorkingDirectory() {
        path_ = access("/dev/shm", W_OK) == 0 ? "/dev/shm/tenantry-fuzz-XXXXXX" : "/tmp/tenantry-fuzz-XXXXXX";
        char old[4096];
        ok_ = mkdtemp(&path_[0]) != nullptr && getcwd(old, sizeof old) != nullptr && chdir(path_.c_str()) == 0;
        if (ok_) previous_ = old;
    }
    ~TempWorkingDirectory() {
        if (!ok_ || chdir(previous_.c_str()) != 0) return;
        std::remove((path_ + "/Tenantry.sav").c_str());
        std::remove((path_ + "/Tenantry.sav.tmp").c_str());
        rmdir(path_.c_str());
    }
    bool ok() const { return ok_; }

private:
    std::string path_, previous_;
    bool ok_ = false;
};

// What a run reached, to show the fuzz goes beyond the menus.
struct Reached {
    long rolls = 0, purchases = 0;
};

int ownedCount() {
    int n = 0;
    for (int p = 0; p < propertyCount; ++p) n += game.owner[p] != bankOwner;
    return n;
}

// The board waits for a move, a settle or a card.
bool boardBusy() {
    return game.screen == Board &&
           (game.moving || game.settleTimer > 0 || (game.cardTimer > 0 && !noticeUp()));
}

// The first side of the trade on offer gives money, a property or a jail card it holds.
bool initiatorOffersSomething() {
    if (game.initiatorMoney > 0) return true;
    for (int p = 0; p < propertyCount; ++p)
        if (game.initiatorSelected[p]) return true;
    for (int d = 0; d < 2; ++d)
        if (game.jailCardSelected[d] && game.jailCardHolder[d] == game.tradeInitiator) return true;
    return false;
}

bool oneSeatLeft() {
    int left = 0;
    for (int s = 0; s < playersInPlay(); ++s) left += !game.bankrupt[s];
    return left == 1;
}

// A move of 12 squares, a card and two settles take well under this many frames.
constexpr int busyLimit = 3000;

// What the flow itself must keep, beyond the record's invariants; null when all holds.
const char* flowFault(bool pausedBefore, const std::string& frozen, int& busyTicks) {
    const bool paused = shell.helpOpen || shell.saveMenuOpen;
    if (shell.helpOpen && shell.saveMenuOpen) return "help and the save menu are open together";
    if (pausedBefore && paused && snapshot() != frozen) return "the game changed under help or the save menu";
    if (game.quitConfirmOpen && boardBusy())
        return "the quit question is open while the board is busy: each waits for the other";
    const bool menuScreen = game.screen == AssetMenu || game.screen == PropertyCard;
    if (game.quitConfirmOpen && game.computerDelay > 0 && !menuScreen && !noticeUp())
        return "the quit question is open while a computer's action counts down behind it";
    if ((game.moving || game.settleTimer > 0) && game.screen != Board)
        return "a move is under way off the board";
    if (game.inDebt && !menuScreen) return "the debt state is open off its menu";
    if (game.screen == AssetMenu && game.menuPlayer >= playersInPlay())
        return "the asset menu belongs to a seat not in play";
    if (game.gameOver && !oneSeatLeft()) return "\"WINS\" with more than one seat left";
    if (game.choosingTradePartner && (game.screen != AssetMenu || game.tradePartnerSide))
        return "the partner question stands off the first side of a trade menu";
    // A person's offer is made from the partner's side of the menu; a computer's over the board.
    if (game.tradeOfferOpen && !seatIsComputer(game.tradeInitiator) &&
        (game.screen != AssetMenu || !game.tradePartnerSide))
        return "a person's offer stands off the partner's side of the menu";
    if (game.choosingTradePartner && !tradeIsValid())
        return "a partner is chosen for a side that offers nothing";
    if (game.tradeOfferOpen && !initiatorOffersSomething()) return "an offer whose first side gives nothing";
    busyTicks = boardBusy() && !paused ? busyTicks + 1 : 0;
    if (busyTicks > busyLimit) return "the board has been busy for too long: stuck";
    return nullptr;
}

// Who sits down and how the game opens.
struct FuzzPlan {
    int (*humansFor)(uint64_t seed);
    int (*computersFor)(uint64_t seed);
    bool lateGame;  // a dealt board well under way instead of the start menu
};

// A game well under way: the groups dealt out among the seats and the bank, whole groups
// built up evenly, some mortgages, little cash, tokens anywhere: debts and bankruptcies come
// soon.
void dealLateGame(Xorshift& rng, int humans, int computers) {
    startTestGame(humans, computers);
    computeBoardGeometry();
    const int seats = humans + computers;
    for (int s = 0; s < seats; ++s) {
        game.money[s] = rng.below(150);
        game.position[s] = rng.below(squareCount);
        if (game.position[s] == 30) game.position[s] = rng.chance(2) ? jailCell : 31;
    }
    for (int g = 0; g < groupCount; ++g) {
        const int holder = rng.below(seats + 1);  // `seats` leaves the group to the bank
        const int level = 1 + rng.below(hotelLevel);
        const bool whole = holder < seats && !rng.chance(4);
        for (int k = 0; k < 4; ++k) {
            const int p = groupMembers[g][k];
            if (p < 0 || holder == seats) continue;
            game.owner[p] = whole ? holder : rng.below(seats);
            if (whole && isStreet(p))
                game.houses[p] = level;
            else if (rng.chance(3))
                game.houses[p] = -1;
        }
    }
    game.boardCursor = squareOfSeat(game.currentPlayer);  // where the seat's turn puts them
    aimCamera(game.position[game.currentPlayer]);
}

// One seed: the given options and opening, then random keys. Returns false (with the reason in
// `why`) at the first tick that breaks an invariant of the record or of the flow.
bool runSeed(uint64_t seed, const FuzzPlan& plan, Reached& reached, std::string& why) {
    Xorshift rng{seed * 0x9E3779B97F4A7C15ull + 1};
    const int humans = plan.humansFor(seed), computers = plan.computersFor(seed);
    resetProgram();
    fuzzSecond = static_cast<int64_t>(seed) * 1000000;
    if (plan.lateGame) {
        dealLateGame(rng, humans, computers);
    } else {
        game.humanCount = humans;
        game.computerCount = computers;
    }
    game.middleOption = static_cast<int>(seed % 3);
    game.biddingOption = seed % 2 == 0;
    if (plan.lateGame && game.middleOption == 2) game.middlePot = middlePotSeed;
    bool down[fuzzKeyCount] = {};
    int busyTicks = 0;

    for (int t = 0; t < ticksPerSeed; ++t) {
        fuzzSecond = static_cast<int64_t>(seed) * 1000000 + t / 33;
        // Holds are short, as a person's are.
        for (int k = 0; k < fuzzKeyCount; ++k)
            if (down[k] && rng.chance(3)) {
                keyUp(fuzzKeys[k].key);
                down[k] = false;
            }
        const int events = rng.below(3);
        for (int e = 0; e < events; ++e) {
            const int k = pickKey(rng);
            if (!rng.chance(rarity(fuzzKeys[k].key))) continue;
            keyDown(fuzzKeys[k].key);  // again while held: the keyboard's auto-repeat
            down[k] = true;
        }

        const bool wasMoving = game.moving;
        const int owned = ownedCount();
        const bool pausedBefore = shell.helpOpen || shell.saveMenuOpen;
        const std::string frozen = pausedBefore ? snapshot() : std::string();
        tick();
        reached.rolls += !wasMoving && game.moving;
        reached.purchases += ownedCount() > owned;

        char reason[160] = "";
        const char* fault = flowFault(pausedBefore, frozen, busyTicks);
        if (fault || !checkInvariants(game, reason, sizeof reason)) {
            why = std::string(fault ? fault : reason) + " (seed " + std::to_string(seed) + ", tick " +
                  std::to_string(t) + ", screen " + std::to_string(game.screen) + ")";
            return false;
        }
    }
    for (int k = 0; k < fuzzKeyCount; ++k)
        if (down[k]) keyUp(fuzzKeys[k].key);
    return true;
}

class FlowFuzz : public testing::Test {
protected:
    void SetUp() override { setClock(fuzzClock); }
    void TearDown() override { setClock(nullptr); }
};

void fuzz(const char* label, uint64_t firstSeed, const FuzzPlan& plan) {
    Reached total;
    const auto start = std::chrono::steady_clock::now();
    for (uint64_t seed = firstSeed; seed < firstSeed + seedsPerSuite; ++seed) {
        // A save file of its own per seed, so a seed replays alone exactly as in the suite.
        TempWorkingDirectory workingDirectory;
        ASSERT_TRUE(workingDirectory.ok());
        std::string why;
        ASSERT_TRUE(runSeed(seed, plan, total, why)) << why;
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("%s: %d seeds x %d ticks in %.1f s, %ld rolls, %ld purchases\n", label, seedsPerSuite,
                ticksPerSeed, took.count(), total.rolls, total.purchases);
    EXPECT_GT(total.rolls, 0);
    EXPECT_GT(total.purchases, 0);
}

// People only, two to four of them, from the start menu (the options can change by key).
TEST_F(FlowFuzz, PeopleFromTheStartMenu) {
    const FuzzPlan plan{[](uint64_t seed) { return 2 + static_cast<int>(seed % 3); },
                        [](uint64_t) { return 0; }, false};
    fuzz("people", 1, plan);
}

// Computer seats beside one or two people; the computers act on their own between the keys.
TEST_F(FlowFuzz, WithComputerSeatsFromTheStartMenu) {
    const FuzzPlan plan{[](uint64_t seed) { return 1 + static_cast<int>(seed % 2); },
                        [](uint64_t seed) { return 1 + static_cast<int>(seed % 4); }, false};
    fuzz("with computers", 1001, plan);
}

// A dealt, built-up board with little cash among two or three seats: the debt state,
// bankruptcies, the end of games and new games after them.
TEST_F(FlowFuzz, LateGamesToTheirEnd) {
    const FuzzPlan plan{[](uint64_t seed) { return 1 + static_cast<int>(seed % 2); },
                        [](uint64_t seed) { return (seed % 2 == 0 ? 1 : 0) + (seed % 4 == 3 ? 1 : 0); },
                        true};
    fuzz("late games", 2001, plan);
}

}  // namespace
