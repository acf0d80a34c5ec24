// The full-screen menus: start and options, name entry, turn order and the quit question.
#include <GL/gl.h>

#include <cstdio>

#include "assets/textures.h"
#include "game/state.h"
#include "game/tables.h"
#include "game/text.h"
#include "render/screens.h"
#include "render/widgets.h"

namespace {

void menuText(int align, const char* text, float x, float y, Colour colour) {
    drawText(align, text, x, y, menuPlane, colour);
}

// The board itself, tinted, behind the start and options menus.
void drawBoardBackdrop(float tint) { drawImage(boardTex, -5, -5, backdropPlane, 10, 10, {tint, tint, tint}); }

const char* middleOptionText(int option) {
    switch (option) {
        case 1: return "$0";
        case 2: return "$500";
        default: return "Off";
    }
}

// The options screen is light: the chosen row is black, the others grey.
Colour optionRowColour(int row) { return row == game.menuIndex ? black : grey; }

}  // namespace

void drawStartMenu() {
    drawBoardBackdrop(0.4f);
    fillRect(startPlate, startPlatePlane, 0, 0, 0, 0.55f);
    menuText(Centre, "START", startAt.x, startAt.y, chosenOrGrey(game.menuIndex == 0));
    menuText(Centre, "OPTIONS", optionsAt.x, optionsAt.y, chosenOrGrey(game.menuIndex == 1));
    if (!bannerTex) return;  // a build without art has no title picture
    drawImage(bannerTex, 2.5f, -2.3f, gamePlane, 1, 1);
}

void drawOptionsMenu() {
    drawBoardBackdrop(1);
    fillRect({-5, -5, 5, 5}, -5.5f, 1, 1, 1, 0.7f);

    glColor3f(1, 1, 0);
    glBindTexture(GL_TEXTURE_2D, arrowTex);
    glBegin(GL_QUADS);
    for (int row = 0; row < 4; ++row) {
        drawTexturedQuad(increaseArrowX, optionArrowY(row), gamePlane, optionArrowSide, optionArrowSide);
        drawTexturedQuadMirrored(decreaseArrowX, optionArrowY(row), gamePlane, optionArrowSide,
                                 optionArrowSide);
    }
    glEnd();

    static const char* const labels[optionRowCount] = {"PLAYERS", "COMPUTERS", "Money in the Middle",
                                                       "BIDDING", "BACK TO MENU"};
    for (int row = 0; row < optionRowCount; ++row)
        menuText(Left, labels[row], optionLabelX, optionRowY(row), optionRowColour(row));
    drawTextF(Centre, optionValueX, optionRowY(0), menuPlane, optionRowColour(0), "%d", game.humanCount);
    drawTextF(Centre, optionValueX, optionRowY(1), menuPlane, optionRowColour(1), "%d", game.computerCount);
    menuText(Centre, middleOptionText(game.middleOption), optionValueX, optionRowY(2), optionRowColour(2));
    menuText(Centre, game.biddingOption ? "On" : "Off", optionValueX, optionRowY(3), optionRowColour(3));

    drawText(Left, "Press F1 at any time during play to view help menu", -2.4f, -1.3f, -4, black);
    drawText(Left, "Press F4 at any time during play to view save/load menu", -2.4f, -1.5f, -4, black);
    glColor3f(1, 1, 1);
}

void drawNameEntry() {
    drawMenuBackdrop();
    const int entry = game.currentPlayer;
    const bool human = entry < game.humanCount;
    const int n = human ? entry + 1 : entry - game.humanCount + 1;
    drawTextF(Centre, 0, 0.5f, menuPlane, white,
              human ? "Enter name for Player%d" : "Enter name for Computer%d", n);
    if (entry < 0 || entry >= maxSeats) return;
    advancePulse();
    // Until something is typed the default name shows in grey, the caret after it.
    char shown[16];
    if (game.playerNames[entry][0] != '\0') {
        copyText(shown, game.playerNames[entry], sizeof shown);
        menuText(Centre, shown, 0, 0, white);
    } else {
        std::snprintf(shown, sizeof shown, "%c%d", human ? 'P' : 'C', n);
        menuText(Centre, shown, 0, 0, grey);
        drawText(Centre, "Type a name, or ENTER keeps this one", nameHintAt.x, nameHintAt.y, gamePlane, grey);
    }
    drawCaretAfter(shown, 0, 0, menuPlane);
}

void drawTurnOrder() {
    static const char* const ordinals[maxSeats] = {"first", "second", "third",   "fourth",
                                                   "fifth", "sixth",  "seventh", "eighth"};
    drawMenuBackdrop();
    menuText(Left, "TURN ORDER", -0.6f, 0.7f, white);
    const int seats = playersInPlay();
    for (int i = 0; i < seats && i < maxSeats; ++i)
        drawTextF(Left, -0.6f, 0.7f - 0.175f * (i + 1), menuPlane, playerColour(i), "%s is %s",
                  game.playerNames[i], ordinals[i]);
    glColor3f(1, 1, 1);
}

void drawQuitQuestion() {
    drawMenuBackdrop();
    menuText(Centre, "Are you sure", 0, 0.5f, white);
    menuText(Centre, "you want to quit?", 0, 0.3f, white);
    menuText(Centre, "YES", quitYesAt.x, quitYesAt.y, game.quitYes ? yellow : grey);
    menuText(Centre, "NO", quitNoAt.x, quitNoAt.y, game.quitYes ? grey : yellow);
    glColor3f(1, 1, 1);
}
