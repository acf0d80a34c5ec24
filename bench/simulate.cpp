// Plays many whole games headless (computers, plus the scripted person who takes the human
// seat and ends the auctions) and prints how they went, and how fast headless play runs
// against its budget of 1,000,000 ticks per second on one core.
//
//   simulate [games per seat count, default 20]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "game/state.h"
#include "sim/game_driver.h"

namespace {

constexpr double tickBudget = 1000000.0;

long median(std::vector<long> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Plays `games` of one seat count and prints their row; adds their ticks and time to the totals.
void playSeatCount(int humans, int computers, int games, long& ticks, double& seconds) {
    int finished = 0, wins[maxSeats] = {}, bankruptcies = 0, auctions = 0, offers = 0, trades = 0;
    long rowTicks = 0;
    double rowSeconds = 0;
    std::vector<long> turns, frames;
    for (int k = 0; k < games; ++k) {
        GameSetup setup;
        setup.humans = humans;
        setup.computers = computers;
        setup.seed = static_cast<uint64_t>(100000 + humans * 10000 + computers * 1000 + k);
        setup.watch = false;  // measured as the game runs, without the test's checks
        const auto start = std::chrono::steady_clock::now();
        const GameRecord r = playGame(setup);
        rowSeconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        rowTicks += r.ticks;
        bankruptcies += r.bankruptcies;
        auctions += r.auctions;
        offers += r.offers;
        trades += r.trades;
        if (!r.finished) continue;
        ++finished;
        turns.push_back(r.turns);
        frames.push_back(r.ticks);
        if (r.winner >= 0 && r.winner < maxSeats) ++wins[r.winner];
    }
    std::printf("%3d+%-3d %5d/%-5d %7ld %8ld  ", humans, computers, finished, games, median(turns),
                median(frames));
    for (int s = 0; s < maxSeats; ++s) std::printf(s < humans + computers ? "%3d" : "  .", wins[s]);
    std::printf("  %6d %7d %6d/%-6d %9.0f\n", bankruptcies, auctions, trades, offers,
                rowSeconds > 0 ? rowTicks / rowSeconds : 0.0);
    ticks += rowTicks;
    seconds += rowSeconds;
}

}  // namespace

int main(int argc, char** argv) {
    const int games = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    std::printf(
        "%d games per seat count, cut off at %ld frames; turns and frames are medians of the finished "
        "games\n",
        games, GameSetup{}.maxTicks);
    const char* header =
        "seats   finished  turns   frames   wins by seat 1..8          bankr.  auctions trades/offers "
        "ticks/s\n";
    long personTicks = 0, computerTicks = 0;
    double personSeconds = 0, computerSeconds = 0;
    std::printf("\nOne person (seat order drawn at set-up) against computers\n%s", header);
    for (int computers = 1; computers < maxSeats; ++computers)
        playSeatCount(1, computers, games, personTicks, personSeconds);
    std::printf("\nComputers only (the person at the keyboard only ends auctions)\n%s", header);
    for (int computers = 2; computers <= maxSeats; ++computers)
        playSeatCount(0, computers, games, computerTicks, computerSeconds);

    const double allSeconds = personSeconds + computerSeconds;
    const double computerRate = computerSeconds > 0 ? computerTicks / computerSeconds : 0;
    std::printf("\nheadless ticks (stepScreenFlow + frameStep), all games: %.0f per second\n",
                allSeconds > 0 ? (personTicks + computerTicks) / allSeconds : 0.0);
    std::printf("computer-only play: %.0f ticks per second, budget %.0f, ratio %.2f (%s)\n", computerRate,
                tickBudget, computerRate / tickBudget, computerRate >= tickBudget ? "within" : "OVER");
    return 0;
}
