// Purchase of a bank property and the auction that follows a declined one.
#include <gtest/gtest.h>

#include "game/rules.h"
#include "game/tables.h"
#include "support/fixtures.h"

namespace {

class AuctionRules : public ::testing::Test {
protected:
    void SetUp() override {
        game = GameState{};
        startTestGame(2);
    }
};

// The seat stands on the property and answers the buy question.
void answer(int seat, int property, bool yes) {
    game.currentPlayer = seat;
    game.position[seat] = propertySquare[property];
    game.buyPromptOpen = true;
    game.promptYes = yes;
    decidePurchase();
    for (int& limit : game.bidLimit) limit = 0;  // computers kept out: every bid is a human's
}

void settle() {
    endAuction();
    advanceAuction();
}

// Cash buys; net worth equal to the price buys into debt; below it bankrupts to the bank.
TEST_F(AuctionRules, BuyingIsJudgedOnNetWorth) {
    answer(0, 0, true);
    EXPECT_EQ(game.owner[0], 0);
    EXPECT_EQ(game.money[0], 1440);
    EXPECT_STREQ(game.noticeReason[0], "Saltmarsh Old Wharf");
    EXPECT_TRUE(game.endTurnAfterNotice);
    EXPECT_FALSE(game.buyPromptOpen);

    for (int cash : {70, 69}) {
        startTestGame(2);
        game.money[0] = cash;
        giveProperty(0, 0);  // worth 30
        answer(0, 2, true);  // price 100
        EXPECT_EQ(game.inDebt, cash == 70);
        EXPECT_EQ(game.bankrupt[0], cash == 69);
        EXPECT_EQ(game.owner[2], cash == 70 ? 0 : bankOwner);
        EXPECT_EQ(game.money[0], cash == 70 ? -30 : 0);
        EXPECT_FALSE(game.buyPromptOpen);
    }
}

TEST_F(AuctionRules, DecliningWithoutBiddingPassesTheTurnUnlessDoubles) {
    for (int doubles = 0; doubles <= 1; ++doubles) {
        startTestGame(2);
        game.biddingOption = false;
        game.doublesCount = doubles;
        answer(0, 5, false);
        EXPECT_FALSE(game.auctionOpen);
        EXPECT_EQ(game.owner[5], bankOwner);
        EXPECT_EQ(game.currentPlayer, doubles ? 0 : 1);
    }
}

// Guards auction fields left over from the previous auction.
TEST_F(AuctionRules, DecliningOpensAFreshAuction) {
    game.bidIncrement = 5;
    game.auctionBid = 99;
    game.auctionBidder = 1;
    game.computerDelay = 30;
    game.currentPlayer = 0;
    game.position[0] = propertySquare[27];
    game.buyPromptOpen = true;
    game.promptYes = false;
    decidePurchase();
    EXPECT_TRUE(game.auctionOpen);
    EXPECT_EQ(game.auctionTimer, auctionTicks);
    EXPECT_EQ(game.auctionBidder, bankOwner);
    EXPECT_EQ(game.auctionBid, 0);
    EXPECT_EQ(game.bidIncrement, 50);
    EXPECT_EQ(game.computerDelay, 0);
    EXPECT_EQ(game.currentPlayer, 0);
}

TEST_F(AuctionRules, IncrementStepsUpAndDown) {
    for (int expected : {60, 70, 80, 90, 100, 120, 140}) {
        raiseBidIncrement();
        EXPECT_EQ(game.bidIncrement, expected);
    }
    game.bidIncrement = 120;
    for (int expected : {100, 90, 80, 70, 60, 50, 40, 30, 20, 10, 5, 5}) {
        lowerBidIncrement();
        EXPECT_EQ(game.bidIncrement, expected);
    }
    raiseBidIncrement();
    EXPECT_EQ(game.bidIncrement, 10);
}

TEST_F(AuctionRules, BidsRestartTheTimerAndTheHighestBidderPays) {
    answer(0, 27, false);
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
    EXPECT_EQ(game.owner[27], 1);
    EXPECT_EQ(game.money[1], 1330);
    EXPECT_EQ(game.money[0], 1500);
    EXPECT_EQ(game.noticeAmount[0], 170);
    EXPECT_TRUE(game.endTurnAfterNotice);
}

// Guards humanBid accepting bankrupt seats, seats not in play, computers and bad numbers.
TEST_F(AuctionRules, OnlyHumansInPlayMayBid) {
    startTestGame(2, 1);
    game.bankrupt[1] = true;
    game.money[1] = 0;
    game.isHuman[3] = true;  // a stale flag on a seat that is not in play
    answer(0, 27, false);
    for (int seat : {1, 2, 3, -1, maxSeats, 1000}) humanBid(seat);
    EXPECT_EQ(game.auctionBidder, bankOwner);
    settle();
    humanBid(0);  // no auction running
    EXPECT_EQ(game.auctionBid, 0);
}

TEST_F(AuctionRules, UnsoldPropertyStaysAndAComputerWithDoublesIsWoken) {
    answer(0, 27, false);
    settle();
    EXPECT_EQ(game.owner[27], bankOwner);
    EXPECT_EQ(game.currentPlayer, 1);

    startTestGame(1, 1);
    game.doublesCount = 1;
    answer(1, 27, false);
    settle();
    EXPECT_EQ(game.currentPlayer, 1);
    EXPECT_EQ(game.computerDelay, computerThinkTicks);
}

TEST_F(AuctionRules, WinnerIsJudgedOnNetWorth) {
    for (int owns = 0; owns <= 1; ++owns) {
        startTestGame(2);
        game.money[1] = 40;
        if (owns) giveProperty(1, 0);  // net worth 70 covers the bid of 50
        answer(0, 27, false);
        humanBid(1);
        settle();
        EXPECT_EQ(game.bankrupt[1], owns == 0);
        EXPECT_EQ(game.owner[27], owns ? 1 : bankOwner);
        EXPECT_EQ(game.money[1], owns ? -10 : 0);
        EXPECT_EQ(game.inDebt, owns == 1);
    }
}

}  // namespace
