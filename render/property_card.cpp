// The PropertyCard screen: one property's card over the board rectangle, with its picture,
// owner, price, rents, building costs and mortgage value.
#include <GL/gl.h>

#include "assets/textures.h"
#include "game/state.h"
#include "game/tables.h"
#include "render/screens.h"
#include "render/widgets.h"

namespace {

constexpr float labelX = -1.2f, amountX = 1.2f;

void rentRow(float y, const char* label, int amount) {
    drawText(Left, label, labelX, y, gamePlane, black);
    drawTextF(Right, amountX, y, gamePlane, black, "$%d", amount);
}

void drawStreetRents(int i) {
    static const char* const labels[6] = {"Rent",          "With 1 House",  "With 2 Houses",
                                          "With 3 Houses", "With 4 Houses", "With Hotel"};
    static const float ys[6] = {0.1f, -0.2f, -0.4f, -0.6f, -0.8f, -1.0f};
    for (int level = 0; level < 6; ++level) rentRow(ys[level], labels[level], streetRent[level][i]);
    drawTextF(Left, labelX, -1.3f, gamePlane, black, "Houses cost $%d", houseCost(i));
    drawTextF(Left, labelX, -1.5f, gamePlane, black, "Hotel, $%d plus 4 Houses", houseCost(i));
}

void drawTransportRents() {
    rentRow(0.1f, "Rent", 25);
    rentRow(-0.2f, "If 2 are owned", 50);
    rentRow(-0.4f, "If 3 are owned", 100);
    rentRow(-0.6f, "If 4 are owned", 200);
}

void drawUtilityRents(int i) {
    drawTextF(Left, labelX, 0.1f, gamePlane, black, "If %s", nameLine1(i));
    drawText(Left, "is owned, rent is", labelX, -0.1f, gamePlane, black);
    drawText(Left, "4 times amount", labelX, -0.3f, gamePlane, black);
    drawText(Left, "shown on dice.", labelX, -0.5f, gamePlane, black);
    drawText(Left, "If both Iron Moon", labelX, -1.0f, gamePlane, black);
    drawText(Left, "and Iron Moon II are owned, rent", labelX, -1.2f, gamePlane, black);
    drawText(Left, "is 10 times amount shown on dice.", labelX, -1.4f, gamePlane, black);
}

// The property the card shows: under the board cursor, or under the asset menu's cursor.
int shownProperty() {
    if (game.returnScreen == AssetMenu)
        return game.assetCursor >= 0 && game.assetCursor < propertyCount ? game.assetCursor : -1;
    return propertyAtSquare(game.boardCursor);
}

}  // namespace

void drawPropertyCard() {
    const int i = shownProperty();
    const int group = i >= 0 ? groupOf(i) : 0;
    beginFlatMode();
    glBegin(GL_QUADS);
    glColor4f(1, 1, 1, 1);
    emitRect(boardRect, gamePlane);
    if (i >= 0) {
        glColor4f(groupColourR[group], groupColourG[group], groupColourB[group], 1);
        emitRect({-0.4f, 1, 1.6f, 1.4f}, gamePlane);
    }
    glEnd();
    glColor4f(1, 1, 1, 1);
    endFlatMode();
    if (i < 0) return;

    const int owner = game.owner[i];
    const bool ownedBySeat = owner >= 0 && owner < maxSeats;
    if (ownedBySeat)
        drawText(Left, game.playerNames[owner], 0.3f, 0.8f, gamePlane, playerColour(owner));
    else
        drawText(Left, "Unowned", 0.3f, 0.8f, gamePlane, black);
    drawText(Left, "Price", 0.3f, 0.5f, gamePlane, black);
    drawTextF(Right, 1.5f, 0.5f, gamePlane, black, "$%d", propertyPrice[i]);
    const Colour title = labelColourOnGroup(group);
    if (nameLine2(i)[0] == '\0') {
        drawText(Centre, nameLine1(i), 0.6f, 1.2f, gamePlane, title);
    } else {
        drawText(Centre, nameLine1(i), 0.6f, 1.3f, gamePlane, title);
        drawText(Centre, nameLine2(i), 0.6f, 1.1f, gamePlane, title);
    }

    drawImage(propertyPictureTex[i], -1.75f, 0.3f, gamePlane, 1.2f, 1.2f);
    if (ownedBySeat)
        drawImage(ownerMarkerTex, cardOwnerStar.x0, cardOwnerStar.y0, gamePlane, cardOwnerStar.width(),
                  cardOwnerStar.height(), playerColour(owner));
    if (game.houses[i] != 0) {
        glDisable(GL_TEXTURE_2D);
        glColor3f(0, 0, 0);
        glBegin(GL_QUADS);
        emitRect(cardBuildingMark, gamePlane);
        glEnd();
        glEnable(GL_TEXTURE_2D);
    }

    drawText(Left, "Mortgage Value", labelX, -1.7f, gamePlane, black);
    drawTextF(Right, amountX, -1.7f, gamePlane, black, "$%d", mortgageValue(i));
    if (isStreet(i))
        drawStreetRents(i);
    else if (isTransport(i))
        drawTransportRents();
    else
        drawUtilityRents(i);
    glColor3f(1, 1, 1);
}

void drawPropertyCardScreen() {
    drawMenuBackdrop();
    drawTurnTitle();
    drawActionBar();
    drawPlayerPanels();
    drawPanelMarks(false);
    drawPropertyCard();
}
