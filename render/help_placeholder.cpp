// Placeholder for the help screens: until the situation-by-situation help texts are written,
// F1 shows the backdrop and the three headings only.
#include <GL/gl.h>

#include "render/screens.h"
#include "render/widgets.h"

void drawHelpScreen() {
    drawMenuBackdrop();
    drawText(Centre, "HELP MENU", 0, 1.9f, gamePlane, 0, 0, 1);
    drawText(Left, "KEYBOARD", -3.5f, 1.7f, gamePlane, 1, 0, 0);
    drawText(Left, "MOUSE", -3.5f, -0.3f, gamePlane, 0, 0.7f, 0);
    glColor3f(1, 1, 1);
}
