#include "sim/play.h"

#include "app/aids.h"
#include "app/input.h"
#include "app/screen_flow.h"
#include "app/shell.h"
#include "game/state.h"

void resetProgram() {
    game = GameState{};
    shell = ShellState{};
    input = InputState{};
    aids = AidState{};
}

void tick(int ticks) {
    for (int i = 0; i < ticks; ++i) {
        stepScreenFlow();
        frameStep();
    }
}

void keyDown(int key) {
    if (key >= 1000)
        onSpecialDown(key - 1000, 0, 0);
    else
        onKeyDown(static_cast<unsigned char>(key), 0, 0);
}

void keyUp(int key) {
    if (key >= 1000)
        onSpecialUp(key - 1000, 0, 0);
    else
        onKeyUp(static_cast<unsigned char>(key), 0, 0);
}

void press(int key, int ticksHeld) {
    keyDown(key);
    tick(ticksHeld);
    keyUp(key);
}

void typeText(const char* text) {
    for (const char* p = text; *p; ++p) {
        keyDown(static_cast<unsigned char>(*p));
        keyUp(static_cast<unsigned char>(*p));
    }
}

int tickUntil(bool (*done)(), int limit) {
    for (int i = 0; i < limit; ++i) {
        if (done()) return i;
        tick();
    }
    return done() ? limit : -1;
}
