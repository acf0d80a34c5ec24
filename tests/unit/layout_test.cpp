// One place knows where an item is drawn and where it is clicked. Each drawn item is projected
// through the 45-degree camera and must land in its click rectangle, so a drawing that moves
// without its click area (or the reverse) fails here.
#include <gtest/gtest.h>

#include "game/tables.h"
#include "ui/layout.h"
#include "ui/text_metrics.h"

namespace {

// The design-frame rectangle of an eye-space one (y turns downwards).
Rect projectRect(const Rect& eye, float z) {
    return {static_cast<float>(designX(eye.x0, z)), static_cast<float>(designY(eye.y1, z)),
            static_cast<float>(designX(eye.x1, z)), static_cast<float>(designY(eye.y0, z))};
}

void expectHits(Point eye, float z, const Rect& hit, const char* what) {
    const float x = static_cast<float>(designX(eye.x, z)), y = static_cast<float>(designY(eye.y, z));
    EXPECT_TRUE(hit.contains(x, y)) << what << " drawn at (" << x << ", " << y << ")";
}

// A drawn box and its click area each hold the other's middle.
void expectSameBox(const Rect& eye, float z, const Rect& hit, const char* what) {
    const Rect drawn = projectRect(eye, z);
    EXPECT_TRUE(hit.contains((drawn.x0 + drawn.x1) / 2, (drawn.y0 + drawn.y1) / 2)) << what;
    EXPECT_TRUE(drawn.contains((hit.x0 + hit.x1) / 2, (hit.y0 + hit.y1) / 2)) << what;
}

}  // namespace

// The board rectangle projects onto the board area, and a click in its middle reads back the
// middle of a zoomed texture window.
TEST(Layout, BoardAreaAndWindow) {
    game = GameState{};
    const Rect board = projectRect(boardRect, gamePlane);
    EXPECT_NEAR(board.x0, boardArea.x0, 5);
    EXPECT_NEAR(board.x1, boardArea.x1, 5);
    EXPECT_NEAR(board.y0, boardArea.y0, 4);
    EXPECT_NEAR(board.y1, boardArea.y1, 3);
    const Point clicked = designToBoard(boardWindow(0.5f, 0.25f, -0.25f), 600, 395);
    EXPECT_FLOAT_EQ(clicked.x, 0.75f);
    EXPECT_FLOAT_EQ(clicked.y, 0.25f);
}

TEST(Layout, EveryDrawnItemLiesInItsClickArea) {
    game = GameState{};
    for (bool jailed : {false, true})
        for (int i = 0; i < actionCount(jailed); ++i)
            expectHits({actionItem(jailed, i).x, actionBarY}, gamePlane, actionItem(jailed, i).hit,
                       actionItem(jailed, i).label);
    const struct {
        Point at;
        float z;
        Rect hit;
        const char* what;
    } items[] = {
        {confirmAt, gamePlane, confirmHit, "Confirm"},
        {backAt, gamePlane, backHit, "Back to Game"},
        {yesAt, gamePlane, yesHit, "YES"},
        {noAt, gamePlane, noHit, "NO"},
        {flatTaxAt, gamePlane, flatTaxHit, "$200"},
        {percentTaxAt, gamePlane, percentTaxHit, "10%"},
        {bidUpArrow.b, gamePlane, bidUpHit, "bid up"},
        {bidDownArrow.b, gamePlane, bidDownHit, "bid down"},
        {offerYesAt, gamePlane, offerYesHit, "offer YES"},
        {offerNoAt, gamePlane, offerNoHit, "offer NO"},
        {startAt, menuPlane, startHit, "START"},
        {optionsAt, menuPlane, optionsHit, "OPTIONS"},
        {quitYesAt, menuPlane, quitYesHit, "quit YES"},
        {quitNoAt, menuPlane, quitNoHit, "quit NO"},
        {saveChoiceAt, menuPlane, saveChoiceHit, "SAVE"},
        {loadChoiceAt, menuPlane, loadChoiceHit, "LOAD"},
        {{optionLabelX + 1, optionRowY(4)}, menuPlane, backToMenuHit, "BACK TO MENU"},
        {{amountLineAt.x - 0.05f, (upArrowBase + upArrowTip) / 2}, gamePlane, houseCountUpHit, "up"},
        {{amountLineAt.x - 0.05f, (downArrowBase + downArrowTip) / 2}, gamePlane, houseCountDownHit, "down"},
    };
    for (const auto& item : items) expectHits(item.at, item.z, item.hit, item.what);
    // Each pair of option arrows sits on its own row's label and click area.
    for (int row = 0; row < 4; ++row) {
        const float middle = optionArrowY(row) + optionArrowSide / 2;
        expectHits({increaseArrowX + optionArrowSide / 2, middle}, gamePlane, increaseArrowHit(row), "more");
        expectHits({decreaseArrowX + optionArrowSide / 2, middle}, gamePlane, decreaseArrowHit(row), "less");
        EXPECT_NEAR(designY(middle, gamePlane), designY(optionRowY(row), menuPlane), 1) << "row " << row;
    }
    // The end-auction click area lies within its centred line's ink.
    const float half = measureText("Press ENTER to end auction") / 1000.0f;
    const Point at = auctionEndAt;
    const Rect line = projectRect({at.x - half, at.y - 0.05f, at.x + half, at.y + 0.05f}, gamePlane);
    const Rect& hit = auctionEndHit;
    EXPECT_TRUE(line.x0 <= hit.x0 && hit.x1 <= line.x1);
    EXPECT_TRUE(line.contains((hit.x0 + hit.x1) / 2, (hit.y0 + hit.y1) / 2));
}

TEST(Layout, PanelsCellsAndSlotsShareTheirBoxes) {
    game = GameState{};
    for (int place = 0; place < 8; ++place) {  // title line down to the lowest cell
        const Rect panel{panelX(place), panelCell(place, 6).y0, panelCashX(place), panelTitleY(place)};
        expectSameBox(panel, gamePlane, panelHit(place), "panel");
    }
    for (int p = 0; p < propertyCount; ++p)
        expectSameBox(assetCursorBar(propertySlot[p]), gamePlane, assetCellHit(propertySlot[p]), "cell");
    for (int s = 0; s < 30; ++s) expectSameBox(slotBox(s), gamePlane, slotHit(s), "save slot");
    expectSameBox(jailTile(0), gamePlane, jailTileHit(0), "first jail card");
    expectSameBox(jailTile(1), gamePlane, jailTileHit(1), "second jail card");
    expectSameBox(partnerBackBar, gamePlane, partnerBackHit, "Back to Trade");
}
