// How legible each drawn text is: the contrast ratio (as the web's accessibility guidelines
// define it, 1 to 21) between a text's colour and the pixels right around its ink.
#pragma once

#include "render/draw.h"

// Relative luminance of an 8-bit sRGB colour, 0..1.
double relativeLuminance(double r, double g, double b);
// (lighter + 0.05) / (darker + 0.05).
double contrastRatio(double luminanceA, double luminanceB);

// One text measured in a frame of RGB bytes, rows bottom-up, `width` x `height` design pixels.
// Ink is the pixels of the text's own colour inside its box; around it, the other pixels
// within two pixels of the ink; the ratio is against the median luminance of those. A text
// with no ink of its colour left on screen lies wholly under something drawn over it (a card
// over the pot): it is hidden, not measured.
struct TextContrast {
    double ratio;
    int inkPixels;
    bool hidden;
};
TextContrast measureTextContrast(const unsigned char* rgb, int width, int height, const DrawnText& text);

// The lowest contrast over every text of a log that is not hidden (21 when there is none),
// which text it was, and how many were hidden.
struct LowestContrast {
    double ratio = 21;
    int index = -1;
    int hidden = 0;
};
LowestContrast lowestTextContrast(const unsigned char* rgb, int width, int height, const DrawnTextLog& log);
