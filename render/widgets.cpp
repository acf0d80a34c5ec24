// Shapes and helpers that every screen shares.
#include "render/widgets.h"

#include <GL/gl.h>

#include <cmath>
#include <cstdarg>
#include <cstdio>

#include "assets/textures.h"
#include "game/state.h"

Colour labelColourOn(Colour fill) {
    auto linear = [](float v) { return v <= 0.04045f ? v / 12.92f : std::pow((v + 0.055f) / 1.055f, 2.4f); };
    const float luminance = 0.2126f * linear(fill.r) + 0.7152f * linear(fill.g) + 0.0722f * linear(fill.b);
    // Contrast with black is (L + 0.05) / 0.05, with white 1.05 / (L + 0.05); they meet near 0.18.
    return (luminance + 0.05f) * (luminance + 0.05f) >= 0.05f * 1.05f ? black : white;
}

void drawCaretAfter(const char* centredText, float x, float y, float z) {
    if (pulseLevel() < 5) return;
    const float right = x + measureText(centredText) / 1000.0f + 0.03f;
    fillRect({right, y - 0.08f, right + 0.018f, y + 0.09f}, z, 1, 1, 1);
}

void drawTextF(int align, float x, float y, float z, Colour colour, const char* format, ...) {
    char text[128];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    drawText(align, text, x, y, z, colour);
}

void emitRect(const Rect& rect, float z) {
    glVertex3f(rect.x0, rect.y0, z);
    glVertex3f(rect.x1, rect.y0, z);
    glVertex3f(rect.x1, rect.y1, z);
    glVertex3f(rect.x0, rect.y1, z);
}

void fillRect(const Rect& rect, float z, float r, float g, float b, float a) {
    beginFlatMode();
    glColor4f(r, g, b, a);
    glBegin(GL_QUADS);
    emitRect(rect, z);
    glEnd();
    glColor4f(1, 1, 1, 1);
    endFlatMode();
}

void outlineRect(const Rect& rect, float z, Colour colour) {
    glDisable(GL_TEXTURE_2D);
    glColor3f(colour.r, colour.g, colour.b);
    glBegin(GL_LINE_LOOP);
    emitRect(rect, z);
    glEnd();
    glColor3f(1, 1, 1);
    glEnable(GL_TEXTURE_2D);
}

void fillTriangle(const Triangle& t, float z, Colour colour) {
    glDisable(GL_TEXTURE_2D);
    glColor3f(colour.r, colour.g, colour.b);
    glBegin(GL_TRIANGLES);
    glVertex3f(t.a.x, t.a.y, z);
    glVertex3f(t.b.x, t.b.y, z);
    glVertex3f(t.c.x, t.c.y, z);
    glEnd();
    glColor3f(1, 1, 1);
    glEnable(GL_TEXTURE_2D);
}

void drawImage(unsigned int texture, float x, float y, float z, float w, float h, Colour tint) {
    glColor3f(tint.r, tint.g, tint.b);
    glBindTexture(GL_TEXTURE_2D, texture);
    glBegin(GL_QUADS);
    drawTexturedQuad(x, y, z, w, h);
    glEnd();
    glColor3f(1, 1, 1);
}

void drawMenuBackdrop() {
    if (!backgroundTex) {  // a build without pictures: a plain night sky keeps white text legible
        fillRect({-5, -5, 5, 5}, backdropPlane, 0.03f, 0.04f, 0.12f);
        return;
    }
    drawImage(backgroundTex, -5, -5, backdropPlane, 10, 10);
}

void advancePulse() { game.pulseStep = game.pulseStep >= 19 || game.pulseStep < 0 ? 0 : game.pulseStep + 1; }

int pulseLevel() {
    const int step = game.pulseStep;
    if (step < 0) return 0;
    return step < 11 ? step : (step <= 20 ? 20 - step : 0);
}

void drawBlinkingBar(const Rect& rect, float z) { fillRect(rect, z, 0, 0, 1, pulseLevel() / 10.0f); }
