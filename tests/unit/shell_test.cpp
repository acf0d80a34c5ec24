// The window keeps its 7:12 drawing area whatever size the user drags it to.
#include <gtest/gtest.h>

#include <cstring>

#include "app/shell.h"
#include "game/text.h"

// Too wide keeps the height, too tall keeps the width, truncated toward zero; a minimised
// window (a side of 0) is left alone.
TEST(Reshape, FitsTheSevenByTwelveFrame) {
    const struct {
        int width, height, fitWidth, fitHeight;
    } cases[] = {{1400, 700, 1200, 700},
                 {1200, 900, 1200, 700},
                 {600, 350, 600, 350},
                 {1000, 1000, 1000, 583} /* 583.33 */,
                 {2000, 301, 516, 301} /* 516.0 */,
                 {1200, 1, 1, 1},
                 {0, 0, 0, 0},
                 {0, 700, 0, 700},
                 {1200, 0, 1200, 0}};
    for (const auto& c : cases) {
        const WindowSize s = fitToAspect(c.width, c.height);
        EXPECT_EQ(s.width, c.fitWidth) << c.width << " x " << c.height;
        EXPECT_EQ(s.height, c.fitHeight) << c.width << " x " << c.height;
    }
    shell = ShellState{};
    setWindowSize({600, 350});
    EXPECT_EQ(shell.windowWidth * 10000 + shell.windowHeight, 600 * 10000 + 350);
    EXPECT_FLOAT_EQ(shell.uiScale, 0.5f);
}

TEST(CopyText, TruncatesAndAlwaysTerminates) {
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    copyText(buffer, "a very long reason", sizeof buffer);
    EXPECT_STREQ(buffer, "a very ");
    copyText(buffer, "ok", sizeof buffer);
    EXPECT_STREQ(buffer, "ok");
}
