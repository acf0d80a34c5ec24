// From the start menu to the first roll with the keyboard alone: options, names, the turn
// order, the camera glide onto the board, and the layers over any screen (quit, help, save).
#include <gtest/gtest.h>

#include <tuple>

#include "app/input.h"
#include "app/screen_flow.h"
#include "app/shell.h"
#include "game/rules.h"
#include "game/state.h"
#include "game/tables.h"
#include "support/fixtures.h"
#include "support/play.h"
#include "support/session.h"

namespace {

using MenuSession = Session;

// A second whose deal puts a human in seat 0 but seats the entrants out of entry order, so
// the names visibly move to their drawn seats.
long long secondForShuffledSeating(int humans, int computers) {
    for (long long t = 1000;; ++t) {
        resetProgram();
        game.humanCount = humans;
        game.computerCount = computers;
        fixClock(t);
        setUpGame();
        bool shuffled = false;
        for (int s = 0; s < humans + computers; ++s) shuffled = shuffled || game.entryIndex[s] != s;
        if (shuffled && game.isHuman[0]) return resetProgram(), t;
    }
}

// Options: the player total stays within 2..8 whichever row wraps, the two plain options
// cycle, ENTER acts only on BACK TO MENU, and the choices carry into the game START deals.
TEST_F(MenuSession, OptionsKeepTheTotalBetweenTwoAndEight) {
    keys("DOWN ENTER");
    ASSERT_EQ(game.screen, OptionsMenu);
    const struct { const char* keys; int humans, computers, middle; bool bidding; } steps[] = {
        {"LEFT", 8, 0, 0, true},         // 1 human alone is too few: wraps to 8
        {"RIGHT", 2, 0, 0, true},        // 9 wraps to 2
        {"DOWN RIGHT UP LEFT", 1, 1, 0, true},
        {"DOWN LEFT", 1, 7, 0, true},    // no computer would leave one seat
        {"UP RIGHT", 1, 7, 0, true},     // 2 humans would make 9 seats
        {"DOWN RIGHT", 1, 1, 0, true},   // 8 computers wrap to 1
        {"DOWN RIGHT*2", 1, 1, 2, true},
        {"RIGHT", 1, 1, 0, true},
        {"LEFT", 1, 1, 2, true},
        {"LEFT*2 DOWN LEFT", 1, 1, 0, false},
        {"RIGHT", 1, 1, 0, true},
        {"LEFT ENTER", 1, 1, 0, false},  // ENTER on a value row does nothing
    };
    for (const auto& s : steps) {
        keys(s.keys);
        EXPECT_EQ(game.humanCount, s.humans) << s.keys;
        EXPECT_EQ(game.computerCount, s.computers) << s.keys;
        EXPECT_EQ(game.middleOption, s.middle) << s.keys;
        EXPECT_EQ(game.biddingOption, s.bidding) << s.keys;
        EXPECT_EQ(game.screen, OptionsMenu) << s.keys;
    }
    keys("DOWN*2 UP");  // wraps to BACK TO MENU
    EXPECT_EQ(game.menuIndex, 4);
    keys("ENTER");
    EXPECT_EQ(game.screen, StartMenu);
    keys("ENTER");
    ASSERT_EQ(game.screen, NameEntry);
    EXPECT_EQ(playersInPlay(), 2);
    EXPECT_FALSE(game.biddingOption);
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
    keys("ENTER");
    EXPECT_EQ(game.currentPlayer, 1);
    EXPECT_STREQ(game.playerNames[0], "P1");
}

// Options through the keys, names typed or left empty, the seats drawn by the deal, the turn
// order, and the glide onto the board during which no key acts.
TEST_F(MenuSession, NamesGoToTheirDrawnSeatsThenTurnOrderThenTheBoard) {
    fixClock(secondForShuffledSeating(2, 1));
    keys("DOWN ENTER DOWN RIGHT UP UP ENTER ENTER");  // one computer, BACK TO MENU, START
    ASSERT_EQ(game.screen, NameEntry);
    ASSERT_EQ(playersInPlay(), 3);
    typeText("Ann");
    keys("q");  // typed into the name; Q acts on no name screen
    EXPECT_FALSE(game.quitConfirmOpen);
    typeText("x");
    keys("BS");
    EXPECT_STREQ(game.playerNames[0], "Annq");
    keys("ENTER ENTER");  // the second human left unnamed
    EXPECT_EQ(std::make_tuple(game.screen, game.currentPlayer), std::make_tuple(NameEntry, 2));
    keys("ENTER");  // and the computer
    ASSERT_EQ(game.screen, TurnOrder);
    EXPECT_EQ(game.currentPlayer, 0);
    const char* byEntry[3] = {"Annq", "P2", "C1"};
    for (int seat = 0; seat < 3; ++seat) {
        const int entry = game.entryIndex[seat];
        EXPECT_STREQ(game.playerNames[seat], byEntry[entry]) << "seat " << seat;
        EXPECT_EQ(game.isHuman[seat], entry < 2) << "seat " << seat;
    }

    keys("ENTER");
    ASSERT_EQ(game.screen, Board);
    EXPECT_EQ(game.computerDelay, 0);  // seat 0 is a human
    // The glide onto GO takes five frames, the first in the ENTER tick; nothing acts meanwhile.
    EXPECT_EQ(game.cameraGlide, 4);
    keys("RIGHT ENTER 1 q");
    EXPECT_EQ(game.cameraGlide, 0);
    EXPECT_FLOAT_EQ(game.panX, 0.25f);
    EXPECT_EQ(std::make_tuple(game.menuIndex, game.screen), std::make_tuple(0, Board));
    EXPECT_FALSE(game.moving || game.quitConfirmOpen);
    rollWithKeys(1, 2);
    EXPECT_TRUE(game.moving);
    EXPECT_EQ(game.moveTarget, 5);
}

// Q asks first, on the board and on the turn order: NO goes back untouched (the ENTER does not
// roll), YES ends the game.
TEST_F(MenuSession, QuitConfirmationBothWays) {
    startBoardGame(2);
    game.money[0] = 1234;
    keys("q");
    ASSERT_TRUE(game.quitConfirmOpen);
    EXPECT_FALSE(game.quitYes);
    keys("ENTER");
    EXPECT_FALSE(game.quitConfirmOpen || game.moving);
    EXPECT_EQ(std::make_tuple(game.screen, game.money[0]), std::make_tuple(Board, 1234));
    keys("q RIGHT ENTER");
    EXPECT_EQ(game.screen, StartMenu);
    EXPECT_FALSE(game.quitConfirmOpen);
    EXPECT_EQ(std::make_tuple(game.money[0], game.owner[0]), std::make_tuple(0, bankOwner));

    startBoardGame(2);
    game.screen = TurnOrder;
    keys("q");
    EXPECT_TRUE(game.quitConfirmOpen);
    keys("ENTER");
    EXPECT_EQ(game.screen, TurnOrder);
}

// Fault: Q and ENTER in one tick on the board started a roll under the question, freezing the
// move behind the dialog and the dialog behind the move.
TEST_F(MenuSession, QuitAndRollInOneTickLeaveTheQuestionAnswerable) {
    startBoardGame(2);
    keyDown('q');
    keyDown(KeyEnter);
    tick();
    EXPECT_TRUE(game.quitConfirmOpen);
    EXPECT_FALSE(game.moving);
    keyUp('q');
    tick();  // the ENTER still held answers the question, NO highlighted
    keyUp(KeyEnter);
    EXPECT_FALSE(game.quitConfirmOpen || game.moving);
    EXPECT_EQ(game.screen, Board);
    keys("ENTER");
    EXPECT_TRUE(game.moving);
}

// Fault: Q in the tick of the ENTER that opens the board (on the turn order with a computer in
// seat 0, or Back to Game in a person's menu while a computer waits) reopened the board under
// the question, and the computer rolled behind it.
TEST_F(MenuSession, QuitWithTheEnterThatOpensTheBoardLeavesTheQuestionAnswerable) {
    for (bool fromAssetMenu : {false, true}) {
        SCOPED_TRACE(fromAssetMenu ? "asset menu" : "turn order");
        startBoardGame(1, 1);
        if (fromAssetMenu) {
            game.currentPlayer = 1;
            game.computerDelay = computerThinkTicks;
            keys("1");
            ASSERT_EQ(game.screen, AssetMenu);
            ASSERT_EQ(game.assetCursor, CursorBack);
        } else {
            game.isHuman[0] = false;
            game.isHuman[1] = true;
            game.screen = TurnOrder;
        }
        const auto screen = game.screen;
        keys("ENTER+q");
        ASSERT_TRUE(game.quitConfirmOpen);
        tick(200);
        EXPECT_FALSE(game.moving);
        keys("ENTER");  // NO
        EXPECT_FALSE(game.quitConfirmOpen);
        EXPECT_EQ(game.screen, screen);
        keys("ENTER");
        EXPECT_EQ(game.screen, Board);
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
    EXPECT_FALSE(shell.helpOpen);
    EXPECT_EQ(game.diceTimer, 19);
    tick(50);  // F4 still held: now it acts
    EXPECT_TRUE(shell.saveMenuOpen);
    EXPECT_EQ(game.diceTimer, 19);
    keyUp(KeyF4);
    keys("F1");  // help does not open over the save menu
    EXPECT_FALSE(shell.helpOpen);
}

}  // namespace
