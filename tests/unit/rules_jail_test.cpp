// Leaving jail: by card, by fee, forced after two failed rolls, and the Leave Jail action.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "game/random.h"
#include "game/rules.h"
#include "game/tables.h"
#include "support/fixtures.h"

namespace {

using V = std::vector<int>;

class JailRules : public ::testing::Test {
protected:
    void SetUp() override { startTestGame(3); }
    void TearDown() override { setClock(nullptr); }
};

// Held cards go first, deck 0's before deck 1's, with no fee and no notice.
TEST_F(JailRules, HeldCardsAreUsedFirstDeckZeroFirst) {
    game.jailCardHolder[0] = game.jailCardHolder[1] = 1;
    for (int deck = 0; deck < 2; ++deck) {
        putInJail(1, 1);
        releaseFromJail(1);
        EXPECT_EQ((V{game.position[1], game.jailTurns[1], game.jailCardHolder[0], game.jailCardHolder[1]}),
                  (V{jailSquare, 0, bankOwner, deck == 0 ? 1 : bankOwner}));
    }
    EXPECT_EQ((V{game.money[1], game.noticeTimer}), (V{1500, 0}));
}

// Release by the fee, into the pot while the middle is on; beyond net worth the seat goes bankrupt
// to the middle (the bank while it is off).
TEST_F(JailRules, FeeIntoThePotOrBankruptcy) {
    for (int option = 0; option <= 1; ++option)
        for (int cash : {1500, 30}) {
            startTestGame(3);
            game.middleOption = option;
            game.money[2] = cash;
            putInJail(2);
            releaseFromJail(2);
            const bool out = cash < jailFee;
            EXPECT_EQ((V{game.bankrupt[2], game.money[2], game.middlePot, game.lastCreditor}),
                      (V{out, out ? 0 : 1450, option * (out ? cash : 50),
                         out ? (option ? middleCreditor : bankOwner) : 0}))
                << option << " " << cash;
            EXPECT_STREQ(game.noticeReason[0], out ? "" : "getting out of Jail");
        }
}

// Leave Jail pays the fee and puts the bar back on Roll, or into debt with the debt menu showing;
// a seat not in jail is neither moved nor charged. Rows: square, cash, a deed, then square, cash,
// the menu kind, debt.
TEST_F(JailRules, LeaveJailAction) {
    for (const auto& [at, cash, deed, to, after, menu, debt] :
         {std::array{jailCell, 1500, 0, jailSquare, 1450, 0, 0},
          {23, 1500, 0, 23, 1500, 0, 0},
          {jailCell, 20, 1, jailSquare, -30, int(KindMortgage), 1}}) {
        startTestGame(3);
        game.position[0] = at;
        game.money[0] = cash;
        if (deed) giveProperty(0, 0);
        game.menuIndex = 4;
        leaveJail();
        EXPECT_EQ((V{game.position[0], game.money[0], game.menuIndex, game.inDebt}),
                  (V{to, after, menu, debt}));
    }
}

// Two failed rolls: the next turn releases the seat for the fee, its notice shown before it rolls;
// one failed roll is not enough; a fee it cannot pay bankrupts it and the notice passes the turn.
TEST_F(JailRules, TwoFailedRollsForceTheReleaseAtTheNextTurn) {
    putInJail(1, 1);
    game.currentPlayer = 1;
    rollWith(0, 3);
    runBoardSteps();
    EXPECT_EQ((V{game.jailTurns[1], game.currentPlayer, game.position[1]}), (V{2, 2, jailCell}));
    game.currentPlayer = 0;
    nextTurn();
    EXPECT_EQ((V{game.position[1], game.money[1], game.noticeTimer, game.boardCursor}),
              (V{jailSquare, 1450, noticeTicks, jailSquare}));
    startTestGame(3);
    putInJail(1, 1);
    nextTurn();
    EXPECT_EQ(game.position[1], jailCell);
    startTestGame(3);
    game.money[1] = 10;
    putInJail(1, 2);
    nextTurn();
    EXPECT_TRUE(game.bankrupt[1]);
    afterBankruptcyNotice();
    EXPECT_EQ(game.currentPlayer, 2);
}

// A move that passes GO and lands without a notice of its own (onto GO, or seat 0's own deed)
// hands the turn at once to a seat whose forced release charges the fee: both notices are shown,
// the salary's first. A full queue keeps its end.
TEST_F(JailRules, ForcedReleaseFeeNoticeQueuesBehindPassingGo) {
    for (int from : {37, 38}) {
        startTestGame(3);
        giveProperty(0, 0);
        putInJail(1, 2);
        game.position[0] = from;
        rollWith(0, 1);
        runBoardSteps();
        EXPECT_EQ((V{game.currentPlayer, game.position[1], game.noticeAmount[0], game.noticePlayer[1],
                     game.noticeAmount[1]}),
                  (V{1, jailSquare, -goSalary, 1, jailFee}))
            << from;
        dismissNotice();
        EXPECT_STREQ(game.noticeReason[0], "getting out of Jail");
    }
    for (int queued : {7, 8}) {
        startTestGame(3);
        for (int k = 0; k < queued; ++k) writeNotice(k, 0, 10 + k, "queued");
        putInJail(1, 2);
        releaseFromJail(1);
        EXPECT_EQ((V{game.noticeAmount[6], game.noticeAmount[7]}), (V{16, jailFee})) << queued;
    }
}

}  // namespace
