// Text as drawn: glyphs where the layout arithmetic puts them, in exactly the text colour, and
// every text of every gallery screen readable against what lies around it.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/shell.h"
#include "render/probe.h"
#include "tools/gallery/scenes.h"
#include "tools/gallery/text_contrast.h"

namespace {

// One text alone at the origin of the menu plane on the cleared (white) frame.
std::vector<Pixel> drawAlone(int align, const char* text, float r = 0, float g = 0, float b = 0) {
    ensureTestWindow();
    beginTestFrame();
    drawText(align, text, 0, 0, menuPlane, r, g, b);
    return readFrame();
}

// First and last inked column, lowest inked row, and whether column `clear` has no ink.
struct Ink {
    int first = -1, last = -1, lowest = -1;
    bool clear = true;
};
Ink inkOf(const std::vector<Pixel>& frame, int clear = -1) {
    Ink ink;
    for (int x = 0; x < 1200; ++x)
        for (int y = 0; y < 700; ++y)
            if (!same(pixelAt(frame, x, y), whitePixel, 0))
                ink = {ink.first < 0 ? x : ink.first, x, std::max(ink.lowest, y), ink.clear && x != clear};
    return ink;
}

}  // namespace

// "AB" measures 66 + 4 + 54 + 4 = 128 font pixels. Centred, A's ink spans -0.128..0.004 and
// B's 0.012..0.120 with the 4-pixel gap clear between them; right-aligned, the ink ends that
// gap before the anchor. 'g' drops 20 font pixels and 'a' 10, so g's foot lies lower.
TEST(TextRender, GlyphsLandWhereTheLayoutPutsThem) {
    const Ink centred = inkOf(drawAlone(Centre, "AB"), pixelColumn(0.008f, menuPlane));
    EXPECT_NEAR(centred.first, pixelColumn(-0.128f, menuPlane), 2);
    EXPECT_NEAR(centred.last, pixelColumn(0.120f, menuPlane), 2);
    EXPECT_TRUE(centred.clear);
    EXPECT_NEAR(inkOf(drawAlone(Right, "AB")).last, pixelColumn(-0.008f, menuPlane), 2);
    EXPECT_GT(inkOf(drawAlone(Centre, "g")).lowest, inkOf(drawAlone(Centre, "a")).lowest + 10);
}

// Red component 2 is the preset pure red whatever green and blue say; any other triple is
// used as it is.
TEST(TextRender, ColourCodesAndLiteralTriples) {
    EXPECT_GT(countColour(drawAlone(Centre, "HHHH", Red, 0.3f, 0.9f), redPixel, 0, 1199, 0, 699, 0), 500);
    EXPECT_GT(countColour(drawAlone(Left, "HHHH", 0, 0.5f, 1), {0, 128, 255}, 0, 1199, 0, 699, 1), 300);
}

// Every text of every gallery screen stands out from the pixels around it by at least 4.5:1,
// so no seat colour, tile fill or backdrop leaves a label unreadable.
TEST(TextContrast, EveryTextOfEveryScreenIsReadable) {
    for (int i = 0; i < sceneCount; ++i) {
        const std::vector<Pixel> frame = drawScene(scenes[i].name);
        const auto* rgb = reinterpret_cast<const unsigned char*>(frame.data());
        for (int t = 0; t < drawnTexts.count; ++t) {
            const TextContrast c = measureTextContrast(rgb, designWidth, designHeight, drawnTexts.items[t]);
            EXPECT_TRUE(c.hidden || c.ratio >= 4.5)
                << scenes[i].name << ": \"" << drawnTexts.items[t].text << "\"";
        }
        EXPECT_LT(lowestTextContrast(rgb, designWidth, designHeight, drawnTexts).hidden, drawnTexts.count);
    }
}

// The measure itself: white on black is 21:1, a mid grey block on black 5.3:1, and a text with
// none of its colour on screen is hidden.
TEST(TextContrast, MeasureOfKnownPictures) {
    EXPECT_NEAR(contrastRatio(relativeLuminance(255, 255, 255), relativeLuminance(0, 0, 0)), 21.0, 1e-9);
    constexpr int w = 20, h = 10;
    unsigned char rgb[w * h * 3] = {};
    for (int y = 3; y < 7; ++y)
        for (int x = 5 * 3; x < 15 * 3; ++x) rgb[y * w * 3 + x] = 128;
    DrawnText text{{0.5f, 0.5f, 0.5f}, {5, 3, 15, 7}, "grey"};
    EXPECT_NEAR(measureTextContrast(rgb, w, h, text).ratio, 5.32, 0.01);
    text.colour = {1, 1, 1};
    EXPECT_TRUE(measureTextContrast(rgb, w, h, text).hidden);
}
