// Turns played with the keys on a dealt board: the frames of a move, notices, buying and
// auctions, rent, the income tax question, cards and every way into and out of jail.
#include <gtest/gtest.h>

#include <tuple>

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
constexpr int rollAction = 0, mortgageAction = 3, leaveJailAction = 4;

// A roll of 7 from GO: 30 dice frames, one 10-frame glide per square, 30 frames of rest, then
// the landing on square 7, whose card shows for 179 frames before it acts. Keys pressed while
// the token is under way do nothing.
TEST_F(TurnSession, RollOfSevenCountsItsFramesAndKeysWaitForTheMove) {
    startBoardGame(2);
    setTopCard(1, 1);  // "Collect $150"
    rollWithKeys(2, 3);
    int ticks = 1;
    std::vector<int> stepTicks;
    for (; game.moving && ticks < 1000; ++ticks) {
        const int before = game.position[0];
        // Keys while the dice roll, while it walks, while it rests on the target.
        const char* key = ticks == 14 ? "ENTER" : ticks == 55 ? "RIGHT" : ticks == 120 ? "2" : nullptr;
        key ? keys(key) : tick();
        if (game.position[0] != before) stepTicks.push_back(ticks + 1);
    }
    EXPECT_EQ(stepTicks, (std::vector<int>{30, 40, 50, 60, 70, 80, 90}));
    EXPECT_EQ(ticks, 30 + 7 * 10 + 30);  // the landing tick
    EXPECT_EQ(std::make_tuple(game.position[0], game.menuIndex), std::make_tuple(7, rollAction));
    // The card is drawn in the landing frame and acts in its 179th.
    ASSERT_EQ(game.cardTimer, cardDisplayTicks - 1);
    EXPECT_EQ(game.activeDeck, 1);
    tick(cardDisplayTicks - 2);
    EXPECT_EQ(game.money[0], 1500);
    tick();
    EXPECT_EQ(std::make_tuple(game.money[0], game.currentPlayer), std::make_tuple(1650, 1));
}

// A move past GO queues the salary notice ahead of the landing's rent; each notice stays 99
// frames unless ENTER skips it, and the last one passes the turn.
TEST_F(TurnSession, PassingGoNoticeComesBeforeTheRentNotice) {
    startBoardGame(2);
    game.position[0] = 37;
    giveProperty(1, 0);
    rollAndRest(0, 2);  // 4 squares: 38, 39, GO, 1
    ASSERT_TRUE(noticeUp());
    EXPECT_EQ(game.position[0], 1);
    EXPECT_EQ(game.noticeAmount[0], -goSalary);
    EXPECT_STREQ(game.noticeReason[0], "passing GO");
    EXPECT_STREQ(game.noticeReason[1], "rent of Saltmarsh Old Wharf");
    EXPECT_EQ(game.money[1], 1502);
    keys("RIGHT");  // a notice takes only ENTER
    tick(98);
    EXPECT_EQ(std::make_tuple(game.noticeAmount[0], game.currentPlayer), std::make_tuple(2, 0));
    EXPECT_EQ(game.menuIndex, rollAction);
    keys("ENTER");
    EXPECT_FALSE(noticeUp() || game.moving);  // the same ENTER did not roll for the next seat
    EXPECT_EQ(game.currentPlayer, 1);
}

// Seat 0 rolls 3 from GO onto Heavy Dreadnought (22, price 200) and is asked to buy it.
void landOnTheTransport(bool bidding = true) {
    startBoardGame(2);
    game.biddingOption = bidding;
    rollAndRest(1, 2);
    ASSERT_TRUE(game.buyPromptOpen);
    EXPECT_TRUE(game.promptYes);
}

// ENTER buys at the printed price; NO with bidding off leaves it the bank's and passes the turn.
TEST_F(TurnSession, BuyingOrDecliningWithBiddingOff) {
    landOnTheTransport();
    keys("ENTER");
    EXPECT_EQ(std::make_tuple(game.owner[22], game.money[0]), std::make_tuple(0, 1300));
    keys("ENTER");
    EXPECT_EQ(game.currentPlayer, 1);

    landOnTheTransport(false);
    keys("LEFT ENTER");
    EXPECT_FALSE(game.buyPromptOpen || game.auctionOpen);
    EXPECT_EQ(std::make_tuple(game.owner[22], game.money[0]), std::make_tuple(bankOwner, 1500));
    EXPECT_EQ(game.currentPlayer, 1);
}

// Declining opens the auction: digits bid (the decliner too), UP/DOWN change the increment,
// and only ENTER ends it; left alone its timer sits at 2.
TEST_F(TurnSession, DecliningOpensAnAuctionThatOnlyEnterEnds) {
    landOnTheTransport();
    keys("RIGHT ENTER");
    ASSERT_TRUE(game.auctionOpen);
    EXPECT_EQ(game.auctionBidder, bankOwner);
    tick(400);
    EXPECT_EQ(game.auctionTimer, 2);
    const struct { const char* keys; int bid, bidder; } bids[] = {
        {"2", 50, 1}, {"UP 1", 110, 0}, {"DOWN*2 5", 110, 0} /* no such seat */, {"2", 150, 1}};
    for (const auto& b : bids) {
        keys(b.keys);
        EXPECT_EQ(game.auctionBid, b.bid) << b.keys;
        EXPECT_EQ(game.auctionBidder, b.bidder) << b.keys;
    }
    tick(500);
    EXPECT_TRUE(game.auctionOpen);
    EXPECT_EQ(game.auctionTimer, 2);
    keys("ENTER");  // settles in the same tick's frame
    EXPECT_FALSE(game.auctionOpen);
    EXPECT_EQ(std::make_tuple(game.owner[22], game.money[1]), std::make_tuple(1, 1350));
    EXPECT_EQ(game.money[0], 1500);
    keys("ENTER");
    EXPECT_EQ(game.currentPlayer, 1);
}

// The income tax question answered both ways: "$200" as offered, then "10%" of net worth;
// both go into the middle.
TEST_F(TurnSession, IncomeTaxQuestionBothWays) {
    startBoardGame(2);
    game.middleOption = 1;
    giveProperty(1, 0);  // seat 1's net worth 1500 + 30
    rollAndRest(0, 2);
    ASSERT_TRUE(game.taxPromptOpen);
    EXPECT_TRUE(game.promptYes);
    keys("ENTER");
    EXPECT_EQ(game.money[0], 1300);
    keys("ENTER");
    ASSERT_EQ(game.currentPlayer, 1);
    tickUntilAtRest();
    keys("ENTER");  // the same dice: seat 1 lands on the tax too
    tickUntilAtRest();
    ASSERT_TRUE(game.taxPromptOpen);
    keys("RIGHT ENTER");
    EXPECT_EQ(game.money[1], 1500 - 153);
    EXPECT_EQ(game.middlePot, 200 + 153);
}

// Into jail without the salary: by square 30 (the turn ends after the 60-frame settle that
// starts in the landing tick), and by a third double, which jumps to the cell at once and
// passes the turn after the dice, a short glide and a 60-frame rest.
TEST_F(TurnSession, SquareThirtyAndAThirdDoubleSendToJail) {
    startBoardGame(2);
    game.position[0] = 24;
    rollWithKeys(1, 3);
    EXPECT_EQ(1 + tickUntil([] { return game.currentPlayer == 1; }, 1000), 30 + 6 * 10 + 30 + 60 - 1);
    EXPECT_EQ(std::make_tuple(game.position[0], game.jailTurns[0]), std::make_tuple(jailCell, 0));
    EXPECT_EQ(game.money[0], 1500);

    startBoardGame(2);
    giveProperty(0, 2);   // square 6
    giveProperty(0, 26);  // square 12
    rollAndRest(2, 2);
    keys("ENTER");
    tickUntilAtRest();
    EXPECT_EQ(std::make_tuple(game.position[0], game.doublesCount), std::make_tuple(12, 2));
    EXPECT_EQ(game.currentPlayer, 0);
    keys("ENTER");
    int ticks = 1;
    for (; game.currentPlayer == 0 && ticks < 1000; ++ticks) {
        ASSERT_EQ(game.position[0], jailCell) << ticks;
        tick();
    }
    EXPECT_EQ(std::make_tuple(ticks, game.money[0]), std::make_tuple(30 + 5 + 60, 1500));
}

// Leave Jail is the fifth action and only there while the current seat is jailed; leaving
// pays the fee with a notice, is not the turn, and the seat then rolls from square 10.
TEST_F(TurnSession, LeaveJailIsTheFifthActionOnlyWhileJailed) {
    startBoardGame(2);
    keys("LEFT");
    EXPECT_EQ(game.menuIndex, mortgageAction);
    keys("RIGHT");
    putInJail(0);
    keys("LEFT");
    ASSERT_EQ(game.menuIndex, leaveJailAction);
    keys("ENTER");
    EXPECT_EQ(std::make_tuple(game.position[0], game.money[0]), std::make_tuple(jailSquare, 1450));
    ASSERT_TRUE(noticeUp());
    keys("ENTER");
    EXPECT_EQ(game.currentPlayer, 0);
    rollAndRest(0, 1);
    EXPECT_EQ(game.position[0], 13);
    EXPECT_TRUE(game.buyPromptOpen);
}

// Two failed rolls in jail, and the seat's next turn starts with the forced release: the fee
// notice comes before its roll (its ENTER only skips it), which then starts from square 10.
TEST_F(TurnSession, ForcedReleaseAfterTheSecondFailedRoll) {
    startBoardGame(2);
    putInJail(0, 1);
    giveProperty(1, 1);  // square 3: seat 1's own, nothing happens there
    rollAndRest(0, 1);
    EXPECT_EQ(std::make_tuple(game.position[0], game.jailTurns[0]), std::make_tuple(jailCell, 2));
    ASSERT_EQ(game.currentPlayer, 1);
    tickUntilAtRest();
    keys("ENTER");
    tickUntilAtRest();
    EXPECT_EQ(game.position[1], 3);
    ASSERT_EQ(game.currentPlayer, 0);
    EXPECT_EQ(std::make_tuple(game.position[0], game.money[0]), std::make_tuple(jailSquare, 1450));
    ASSERT_TRUE(noticeUp());
    EXPECT_STREQ(game.noticeReason[0], "getting out of Jail");
    keys("ENTER");
    EXPECT_FALSE(noticeUp() || game.moving);
    EXPECT_EQ(game.currentPlayer, 0);
    tickUntilAtRest();
    keys("ENTER");
    tickUntilAtRest();
    EXPECT_EQ(game.position[0], 13);
}

// Fault: Roll and a seat's digit in one tick opened the menu over the begun move, the token
// standing still behind it mid-walk.
TEST_F(TurnSession, RollAndADigitInOneTickOpenNoMenuOverTheMove) {
    startBoardGame(2);
    fixClock(secondForDice(1, 2));
    keys("ENTER+2");
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
    keys("ENTER RIGHT");
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
