// Dice, the token's walk, landings, rent and passing the turn.
#include <gtest/gtest.h>

#include "game/random.h"
#include "game/rules.h"
#include "game/tables.h"
#include "support/fixtures.h"

namespace {

class TurnRules : public ::testing::Test {
protected:
    void SetUp() override {
        game = GameState{};
        startTestGame(3);
    }
    void TearDown() override { setClock(nullptr); }
};

TEST_F(TurnRules, TwoRollsInTheSameSecondShowTheSameDice) {
    fixClock(123456);
    rollDice();
    const int first[2] = {game.dice[0], game.dice[1]};
    startTestGame(3);
    rollDice();
    EXPECT_EQ(game.dice[0], first[0]);
    EXPECT_EQ(game.dice[1], first[1]);
}

TEST_F(TurnRules, PlainRollWalksThenTheLandingDraws) {
    game.doublesCount = 1;  // a plain roll ends a run of doubles
    rollWith(2, 3);
    EXPECT_EQ(game.doublesCount, 0);
    for (int tick = 0; tick < 129; ++tick) {
        advanceMove();
        advanceSettle();
    }
    EXPECT_EQ(game.position[0], 7);
    EXPECT_EQ(game.cardTimer, 0);  // dice, glide and rest come before the landing
    advanceMove();
    EXPECT_FALSE(game.moving);
    EXPECT_EQ(game.activeDeck, 1);
    EXPECT_EQ(game.cardTimer, cardDisplayTicks);
}

// Third doubles, and rolls from the cell.
TEST_F(TurnRules, ThirdDoublesAndJailRolls) {
    const struct {
        int failed, doubles, a, b, turns, player;
        bool freed;
    } cases[] = {{-1, 2, 3, 3, 0, 1, false},  // from 36: straight to jail, no salary for passing GO
                 {1, 0, 1, 1, 0, 0, true},    // doubles free it from square 10 without an extra roll
                 {0, 0, 1, 4, 1, 1, false},   // a failed roll counts and the turn passes
                 {0, 2, 5, 5, 0, 1, false}};  // jailed during a run of doubles: more doubles keep it there
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.failed << " " << c.doubles);
        startTestGame(3);
        game.position[0] = 36;
        if (c.failed >= 0) putInJail(0, c.failed);
        game.doublesCount = c.doubles;
        rollWith(c.a, c.b);
        EXPECT_EQ(game.jailTurns[0], c.turns);
        runBoardSteps();
        EXPECT_EQ(game.position[0], c.freed ? 14 : jailCell);
        EXPECT_EQ(game.buyPromptOpen, c.freed);
        EXPECT_EQ(game.currentPlayer, c.player);
        EXPECT_EQ(game.money[0], 1500);
        if (c.player == 1) {
            EXPECT_EQ(game.boardCursor, 0);
        }  // seat 1 is on GO
        EXPECT_TRUE(stateIsValid());
    }
}

TEST_F(TurnRules, PassingOrEndingOnGoPaysTheSalaryOnce) {
    const struct { int from, a, b; } cases[] = {{38, 0, 2}, {33, 2, 3}};  // over GO to a card square; onto GO
    for (const auto& c : cases) {
        startTestGame(3);
        game.position[0] = c.from;
        rollWith(c.a, c.b);
        runBoardSteps();
        EXPECT_EQ(game.money[0], 1700) << c.from;
        EXPECT_EQ(game.cardTimer, c.from == 38 ? cardDisplayTicks : 0);  // then the card square draws
    }
}

TEST_F(TurnRules, CameraGlideWaitsForTheDiceAndEndsOnTheEdgeOfEachSide) {
    game.diceTimer = 2;
    aimCamera(15);
    for (int i = 0; i < 2; ++i) advanceMove();
    EXPECT_FLOAT_EQ(game.panX, 0.0f);
    for (int i = 0; i < 5; ++i) advanceMove();
    EXPECT_NEAR(game.panX, -0.25f, 1e-6);
    const struct {
        int square;
        float x, z;
    } cases[] = {{0, 0.25f, -0.25f}, {9, -0.2f, -0.25f}, {15, -0.25f, 0.0f},
                 {25, 0.0f, 0.25f},  {35, 0.25f, 0.0f},  {jailCell, -0.25f, -0.25f}};
    for (const auto& c : cases) {
        aimCamera(c.square);
        EXPECT_NEAR(game.cameraTargetX, c.x, 1e-6) << c.square;
        EXPECT_NEAR(game.cameraTargetZ, c.z, 1e-6) << c.square;
    }
}

TEST_F(TurnRules, SquareThirtyJailsAndKeepsPendingDoubles) {
    for (int doubles = 0; doubles <= 1; ++doubles) {
        startTestGame(3);
        game.doublesCount = doubles;
        landOn(30);
        EXPECT_EQ(game.position[0], jailCell);
        EXPECT_EQ(game.boardCursor, jailSquare);
        runBoardSteps();
        EXPECT_EQ(game.currentPlayer, 1 - doubles);  // with doubles pending it rolls again, from the cell
    }
    rollWith(2, 2);
    EXPECT_EQ(game.position[0], jailSquare);
}

TEST_F(TurnRules, FreeParkingAndTaxesPerMiddleOption) {
    const struct {
        int option, pot, square, money, potAfter;
    } cases[] = {{1, 300, 20, 1800, 0},
                 {2, 650, 20, 2150, 500},
                 {1, 0, 20, 1500, 0},
                 {1, 0, 38, 1425, 75},
                 {0, 0, 38, 1425, 0}};
    for (const auto& c : cases) {
        startTestGame(3);
        game.middleOption = c.option;
        game.middlePot = c.pot;
        landOn(c.square);
        EXPECT_EQ(game.money[0], c.money) << c.square << "/" << c.option;
        EXPECT_EQ(game.middlePot, c.potAfter) << c.square << "/" << c.option;
        // A payment waits for its notice; an empty pot passes the turn at once.
        EXPECT_EQ(game.currentPlayer, c.money == 1500 ? 1 : 0);
    }
}

TEST_F(TurnRules, OwnOrMortgagedPropertyDoesNothing) {
    giveProperty(0, 11);
    giveProperty(1, 12, -1);
    game.doublesCount = 1;
    landOn(21);
    landOn(23);
    EXPECT_EQ(game.money[0], 1500);
    EXPECT_EQ(game.money[1], 1500);
    EXPECT_EQ(game.currentPlayer, 0);  // doubles pending
    game.doublesCount = 0;
    landOn(23);
    EXPECT_EQ(game.currentPlayer, 1);
}

// Guards a card's doubled transport rent outliving its landing when the transport changed hands.
TEST_F(TurnRules, StaleDoubleTransportRentDoesNotOutliveItsLanding) {
    giveProperty(0, 23);
    giveProperty(1, 22);
    game.transportDoubleRent = true;
    landOn(15);
    EXPECT_FALSE(game.transportDoubleRent);
    landOn(5, 2);
    EXPECT_EQ(game.money[2], 1475);
}

TEST_F(TurnRules, RentOfStreetsTransportsAndUtilities) {
    giveProperty(1, 8);
    EXPECT_EQ(computeRent(8), 14);
    giveGroup(1, 3);
    EXPECT_EQ(computeRent(8), 28);  // a whole group doubles
    game.houses[10] = -1;
    EXPECT_EQ(computeRent(8), 14);  // ... unless one is mortgaged
    giveGroup(1, 3, 0, 2, 2);
    EXPECT_EQ(computeRent(9), 200);

    const int transport[4] = {25, 50, 100, 200};
    for (int n = 1; n <= 4; ++n) {
        giveProperty(1, 21 + n);
        EXPECT_EQ(computeRent(22), transport[n - 1]) << n;
    }
    game.transportDoubleRent = true;
    EXPECT_EQ(computeRent(23), 400);
    EXPECT_EQ(computeRent(23), 200);  // the doubling is used up

    game.dice[0] = 2;
    game.dice[1] = 4;  // total 8
    giveProperty(1, 26);
    EXPECT_EQ(computeRent(26), 32);
    giveProperty(1, 27);
    EXPECT_EQ(computeRent(26), 80);
    game.utilityTenTimes = true;
    EXPECT_EQ(computeRent(26), 80);
}

TEST_F(TurnRules, RentIsPaidIntoDebtOrBankruptsToTheOwner) {
    giveProperty(1, 27);
    game.dice[0] = game.dice[1] = 0;
    landOn(28);
    EXPECT_EQ(game.money[0], 1492);
    EXPECT_EQ(game.money[1], 1508);
    EXPECT_STREQ(game.noticeReason[0], "rent of Iron Moon II ");

    for (int mortgaged = 0; mortgaged <= 1; ++mortgaged) {
        startTestGame(3);
        giveProperty(1, 21, 5);
        giveProperty(0, 0, -mortgaged);
        game.money[0] = 1990 + 9 * mortgaged;
        landOn(39);  // 2000 rent: within net worth it is paid and the debt state opens
        EXPECT_EQ(game.inDebt, mortgaged == 0);
        EXPECT_EQ(game.bankrupt[0], mortgaged == 1);
        EXPECT_EQ(game.money[0], mortgaged ? 0 : -10);
        EXPECT_EQ(game.money[1], mortgaged ? 1500 + 1999 : 3500);
        EXPECT_TRUE(stateIsValid());
    }
}

TEST_F(TurnRules, HandOffSkipsBankruptSeatsAndPreparesTheNext) {
    startTestGame(4);
    game.bankrupt[2] = true;
    game.currentPlayer = 1;
    game.doublesCount = 1;
    nextTurn();
    EXPECT_EQ(game.currentPlayer, 3);
    EXPECT_EQ(game.doublesCount, 0);

    startTestGame(1, 2);
    game.proposeCooldown[1][0] = 3;
    game.proposeCooldown[2][0] = 3;  // another seat's memory is left alone
    game.position[1] = 15;
    nextTurn();
    EXPECT_EQ(game.computerDelay, 50);
    EXPECT_EQ(game.proposeCooldown[1][0], 2);
    EXPECT_EQ(game.proposeCooldown[2][0], 3);
    EXPECT_EQ(game.boardCursor, 15);
}

// Guards boardCursor pointing at square 40 (the cell) for a jailed seat.
TEST_F(TurnRules, JailedSeatsCursorStaysOnTheBoard) {
    putInJail(1, 1);
    nextTurn();
    EXPECT_EQ(game.boardCursor, jailSquare);
    EXPECT_TRUE(stateIsValid());
    game.doublesCount = 1;
    continueOrPass();
    EXPECT_EQ(game.boardCursor, jailSquare);
}

}  // namespace
