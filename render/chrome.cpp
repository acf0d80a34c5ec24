// What the game screens share: the turn title, the action bar, and the frame behind dialogs.
#include <GL/gl.h>

#include "game/state.h"
#include "game/tables.h"
#include "render/screens.h"
#include "render/widgets.h"

namespace {

bool currentPlayerJailed() {
    return isSeat(game.currentPlayer) && game.position[game.currentPlayer] == jailCell;
}

}  // namespace

void drawTurnTitle() {
    // During a trade offer the title names the seat that must answer it.
    if (game.tradeOfferOpen && isSeat(game.menuPlayer)) {
        drawTextF(Centre, turnTitleAt.x, turnTitleAt.y, gamePlane, playerColour(game.menuPlayer),
                  "%s answers the trade", game.playerNames[game.menuPlayer]);
        return;
    }
    const int seat = game.currentPlayer;
    if (!isSeat(seat)) return;
    drawTextF(Centre, turnTitleAt.x, turnTitleAt.y, gamePlane, playerColour(seat), "%s's TURN",
              game.playerNames[seat]);
}

void drawActionBar() {
    const bool jailed = currentPlayerJailed();
    // On the asset menu the kind row is the menu's own: with the cursor on it, the open
    // kind swings between blue and white.
    const bool kindPulses = game.screen == AssetMenu && game.assetCursor == CursorKindRow &&
                            game.menuIndex >= KindTrade && game.menuIndex <= KindMortgage;
    const float t = pulseLevel() / 10.0f;
    for (int i = 0; i < actionCount(jailed); ++i) {
        const ActionItem& item = actionItem(jailed, i);
        Colour colour = chosenOrGrey(i == game.menuIndex);
        if (kindPulses && i == game.menuIndex) colour = {t, t, 1};
        drawText(Centre, item.label, item.x, actionBarY, gamePlane, colour);
    }
    glColor3f(1, 1, 1);
}

void drawDialogFrame() {
    drawMenuBackdrop();
    drawTurnTitle();
    drawActionBar();
    drawPlayerPanels();
    drawPanelMarks(false);
    outlineRect(boardRect, gamePlane, white);
}
