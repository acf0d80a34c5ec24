// The game's start-up up to its first frame: the same steps as main() (window, textures and
// glyphs, fixed GL state) and then the first tick (screen flow, clear, frame step, drawing,
// swap), after which it exits at once.
#include <GL/glut.h>
#include <unistd.h>

#include "app/screen_flow.h"
#include "app/shell.h"
#include "render/frame.h"
#include "render/gl_setup.h"

int main(int argc, char** argv) {
    openGameWindow(&argc, argv, "Tenantry");
    initGraphics();
    stepScreenFlow();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    frameStep();
    drawFrame();
    glutSwapBuffers();
    glFinish();
    _exit(0);
}
