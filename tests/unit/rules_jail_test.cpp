// Leaving jail: by card, by fee, forced after two failed rolls, and the Leave Jail action.
#include <gtest/gtest.h>

#include "game/random.h"
#include "game/rules.h"
#include "game/tables.h"
#include "support/fixtures.h"

namespace {

class JailRules : public ::testing::Test {
protected:
    void SetUp() override { startTestGame(3); }
    void TearDown() override { setClock(nullptr); }
};

TEST_F(JailRules, HeldCardsAreUsedFirstDeckZeroFirst) {
    game.jailCardHolder[0] = game.jailCardHolder[1] = 1;
    for (int deck = 0; deck < 2; ++deck) {
        putInJail(1, 1);
        releaseFromJail(1);
        EXPECT_EQ(game.position[1], jailSquare);
        EXPECT_EQ(game.jailTurns[1], 0);
        EXPECT_EQ(game.jailCardHolder[deck], bankOwner);
        EXPECT_EQ(game.jailCardHolder[1], deck == 0 ? 1 : bankOwner);
    }
    EXPECT_EQ(game.money[1], 1500);
    EXPECT_EQ(game.noticeTimer, 0);  // a card shows no notice
}

// The fee goes to the pot (or leaves play); beyond net worth the seat goes bankrupt to the middle.
TEST_F(JailRules, FeeIntoThePotOrBankruptcy) {
    for (int option = 0; option <= 1; ++option)
        for (int cash : {1500, 30}) {
            SCOPED_TRACE(testing::Message() << option << " " << cash);
            startTestGame(3);
            game.middleOption = option;
            game.money[2] = cash;
            putInJail(2);
            releaseFromJail(2);
            EXPECT_EQ(game.bankrupt[2], cash < 50);
            EXPECT_EQ(game.money[2], cash < 50 ? 0 : 1450);
            EXPECT_EQ(game.middlePot, option == 1 ? (cash < 50 ? cash : 50) : 0);
            EXPECT_STREQ(game.noticeReason[0], cash < 50 ? "" : "getting out of Jail");
            EXPECT_EQ(game.lastCreditor, cash > 50 ? 0 : option == 1 ? middleCreditor : bankOwner);
        }
}

// Leave Jail pays the fee and puts the bar back on Roll, or into debt with the debt menu
// showing; a seat not in jail is neither moved nor charged.
TEST_F(JailRules, LeaveJailAction) {
    const struct {
        int position, cash, property, money, menuIndex;
        bool debt;
    } cases[] = {{jailCell, 1500, -1, 1450, 0, false},
                 {23, 1500, -1, 1500, 0, false},
                 {jailCell, 20, 0, -30, KindMortgage, true}};
    for (const auto& c : cases) {
        startTestGame(3);
        game.position[0] = c.position;
        game.money[0] = c.cash;
        if (c.property >= 0) giveProperty(0, c.property);
        game.menuIndex = 4;
        leaveJail();
        EXPECT_EQ(game.position[0], c.position == jailCell ? jailSquare : c.position);
        EXPECT_EQ(game.money[0], c.money);
        EXPECT_EQ(game.menuIndex, c.menuIndex);
        EXPECT_EQ(game.inDebt, c.debt);
    }
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
    EXPECT_EQ(game.position[1], jailSquare);
    EXPECT_EQ(game.money[1], 1450);
    EXPECT_EQ(game.noticeTimer, noticeTicks);  // shown before the seat rolls
    EXPECT_EQ(game.boardCursor, jailSquare);

    startTestGame(3);
    putInJail(1, 1);  // one failed roll: not released
    nextTurn();
    EXPECT_EQ(game.position[1], jailCell);

    startTestGame(3);
    game.money[1] = 10;
    putInJail(1, 2);
    nextTurn();  // the forced fee bankrupts: the notice hands the turn on
    EXPECT_TRUE(game.bankrupt[1]);
    afterBankruptcyNotice();
    EXPECT_EQ(game.currentPlayer, 2);
}

// A move that passes GO and lands without a notice of its own hands the turn at once to a seat
// whose forced release charges the fee: both notices are shown, the salary's first.
TEST_F(JailRules, ForcedReleaseFeeNoticeQueuesBehindPassingGo) {
    for (int from : {37, 38}) {  // a roll of 3 onto GO, or onto seat 0's own property
        startTestGame(3);
        giveProperty(0, 0);
        putInJail(1, 2);
        game.position[0] = from;
        rollWith(0, 1);
        runBoardSteps();
        ASSERT_EQ(game.currentPlayer, 1) << from;
        ASSERT_EQ(game.position[1], jailSquare);
        EXPECT_STREQ(game.noticeReason[0], "passing GO");
        EXPECT_EQ(game.noticeAmount[0], -goSalary);
        EXPECT_EQ(game.noticePlayer[1], 1);
        EXPECT_EQ(game.noticeAmount[1], jailFee);
        dismissNotice();
        EXPECT_STREQ(game.noticeReason[0], "getting out of Jail");
    }
    for (int queued : {7, 8}) {  // a full queue keeps its end
        startTestGame(3);
        for (int k = 0; k < queued; ++k) writeNotice(k, 0, 10 + k, "queued");
        putInJail(1, 2);
        releaseFromJail(1);
        EXPECT_EQ(game.noticeAmount[7], jailFee) << queued;
        EXPECT_EQ(game.noticeAmount[6], 16) << queued;
    }
}

}  // namespace
