// The invariant checker guards soak tests and the save loader: it must pass every legal state
// and name the first broken rule of an illegal one.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>

#include "game/invariants.h"
#include "game/tables.h"
#include "support/fixtures.h"

namespace {

std::string violation() {
    char why[128] = "";
    return checkInvariants(game, why, sizeof why) ? std::string() : std::string(why);
}

// Program start and a dealt game in play pass; each row then breaks one rule of a dealt three-seat
// game, and the message must name it.
TEST(Invariants, LegalStatesPassAndEachBrokenRuleIsNamed) {
    game = GameState{};
    EXPECT_EQ(violation(), "");  // nothing dealt yet
    startTestGame(3, 2);
    giveGroup(0, 1, 2, 2, 1), giveProperty(1, 22, -1);
    game.jailCardHolder[0] = 1;  // card 15 lies at the bottom in card order
    game.houseCount = -1, game.boardCursor = jailCell;
    EXPECT_EQ(violation(), "");
    const std::pair<void (*)(), const char*> cases[] = {
        {[] { game.houses[0] = 1; }, "bank property"},
        {[] { giveProperty(0, 23, 1); }, "transport or utility"},
        {[] { giveProperty(5, 3); }, "owner"},  // seat 5 is not in play
        {[] { giveProperty(1, 3), game.bankrupt[1] = true, game.money[1] = 0; }, "bankrupt seat owns"},
        {[] { game.bankrupt[1] = true; }, "holds money"},
        {[] { game.deckOrder[1][4] = game.deckOrder[1][5]; }, "permutation"},
        {[] { game.deckOrder[0][0] = game.deckOrder[0][1]; }, "permutation"},
        {[] { game.jailCardHolder[1] = 0; }, "bottom"},  // deck 1's card 7 is not at the bottom
        {[] { game.position[0] = 41; }, "position"},
        {[] { game.screen = 5; }, "screen"},
        {[] { game.currentPlayer = 9; }, "currentPlayer"},
        {[] { game.noticeIndex = 8; }, "noticeIndex"},
        {[] { game.dice[1] = 6; }, "dice"},
        {[] { game.activeDeck = 2; }, "activeDeck"},
        {[] { game.panX = 0.3f; }, "pan"},
        {[] { game.panY = -0.3f; }, "pan"},
        {[] { game.bankruptTimer = bankruptNoticeTicks + 1; }, "bankruptTimer"},
        {[] { game.assetCursor = 30; }, "assetCursor"},
        {[] { game.houseCount = -2; }, "houseCount"},
        {[] { game.boardCursor = jailCell + 1; }, "boardCursor"},
        {[] { game.partnerMortgagedCount = 29; }, "partnerMortgagedCount"},
        {[] { game.initiatorMortgagedCount = 1, game.initiatorMortgaged[0] = 28; }, "initiatorMortgaged"},
        {[] { std::memset(game.playerNames[2], 'x', playerNameSize); }, "NUL"},
        {[] { game.zoom = 2.0f; }, "zoom"},
        {[] { game.humanCount = 8, game.computerCount = 1; }, "total"},
        {[] { game.humanCount = 2147483647, game.computerCount = 1; }, "humanCount"},
        {[] { game.cardTimer = 500; }, "cardTimer"},
        {[] { game.screen = PropertyCard, game.returnScreen = PropertyCard; }, "nowhere to return"},
        {[] { game.screen = AssetMenu, game.menuIndex = 0; }, "without a kind"},
    };
    for (const auto& [breakIt, expected] : cases) {
        startTestGame(3);
        breakIt();
        EXPECT_NE(violation().find(expected), std::string::npos) << expected << ": " << violation();
    }
    EXPECT_FALSE(checkInvariants(game));  // no message buffer: the verdict alone
}

}  // namespace
