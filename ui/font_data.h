// The game's built-in font: 94 one-bit 128 x 128 glyphs for '!'..'~', in character order.
// Each entry is 4096 upper-case hex digits (32 per row, the bottom row first, the leftmost
// pixel in the high bit of a digit) plus a NUL. The ink of every glyph is centred in its
// cell and is exactly glyphAdvance[c] pixels wide.
//
// The master is the glyph sheet assets/art/font.png (made by tools/fontgen); the build turns
// it into this text and links it in, as it does the pictures (tools/embed).
#pragma once

constexpr int glyphCell = 128;         // pixels on a side of one glyph
constexpr int glyphSheetColumns = 16;  // the sheet: glyphs left to right, then rows down,
constexpr int glyphSheetRows = 6;      // each drawn upright, ink white on black
constexpr int glyphTextLength = glyphCell * glyphCell / 4;  // hex digits per glyph

extern "C" const char glyphBitmaps[94][glyphTextLength + 1];
