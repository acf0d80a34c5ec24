// The built-in font and the text metrics: every glyph's encoding, its ink fitted to the
// advance table and centred, the row order, and the widths text entry relies on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

#include "ui/font_data.h"
#include "ui/text_metrics.h"

namespace {

// The inked box of stored rows [from, to] of glyph c: columns lo..hi, rows loRow..hiRow.
struct Ink {
    int lo = glyphCell, hi = -1, loRow = glyphCell, hiRow = -1;
    int width() const { return hi - lo + 1; }
};
Ink inkOf(int c, int from = 0, int to = glyphCell - 1) {
    const char* hex = glyphBitmaps[c - firstGlyph];
    Ink ink;
    for (int row = from; row <= to; ++row)
        for (int x = 0; x < glyphCell; ++x) {
            const char ch = hex[row * 32 + x / 4];  // the high bit of a digit is its leftmost pixel
            if ((((ch <= '9' ? ch - '0' : ch - 'A' + 10) >> (3 - x % 4)) & 1) == 0) continue;
            ink = {std::min(ink.lo, x), std::max(ink.hi, x), std::min(ink.loRow, row), row};
        }
    return ink;
}

}  // namespace

// All 94 glyphs: 4096 upper-case hex digits, all different, with ink exactly glyphAdvance
// wide, any odd blank column on the right, and as many blank rows above as below (within one).
TEST(Font, EveryGlyphsInkIsTheAdvanceWideAndCentred) {
    std::set<std::string> seen;
    for (int c = firstGlyph; c <= lastGlyph; ++c) {
        SCOPED_TRACE(std::string("glyph '") + static_cast<char>(c) + "'");
        const char* hex = glyphBitmaps[c - firstGlyph];
        ASSERT_EQ(std::strlen(hex), 4096u);
        EXPECT_EQ(std::strspn(hex, "0123456789ABCDEF"), 4096u);
        EXPECT_TRUE(seen.insert(hex).second) << "repeats an earlier glyph";
        const Ink ink = inkOf(c);
        EXPECT_EQ(ink.width(), glyphAdvance[c]);
        EXPECT_EQ(ink.lo, (glyphCell - glyphAdvance[c]) / 2);
        EXPECT_LE(std::abs(ink.loRow - (glyphCell - 1 - ink.hiRow)), 1);
    }
}

// Rows are stored bottom-up and pixels left to right: the bar of 'T' is its last stored ink
// row and the foot of its stem its first; '/' has its top row at the right, its bottom at the left.
TEST(Font, RowsRunBottomUpAndPixelsLeftToRight) {
    const Ink t = inkOf('T'), slash = inkOf('/');
    EXPECT_EQ(inkOf('T', t.hiRow, t.hiRow).width(), glyphAdvance[int{'T'}]);
    EXPECT_LT(inkOf('T', t.loRow, t.loRow).width(), glyphAdvance[int{'T'}] / 3);
    EXPECT_GT(inkOf('/', slash.hiRow, slash.hiRow).lo, inkOf('/', slash.loRow, slash.loRow).hi);
}

// The bar of '$' (its top row, above the S) is as heavy as the stem of 'l' within a pixel: a
// thinner one fell between screen pixels at the sizes text is drawn, and "$30" read "S30".
TEST(Font, TheDollarBarHasAStemsWeight) {
    const Ink dollar = inkOf('$');
    EXPECT_GE(inkOf('$', dollar.hiRow, dollar.hiRow).width() + 1, inkOf('l').width());
}

// Text is measured as advances plus a 4-pixel gap, a space 34; characters without a glyph
// measure like a space and never index past the table, and have no width for text entry.
TEST(TextMetrics, MeasureAndCharWidth) {
    EXPECT_EQ(measureText(""), 0);
    EXPECT_EQ(measureText("AB"), 66 + 4 + 54 + 4);
    EXPECT_EQ(measureText("A B"), 66 + 4 + 34 + 54 + 4);
    EXPECT_EQ(measureText("\t"), 34);
    EXPECT_EQ(measureText("\xC8\x7F"), 68);
    EXPECT_EQ(charWidth(' '), 30);
    EXPECT_EQ(charWidth('W'), 93);
    for (int c : {int{'\n'}, 127, 200, -56}) EXPECT_EQ(charWidth(c), -1) << c;
}
