// Plays many whole games headless (computers, plus the scripted person who takes the human
// seat and ends the auctions) and prints how they went, and how fast headless play runs
// against its budget of 1,000,000 ticks per second on one core.
//
//   simulate [games per seat count, default 20] [frame cap per game, default 600000]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "game/state.h"
#include "support/game_driver.h"

namespace {

constexpr double tickBudget = 1000000.0;

struct Totals {
    int played = 0;
    int finished = 0;
    std::vector<long> turns;
    std::vector<long> frames;
    int wins[maxSeats] = {};
    int bankruptcies = 0;
    int auctions = 0;
    int offers = 0;
    int trades = 0;
    long ticks = 0;
    double seconds = 0;
};

long median(std::vector<long> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

Totals playSeatCount(int humans, int computers, int games, long frameCap) {
    Totals t;
    for (int k = 0; k < games; ++k) {
        GameSetup setup;
        setup.humans = humans;
        setup.computers = computers;
        setup.seed = static_cast<uint64_t>(100000 + humans * 10000 + computers * 1000 + k);
        setup.maxTicks = frameCap;
        setup.watch = false;  // measured as the game runs, without the test's checks
        const auto start = std::chrono::steady_clock::now();
        const GameRecord r = playGame(setup);
        t.seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        t.ticks += r.ticks;
        ++t.played;
        t.bankruptcies += r.bankruptcies;
        t.auctions += r.auctions;
        t.offers += r.offers;
        t.trades += r.trades;
        if (!r.finished) continue;
        ++t.finished;
        t.turns.push_back(r.turns);
        t.frames.push_back(r.ticks);
        if (r.winner >= 0 && r.winner < maxSeats) ++t.wins[r.winner];
    }
    return t;
}

void printRow(int humans, int computers, const Totals& t) {
    std::printf("%3d+%-3d %5d/%-5d %7ld %8ld  ", humans, computers, t.finished, t.played, median(t.turns),
                median(t.frames));
    for (int s = 0; s < maxSeats; ++s)
        if (s < humans + computers)
            std::printf("%3d", t.wins[s]);
        else
            std::printf("  .");
    std::printf("  %6d %7d %6d/%-6d %9.0f\n", t.bankruptcies, t.auctions, t.trades, t.offers,
                t.seconds > 0 ? t.ticks / t.seconds : 0.0);
}

void printHeader(const char* title) {
    std::printf("\n%s\n", title);
    std::printf(
        "seats   finished  turns   frames   wins by seat 1..8          bankr.  auctions trades/offers "
        "ticks/s\n");
}

}  // namespace

int main(int argc, char** argv) {
    const int games = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    const long frameCap = argc > 2 ? std::max(1000L, std::atol(argv[2])) : 600000L;
    std::printf(
        "%d games per seat count, cut off at %ld frames; turns and frames are medians of the "
        "finished games\n",
        games, frameCap);

    long allTicks = 0, computerTicks = 0;
    double allSeconds = 0, computerSeconds = 0;
    printHeader("One person (seat order drawn at set-up) against computers");
    for (int computers = 1; computers < maxSeats; ++computers) {
        const Totals t = playSeatCount(1, computers, games, frameCap);
        printRow(1, computers, t);
        allTicks += t.ticks;
        allSeconds += t.seconds;
    }
    printHeader("Computers only (the person at the keyboard only ends auctions)");
    for (int computers = 2; computers <= maxSeats; ++computers) {
        const Totals t = playSeatCount(0, computers, games, frameCap);
        printRow(0, computers, t);
        allTicks += t.ticks;
        allSeconds += t.seconds;
        computerTicks += t.ticks;
        computerSeconds += t.seconds;
    }

    const double computerRate = computerSeconds > 0 ? computerTicks / computerSeconds : 0;
    std::printf("\nheadless ticks (stepScreenFlow + frameStep), all games: %.0f per second\n",
                allSeconds > 0 ? allTicks / allSeconds : 0.0);
    std::printf("computer-only play: %.0f ticks per second, budget %.0f, ratio %.2f (%s)\n", computerRate,
                tickBudget, computerRate / tickBudget, computerRate >= tickBudget ? "within" : "OVER");
    return 0;
}
