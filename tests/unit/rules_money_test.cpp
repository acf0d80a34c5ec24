// Net worth, fees, taxes, the notice queue, the debt state, bankruptcy and the game's end.
#include <gtest/gtest.h>

#include <cstring>

#include "game/rules.h"
#include "game/tables.h"
#include "support/fixtures.h"

namespace {

class MoneyRules : public ::testing::Test {
protected:
    void SetUp() override {
        game = GameState{};
        startTestGame(3);
    }
};

TEST_F(MoneyRules, NetWorthCountsMortgageValueAndHalfTheBuildings) {
    game.money[0] = 40;
    giveProperty(0, 0);
    giveProperty(0, 1, 2);    // 30 + 2 x 25
    giveProperty(0, 21, 5);   // hotel: 200 + 5 x 100
    giveProperty(0, 26, -1);  // mortgaged: nothing
    EXPECT_EQ(netWorth(0), 850);
    game.money[0] = -900;
    EXPECT_EQ(netWorth(0), -90);
}

TEST_F(MoneyRules, FeesGoToThePotOrOutOfPlayAndAboveCashOpenTheDebtState) {
    game.middleOption = 1;
    EXPECT_TRUE(chargeFee(1, 150, "taxes", middleCreditor));
    EXPECT_EQ(game.money[1], 1350);
    EXPECT_EQ(game.middlePot, 150);
    EXPECT_EQ(game.noticeAmount[0], 150);
    game.middleOption = 0;
    game.noticeTimer = 0;
    EXPECT_TRUE(chargeFee(1, 50, nullptr, middleCreditor));
    EXPECT_EQ(game.money[1], 1300);
    EXPECT_EQ(game.middlePot, 150);
    EXPECT_EQ(game.noticeTimer, 0);  // no reason, no notice

    game.money[2] = 20;
    giveProperty(2, 5);  // worth 70
    EXPECT_TRUE(chargeFee(2, 75, "taxes", middleCreditor));
    EXPECT_EQ(game.money[2], -55);
    EXPECT_TRUE(game.inDebt);
    EXPECT_EQ(game.menuIndex, KindMortgage);
    EXPECT_EQ(game.assetCursor, CursorConfirm);
    EXPECT_EQ(game.menuPlayer, 2);
}

// Bankruptcy to the middle with each middleOption (the bank while the middle is off).
TEST_F(MoneyRules, LuxuryTaxBankruptcyFeedsTheMiddleOrTheBank) {
    for (int option = 0; option <= 2; ++option) {
        startTestGame(3);
        game.middleOption = option;
        game.middlePot = option == 2 ? 500 : 0;
        game.money[0] = 40;
        giveProperty(0, 0);
        landOn(38);
        EXPECT_TRUE(game.bankrupt[0]) << option;
        EXPECT_EQ(game.owner[0], bankOwner);
        EXPECT_EQ(game.middlePot, option == 0 ? 0 : (option == 2 ? 570 : 70)) << option;
        EXPECT_EQ(game.lastCreditor, option == 0 ? bankOwner : middleCreditor);
        EXPECT_FALSE(game.endTurnAfterNotice);
        EXPECT_TRUE(stateIsValid());
    }
}

TEST_F(MoneyRules, IncomeTaxFlatOrTenPercent) {
    const struct {
        int cash;
        bool flat;
        int after;
    } cases[] = {{1549, false, 1549 - 159}, {1500, true, 1300}, {149, true, 0}};
    for (const auto& c : cases) {
        startTestGame(3);
        game.money[0] = c.cash;
        giveProperty(0, 2);  // worth 50: 10% of 1599 is 159
        game.taxPromptOpen = true;
        game.promptYes = c.flat;
        payIncomeTax();
        EXPECT_EQ(game.money[0], c.after) << c.cash;
        EXPECT_FALSE(game.taxPromptOpen);
        EXPECT_EQ(game.bankrupt[0], c.after == 0);
        EXPECT_EQ(game.endTurnAfterNotice, c.after != 0);  // bankrupt: the turn waits for its notice
    }
}

TEST_F(MoneyRules, NoticesOfOneMoveShowInOrderThenTheTurnPasses) {
    giveProperty(1, 0);
    game.position[0] = 36;
    rollWith(1, 2);  // past GO to square 1
    runBoardSteps();
    EXPECT_EQ(game.noticeAmount[0], -200);
    dismissNotice();
    EXPECT_STREQ(game.noticeReason[0], "rent of Saltmarsh Old Wharf");
    EXPECT_EQ(game.currentPlayer, 0);
    dismissNotice();
    EXPECT_EQ(game.noticeTimer, 0);
    EXPECT_EQ(game.currentPlayer, 1);

    startTestGame(3);
    game.position[0] = 5;
    game.doublesCount = 1;  // doubles keep the turn after the last notice
    writeNotice(0, 0, 75, "taxes");
    game.endTurnAfterNotice = true;
    dismissNotice();
    EXPECT_EQ(game.currentPlayer, 0);
    EXPECT_EQ(game.boardCursor, 5);
}

// Guards writes past the notice queue: long reasons, slots beyond it, a full queue.
TEST_F(MoneyRules, QueueStaysInsideItsEightSlots) {
    writeNotice(0, 2, 10, "a reason that is far longer than the fifty bytes the slot holds");
    EXPECT_EQ(std::strlen(game.noticeReason[0]), 49u);
    writeNotice(noticeSlots + 3, 1, 99, "late");
    EXPECT_EQ(game.noticeAmount[noticeSlots - 1], 99);
    EXPECT_EQ(game.noticePlayer[0], 2);
    for (int i = 0; i < noticeSlots; ++i) writeNotice(i, i % 3, i + 1, "fee");
    for (int i = 0; i < noticeSlots; ++i) {
        EXPECT_EQ(game.noticeAmount[0], i + 1);  // each once, the last slot included
        dismissNotice();
    }
    EXPECT_EQ(game.noticeTimer, 0);
}

TEST_F(MoneyRules, DebtStateHoldsUntilCashIsBackThenMovesToTheNextDebtor) {
    game.money[0] = -30;
    game.money[2] = -5;
    checkDebt(2);
    checkDebt(1);  // not in debt: nothing changes
    EXPECT_EQ(game.menuPlayer, 2);
    leaveDebtState();
    EXPECT_TRUE(game.inDebt);
    game.money[2] = 0;
    leaveDebtState();
    EXPECT_EQ(game.menuPlayer, 0);
    game.money[0] = 10;
    leaveDebtState();
    EXPECT_FALSE(game.inDebt);
}

TEST_F(MoneyRules, BankruptcyToASeatHandsOverEverythingToTheBankNothing) {
    game.money[1] = 35;
    giveProperty(1, 3, -1);
    giveProperty(1, 20, 2);
    giveProperty(1, 26, -1);
    game.jailCardHolder[0] = 1;
    declareBankrupt(1, 2);
    EXPECT_EQ(game.money[2], 1535);
    EXPECT_EQ(game.owner[3], 2);
    EXPECT_EQ(game.houses[3], -1);
    EXPECT_EQ(game.houses[20], 2);
    EXPECT_EQ(game.jailCardHolder[0], 2);
    ASSERT_EQ(game.initiatorMortgagedCount, 2);  // the new owner is asked about each mortgage
    EXPECT_EQ(game.initiatorMortgaged[0], 26);
    EXPECT_EQ(game.bankruptTimer, 100);

    startTestGame(3);
    giveProperty(1, 3, -1);
    giveProperty(1, 20, 2);
    game.jailCardHolder[1] = 1;
    declareBankrupt(1, bankOwner);
    EXPECT_EQ(game.owner[20], bankOwner);
    EXPECT_EQ(game.houses[20] + game.houses[3], 0);
    EXPECT_EQ(game.jailCardHolder[1], bankOwner);
    EXPECT_EQ(game.money[1], 0);
    EXPECT_TRUE(stateIsValid());
}

// Guards negative cash being passed on (taking money from the creditor) in a bankruptcy.
TEST_F(MoneyRules, NegativeCashIsNotPassedOnAndAnOpenDebtStateCloses) {
    game.money[1] = -80;
    checkDebt(1);
    declareBankrupt(1, 2);
    EXPECT_EQ(game.money[2], 1500);
    EXPECT_FALSE(game.inDebt);

    startTestGame(3);
    game.middleOption = 1;
    game.money[1] = -80;
    giveProperty(1, 0);
    declareBankrupt(1, middleCreditor);
    EXPECT_EQ(game.middlePot, 30);
    EXPECT_TRUE(stateIsValid());
}

TEST_F(MoneyRules, GameEndsAtTheLastButOneBankruptcyOtherwiseTheTurnGoesOn) {
    startTestGame(2);
    game.currentPlayer = 1;
    game.doublesCount = 1;
    declareBankrupt(0, 1);
    afterBankruptcyNotice();
    EXPECT_TRUE(game.gameOver);
    EXPECT_EQ(game.winner, 1);

    startTestGame(3);
    game.currentPlayer = 1;  // the mover went bankrupt: the next seat plays
    declareBankrupt(1, 0);
    afterBankruptcyNotice();
    EXPECT_FALSE(game.gameOver);
    EXPECT_EQ(game.currentPlayer, 2);

    startTestGame(4);
    game.currentPlayer = 1;  // another seat went bankrupt with doubles pending: the mover rolls again
    game.doublesCount = 1;
    declareBankrupt(3, 1);
    afterBankruptcyNotice();
    EXPECT_EQ(game.currentPlayer, 1);
    EXPECT_FALSE(game.gameOver);
}

// Guards the last notice not waking a computer that bought at auction and rolls again.
TEST_F(MoneyRules, LastNoticeWakesAComputerRollingAgain) {
    startTestGame(1, 1);
    game.currentPlayer = 1;
    game.doublesCount = 1;
    game.computerDelay = 0;
    writeNotice(0, 1, 200, "Fenwick ");
    game.endTurnAfterNotice = true;
    dismissNotice();
    EXPECT_EQ(game.currentPlayer, 1);
    EXPECT_EQ(game.computerDelay, computerThinkTicks);
}

}  // namespace
