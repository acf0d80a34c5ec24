// Clicks through the same entry point GLUT calls: each left-button rule, the open rectangles,
// the jailed action bar, the money-field columns, the right-button pan and a half-size window.
#include <gtest/gtest.h>

#include "app/mouse.h"
#include "app/screen_flow.h"
#include "app/shell.h"
#include "game/rules.h"
#include "game/tables.h"
#include "sim/play.h"
#include "support/fixtures.h"

namespace {

void click(int x, int y, int button = mouseLeftButton) {
    onMouse(button, mouseButtonDown, x, y);
    onMouse(button, 1, x, y);  // the release does nothing
}

void boardGame(int humans = 2, int computers = 0) {
    resetProgram();
    startTestGame(humans, computers);
    computeBoardGeometry();
}

}  // namespace

TEST(MouseMenus, StartOptionsAndBack) {
    resetProgram();
    click(520, 140);  // exactly on START's right edge: nothing
    EXPECT_EQ(game.screen, StartMenu);
    click(400, 220);  // OPTIONS
    EXPECT_EQ(game.screen, OptionsMenu);
    click(800, 140);  // PLAYERS, decrease arrow: 2 + 0 -> 8
    EXPECT_EQ(game.humanCount, 8);
    click(1050, 140);  // increase: 8 -> 2
    EXPECT_EQ(game.humanCount, 2);
    click(1050, 220);  // COMPUTERS increase
    EXPECT_EQ(game.computerCount, 1);
    EXPECT_EQ(game.menuIndex, 1);
    click(800, 390);  // BIDDING toggles from either arrow
    EXPECT_FALSE(game.biddingOption);
    click(300, 480);  // BACK TO MENU
    EXPECT_EQ(game.screen, StartMenu);
    click(300, 140);  // START
    EXPECT_EQ(game.screen, NameEntry);
    click(5, 5);  // name entry: anywhere confirms
    click(5, 5);
    click(5, 5);
    EXPECT_EQ(game.screen, TurnOrder);
    // Three entrants, named by default and moved to the seats drawn for them.
    for (int seat = 0; seat < 3; ++seat) {
        const char* expected[3] = {"P1", "P2", "C1"};
        EXPECT_STREQ(game.playerNames[seat], expected[game.entryIndex[seat]]);
    }
}

TEST(MouseBoard, ActionBarShiftsWhenJailed) {
    boardGame();
    fixClock(secondForDice(0, 1));
    putInJail(0);
    click(380, 75);  // free layout's Roll, but Trade starts at 390 in jail: nothing
    EXPECT_FALSE(game.moving);
    EXPECT_EQ(game.screen, Board);
    game.position[0] = 5;
    click(380, 75);
    EXPECT_TRUE(game.moving);
}

TEST(MouseBoard, LeaveJailAndMenusFromTheBar) {
    boardGame();
    putInJail(0);
    click(800, 75);  // Leave Jail
    EXPECT_EQ(game.position[0], jailSquare);
    EXPECT_EQ(game.money[0], startingMoney - jailFee);
    click(600, 75);  // the fee's notice takes the click, and only in the board area
    EXPECT_EQ(game.screen, Board);
    click(600, 400);
    EXPECT_EQ(game.noticeTimer, 0);
    click(600, 75);  // House/Hotel
    EXPECT_EQ(game.screen, AssetMenu);
    EXPECT_EQ(game.menuIndex, KindHouses);
    EXPECT_EQ(game.houseCount, 1);
}

// A click in the middle of each side's hit box opens that property's card and no other; the
// boxes lie inward of the square spots along each side.
TEST(MouseBoard, EachSidesSquaresAnswerTheirOwnClicks) {
    const struct {
        int property;
        float du, dv;  // the hit box's middle, from the square spot
    } cases[] = {
        {0, 0.025f, 0.05f}, {8, 0.05f, 0.025f}, {14, 0.025f, 0.0f}, {19, 0.0f, 0.025f}, {21, 0.0f, 0.025f}};
    for (const auto& c : cases) {
        boardGame();
        const int square = propertySquare[c.property];
        click(static_cast<int>(300 + 600 * (game.squareSpotX[square] + c.du)),
              static_cast<int>(690 - 590 * (game.squareSpotY[square] + c.dv)));
        EXPECT_EQ(game.screen, PropertyCard) << c.property;
        EXPECT_EQ(game.boardCursor, square) << c.property;
    }
}

TEST(MouseBoard, SquareOpensItsCardAndPanelsOpenMenus) {
    boardGame();
    // Zoom 1: board point (u, v) is at X = 300 + 600u, Y = 690 - 590v. Square 1's hit box
    // starts at its square spot.
    const int square = propertySquare[0];
    const int x = static_cast<int>(300 + 600 * (game.squareSpotX[square] + 0.025f));
    const int y = static_cast<int>(690 - 590 * (game.squareSpotY[square] + 0.05f));
    click(x, y);
    EXPECT_EQ(game.screen, PropertyCard);
    EXPECT_EQ(game.boardCursor, square);
    click(600, 400);  // in the board area: back
    EXPECT_EQ(game.screen, Board);

    const int place = game.tokenSlot[1];
    click((place / 4) * 890 + 100, (place % 4) * 170 + 100);
    EXPECT_EQ(game.screen, AssetMenu);
    EXPECT_EQ(game.menuPlayer, 1);
    EXPECT_EQ(game.menuIndex, KindTrade);
}

TEST(MouseBoard, NothingDuringTheGlideOrTheWalk) {
    boardGame();
    game.cameraGlide = 3;
    click(360, 75);
    EXPECT_FALSE(game.moving);
    game.cameraGlide = 0;
    game.moving = true;
    click(360, 75);
    EXPECT_EQ(game.diceTimer, 0);
}

TEST(MouseAssetMenu, MoneyColumnsForFifteenHundred) {
    boardGame();
    game.menuIndex = KindTrade;
    openAssetMenu(0);
    // $1,500 in hand, $0 offered: four columns of 17 pixels, units rightmost at X 820.
    click(819, 130);  // units, up
    EXPECT_EQ(game.tradeMoney, 1);
    EXPECT_EQ(game.amountDigit, 0);
    EXPECT_EQ(game.assetCursor, CursorAmount);
    click(820 - 18, 130);  // the units column is now 11 wide (digit 1): 809..819 -> tens
    EXPECT_EQ(game.tradeMoney, 11);
    EXPECT_EQ(game.amountDigit, 1);
    click(820 - 11 - 11, 130);  // tens is 11 wide too (digit 1): its left edge 798 is inside
    EXPECT_EQ(game.tradeMoney, 21);
    click(820 - 11 - 17 - 17 - 1, 165);  // thousands column, down: 0 wraps up to 9000 > 1500
    EXPECT_EQ(game.tradeMoney, 21);
    EXPECT_EQ(game.amountDigit, 3);
    click(700, 130);  // left of every column: nothing
    EXPECT_EQ(game.amountDigit, 3);
}

TEST(MouseAssetMenu, CellsTabsCountsAndButtons) {
    boardGame();
    giveGroup(0, 0);
    game.menuIndex = KindTrade;
    openAssetMenu(0);
    const int slot = propertySlot[1];
    click(350 + 102 * (slot / 8) + 40, 176 + 68 * (slot % 8) + 30);
    EXPECT_TRUE(game.selected[1]);
    EXPECT_EQ(game.assetCursor, 1);
    click(600, 75);  // the Houses tab
    EXPECT_EQ(game.menuIndex, KindHouses);
    EXPECT_EQ(game.assetCursor, CursorKindRow);
    click(810, 130);  // count up: 1 -> 2
    EXPECT_EQ(game.houseCount, 2);
    click(810, 165);
    click(810, 165);  // 2 -> 1 -> 5
    EXPECT_EQ(game.houseCount, 5);
    click(700, 75);  // exactly on the tab's border: nothing
    EXPECT_EQ(game.menuIndex, KindHouses);
    click(750, 670);  // Back to Game
    EXPECT_EQ(game.screen, Board);
}

TEST(MouseAssetMenu, RightClickOpensAPropertyCard) {
    boardGame();
    giveProperty(0, 22);
    openAssetMenu(0);
    const int slot = propertySlot[22];
    click(350 + 102 * (slot / 8) + 40, 176 + 68 * (slot % 8) + 30, mouseRightButton);
    EXPECT_EQ(game.screen, PropertyCard);
    EXPECT_EQ(game.returnScreen, AssetMenu);
    EXPECT_EQ(game.assetCursor, 22);
}

TEST(MouseDialogs, PromptsTakeTheirButtons) {
    boardGame();
    game.buyPromptOpen = true;
    game.position[0] = 1;
    click(620, 350);  // NO, bidding on: an auction
    EXPECT_TRUE(game.auctionOpen);
    const int place = game.tokenSlot[1];
    click((place / 4) * 890 + 100, (place % 4) * 170 + 100);  // seat 1 bids by its panel
    EXPECT_EQ(game.auctionBidder, 1);
    EXPECT_EQ(game.auctionBid, 50);
    click(650, 147);  // the up arrow, right of the increment
    EXPECT_EQ(game.bidIncrement, 60);
    click(540, 365);  // end
    EXPECT_EQ(game.auctionTimer, 1);

    boardGame();
    game.taxPromptOpen = true;
    click(680, 350);  // 10%
    EXPECT_FALSE(game.taxPromptOpen);
    EXPECT_EQ(game.money[0], startingMoney - startingMoney / 10);
    click(600, 400);  // the notice is skipped by a click in the board area
    EXPECT_EQ(game.noticeTimer, 0);

    boardGame();
    game.quitConfirmOpen = true;
    click(400, 350);  // NO
    EXPECT_FALSE(game.quitConfirmOpen);
    game.quitConfirmOpen = true;
    click(800, 350);  // YES
    EXPECT_EQ(game.screen, StartMenu);
}

TEST(MouseRightButton, PansTheZoomedBoard) {
    boardGame();
    game.zoom = 0.5f;
    click(600, 395, mouseRightButton);  // the centre of the board area: the window stays
    EXPECT_NEAR(game.cameraTargetX, 0.0f, 1e-3);
    EXPECT_NEAR(game.cameraTargetZ, 0.0f, 0.01);
    EXPECT_EQ(game.cameraGlide, 10);
    game.cameraGlide = 0;
    click(301, 689, mouseRightButton);               // lower-left corner: as far down and left as allowed
    EXPECT_NEAR(game.cameraTargetX, -0.25f, 0.002);  // one pixel inside the open corner
    EXPECT_NEAR(game.cameraTargetZ, -0.25f, 0.002);
    game.cameraGlide = 0;
    game.zoom = 1.0f;
    click(600, 395, mouseRightButton);  // at zoom 1 nothing changes
    EXPECT_EQ(game.cameraGlide, 0);
}

TEST(MouseScale, HalfSizeWindowMapsToDesignCoordinates) {
    resetProgram();
    setWindowSize({600, 350});
    click(150, 70);  // design (300, 140): START
    EXPECT_EQ(game.screen, NameEntry);
}

TEST(MouseHelp, AnyClickClosesHelp) {
    resetProgram();
    shell.helpOpen = true;
    click(300, 140);
    EXPECT_FALSE(shell.helpOpen);
    EXPECT_EQ(game.screen, StartMenu);  // the click did nothing else
}
