// Computer building and buying back mortgages: what is decided, what the executor does with
// the drawn reserve and margin, and the orders it keeps.
#include <gtest/gtest.h>

#include "ai/computer.h"
#include "game/random.h"
#include "game/rules.h"
#include "game/tables.h"
#include "support/fixtures.h"

namespace {

class ComputerBuilding : public ::testing::Test {
protected:
    void SetUp() override {
        game = GameState{};
        startTestGame(1, 1);
        game.currentPlayer = 1;
        fixClock(500);
    }
    void TearDown() override { setClock(nullptr); }
};

using ComputerUnmortgaging = ComputerBuilding;

int housesOn(int group) {
    int total = 0;
    for (int k = 0; k < 4; ++k)
        if (groupMembers[group][k] >= 0) total += game.houses[groupMembers[group][k]];
    return total;
}

// The reserve is drawn on the first call of a roll only, within 50..200, and decides whether
// a house fits.
TEST_F(ComputerBuilding, DecisionDrawsTheReserveOncePerRoll) {
    giveGroup(1, 2);  // streets 5, 6, 7 at 100 a house
    int low = 1000, high = 0;
    for (int second = 0; second < 3000; ++second) {
        fixClock(second);
        game.buildTried = false;
        game.money[1] = 250;
        const bool build = decideBuild();
        EXPECT_TRUE(game.buildTried);
        EXPECT_EQ(build, 100 + game.buildReserve <= 250) << second;
        low = std::min(low, game.buildReserve);
        high = std::max(high, game.buildReserve);
        const int reserve = game.buildReserve;
        EXPECT_FALSE(decideBuild());  // asked again before the next roll: no
        EXPECT_EQ(game.buildReserve, reserve);
    }
    EXPECT_EQ(low, 50);
    EXPECT_EQ(high, 200);
}

TEST_F(ComputerBuilding, ReserveOfTwoHundredWithThreeHundredBuildsExactlyOneHouse) {
    giveGroup(1, 2);
    for (int second = 0; second < 30; ++second) {
        giveGroup(1, 2);
        game.money[1] = 300;
        game.buildReserve = 200;
        game.menuIndex = 2;
        fixClock(second);
        buildHouses();
        EXPECT_EQ(housesOn(2), 1);
        EXPECT_EQ(game.money[1], 200);
        EXPECT_EQ(game.menuIndex, 0);
    }
}

// Even building: from 2, 2, 1 the next house always goes on the street with 1, whatever
// order the streets are visited in.
TEST_F(ComputerBuilding, LowestStreetOfTheGroupIsBuiltFirst) {
    for (int second = 0; second < 60; ++second) {
        giveGroup(1, 3, 2, 2, 1);  // streets 8, 9, 10 at 100 a house
        game.money[1] = 260;
        game.buildReserve = 100;  // room for one house only
        fixClock(second);
        buildHouses();
        EXPECT_EQ(game.houses[8], 2);
        EXPECT_EQ(game.houses[9], 2);
        EXPECT_EQ(game.houses[10], 2);
        EXPECT_EQ(game.money[1], 160);
    }
}

// With plenty of cash every pass keeps each group level, and the reserve is never touched.
TEST_F(ComputerBuilding, PassesBuildLevelAndStopAtTheReserve) {
    for (int second = 0; second < 40; ++second) {
        giveGroup(1, 2);
        giveGroup(1, 3);  // six streets at 100 a house: 3000 to finish, more than there is
        game.money[1] = 1000 + second * 37;
        game.buildReserve = 50 + second;
        fixClock(second);
        buildHouses();
        for (int g : {2, 3}) {
            int lowest = 5, highest = 0;
            for (int k = 0; k < 4; ++k) {
                const int p = groupMembers[g][k];
                if (p < 0) continue;
                lowest = std::min(lowest, game.houses[p]);
                highest = std::max(highest, game.houses[p]);
            }
            EXPECT_LE(highest - lowest, 1) << "group " << g << " second " << second;
        }
        EXPECT_GE(game.money[1], game.buildReserve);
        // Nothing more fits: the cheapest house would dip into the reserve.
        EXPECT_LT(game.money[1] - 100, game.buildReserve);
    }
}

TEST_F(ComputerBuilding, HotelsAndMortgagedGroupsAreLeftAlone) {
    giveGroup(1, 4, 5, 5, 5);   // all hotels
    giveGroup(1, 5, 0, -1, 0);  // one street mortgaged
    game.money[1] = 5000;
    for (int second = 0; second < 20; ++second) {
        fixClock(second);
        game.buildTried = false;
        EXPECT_FALSE(decideBuild());
        game.buildReserve = 50;
        buildHouses();
        EXPECT_EQ(game.money[1], 5000);
        EXPECT_EQ(game.houses[15], -1);
        EXPECT_EQ(housesOn(5), -1);
    }
    // Streets of other seats never count towards a group.
    giveGroup(1, 6);
    giveProperty(0, 19);
    game.buildTried = false;
    EXPECT_FALSE(decideBuild());
}

TEST_F(ComputerUnmortgaging, MarginIsDrawnInTenthsFromOnePointThree) {
    giveProperty(1, 22, -1);
    bool seen[6] = {};
    for (int second = 0; second < 200; ++second) {
        fixClock(second);
        game.unmortgageTried = false;
        decideUnmortgage();
        const int step = static_cast<int>((game.unmortgageMargin - 1.3f) * 10.0f + 0.5f);
        ASSERT_GE(step, 0);
        ASSERT_LE(step, 5);
        EXPECT_FLOAT_EQ(game.unmortgageMargin, static_cast<float>(step * 0.1 + 1.3));
        seen[step] = true;
    }
    for (bool s : seen) EXPECT_TRUE(s);
}

// Houses going up anywhere stop all buying back; a finished hotel does not.
TEST_F(ComputerUnmortgaging, StreetsWithOneToFourHousesBlockIt) {
    giveProperty(1, 25, -1);
    game.money[1] = 5000;
    for (int h = 0; h <= 5; ++h) {
        giveGroup(1, 1, h, h, h);
        game.unmortgageTried = false;
        EXPECT_EQ(decideUnmortgage(), h == 0 || h == 5) << h << " houses";
        EXPECT_TRUE(game.unmortgageTried);
    }
    // Another seat's houses do not block.
    giveGroup(0, 1, 3, 3, 3);
    game.unmortgageTried = false;
    EXPECT_TRUE(decideUnmortgage());
}

// Only the first candidate is judged: a dear street of a whole group comes before a cheap
// transport, and when it is out of reach the answer is no.
TEST_F(ComputerUnmortgaging, OnlyTheFirstCandidateIsJudged) {
    giveGroup(1, 7, -1, 0);   // street 20 (mortgage value 175), whole group
    giveProperty(1, 26, -1);  // utility, mortgage value 75
    game.money[1] = 240;      // enough for the utility, never for 175 x 1.1 x 1.3 = 250.25
    game.unmortgageTried = false;
    EXPECT_FALSE(decideUnmortgage());
    game.money[1] = 347;  // 175 x 1.1 x 1.8 = 346.5: enough whatever the margin
    game.unmortgageTried = false;
    EXPECT_TRUE(decideUnmortgage());
}

TEST_F(ComputerUnmortgaging, LiftingChargesTenPercentInFloatingPoint) {
    giveGroup(1, 7, -1, 0);
    game.money[1] = 1000;
    game.unmortgageMargin = 1.3f;
    game.menuIndex = 3;
    unmortgageProperties();
    EXPECT_EQ(game.houses[20], 0);
    EXPECT_EQ(game.money[1], 807);  // 1000 - 192.5, truncated
    EXPECT_EQ(game.menuIndex, 0);
    EXPECT_TRUE(game.unmortgageTried);
}

// Whole groups first (highest streets first), then the other streets, then transports and
// utilities; the first one out of reach stops everything, even if a cheaper one follows.
TEST_F(ComputerUnmortgaging, OrderAndStopAtFirstUnaffordable) {
    giveGroup(1, 0, -1, -1);  // whole group: streets 0, 1 (mortgage value 30 each)
    giveProperty(1, 19, -1);  // a stray street, mortgage value 160
    giveProperty(1, 22, -1);  // a transport, 100
    giveProperty(1, 26, -1);  // a utility, 75
    game.unmortgageMargin = 1.5f;
    game.money[1] = 300;  // 30 x 1.65 = 49.5 each: both fit; then 160 x 1.65 = 264 does not
    unmortgageProperties();
    EXPECT_EQ(game.houses[0], 0);
    EXPECT_EQ(game.houses[1], 0);
    EXPECT_EQ(game.houses[19], -1);
    EXPECT_EQ(game.houses[22], -1);  // affordable, but after the street that stopped it
    EXPECT_EQ(game.houses[26], -1);
    EXPECT_EQ(game.money[1], 234);  // 300 - 33 - 33

    game.money[1] = 2000;
    unmortgageProperties();
    EXPECT_EQ(game.houses[19], 0);
    EXPECT_EQ(game.houses[22], 0);
    EXPECT_EQ(game.houses[26], 0);
    // 176 and 110, then 82.5 taken from 1714 leaves 1631.5, truncated.
    EXPECT_EQ(game.money[1], 1631);
}

}  // namespace
