// Text as drawn: glyphs where the layout arithmetic puts them, in exactly the text colour, and
// every text of every gallery screen readable against what lies around it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

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

bool inked(const std::vector<Pixel>& frame, int x, int y) {
    return !same(pixelAt(frame, x, y), whitePixel, 0);
}

// First and last inked column, lowest inked row.
struct Ink {
    int first = -1, last = -1, lowest = -1;
};
Ink inkOf(const std::vector<Pixel>& frame) {
    Ink ink;
    for (int x = 0; x < 1200; ++x)
        for (int y = 0; y < 700; ++y)
            if (inked(frame, x, y)) {
                ink.first = ink.first < 0 ? x : ink.first;
                ink.last = x;
                ink.lowest = std::max(ink.lowest, y);
            }
    return ink;
}

int column(double x) { return static_cast<int>(designX(static_cast<float>(x), menuPlane)); }

}  // namespace

// "AB" measures 66 + 4 + 54 + 4 = 128 font pixels. Centred, A's ink spans -0.128..0.004 and
// B's 0.012..0.120 with the 4-pixel gap clear between them; right-aligned, the ink ends that
// gap before the anchor. 'g' drops 20 font pixels and 'a' 10, so g's foot lies lower.
TEST(TextRender, GlyphsLandWhereTheLayoutPutsThem) {
    std::vector<Pixel> frame = drawAlone(Centre, "AB");
    Ink ink = inkOf(frame);
    EXPECT_NEAR(ink.first, column(-0.128), 2);
    EXPECT_NEAR(ink.last, column(0.120), 2);
    bool gapClear = true, apexInked = false;
    for (int y = 250; y <= 450; ++y) {
        gapClear = gapClear && !inked(frame, column(0.008), y);
        apexInked = apexInked || inked(frame, column(-0.062), y);
    }
    EXPECT_TRUE(gapClear);
    EXPECT_TRUE(apexInked);
    EXPECT_NEAR(inkOf(drawAlone(Right, "AB")).last, column(-0.008), 2);
    EXPECT_NEAR(inkOf(drawAlone(Left, "AB")).first, column(0), 2);
    EXPECT_GT(inkOf(drawAlone(Centre, "g")).lowest, inkOf(drawAlone(Centre, "a")).lowest + 10);
}

// Red component 2 is the preset pure red whatever green and blue say: strokes pure red, their
// halo black, nothing else; any other triple is used as it is.
TEST(TextRender, ColourCodesAndLiteralTriples) {
    std::vector<Pixel> frame = drawAlone(Centre, "HHHH", Red, 0.3f, 0.9f);
    EXPECT_GT(countColour(frame, redPixel, 0, 1199, 0, 699, 0), 500);
    int strays = 0;
    for (int x = 0; x < 1200; ++x)
        for (int y = 0; y < 700; ++y) {
            const Pixel p = pixelAt(frame, x, y);
            strays += inked(frame, x, y) && (p.g != 0 || p.b != 0);
        }
    EXPECT_EQ(strays, 0);
    frame = drawAlone(Left, "HHHH", 0, 0.5f, 1);
    EXPECT_GT(countColour(frame, {0, 128, 255}, 0, 1199, 0, 699, 1), 300);
}

// Every text of every gallery screen stands out from the pixels around it by at least 4.5:1,
// so no seat colour, tile fill or backdrop leaves a label unreadable.
TEST(TextContrast, EveryTextOfEveryScreenIsReadable) {
    for (int i = 0; i < sceneCount; ++i) {
        const std::vector<Pixel> frame = drawScene(scenes[i].name);
        const auto* rgb = reinterpret_cast<const unsigned char*>(frame.data());
        ASSERT_GT(drawnTexts.count, 0) << scenes[i].name;
        for (int t = 0; t < drawnTexts.count; ++t) {
            const TextContrast c = measureTextContrast(rgb, designWidth, designHeight, drawnTexts.items[t]);
            if (!c.hidden) {
                EXPECT_GE(c.ratio, 4.5) << scenes[i].name << ": \"" << drawnTexts.items[t].text << "\"";
            }
        }
        const LowestContrast lowest = lowestTextContrast(rgb, designWidth, designHeight, drawnTexts);
        EXPECT_LT(lowest.hidden, drawnTexts.count) << scenes[i].name;
        std::printf("%-26s lowest text contrast %5.2f:1 (%d texts, %d under other items)\n", scenes[i].name,
                    lowest.ratio, drawnTexts.count, lowest.hidden);
    }
}

// The measure itself: white on black is 21:1, a mid grey on black 5.3:1, a dark grey on black
// 1.9:1, and a text with none of its colour on screen is hidden.
TEST(TextContrast, MeasureOfKnownPictures) {
    EXPECT_NEAR(contrastRatio(relativeLuminance(255, 255, 255), relativeLuminance(0, 0, 0)), 21.0, 1e-9);
    constexpr int w = 20, h = 10;
    unsigned char rgb[w * h * 3] = {};
    auto fill = [&](unsigned char v) {  // a 10 x 4 block of ink in the middle
        for (int y = 3; y < 7; ++y)
            for (int x = 5; x < 15; ++x)
                for (int c = 0; c < 3; ++c) rgb[(y * w + x) * 3 + c] = v;
    };
    fill(128);
    DrawnText text{{0.5f, 0.5f, 0.5f}, {5, 3, 15, 7}, "grey"};
    EXPECT_NEAR(measureTextContrast(rgb, w, h, text).ratio, 5.32, 0.01);
    fill(60);
    text.colour = {60 / 255.0f, 60 / 255.0f, 60 / 255.0f};
    EXPECT_NEAR(measureTextContrast(rgb, w, h, text).ratio, 1.91, 0.01);
    EXPECT_FALSE(measureTextContrast(rgb, w, h, text).hidden);
    text.colour = {1, 1, 1};
    EXPECT_TRUE(measureTextContrast(rgb, w, h, text).hidden);
}
