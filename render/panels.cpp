// The player panels around the board: number, name and cash of each seat, a coloured cell
// for every property it owns, its jail cards, and the black marks on built-on, mortgaged
// and jail-card cells.
#include <GL/gl.h>

#include "game/state.h"
#include "game/tables.h"
#include "render/board_scene.h"
#include "render/screens.h"
#include "render/widgets.h"

namespace {

// The panel place of a seat that is in play, or -1.
int placeOf(int seat) {
    if (seat < 0 || seat >= maxSeats || seat >= playersInPlay()) return -1;
    const int place = game.tokenSlot[seat];
    return place >= 0 && place < maxSeats ? place : -1;
}

// A 0.12 black square; inside glBegin(GL_QUADS).
void emitMark(float x, float y) { emitRect(rectAt(x, y, 0.12f, 0.12f), gamePlane); }

void drawBuildingMark(int property) {
    const int place = placeOf(game.owner[property]);
    if (place < 0) return;
    const Rect cell = panelCell(place, propertySlot[property]);
    emitMark(cell.x0 + 0.04f, cell.y0 - 0.02f);
}

// Four marks down the middle of a held jail card make a bar through it.
void drawJailCardBar(int deck) {
    const int place = placeOf(game.jailCardHolder[deck]);
    if (place < 0) return;
    const float x = panelColumn(place) * 5.3f - 2 + 0.04f;
    for (int j = 0; j < 4; ++j) emitMark(x, 1.7f - panelRow(place) - j * 0.1f - deck * 0.4f - 0.02f);
}

}  // namespace

void drawPlayerPanels() {
    const int seats = playersInPlay();
    for (int p = 0; p < seats && p < maxSeats; ++p) {
        const int place = placeOf(p);
        if (place < 0) continue;
        const Colour c = playerColour(p);
        drawTextF(Left, panelX(place), panelTitleY(place), gamePlane, c, "%d %s", p + 1, game.playerNames[p]);
        drawTextF(Right, panelCashX(place), panelTitleY(place), gamePlane, c, "$%d", game.money[p]);
    }
    beginFlatMode();
    glBegin(GL_QUADS);
    for (int i = 0; i < propertyCount; ++i) {
        const int place = placeOf(game.owner[i]);
        if (place < 0) continue;
        const int group = groupOf(i);
        glColor4f(groupColourR[group], groupColourG[group], groupColourB[group], 1);
        emitRect(panelCell(place, propertySlot[i]), gamePlane);
    }
    glColor4f(1, 1, 1, 1);
    for (int d = 0; d < 2; ++d) {
        const int place = placeOf(game.jailCardHolder[d]);
        if (place >= 0) emitRect(panelJailCell(place, d), gamePlane);
    }
    glEnd();
    endFlatMode();
}

void drawPanelMarks(bool withBoard) {
    // Level by level: mortgaged first, then one to four houses, then hotels. Marks never
    // overlap, so each kind goes out in one batch.
    static const int levels[6] = {-1, 1, 2, 3, 4, hotelLevel};
    int order[propertyCount];
    int count = 0;
    for (int level : levels)
        for (int i = 0; i < propertyCount; ++i)
            if (game.houses[i] == level) order[count++] = i;
    if (withBoard) drawBoardBuildingMarkers(order, count);
    glDisable(GL_TEXTURE_2D);
    glColor3f(0, 0, 0);
    glBegin(GL_QUADS);
    for (int k = 0; k < count; ++k) drawBuildingMark(order[k]);
    for (int d = 0; d < 2; ++d) drawJailCardBar(d);
    glEnd();
    glColor3f(1, 1, 1);
    glEnable(GL_TEXTURE_2D);
}
