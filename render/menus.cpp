// The full-screen menus: start and options, name entry, turn order.
#include <GL/gl.h>

#include "assets/textures.h"
#include "game/state.h"
#include "render/draw.h"
#include "render/screens.h"

static const Colour white{1, 1, 1};
static const Colour grey{0.5f, 0.5f, 0.5f};

static Colour highlight(bool chosen) { return chosen ? white : grey; }

// A 10 x 10 square behind everything at z = -6, textured and tinted.
static void drawBackdropSquare(unsigned int texture, float tint) {
    glColor3f(tint, tint, tint);
    glBindTexture(GL_TEXTURE_2D, texture);
    glBegin(GL_QUADS);
    drawTexturedQuad(-5, -5, -6, 10, 10);
    glEnd();
}

void drawStartMenu() {
    drawBackdropSquare(boardTex, 0.4f);
    drawText(Centre, "START", -0.5f, 0.5f, -2, highlight(game.menuIndex == 0));
    drawText(Centre, "OPTIONS", -0.5f, 0.3f, -2, highlight(game.menuIndex == 1));
    if (!bannerTex) return;  // a build without art has no title picture
    glColor3f(1, 1, 1);
    glBindTexture(GL_TEXTURE_2D, bannerTex);
    glBegin(GL_QUADS);
    drawTexturedQuad(2.5f, -2.3f, -5, 1, 1);
    glEnd();
}
