// Lettering with FreeType in the game's own typeface (Liberation Sans).
#pragma once

#include <string>

#include "tools/artpaint/canvas.h"

enum FontFace { Regular = 0, Bold = 1 };
enum Align { AlignLeft, AlignCentre, AlignRight };

struct TextStyle {
    FontFace face = Bold;
    float size = 16;  // pixel size of the em
    Rgb colour = {20, 20, 20};
    float squeeze = 1;     // horizontal scale: below 1 narrows the letters, keeping their height
    int quarterTurns = 0;  // 1 turns the line to read bottom to top, -1 top to bottom
};

bool openFonts(const std::string& regularPath, const std::string& boldPath);
void closeFonts();

float textWidth(const std::string& s, const TextStyle& style);
// Cap height in pixels for a style (the height of "H").
float capHeight(const TextStyle& style);

// Narrows the style until s fits maxWidth, down to minSqueeze, then shrinks the size.
TextStyle fitWidth(TextStyle style, const std::string& s, float maxWidth, float minSqueeze = 0.78f);

// The baseline passes through (x, baseline); x is the left end, the middle or the right end.
// Turned text turns about that anchor.
void drawText(Canvas& c, const std::string& s, float x, float baseline, const TextStyle& style, Align align);
// The same with a surrounding outline of the given radius drawn first.
void drawTextOutlined(Canvas& c, const std::string& s, float x, float baseline, const TextStyle& style,
                      Align align, Rgb outline, float radius);
