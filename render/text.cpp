// The text renderer and the primitives every screen shares.
#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "render/draw.h"
#include "ui/font_data.h"

unsigned int glyphTextures[glyphCount];
// The same glyphs with a halo: luminance holds the ink, alpha the ink grown by haloTexels. Drawn with the
// text colour on the ink and the halo colour around it, in the same one quad per glyph as plain text.
static unsigned int haloTextures[glyphCount];
constexpr int haloTexels = 6;  // about two pixels on the game screens

// Each glyph's inked texels plus a one-texel margin. Only that part of the 128 x 128 cell is
// drawn: every other texel is transparent and every fragment it could give fails the alpha
// test, so the picture is the same while far fewer pixels are shaded.
struct InkBox {
    int x0, y0, x1, y1;  // texels, x1 and y1 exclusive; rows bottom-up
};
static InkBox glyphInk[glyphCount];
static InkBox haloInk[glyphCount];

const Colour playerColours[8] = {
    {0, 0, 1}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {0, 1, 1}, {1, 0.5f, 0.7f}, {1, 0.5f, 0}, {0.5f, 0.5f, 0.5f},
};

Colour resolveTextColour(float r, float g, float b) {
    static const Colour presets[7] = {
        {1, 0, 0}, {0, 0, 1}, {0, 0.6f, 0}, {1, 1, 0}, {1, 0.4f, 0}, {0.5f, 0, 0.5f}, {0.5f, 0.3f, 0},
    };
    for (int code = 2; code <= 8; ++code)
        if (r == static_cast<float>(code)) return presets[code - 2];
    return {r, g, b};
}

static int hexDigitValue(char c) { return c <= '9' ? c - '0' : c - 'A' + 10; }

static void setTextureFilters() {
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
}

// One glyph's bits as 0/255 texels (RGBA, 4 bytes each); returns the box of its ink, the
// whole cell when it has none.
static InkBox decodeGlyph(int glyph, std::vector<unsigned char>& pixels) {
    const char* bits = glyphBitmaps[glyph];
    InkBox ink{128, 128, 0, 0};
    for (int digit = 0; digit < 4096; ++digit) {
        const int value = hexDigitValue(bits[digit]);
        for (int bit = 0; bit < 4; ++bit) {
            const int index = digit * 4 + bit;
            const unsigned char v = (value & (8 >> bit)) ? 255 : 0;
            unsigned char* px = &pixels[index * 4];
            px[0] = px[1] = px[2] = px[3] = v;
            if (!v) continue;
            const int x = index % 128, y = index / 128;
            ink = {std::min(ink.x0, x), std::min(ink.y0, y), std::max(ink.x1, x + 1),
                   std::max(ink.y1, y + 1)};
        }
    }
    return ink.x1 == 0 ? InkBox{0, 0, 128, 128} : ink;
}

static InkBox withMargin(const InkBox& b) {
    return {std::max(0, b.x0 - 1), std::max(0, b.y0 - 1), std::min(128, b.x1 + 1), std::min(128, b.y1 + 1)};
}

// Grows the ink of RGBA texels by haloTexels (a square) into a luminance-alpha picture: the
// luminance is the ink, the alpha the grown ink. A sliding count along the rows, then along
// the columns, inside the ink's box grown by as much; returns that box.
static InkBox growHalo(const std::vector<unsigned char>& pixels, const InkBox& ink, unsigned char* out) {
    const InkBox box{std::max(0, ink.x0 - haloTexels), std::max(0, ink.y0 - haloTexels),
                     std::min(128, ink.x1 + haloTexels), std::min(128, ink.y1 + haloTexels)};
    auto inked = [&](int x, int y) { return pixels[(y * 128 + x) * 4] != 0; };
    static unsigned char rows[128 * 128];
    for (int y = box.y0; y < box.y1; ++y) {
        int count = 0;
        for (int x = box.x0; x < std::min(box.x1, box.x0 + haloTexels); ++x) count += inked(x, y);
        for (int x = box.x0; x < box.x1; ++x) {
            if (x + haloTexels < box.x1) count += inked(x + haloTexels, y);
            rows[y * 128 + x] = count > 0;
            if (x - haloTexels >= box.x0) count -= inked(x - haloTexels, y);
        }
    }
    for (int i = 0; i < 128 * 128; ++i) out[i * 2] = out[i * 2 + 1] = 0;
    for (int x = box.x0; x < box.x1; ++x) {
        int count = 0;
        for (int y = box.y0; y < std::min(box.y1, box.y0 + haloTexels); ++y) count += rows[y * 128 + x];
        for (int y = box.y0; y < box.y1; ++y) {
            if (y + haloTexels < box.y1) count += rows[(y + haloTexels) * 128 + x];
            out[(y * 128 + x) * 2] = inked(x, y) ? 255 : 0;
            out[(y * 128 + x) * 2 + 1] = count > 0 ? 255 : 0;
            if (y - haloTexels >= box.y0) count -= rows[(y - haloTexels) * 128 + x];
        }
    }
    return box;
}

void buildGlyphTextures() {
    std::vector<unsigned char> pixels(128 * 128 * 4);
    for (int glyph = 0; glyph < glyphCount; ++glyph) {
        glyphInk[glyph] = withMargin(decodeGlyph(glyph, pixels));
        glGenTextures(1, &glyphTextures[glyph]);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
        glBindTexture(GL_TEXTURE_2D, glyphTextures[glyph]);
        setTextureFilters();
        glTexImage2D(GL_TEXTURE_2D, 0, 4, 128, 128, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        haloTextures[glyph] = 0;  // made when first drawn
    }
}

// A glyph's halo texture, made the first time it is needed: most glyphs never are, and
// start-up stays as quick as before.
static unsigned int haloTexture(int glyph) {
    if (haloTextures[glyph]) return haloTextures[glyph];
    static std::vector<unsigned char> pixels(128 * 128 * 4);
    static unsigned char lumAlpha[128 * 128 * 2];
    const InkBox ink = decodeGlyph(glyph, pixels);
    haloInk[glyph] = withMargin(growHalo(pixels, ink, lumAlpha));
    glGenTextures(1, &haloTextures[glyph]);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 2);
    glBindTexture(GL_TEXTURE_2D, haloTextures[glyph]);
    setTextureFilters();
    glTexImage2D(GL_TEXTURE_2D, 0, GL_LUMINANCE8_ALPHA8, 128, 128, 0, GL_LUMINANCE_ALPHA, GL_UNSIGNED_BYTE,
                 lumAlpha);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    return haloTextures[glyph];
}

static DrawnTextLog* drawnTextLog = nullptr;

void setDrawnTextLog(DrawnTextLog* log) { drawnTextLog = log; }

// Adds a text to the log with the union of its glyphs' ink (eye units at depth z).
static void logDrawnText(const char* text, Colour colour, Rect ink, float z) {
    if (!drawnTextLog || drawnTextLog->count >= DrawnTextLog::capacity || ink.x1 <= ink.x0) return;
    DrawnText& item = drawnTextLog->items[drawnTextLog->count++];
    item.colour = colour;
    item.box = {static_cast<float>(designX(ink.x0, z)), static_cast<float>(designY(ink.y1, z)),
                static_cast<float>(designX(ink.x1, z)), static_cast<float>(designY(ink.y0, z))};
    std::snprintf(item.text, sizeof item.text, "%s", text);
}

// The halo a text colour needs to stand out whatever lies behind it: none for white and black
// (the screens put them on dark and light grounds), else black or white, whichever differs
// more from the colour. Either gives at least 4.5:1.
static bool haloFor(const Colour& c, Colour& halo) {
    const bool white = c.r == 1 && c.g == 1 && c.b == 1, black = c.r == 0 && c.g == 0 && c.b == 0;
    if (white || black) return false;
    auto linear = [](float v) { return v <= 0.04045f ? v / 12.92f : std::pow((v + 0.055f) / 1.055f, 2.4f); };
    const float luminance = 0.2126f * linear(c.r) + 0.7152f * linear(c.g) + 0.0722f * linear(c.b);
    const float onBlack = (luminance + 0.05f) / 0.05f, onWhite = 1.05f / (luminance + 0.05f);
    halo = onBlack >= onWhite ? Colour{0, 0, 0} : Colour{1, 1, 1};
    return true;
}

// Windows' gl.h stops at OpenGL 1.1; the texture combiner is 1.3's, its names fixed numbers.
#ifndef GL_COMBINE
#define GL_COMBINE 0x8570
#define GL_COMBINE_RGB 0x8571
#define GL_COMBINE_ALPHA 0x8572
#define GL_INTERPOLATE 0x8575
#define GL_CONSTANT 0x8576
#define GL_PRIMARY_COLOR 0x8577
#define GL_SOURCE0_RGB 0x8580
#define GL_SOURCE1_RGB 0x8581
#define GL_SOURCE2_RGB 0x8582
#define GL_SOURCE0_ALPHA 0x8588
#define GL_OPERAND0_RGB 0x8590
#define GL_OPERAND1_RGB 0x8591
#define GL_OPERAND2_RGB 0x8592
#define GL_OPERAND0_ALPHA 0x8598
#endif

// Texture unit set-up for haloed text: colour = text x ink + halo x (1 - ink), alpha from
// the grown ink.
static void beginHalo(const Colour& halo) {
    const float constant[4] = {halo.r, halo.g, halo.b, 1};
    glTexEnvfv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_COLOR, constant);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_COMBINE);
    glTexEnvi(GL_TEXTURE_ENV, GL_COMBINE_RGB, GL_INTERPOLATE);
    glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE0_RGB, GL_PRIMARY_COLOR);
    glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE1_RGB, GL_CONSTANT);
    glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE2_RGB, GL_TEXTURE);
    glTexEnvi(GL_TEXTURE_ENV, GL_OPERAND0_RGB, GL_SRC_COLOR);
    glTexEnvi(GL_TEXTURE_ENV, GL_OPERAND1_RGB, GL_SRC_COLOR);
    glTexEnvi(GL_TEXTURE_ENV, GL_OPERAND2_RGB, GL_SRC_COLOR);
    glTexEnvi(GL_TEXTURE_ENV, GL_COMBINE_ALPHA, GL_REPLACE);
    glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE0_ALPHA, GL_TEXTURE);
    glTexEnvi(GL_TEXTURE_ENV, GL_OPERAND0_ALPHA, GL_SRC_ALPHA);
}

static void endHalo() { glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE); }

void drawText(int align, const char* text, float x, float y, float z, float r, float g, float b) {
    const Colour colour = resolveTextColour(r, g, b);
    const float width = measureText(text) / 500.0f;
    const float offset = align == Centre ? width / 2 : align == Left ? 0.0f : width;
    Colour halo{};
    const bool haloed = haloFor(colour, halo);
    if (haloed) beginHalo(halo);
    glColor3f(colour.r, colour.g, colour.b);
    Rect drawn{1e9f, 1e9f, -1e9f, -1e9f};
    float pen = 0;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
        if (!hasGlyph(*p)) {  // the space, control characters and codes above '~' leave a gap
            pen += 0.06f;
            continue;
        }
        const float advance = glyphAdvance[*p] / 500.0f;
        const float drop = glyphDrop[*p - firstGlyph] / 500.0f;
        const float cx = x - offset + pen + advance / 2;
        const float cy = y - drop;
        const int glyph = *p - firstGlyph;
        const unsigned int texture = haloed ? haloTexture(glyph) : glyphTextures[glyph];
        const InkBox& ink = haloed ? haloInk[glyph] : glyphInk[glyph];
        const float left = cx - 0.128f, bottom = cy - 0.128f;  // the cell's corner
        const float texel = 0.256f / 128, s0 = ink.x0 / 128.0f, s1 = ink.x1 / 128.0f;
        const float t0 = ink.y0 / 128.0f, t1 = ink.y1 / 128.0f;
        const float x0 = left + ink.x0 * texel, x1 = left + ink.x1 * texel;
        const float y0 = bottom + ink.y0 * texel, y1 = bottom + ink.y1 * texel;
        glBindTexture(GL_TEXTURE_2D, texture);
        glBegin(GL_QUADS);
        glTexCoord2f(s0, t0);
        glVertex3f(x0, y0, z);
        glTexCoord2f(s1, t0);
        glVertex3f(x1, y0, z);
        glTexCoord2f(s1, t1);
        glVertex3f(x1, y1, z);
        glTexCoord2f(s0, t1);
        glVertex3f(x0, y1, z);
        glEnd();
        drawn = {std::min(drawn.x0, x0), std::min(drawn.y0, y0), std::max(drawn.x1, x1),
                 std::max(drawn.y1, y1)};
        pen += advance + 0.008f;
    }
    if (haloed) endHalo();
    if (drawnTextLog) logDrawnText(text, colour, drawn, z);
}

// A textured quad whose left edge shows the texture's column u0 and right edge u1.
static void texturedQuad(float x, float y, float z, float w, float h, float u0, float u1) {
    if (h == -1) h = w;
    glTexCoord2f(u0, 0);
    glVertex3f(x, y, z);
    glTexCoord2f(u1, 0);
    glVertex3f(x + w, y, z);
    glTexCoord2f(u1, 1);
    glVertex3f(x + w, y + h, z);
    glTexCoord2f(u0, 1);
    glVertex3f(x, y + h, z);
}

void drawTexturedQuad(float x, float y, float z, float w, float h) { texturedQuad(x, y, z, w, h, 0, 1); }

void drawTexturedQuadMirrored(float x, float y, float z, float w, float h) {
    texturedQuad(x, y, z, w, h, 1, 0);
}

void beginFlatMode() {
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_ALPHA_TEST);
    glEnable(GL_BLEND);
}

void endFlatMode() {
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_ALPHA_TEST);
    glDisable(GL_BLEND);
}
