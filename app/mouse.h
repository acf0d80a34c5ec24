// Mouse input: GLUT registers onMouse directly. A click acts at once, through the same
// transitions and rules as the keys, tested against rectangles of the 1200 x 700 design frame
// (ui/layout.h, shared with the drawing). No OpenGL here.
#pragma once

// GLUT's button and state codes (kept here so the core needs no GLUT header).
constexpr int mouseLeftButton = 0;
constexpr int mouseMiddleButton = 1;
constexpr int mouseRightButton = 2;
constexpr int mouseButtonDown = 0;

void onMouse(int button, int state, int x, int y);

// A press in design coordinates (X truncated, Y not), as onMouse passes them on.
void leftClick(int x, float y);
void rightClick(int x, float y);
