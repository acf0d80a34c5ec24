// The board screen in a real GL context: the board quad's place, zoom and pan as a choice of
// texture window, clipping at the board's edge, the card's phases and the panels.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include "app/shell.h"
#include "assets/textures.h"
#include "game/rules.h"
#include "render/board_scene.h"
#include "render/probe.h"
#include "support/fixtures.h"

namespace {

// Two seats with the set-up's geometry; the cursor off the board, no dice, no pot.
void boardWithTwoSeats() {
    twoSeatsOnBoard();
    game.boardCursor = 30;
}

void zoomTo(float zoom, float panX, float panY) {
    game.zoom = zoom;
    game.panX = panX;
    game.panY = panY;
}

constexpr Pixel greenPixel{0, 255, 0};

}  // namespace

// The board (-1.75, -2)..(1.75, 1.5) at z -5 lies within columns 300..900; the panels beside it
// show cash with its sign after the dollar; each Board frame moves the pulse on, 19 wrapping to 0.
TEST(BoardScene, BoardQuadPanelsAndPulse) {
    PlainTextures plain;
    boardWithTwoSeats();
    game.money[1] = -120;
    game.pulseStep = 18;
    const std::vector<Pixel> frame = drawAndRead();
    const Span across = colourSpan(frame, boardPixel, 0, 1199, 400, 400);
    EXPECT_GT(across.first, 300);
    EXPECT_LT(across.last, 900);
    EXPECT_NEAR(across.first, designX(-1.75f, -5), 1.0);
    EXPECT_NEAR(across.last, designX(1.75f, -5), 1.0);
    int top = -1, bottom = -1;
    for (int y = 0; y < 700; ++y)
        if (same(pixelAt(frame, 600, y), boardPixel)) {
            if (top < 0) top = y;
            bottom = y;
        }
    EXPECT_NEAR(top, designY(1.5f, -5), 1.0);
    EXPECT_NEAR(bottom, designY(-2.0f, -5), 1.0);
    expectTextAt(frame, Left, "1 P1", -3.5f, 0.9f, -5, bluePixel);
    expectTextAt(frame, Right, "$-120", 3.5f, 0.9f, -5, redPixel);
    EXPECT_EQ(game.pulseStep, 19);
    drawAndRead();
    EXPECT_EQ(game.pulseStep, 0);
}

// Zoom 0.5 with pan (0.25, -0.25) shows only the lower-right quarter over the whole board;
// zoom 1 shows all four quarters.
TEST(BoardScene, ZoomAndPanChooseTheTextureWindow) {
    PlainTextures plain;
    boardWithTwoSeats();
    // Lower-left red, lower-right green, upper-left blue, upper-right yellow.
    boardTex = makeTexture(2, 2, {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255, 255, 0, 255});
    zoomTo(0.5f, 0.25f, -0.25f);
    std::vector<Pixel> frame = drawAndRead();
    for (int x : {310, 600, 890})
        for (int y : {105, 400, 680}) EXPECT_TRUE(same(pixelAt(frame, x, y), greenPixel)) << x << "," << y;
    game.zoom = 1;
    frame = drawAndRead();
    const struct {
        int x, y;
        Pixel colour;
    } quarters[] = {
        {400, 600, redPixel}, {800, 600, greenPixel}, {400, 200, bluePixel}, {800, 200, yellowPixel}};
    for (const auto& q : quarters) EXPECT_TRUE(same(pixelAt(frame, q.x, q.y), q.colour)) << q.x << "," << q.y;
    glDeleteTextures(1, &boardTex);
}

// A token half outside the window is cut at the board's edge: it never spills onto the panels.
TEST(BoardScene, TokenHalfOutsideTheWindowIsCutAtTheBoardEdge) {
    PlainTextures plain;
    boardWithTwoSeats();
    game.position[1] = jailSquare;  // places 0..3 of the jail corner run up its outer left edge
    game.tokenSlot[1] = 2;
    const float u = game.tokenSpotX[jailSquare][2], v = game.tokenSpotY[jailSquare][2];
    zoomTo(0.5f, u + 0.015f - 0.25f, -0.25f);  // window origin u + 0.015: the left half is outside
    const std::vector<Pixel> frame = drawAndRead();
    const Point centre = boardToEyeIn(boardWindow(game.zoom, game.panX, game.panY), u + 0.015f, v + 0.015f);
    const int row = pixelRow(centre.y, -5);
    const Span token = colourSpan(frame, redPixel, 200, 600, row - 5, row + 5);
    EXPECT_NEAR(token.first, designX(-1.75f, -5), 1);
    EXPECT_NEAR(token.last, designX(centre.x + 0.105f, -5), 2);  // the inner half: 0.015 board units x 7
}

// The clipped part of a square shows the matching part of its image, on either side.
TEST(BoardScene, ClippedSquareCutsItsImageAlike) {
    PlainTextures plain;
    boardWithTwoSeats();
    zoomTo(0.5f, 0, 0);                                                               // window u 0.25..0.75
    const unsigned int halves = makeTexture(2, 1, {255, 0, 0, 255, 0, 255, 0, 255});  // left red, right green
    beginTestFrame();
    glBindTexture(GL_TEXTURE_2D, halves);
    glColor3f(1, 1, 1);
    glBegin(GL_QUADS);
    drawClippedBoardSquare(0.2f, 0.5f, 0.1f);  // half outside on the left: its green half shows
    drawClippedBoardSquare(0.7f, 0.3f, 0.1f);  // half outside on the right: its red half shows
    glEnd();
    const std::vector<Pixel> frame = readFrame();
    const int upper = pixelRow(boardToEye(0.25f, 0.55f).y, -5);
    const int lower = pixelRow(boardToEye(0.75f, 0.35f).y, -5);
    EXPECT_EQ(countColour(frame, redPixel, 0, 1199, upper - 3, upper + 3), 0);
    EXPECT_EQ(countColour(frame, greenPixel, 0, 1199, lower - 3, lower + 3), 0);
    const Span green = colourSpan(frame, greenPixel, 0, 1199, upper, upper);
    const Span red = colourSpan(frame, redPixel, 0, 1199, lower, lower);
    EXPECT_NEAR(green.first, designX(-1.75f, -5), 1);
    EXPECT_NEAR(green.last, designX(boardToEye(0.3f, 0).x, -5), 1.5);
    EXPECT_NEAR(red.first, designX(boardToEye(0.7f, 0).x, -5), 1);
    EXPECT_NEAR(red.last, designX(1.75f, -5), 1.5);
    glDeleteTextures(1, &halves);
}

// The card turns over: at 150 the back fills the card, at 120 it has no width, below 90 the
// face carries the card's text.
TEST(BoardScene, DrawnCardPhases) {
    PlainTextures plain;
    boardWithTwoSeats();
    constexpr Pixel magenta{255, 0, 255};
    cardBackTex[0] = makeTexture(1, 1, {255, 0, 255, 255});
    game.activeDeck = 0;
    game.cardTimer = 150;
    const Span back = colourSpan(drawAndRead(), magenta, 0, 1199, 400, 400);
    EXPECT_NEAR(back.first, designX(-1.7f, -5), 1);
    EXPECT_NEAR(back.last, designX(1.7f, -5), 1.5);
    game.cardTimer = 120;
    EXPECT_EQ(countColour(drawAndRead(), magenta, 0, 1199, 0, 699), 0);
    game.cardTimer = 89;
    game.deckOrder[0][0] = 1;
    expectTextAt(drawAndRead(), Centre, "Collect $200", 0, 0, -5, {0, 0, 0});
    glDeleteTextures(1, &cardBackTex[0]);
}
