// Start-up and the frame loop: the window, the fixed GL state, the callbacks and the timer.
// Everything the callbacks decide lives in the headless core; this file only wires GLUT.
#include <GL/glut.h>

#include <cstdio>
#include <cstring>

#include "app/input.h"
#include "app/mouse.h"
#include "app/screen_flow.h"
#include "app/shell.h"
#include "render/frame.h"
#include "render/gl_setup.h"

static void onDisplay() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    frameStep();
    drawFrame();
    glutSwapBuffers();
}

static void onReshape(int width, int height) {
    glMatrixMode(GL_PROJECTION);
    const WindowSize size = fitToAspect(width, height);
    if (size.width <= 0 || size.height <= 0) {  // minimised: keep the last projection
        glMatrixMode(GL_MODELVIEW);
        return;
    }
    glViewport(0, 0, size.width, size.height);
    if (size.width != width || size.height != height) glutReshapeWindow(size.width, size.height);
    loadProjection(size.width, size.height);
    setWindowSize(size);
}

static void onTimer(int) {
    stepScreenFlow();
    onDisplay();
    glutTimerFunc(30, onTimer, 0);
}

int main(int argc, char** argv) {
    // The one argument of our own; anything else is left to GLUT as before.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("Tenantry %s\n", TENANTRY_VERSION);
        return 0;
    }
    openGameWindow(&argc, argv, "Tenantry");
    // A held key must act once: X11's auto-repeat would send key-up/key-down pairs that clear
    // the handled flags. This is per window; the desktop's own repeat setting is untouched.
    glutIgnoreKeyRepeat(1);
    initGraphics();
    glutDisplayFunc(onDisplay);
    glutReshapeFunc(onReshape);
    glutKeyboardFunc(onKeyDown);
    glutKeyboardUpFunc(onKeyUp);
    glutSpecialFunc(onSpecialDown);
    glutSpecialUpFunc(onSpecialUp);
    glutTimerFunc(0, onTimer, 0);
    glutMouseFunc(onMouse);
    glutMainLoop();
    return 0;
}
