// Shapes and helpers that every screen shares, built on the primitives of draw.h.
// All of them leave the textured mode on, as frames expect between items.
#pragma once

#include "game/tables.h"
#include "render/draw.h"
#include "ui/layout.h"

constexpr Colour white{1, 1, 1};
constexpr Colour grey{0.5f, 0.5f, 0.5f};
constexpr Colour black{0, 0, 0};
constexpr Colour yellow{1, 1, 0};
constexpr Colour red{1, 0, 0};

inline Colour chosenOrGrey(bool chosen) { return chosen ? white : grey; }

// Black or white, whichever stands out more on a fill of this colour: the label of a tile.
Colour labelColourOn(Colour fill);
inline Colour labelColourOnGroup(int group) {
    return labelColourOn({groupColourR[group], groupColourG[group], groupColourB[group]});
}

// Text composed with printf rules (at most 127 characters).
void drawTextF(int align, float x, float y, float z, Colour colour, const char* format, ...)
    __attribute__((format(printf, 6, 7)));
inline void drawTextAt(int align, const char* text, Point at, float z, Colour colour) {
    drawText(align, text, at.x, at.y, z, colour);
}

// One quad of an eye-space rectangle; inside glBegin(GL_QUADS), no texture coordinates.
void emitRect(const Rect& rect, float z);
// A flat rectangle in a translucent colour (flat mode on and off around it).
void fillRect(const Rect& rect, float z, float r, float g, float b, float a = 1);
inline void fillRect(const Rect& rect, float z, Colour c) { fillRect(rect, z, c.r, c.g, c.b); }
// The four edges of a rectangle as lines, untextured.
void outlineRect(const Rect& rect, float z, Colour colour);
// A filled triangle, untextured.
void fillTriangle(const Triangle& t, float z, Colour colour);

// A textured quad (lower-left corner, size) in a tint; the colour is white afterwards.
void drawImage(unsigned int texture, float x, float y, float z, float w, float h, Colour tint = white);

// A blinking text caret right after a centred text at (x, y) (on while the pulse is high).
void drawCaretAfter(const char* centredText, float x, float y, float z);

// The star field behind menus, dialogs and the game screens.
void drawMenuBackdrop();

// --- The pulse of the current token and the blinking highlights ---
// Advances pulseStep by one, 19 wrapping to 0.
void advancePulse();
// 0..10..0 over the 20 steps of pulseStep.
int pulseLevel();
// The blinking bar: flat blue with alpha pulseLevel / 10, behind the item it marks.
void drawBlinkingBar(const Rect& rect, float z);
