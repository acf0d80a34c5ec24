// Turns played with the keys on a dealt board: the frames of a move, notices, buying and
// auctions, rent, the income tax question, cards and every way into and out of jail.
#include <tuple>
#include <vector>

#include "app/input.h"
#include "app/screen_flow.h"
#include "game/rules.h"
#include "game/tables.h"
#include "sim/play.h"
#include "support/fixtures.h"
#include "support/session.h"

namespace {

using TurnSession = Session;

// The board's actions, as the action bar lists them.
constexpr int rollAction = 0, mortgageAction = 3, leaveJailAction = 4;

int pos0() { return game.position[0]; }
int money0() { return game.money[0]; }
int seat() { return game.currentPlayer; }
int menu() { return game.menuIndex; }
int owner22() { return game.owner[22]; }
int bid() { return game.auctionBid; }
int bidder() { return game.auctionBidder; }

// A roll of 7 from GO: 30 dice frames, one 10-frame glide per square, 30 frames of rest, then
// the landing on square 7, whose card shows for 179 frames before it acts. Keys pressed while
// the token is under way do nothing.
// Fault: Roll and a seat's digit in one tick opened the menu over the begun move, the token
// standing still behind it mid-walk.
TEST_F(TurnSession, RollOfSevenCountsItsFramesAndKeysWaitForTheMove) {
    startBoardGame(2);
    setTopCard(1, 1);  // "Collect $150"
    fixClock(secondForDice(2, 3));
    keys("ENTER+2");
    ASSERT_EQ(std::make_tuple(game.moving, game.screen), std::make_tuple(true, Board));
    int ticks = 1;
    std::vector<int> stepTicks;
    for (; game.moving && ticks < 1000; ++ticks) {
        const int before = game.position[0];
        // Keys while the dice roll, while it walks, while it rests on the target.
        const char* key = ticks == 14 ? "ENTER" : ticks == 55 ? "RIGHT" : ticks == 105 ? "2" : nullptr;
        key ? keys(key) : tick();
        if (game.position[0] != before) stepTicks.push_back(ticks + 1);
    }
    EXPECT_EQ(stepTicks, (std::vector<int>{30, 40, 50, 60, 70, 80, 90}));
    EXPECT_EQ(std::make_tuple(ticks, game.position[0], game.menuIndex, game.screen),
              std::make_tuple(30 + 7 * 10 + 30, 7, rollAction, Board));  // the landing tick
    // The card is drawn in the landing frame and acts in its 179th.
    ASSERT_EQ(std::make_tuple(game.cardTimer, game.activeDeck), std::make_tuple(cardDisplayTicks - 1, 1));
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
    EXPECT_EQ(std::make_tuple(game.position[0], game.noticeAmount[0], game.money[1]),
              std::make_tuple(1, -goSalary, 1502));
    EXPECT_STREQ(game.noticeReason[0], "passing GO");
    EXPECT_STREQ(game.noticeReason[1], "rent of Saltmarsh Old Wharf");
    keys("RIGHT");  // a notice takes only ENTER
    tick(98);
    EXPECT_EQ(std::make_tuple(game.noticeAmount[0], game.currentPlayer, game.menuIndex),
              std::make_tuple(2, 0, rollAction));
    keys("ENTER");
    EXPECT_FALSE(noticeUp() || game.moving);  // the same ENTER did not roll for the next seat
    EXPECT_EQ(game.currentPlayer, 1);
}

// Seat 0 rolls 3 from GO onto Heavy Dreadnought (22, price 200) and is asked to buy it.
void landOnTheTransport(bool bidding) {
    startBoardGame(2);
    game.biddingOption = bidding;
    rollAndRest(1, 2);
    ASSERT_TRUE(game.buyPromptOpen && game.promptYes);
}

// ENTER buys at the printed price; NO with bidding off leaves it the bank's and passes the
// turn. With bidding on, NO opens the auction: digits bid (the decliner too), UP/DOWN change
// the increment, and only ENTER ends it; left alone its timer sits at 2.
TEST_F(TurnSession, BuyingDecliningAndTheAuction) {
    landOnTheTransport(true);
    playSteps({{"ENTER", money0, 1300}, {"", owner22, 0}, {"ENTER", seat, 1}});
    landOnTheTransport(false);
    playSteps({{"LEFT ENTER", owner22, bankOwner}, {"", money0, 1500}, {"", seat, 1}});
    EXPECT_FALSE(game.buyPromptOpen || game.auctionOpen);

    landOnTheTransport(true);
    keys("RIGHT ENTER");
    ASSERT_EQ(std::make_tuple(game.auctionOpen, game.auctionBidder), std::make_tuple(true, bankOwner));
    playSteps({{"2", bid, 50},
               {"", bidder, 1},
               {"UP 1", bid, 110},
               {"", bidder, 0},
               {"DOWN*2 5", bid, 110} /* no such seat */,
               {"", bidder, 0},
               {"2", bid, 150},
               {"", bidder, 1}});
    tick(500);
    EXPECT_EQ(std::make_tuple(game.auctionOpen, game.auctionTimer), std::make_tuple(true, 2));
    keys("ENTER");  // settles in the same tick's frame
    EXPECT_FALSE(game.auctionOpen);
    EXPECT_EQ(std::make_tuple(game.owner[22], game.money[1], game.money[0]), std::make_tuple(1, 1350, 1500));
    playSteps({{"ENTER", seat, 1}});
}

// The income tax question answered both ways: "$200" as offered, then "10%" of net worth;
// both go into the middle.
TEST_F(TurnSession, IncomeTaxQuestionBothWays) {
    startBoardGame(2);
    game.middleOption = 1;
    giveProperty(1, 0);  // seat 1's net worth 1500 + 30
    rollAndRest(0, 2);
    ASSERT_TRUE(game.taxPromptOpen && game.promptYes);
    playSteps({{"ENTER", money0, 1300}, {"ENTER", seat, 1}});
    tickUntilAtRest();
    rollAndRest(0, 2);  // seat 1 lands on the tax too
    ASSERT_TRUE(game.taxPromptOpen);
    keys("RIGHT ENTER");
    EXPECT_EQ(std::make_tuple(game.money[1], game.middlePot), std::make_tuple(1500 - 153, 200 + 153));
}

// Into jail without the salary: by square 30 (the turn ends after the 60-frame settle that
// starts in the landing tick), and by a third double, which jumps to the cell at once and
// passes the turn after the dice, a short glide and a 60-frame rest.
TEST_F(TurnSession, SquareThirtyAndAThirdDoubleSendToJail) {
    startBoardGame(2);
    game.position[0] = 24;
    rollWithKeys(1, 3);
    EXPECT_EQ(1 + tickUntil([] { return game.currentPlayer == 1; }, 1000), 30 + 6 * 10 + 30 + 60 - 1);
    EXPECT_EQ(std::make_tuple(game.position[0], game.jailTurns[0], game.money[0]),
              std::make_tuple(jailCell, 0, 1500));

    startBoardGame(2);
    giveProperty(0, 2);   // square 6
    giveProperty(0, 26);  // square 12
    rollAndRest(2, 2);
    rollAndRest(2, 2);
    EXPECT_EQ(std::make_tuple(game.position[0], game.doublesCount, game.currentPlayer),
              std::make_tuple(12, 2, 0));
    keys("ENTER");
    int ticks = 1;
    for (; game.currentPlayer == 0 && ticks < 1000; ++ticks, tick())
        ASSERT_EQ(game.position[0], jailCell) << ticks;
    EXPECT_EQ(std::make_tuple(ticks, game.money[0]), std::make_tuple(30 + 5 + 60, 1500));
}

// Leave Jail is the fifth action and only there while the current seat is jailed; leaving
// pays the fee with a notice, is not the turn, and the seat then rolls from square 10.
TEST_F(TurnSession, LeaveJailAndTheForcedReleaseAfterTheSecondFailedRoll) {
    startBoardGame(2);
    playSteps({{"LEFT", menu, mortgageAction}, {"RIGHT", menu, rollAction}});
    putInJail(0);
    playSteps({{"LEFT", menu, leaveJailAction}, {"ENTER", money0, 1450}, {"", pos0, jailSquare}});
    ASSERT_TRUE(noticeUp());
    playSteps({{"ENTER", seat, 0}});
    rollAndRest(0, 1);
    EXPECT_EQ(game.position[0], 13);
    EXPECT_TRUE(game.buyPromptOpen);

    // Two failed rolls in jail, and the seat's next turn starts with the forced release: the fee
    // notice comes before its roll (its ENTER only skips it), which then starts from square 10.
    startBoardGame(2);
    putInJail(0, 1);
    giveProperty(1, 1);  // square 3: seat 1's own, nothing happens there
    rollAndRest(0, 1);
    ASSERT_EQ(std::make_tuple(game.position[0], game.jailTurns[0], game.currentPlayer),
              std::make_tuple(jailCell, 2, 1));
    rollAndRest(0, 1);
    ASSERT_EQ(std::make_tuple(game.position[1], game.currentPlayer), std::make_tuple(3, 0));
    EXPECT_EQ(std::make_tuple(game.position[0], game.money[0]), std::make_tuple(jailSquare, 1450));
    ASSERT_TRUE(noticeUp());
    EXPECT_STREQ(game.noticeReason[0], "getting out of Jail");
    keys("ENTER");
    EXPECT_FALSE(noticeUp() || game.moving || game.currentPlayer != 0);
    tickUntilAtRest();
    rollAndRest(0, 1);
    EXPECT_EQ(game.position[0], 13);
}

// Keys during the glide to the next seat are dropped; a key still held when it ends acts once.
TEST_F(TurnSession, KeysWaitForTheCameraGlideOfTheNextTurn) {
    startBoardGame(2);
    giveProperty(0, 22);
    rollWithKeys(1, 2);  // onto seat 0's own transport: the turn passes at once
    tickUntil([] { return game.currentPlayer == 1; });
    ASSERT_EQ(game.cameraGlide, 5);  // aimed in the landing frame, after that frame's glide step
    keys("ENTER RIGHT");
    EXPECT_EQ(std::make_tuple(game.moving, game.menuIndex), std::make_tuple(false, rollAction));
    keyDown(KeyEnter);
    tick(3);
    EXPECT_EQ(std::make_tuple(game.cameraGlide, game.moving), std::make_tuple(0, false));
    tick();
    ASSERT_TRUE(game.moving);
    const int target = game.moveTarget;
    tick(200);  // still held: one roll only
    keyUp(KeyEnter);
    EXPECT_EQ(game.position[1], target);
}

}  // namespace

// A card drives a jailed computer into debt, and the forced release that follows bankrupts it:
// its debt state must close back to the board, so the next computer rolls without any key.
// Fault: the screen stayed on the bankrupt seat's asset menu and no computer acted again; and
// the middle took the debtor's assets without its negative cash (money from nothing).
TEST_F(TurnSession, BankruptcyInTheDebtStateHandsTheTurnOnWithoutAKey) {
    startBoardGame(1, 3);
    game.bankrupt[0] = true;
    game.money[0] = 0;
    game.middleOption = 1;
    putInJail(2, 2);
    game.money[2] = 20;
    giveProperty(2, 0);
    game.currentPlayer = 1;
    game.activeDeck = 0;
    setTopCard(0, 9);  // "Collect $50 from every player"
    game.cardTimer = 1;
    const long long before = totalMoney();
    tick();
    ASSERT_TRUE(game.bankrupt[2]);
    EXPECT_EQ(std::make_tuple(game.screen, game.inDebt, game.middlePot), std::make_tuple(Board, false, 0));
    EXPECT_EQ(totalMoney(), before + mortgageValue(0));  // the middle sells the deed, pays the debt
    EXPECT_TRUE(stateIsValid());
    EXPECT_GT(tickUntil([] { return game.currentPlayer == 3 && game.diceTimer > 0; }, 5000), 0);
}

// The unmortgage question is put only when the property's owner, whom the answer charges, can
// pay, whichever seat's menu is open. Fault: the frame step asked `menuPlayer` instead.
TEST_F(TurnSession, UnmortgageQuestionIsPrunedByTheOwnersCash) {
    const struct {
        int owner, property;
        bool ownerCanPay;
    } cases[] = {{1, 13, true}, {1, 13, false}, {0, 0, true}, {0, 0, false}};
    for (const auto& c : cases) {
        startBoardGame(2);
        const int other = 1 - c.owner;
        giveProperty(c.owner, c.property, -1);
        game.partnerMortgaged[0] = c.property;
        game.partnerMortgagedCount = 1;
        game.menuPlayer = other;  // another seat's menu has been opened since the trade
        game.money[other] = c.ownerCanPay ? 0 : 1500;
        game.money[c.owner] = c.ownerCanPay ? 1500 : 0;
        tick();
        ASSERT_EQ(game.partnerMortgagedCount, c.ownerCanPay ? 1 : 0) << c.owner;
        if (!c.ownerCanPay) continue;
        answerUnmortgageQuestion(true);
        EXPECT_EQ(std::make_tuple(game.houses[c.property], game.money[c.owner]),
                  std::make_tuple(0, 1500 - mortgageValue(c.property)));
    }
}
