// The help screen lays out the chosen set: lines 0.2 apart, continuation lines indented.
#include <gtest/gtest.h>

#include "app/help_sets.h"
#include "app/shell.h"
#include "render/probe.h"
#include "support/fixtures.h"

TEST(HelpScreen, AuctionMouseListIndentsItsFourthRow) {
    PlainTextures plain;
    startTestGame(2);
    game.auctionOpen = true;
    shell = ShellState{};
    shell.helpOpen = true;
    ASSERT_EQ(chooseHelpSet(), HelpAuction);
    const std::vector<Pixel> frame = drawAndRead();
    expectTextAt(frame, Centre, "HELP MENU", 0, 1.9f, -5, bluePixel);
    expectTextAt(frame, Left, "KEYBOARD", -3.5f, 1.7f, -5, redPixel);
    expectTextAt(frame, Left, "- ENTER - end auction", -3.0f, 1.5f, -5, whitePixel);
    expectTextAt(frame, Left, "- Click on ENTER - end auction", -3.0f, -0.5f, -5, whitePixel);
    // Fourth mouse row (y -1.1) continues the third and starts at x -2.5, not -3.
    const char* continuation = "bid for human player (current bid increases by bid increment)";
    expectTextAt(frame, Left, continuation, -2.5f, -1.1f, -5, whitePixel);
    const int row = pixelRow(-1.1f, -5);
    const int indentStart = pixelColumn(-2.5f, -5);
    EXPECT_EQ(countColour(frame, whitePixel, pixelColumn(-3.0f, -5) - 2, indentStart - 4, row - 8, row + 8),
              0);
    shell = ShellState{};
}

TEST(HelpScreen, BoardKeyboardListRunsDownToMinusPointOne) {
    PlainTextures plain;
    startTestGame(2);
    shell = ShellState{};
    shell.helpOpen = true;
    const std::vector<Pixel> frame = drawAndRead();
    expectTextAt(frame, Left, "- 1-8 - go to trade menu of human player", -3.0f, -0.1f, -5, whitePixel);
    expectTextAt(frame, Left, "- Right Click on board - pan game board", -3.0f, -1.3f, -5, whitePixel);
    shell = ShellState{};
}
