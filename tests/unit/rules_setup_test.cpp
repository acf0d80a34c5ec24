// The generator, dealing a new game, the reset to the start menu, the board geometry, and the
// record's invariants (which guard the soak tests and the save loader: every legal state passes,
// and the first broken rule of an illegal one is named).
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "game/invariants.h"
#include "game/random.h"
#include "game/rules.h"
#include "game/stats.h"
#include "game/tables.h"
#include "support/fixtures.h"

namespace {

using V = std::vector<int>;

std::string violation() {
    char why[128] = "";
    return checkInvariants(game, why, sizeof why) ? std::string() : std::string(why);
}

class SetupRules : public ::testing::Test {
protected:
    void TearDown() override { setClock(nullptr); }
    // A fresh program-start record dealt with the given counts at the given second.
    static void dealAt(long long second, int humans, int computers, int middleOption = 0) {
        game = GameState{};
        game.humanCount = humans, game.computerCount = computers, game.middleOption = middleOption;
        fixClock(second);
        setUpGame();
    }
    template <typename T>
    static bool same(const T& a, const T& b) {
        return std::memcmp(&a, &b, sizeof a) == 0;
    }
};

// The generator; token places by seat count (2, 3, 5 and 8 seats), the starting money, the pot seeded per
// option; humans take the first entries; the same second deals the same seating and decks.
TEST_F(SetupRules, DealGivesMoneyTokenPlacesAndSeedsThePot) {
    seedRandom(1);  // the classic sequence: state x 214013 + 2531011, draws from bits 16..30
    EXPECT_EQ((V{randomNext(), randomNext(), randomNext(), randomNext()}), (V{41, 18467, 6334, 26500}));
    const V slots[] = {{1, 5, 0}, {0, 2, 5, 0}, {0, 1, 2, 4, 6, 0}, {0, 1, 2, 3, 4, 5, 6, 7}};
    for (const V& slot : slots)
        for (int option = 0; option <= 2; ++option) {
            const int seats = slot.size() == 8 ? 8 : static_cast<int>(slot.size()) - 1,
                      humans = (seats + 1) / 2;
            stats.turns = 7;  // a new deal starts the statistics again
            dealAt(5000 + option, humans, seats - humans, option);
            EXPECT_EQ(V(game.tokenSlot, game.tokenSlot + slot.size()), slot) << seats;
            for (int s = 0; s < maxSeats; ++s)
                EXPECT_EQ((V{game.money[s], game.isHuman[s]}),
                          (V{s < seats ? 1500 : 0, s < seats && game.entryIndex[s] < humans}));
            EXPECT_EQ((V{game.middlePot, game.screen, stats.turns}),
                      (V{option == 2 ? 500 : 0, NameEntry, 0}));
            EXPECT_TRUE(stateIsValid());  // seating and decks are permutations, all is the bank's
        }
    const GameState first = game;
    resetToStartMenu();
    setUpGame();
    EXPECT_TRUE(same(game.entryIndex, first.entryIndex) && same(game.deckOrder, first.deckOrder));
    setClock(nullptr);
    EXPECT_GT(clockSeconds(), 1700000000);  // the system clock is back
}

// Every field the play touched is cleared to the same bytes as a reset straight after the deal;
// the options, dealt decks and seating, the computers' drawn values and the geometry are kept.
TEST_F(SetupRules, ResetClearsTheGameButKeepsOptionsDecksAndGeometry) {
    dealAt(4242, 3, 2, 2);
    game.biddingOption = false, game.buildReserve = 120, game.bidLimit[4] = 77;
    const GameState dealt = game;
    resetToStartMenu();
    const GameState clean = game;
    game = dealt;
    game.screen = AssetMenu, game.money[1] = -40, game.bankrupt[4] = true, giveProperty(1, 3, 2);
    game.jailCardHolder[1] = 0, game.noticeAmount[game.noticeIndex = 1] = 75;
    game.inDebt = game.moving = game.transportDoubleRent = game.gameOver = true;
    game.initiatorMortgagedCount = game.proposeCooldown[2][1] = 3;
    resetToStartMenu();
    EXPECT_TRUE(same(game, clean));
    EXPECT_EQ((V{game.screen, game.owner[3], game.jailCardHolder[1], game.humanCount, game.computerCount,
                 game.middleOption, game.biddingOption, game.buildReserve, game.bidLimit[4]}),
              (V{StartMenu, bankOwner, bankOwner, 3, 2, 2, 0, 120, 77}));
    EXPECT_TRUE(same(game.entryIndex, dealt.entryIndex) && same(game.deckOrder, dealt.deckOrder) &&
                same(game.tokenSlot, dealt.tokenSlot) && same(game.propertySpotX, dealt.propertySpotX) &&
                same(game.propertySpotY, dealt.propertySpotY) && same(game.squareSpotX, dealt.squareSpotX) &&
                same(game.squareSpotY, dealt.squareSpotY) && same(game.tokenSpotX, dealt.tokenSpotX) &&
                same(game.tokenSpotY, dealt.tokenSpotY));
}

// One spot per edge, the jail's visitors, GO's first place and the Go to Jail corner, in pixels of the 1024
// board (109 - 3 x 68/3 = 41); eight distinct places on every square, and prisoners never stand on a
// visitor's place.
TEST_F(SetupRules, GeometryPlacesSpotsOnTheirEdges) {
    computeBoardGeometry();
    const std::vector<float> spots{game.propertySpotX[0],  game.propertySpotY[21], game.propertySpotY[11],
                                   game.propertySpotX[11], game.squareSpotX[29],   game.propertySpotY[5],
                                   game.tokenSpotY[10][3], game.tokenSpotX[10][7], game.tokenSpotY[10][7],
                                   game.tokenSpotX[0][0],  game.tokenSpotY[0][0],  game.squareSpotY[30],
                                   game.tokenSpotX[30][0], game.squareSpotY[20]};
    const std::vector<int> pixels{1024 - 211, 1024 - 867, 869, 159, 815, 159, 41,
                                  41,         5,          920, 73,  947, 951, 947};
    for (size_t i = 0; i < spots.size(); ++i) EXPECT_NEAR(spots[i] * 1024, pixels[i], 1e-3) << i;
    const auto at = [](int q, int k) { return std::pair{game.tokenSpotX[q][k], game.tokenSpotY[q][k]}; };
    for (int k = 0; k < maxSeats; ++k) {
        for (int j = 0; j < maxSeats; ++j) EXPECT_NE(at(jailCell, k), at(jailSquare, j)) << k << " " << j;
        for (int q = 0; q <= squareCount; ++q)
            for (int j = 0; j < k; ++j) EXPECT_NE(at(q, k), at(q, j)) << q << ": " << j << " " << k;
    }
}

// Program start and a dealt game in play pass; each row then breaks one rule of a dealt three-seat
// game, and the message must name it.
TEST(Invariants, LegalStatesPassAndEachBrokenRuleIsNamed) {
    game = GameState{};
    EXPECT_EQ(violation(), "");  // nothing dealt yet
    startTestGame(3, 2);         // card 15, held, lies at the bottom in card order
    giveGroup(0, 1, 2, 2, 1), giveProperty(1, 22, -1), game.jailCardHolder[0] = 1,
                                                       game.boardCursor = jailCell;
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
        {[] { game.noticePlayer[3] = maxSeats; }, "notice seat"},
        {[] { game.tradeInitiator = maxSeats; }, "tradeInitiator"},
        {[] { game.middleOption = 3; }, "middleOption"},
        {[] { game.tokenSlot[2] = maxSeats; }, "tokenSlot"},
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
        {[] { game.tokenSpotX[0][0] = 1.5f; }, "token spot"},
        {[] { game.cursorFrom = jailCell + 1; }, "cursorFrom"},
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
