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
    void TearDown() override { setClock(nullptr); }
    // A fresh program-start record dealt with the given counts at the given second.
    static void dealAt(long long second, int humans, int computers, int middleOption = 0) {
        game = GameState{};
        game.humanCount = humans;
        game.computerCount = computers;
        game.middleOption = middleOption;
        fixClock(second);
        setUpGame();
    }
};

TEST_F(SetupRules, DealGivesMoneyTokenPlacesAndSeedsThePotPerOption) {
    const struct {
        int humans, computers, slots[8];
    } cases[] = {
        {2, 0, {1, 5}}, {2, 1, {0, 2, 5}}, {3, 2, {0, 1, 2, 4, 6}}, {4, 4, {0, 1, 2, 3, 4, 5, 6, 7}}};
    for (const auto& c : cases)
        for (int option = 0; option <= 2; ++option) {
            dealAt(5000, c.humans, c.computers, option);
            const int seats = c.humans + c.computers;
            for (int s = 0; s < seats; ++s) EXPECT_EQ(game.tokenSlot[s], c.slots[s]) << seats << "/" << s;
            for (int s = 0; s < maxSeats; ++s) EXPECT_EQ(game.money[s], s < seats ? 1500 : 0);
            EXPECT_EQ(game.middlePot, option == 2 ? 500 : 0);
            EXPECT_EQ(game.screen, NameEntry);
            EXPECT_TRUE(stateIsValid());  // seating and decks are permutations, all is the bank's
        }
}

// The same second deals the same seating and decks; humans take the first entries.
TEST_F(SetupRules, SeatingAndDecksFollowTheSecond) {
    dealAt(777777, 2, 3);
    const GameState first = game;
    resetToStartMenu();
    setUpGame();
    EXPECT_EQ(std::memcmp(game.entryIndex, first.entryIndex, sizeof game.entryIndex), 0);
    EXPECT_EQ(std::memcmp(game.deckOrder, first.deckOrder, sizeof game.deckOrder), 0);
    int seatZeroComputer = 0;
    for (long long second = 100; second < 120; ++second) {
        dealAt(second, 3, 4);
        for (int s = 0; s < 7; ++s) EXPECT_EQ(game.isHuman[s], game.entryIndex[s] < 3) << second;
        seatZeroComputer += !game.isHuman[0];
    }
    EXPECT_GT(seatZeroComputer, 0);  // the seating really is drawn
}

TEST_F(SetupRules, ResetClearsTheGameButKeepsOptionsDecksAndGeometry) {
    dealAt(4242, 3, 2, 2);
    game.biddingOption = false;
    game.buildReserve = 120;
    game.bidLimit[4] = 77;
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
    game.initiatorMortgagedCount = game.proposeCooldown[2][1] = 3;
    resetToStartMenu();
    // Every field the play touched is cleared to the same bytes as the untouched reset.
    EXPECT_EQ(std::memcmp(&game, &clean, sizeof game), 0);
    EXPECT_EQ(game.screen, StartMenu);
    EXPECT_EQ(game.owner[3], bankOwner);
    EXPECT_EQ(game.jailCardHolder[1], bankOwner);
    // Kept: options, the dealt decks and seating, the computers' drawn values, the geometry.
    EXPECT_EQ(game.humanCount, 3);
    EXPECT_EQ(game.computerCount, 2);
    EXPECT_EQ(game.middleOption, 2);
    EXPECT_FALSE(game.biddingOption);
    EXPECT_EQ(game.buildReserve, 120);
    const auto kept = [&](const auto& field, const auto& was) {
        return std::memcmp(&field, &was, sizeof field) == 0;
    };
    EXPECT_TRUE(kept(game.entryIndex, dealt.entryIndex) && kept(game.deckOrder, dealt.deckOrder) &&
                kept(game.tokenSlot, dealt.tokenSlot) && kept(game.bidLimit, dealt.bidLimit));
    EXPECT_TRUE(kept(game.propertySpotX, dealt.propertySpotX) && kept(game.squareSpotY, dealt.squareSpotY) &&
                kept(game.tokenSpotX, dealt.tokenSpotX) && kept(game.tokenSpotY, dealt.tokenSpotY));
    EXPECT_TRUE(stateIsValid());
}

TEST_F(SetupRules, GeometryPlacesSpotsOnTheirEdges) {
    computeBoardGeometry();
    const float px = 1.0f / 1024;
    // One spot per edge, in pixels of the 1024 board: {value, expected}.
    const float spots[][2] = {
        {game.propertySpotX[0], 1 - 211 * px},   // square 1, bottom edge
        {game.propertySpotY[21], 1 - 867 * px},  // square 39, right edge
        {game.propertySpotY[11], 869 * px},      // square 21, top edge
        {game.propertySpotX[11], 159 * px},
        {game.squareSpotX[29], 815 * px},           // the last square of the top edge
        {game.propertySpotY[5], 159 * px},          // square 11, left edge
        {game.tokenSpotY[jailSquare][3], 41 * px},  // visitors: 109 - 3 x 68/3
        {game.tokenSpotX[jailSquare][7], 41 * px},
        {game.tokenSpotY[jailSquare][7], 5 * px},
    };
    for (const auto& s : spots) EXPECT_NEAR(s[0], s[1], 1e-6) << &s - spots;
    // Eight distinct places on every square, and prisoners never stand on a visitor's place.
    auto same = [](int q, int k, int r, int j) {
        return game.tokenSpotX[q][k] == game.tokenSpotX[r][j] &&
               game.tokenSpotY[q][k] == game.tokenSpotY[r][j];
    };
    for (int k = 0; k < maxSeats; ++k) {
        for (int j = 0; j < maxSeats; ++j) EXPECT_FALSE(same(jailCell, k, jailSquare, j)) << k << " " << j;
        for (int q = 0; q <= squareCount; ++q)
            for (int j = 0; j < k; ++j) EXPECT_FALSE(same(q, k, q, j)) << q << ": " << j << " " << k;
    }
}

}  // namespace
