// Leaving jail: by card, by fee, forced after two failed rolls, and the Leave Jail action.
#include <gtest/gtest.h>

#include "game/invariants.h"
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

TEST_F(JailRules, DeckZerosCardIsUsedFirst) {
    game.jailCardHolder[0] = 1;
    game.jailCardHolder[1] = 1;
    putInJail(1, 1);
    releaseFromJail(1);
    EXPECT_EQ(game.position[1], jailSquare);
    EXPECT_EQ(game.jailTurns[1], 0);
    EXPECT_EQ(game.jailCardHolder[0], bankOwner);
    EXPECT_EQ(game.jailCardHolder[1], 1);
    EXPECT_EQ(game.money[1], 1500);
    EXPECT_EQ(game.noticeTimer, 0);
    putInJail(1);
    releaseFromJail(1);
    EXPECT_EQ(game.jailCardHolder[1], bankOwner);
    EXPECT_EQ(game.money[1], 1500);
}

TEST_F(JailRules, FeeGoesToThePotWithItsNoticeInSlotZero) {
    game.middleOption = 1;
    putInJail(0);
    releaseFromJail(0);
    EXPECT_EQ(game.money[0], 1450);
    EXPECT_EQ(game.middlePot, 50);
    EXPECT_EQ(game.noticePlayer[0], 0);
    EXPECT_EQ(game.noticeAmount[0], 50);
    EXPECT_STREQ(game.noticeReason[0], "getting out of Jail");
    EXPECT_EQ(game.noticeTimer, 100);

    startTestGame(3);
    putInJail(0);
    releaseFromJail(0);
    EXPECT_EQ(game.money[0], 1450);
    EXPECT_EQ(game.middlePot, 0);
}

TEST_F(JailRules, FeeBeyondNetWorthBankruptsToTheMiddle) {
    game.middleOption = 1;
    game.money[2] = 30;
    putInJail(2);
    releaseFromJail(2);
    EXPECT_TRUE(game.bankrupt[2]);
    EXPECT_EQ(game.lastCreditor, middleCreditor);
    EXPECT_EQ(game.middlePot, 30);
    EXPECT_EQ(game.noticeTimer, 0);

    startTestGame(3);
    game.money[2] = 30;
    putInJail(2);
    releaseFromJail(2);
    EXPECT_EQ(game.lastCreditor, bankOwner);
    EXPECT_EQ(game.middlePot, 0);
}

TEST_F(JailRules, FeeAboveCashOpensTheDebtStateAndKeepsTheMenuKind) {
    game.money[0] = 20;
    giveProperty(0, 0);
    putInJail(0);
    game.menuIndex = 4;
    leaveJail();
    EXPECT_EQ(game.money[0], -30);
    EXPECT_TRUE(game.inDebt);
    EXPECT_EQ(game.menuIndex, KindMortgage);
    EXPECT_EQ(game.position[0], jailSquare);
}

TEST_F(JailRules, LeaveJailMovesTheActionBarBackToRoll) {
    putInJail(0, 1);
    game.menuIndex = 4;
    leaveJail();
    EXPECT_EQ(game.position[0], jailSquare);
    EXPECT_EQ(game.menuIndex, 0);
    EXPECT_EQ(game.money[0], 1450);
    // A seat that is not in jail is neither moved nor charged.
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
    EXPECT_EQ(game.jailTurns[1], 0);
    EXPECT_EQ(game.money[1], 1450);
    EXPECT_EQ(game.noticeTimer, 100);  // shown before the seat rolls
    EXPECT_EQ(game.boardCursor, jailSquare);
    char why[120] = "";
    EXPECT_TRUE(checkInvariants(game, why, sizeof why)) << why;

    // A seat with one failed roll is not released.
    startTestGame(3);
    putInJail(1, 1);
    nextTurn();
    EXPECT_EQ(game.position[1], jailCell);
}

TEST_F(JailRules, ForcedReleaseThatBankruptsLeavesTheTurnToTheNotice) {
    game.money[1] = 10;
    putInJail(1, 2);
    nextTurn();
    EXPECT_TRUE(game.bankrupt[1]);
    EXPECT_EQ(game.bankruptTimer, 100);
    afterBankruptcyNotice();
    EXPECT_EQ(game.currentPlayer, 2);
}

}  // namespace
