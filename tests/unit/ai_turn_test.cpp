// The computer's answers within its turn: leaving jail, the income tax, the purchase, and
// the steps it must never take.
#include <gtest/gtest.h>

#include "ai/computer.h"
#include "game/random.h"
#include "game/rules.h"
#include "game/tables.h"
#include "support/fixtures.h"

namespace {

class ComputerTurn : public ::testing::Test {
protected:
    void SetUp() override {
        game = GameState{};
        startTestGame(1, 1);  // seat 0 a person, seat 1 a computer
        game.currentPlayer = 1;
    }
    void TearDown() override { setClock(nullptr); }
};

// The draw decideLeaveJail compares with its score, 1..100.
int percentileFor(int second) {
    seedRandom(static_cast<uint32_t>(second));
    return randomBelow(100) + 1;
}

TEST_F(ComputerTurn, LeavesJailNineTimesInTenWithoutOpponentBuildings) {
    putInJail(1);
    giveGroup(1, 2, 4, 4, 4);  // its own houses do not count
    int leaves = 0;
    for (int second = 0; second < 1000; ++second) {
        fixClock(second);
        const bool leave = decideLeaveJail();
        EXPECT_EQ(leave, percentileFor(second) <= 90);
        leaves += leave ? 1 : 0;
    }
    EXPECT_GT(leaves, 860);
    EXPECT_LT(leaves, 940);
}

// Each colour group is sampled on one street (3 x group): its buildings in other hands add
// 5 a building beyond the first; a hotel adds 20, which makes leaving certain.
TEST_F(ComputerTurn, OpponentBuildingsOnSampleStreetsRaiseTheScore) {
    putInJail(1);
    giveGroup(0, 3, 4, 2, 4);  // sample street 9 has 2: +5; streets 8 and 10 are not sampled
    for (int second = 0; second < 300; ++second) {
        fixClock(second);
        EXPECT_EQ(decideLeaveJail(), percentileFor(second) <= 95) << second;
    }
    giveGroup(0, 7, 1, 5);  // sample street 21 has a hotel: +20
    for (int second = 0; second < 300; ++second) {
        fixClock(second);
        EXPECT_TRUE(decideLeaveJail());
    }
}

void openTax(int netWorthWanted) {
    game.money[1] = netWorthWanted;
    game.taxPromptOpen = true;
    game.promptYes = true;
    game.screen = Board;
    game.menuIndex = 0;
}

// A tenth of 2010 is 201, dearer than 200: the computer keeps "$200" and pays at once.
TEST_F(ComputerTurn, TaxAtNetWorth2010PaysTheFlat200) {
    openTax(2010);
    computerStep();
    EXPECT_FALSE(game.taxPromptOpen);
    EXPECT_EQ(game.money[1], 1810);
    EXPECT_EQ(game.computerDelay, computerThinkTicks);
}

// At 2009 a tenth is 200, not dearer: it switches to "10%" first and pays 200 a step later.
TEST_F(ComputerTurn, TaxAtNetWorth2009SwitchesToTenPercent) {
    openTax(2009);
    computerStep();
    EXPECT_TRUE(game.taxPromptOpen);
    EXPECT_FALSE(game.promptYes);
    EXPECT_EQ(game.money[1], 2009);
    computerStep();
    EXPECT_FALSE(game.taxPromptOpen);
    EXPECT_EQ(game.money[1], 1809);

    openTax(1500);
    computerStep();
    computerStep();
    EXPECT_EQ(game.money[1], 1350);
}

// A declined purchase takes two steps: NO is shown first, then the auction opens, with the
// computer's countdown stopped.
TEST_F(ComputerTurn, DeclinedPurchaseShowsNoForOneStep) {
    game.money[1] = 100;  // cannot cover 400
    game.position[1] = propertySquare[21];
    game.buyPromptOpen = true;
    game.promptYes = true;
    computerStep();
    EXPECT_TRUE(game.buyPromptOpen);
    EXPECT_FALSE(game.promptYes);
    EXPECT_EQ(game.computerDelay, computerThinkTicks);
    computerStep();
    EXPECT_FALSE(game.buyPromptOpen);
    EXPECT_TRUE(game.auctionOpen);
    EXPECT_EQ(game.computerDelay, 0);
}

TEST_F(ComputerTurn, AcceptedPurchaseBuysInOneStep) {
    game.position[1] = propertySquare[0];
    game.buyPromptOpen = true;
    game.promptYes = true;
    computerStep();
    EXPECT_FALSE(game.buyPromptOpen);
    EXPECT_EQ(game.owner[0], 1);
    EXPECT_EQ(game.money[1], 1440);
}

// The turn's own actions belong to the computer whose turn it is: on a person's turn, or
// once the game is decided, a stray step does nothing.
TEST_F(ComputerTurn, NoStepOnAPersonsTurnOrAfterTheGame) {
    game.currentPlayer = 0;
    game.computerDelay = 1;
    computerStep();
    EXPECT_FALSE(game.moving);
    EXPECT_EQ(game.menuIndex, 0);

    game.currentPlayer = 1;
    game.gameOver = true;
    game.computerDelay = 1;
    computerStep();
    EXPECT_FALSE(game.moving);
    EXPECT_EQ(game.computerDelay, 0);
}

// An offer to a person is the person's to answer: the computer's step leaves it open and
// stops the countdown.
TEST_F(ComputerTurn, OfferToAPersonWaitsForTheKeys) {
    game.tradeOfferOpen = true;
    game.promptYes = true;
    game.tradeInitiator = 1;
    game.menuPlayer = 0;
    game.initiatorMoney = 100;
    computerStep();
    EXPECT_TRUE(game.tradeOfferOpen);
    EXPECT_TRUE(game.promptYes);
    EXPECT_EQ(game.money[0], 1500);
    EXPECT_EQ(game.computerDelay, 0);
}

}  // namespace
