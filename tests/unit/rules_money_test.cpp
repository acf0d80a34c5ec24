// Net worth, fees, taxes, the notice queue, the debt state, bankruptcy and the game's end, and
// money conserved by whatever only moves it between seats and the middle.
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <vector>

#include "game/rules.h"
#include "game/stats.h"
#include "game/tables.h"
#include "support/fixtures.h"

namespace {

using V = std::vector<int>;

class MoneyRules : public ::testing::Test {
protected:
    void SetUp() override { startTestGame(3); }
};

// Net worth counts cash, mortgage values and half the house cost per building (40 + 30, 30 + 2 x 25,
// 70 + 50, 200 + 5 x 100; a mortgaged deed nothing). A fee goes into the pot while the middle is on;
// paid to exactly nothing it opens no debt; within net worth it is paid into debt, the debt menu
// opening on Confirm. The debt state passes to the next seat in debt, and is held until the cash is back.
TEST_F(MoneyRules, NetWorthFeesAndTheDebtState) {
    giveProperty(0, 0), giveProperty(0, 1, 2), giveProperty(0, 5, 1), giveProperty(0, 21, 5);
    giveProperty(0, 26, -1), game.money[0] = 40, game.middleOption = 1;
    EXPECT_EQ((V{netWorth(0), netWorth(bankOwner)}), (V{970, 0}));
    EXPECT_TRUE(chargeFee(1, 150, "taxes", middleCreditor));
    game.middleOption = 0;
    EXPECT_TRUE(chargeFee(1, 50, nullptr, middleCreditor));
    EXPECT_EQ((V{game.money[1], game.middlePot, game.noticeAmount[0]}), (V{1300, 150, 150}));
    game.money[1] = 50, game.money[2] = 20, giveProperty(2, 5);
    EXPECT_TRUE(chargeFee(1, 50, nullptr, middleCreditor) && !game.inDebt);
    EXPECT_TRUE(chargeFee(2, 70, "taxes", middleCreditor));
    EXPECT_EQ((V{game.money[2], game.inDebt, game.screen, game.menuIndex, game.assetCursor, game.menuPlayer}),
              (V{-50, 1, AssetMenu, KindMortgage, CursorConfirm, 2}));
    game.money[0] = -30;
    checkDebt(0);  // the menu goes to seat 0; seat 2 stays in debt
    V steps;
    for (int cash : {0, -1, 10}) {
        game.money[game.menuPlayer] = cash;
        leaveDebtState();
        steps.insert(steps.end(), {game.menuPlayer, game.inDebt});
    }
    EXPECT_EQ(steps, (V{2, 1, 2, 1, 2, 0}));  // seat 0 clears, seat 2 is still short, then clears
}

// Income tax: 200, or 10% of net worth (10% of 1549 + 50 is 159); beyond it, bankruptcy.
TEST_F(MoneyRules, IncomeTax) {
    const std::array<int, 3> cases[] = {{1549, 0, 1549 - 159}, {1500, 1, 1300}, {149, 1, 0}};
    for (const auto& [cash, flat, after] : cases) {
        startTestGame(3);
        game.money[0] = cash, game.taxPromptOpen = true, game.promptYes = flat, giveProperty(0, 2);
        payIncomeTax();
        EXPECT_EQ((V{game.money[0], game.bankrupt[0], game.endTurnAfterNotice, game.taxPromptOpen}),
                  (V{after, after == 0, after != 0, 0}));
    }
}

// Slots beyond the queue and a full queue all stay inside the eight slots, each notice
// shown once. The last notice hands the turn on, or keeps it with doubles pending.
TEST_F(MoneyRules, NoticeQueue) {
    writeNotice(noticeSlots + 3, 1, 99, "late");
    EXPECT_EQ(game.noticeAmount[noticeSlots - 1], 99);
    for (int i = 0; i < noticeSlots; ++i) writeNotice(i, i % 3, i + 1, "fee");
    for (int i = 0; i < noticeSlots; ++i, dismissNotice())
        EXPECT_EQ((V{game.noticeAmount[0], game.noticePlayer[0], game.noticeTimer}),
                  (V{i + 1, i % 3, noticeTicks}));
    EXPECT_EQ(game.noticeTimer, 0);
    for (int doubles = 0; doubles <= 1; ++doubles) {
        startTestGame(1, 2);
        game.currentPlayer = 1, game.position[1] = 5, game.doublesCount = doubles, game.noticeIndex = 1;
        writeNotice(0, 1, 200, "Fenwick "), game.endTurnAfterNotice = true, dismissNotice();
        EXPECT_EQ((V{game.currentPlayer, game.boardCursor, game.noticeIndex, game.endTurnAfterNotice}),
                  (V{doubles ? 1 : 2, doubles ? 5 : 0, 0, 0}));
    }
}

// Bankruptcy of seat 1 (deeds: a plain one worth 30, one with two houses worth 175 + 2 x 100, two
// mortgaged; a jail card; cash as given, with the pot at 100). Its cash is passed on as it stands,
// negative or not: never money from nothing. To a seat everything passes as it is, the mortgaged
// deeds queued for the lift question, highest first; to the middle the cash and the deeds' value go
// into the pot and the deeds to the bank; to the bank the buildings and mortgages vanish. The open
// debt state closes back to the board, or moves on to the next seat in debt; a debtor still short
// keeps it even with a lower seat in debt too. Rows: creditor, cash, a third seat in debt; then the
// pot, seat 2's cash, deed 20's owner and houses, deed 3's houses, the jail card's holder, the
// recorded creditor, the lift questions queued and the first, the screen, debt, the menu's seat.
TEST_F(MoneyRules, BankruptcyPassesCashAndDeedsOnAndClosesTheDebtState) {
    const struct {
        int creditor, cash, third;
        V expected;
    } cases[] = {
        {2, -80, 0, {100, 1420, 2, 2, -1, 2, 2, 2, 26, Board, 0, 1}},
        {middleCreditor, -80, 0, {425, 1500, 16, 0, 0, 16, 15, 0, 0, Board, 0, 1}},
        {middleCreditor, 40, 1, {545, 1500, 16, 0, 0, 16, 15, 0, 0, AssetMenu, 1, 0}},
        {bankOwner, -80, 0, {100, 1500, 16, 0, 0, 16, 16, 0, 0, Board, 0, 1}},
    };
    for (const auto& c : cases) {
        startTestGame(3);
        game.middleOption = 1, game.middlePot = 100, game.money[1] = c.cash, game.money[0] = c.third ? -5 : 0;
        giveProperty(1, 0), giveProperty(1, 3, -1), giveProperty(1, 20, 2), giveProperty(1, 26, -1);
        game.jailCardHolder[0] = 1, openDebtState(1), declareBankrupt(1, c.creditor);
        EXPECT_EQ((V{game.middlePot, game.money[2], game.owner[20], game.houses[20], game.houses[3],
                     game.jailCardHolder[0], game.lastCreditor, game.initiatorMortgagedCount,
                     game.initiatorMortgaged[0], game.screen, game.inDebt, game.menuPlayer}),
                  c.expected);
        EXPECT_TRUE(game.money[1] == 0 && game.bankrupt[1] && stateIsValid());
    }
    game.money[0] = -10, game.money[1] = -20;
    openDebtState(1);
    leaveDebtState();
    EXPECT_EQ((V{game.menuPlayer, game.inDebt}), (V{1, 1}));
}

// After the bankruptcy notice: the game ends at the last-but-one bankruptcy (the highest seat left
// wins), else the turn goes on; a bankrupt mover passes the turn even with doubles pending. Rows:
// seats, mover, doubles, debtor, seat 1 already out, the winner or the next seat, game over.
TEST_F(MoneyRules, GameEndsAtTheLastButOneBankruptcyOtherwiseTheTurnGoesOn) {
    const std::array<int, 7> cases[] = {
        {2, 1, 1, 0, 0, 1, 1}, {3, 0, 0, 2, 1, 0, 1}, {3, 1, 1, 1, 0, 2, 0}, {4, 1, 1, 3, 0, 1, 0}};
    for (const auto& [seats, mover, doubles, debtor, out, next, over] : cases) {
        startTestGame(seats);
        game.bankrupt[1] = out, game.money[1] = out ? 0 : 1500, game.currentPlayer = mover,
        game.doublesCount = doubles;
        declareBankrupt(debtor, debtor == 0 ? 1 : 0);
        afterBankruptcyNotice();
        EXPECT_EQ((V{game.bankruptTimer, game.lastBankrupt, game.gameOver,
                     over ? game.winner : game.currentPlayer}),
                  (V{bankruptNoticeTicks, debtor, over, next}));
    }
    giveGroup(1, 1, 1, 5, 3), giveProperty(1, 22, -1);  // the statistics' count of a seat's holdings
    const Holdings h = holdingsOf(1);
    EXPECT_EQ((V{h.owned, h.mortgaged, h.houses, h.hotels}), (V{4, 1, 4, 1}));
    game.bankrupt[0] = true;  // a seat out before the history began is out at turn 0
    resetStats(false);
    EXPECT_EQ((V{stats.seat[0].outAtTurn, stats.seat[1].outAtTurn}), (V{0, -1}));
}

// Money is conserved by whatever only moves it between seats and the middle: rent (into debt, or a
// bankruptcy to the owner that passes on cash of either sign), the luxury tax into the middle while
// it is on, and free parking paying the pot out. Random landings over seeded deals; after every step
// the invariants hold and the seats' cash plus the pot is unchanged. (A bankruptcy to the middle
// brings the deeds' value in, so the tax is only charged to a seat that can cover it.)
TEST(AccountingRules, MoneyMovedBetweenSeatsAndTheMiddleIsConserved) {
    std::mt19937 rng(2024);
    const auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    int games = 0, bankruptcies = 0;
    for (int step = 0; step < 12000 && !testing::Test::HasFatalFailure(); ++step) {
        if (step == 0 || game.gameOver) {
            startTestGame(4), ++games, game.middleOption = 1;
            for (int p = 0; p < propertyCount; ++p)
                if (pick(3) > 0) giveProperty(pick(4), p, isStreet(p) ? pick(7) - 1 : -pick(2));
            for (int s = 0; s < 4; ++s) game.money[s] = 50 + pick(600);
        }
        const long long before = totalMoney();
        int seat = pick(4), square = pick(4) ? propertySquare[pick(28)] : 20 + 18 * pick(2);
        while (game.bankrupt[seat]) seat = (seat + 1) % 4;
        game.dice[0] = pick(6), game.dice[1] = pick(6);
        if (square != 38 || netWorth(seat) >= luxuryTax) landOn(square, seat);
        if (game.bankruptTimer > 0) ++bankruptcies, game.bankruptTimer = 0, afterBankruptcyNotice();
        ASSERT_TRUE(stateIsValid()) << "step " << step;
        ASSERT_EQ(totalMoney(), before) << "step " << step;
    }
    EXPECT_TRUE(games > 10 && bankruptcies > 30);  // the play must really reach the endings it checks
}

}  // namespace
