// Purchase of a bank property and the auction that follows a declined one.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "game/rules.h"
#include "game/tables.h"
#include "support/fixtures.h"

namespace {

using V = std::vector<int>;

class AuctionRules : public ::testing::Test {
protected:
    void SetUp() override { startTestGame(2); }
    // The seat stands on the property and answers the buy question.
    static void answer(int seat, int property, bool yes) {
        game.currentPlayer = seat;
        game.position[seat] = propertySquare[property];
        game.buyPromptOpen = true;
        game.promptYes = yes;
        decidePurchase();
    }
    static void settle() { endAuction(), advanceAuction(); }
};

// Cash buys; net worth equal to the price (100), or to the winning bid (50), buys into debt; below
// it bankrupts. The seat's other deed is worth 30.
TEST_F(AuctionRules, BuyingAndWinningAreJudgedOnNetWorth) {
    answer(0, 0, true);
    EXPECT_EQ((V{game.owner[0], game.money[0], game.endTurnAfterNotice, game.buyPromptOpen}),
              (V{0, 1440, 1, 0}));
    EXPECT_STREQ(game.noticeReason[0], "Saltmarsh Old Wharf");
    for (const auto& [auction, cash, covered] : {std::array{0, 70, 1}, {0, 69, 0}, {1, 20, 1}, {1, 19, 0}}) {
        const int seat = auction, property = auction ? 27 : 2;
        startTestGame(2);
        game.money[seat] = cash;
        giveProperty(seat, 0);
        answer(0, property, !auction);
        if (auction) humanBid(1), settle();
        EXPECT_EQ((V{game.inDebt, game.bankrupt[seat], game.owner[property], game.money[seat],
                     game.buyPromptOpen, game.auctionOpen}),
                  (V{covered, !covered, covered ? seat : bankOwner, covered ? -30 : 0, 0, 0}))
            << cash;
    }
}

// Declined and not sold, with or without an auction, or a question over a deed that is no longer
// the bank's: the turn passes unless doubles are pending, when a computer is woken to roll again.
// Rows: bidding, computers, the seat answering, doubles, property, the seat on turn after.
TEST_F(AuctionRules, UnsoldPropertyStaysAndTheTurnPassesUnlessDoubles) {
    for (const auto& [bidding, computers, seat, doubles, property, next] : {std::array{0, 0, 0, 0, 27, 1},
                                                                            {0, 0, 0, 1, 27, 0},
                                                                            {1, 0, 0, 0, 27, 1},
                                                                            {1, 1, 1, 1, 27, 1},
                                                                            {1, 0, 0, 0, 0, 1},
                                                                            {1, 0, 0, 1, 0, 0}}) {
        startTestGame(2 - computers, computers);
        game.biddingOption = bidding;
        game.doublesCount = doubles;
        if (property == 0) giveProperty(1, 0);
        answer(seat, property, property == 0);
        EXPECT_EQ(game.auctionOpen, bidding && property != 0);
        if (game.auctionOpen) settle();
        EXPECT_EQ((V{game.owner[property], game.money[0], game.currentPlayer, game.computerDelay}),
                  (V{property == 0 ? 1 : bankOwner, 1500, next, computers ? computerThinkTicks : 0}));
    }
}

TEST_F(AuctionRules, IncrementStepsUpAndDown) {
    V seen;
    for (int i = 0; i < 7; ++i) raiseBidIncrement(), seen.push_back(game.bidIncrement);
    for (int i = 0; i < 13; ++i) lowerBidIncrement(), seen.push_back(game.bidIncrement);
    raiseBidIncrement();
    seen.push_back(game.bidIncrement);
    EXPECT_EQ(seen,
              (V{60, 70, 80, 90, 100, 120, 140, 120, 100, 90, 80, 70, 60, 50, 40, 30, 20, 10, 5, 5, 10}));
}

// A declined purchase opens a fresh auction whatever the last one left; the countdown holds at
// two until ended, each human bid restarts it, and the highest bidder pays.
TEST_F(AuctionRules, BidsRestartTheTimerAndTheHighestBidderPays) {
    game.bidIncrement = 5, game.auctionBid = 99, game.auctionBidder = 1, game.computerDelay = 30;
    answer(0, 27, false);
    EXPECT_EQ(
        (V{game.auctionBidder, game.auctionBid, game.computerDelay, game.bidIncrement, game.auctionTimer}),
        (V{bankOwner, 0, 0, defaultBidIncrement, auctionTicks}));
    for (int i = 0; i < auctionTicks + 500; ++i) advanceAuction();
    EXPECT_EQ(game.auctionTimer, 2);
    humanBid(1);
    EXPECT_EQ(game.auctionTimer, auctionTicks);
    raiseBidIncrement();
    humanBid(0);  // the seat that declined may bid too
    humanBid(1);
    endAuction();
    EXPECT_EQ((V{game.auctionBid, game.auctionOpen}), (V{170, 1}));  // settled on the next frame
    advanceAuction();
    EXPECT_EQ((V{game.auctionOpen, game.auctionTimer, game.owner[27], game.money[1], game.money[0],
                 game.noticeAmount[0], game.endTurnAfterNotice}),
              (V{0, 0, 1, 1330, 1500, 170, 1}));
}

// Bankrupt seats, seats not in play, computers and bad numbers may not bid, nor anyone once the
// auction is over.
TEST_F(AuctionRules, OnlyHumansInPlayMayBid) {
    startTestGame(2, 1);
    game.bankrupt[1] = true;
    game.money[1] = 0;
    game.isHuman[3] = true;  // a stale flag on a seat that is not in play
    answer(0, 27, false);
    for (int seat : {1, 2, 3, -1, maxSeats, 1000}) humanBid(seat);
    EXPECT_EQ(game.auctionBidder, bankOwner);
    settle();
    humanBid(0);
    EXPECT_EQ(game.auctionBid, 0);
}

}  // namespace
