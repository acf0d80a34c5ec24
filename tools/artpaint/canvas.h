// A float canvas with antialiased shape painting. Colours are 0..255 per channel and stored
// premultiplied with a coverage channel, so a keyed picture can be cut out at the end with
// hard edges whose pixels keep the shape's own colour instead of fading into the key black.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

struct Rgb {
    float r, g, b;
};

inline Rgb rgb(float r, float g, float b) { return {r, g, b}; }
inline Rgb mix(Rgb a, Rgb b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
inline Rgb scale(Rgb a, float k) { return {a.r * k, a.g * k, a.b * k}; }
inline float clamp01(float t) { return t < 0 ? 0 : t > 1 ? 1 : t; }
inline float smooth(float t) {
    t = clamp01(t);
    return t * t * (3 - 2 * t);
}

struct Pt {
    float x, y;
};

struct Canvas {
    int w = 0, h = 0;
    std::vector<float> px;  // r, g, b premultiplied by a, then a; rows top first
    // Optional circular clip applied to every shape (the round frame of a picture).
    bool clip = false;
    float clipX = 0, clipY = 0, clipR = 0;
};

Canvas makeCanvas(int side);
void fillAll(Canvas& c, Rgb colour);

// Blends colour with the given coverage (0..1) over pixel (x, y).
inline void blendPixel(Canvas& c, int x, int y, Rgb colour, float cover) {
    if (x < 0 || y < 0 || x >= c.w || y >= c.h || cover <= 0) return;
    float* p = &c.px[(static_cast<size_t>(y) * c.w + x) * 4];
    const float k = 1 - cover;
    p[0] = colour.r * cover + p[0] * k;
    p[1] = colour.g * cover + p[1] * k;
    p[2] = colour.b * cover + p[2] * k;
    p[3] = cover + p[3] * k;
}

// Paints every pixel of the box whose 4 x 4 subsamples fall inside; paint(x, y) gives the
// colour at a pixel centre. Opacity scales the coverage.
template <class Inside, class Paint>
void paintShape(Canvas& c, float x0, float y0, float x1, float y1, Inside inside, Paint paint,
                float opacity = 1) {
    const int ix0 = std::max(0, static_cast<int>(std::floor(x0))),
              iy0 = std::max(0, static_cast<int>(std::floor(y0)));
    const int ix1 = std::min(c.w - 1, static_cast<int>(std::ceil(x1))),
              iy1 = std::min(c.h - 1, static_cast<int>(std::ceil(y1)));
    for (int y = iy0; y <= iy1; ++y)
        for (int x = ix0; x <= ix1; ++x) {
            int hits = 0;
            for (int sy = 0; sy < 4; ++sy)
                for (int sx = 0; sx < 4; ++sx) {
                    const float fx = x + (sx + 0.5f) / 4, fy = y + (sy + 0.5f) / 4;
                    if (c.clip) {
                        const float dx = fx - c.clipX, dy = fy - c.clipY;
                        if (dx * dx + dy * dy > c.clipR * c.clipR) continue;
                    }
                    if (inside(fx, fy)) ++hits;
                }
            if (hits) blendPixel(c, x, y, paint(x + 0.5f, y + 0.5f), opacity * hits / 16.0f);
        }
}

template <class Inside>
void fillShape(Canvas& c, float x0, float y0, float x1, float y1, Inside inside, Rgb colour,
               float opacity = 1) {
    paintShape(
        c, x0, y0, x1, y1, inside, [colour](float, float) { return colour; }, opacity);
}

// Soft painting: alpha(x, y) in 0..1 evaluated at pixel centres (glows, haze, shading).
template <class Alpha>
void paintSoft(Canvas& c, float x0, float y0, float x1, float y1, Rgb colour, Alpha alpha) {
    const int ix0 = std::max(0, static_cast<int>(std::floor(x0))),
              iy0 = std::max(0, static_cast<int>(std::floor(y0)));
    const int ix1 = std::min(c.w - 1, static_cast<int>(std::ceil(x1))),
              iy1 = std::min(c.h - 1, static_cast<int>(std::ceil(y1)));
    for (int y = iy0; y <= iy1; ++y)
        for (int x = ix0; x <= ix1; ++x) {
            const float fx = x + 0.5f, fy = y + 0.5f;
            if (c.clip) {
                const float dx = fx - c.clipX, dy = fy - c.clipY;
                if (dx * dx + dy * dy > c.clipR * c.clipR) continue;
            }
            blendPixel(c, x, y, colour, clamp01(alpha(fx, fy)));
        }
}

inline bool insideRoundRect(float x, float y, float x0, float y0, float x1, float y1, float radius) {
    if (x < x0 || x >= x1 || y < y0 || y >= y1) return false;
    const float cx = std::min(std::max(x, x0 + radius), x1 - radius);
    const float cy = std::min(std::max(y, y0 + radius), y1 - radius);
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
}

// Shapes.
void fillRect(Canvas& c, float x0, float y0, float x1, float y1, Rgb colour, float opacity = 1);
void fillRoundRect(Canvas& c, float x0, float y0, float x1, float y1, float radius, Rgb colour,
                   float opacity = 1);
void fillCircle(Canvas& c, float cx, float cy, float r, Rgb colour, float opacity = 1);
void fillEllipse(Canvas& c, float cx, float cy, float rx, float ry, Rgb colour, float opacity = 1);
void fillRing(Canvas& c, float cx, float cy, float r0, float r1, Rgb colour, float opacity = 1);
void fillPolygon(Canvas& c, const std::vector<Pt>& poly, Rgb colour, float opacity = 1);
void strokeLine(Canvas& c, float ax, float ay, float bx, float by, float width, Rgb colour,
                float opacity = 1);
void strokePolyline(Canvas& c, const std::vector<Pt>& pts, float width, Rgb colour, float opacity = 1);
// Vertical gradient from top colour to bottom colour over the box.
void fillGradientRect(Canvas& c, float x0, float y0, float x1, float y1, Rgb top, Rgb bottom);
// Five-pointed (or n-pointed) star outline as a polygon, first point straight up.
std::vector<Pt> starPolygon(float cx, float cy, float outer, float inner, int points = 5, float turn = 0);
bool insidePolygon(const std::vector<Pt>& poly, float x, float y);
// Soft round glow, full alpha at the centre fading to nothing at radius r.
void glow(Canvas& c, float cx, float cy, float r, Rgb colour, float strength = 1);

// Deterministic random numbers for scattered detail.
struct Lcg {
    uint32_t state;
    explicit Lcg(uint32_t seed) : state(seed) {}
    float next() {  // 0..1
        state = state * 1664525u + 1013904223u;
        return (state >> 8) / 16777216.0f;
    }
    float range(float a, float b) { return a + (b - a) * next(); }
};

// Conversion to 8-bit RGB rows, top row first. A keyed picture turns every pixel whose
// coverage is under one half into exact black and every other pixel into its own colour,
// never exact black; an opaque picture is flattened as it is.
std::vector<uint8_t> toRgb8(const Canvas& c, bool keyed);
bool writePng(const std::string& path, const std::vector<uint8_t>& rgb, int side);
// Straight (not premultiplied) RGBA with the coverage as alpha, for pictures used outside
// the game, such as the desktop icon.
std::vector<uint8_t> toRgba8(const Canvas& c);
bool writePngRgba(const std::string& path, const std::vector<uint8_t>& rgba, int side);
