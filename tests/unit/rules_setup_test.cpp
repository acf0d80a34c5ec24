// Dealing a new game, the reset to the start menu, and the board geometry.
#include <gtest/gtest.h>

#include <cmath>

#include "game/invariants.h"
#include "game/random.h"
#include "game/rules.h"
#include "game/tables.h"
#include "render/text_metrics.h"
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

bool isPermutation(const int32_t* values, int n) {
    bool seen[deckSize] = {};
    for (int i = 0; i < n; ++i) {
        if (values[i] < 0 || values[i] >= n || seen[values[i]]) return false;
        seen[values[i]] = true;
    }
    return true;
}

TEST_F(SetupRules, TwoHumansGetPlacesOneAndFiveAndStartingMoney) {
    dealAt(5000, 2, 0);
    EXPECT_EQ(game.tokenSlot[0], 1);
    EXPECT_EQ(game.tokenSlot[1], 5);
    for (int s = 0; s < 2; ++s) {
        EXPECT_EQ(game.money[s], 1500);
        EXPECT_TRUE(game.isHuman[s]);
        EXPECT_EQ(game.position[s], 0);
    }
    EXPECT_EQ(game.money[2], 0);
    EXPECT_EQ(game.screen, NameEntry);
    EXPECT_EQ(game.currentPlayer, 0);  // seat 0 rolls first, whoever was drawn into it
    EXPECT_EQ(game.middlePot, 0);
    for (int p = 0; p < propertyCount; ++p) EXPECT_EQ(game.owner[p], bankOwner);
    EXPECT_EQ(game.jailCardHolder[0], bankOwner);
    EXPECT_EQ(game.jailCardHolder[1], bankOwner);
    char why[120] = "";
    EXPECT_TRUE(checkInvariants(game, why, sizeof why)) << why;
}

TEST_F(SetupRules, TokenPlacesSpreadFewTokensApart) {
    dealAt(5000, 2, 1);
    EXPECT_EQ(game.tokenSlot[0], 0);
    EXPECT_EQ(game.tokenSlot[1], 2);
    EXPECT_EQ(game.tokenSlot[2], 5);
    dealAt(5000, 3, 2);
    const int five[5] = {0, 1, 2, 4, 6};
    for (int s = 0; s < 5; ++s) EXPECT_EQ(game.tokenSlot[s], five[s]) << s;
    dealAt(5000, 4, 4);
    for (int s = 0; s < 8; ++s) EXPECT_EQ(game.tokenSlot[s], s);
}

TEST_F(SetupRules, SeatingIsAPermutationWithTheHumansEnteredFirst) {
    for (long long second = 100; second < 140; ++second) {
        dealAt(second, 3, 4);
        EXPECT_TRUE(isPermutation(game.entryIndex, 7)) << second;
        int humans = 0;
        for (int s = 0; s < 7; ++s) {
            EXPECT_EQ(game.isHuman[s], game.entryIndex[s] < 3) << second;
            humans += game.isHuman[s];
        }
        EXPECT_EQ(humans, 3);
        EXPECT_TRUE(isPermutation(game.deckOrder[0], deckSize));
        EXPECT_TRUE(isPermutation(game.deckOrder[1], deckSize));
    }
}

TEST_F(SetupRules, SeatingAndDecksVaryWithTheSecond) {
    int seatZeroComputer = 0;
    int deckChanges = 0;
    int32_t previousTop = -1;
    for (long long second = 100; second < 140; ++second) {
        dealAt(second, 3, 4);
        seatZeroComputer += !game.isHuman[0];
        deckChanges += game.deckOrder[0][0] != previousTop;
        previousTop = game.deckOrder[0][0];
    }
    EXPECT_GT(seatZeroComputer, 5);   // not always the first entrant in seat 0
    EXPECT_LT(seatZeroComputer, 35);
    EXPECT_GT(deckChanges, 20);
}

TEST_F(SetupRules, SameSecondDealsTheSameSeatingAndDecks) {
    dealAt(777777, 2, 3);
    const GameState first = game;
    resetToStartMenu();
    game.humanCount = 2;
    game.computerCount = 3;
    setUpGame();
    for (int s = 0; s < maxSeats; ++s) {
        EXPECT_EQ(game.entryIndex[s], first.entryIndex[s]);
        EXPECT_EQ(game.isHuman[s], first.isHuman[s]);
    }
    for (int d = 0; d < 2; ++d)
        for (int i = 0; i < deckSize; ++i) EXPECT_EQ(game.deckOrder[d][i], first.deckOrder[d][i]);
}

TEST_F(SetupRules, MiddlePotIsSeededOnlyByTheFiveHundredOption) {
    dealAt(5000, 2, 0, 2);
    EXPECT_EQ(game.middlePot, 500);
    dealAt(5000, 2, 0, 1);
    EXPECT_EQ(game.middlePot, 0);
    dealAt(5000, 2, 0, 0);
    EXPECT_EQ(game.middlePot, 0);
}

TEST_F(SetupRules, ResetReturnsToNoGameButKeepsOptionsDecksAndGeometry) {
    dealAt(4242, 3, 2, 2);
    game.biddingOption = false;
    const GameState dealt = game;
    // A game in full swing.
    game.screen = AssetMenu;
    game.money[1] = -40;
    game.position[2] = jailCell;
    game.jailTurns[2] = 1;
    game.bankrupt[4] = true;
    game.owner[3] = 1;
    game.houses[3] = 2;
    game.jailCardHolder[1] = 0;
    game.noticeAmount[1] = 75;
    copyText(game.noticeReason[1], "taxes", noticeReasonSize);
    game.noticeIndex = 1;
    game.noticeTimer = 40;
    game.inDebt = true;
    game.moving = game.passedGo = game.utilityTenTimes = game.transportDoubleRent = true;
    game.doublesCount = 2;
    game.currentPlayer = 3;
    game.auctionBidder = 2;
    game.bidIncrement = 120;
    game.middlePot = 900;
    game.winner = 4;
    game.gameOver = true;
    game.initiatorMortgagedCount = 3;
    game.proposeCooldown[2][1] = 4;
    game.tradeTried = game.buildTried = game.unmortgageTried = true;
    game.unmortgageMargin = 1.5f;
    game.buildReserve = 120;
    game.bidLimit[3] = 300;
    game.zoom = 0.5f;
    game.panX = 0.2f;
    game.cameraGlide = 7;

    resetToStartMenu();

    EXPECT_EQ(game.screen, StartMenu);
    EXPECT_EQ(game.assetCursor, CursorBack);
    EXPECT_FLOAT_EQ(game.zoom, 1.0f);
    EXPECT_FLOAT_EQ(game.panX, 0.0f);
    EXPECT_EQ(game.cameraGlide, 0);
    for (int s = 0; s < maxSeats; ++s) {
        EXPECT_EQ(game.money[s], 0);
        EXPECT_EQ(game.position[s], 0);
        EXPECT_FALSE(game.bankrupt[s]);
        EXPECT_FALSE(game.isHuman[s]);
        EXPECT_EQ(game.playerNames[s][0], '\0');
    }
    EXPECT_EQ(game.owner[3], bankOwner);
    EXPECT_EQ(game.houses[3], 0);
    EXPECT_EQ(game.jailCardHolder[1], bankOwner);
    EXPECT_EQ(game.noticeAmount[1], 0);
    EXPECT_EQ(game.noticeReason[1][0], '\0');
    EXPECT_EQ(game.noticeIndex, 0);
    EXPECT_FALSE(game.inDebt || game.moving || game.passedGo || game.utilityTenTimes ||
                 game.transportDoubleRent || game.gameOver);
    EXPECT_EQ(game.doublesCount, 0);
    EXPECT_EQ(game.currentPlayer, 0);
    EXPECT_EQ(game.auctionBidder, 0);
    EXPECT_EQ(game.bidIncrement, 50);
    EXPECT_EQ(game.middlePot, 0);
    EXPECT_EQ(game.initiatorMortgagedCount, 0);
    EXPECT_EQ(game.proposeCooldown[2][1], 0);
    EXPECT_FALSE(game.tradeTried || game.buildTried || game.unmortgageTried);

    // Kept: options, the dealt decks and seating, the computers' drawn values, geometry.
    EXPECT_EQ(game.humanCount, 3);
    EXPECT_EQ(game.computerCount, 2);
    EXPECT_EQ(game.middleOption, 2);
    EXPECT_FALSE(game.biddingOption);
    EXPECT_FLOAT_EQ(game.unmortgageMargin, 1.5f);
    EXPECT_EQ(game.buildReserve, 120);
    EXPECT_EQ(game.bidLimit[3], 300);
    for (int s = 0; s < maxSeats; ++s) {
        EXPECT_EQ(game.entryIndex[s], dealt.entryIndex[s]);
        EXPECT_EQ(game.tokenSlot[s], dealt.tokenSlot[s]);
    }
    for (int i = 0; i < deckSize; ++i) EXPECT_EQ(game.deckOrder[0][i], dealt.deckOrder[0][i]);
    EXPECT_FLOAT_EQ(game.tokenSpotX[12][3], dealt.tokenSpotX[12][3]);

    char why[120] = "";
    EXPECT_TRUE(checkInvariants(game, why, sizeof why)) << why;
}

TEST_F(SetupRules, GeometryPlacesSpotsOnTheirEdges) {
    computeBoardGeometry();
    const float px = 1.0f / 1024;
    const float a = 68.0f / 3072;
    EXPECT_NEAR(game.squareSpotX[0], 947 * px, 1e-6);
    EXPECT_NEAR(game.squareSpotY[0], 25 * px, 1e-6);
    // Property 0 on square 1, bottom edge; property 21 on square 39, right edge.
    EXPECT_NEAR(game.propertySpotX[0], 1 - 211 * px, 1e-6);
    EXPECT_NEAR(game.propertySpotY[0], 103 * px, 1e-6);
    EXPECT_NEAR(game.propertySpotX[21], 869 * px, 1e-6);
    EXPECT_NEAR(game.propertySpotY[21], 1 - 867 * px, 1e-6);
    // Property 11 on square 21, top edge; property 5 on square 11, left edge.
    EXPECT_NEAR(game.propertySpotX[11], 77 * px + 82 * px, 1e-6);
    EXPECT_NEAR(game.propertySpotY[11], 869 * px, 1e-6);
    EXPECT_NEAR(game.propertySpotY[5], 159 * px, 1e-6);
    // The visitors on square 10 line both outer edges; the prisoners sit in the cell.
    EXPECT_NEAR(game.tokenSpotX[10][2], 5 * px, 1e-6);
    EXPECT_NEAR(game.tokenSpotY[10][2], 109 * px - 2 * a, 1e-6);
    EXPECT_NEAR(game.tokenSpotX[10][6], 109 * px - 2 * a, 1e-6);
    EXPECT_NEAR(game.tokenSpotY[10][6], 5 * px, 1e-6);
    EXPECT_NEAR(game.tokenSpotX[jailCell][5], 78 * px + 0.03f, 1e-6);
    EXPECT_NEAR(game.tokenSpotY[jailCell][5], 109 * px - a, 1e-6);
    // Eight distinct places on every square.
    for (int q = 0; q <= squareCount; ++q)
        for (int k = 0; k < maxSeats; ++k)
            for (int j = 0; j < k; ++j)
                EXPECT_FALSE(game.tokenSpotX[q][k] == game.tokenSpotX[q][j] &&
                             game.tokenSpotY[q][k] == game.tokenSpotY[q][j])
                    << "square " << q << " places " << j << " and " << k;
}

}  // namespace
