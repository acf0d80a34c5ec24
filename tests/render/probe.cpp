#include "render/probe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "app/shell.h"
#include "assets/textures.h"
#include "game/rules.h"
#include "render/frame.h"
#include "support/fixtures.h"

namespace {

std::vector<unsigned int*> textureGlobals() {
    std::vector<unsigned int*> all = {&bannerTex,       &boardTex,        &cardBackTex[0], &cardBackTex[1],
                                      &cardFrontTex[0], &cardFrontTex[1], &diceTex,        &arrowTex,
                                      &backgroundTex,   &ownerMarkerTex,  &tokenTex};
    for (unsigned int& t : propertyPictureTex) all.push_back(&t);
    return all;
}

unsigned int solid(Pixel p) {
    std::vector<unsigned char> rgba;
    for (int i = 0; i < 4; ++i) rgba.insert(rgba.end(), {p.r, p.g, p.b, 255});
    return makeTexture(2, 2, rgba);
}

}  // namespace

unsigned int makeTexture(int w, int h, const std::vector<unsigned char>& rgba) {
    unsigned int texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    for (GLenum filter : {GL_TEXTURE_MIN_FILTER, GL_TEXTURE_MAG_FILTER})
        glTexParameteri(GL_TEXTURE_2D, filter, GL_NEAREST);
    for (GLenum wrap : {GL_TEXTURE_WRAP_S, GL_TEXTURE_WRAP_T})
        glTexParameteri(GL_TEXTURE_2D, wrap, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, w, h, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    return texture;
}

PlainTextures::PlainTextures() {
    ensureTestWindow();
    static const unsigned int backdrop = solid(backdropPixel), board = solid(boardPixel);
    static const unsigned int white = solid(whitePixel);
    const std::vector<unsigned int*> all = textureGlobals();
    for (size_t i = 0; i < all.size(); ++i) saved[i] = std::exchange(*all[i], white);
    backgroundTex = backdrop;
    boardTex = board;
}

PlainTextures::~PlainTextures() {
    const std::vector<unsigned int*> all = textureGlobals();
    for (size_t i = 0; i < all.size(); ++i) *all[i] = saved[i];
}

bool same(Pixel a, Pixel b, int tolerance) {
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance &&
           std::abs(a.b - b.b) <= tolerance;
}

int pixelColumn(float x, float z) { return static_cast<int>(designX(x, z)); }
int pixelRow(float y, float z) { return static_cast<int>(designY(y, z)); }

int countColour(const std::vector<Pixel>& frame, Pixel colour, int x0, int x1, int y0, int y1) {
    int n = 0;
    for (int x = std::max(x0, 0); x <= std::min(x1, 1199); ++x)
        for (int y = std::max(y0, 0); y <= std::min(y1, 699); ++y) n += same(pixelAt(frame, x, y), colour);
    return n;
}

Span colourSpan(const std::vector<Pixel>& frame, Pixel colour, int x0, int x1, int y0, int y1) {
    Span span;
    for (int x = std::max(x0, 0); x <= std::min(x1, 1199); ++x)
        if (countColour(frame, colour, x, x, y0, y1) > 0) {
            if (span.first < 0) span.first = x;
            span.last = x;
        }
    return span;
}

void expectTextAt(const std::vector<Pixel>& frame, int align, const char* text, float x, float y, float z,
                  Pixel colour) {
    SCOPED_TRACE(text);
    // Layout: glyph advances plus a gap of 0.008, a space 0.06; ink ends at the last glyph.
    const float measured = measureText(text) / 500.0f;
    const float left = x - (align == Centre ? measured / 2 : align == Left ? 0 : measured);
    float pen = 0, lastInk = 0;
    for (const char* p = text; *p; ++p) {
        const float advance = glyphAdvance[static_cast<unsigned char>(*p)] / 500.0f;
        if (*p != ' ') lastInk = pen + advance;
        pen += *p == ' ' ? 0.06f : advance + 0.008f;
    }
    const int first = pixelColumn(left, z), last = pixelColumn(left + lastInk, z);
    const int row = pixelRow(y, z), band = static_cast<int>(0.08 * pixelsPerUnit(z));
    const Span got = colourSpan(frame, colour, first - 10, last + 10, row - band, row + band);
    EXPECT_NEAR(got.first, first, 2);
    EXPECT_NEAR(got.last, last, 2);
}

std::vector<Pixel> drawAndRead() {
    ensureTestWindow();
    beginTestFrame();
    drawFrame();
    return readFrame();
}

void twoSeatsOnBoard() {
    game = GameState{};
    shell = ShellState{};
    startTestGame(2);
    computeBoardGeometry();
    game.tokenSlot[0] = 1;
    game.tokenSlot[1] = 5;
}
