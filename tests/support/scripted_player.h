// A stand-in for the person at the keyboard, for long headless games: it plays every human
// seat with random but legal keys (through the key callbacks, one press per tick at most),
// ends every auction after a random wait, and answers whatever is put to a person.
#pragma once

#include <cstdint>

// Who the game is waiting for after a tick.
enum class Waiting {
    Animation,  // a timer runs: dice, walk, card, notice, bankruptcy, camera
    Human,      // a key is needed: a person's turn, question, menu or an auction
    Computer,   // a computer seat must act through its paced step
    Over,       // the "WINS" screen
};
Waiting waitingOn();

// A computer is in the debt state on its asset menu (its delay is armed by the frame step).
bool computerInDebt();

// What the person is busy with across several key presses.
enum class Intent { None, Build, Trade };

struct ScriptedPlayer {
    uint64_t rng = 0;
    int heldKey = 0;    // key currently down, 0 for none
    int holdTicks = 0;  // ticks it stays down
    int pause = 0;      // ticks before the next decision

    int auctionWait = -1;  // ticks before this auction is ended; -1 while none runs
    int answerFor = -1;    // which yes/no question the chosen answer belongs to
    bool wantYes = false;
    int boardRow = -1;  // action bar row being highlighted, -1 for none

    Intent intent = Intent::None;
    int intentSeat = -1;     // the seat whose menu the intent works
    int giveProperty = -1;   // trade: what the first side gives / build: where
    int partner = -1;        // trade: the partner seat
    int askProperty = -1;    // trade: what the partner gives
    bool confirmed = false;  // the intent's last Confirm was pressed
    int intentPresses = 0;   // presses spent on the intent, bounded

    long presses = 0;  // keys pressed so far
};

void scriptedPlayerStart(ScriptedPlayer& player, uint64_t seed);

// Run once before every tick: lets go of the key held over the last tick, or presses the
// next key the situation calls for (possibly none).
void scriptedPlayerBeforeTick(ScriptedPlayer& player);
