// One place knows where an item is drawn and where it is clicked. Each drawn shape is
// projected through the 45-degree camera and must meet its click rectangle, so a drawing that
// moves without its click area (or the reverse) fails here; the render suite checks the texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "game/tables.h"
#include "ui/layout.h"

namespace {

// The design-frame rectangle of an eye-space one (y turns downwards).
Rect projectRect(const Rect& eye, float z = gamePlane) {
    return {static_cast<float>(designX(eye.x0, z)), static_cast<float>(designY(eye.y1, z)),
            static_cast<float>(designX(eye.x1, z)), static_cast<float>(designY(eye.y0, z))};
}

// A drawn box and its click area each hold the other's middle.
void expectSameBox(const Rect& eye, const Rect& hit, const char* what, int n = 0) {
    const Rect drawn = projectRect(eye);
    EXPECT_TRUE(hit.contains((drawn.x0 + drawn.x1) / 2, (drawn.y0 + drawn.y1) / 2)) << what << " " << n;
    EXPECT_TRUE(drawn.contains((hit.x0 + hit.x1) / 2, (hit.y0 + hit.y1) / 2)) << what << " " << n;
}

}  // namespace

TEST(Layout, EveryDrawnShapeSharesItsClickArea) {
    for (int place = 0; place < 8; ++place)  // title line down to the lowest cell
        expectSameBox({panelX(place), panelCell(place, 6).y0, panelCashX(place), panelTitleY(place)},
                      panelHit(place), "panel", place);
    for (int p = 0; p < propertyCount; ++p)
        expectSameBox(assetCursorBar(propertySlot[p]), assetCellHit(propertySlot[p]), "cell", p);
    for (int s = 0; s < 30; ++s) expectSameBox(slotBox(s), slotHit(s), "save slot", s);
    for (int deck = 0; deck < 2; ++deck) expectSameBox(jailTile(deck), jailTileHit(deck), "jail card", deck);
    expectSameBox(partnerBackBar, partnerBackHit, "Back to Trade");
    expectSameBox(confirmBar, confirmHit, "Confirm");
    expectSameBox(backBar, backHit, "Back to Game");
    // Arrows: the bid increment's and the houses count's; each option row's pair beside its label.
    for (const auto& [arrow, hit] : {std::pair{bidUpArrow, bidUpHit}, std::pair{bidDownArrow, bidDownHit}})
        expectSameBox({arrow.a.x, std::min(arrow.a.y, arrow.b.y), arrow.c.x, std::max(arrow.a.y, arrow.b.y)},
                      hit, "bid arrow");
    // The count's one digit, about 0.1 wide, right-aligned at the amount line.
    expectSameBox({amountLineAt.x - 0.1f, upArrowBase, amountLineAt.x, upArrowTip}, houseCountUpHit, "up");
    expectSameBox({amountLineAt.x - 0.1f, downArrowTip, amountLineAt.x, downArrowBase}, houseCountDownHit,
                  "down");
    for (int row = 0; row < 4; ++row)
        EXPECT_NEAR(designY(optionArrowY(row) + optionArrowSide / 2, gamePlane),
                    designY(optionRowY(row), menuPlane), 1);
}
