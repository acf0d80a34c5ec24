// The screen state machine, run once per tick before the frame is drawn.
#include "app/screen_flow.h"

#include "app/input.h"
#include "game/state.h"

static void stepStartMenu() {
    if (takePress(input.keyUp, input.keyUpHandled) || takePress(input.keyDown, input.keyDownHandled))
        game.menuIndex = game.menuIndex == 0 ? 1 : 0;
}

void stepScreenFlow() {
    switch (game.screen) {
        case StartMenu: stepStartMenu(); break;
        default: break;
    }
}
