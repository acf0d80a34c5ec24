// A real GLUT window under the test runner's X server, shared by the render tests.
#pragma once

#include <GL/gl.h>

#include <vector>

struct Pixel {
    unsigned char r, g, b;
};

// Creates the window and sets the fixed GL state once per process.
void ensureTestWindow();

// Clears colour and depth as a frame does.
void beginTestFrame();

// Reads the back buffer (what was just drawn, before a swap). Row 0 is the bottom row.
std::vector<Pixel> readFrame();

// Pixel at window coordinates (x right, y down from the top, as screenshots count).
Pixel pixelAt(const std::vector<Pixel>& frame, int x, int yFromTop);
