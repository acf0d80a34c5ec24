// Dealing a new game, the reset to the start menu, and the board geometry.
#include <gtest/gtest.h>

#include <cstring>

#include "game/random.h"
#include "game/rules.h"
#include "game/tables.h"
#include "support/fixtures.h"

namespace {

class SetupRules : public ::testing::Test {
protected:
    void SetUp() override { game = GameState{}; }
    void TearDown() override { setClock(nullptr); }
};

// A fresh program-start record dealt with the given counts at the given second.
void dealAt(long long second, int humans, int computers, int middleOption = 0) {
    game = GameState{};
    game.humanCount = humans;
    game.computerCount = computers;
    game.middleOption = middleOption;
    fixClock(second);
    setUpGame();
}

TEST_F(SetupRules, DealGivesMoneyTokenPlacesAndSeedsThePotPerOption) {
    const struct {
        int humans, computers, slots[8];
    } cases[] = {
        {2, 0, {1, 5}}, {2, 1, {0, 2, 5}}, {3, 2, {0, 1, 2, 4, 6}}, {4, 4, {0, 1, 2, 3, 4, 5, 6, 7}}};
    for (const auto& c : cases)
        for (int option = 0; option <= 2; ++option) {
            dealAt(5000, c.humans, c.computers, option);
            const int seats = c.humans + c.computers;
            for (int s = 0; s < seats; ++s) {
                EXPECT_EQ(game.tokenSlot[s], c.slots[s]) << seats << " seats, seat " << s;
                EXPECT_EQ(game.money[s], 1500);
            }
            EXPECT_EQ(game.money[seats % maxSeats], seats < maxSeats ? 0 : 1500);
            EXPECT_EQ(game.middlePot, option == 2 ? 500 : 0);
            EXPECT_EQ(game.screen, NameEntry);
            EXPECT_TRUE(stateIsValid());  // seating and decks are permutations, all is the bank's
        }
}

// Determinism: the same second deals the same seating and decks; other seconds vary them.
TEST_F(SetupRules, SeatingAndDecksFollowTheSecond) {
    dealAt(777777, 2, 3);
    const GameState first = game;
    resetToStartMenu();
    setUpGame();
    for (int s = 0; s < maxSeats; ++s) EXPECT_EQ(game.entryIndex[s], first.entryIndex[s]);
    for (int d = 0; d < 2; ++d)
        for (int i = 0; i < deckSize; ++i) EXPECT_EQ(game.deckOrder[d][i], first.deckOrder[d][i]);

    int seatZeroComputer = 0, deckChanges = 0, previousTop = -1;
    for (long long second = 100; second < 140; ++second) {
        dealAt(second, 3, 4);
        for (int s = 0; s < 7; ++s) EXPECT_EQ(game.isHuman[s], game.entryIndex[s] < 3) << second;
        seatZeroComputer += !game.isHuman[0];
        deckChanges += game.deckOrder[0][0] != previousTop;
        previousTop = game.deckOrder[0][0];
    }
    EXPECT_GT(seatZeroComputer, 5);  // not always the first entrant in seat 0
    EXPECT_LT(seatZeroComputer, 35);
    EXPECT_GT(deckChanges, 20);
}

TEST_F(SetupRules, ResetClearsTheGameButKeepsOptionsDecksAndGeometry) {
    dealAt(4242, 3, 2, 2);
    game.biddingOption = false;
    game.buildReserve = 120;
    const GameState dealt = game;
    resetToStartMenu();
    const GameState clean = game;  // reset straight after the deal
    game = dealt;
    game.screen = AssetMenu;  // a game in full flow
    game.money[1] = -40;
    game.bankrupt[4] = true;
    giveProperty(1, 3, 2);
    game.jailCardHolder[1] = 0;
    game.noticeAmount[game.noticeIndex = 1] = 75;
    game.inDebt = game.moving = game.transportDoubleRent = game.gameOver = true;
    game.currentPlayer = 3;
    game.initiatorMortgagedCount = game.proposeCooldown[2][1] = 3;
    resetToStartMenu();
    // Every field the play touched is cleared to the same bytes as the untouched reset.
    EXPECT_EQ(std::memcmp(&game, &clean, sizeof game), 0);
    EXPECT_EQ(game.screen, StartMenu);
    EXPECT_EQ(game.money[0] + game.middlePot, 0);
    // Kept: options, the dealt decks and seating, the computers' drawn values.
    EXPECT_EQ(game.humanCount, 3);
    EXPECT_EQ(game.middleOption, 2);
    EXPECT_FALSE(game.biddingOption);
    EXPECT_EQ(game.buildReserve, 120);
    game.bidLimit[5] = 77;
    const GameState beforeReset = game;
    resetToStartMenu();
    const auto kept = [&](const auto& field, const auto& was) {
        return std::memcmp(&field, &was, sizeof field) == 0;
    };
    EXPECT_TRUE(kept(game.entryIndex, dealt.entryIndex) && kept(game.deckOrder, dealt.deckOrder) &&
                kept(game.tokenSlot, dealt.tokenSlot) && kept(game.bidLimit, beforeReset.bidLimit));
    EXPECT_TRUE(kept(game.propertySpotX, dealt.propertySpotX) &&
                kept(game.propertySpotY, dealt.propertySpotY) && kept(game.squareSpotX, dealt.squareSpotX) &&
                kept(game.squareSpotY, dealt.squareSpotY) && kept(game.tokenSpotX, dealt.tokenSpotX) &&
                kept(game.tokenSpotY, dealt.tokenSpotY));
    EXPECT_TRUE(stateIsValid());
}

TEST_F(SetupRules, GeometryPlacesSpotsOnTheirEdges) {
    computeBoardGeometry();
    const float px = 1.0f / 1024;
    EXPECT_NEAR(game.propertySpotX[0], 1 - 211 * px, 1e-6);   // square 1, bottom edge
    EXPECT_NEAR(game.propertySpotY[21], 1 - 867 * px, 1e-6);  // square 39, right edge
    EXPECT_NEAR(game.propertySpotY[11], 869 * px, 1e-6);      // square 21, top edge
    EXPECT_NEAR(game.propertySpotX[11], 159 * px, 1e-6);
    EXPECT_NEAR(game.squareSpotX[29], 815 * px, 1e-6);   // the last square of the top edge
    EXPECT_NEAR(game.propertySpotY[5], 159 * px, 1e-6);  // square 11, left edge
    // Eight distinct places on every square, and prisoners never stand on a visitor's place.
    auto same = [](int q, int k, int r, int j) {
        return game.tokenSpotX[q][k] == game.tokenSpotX[r][j] &&
               game.tokenSpotY[q][k] == game.tokenSpotY[r][j];
    };
    for (int k = 0; k < maxSeats; ++k) {
        for (int j = 0; j < maxSeats; ++j) EXPECT_FALSE(same(jailCell, k, jailSquare, j)) << k << " " << j;
        for (int q = 0; q <= squareCount; ++q)
            for (int j = 0; j < k; ++j)
                EXPECT_FALSE(same(q, k, q, j)) << "square " << q << " places " << j << " and " << k;
    }
}

}  // namespace
