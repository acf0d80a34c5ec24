// Probing drawn frames: plain stand-in textures so results do not depend on the artwork,
// and finders for where a colour, or a piece of text, landed.
#pragma once

#include <vector>

#include "render/draw.h"
#include "render/gl_fixture.h"
#include "render/layout.h"

// Replaces every texture global for the life of the object: the backdrop a dark solid
// (backdropPixel), the board a solid green (boardPixel), the images that are tinted
// (tokens, markers, arrow, dice, cards, pictures) solid opaque white. Restores on exit.
struct PlainTextures {
    PlainTextures();
    ~PlainTextures();
    PlainTextures(const PlainTextures&) = delete;
    PlainTextures& operator=(const PlainTextures&) = delete;

private:
    unsigned int saved[40];
};

constexpr Pixel backdropPixel{10, 10, 40};
constexpr Pixel boardPixel{40, 160, 40};

// A texture of w x h texels (RGBA, rows bottom-up), sampled without filtering.
unsigned int makeTexture(int w, int h, const std::vector<unsigned char>& rgba);

bool same(Pixel a, Pixel b, int tolerance = 2);

// Design pixel of an eye-space point.
int pixelColumn(float x, float z);
int pixelRow(float y, float z);

// First and last column within [x0, x1] and rows [y0, y1] holding `colour` (-1 if none).
struct Span {
    int first = -1, last = -1;
};
Span colourSpan(const std::vector<Pixel>& frame, Pixel colour, int x0, int x1, int y0, int y1);
int countColour(const std::vector<Pixel>& frame, Pixel colour, int x0, int x1, int y0, int y1);

// Where the ink of a text drawn at (x, y, z) with this alignment begins and ends, in
// design columns, by the renderer's layout rules.
Span expectedTextColumns(int align, const char* text, float x, float z);

// Checks that the ink of `colour` near (x, y) starts and ends where the text would.
void expectTextAt(const std::vector<Pixel>& frame, int align, const char* text, float x, float y, float z,
                  Pixel colour);

// Draws one frame of the current state (clear, drawFrame) and reads it back.
std::vector<Pixel> drawAndRead();

constexpr Pixel whitePixel{255, 255, 255};
constexpr Pixel bluePixel{0, 0, 255};
constexpr Pixel redPixel{255, 0, 0};
constexpr Pixel yellowPixel{255, 255, 0};
constexpr Pixel greyPixel{128, 128, 128};
