// The asset menu played with the keys: a trade between two people, houses, mortgages, the
// debt state, and the bankruptcy that ends a game on the "WINS" screen.
#include <gtest/gtest.h>

#include <tuple>

#include "app/input.h"
#include "app/screen_flow.h"
#include "game/rules.h"
#include "game/state.h"
#include "game/tables.h"
#include "support/fixtures.h"
#include "support/play.h"
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
int tradeMoney() { return game.tradeMoney; }

void expectHouses(int level, int money) {
    for (int p : {2, 3, 4}) EXPECT_EQ(game.houses[p], level) << "property " << p;
    EXPECT_EQ(game.money[0], money);
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
    EXPECT_EQ(std::make_tuple(game.menuIndex, game.menuPlayer), std::make_tuple(KindTrade, 0));
    EXPECT_EQ(game.assetCursor, 0);
    keys("DOWN*2");
    ASSERT_EQ(game.assetCursor, CursorConfirm);
    const std::string before = snapshot();
    keys("ENTER");  // nothing offered
    EXPECT_FALSE(game.choosingTradePartner);
    EXPECT_EQ(snapshot(), before);

    keys("UP ENTER UP*2");
    EXPECT_TRUE(game.selected[1]);
    ASSERT_EQ(game.assetCursor, CursorAmount);
    // $120 digit by digit; $2,120 would be more than the seat has.
    playSteps({{"LEFT UP*2 LEFT UP", tradeMoney, 120}, {"LEFT UP*2", tradeMoney, 1120},
               {"DOWN", tradeMoney, 120}, {"LEFT", cursor, CursorKindRow}});
    keys("UP ENTER");
    ASSERT_TRUE(game.choosingTradePartner);
    keys("1");  // not with oneself
    EXPECT_TRUE(game.choosingTradePartner);
    keys("2");
    ASSERT_FALSE(game.choosingTradePartner);
    EXPECT_TRUE(game.tradePartnerSide);
    EXPECT_EQ(std::make_tuple(game.menuPlayer, game.tradeInitiator), std::make_tuple(1, 0));
    EXPECT_TRUE(game.initiatorSelected[1]);
    EXPECT_EQ(game.initiatorMoney, 120);

    // The partner's side: Frostmere and $8; a digit does not switch seats here.
    keys("UP");
    ASSERT_EQ(game.assetCursor, 5);
    keys("ENTER 1");
    EXPECT_EQ(game.menuPlayer, 1);
    keys("UP DOWN*2");
    EXPECT_EQ(game.tradeMoney, 8);
    keys("LEFT*4");  // past the highest digit: Confirm, the kind being fixed
    ASSERT_EQ(game.assetCursor, CursorConfirm);
    keys("ENTER");
    ASSERT_TRUE(game.tradeOfferOpen);
    EXPECT_TRUE(game.promptYes);
    keys("ENTER");
    EXPECT_FALSE(game.tradeOfferOpen);
    EXPECT_EQ(std::make_tuple(game.screen, game.owner[0]), std::make_tuple(Board, 0));
    EXPECT_EQ(std::make_tuple(game.owner[1], game.owner[5]), std::make_tuple(1, 0));
    EXPECT_EQ(std::make_tuple(game.owner[22], game.money[0]), std::make_tuple(1, 1500 - 120 + 8));
    EXPECT_EQ(game.money[1], 1500 + 120 - 8);
    EXPECT_TRUE(nothingSelected());
    EXPECT_EQ(game.currentPlayer, 0);  // a trade is not the turn
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
    EXPECT_TRUE(game.choosingTradePartner);
    EXPECT_EQ(game.menuPlayer, 0);
    EXPECT_TRUE(game.selected[3]);
    tick();
    keyUp(KeyEnter);
    keyUp('2');
    EXPECT_TRUE(game.tradePartnerSide);
    EXPECT_EQ(std::make_tuple(game.tradeInitiator, game.menuPlayer), std::make_tuple(0, 1));
    EXPECT_TRUE(game.initiatorSelected[3]);
}

// Houses bought on a whole group through the amount field, a refused uneven build, selling,
// mortgaging and lifting a mortgage in the Mortgage kind reached through the kind row.
TEST_F(AssetSession, HousesAndMortgageMenus) {
    startBoardGame(2);
    giveGroup(0, 1);      // properties 2, 3, 4: column 0 rows 4 to 6
    giveProperty(0, 22);  // column 4 row 0
    keys("RIGHT*2 ENTER");
    ASSERT_EQ(game.screen, AssetMenu);
    EXPECT_EQ(std::make_tuple(game.menuIndex, game.houseCount), std::make_tuple(KindHouses, 1));
    ASSERT_EQ(game.assetCursor, 2);
    playSteps({{"ENTER UP UP", houseCount, 2}, {"RIGHT DOWN*3", cursor, CursorConfirm}});
    const std::string before = snapshot();
    keys("ENTER");  // two houses on one street of three: uneven
    EXPECT_EQ(snapshot(), before);
    playSteps({{"UP", cursor, 4}, {"ENTER UP ENTER DOWN*2 ENTER", money0, 1500 - 3 * 2 * 50}});
    expectHouses(2, 1500 - 3 * 2 * 50);
    EXPECT_TRUE(nothingSelected());
    // 5 wraps to 1, DOWN back to 5; the kind row leads to Mortgage, where 1..5 sells that many
    // buildings per street, 0 mortgages the transport found across the grid, -1 lifts it at
    // the value plus 10% (from column 0 the wrap reaches column 4).
    playSteps({{"DOWN*2 UP*4 DOWN", houseCount, 5}, {"LEFT", cursor, CursorKindRow},
               {"RIGHT", menuKind, KindMortgage}, {"DOWN*5", houseCount, 1},
               {"RIGHT ENTER DOWN ENTER DOWN ENTER DOWN ENTER", money0, 1200 + 3 * 25},
               {"DOWN*3", houseCount, 0}, {"RIGHT RIGHT", cursor, 22},
               {"ENTER DOWN", cursor, CursorBack}, {"LEFT ENTER", money0, 1275 + 100},
               {"DOWN*3", houseCount, -1}, {"RIGHT LEFT", cursor, 22},
               {"ENTER DOWN LEFT ENTER", money0, 1375 - 110}, {"RIGHT ENTER", menuKind, 0}});
    expectHouses(1, 1265);
    EXPECT_EQ(game.houses[22], 0);
    EXPECT_EQ(game.screen, Board);
}

// Rent that drives cash below zero opens the debt state: the menu cannot be left and no
// other seat's menu opens until a mortgage brings the cash back to zero or more.
TEST_F(AssetSession, DebtStateHoldsTheMenuUntilCashIsNotNegative) {
    startBoardGame(2);
    game.money[0] = 10;
    giveProperty(0, 22);
    giveProperty(1, 2, 2);  // rent 90
    rollAndRest(0, 4);
    ASSERT_EQ(game.position[0], 6);
    EXPECT_EQ(game.money[0], -80);
    ASSERT_EQ(game.screen, AssetMenu);
    EXPECT_TRUE(game.inDebt);
    EXPECT_EQ(std::make_tuple(game.menuPlayer, game.menuIndex), std::make_tuple(0, KindMortgage));
    EXPECT_EQ(game.assetCursor, CursorConfirm);
    ASSERT_TRUE(noticeUp());
    keys("ENTER");
    EXPECT_FALSE(noticeUp());
    keys("RIGHT");
    ASSERT_EQ(game.assetCursor, CursorBack);
    keys("ENTER 2");  // Back to Game, then seat 1's menu: both refused
    EXPECT_EQ(game.screen, AssetMenu);
    EXPECT_TRUE(game.inDebt);
    EXPECT_EQ(game.menuPlayer, 0);
    keys("DOWN");  // the kind row is out of reach
    EXPECT_EQ(game.assetCursor, CursorAmount);
    keys("LEFT");
    EXPECT_EQ(game.assetCursor, CursorConfirm);
    keys("UP");
    ASSERT_EQ(game.assetCursor, 22);
    keys("ENTER DOWN LEFT");
    ASSERT_EQ(game.assetCursor, CursorConfirm);
    ASSERT_EQ(game.houseCount, 0);
    keys("ENTER");
    EXPECT_EQ(game.money[0], 20);
    EXPECT_FALSE(game.inDebt);
    EXPECT_EQ(game.screen, AssetMenu);
    keys("RIGHT ENTER");
    EXPECT_EQ(game.screen, Board);
}

// The last-but-one seat goes bankrupt on a double: 100 frames of its notice (no key acts),
// then "WINS" for the seat left, which stays until ENTER goes back to the start menu.
TEST_F(AssetSession, BankruptcyEndsTheGameAndEnterReturnsToTheStartMenu) {
    startBoardGame(2);
    game.money[0] = 5;
    giveProperty(1, 2, hotelLevel);
    rollAndRest(2, 2);
    ASSERT_TRUE(game.bankrupt[0]);
    EXPECT_EQ(game.bankruptTimer, bankruptNoticeTicks);
    EXPECT_EQ(std::make_tuple(game.lastCreditor, game.money[1]), std::make_tuple(1, 1505));
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

}  // namespace
