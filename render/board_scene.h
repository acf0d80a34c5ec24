// The board seen through its zoom-and-pan window: the pieces other files draw on it.
#pragma once

#include "ui/layout.h"

// Board-image point to eye space through the current window.
Point boardToEye(float u, float v);

// One quad of the board square [u, u + side] x [v, v + side], cut to the visible window with
// its texture cut alike. Inside glBegin(GL_QUADS); the caller binds and colours.
void drawClippedBoardSquare(float u, float v, float side);

// The black markers on the board of built-on or mortgaged properties, in the order given.
void drawBoardBuildingMarkers(const int* properties, int count);
