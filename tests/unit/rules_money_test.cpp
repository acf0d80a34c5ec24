// Net worth, fees, taxes, the notice queue, the debt state, bankruptcy and the game's end.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <initializer_list>
#include <vector>

#include "game/rules.h"
#include "game/stats.h"
#include "game/tables.h"
#include "support/fixtures.h"

namespace {

// Hands out deeds: {seat, property, buildings (-1 mortgaged)} each.
void deeds(std::initializer_list<std::array<int, 3>> list) {
    for (const auto& [seat, property, houses] : list) giveProperty(seat, property, houses);
}

using V = std::vector<int>;

class MoneyRules : public ::testing::Test {
protected:
    void SetUp() override { startTestGame(3); }
};

TEST_F(MoneyRules, NetWorthFeesAndTheDebtState) {
    game.money[0] = 40;
    // 30 + 2 x 25
    // 70 + 50
    // hotel: 200 + 5 x 100
    // mortgaged: nothing
    deeds({{0, 0, 0}, {0, 1, 2}, {0, 5, 1}, {0, 21, 5}, {0, 26, -1}});
    EXPECT_EQ((V{netWorth(0), netWorth(bankOwner)}), (V{970, 0}));
    game.middleOption = 1;
    EXPECT_TRUE(chargeFee(1, 150, "taxes", middleCreditor));
    game.middleOption = 0;  // with the middle off a fee leaves play
    EXPECT_TRUE(chargeFee(1, 50, nullptr, middleCreditor));
    EXPECT_EQ((V{game.money[1], game.middlePot, game.noticeAmount[0]}), (V{1300, 150, 150}));
    game.money[1] = 50;  // paid to exactly nothing: no debt
    EXPECT_TRUE(chargeFee(1, 50, nullptr, middleCreditor));
    EXPECT_FALSE(game.inDebt);
    game.money[2] = 20;
    giveProperty(2, 5);  // worth 70: a fee of 70 is paid into debt, the debt menu opens on Confirm
    EXPECT_TRUE(chargeFee(2, 70, "taxes", middleCreditor));
    EXPECT_EQ((V{game.money[2], game.inDebt, game.screen, game.menuIndex, game.assetCursor, game.menuPlayer}),
              (V{-50, 1, AssetMenu, KindMortgage, CursorConfirm, 2}));
    game.money[0] = -30;
    checkDebt(0);  // queued behind seat 2
    game.money[2] = 0;
    leaveDebtState();
    EXPECT_EQ((V{game.menuPlayer, game.inDebt}), (V{0, 1}));
    leaveDebtState();
    EXPECT_TRUE(game.inDebt);  // held until the cash is back
    game.money[0] = 10;
    leaveDebtState();
    EXPECT_EQ((V{game.menuPlayer, game.inDebt}), (V{0, 0}));
}

// Luxury tax beyond net worth: cash and the deed's mortgage value go to the middle while it is on.
TEST_F(MoneyRules, LuxuryTaxBankruptcyFeedsTheMiddleOrTheBank) {
    for (const auto& [option, potAfter, creditor] :
         {std::array{0, 0, int(bankOwner)}, {1, 70, middleCreditor}, {2, 570, middleCreditor}}) {
        startTestGame(3);
        game.middleOption = option;
        game.middlePot = option == 2 ? 500 : 0;
        game.money[0] = 40;
        giveProperty(0, 0);
        landOn(38);
        EXPECT_EQ(
            (V{game.bankrupt[0], game.owner[0], game.middlePot, game.lastCreditor, game.endTurnAfterNotice}),
            (V{1, bankOwner, potAfter, creditor, 0}));
        EXPECT_TRUE(stateIsValid());
    }
}

// Income tax: 200, or 10% of net worth (50 of it a deed: 10% of 1599 is 159); beyond it, bankruptcy.
TEST_F(MoneyRules, IncomeTaxFlatOrTenPercent) {
    for (const auto& [cash, flat, after] : {std::array{1549, 0, 1549 - 159}, {1500, 1, 1300}, {149, 1, 0}}) {
        startTestGame(3);
        game.money[0] = cash;
        giveProperty(0, 2);
        game.taxPromptOpen = true;
        game.promptYes = flat;
        payIncomeTax();
        EXPECT_EQ((V{game.money[0], game.bankrupt[0], game.endTurnAfterNotice, game.taxPromptOpen}),
                  (V{after, after == 0, after != 0, 0}));
    }
}

// Long reasons, slots beyond the queue and a full queue all stay inside the eight slots.
TEST_F(MoneyRules, QueueStaysInsideItsEightSlots) {
    writeNotice(0, 2, 10, "a reason that is far longer than the fifty bytes the slot holds");
    EXPECT_EQ(std::strlen(game.noticeReason[0]), 49u);
    writeNotice(noticeSlots + 3, 1, 99, "late");
    EXPECT_EQ(game.noticeAmount[noticeSlots - 1], 99);
    for (int i = 0; i < noticeSlots; ++i) writeNotice(i, i % 3, i + 1, "fee");
    for (int i = 0; i < noticeSlots; ++i) {  // each once, the last slot included
        EXPECT_EQ((V{game.noticeAmount[0], game.noticePlayer[0], game.noticeTimer}),
                  (V{i + 1, i % 3, noticeTicks}));
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
        EXPECT_EQ((V{game.currentPlayer, game.boardCursor, game.computerDelay, game.noticeIndex,
                     game.endTurnAfterNotice}),
                  (V{doubles ? 1 : 2, doubles ? 5 : 0, computerThinkTicks, 0, 0}));
    }
}

// To a seat everything passes as it is (mortgaged deeds queued for the lift question, highest
// first); to the bank the buildings and mortgages vanish.
TEST_F(MoneyRules, BankruptcyToASeatHandsOverEverythingToTheBankNothing) {
    for (int creditor : {2, int(bankOwner)}) {
        startTestGame(3);
        game.money[1] = 35;
        deeds({{1, 3, -1}, {1, 20, 2}, {1, 26, -1}});
        game.jailCardHolder[0] = 1;
        declareBankrupt(1, creditor);
        const bool seat = creditor == 2;
        EXPECT_EQ((V{game.money[2], game.money[1], game.owner[20], game.houses[20], game.houses[3]}),
                  (V{seat ? 1535 : 1500, 0, creditor, seat ? 2 : 0, seat ? -1 : 0}));
        EXPECT_EQ((V{game.jailCardHolder[0], game.lastCreditor, game.tradeInitiator}),
                  (V{creditor, creditor, seat ? 2 : 0}));
        EXPECT_EQ((V{game.initiatorMortgagedCount, game.initiatorMortgaged[0]}), (seat ? V{2, 26} : V{0, 0}));
        EXPECT_TRUE(stateIsValid());
    }
}

// A bankrupt seat's cash is passed on as it stands, negative or not, with its assets: a debt
// of 80 against a $30 deed leaves the middle 50 poorer, the creditor seat 80 poorer, never
// money from nothing. The debtor's open debt state closes back to the board, or moves on to
// the next seat in debt. Rows: creditor, cash, creditor's cash, pot, screen, a third seat in debt.
TEST_F(MoneyRules, NegativeCashIsPassedOnAndTheDebtStateClosesToTheBoard) {
    for (const auto& [creditor, cash, creditorCash, pot, screen, third] :
         {std::array{2, -80, 1420, 100, int(Board), 0},
          {middleCreditor, -80, 1500, 50, Board, 0},
          {middleCreditor, 40, 1500, 170, AssetMenu, 1},
          {bankOwner, -80, 1500, 100, Board, 0}}) {
        startTestGame(3);
        game.middleOption = 1;
        game.middlePot = 100;
        game.money[1] = cash;
        giveProperty(1, 0);
        if (third) game.money[0] = -5;
        openDebtState(1);
        declareBankrupt(1, creditor);
        EXPECT_EQ((V{game.middlePot, game.money[2], game.screen, game.inDebt, game.menuPlayer}),
                  (V{pot, creditorCash, screen, third, third ? 0 : 1}))
            << creditor << " " << cash;
        EXPECT_TRUE(stateIsValid());
    }
    startTestGame(3);  // a debtor still short keeps the debt state even with a lower seat in debt too
    game.money[0] = -10, game.money[1] = -20;
    openDebtState(1);
    leaveDebtState();
    EXPECT_EQ((V{game.menuPlayer, game.inDebt}), (V{1, 1}));
}

// After the bankruptcy notice: the game ends at the last-but-one bankruptcy (the highest seat
// left wins), else the turn goes on; a bankrupt mover passes the turn even with doubles pending.
// Rows: seats, mover, doubles, debtor, seat 1 already out, the winner or the next seat, game over.
TEST_F(MoneyRules, GameEndsAtTheLastButOneBankruptcyOtherwiseTheTurnGoesOn) {
    for (const auto& [seats, mover, doubles, debtor, out, next, over] : {std::array{2, 1, 1, 0, 0, 1, 1},
                                                                         {3, 0, 0, 2, 1, 0, 1},
                                                                         {3, 1, 1, 1, 0, 2, 0},
                                                                         {4, 1, 1, 3, 0, 1, 0}}) {
        startTestGame(seats);
        if (out) game.bankrupt[1] = true, game.money[1] = 0;
        game.currentPlayer = mover;
        game.doublesCount = doubles;
        declareBankrupt(debtor, debtor == 0 ? 1 : 0);
        EXPECT_EQ((V{game.bankruptTimer, game.lastBankrupt}), (V{bankruptNoticeTicks, debtor}));
        afterBankruptcyNotice();
        EXPECT_EQ((V{game.gameOver, over ? game.winner : game.currentPlayer}), (V{over, next})) << seats;
    }
}

TEST_F(MoneyRules, HoldingsCountPropertiesMortgagesHousesAndHotels) {
    giveGroup(1, 1, 2, 5, 3);
    giveProperty(1, 22, -1);
    const Holdings h = holdingsOf(1);
    EXPECT_EQ((V{h.owned, h.mortgaged, h.houses, h.hotels}), (V{4, 1, 5, 1}));
}

}  // namespace
