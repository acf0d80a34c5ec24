// The drawing half of the display callback: exactly one screen, layer or dialog per frame,
// the first that applies in a fixed order.
#include "render/frame.h"

#include <GL/gl.h>

#include "app/aids.h"
#include "app/screen_flow.h"
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
    const Layer top = topLayer();
    switch (top) {
        case LayerHelp: drawHelpScreen(); break;
        case LayerStatistics: drawStatsView(); break;
        case LayerSaveName: drawSaveNameEntry(); break;
        case LayerSaveSlots: drawSlotList(true); break;
        case LayerLoadSlots: drawSlotList(false); break;
        case LayerSaveChoice: drawSaveLoadChoice(); break;
        case LayerQuit: drawQuitQuestion(); break;
        default:
            if (promptLayerOpen()) {
                drawDialogFrame();
                drawDialog(top);
            } else {
                drawScreen();
            }
            break;
    }
    if (aids.savedTicks > 0) drawSavedNote();
    glColor3f(1, 1, 1);
}
