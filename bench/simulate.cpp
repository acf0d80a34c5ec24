// Plays many whole games headless (computers, plus the scripted person who takes the human
// seat and ends the auctions) and prints how they went, and how fast headless play runs
// against its budget of 1,000,000 ticks per second on one core.
//
//   simulate [games per seat count, default 20] [--csv FILE]
//
// --csv writes one row per seat per game with the figures of the statistics view, for
// balance questions such as whether the first seat wins more often.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <cstring>

#include "game/rules.h"
#include "game/state.h"
#include "game/stats.h"
#include "game/tables.h"
#include "sim/game_driver.h"

namespace {

constexpr double tickBudget = 1000000.0;

FILE* csv = nullptr;
int gamesWritten = 0;

void writeCsvHeader() {
    std::fprintf(csv,
                 "game,humans,computers,seed,finished,turns,seat,human,winner,out_at_turn,cash,net_worth,"
                 "properties,mortgaged,houses,hotels,rent_paid,rent_received,taxes_and_fees,salary,"
                 "turns_in_jail,auctions_won,trades\n");
}

// The game just played, as `game` and `stats` hold it at its end.
void writeCsvRows(const GameSetup& setup, const GameRecord& r) {
    ++gamesWritten;
    for (int seat = 0; seat < setup.humans + setup.computers && seat < maxSeats; ++seat) {
        const Holdings h = holdingsOf(seat);
        const SeatStats& s = stats.seat[seat];
        std::fprintf(csv, "%d,%d,%d,%llu,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d\n",
                     gamesWritten, setup.humans, setup.computers, static_cast<unsigned long long>(setup.seed),
                     r.finished, stats.turns, seat, game.isHuman[seat], r.finished && r.winner == seat,
                     s.outAtTurn, game.money[seat], netWorth(seat), h.owned, h.mortgaged, h.houses, h.hotels,
                     s.rentPaid, s.rentReceived, s.feesPaid, s.salary, s.jailTurns, s.auctionsWon, s.trades);
    }
}

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
        if (csv) writeCsvRows(setup, r);
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
    int games = 20;
    const char* csvPath = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--csv") == 0 && i + 1 < argc)
            csvPath = argv[++i];
        else
            games = std::max(1, std::atoi(argv[i]));
    }
    if (csvPath) {
        csv = std::fopen(csvPath, "w");
        if (!csv) {
            std::fprintf(stderr, "cannot write %s\n", csvPath);
            return 1;
        }
        writeCsvHeader();
    }
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
    if (csv && std::fclose(csv) != 0) {
        std::fprintf(stderr, "cannot finish %s\n", csvPath);
        return 1;
    }
    return 0;
}
