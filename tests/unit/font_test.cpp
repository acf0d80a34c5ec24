// The built-in font and the text metrics: bitmap encoding, ink fitted to the advance table,
// centring, row order, and the widths text entry relies on.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

#include "render/font_data.h"
#include "render/text_metrics.h"

namespace {

constexpr int kCell = 128;

// One decoded glyph: ink[row][x], row 0 being the first row stored.
struct Glyph {
    std::array<std::array<bool, kCell>, kCell> ink{};
};

int hexValue(char ch) {
    if (ch >= '0' && ch <= '9') return ch - '0';
    if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
    return -1;
}

Glyph decode(int c) {
    Glyph g;
    const char* hex = glyphBitmaps[c - firstGlyph];
    for (int row = 0; row < kCell; ++row) {
        for (int x = 0; x < kCell; ++x) {
            const int v = hexValue(hex[row * 32 + x / 4]);
            g.ink[row][x] = v >= 0 && ((v >> (3 - x % 4)) & 1);
        }
    }
    return g;
}

// Ink bounding box in stored coordinates; empty when hiX < 0.
struct Box {
    int loX = kCell, hiX = -1, loRow = kCell, hiRow = -1;
};

Box inkBox(const Glyph& g) {
    Box b;
    for (int row = 0; row < kCell; ++row) {
        for (int x = 0; x < kCell; ++x) {
            if (!g.ink[row][x]) continue;
            b.loX = std::min(b.loX, x);
            b.hiX = std::max(b.hiX, x);
            b.loRow = std::min(b.loRow, row);
            b.hiRow = std::max(b.hiRow, row);
        }
    }
    return b;
}

// Number of set pixels in one stored row, and its leftmost and rightmost set columns.
int rowInk(const Glyph& g, int row, int* lo = nullptr, int* hi = nullptr) {
    int n = 0, l = kCell, h = -1;
    for (int x = 0; x < kCell; ++x) {
        if (!g.ink[row][x]) continue;
        ++n;
        l = std::min(l, x);
        h = std::max(h, x);
    }
    if (lo) *lo = l;
    if (hi) *hi = h;
    return n;
}

std::string name(int c) { return std::string("glyph '") + static_cast<char>(c) + "'"; }

TEST(Font, EveryGlyphIs4096UpperCaseHexDigits) {
    for (int c = firstGlyph; c <= lastGlyph; ++c) {
        const char* hex = glyphBitmaps[c - firstGlyph];
        EXPECT_EQ(std::strlen(hex), 4096u) << name(c);
        for (int i = 0; i < 4096; ++i) {
            if (hexValue(hex[i]) < 0) {
                ADD_FAILURE() << name(c) << " has '" << hex[i] << "' at digit " << i;
                break;
            }
        }
    }
}

TEST(Font, InkIsExactlyTheAdvanceWideAndCentred) {
    for (int c = firstGlyph; c <= lastGlyph; ++c) {
        const Box b = inkBox(decode(c));
        ASSERT_GE(b.hiX, 0) << name(c) << " has no ink";
        const int width = b.hiX - b.loX + 1;
        EXPECT_EQ(width, glyphAdvance[c]) << name(c);
        // Any odd blank column goes to the right.
        EXPECT_EQ(b.loX, (kCell - glyphAdvance[c]) / 2) << name(c);
        const int below = b.loRow;
        const int above = kCell - 1 - b.hiRow;
        EXPECT_LE(std::abs(below - above), 1) << name(c) << ": " << below << " rows below, " << above << " above";
    }
}

TEST(Font, GlyphsAreAllDifferent) {
    std::set<std::string> seen;
    for (int c = firstGlyph; c <= lastGlyph; ++c) {
        EXPECT_TRUE(seen.insert(glyphBitmaps[c - firstGlyph]).second) << name(c) << " repeats an earlier glyph";
    }
}

TEST(Font, RowsRunBottomUpAndPixelsLeftToRight) {
    // 'T': the bar is the last stored ink row and spans the full width; the foot of the stem
    // (first stored ink row) is narrow.
    const Glyph t = decode('T');
    const Box tb = inkBox(t);
    EXPECT_EQ(rowInk(t, tb.hiRow), glyphAdvance[int{'T'}]);
    EXPECT_LT(rowInk(t, tb.loRow), glyphAdvance[int{'T'}] / 3);

    // '!': the dot comes first, separated from the stem by blank rows.
    const Glyph bang = decode('!');
    const Box bb = inkBox(bang);
    int row = bb.loRow;
    while (row <= bb.hiRow && rowInk(bang, row) > 0) ++row;
    EXPECT_LT(row - bb.loRow, 20) << "the dot should be short";
    EXPECT_EQ(rowInk(bang, row), 0) << "a gap should follow the dot";
    EXPECT_GT(bb.hiRow - row, 40) << "the stem should be tall and above the dot";

    // 'L': the stem hugs the left edge of the ink, and the foot (first stored ink row) spans it.
    const Glyph l = decode('L');
    const Box lb = inkBox(l);
    int lo, hi;
    rowInk(l, lb.hiRow, &lo, &hi);
    EXPECT_EQ(lo, lb.loX);
    EXPECT_LT(hi, lb.loX + glyphAdvance[int{'L'}] / 3);
    EXPECT_EQ(rowInk(l, lb.loRow), glyphAdvance[int{'L'}]);

    // '/': leans right, so its top row lies at the right and its bottom row at the left.
    const Glyph s = decode('/');
    const Box sb = inkBox(s);
    rowInk(s, sb.hiRow, &lo, &hi);
    EXPECT_EQ(hi, sb.hiX);
    rowInk(s, sb.loRow, &lo, &hi);
    EXPECT_EQ(lo, sb.loX);
}

TEST(TextMetrics, MeasureCountsAdvancesSpacesAndGaps) {
    EXPECT_EQ(measureText(""), 0);
    EXPECT_EQ(measureText("AB"), 66 + 4 + 54 + 4);  // 128: one cell's width
    EXPECT_EQ(measureText(" "), 34);
    EXPECT_EQ(measureText("WWWW"), 388);
    EXPECT_EQ(measureText("A B"), 66 + 4 + 34 + 54 + 4);
    EXPECT_EQ(measureText("!~"), 12 + 4 + 50 + 4);
    // Characters without a glyph are measured like a space and never index past the table.
    EXPECT_EQ(measureText("\t"), 34);
    EXPECT_EQ(measureText("\xC8\x7F"), 68);
}

TEST(TextMetrics, CharWidthIsTheAdvanceWithoutTheGap) {
    EXPECT_EQ(charWidth(' '), 30);
    EXPECT_EQ(charWidth('!'), 12);
    EXPECT_EQ(charWidth('W'), 93);
    EXPECT_EQ(charWidth('~'), 50);
    EXPECT_EQ(charWidth('\n'), -1);
    EXPECT_EQ(charWidth(127), -1);
    EXPECT_EQ(charWidth(200), -1);
    EXPECT_EQ(charWidth(-56), -1);
}

}  // namespace
