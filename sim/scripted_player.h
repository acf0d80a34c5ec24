// A stand-in for the person at the keyboard in long headless games: it plays every human seat
// with random but legal keys (one press per tick at most) and ends every auction after a random wait.
#pragma once

#include <cstdint>

// Who the game is waiting for after a tick.
enum class Waiting { Animation, Human, Computer, Over };
Waiting waitingOn();

enum class Intent { None, Build, Trade };

struct ScriptedPlayer {
    uint64_t rng = 0;
    int heldKey = 0, holdTicks = 0;  // key down (0 for none) and the ticks it stays down
    int pause = 0;                   // ticks before the next decision
    int auctionWait = -1;            // ticks before this auction is ended; -1 while none runs
    int answerFor = -1;              // which yes/no question the drawn answer belongs to
    bool wantYes = false;
    int boardRow = -1;  // action bar row being highlighted, -1 for none
    // A plan over several presses: a house on `give`, or a trade of `give` for `ask` with `partner`.
    struct Plan {
        Intent intent = Intent::None;
        int seat = -1, give = -1, partner = -1, ask = -1;
        bool confirmed = false;  // its last Confirm was pressed
        int presses = 0;
    } plan;
};

// A small xorshift generator (nonzero state), kept apart from the game's.
int drawBelow(uint64_t& state, int n);

void scriptedPlayerStart(ScriptedPlayer& player, uint64_t seed);
// Run before every tick: lets go of the held key, or presses the next one (possibly none).
void scriptedPlayerBeforeTick(ScriptedPlayer& player);
