// Playing through the same entry points as the keyboard: a key goes down, the game ticks,
// the key comes up. One tick is `stepScreenFlow(); frameStep();`, as the 30 ms timer runs it.
#pragma once

// Named keys for press(): ASCII keys by character, special keys by these codes.
enum TestKey : int {
    KeyEnter = 13,
    KeySpace = ' ',
    KeyF1 = 1001,
    KeyF2 = 1002,
    KeyF4 = 1004,
    KeyLeft = 1100,
    KeyUp = 1101,
    KeyRight = 1102,
    KeyDown = 1103,
};

// Resets game, shell and input to the program start.
void resetProgram();

void tick(int ticks = 1);

// Key down, `ticksHeld` ticks, key up (a press is seen on the first tick).
void press(int key, int ticksHeld = 1);
void keyDown(int key);
void keyUp(int key);

// Types printable text (each character down and up, no tick in between).
void typeText(const char* text);

// Ticks until `done()` holds, at most `limit` ticks; returns the ticks taken or -1.
int tickUntil(bool (*done)(), int limit = 10000);
