// Whole games played headless from the start menu to "WINS": the scripted person at the
// keyboard, the computers through the real frame step, the clock one second per 33 ticks.
#pragma once

#include <cstdint>

struct GameSetup {
    int humans = 1;
    int computers = 1;
    uint64_t seed = 1;       // the clock's starting second and the person's own dice
    long maxTicks = 600000;  // the game is cut off here
    bool watch = true;       // invariants and the stuck-state watchdog after every tick
};

struct GameRecord;
// Called after every tick, for tracing a game under investigation.
using TickObserver = void (*)(const GameRecord& soFar);
void setTickObserver(TickObserver observer);  // nullptr: none

struct GameRecord {
    bool finished = false;  // reached "WINS"
    bool failed = false;    // an invariant broke or the game got stuck
    char failure[320] = {};
    long ticks = 0;
    int turns = 0;  // hand-overs of the turn
    int rolls = 0;
    int winner = -1;
    int bankruptcies = 0;
    int auctions = 0;
    int offers = 0;  // trade offers put
    int trades = 0;  // offers carried out
};

GameRecord playGame(const GameSetup& setup);
