// The save and load layer: the SAVE / LOAD choice, the save name, and the grid of 30 slots.
#include <GL/gl.h>

#include "app/shell.h"
#include "game/text.h"
#include "render/screens.h"
#include "render/widgets.h"

void drawSaveLoadChoice() {
    drawMenuBackdrop();
    drawText(Centre, "SAVE OR LOAD A GAME", 0, 0.5f, menuPlane, white);
    drawTextAt(Centre, "LEFT / RIGHT, ENTER to choose, F4 to go back", saveHintAt, gamePlane, grey);
    drawTextAt(Centre, "SAVE", saveChoiceAt, menuPlane, chosenOrGrey(shell.saveMenuOnSave));
    drawTextAt(Centre, "LOAD", loadChoiceAt, menuPlane, chosenOrGrey(!shell.saveMenuOnSave));
    glColor3f(1, 1, 1);
}

void drawSaveNameEntry() {
    drawMenuBackdrop();
    drawText(Centre, "Enter name of save file", 0, 0.5f, menuPlane, white);
    drawText(Centre, shell.saveName, 0, 0, menuPlane, white);
    advancePulse();
    drawCaretAfter(shell.saveName, 0, 0, menuPlane);
    drawTextAt(Centre, "ENTER to go on, F4 to go back", saveHintAt, gamePlane, grey);
    glColor3f(1, 1, 1);
}

void drawSlotList(bool saving) {
    drawMenuBackdrop();
    drawTextAt(Centre, saving ? "SELECT SAVE SLOT" : "SELECT GAME TO LOAD", slotTitleAt, gamePlane, white);
    beginFlatMode();
    glBegin(GL_QUADS);
    for (int s = 0; s < saveSlotCount; ++s) {
        if (s == shell.saveSlot)
            glColor4f(0, 0, 1, 0.5f);
        else if (shell.slotDamaged[s])
            glColor4f(1, 0, 0, 0.5f);  // cannot be loaded
        else
            glColor4f(1, 1, 1, 0.5f);
        emitRect(slotBox(s), gamePlane);
    }
    glEnd();
    glColor4f(1, 1, 1, 1);
    endFlatMode();
    for (int s = 0; s < saveSlotCount; ++s) {
        const Point at = slotLabelAt(s);
        // The stored name may come from a damaged file: never read past its field.
        char name[saveNameSize];
        copyText(name, shell.slotNames[s], sizeof name);
        // The highlighted slot is a dark blue: its label turns white.
        const Colour ink = s == shell.saveSlot ? white : black;
        if (shell.slotDamaged[s])
            drawTextF(Centre, at.x, at.y, gamePlane, ink, "%d damaged", s + 1);
        else
            drawTextF(Centre, at.x, at.y, gamePlane, ink, "%d %s", s + 1, name);
    }
    if (saving) drawTextAt(Centre, shell.saveName, slotTypedNameAt, gamePlane, white);
    // Why the last save or load failed, in place of the hint until the layer closes.
    if (shell.saveMessage[0] != '\0')
        drawTextAt(Centre, shell.saveMessage, slotHintAt, gamePlane, yellow);
    else
        drawTextAt(Centre, "Arrows and ENTER choose a slot, F4 goes back", slotHintAt, gamePlane, grey);
    glColor3f(1, 1, 1);
}
