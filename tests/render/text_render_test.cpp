// The text renderer in a real GL context: glyphs land where the layout arithmetic puts them
// and take exactly the text colour.
#include <gtest/gtest.h>

#include "render/draw.h"
#include "render/gl_fixture.h"

namespace {

// Eye-space x at depth z to a window column, for the 45-degree projection at 1200 x 700.
double columnOf(double x, double z) {
    const double halfHeight = -z * 0.41421356237;  // tan(22.5 degrees)
    const double pixelsPerUnit = 350.0 / halfHeight;
    return 600.0 + x * pixelsPerUnit;
}

bool isInk(Pixel p) { return !(p.r == 255 && p.g == 255 && p.b == 255); }

// First and last inked column in a band of rows, and whether `gapColumn` is clear.
struct InkSpan {
    int first = -1, last = -1;
};

InkSpan inkColumns(const std::vector<Pixel>& frame, int top, int bottom) {
    InkSpan span;
    for (int x = 0; x < 1200; ++x)
        for (int y = top; y <= bottom; ++y)
            if (isInk(pixelAt(frame, x, y))) {
                if (span.first < 0) span.first = x;
                span.last = x;
                break;
            }
    return span;
}

bool columnClear(const std::vector<Pixel>& frame, int x, int top, int bottom) {
    for (int y = top; y <= bottom; ++y)
        if (isInk(pixelAt(frame, x, y))) return false;
    return true;
}

}  // namespace

TEST(TextRender, CentredABPutsEachGlyphWhereTheLayoutSays) {
    ensureTestWindow();
    beginTestFrame();
    drawText(Centre, "AB", 0, 0, -2, 0, 0, 0);
    const std::vector<Pixel> frame = readFrame();
    // "AB" measures 128 font pixels: A's ink spans x -0.128..0.004, B's 0.012..0.120.
    const InkSpan span = inkColumns(frame, 250, 450);
    EXPECT_NEAR(span.first, columnOf(-0.128, -2), 2.0);
    EXPECT_NEAR(span.last, columnOf(0.120, -2), 2.0);
    const int gap = static_cast<int>(columnOf(0.008, -2));  // between A's right and B's left
    EXPECT_TRUE(columnClear(frame, gap, 250, 450));
    EXPECT_FALSE(columnClear(frame, static_cast<int>(columnOf(-0.062, -2)), 250, 450));  // A's apex
}

TEST(TextRender, ColourCodeTwoIsPureRed) {
    ensureTestWindow();
    beginTestFrame();
    drawText(Centre, "HHHH", 0, 0, -2, Red, 0.3f, 0.9f);
    const std::vector<Pixel> frame = readFrame();
    // Coloured text carries a halo (black around red): every drawn pixel is red, black or a
    // blend of the two, and the strokes themselves are pure red.
    int red = 0;
    for (int y = 300; y < 400; ++y)
        for (int x = 500; x < 700; ++x) {
            const Pixel p = pixelAt(frame, x, y);
            if (!isInk(p)) continue;
            red += p.r == 255;
            ASSERT_EQ(p.g, 0);
            ASSERT_EQ(p.b, 0);
        }
    EXPECT_GT(red, 500);
}

TEST(TextRender, LiteralTripleIsUsedUnchanged) {
    ensureTestWindow();
    beginTestFrame();
    drawText(Left, "H", 0, 0, -2, 0, 0.5f, 1);
    const std::vector<Pixel> frame = readFrame();
    bool found = false;
    for (int x = 600; x < 640 && !found; ++x)
        for (int y = 330; y < 370 && !found; ++y) {
            const Pixel p = pixelAt(frame, x, y);
            if (!isInk(p)) continue;
            found = true;
            EXPECT_EQ(p.r, 0);
            EXPECT_NEAR(p.g, 128, 1);
            EXPECT_EQ(p.b, 255);
        }
    EXPECT_TRUE(found);
}

TEST(TextRender, RightAlignedTextEndsAtItsAnchor) {
    ensureTestWindow();
    beginTestFrame();
    drawText(Right, "AB", 0, 0, -2, 0, 0, 0);
    const std::vector<Pixel> frame = readFrame();
    const InkSpan span = inkColumns(frame, 250, 450);
    // Ends 4 font pixels (the last gap) before the anchor.
    EXPECT_NEAR(span.last, columnOf(-0.008, -2), 2.0);
}

TEST(TextRender, DescendersSitLower) {
    ensureTestWindow();
    auto lowestInkRow = [](const char* text) {
        beginTestFrame();
        drawText(Centre, text, 0, 0, -2, 0, 0, 0);
        const std::vector<Pixel> frame = readFrame();
        for (int y = 699; y >= 0; --y)
            for (int x = 400; x < 800; ++x)
                if (isInk(pixelAt(frame, x, y))) return y;
        return -1;
    };
    // 'g' has a drop of 20 font pixels, 'a' of 10, and both inks are centred in their cells;
    // the descender must put g's bottom clearly below a's.
    EXPECT_GT(lowestInkRow("g"), lowestInkRow("a") + 10);
}
