// The window keeps its 7:12 drawing area whatever size the user drags it to.
#include <gtest/gtest.h>

#include <cstring>
#include <utility>

#include "app/shell.h"
#include "game/text.h"

// Too wide keeps the height, too tall keeps the width, truncated toward zero (583.33, 516.0, 0.58);
// a minimised window (a side of 0) is left alone.
TEST(Reshape, FitsTheSevenByTwelveFrame) {
    const struct {
        int width, height, fitWidth, fitHeight;
    } cases[] = {// clang-format off
        {1400, 700, 1200, 700}, {1200, 900, 1200, 700}, {600, 350, 600, 350}, {1000, 1000, 1000, 583},
        {2000, 301, 516, 301}, {1200, 1, 1, 1}, {1, 700, 1, 0}, {0, 0, 0, 0}, {0, 700, 0, 700}, {1200, 0, 1200, 0}};
    // clang-format on
    for (const auto& c : cases) {
        const WindowSize s = fitToAspect(c.width, c.height);
        EXPECT_EQ(s.width * 10000 + s.height, c.fitWidth * 10000 + c.fitHeight)
            << c.width << " x " << c.height;
    }
    setWindowSize({600, 350});
    EXPECT_EQ(std::make_pair(shell.windowWidth, shell.windowHeight), std::make_pair(600, 350));
    EXPECT_FLOAT_EQ(shell.uiScale, 0.5f);
    shell = ShellState{};
}

TEST(CopyText, TruncatesAndAlwaysTerminates) {
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    copyText(buffer, "a very long reason", sizeof buffer);
    EXPECT_STREQ(buffer, "a very ");
    copyText(buffer, "ok", sizeof buffer);
    EXPECT_STREQ(buffer, "ok");
}
