// Helps for a new player: a Q pressed while the dice roll is not lost, and a person's bid
// stays in view a moment before a computer answers it.
#include "app/aids.h"
#include "game/rules.h"
#include "game/tables.h"
#include "support/fixtures.h"
#include "support/play.h"
#include "support/session.h"

namespace {

using AidSession = Session;

// Q during the roll asks once the board is still, not before, and only once.
TEST_F(AidSession, QDuringAMoveAsksOnceTheMoveEnds) {
    startBoardGame(2);
    rollWithKeys(2, 3);
    ASSERT_TRUE(game.moving);
    press('q');
    EXPECT_FALSE(game.quitConfirmOpen);
    ASSERT_GE(tickUntilAtRest(), 0);
    tick();
    EXPECT_TRUE(game.quitConfirmOpen);
    press(KeyRight);  // NO
    press(KeyEnter);
    ASSERT_FALSE(game.quitConfirmOpen);
    tick(10);
    EXPECT_FALSE(game.quitConfirmOpen) << "the kept Q asked twice";
}

// A computer willing to pay more waits bidShownHoldTicks after a person's bid; without the
// hold it answers on the next frame.
TEST_F(AidSession, APersonsBidStaysInViewAMoment) {
    for (const bool hold : {true, false}) {
        startBoardGame(1, 1);
        game.position[0] = propertySquare[6];
        game.auctionOpen = true;
        game.auctionBidder = bankOwner;
        game.auctionTimer = auctionTicks;
        game.bidLimit[1] = 400;
        press('1');
        ASSERT_EQ(game.auctionBidder, 0);
        if (!hold) aids.bidShownTicks = 0;
        int ticks = 0;
        while (game.auctionBidder == 0 && ticks < 100) {
            tick();
            ++ticks;
        }
        EXPECT_EQ(game.auctionBidder, 1);
        if (hold)
            EXPECT_GE(ticks, bidShownHoldTicks - 1);
        else
            EXPECT_LE(ticks, 1);
    }
}

}  // namespace
