// Where the statistics view (F2) draws its chart and table, in eye space at statsPlane.
// The view lies a little deeper than the game screens so the table's twelve columns fit the
// 1200 x 700 window with text still easy to read. Pure arithmetic, no OpenGL.
#pragma once

#include "ui/layout.h"

constexpr float statsPlane = -7.0f;

constexpr Point statsTitleAt{0, 2.62f};
constexpr Point statsCaptionAt{0, 2.38f};
constexpr Point statsHintAt{0, -2.68f};

// The chart: turns left to right, dollars bottom to top; seats' names follow the line ends.
constexpr Rect statsChart{-4.0f, 0.1f, 3.3f, 2.15f};
constexpr float statsNameGap = 0.08f;       // from a line's end to its name
constexpr float statsNameSpacing = 0.15f;   // names of lines ending close together are spread
constexpr float statsAxisLabelGap = 0.08f;  // dollar labels left of the frame
constexpr float statsTurnLabelY = -0.07f;   // turn labels under the frame
constexpr float statsTurnWordGap = 0.3f;    // "turn" clear of the last turn label
constexpr int statsGridLines = 5;           // about this many dollar steps

// The table below the chart: a name column, then eleven right-aligned figures. Its panel
// reaches down to the last seat's row.
constexpr float statsTableTop = -0.28f;
constexpr float statsTableLeft = -4.85f, statsTableRight = 4.92f;
constexpr float statsNameX = -4.8f;  // left-aligned
constexpr float statsHeaderY[2] = {-0.42f, -0.62f};
constexpr float statsRuleY = -0.74f;
constexpr float statsRowY(int row) { return -0.9f - 0.2f * row; }
constexpr Rect statsTablePanel(int rows) {
    return {statsTableLeft, statsRowY(rows - 1) - 0.14f, statsTableRight, statsTableTop};
}

enum StatsColumn : int {
    ColumnCash,
    ColumnNetWorth,
    ColumnProperties,
    ColumnBuildings,
    ColumnRentPaid,
    ColumnRentReceived,
    ColumnFees,
    ColumnSalary,
    ColumnJailTurns,
    ColumnAuctionsWon,
    ColumnTrades,
    StatsColumnCount,
};

struct StatsColumnHead {
    const char* line1;
    const char* line2;
    float right;  // right edge of the column's figures
};

constexpr StatsColumnHead statsColumns[StatsColumnCount] = {
    {"Cash", "", -3.1f},          {"Net", "worth", -2.3f},   {"Owned", "(mortg.)", -1.45f},
    {"Houses", "/hotels", -0.6f}, {"Rent", "paid", 0.15f},   {"Rent", "received", 1.0f},
    {"Taxes", "& fees", 1.8f},    {"GO", "salary", 2.55f},   {"Turns", "in jail", 3.35f},
    {"Won at", "auction", 4.15f}, {"Trades", "made", 4.85f},
};

// The chart's scales: turns 0..lastTurn across, dollars low..high up.
struct StatsScale {
    int lastTurn;
    long long low, high, step;  // dollars; grid lines every step
};

constexpr float statsChartX(const StatsScale& s, float turn) {
    return statsChart.x0 + statsChart.width() * turn / static_cast<float>(s.lastTurn);
}
constexpr float statsChartY(const StatsScale& s, float dollars) {
    return statsChart.y0 + statsChart.height() * (dollars - s.low) / static_cast<float>(s.high - s.low);
}
