#include "app/aids.h"

#include "game/rules.h"
#include "game/state.h"

AidState aids;

void bidForPerson(int seat) {
    const int before = game.auctionBid;
    humanBid(seat);
    if (game.auctionBid != before) aids.bidShownTicks = bidShownHoldTicks;
}

void stepAids() {
    if (aids.savedTicks > 0) --aids.savedTicks;
}
