// Purchase of a bank property and the auction of a declined one.
// The property on offer is always the one under the current player's token.
#include <climits>
#include <cstdio>

#include "game/rules.h"
#include "game/stats.h"
#include "game/tables.h"

namespace {

bool isSeatInPlay(int seat) { return isSeat(seat) && seat < playersInPlay(); }

// The payment notice of a purchase names the property in both lines.
void writePurchaseNotice(int seat, int amount, int property) {
    char reason[noticeReasonSize];
    std::snprintf(reason, sizeof reason, "%s %s", nameLine1(property), nameLine2(property));
    writeNotice(0, seat, amount, reason);
}

// The sale that closes an auction: the winner pays out of cash, or goes bankrupt to the
// bank when even its whole net worth does not cover the bid.
void sellTo(int bidder, int property) {
    if (netWorth(bidder) < game.auctionBid) {
        declareBankrupt(bidder, bankOwner);
        return;
    }
    game.money[bidder] -= game.auctionBid;
    game.owner[property] = bidder;
    statsAuctionWon(bidder);
    writePurchaseNotice(bidder, game.auctionBid, property);
    checkDebt(bidder);
    game.endTurnAfterNotice = true;
}

void settleAuction() {
    const int property = propertyUnderCurrentPlayer();
    const int bidder = game.auctionBidder;
    // A seat that is out of the game cannot take the property, and a token that is not on
    // a bank property has nothing to sell: both settle as an auction nobody won.
    const bool sold =
        property >= 0 && game.owner[property] == bankOwner && isSeatInPlay(bidder) && !game.bankrupt[bidder];
    if (sold) {
        sellTo(bidder, property);
        return;
    }
    if (game.doublesCount == 0) {
        nextTurn();
        return;
    }
    const int seat = game.currentPlayer;
    if (!isSeat(seat)) return;
    // Doubles: the same seat rolls again from where it stands.
    game.boardCursor = game.position[seat];
}

}  // namespace

void decidePurchase() {
    const int seat = game.currentPlayer;
    const int property = propertyUnderCurrentPlayer();
    game.buyPromptOpen = false;

    // A question left open over a square with nothing to buy only lets the turn go on.
    if (property < 0 || game.owner[property] != bankOwner) {
        continueOrPass();
        return;
    }

    if (game.promptYes) {
        const int price = propertyPrice[property];
        if (price > netWorth(seat)) {
            declareBankrupt(seat, bankOwner);
            return;
        }
        game.money[seat] -= price;
        game.owner[property] = seat;
        checkDebt(seat);  // cash may go below zero when the net worth covers the price
        writePurchaseNotice(seat, price, property);
        game.endTurnAfterNotice = true;
        return;
    }

    if (!game.biddingOption) {
        continueOrPass();
        return;
    }

    game.auctionOpen = true;
    game.auctionTimer = auctionTicks;
    game.auctionBidder = bankOwner;
    game.auctionBid = 0;
    game.bidIncrement = defaultBidIncrement;
}

void raiseBidIncrement() {
    const int step = game.bidIncrement < 6 ? 5 : game.bidIncrement <= 90 ? 10 : 20;
    if (game.bidIncrement > INT32_MAX - step) return;  // no useful bid is that large
    game.bidIncrement += step;
}

void lowerBidIncrement() {
    const int value = game.bidIncrement;
    if (value <= 5) return;
    if (value == 10)
        game.bidIncrement = 5;
    else if (value < 120)
        game.bidIncrement = value - 10;
    else
        game.bidIncrement = value - 20;
}

void humanBid(int seat) {
    // Only a human still in the game may bid, and only while an auction runs.
    if (!game.auctionOpen || !isSeatInPlay(seat) || !game.isHuman[seat] || game.bankrupt[seat]) return;
    if (game.auctionBid > INT32_MAX - game.bidIncrement) return;  // keep the bid representable
    game.auctionBid += game.bidIncrement;
    game.auctionBidder = seat;
    game.auctionTimer = auctionTicks;
}

void endAuction() { game.auctionTimer = 1; }

void advanceAuction() {
    if (!game.auctionOpen) return;
    // The countdown only paces the computers; it holds at 2 until a player ends the auction.
    if (game.auctionTimer == 2) game.auctionTimer = 3;
    --game.auctionTimer;
    if (game.auctionTimer > 0) return;
    game.auctionTimer = 0;
    game.auctionOpen = false;
    settleAuction();
}
