// Small helps for a new player that the saved game does not carry: a short "Saved" after a
// save, a person's bid held in view a moment before the computers answer it, and a Q pressed
// while the dice roll or a token walks remembered until the board is still.
#pragma once

struct AidState {
    int savedTicks = 0;     // "Saved" shows while above 0
    int bidShownTicks = 0;  // the computers wait this long after a person's bid
    bool quitPending = false;
};

extern AidState aids;

constexpr int savedShownTicks = 50;    // 1.5 s
constexpr int bidShownHoldTicks = 25;  // 0.75 s

// A person bids in the auction; the bid stays in view a moment if it was taken.
void bidForPerson(int seat);

// Once per frame: counts the aids' timers down.
void stepAids();
