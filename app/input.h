// Keyboard latches and text entry. GLUT registers the four callbacks below directly; they
// only record input, and the screen flow reads the latches once per tick. No OpenGL here.
#pragma once

// GLUT's codes for the special keys we use (kept here so the core needs no GLUT header).
constexpr int specialKeyF1 = 1;
constexpr int specialKeyF2 = 2;
constexpr int specialKeyF4 = 4;
constexpr int specialKeyLeft = 100;
constexpr int specialKeyUp = 101;
constexpr int specialKeyRight = 102;
constexpr int specialKeyDown = 103;

constexpr unsigned char keyCodeBackspace = 8;
constexpr unsigned char keyCodeEnter = 13;

// A latch is set by key-down and cleared by key-up. A press key also has a handled flag,
// set by the consumer and cleared only by key-up, so one press acts once however long held.
struct InputState {
    bool keyEnter = false, keyEnterHandled = false;
    bool keySpace = false, keySpaceHandled = false;
    bool keyDigit[8] = {}, keyDigitHandled[8] = {};  // keys 1..8: digit d stands for seat d-1
    bool keyQ = false, keyQHandled = false;
    bool keyZ = false;  // held: zoom in (less of the board shown)
    bool keyX = false;  // held: zoom out
    bool keyA = false;  // held: pan left
    bool keyD = false;  // held: pan right
    bool keyS = false;  // held: pan down
    bool keyW = false;  // held: pan up
    bool keyF1 = false, keyF1Handled = false;
    bool keyF2 = false, keyF2Handled = false;
    bool keyF4 = false, keyF4Handled = false;
    bool keyLeft = false, keyLeftHandled = false;
    bool keyUp = false, keyUpHandled = false;
    bool keyRight = false, keyRightHandled = false;
    bool keyDown = false, keyDownHandled = false;
    // Ticks during which ENTER cannot answer a question that has just taken the place of a
    // notice that ran out by itself: a press meant for the notice must not answer it unseen.
    int freshQuestionTicks = 0;
};

constexpr int freshQuestionGuardTicks = 10;  // 0.3 s

extern InputState input;

// GLUT callbacks (the mouse position is ignored).
void onKeyDown(unsigned char key, int x, int y);
void onKeyUp(unsigned char key, int x, int y);
void onSpecialDown(int key, int x, int y);
void onSpecialUp(int key, int x, int y);

// Press consumption: true once per press, and marks the press handled.
inline bool takePress(bool latch, bool& handled) {
    if (!latch || handled) return false;
    handled = true;
    return true;
}

// Text entry into a NUL-terminated field: BACKSPACE removes the last character; a character
// with a glyph, or the space, is appended while the field stays below maxChars characters and
// its measured width below maxWidth. ENTER and characters without a glyph change nothing.
void editTextField(char* field, int maxChars, int maxWidth, unsigned char key);

constexpr int saveNameMaxChars = 20;
constexpr int saveNameMaxWidth = 650;
constexpr int playerNameMaxChars = 14;
constexpr int playerNameMaxWidth = 470;
