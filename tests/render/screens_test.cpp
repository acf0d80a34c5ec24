// What a player sees on each screen: the texts a frame draws, in their colours and over the
// areas a click on them must hit; the board window and the turning card; the blinking bars
// and arrows where their clicks land.
#include <gtest/gtest.h>

#include <cstring>

#include "app/aids.h"
#include "app/shell.h"
#include "assets/textures.h"
#include "game/tables.h"
#include "render/probe.h"
#include "support/fixtures.h"
#include "ui/labels.h"

namespace {

constexpr Colour white{1, 1, 1}, grey{0.5f, 0.5f, 0.5f}, black{0, 0, 0}, yellow{1, 1, 0};

struct Row {
    const char* scene;
    void (*adjust)();
    const char* text;
    Colour colour;
    Rect clickArea;  // design pixels: it or the text's box holds the other's middle; empty for none
};

// clang-format off
const Row rows[] = {
    // A dark menu's chosen item is white, the others grey; the light options menu's is black.
    {"start_menu", nullptr, "START", white, startHit},
    {"start_menu", nullptr, "OPTIONS", grey, optionsHit},
    {"save_choice", nullptr, "SAVE", white, saveChoiceHit},
    {"save_choice", nullptr, "LOAD", grey, loadChoiceHit},
    {"options_menu", nullptr, "$500", black, {}},
    {"options_menu", nullptr, "BACK TO MENU", grey, backToMenuHit},
    // The quit question's answer in yellow, YES on the right.
    {"quit_question", nullptr, "NO", yellow, quitNoHit},
    {"quit_question", nullptr, "YES", grey, quitYesHit},
    // Four actions, five in jail with "Houses" third; a panel's title and cash (sign after the
    // dollar) in the seat's colour over the panel's click area; the card's extra lines.
    {"board", nullptr, "Roll", white, actionBarFree[0].hit},
    {"board", nullptr, "House/Hotel", grey, actionBarFree[2].hit},
    {"board_jailed", nullptr, "Houses", grey, actionBarJailed[2].hit},
    {"board_jailed", nullptr, "Leave Jail", white, actionBarJailed[4].hit},
    {"board", nullptr, "$-120", playerColours[5], panelHit(5)},
    {"board_card", nullptr, "10x amount shown", black, {}},
    {"property_card_street", nullptr, "$625", black, {}},  // Plainsreach's rent with four houses
    // Dialogs: a negative amount is got, not paid; the bankrupt's creditor; the asked seat's cash.
    {"dialog_notice", nullptr, "Brick pays $350 for", white, {}},
    {"dialog_notice_gets", nullptr, "Brick gets $200 for", white, {}},
    {"dialog_bankruptcy", nullptr, "and gives all to Brick", white, {}},
    {"dialog_bankruptcy", [] { game.lastCreditor = middleCreditor; }, "and gives all to middle", white, {}},
    {"dialog_bankruptcy", [] { game.lastCreditor = middleCreditor; game.middleOption = 0; },
     "and gives all to bank", white, {}},
    {"dialog_unmortgage", nullptr, "now for $90?", white, {}},
    {"dialog_purchase", nullptr, "for $300?", white, {}},
    {"dialog_purchase", nullptr, "YES", white, yesHit},
    {"dialog_purchase", nullptr, "NO", grey, noHit},
    {"dialog_auction", nullptr, "Esme bids $160", playerColours[4], {}},
    {"dialog_auction", nullptr, "Press ENTER to end auction", white, auctionEndHit},
    {"dialog_auction_no_bid", nullptr, "No bidder", white, {}},
    {"dialog_income_tax", nullptr, "$200", grey, flatTaxHit},
    {"dialog_income_tax", nullptr, "10%", white, percentTaxHit},
    {"dialog_trade_partner", nullptr, "Back to Trade", white, partnerBackHit},
    {"dialog_trade_offer", nullptr, "YES", white, offerYesHit},
    {"dialog_trade_offer", nullptr, "NO", grey, offerNoHit},
    {"winner", nullptr, "Dmitri", white, {}},
    // The offer has as many digits as the cash; a selected jail card reads yellow; why a load
    // failed stands in yellow under the slots.
    {"asset_trade", [] { game.money[2] = 80; game.tradeMoney = 5; }, "Trade $05", white, {}},
    {"asset_trade", nullptr, "Free", yellow, jailTileHit(0)},
    {"asset_trade", nullptr, "Confirm", white, confirmHit},
    {"asset_trade", nullptr, "Back to Game", white, backHit},
    {"asset_houses", nullptr, "Buy Houses 2", white, {}},
    {"save_slots", nullptr, "SELECT SAVE SLOT", white, {}},
    {"save_slots", nullptr, "1 Sunday game", black, slotHit(0)},
    {"load_slots", [] { std::strcpy(shell.saveMessage, "Slot 4 is damaged"); }, "Slot 4 is damaged", yellow, {}},
    // Layers: help over the save menu over the quit question over any dialog.
    {"dialog_income_tax", [] { game.quitConfirmOpen = true; }, "Are you sure", white, {}},
    {"quit_question", [] { shell.saveMenuOpen = shell.saveMenuOnSave = true; }, "SAVE", white, saveChoiceHit},
    {"save_choice", [] { shell.helpOpen = true; }, "HELP MENU", {0, 0, 1}, {}},
    {"help", nullptr, "KEYBOARD", {1, 0, 0}, {}},
    // The open menu's kind swings from white to blue with the pulse while the cursor is on
    // the action bar; "Saved" stays up to its last tick.
    {"asset_trade", [] { game.assetCursor = CursorKindRow; }, "Trade", {0.9f, 0.9f, 1}, actionBarFree[1].hit},
    {"saved_note", [] { aids.savedTicks = 1; }, "Saved", white, {}},
};
// clang-format on

bool operator==(const Colour& a, const Colour& b) { return a.r == b.r && a.g == b.g && a.b == b.b; }

}  // namespace

TEST(Screens, EachTextReadsRightInItsColourOverItsClickArea) {
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.scene) + ": " + row.text);
        drawScene(row.scene, row.adjust);
        const DrawnText* drawn = findText(row.text);
        ASSERT_NE(drawn, nullptr);
        EXPECT_TRUE(drawn->colour == row.colour);
        const Rect &box = drawn->box, &hit = row.clickArea;
        const bool met = hit.contains((box.x0 + box.x1) / 2, (box.y0 + box.y1) / 2) ||
                         box.contains((hit.x0 + hit.x1) / 2, (hit.y0 + hit.y1) / 2);
        EXPECT_TRUE(met || hit.width() == 0) << "drawn at " << box.x0 << ".." << box.x1 << ", " << box.y0;
    }
}

// Under every dialog the board image gives way to its white outline.
TEST(Screens, DialogsShowTheBoardOnlyAsItsOutline) {
    const StandIn board(boardTex, 1, 1, {40, 160, 40, 255});  // a green no seat wears
    const int edge = pixelColumn(boardRect.x0);
    for (const char* name : {"winner", "dialog_notice", "dialog_auction", "dialog_trade_offer"}) {
        const std::vector<Pixel> frame = drawScene(name);
        EXPECT_EQ(countColour(frame, {40, 160, 40}, 0, 1199, 0, 699), 0) << name;
        EXPECT_GT(countColour(frame, whitePixel, edge - 1, edge + 1, 150, 650), 400) << name;
    }
}

// The board quad fills the board area whatever the zoom: zoom 1 shows the image's four
// quarters, zoom 0.5 panned to (0.25, -0.25) the lower-right quarter alone, which is what a
// click there reads back. Every Board frame moves the pulse on, 19 wrapping to 0. The card
// turns over: at 150 its back spans the board, at 120 it has no width. A token half outside
// the window is cut at the board's edge: it never spills onto the panels.
TEST(BoardScene, ZoomPanTheTurningCardAndClipping) {
    game = GameState{};
    shell = ShellState{};
    startTestGame(2);
    game.boardCursor = 30;  // off the probed places
    // Lower-left red, lower-right green, upper-left blue, upper-right yellow.
    const StandIn board(boardTex, 2, 2, {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255, 255, 0, 255});
    game.pulseStep = 19;
    std::vector<Pixel> frame = drawAndRead();
    EXPECT_EQ(game.pulseStep, 0);
    EXPECT_NEAR(colourSpan(frame, redPixel, 0, 1199, 600, 600).first, boardArea.x0, 5);  // where clicks land
    EXPECT_NEAR(colourSpan(frame, yellowPixel, 0, 1199, 200, 200).last, boardArea.x1, 5);
    const Pixel quarters[4] = {redPixel, greenPixel, bluePixel, yellowPixel};
    for (int q = 0; q < 4; ++q)
        EXPECT_TRUE(same(pixelAt(frame, q % 2 ? 800 : 400, q < 2 ? 600 : 200), quarters[q])) << q;
    game.zoom = 0.5f;
    game.panX = 0.25f;
    game.panY = -0.25f;
    frame = drawAndRead();
    EXPECT_EQ(game.pulseStep, 1);
    for (int x : {310, 600, 890})
        for (int y : {105, 400, 680}) EXPECT_TRUE(same(pixelAt(frame, x, y), greenPixel)) << x << "," << y;
    const Point clicked = designToBoard(boardWindow(game.zoom, game.panX, game.panY), 600, 395);
    EXPECT_FLOAT_EQ(clicked.x, 0.75f);
    EXPECT_FLOAT_EQ(clicked.y, 0.25f);
    const StandIn back(cardBackTex[0], 1, 1, {255, 255, 0, 255});
    game.cardTimer = 150;
    const Span card = colourSpan(drawAndRead(), yellowPixel, 0, 1199, 400, 400);
    EXPECT_NEAR(card.first, designX(-1.7f, gamePlane), 1);
    EXPECT_NEAR(card.last, designX(1.7f, gamePlane), 1.5);
    game.cardTimer = 120;
    EXPECT_EQ(countColour(drawAndRead(), yellowPixel, 0, 1199, 0, 699), 0);
    game.currentPlayer = 1;  // seat 0's token still, not pulsing
    game.position[0] = jailSquare;
    game.tokenSlot[0] = 2;  // places 0..3 of the jail corner run up its outer left edge
    const float u = game.tokenSpotX[jailSquare][2], v = game.tokenSpotY[jailSquare][2];
    game.panX = u + 0.015f - 0.25f;  // the window starts at the token's middle
    const StandIn token(tokenTex, 1, 1, {255, 255, 255, 255});
    const Point middle = boardToEyeIn(boardWindow(game.zoom, game.panX, game.panY), u + 0.015f, v + 0.015f);
    const int row = pixelRow(middle.y);
    const Span blue = colourSpan(drawAndRead(), bluePixel, 200, 600, row - 5, row + 5);
    EXPECT_NEAR(blue.first, designX(boardRect.x0, gamePlane), 1);
    // The inner half: 0.015 board units, 0.105 eye units at zoom 0.5.
    EXPECT_NEAR(blue.last, designX(middle.x + 0.105f, gamePlane), 2);
}

// The blinking bar lies on the clicked cell; red arrows stand over and under every digit of
// the amount but not the dollar; each option's yellow arrows fill the middle of their click
// areas.
TEST(Menus, BarsAndArrowsLieWhereTheirClicksLand) {
    std::vector<Pixel> frame = drawScene("asset_houses");  // the cursor on property 7 at pulse 9
    const Rect on = assetCellHit(propertySlot[7]), off = assetCellHit(propertySlot[6]);  // the cell above
    EXPECT_GT(countColour(frame, bluePixel, int(on.x0), int(on.x1), int(on.y0), int(on.y1)), 100);
    EXPECT_EQ(countColour(frame, bluePixel, int(off.x0), int(off.x1), int(off.y0), int(off.y1)), 0);
    frame = drawScene("asset_trade");
    for (int k = 0; k < 5; ++k) {
        const DigitSpan digit = amountDigitSpan("Trade $0250", k, amountLineAt.x);
        const int x = pixelColumn(digit.x0 + digit.w / 2);
        EXPECT_EQ(same(pixelAt(frame, x, pixelRow(upArrowBase + 0.01f)), redPixel), k < 4) << "above " << k;
        EXPECT_EQ(same(pixelAt(frame, x, pixelRow(downArrowBase - 0.01f)), redPixel), k < 4) << "below " << k;
    }
    frame = drawScene("options_menu");
    for (int row = 0; row < 4; ++row)
        for (const Rect& hit : {decreaseArrowHit(row), increaseArrowHit(row)})
            EXPECT_TRUE(same(pixelAt(frame, int(hit.x0 + hit.x1) / 2, int(hit.y0 + hit.y1) / 2), yellowPixel))
                << "row " << row << " at " << hit.x0;
}
