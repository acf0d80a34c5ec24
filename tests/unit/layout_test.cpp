// One place knows where an item is drawn and where it is clicked. These tests project each
// drawn item through the 45-degree camera and check it lands in its click rectangle, so
// a drawing that moves without its click area (or the reverse) fails here.
#include <gtest/gtest.h>

#include "game/tables.h"
#include "render/layout.h"
#include "render/text_metrics.h"

namespace {

// The design-frame point of an eye-space point.
Point project(Point eye, float z) {
    return {static_cast<float>(designX(eye.x, z)), static_cast<float>(designY(eye.y, z))};
}

// The design-frame rectangle of an eye-space one (y turns downwards).
Rect projectRect(const Rect& eye, float z) {
    return {static_cast<float>(designX(eye.x0, z)), static_cast<float>(designY(eye.y1, z)),
            static_cast<float>(designX(eye.x1, z)), static_cast<float>(designY(eye.y0, z))};
}

Point centre(const Rect& r) { return {(r.x0 + r.x1) / 2, (r.y0 + r.y1) / 2}; }

void expectHits(Point eye, float z, const Rect& hit, const char* what) {
    const Point p = project(eye, z);
    EXPECT_TRUE(hit.contains(p.x, p.y)) << what << " drawn at (" << p.x << ", " << p.y << ")";
}

// A drawn box and its click area share their middle.
void expectSameBox(const Rect& eye, float z, const Rect& hit, const char* what) {
    const Rect drawn = projectRect(eye, z);
    const Point a = centre(drawn), b = centre(hit);
    EXPECT_TRUE(hit.contains(a.x, a.y)) << what;
    EXPECT_TRUE(drawn.contains(b.x, b.y)) << what;
}

// A click area on part of a centred line of text lies within the line's ink.
void expectWithinText(const char* text, Point at, float z, const Rect& hit, const char* what) {
    const float half = measureText(text) / 1000.0f;
    const Rect line = projectRect({at.x - half, at.y - 0.05f, at.x + half, at.y + 0.05f}, z);
    EXPECT_TRUE(line.x0 <= hit.x0 && hit.x1 <= line.x1) << what;
    const Point middle = centre(hit);
    EXPECT_TRUE(line.contains(middle.x, middle.y)) << what;
}

}  // namespace

TEST(Layout, BoardRectangleMapsToTheBoardArea) {
    game = GameState{};
    const Point lowerLeft = project(Point{boardRect.x0, boardRect.y0}, gamePlane);
    const Point upperRight = project(Point{boardRect.x1, boardRect.y1}, gamePlane);
    EXPECT_NEAR(lowerLeft.x, boardArea.x0, 5);
    EXPECT_NEAR(upperRight.x, boardArea.x1, 5);
    EXPECT_NEAR(lowerLeft.y, boardArea.y1, 3);
    EXPECT_NEAR(upperRight.y, boardArea.y0, 4);
}

TEST(Layout, BoardWindowAndItsInverse) {
    game = GameState{};
    const BoardWindow whole = boardWindow(1, 0.25f, -0.25f);
    EXPECT_FLOAT_EQ(whole.originU, 0);  // zoom 1 ignores the pan
    EXPECT_FLOAT_EQ(whole.originV, 0);
    const BoardWindow quarter = boardWindow(0.5f, 0.25f, -0.25f);
    EXPECT_FLOAT_EQ(quarter.originU, 0.5f);
    EXPECT_FLOAT_EQ(quarter.originV, 0);
    const Point corner = boardToEyeIn(quarter, 0.5f, 0);
    EXPECT_FLOAT_EQ(corner.x, boardRect.x0);
    EXPECT_FLOAT_EQ(corner.y, boardRect.y0);
    const Point clicked = designToBoard(quarter, 600, 395);  // the middle of the board area
    EXPECT_FLOAT_EQ(clicked.x, 0.75f);
    EXPECT_FLOAT_EQ(clicked.y, 0.25f);
}

TEST(Layout, ActionBarItemsLieInTheirClickAreas) {
    game = GameState{};
    for (bool jailed : {false, true})
        for (int i = 0; i < actionCount(jailed); ++i) {
            const ActionItem& item = actionItem(jailed, i);
            expectHits({item.x, actionBarY}, gamePlane, item.hit, item.label);
        }
}

TEST(Layout, PanelsCellsAndSlotsShareTheirBoxes) {
    game = GameState{};
    for (int place = 0; place < 8; ++place) {
        // The panel spans its title line down to its lowest cell.
        const Rect panel{panelX(place), panelCell(place, 6).y0, panelCashX(place), panelTitleY(place)};
        expectSameBox(panel, gamePlane, panelHit(place), "panel");
    }
    for (int p = 0; p < propertyCount; ++p)
        expectSameBox(assetCursorBar(propertySlot[p]), gamePlane, assetCellHit(propertySlot[p]),
                      "asset cell");
    for (int s = 0; s < 30; ++s) expectSameBox(slotBox(s), gamePlane, slotHit(s), "save slot");
    expectSameBox(jailTile(0), gamePlane, jailTileHit(0), "first jail card");
    expectSameBox(jailTile(1), gamePlane, jailTileHit(1), "second jail card");
    expectSameBox(partnerBackBar, gamePlane, partnerBackHit, "Back to Trade");
}

TEST(Layout, ButtonsAndAnswersLieInTheirClickAreas) {
    game = GameState{};
    expectHits(confirmAt, gamePlane, confirmHit, "Confirm");
    expectHits(backAt, gamePlane, backHit, "Back to Game");
    expectHits(yesAt, gamePlane, yesHit, "YES");
    expectHits(noAt, gamePlane, noHit, "NO");
    expectHits(flatTaxAt, gamePlane, flatTaxHit, "$200");
    expectHits(percentTaxAt, gamePlane, percentTaxHit, "10%");
    expectWithinText("Press ENTER to end auction", auctionEndAt, gamePlane, auctionEndHit, "end auction");
    expectHits(bidUpArrow.b, gamePlane, bidUpHit, "bid increment up");
    expectHits(bidDownArrow.b, gamePlane, bidDownHit, "bid increment down");
    expectHits(offerYesAt, gamePlane, offerYesHit, "offer YES");
    expectHits(offerNoAt, gamePlane, offerNoHit, "offer NO");
    expectHits(startAt, menuPlane, startHit, "START");
    expectHits(optionsAt, menuPlane, optionsHit, "OPTIONS");
    expectHits(quitYesAt, menuPlane, quitYesHit, "quit YES");
    expectHits(quitNoAt, menuPlane, quitNoHit, "quit NO");
    expectHits(saveChoiceAt, menuPlane, saveChoiceHit, "SAVE");
    expectHits(loadChoiceAt, menuPlane, loadChoiceHit, "LOAD");
    expectHits({optionLabelX + 1, optionRowY(4)}, menuPlane, backToMenuHit, "BACK TO MENU");
    expectHits({amountLineAt.x - 0.05f, (upArrowBase + upArrowTip) / 2}, gamePlane, houseCountUpHit,
               "count up");
    expectHits({amountLineAt.x - 0.05f, (downArrowBase + downArrowTip) / 2}, gamePlane, houseCountDownHit,
               "count down");
}

// Each pair of option arrows sits on its own row's label and click area.
TEST(Layout, OptionArrowsShareTheirRows) {
    game = GameState{};
    for (int row = 0; row < 4; ++row) {
        const float middle = optionArrowY(row) + optionArrowSide / 2;
        expectHits({increaseArrowX + optionArrowSide / 2, middle}, gamePlane, increaseArrowHit(row),
                   "increase");
        expectHits({decreaseArrowX + optionArrowSide / 2, middle}, gamePlane, decreaseArrowHit(row),
                   "decrease");
        EXPECT_NEAR(designY(middle, gamePlane), designY(optionRowY(row), menuPlane), 1) << "row " << row;
    }
}
