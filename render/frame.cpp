#include "render/frame.h"

#include <GL/gl.h>

#include "game/state.h"
#include "render/screens.h"

void drawFrame() {
    switch (game.screen) {
        case StartMenu: drawStartMenu(); break;
        default: break;
    }
    glColor3f(1, 1, 1);
}
