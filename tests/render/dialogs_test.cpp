// The dialogs over the dialog frame: each one's lines where the layout puts them, in their
// colours, the board hidden behind its outline, and the order in which layers win.
#include <gtest/gtest.h>

#include "app/shell.h"
#include "game/rules.h"
#include "game/tables.h"
#include "render/probe.h"
#include "support/fixtures.h"

namespace {

void secondSeatsTurn() {
    twoSeatsOnBoard();
    game.currentPlayer = 1;
}

void bankruptTo(int creditor, int middle) {
    game.bankruptTimer = 50;
    game.lastBankrupt = 1;
    game.lastCreditor = creditor;
    game.middleOption = middle;
}
void purchase(bool yes) {
    game.position[1] = propertySquare[18];
    game.buyPromptOpen = true;
    game.promptYes = yes;
}
void auction() {
    game.position[1] = propertySquare[18];
    game.auctionOpen = true;
}

int leftEdgeColumn() { return static_cast<int>(designX(-1.75f, -5) + 0.5); }

struct Line {
    int align;
    const char* text;
    float x, y;
    Pixel colour;
};
struct DialogCase {
    void (*open)();
    Line lines[4];
};
constexpr Pixel white = whitePixel;

// clang-format off
const DialogCase cases[] = {
    {[] { game.gameOver = true; game.winner = 1; },
     {{Centre, "P2", 0, 0.4f, white}, {Centre, "WINS", 0, 0, white}}},
    {[] { writeNotice(0, 1, 350, "rent of Shipwright "); }, {{Centre, "P2 pays $350 for", 0, 0.4f, white}}},
    {[] { writeNotice(0, 1, -200, "passing GO"); },
     {{Centre, "P2 gets $200 for", 0, 0.4f, white}, {Centre, "passing GO", 0, 0, white}}},
    {[] { bankruptTo(0, 0); },
     {{Centre, "P2 goes bankrupt", 0, 0.4f, white}, {Centre, "and gives all to P1", 0, 0, white}}},
    {[] { bankruptTo(middleCreditor, 1); }, {{Centre, "and gives all to middle", 0, 0, white}}},
    {[] { bankruptTo(middleCreditor, 0); }, {{Centre, "and gives all to bank", 0, 0, white}}},
    {[] { game.menuPlayer = 0; game.partnerMortgaged[0] = 23; game.partnerMortgagedCount = 1; },
     {{Centre, "Unmortgage Union Troop Carrier", 0, 0.7f, white}, {Centre, "now for $100?", 0, 0.4f, white}}},
    {[] { game.tradeInitiator = 0; game.initiatorMortgaged[0] = 8; game.initiatorMortgagedCount = 1; },
     {{Left, "P1 $1500", -1.5f, 1.1f, bluePixel}}},
    // The chosen answer white, the other grey.
    {[] { purchase(false); },
     {{Centre, "Buy Shipwright", 0, 0.7f, white}, {Centre, "for $300?", 0, 0.4f, white},
      {Centre, "YES", -0.2f, 0, greyPixel}, {Centre, "NO", 0.2f, 0, white}}},
    {[] { purchase(true); }, {{Centre, "YES", -0.2f, 0, white}, {Centre, "NO", 0.2f, 0, greyPixel}}},
    {auction,
     {{Centre, "No bidder", 0, 0.7f, white}, {Left, "Bid Increment: $50", -1.5f, 1.1f, white},
      {Centre, "Press ENTER to end auction", 0, -0.1f, white}}},
    {[] { auction(); game.auctionBidder = 0; game.auctionBid = 160; },
     {{Centre, "P1 bids $160", 0, 0.7f, bluePixel}}},
    {[] { game.taxPromptOpen = true; }, {{Centre, "Pay $200 or 10%?", 0, 0.7f, white}}},
    {[] { game.choosingTradePartner = true; }, {{Centre, "Press number of player", 0, 1, white}}},
    {[] { game.tradeOfferOpen = true; game.tradeInitiator = 1; game.menuPlayer = 0; game.tradeMoney = 25; },
     {{Centre, "Trade?", -1, 1.4f, white}, {Left, "P1 $25", 0.07f, 1.1f, bluePixel}}},
};
// clang-format on

}  // namespace

// Under every dialog the board image is hidden behind a white outline, and each line lies
// where its position rule puts it.
TEST(Dialogs, EachLineLiesWhereTheLayoutPutsIt) {
    PlainTextures plain;
    for (const DialogCase& c : cases) {
        secondSeatsTurn();
        c.open();
        const std::vector<Pixel> frame = drawAndRead();
        SCOPED_TRACE(c.lines[0].text);
        EXPECT_EQ(countColour(frame, boardPixel, 0, 1199, 0, 699), 0);
        EXPECT_GT(countColour(frame, white, leftEdgeColumn() - 1, leftEdgeColumn() + 1, 150, 650), 400);
        EXPECT_TRUE(same(pixelAt(frame, 450, 500), backdropPixel));
        for (const Line& l : c.lines)
            if (l.text) expectTextAt(frame, l.align, l.text, l.x, l.y, -5, l.colour);
    }
}

// Layers in their order: help over the save menu over the quit question over any dialog.
TEST(Dialogs, FirstLayerThatAppliesIsTheOneDrawn) {
    PlainTextures plain;
    secondSeatsTurn();
    game.taxPromptOpen = true;
    game.quitConfirmOpen = true;
    game.quitYes = true;
    std::vector<Pixel> frame = drawAndRead();
    expectTextAt(frame, Centre, "Are you sure", 0, 0.5f, -2, white);
    expectTextAt(frame, Centre, "YES", 0.5f, 0, -2, yellowPixel);  // on the right, chosen in yellow
    expectTextAt(frame, Centre, "NO", -0.5f, 0, -2, greyPixel);
    EXPECT_EQ(countColour(frame, white, leftEdgeColumn() - 1, leftEdgeColumn() + 1, 400, 650), 0);
    shell.saveMenuOpen = true;
    expectTextAt(drawAndRead(), Centre, "LOAD", 0.5f, 0, -2, white);
    shell.helpOpen = true;
    expectTextAt(drawAndRead(), Centre, "HELP MENU", 0, 1.9f, -5, bluePixel);
}
