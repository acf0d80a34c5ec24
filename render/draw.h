// Text and the drawing primitives every screen shares. All vertices are given directly in
// eye space (the model-view matrix stays the identity); one unit is 500 font pixels.
#pragma once

#include "ui/layout.h"
#include "ui/text_metrics.h"

enum TextAlign : int { Centre = 0, Left = 1, Right = 2 };

// Colour codes: a text call whose red component is exactly one of these uses the preset.
constexpr float Red = 2, Blue = 3, Green = 4, Yellow = 5, Orange = 6, Purple = 7, Brown = 8;

struct Colour {
    float r, g, b;
};

// The preset for a colour code, or the triple unchanged.
Colour resolveTextColour(float r, float g, float b);

// The eight seats' colours.
extern const Colour playerColours[8];
inline Colour playerColour(int seat) { return playerColours[seat & 7]; }

// Glyph textures, entry c - 33 for character c.
extern unsigned int glyphTextures[glyphCount];
void buildGlyphTextures();

void drawText(int align, const char* text, float x, float y, float z, float r, float g, float b);
inline void drawText(int align, const char* text, float x, float y, float z, Colour c) {
    drawText(align, text, x, y, z, c.r, c.g, c.b);
}

// Texts as drawn, for the contrast check of the gallery and the render tests: while a log is
// set, every drawText call adds its colour and the box of its ink in design pixels (y down).
struct DrawnText {
    Colour colour;
    Rect box;
    char text[32];  // the start of the text, to name it in reports
};
struct DrawnTextLog {
    static constexpr int capacity = 512;
    DrawnText items[capacity];
    int count = 0;
};
void setDrawnTextLog(DrawnTextLog* log);  // nullptr: stop logging

// Emit one quad (inside glBegin(GL_QUADS)); h == -1 makes a square of side w.
void drawTexturedQuad(float x, float y, float z, float w, float h);
void drawTexturedQuadMirrored(float x, float y, float z, float w, float h);

void beginFlatMode();
void endFlatMode();
