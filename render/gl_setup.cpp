#include "render/gl_setup.h"

#include <GL/gl.h>
#include <GL/glut.h>
#include <GL/glu.h>

#include "app/shell.h"
#include "assets/textures.h"
#include "render/draw.h"

void openGameWindow(int* argc, char** argv, const char* title) {
    glutInit(argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(designWidth, designHeight);
    glutInitWindowPosition(30, 30);
    glutCreateWindow(title);
}

void loadProjection(int width, int height) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, static_cast<double>(width) / height, 0.1, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void initGraphics() {
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
    loadProjection(shell.windowWidth, shell.windowHeight);
}
