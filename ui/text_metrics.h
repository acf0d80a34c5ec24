// Font metrics shared by the text renderer and the text-entry fields.
// Pure data and arithmetic, no OpenGL: the headless core links this file.
#pragma once

#include <cstddef>
#include <cstdint>

// Printable glyphs run from '!' (33) to '~' (126).
constexpr int firstGlyph = 33;
constexpr int lastGlyph = 126;
constexpr int glyphCount = lastGlyph - firstGlyph + 1;  // 94

// Ink width of each glyph in font pixels, indexed by character code.
// Entries outside '!'..'~' are 0 and never read for text.
extern const int32_t glyphAdvance[128];

// Vertical drop of each glyph in font pixels, indexed by c - 33; positive moves it down.
extern const int32_t glyphDrop[glyphCount];

// True for the characters that have a glyph.
inline bool hasGlyph(int c) { return c >= firstGlyph && c <= lastGlyph; }

// Width of one character as text entry counts it, without the 4-pixel gap:
// 30 for a space, the advance for a glyph, and -1 for characters that may not be typed.
int charWidth(int c);

// Width of a NUL-terminated string in font pixels: 30 per space, the advance of every
// other character, plus 4 per character. Characters without a glyph count as a space.
int measureText(const char* text);

