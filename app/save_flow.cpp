// The F4 layers: SAVE / LOAD choice, the save name, and the two slot grids.
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "app/aids.h"
#include "app/flow_internal.h"
#include "app/input.h"
#include "app/screen_flow.h"
#include "app/shell.h"
#include "save/save_file.h"

static_assert(saveSlotCount == slotCount && saveNameSize == slotNameBytes,
              "the shell's slot list must match the file");

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
    shell.saveMessage[0] = '\0';
}

void confirmSaveName() {
    if (shell.saveName[0] == '\0') return;
    ensureSaveFile(shell.slotNames, shell.slotDamaged);
    shell.saveNameDone = true;
    shell.saveSlot = 0;
}

// A failed save or load keeps the slot grid open with the reason under it; the running game
// is untouched.
void saveIntoSlot(int slot) {
    if (slot < 0 || slot >= saveSlotCount) return;
    shell.saveSlot = slot;
    const int error = saveGame(shell.saveSlot, shell.saveName);
    if (error == 0) {
        closeSaveLayers();
        aids.savedTicks = savedShownTicks;  // "Saved" only for a save the file took
        return;
    }
    std::snprintf(shell.saveMessage, sizeof shell.saveMessage, "Could not save: %s", std::strerror(error));
    ensureSaveFile(shell.slotNames, shell.slotDamaged);  // the list shows what the file now holds
}

void loadFromSlot(int slot) {
    if (slot < 0 || slot >= saveSlotCount || shell.slotNames[slot][0] == '\0') return;
    shell.saveSlot = slot;
    const LoadResult result = loadGame(shell.saveSlot, shell.saveName);
    if (result == LoadResult::Loaded || result == LoadResult::Empty) {
        closeSaveLayers();
    } else if (result == LoadResult::Damaged) {
        shell.slotDamaged[slot] = true;
        std::snprintf(shell.saveMessage, sizeof shell.saveMessage, "Slot %d is damaged and cannot be loaded",
                      slot + 1);
    } else {
        std::snprintf(shell.saveMessage, sizeof shell.saveMessage, "Could not load: %s",
                      std::strerror(errno));
    }
}

void chooseSave() {
    shell.saveMessage[0] = '\0';
    shell.saveMenuOnSave = true;
    shell.saveName[0] = '\0';
    shell.saveNameEntry = true;
}

void chooseLoad() {
    shell.saveMessage[0] = '\0';
    shell.saveMenuOnSave = false;
    ensureSaveFile(shell.slotNames, shell.slotDamaged);
    shell.saveSlot = 0;
    shell.loadListOpen = true;
}

void stepSaveLayer(Layer layer) {
    switch (layer) {
        case LayerSaveSlots:
        case LayerLoadSlots:
            moveSaveSlot();
            if (takePress(input.keyEnter, input.keyEnterHandled)) {
                if (layer == LayerLoadSlots)
                    loadFromSlot(shell.saveSlot);
                else
                    saveIntoSlot(shell.saveSlot);
            }
            break;
        case LayerSaveName:
            if (takePress(input.keyEnter, input.keyEnterHandled)) confirmSaveName();
            break;
        case LayerSaveChoice: {
            const bool left = takePress(input.keyLeft, input.keyLeftHandled);
            const bool right = takePress(input.keyRight, input.keyRightHandled);
            if (left != right) shell.saveMenuOnSave = !shell.saveMenuOnSave;
            if (takePress(input.keyEnter, input.keyEnterHandled)) {
                if (shell.saveMenuOnSave)
                    chooseSave();
                else
                    chooseLoad();
            }
            break;
        }
        default: break;
    }
}
