// The dialogs the rules open over the game: winner, payment notice, bankruptcy, the
// unmortgage questions, purchase, auction, income tax, trade partner and trade offer.
// Each is drawn over the dialog frame, centred in the outline of the board.
#include <GL/gl.h>

#include "game/state.h"
#include "game/tables.h"
#include "render/screens.h"
#include "render/widgets.h"
#include "ui/labels.h"

namespace {

bool validProperty(int i) { return i >= 0 && i < propertyCount; }

const char* nameOf(int seat) { return isSeat(seat) ? game.playerNames[seat] : ""; }

void textAt(const char* text, Point at, Colour colour = white) {
    drawTextAt(Centre, text, at, gamePlane, colour);
}

// "%s $%d" of a seat at the top left, in its colour.
void drawSeatLine(int seat, int cash, Point at) {
    if (!isSeat(seat)) return;
    drawTextF(Left, at.x, at.y, gamePlane, playerColour(seat), "%s $%d", game.playerNames[seat], cash);
}

void drawYesNo(Point yes, Point no, bool yesChosen, Colour chosen = white) {
    textAt("YES", yes, yesChosen ? chosen : grey);
    textAt("NO", no, yesChosen ? grey : chosen);
}

void drawWinner() {
    textAt(nameOf(game.winner), noticeLine1At);
    textAt("WINS", noticeLine2At);
}

void drawNotice() {
    const int amount = game.noticeAmount[0];
    const char* verb = amount < 0 ? "gets" : "pays";
    drawTextF(Centre, noticeLine1At.x, noticeLine1At.y, gamePlane, white, "%s %s $%d for",
              nameOf(game.noticePlayer[0]), verb, amount < 0 ? -amount : amount);
    textAt(game.noticeReason[0], noticeLine2At);
}

void drawBankruptcy() {
    drawTextF(Centre, noticeLine1At.x, noticeLine1At.y, gamePlane, white, "%s goes bankrupt",
              nameOf(game.lastBankrupt));
    const int creditor = game.lastCreditor;
    if (creditor == middleCreditor && game.middleOption > 0)
        textAt("and gives all to middle", noticeLine2At);
    else if (isSeat(creditor))
        drawTextF(Centre, noticeLine2At.x, noticeLine2At.y, gamePlane, white, "and gives all to %s",
                  game.playerNames[creditor]);
    else
        textAt("and gives all to bank", noticeLine2At);
}

// A yes/no question about one property: the seat asked with its cash, the property's mini
// card, "<verb> <name>" and a line with the amount.
void drawPropertyQuestion(int seat, int property, const char* verb, const char* amountLine, int amount) {
    if (isSeat(seat)) drawSeatLine(seat, game.money[seat], seatLineAt);
    if (!validProperty(property)) return;
    drawMiniCard(property);
    char title[80];
    propertyTitle(title, sizeof title, verb, property);
    textAt(title, dialogLine1At);
    drawTextF(Centre, dialogLine2At.x, dialogLine2At.y, gamePlane, white, amountLine, amount);
    drawYesNo(yesAt, noAt, game.promptYes);
}

// The receiver is asked about the last property still waiting in its list.
void drawUnmortgageQuestion(int receiver, const int32_t* waiting, int count) {
    const int property = count > 0 && count <= propertyCount ? waiting[count - 1] : -1;
    drawPropertyQuestion(receiver, property, "Unmortgage", "now for $%d?",
                         validProperty(property) ? mortgageValue(property) : 0);
}

void drawPurchase() {
    const int property = propertyUnderCurrentPlayer();
    drawPropertyQuestion(game.currentPlayer, property, "Buy", "for $%d?",
                         validProperty(property) ? propertyPrice[property] : 0);
}

void drawAuction() {
    drawTextF(Left, bidIncrementAt.x, bidIncrementAt.y, gamePlane, white, "Bid Increment: $%d",
              game.bidIncrement);
    fillTriangle(bidUpArrow, gamePlane, red);
    fillTriangle(bidDownArrow, gamePlane, red);
    const int property = propertyUnderCurrentPlayer();
    if (validProperty(property)) drawMiniCard(property);
    const int bidder = game.auctionBidder;
    if (isSeat(bidder))
        drawTextF(Centre, dialogLine1At.x, dialogLine1At.y, gamePlane, playerColour(bidder), "%s bids $%d",
                  game.playerNames[bidder], game.auctionBid);
    else
        textAt("No bidder", dialogLine1At);
    if (validProperty(property))
        drawTextF(Centre, dialogLine2At.x, dialogLine2At.y, gamePlane, white, "for %s %s",
                  nameLine1(property), nameLine2(property));
    textAt("Press ENTER to end auction", auctionEndAt);
    textAt("To bid, press your player number", auctionHowToBidAt[0], grey);
    textAt("or click your panel at the side", auctionHowToBidAt[1], grey);
}

void drawIncomeTax() {
    const int seat = game.currentPlayer;
    if (isSeat(seat)) drawSeatLine(seat, game.money[seat], seatLineAt);
    textAt("Pay $200 or 10%?", dialogLine1At);
    textAt("$200", flatTaxAt, chosenOrGrey(game.promptYes));
    textAt("10%", percentTaxAt, chosenOrGrey(!game.promptYes));
}

void drawTradePartnerPrompt() {
    textAt("Press number of player", partnerLine1At);
    textAt("to trade with", partnerLine2At);
    advancePulse();
    drawBlinkingBar(partnerBackBar, gamePlane);
    textAt("Back to Trade", partnerBackAt);
}

// One side's offer: its selected properties in property order, then its selected jail cards.
void drawOfferItems(bool partnerSide, int seat, const bool* chosen) {
    struct Item {
        int property;  // -1 for a jail card
    } items[propertyCount + 2];
    int n = 0;
    for (int i = 0; i < propertyCount; ++i)
        if (chosen[i]) items[n++] = {i};
    for (int d = 0; d < 2; ++d)
        if (game.jailCardSelected[d] && game.jailCardHolder[d] == seat) items[n++] = {-1};

    beginFlatMode();
    glBegin(GL_QUADS);
    for (int k = 0; k < n; ++k) {
        const int p = items[k].property;
        if (p < 0) {
            glColor4f(1, 1, 1, 1);
        } else {
            const int g = groupOf(p);
            glColor4f(groupColourR[g], groupColourG[g], groupColourB[g], 1);
        }
        emitRect(offerCell(partnerSide, k), gamePlane);
    }
    glEnd();
    glColor4f(1, 1, 1, 1);
    endFlatMode();
    for (int k = 0; k < n; ++k) {
        const int p = items[k].property;
        const Point at = offerCellTextAt(partnerSide, k);
        drawText(Centre, p < 0 ? "Free" : shortName(p).text, at.x, at.y, gamePlane,
                 p < 0 ? black : labelColourOnGroup(groupOf(p)));
    }
}

void drawTradeOffer() {
    textAt("Trade?", offerTitleAt);
    drawYesNo(offerYesAt, offerNoAt, game.promptYes);
    drawSeatLine(game.tradeInitiator, game.initiatorMoney, offerInitiatorAt);
    drawSeatLine(game.menuPlayer, game.tradeMoney, offerPartnerAt);
    drawOfferItems(false, game.tradeInitiator, game.initiatorSelected);
    drawOfferItems(true, game.menuPlayer, game.selected);
}

}  // namespace

void drawMiniCard(int property) {
    if (!validProperty(property)) return;
    const int g = groupOf(property);
    fillRect(miniCard, gamePlane, groupColourR[g], groupColourG[g], groupColourB[g]);
    textAt(shortName(property).text, miniCardNameAt, labelColourOnGroup(g));
}

void drawDialog(Layer layer) {
    switch (layer) {
        case LayerGameOver: drawWinner(); break;
        case LayerNotice: drawNotice(); break;
        case LayerBankruptcy: drawBankruptcy(); break;
        case LayerUnmortgage:
            if (game.partnerMortgagedCount > 0)
                drawUnmortgageQuestion(game.menuPlayer, game.partnerMortgaged, game.partnerMortgagedCount);
            else
                drawUnmortgageQuestion(game.tradeInitiator, game.initiatorMortgaged,
                                       game.initiatorMortgagedCount);
            break;
        case LayerPurchase: drawPurchase(); break;
        case LayerAuction: drawAuction(); break;
        case LayerTax: drawIncomeTax(); break;
        case LayerTradePartner: drawTradePartnerPrompt(); break;
        case LayerTradeOffer: drawTradeOffer(); break;
        default: break;
    }
    glColor3f(1, 1, 1);
}
