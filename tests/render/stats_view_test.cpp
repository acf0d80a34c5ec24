// The statistics view: each seat's line in its colour inside the chart's frame, a bankrupt
// seat's line ending where it went out, the table's figures those of the record, and the
// caption owning up to a history that starts at a loaded game.
#include <gtest/gtest.h>

#include "app/shell.h"
#include "game/rules.h"
#include "game/stats.h"
#include "render/probe.h"
#include "render/stats_view.h"
#include "support/fixtures.h"

namespace {

constexpr Pixel seatPixels[4] = {bluePixel, redPixel, yellowPixel, {0, 255, 0}};
constexpr int outTurn = 20, lastTurn = 40;

// Four seats whose fortunes run apart; seat 3 goes bankrupt in turn 20.
void playHistory() {
    shell = ShellState{};
    startTestGame(4);
    resetStats(false);
    for (int t = 1; t <= lastTurn; ++t) {
        for (int s = 0; s < 4; ++s) game.money[s] = 400 + s * 900 + t * 10 * (s % 2 ? 1 : -1);
        if (t == outTurn) {
            declareBankrupt(3, bankOwner);
            game.bankruptTimer = 0;
        }
        game.currentPlayer = t % 3;
        nextTurn();
    }
    shell.statsOpen = true;
}

bool colourNear(const std::vector<Pixel>& frame, Pixel colour, float x, float y) {
    const int col = pixelColumn(x, statsPlane), row = pixelRow(y, statsPlane);
    return countColour(frame, colour, col - 3, col + 3, row - 3, row + 3) > 0;
}

TEST(StatsView, EachSeatsLineRunsInItsColourInsideTheChart) {
    PlainTextures plain;
    playHistory();
    const std::vector<Pixel> frame = drawAndRead();
    const StatsScale scale = statsScale();
    ASSERT_EQ(scale.lastTurn, lastTurn);
    const int left = pixelColumn(statsChart.x0, statsPlane), right = pixelColumn(statsChart.x1, statsPlane);
    const int top = pixelRow(statsChart.y1, statsPlane), bottom = pixelRow(statsChart.y0, statsPlane);
    for (int seat = 0; seat < 4; ++seat) {
        SCOPED_TRACE(seat);
        for (int turn : {0, 10, 19}) {
            const StatsSample& sample = stats.samples[turn];
            ASSERT_EQ(sample.turn, turn);
            EXPECT_TRUE(colourNear(frame, seatPixels[seat], statsChartX(scale, static_cast<float>(turn)),
                                   statsChartY(scale, static_cast<float>(sample.worth[seat]))))
                << "turn " << turn;
        }
        const int column = pixelColumn(statsChartX(scale, 35), statsPlane);
        const int found = countColour(frame, seatPixels[seat], column - 1, column + 1, top + 2, bottom - 2);
        if (seat == 3)
            EXPECT_EQ(found, 0) << "the bankrupt seat's line goes on after it went out";
        else
            EXPECT_GT(found, 0);
        EXPECT_GT(countColour(frame, seatPixels[seat], left + 1, right - 1, top + 1, bottom - 1), 20);
    }
    shell = ShellState{};
}

TEST(StatsView, TheTableShowsTheRecordAndTheCaptionTheLoad) {
    PlainTextures plain;
    playHistory();
    stats.seat[1].rentPaid = 1234;
    stats.seat[2].salary = 5600;
    stats.seat[0].trades = 7;
    stats.sinceLoad = true;
    const std::vector<Pixel> frame = drawAndRead();
    const struct {
        int seat, column;
        const char* text;
    } cells[] = {{1, ColumnRentPaid, "$1234"}, {2, ColumnSalary, "$5600"}, {0, ColumnTrades, "7"}};
    for (const auto& c : cells)
        expectTextAt(frame, Right, c.text, statsColumns[c.column].right, statsRowY(c.seat), statsPlane,
                     whitePixel);
    expectTextAt(frame, Centre,
                 "Net worth at the end of each turn since the game was loaded (history is not saved)",
                 statsCaptionAt.x, statsCaptionAt.y, statsPlane, {204, 204, 204});
    shell = ShellState{};
}

}  // namespace
