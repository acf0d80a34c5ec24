// From the start menu to the first roll with the keyboard alone: options, names, the turn
// order, the camera glide onto the board, and the layers that lie over any screen (quit,
// help, save menu).
#include <gtest/gtest.h>

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
        if (shuffled && game.isHuman[0]) {
            resetProgram();
            return t;
        }
    }
}

// Options: the player total stays within 2..8 whichever row wraps, the two plain options
// cycle, and only BACK TO MENU leaves.
TEST_F(MenuSession, OptionsKeepTheTotalBetweenTwoAndEight) {
    press(KeyDown);
    press(KeyEnter);
    ASSERT_EQ(game.screen, OptionsMenu);

    press(KeyLeft);  // 2 humans, 0 computers: one human alone is too few
    EXPECT_EQ(game.humanCount, 8);
    press(KeyRight);  // 9 wraps to 2
    EXPECT_EQ(game.humanCount, 2);

    press(KeyDown);
    press(KeyRight);
    EXPECT_EQ(game.computerCount, 1);
    press(KeyUp);
    press(KeyLeft);
    EXPECT_EQ(game.humanCount, 1);
    press(KeyDown);
    press(KeyLeft);  // 1 human, 1 computer: no computer leaves one seat
    EXPECT_EQ(game.humanCount, 1);
    EXPECT_EQ(game.computerCount, 7);
    press(KeyUp);
    press(KeyRight);  // 2 humans would make 9 seats
    EXPECT_EQ(game.humanCount, 1);
    EXPECT_EQ(game.computerCount, 7);
    press(KeyDown);
    press(KeyRight);  // 8 computers wrap to 1
    EXPECT_EQ(game.computerCount, 1);
    EXPECT_EQ(game.humanCount, 1);

    press(KeyDown);
    ASSERT_EQ(game.menuIndex, 2);
    pressRepeatedly(KeyRight, 2);
    EXPECT_EQ(game.middleOption, 2);
    press(KeyRight);
    EXPECT_EQ(game.middleOption, 0);
    press(KeyLeft);
    EXPECT_EQ(game.middleOption, 2);
    pressRepeatedly(KeyLeft, 2);

    press(KeyDown);
    press(KeyLeft);
    EXPECT_FALSE(game.biddingOption);
    press(KeyRight);
    EXPECT_TRUE(game.biddingOption);
    press(KeyLeft);
    press(KeyEnter);  // ENTER on a value row does nothing
    EXPECT_EQ(game.screen, OptionsMenu);

    pressRepeatedly(KeyDown, 2);
    press(KeyUp);  // wraps to BACK TO MENU
    EXPECT_EQ(game.menuIndex, 4);
    press(KeyEnter);
    EXPECT_EQ(game.screen, StartMenu);
    EXPECT_FALSE(game.biddingOption);

    // The options carry into the game that START deals.
    press(KeyEnter);
    ASSERT_EQ(game.screen, NameEntry);
    EXPECT_EQ(playersInPlay(), 2);
}

// ENTER held on the start menu starts the game once; naming waits for a new press.
TEST_F(MenuSession, HeldEnterStartsOnceAndTheFirstNameNeedsANewPress) {
    keyDown(KeyEnter);
    tick(5);
    ASSERT_EQ(game.screen, NameEntry);
    EXPECT_EQ(game.currentPlayer, 0);
    keyDown(KeyEnter);  // the keyboard's auto-repeat
    tick(5);
    EXPECT_EQ(game.currentPlayer, 0);
    EXPECT_STREQ(game.playerNames[0], "");
    keyUp(KeyEnter);
    tick();
    EXPECT_EQ(game.currentPlayer, 0);

    press(KeyEnter);
    EXPECT_EQ(game.currentPlayer, 1);
    EXPECT_STREQ(game.playerNames[0], "P1");
}

// Options through the keys, names typed or left empty, the seats drawn by the deal, the turn
// order, and the glide onto the board during which no key acts.
TEST_F(MenuSession, NamesGoToTheirDrawnSeatsThenTurnOrderThenTheBoard) {
    const long long dealSecond = secondForShuffledSeating(2, 1);
    fixClock(dealSecond);

    press(KeyDown);
    press(KeyEnter);
    press(KeyDown);
    press(KeyRight);  // one computer
    press(KeyUp);
    press(KeyUp);  // BACK TO MENU
    press(KeyEnter);
    ASSERT_EQ(game.screen, StartMenu);
    press(KeyEnter);
    ASSERT_EQ(game.screen, NameEntry);
    ASSERT_EQ(playersInPlay(), 3);

    typeText("Ann");
    keyDown('q');  // typed into the name; Q acts on no name screen
    tick();
    keyUp('q');
    EXPECT_FALSE(game.quitConfirmOpen);
    typeText("x");
    press(8);  // BACKSPACE
    EXPECT_STREQ(game.playerNames[0], "Annq");
    press(KeyEnter);
    press(KeyEnter);  // the second human left unnamed
    EXPECT_EQ(game.screen, NameEntry);
    EXPECT_EQ(game.currentPlayer, 2);
    press(KeyEnter);  // and the computer

    ASSERT_EQ(game.screen, TurnOrder);
    EXPECT_EQ(game.currentPlayer, 0);
    const char* byEntry[3] = {"Annq", "P2", "C1"};
    for (int seat = 0; seat < 3; ++seat) {
        const int entry = game.entryIndex[seat];
        EXPECT_STREQ(game.playerNames[seat], byEntry[entry]) << "seat " << seat;
        EXPECT_EQ(game.isHuman[seat], entry < 2) << "seat " << seat;
    }

    press(KeyEnter);
    ASSERT_EQ(game.screen, Board);
    EXPECT_EQ(game.computerDelay, 0);  // seat 0 is a human
    // The glide onto GO takes five frames, the first in the ENTER tick; nothing acts meanwhile.
    EXPECT_EQ(game.cameraGlide, 4);
    press(KeyRight);
    press(KeyEnter);
    pressSeat(0);
    press('q');
    EXPECT_EQ(game.cameraGlide, 0);
    EXPECT_FLOAT_EQ(game.panX, 0.25f);
    EXPECT_EQ(game.menuIndex, 0);
    EXPECT_EQ(game.screen, Board);
    EXPECT_FALSE(game.moving || game.quitConfirmOpen);
    rollWithKeys(1, 2);
    EXPECT_TRUE(game.moving);
    EXPECT_EQ(game.moveTarget, 5);
}

// Q asks first: NO goes back untouched (the ENTER does not roll), YES ends the game.
TEST_F(MenuSession, QuitConfirmationBothWays) {
    startBoardGame(2);
    game.money[0] = 1234;
    press('q');
    ASSERT_TRUE(game.quitConfirmOpen);
    EXPECT_FALSE(game.quitYes);
    press(KeyEnter);
    EXPECT_FALSE(game.quitConfirmOpen);
    EXPECT_EQ(game.screen, Board);
    EXPECT_FALSE(game.moving);
    EXPECT_EQ(game.money[0], 1234);

    press('q');
    press(KeyRight);
    ASSERT_TRUE(game.quitYes);
    press(KeyEnter);
    EXPECT_EQ(game.screen, StartMenu);
    EXPECT_FALSE(game.quitConfirmOpen);
    EXPECT_EQ(game.money[0], 0);
    EXPECT_EQ(game.owner[0], bankOwner);

    // The turn order list asks too.
    startBoardGame(2);
    game.screen = TurnOrder;
    press('q');
    EXPECT_TRUE(game.quitConfirmOpen);
    press(KeyEnter);
    EXPECT_EQ(game.screen, TurnOrder);
}

// Q and ENTER seen in the same tick on the board: the question must stay answerable. (A roll
// started under it would freeze the move behind the dialog and the dialog behind the move.)
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
    EXPECT_FALSE(game.quitConfirmOpen);
    EXPECT_FALSE(game.moving);
    EXPECT_EQ(game.screen, Board);
    press(KeyEnter);
    EXPECT_TRUE(game.moving);
}

// The same on the turn order list with a computer in seat 0: a board opened under the question
// would let the computer roll behind it.
TEST_F(MenuSession, QuitAndEnterOnTheTurnOrderLeaveTheQuestionAnswerable) {
    startBoardGame(1, 1);
    game.isHuman[0] = false;
    game.isHuman[1] = true;
    game.screen = TurnOrder;
    keyDown(KeyEnter);
    keyDown('q');
    tick();
    keyUp(KeyEnter);
    keyUp('q');
    ASSERT_TRUE(game.quitConfirmOpen);
    tick(200);
    press(KeyEnter);  // NO
    EXPECT_FALSE(game.quitConfirmOpen);
    EXPECT_EQ(game.screen, TurnOrder);
    press(KeyEnter);
    EXPECT_EQ(game.screen, Board);
    EXPECT_GE(tickUntil([] { return game.moving; }, 200), 0);  // the computer plays on
}

// And in a person's menu opened while a computer waits: Back to Game in the same tick as Q
// would reopen the board under the question, and the computer would roll behind it.
TEST_F(MenuSession, QuitAndBackToGameInOneTickLeaveTheQuestionAnswerable) {
    startBoardGame(1, 1);
    game.currentPlayer = 1;
    game.computerDelay = computerThinkTicks;
    pressSeat(0);
    ASSERT_EQ(game.screen, AssetMenu);
    ASSERT_EQ(game.assetCursor, CursorBack);
    keyDown(KeyEnter);
    keyDown('q');
    tick();
    keyUp(KeyEnter);
    keyUp('q');
    ASSERT_TRUE(game.quitConfirmOpen);
    tick(200);
    EXPECT_FALSE(game.moving);
    press(KeyEnter);  // NO
    EXPECT_FALSE(game.quitConfirmOpen);
    press(KeyEnter);  // Back to Game
    EXPECT_EQ(game.screen, Board);
    EXPECT_GE(tickUntil([] { return game.moving; }, 200), 0);
}

// Help freezes every counter and its ENTER only closes it; an F4 pressed meanwhile waits for
// it, and the save menu pauses the game as well.
TEST_F(MenuSession, HelpFreezesTheGameAndF4WaitsUntilItCloses) {
    startBoardGame(2);
    rollWithKeys(2, 3);
    tick(9);
    ASSERT_EQ(game.diceTimer, 20);
    press(KeyF1);
    ASSERT_TRUE(shell.helpOpen);
    tick(200);
    press(KeyRight);
    EXPECT_EQ(game.diceTimer, 20);
    EXPECT_EQ(game.menuIndex, 0);

    keyDown(KeyF4);
    tick(3);
    EXPECT_FALSE(shell.saveMenuOpen);
    press(KeyEnter);  // help closes; the game runs again this very tick
    EXPECT_FALSE(shell.helpOpen);
    EXPECT_EQ(game.diceTimer, 19);
    tick(50);  // F4 still held: now it acts
    EXPECT_TRUE(shell.saveMenuOpen);
    EXPECT_EQ(game.diceTimer, 19);
    keyUp(KeyF4);
    press(KeyF1);  // help does not open over the save menu
    EXPECT_FALSE(shell.helpOpen);
}

}  // namespace
