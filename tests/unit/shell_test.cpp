// The window keeps its 7:12 drawing area whatever size the user drags it to.
#include <gtest/gtest.h>

#include <cstring>

#include "app/shell.h"
#include "game/text.h"
#include "ui/text_metrics.h"

TEST(Reshape, TooWideKeepsTheHeight) {
    const WindowSize s = fitToAspect(1400, 700);
    EXPECT_EQ(s.width, 1200);
    EXPECT_EQ(s.height, 700);
}

TEST(Reshape, TooTallKeepsTheWidth) {
    const WindowSize s = fitToAspect(1200, 900);
    EXPECT_EQ(s.width, 1200);
    EXPECT_EQ(s.height, 700);
}

TEST(Reshape, HalfSizeKeepsItsSizeAndHalvesTheScale) {
    shell = ShellState{};
    const WindowSize s = fitToAspect(600, 350);
    EXPECT_EQ(s.width, 600);
    EXPECT_EQ(s.height, 350);
    setWindowSize(s);
    EXPECT_FLOAT_EQ(shell.uiScale, 0.5f);
    EXPECT_EQ(shell.windowWidth, 600);
}

TEST(Reshape, TruncatesTowardZero) {
    const WindowSize s = fitToAspect(1000, 1000);  // height 1000 * 700 / 1200 = 583.33
    EXPECT_EQ(s.width, 1000);
    EXPECT_EQ(s.height, 583);
    const WindowSize t = fitToAspect(2000, 301);  // width 301 * 1200 / 700 = 516.0
    EXPECT_EQ(t.width, 516);
    EXPECT_EQ(t.height, 301);
}

TEST(Reshape, MinimisedWindowIsLeftAlone) {
    for (const WindowSize size : {WindowSize{0, 0}, WindowSize{0, 700}, WindowSize{1200, 0}}) {
        const WindowSize s = fitToAspect(size.width, size.height);
        EXPECT_EQ(s.width, size.width);
        EXPECT_EQ(s.height, size.height);
    }
}

TEST(CopyText, TruncatesAndAlwaysTerminates) {
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    copyText(buffer, "a very long reason", sizeof buffer);
    EXPECT_STREQ(buffer, "a very ");
    copyText(buffer, "ok", sizeof buffer);
    EXPECT_STREQ(buffer, "ok");
    char reason[50];
    copyText(reason, "rent of Capitolis Parliament and then some more text that runs on", sizeof reason);
    EXPECT_EQ(std::strlen(reason), 49u);
}
