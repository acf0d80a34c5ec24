// The text renderer and the primitives every screen shares.
#include <GL/gl.h>

#include <algorithm>
#include <vector>

#include "render/draw.h"
#include "render/font_data.h"

unsigned int glyphTextures[glyphCount];

// Each glyph's inked texels plus a one-texel margin. Only that part of the 128 x 128 cell is
// drawn: every other texel is transparent and every fragment it could give fails the alpha
// test, so the picture is the same while far fewer pixels are shaded.
struct InkBox {
    int x0, y0, x1, y1;  // texels, x1 and y1 exclusive; rows bottom-up
};
static InkBox glyphInk[glyphCount];

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

void buildGlyphTextures() {
    std::vector<unsigned char> pixels(128 * 128 * 4);
    for (int glyph = 0; glyph < glyphCount; ++glyph) {
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
        if (ink.x1 == 0) ink = {0, 0, 128, 128};  // no ink at all: keep the whole cell
        glyphInk[glyph] = {std::max(0, ink.x0 - 1), std::max(0, ink.y0 - 1), std::min(128, ink.x1 + 1),
                           std::min(128, ink.y1 + 1)};
        glGenTextures(1, &glyphTextures[glyph]);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
        glBindTexture(GL_TEXTURE_2D, glyphTextures[glyph]);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexImage2D(GL_TEXTURE_2D, 0, 4, 128, 128, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    }
}

void drawText(int align, const char* text, float x, float y, float z, float r, float g, float b) {
    const Colour colour = resolveTextColour(r, g, b);
    const float width = measureText(text) / 500.0f;
    const float offset = align == Centre ? width / 2 : align == Left ? 0.0f : width;
    glColor3f(colour.r, colour.g, colour.b);
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
        const InkBox& ink = glyphInk[*p - firstGlyph];
        const float left = cx - 0.128f, bottom = cy - 0.128f;  // the cell's corner
        const float texel = 0.256f / 128, s0 = ink.x0 / 128.0f, s1 = ink.x1 / 128.0f;
        const float t0 = ink.y0 / 128.0f, t1 = ink.y1 / 128.0f;
        const float x0 = left + ink.x0 * texel, x1 = left + ink.x1 * texel;
        const float y0 = bottom + ink.y0 * texel, y1 = bottom + ink.y1 * texel;
        glBindTexture(GL_TEXTURE_2D, glyphTextures[*p - firstGlyph]);
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
        pen += advance + 0.008f;
    }
}

void drawTexturedQuad(float x, float y, float z, float w, float h) {
    if (h == -1) h = w;
    glTexCoord2f(0, 0);
    glVertex3f(x, y, z);
    glTexCoord2f(1, 0);
    glVertex3f(x + w, y, z);
    glTexCoord2f(1, 1);
    glVertex3f(x + w, y + h, z);
    glTexCoord2f(0, 1);
    glVertex3f(x, y + h, z);
}

void drawTexturedQuadMirrored(float x, float y, float z, float w, float h) {
    if (h == -1) h = w;
    glTexCoord2f(1, 0);
    glVertex3f(x, y, z);
    glTexCoord2f(0, 0);
    glVertex3f(x + w, y, z);
    glTexCoord2f(0, 1);
    glVertex3f(x + w, y + h, z);
    glTexCoord2f(1, 1);
    glVertex3f(x, y + h, z);
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
