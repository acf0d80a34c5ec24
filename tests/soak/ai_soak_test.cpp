// Whole games of computers and a scripted person, ticked headless from the start menu to
// "WINS": every tick must keep the record's invariants, a computer that should act must act
// within its delay, and the game may only ever wait for a person.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "game/state.h"
#include "support/game_driver.h"

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool sanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool sanitized = true;
#else
constexpr bool sanitized = false;
#endif
#else
constexpr bool sanitized = false;
#endif

// Games per seat count (TENANTRY_SOAK_GAMES asks for a longer run), and which seat counts:
// all of them in the release build, a spread of them under the sanitizers, which run some
// twenty times slower.
int gamesPerCount() {
    if (const char* text = std::getenv("TENANTRY_SOAK_GAMES")) return std::max(1, std::atoi(text));
    return sanitized ? 1 : 4;
}

bool seatCountPlayed(int computers, int first, int last) {
    if (!sanitized || std::getenv("TENANTRY_SOAK_GAMES")) return true;
    return computers == first || computers == first + 2 || computers == last;
}

struct Summary {
    int played = 0;
    int finished = 0;
    std::vector<long> turns;
    std::vector<long> frames;
};

void playMany(int humans, int firstComputers, int lastComputers, uint64_t seedBase, Summary& summary) {
    for (int computers = firstComputers; computers <= lastComputers; ++computers) {
        if (!seatCountPlayed(computers, firstComputers, lastComputers)) continue;
        for (int k = 0; k < gamesPerCount(); ++k) {
            GameSetup setup;
            setup.humans = humans;
            setup.computers = computers;
            setup.seed = seedBase + static_cast<uint64_t>(computers * 1000 + k);
            setup.maxTicks = sanitized ? 100000 : 300000;
            const GameRecord r = playGame(setup);
            ++summary.played;
            ASSERT_FALSE(r.failed) << humans << " people, " << computers << " computers, seed " << setup.seed
                                   << ": " << r.failure;
            if (r.finished) {
                ++summary.finished;
                summary.turns.push_back(r.turns);
                summary.frames.push_back(r.ticks);
            }
        }
    }
}

long median(std::vector<long>& values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void report(const char* what, Summary& s) {
    std::printf("%s: %d of %d games reached WINS, median %ld turns, %ld frames\n", what, s.finished, s.played,
                median(s.turns), median(s.frames));
}

// One person against one to seven computers.
TEST(ComputerSoak, PersonAgainstComputersNeverSticks) {
    Summary s;
    playMany(1, 1, maxSeats - 1, 10000, s);
    report("1 person + 1..7 computers", s);
    EXPECT_GT(s.finished, 0);
}

// Computers only, the person at the keyboard just ending the auctions.
TEST(ComputerSoak, ComputersAloneNeverStick) {
    Summary s;
    playMany(0, 2, maxSeats, 20000, s);
    report("2..8 computers", s);
    EXPECT_GT(s.finished, 0);
}

}  // namespace
