// Whole games played headless from the start menu to "WINS": the scripted person at the
// keyboard, the computers through the real frame step, the clock one second per 33 ticks.
#pragma once

#include <cstddef>
#include <cstdint>

#include "game/state.h"

#if defined(__SANITIZE_ADDRESS__)
#define TENANTRY_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TENANTRY_SANITIZED 1
#endif
#endif
#ifndef TENANTRY_SANITIZED
#define TENANTRY_SANITIZED 0
#endif
// The sanitizer build runs some twenty times slower: the long runs are scaled down under it.
constexpr bool sanitized = TENANTRY_SANITIZED;

struct GameSetup {
    int humans = 1, computers = 1;
    uint64_t seed = 1;       // the clock's starting second and the person's own dice
    long maxTicks = 600000;  // the game is cut off here
    bool watch = true;       // invariants and the stuck-state watchdog after every tick
};

struct GameRecord {
    bool finished = false;  // reached "WINS"
    bool failed = false;    // an invariant broke or the game got stuck
    char failure[320] = {};
    long ticks = 0;
    int turns = 0;  // hand-overs of the turn
    int winner = -1, bankruptcies = 0, auctions = 0;
    int offers = 0, trades = 0;  // trade offers put, and carried out
};

GameRecord playGame(const GameSetup& setup);

// The per-tick watch of the soak and the fuzzers: the invariants, a computer's delay armed in
// time, and a game that never sits still unless it waits for a person. The soak's person acts
// within its patience and rolls now and then; a fuzzer's may idle for ever.
struct Watch {
    bool personActs = true;
    long unchanged = 0, sinceRoll = 0;
    int unarmed = 0;
    GameState lastSeen{};
};
// The first fault of this tick, null when none (an invariant's text is written to `why`).
const char* watchTick(Watch& watch, char* why, size_t size);
