// The invariant checker guards soak tests and the save loader: it must pass every legal state
// and name the first broken rule of an illegal one.
#include <gtest/gtest.h>

#include <cstring>

#include "game/invariants.h"
#include "game/tables.h"
#include "support/fixtures.h"

namespace {

std::string violation() {
    char why[128] = "";
    return checkInvariants(game, why, sizeof why) ? std::string() : std::string(why);
}

}  // namespace

TEST(Invariants, ProgramStartAndADealtGamePass) {
    game = GameState{};
    EXPECT_EQ(violation(), "");
    startTestGame(3, 2);
    EXPECT_EQ(violation(), "");
    giveGroup(0, 1, 2, 2, 1);
    giveProperty(1, 22, -1);
    EXPECT_EQ(violation(), "");
}

TEST(Invariants, OwnershipRules) {
    startTestGame(2);
    game.houses[3] = 1;  // the bank's street with a house
    EXPECT_NE(violation().find("bank property"), std::string::npos);

    startTestGame(2);
    giveProperty(0, 23, 1);  // a house on a transport
    EXPECT_NE(violation().find("transport or utility"), std::string::npos);

    startTestGame(2);
    giveProperty(5, 3);  // seat 5 is not in play
    EXPECT_NE(violation().find("owner"), std::string::npos);

    startTestGame(2);
    giveProperty(1, 3);
    game.bankrupt[1] = true;
    game.money[1] = 0;
    EXPECT_NE(violation().find("bankrupt seat owns"), std::string::npos);

    startTestGame(2);
    game.bankrupt[1] = true;  // still holding its 1500
    EXPECT_NE(violation().find("holds money"), std::string::npos);
}

TEST(Invariants, DecksAndJailCards) {
    startTestGame(2);
    game.deckOrder[1][4] = game.deckOrder[1][5];
    EXPECT_NE(violation().find("permutation"), std::string::npos);
    startTestGame(2);
    game.deckOrder[0][0] = game.deckOrder[0][1];  // the top card counts too
    EXPECT_NE(violation().find("permutation"), std::string::npos);

    startTestGame(2);
    game.jailCardHolder[0] = 1;  // card 15 must then lie at the bottom: in card order it does
    EXPECT_EQ(violation(), "");
    game.jailCardHolder[1] = 0;  // deck 1's card 7 is not at the bottom
    EXPECT_NE(violation().find("bottom"), std::string::npos);
}

TEST(Invariants, RangesOfIndicesAndCounters) {
    struct Case {
        void (*breakIt)();
        const char* expected;
    };
    const Case cases[] = {
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
        {[] { game.partnerMortgagedCount = 29; }, "partnerMortgagedCount"},
        {[] { game.initiatorMortgagedCount = 1, game.initiatorMortgaged[0] = 28; }, "initiatorMortgaged"},
        {[] { game.playerNames[2][14] = 'x', std::memset(game.playerNames[2], 'x', 15); }, "NUL"},
        {[] { game.zoom = 2.0f; }, "zoom"},
        {[] { game.humanCount = 8, game.computerCount = 1; }, "total"},
        {[] { game.cardTimer = 500; }, "cardTimer"},
        {[] { game.screen = PropertyCard, game.returnScreen = PropertyCard; }, "nowhere to return"},
        {[] { game.screen = AssetMenu, game.menuIndex = 0; }, "without a kind"},
        {[] { game.humanCount = 2147483647, game.computerCount = 1; }, "humanCount"},
    };
    for (const Case& c : cases) {
        startTestGame(3);
        c.breakIt();
        EXPECT_NE(violation().find(c.expected), std::string::npos) << c.expected << ": " << violation();
    }
}
