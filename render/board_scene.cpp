// The Board screen: the board image through the zoom-and-pan window, the cursor, tokens,
// ownership and building markers, the dice, the middle pot and the drawn card.
#include "render/board_scene.h"

#include <GL/gl.h>

#include <cmath>

#include "assets/textures.h"
#include "game/state.h"
#include "game/tables.h"
#include "render/screens.h"
#include "render/widgets.h"

namespace {

BoardWindow currentWindow() { return boardWindow(game.zoom, game.panX, game.panY); }

// The part of [lo, lo + size] that the window [origin, origin + extent] shows, as fractions.
void visibleFractions(float lo, float size, float origin, float extent, float& from, float& to) {
    if (origin <= lo)
        from = 0;
    else if (origin >= lo + size)
        from = 1;
    else
        from = (origin - lo) / size;
    if (lo > origin + extent)
        to = 0;
    else if (lo + size <= origin + extent)
        to = 1;
    else
        to = (origin + extent - lo) / size;
}

// A board rectangle cut to the window; what lies outside collapses to nothing.
void drawClippedBoardRect(float u, float v, float w, float h) {
    const BoardWindow window = currentWindow();
    float left, right, bottom, top;
    visibleFractions(u, w, window.originU, window.size, left, right);
    visibleFractions(v, h, window.originV, window.size, bottom, top);
    const float fs[4][2] = {{left, bottom}, {right, bottom}, {right, top}, {left, top}};
    for (const auto& f : fs) {
        const Point eye = boardToEyeIn(window, u + f[0] * w, v + f[1] * h);
        glTexCoord2f(f[0], f[1]);
        glVertex3f(eye.x, eye.y, gamePlane);
    }
}

bool validSquare(int square) { return square >= 0 && square <= squareCount; }

void drawBoardImage() {
    const BoardWindow w = currentWindow();
    glColor3f(1, 1, 1);
    glBindTexture(GL_TEXTURE_2D, boardTex);
    glBegin(GL_QUADS);
    glTexCoord2f(w.originU, w.originV);
    glVertex3f(boardRect.x0, boardRect.y0, gamePlane);
    glTexCoord2f(w.originU + w.size, w.originV);
    glVertex3f(boardRect.x1, boardRect.y0, gamePlane);
    glTexCoord2f(w.originU + w.size, w.originV + w.size);
    glVertex3f(boardRect.x1, boardRect.y1, gamePlane);
    glTexCoord2f(w.originU, w.originV + w.size);
    glVertex3f(boardRect.x0, boardRect.y1, gamePlane);
    glEnd();
}

void drawCursorHighlight() {
    if (game.boardCursor == jailCell) game.boardCursor = jailSquare;  // the cell is shown by its corner
    const int c = game.boardCursor;
    if (c < 0 || c >= squareCount) return;
    beginFlatMode();
    glColor4f(0, 0, 1, 0.6f);
    glBegin(GL_QUADS);
    drawClippedBoardSquare(game.squareSpotX[c], game.squareSpotY[c], 0.05f);
    glEnd();
    glColor4f(1, 1, 1, 1);
    endFlatMode();
}

// The current player's token fades to white and back over 20 frames.
Colour tokenColour(int seat) {
    Colour c = playerColour(seat);
    if (seat != game.currentPlayer) return c;
    const float t = pulseLevel() / 10.0f;
    return {c.r + (1 - c.r) * t, c.g + (1 - c.g) * t, c.b + (1 - c.b) * t};
}

void drawTokens() {
    advancePulse();
    glBindTexture(GL_TEXTURE_2D, tokenTex);
    glBegin(GL_QUADS);
    for (int p = playersInPlay() - 1; p >= 0; --p) {  // seat 0 ends on top
        if (p >= maxSeats || game.bankrupt[p]) continue;
        const int s = game.position[p];
        const int k = game.tokenSlot[p];
        if (!validSquare(s) || k < 0 || k >= maxSeats) continue;
        const Colour c = tokenColour(p);
        glColor3f(c.r, c.g, c.b);
        drawClippedBoardSquare(game.tokenSpotX[s][k], game.tokenSpotY[s][k], 0.03f);
    }
    glEnd();
    glColor3f(1, 1, 1);
}

void drawOwnerMarkers() {
    glBindTexture(GL_TEXTURE_2D, ownerMarkerTex);
    glBegin(GL_QUADS);
    for (int i = 0; i < propertyCount; ++i) {
        const int owner = game.owner[i];
        if (owner < 0 || owner >= maxSeats) continue;
        const Colour c = playerColour(owner);
        glColor3f(c.r, c.g, c.b);
        drawClippedBoardSquare(game.propertySpotX[i], game.propertySpotY[i], ownerStarSide);
    }
    glEnd();
    glColor3f(1, 1, 1);
}

// Die value d (0..5) on a 0.5 square turned by `degrees` about its corner (x, y).
void drawDie(int d, float x, float y, float degrees) {
    d = d < 0 ? 0 : (d > 5 ? 5 : d);
    const int column = d / 3;
    const float s0 = 2.0f * column / 3;
    const float t0 = (3.0f * column - d + 2) / 3;
    const float third = 1.0f / 3;
    const float radians = degrees * 3.14159265f / 180;
    const float ax = dieSide * std::cos(radians), ay = dieSide * std::sin(radians);  // along the bottom
    const float bx = -ay, by = ax;                                                   // up the side
    glTexCoord2f(s0, t0);
    glVertex3f(x, y, gamePlane);
    glTexCoord2f(s0 + third, t0);
    glVertex3f(x + ax, y + ay, gamePlane);
    glTexCoord2f(s0 + third, t0 + third);
    glVertex3f(x + ax + bx, y + ay + by, gamePlane);
    glTexCoord2f(s0, t0 + third);
    glVertex3f(x + bx, y + by, gamePlane);
}

void drawDice() {
    glColor3f(1, 1, 1);
    glBindTexture(GL_TEXTURE_2D, diceTex);
    glBegin(GL_QUADS);
    for (int d = 0; d < 2; ++d) drawDie(game.dice[d], diePlaces[d].x, diePlaces[d].y, diePlaces[d].degrees);
    glEnd();
}

// The pot as a banknote: the amount between two dollar signs on green.
void drawMiddleBanner() {
    const Rect note = middleBanner;
    const float y = (note.y0 + note.y1) / 2;
    glDisable(GL_TEXTURE_2D);
    glColor3f(0, 0.75f, 0);
    glBegin(GL_QUADS);
    emitRect(note, gamePlane);
    glEnd();
    glEnable(GL_TEXTURE_2D);
    drawTextF(Centre, (note.x0 + note.x1) / 2, y, gamePlane, black, "%d", game.middlePot);
    drawText(Left, "$", note.x0, y, gamePlane, black);
    drawText(Right, "$", note.x1, y, gamePlane, black);
    glColor3f(1, 1, 1);
}

// The drawn card flips over in 30-frame phases: back, back turning, front turning, front.
void drawCard() {
    const int deck = game.activeDeck == 1 ? 1 : 0;
    const int timer = game.cardTimer;
    const int phase = timer / 30;
    const float bottom = -1.95f, full = 3.4f;
    if (phase >= 5) {
        drawImage(cardBackTex[deck], -1.7f, bottom, gamePlane, full, full);
    } else if (phase == 4) {
        drawImage(cardBackTex[deck], (120 - timer) / 17.647058f, bottom, gamePlane, (timer - 120) / 8.823529f,
                  full);
    } else if (phase == 3) {
        drawImage(cardFrontTex[deck], (timer - 120) / 17.647058f, bottom, gamePlane,
                  (120 - timer) / 8.823529f, full);
    } else {
        drawImage(cardFrontTex[deck], -1.7f, bottom, gamePlane, full, full);
        const int card = game.deckOrder[deck][0];
        if (card < 0 || card >= deckSize) return;
        drawText(Centre, cardTexts[deck * deckSize + card], 0, 0, gamePlane, black);
        for (int line = 0; line < 2; ++line)
            if (const char* note = cardRules[deck][card].notes[line])
                drawText(Centre, note, 0, -0.2f * (line + 1), gamePlane, black);
        glColor3f(1, 1, 1);
    }
}

// Pips on a building marker tell the level apart at a glance: a dash for a mortgage, one to
// four dots for houses, a red block for a hotel. The black square itself is the marker.
// Inside glBegin(GL_QUADS).
void drawLevelPips(float u, float v, int level) {
    static const float dots[4][2] = {
        {0.0055f, 0.0175f}, {0.0175f, 0.0055f}, {0.0175f, 0.0175f}, {0.0055f, 0.0055f}};
    if (level < 0) {
        glColor3f(1, 1, 1);
        drawClippedBoardRect(u + 0.005f, v + 0.0125f, 0.02f, 0.005f);
    } else if (level == hotelLevel) {
        glColor3f(0.9f, 0.1f, 0.1f);
        drawClippedBoardRect(u + 0.007f, v + 0.007f, 0.016f, 0.016f);
    } else {
        glColor3f(1, 1, 1);
        for (int i = 0; i < level && i < 4; ++i)
            drawClippedBoardRect(u + dots[i][0], v + dots[i][1], 0.007f, 0.007f);
    }
}

Point markerCorner(int property) {
    const Point offset = boardMarkOffset(propertySquare[property]);
    return {game.propertySpotX[property] + offset.x, game.propertySpotY[property] + offset.y};
}

}  // namespace

Point boardToEye(float u, float v) { return boardToEyeIn(currentWindow(), u, v); }

void drawClippedBoardSquare(float u, float v, float side) { drawClippedBoardRect(u, v, side, side); }

void drawBoardBuildingMarkers(const int* properties, int count) {
    glDisable(GL_TEXTURE_2D);
    glColor3f(0, 0, 0);
    glBegin(GL_QUADS);
    for (int k = 0; k < count; ++k) {
        const Point at = markerCorner(properties[k]);
        drawClippedBoardSquare(at.x, at.y, boardMarkSide);
    }
    for (int k = 0; k < count; ++k) {
        const Point at = markerCorner(properties[k]);
        drawLevelPips(at.x, at.y, game.houses[properties[k]]);
    }
    glEnd();
    glColor3f(1, 1, 1);
    glEnable(GL_TEXTURE_2D);
}

void drawBoardScene() {
    drawMenuBackdrop();
    drawBoardImage();
    drawTurnTitle();
    drawActionBar();
    drawPlayerPanels();
    drawCursorHighlight();
    drawTokens();
    drawOwnerMarkers();
    drawPanelMarks(true);
    if (game.moving) drawDice();
    if (game.middleOption > 0) drawMiddleBanner();
    if (game.cardTimer > 0 && game.noticeTimer == 0) drawCard();
    glColor3f(1, 1, 1);
}
