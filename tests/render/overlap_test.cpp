// Nothing drawn over a label: the places that once overlapped (auction arrows and the
// increment, the trade amount's arrows and its digits, cash and jail cards, the option
// arrows and "$500", the dice and the pot, building marks and owner stars, the jailed action
// bar) stay apart. Texts are measured where they were really drawn, shapes from the layout.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "game/state.h"
#include "game/tables.h"
#include "render/probe.h"

namespace {

// The box of a drawn text (design pixels); a failure when it was not drawn.
Rect textBox(const std::string& text, bool prefix = false) {
    const DrawnText* drawn = findText(text.c_str(), prefix);
    EXPECT_NE(drawn, nullptr) << "no text \"" << text << "\" was drawn";
    return drawn ? drawn->box : Rect{0, 0, 0, 0};
}

// The bounding box of eye-space corners, on screen.
Rect boundsOf(std::initializer_list<Point> corners) {
    Rect r{1e9f, 1e9f, -1e9f, -1e9f};
    for (const Point& p : corners)
        r = {std::min(r.x0, p.x), std::min(r.y0, p.y), std::max(r.x1, p.x), std::max(r.y1, p.y)};
    return onScreen(r);
}

// Two boxes at least `gap` apart along one axis (a text's halo takes two pixels).
testing::AssertionResult apart(const Rect& a, const Rect& b, float gap = 4) {
    const float d = std::max(std::max(b.x0 - a.x1, a.x0 - b.x1), std::max(b.y0 - a.y1, a.y0 - b.y1));
    if (d >= gap) return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << "boxes at x " << a.x0 << " and " << b.x0 << " only " << d << " px apart";
}

}  // namespace

TEST(Overlap, ArrowsClearTheirFiguresAndTheCard) {
    drawScene("dialog_auction", [] { game.bidIncrement = 1000; });  // four digits
    for (const Triangle& t : {bidUpArrow, bidDownArrow}) {
        EXPECT_TRUE(apart(textBox("Bid Increment: $1000"), boundsOf({t.a, t.b, t.c})));
        EXPECT_TRUE(apart(boundsOf({t.a, t.b, t.c}), onScreen(miniCard)));
    }
    drawScene("options_menu");  // the middle pot at its widest value
    for (float x : {decreaseArrowX, increaseArrowX})
        EXPECT_TRUE(
            apart(textBox("$500"), onScreen(rectAt(x, optionArrowY(2), optionArrowSide, optionArrowSide))));
    drawScene("asset_trade");
    const Rect amount = textBox("Trade $", true);
    // Only the rows of the amount's arrows matter: they span the digits' columns.
    const Rect up = onScreen({0, upArrowBase, 0, upArrowTip}),
               down = onScreen({0, downArrowTip, 0, downArrowBase});
    EXPECT_TRUE(apart(amount, {amount.x0, up.y0, amount.x1, up.y1}, 2));
    EXPECT_TRUE(apart(amount, {amount.x0, down.y0, amount.x1, down.y1}, 2));
    const Rect cash = textBox("$" + std::to_string(game.money[game.menuPlayer]));
    const Rect name = textBox(game.playerNames[game.menuPlayer]);
    for (const Rect& text : {cash, name})
        for (const Rect& other :
             {amount, onScreen(jailTile(0)), onScreen(jailTile(1)), onScreen(assetCursorBar(0))})
            EXPECT_TRUE(apart(text, other));
    for (const char* neighbour : {"Roll", "Trade"})
        EXPECT_TRUE(apart(name, textBox(neighbour), 2)) << neighbour;
    EXPECT_TRUE(apart(cash, name, 2));
}

// Each die, turned 20 degrees about its corner, leaves the pot's banknote and its amount in
// sight; building marks stand beside owner stars, on the board and on the card.
TEST(Overlap, BoardPiecesLeaveEachOtherInSight) {
    for (const DiePlace& die : diePlaces) {
        const float r = die.degrees * 3.14159265f / 180, ax = dieSide * std::cos(r),
                    ay = dieSide * std::sin(r);
        const Point c{die.x, die.y};
        const Rect bounds =
            boundsOf({c, {c.x + ax, c.y + ay}, {c.x + ax - ay, c.y + ay + ax}, {c.x - ay, c.y + ax}});
        EXPECT_TRUE(apart(bounds, onScreen(middleBanner), 1)) << "die at " << die.x << ", " << die.y;
    }
    drawScene("board");  // a dealt game with the dice shown, the pot on and the stars' places set
    const Rect amount = textBox(std::to_string(game.middlePot)), note = onScreen(middleBanner);
    EXPECT_TRUE(amount.x0 > note.x0 && amount.x1 < note.x1 && amount.y0 > note.y0 && amount.y1 < note.y1);
    for (int p = 0; p < propertyCount; ++p) {
        const float u = game.propertySpotX[p], v = game.propertySpotY[p];
        const Point offset = boardMarkOffset(propertySquare[p]);
        const Rect star = rectAt(u, v, ownerStarSide, ownerStarSide);
        EXPECT_TRUE(apart(star, rectAt(u + offset.x, v + offset.y, boardMarkSide, boardMarkSide), 0.004f))
            << p;
    }
    EXPECT_TRUE(apart(onScreen(cardOwnerStar), onScreen(cardBuildingMark), 2));
    drawScene("property_card_street");
    for (const char* text : {"Rent", "Price"})
        EXPECT_TRUE(apart(onScreen(cardBuildingMark), textBox(text), 2));
}

// The five labels in jail keep clear gaps and each lies on its own click area.
TEST(Overlap, JailedActionBarKeepsItsLabelsApart) {
    drawScene("board_jailed");
    for (int i = 0; i + 1 < actionCount(true); ++i) {
        const ActionItem &item = actionBarJailed[i], &next = actionBarJailed[i + 1];
        const Rect left = textBox(item.label), right = textBox(next.label);
        EXPECT_GE(right.x0 - left.x1, 12) << item.label << " to " << next.label;
        EXPECT_TRUE(left.x0 > item.hit.x0 - 8 && left.x1 < item.hit.x1 + 8)
            << item.label << " is off its click area";
    }
}
