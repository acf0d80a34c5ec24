// The asset menu and the full-screen menus: the blinking bar on the cursor, the amount line
// and its arrows, the options arrows, the action bar in and out of jail.
#include <gtest/gtest.h>

#include <cstdio>

#include "app/shell.h"
#include "game/rules.h"
#include "game/tables.h"
#include "ui/labels.h"
#include "render/probe.h"
#include "support/fixtures.h"

namespace {

// P1's trade menu with a street and a transport, nothing selected.
void tradeMenuOfP1() {
    game = GameState{};
    shell = ShellState{};
    startTestGame(2);
    game.tokenSlot[0] = 1;
    game.tokenSlot[1] = 5;
    giveProperty(0, 5);
    giveProperty(0, 22);
    game.screen = AssetMenu;
    game.menuIndex = KindTrade;
    game.menuPlayer = 0;
}

bool colourAtEye(const std::vector<Pixel>& frame, float x, float y, Pixel colour) {
    return same(pixelAt(frame, pixelColumn(x, -5), pixelRow(y, -5)), colour);
}

}  // namespace

// The bar fills the cursor's cell around the colour band, and blinks: fully blue at the top
// of the pulse (step 9 advanced to 10), gone at its bottom (19 advanced to 0).
TEST(AssetMenu, BlinkingBarSitsOnTheCursor) {
    PlainTextures plain;
    tradeMenuOfP1();
    game.assetCursor = 5;
    game.pulseStep = 9;
    const Rect onCursor = assetCursorBar(propertySlot[5]), elsewhere = assetCursorBar(propertySlot[22]);
    std::vector<Pixel> frame = drawAndRead();
    EXPECT_TRUE(colourAtEye(frame, onCursor.x0 + 0.02f, onCursor.y0 + 0.2f, bluePixel));
    EXPECT_TRUE(colourAtEye(frame, onCursor.x1 - 0.02f, onCursor.y1 - 0.02f, bluePixel));
    EXPECT_TRUE(colourAtEye(frame, elsewhere.x0 + 0.02f, elsewhere.y0 + 0.2f, backdropPixel));
    game.assetCursor = CursorConfirm;
    game.pulseStep = 9;
    frame = drawAndRead();
    EXPECT_TRUE(colourAtEye(frame, confirmBar.x0 + 0.05f, confirmBar.y0 + 0.05f, bluePixel));
    EXPECT_TRUE(colourAtEye(frame, onCursor.x0 + 0.02f, onCursor.y0 + 0.2f, backdropPixel));
    game.pulseStep = 19;
    EXPECT_TRUE(colourAtEye(drawAndRead(), confirmBar.x0 + 0.05f, confirmBar.y0 + 0.05f, backdropPixel));
}

// The offer has as many digits as the cash: cash 80 and offer 5 read "Trade $05", with a red
// arrow over and under each digit and none over the dollar; the amount bar covers the chosen digit.
TEST(AssetMenu, AmountLineArrowsAndBar) {
    PlainTextures plain;
    tradeMenuOfP1();
    game.money[0] = 80;
    game.tradeMoney = 5;
    game.assetCursor = 5;
    std::vector<Pixel> frame = drawAndRead();
    expectTextAt(frame, Right, "Trade $05", 1.3f, 1.2f, -5, whitePixel);
    for (int k = 0; k < 3; ++k) {
        const DigitSpan digit = amountDigitSpan("Trade $05", k, 1.3f);
        EXPECT_EQ(colourAtEye(frame, digit.x0 + digit.w / 2, upArrowBase + 0.01f, redPixel), k < 2)
            << "above " << k;
        EXPECT_EQ(colourAtEye(frame, digit.x0 + digit.w / 2, downArrowBase - 0.01f, redPixel), k < 2)
            << "below " << k;
    }
    game.money[0] = 1500;
    game.tradeMoney = 250;
    game.assetCursor = CursorAmount;
    game.amountDigit = 2;  // the "2" of "Trade $0250"
    game.pulseStep = 9;
    frame = drawAndRead();
    const DigitSpan hundreds = amountDigitSpan("Trade $0250", 2, 1.3f);
    const Span bar = colourSpan(frame, bluePixel, 700, 900, pixelRow(1.27f, -5), pixelRow(1.27f, -5));
    EXPECT_NEAR(bar.first, designX(hundreds.x0, -5), 1.5);
    EXPECT_NEAR(bar.last, designX(hundreds.x0 + hundreds.w, -5), 1.5);
}

// The options' arrows are yellow and sit on their option's row, so a click changes the row
// the arrow is drawn on; BACK TO MENU has none, and the chosen row is black.
TEST(OptionsMenu, ArrowsAreYellowBesideTheirRows) {
    PlainTextures plain;
    game = GameState{};
    shell = ShellState{};
    game.screen = OptionsMenu;
    const std::vector<Pixel> frame = drawAndRead();
    for (int row = 0; row < 4; ++row) {
        const int y = pixelRow(optionRowY(row), -2);
        EXPECT_TRUE(same(pixelAt(frame, 1065, y), yellowPixel)) << "increase, row " << row;
        EXPECT_TRUE(same(pixelAt(frame, 815, y), yellowPixel)) << "decrease, row " << row;
    }
    const int backRow = pixelRow(optionRowY(4), -2);
    EXPECT_EQ(countColour(frame, yellowPixel, 760, 1120, backRow - 10, backRow + 10), 0);
    expectTextAt(frame, Left, "PLAYERS", -1.2f, 0.5f, -2, {0, 0, 0});
}

// In jail the bar has five actions with "Houses" third; otherwise four with "House/Hotel".
TEST(ActionBar, JailAddsLeaveJail) {
    PlainTextures plain;
    game = GameState{};
    shell = ShellState{};
    startTestGame(2);
    game.menuIndex = 2;
    std::vector<Pixel> frame = drawAndRead();
    expectTextAt(frame, Centre, "House/Hotel", 0.1f, 1.65f, -5, whitePixel);
    expectTextAt(frame, Centre, "Mortgage", 1.2f, 1.65f, -5, greyPixel);
    putInJail(0);
    frame = drawAndRead();
    expectTextAt(frame, Centre, "Houses", actionBarJailed[2].x, 1.65f, -5, whitePixel);
    expectTextAt(frame, Centre, "Leave Jail", 1.3f, 1.65f, -5, greyPixel);
}

// A damaged slot's box is red, not white, and the reason a load or save failed stands in yellow
// under the grid.
TEST(SaveLayer, DamagedSlotAndFailureMessage) {
    PlainTextures plain;
    game = GameState{};
    shell = ShellState{};
    shell.loadListOpen = true;
    std::snprintf(shell.slotNames[11], sizeof shell.slotNames[11], "cut");
    std::snprintf(shell.slotNames[12], sizeof shell.slotNames[12], "whole");
    shell.slotDamaged[11] = true;
    std::snprintf(shell.saveMessage, sizeof shell.saveMessage, "Slot 12 is damaged and cannot be loaded");
    const std::vector<Pixel> frame = drawAndRead();
    const Rect damaged = slotBox(11), whole = slotBox(12);
    const Pixel d = pixelAt(frame, pixelColumn(damaged.x0 + 0.03f, -5), pixelRow(damaged.y0 + 0.03f, -5));
    const Pixel w = pixelAt(frame, pixelColumn(whole.x0 + 0.03f, -5), pixelRow(whole.y0 + 0.03f, -5));
    EXPECT_GT(d.r, d.g + 60);
    EXPECT_TRUE(w.r > 100 && w.g > 100) << int(w.r) << " " << int(w.g);
    expectTextAt(frame, Centre, shell.saveMessage, slotHintAt.x, slotHintAt.y, -5, yellowPixel);
}
