// The menus, the board's action bar and the layers over them, played by keys and by clicks
// through the entry points GLUT calls. Clicks aim at the layout's own rectangles, so each
// checks the rule and the hit area together; a click on a rectangle's right edge (open) misses.
#include <cstdio>
#include <filesystem>
#include <tuple>

#include <unistd.h>

#include "app/mouse.h"
#include "app/screen_flow.h"
#include "app/shell.h"
#include "game/rules.h"
#include "game/tables.h"
#include "sim/play.h"
#include "support/fixtures.h"
#include "support/session.h"
#include "ui/layout.h"

namespace fs = std::filesystem;

namespace {

int screen() { return game.screen; }
int menu() { return game.menuIndex; }
int player() { return game.menuPlayer; }
int cursor() { return game.assetCursor; }
int houses() { return game.houseCount; }
int cash() { return game.money[0]; }
int slot() { return shell.saveSlot; }
int saveLayer() { return shell.saveMenuOpen; }
// The options as four digits: humans, computers, middle option, bidding.
int options() {
    return game.humanCount * 1000 + game.computerCount * 100 + game.middleOption * 10 + game.biddingOption;
}

Rect edge(const Rect& r) { return {r.x1, r.y0, r.x1, r.y1}; }
Rect at(float x, float y) { return {x, y, x, y}; }
const Rect anywhere = at(5, 5);
Rect panel(int seat) { return panelHit(game.tokenSlot[seat]); }
// Board-image point (u, v) at zoom 1.
Rect boardPoint(float u, float v) { return at(boardArea.x0 + 600 * u, boardArea.y1 - 590 * v); }
// A press only (the release must do nothing by itself), at the rectangle's middle.
void click(const Rect& r, int button = mouseLeftButton) {
    onMouse(button, mouseButtonDown, int(r.x0 + r.x1) / 2, int(r.y0 + r.y1) / 2);
}

// Clicks, each followed by one check, as playSteps does for keys.
struct ClickStep {
    Rect at;
    int (*value)();
    int expected;
    int button = mouseLeftButton;
};
void clickSteps(std::initializer_list<ClickStep> steps) {
    for (const ClickStep& s : steps) {
        click(s.at, s.button);
        EXPECT_EQ(s.value(), s.expected) << "step " << &s - steps.begin();
    }
}

// tradeInitiator: whose offer a "Trade?" shows.
void board() { startBoardGame(2), computeBoardGeometry(), game.tradeInitiator = 1; }

// A scratch folder for each test, where the save layers keep their file.
class Menus : public Session {
protected:
    fs::path previous = fs::current_path(),
             dir = fs::temp_directory_path() / ("tenantry-menus-" + std::to_string(getpid()));
    void SetUp() override { fs::create_directories(dir), fs::current_path(dir), Session::SetUp(); }
    void TearDown() override { Session::TearDown(), fs::current_path(previous), fs::remove_all(dir); }
};

}  // namespace

// The player total stays within 2..8 whichever row wraps, each press moves one step, the two
// plain options cycle, ENTER acts only on BACK TO MENU. 1 human alone wraps to 8 and 9 to 2; no
// computer would leave one seat and 2 humans beside 7 computers would make 9; 8 computers wrap to 1.
TEST_F(Menus, OptionsByKeys) {
    // clang-format off
    playSteps({{"DOWN UP UP DOWN", menu, 0}, {"DOWN ENTER", screen, OptionsMenu}, {"LEFT", options, 8001},
               {"RIGHT", options, 2001}, {"DOWN RIGHT UP LEFT", options, 1101}, {"DOWN LEFT", options, 1701},
               {"UP RIGHT", options, 1701}, {"DOWN RIGHT", options, 1101},
               {"UP RIGHT DOWN LEFT", options, 2001}, {"LEFT", options, 2601}, {"RIGHT", options, 2001},
               {"DOWN RIGHT*2", options, 2021}, {"RIGHT", options, 2001}, {"LEFT", options, 2021},
               {"LEFT*2 DOWN LEFT", options, 2000}, {"RIGHT LEFT ENTER", options, 2000},
               {"DOWN*2 UP", menu, 4}, {"ENTER", screen, StartMenu}, {"ENTER", screen, NameEntry}});
    // clang-format on
}

// The same by mouse, then three names (one typed, a single letter) confirmed by clicks anywhere
// and moved to the seats the deal drew for them. A release or the middle button does nothing.
TEST_F(Menus, OptionsAndNamesByMouse) {
    onMouse(mouseLeftButton, 1, int(startHit.x0) + 1, int(startHit.y0) + 1);  // a release on START
    // clang-format off
    clickSteps({{edge(startHit), screen, StartMenu}, {startHit, screen, StartMenu, mouseMiddleButton},
                {optionsHit, screen, OptionsMenu}, {decreaseArrowHit(0), options, 8001},
                {increaseArrowHit(0), options, 2001}, {increaseArrowHit(1), options, 2101},
                {increaseArrowHit(3), options, 2100}, {decreaseArrowHit(3), menu, 3},
                {backToMenuHit, menu, 0}, {startHit, screen, NameEntry}, {anywhere, screen, NameEntry}});
    typeText("Z");  // a one-letter name is a name
    clickSteps({{anywhere, screen, NameEntry}, {anywhere, screen, TurnOrder}});
    // clang-format on
    const char* byEntry[3] = {"P1", "Z", "C1"};
    for (int s = 0; s < 3; ++s) EXPECT_STREQ(game.playerNames[s], byEntry[game.entryIndex[s]]);
    click(anywhere);  // the turn order ends looking at GO
    EXPECT_EQ(std::make_pair(screen(), game.cameraTargetX), std::make_pair(int{Board}, 0.25f));
}

// Q asks on the board, the turn order and a property card: NO goes back, YES ends the game.
// Q and ENTER in one tick ask without rolling under the question.
TEST_F(Menus, QuitQuestionBothWays) {
    for (int where : {int{Board}, int{TurnOrder}, int{PropertyCard}}) {
        board(), game.screen = where, game.returnScreen = Board;
        playSteps({{"q", [] { return int{game.quitConfirmOpen}; }, 1},
                   {"ENTER", screen, where},
                   {"q LEFT ENTER", screen, StartMenu}});
    }
    board(), playSteps({{"q+ENTER", [] { return int{game.quitConfirmOpen && !game.moving}; }, 1}});
}

// An F4 pressed while help is open waits, unconsumed, until help closes; F1 does not open help
// over the save menu. A click closes help, then the statistics view under it.
TEST_F(Menus, HelpAndTheSaveMenuTakeTurns) {
    board(), shell.helpOpen = true, keyDown(KeyF4), tick(3);
    playSteps({{"", saveLayer, 0}, {"ENTER", saveLayer, 0}});  // help closes; F4, still held, acts next
    tick(), keyUp(KeyF4);
    playSteps({{"", saveLayer, 1}, {"F1", [] { return int{shell.helpOpen}; }, 0}});
    shell.helpOpen = shell.statsOpen = true, shell.saveMenuOpen = false;
    // clang-format off
    clickSteps({{anywhere, [] { return int{shell.helpOpen}; }, 0}, {anywhere, [] { return int{shell.statsOpen}; }, 0}});
    // clang-format on
}

// The slot grid is three columns of ten: the arrows wrap inside the grid and inside a column.
// Choosing SAVE or LOAD clears the last failure's message; an empty name or slot does nothing;
// LEFT and RIGHT together cancel out. By keys, then by mouse (5 saved into slot 4, loaded over 777).
TEST_F(Menus, SaveAndLoadLayers) {
    shell.saveMenuOpen = shell.loadListOpen = true;
    // clang-format off
    playSteps({{"LEFT", slot, 20}, {"RIGHT", slot, 0}, {"UP", slot, 9}, {"LEFT", slot, 29}, {"DOWN", slot, 20},
               {"UP", slot, 29}, {"RIGHT", slot, 9}, {"DOWN", slot, 0}, {"DOWN", slot, 1}, {"UP", slot, 0},
               {"RIGHT", slot, 10}, {"UP", slot, 19}, {"RIGHT", slot, 29}, {"LEFT", slot, 19}, {"DOWN", slot, 10},
               {"LEFT", slot, 0}});
    // clang-format on
    board(), game.money[0] = 1234, keys("F4 LEFT+RIGHT");
    std::snprintf(shell.saveMessage, sizeof shell.saveMessage, "old");
    keys("ENTER ENTER");  // SAVE; no name yet
    EXPECT_TRUE(shell.saveMessage[0] == '\0' && shell.saveNameEntry && !shell.saveNameDone);
    typeText("mine");
    playSteps({{"ENTER", slot, 0}, {"DOWN*2 RIGHT ENTER", saveLayer, 0}});
    game.money[0] = 5, keys("F4 RIGHT");
    std::snprintf(shell.saveMessage, sizeof shell.saveMessage, "old");
    playSteps({{"ENTER ENTER", cash, 5} /* LOAD; slot 1 is empty */, {"", saveLayer, 1}});
    EXPECT_EQ(shell.saveMessage[0], '\0');
    playSteps({{"DOWN*2 RIGHT ENTER", cash, 1234}, {"", saveLayer, 0}});
    game.money[0] = 5, shell.saveMenuOpen = true;
    // clang-format off
    clickSteps({{saveChoiceHit, [] { return int{shell.saveNameEntry}; }, 1}, {anywhere, [] { return int{shell.saveNameDone}; }, 0}});
    typeText("two");
    clickSteps({{anywhere, [] { return int{shell.saveNameDone}; }, 1}, {edge(slotHit(3)), slot, 0}, {slotHit(3), saveLayer, 0}});
    game.money[0] = 777, shell.saveMenuOpen = true;
    clickSteps({{edge(loadChoiceHit), saveLayer, 1}, {loadChoiceHit, [] { return int{shell.loadListOpen}; }, 1},
                {slotHit(13), cash, 777}, {slotHit(3), cash, 5}, {anywhere, saveLayer, 0}});
    // clang-format on
}

// The action bar wraps past its last entry, Leave Jail only in jail. By mouse, in jail the others
// move left: the jailed Mortgage lies where the free bar has House/Hotel. A notice goes only by the
// board area. Nothing acts while the camera glides or the token walks.
TEST_F(Menus, ActionBarByKeysAndMouse) {
    board(), playSteps({{"LEFT", menu, 3}, {"RIGHT", menu, 0}});
    putInJail(0), playSteps({{"LEFT", menu, 4}, {"RIGHT", menu, 0}});
    clickSteps({{actionBarJailed[3].hit, menu, KindMortgage}});
    board(), putInJail(0);
    // clang-format off
    clickSteps({{actionBarJailed[4].hit, cash, startingMoney - jailFee}, {actionBarFree[1].hit, [] { return int{game.noticeTimer > 0}; }, 1},
                {boardArea, [] { return game.noticeTimer; }, 0}, {actionBarFree[2].hit, houses, 1}});
    // clang-format on
    EXPECT_EQ(std::make_pair(screen(), menu()), std::make_pair(int{AssetMenu}, int{KindHouses}));
    board(), game.cameraGlide = 3, click(actionBarFree[0].hit);
    game.cameraGlide = 0, game.moving = true, click(actionBarFree[0].hit);
    EXPECT_EQ(game.diceTimer, 0);
    game.moving = false, click(actionBarFree[0].hit);
    EXPECT_TRUE(game.moving);
}

// A click in the middle of each side's hit box opens that property's card and no other (the
// boxes lie inward of the square spots); a click on the board goes back; a panel opens its menu.
TEST_F(Menus, BoardSquaresAndPanelsByMouse) {
    board();
    // A property, and the middle of its hit box from its square spot.
    const std::tuple<int, float, float> cases[] = {
        {0, 0.025f, 0.05f}, {8, 0.05f, 0.025f}, {14, 0.025f, 0}, {19, 0, 0.025f}, {21, 0, 0.025f}};
    for (auto [property, du, dv] : cases) {
        const int square = propertySquare[property];
        click(boardPoint(game.squareSpotX[square] + du, game.squareSpotY[square] + dv));
        EXPECT_EQ(game.boardCursor, square);
        clickSteps({{boardArea, screen, Board}});
    }
    clickSteps({{panel(1), player, 1}, {anywhere, menu, KindTrade}});
}

// $1,500 in hand: one column per digit, units rightmost, each as wide as the digit shown: 11 for
// a 1, 18 for a 4, 17 for the others. A column's left edge is inside it; the thousands' 0 would
// wrap down to 9000 > 1500, so it stays.
TEST_F(Menus, MoneyFieldColumnsByMouse) {
    const float up = (moneyUpTop + moneyUpBottom) / 2, down = (moneyDownTop + moneyDownBottom) / 2;
    // The offer; the click's distance left of the field's right end, and its row; the offer after
    // it, and the digit it chose (-1: untouched).
    // clang-format off
    const std::tuple<int, float, float, int, int> cases[] = {
        {0, 1, up, 1, 0}, {1, 18, up, 11, 1}, {11, 22, up, 21, 1}, {21, 46, down, 21, 3}, {40, 36, up, 140, 2},
        {140, 35, up, 150, 1}, {21, 120, up, 21, -1}, {21, 1, (up + down) / 2, 21, -1}};
    // clang-format on
    for (auto [offer, dx, y, after, digit] : cases) {
        board(), game.menuIndex = KindTrade, openAssetMenu(0), game.tradeMoney = offer, game.amountDigit = -1;
        click(at(moneyFieldRight - dx, y));
        EXPECT_EQ(std::make_tuple(game.tradeMoney, game.amountDigit, cursor() == CursorAmount),
                  std::make_tuple(after, digit, digit >= 0));
    }
}

// Cells and held jail cards toggle; Confirm asks for the partner, chosen by panel; the kind tabs
// (Trade among them) and the count's arrows; a right click shows a card; a panel switches seats
// but for a debtor, who cannot leave either.
TEST_F(Menus, AssetMenuByMouse) {
    board(), giveGroup(0, 0), game.jailCardHolder[1] = 0, game.menuIndex = KindTrade, openAssetMenu(0);
    // clang-format off
    clickSteps({{assetCellHit(propertySlot[1]), cursor, 1}, {jailTileHit(0), cursor, 1} /* not held */,
                {jailTileHit(1), cursor, CursorJailCard1}, {confirmHit, [] { return int{game.choosingTradePartner}; }, 1},
                {partnerBackHit, [] { return int{game.choosingTradePartner}; }, 0}, {confirmHit, player, 0},
                {panel(1), player, 1}, {panel(0), player, 1} /* no switching on the partner side */});
    EXPECT_TRUE(game.tradePartnerSide && game.initiatorSelected[1] && !game.selected[1]);
    board(), giveGroup(0, 0), openAssetMenu(0);
    clickSteps({{actionBarFree[2].hit, menu, KindHouses}, {houseCountUpHit, houses, 2}, {houseCountDownHit, houses, 1}, {houseCountDownHit, houses, 5},
                {assetCellHit(propertySlot[0]), screen, PropertyCard, mouseRightButton}, {boardArea, screen, AssetMenu},
                {panel(1), player, 1}, {anywhere, menu, KindHouses}, {actionBarFree[1].hit, menu, KindTrade}});
    game.inDebt = true;  // the debtor can neither switch seats nor leave
    clickSteps({{panel(0), player, 1}, {backHit, screen, AssetMenu}, {backHit, cursor, CursorBack}});
    game.inDebt = false, click(backHit);
    EXPECT_EQ(screen(), Board);
    // clang-format on
}

// Each prompt's button answers it; a click on its right edge does not. A person bids by panel
// and, in the same auction, by keys.
TEST_F(Menus, DialogsByMouse) {
    // clang-format off
    const std::tuple<void (*)(), Rect, bool (*)()> cases[] = {
        {[] { game.taxPromptOpen = true; }, flatTaxHit, [] { return cash() == 1300; }},
        {[] { game.taxPromptOpen = true; }, percentTaxHit, [] { return cash() == 1350; }},
        {[] { game.quitConfirmOpen = true; }, quitYesHit, [] { return screen() == StartMenu; }},
        {[] { game.quitConfirmOpen = true; }, quitNoHit, [] { return !game.quitConfirmOpen && screen() == Board; }},
        {[] { game.gameOver = true; }, boardArea, [] { return !game.gameOver && screen() == StartMenu; }},
        {[] { game.utilityRollPending = true; }, actionBarFree[0].hit, [] { return !game.utilityRollPending; }},
        {[] { game.buyPromptOpen = true, game.position[0] = 1; }, yesHit, [] { return game.owner[0] == 0; }},
        {[] { game.buyPromptOpen = true, game.position[0] = 1; }, noHit, [] { return game.auctionOpen; }},
        {[] { game.auctionOpen = true; }, auctionEndHit, [] { return game.auctionTimer == 1; }},
        {[] { game.auctionOpen = true, game.bidIncrement = 50; }, bidUpHit, [] { return game.bidIncrement == 60; }},
        {[] { game.auctionOpen = true, game.bidIncrement = 50; }, bidDownHit, [] { return game.bidIncrement == 40; }},
        {[] { game.choosingTradePartner = true; }, partnerBackHit, [] { return !game.choosingTradePartner; }},
        {[] { game.tradeOfferOpen = true; }, offerYesHit, [] { return !game.tradeOfferOpen && game.promptYes; }},
        {[] { game.tradeOfferOpen = true; }, offerNoHit, [] { return !game.tradeOfferOpen && !game.promptYes; }}};
    // clang-format on
    for (auto [open, button, answered] : cases) {
        board(), open(), click(edge(button));
        EXPECT_FALSE(answered()) << button.x0 << ", " << button.y0;
        click(button);
        EXPECT_TRUE(answered()) << button.x0 << ", " << button.y0;
    }
    board(), game.auctionOpen = true, game.bidIncrement = 50;
    // clang-format off
    clickSteps({{panel(1), [] { return game.auctionBidder; }, 1}, {panel(0), [] { return game.auctionBid; }, 100}});
    // The same by keys: UP and DOWN step the increment, a seat's digit bids, ENTER ends it.
    playSteps({{"UP", [] { return game.bidIncrement; }, 60}, {"DOWN*2", [] { return game.bidIncrement; }, 40},
               {"2", [] { return game.auctionBid; }, 140}, {"ENTER", [] { return int{game.auctionOpen}; }, 0}});
    // clang-format on
}

// The right button pans a zoomed board toward the click, within the board; at zoom 1 it does
// nothing. A half-size window halves the design coordinates.
TEST_F(Menus, RightButtonAndAHalfSizeWindow) {
    board(), game.zoom = 0.5f;
    click(boardPoint(0.5f, 0.5f), mouseRightButton);  // the centre: the window stays centred
    EXPECT_NEAR(game.cameraTargetX + game.cameraTargetZ, 0.0f, 0.01);
    game.cameraGlide = 0, click(at(boardArea.x0 + 1, boardArea.y1 - 1), mouseRightButton);
    EXPECT_NEAR(game.cameraTargetX + game.cameraTargetZ, -0.5f, 0.004);  // as far down and left as allowed
    EXPECT_EQ(game.cameraGlide, 10);
    game.cameraGlide = 0, game.zoom = 1.0f;
    clickSteps({{boardPoint(0.5f, 0.5f), [] { return game.cameraGlide; }, 0, mouseRightButton}});
    resetProgram(), setWindowSize({600, 350});
    clickSteps({{{startHit.x0 / 2, startHit.y0 / 2, startHit.x1 / 2, startHit.y1 / 2}, screen, NameEntry}});
}

namespace {

// F2 opens the statistics over a game, never over the start or the options menu.
TEST_F(Menus, StatisticsOnlyOverAGame) {
    for (const int screen : {StartMenu, OptionsMenu, Board}) {
        startBoardGame(2);
        game.screen = screen;
        keys("F2");
        EXPECT_EQ(shell.statsOpen, screen == Board) << screen;
    }
}

}  // namespace
