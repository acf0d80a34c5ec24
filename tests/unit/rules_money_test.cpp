// Net worth, fees, taxes, the notice queue, the debt state, bankruptcy and the game's end.
#include <gtest/gtest.h>

#include <cstring>

#include "game/rules.h"
#include "game/stats.h"
#include "game/tables.h"
#include "support/fixtures.h"

namespace {

class MoneyRules : public ::testing::Test {
protected:
    void SetUp() override { startTestGame(3); }
};

TEST_F(MoneyRules, NetWorthFeesAndTheDebtState) {
    game.money[0] = 40;
    giveProperty(0, 0);
    giveProperty(0, 1, 2);    // 30 + 2 x 25
    giveProperty(0, 21, 5);   // hotel: 200 + 5 x 100
    giveProperty(0, 26, -1);  // mortgaged: nothing
    giveProperty(0, 5, 1);    // 70 + 50
    EXPECT_EQ(netWorth(0), 970);
    EXPECT_EQ(netWorth(bankOwner), 0);

    game.middleOption = 1;
    EXPECT_TRUE(chargeFee(1, 150, "taxes", middleCreditor));
    EXPECT_EQ(game.money[1], 1350);
    EXPECT_EQ(game.noticeAmount[0], 150);
    game.middleOption = 0;  // with the middle off a fee leaves play
    EXPECT_TRUE(chargeFee(1, 50, nullptr, middleCreditor));
    EXPECT_EQ(game.money[1], 1300);
    EXPECT_EQ(game.middlePot, 150);

    game.money[1] = 50;  // paid to exactly nothing: no debt
    EXPECT_TRUE(chargeFee(1, 50, nullptr, middleCreditor));
    EXPECT_FALSE(game.inDebt);

    game.money[2] = 20;
    giveProperty(2, 5);  // worth 70: a fee of 70 is paid into debt
    EXPECT_TRUE(chargeFee(2, 70, "taxes", middleCreditor));
    EXPECT_EQ(game.money[2], -50);
    EXPECT_TRUE(game.inDebt);
    EXPECT_EQ(game.menuIndex, KindMortgage);
    EXPECT_EQ(game.assetCursor, CursorConfirm);
    EXPECT_EQ(game.menuPlayer, 2);
    game.money[0] = -30;
    checkDebt(0);  // queued behind seat 2
    game.money[2] = 0;
    leaveDebtState();
    EXPECT_EQ(game.menuPlayer, 0);
    leaveDebtState();
    EXPECT_TRUE(game.inDebt);  // held until the cash is back
    game.money[0] = 10;
    leaveDebtState();
    EXPECT_FALSE(game.inDebt);
    EXPECT_EQ(game.menuPlayer, 0);
}

// Luxury tax beyond net worth: cash and the property's mortgage value go to the middle while it is on.
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
        EXPECT_FALSE(game.endTurnAfterNotice);  // the bankruptcy notice hands the turn on
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
        EXPECT_EQ(game.bankrupt[0], c.after == 0);
        EXPECT_EQ(game.endTurnAfterNotice, c.after != 0);  // bankrupt: the turn waits for its notice
        EXPECT_FALSE(game.taxPromptOpen);
    }
}

// Long reasons, slots beyond the queue and a full queue all stay inside the eight slots.
TEST_F(MoneyRules, QueueStaysInsideItsEightSlots) {
    writeNotice(0, 2, 10, "a reason that is far longer than the fifty bytes the slot holds");
    EXPECT_EQ(std::strlen(game.noticeReason[0]), 49u);
    writeNotice(noticeSlots + 3, 1, 99, "late");
    EXPECT_EQ(game.noticeAmount[noticeSlots - 1], 99);
    for (int i = 0; i < noticeSlots; ++i) writeNotice(i, i % 3, i + 1, "fee");
    for (int i = 0; i < noticeSlots; ++i) {
        EXPECT_EQ(game.noticeAmount[0], i + 1);  // each once, the last slot included
        EXPECT_EQ(game.noticePlayer[0], i % 3);
        EXPECT_EQ(game.noticeTimer, noticeTicks);
        dismissNotice();
    }
    EXPECT_EQ(game.noticeTimer, 0);
}

// The last notice hands the turn on, or keeps it with doubles pending and wakes a computer
// that bought at auction (its delay was zeroed) to roll again.
TEST_F(MoneyRules, LastNoticeEndsTheTurnOrKeepsDoubles) {
    for (int doubles = 0; doubles <= 1; ++doubles) {
        startTestGame(1, 2);
        game.currentPlayer = 1;
        game.position[1] = 5;
        game.doublesCount = doubles;
        game.noticeIndex = 1;
        writeNotice(0, 1, 200, "Fenwick ");
        game.endTurnAfterNotice = true;
        dismissNotice();
        EXPECT_EQ(game.currentPlayer, doubles ? 1 : 2);
        EXPECT_EQ(game.boardCursor, doubles ? 5 : 0);
        EXPECT_EQ(game.computerDelay, computerThinkTicks);
        EXPECT_EQ(game.noticeIndex, 0);
        EXPECT_FALSE(game.endTurnAfterNotice);
    }
}

TEST_F(MoneyRules, BankruptcyToASeatHandsOverEverythingToTheBankNothing) {
    for (int creditor : {2, int(bankOwner)}) {
        startTestGame(3);
        game.money[1] = 35;
        giveProperty(1, 3, -1);
        giveProperty(1, 20, 2);
        giveProperty(1, 26, -1);
        game.jailCardHolder[0] = 1;
        declareBankrupt(1, creditor);
        const bool seat = creditor == 2;
        EXPECT_EQ(game.money[2], seat ? 1535 : 1500);
        EXPECT_EQ(game.money[1], 0);
        EXPECT_EQ(game.owner[20], creditor);
        EXPECT_EQ(game.houses[20] + game.houses[3], seat ? 1 : 0);  // the bank takes back the houses
        EXPECT_EQ(game.jailCardHolder[0], creditor);
        EXPECT_EQ(game.lastCreditor, creditor);
        EXPECT_EQ(game.tradeInitiator, seat ? 2 : 0);
        EXPECT_EQ(game.initiatorMortgagedCount, seat ? 2 : 0);  // a new owner is asked about each mortgage
        EXPECT_EQ(game.initiatorMortgaged[0], seat ? 26 : 0);   // from the highest property down
        EXPECT_TRUE(stateIsValid());
    }
}

// A bankrupt seat's cash is passed on as it stands, negative or not, with its assets: a debt
// of 80 against a $30 deed leaves the middle 50 poorer, the creditor seat 80 poorer, never
// money from nothing. The debtor's open debt state closes back to the board, or moves on to
// the next seat in debt.
TEST_F(MoneyRules, NegativeCashIsPassedOnAndTheDebtStateClosesToTheBoard) {
    const struct {
        int creditor, cash, creditorCash, pot, screen;
        bool thirdSeatInDebt;
    } cases[] = {
        {2, -80, 1420, 100, Board, false},
        {middleCreditor, -80, 1500, 50, Board, false},
        {middleCreditor, 40, 1500, 170, AssetMenu, true},
        {bankOwner, -80, 1500, 100, Board, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.creditor << " " << c.cash);
        startTestGame(3);
        game.middleOption = 1;
        game.middlePot = 100;
        game.money[1] = c.cash;
        giveProperty(1, 0);
        if (c.thirdSeatInDebt) game.money[0] = -5;
        openDebtState(1);
        declareBankrupt(1, c.creditor);
        EXPECT_EQ(game.middlePot, c.pot);
        EXPECT_EQ(game.money[2], c.creditorCash);
        EXPECT_EQ(game.screen, c.screen);
        EXPECT_EQ(game.inDebt, c.thirdSeatInDebt);
        EXPECT_EQ(game.menuPlayer, c.thirdSeatInDebt ? 0 : 1);
        EXPECT_TRUE(stateIsValid());
    }
    // A debtor still short keeps the debt state even with a lower seat in debt too.
    startTestGame(3);
    game.money[0] = -10, game.money[1] = -20;
    openDebtState(1);
    leaveDebtState();
    EXPECT_EQ(game.menuPlayer, 1);
    EXPECT_TRUE(game.inDebt);
}

// After the bankruptcy notice: the game ends at the last-but-one bankruptcy, else the turn goes
// on; a bankrupt mover passes the turn even with doubles pending.
TEST_F(MoneyRules, GameEndsAtTheLastButOneBankruptcyOtherwiseTheTurnGoesOn) {
    const struct {
        int seats, mover, doubles, debtor, next;
        bool over;
    } cases[] = {{2, 1, 1, 0, 1, true},    // the winner is the last seat left
                 {3, 0, 0, 2, 0, true},    // seat 1 already out: seat 0 wins
                 {3, 1, 1, 1, 2, false},   // the mover went bankrupt, doubles or not
                 {4, 1, 1, 3, 1, false}};  // another seat did, doubles pending: the mover rolls again
    for (const auto& c : cases) {
        startTestGame(c.seats);
        if (c.seats == 3 && c.mover == 0) game.bankrupt[1] = true, game.money[1] = 0;
        game.currentPlayer = c.mover;
        game.doublesCount = c.doubles;
        declareBankrupt(c.debtor, c.debtor == 0 ? 1 : 0);
        EXPECT_EQ(game.bankruptTimer, bankruptNoticeTicks);
        EXPECT_EQ(game.lastBankrupt, c.debtor);
        afterBankruptcyNotice();
        EXPECT_EQ(game.gameOver, c.over) << c.seats;
        EXPECT_EQ(c.over ? game.winner : game.currentPlayer, c.next) << c.seats;
    }
}

TEST_F(MoneyRules, HoldingsCountPropertiesMortgagesHousesAndHotels) {
    giveGroup(1, 1, 2, 5, 3);
    giveProperty(1, 22, -1);
    const Holdings h = holdingsOf(1);
    EXPECT_EQ(h.owned, 4);
    EXPECT_EQ(h.mortgaged, 1);
    EXPECT_EQ(h.houses, 5);
    EXPECT_EQ(h.hotels, 1);
}

}  // namespace
