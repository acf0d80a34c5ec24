// The built-in font and the text metrics: bitmap encoding, ink fitted to the advance table,
// centring, row order, and the widths text entry relies on.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

#include "ui/font_data.h"
#include "ui/text_metrics.h"

namespace {

constexpr int kCell = 128;
using Glyph = std::array<std::array<bool, kCell>, kCell>;  // [stored row][x]

bool isHexDigit(char ch) { return (ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'F'); }

Glyph decode(int c) {
    const char* hex = glyphBitmaps[c - firstGlyph];
    Glyph g{};
    for (int row = 0; row < kCell; ++row)
        for (int x = 0; x < kCell; ++x) {
            const char ch = hex[row * 32 + x / 4];
            const int v = ch <= '9' ? ch - '0' : ch - 'A' + 10;
            g[row][x] = isHexDigit(ch) && ((v >> (3 - x % 4)) & 1);
        }
    return g;
}

struct Ink {  // leftmost and rightmost inked column of a row, or of a glyph, and its rows
    int lo = kCell, hi = -1, loRow = kCell, hiRow = -1;
};

Ink inkOf(const Glyph& g, int fromRow = 0, int toRow = kCell - 1) {
    Ink ink;
    for (int row = fromRow; row <= toRow; ++row)
        for (int x = 0; x < kCell; ++x)
            if (g[row][x]) {
                ink.lo = std::min(ink.lo, x);
                ink.hi = std::max(ink.hi, x);
                ink.loRow = std::min(ink.loRow, row);
                ink.hiRow = row;
            }
    return ink;
}

}  // namespace

// All 94 glyphs: 4096 upper-case hex digits, all different, with ink exactly glyphAdvance
// wide, any odd blank column on the right, and as many blank rows above as below (within one).
TEST(Font, InkIsExactlyTheAdvanceWideAndCentred) {
    std::set<std::string> seen;
    for (int c = firstGlyph; c <= lastGlyph; ++c) {
        SCOPED_TRACE(std::string("glyph '") + static_cast<char>(c) + "'");
        const char* hex = glyphBitmaps[c - firstGlyph];
        ASSERT_EQ(std::strlen(hex), 4096u);
        EXPECT_TRUE(std::all_of(hex, hex + 4096, isHexDigit));
        EXPECT_TRUE(seen.insert(hex).second) << "repeats an earlier glyph";
        const Ink ink = inkOf(decode(c));
        ASSERT_GE(ink.hi, 0) << "no ink";
        EXPECT_EQ(ink.hi - ink.lo + 1, glyphAdvance[c]);
        EXPECT_EQ(ink.lo, (kCell - glyphAdvance[c]) / 2);
        EXPECT_LE(std::abs(ink.loRow - (kCell - 1 - ink.hiRow)), 1);
    }
}

// Rows are stored bottom-up and pixels left to right: the bar of 'T' is its last stored ink row
// and the foot of its stem its first; '/' has its top row at the right, its bottom at the left.
TEST(Font, RowsRunBottomUpAndPixelsLeftToRight) {
    const Glyph t = decode('T');
    const Ink tBox = inkOf(t);
    const Ink bar = inkOf(t, tBox.hiRow, tBox.hiRow), foot = inkOf(t, tBox.loRow, tBox.loRow);
    EXPECT_EQ(bar.hi - bar.lo + 1, glyphAdvance[int{'T'}]);
    EXPECT_LT(foot.hi - foot.lo + 1, glyphAdvance[int{'T'}] / 3);
    const Glyph slash = decode('/');
    const Ink box = inkOf(slash);
    EXPECT_EQ(inkOf(slash, box.hiRow, box.hiRow).hi, box.hi);
    EXPECT_EQ(inkOf(slash, box.loRow, box.loRow).lo, box.lo);
    EXPECT_GT(inkOf(slash, box.hiRow, box.hiRow).lo, inkOf(slash, box.loRow, box.loRow).hi);
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
