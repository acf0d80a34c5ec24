// The computer's turn through the real frame step: its pacing, the order of its actions, its
// answers shown for a step before they are carried out, and where it must wait.
#include <gtest/gtest.h>

#include "ai/computer.h"
#include "app/screen_flow.h"
#include "game/random.h"
#include "game/rules.h"
#include "game/tables.h"
#include "support/fixtures.h"
#include "support/play.h"
#include "support/session.h"

namespace {

class ComputerTurnFlow : public ::testing::Test {
protected:
    void SetUp() override {
        resetProgram();
        startTestGame(1, 1);  // seat 0 a person, seat 1 a computer
        fixClock(4242);
    }
    void TearDown() override { setClock(nullptr); }
};

// Ticks until `done` holds; returns the ticks taken, or -1 after `limit`.
template <typename Done>
int ticksUntil(Done done, int limit = 2000) {
    for (int t = 0; t < limit; ++t) {
        if (done()) return t;
        tick();
    }
    return done() ? limit : -1;
}

void computersTurn() {
    game.currentPlayer = 1;
    game.computerDelay = computerThinkTicks;
}

// A second in which the current computer's trade proposal is made; 0 when there is none.
long long secondWithProposal() {
    const GameState saved = game;
    for (long long second = 1; second < 10000; ++second) {
        fixClock(second);
        const bool made = proposeTrade();
        game = saved;
        if (made) return second;
    }
    return 0;
}

// Build, buy back, trade: at most one of each per roll, in that order, each highlighted for
// a step before it is done; then the roll, which clears the three for the next one.
TEST_F(ComputerTurnFlow, OneOfBuildUnmortgageTradePerRollInThatOrder) {
    giveGroup(1, 4, 4, 4, 4);  // hotels cost 150 each
    giveProperty(1, 22, -1);
    giveProperty(1, 2);
    giveProperty(1, 3);
    giveProperty(0, 4);  // the person holds the street the computer lacks
    game.money[1] = 3000;
    computersTurn();
    const long long second = secondWithProposal();
    ASSERT_NE(second, 0);
    fixClock(second);

    EXPECT_EQ(ticksUntil([] { return game.menuIndex == 2; }), computerThinkTicks - 1);
    EXPECT_EQ(game.houses[11], 4);
    EXPECT_EQ(ticksUntil([] { return game.houses[11] == 5; }), computerThinkTicks - 1);
    EXPECT_EQ(game.houses[12] + game.houses[13], 10);
    EXPECT_EQ(game.menuIndex, 0);

    EXPECT_EQ(ticksUntil([] { return game.menuIndex == 3; }), computerThinkTicks - 1);
    EXPECT_EQ(ticksUntil([] { return game.houses[22] == 0; }), computerThinkTicks - 1);
    EXPECT_EQ(game.menuIndex, 0);

    EXPECT_EQ(ticksUntil([] { return game.menuIndex == 1; }), computerThinkTicks - 1);
    EXPECT_EQ(ticksUntil([] { return game.tradeOfferOpen; }), computerThinkTicks - 1);
    EXPECT_TRUE(game.selected[4]);

    // The person has not answered: the computer waits, however long.
    EXPECT_EQ(game.computerDelay, 0);
    tick(500);
    EXPECT_TRUE(game.tradeOfferOpen);
    EXPECT_FALSE(game.moving);

    press(KeyRight);  // NO
    press(KeyEnter);
    EXPECT_FALSE(game.tradeOfferOpen);
    EXPECT_EQ(game.owner[4], 0);
    EXPECT_TRUE(game.tradeTried && game.buildTried && game.unmortgageTried);

    // Nothing left to consider: the next step rolls.
    EXPECT_GE(ticksUntil([] { return game.moving; }), computerThinkTicks - 3);
    EXPECT_FALSE(game.tradeTried || game.buildTried || game.unmortgageTried);
}

// A declined purchase shows NO for a whole step before the auction opens; during the auction
// the computer's countdown stays stopped and its turn does not move on, however long the
// auction is left running.
TEST_F(ComputerTurnFlow, DeclinedPurchaseShowsNoThenAuctionHoldsTheComputer) {
    computersTurn();
    game.money[1] = 100;  // cannot cover 400
    game.position[1] = propertySquare[21];
    game.buyPromptOpen = true;
    game.promptYes = true;

    EXPECT_EQ(ticksUntil([] { return !game.promptYes; }), computerThinkTicks - 1);
    const int shown = ticksUntil([] { return !game.buyPromptOpen; });
    EXPECT_EQ(shown, computerThinkTicks - 1);
    ASSERT_TRUE(game.auctionOpen);

    for (int t = 0; t < 1000; ++t) {
        tick();
        ASSERT_EQ(game.computerDelay, 0);
        ASSERT_TRUE(game.auctionOpen);
        ASSERT_FALSE(game.moving || game.buildTried || game.tradeTried || game.unmortgageTried);
    }
    EXPECT_LE(game.auctionBid, 100);  // the computer bid what its limit allowed, no more
    press(KeyEnter);                  // the person ends it
    tick();
    EXPECT_FALSE(game.auctionOpen);
}

// With doubles pending, a sold auction's notice hands the turn back to the computer, which
// must go on to roll again.
TEST_F(ComputerTurnFlow, ComputerRollsAgainAfterASoldAuctionWithDoubles) {
    computersTurn();
    game.doublesCount = 1;
    game.position[1] = propertySquare[10];
    game.buyPromptOpen = true;
    game.promptYes = false;  // the computer's NO is already showing
    ASSERT_GE(ticksUntil([] { return game.auctionOpen; }), 0);
    press('1');  // the person bids 50 for seat 0
    press(KeyEnter);
    ASSERT_GE(ticksUntil([] { return game.noticeTimer > 0; }, 10), 0);
    EXPECT_NE(game.owner[10], bankOwner);
    EXPECT_EQ(game.currentPlayer, 1);
    const int wait = ticksUntil([] { return game.moving; }, 400);
    EXPECT_GE(wait, 0) << "the computer never rolled again";
    EXPECT_EQ(game.currentPlayer, 1);
}

// A computer in debt on a person's turn raises the cash one paced step after the debt opens.
TEST_F(ComputerTurnFlow, ComputerInDebtRaisesCashAfterItsDelay) {
    game.currentPlayer = 0;
    giveProperty(1, 22);
    game.money[1] = -50;
    openDebtState(1);
    const int took = ticksUntil([] { return !game.inDebt; });
    EXPECT_TRUE(took >= computerThinkTicks - 1 && took <= computerThinkTicks + 1) << took;
    EXPECT_EQ(game.money[1], 50);
}

// An offer from the person to the computer takes no keys; the computer answers it after its
// delay (a gift is always welcome). A mortgaged property it receives stays mortgaged: the
// interest is charged and no question is put to it.
TEST_F(ComputerTurnFlow, ComputerAnswersThePersonsOfferAfterItsDelay) {
    giveProperty(0, 22, -1);
    game.initiatorSelected[22] = true;
    game.currentPlayer = 0;
    game.screen = AssetMenu;
    game.menuIndex = KindTrade;
    game.tradePartnerSide = true;
    game.tradeInitiator = 0;
    game.menuPlayer = 1;
    game.initiatorMoney = 500;
    game.tradeOfferOpen = true;
    game.promptYes = true;
    game.computerDelay = computerThinkTicks;

    press(KeyRight);
    EXPECT_TRUE(game.promptYes);  // the person cannot answer for the computer
    const int took = ticksUntil([] { return !game.tradeOfferOpen; });
    EXPECT_EQ(took, computerThinkTicks - 2);  // one tick went to the key press
    EXPECT_EQ(game.money[1], 1990);           // 500 received, 10 interest on the transport
    EXPECT_EQ(game.owner[22], 1);
    tick();
    EXPECT_EQ(game.partnerMortgagedCount, 0);
    EXPECT_EQ(game.houses[22], -1);
}

// A computer refusing closes the menu a step after showing NO; it then refuses the same
// person unseen for a while.
TEST_F(ComputerTurnFlow, ComputerRefusalShowsNoThenClosesTheMenu) {
    giveProperty(1, 9);
    giveProperty(1, 10);
    giveProperty(0, 8);
    game.currentPlayer = 0;
    game.screen = AssetMenu;
    game.menuIndex = KindTrade;
    game.tradePartnerSide = true;
    game.tradeInitiator = 0;
    game.menuPlayer = 1;
    game.selected[10] = true;  // asks for one of its streets and offers nothing
    game.tradeOfferOpen = true;
    game.promptYes = true;
    game.computerDelay = computerThinkTicks;

    EXPECT_EQ(ticksUntil([] { return !game.promptYes; }), computerThinkTicks - 1);
    EXPECT_TRUE(game.tradeOfferOpen);
    EXPECT_EQ(ticksUntil([] { return game.screen == Board; }), computerThinkTicks - 1);
    EXPECT_FALSE(game.tradeOfferOpen);
    EXPECT_EQ(game.owner[10], 1);
    EXPECT_GE(game.answerCooldown[1][0], 2);
}

// Once the last opponent is bankrupt the computer that won never acts under "WINS".
TEST_F(ComputerTurnFlow, WinnerDoesNotPlayOnUnderTheWinsScreen) {
    game.currentPlayer = 0;
    declareBankrupt(0, bankOwner);
    ASSERT_GE(ticksUntil([] { return game.gameOver; }, 200), 0);
    EXPECT_EQ(game.winner, 1);
    tick(300);
    EXPECT_FALSE(game.moving);
    EXPECT_EQ(game.position[1], 0);
    EXPECT_TRUE(game.gameOver);
}

// Found by the long games: a person in debt whose properties include the second utility
// must be able to move the asset cursor off it to reach a transport it can mortgage.
TEST_F(ComputerTurnFlow, AssetCursorMovesBetweenUtilitiesAndTransports) {
    giveProperty(0, 24);
    giveProperty(0, 26);
    giveProperty(0, 27);
    openAssetMenu(0);
    ASSERT_EQ(game.assetCursor, 24);
    pressRepeatedly(KeyDown, 2);
    EXPECT_EQ(game.assetCursor, 27);
    press(KeyUp);
    EXPECT_EQ(game.assetCursor, 26);
}

}  // namespace
