// Board tables and lookups: the faults here are wrong rows or off-by-one searches that
// every rule would inherit.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "game/tables.h"

TEST(BoardTables, SpecialSquaresHaveNoProperty) {
    for (int square : {40, 0, 2, 4, 7, 10, 17, 20, 22, 30, 33, 36, 38})
        EXPECT_EQ(propertyAtSquare(square), -1) << "square " << square;
}

TEST(BoardTables, SquareLookupInvertsPropertySquare) {
    int found = 0;
    for (int square = 0; square < squareCount; ++square) {
        const int p = propertyAtSquare(square);
        if (p < 0) continue;
        ++found;
        EXPECT_EQ(propertySquare[p], square);
    }
    EXPECT_EQ(found, propertyCount);
    EXPECT_EQ(propertyAtSquare(5), 22);
    EXPECT_EQ(propertyAtSquare(12), 26);
    EXPECT_EQ(propertyAtSquare(39), 21);
}

TEST(BoardTables, SharedFirstLinesAreToldApartByIndex) {
    EXPECT_STREQ(nameLine1(0), nameLine1(1));
    EXPECT_STREQ(nameLine1(20), nameLine1(21));
    EXPECT_STREQ(nameLine2(22), "Dreadnought");
    EXPECT_STREQ(nameLine2(24), "Dreadnought");
    EXPECT_STRNE(nameLine1(22), nameLine1(24));
}

TEST(BoardTables, EmptySecondLineLeavesTrailingBlank) {
    char name[64];
    std::snprintf(name, sizeof name, "%s %s", nameLine1(27), nameLine2(27));
    EXPECT_STREQ(name, "Iron Moon II ");
    std::snprintf(name, sizeof name, "%s %s", nameLine1(21), nameLine2(21));
    EXPECT_STREQ(name, "Capitolis Parliament");
}

TEST(BoardTables, HouseCostsByTier) {
    EXPECT_EQ(houseCost(0), 50);
    EXPECT_EQ(houseCost(1), 50);
    EXPECT_EQ(houseCost(4), 50);
    EXPECT_EQ(houseCost(5), 100);
    EXPECT_EQ(houseCost(10), 100);
    EXPECT_EQ(houseCost(11), 150);
    EXPECT_EQ(houseCost(16), 150);
    EXPECT_EQ(houseCost(17), 200);
    EXPECT_EQ(houseCost(20), 200);
    EXPECT_EQ(houseCost(21), 200);
}

TEST(BoardTables, MortgageIsHalfThePrice) {
    EXPECT_EQ(mortgageValue(0), 30);
    EXPECT_EQ(mortgageValue(20), 175);
    EXPECT_EQ(mortgageValue(26), 75);
}

TEST(BoardTables, GroupsFromSlots) {
    EXPECT_EQ(groupOf(0), 0);
    EXPECT_EQ(groupOf(4), 1);
    EXPECT_EQ(groupOf(21), 7);
    EXPECT_EQ(groupOf(25), transportGroup);
    EXPECT_EQ(groupOf(27), utilityGroup);
    int streets[4];
    ASSERT_EQ(groupStreets(1, streets), 3);
    EXPECT_EQ(streets[0], 2);
    EXPECT_EQ(streets[2], 4);
    ASSERT_EQ(groupStreets(7, streets), 2);
    EXPECT_EQ(streets[1], 21);
    EXPECT_EQ(groupStreets(transportGroup, streets), 0);
}

TEST(BoardTables, CardTextsAndJailCards) {
    EXPECT_STREQ(cardTexts[jailCardNumber[0]], "Get out of Jail Free Card");
    EXPECT_STREQ(cardTexts[deckSize + jailCardNumber[1]], "Get out of Jail Free Card");
    EXPECT_STREQ(cardTexts[deckSize + 12], "Go back 3 spaces");
    for (const auto& text : cardTexts) EXPECT_LT(std::strlen(text), 100u);
}

TEST(BoardTables, PlayersInPlayFollowsOptions) {
    game = GameState{};
    EXPECT_EQ(playersInPlay(), 2);
    game.humanCount = 3;
    game.computerCount = 4;
    EXPECT_EQ(playersInPlay(), 7);
}
