// Turns played with the keys: what the board takes while a token walks, the auction's keys,
// the action bar, and the frame step that paces the computers and puts the questions.
#include <tuple>

#include "app/aids.h"
#include "app/screen_flow.h"
#include "game/rules.h"
#include "game/tables.h"
#include "sim/play.h"
#include "support/fixtures.h"
#include "support/session.h"

namespace {

using TurnSession = Session;

int money0() { return game.money[0]; }
int menu() { return game.menuIndex; }
int bid() { return game.auctionBid; }
int bidder() { return game.auctionBidder; }

// An auction on property 6 under seat `seat`, nobody bidding yet.
void openAuction(int seat) {
    game.position[seat] = propertySquare[6];
    game.auctionOpen = true;
    game.auctionBidder = bankOwner;
    game.auctionTimer = auctionTicks;
}

// A roll of 7 onto a card, a digit beside its ENTER and keys while the token walks: no menu
// opens and nothing else starts; the card acts in the 179th frame after the landing; a Q
// pressed on the way asks once the board is still, and only once.
TEST_F(TurnSession, KeysWhileTheTokenWalks) {
    startBoardGame(2);
    setTopCard(1, 1);  // "Collect $150"
    fixClock(secondForDice(2, 3));
    keys("ENTER+2 ENTER");
    tick(40);
    keys("RIGHT 2 q");
    ASSERT_EQ(std::make_tuple(game.screen, game.menuIndex, game.moving, game.quitConfirmOpen),
              std::make_tuple(Board, 0, true, false));
    tickUntil([] { return game.cardTimer > 0; });
    tick(cardDisplayTicks - 2);
    EXPECT_EQ(std::make_tuple(game.position[0], game.money[0]), std::make_tuple(7, 1500));
    tick();
    EXPECT_EQ(std::make_tuple(game.money[0], game.currentPlayer), std::make_tuple(1650, 1));
    ASSERT_GE(tickUntilAtRest(), 0);
    tick();
    EXPECT_TRUE(game.quitConfirmOpen);
    keys("RIGHT ENTER");  // NO
    tick(10);
    EXPECT_FALSE(game.quitConfirmOpen) << "the kept Q asked twice";
}

// Declined with bidding on, the transport under seat 0 goes to auction: digits bid (the
// decliner too, a seat not in play not at all), UP/DOWN change the increment, and only ENTER
// ends it.
TEST_F(TurnSession, TheAuctionsKeys) {
    startBoardGame(2);
    game.biddingOption = true;
    rollAndRest(1, 2);
    keys("RIGHT ENTER");
    ASSERT_EQ(std::make_tuple(game.auctionOpen, game.auctionBidder), std::make_tuple(true, bankOwner));
    playSteps(
        {{"2", bid, 50}, {"", bidder, 1}, {"UP 1", bid, 110}, {"DOWN*2 5", bidder, 0}, {"2", bid, 150}});
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
    playSteps({{"LEFT", menu, 4}, {"RIGHT", menu, 0}, {"LEFT ENTER", money0, 1450}});
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
// once the bankruptcy notice is over, the computer rolls again by itself.
TEST_F(TurnSession, ComputerWithDoublesPendingRollsAgainAfterAnAuction) {
    startBoardGame(2, 1);
    game.currentPlayer = 2;
    game.doublesCount = 1;
    game.money[0] = 20;
    openAuction(2);
    keys("1 ENTER");
    ASSERT_TRUE(game.bankrupt[0]);
    EXPECT_GE(tickUntil([] { return game.diceTimer > 0; }, 2 * bankruptNoticeTicks), bankruptNoticeTicks - 2);
    EXPECT_EQ(game.currentPlayer, 2);
}

// The unmortgage question is put only when the property's owner, whom the answer charges, can
// pay, whichever seat's menu is open.
TEST_F(TurnSession, UnmortgageQuestionIsPrunedByTheOwnersCash) {
    const std::tuple<int, int, bool> cases[] = {{1, 13, true}, {1, 13, false}, {0, 0, true}, {0, 0, false}};
    for (const auto& [owner, property, canPay] : cases) {
        startBoardGame(2);
        giveProperty(owner, property, -1);
        game.partnerMortgaged[0] = property;
        game.partnerMortgagedCount = 1;
        game.menuPlayer = 1 - owner;  // another seat's menu has been opened since the trade
        game.money[1 - owner] = canPay ? 0 : 1500;
        game.money[owner] = mortgageValue(property) - (canPay ? 0 : 1);
        tick();
        EXPECT_EQ(game.partnerMortgagedCount, canPay ? 1 : 0) << owner;
    }
}

// A computer willing to pay more waits a moment after a person's bid; without the hold it
// answers on the next frame.
TEST_F(TurnSession, APersonsBidStaysInViewAMoment) {
    for (const bool hold : {true, false}) {
        startBoardGame(1, 1);
        openAuction(0);
        game.bidLimit[1] = 400;
        keys("1");
        if (!hold) aids.bidShownTicks = 0;
        EXPECT_EQ(tickUntil([] { return game.auctionBidder == 1; }, 100), hold ? bidShownHoldTicks : 1);
    }
}

}  // namespace
