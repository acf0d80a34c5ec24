// The dialogs over the dialog frame: each one's lines where the layout puts them, in their
// colours, the board hidden behind its outline, and the order in which layers win.
#include <gtest/gtest.h>

#include "app/shell.h"
#include "game/rules.h"
#include "game/tables.h"
#include "render/probe.h"
#include "support/fixtures.h"

namespace {

void twoSeatsOnBoard() {
    game = GameState{};
    shell = ShellState{};
    startTestGame(2);
    computeBoardGeometry();
    game.tokenSlot[0] = 1;
    game.tokenSlot[1] = 5;
    game.currentPlayer = 1;
}

void winner() {
    game.gameOver = true;
    game.winner = 1;
}
void paying() { writeNotice(0, 1, 350, "rent of Shipwright "); }
void receiving() { writeNotice(0, 1, -200, "passing GO"); }
void bankruptTo(int creditor, int middleOption) {
    game.bankruptTimer = 50;
    game.lastBankrupt = 1;
    game.lastCreditor = creditor;
    game.middleOption = middleOption;
}
void bankruptToSeat() { bankruptTo(0, 0); }
void bankruptToMiddle() { bankruptTo(middleCreditor, 1); }
void bankruptToMiddleOff() { bankruptTo(middleCreditor, 0); }
void partnerUnmortgage() {
    game.menuPlayer = 0;
    game.partnerMortgaged[0] = 23;
    game.partnerMortgagedCount = 1;
}
void initiatorUnmortgage() {
    game.tradeInitiator = 0;
    game.initiatorMortgaged[0] = 8;
    game.initiatorMortgagedCount = 1;
}
void purchase() {
    game.position[1] = propertySquare[18];
    game.buyPromptOpen = true;
}
void auction() {
    game.position[1] = propertySquare[18];
    game.auctionOpen = true;
}
void auctionBid() {
    auction();
    game.auctionBidder = 0;
    game.auctionBid = 160;
}
void tax() { game.taxPromptOpen = true; }
void partner() { game.choosingTradePartner = true; }
void offer() {
    game.tradeOfferOpen = true;
    game.tradeInitiator = 1;
    game.menuPlayer = 0;
    game.tradeMoney = 25;
}

struct DialogCase {
    void (*open)();
    int align;
    const char* text;
    Point at;
    Pixel colour;
};

// clang-format off
const DialogCase cases[] = {
    {winner, Centre, "WINS", {0, 0}, whitePixel},
    {winner, Centre, "P2", {0, 0.4f}, whitePixel},
    {paying, Centre, "P2 pays $350 for", {0, 0.4f}, whitePixel},
    {receiving, Centre, "P2 gets $200 for", {0, 0.4f}, whitePixel},
    {receiving, Centre, "passing GO", {0, 0}, whitePixel},
    {bankruptToSeat, Centre, "P2 goes bankrupt", {0, 0.4f}, whitePixel},
    {bankruptToSeat, Centre, "and gives all to P1", {0, 0}, whitePixel},
    {bankruptToMiddle, Centre, "and gives all to middle", {0, 0}, whitePixel},
    {bankruptToMiddleOff, Centre, "and gives all to bank", {0, 0}, whitePixel},
    {partnerUnmortgage, Centre, "Unmortgage Union Troop Carrier", {0, 0.7f}, whitePixel},
    {partnerUnmortgage, Centre, "now for $100?", {0, 0.4f}, whitePixel},
    {initiatorUnmortgage, Left, "P1 $1500", {-1.5f, 1.1f}, bluePixel},
    {purchase, Centre, "Buy Shipwright", {0, 0.7f}, whitePixel},
    {purchase, Centre, "for $300?", {0, 0.4f}, whitePixel},
    {auction, Centre, "No bidder", {0, 0.7f}, whitePixel},
    {auctionBid, Centre, "P1 bids $160", {0, 0.7f}, bluePixel},
    {auction, Left, "Bid Increment: $50", {-1.5f, 1.1f}, whitePixel},
    {auction, Centre, "Press ENTER to end auction", {0, -0.1f}, whitePixel},
    {tax, Centre, "Pay $200 or 10%?", {0, 0.7f}, whitePixel},
    {partner, Centre, "Press number of player", {0, 1}, whitePixel},
    {offer, Centre, "Trade?", {-1, 1.4f}, whitePixel},
    {offer, Left, "P1 $25", {0.07f, 1.1f}, bluePixel},
};
// clang-format on

}  // namespace

TEST(Dialogs, EachLineLiesWhereTheLayoutPutsIt) {
    PlainTextures plain;
    for (const DialogCase& c : cases) {
        twoSeatsOnBoard();
        c.open();
        expectTextAt(drawAndRead(), c.align, c.text, c.at.x, c.at.y, -5, c.colour);
    }
}

// Under a dialog the board image is hidden; only a white outline marks its place.
TEST(Dialogs, BoardShowsOnlyItsOutline) {
    PlainTextures plain;
    twoSeatsOnBoard();
    game.taxPromptOpen = true;
    const std::vector<Pixel> frame = drawAndRead();
    EXPECT_EQ(countColour(frame, boardPixel, 0, 1199, 0, 699), 0);
    const int left = static_cast<int>(designX(-1.75f, -5) + 0.5);
    EXPECT_GT(countColour(frame, whitePixel, left - 1, left + 1, 150, 650),
              400);  // the left edge, top to bottom
    EXPECT_TRUE(same(pixelAt(frame, 450, 500), backdropPixel));
}

// YES and NO: the chosen answer white, the other grey.
TEST(Dialogs, ChosenAnswerIsWhite) {
    PlainTextures plain;
    twoSeatsOnBoard();
    game.position[1] = propertySquare[18];
    game.buyPromptOpen = true;
    game.promptYes = false;
    std::vector<Pixel> frame = drawAndRead();
    expectTextAt(frame, Centre, "YES", -0.2f, 0, -5, greyPixel);
    expectTextAt(frame, Centre, "NO", 0.2f, 0, -5, whitePixel);
    game.promptYes = true;
    frame = drawAndRead();
    expectTextAt(frame, Centre, "YES", -0.2f, 0, -5, whitePixel);
    expectTextAt(frame, Centre, "NO", 0.2f, 0, -5, greyPixel);
}

// Layers in their order: help over the save menu over the quit question over any dialog.
TEST(Dialogs, FirstLayerThatAppliesIsTheOneDrawn) {
    PlainTextures plain;
    twoSeatsOnBoard();
    game.taxPromptOpen = true;
    game.quitConfirmOpen = true;
    std::vector<Pixel> frame = drawAndRead();
    expectTextAt(frame, Centre, "Are you sure", 0, 0.5f, -2, whitePixel);
    const int left = static_cast<int>(designX(-1.75f, -5) + 0.5);
    EXPECT_EQ(countColour(frame, whitePixel, left - 1, left + 1, 400, 650), 0);  // no dialog frame

    shell.saveMenuOpen = true;
    frame = drawAndRead();
    expectTextAt(frame, Centre, "LOAD", 0.5f, 0, -2, whitePixel);

    shell.helpOpen = true;
    frame = drawAndRead();
    expectTextAt(frame, Centre, "HELP MENU", 0, 1.9f, -5, bluePixel);
}
