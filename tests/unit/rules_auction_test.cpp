// Purchase of a bank property and the auction that follows a declined one.
#include <gtest/gtest.h>

#include "game/rules.h"
#include "game/tables.h"
#include "support/fixtures.h"

namespace {

class RulesFixture : public ::testing::Test {
protected:
    void SetUp() override {
        game = GameState{};
        startTestGame(2);
    }
};

using PurchaseTest = RulesFixture;
using AuctionTest = RulesFixture;

// The seat stands on the property with the buy question open, YES highlighted.
void offer(int seat, int property) {
    game.currentPlayer = seat;
    game.position[seat] = propertySquare[property];
    game.buyPromptOpen = true;
    game.promptYes = true;
}

// Declines with bidding on; computers are kept out so every bid is a human's own.
void openAuction(int seat, int property) {
    offer(seat, property);
    game.promptYes = false;
    decidePurchase();
    for (int& limit : game.bidLimit) limit = 0;
}

void settle() {
    endAuction();
    advanceAuction();
}

// Guards the price, the owner, the notice text and that the turn waits for the notice.
TEST_F(PurchaseTest, BuyingWithCashPaysPriceAndQueuesNotice) {
    offer(0, 0);
    decidePurchase();
    EXPECT_EQ(game.owner[0], 0);
    EXPECT_EQ(game.money[0], 1440);
    EXPECT_EQ(game.noticePlayer[0], 0);
    EXPECT_EQ(game.noticeAmount[0], 60);
    EXPECT_STREQ(game.noticeReason[0], "Saltmarsh Old Wharf");
    EXPECT_EQ(game.noticeTimer, noticeTicks);
    EXPECT_TRUE(game.endTurnAfterNotice);
    EXPECT_FALSE(game.buyPromptOpen);
    EXPECT_FALSE(game.inDebt);
    EXPECT_EQ(game.currentPlayer, 0);
}

// Net worth exactly equal to the price still buys, leaving negative cash and the debt state.
TEST_F(PurchaseTest, NetWorthCoveringShortCashBuysIntoDebt) {
    game.money[0] = 70;
    giveProperty(0, 0);  // worth 30
    offer(0, 2);         // price 100
    decidePurchase();
    EXPECT_EQ(game.owner[2], 0);
    EXPECT_EQ(game.money[0], -30);
    EXPECT_TRUE(game.inDebt);
    EXPECT_EQ(game.screen, AssetMenu);
    EXPECT_EQ(game.menuPlayer, 0);
    EXPECT_EQ(game.menuIndex, KindMortgage);
    EXPECT_EQ(game.noticeAmount[0], 100);
}

TEST_F(PurchaseTest, NetWorthBelowPriceBankruptsToBank) {
    game.money[0] = 69;
    giveProperty(0, 0);
    offer(0, 2);
    decidePurchase();
    EXPECT_TRUE(game.bankrupt[0]);
    EXPECT_EQ(game.owner[2], bankOwner);
    EXPECT_EQ(game.owner[0], bankOwner);
    EXPECT_EQ(game.money[0], 0);
    EXPECT_EQ(game.lastCreditor, bankOwner);
    EXPECT_FALSE(game.buyPromptOpen);
    EXPECT_EQ(game.noticeAmount[0], 0);
}

TEST_F(PurchaseTest, DecliningWithoutBiddingPassesTurnUnlessDoubles) {
    game.biddingOption = false;
    openAuction(0, 5);
    EXPECT_FALSE(game.auctionOpen);
    EXPECT_FALSE(game.buyPromptOpen);
    EXPECT_EQ(game.owner[5], bankOwner);
    EXPECT_EQ(game.currentPlayer, 1);

    startTestGame(2);
    game.biddingOption = false;
    game.doublesCount = 1;
    openAuction(0, 5);
    EXPECT_EQ(game.currentPlayer, 0);
    EXPECT_EQ(game.boardCursor, propertySquare[5]);
}

// Every auction field is reset, not left from the previous auction; the decliner keeps the turn.
TEST_F(AuctionTest, DecliningOpensFreshAuction) {
    game.bidIncrement = 5;
    game.auctionBid = 99;
    game.auctionBidder = 1;
    game.computerDelay = 30;
    game.bidLimit[0] = 999;
    offer(0, 27);
    game.promptYes = false;
    decidePurchase();
    EXPECT_TRUE(game.auctionOpen);
    EXPECT_FALSE(game.buyPromptOpen);
    EXPECT_EQ(game.auctionTimer, auctionTicks);
    EXPECT_EQ(game.auctionBidder, bankOwner);
    EXPECT_EQ(game.auctionBid, 0);
    EXPECT_EQ(game.bidIncrement, 50);
    EXPECT_EQ(game.computerDelay, 0);
    EXPECT_EQ(game.bidLimit[0], 0);  // limits recomputed: humans get none
    EXPECT_EQ(game.owner[27], bankOwner);
    EXPECT_EQ(game.currentPlayer, 0);
}

TEST_F(AuctionTest, IncrementStepsUpAndDown) {
    game.bidIncrement = 50;
    for (int expected : {60, 70, 80, 90, 100, 120, 140}) {
        raiseBidIncrement();
        EXPECT_EQ(game.bidIncrement, expected);
    }
    game.bidIncrement = 120;
    for (int expected : {100, 90, 80, 70, 60, 50, 40, 30, 20, 10, 5, 5}) {
        lowerBidIncrement();
        EXPECT_EQ(game.bidIncrement, expected);
    }
    for (int expected : {10, 20}) {
        raiseBidIncrement();
        EXPECT_EQ(game.bidIncrement, expected);
    }
}

TEST_F(AuctionTest, HumanBidAddsIncrementAndRestartsTimer) {
    openAuction(0, 27);
    for (int i = 0; i < 40; ++i) advanceAuction();
    humanBid(1);
    EXPECT_EQ(game.auctionBid, 50);
    EXPECT_EQ(game.auctionBidder, 1);
    EXPECT_EQ(game.auctionTimer, auctionTicks);
    raiseBidIncrement();
    humanBid(0);  // the seat that declined may bid too
    EXPECT_EQ(game.auctionBid, 110);
    EXPECT_EQ(game.auctionBidder, 0);
}

// Bankrupt seats, seats not in play, computers and out-of-range numbers never bid.
TEST_F(AuctionTest, OnlyHumansInPlayMayBid) {
    startTestGame(2, 1);
    game.bankrupt[1] = true;
    game.money[1] = 0;
    game.isHuman[3] = true;  // a stale flag on a seat that is not in play
    openAuction(0, 27);
    for (int seat : {1, 2, 3, -1, maxSeats, 1000}) humanBid(seat);
    EXPECT_EQ(game.auctionBid, 0);
    EXPECT_EQ(game.auctionBidder, bankOwner);

    settle();
    humanBid(0);  // no auction running
    EXPECT_EQ(game.auctionBid, 0);
    EXPECT_EQ(game.auctionBidder, bankOwner);
}

TEST_F(AuctionTest, TimerHoldsAtTwoAndEndSettlesNextFrame) {
    openAuction(0, 27);
    for (int i = 0; i < auctionTicks - 2; ++i) advanceAuction();
    EXPECT_EQ(game.auctionTimer, 2);
    for (int i = 0; i < 500; ++i) advanceAuction();
    EXPECT_EQ(game.auctionTimer, 2);
    EXPECT_TRUE(game.auctionOpen);
    endAuction();
    EXPECT_TRUE(game.auctionOpen);
    advanceAuction();
    EXPECT_FALSE(game.auctionOpen);
}

TEST_F(AuctionTest, HighestBidderPaysAndOwns) {
    openAuction(0, 27);
    humanBid(1);
    humanBid(1);
    settle();
    EXPECT_EQ(game.owner[27], 1);
    EXPECT_EQ(game.money[1], 1400);
    EXPECT_EQ(game.money[0], 1500);
    EXPECT_EQ(game.noticePlayer[0], 1);
    EXPECT_EQ(game.noticeAmount[0], 100);
    EXPECT_STREQ(game.noticeReason[0], "Iron Moon II ");
    EXPECT_TRUE(game.endTurnAfterNotice);
    EXPECT_EQ(game.currentPlayer, 0);
}

TEST_F(AuctionTest, NoBidderLeavesPropertyAndPassesTurn) {
    openAuction(0, 27);
    settle();
    EXPECT_EQ(game.owner[27], bankOwner);
    EXPECT_EQ(game.currentPlayer, 1);

    // After doubles a computer keeps the turn and is given its thinking pause.
    startTestGame(1, 1);
    game.doublesCount = 1;
    openAuction(1, 27);
    settle();
    EXPECT_EQ(game.currentPlayer, 1);
    EXPECT_EQ(game.boardCursor, propertySquare[27]);
    EXPECT_EQ(game.computerDelay, computerThinkTicks);
}

TEST_F(AuctionTest, WinnerIsJudgedOnNetWorth) {
    game.money[1] = 40;
    openAuction(0, 27);
    humanBid(1);
    settle();
    EXPECT_TRUE(game.bankrupt[1]);
    EXPECT_EQ(game.owner[27], bankOwner);
    EXPECT_EQ(game.money[1], 0);

    startTestGame(2);
    game.money[1] = 40;
    giveProperty(1, 0);  // net worth 70 covers the bid of 50
    openAuction(0, 27);
    humanBid(1);
    settle();
    EXPECT_EQ(game.owner[27], 1);
    EXPECT_EQ(game.money[1], -10);
    EXPECT_TRUE(game.inDebt);
    EXPECT_EQ(game.menuPlayer, 1);
}

}  // namespace
