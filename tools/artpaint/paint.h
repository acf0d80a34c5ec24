// Every picture of the game, painted from the game's own tables.
#pragma once

#include "tools/artpaint/canvas.h"

// Keyed pictures (cut out from black): paint on a fresh canvas and convert with keyed = true.
Canvas paintToken();
Canvas paintOwnerMarker();
Canvas paintArrow();
Canvas paintDice();
Canvas paintCardBack(int deck);
Canvas paintCardFront(int deck);
Canvas paintBanner();
// The desktop icon at any side: the banner's emblem filling the square, transparent around.
Canvas paintIcon(int side);

// Opaque pictures.
Canvas paintBackground();
Canvas paintBoard();
Canvas paintPropertyPicture(int property);

// The decks' titles, shared by the board's card squares and the cards themselves.
const char* deckTitle(int deck);
// Small emblems shared by the board, the cards and the pictures.
void drawLedgerEmblem(Canvas& c, float cx, float cy, float size);
void drawStarEmblem(Canvas& c, float cx, float cy, float size, Rgb fill, Rgb edge);
// A small side view of a spaceship, as long as the given width, pointing right or turned
// anticlockwise by the angle (radians; screen rows run downwards).
void drawShipIcon(Canvas& c, float cx, float cy, float width, Rgb body, Rgb trim, float angle = 0);
void drawMoonIcon(Canvas& c, float cx, float cy, float r, Rgb body, Rgb crater, bool ringed);
