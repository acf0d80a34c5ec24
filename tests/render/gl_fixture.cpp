#include "render/gl_fixture.h"

#include <GL/glut.h>

#include "app/shell.h"
#include "render/gl_setup.h"

void ensureTestWindow() {
    static bool created = false;
    if (created) return;
    created = true;
    int argc = 1;
    char name[] = "render_tests";
    char* argv[] = {name, nullptr};
    openGameWindow(&argc, argv, "Tenantry render test");
    initGraphics();
}

void beginTestFrame() { glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT); }

std::vector<Pixel> readFrame() {
    std::vector<Pixel> frame(static_cast<size_t>(designWidth) * designHeight);
    glFinish();
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, designWidth, designHeight, GL_RGB, GL_UNSIGNED_BYTE, frame.data());
    return frame;
}

Pixel pixelAt(const std::vector<Pixel>& frame, int x, int yFromTop) {
    return frame[static_cast<size_t>(designHeight - 1 - yFromTop) * designWidth + x];
}
