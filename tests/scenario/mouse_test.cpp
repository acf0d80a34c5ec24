// Clicks through the same entry point GLUT calls, aimed at the layout's own rectangles: each
// left-button rule, the open edges, the jailed action bar, the money-field columns, the
// right-button pan, the save layers and a half-size window.
#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>
#include <utility>

#include "app/mouse.h"
#include "app/screen_flow.h"
#include "app/shell.h"
#include "game/rules.h"
#include "game/tables.h"
#include "sim/play.h"
#include "support/fixtures.h"
#include "ui/layout.h"

namespace fs = std::filesystem;

namespace {

// A press only: the release must do nothing by itself.
void clickAt(float x, float y, int button = mouseLeftButton) {
    onMouse(button, mouseButtonDown, static_cast<int>(x), static_cast<int>(y));
}
void click(const Rect& r, int button = mouseLeftButton) { clickAt((r.x0 + r.x1) / 2, (r.y0 + r.y1) / 2, button); }
float midY(const Rect& r) { return (r.y0 + r.y1) / 2; }
// Board-image point (u, v) at zoom 1.
void clickBoardPoint(float u, float v, int button = mouseLeftButton) {
    clickAt(boardArea.x0 + boardArea.width() * u, boardArea.y1 - boardArea.height() * v, button);
}
void clickBoardCentre() { click(boardArea); }
void clickPanel(int seat) { click(panelHit(game.tokenSlot[seat])); }

// Every test runs in a scratch folder, where the save layers keep their file.
class Mouse : public ::testing::Test {
protected:
    fs::path previous = fs::current_path(), dir;
    void SetUp() override {
        char pattern[] = "/tmp/tenantry-mouse-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        fs::current_path(dir = pattern);
        resetProgram();
    }
    void TearDown() override {
        fs::current_path(previous);
        fs::remove_all(dir);
        resetProgram();
    }
    static void board(int humans = 2, int computers = 0) {
        resetProgram();
        startTestGame(humans, computers);
        computeBoardGeometry();
    }
};

}  // namespace

TEST_F(Mouse, MenusFromStartToTheBoard) {
    clickAt(startHit.x1, midY(startHit));  // the right edge is outside
    onMouse(mouseLeftButton, 1, 300, 140);  // a release on START
    onMouse(mouseMiddleButton, mouseButtonDown, 300, 140);
    EXPECT_EQ(game.screen, StartMenu);
    click(optionsHit);
    ASSERT_EQ(game.screen, OptionsMenu);
    // Each row's arrows act on that row: 2 + 0 players, LEFT wraps to 8 humans, RIGHT to 2.
    const struct {
        Rect arrow;
        int row, value;
        int (*field)();
    } steps[] = {{decreaseArrowHit(0), 0, 8, [] { return game.humanCount; }},
                 {increaseArrowHit(0), 0, 2, [] { return game.humanCount; }},
                 {increaseArrowHit(1), 1, 1, [] { return game.computerCount; }},
                 {decreaseArrowHit(2), 2, 2, [] { return game.middleOption; }},
                 {increaseArrowHit(3), 3, 0, [] { return int{game.biddingOption}; }}};
    for (const auto& s : steps) {
        click(s.arrow);
        EXPECT_EQ(std::make_pair(game.menuIndex, s.field()), std::make_pair(s.row, s.value));
    }
    click(backToMenuHit);
    EXPECT_EQ(std::make_pair(game.screen, game.menuIndex), std::make_pair(int{StartMenu}, 0));
    click(startHit);
    EXPECT_EQ(game.screen, NameEntry);
    for (int entry = 0; entry < 3; ++entry) clickAt(5, 5);  // anywhere confirms a name
    EXPECT_EQ(game.screen, TurnOrder);
    // Three entrants, named by default and moved to the seats drawn for them.
    const char* byEntry[3] = {"P1", "P2", "C1"};
    for (int seat = 0; seat < 3; ++seat) EXPECT_STREQ(game.playerNames[seat], byEntry[game.entryIndex[seat]]);
    clickAt(5, 5);
    EXPECT_EQ(game.screen, Board);
}

// In jail the bar has five entries and the others move left: the jailed Mortgage lies where the
// free bar has House/Hotel. A notice takes clicks only in the board area.
TEST_F(Mouse, ActionBarFreeAndJailed) {
    board();
    putInJail(0);
    click(actionBarJailed[3].hit);
    EXPECT_EQ(std::make_pair(game.screen, game.menuIndex), std::make_pair(int{AssetMenu}, int{KindMortgage}));
    board();
    putInJail(0);
    click(actionBarJailed[4].hit);  // Leave Jail
    EXPECT_EQ(std::make_pair(game.position[0], game.money[0]), std::make_pair(jailSquare, startingMoney - jailFee));
    click(actionBarJailed[2].hit);
    EXPECT_EQ(game.screen, Board);
    clickBoardCentre();
    EXPECT_EQ(game.noticeTimer, 0);
    game.houseCount = 0;
    click(actionBarFree[2].hit);  // free again: House/Hotel
    EXPECT_EQ(std::make_tuple(game.screen, game.menuIndex, game.houseCount),
              std::make_tuple(int{AssetMenu}, int{KindHouses}, 1));
    board();
    click(actionBarFree[1].hit);
    EXPECT_EQ(std::make_pair(game.screen, game.menuIndex), std::make_pair(int{AssetMenu}, int{KindTrade}));
    board();
    game.cameraGlide = 3;  // nothing while the camera glides, nor while the token walks
    click(actionBarFree[0].hit);
    EXPECT_FALSE(game.moving);
    game.cameraGlide = 0, game.moving = true;
    click(actionBarFree[0].hit);
    EXPECT_EQ(game.diceTimer, 0);
    game.moving = false;
    click(actionBarFree[0].hit);
    EXPECT_TRUE(game.moving);
}

// A click in the middle of each side's hit box opens that property's card and no other; the
// boxes lie inward of the square spots along each side. A click on the board goes back.
TEST_F(Mouse, BoardSquaresOpenTheirCardsAndPanelsTheirMenus) {
    const struct {
        int property;
        float du, dv;  // the hit box's middle, from the square spot
    } cases[] = {
        {0, 0.025f, 0.05f}, {8, 0.05f, 0.025f}, {14, 0.025f, 0.0f}, {19, 0.0f, 0.025f}, {21, 0.0f, 0.025f}};
    for (const auto& c : cases) {
        board();
        const int square = propertySquare[c.property];
        clickBoardPoint(game.squareSpotX[square] + c.du, game.squareSpotY[square] + c.dv);
        EXPECT_EQ(std::make_pair(game.screen, game.boardCursor), std::make_pair(int{PropertyCard}, square));
        clickBoardCentre();
        EXPECT_EQ(game.screen, Board);
    }
    clickPanel(1);
    EXPECT_EQ(std::make_tuple(game.screen, game.menuPlayer, game.menuIndex),
              std::make_tuple(int{AssetMenu}, 1, int{KindTrade}));
}

// $1,500 in hand: one column per digit, units rightmost at 820, each digit as wide as its
// glyph in the field: 11 for a 1, 18 for a 4, 17 for the others. The left edge is inside.
TEST_F(Mouse, MoneyFieldColumnsFollowTheDigitsShown) {
    const float up = (moneyUpTop + moneyUpBottom) / 2, down = (moneyDownTop + moneyDownBottom) / 2;
    const float between = (moneyUpBottom + moneyDownTop) / 2;
    const struct {
        int offer;
        float dx, y;
        int after, digit;  // digit -1: untouched
    } cases[] = {
        {0, 1, up, 1, 0},       {1, 18, up, 11, 1},    {11, 22, up, 21, 1}, {21, 46, down, 21, 3} /* 9000 > 1500 */,
        {40, 36, up, 140, 2},   {140, 35, up, 150, 1}, {21, 120, up, 21, -1}, {21, 1, between, 21, -1},
    };
    for (const auto& c : cases) {
        board();
        game.menuIndex = KindTrade;
        openAssetMenu(0);
        game.tradeMoney = c.offer, game.amountDigit = -1;
        clickAt(moneyFieldRight - c.dx, c.y);
        EXPECT_EQ(std::make_pair(game.tradeMoney, game.amountDigit), std::make_pair(c.after, c.digit))
            << c.offer << " at -" << c.dx;
        EXPECT_EQ(game.assetCursor == CursorAmount, c.digit >= 0);
    }
}

TEST_F(Mouse, AssetMenuCellsTabsCountsCardsAndButtons) {
    board();
    giveGroup(0, 0);
    game.jailCardHolder[1] = 0;
    game.menuIndex = KindTrade;
    openAssetMenu(0);
    click(assetCellHit(propertySlot[1]));
    EXPECT_EQ(std::make_pair(game.selected[1], game.assetCursor), std::make_pair(true, 1));
    click(jailTileHit(0));  // not held: nothing
    click(jailTileHit(1));
    EXPECT_EQ(std::make_tuple(game.jailCardSelected[0], game.jailCardSelected[1], game.assetCursor),
              std::make_tuple(false, true, int{CursorJailCard1}));
    click(confirmHit);  // a valid offer: choose the partner, by panel or back
    ASSERT_TRUE(game.choosingTradePartner);
    click(partnerBackHit);
    EXPECT_FALSE(game.choosingTradePartner);
    click(confirmHit);
    clickPanel(1);
    EXPECT_EQ(std::make_tuple(game.menuPlayer, game.tradePartnerSide, game.choosingTradePartner),
              std::make_tuple(1, true, false));
    clickPanel(0);  // no switching seats on the partner side
    EXPECT_EQ(game.menuPlayer, 1);

    board();
    giveGroup(0, 0);
    openAssetMenu(0);
    click(actionBarFree[2].hit);  // the Houses tab
    EXPECT_EQ(std::make_pair(game.menuIndex, game.assetCursor), std::make_pair(int{KindHouses}, int{CursorKindRow}));
    clickAt(actionBarFree[3].hit.x0, midY(actionBarFree[3].hit));  // on the Mortgage tab's edge: nothing
    click(houseCountUpHit);                                      // 1 -> 2, then 2 -> 1 -> 5
    EXPECT_EQ(game.houseCount, 2);
    click(houseCountDownHit), click(houseCountDownHit);
    EXPECT_EQ(std::make_tuple(game.menuIndex, game.houseCount), std::make_tuple(int{KindHouses}, 5));
    click(assetCellHit(propertySlot[0]), mouseRightButton);
    EXPECT_EQ(std::make_tuple(game.screen, game.returnScreen, game.assetCursor),
              std::make_tuple(int{PropertyCard}, int{AssetMenu}, 0));
    clickBoardCentre();
    clickPanel(1);  // the same kind for another seat
    EXPECT_EQ(std::make_tuple(game.screen, game.menuPlayer, game.menuIndex),
              std::make_tuple(int{AssetMenu}, 1, int{KindHouses}));
    game.inDebt = true;  // the debtor can neither leave nor switch seats
    clickPanel(0), click(backHit);
    EXPECT_EQ(std::make_tuple(game.screen, game.menuPlayer, game.assetCursor),
              std::make_tuple(int{AssetMenu}, 1, int{CursorBack}));
    game.inDebt = false;
    click(backHit);
    EXPECT_EQ(game.screen, Board);
}

TEST_F(Mouse, DialogsTakeTheirButtons) {
    board();
    game.buyPromptOpen = true;
    game.position[0] = 1;
    click(noHit);  // bidding on: an auction, seat 1 bids by its panel
    ASSERT_TRUE(game.auctionOpen);
    clickPanel(1);
    EXPECT_EQ(std::make_pair(game.auctionBidder, game.auctionBid), std::make_pair(1, game.bidIncrement));
    const int increment = game.bidIncrement;
    click(bidUpHit), click(bidUpHit), click(bidDownHit);
    EXPECT_EQ(game.bidIncrement, increment + 10);
    click(auctionEndHit);
    EXPECT_EQ(game.auctionTimer, 1);

    for (bool flat : {true, false}) {
        board();
        game.taxPromptOpen = true;
        click(flat ? flatTaxHit : percentTaxHit);
        EXPECT_EQ(game.money[0], startingMoney - (flat ? 200 : startingMoney / 10));
    }
    for (bool yes : {true, false}) {
        board();
        game.quitConfirmOpen = true;
        click(yes ? quitYesHit : quitNoHit);
        EXPECT_EQ(std::make_pair(game.quitConfirmOpen, game.screen), std::make_pair(false, int{yes ? StartMenu : Board}));
        board();
        game.gameOver = true;
        click(actionBarFree[0].hit);  // "WINS" goes only by the board area
        ASSERT_TRUE(game.gameOver);
        clickBoardCentre();
        EXPECT_EQ(std::make_pair(game.gameOver, game.screen), std::make_pair(false, int{StartMenu}));
    }
    board();
    game.utilityRollPending = true;
    click(actionBarFree[0].hit);
    EXPECT_FALSE(game.utilityRollPending);
}

// The F4 layers by mouse: SAVE, a click anywhere confirms a typed name, a slot saves; LOAD
// takes only a named slot. Help and the statistics view close at any click.
TEST_F(Mouse, SaveLayersHelpAndStatistics) {
    board();
    game.money[0] = 1234;
    shell.saveMenuOpen = true;
    click(saveChoiceHit);
    clickAt(5, 5);  // no name yet: nothing
    EXPECT_FALSE(shell.saveNameDone);
    typeText("mine");
    clickAt(5, 5);
    ASSERT_TRUE(shell.saveNameDone);
    clickAt(slotHit(3).x1, midY(slotHit(3)));  // the slot's right edge: nothing
    EXPECT_TRUE(shell.saveMenuOpen);
    click(slotHit(13));
    EXPECT_FALSE(shell.saveMenuOpen);
    game.money[0] = 5;
    shell.saveMenuOpen = true;
    click(loadChoiceHit);
    click(slotHit(12));  // empty: nothing
    EXPECT_EQ(std::make_pair(shell.loadListOpen, game.money[0]), std::make_pair(true, 5));
    click(slotHit(13));
    EXPECT_EQ(std::make_pair(shell.loadListOpen || shell.saveMenuOpen, game.money[0]), std::make_pair(false, 1234));
    shell.helpOpen = shell.statsOpen = true;
    clickAt(5, 5);
    EXPECT_EQ(std::make_pair(shell.helpOpen, shell.statsOpen), std::make_pair(false, true));
    clickAt(5, 5);
    EXPECT_FALSE(shell.statsOpen);
}

TEST_F(Mouse, RightButtonPansTheZoomedBoard) {
    board();
    game.zoom = 0.5f;
    clickBoardPoint(0.5f, 0.5f, mouseRightButton);  // the centre: the window stays centred
    EXPECT_NEAR(game.cameraTargetX, 0.0f, 1e-3);
    EXPECT_NEAR(game.cameraTargetZ, 0.0f, 0.01);
    EXPECT_EQ(game.cameraGlide, 10);
    game.cameraGlide = 0;
    clickAt(boardArea.x0 + 1, boardArea.y1 - 1, mouseRightButton);  // lower-left: as far as allowed
    EXPECT_NEAR(game.cameraTargetX, -0.25f, 0.002);
    EXPECT_NEAR(game.cameraTargetZ, -0.25f, 0.002);
    game.cameraGlide = 0, game.zoom = 1.0f;
    clickBoardPoint(0.5f, 0.5f, mouseRightButton);  // at zoom 1 nothing changes
    EXPECT_EQ(game.cameraGlide, 0);
}

TEST_F(Mouse, HalfSizeWindowMapsToDesignCoordinates) {
    setWindowSize({600, 350});
    clickAt((startHit.x0 + startHit.x1) / 4, (startHit.y0 + startHit.y1) / 4);
    EXPECT_EQ(game.screen, NameEntry);
}
