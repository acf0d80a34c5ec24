// Dice, the token's walk, landings, rent and passing the turn.
#include <gtest/gtest.h>

#include "game/random.h"
#include "game/rules.h"
#include "game/tables.h"
#include "support/fixtures.h"

namespace {

class TurnRules : public ::testing::Test {
protected:
    void SetUp() override { startTestGame(3); }
    void TearDown() override { setClock(nullptr); }
};

TEST_F(TurnRules, PlainRollWalksThenTheLandingDraws) {
    game.doublesCount = 1;  // a plain roll ends a run of doubles
    rollWith(2, 3);
    EXPECT_EQ(game.doublesCount, 0);
    EXPECT_EQ(game.moveTarget, 7);
    // 30 dice ticks, the glide, seven steps and 30 rest ticks come before the landing.
    for (int tick = 0; tick < 129; ++tick) advanceMove();
    EXPECT_EQ(game.position[0], 7);
    EXPECT_EQ(game.cardTimer, 0);
    advanceMove();
    EXPECT_FALSE(game.moving);
    EXPECT_EQ(game.activeDeck, 1);
    EXPECT_EQ(game.cardTimer, cardDisplayTicks);
}

// Third doubles, and rolls from the cell (the seat starts on 36, or in the cell).
TEST_F(TurnRules, ThirdDoublesAndJailRolls) {
    const struct {
        int failed, doubles, a, b, turns, player;
        bool freed;
    } cases[] = {{-1, 2, 3, 3, 0, 1, false},  // from 36: straight to jail, no salary for passing GO
                 {1, 0, 1, 1, 0, 0, true},    // doubles free it from square 10 without an extra roll
                 {0, 0, 1, 4, 1, 1, false},   // a failed roll counts and the turn passes
                 {2, 0, 1, 4, 2, 1, false},   // two is the most a stay counts
                 {0, 2, 5, 5, 0, 1, false}};  // jailed during a run of doubles: more doubles keep it there
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.failed << " " << c.doubles);
        startTestGame(3);
        game.position[0] = 36;
        if (c.failed >= 0) putInJail(0, c.failed);
        game.doublesCount = c.doubles;
        rollWith(c.a, c.b);
        EXPECT_EQ(game.jailTurns[0], c.turns);
        EXPECT_EQ(game.doublesCount, 0);
        runBoardSteps();
        EXPECT_EQ(game.position[0], c.freed ? 14 : jailCell);
        EXPECT_EQ(game.buyPromptOpen, c.freed);
        EXPECT_EQ(game.currentPlayer, c.player);
        EXPECT_EQ(game.money[0], 1500);
        EXPECT_EQ(game.boardCursor, c.freed ? 0 : squareOfSeat(c.player));
        EXPECT_TRUE(stateIsValid());
    }
}

TEST_F(TurnRules, PassingOrEndingOnGoPaysTheSalaryOnce) {
    for (const auto& [from, a, b] :
         {std::tuple{38, 0, 2}, {33, 2, 3}}) {  // over GO to a card square; onto GO
        startTestGame(3);
        game.position[0] = from;
        rollWith(a, b);
        runBoardSteps();
        EXPECT_EQ(game.money[0], 1700) << from;
        EXPECT_EQ(game.noticeAmount[0], -goSalary);
        EXPECT_EQ(game.noticeIndex, 1);  // a landing notice queues behind it
        EXPECT_EQ(game.cardTimer, from == 38 ? cardDisplayTicks : 0);
    }
}

TEST_F(TurnRules, CameraGlideWaitsForTheDiceAndEndsOnTheEdgeOfEachSide) {
    game.diceTimer = 2;
    aimCamera(15);
    EXPECT_EQ(game.cameraGlide, 5);
    for (int i = 0; i < 2; ++i) advanceMove();
    EXPECT_FLOAT_EQ(game.panX, 0.0f);
    advanceMove();
    EXPECT_NEAR(game.panX, -0.05f, 1e-6);  // a fifth of the way each step
    for (int i = 0; i < 4; ++i) advanceMove();
    EXPECT_NEAR(game.panX, -0.25f, 1e-6);
    EXPECT_NEAR(game.panY, 0.0f, 1e-6);
    const struct {
        int square;
        float x, z;
    } cases[] = {{0, 0.25f, -0.25f}, {9, -0.2f, -0.25f},  {10, -0.25f, -0.25f},
                 {15, -0.25f, 0.0f}, {20, -0.25f, 0.25f}, {25, 0.0f, 0.25f},
                 {30, 0.25f, 0.25f}, {35, 0.25f, 0.0f},   {jailCell, -0.25f, -0.25f}};
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
        EXPECT_FLOAT_EQ(game.cameraTargetX, -0.25f);  // the jail's corner
        EXPECT_FLOAT_EQ(game.cameraTargetZ, -0.25f);
        runBoardSteps();
        EXPECT_EQ(game.currentPlayer, 1 - doubles);  // with doubles pending it rolls again, from the cell
    }
    rollWith(2, 2);
    EXPECT_EQ(game.position[0], jailSquare);
}

// Free parking pays out the pot (reseeded at 500 under option 2), the luxury tax feeds it;
// a payment waits for its notice, an empty pot passes the turn at once.
TEST_F(TurnRules, FreeParkingAndTaxesPerMiddleOption) {
    const struct {
        int option, pot, square, money, potAfter;
    } cases[] = {{1, 300, 20, 1800, 0},   {2, 650, 20, 2150, 500}, {1, 0, 20, 1500, 0},
                 {0, 300, 20, 1500, 300}, {1, 0, 38, 1425, 75},    {0, 0, 38, 1425, 0}};
    for (const auto& c : cases) {
        startTestGame(3);
        game.middleOption = c.option;
        game.middlePot = c.pot;
        landOn(c.square);
        EXPECT_EQ(game.money[0], c.money) << c.square << "/" << c.option;
        EXPECT_EQ(game.middlePot, c.potAfter) << c.square << "/" << c.option;
        EXPECT_EQ(game.currentPlayer, c.money == 1500 ? 1 : 0);
        EXPECT_EQ(game.noticeAmount[0], 1500 - c.money);
    }
    landOn(4);
    EXPECT_TRUE(game.taxPromptOpen && game.promptYes);
}

// Own or mortgaged property: no rent, and a card's doubled transport rent does not linger.
TEST_F(TurnRules, OwnOrMortgagedPropertyDoesNothing) {
    giveProperty(0, 11);
    giveProperty(1, 12, -1);
    giveProperty(1, 22);
    game.doublesCount = 1;
    game.transportDoubleRent = game.utilityTenTimes = true;
    landOn(21);
    EXPECT_FALSE(game.transportDoubleRent || game.utilityTenTimes);
    landOn(23);
    EXPECT_EQ(game.money[0], 1500);
    EXPECT_EQ(game.money[1], 1500);
    EXPECT_EQ(game.currentPlayer, 0);  // doubles pending
    game.doublesCount = 0;
    landOn(23);
    EXPECT_EQ(game.currentPlayer, 1);
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
    EXPECT_EQ(computeRent(10), 0);
    giveGroup(1, 3, 0, 2, 5);
    EXPECT_EQ(computeRent(9), 200);
    EXPECT_EQ(computeRent(10), 1000);
    game.currentPlayer = 1;
    EXPECT_EQ(computeRent(9), 0);  // nobody pays rent to itself
    game.currentPlayer = 0;

    const int transport[4] = {25, 50, 100, 200};
    for (int n = 1; n <= 4; ++n) {
        giveProperty(1, 21 + n);
        EXPECT_EQ(computeRent(22), transport[n - 1]) << n;
    }
    game.houses[25] = -1;
    EXPECT_EQ(computeRent(22), 100);  // a mortgaged one does not count
    game.transportDoubleRent = true;
    EXPECT_EQ(computeRent(23), 200);
    EXPECT_EQ(computeRent(23), 100);  // the doubling is used up

    game.dice[0] = 2;
    game.dice[1] = 4;  // total 8
    giveProperty(1, 26);
    EXPECT_EQ(computeRent(26), 32);
    game.utilityTenTimes = true;
    EXPECT_EQ(computeRent(26), 80);
    game.utilityTenTimes = false;
    giveProperty(1, 27);
    EXPECT_EQ(computeRent(27), 80);
}

// Rent within net worth is paid, into the debt state when cash runs short; beyond it the payer
// goes bankrupt to the owner.
TEST_F(TurnRules, RentIsPaidIntoDebtOrBankruptsToTheOwner) {
    giveProperty(1, 27);
    game.dice[0] = game.dice[1] = 0;
    game.utilityTenTimes = true;
    landOn(28);
    EXPECT_EQ(game.money[0], 1480);
    EXPECT_EQ(game.money[1], 1520);
    EXPECT_STREQ(game.noticeReason[0], "rent of Iron Moon II ");
    EXPECT_TRUE(game.endTurnAfterNotice);
    EXPECT_FALSE(game.utilityTenTimes);
    for (int mortgaged = 0; mortgaged <= 1; ++mortgaged) {
        startTestGame(3);
        giveProperty(1, 21, 5);
        giveProperty(0, 0, -mortgaged);
        game.money[0] = 1990 + 9 * mortgaged;
        game.utilityTenTimes = true;
        landOn(39);  // 2000 rent
        EXPECT_EQ(game.inDebt, mortgaged == 0);
        EXPECT_EQ(game.bankrupt[0], mortgaged == 1);
        EXPECT_EQ(game.money[0], mortgaged ? 0 : -10);
        EXPECT_EQ(game.money[1], mortgaged ? 1500 + 1999 : 3500);
        EXPECT_EQ(game.lastCreditor, mortgaged ? 1 : 0);
        EXPECT_FALSE(game.utilityTenTimes);
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
    EXPECT_EQ(game.computerDelay, 0);
    nextTurn();
    EXPECT_EQ(game.currentPlayer, 0);  // wraps round

    startTestGame(1, 2);
    game.proposeCooldown[1][0] = game.answerCooldown[1][2] = 3;
    game.proposeCooldown[2][0] = 3;  // another seat's memory is left alone
    game.position[1] = 15;
    nextTurn();
    EXPECT_EQ(game.computerDelay, computerThinkTicks);
    EXPECT_EQ(game.proposeCooldown[1][0], 2);
    EXPECT_EQ(game.answerCooldown[1][2], 2);
    EXPECT_EQ(game.proposeCooldown[2][0], 3);
    EXPECT_EQ(game.boardCursor, 15);
}

// A jailed seat's cursor is on square 10, never the cell's 40.
TEST_F(TurnRules, JailedSeatsCursorStaysOnTheBoard) {
    putInJail(1, 1);
    nextTurn();
    EXPECT_EQ(game.boardCursor, jailSquare);
    game.doublesCount = 1;
    continueOrPass();
    EXPECT_EQ(game.boardCursor, jailSquare);
}

}  // namespace
