// The drawing half of the display callback: exactly one screen, layer or dialog per frame,
// the first that applies in a fixed order.
#include "render/frame.h"

#include <GL/gl.h>

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
    glColor3f(1, 1, 1);
}
