// The text renderer and the primitives every screen shares.
#include <GL/gl.h>

#include <vector>

#include "render/draw.h"
#include "render/font_data.h"

unsigned int glyphTextures[glyphCount];

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
        for (int digit = 0; digit < 4096; ++digit) {
            const int value = hexDigitValue(bits[digit]);
            for (int bit = 0; bit < 4; ++bit) {
                const unsigned char v = (value & (8 >> bit)) ? 255 : 0;
                unsigned char* px = &pixels[(digit * 4 + bit) * 4];
                px[0] = px[1] = px[2] = px[3] = v;
            }
        }
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
        glBindTexture(GL_TEXTURE_2D, glyphTextures[*p - firstGlyph]);
        glBegin(GL_QUADS);
        drawTexturedQuad(cx - 0.128f, cy - 0.128f, z, 0.256f, 0.256f);
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
