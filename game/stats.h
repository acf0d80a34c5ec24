// The game's history for the statistics view: what each seat paid and received and its net
// worth at the end of every turn. The rules write it where money moves and never read it.
// It is not part of a saved game: loading one starts the history afresh.
#pragma once

#include <cstdint>

#include "game/state.h"

// The chart keeps at most this many samples; when full, every other one is dropped and
// samples are then taken half as often, so a game of any length fits.
constexpr int statsSampleCapacity = 128;

struct SeatStats {
    int32_t rentPaid = 0;
    int32_t rentReceived = 0;
    int32_t feesPaid = 0;   // taxes, the jail fee and card payments
    int32_t salary = 0;     // GO salary collected
    int32_t jailTurns = 0;  // turns that ended in the jail cell
    int32_t auctionsWon = 0;
    int32_t trades = 0;
    int32_t outAtTurn = -1;  // the turn in which the seat went bankrupt, -1 while in play
};

struct StatsSample {
    int32_t turn = 0;  // turns completed when the sample was taken
    int32_t worth[maxSeats] = {};
};

struct GameStats {
    bool sinceLoad = false;   // the history starts at a loaded game, not at the deal
    int32_t turns = 0;        // turns completed since the history began
    int32_t sampleEvery = 1;  // a sample is taken when turns is a multiple of this
    int32_t sampleCount = 0;
    StatsSample samples[statsSampleCapacity] = {};
    SeatStats seat[maxSeats] = {};
};

extern GameStats stats;

// Starts the history over, with a first sample of the game as it stands (turn 0).
void resetStats(bool sinceLoad);

// What a seat holds now, as the view's table and the simulator's rows show it.
struct Holdings {
    int owned = 0, mortgaged = 0, houses = 0, hotels = 0;
};
Holdings holdingsOf(int seat);

// --- Hooks the rules call; a seat outside 0..7 is ignored ---
void statsRent(int payer, int owner, int amount);
void statsFee(int seat, int amount);
void statsSalary(int seat, int amount);
void statsAuctionWon(int seat);
void statsTrade(int initiator, int partner);
void statsBankrupt(int seat);
// The turn of `seat` is over: counts a turn spent in jail and samples every seat's net worth.
void statsTurnEnded(int seat);
