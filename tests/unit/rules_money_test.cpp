// Net worth, fees, taxes, the notice queue, the debt state, bankruptcy and the game's end.
#include <gtest/gtest.h>

#include <cstring>
#include <utility>

#include "game/rules.h"
#include "game/stats.h"
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

TEST_F(MoneyRules, NetWorthFeesAndTheDebtState) {
    game.money[0] = 40;
    giveProperty(0, 0);
    giveProperty(0, 1, 2);    // 30 + 2 x 25
    giveProperty(0, 21, 5);   // hotel: 200 + 5 x 100
    giveProperty(0, 26, -1);  // mortgaged: nothing
    EXPECT_EQ(netWorth(0), 850);

    game.middleOption = 1;
    EXPECT_TRUE(chargeFee(1, 150, "taxes", middleCreditor));
    EXPECT_EQ(game.money[1], 1350);
    game.middleOption = 0;  // with the middle off a fee leaves play
    EXPECT_TRUE(chargeFee(1, 50, nullptr, middleCreditor));
    EXPECT_EQ(game.money[1], 1300);
    EXPECT_EQ(game.middlePot, 150);

    game.money[1] = 50;  // paid to exactly nothing: no debt
    EXPECT_TRUE(chargeFee(1, 50, nullptr, middleCreditor));
    EXPECT_FALSE(game.inDebt);

    game.money[2] = 20;
    giveProperty(2, 5);  // worth 70: a fee of 75 is paid into debt
    EXPECT_TRUE(chargeFee(2, 75, "taxes", middleCreditor));
    EXPECT_EQ(game.money[2], -55);
    EXPECT_TRUE(game.inDebt);
    EXPECT_EQ(game.menuIndex, KindMortgage);
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
    }
}

// Guards writes past the notice queue: long reasons, slots beyond it, a full queue.
TEST_F(MoneyRules, QueueStaysInsideItsEightSlots) {
    writeNotice(0, 2, 10, "a reason that is far longer than the fifty bytes the slot holds");
    EXPECT_EQ(std::strlen(game.noticeReason[0]), 49u);
    writeNotice(noticeSlots + 3, 1, 99, "late");
    EXPECT_EQ(game.noticeAmount[noticeSlots - 1], 99);
    for (int i = 0; i < noticeSlots; ++i) writeNotice(i, i % 3, i + 1, "fee");
    for (int i = 0; i < noticeSlots; ++i) {
        EXPECT_EQ(game.noticeAmount[0], i + 1);  // each once, the last slot included
        dismissNotice();
    }
    EXPECT_EQ(game.noticeTimer, 0);
}

// Guards the last notice not waking a computer that bought at auction and rolls again.
TEST_F(MoneyRules, LastNoticeKeepsDoublesAndWakesAComputer) {
    startTestGame(1, 1);
    game.currentPlayer = 1;
    game.position[1] = 5;
    game.doublesCount = 1;
    game.computerDelay = 0;
    writeNotice(0, 1, 200, "Fenwick ");
    game.endTurnAfterNotice = true;
    dismissNotice();
    EXPECT_EQ(game.currentPlayer, 1);
    EXPECT_EQ(game.boardCursor, 5);
    EXPECT_EQ(game.computerDelay, computerThinkTicks);
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
        EXPECT_EQ(game.initiatorMortgagedCount, seat ? 2 : 0);  // a new owner is asked about each mortgage
        EXPECT_TRUE(stateIsValid());
    }
}

// A bankrupt seat's cash is passed on as it stands, negative or not, with its assets: a debt
// of 80 against a $30 deed leaves the middle 50 poorer, the creditor seat 80 poorer. The debtor's
// open debt state closes back to the board, or moves on to the next seat in debt.
// Fault: negative cash was dropped, so the middle or the creditor gained money from nothing.
TEST_F(MoneyRules, NegativeCashIsPassedOnAndTheDebtStateClosesToTheBoard) {
    const struct {
        int creditor, cash, creditorCash, screen;
        bool thirdSeatInDebt;
    } cases[] = {
        {2, -80, 1420, Board, false},
        {middleCreditor, -80, 1500, Board, false},
        {middleCreditor, 40, 1500, AssetMenu, true},
        {bankOwner, -80, 1500, Board, false},
    };
    for (const auto& c : cases) {
        startTestGame(3);
        game.middleOption = 1;
        game.middlePot = 100;
        game.money[1] = c.cash;
        giveProperty(1, 0);
        if (c.thirdSeatInDebt) game.money[0] = -5;
        openDebtState(1);
        declareBankrupt(1, c.creditor);
        const int potAfter = c.creditor == middleCreditor ? 100 + c.cash + mortgageValue(0) : 100;
        EXPECT_EQ(game.middlePot, potAfter) << c.creditor << " " << c.cash;
        EXPECT_EQ(game.money[2], c.creditorCash) << c.creditor;
        EXPECT_EQ(game.screen, c.screen) << c.creditor << " " << c.cash;
        EXPECT_EQ(game.inDebt, c.thirdSeatInDebt);
        EXPECT_EQ(game.menuPlayer, c.thirdSeatInDebt ? 0 : 1);
        EXPECT_TRUE(stateIsValid());
    }
    // A debtor still short keeps the debt state even with a lower seat in debt too.
    startTestGame(3);
    game.money[0] = -10, game.money[1] = -20;
    openDebtState(1);
    leaveDebtState();
    EXPECT_EQ(std::make_pair(game.menuPlayer, game.inDebt), std::make_pair(1, true));
}

TEST_F(MoneyRules, GameEndsAtTheLastButOneBankruptcyOtherwiseTheTurnGoesOn) {
    const struct {
        int seats, mover, doubles, debtor, next;
        bool over;
    } cases[] = {{2, 1, 1, 0, 1, true},    // the winner is the last seat left
                 {3, 1, 0, 1, 2, false},   // the mover went bankrupt: the next seat plays
                 {4, 1, 1, 3, 1, false}};  // another seat did, doubles pending: the mover rolls again
    for (const auto& c : cases) {
        startTestGame(c.seats);
        game.currentPlayer = c.mover;
        game.doublesCount = c.doubles;
        declareBankrupt(c.debtor, c.debtor == 0 ? 1 : 0);
        afterBankruptcyNotice();
        EXPECT_EQ(game.gameOver, c.over) << c.seats;
        EXPECT_EQ(c.over ? game.winner : game.currentPlayer, c.next) << c.seats;
    }
}

}  // namespace

namespace {

// Rent exactly equal to the payer's net worth is paid (into the debt state), one dollar more
// bankrupts; the auction's countdown is back at rest once it is sold.
TEST_F(MoneyRules, RentEqualToNetWorthIsPaidAndMoreBankrupts) {
    for (const int spare : {0, -1}) {
        startTestGame(3);
        giveProperty(1, 0);  // rent 2 with nothing built
        giveProperty(0, 1);  // the payer's only asset: mortgage value 30
        game.money[0] = -28 + spare;
        landOn(propertySquare[0]);
        EXPECT_EQ(game.bankrupt[0], spare < 0) << spare;
        if (spare == 0) {
            EXPECT_EQ(game.money[0], -30);
            EXPECT_TRUE(game.inDebt);
        }
    }
}

TEST_F(MoneyRules, HoldingsCountPropertiesMortgagesHousesAndHotels) {
    giveGroup(1, 1, 2, 5, 0);
    giveProperty(1, 22, -1);
    const Holdings h = holdingsOf(1);
    EXPECT_EQ(h.owned, 4);
    EXPECT_EQ(h.mortgaged, 1);
    EXPECT_EQ(h.houses, 2);
    EXPECT_EQ(h.hotels, 1);
}

}  // namespace
