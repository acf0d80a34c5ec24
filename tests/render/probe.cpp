#include "render/probe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "assets/textures.h"
#include "render/draw.h"
#include "render/frame.h"

namespace {

// Every texture global, in one list, so they can be swapped and restored together.
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
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, w, h, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    return texture;
}

PlainTextures::PlainTextures() {
    ensureTestWindow();
    static const unsigned int backdrop = solid(backdropPixel);
    static const unsigned int board = solid(boardPixel);
    static const unsigned int plainWhite = solid(whitePixel);
    const std::vector<unsigned int*> all = textureGlobals();
    for (size_t i = 0; i < all.size(); ++i) {
        saved[i] = *all[i];
        *all[i] = plainWhite;
    }
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

Span colourSpan(const std::vector<Pixel>& frame, Pixel colour, int x0, int x1, int y0, int y1) {
    Span span;
    for (int x = std::max(x0, 0); x <= std::min(x1, 1199); ++x)
        for (int y = std::max(y0, 0); y <= std::min(y1, 699); ++y)
            if (same(pixelAt(frame, x, y), colour)) {
                if (span.first < 0) span.first = x;
                span.last = x;
                break;
            }
    return span;
}

int countColour(const std::vector<Pixel>& frame, Pixel colour, int x0, int x1, int y0, int y1) {
    int n = 0;
    for (int x = std::max(x0, 0); x <= std::min(x1, 1199); ++x)
        for (int y = std::max(y0, 0); y <= std::min(y1, 699); ++y)
            if (same(pixelAt(frame, x, y), colour)) ++n;
    return n;
}

Span expectedTextColumns(int align, const char* text, float x, float z) {
    const float measured = measureText(text) / 500.0f;
    const float offset = align == Centre ? measured / 2 : align == Left ? 0 : measured;
    float pen = 0, lastInk = 0;
    for (const char* p = text; *p; ++p) {
        if (*p == ' ') {
            pen += 0.06f;
            continue;
        }
        const float advance = glyphAdvance[static_cast<unsigned char>(*p)] / 500.0f;
        lastInk = pen + advance;
        pen += advance + 0.008f;
    }
    return {pixelColumn(x - offset, z), pixelColumn(x - offset + lastInk, z)};
}

void expectTextAt(const std::vector<Pixel>& frame, int align, const char* text, float x, float y, float z,
                  Pixel colour) {
    SCOPED_TRACE(text);
    const Span want = expectedTextColumns(align, text, x, z);
    const double band = 0.08 * pixelsPerUnit(z);
    const int row = pixelRow(y, z);
    const Span got = colourSpan(frame, colour, want.first - 10, want.last + 10, row - static_cast<int>(band),
                                row + static_cast<int>(band));
    EXPECT_NEAR(got.first, want.first, 2);
    EXPECT_NEAR(got.last, want.last, 2);
}

std::vector<Pixel> drawAndRead() {
    ensureTestWindow();
    beginTestFrame();
    drawFrame();
    return readFrame();
}
