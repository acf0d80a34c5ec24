// From the start menu to the first roll with the keyboard alone: options, names, the turn
// order, the camera glide onto the board, and the layers over any screen (quit, help, save).
#include <string>
#include <tuple>

#include "app/input.h"
#include "app/screen_flow.h"
#include "app/shell.h"
#include "game/rules.h"
#include "game/tables.h"
#include "sim/play.h"
#include "support/fixtures.h"
#include "support/session.h"

namespace {

using MenuSession = Session;

// The options as four digits: humans, computers, middle option, bidding.
int options() {
    return game.humanCount * 1000 + game.computerCount * 100 + game.middleOption * 10 + game.biddingOption;
}
int screen() { return game.screen; }
int menu() { return game.menuIndex; }
int seat() { return game.currentPlayer; }
int quitOpen() { return game.quitConfirmOpen; }
int moving() { return game.moving; }

// A second whose deal puts a human in seat 0 but seats the entrants out of entry order, so
// the names visibly move to their drawn seats.
long long secondForShuffledSeating(int humans, int computers) {
    for (long long t = 1000;; ++t) {
        resetProgram();
        game.humanCount = humans;
        game.computerCount = computers;
        fixClock(t);
        setUpGame();
        const bool shuffled = game.entryIndex[0] != 0 || game.entryIndex[1] != 1;
        if (shuffled && game.isHuman[0]) return resetProgram(), t;
    }
}

// Options: the player total stays within 2..8 whichever row wraps, the two plain options
// cycle, ENTER acts only on BACK TO MENU, and the choices carry into the game START deals.
TEST_F(MenuSession, OptionsKeepTheTotalBetweenTwoAndEight) {
    keys("DOWN ENTER");
    ASSERT_EQ(game.screen, OptionsMenu);
    // 1 human alone wraps to 8 and 9 to 2; no computer would leave one seat and 2 humans
    // beside 7 computers would make 9; 8 computers wrap to 1; ENTER on a value row does nothing.
    playSteps({{"LEFT", options, 8001},
               {"RIGHT", options, 2001},
               {"DOWN RIGHT UP LEFT", options, 1101},
               {"DOWN LEFT", options, 1701},
               {"UP RIGHT", options, 1701},
               {"DOWN RIGHT", options, 1101},
               {"DOWN RIGHT*2", options, 1121},
               {"RIGHT", options, 1101},
               {"LEFT", options, 1121},
               {"LEFT*2 DOWN LEFT", options, 1100},
               {"RIGHT", options, 1101},
               {"LEFT ENTER", options, 1100},
               {"", screen, OptionsMenu},
               {"DOWN*2 UP", menu, 4} /* wraps to BACK TO MENU */,
               {"ENTER", screen, StartMenu},
               {"ENTER", screen, NameEntry}});
    EXPECT_EQ(std::make_tuple(playersInPlay(), game.biddingOption), std::make_tuple(2, false));
}

// ENTER held on the start menu starts the game once; naming waits for a new press.
TEST_F(MenuSession, HeldEnterStartsOnceAndTheFirstNameNeedsANewPress) {
    keyDown(KeyEnter);
    tick(5);
    ASSERT_EQ(game.screen, NameEntry);
    keyDown(KeyEnter);  // the keyboard's auto-repeat
    tick(5);
    keyUp(KeyEnter);
    tick();
    EXPECT_EQ(game.currentPlayer, 0);
    EXPECT_STREQ(game.playerNames[0], "");
    playSteps({{"ENTER", seat, 1}});
    EXPECT_STREQ(game.playerNames[0], "P1");
}

// Options through the keys, names typed or left empty, the seats drawn by the deal, the turn
// order, and the glide onto the board during which no key acts.
TEST_F(MenuSession, NamesGoToTheirDrawnSeatsThenTurnOrderThenTheBoard) {
    fixClock(secondForShuffledSeating(2, 1));
    keys("DOWN ENTER DOWN RIGHT UP UP ENTER ENTER");  // one computer, BACK TO MENU, START
    ASSERT_EQ(std::make_tuple(game.screen, playersInPlay()), std::make_tuple(NameEntry, 3));
    typeText("Ann");
    playSteps({{"q", quitOpen, 0}});  // typed into the name; Q acts on no name screen
    typeText("x");
    keys("BS");
    EXPECT_STREQ(game.playerNames[0], "Annq");
    // The second human left unnamed, and the computer.
    playSteps(
        {{"ENTER ENTER", seat, 2}, {"", screen, NameEntry}, {"ENTER", screen, TurnOrder}, {"", seat, 0}});
    const char* byEntry[3] = {"Annq", "P2", "C1"};
    for (int s = 0; s < 3; ++s) {
        EXPECT_STREQ(game.playerNames[s], byEntry[game.entryIndex[s]]) << "seat " << s;
        EXPECT_EQ(game.isHuman[s], game.entryIndex[s] < 2) << "seat " << s;
    }
    keys("ENTER");
    ASSERT_EQ(game.screen, Board);
    // Seat 0 is a human; the glide onto GO takes five frames, the first in the ENTER tick, and
    // nothing acts meanwhile.
    EXPECT_EQ(std::make_tuple(game.computerDelay, game.cameraGlide), std::make_tuple(0, 4));
    keys("RIGHT ENTER 1 q");
    EXPECT_EQ(std::make_tuple(game.cameraGlide, game.menuIndex, game.screen), std::make_tuple(0, 0, Board));
    EXPECT_FLOAT_EQ(game.panX, 0.25f);
    EXPECT_FALSE(game.moving || game.quitConfirmOpen);
    rollWithKeys(1, 2);
    EXPECT_EQ(std::make_tuple(game.moving, game.moveTarget), std::make_tuple(true, 5));
}

// Q asks first: NO goes back untouched (the ENTER does not roll), YES ends the game.
TEST_F(MenuSession, QuitConfirmationBothWays) {
    startBoardGame(2);
    game.money[0] = 1234;
    keys("q");
    ASSERT_TRUE(game.quitConfirmOpen && !game.quitYes);
    keys("ENTER");
    EXPECT_FALSE(game.quitConfirmOpen || game.moving);
    EXPECT_EQ(std::make_tuple(game.screen, game.money[0]), std::make_tuple(Board, 1234));
    keys("q RIGHT ENTER");
    EXPECT_FALSE(game.quitConfirmOpen);
    EXPECT_EQ(std::make_tuple(game.screen, game.money[0]), std::make_tuple(StartMenu, 0));

    // Fault: Q and ENTER in one tick on the board started a roll under the question, freezing
    // the move behind the dialog and the dialog behind the move.
    startBoardGame(2);
    keyDown('q');
    keyDown(KeyEnter);
    tick();
    EXPECT_TRUE(game.quitConfirmOpen && !game.moving);
    keyUp('q');
    tick();  // the ENTER still held answers the question, NO highlighted
    keyUp(KeyEnter);
    EXPECT_FALSE(game.quitConfirmOpen || game.moving);
    playSteps({{"", screen, Board}, {"ENTER", moving, 1}});
}

// Fault: Q in the tick of the ENTER that opens the board (on the turn order with a computer in
// seat 0, or Back to Game in a person's menu while a computer waits) reopened the board under
// the question, and the computer rolled behind it. Q asks on the turn order too.
TEST_F(MenuSession, QuitWithTheEnterThatOpensTheBoardLeavesTheQuestionAnswerable) {
    for (bool fromAssetMenu : {false, true}) {
        SCOPED_TRACE(fromAssetMenu ? "asset menu" : "turn order");
        startBoardGame(1, 1);
        if (fromAssetMenu) {
            game.currentPlayer = 1;
            game.computerDelay = computerThinkTicks;
            keys("1");
            ASSERT_EQ(std::make_tuple(game.screen, game.assetCursor), std::make_tuple(AssetMenu, CursorBack));
        } else {
            game.isHuman[0] = false;
            game.isHuman[1] = true;
            game.screen = TurnOrder;
        }
        const int from = game.screen;
        keys("ENTER+q");
        ASSERT_TRUE(game.quitConfirmOpen);
        tick(200);
        playSteps(
            {{"", moving, 0}, {"ENTER", quitOpen, 0} /* NO */, {"", screen, from}, {"ENTER", screen, Board}});
        EXPECT_GE(tickUntil([] { return game.moving; }, 200), 0);  // the computer plays on
    }
}

// Help freezes every counter and its ENTER only closes it; an F4 pressed meanwhile waits for
// it, and the save menu pauses the game as well.
TEST_F(MenuSession, HelpFreezesTheGameAndF4WaitsUntilItCloses) {
    startBoardGame(2);
    rollWithKeys(2, 3);
    tick(9);
    ASSERT_EQ(game.diceTimer, 20);
    keys("F1");
    ASSERT_TRUE(shell.helpOpen);
    tick(200);
    keys("RIGHT");
    EXPECT_EQ(std::make_tuple(game.diceTimer, game.menuIndex), std::make_tuple(20, 0));
    keyDown(KeyF4);
    tick(3);
    EXPECT_FALSE(shell.saveMenuOpen);
    keys("ENTER");  // help closes; the game runs again this very tick
    EXPECT_EQ(std::make_tuple(shell.helpOpen, game.diceTimer), std::make_tuple(false, 19));
    tick(50);  // F4 still held: now it acts
    EXPECT_EQ(std::make_tuple(shell.saveMenuOpen, game.diceTimer), std::make_tuple(true, 19));
    keyUp(KeyF4);
    keys("F1");  // help does not open over the save menu
    EXPECT_FALSE(shell.helpOpen);
}

}  // namespace

namespace {

// Held camera keys move the view a hundredth a tick each way and stop at the edges.
TEST_F(MenuSession, CameraKeysZoomAndPanEachWayUpToTheirLimits) {
    const struct {
        char key;
        float* field;
        float start, afterTenTicks, limit;
    } cases[] = {
        {'z', &game.zoom, 1.0f, 0.9f, 0.5f},    {'x', &game.zoom, 0.5f, 0.6f, 1.0f},
        {'a', &game.panX, 0.0f, -0.1f, -0.25f}, {'d', &game.panX, 0.0f, 0.1f, 0.25f},
        {'s', &game.panY, 0.0f, -0.1f, -0.25f}, {'w', &game.panY, 0.0f, 0.1f, 0.25f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        startBoardGame(2);
        *c.field = c.start;
        keyDown(c.key);
        tick(10);
        EXPECT_NEAR(*c.field, c.afterTenTicks, 1e-4);
        tick(60);
        keyUp(c.key);
        EXPECT_NEAR(*c.field, c.limit, 1e-6);
    }
}

// The slot grid is three columns of ten: the arrows wrap inside the grid and inside a column.
TEST_F(MenuSession, SlotGridArrowsWrap) {
    const struct {
        int from;
        const char* key;
        int to;
    } cases[] = {{0, "LEFT", 20}, {5, "LEFT", 25}, {25, "RIGHT", 5}, {12, "RIGHT", 22}, {12, "LEFT", 2},
                 {0, "UP", 9},    {9, "DOWN", 0},  {13, "UP", 12},   {13, "DOWN", 14}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << " " << c.key);
        startBoardGame(2);
        shell.saveMenuOpen = shell.loadListOpen = true;
        shell.saveSlot = c.from;
        keys(c.key);
        EXPECT_EQ(shell.saveSlot, c.to);
    }
}

}  // namespace

namespace {

// UP and DOWN toggle the start menu's two rows; Q asks on the turn order and a property card;
// a typed one-letter name is kept, an empty one becomes the default.
TEST_F(MenuSession, StartMenuRowsQuitQuestionsAndShortNames) {
    playSteps({{"DOWN", menu, 1}, {"DOWN", menu, 0}, {"UP", menu, 1}, {"UP", menu, 0}});
    for (int where : {int{TurnOrder}, int{PropertyCard}}) {
        startBoardGame(2);
        game.screen = where;
        game.returnScreen = Board;
        keys("q");
        EXPECT_TRUE(game.quitConfirmOpen) << where;
    }
    resetProgram();
    keys("ENTER");  // START: name entry
    ASSERT_EQ(game.screen, NameEntry);
    typeText("A");
    keys("ENTER ENTER");
    const std::string names[2] = {game.playerNames[0], game.playerNames[1]};
    EXPECT_TRUE((names[0] == "A" && names[1] == "P2") || (names[0] == "P2" && names[1] == "A"))
        << names[0] << ", " << names[1];
}

}  // namespace
