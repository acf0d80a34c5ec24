// The asset menu played with the keys: a trade between two people, houses, mortgages, the
// debt state, and the bankruptcy that ends a game on the "WINS" screen.
#include <gtest/gtest.h>

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

// A whole trade: seat 0 gives Saltmarsh Old Bazaar and $120, seat 1 gives Frostmere and $8.
// Every step is a key: selection, the amount's digits, Confirm, the partner's digit, the
// partner's side, Confirm, and YES. A Confirm with nothing offered is refused untouched.
TEST_F(AssetSession, TradeBetweenTwoPeopleThroughTheMenu) {
    startBoardGame(2);
    giveGroup(0, 0);      // properties 0 and 1, column 0 rows 0 and 1
    giveProperty(1, 5);   // column 1 row 0
    giveProperty(1, 22);  // column 4 row 0

    press(KeyRight);
    press(KeyEnter);
    ASSERT_EQ(game.screen, AssetMenu);
    EXPECT_EQ(game.menuIndex, KindTrade);
    EXPECT_EQ(game.menuPlayer, 0);
    EXPECT_EQ(game.assetCursor, 0);

    press(KeyDown);
    EXPECT_EQ(game.assetCursor, 1);
    press(KeyDown);
    ASSERT_EQ(game.assetCursor, CursorConfirm);
    const std::string before = snapshot();
    press(KeyEnter);  // nothing offered
    EXPECT_FALSE(game.choosingTradePartner);
    EXPECT_EQ(snapshot(), before);

    press(KeyUp);
    ASSERT_EQ(game.assetCursor, 1);
    press(KeyEnter);
    EXPECT_TRUE(game.selected[1]);
    press(KeyUp);
    press(KeyUp);
    ASSERT_EQ(game.assetCursor, CursorAmount);

    // $120 digit by digit; $2,120 would be more than the seat has.
    press(KeyLeft);
    pressRepeatedly(KeyUp, 2);
    press(KeyLeft);
    press(KeyUp);
    EXPECT_EQ(game.tradeMoney, 120);
    press(KeyLeft);
    pressRepeatedly(KeyUp, 2);
    EXPECT_EQ(game.tradeMoney, 1120);
    press(KeyDown);
    EXPECT_EQ(game.tradeMoney, 120);
    press(KeyLeft);
    EXPECT_EQ(game.assetCursor, CursorKindRow);
    press(KeyUp);
    ASSERT_EQ(game.assetCursor, CursorConfirm);
    press(KeyEnter);
    ASSERT_TRUE(game.choosingTradePartner);

    pressSeat(0);  // not with oneself
    EXPECT_TRUE(game.choosingTradePartner);
    pressSeat(1);
    ASSERT_FALSE(game.choosingTradePartner);
    EXPECT_TRUE(game.tradePartnerSide);
    EXPECT_EQ(game.menuPlayer, 1);
    EXPECT_EQ(game.tradeInitiator, 0);
    EXPECT_TRUE(game.initiatorSelected[1]);
    EXPECT_EQ(game.initiatorMoney, 120);

    // The partner's side: Frostmere and $8.
    press(KeyUp);
    ASSERT_EQ(game.assetCursor, 5);
    press(KeyEnter);
    pressSeat(0);  // a digit does not switch seats on the partner side
    EXPECT_EQ(game.menuPlayer, 1);
    press(KeyUp);
    ASSERT_EQ(game.assetCursor, CursorAmount);
    pressRepeatedly(KeyDown, 2);
    EXPECT_EQ(game.tradeMoney, 8);
    pressRepeatedly(KeyLeft, 4);  // past the highest digit: Confirm, the kind being fixed
    ASSERT_EQ(game.assetCursor, CursorConfirm);
    press(KeyEnter);
    ASSERT_TRUE(game.tradeOfferOpen);
    EXPECT_TRUE(game.promptYes);
    press(KeyEnter);

    EXPECT_FALSE(game.tradeOfferOpen);
    EXPECT_EQ(game.screen, Board);
    EXPECT_EQ(game.owner[0], 0);
    EXPECT_EQ(game.owner[1], 1);
    EXPECT_EQ(game.owner[5], 0);
    EXPECT_EQ(game.owner[22], 1);
    EXPECT_EQ(game.money[0], 1500 - 120 + 8);
    EXPECT_EQ(game.money[1], 1500 + 120 - 8);
    EXPECT_TRUE(nothingSelected());
    EXPECT_EQ(game.currentPlayer, 0);  // a trade is not the turn
}

// Confirm and a seat's digit pressed together: the digit answers the partner question that
// Confirm opens. It must not first switch the menu to that seat, which would leave the
// question standing over a side emptied of its offer.
TEST_F(AssetSession, ConfirmAndADigitInOneTickKeepTheOffer) {
    startBoardGame(3);
    giveProperty(0, 3);
    giveProperty(2, 5);
    press(KeyRight);
    press(KeyEnter);
    press(KeyEnter);  // select property 3
    press(KeyDown);
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
    EXPECT_EQ(game.tradeInitiator, 0);
    EXPECT_EQ(game.menuPlayer, 1);
    EXPECT_TRUE(game.initiatorSelected[3]);
}

// Houses bought on a whole group through the amount field, a refused uneven build, selling,
// mortgaging and lifting a mortgage in the Mortgage kind reached through the kind row.
TEST_F(AssetSession, HousesAndMortgageMenus) {
    startBoardGame(2);
    giveGroup(0, 1);      // properties 2, 3, 4: column 0 rows 4 to 6
    giveProperty(0, 22);  // column 4 row 0

    pressRepeatedly(KeyRight, 2);
    press(KeyEnter);
    ASSERT_EQ(game.screen, AssetMenu);
    EXPECT_EQ(game.menuIndex, KindHouses);
    EXPECT_EQ(game.houseCount, 1);
    ASSERT_EQ(game.assetCursor, 2);

    press(KeyEnter);
    press(KeyUp);
    ASSERT_EQ(game.assetCursor, CursorAmount);
    press(KeyUp);
    EXPECT_EQ(game.houseCount, 2);
    press(KeyRight);
    EXPECT_EQ(game.assetCursor, 2);
    pressRepeatedly(KeyDown, 3);
    ASSERT_EQ(game.assetCursor, CursorConfirm);
    const std::string before = snapshot();
    press(KeyEnter);  // two houses on one street of three: uneven
    EXPECT_EQ(snapshot(), before);

    press(KeyUp);
    ASSERT_EQ(game.assetCursor, 4);
    press(KeyEnter);
    press(KeyUp);
    press(KeyEnter);
    pressRepeatedly(KeyDown, 2);
    ASSERT_EQ(game.assetCursor, CursorConfirm);
    press(KeyEnter);
    EXPECT_EQ(game.houses[2], 2);
    EXPECT_EQ(game.houses[3], 2);
    EXPECT_EQ(game.houses[4], 2);
    EXPECT_EQ(game.money[0], 1500 - 3 * 2 * 50);
    EXPECT_TRUE(nothingSelected());

    pressRepeatedly(KeyDown, 2);
    ASSERT_EQ(game.assetCursor, CursorAmount);
    pressRepeatedly(KeyUp, 4);  // 5 wraps to 1, DOWN wraps back to 5
    press(KeyDown);
    EXPECT_EQ(game.houseCount, 5);

    // The kind row: Mortgage, where 1..5 sells that many buildings per street.
    press(KeyLeft);
    ASSERT_EQ(game.assetCursor, CursorKindRow);
    press(KeyRight);
    ASSERT_EQ(game.menuIndex, KindMortgage);
    press(KeyDown);
    pressRepeatedly(KeyDown, 4);
    EXPECT_EQ(game.houseCount, 1);
    press(KeyRight);
    press(KeyEnter);
    press(KeyDown);
    press(KeyEnter);
    press(KeyDown);
    press(KeyEnter);
    press(KeyDown);
    ASSERT_EQ(game.assetCursor, CursorConfirm);
    press(KeyEnter);
    EXPECT_EQ(game.houses[2], 1);
    EXPECT_EQ(game.houses[3], 1);
    EXPECT_EQ(game.houses[4], 1);
    EXPECT_EQ(game.money[0], 1200 + 3 * 25);

    // 0 mortgages the transport, found across the grid.
    pressRepeatedly(KeyDown, 3);
    EXPECT_EQ(game.houseCount, 0);
    press(KeyRight);
    press(KeyRight);
    ASSERT_EQ(game.assetCursor, 22);
    press(KeyEnter);
    press(KeyDown);
    EXPECT_EQ(game.assetCursor, CursorBack);
    press(KeyLeft);
    press(KeyEnter);
    EXPECT_EQ(game.houses[22], -1);
    EXPECT_EQ(game.money[0], 1275 + 100);

    // -1 lifts it at the mortgage value plus ten percent.
    pressRepeatedly(KeyDown, 3);
    EXPECT_EQ(game.houseCount, -1);
    press(KeyRight);
    press(KeyLeft);  // from column 0 the wrap reaches column 4
    ASSERT_EQ(game.assetCursor, 22);
    press(KeyEnter);
    press(KeyDown);
    press(KeyLeft);
    press(KeyEnter);
    EXPECT_EQ(game.houses[22], 0);
    EXPECT_EQ(game.money[0], 1375 - 110);

    press(KeyRight);
    press(KeyEnter);
    EXPECT_EQ(game.screen, Board);
    EXPECT_EQ(game.menuIndex, 0);
}

// Rent that drives cash below zero opens the debt state: the menu cannot be left and no
// other seat's menu opens until a mortgage brings the cash back to zero or more.
TEST_F(AssetSession, DebtStateHoldsTheMenuUntilCashIsNotNegative) {
    startBoardGame(2);
    game.money[0] = 10;
    giveProperty(0, 22);
    giveProperty(1, 2, 2);  // rent 90
    rollWithKeys(0, 4);
    tickUntilAtRest();
    ASSERT_EQ(game.position[0], 6);
    EXPECT_EQ(game.money[0], -80);
    ASSERT_EQ(game.screen, AssetMenu);
    EXPECT_TRUE(game.inDebt);
    EXPECT_EQ(game.menuPlayer, 0);
    EXPECT_EQ(game.menuIndex, KindMortgage);
    EXPECT_EQ(game.assetCursor, CursorConfirm);
    ASSERT_TRUE(noticeUp());
    press(KeyEnter);
    EXPECT_FALSE(noticeUp());

    press(KeyRight);
    ASSERT_EQ(game.assetCursor, CursorBack);
    press(KeyEnter);
    EXPECT_EQ(game.screen, AssetMenu);
    EXPECT_TRUE(game.inDebt);
    pressSeat(1);
    EXPECT_EQ(game.menuPlayer, 0);
    press(KeyDown);  // the kind row is out of reach
    EXPECT_EQ(game.assetCursor, CursorAmount);
    press(KeyLeft);
    EXPECT_EQ(game.assetCursor, CursorConfirm);

    press(KeyUp);
    ASSERT_EQ(game.assetCursor, 22);
    press(KeyEnter);
    press(KeyDown);
    press(KeyLeft);
    ASSERT_EQ(game.assetCursor, CursorConfirm);
    ASSERT_EQ(game.houseCount, 0);
    press(KeyEnter);
    EXPECT_EQ(game.money[0], 20);
    EXPECT_FALSE(game.inDebt);
    EXPECT_EQ(game.screen, AssetMenu);
    press(KeyRight);
    press(KeyEnter);
    EXPECT_EQ(game.screen, Board);
}

// The last-but-one seat goes bankrupt on a double: 100 frames of its notice (no key acts),
// then "WINS" for the seat left, which stays until ENTER goes back to the start menu.
TEST_F(AssetSession, BankruptcyEndsTheGameAndEnterReturnsToTheStartMenu) {
    startBoardGame(2);
    game.money[0] = 5;
    giveProperty(1, 2, hotelLevel);
    rollWithKeys(2, 2);
    tickUntilAtRest();
    ASSERT_TRUE(game.bankrupt[0]);
    EXPECT_EQ(game.bankruptTimer, bankruptNoticeTicks);
    EXPECT_EQ(game.lastCreditor, 1);
    EXPECT_EQ(game.money[1], 1505);

    press(KeyEnter);
    press('q');
    press(KeyRight);
    tick(bankruptNoticeTicks - 4);
    EXPECT_FALSE(game.gameOver);
    EXPECT_FALSE(game.quitConfirmOpen);
    tick();
    ASSERT_TRUE(game.gameOver);
    EXPECT_EQ(game.winner, 1);
    tick(300);
    EXPECT_TRUE(game.gameOver);
    press(KeyRight);
    EXPECT_TRUE(game.gameOver);

    press(KeyEnter);
    EXPECT_FALSE(game.gameOver);
    EXPECT_EQ(game.screen, StartMenu);
    EXPECT_EQ(game.money[1], 0);
    EXPECT_FALSE(game.bankrupt[0]);
}

}  // namespace
