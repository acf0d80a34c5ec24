// Leaving jail: by card, by fee, forced after two failed rolls, and the Leave Jail action.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <utility>

#include "game/random.h"
#include "game/rules.h"
#include "game/tables.h"
#include "support/fixtures.h"

namespace {

class JailRules : public ::testing::Test {
protected:
    void SetUp() override {
        game = GameState{};
        startTestGame(3);
    }
    void TearDown() override { setClock(nullptr); }
};

TEST_F(JailRules, HeldCardsAreUsedFirstDeckZeroFirst) {
    game.jailCardHolder[0] = game.jailCardHolder[1] = 1;
    putInJail(1, 1);
    releaseFromJail(1);
    EXPECT_EQ(game.position[1], jailSquare);
    EXPECT_EQ(game.jailTurns[1], 0);
    EXPECT_EQ(game.jailCardHolder[0], bankOwner);
    EXPECT_EQ(game.jailCardHolder[1], 1);
    putInJail(1);
    releaseFromJail(1);
    EXPECT_EQ(game.jailCardHolder[1], bankOwner);
    EXPECT_EQ(game.money[1], 1500);
    EXPECT_EQ(game.noticeTimer, 0);  // a card shows no notice
}

TEST_F(JailRules, FeeToThePotOrBankBeyondCashDebtBeyondNetWorthBankruptcy) {
    for (int option = 0; option <= 1; ++option)
        for (int cash : {1500, 30}) {  // the fee goes to the pot or the bank, and so does a bankrupt seat
            startTestGame(3);
            game.middleOption = option;
            game.money[2] = cash;
            putInJail(2);
            releaseFromJail(2);
            EXPECT_EQ(game.bankrupt[2], cash < 50);
            EXPECT_EQ(game.money[2], cash < 50 ? 0 : 1450);
            EXPECT_EQ(game.middlePot, option == 1 ? std::min(cash, 50) : 0);
            if (cash > 50) {
                EXPECT_STREQ(game.noticeReason[0], "getting out of Jail");
            }
            if (cash < 50) {
                EXPECT_EQ(game.lastCreditor, option == 1 ? middleCreditor : bankOwner);
            }
        }
    startTestGame(3);
    game.money[0] = 20;
    giveProperty(0, 0);
    putInJail(0);
    game.menuIndex = 4;
    leaveJail();
    EXPECT_EQ(game.money[0], -30);
    EXPECT_TRUE(game.inDebt);
    EXPECT_EQ(game.menuIndex, KindMortgage);  // the debt menu, not the bar's Roll
    EXPECT_EQ(game.position[0], jailSquare);
}

// Guards leaveJail charging or moving a seat that is not in jail.
TEST_F(JailRules, LeaveJailReturnsTheBarToRollAndIgnoresAFreeSeat) {
    putInJail(0, 1);
    game.menuIndex = 4;
    leaveJail();
    EXPECT_EQ(game.position[0], jailSquare);
    EXPECT_EQ(game.menuIndex, 0);
    EXPECT_EQ(game.money[0], 1450);
    game.position[0] = 23;
    game.menuIndex = 4;
    leaveJail();
    EXPECT_EQ(game.position[0], 23);
    EXPECT_EQ(game.money[0], 1450);
    EXPECT_EQ(game.menuIndex, 0);
}

TEST_F(JailRules, TwoFailedRollsForceTheReleaseAtTheNextTurn) {
    putInJail(1, 1);
    game.currentPlayer = 1;
    rollWith(0, 3);
    EXPECT_EQ(game.jailTurns[1], 2);
    runBoardSteps();
    EXPECT_EQ(game.currentPlayer, 2);
    EXPECT_EQ(game.position[1], jailCell);
    game.currentPlayer = 0;
    nextTurn();
    EXPECT_EQ(game.currentPlayer, 1);
    EXPECT_EQ(game.position[1], jailSquare);
    EXPECT_EQ(game.money[1], 1450);
    EXPECT_EQ(game.noticeTimer, 100);  // shown before the seat rolls
    EXPECT_EQ(game.boardCursor, jailSquare);
    EXPECT_TRUE(stateIsValid());

    startTestGame(3);
    putInJail(1, 1);  // one failed roll: not released
    nextTurn();
    EXPECT_EQ(game.position[1], jailCell);

    startTestGame(3);
    game.money[1] = 10;
    putInJail(1, 2);
    nextTurn();  // the forced fee bankrupts: the notice hands the turn on
    EXPECT_TRUE(game.bankrupt[1]);
    EXPECT_EQ(game.bankruptTimer, 100);
    afterBankruptcyNotice();
    EXPECT_EQ(game.currentPlayer, 2);
}

// A move that passes GO and lands without a notice of its own hands the turn at once to a seat
// whose forced release charges the fee: both notices are shown, the salary's first.
// Fault: the fee notice was written into slot 0 over "passing GO".
TEST_F(JailRules, ForcedReleaseFeeNoticeQueuesBehindPassingGo) {
    for (int from : {37, 38}) {  // a roll of 3 onto GO, or onto seat 0's own property
        startTestGame(3);
        giveProperty(0, 0);
        putInJail(1, 2);
        game.position[0] = from;
        rollWith(0, 1);
        runBoardSteps();
        ASSERT_EQ(std::make_tuple(game.currentPlayer, game.position[1]), std::make_tuple(1, jailSquare))
            << from;
        EXPECT_STREQ(game.noticeReason[0], "passing GO");
        EXPECT_EQ(game.noticeAmount[0], -goSalary);
        EXPECT_STREQ(game.noticeReason[1], "getting out of Jail");
        EXPECT_EQ(std::make_tuple(game.noticePlayer[1], game.noticeAmount[1]), std::make_tuple(1, jailFee));
        dismissNotice();
        EXPECT_STREQ(game.noticeReason[0], "getting out of Jail");
    }
    for (const auto& [queued, slot] : {std::pair<int, int>{7, 7}, {8, 7}}) {  // a full queue keeps its end
        startTestGame(3);
        for (int k = 0; k < queued; ++k) writeNotice(k, 0, 10 + k, "queued");
        putInJail(1, 2);
        releaseFromJail(1);
        EXPECT_EQ(game.noticeAmount[slot], jailFee) << queued;
        EXPECT_EQ(game.noticeAmount[6], 16) << queued;
    }
}

}  // namespace
