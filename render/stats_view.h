// The statistics view (F2): a chart of every seat's net worth by turn and a table of what
// each seat has paid and earned, drawn from the `stats` record and the game.
#pragma once

#include <cstddef>

#include "render/stats_layout.h"

// The chart's scales for the history in `stats`: every sample and every bankruptcy fits.
StatsScale statsScale();

// The text of one table cell for a seat, as drawn.
void statsCellText(char* out, size_t size, int seat, int column);

// Where a seat's line ends (turn, dollars): its last sample, or the bankruptcy at 0.
struct StatsLineEnd {
    float turn, dollars;
};
StatsLineEnd statsLineEnd(int seat);
