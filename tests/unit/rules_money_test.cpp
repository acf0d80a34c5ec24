// Net worth, fees, taxes, the notice queue, the debt state, bankruptcy and the game's end.
#include <gtest/gtest.h>

#include <cstring>

#include "game/invariants.h"
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

using NetWorthRules = MoneyRules;
using FeeRules = MoneyRules;
using NoticeRules = MoneyRules;
using DebtRules = MoneyRules;
using BankruptcyRules = MoneyRules;
using GameEndRules = MoneyRules;

void expectValid() {
    char why[120] = "";
    EXPECT_TRUE(checkInvariants(game, why, sizeof why)) << why;
}

TEST_F(NetWorthRules, CountsMortgageValueAndHalfTheBuildings) {
    game.money[0] = 40;
    giveProperty(0, 0);
    EXPECT_EQ(netWorth(0), 70);
    giveProperty(0, 1, 2);  // 30 + 2 x 25
    EXPECT_EQ(netWorth(0), 150);
    giveProperty(0, 21, 5);  // hotel: 200 + 5 x 100
    EXPECT_EQ(netWorth(0), 850);
    giveProperty(0, 26, -1);  // mortgaged: nothing
    EXPECT_EQ(netWorth(0), 850);
    game.money[0] = -900;
    EXPECT_EQ(netWorth(0), -90);
}

TEST_F(FeeRules, FeeGoesToThePotOrOutOfPlay) {
    game.middleOption = 1;
    EXPECT_TRUE(chargeFee(1, 150, "taxes", middleCreditor));
    EXPECT_EQ(game.money[1], 1350);
    EXPECT_EQ(game.middlePot, 150);
    EXPECT_EQ(game.noticePlayer[0], 1);
    EXPECT_EQ(game.noticeAmount[0], 150);
    EXPECT_EQ(game.noticeTimer, 100);

    game.middleOption = 0;
    game.noticeTimer = 0;
    EXPECT_TRUE(chargeFee(1, 50, nullptr, middleCreditor));
    EXPECT_EQ(game.money[1], 1300);
    EXPECT_EQ(game.middlePot, 150);
    EXPECT_EQ(game.noticeTimer, 0);  // no reason, no notice
}

TEST_F(FeeRules, FeeAboveCashOpensTheDebtStateAboveNetWorthBankrupts) {
    game.money[1] = 20;
    giveProperty(1, 5);  // worth 70
    EXPECT_TRUE(chargeFee(1, 75, "taxes", middleCreditor));
    EXPECT_EQ(game.money[1], -55);
    EXPECT_TRUE(game.inDebt);
    EXPECT_EQ(game.screen, AssetMenu);
    EXPECT_EQ(game.menuIndex, KindMortgage);
    EXPECT_EQ(game.assetCursor, CursorConfirm);
    EXPECT_EQ(game.menuPlayer, 1);

    startTestGame(3);
    game.money[2] = 40;
    giveProperty(2, 0);  // net worth 70
    EXPECT_FALSE(chargeFee(2, 75, "taxes", middleCreditor));
    EXPECT_TRUE(game.bankrupt[2]);
    EXPECT_EQ(game.noticeTimer, 0);
}

TEST_F(FeeRules, LuxuryTaxBankruptcyFeedsTheMiddleOrTheBank) {
    for (int option = 0; option <= 2; ++option) {
        startTestGame(3);
        game.middleOption = option;
        game.middlePot = option == 2 ? 500 : 0;
        game.money[0] = 40;
        giveProperty(0, 0, 0);
        game.position[0] = 38;
        processLanding();
        EXPECT_TRUE(game.bankrupt[0]) << option;
        EXPECT_EQ(game.money[0], 0);
        EXPECT_EQ(game.owner[0], bankOwner);
        EXPECT_EQ(game.middlePot, option == 0 ? 0 : (option == 2 ? 570 : 70)) << option;
        EXPECT_EQ(game.lastCreditor, option == 0 ? bankOwner : middleCreditor);
        EXPECT_FALSE(game.endTurnAfterNotice);
        expectValid();
    }
}

TEST_F(FeeRules, IncomeTaxFlatOrTenPercent) {
    game.money[0] = 1539;
    giveProperty(0, 2);  // net worth 1589 + 10 = 1599 with the next line
    game.money[0] += 10;
    game.middleOption = 1;
    game.taxPromptOpen = true;
    game.promptYes = false;
    payIncomeTax();
    EXPECT_EQ(game.money[0], 1549 - 159);
    EXPECT_EQ(game.middlePot, 159);
    EXPECT_FALSE(game.taxPromptOpen);
    EXPECT_TRUE(game.endTurnAfterNotice);
    EXPECT_STREQ(game.noticeReason[0], "taxes");

    startTestGame(3);
    game.taxPromptOpen = game.promptYes = true;
    payIncomeTax();
    EXPECT_EQ(game.money[0], 1300);

    startTestGame(3);
    game.money[0] = 150;
    game.taxPromptOpen = game.promptYes = true;
    payIncomeTax();  // bankrupt: the question still closes, the turn waits for the notice
    EXPECT_TRUE(game.bankrupt[0]);
    EXPECT_FALSE(game.taxPromptOpen);
    EXPECT_FALSE(game.endTurnAfterNotice);
}

TEST_F(NoticeRules, TwoNoticesOfOneMoveShowInOrderThenTheTurnPasses) {
    giveProperty(1, 0);
    game.position[0] = 36;
    rollWith(1, 2);  // 5 squares: past GO to square 1
    runBoardSteps();
    EXPECT_EQ(game.noticeAmount[0], -200);
    EXPECT_EQ(game.noticeAmount[1], 2);
    EXPECT_EQ(game.noticePlayer[1], 0);
    EXPECT_TRUE(game.endTurnAfterNotice);
    dismissNotice();
    EXPECT_STREQ(game.noticeReason[0], "rent of Saltmarsh Old Wharf");
    EXPECT_EQ(game.noticeTimer, 100);
    EXPECT_EQ(game.currentPlayer, 0);
    dismissNotice();
    EXPECT_EQ(game.noticeTimer, 0);
    EXPECT_EQ(game.noticeIndex, 0);
    EXPECT_FALSE(game.endTurnAfterNotice);
    EXPECT_EQ(game.currentPlayer, 1);
}

TEST_F(NoticeRules, DoublesKeepTheTurnAfterTheLastNotice) {
    game.position[0] = 5;
    game.doublesCount = 1;
    writeNotice(0, 0, 75, "taxes");
    game.endTurnAfterNotice = true;
    dismissNotice();
    EXPECT_EQ(game.currentPlayer, 0);
    EXPECT_EQ(game.boardCursor, 5);
    EXPECT_FALSE(game.endTurnAfterNotice);
}

TEST_F(NoticeRules, QueueStaysInsideItsEightSlots) {
    // Reasons are cut to 49 characters.
    writeNotice(0, 2, 10, "a reason that is far longer than the fifty bytes the slot holds");
    EXPECT_EQ(std::strlen(game.noticeReason[0]), 49u);
    // A slot past the queue lands in the last slot, not in the fields behind the queue.
    game.noticeIndex = 0;
    writeNotice(noticeSlots + 3, 1, 99, "late");
    EXPECT_EQ(game.noticeAmount[noticeSlots - 1], 99);
    EXPECT_EQ(game.noticeIndex, 0);
    EXPECT_EQ(game.noticePlayer[0], 2);

    // A full queue is shown notice by notice, each once, the last slot included.
    for (int i = 0; i < noticeSlots; ++i) writeNotice(i, i % 3, i + 1, "fee");
    for (int i = 0; i < noticeSlots; ++i) {
        EXPECT_EQ(game.noticeAmount[0], i + 1);
        dismissNotice();
    }
    EXPECT_EQ(game.noticeTimer, 0);
    for (int i = 0; i < noticeSlots; ++i) EXPECT_EQ(game.noticeAmount[i], 0) << i;
}

TEST_F(DebtRules, DebtStateHoldsUntilCashIsNotNegativeThenMovesToTheNextDebtor) {
    game.money[0] = -30;
    game.money[2] = -5;
    checkDebt(2);
    checkDebt(1);  // not in debt: nothing changes
    EXPECT_EQ(game.menuPlayer, 2);
    leaveDebtState();
    EXPECT_TRUE(game.inDebt);  // still negative
    game.money[2] = 0;
    leaveDebtState();
    EXPECT_TRUE(game.inDebt);
    EXPECT_EQ(game.menuPlayer, 0);
    game.money[0] = 10;
    leaveDebtState();
    EXPECT_FALSE(game.inDebt);
    leaveDebtState();  // nothing open: nothing happens
    EXPECT_FALSE(game.inDebt);
}

TEST_F(BankruptcyRules, ToASeatHandsOverEverythingMortgagesIncluded) {
    game.money[1] = 35;
    giveProperty(1, 3, -1);
    giveProperty(1, 20, 2);
    giveProperty(1, 26, -1);
    game.jailCardHolder[0] = 1;
    declareBankrupt(1, 2);
    EXPECT_EQ(game.money[2], 1535);
    EXPECT_EQ(game.money[1], 0);
    EXPECT_EQ(game.owner[3], 2);
    EXPECT_EQ(game.houses[3], -1);
    EXPECT_EQ(game.houses[20], 2);
    EXPECT_EQ(game.owner[26], 2);
    EXPECT_EQ(game.jailCardHolder[0], 2);
    EXPECT_EQ(game.tradeInitiator, 2);
    ASSERT_EQ(game.initiatorMortgagedCount, 2);
    EXPECT_EQ(game.initiatorMortgaged[0], 26);  // collected from 27 down
    EXPECT_EQ(game.initiatorMortgaged[1], 3);
    EXPECT_TRUE(game.bankrupt[1]);
    EXPECT_EQ(game.lastBankrupt, 1);
    EXPECT_EQ(game.lastCreditor, 2);
    EXPECT_EQ(game.bankruptTimer, 100);
}

TEST_F(BankruptcyRules, ToTheBankEverythingVanishes) {
    game.middleOption = 0;
    giveProperty(1, 3, -1);
    giveProperty(1, 20, 2);
    game.jailCardHolder[1] = 1;
    declareBankrupt(1, middleCreditor);  // the middle is off: the bank takes it
    EXPECT_EQ(game.lastCreditor, bankOwner);
    EXPECT_EQ(game.middlePot, 0);
    EXPECT_EQ(game.owner[20], bankOwner);
    EXPECT_EQ(game.houses[20], 0);
    EXPECT_EQ(game.houses[3], 0);
    EXPECT_EQ(game.jailCardHolder[1], bankOwner);
    EXPECT_EQ(game.money[1], 0);
    expectValid();
}

TEST_F(BankruptcyRules, ToTheMiddleSellsTheAssetsIntoThePot) {
    game.middleOption = 2;
    game.middlePot = 500;
    game.money[1] = 35;
    giveProperty(1, 3, -1);   // mortgaged: nothing
    giveProperty(1, 20, 2);   // 175 + 2 x 100
    giveProperty(1, 22);      // 100
    declareBankrupt(1, middleCreditor);
    EXPECT_EQ(game.middlePot, 500 + 35 + 375 + 100);
    EXPECT_EQ(game.lastCreditor, middleCreditor);
    EXPECT_EQ(game.owner[20], bankOwner);
    expectValid();
}

TEST_F(BankruptcyRules, NegativeCashIsNotPassedOnAndAnOpenDebtStateCloses) {
    game.money[1] = -80;
    checkDebt(1);
    declareBankrupt(1, 2);
    EXPECT_EQ(game.money[2], 1500);
    EXPECT_EQ(game.money[1], 0);
    EXPECT_FALSE(game.inDebt);

    startTestGame(3);
    game.middleOption = 1;
    game.money[1] = -80;
    giveProperty(1, 0);
    declareBankrupt(1, middleCreditor);
    EXPECT_EQ(game.middlePot, 30);
    expectValid();
}

TEST_F(GameEndRules, LastButOneBankruptcyEndsTheGameEvenWithDoublesPending) {
    startTestGame(2);
    game.currentPlayer = 1;
    game.doublesCount = 1;
    declareBankrupt(0, 1);
    afterBankruptcyNotice();
    EXPECT_TRUE(game.gameOver);
    EXPECT_EQ(game.winner, 1);
}

TEST_F(GameEndRules, TheTurnGoesOnAfterABankruptcy) {
    // The mover went bankrupt: the next seat plays.
    game.currentPlayer = 1;
    declareBankrupt(1, 0);
    afterBankruptcyNotice();
    EXPECT_FALSE(game.gameOver);
    EXPECT_EQ(game.currentPlayer, 2);
    EXPECT_EQ(game.winner, 2);  // the highest seat still playing

    // Another seat went bankrupt during a turn with doubles pending: the mover rolls again.
    startTestGame(4);
    game.currentPlayer = 1;
    game.doublesCount = 1;
    game.position[1] = 22;
    declareBankrupt(3, 1);
    afterBankruptcyNotice();
    EXPECT_EQ(game.currentPlayer, 1);
    EXPECT_EQ(game.boardCursor, 22);
    EXPECT_EQ(game.winner, 2);
    EXPECT_FALSE(game.gameOver);
}

}  // namespace

// A computer that bought at auction with doubles pending rolls again: the last notice must
// wake it, since the auction had zeroed its delay.
TEST(NoticeQueue, LastNoticeWakesAComputerRollingAgain) {
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
