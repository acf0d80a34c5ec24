// The drawing half of the display callback: exactly one screen, layer or dialog per frame,
// the first that applies in a fixed order.
#include "render/frame.h"

#include <GL/gl.h>

#include "app/aids.h"
#include "app/screen_flow.h"
#include "app/shell.h"
#include "game/state.h"
#include "render/screens.h"
#include "render/widgets.h"

namespace {

void drawScreen() {
    switch (game.screen) {
        case StartMenu: drawStartMenu(); break;
        case OptionsMenu: drawOptionsMenu(); break;
        case Board: drawBoardScene(); break;
        case AssetMenu: drawAssetMenu(); break;
        case PropertyCard: drawPropertyCardScreen(); break;
        case TurnOrder: drawTurnOrder(); break;
        case NameEntry: drawNameEntry(); break;
        default: drawMenuBackdrop(); break;  // no such screen: an empty sky rather than garbage
    }
}

// A short "Saved" on a dark plate in the middle of whatever shows.
void drawSavedNote() {
    fillRect(savedPlate, gamePlane + 0.01f, 0, 0, 0, 0.8f);
    drawTextAt(Centre, "Saved", savedNoteAt, gamePlane + 0.01f, white);
}

}  // namespace

void drawFrame() {
    if (shell.helpOpen) {
        drawHelpScreen();
    } else if (shell.saveNameEntry) {
        if (shell.saveNameDone)
            drawSlotList(true);
        else
            drawSaveNameEntry();
    } else if (shell.loadListOpen) {
        drawSlotList(false);
    } else if (shell.saveMenuOpen) {
        drawSaveLoadChoice();
    } else if (game.quitConfirmOpen) {
        drawQuitQuestion();
    } else if (!promptLayerOpen()) {
        drawScreen();
    } else {
        drawDialogFrame();
        drawDialog();
    }
    if (aids.savedTicks > 0) drawSavedNote();
    glColor3f(1, 1, 1);
}
