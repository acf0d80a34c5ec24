// Drawing reads the state and changes only the pulse and the jail-cell cursor, and it never
// reads outside the state's arrays whatever the fields hold: a frame is drawn for every
// screen and layer with seat, property, square and counter fields in and out of range.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "app/shell.h"
#include "game/state.h"
#include "render/frame.h"
#include "render/probe.h"

namespace {

int wild(int lo, int hi) { return lo + std::rand() % (hi - lo + 1); }

void scramble() {
    game = GameState{};
    shell = ShellState{};
    game.humanCount = wild(-2, 12);
    game.computerCount = wild(-2, 9);
    game.screen = wild(-1, 8);
    game.currentPlayer = wild(-3, 20);
    game.menuPlayer = wild(-3, 20);
    game.tradeInitiator = wild(-3, 20);
    game.menuIndex = wild(-2, 6);
    game.assetCursor = wild(-6, 31);
    game.amountDigit = wild(-2, 12);
    game.houseCount = wild(-3, 9);
    game.returnScreen = wild(0, 4);
    game.boardCursor = wild(-5, 45);
    game.pulseStep = wild(-5, 25);
    game.activeDeck = wild(-1, 3);
    game.cardTimer = wild(0, 200);
    game.moving = wild(0, 1);
    game.middleOption = wild(0, 3);
    for (int i = 0; i < 2; ++i) {
        game.dice[i] = wild(-3, 9);
        game.jailCardHolder[i] = wild(-2, 20);
        game.deckOrder[i][0] = wild(-3, 20);
    }
    for (int s = 0; s < maxSeats; ++s) {
        game.position[s] = wild(-3, 45);
        game.tokenSlot[s] = wild(-3, 10);
        game.money[s] = wild(-100000, 100000);
        game.bankrupt[s] = wild(0, 1);
    }
    for (int p = 0; p < propertyCount; ++p) {
        game.owner[p] = wild(-3, 20);
        game.houses[p] = wild(-3, 7);
        game.selected[p] = game.initiatorSelected[p] = wild(0, 1);
    }
    const int layer = wild(0, 14);
    game.gameOver = layer == 0;
    game.noticeTimer = layer == 1 ? 5 : 0;
    game.noticePlayer[0] = wild(-3, 20);
    game.noticeAmount[0] = wild(-500, 500);
    game.bankruptTimer = layer == 2 ? 5 : 0;
    game.lastBankrupt = wild(-3, 20);
    game.lastCreditor = wild(-3, 20);
    game.partnerMortgagedCount = layer == 3 ? wild(1, 40) : 0;
    game.initiatorMortgagedCount = layer == 4 ? wild(1, 40) : 0;
    game.partnerMortgaged[0] = game.initiatorMortgaged[0] = wild(-3, 40);
    game.buyPromptOpen = layer == 5;
    game.auctionOpen = layer == 6;
    game.auctionBidder = wild(-3, 20);
    game.taxPromptOpen = layer == 7;
    game.choosingTradePartner = layer == 8;
    game.tradeOfferOpen = layer == 9;
    shell.helpOpen = layer == 10;
    shell.saveNameEntry = layer == 11;
    shell.saveNameDone = wild(0, 1);
    shell.loadListOpen = layer == 12;
    shell.saveMenuOpen = layer == 13;
    shell.saveSlot = wild(-3, 40);
    game.quitConfirmOpen = layer == 14;
}

}  // namespace

TEST(RenderRobustness, DrawingChangesOnlyThePulseAndTheCursor) {
    PlainTextures plain;
    std::srand(20240611);
    for (int frame = 0; frame < 300; ++frame) {
        scramble();
        GameState before;
        std::memcpy(&before, &game, sizeof game);
        ensureTestWindow();
        beginTestFrame();
        drawFrame();
        if (before.boardCursor == jailCell && game.boardCursor == jailSquare) before.boardCursor = jailSquare;
        const int next = before.pulseStep >= 0 && before.pulseStep < 19 ? before.pulseStep + 1 : 0;
        EXPECT_TRUE(game.pulseStep == before.pulseStep || game.pulseStep == next) << "frame " << frame;
        before.pulseStep = game.pulseStep;
        ASSERT_EQ(std::memcmp(&before, &game, sizeof game), 0) << "frame " << frame;
    }
}
