// The asset menu played with the keys: a trade between two people, houses, mortgages, the
// debt state, and the bankruptcy that ends a game on the "WINS" screen.
#include <tuple>

#include "app/input.h"
#include "app/mouse.h"
#include "app/screen_flow.h"
#include "game/rules.h"
#include "game/tables.h"
#include "ui/layout.h"
#include "sim/play.h"
#include "support/fixtures.h"
#include "support/session.h"

namespace {

using AssetSession = Session;

bool nothingSelected() {
    for (int p = 0; p < propertyCount; ++p)
        if (game.selected[p] || game.initiatorSelected[p]) return false;
    return true;
}

int cursor() { return game.assetCursor; }
int houseCount() { return game.houseCount; }
int money0() { return game.money[0]; }
int menuKind() { return game.menuIndex; }
int menuPlayer() { return game.menuPlayer; }
int tradeMoney() { return game.tradeMoney; }
int choosing() { return game.choosingTradePartner; }
int inDebt() { return game.inDebt; }
int screen() { return game.screen; }
// The level on every street of group 1 (properties 2, 3, 4), -9 when they differ.
int groupLevel() {
    return game.houses[2] == game.houses[3] && game.houses[3] == game.houses[4] ? game.houses[2] : -9;
}

// A whole trade: seat 0 gives Saltmarsh Old Bazaar and $120, seat 1 gives Frostmere and $8.
// Every step is a key: selection, the amount's digits, Confirm, the partner's digit, the
// partner's side, Confirm, and YES. A Confirm with nothing offered is refused untouched.
TEST_F(AssetSession, TradeBetweenTwoPeopleThroughTheMenu) {
    startBoardGame(2);
    giveGroup(0, 0);      // properties 0 and 1, column 0 rows 0 and 1
    giveProperty(1, 5);   // column 1 row 0
    giveProperty(1, 22);  // column 4 row 0
    keys("RIGHT ENTER");
    ASSERT_EQ(game.screen, AssetMenu);
    EXPECT_EQ(std::make_tuple(game.menuIndex, game.menuPlayer, game.assetCursor),
              std::make_tuple(KindTrade, 0, 0));
    keys("DOWN*2");
    ASSERT_EQ(game.assetCursor, CursorConfirm);
    const std::string before = snapshot();
    keys("ENTER");  // nothing offered
    EXPECT_FALSE(game.choosingTradePartner);
    EXPECT_EQ(snapshot(), before);
    // $120 digit by digit ($2,120 would be more than the seat has); no partner in oneself.
    playSteps({{"UP ENTER UP*2", cursor, CursorAmount},
               {"LEFT UP*2 LEFT UP", tradeMoney, 120},
               {"LEFT UP*2", tradeMoney, 1120},
               {"DOWN", tradeMoney, 120},
               {"LEFT", cursor, CursorKindRow},
               {"UP ENTER", choosing, 1},
               {"1", choosing, 1},
               {"2", choosing, 0}});
    EXPECT_EQ(std::make_tuple(game.tradePartnerSide, game.menuPlayer, game.tradeInitiator),
              std::make_tuple(true, 1, 0));
    EXPECT_EQ(std::make_tuple(game.initiatorSelected[1], game.initiatorMoney), std::make_tuple(true, 120));
    // The partner's side: Frostmere and $8; a digit does not switch seats here; LEFT past the
    // highest digit reaches Confirm, the kind being fixed.
    playSteps({{"UP", cursor, 5},
               {"ENTER 1", menuPlayer, 1},
               {"UP DOWN*2", tradeMoney, 8},
               {"LEFT*4", cursor, CursorConfirm}});
    keys("ENTER");
    ASSERT_TRUE(game.tradeOfferOpen && game.promptYes);
    keys("ENTER");
    EXPECT_FALSE(game.tradeOfferOpen);
    EXPECT_EQ(std::make_tuple(game.screen, game.owner[0], game.owner[1], game.owner[5], game.owner[22]),
              std::make_tuple(Board, 0, 1, 0, 1));
    EXPECT_EQ(std::make_tuple(game.money[0], game.money[1]), std::make_tuple(1500 - 120 + 8, 1500 + 120 - 8));
    EXPECT_TRUE(nothingSelected());
    EXPECT_EQ(game.currentPlayer, 0);  // a trade is not the turn
}

// The amount field's highest digits, including a loaded amountDigit of 9 (a billion, beyond
// any purse): a step that would pass the seat's cash or zero leaves the amount alone.
// Fault: 9 x 10^9 was computed in 32 bits and overflowed.
TEST_F(AssetSession, AmountStepsAtTheHighestDigitsNeverOverflow) {
    const struct {
        int digit, direction, money, amount, expected;
    } cases[] = {{9, 1, 1500, 0, 0},
                 {9, -1, 1500, 0, 0},
                 {8, 1, 100000000, 0, 100000000},
                 {8, -1, 100000000, 0, 0},
                 {1, 1, 1500, 190, 100}};  // a 9 in the tens wraps to 0 whatever stands above it
    for (const auto& c : cases) {
        startBoardGame(2);
        game.screen = AssetMenu;
        game.menuIndex = KindTrade;
        game.money[0] = c.money;
        game.amountDigit = c.digit;
        game.tradeMoney = c.amount;
        changeAssetAmount(c.direction);
        EXPECT_EQ(game.tradeMoney, c.expected) << c.digit << " " << c.direction;
    }
}

// Fault: Confirm and a seat's digit together switched the menu to that seat first, leaving
// the partner question over a side emptied of its offer; the digit must answer the question.
TEST_F(AssetSession, ConfirmAndADigitInOneTickKeepTheOffer) {
    startBoardGame(3);
    giveProperty(0, 3);
    giveProperty(2, 5);
    keys("RIGHT ENTER ENTER DOWN");  // select property 3, down to Confirm
    ASSERT_EQ(game.assetCursor, CursorConfirm);
    keyDown(KeyEnter);
    keyDown('2');
    tick();
    EXPECT_EQ(std::make_tuple(game.choosingTradePartner, game.menuPlayer, game.selected[3]),
              std::make_tuple(true, 0, true));
    tick();
    keyUp(KeyEnter);
    keyUp('2');
    EXPECT_EQ(std::make_tuple(game.tradePartnerSide, game.tradeInitiator, game.menuPlayer,
                              game.initiatorSelected[3]),
              std::make_tuple(true, 0, 1, true));
}

// Houses bought on a whole group through the amount field, a refused uneven build, selling,
// mortgaging and lifting a mortgage in the Mortgage kind reached through the kind row.
TEST_F(AssetSession, HousesAndMortgageMenus) {
    startBoardGame(2);
    giveGroup(0, 1);      // properties 2, 3, 4: column 0 rows 4 to 6
    giveProperty(0, 22);  // column 4 row 0
    keys("RIGHT*2 ENTER");
    ASSERT_EQ(std::make_tuple(game.screen, game.assetCursor), std::make_tuple(AssetMenu, 2));
    EXPECT_EQ(std::make_tuple(game.menuIndex, game.houseCount), std::make_tuple(KindHouses, 1));
    playSteps({{"ENTER UP UP", houseCount, 2}, {"RIGHT DOWN*3", cursor, CursorConfirm}});
    const std::string before = snapshot();
    keys("ENTER");  // two houses on one street of three: uneven
    EXPECT_EQ(snapshot(), before);
    playSteps(
        {{"UP", cursor, 4}, {"ENTER UP ENTER DOWN*2 ENTER", money0, 1500 - 3 * 2 * 50}, {"", groupLevel, 2}});
    EXPECT_TRUE(nothingSelected());
    // 5 wraps to 1, DOWN back to 5; the kind row leads to Mortgage, where 1..5 sells that many
    // buildings per street, 0 mortgages the transport found across the grid, -1 lifts it at
    // the value plus 10% (from column 0 the wrap reaches column 4).
    playSteps({{"DOWN*2 UP*4 DOWN", houseCount, 5},
               {"LEFT", cursor, CursorKindRow},
               {"RIGHT", menuKind, KindMortgage},
               {"DOWN*5", houseCount, 1},
               {"RIGHT ENTER DOWN ENTER DOWN ENTER DOWN ENTER", money0, 1200 + 3 * 25},
               {"", groupLevel, 1},
               {"DOWN*3", houseCount, 0},
               {"RIGHT RIGHT", cursor, 22},
               {"ENTER DOWN", cursor, CursorBack},
               {"LEFT ENTER", money0, 1275 + 100},
               {"DOWN*3", houseCount, -1},
               {"RIGHT LEFT", cursor, 22},
               {"ENTER DOWN LEFT ENTER", money0, 1375 - 110},
               {"RIGHT ENTER", menuKind, 0},
               {"", screen, Board}});
    EXPECT_EQ(std::make_tuple(groupLevel(), game.houses[22]), std::make_tuple(1, 0));
}

// Rent that drives cash below zero opens the debt state: the menu cannot be left and no
// other seat's menu opens until a mortgage brings the cash back to zero or more.
TEST_F(AssetSession, DebtStateHoldsTheMenuUntilCashIsNotNegative) {
    startBoardGame(2);
    game.money[0] = 10;
    giveProperty(0, 22);
    giveProperty(1, 2, 2);  // rent 90
    rollAndRest(0, 4);
    ASSERT_EQ(std::make_tuple(game.position[0], game.screen), std::make_tuple(6, AssetMenu));
    EXPECT_EQ(std::make_tuple(game.money[0], game.inDebt, game.menuPlayer, game.menuIndex, game.assetCursor),
              std::make_tuple(-80, true, 0, KindMortgage, CursorConfirm));
    ASSERT_TRUE(noticeUp());
    keys("ENTER");
    EXPECT_FALSE(noticeUp());
    // Back to Game, then seat 1's menu: both refused; the kind row is out of reach.
    playSteps({{"RIGHT", cursor, CursorBack},
               {"ENTER 2", screen, AssetMenu},
               {"", inDebt, 1},
               {"", menuPlayer, 0},
               {"DOWN", cursor, CursorAmount},
               {"LEFT", cursor, CursorConfirm},
               {"UP", cursor, 22},
               {"ENTER DOWN LEFT", cursor, CursorConfirm},
               {"", houseCount, 0},
               {"ENTER", money0, 20},
               {"", inDebt, 0},
               {"", screen, AssetMenu},
               {"RIGHT ENTER", screen, Board}});
}

// The last-but-one seat goes bankrupt on a double: 100 frames of its notice (no key acts),
// then "WINS" for the seat left, which stays until ENTER goes back to the start menu.
TEST_F(AssetSession, BankruptcyEndsTheGameAndEnterReturnsToTheStartMenu) {
    startBoardGame(2);
    game.money[0] = 5;
    giveProperty(1, 2, hotelLevel);
    rollAndRest(2, 2);
    ASSERT_TRUE(game.bankrupt[0]);
    EXPECT_EQ(std::make_tuple(game.bankruptTimer, game.lastCreditor, game.money[1]),
              std::make_tuple(bankruptNoticeTicks, 1, 1505));
    keys("ENTER q RIGHT");
    tick(bankruptNoticeTicks - 4);
    EXPECT_FALSE(game.gameOver || game.quitConfirmOpen);
    tick();
    ASSERT_TRUE(game.gameOver);
    EXPECT_EQ(game.winner, 1);
    tick(300);
    keys("RIGHT");
    EXPECT_TRUE(game.gameOver);
    keys("ENTER");
    EXPECT_FALSE(game.gameOver || game.bankrupt[0]);
    EXPECT_EQ(std::make_tuple(game.screen, game.money[1]), std::make_tuple(StartMenu, 0));
}

// A trade hands seat 0 a mortgaged property: the "Mortgage Interest" notice comes first, the
// unmortgage question (YES chosen) after it. One ENTER, however long held, only dismisses the
// notice; nor does a press that arrives just after the notice ran out by itself answer the
// question it never showed, nor a click on YES meant for the notice. The next deliberate press
// does answer.
TEST_F(AssetSession, OneEnterNeverBothDismissesTheNoticeAndAnswersTheQuestion) {
    enum Way { HeldEnter, EnterAfterNotice, ClickAfterNotice };
    for (const Way way : {HeldEnter, EnterAfterNotice, ClickAfterNotice}) {
        SCOPED_TRACE(way);
        resetProgram();
        startTestGame(2);
        giveProperty(1, 5, -1);
        game.tradeInitiator = 0;
        game.menuPlayer = 1;
        game.selected[5] = true;
        game.promptYes = true;
        executeTrade();
        ASSERT_GT(game.noticeTimer, 0);
        ASSERT_EQ(game.initiatorMortgagedCount, 1);
        const int cash = game.money[0];
        if (way == HeldEnter) {
            press(KeyEnter, 40);  // held well past the notice
        } else {
            ASSERT_GT(tickUntil([] { return game.noticeTimer == 0; }, noticeTicks + 5), 0);
            if (way == EnterAfterNotice)
                press(KeyEnter);
            else
                leftClick(static_cast<int>(yesHit.x0) + 10, yesHit.y0 + 10);
        }
        EXPECT_EQ(game.noticeTimer, 0);
        EXPECT_EQ(game.initiatorMortgagedCount, 1) << "the question was answered unseen";
        EXPECT_EQ(game.money[0], cash);
        tick(freshQuestionGuardTicks);
        press(KeyEnter);
        EXPECT_EQ(game.initiatorMortgagedCount, 0);
        EXPECT_EQ(game.money[0], cash - mortgageValue(5));
    }
}

}  // namespace
