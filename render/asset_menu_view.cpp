// The AssetMenu screen: one seat's properties as tiles in the board rectangle, with its jail
// cards, cash, the amount line and its arrows, and the Confirm and Back buttons. The same
// view serves trading, buying houses and mortgaging.
#include <GL/gl.h>

#include "game/state.h"
#include "game/tables.h"
#include "ui/labels.h"
#include "render/screens.h"
#include "render/widgets.h"

namespace {

bool ownsProperty(int seat, int i) { return game.owner[i] == seat; }

// A mortgaged property's tile is a dark shade of its group colour with a white edge.
constexpr float mortgagedShade = 0.35f;
bool mortgaged(int property) { return game.houses[property] < 0; }
Colour tileColour(int property) {
    const int g = groupOf(property);
    const float k = mortgaged(property) ? mortgagedShade : 1;
    return {groupColourR[g] * k, groupColourG[g] * k, groupColourB[g] * k};
}

void composeAmountLine(char* line, size_t size, int seat) {
    amountLineText(line, size, game.menuIndex, game.money[seat], game.tradeMoney, game.houseCount);
}

// White tiles behind what is selected.
void drawSelectedTiles(int seat) {
    beginFlatMode();
    glColor4f(1, 1, 1, 1);
    glBegin(GL_QUADS);
    for (int i = 0; i < propertyCount; ++i)
        if (ownsProperty(seat, i) && game.selected[i])
            emitRect(assetSelectedTile(propertySlot[i]), gamePlane);
    glEnd();
    endFlatMode();
}

// The blinking bar on whatever the cursor rests on; the kind row blinks in the action bar.
void drawCursorBar(const char* line) {
    const int at = game.assetCursor;
    if (at >= 0 && at < propertyCount) {
        drawBlinkingBar(assetCursorBar(propertySlot[at]), gamePlane);
    } else if (at == CursorConfirm) {
        drawBlinkingBar(confirmBar, gamePlane);
    } else if (at == CursorBack) {
        drawBlinkingBar(backBar, gamePlane);
    } else if (at == CursorAmount) {
        const int digits = amountLineDigits(line);
        if (digits == 0) {
            drawBlinkingBar(game.houseCount < 0 ? unmortgageWordBar : mortgageWordBar, gamePlane);
            return;
        }
        const int k = game.amountDigit < 0 ? 0 : (game.amountDigit >= digits ? digits - 1 : game.amountDigit);
        const DigitSpan span = amountDigitSpan(line, k, amountLineAt.x);
        drawBlinkingBar({span.x0, amountBarBottom, span.x0 + span.w, amountBarTop}, gamePlane);
    }
}

void drawJailCards(int seat) {
    const float alpha = pulseLevel() / 10.0f;
    for (int d = 0; d < 2; ++d) {
        if (game.jailCardHolder[d] != seat) continue;
        const bool underCursor = game.assetCursor == (d == 0 ? CursorJailCard0 : CursorJailCard1);
        fillRect(jailTile(d), gamePlane, 1, 1, 1, underCursor ? alpha : 1);
        const Point at = jailTileTextAt(d);
        drawText(Centre, "Free", at.x, at.y, gamePlane, game.jailCardSelected[d] ? yellow : black);
    }
}

void drawTiles(int seat) {
    beginFlatMode();
    glBegin(GL_QUADS);
    for (int i = 0; i < propertyCount; ++i) {
        if (!ownsProperty(seat, i)) continue;
        const Colour c = tileColour(i);
        glColor4f(c.r, c.g, c.b, 1);
        emitRect(assetBand(propertySlot[i]), gamePlane);
    }
    glEnd();
    glColor4f(1, 1, 1, 1);
    endFlatMode();
    for (int i = 0; i < propertyCount; ++i)
        if (ownsProperty(seat, i) && mortgaged(i)) outlineRect(assetBand(propertySlot[i]), gamePlane, white);
    for (int i = 0; i < propertyCount; ++i) {
        if (!ownsProperty(seat, i)) continue;
        const Point at = assetNameAt(propertySlot[i]);
        drawText(Centre, shortName(i).text, at.x, at.y, gamePlane, labelColourOn(tileColour(i)));
    }
}

// A red triangle above and below every digit of the amount, for clicking.
void drawAmountArrows(const char* line) {
    const int digits = amountLineDigits(line);
    glDisable(GL_TEXTURE_2D);
    glColor3f(1, 0, 0);
    glBegin(GL_TRIANGLES);
    for (int k = 0; k < digits; ++k) {
        const DigitSpan s = amountDigitSpan(line, k, amountLineAt.x);
        glVertex3f(s.x0, upArrowBase, gamePlane);
        glVertex3f(s.x0 + s.w / 2, upArrowTip, gamePlane);
        glVertex3f(s.x0 + s.w, upArrowBase, gamePlane);
        glVertex3f(s.x0, downArrowBase, gamePlane);
        glVertex3f(s.x0 + s.w / 2, downArrowTip, gamePlane);
        glVertex3f(s.x0 + s.w, downArrowBase, gamePlane);
    }
    glEnd();
    glColor3f(1, 1, 1);
    glEnable(GL_TEXTURE_2D);
}

}  // namespace

void drawAssetMenu() {
    const int seat = game.menuPlayer;
    drawDialogFrame();  // the menu sits where dialogs do: over the board's outline
    if (seat < 0 || seat >= maxSeats) return;

    char line[40];
    composeAmountLine(line, sizeof line, seat);
    drawSelectedTiles(seat);
    advancePulse();
    drawCursorBar(line);
    drawJailCards(seat);
    drawTiles(seat);
    const Colour colour = playerColour(seat);
    drawTextF(Centre, menuCashAt.x, menuCashAt.y, gamePlane, colour, "$%d", game.money[seat]);
    drawText(Right, line, amountLineAt.x, amountLineAt.y, gamePlane, white);
    drawAmountArrows(line);
    drawTextAt(Centre, game.playerNames[seat], menuPlayerNameAt, gamePlane, colour);
    drawTextAt(Centre, "Confirm", confirmAt, gamePlane, white);
    drawTextAt(Centre, game.tradePartnerSide ? "Back to Trade" : "Back to Game", backAt, gamePlane, white);
    glColor3f(1, 1, 1);
}
