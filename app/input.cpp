#include "app/input.h"

#include <cstring>

#include "app/shell.h"
#include "game/state.h"
#include "game/tables.h"
#include "ui/text_metrics.h"

InputState input;

void editTextField(char* field, int maxChars, int maxWidth, unsigned char key) {
    const int length = static_cast<int>(std::strlen(field));
    if (key == keyCodeBackspace) {
        if (length > 0) field[length - 1] = '\0';
        return;
    }
    const int width = charWidth(key);  // -1: no glyph, never typed
    if (width < 0 || length >= maxChars || measureText(field) + width >= maxWidth) return;
    field[length] = static_cast<char>(key);
    field[length + 1] = '\0';
}

namespace {

struct PressLatch {
    bool* latch;
    bool* handled;
};

// The press latch of an ASCII key, or nulls when the key sets none.
PressLatch pressLatchFor(unsigned char key) {
    if (key >= '1' && key <= '8') return {&input.keyDigit[key - '1'], &input.keyDigitHandled[key - '1']};
    switch (key) {
        case keyCodeEnter: return {&input.keyEnter, &input.keyEnterHandled};
        case ' ': return {&input.keySpace, &input.keySpaceHandled};
        case 'q':
        case 'Q': return {&input.keyQ, &input.keyQHandled};
        default: return {nullptr, nullptr};
    }
}

bool* heldLatchFor(unsigned char key) {
    switch (key) {
        case 'z':
        case 'Z': return &input.keyZ;
        case 'x':
        case 'X': return &input.keyX;
        case 'a':
        case 'A': return &input.keyA;
        case 'd':
        case 'D': return &input.keyD;
        case 's':
        case 'S': return &input.keyS;
        case 'w':
        case 'W': return &input.keyW;
        default: return nullptr;
    }
}

PressLatch specialLatchFor(int key) {
    switch (key) {
        case specialKeyF1: return {&input.keyF1, &input.keyF1Handled};
        case specialKeyF2: return {&input.keyF2, &input.keyF2Handled};
        case specialKeyF4: return {&input.keyF4, &input.keyF4Handled};
        case specialKeyLeft: return {&input.keyLeft, &input.keyLeftHandled};
        case specialKeyUp: return {&input.keyUp, &input.keyUpHandled};
        case specialKeyRight: return {&input.keyRight, &input.keyRightHandled};
        case specialKeyDown: return {&input.keyDown, &input.keyDownHandled};
        default: return {nullptr, nullptr};
    }
}

}  // namespace

void onKeyDown(unsigned char key, int, int) {
    // Text first: a digit or 'q' typed into a name also sets its latch, which the
    // name screens ignore.
    if (shell.saveNameEntry) editTextField(shell.saveName, saveNameMaxChars, saveNameMaxWidth, key);
    if (game.screen == NameEntry && !shell.helpOpen && !shell.statsOpen && !shell.saveMenuOpen &&
        isSeat(game.currentPlayer))
        editTextField(game.playerNames[game.currentPlayer], playerNameMaxChars, playerNameMaxWidth, key);

    if (bool* latch = pressLatchFor(key).latch) *latch = true;
    if (bool* held = heldLatchFor(key)) *held = true;
}

void onKeyUp(unsigned char key, int, int) {
    const PressLatch press = pressLatchFor(key);
    if (press.latch) *press.latch = *press.handled = false;
    if (bool* held = heldLatchFor(key)) *held = false;
}

void onSpecialDown(int key, int, int) {
    if (bool* latch = specialLatchFor(key).latch) *latch = true;
}

void onSpecialUp(int key, int, int) {
    const PressLatch press = specialLatchFor(key);
    if (press.latch) *press.latch = *press.handled = false;
}
