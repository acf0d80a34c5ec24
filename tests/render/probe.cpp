#include "render/probe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "app/shell.h"
#include "render/frame.h"
#include "render/gl_setup.h"
#include "tools/gallery/scenes.h"

DrawnTextLog drawnTexts;

void ensureTestWindow() {
    static bool created = false;
    if (std::exchange(created, true)) return;
    int argc = 1;
    char name[] = "render_tests", *argv[] = {name, nullptr};
    openGameWindow(&argc, argv, "Tenantry render test");
    initGraphics();
}

void beginTestFrame() { glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT); }

std::vector<Pixel> readFrame() {
    std::vector<Pixel> frame(static_cast<size_t>(designWidth) * designHeight);
    glReadPixels(0, 0, designWidth, designHeight, GL_RGB, GL_UNSIGNED_BYTE, frame.data());
    return frame;
}

static unsigned int makeTexture(int w, int h, const std::vector<unsigned char>& rgba) {
    unsigned int texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    const GLint settings[4][2] = {{GL_TEXTURE_MIN_FILTER, GL_NEAREST},
                                  {GL_TEXTURE_MAG_FILTER, GL_NEAREST},
                                  {GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE},
                                  {GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE}};
    for (const auto& setting : settings) glTexParameteri(GL_TEXTURE_2D, setting[0], setting[1]);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, w, h, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    return texture;
}

StandIn::StandIn(unsigned int& image, int w, int h, const std::vector<unsigned char>& rgba)
    : image(image), saved(std::exchange(image, makeTexture(w, h, rgba))) {}
StandIn::~StandIn() {
    glDeleteTextures(1, &image);
    image = saved;
}

const DrawnText* findText(const char* text, bool prefix) {
    for (int i = drawnTexts.count - 1; i >= 0; --i) {  // the last: screens draw over the frame's texts
        const char* drawn = drawnTexts.items[i].text;
        if (prefix ? std::strncmp(drawn, text, std::strlen(text)) == 0 : std::strcmp(drawn, text) == 0)
            return &drawnTexts.items[i];
    }
    return nullptr;
}

std::vector<Pixel> drawAndRead() {
    ensureTestWindow();
    beginTestFrame();
    drawnTexts.count = 0;
    setDrawnTextLog(&drawnTexts);
    drawFrame();
    setDrawnTextLog(nullptr);
    return readFrame();
}

std::vector<Pixel> drawScene(const char* name, void (*adjust)()) {
    const Scene* scene = findScene(name);
    EXPECT_NE(scene, nullptr) << name;
    if (scene) scene->setUp();
    if (adjust) adjust();
    return drawAndRead();
}

Pixel pixelAt(const std::vector<Pixel>& frame, int x, int y) {
    return frame[static_cast<size_t>(designHeight - 1 - y) * designWidth + x];
}

bool same(Pixel a, Pixel b, int tolerance) {
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance &&
           std::abs(a.b - b.b) <= tolerance;
}

int countColour(const std::vector<Pixel>& frame, Pixel colour, int x0, int x1, int y0, int y1,
                int tolerance) {
    int n = 0;
    for (int x = std::max(x0, 0); x <= std::min(x1, designWidth - 1); ++x)
        for (int y = std::max(y0, 0); y <= std::min(y1, designHeight - 1); ++y)
            n += same(pixelAt(frame, x, y), colour, tolerance);
    return n;
}

Span colourSpan(const std::vector<Pixel>& frame, Pixel colour, int x0, int x1, int y0, int y1) {
    Span span;
    for (int x = std::max(x0, 0); x <= std::min(x1, designWidth - 1); ++x)
        if (countColour(frame, colour, x, x, y0, y1) > 0) {
            if (span.first < 0) span.first = x;
            span.last = x;
        }
    return span;
}

int pixelColumn(float x, float z) { return static_cast<int>(designX(x, z)); }
int pixelRow(float y, float z) { return static_cast<int>(designY(y, z)); }
Rect onScreen(const Rect& eye, float z) {
    return {static_cast<float>(designX(eye.x0, z)), static_cast<float>(designY(eye.y1, z)),
            static_cast<float>(designX(eye.x1, z)), static_cast<float>(designY(eye.y0, z))};
}
