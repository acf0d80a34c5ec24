// Probing drawn frames: plain stand-in textures so results do not depend on the artwork,
// and finders for where a colour, or a piece of text, landed.
#pragma once

#include <vector>

#include "render/draw.h"
#include "render/gl_fixture.h"
#include "ui/layout.h"

// While alive, the backdrop is backdropPixel, the board boardPixel and every tinted image
// (tokens, markers, arrow, dice, cards, pictures) opaque white; restored on exit.
struct PlainTextures {
    PlainTextures();
    ~PlainTextures();
    unsigned int saved[40];
};

constexpr Pixel backdropPixel{10, 10, 40}, boardPixel{40, 160, 40}, whitePixel{255, 255, 255};
constexpr Pixel bluePixel{0, 0, 255}, redPixel{255, 0, 0}, yellowPixel{255, 255, 0}, greyPixel{128, 128, 128};

// A w x h RGBA texture (rows bottom-up), sampled without filtering.
unsigned int makeTexture(int w, int h, const std::vector<unsigned char>& rgba);
bool same(Pixel a, Pixel b, int tolerance = 2);

// Design pixel of an eye-space point.
int pixelColumn(float x, float z);
int pixelRow(float y, float z);

// First and last column in [x0, x1] with `colour` somewhere in rows [y0, y1] (-1 if none).
struct Span {
    int first = -1, last = -1;
};
Span colourSpan(const std::vector<Pixel>& frame, Pixel colour, int x0, int x1, int y0, int y1);
int countColour(const std::vector<Pixel>& frame, Pixel colour, int x0, int x1, int y0, int y1);

// Checks that the ink of `colour` near (x, y) starts and ends where the renderer's layout
// rules put a text drawn there with this alignment.
void expectTextAt(const std::vector<Pixel>& frame, int align, const char* text, float x, float y, float z,
                  Pixel colour);

// Clears, draws one frame of the current state and reads it back.
std::vector<Pixel> drawAndRead();

// Program start, then two seats dealt with the set-up's geometry on the board, at token
// places 1 and 5.
void twoSeatsOnBoard();
