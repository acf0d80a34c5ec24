// PLACEHOLDER computer players, standing in until the real decisions are written.
// They keep games with computer seats moving and humans-only games exact:
// no computer ever bids, and a computer seat rolls when nothing is open and
// declines every question.
#include "ai/computer.h"

#include "game/state.h"

void computeBidLimits() {
    for (int seat = 0; seat < maxSeats; ++seat) game.bidLimit[seat] = 0;
}

void computerAutoBid() {}
