// Start-up and the frame loop: the window, the fixed GL state, the callbacks and the timer.
// Everything the callbacks decide lives in the headless core; this file only wires GLUT.
#include <GL/glut.h>
#include <GL/glu.h>

#include "app/input.h"
#include "app/screen_flow.h"
#include "app/shell.h"
#include "assets/textures.h"
#include "render/draw.h"
#include "render/frame.h"

static void setProjection(int width, int height) {
    gluPerspective(45.0, static_cast<double>(width) / height, 0.1, 100.0);
}

static void initGraphics() {
    loadAllTextures();
    buildGlyphTextures();
    glEnable(GL_TEXTURE_2D);
    glShadeModel(GL_SMOOTH);
    glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    // Only fully opaque texels are drawn: textures cut their shapes out with alpha 0.
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_EQUAL, 1.0f);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glViewport(0, 0, designWidth, designHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    setProjection(shell.windowWidth, shell.windowHeight);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

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
    glLoadIdentity();
    glViewport(0, 0, size.width, size.height);
    if (size.width != width || size.height != height) glutReshapeWindow(size.width, size.height);
    setProjection(size.width, size.height);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    setWindowSize(size);
}

static void onTimer(int) {
    stepScreenFlow();
    onDisplay();
    glutTimerFunc(30, onTimer, 0);
}

int main(int argc, char** argv) {
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(designWidth, designHeight);
    glutInitWindowPosition(30, 30);
    glutCreateWindow("Tenantry");
    initGraphics();
    glutDisplayFunc(onDisplay);
    glutReshapeFunc(onReshape);
    glutKeyboardFunc(onKeyDown);
    glutKeyboardUpFunc(onKeyUp);
    glutSpecialFunc(onSpecialDown);
    glutSpecialUpFunc(onSpecialUp);
    glutTimerFunc(0, onTimer, 0);
    glutMainLoop();
    return 0;
}
