// The asset menu played with the keys and clicks: where its cursor goes, a trade between two
// people, houses and mortgages, switching seats, and the debt state that holds the menu open.
#include <tuple>
#include <vector>

#include "app/input.h"
#include "app/mouse.h"
#include "app/screen_flow.h"
#include "game/rules.h"
#include "game/tables.h"
#include "sim/play.h"
#include "support/fixtures.h"
#include "support/session.h"
#include "ui/layout.h"

namespace {

using AssetSession = Session;

int cursor() { return game.assetCursor; }
int houseCount() { return game.houseCount; }
int tradeMoney() { return game.tradeMoney; }
int menuPlayer() { return game.menuPlayer; }
int houses22() { return game.houses[22]; }
// The level on every street of group 1 (properties 2, 3, 4), -9 when they differ.
int groupLevel() {
    return game.houses[2] == game.houses[3] && game.houses[3] == game.houses[4] ? game.houses[2] : -9;
}

// The grid is 5 columns of 8 rows; a property's cell is its slot (column * 8 + row). Seat 0
// owns `owned`, the cursor stands on `from`, one key is pressed.
TEST_F(AssetSession, CursorWalksTheSeatsOwnCells) {
    const std::tuple<std::vector<int>, int, const char*, int> cases[] = {
        {{0, 5, 11}, 0, "RIGHT", 5},      // one column, not two
        {{0, 5, 11}, 0, "LEFT", 11},      // wraps past the empty columns 4 and 3
        {{2, 25, 26}, 2, "LEFT", 25},     // rows 3 and 5 equally near row 4: the upper wins
        {{2, 25, 26}, 25, "RIGHT", 2},    // nearest row in column 0, wrapping from column 4
        {{0, 4, 17}, 0, "RIGHT", 17},     // column 1's search stays in it (4 sits just above)
        {{2}, 2, "RIGHT", 2},             // no other column: it stays
        {{0, 2}, 0, "UP", CursorAmount},  // above the first row: the amount
        {{11}, 11, "DOWN", CursorConfirm},
        {{17}, 17, "DOWN", CursorBack},          // columns 3 and 4 fall onto Back
        {{0, 16, 27}, CursorConfirm, "UP", 16},  // last row first, column 2 before 4
        {{4, 27}, CursorBack, "UP", 4},          // column 0 before column 4
    };
    for (const auto& [owned, from, key, expected] : cases) {
        startBoardGame(2);
        for (const int p : owned) giveProperty(0, p);
        keys("RIGHT ENTER");  // Trade
        game.assetCursor = from;
        keys(key);
        EXPECT_EQ(game.assetCursor, expected) << from << " " << key;
    }
    game.assetCursor = CursorAmount, game.amountDigit = 1;  // RIGHT on the amount: down to the last digit
    keys("RIGHT");
    EXPECT_EQ(std::make_tuple(game.assetCursor, game.amountDigit), std::make_tuple(int{CursorAmount}, 0));
}

// A whole trade: seat 0 gives property 0, both jail cards and $120, seat 1 property 5 and $8.
TEST_F(AssetSession, TradeBetweenTwoPeopleThroughTheMenu) {
    startBoardGame(2);
    giveGroup(0, 0);  // properties 0 and 1, column 0 rows 0 and 1
    giveProperty(1, 5);
    giveProperty(1, 22);
    game.jailCardHolder[0] = game.jailCardHolder[1] = 0;
    keys("RIGHT ENTER DOWN*2");  // Trade, from property 0 down to Confirm
    // $120 digit by digit ($2,120 would pass the seat's cash); Confirm; no partner in oneself.
    playSteps({{"UP UP ENTER UP RIGHT ENTER DOWN", cursor, CursorJailCard1},
               {"ENTER LEFT LEFT UP*2 LEFT UP", tradeMoney, 120},
               {"LEFT UP*2", tradeMoney, 1120},
               {"DOWN", tradeMoney, 120},
               {"LEFT", cursor, CursorKindRow},
               {"UP ENTER+1", menuPlayer, 0},  // the digit beside Confirm must not switch seats
               {"1", menuPlayer, 0},
               {"2", menuPlayer, 1}});
    EXPECT_EQ(std::make_tuple(game.tradePartnerSide, game.initiatorSelected[0], game.initiatorMoney),
              std::make_tuple(true, true, 120));
    // The partner's side: a digit does not switch seats; a 9 steps up to 0 and 0 down to 9;
    // LEFT past the top digit reaches Confirm, the kind being fixed.
    playSteps({{"UP ENTER 1", menuPlayer, 1},
               {"UP DOWN*2", tradeMoney, 8},
               {"UP*2", tradeMoney, 0},
               {"DOWN*2", tradeMoney, 8},
               {"LEFT*4", cursor, CursorConfirm}});
    keys("ENTER ENTER");  // the offer, and YES
    EXPECT_EQ(std::make_tuple(game.screen, game.owner[0], game.owner[5], game.jailCardHolder[0],
                              game.jailCardHolder[1]),
              std::make_tuple(Board, 1, 0, 1, 1));
}

// Seat 1's offer goes to seat 0 by its digit: the first seat is a partner like any other.
TEST_F(AssetSession, TheFirstSeatIsChosenAsPartnerByItsDigit) {
    startBoardGame(2);
    giveProperty(1, 5);
    game.screen = AssetMenu, game.menuIndex = KindTrade, game.currentPlayer = game.menuPlayer = 1;
    game.selected[5] = game.choosingTradePartner = true;
    keys("1");
    EXPECT_EQ(std::make_tuple(game.menuPlayer, game.tradeInitiator, game.tradePartnerSide,
                              game.initiatorSelected[5]),
              std::make_tuple(0, 1, true, true));
}

// Seat 0's menu, with a street, a jail card and money picked, switched to seat 1 by its digit
// or a click on its panel: every pick is dropped, the cursor goes to seat 1's first property
// and the house count restarts for the kind. Neither switches in the debt state, on a trade's
// partner side or to a computer's seat.
TEST_F(AssetSession, SwitchingTheMenusSeatDropsThePicks) {
    enum Block { None, Debt, PartnerSide, Computer };
    // by a click (else the digit), the menu's kind, what blocks the switch
    const std::tuple<bool, int, Block> cases[] = {
        {false, KindHouses, None},    {true, KindMortgage, None},      {false, KindTrade, Debt},
        {true, KindTrade, Debt},      {false, KindTrade, PartnerSide}, {true, KindTrade, PartnerSide},
        {false, KindTrade, Computer}, {true, KindTrade, Computer},
    };
    for (const auto& [click, kind, block] : cases) {
        SCOPED_TRACE(testing::Message() << click << " " << kind << " " << block);
        startBoardGame(block == Computer ? 1 : 2, block == Computer ? 1 : 0);
        for (const int p : {3, 9, 12}) giveProperty(p == 3 ? 0 : 1, p);
        keys("RIGHT ENTER");
        selectAssetKind(kind);
        game.jailCardHolder[0] = game.jailCardHolder[1] = 0;
        game.selected[3] = game.jailCardSelected[0] = game.jailCardSelected[1] = true;
        game.tradeMoney = game.amountDigit = game.houseCount = 3;
        game.inDebt = block == Debt;
        game.tradePartnerSide = block == PartnerSide;
        const std::string before = snapshot();
        const Rect panel = panelHit(game.tokenSlot[1] & 7);
        click ? leftClick(static_cast<int>(panel.x0) + 20, panel.y0 + 20) : keys("2");
        if (block != None) {
            EXPECT_TRUE(snapshot() == before);
            continue;
        }
        EXPECT_EQ(std::make_tuple(game.menuPlayer, game.assetCursor, game.tradeMoney, game.amountDigit),
                  std::make_tuple(1, 9, 0, 0));
        EXPECT_EQ(game.houseCount, kind == KindHouses ? 1 : 0);
        EXPECT_FALSE(game.selected[3] || game.jailCardSelected[0] || game.jailCardSelected[1]);
    }
}

// Houses bought on a whole group through the amount field and sold again, then a transport
// mortgaged and lifted in the Mortgage kind, reached through the kind row. The Houses count
// runs 1..5, the Mortgage count -1..5 (1..5 sells, 0 mortgages, -1 lifts), both wrapping.
TEST_F(AssetSession, HousesAndMortgageMenus) {
    startBoardGame(2);
    giveGroup(0, 1);  // properties 2, 3, 4: column 0 rows 4 to 6
    giveProperty(0, 22);
    keys("RIGHT*2 ENTER");
    playSteps({{"", houseCount, 1},
               {"UP UP", houseCount, 2},
               {"UP*4", houseCount, 1},
               {"DOWN", houseCount, 5},
               {"DOWN*3", houseCount, 2},
               {"RIGHT ENTER DOWN ENTER DOWN ENTER DOWN ENTER", groupLevel, 2},
               {"DOWN LEFT LEFT DOWN*2", houseCount, 1},  // Houses, Trade, Mortgage
               {"RIGHT ENTER DOWN ENTER DOWN ENTER DOWN ENTER", groupLevel, 1},
               {"DOWN*3", houseCount, 0},
               {"DOWN*2", houseCount, 5},
               {"UP*2", houseCount, 0},
               {"RIGHT RIGHT ENTER DOWN LEFT ENTER", houses22, -1},
               {"DOWN*3 RIGHT LEFT ENTER DOWN LEFT ENTER", houses22, 0}});
    keys("RIGHT ENTER");
    EXPECT_EQ(std::make_tuple(game.screen, game.menuIndex), std::make_tuple(Board, 0));
}

// Rent that drives cash below zero opens the debt state on the Mortgage kind: Back to Game is
// refused until a mortgage brings the cash back to zero or more.
TEST_F(AssetSession, DebtStateHoldsTheMenuUntilCashIsNotNegative) {
    startBoardGame(2);
    game.money[0] = 10;
    giveProperty(0, 22);
    giveProperty(1, 2, 2);  // rent 90
    rollAndRest(0, 4);
    ASSERT_EQ(std::make_tuple(game.screen, game.inDebt, game.menuIndex, game.assetCursor),
              std::make_tuple(AssetMenu, true, KindMortgage, CursorConfirm));
    keys("ENTER RIGHT ENTER");  // the rent notice, then Back
    EXPECT_EQ(game.screen, AssetMenu);
    keys("LEFT UP ENTER DOWN LEFT ENTER RIGHT ENTER");  // mortgage the transport, then Back
    EXPECT_EQ(std::make_tuple(game.screen, game.inDebt, game.money[0]), std::make_tuple(Board, false, 20));
}

// A trade hands seat 0 a mortgaged property: the "Mortgage Interest" notice comes first, the
// unmortgage question after it. Neither a held ENTER nor a click on YES just after the notice
// ran out by itself answers the question unseen; the next press does.
TEST_F(AssetSession, OneEnterNeverBothDismissesTheNoticeAndAnswersTheQuestion) {
    for (const bool held : {true, false}) {
        startBoardGame(2);
        giveProperty(1, 5, -1);
        game.tradeInitiator = 0;
        game.menuPlayer = 1;
        game.selected[5] = game.promptYes = true;
        executeTrade();
        if (held) {
            press(KeyEnter, 40);  // well past the notice
        } else {
            ASSERT_EQ(tickUntil([] { return game.noticeTimer == 0; }), noticeTicks - 1);
            leftClick(static_cast<int>(yesHit.x0) + 10, yesHit.y0 + 10);
        }
        EXPECT_EQ(std::make_tuple(game.noticeTimer, game.initiatorMortgagedCount), std::make_tuple(0, 1))
            << held;
        tick(freshQuestionGuardTicks);
        press(KeyEnter);
        EXPECT_EQ(std::make_tuple(game.initiatorMortgagedCount, game.houses[5]), std::make_tuple(0, 0));
    }
}

}  // namespace
