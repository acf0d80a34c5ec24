// Turns played with the keys: what the board takes while a token walks or a notice shows,
// buying and auctions, the action bar, and the frame step that paces the computers.
#include <tuple>

#include "app/aids.h"
#include "app/input.h"
#include "app/screen_flow.h"
#include "game/rules.h"
#include "game/tables.h"
#include "sim/play.h"
#include "support/fixtures.h"
#include "support/session.h"

namespace {

using TurnSession = Session;

int money0() { return game.money[0]; }
int seat() { return game.currentPlayer; }
int menu() { return game.menuIndex; }
int bid() { return game.auctionBid; }
int bidder() { return game.auctionBidder; }

// A roll of 7 onto a card: ENTER with a digit rolls and opens no menu, keys while the dice roll
// and the token walks do nothing, and the card acts in the 179th frame after the landing.
TEST_F(TurnSession, KeysWaitForTheMoveAndTheCard) {
    startBoardGame(2);
    setTopCard(1, 1);  // "Collect $150"
    fixClock(secondForDice(2, 3));
    keys("ENTER+2");
    keys("ENTER");
    tick(40);
    keys("RIGHT 2");
    ASSERT_EQ(std::make_tuple(game.screen, game.menuIndex, game.moving), std::make_tuple(Board, 0, true));
    tickUntil([] { return game.cardTimer > 0; });
    ASSERT_EQ(game.position[0], 7);
    tick(cardDisplayTicks - 2);
    EXPECT_EQ(game.money[0], 1500);
    tick();
    EXPECT_EQ(std::make_tuple(game.money[0], game.currentPlayer), std::make_tuple(1650, 1));
}

// Past GO onto seat 1's street: a notice takes only ENTER and stays 99 frames; its ENTER does
// not also roll for the next seat.
TEST_F(TurnSession, NoticesTakeOnlyEnter) {
    startBoardGame(2);
    game.position[0] = 37;
    giveProperty(1, 0);
    rollAndRest(0, 2);
    ASSERT_STREQ(game.noticeReason[1], "rent of Saltmarsh Old Wharf");
    keys("RIGHT");
    tick(noticeTicks - 2);
    EXPECT_EQ(std::make_tuple(game.noticeAmount[0], game.currentPlayer, game.menuIndex),
              std::make_tuple(2, 0, 0));
    keys("ENTER");
    EXPECT_FALSE(noticeUp() || game.moving);
    EXPECT_EQ(game.currentPlayer, 1);
}

// Seat 0 rolls 3 onto Heavy Dreadnought (22, price 200): ENTER buys; NO with bidding off
// passes the turn; with bidding on NO opens the auction, where digits bid (the decliner too),
// UP/DOWN change the increment, and only ENTER ends it.
TEST_F(TurnSession, BuyingDecliningAndTheAuction) {
    for (const char* answer : {"ENTER", "LEFT ENTER", "RIGHT ENTER"}) {
        startBoardGame(2);
        game.biddingOption = answer[0] == 'R';
        rollAndRest(1, 2);
        ASSERT_TRUE(game.buyPromptOpen && game.promptYes);
        keys(answer);
        EXPECT_EQ(game.owner[22], answer[0] == 'E' ? 0 : bankOwner);
        if (answer[0] == 'L') EXPECT_EQ(game.currentPlayer, 1);
    }
    ASSERT_EQ(std::make_tuple(game.auctionOpen, game.auctionBidder), std::make_tuple(true, bankOwner));
    playSteps({{"2", bid, 50},
               {"", bidder, 1},
               {"UP 1", bid, 110},
               {"DOWN*2 5", bidder, 0},  // no such seat
               {"2", bid, 150}});
    tick(500);
    EXPECT_EQ(std::make_tuple(game.auctionOpen, game.auctionTimer), std::make_tuple(true, 2));
    keys("ENTER");
    EXPECT_EQ(std::make_tuple(game.auctionOpen, game.owner[22], game.money[1]),
              std::make_tuple(false, 1, 1350));
}

// Leave Jail is the fifth action, there only while the current seat is jailed.
TEST_F(TurnSession, TheActionBarWrapsOverLeaveJailOnlyInJail) {
    startBoardGame(2);
    playSteps({{"LEFT", menu, 3}, {"RIGHT", menu, 0}, {"RIGHT*4", menu, 0}});
    putInJail(0);
    playSteps({{"LEFT", menu, 4}, {"RIGHT", menu, 0}, {"LEFT ENTER", money0, 1450}, {"ENTER", seat, 0}});
}

// Keys during the glide to the next seat are dropped; a key still held when it ends acts once.
TEST_F(TurnSession, KeysWaitForTheCameraGlideOfTheNextTurn) {
    startBoardGame(2);
    giveProperty(0, 22);
    rollWithKeys(1, 2);  // onto seat 0's own transport: the turn passes at once
    tickUntil([] { return game.currentPlayer == 1; });
    keys("ENTER RIGHT");
    EXPECT_EQ(std::make_tuple(game.moving, game.menuIndex), std::make_tuple(false, 0));
    keyDown(KeyEnter);
    tickUntil([] { return game.moving; }, 10);
    EXPECT_EQ(game.cameraGlide, 0);
    const int target = game.moveTarget;
    tick(200);  // still held: one roll only
    keyUp(KeyEnter);
    EXPECT_EQ(game.position[1], target);
}

// A card drives a jailed computer into debt, and the forced release bankrupts it: its debt
// state closes back to the board and the next computer rolls without any key.
TEST_F(TurnSession, BankruptcyInTheDebtStateHandsTheTurnOnWithoutAKey) {
    startBoardGame(1, 3);
    game.bankrupt[0] = true;
    game.money[0] = 0;
    putInJail(2, 2);
    game.money[2] = 20;
    giveProperty(2, 0);
    game.currentPlayer = 1;
    game.activeDeck = 0;
    setTopCard(0, 9);  // "Collect $50 from every player"
    game.cardTimer = 1;
    tick();
    ASSERT_TRUE(game.bankrupt[2]);
    EXPECT_EQ(std::make_tuple(game.screen, game.inDebt), std::make_tuple(Board, false));
    EXPECT_GT(tickUntil([] { return game.currentPlayer == 3 && game.diceTimer > 0; }, 5000), 0);
}

// A person wins an auction beyond their worth while the computer on turn has doubles pending:
// after the bankruptcy notice the computer rolls again by itself.
TEST_F(TurnSession, ComputerWithDoublesPendingRollsAgainAfterAnAuction) {
    startBoardGame(2, 1);
    game.currentPlayer = 2;
    game.doublesCount = 1;
    game.position[2] = propertySquare[6];
    game.money[0] = 20;
    game.auctionOpen = true;
    game.auctionBidder = bankOwner;
    game.auctionTimer = auctionTicks;
    keys("1 ENTER");
    ASSERT_TRUE(game.bankrupt[0]);
    EXPECT_GT(tickUntil([] { return game.diceTimer > 0; }, bankruptNoticeTicks + 200),
              bankruptNoticeTicks - 5);
    EXPECT_EQ(game.currentPlayer, 2);
}

// The unmortgage question is put only when the property's owner, whom the answer charges, can
// pay, whichever seat's menu is open.
TEST_F(TurnSession, UnmortgageQuestionIsPrunedByTheOwnersCash) {
    const std::tuple<int, int, bool> cases[] = {{1, 13, true}, {1, 13, false}, {0, 0, true}, {0, 0, false}};
    for (const auto& [owner, property, canPay] : cases) {
        startBoardGame(2);
        const int other = 1 - owner;
        giveProperty(owner, property, -1);
        game.partnerMortgaged[0] = property;
        game.partnerMortgagedCount = 1;
        game.menuPlayer = other;  // another seat's menu has been opened since the trade
        game.money[other] = canPay ? 0 : 1500;
        game.money[owner] = canPay ? mortgageValue(property) : mortgageValue(property) - 1;
        tick();
        EXPECT_EQ(game.partnerMortgagedCount, canPay ? 1 : 0) << owner;
    }
}

// Q while the dice roll asks once the board is still, not before, and only once.
TEST_F(TurnSession, QDuringAMoveAsksOnceTheMoveEnds) {
    startBoardGame(2);
    rollWithKeys(2, 3);
    press('q');
    EXPECT_FALSE(game.quitConfirmOpen);
    ASSERT_GE(tickUntilAtRest(), 0);
    tick();
    EXPECT_TRUE(game.quitConfirmOpen);
    keys("RIGHT ENTER");  // NO
    tick(10);
    EXPECT_FALSE(game.quitConfirmOpen) << "the kept Q asked twice";
}

// A computer willing to pay more waits a moment after a person's bid, not after its own;
// without the hold it answers on the next frame.
TEST_F(TurnSession, APersonsBidStaysInViewAMoment) {
    for (const bool hold : {true, false}) {
        startBoardGame(1, 1);
        game.position[0] = propertySquare[6];
        game.auctionOpen = true;
        game.auctionBidder = bankOwner;
        game.auctionTimer = auctionTicks;
        game.bidLimit[1] = 400;
        keys("1");
        ASSERT_EQ(game.auctionBidder, 0);
        if (!hold) aids.bidShownTicks = 0;
        EXPECT_EQ(tickUntil([] { return game.auctionBidder == 1; }, 100), hold ? bidShownHoldTicks : 1);
    }
}

}  // namespace
