// Whole games of computers and a scripted person, ticked headless from the start menu to
// "WINS": every tick must keep the record's invariants, a computer that should act must act
// within its delay, and the game may only ever wait for a person.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "game/state.h"
#include "sim/game_driver.h"

namespace {

// Four games of every seat count; under the sanitizers one game each of a spread of them.
void soak(const char* label, int humans, int first, int last, uint64_t seedBase) {
    int played = 0;
    std::vector<long> turns, frames;
    for (int computers = first; computers <= last; ++computers) {
        if (sanitized && computers != first && computers != first + 2 && computers != last) continue;
        for (int k = 0; k < (sanitized ? 1 : 4); ++k, ++played) {
            GameSetup setup;
            setup.humans = humans;
            setup.computers = computers;
            setup.seed = seedBase + static_cast<uint64_t>(computers * 1000 + k);
            setup.maxTicks = sanitized ? 100000 : 300000;
            const GameRecord r = playGame(setup);
            ASSERT_FALSE(r.failed) << humans << " people, " << computers << " computers, seed " << setup.seed
                                   << ": " << r.failure;
            if (r.finished) turns.push_back(r.turns), frames.push_back(r.ticks);
        }
    }
    EXPECT_GT(turns.size(), 0u);
    std::sort(turns.begin(), turns.end());
    std::sort(frames.begin(), frames.end());
    const size_t mid = turns.size() / 2;
    std::printf("%s: %zu of %d games reached WINS, median %ld turns, %ld frames\n", label, turns.size(),
                played, turns.empty() ? 0 : turns[mid], frames.empty() ? 0 : frames[mid]);
}

TEST(ComputerSoak, PersonAgainstComputersNeverSticks) {
    soak("1 person + 1..7 computers", 1, 1, maxSeats - 1, 10000);
}

// Computers only, the person at the keyboard just ending the auctions.
TEST(ComputerSoak, ComputersAloneNeverStick) { soak("2..8 computers", 0, 2, maxSeats, 20000); }

}  // namespace
