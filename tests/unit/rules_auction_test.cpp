// Purchase of a bank property and the auction that follows a declined one.
#include <gtest/gtest.h>

#include "game/rules.h"
#include "game/tables.h"
#include "support/fixtures.h"

namespace {

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
    static void settle() {
        endAuction();
        advanceAuction();
    }
};

// Cash buys; net worth equal to the price, or to the winning bid, buys into debt; below it bankrupts.
TEST_F(AuctionRules, BuyingAndWinningAreJudgedOnNetWorth) {
    answer(0, 0, true);
    EXPECT_EQ(game.owner[0], 0);
    EXPECT_EQ(game.money[0], 1440);
    EXPECT_STREQ(game.noticeReason[0], "Saltmarsh Old Wharf");
    EXPECT_TRUE(game.endTurnAfterNotice);
    EXPECT_FALSE(game.buyPromptOpen);
    for (const auto& [auction, cash] : {std::pair{false, 70}, {false, 69}, {true, 20}, {true, 19}}) {
        SCOPED_TRACE(cash);
        const int seat = auction ? 1 : 0, property = auction ? 27 : 2;
        const bool covered = cash % 10 == 0;  // 70 and 20 cover exactly
        startTestGame(2);
        game.money[seat] = cash;
        giveProperty(seat, 0);  // worth 30, against the price of 100 or the bid of 50
        answer(0, property, !auction);
        if (auction) humanBid(1), settle();
        EXPECT_EQ(game.inDebt, covered);
        EXPECT_EQ(game.bankrupt[seat], !covered);
        EXPECT_EQ(game.owner[property], covered ? seat : bankOwner);
        EXPECT_EQ(game.money[seat], covered ? -30 : 0);
        EXPECT_FALSE(game.buyPromptOpen || game.auctionOpen);
    }
}

// Declined and not sold, with or without an auction: the turn passes unless doubles are pending;
// a question left over a square with nothing to buy only lets the turn go on.
TEST_F(AuctionRules, UnsoldPropertyStaysAndTheTurnPassesUnlessDoubles) {
    const struct {
        bool bidding;
        int computers, seat, doubles, property, next;
    } cases[] = {{false, 0, 0, 0, 27, 1}, {false, 0, 0, 1, 27, 0}, {true, 0, 0, 0, 27, 1},
                 {true, 1, 1, 1, 27, 1},  {true, 0, 0, 0, 0, 1},   {true, 0, 0, 1, 0, 0}};
    for (const auto& c : cases) {
        startTestGame(2 - c.computers, c.computers);
        game.biddingOption = c.bidding;
        game.doublesCount = c.doubles;
        if (c.property == 0) giveProperty(1, 0);  // already owned: nothing on offer
        answer(c.seat, c.property, c.property == 0);
        EXPECT_EQ(game.auctionOpen, c.bidding && c.property != 0);
        if (game.auctionOpen) settle();
        EXPECT_EQ(game.owner[c.property], c.property == 0 ? 1 : bankOwner);
        EXPECT_EQ(game.money[0], 1500);
        EXPECT_EQ(game.currentPlayer, c.next);
        EXPECT_EQ(game.computerDelay,
                  c.computers ? computerThinkTicks : 0);  // a computer with doubles is woken
    }
}

TEST_F(AuctionRules, IncrementStepsUpAndDown) {
    for (int expected : {60, 70, 80, 90, 100, 120, 140}) {
        raiseBidIncrement();
        EXPECT_EQ(game.bidIncrement, expected);
    }
    for (int expected : {120, 100, 90, 80, 70, 60, 50, 40, 30, 20, 10, 5, 5}) {
        lowerBidIncrement();
        EXPECT_EQ(game.bidIncrement, expected);
    }
    raiseBidIncrement();
    EXPECT_EQ(game.bidIncrement, 10);
}

// A declined purchase opens a fresh auction, whatever the last one left behind.
TEST_F(AuctionRules, BidsRestartTheTimerAndTheHighestBidderPays) {
    game.bidIncrement = 5, game.auctionBid = 99, game.auctionBidder = 1, game.computerDelay = 30;
    answer(0, 27, false);
    EXPECT_EQ(game.auctionBidder, bankOwner);
    EXPECT_EQ(game.auctionBid, 0);
    EXPECT_EQ(game.computerDelay, 0);
    EXPECT_EQ(game.bidIncrement, defaultBidIncrement);
    EXPECT_EQ(game.auctionTimer, auctionTicks);
    for (int i = 0; i < auctionTicks + 500; ++i) advanceAuction();
    EXPECT_EQ(game.auctionTimer, 2);  // the timer holds at two until ended
    humanBid(1);
    EXPECT_EQ(game.auctionTimer, auctionTicks);
    raiseBidIncrement();
    humanBid(0);  // the seat that declined may bid too
    humanBid(1);
    EXPECT_EQ(game.auctionBid, 170);
    endAuction();
    EXPECT_TRUE(game.auctionOpen);  // settled on the next frame
    advanceAuction();
    EXPECT_FALSE(game.auctionOpen);
    EXPECT_EQ(game.auctionTimer, 0);
    EXPECT_EQ(game.owner[27], 1);
    EXPECT_EQ(game.money[1], 1330);
    EXPECT_EQ(game.money[0], 1500);
    EXPECT_EQ(game.noticeAmount[0], 170);
    EXPECT_TRUE(game.endTurnAfterNotice);
}

// Bankrupt seats, seats not in play, computers and bad numbers may not bid, nor anyone
// once the auction is over.
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
