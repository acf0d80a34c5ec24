// Probing drawn frames in a real GLUT window under the test runner's X server: plain stand-ins
// for images, the texts a frame drew, and pixel finders.
#pragma once

#include <GL/gl.h>

#include <vector>

#include "render/draw.h"
#include "ui/layout.h"

struct Pixel {
    unsigned char r, g, b;
};
constexpr Pixel whitePixel{255, 255, 255}, bluePixel{0, 0, 255}, redPixel{255, 0, 0}, greenPixel{0, 255, 0},
    yellowPixel{255, 255, 0};

// While alive, a plain w x h RGBA texture (rows bottom-up, unfiltered) stands in for one of
// the game's images.
struct StandIn {
    StandIn(unsigned int& image, int w, int h, const std::vector<unsigned char>& rgba);
    ~StandIn();
    unsigned int &image, saved;
};

// Creates the window and the fixed GL state once per process.
void ensureTestWindow();
// Clears as a frame does; reads back what was drawn since (row 0 of the vector is the bottom).
void beginTestFrame();
std::vector<Pixel> readFrame();

// The texts of the last frame drawn by drawAndRead, and the last of them that reads `text`
// (or starts with it), nullptr when none.
extern DrawnTextLog drawnTexts;
const DrawnText* findText(const char* text, bool prefix = false);
// Draws one frame of the current state, logging its texts, and reads it back.
std::vector<Pixel> drawAndRead();
// The same for a gallery scene, which `adjust` may change first.
std::vector<Pixel> drawScene(const char* name, void (*adjust)() = nullptr);

// Pixel at design coordinates (x right, y down from the top, as screenshots count).
Pixel pixelAt(const std::vector<Pixel>& frame, int x, int y);
bool same(Pixel a, Pixel b, int tolerance = 2);
int countColour(const std::vector<Pixel>& frame, Pixel colour, int x0, int x1, int y0, int y1,
                int tolerance = 2);
// First and last column in [x0, x1] with `colour` somewhere in rows [y0, y1] (-1 if none).
struct Span {
    int first = -1, last = -1;
};
Span colourSpan(const std::vector<Pixel>& frame, Pixel colour, int x0, int x1, int y0, int y1);

// Design pixel of an eye-space point, and an eye-space rectangle in design pixels (y down).
int pixelColumn(float x, float z = gamePlane);
int pixelRow(float y, float z = gamePlane);
Rect onScreen(const Rect& eye, float z = gamePlane);
