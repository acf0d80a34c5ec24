// Every text of every gallery screen stands out from the pixels around it by at least 4.5:1,
// so no seat colour, tile fill or backdrop leaves a label unreadable. Prints each screen's
// lowest figure.
#include <gtest/gtest.h>

#include <cstdio>

#include "app/shell.h"
#include "render/frame.h"
#include "render/gl_fixture.h"
#include "tools/gallery/scenes.h"
#include "tools/gallery/text_contrast.h"

namespace {

TEST(TextContrast, EveryTextOfEveryScreenIsReadable) {
    ensureTestWindow();
    static DrawnTextLog texts;
    for (int i = 0; i < sceneCount; ++i) {
        scenes[i].setUp();
        beginTestFrame();
        texts.count = 0;
        setDrawnTextLog(&texts);
        drawFrame();
        setDrawnTextLog(nullptr);
        const std::vector<Pixel> frame = readFrame();
        const auto* rgb = reinterpret_cast<const unsigned char*>(frame.data());
        ASSERT_GT(texts.count, 0) << scenes[i].name;
        for (int t = 0; t < texts.count; ++t) {
            const TextContrast c = measureTextContrast(rgb, designWidth, designHeight, texts.items[t]);
            if (c.hidden) continue;
            EXPECT_GE(c.ratio, 4.5) << scenes[i].name << ": \"" << texts.items[t].text << "\"";
        }
        const LowestContrast lowest = lowestTextContrast(rgb, designWidth, designHeight, texts);
        EXPECT_LT(lowest.hidden, texts.count) << scenes[i].name;
        std::printf("%-26s lowest text contrast %5.2f:1 (%d texts, %d under other items)\n", scenes[i].name,
                    lowest.ratio, texts.count, lowest.hidden);
    }
}

// The measure itself: white on black is 21:1, a mid grey on black 5.3:1, a dark grey on
// black fails, and a text with none of its colour on screen is hidden.
TEST(TextContrast, MeasureOfKnownPictures) {
    EXPECT_NEAR(contrastRatio(relativeLuminance(255, 255, 255), relativeLuminance(0, 0, 0)), 21.0, 1e-9);
    constexpr int w = 20, h = 10;
    unsigned char rgb[w * h * 3] = {};
    for (int y = 3; y < 7; ++y)
        for (int x = 5; x < 15; ++x)
            for (int c = 0; c < 3; ++c) rgb[(y * w + x) * 3 + c] = 128;
    DrawnText text{{0.5f, 0.5f, 0.5f}, {5, 3, 15, 7}, "grey"};
    EXPECT_NEAR(measureTextContrast(rgb, w, h, text).ratio, 5.32, 0.01);
    for (int y = 3; y < 7; ++y)
        for (int x = 5; x < 15; ++x)
            for (int c = 0; c < 3; ++c) rgb[(y * w + x) * 3 + c] = 60;
    text.colour = {60 / 255.0f, 60 / 255.0f, 60 / 255.0f};
    EXPECT_NEAR(measureTextContrast(rgb, w, h, text).ratio, 1.91, 0.01);
    EXPECT_FALSE(measureTextContrast(rgb, w, h, text).hidden);
    text.colour = {1, 1, 1};
    EXPECT_TRUE(measureTextContrast(rgb, w, h, text).hidden);
}

}  // namespace
