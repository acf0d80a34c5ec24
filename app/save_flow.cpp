// The F4 layers: SAVE / LOAD choice, the save name, and the two slot grids.
#include <cstring>

#include "app/aids.h"
#include "app/flow_internal.h"
#include "app/input.h"
#include "app/screen_flow.h"
#include "app/shell.h"
#include "render/text_metrics.h"
#include "save/save_file.h"

// Arrow moves within the 3 x 10 grid, wrapping inside the grid and inside a column.
static void moveSaveSlot() {
    int& slot = shell.saveSlot;
    if (takePress(input.keyRight, input.keyRightHandled)) slot = slot + 10 > 29 ? slot - 20 : slot + 10;
    if (takePress(input.keyLeft, input.keyLeftHandled)) slot = slot - 10 < 0 ? slot + 20 : slot - 10;
    if (takePress(input.keyUp, input.keyUpHandled)) slot = slot % 10 == 0 ? slot + 9 : slot - 1;
    if (takePress(input.keyDown, input.keyDownHandled)) slot = slot % 10 == 9 ? slot - 9 : slot + 1;
}

static void closeSaveLayers() {
    shell.saveMenuOpen = shell.loadListOpen = shell.saveNameEntry = shell.saveNameDone = false;
}

void confirmSaveName() {
    if (shell.saveName[0] == '\0') return;
    ensureSaveFile();
    shell.saveNameDone = true;
    shell.saveSlot = 0;
}

void saveIntoSlot(int slot) {
    if (slot < 0 || slot >= saveSlotCount) return;
    shell.saveSlot = slot;
    saveGame();
    closeSaveLayers();
    // "Saved" only when the file now names the slot so: a save that failed (a read-only
    // directory) must not be reported as done. (Overwriting a slot of the same name cannot be
    // told apart this way; the save layer's own result would settle that.)
    char name[saveNameSize];
    copyText(name, shell.saveName, sizeof name);
    ensureSaveFile();
    if (std::strncmp(shell.slotNames[slot], name, saveNameSize) == 0) aids.savedTicks = savedShownTicks;
}

void loadFromSlot(int slot) {
    if (slot < 0 || slot >= saveSlotCount || shell.slotNames[slot][0] == '\0') return;
    shell.saveSlot = slot;
    loadGame();
    closeSaveLayers();
}

void chooseSave() {
    shell.saveMenuOnSave = true;
    shell.saveName[0] = '\0';
    shell.saveNameEntry = true;
}

void chooseLoad() {
    shell.saveMenuOnSave = false;
    ensureSaveFile();
    shell.saveSlot = 0;
    shell.loadListOpen = true;
}

bool stepSaveLayers() {
    if (shell.loadListOpen || (shell.saveNameEntry && shell.saveNameDone)) {
        moveSaveSlot();
        if (takePress(input.keyEnter, input.keyEnterHandled)) {
            if (shell.loadListOpen)
                loadFromSlot(shell.saveSlot);
            else
                saveIntoSlot(shell.saveSlot);
        }
        return true;
    }
    if (shell.saveNameEntry) {
        if (takePress(input.keyEnter, input.keyEnterHandled)) confirmSaveName();
        return true;
    }
    if (shell.saveMenuOpen) {
        const bool left = takePress(input.keyLeft, input.keyLeftHandled);
        const bool right = takePress(input.keyRight, input.keyRightHandled);
        if (left != right) shell.saveMenuOnSave = !shell.saveMenuOnSave;
        if (takePress(input.keyEnter, input.keyEnterHandled)) {
            if (shell.saveMenuOnSave)
                chooseSave();
            else
                chooseLoad();
        }
        return true;
    }
    return false;
}
