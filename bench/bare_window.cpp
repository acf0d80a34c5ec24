// The start-up floor: a bare GLUT window of the game's size that clears, swaps once and exits.
#include <GL/glut.h>
#include <unistd.h>

int main(int argc, char** argv) {
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(1200, 700);
    glutInitWindowPosition(30, 30);
    glutCreateWindow("bare window");
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glutSwapBuffers();
    glFinish();
    _exit(0);  // the measure ends at the first frame; teardown is not part of it
}
