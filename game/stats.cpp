#include "game/stats.h"

#include <algorithm>

#include "game/rules.h"
#include "game/tables.h"

GameStats stats;

namespace {

void takeSample() {
    StatsSample& sample = stats.samples[stats.sampleCount++];
    sample = StatsSample{};
    sample.turn = stats.turns;
    const int seats = std::min(playersInPlay(), maxSeats);
    for (int s = 0; s < seats; ++s) sample.worth[s] = netWorth(s);
}

// Keeps the samples on the coarser grid (turn 0 always stays) and doubles the interval.
void halveResolution() {
    const int32_t every = stats.sampleEvery * 2;
    int kept = 0;
    for (int i = 0; i < stats.sampleCount; ++i)
        if (stats.samples[i].turn % every == 0) stats.samples[kept++] = stats.samples[i];
    stats.sampleCount = kept;
    stats.sampleEvery = every;
}

}  // namespace

void resetStats(bool sinceLoad) {
    stats = GameStats{};
    stats.sinceLoad = sinceLoad;
    const int seats = std::min(playersInPlay(), maxSeats);
    for (int s = 0; s < seats; ++s)
        if (game.bankrupt[s]) stats.seat[s].outAtTurn = 0;  // out before the history began
    takeSample();
}

void statsRent(int payer, int owner, int amount) {
    if (isSeat(payer)) stats.seat[payer].rentPaid += amount;
    if (isSeat(owner)) stats.seat[owner].rentReceived += amount;
}

void statsFee(int seat, int amount) {
    if (isSeat(seat)) stats.seat[seat].feesPaid += amount;
}

void statsSalary(int seat, int amount) {
    if (isSeat(seat)) stats.seat[seat].salary += amount;
}

void statsAuctionWon(int seat) {
    if (isSeat(seat)) ++stats.seat[seat].auctionsWon;
}

void statsTrade(int initiator, int partner) {
    if (isSeat(initiator)) ++stats.seat[initiator].trades;
    if (isSeat(partner)) ++stats.seat[partner].trades;
}

void statsBankrupt(int seat) {
    // The line ends at the end of the turn in progress, the one that is about to be sampled.
    if (isSeat(seat) && stats.seat[seat].outAtTurn < 0) stats.seat[seat].outAtTurn = stats.turns + 1;
}

void statsTurnEnded(int seat) {
    if (isSeat(seat) && !game.bankrupt[seat] && game.position[seat] == jailCell) ++stats.seat[seat].jailTurns;
    ++stats.turns;
    if (stats.turns % stats.sampleEvery != 0) return;
    if (stats.sampleCount == statsSampleCapacity) {
        halveResolution();
        if (stats.turns % stats.sampleEvery != 0) return;
    }
    takeSample();
}

Holdings holdingsOf(int seat) {
    Holdings h;
    for (int p = 0; p < propertyCount; ++p) {
        if (game.owner[p] != seat) continue;
        ++h.owned;
        h.mortgaged += game.houses[p] < 0;
        h.houses += game.houses[p] > 0 && game.houses[p] < hotelLevel ? game.houses[p] : 0;
        h.hotels += game.houses[p] == hotelLevel;
    }
    return h;
}
