// The window keeps its 7:12 drawing area whatever size the user drags it to.
#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "app/shell.h"

// Too wide keeps the height, too tall keeps the width, truncated toward zero (583.33, 516.0,
// 0.58); a minimised window (a side of 0) is left alone. The scale follows the width.
TEST(Reshape, FitsTheSevenByTwelveFrame) {
    // clang-format off
    const std::tuple<int, int, int, int> cases[] = {
        {1400, 700, 1200, 700}, {1200, 900, 1200, 700}, {600, 350, 600, 350}, {1000, 1000, 1000, 583},
        {2000, 301, 516, 301}, {1200, 1, 1, 1}, {1, 700, 1, 0}, {0, 0, 0, 0}, {0, 700, 0, 700}, {1200, 0, 1200, 0}};
    // clang-format on
    for (auto [width, height, fitWidth, fitHeight] : cases) {
        const WindowSize s = fitToAspect(width, height);
        EXPECT_EQ(std::make_pair(s.width, s.height), std::make_pair(fitWidth, fitHeight))
            << width << " x " << height;
    }
    setWindowSize({600, 350});
    EXPECT_EQ(std::make_tuple(shell.windowWidth, shell.windowHeight, shell.uiScale),
              std::make_tuple(600, 350, 0.5f));
    shell = ShellState{};
}
