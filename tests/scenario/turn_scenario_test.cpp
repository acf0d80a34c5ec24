// Turns played with the keys on a dealt board: the frames of a move, notices, buying and
// auctions, rent, the income tax question, cards and every way into and out of jail.
#include <gtest/gtest.h>

#include <vector>

#include "app/input.h"
#include "app/screen_flow.h"
#include "game/rules.h"
#include "game/state.h"
#include "game/tables.h"
#include "support/fixtures.h"
#include "support/play.h"
#include "support/session.h"

namespace {

using TurnSession = Session;

// The board's actions, as the action bar lists them.
constexpr int rollAction = 0, mortgageAction = 3;
constexpr int leaveJailAction = 4;

// A roll of 7 from GO: 30 dice frames, one 10-frame glide per square, 30 frames of rest, then
// the landing on square 7, whose card shows for 179 frames before it acts. Keys pressed while
// the token is under way do nothing.
TEST_F(TurnSession, RollOfSevenCountsItsFramesAndKeysWaitForTheMove) {
    startBoardGame(2);
    setTopCard(1, 1);  // "Collect $150"
    rollWithKeys(2, 3);
    int ticks = 1;
    std::vector<int> stepTicks;
    while (game.moving && ticks < 1000) {
        const int before = game.position[0];
        if (ticks == 14)
            press(KeyEnter);  // dice rolling
        else if (ticks == 55)
            press(KeyRight);  // walking
        else if (ticks == 120)
            pressSeat(1);  // resting on the target
        else
            tick();
        ++ticks;
        if (game.position[0] != before) stepTicks.push_back(ticks);
    }
    const std::vector<int> expectedSteps = {30, 40, 50, 60, 70, 80, 90};
    EXPECT_EQ(stepTicks, expectedSteps);
    EXPECT_EQ(ticks, 30 + 7 * 10 + 30);  // the landing tick
    EXPECT_EQ(game.position[0], 7);
    EXPECT_EQ(game.menuIndex, rollAction);

    // The card is drawn in the landing frame and acts in its 179th.
    ASSERT_EQ(game.cardTimer, cardDisplayTicks - 1);
    EXPECT_EQ(game.activeDeck, 1);
    tick(cardDisplayTicks - 2);
    EXPECT_EQ(game.money[0], 1500);
    tick();
    EXPECT_EQ(game.money[0], 1650);
    EXPECT_EQ(game.currentPlayer, 1);
}

// A move past GO queues the salary notice ahead of the landing's rent; each notice stays 99
// frames unless ENTER skips it, and the last one passes the turn.
TEST_F(TurnSession, PassingGoNoticeComesBeforeTheRentNotice) {
    startBoardGame(2);
    game.position[0] = 37;
    giveProperty(1, 0);
    rollWithKeys(0, 2);  // 4 squares: 38, 39, GO, 1
    tickUntilAtRest();
    ASSERT_TRUE(noticeUp());
    EXPECT_EQ(game.position[0], 1);
    EXPECT_EQ(game.noticeAmount[0], -goSalary);
    EXPECT_STREQ(game.noticeReason[0], "passing GO");
    EXPECT_STREQ(game.noticeReason[1], "rent of Saltmarsh Old Wharf");
    EXPECT_EQ(game.money[1], 1502);

    press(KeyRight);  // a notice takes only ENTER
    tick(98);
    EXPECT_EQ(game.noticeAmount[0], 2);
    EXPECT_EQ(game.currentPlayer, 0);
    EXPECT_EQ(game.menuIndex, rollAction);

    press(KeyEnter);
    EXPECT_FALSE(noticeUp());
    EXPECT_EQ(game.currentPlayer, 1);
    EXPECT_FALSE(game.moving);  // the same ENTER did not roll for the next seat
}

// Seat 0 rolls 3 from GO onto Heavy Dreadnought (22, price 200) and is asked to buy it.
void landOnTheTransport(bool bidding = true) {
    startBoardGame(2);
    game.biddingOption = bidding;
    rollWithKeys(1, 2);
    tickUntilAtRest();
    ASSERT_TRUE(game.buyPromptOpen);
    EXPECT_TRUE(game.promptYes);
}

// ENTER buys at the printed price; NO with bidding off leaves it the bank's and passes the turn.
TEST_F(TurnSession, BuyingOrDecliningWithBiddingOff) {
    landOnTheTransport();
    press(KeyEnter);
    EXPECT_EQ(game.owner[22], 0);
    EXPECT_EQ(game.money[0], 1300);
    press(KeyEnter);
    EXPECT_EQ(game.currentPlayer, 1);

    landOnTheTransport(false);
    press(KeyLeft);
    press(KeyEnter);
    EXPECT_FALSE(game.buyPromptOpen || game.auctionOpen);
    EXPECT_EQ(game.owner[22], bankOwner);
    EXPECT_EQ(game.money[0], 1500);
    EXPECT_EQ(game.currentPlayer, 1);
}

// Declining opens the auction: digits bid, UP/DOWN change the increment, and only ENTER ends
// it; left alone its timer sits at 2.
TEST_F(TurnSession, DecliningOpensAnAuctionThatOnlyEnterEnds) {
    landOnTheTransport();
    press(KeyRight);
    press(KeyEnter);
    ASSERT_TRUE(game.auctionOpen);
    EXPECT_EQ(game.auctionBidder, bankOwner);
    tick(400);
    EXPECT_EQ(game.auctionTimer, 2);

    pressSeat(1);
    EXPECT_EQ(game.auctionBid, 50);
    EXPECT_EQ(game.auctionBidder, 1);
    press(KeyUp);
    pressSeat(0);  // the seat that declined may bid too, now by 60
    EXPECT_EQ(game.auctionBid, 110);
    pressRepeatedly(KeyDown, 2);
    pressSeat(4);  // no such seat
    EXPECT_EQ(game.auctionBid, 110);
    pressSeat(1);
    EXPECT_EQ(game.auctionBid, 150);

    tick(500);
    EXPECT_TRUE(game.auctionOpen);
    EXPECT_EQ(game.auctionTimer, 2);
    press(KeyEnter);  // settles in the same tick's frame
    EXPECT_FALSE(game.auctionOpen);
    EXPECT_EQ(game.owner[22], 1);
    EXPECT_EQ(game.money[1], 1350);
    EXPECT_EQ(game.money[0], 1500);
    press(KeyEnter);
    EXPECT_EQ(game.currentPlayer, 1);
}

// The income tax question answered both ways: "$200" as offered, then "10%" of net worth;
// both go into the middle.
TEST_F(TurnSession, IncomeTaxQuestionBothWays) {
    startBoardGame(2);
    game.middleOption = 1;
    giveProperty(1, 0);  // seat 1's net worth 1500 + 30
    rollWithKeys(0, 2);
    tickUntilAtRest();
    ASSERT_TRUE(game.taxPromptOpen);
    EXPECT_TRUE(game.promptYes);
    press(KeyEnter);
    EXPECT_EQ(game.money[0], 1300);
    press(KeyEnter);
    ASSERT_EQ(game.currentPlayer, 1);

    tickUntilAtRest();
    press(KeyEnter);  // the same dice: seat 1 lands on the tax too
    tickUntilAtRest();
    ASSERT_TRUE(game.taxPromptOpen);
    press(KeyRight);
    press(KeyEnter);
    EXPECT_EQ(game.money[1], 1500 - 153);
    EXPECT_EQ(game.middlePot, 200 + 153);
}

// Square 30 jails the token without the salary and the turn ends after the settle.
TEST_F(TurnSession, SquareThirtySendsToJailAndTheTurnEnds) {
    startBoardGame(2);
    game.position[0] = 24;
    rollWithKeys(1, 3);
    const int ticks = 1 + tickUntil([] { return game.currentPlayer == 1; }, 1000);
    EXPECT_EQ(ticks, (30 + 6 * 10 + 30) + 60 - 1);  // the settle's 60 frames start in the landing tick
    EXPECT_EQ(game.position[0], jailCell);
    EXPECT_EQ(game.jailTurns[0], 0);
    EXPECT_EQ(game.money[0], 1500);
}

// A third double jumps to the cell at once, never walks, and the turn passes after the dice,
// a short glide and a 60-frame rest.
TEST_F(TurnSession, ThirdDoubleGoesStraightToJail) {
    startBoardGame(2);
    giveProperty(0, 2);   // square 6
    giveProperty(0, 26);  // square 12
    rollWithKeys(2, 2);
    tickUntilAtRest();
    press(KeyEnter);
    tickUntilAtRest();
    EXPECT_EQ(game.position[0], 12);
    EXPECT_EQ(game.doublesCount, 2);
    EXPECT_EQ(game.currentPlayer, 0);
    press(KeyEnter);
    EXPECT_EQ(game.position[0], jailCell);
    int ticks = 1;
    bool stayedInTheCell = true;
    while (game.currentPlayer == 0 && ticks < 1000) {
        tick();
        ++ticks;
        stayedInTheCell = stayedInTheCell && game.position[0] == jailCell;
    }
    EXPECT_EQ(ticks, 30 + 5 + 60);
    EXPECT_TRUE(stayedInTheCell);
    EXPECT_EQ(game.money[0], 1500);
}

// Leave Jail is the fifth action and only there while the current seat is jailed; leaving
// pays the fee with a notice and the seat then rolls from square 10.
TEST_F(TurnSession, LeaveJailIsTheFifthActionOnlyWhileJailed) {
    startBoardGame(2);
    press(KeyLeft);
    EXPECT_EQ(game.menuIndex, mortgageAction);
    press(KeyRight);
    putInJail(0);
    press(KeyLeft);
    ASSERT_EQ(game.menuIndex, leaveJailAction);
    press(KeyEnter);
    EXPECT_EQ(game.position[0], jailSquare);
    EXPECT_EQ(game.money[0], 1450);
    ASSERT_TRUE(noticeUp());
    press(KeyEnter);
    EXPECT_EQ(game.currentPlayer, 0);  // leaving jail is not the turn

    rollWithKeys(0, 1);
    tickUntilAtRest();
    EXPECT_EQ(game.position[0], 13);
    EXPECT_TRUE(game.buyPromptOpen);
}

// Two failed rolls in jail, and the seat's next turn starts with the forced release: the fee
// notice comes before its roll, which then starts from square 10.
TEST_F(TurnSession, ForcedReleaseAfterTheSecondFailedRoll) {
    startBoardGame(2);
    putInJail(0, 1);
    giveProperty(1, 1);  // square 3: seat 1's own, nothing happens there
    rollWithKeys(0, 1);
    tickUntilAtRest();
    EXPECT_EQ(game.position[0], jailCell);
    EXPECT_EQ(game.jailTurns[0], 2);
    ASSERT_EQ(game.currentPlayer, 1);

    tickUntilAtRest();
    press(KeyEnter);
    tickUntilAtRest();
    EXPECT_EQ(game.position[1], 3);
    ASSERT_EQ(game.currentPlayer, 0);
    EXPECT_EQ(game.position[0], jailSquare);
    EXPECT_EQ(game.money[0], 1450);
    ASSERT_TRUE(noticeUp());
    EXPECT_STREQ(game.noticeReason[0], "getting out of Jail");

    press(KeyEnter);  // skips the notice, does not roll
    EXPECT_FALSE(noticeUp());
    EXPECT_FALSE(game.moving);
    EXPECT_EQ(game.currentPlayer, 0);
    tickUntilAtRest();
    press(KeyEnter);
    tickUntilAtRest();
    EXPECT_EQ(game.position[0], 13);
}

// Roll and a seat's digit in one tick: the move has begun, so the menu must not open over it
// (the token would stand still behind the menu, mid-walk).
TEST_F(TurnSession, RollAndADigitInOneTickOpenNoMenuOverTheMove) {
    startBoardGame(2);
    fixClock(secondForDice(1, 2));
    keyDown(KeyEnter);
    keyDown('2');
    tick();
    keyUp(KeyEnter);
    keyUp('2');
    EXPECT_TRUE(game.moving);
    EXPECT_EQ(game.screen, Board);
    tickUntilAtRest();
    EXPECT_EQ(game.position[0], 5);
    EXPECT_TRUE(game.buyPromptOpen);
}

// Keys during the glide to the next seat are dropped; a key still held when it ends acts once.
TEST_F(TurnSession, KeysWaitForTheCameraGlideOfTheNextTurn) {
    startBoardGame(2);
    giveProperty(0, 22);
    rollWithKeys(1, 2);  // onto seat 0's own transport: the turn passes at once
    tickUntil([] { return game.currentPlayer == 1; });
    ASSERT_EQ(game.cameraGlide, 5);  // aimed in the landing frame, after that frame's glide step
    press(KeyEnter);
    press(KeyRight);
    EXPECT_FALSE(game.moving);
    EXPECT_EQ(game.menuIndex, rollAction);
    keyDown(KeyEnter);
    tick(3);
    EXPECT_EQ(game.cameraGlide, 0);
    EXPECT_FALSE(game.moving);
    tick();
    EXPECT_TRUE(game.moving);
    const int target = game.moveTarget;
    tick(200);  // still held: one roll only
    keyUp(KeyEnter);
    EXPECT_EQ(game.position[1], target);
}

}  // namespace
