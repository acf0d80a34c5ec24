// Drawing reads the state and changes only the pulse and the jail-cell cursor, and never
// reads outside the state's arrays whatever the fields hold: frames of every screen and layer
// with seat, property, square and counter fields in and out of range.
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
    const struct {
        int32_t* field;
        int lo, hi;
    } ranges[] = {
        // clang-format off
        {&game.humanCount, -2, 12}, {&game.computerCount, -2, 9}, {&game.screen, -1, 8}, {&game.menuIndex, -2, 6},
        {&game.assetCursor, -6, 31}, {&game.amountDigit, -2, 12}, {&game.houseCount, -3, 9},
        {&game.returnScreen, 0, 4}, {&game.boardCursor, -5, 45}, {&game.pulseStep, -5, 25},
        {&game.activeDeck, -1, 3}, {&game.cardTimer, 0, 200}, {&game.middleOption, 0, 3}, {&game.dice[0], -3, 9},
        {&game.dice[1], -3, 9}, {&game.noticeAmount[0], -500, 500}, {&game.partnerMortgaged[0], -3, 40},
        {&game.initiatorMortgaged[0], -3, 40}, {&shell.saveSlot, -3, 40}, {&game.currentPlayer, -3, 20},
        {&game.menuPlayer, -3, 20}, {&game.tradeInitiator, -3, 20}, {&game.jailCardHolder[0], -2, 20},
        {&game.jailCardHolder[1], -2, 20}, {&game.deckOrder[0][0], -3, 20}, {&game.deckOrder[1][0], -3, 20},
        {&game.noticePlayer[0], -3, 20}, {&game.lastBankrupt, -3, 20}, {&game.lastCreditor, -3, 20},
        {&game.auctionBidder, -3, 20},
        // clang-format on
    };
    for (const auto& r : ranges) *r.field = wild(r.lo, r.hi);
    game.moving = wild(0, 1);
    shell.saveNameDone = wild(0, 1);
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
    // One layer open at a time: four held by counters, the rest by flags.
    const int layer = wild(0, 14);
    game.noticeTimer = layer == 0 ? 5 : 0;
    game.bankruptTimer = layer == 1 ? 5 : 0;
    game.partnerMortgagedCount = layer == 2 ? wild(1, 40) : 0;
    game.initiatorMortgagedCount = layer == 3 ? wild(1, 40) : 0;
    bool* const flags[] = {&game.gameOver,      &game.buyPromptOpen,        &game.auctionOpen,
                           &game.taxPromptOpen, &game.choosingTradePartner, &game.tradeOfferOpen,
                           &shell.helpOpen,     &shell.saveNameEntry,       &shell.loadListOpen,
                           &shell.saveMenuOpen, &game.quitConfirmOpen};
    if (layer >= 4) *flags[layer - 4] = true;
}

}  // namespace

TEST(RenderRobustness, DrawingChangesOnlyThePulseAndTheCursor) {
    PlainTextures plain;
    std::srand(20240611);
    for (int frame = 0; frame < 300; ++frame) {
        scramble();
        GameState before;
        std::memcpy(&before, &game, sizeof game);
        beginTestFrame();
        drawFrame();
        if (before.boardCursor == jailCell && game.boardCursor == jailSquare) before.boardCursor = jailSquare;
        const int next = before.pulseStep >= 0 && before.pulseStep < 19 ? before.pulseStep + 1 : 0;
        EXPECT_TRUE(game.pulseStep == before.pulseStep || game.pulseStep == next) << "frame " << frame;
        before.pulseStep = game.pulseStep;
        ASSERT_EQ(std::memcmp(&before, &game, sizeof game), 0) << "frame " << frame;
    }
}
