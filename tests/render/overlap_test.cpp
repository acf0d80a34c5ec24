// Nothing drawn over a label: the places that once overlapped (auction arrows and the
// increment, the trade amount's arrows and its digits, cash and jail cards, the option
// arrows and "$500", the dice and the pot, building marks and owner stars, the jailed action
// bar) stay apart. Texts are measured where they were really drawn, shapes from the layout.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "game/state.h"
#include "game/tables.h"
#include "render/draw.h"
#include "render/frame.h"
#include "render/gl_fixture.h"
#include "tools/gallery/scenes.h"

namespace {

DrawnTextLog texts;

// Sets up a gallery scene, lets `adjust` change it, draws it and logs its texts.
void drawScene(const char* name, void (*adjust)() = nullptr) {
    ensureTestWindow();
    const Scene* scene = findScene(name);
    ASSERT_NE(scene, nullptr) << name;
    scene->setUp();
    if (adjust) adjust();
    beginTestFrame();
    texts.count = 0;
    setDrawnTextLog(&texts);
    drawFrame();
    setDrawnTextLog(nullptr);
}

// The box of the last text drawn that is `text`, or starts with it when `prefix` (design
// pixels, y down). The last: screens draw their own texts over the frame's.
Rect textBox(const char* text, bool prefix = false) {
    for (int i = texts.count - 1; i >= 0; --i) {
        const char* drawn = texts.items[i].text;
        if (prefix ? std::strncmp(drawn, text, std::strlen(text)) == 0 : std::strcmp(drawn, text) == 0)
            return texts.items[i].box;
    }
    ADD_FAILURE() << "no text \"" << text << "\" was drawn";
    return {0, 0, 0, 0};
}

// An eye-space rectangle at depth z in design pixels.
Rect onScreen(const Rect& eye, float z = gamePlane) {
    return {static_cast<float>(designX(eye.x0, z)), static_cast<float>(designY(eye.y1, z)),
            static_cast<float>(designX(eye.x1, z)), static_cast<float>(designY(eye.y0, z))};
}
Rect boundsOf(const Triangle& t) {
    return onScreen({std::min({t.a.x, t.b.x, t.c.x}), std::min({t.a.y, t.b.y, t.c.y}),
                     std::max({t.a.x, t.b.x, t.c.x}), std::max({t.a.y, t.b.y, t.c.y})});
}

// Two boxes at least `gap` apart along one axis (a text's halo takes two pixels).
testing::AssertionResult apart(const Rect& a, const Rect& b, float gap = 4) {
    const float dx = std::max(b.x0 - a.x1, a.x0 - b.x1), dy = std::max(b.y0 - a.y1, a.y0 - b.y1);
    if (dx >= gap || dy >= gap) return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << "boxes (" << a.x0 << "," << a.y0 << ")-(" << a.x1 << "," << a.y1 << ") and (" << b.x0 << ","
           << b.y0 << ")-(" << b.x1 << "," << b.y1 << ") are " << std::max(dx, dy) << " px apart";
}

TEST(Overlap, AuctionArrowsClearAFourDigitIncrementAndTheCard) {
    drawScene("dialog_auction", [] { game.bidIncrement = 1000; });
    const Rect increment = textBox("Bid Increment", true);
    for (const Triangle& arrow : {bidUpArrow, bidDownArrow}) {
        EXPECT_TRUE(apart(increment, boundsOf(arrow)));
        EXPECT_TRUE(apart(boundsOf(arrow), onScreen(miniCard)));
    }
}

TEST(Overlap, TradeAmountArrowsClearItsDigitsTheCashAndTheJailCards) {
    drawScene("asset_trade");
    const Rect amount = textBox("Trade $", true);
    const Rect up = onScreen({amount.x0, upArrowBase, amount.x1, upArrowTip});
    const Rect down = onScreen({amount.x0, downArrowTip, amount.x1, downArrowBase});
    // Only the vertical extent of the arrow rows matters: they span the digits' columns.
    EXPECT_TRUE(apart(amount, {amount.x0, up.y0, amount.x1, up.y1}, 2));
    EXPECT_TRUE(apart(amount, {amount.x0, down.y0, amount.x1, down.y1}, 2));
    char cashText[16];
    std::snprintf(cashText, sizeof cashText, "$%d", game.money[game.menuPlayer]);
    const Rect cash = textBox(cashText);
    const Rect name = textBox(game.playerNames[game.menuPlayer]);
    for (const Rect& text : {cash, name}) {
        EXPECT_TRUE(apart(text, amount));
        EXPECT_TRUE(apart(text, onScreen(jailTile(0))));
        EXPECT_TRUE(apart(text, onScreen(jailTile(1))));
        EXPECT_TRUE(apart(text, onScreen(assetCursorBar(0))));  // the first tile's row
    }
    EXPECT_TRUE(apart(cash, name, 2));
    EXPECT_TRUE(apart(name, textBox("Roll"), 2));
    EXPECT_TRUE(apart(name, textBox("Trade"), 2));
}

TEST(Overlap, OptionArrowsClearTheWidestValue) {
    drawScene("options_menu", [] {
        game.middleOption = 2;
        game.menuIndex = 2;
    });
    const Rect value = textBox("$500");
    const float y = optionArrowY(2);
    EXPECT_TRUE(apart(value, onScreen(rectAt(decreaseArrowX, y, optionArrowSide, optionArrowSide))));
    EXPECT_TRUE(apart(value, onScreen(rectAt(increaseArrowX, y, optionArrowSide, optionArrowSide))));
}

// Separating axes: two convex quads (corners in order) do not overlap.
bool quadsApart(const Point* a, const Point* b) {
    for (const Point* shape : {a, b})
        for (int i = 0; i < 4; ++i) {
            const Point e{shape[(i + 1) % 4].x - shape[i].x, shape[(i + 1) % 4].y - shape[i].y};
            const Point n{-e.y, e.x};
            float minA = 1e9f, maxA = -1e9f, minB = 1e9f, maxB = -1e9f;
            for (int k = 0; k < 4; ++k) {
                const float pa = a[k].x * n.x + a[k].y * n.y, pb = b[k].x * n.x + b[k].y * n.y;
                minA = std::min(minA, pa), maxA = std::max(maxA, pa);
                minB = std::min(minB, pb), maxB = std::max(maxB, pb);
            }
            if (maxA < minB || maxB < minA) return true;
        }
    return false;
}

TEST(Overlap, DiceLeaveThePotBannerAndItsAmountInSight) {
    const Point banner[4] = {{middleBanner.x0, middleBanner.y0},
                             {middleBanner.x1, middleBanner.y0},
                             {middleBanner.x1, middleBanner.y1},
                             {middleBanner.x0, middleBanner.y1}};
    for (const DiePlace& die : diePlaces) {
        const float r = die.degrees * 3.14159265f / 180;
        const float ax = dieSide * std::cos(r), ay = dieSide * std::sin(r);
        const Point quad[4] = {{die.x, die.y},
                               {die.x + ax, die.y + ay},
                               {die.x + ax - ay, die.y + ay + ax},
                               {die.x - ay, die.y + ax}};
        EXPECT_TRUE(quadsApart(quad, banner)) << "die at " << die.x << ", " << die.y;
    }
    drawScene("board");
    ASSERT_TRUE(game.moving && game.middleOption > 0);
    const Rect amount = textBox("1250");
    const Rect note = onScreen(middleBanner);
    EXPECT_TRUE(amount.x0 > note.x0 && amount.x1 < note.x1 && amount.y0 > note.y0 && amount.y1 < note.y1);
}

TEST(Overlap, BuildingMarksStandBesideOwnerStars) {
    drawScene("board");  // a dealt game: the stars' places are set
    for (int p = 0; p < propertyCount; ++p) {
        const float u = game.propertySpotX[p], v = game.propertySpotY[p];
        const Point offset = boardMarkOffset(propertySquare[p]);
        const Rect star = rectAt(u, v, ownerStarSide, ownerStarSide);
        const Rect mark = rectAt(u + offset.x, v + offset.y, boardMarkSide, boardMarkSide);
        EXPECT_TRUE(apart(star, mark, 0.004f)) << "property " << p;
    }
    EXPECT_TRUE(apart(onScreen(cardOwnerStar), onScreen(cardBuildingMark), 2));
    drawScene("property_card_street");
    EXPECT_TRUE(apart(onScreen(cardBuildingMark), textBox("Rent"), 2));
    EXPECT_TRUE(apart(onScreen(cardBuildingMark), textBox("Price"), 2));
}

TEST(Overlap, JailedActionBarKeepsItsLabelsApart) {
    drawScene("board_jailed");
    for (int i = 0; i + 1 < actionCount(true); ++i) {
        const Rect left = textBox(actionBarJailed[i].label), right = textBox(actionBarJailed[i + 1].label);
        EXPECT_GE(right.x0 - left.x1, 12)
            << actionBarJailed[i].label << " to " << actionBarJailed[i + 1].label;
        EXPECT_TRUE(left.x0 > actionBarJailed[i].hit.x0 - 8 && left.x1 < actionBarJailed[i].hit.x1 + 8)
            << actionBarJailed[i].label << " is drawn off its click area";
    }
}

}  // namespace
