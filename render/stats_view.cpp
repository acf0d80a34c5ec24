// The statistics view: net worth by turn as one line per seat, and a table per seat.
#include "render/stats_view.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "game/rules.h"
#include "game/stats.h"
#include "game/tables.h"
#include "render/screens.h"
#include "render/widgets.h"

namespace {

constexpr Colour gridColour{0.3f, 0.3f, 0.42f};
constexpr Colour captionColour{0.8f, 0.8f, 0.8f};

int seatsShown() { return std::min(std::max(playersInPlay(), 0), maxSeats); }

// A seat's line stops at the turn it went bankrupt (its net worth is nothing from then on).
bool sampleOnLine(int seat, const StatsSample& sample) {
    const int out = stats.seat[seat].outAtTurn;
    return out < 0 || sample.turn < out;
}

// The smallest step of 1, 2 or 5 times a power of ten that splits the range into at most
// statsGridLines parts.
// (In 64 bits: a loaded game may hold large amounts, and the steps must not overflow.)
long long niceStep(long long range) {
    for (long long power = 1;; power *= 10)
        for (long long factor : {1, 2, 5})
            if (factor * power * statsGridLines >= range) return factor * power;
}

long long roundDown(long long value, long long step) {
    return value >= 0 ? value / step * step : -((-value + step - 1) / step * step);
}
long long roundUp(long long value, long long step) { return -roundDown(-value, step); }

void drawGrid(const StatsScale& s) {
    beginFlatMode();
    glColor4f(0, 0, 0, 0.6f);
    glBegin(GL_QUADS);
    emitRect(statsChart, statsPlane);
    emitRect(statsTablePanel(seatsShown()), statsPlane);
    glEnd();
    glColor3f(gridColour.r, gridColour.g, gridColour.b);
    glBegin(GL_LINES);
    for (long long dollars = s.low; dollars <= s.high; dollars += s.step) {
        const float y = statsChartY(s, static_cast<float>(dollars));
        glVertex3f(statsChart.x0, y, statsPlane);
        glVertex3f(statsChart.x1, y, statsPlane);
    }
    glVertex3f(statsTableLeft, statsRuleY, statsPlane);
    glVertex3f(statsTableRight, statsRuleY, statsPlane);
    glEnd();
    glColor4f(1, 1, 1, 1);
    endFlatMode();
    outlineRect(statsChart, statsPlane, captionColour);
}

void drawAxisLabels(const StatsScale& s) {
    for (long long dollars = s.low; dollars <= s.high; dollars += s.step)
        drawTextF(Right, statsChart.x0 - statsAxisLabelGap, statsChartY(s, static_cast<float>(dollars)),
                  statsPlane, captionColour, "$%lld", dollars);
    const int turnStep = static_cast<int>(niceStep(s.lastTurn));
    for (int turn = 0; turn <= s.lastTurn; turn += turnStep)
        drawTextF(Centre, statsChartX(s, static_cast<float>(turn)), statsTurnLabelY, statsPlane,
                  captionColour, "%d", turn);
    drawText(Left, "turn", statsChart.x1 + statsTurnWordGap, statsTurnLabelY, statsPlane, captionColour);
}

void drawLines(const StatsScale& s) {
    beginFlatMode();
    glLineWidth(3);
    for (int seat = 0; seat < seatsShown(); ++seat) {
        const Colour c = playerColour(seat);
        glColor3f(c.r, c.g, c.b);
        glBegin(GL_LINE_STRIP);
        for (int i = 0; i < stats.sampleCount; ++i) {
            const StatsSample& sample = stats.samples[i];
            if (!sampleOnLine(seat, sample)) break;
            glVertex3f(statsChartX(s, static_cast<float>(sample.turn)),
                       statsChartY(s, static_cast<float>(sample.worth[seat])), statsPlane);
        }
        const StatsLineEnd end = statsLineEnd(seat);
        glVertex3f(statsChartX(s, end.turn), statsChartY(s, end.dollars), statsPlane);
        glEnd();
    }
    glLineWidth(1);
    glColor4f(1, 1, 1, 1);
    endFlatMode();
}

// Names beside the line ends, spread apart where lines end close together.
void drawLineNames(const StatsScale& s) {
    struct Label {
        int seat;
        float x, y;
    } labels[maxSeats];
    const int n = seatsShown();
    for (int seat = 0; seat < n; ++seat) {
        const StatsLineEnd end = statsLineEnd(seat);
        labels[seat] = {seat, statsChartX(s, end.turn) + statsNameGap, statsChartY(s, end.dollars)};
    }
    std::sort(labels, labels + n, [](const Label& a, const Label& b) { return a.y > b.y; });
    for (int i = 1; i < n; ++i)
        if (std::abs(labels[i].x - labels[i - 1].x) < 1.0f)
            labels[i].y = std::min(labels[i].y, labels[i - 1].y - statsNameSpacing);
    // Names pushed below the frame move back up, above the turn labels.
    const float lowest = statsChart.y0 + statsNameSpacing / 2;
    for (int i = n - 1; i >= 0; --i) {
        const float floor = i == n - 1 ? lowest : labels[i + 1].y + statsNameSpacing;
        if (labels[i].y < floor && (i == n - 1 || std::abs(labels[i].x - labels[i + 1].x) < 1.0f))
            labels[i].y = floor;
    }
    for (int i = 0; i < n; ++i) {
        const int seat = labels[i].seat;
        if (stats.seat[seat].outAtTurn >= 0)
            drawTextF(Left, labels[i].x, labels[i].y, statsPlane, playerColour(seat), "%s out",
                      game.playerNames[seat]);
        else
            drawText(Left, game.playerNames[seat], labels[i].x, labels[i].y, statsPlane, playerColour(seat));
    }
}

void drawTable() {
    for (int column = 0; column < StatsColumnCount; ++column)
        for (int line = 0; line < 2; ++line)
            drawText(Right, line ? statsColumns[column].line2 : statsColumns[column].line1,
                     statsColumns[column].right, statsHeaderY[line], statsPlane, captionColour);
    char text[32];
    for (int seat = 0; seat < seatsShown(); ++seat) {
        const float y = statsRowY(seat);
        drawTextF(Left, statsNameX, y, statsPlane, playerColour(seat), "%d %s", seat + 1,
                  game.playerNames[seat]);
        for (int column = 0; column < StatsColumnCount; ++column) {
            statsCellText(text, sizeof text, seat, column);
            drawText(Right, text, statsColumns[column].right, y, statsPlane,
                     game.bankrupt[seat] ? grey : white);
        }
    }
}

}  // namespace

StatsScale statsScale() {
    int lastTurn = std::max(stats.turns, 1);
    long long low = 0, high = 0;
    for (int seat = 0; seat < seatsShown(); ++seat) {
        lastTurn = std::max(lastTurn, stats.seat[seat].outAtTurn);
        for (int i = 0; i < stats.sampleCount && sampleOnLine(seat, stats.samples[i]); ++i) {
            low = std::min<long long>(low, stats.samples[i].worth[seat]);
            high = std::max<long long>(high, stats.samples[i].worth[seat]);
        }
    }
    const long long step = niceStep(std::max(high - low, 100LL));
    return {lastTurn, roundDown(low, step), std::max(roundUp(high, step), roundDown(low, step) + step), step};
}

StatsLineEnd statsLineEnd(int seat) {
    const int out = stats.seat[seat].outAtTurn;
    if (out >= 0) return {static_cast<float>(out), 0};
    if (stats.sampleCount == 0) return {0, 0};
    const StatsSample& last = stats.samples[stats.sampleCount - 1];
    return {static_cast<float>(last.turn), static_cast<float>(last.worth[seat])};
}

void statsCellText(char* out, size_t size, int seat, int column) {
    const SeatStats& st = stats.seat[seat];
    const Holdings h = holdingsOf(seat);
    switch (column) {
        case ColumnCash: std::snprintf(out, size, "$%d", game.money[seat]); break;
        case ColumnNetWorth: std::snprintf(out, size, "$%d", netWorth(seat)); break;
        case ColumnProperties:
            if (h.mortgaged > 0)
                std::snprintf(out, size, "%d (%d)", h.owned, h.mortgaged);
            else
                std::snprintf(out, size, "%d", h.owned);
            break;
        case ColumnBuildings: std::snprintf(out, size, "%d/%d", h.houses, h.hotels); break;
        case ColumnRentPaid: std::snprintf(out, size, "$%d", st.rentPaid); break;
        case ColumnRentReceived: std::snprintf(out, size, "$%d", st.rentReceived); break;
        case ColumnFees: std::snprintf(out, size, "$%d", st.feesPaid); break;
        case ColumnSalary: std::snprintf(out, size, "$%d", st.salary); break;
        case ColumnJailTurns: std::snprintf(out, size, "%d", st.jailTurns); break;
        case ColumnAuctionsWon: std::snprintf(out, size, "%d", st.auctionsWon); break;
        case ColumnTrades: std::snprintf(out, size, "%d", st.trades); break;
        default: std::snprintf(out, size, "%s", ""); break;
    }
}

void drawStatsView() {
    drawMenuBackdrop();
    // The view lies behind the backdrop's plane: the backdrop must not hide it.
    glClear(GL_DEPTH_BUFFER_BIT);
    drawText(Centre, "STATISTICS", statsTitleAt.x, statsTitleAt.y, statsPlane, 1, 1, 0);
    drawText(Centre,
             stats.sinceLoad
                 ? "Net worth at the end of each turn since the game was loaded (history is not saved)"
                 : "Net worth at the end of each turn since the game began",
             statsCaptionAt.x, statsCaptionAt.y, statsPlane, captionColour);
    const StatsScale scale = statsScale();
    drawGrid(scale);
    drawAxisLabels(scale);
    drawLines(scale);
    drawLineNames(scale);
    drawTable();
    drawText(Centre, "F2, ENTER or a click - back to the game     F1 - help", statsHintAt.x, statsHintAt.y,
             statsPlane, grey);
    glColor3f(1, 1, 1);
}
