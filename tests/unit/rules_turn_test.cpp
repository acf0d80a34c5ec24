// Dice, the token's walk, landings, rent and passing the turn.
#include <gtest/gtest.h>

#include <cstring>

#include "game/invariants.h"
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

using DiceRules = TurnRules;
using WalkRules = TurnRules;
using LandingRules = TurnRules;
using RentRules = TurnRules;
using HandOffRules = TurnRules;

// Seat 0 stands on the square and the landing is processed.
void landOn(int square, int seat = 0) {
    game.currentPlayer = seat;
    game.position[seat] = square;
    processLanding();
}

void expectValid() {
    char why[120] = "";
    EXPECT_TRUE(checkInvariants(game, why, sizeof why)) << why;
}

TEST_F(DiceRules, TwoRollsInTheSameSecondShowTheSameDice) {
    fixClock(123456);
    rollDice();
    const int first[2] = {game.dice[0], game.dice[1]};
    startTestGame(3);
    rollDice();
    EXPECT_EQ(game.dice[0], first[0]);
    EXPECT_EQ(game.dice[1], first[1]);
    // The helper's chosen second really gives the asked-for dice.
    rollWith(4, 1);
    EXPECT_EQ(game.dice[0], 4);
    EXPECT_EQ(game.dice[1], 1);
}

TEST_F(DiceRules, PlainRollStartsTheMove) {
    game.doublesCount = 1;  // a plain roll ends a run of doubles
    rollWith(2, 3);
    EXPECT_EQ(game.moveTarget, 7);
    EXPECT_EQ(game.cursorFrom, 0);
    EXPECT_TRUE(game.moving);
    EXPECT_FALSE(game.passedGo);
    EXPECT_EQ(game.diceTimer, 30);
    EXPECT_EQ(game.arrivalTimer, 30);
    EXPECT_EQ(game.doublesCount, 0);
}

TEST_F(DiceRules, DoublesCountUpAndTheThirdGoesStraightToJail) {
    game.position[0] = 38;
    rollWith(2, 2);
    EXPECT_EQ(game.doublesCount, 1);
    EXPECT_EQ(game.moveTarget, 4);
    EXPECT_TRUE(game.passedGo);

    startTestGame(3);
    game.position[0] = 36;  // a walk from here would pass GO
    game.doublesCount = 2;
    rollWith(3, 3);
    EXPECT_EQ(game.position[0], jailCell);
    EXPECT_EQ(game.moveTarget, jailCell);
    EXPECT_EQ(game.doublesCount, 0);
    EXPECT_EQ(game.arrivalTimer, 60);
    EXPECT_EQ(game.cameraGlide, 5);
    EXPECT_FALSE(game.passedGo);
    runBoardSteps();
    EXPECT_EQ(game.money[0], 1500);  // no salary, nothing paid
    EXPECT_EQ(game.position[0], jailCell);
    EXPECT_EQ(game.currentPlayer, 1);
    EXPECT_EQ(game.boardCursor, 0);  // seat 1 is on GO
    expectValid();
}

TEST_F(DiceRules, JailRolls) {
    // Doubles free the prisoner from square 10 without an extra roll.
    putInJail(0, 1);
    rollWith(1, 1);
    EXPECT_EQ(game.position[0], jailSquare);
    EXPECT_EQ(game.jailTurns[0], 0);
    EXPECT_EQ(game.moveTarget, 14);
    EXPECT_EQ(game.doublesCount, 0);
    runBoardSteps();  // Lorne Moon, the bank's: the buy question opens
    EXPECT_EQ(game.position[0], 14);
    EXPECT_TRUE(game.buyPromptOpen);

    // A failed roll counts and the turn passes with the token in the cell.
    startTestGame(3);
    putInJail(0, 0);
    rollWith(1, 4);
    EXPECT_EQ(game.jailTurns[0], 1);
    EXPECT_EQ(game.moveTarget, jailCell);
    runBoardSteps();
    EXPECT_EQ(game.position[0], jailCell);
    EXPECT_EQ(game.currentPlayer, 1);

    // Sent to jail during a run of doubles: further doubles keep it there.
    startTestGame(3);
    putInJail(0, 0);
    game.doublesCount = 2;
    rollWith(5, 5);
    EXPECT_EQ(game.doublesCount, 0);
    runBoardSteps();
    EXPECT_EQ(game.position[0], jailCell);
    EXPECT_EQ(game.currentPlayer, 1);
}

TEST_F(WalkRules, RollOfSevenTakesDiceGlidesAndRestBeforeTheLanding) {
    rollWith(2, 3);
    for (int tick = 0; tick < 129; ++tick) {
        advanceMove();
        advanceSettle();
    }
    EXPECT_EQ(game.position[0], 7);
    EXPECT_TRUE(game.moving);
    EXPECT_EQ(game.cardTimer, 0);
    advanceMove();
    EXPECT_FALSE(game.moving);
    EXPECT_EQ(game.activeDeck, 1);
    EXPECT_EQ(game.cardTimer, cardDisplayTicks);
    EXPECT_EQ(game.cursorFrom, 6);
}

TEST_F(WalkRules, GlideWaitsForTheDiceAndEndsExactlyOnTarget) {
    aimCamera(15);
    EXPECT_EQ(game.cameraGlide, 5);
    game.diceTimer = 2;
    advanceMove();
    advanceMove();
    EXPECT_EQ(game.cameraGlide, 5);
    EXPECT_FLOAT_EQ(game.panX, 0.0f);
    advanceMove();
    EXPECT_EQ(game.cameraGlide, 4);
    EXPECT_NEAR(game.panX, -0.05f, 1e-6);  // a fifth of the way to -0.25
    for (int i = 0; i < 4; ++i) advanceMove();
    EXPECT_EQ(game.cameraGlide, 0);
    EXPECT_NEAR(game.panX, -0.25f, 1e-6);
    EXPECT_NEAR(game.panY, 0.0f, 1e-6);
}

TEST_F(WalkRules, PassingGoPaysOnArrivalThenTheCardSquareDraws) {
    game.position[0] = 38;
    rollWith(0, 2);
    EXPECT_TRUE(game.passedGo);
    runBoardSteps();
    EXPECT_EQ(game.position[0], 2);
    EXPECT_EQ(game.money[0], 1700);
    EXPECT_EQ(game.noticeAmount[0], -200);
    EXPECT_STREQ(game.noticeReason[0], "passing GO");
    EXPECT_EQ(game.noticeIndex, 1);
    EXPECT_EQ(game.activeDeck, 0);
    EXPECT_EQ(game.cardTimer, cardDisplayTicks);
    EXPECT_FALSE(game.passedGo);
}

TEST_F(WalkRules, EndingOnGoPaysTheSalaryOnce) {
    game.position[0] = 33;
    rollWith(2, 3);
    runBoardSteps();
    EXPECT_EQ(game.position[0], 0);
    EXPECT_EQ(game.money[0], 1700);
    // GO itself does nothing more: the salary notice is up and the turn has passed.
    EXPECT_EQ(game.currentPlayer, 1);
}

TEST_F(WalkRules, UtilityRentRollIsAZeroSquareMoveAtTenTimes) {
    giveProperty(1, 26);
    game.position[0] = 12;
    game.utilityRollPending = true;
    fixClock(secondForDice(3, 4));
    rollForUtilityRent();
    EXPECT_FALSE(game.utilityRollPending);
    EXPECT_EQ(game.moveTarget, 12);
    runBoardSteps();
    EXPECT_EQ(game.money[0], 1500 - 90);  // 10 x (4 + 5)
    EXPECT_EQ(game.money[1], 1590);
    EXPECT_FALSE(game.utilityTenTimes);
}

TEST_F(LandingRules, SquareThirtyJailsAndKeepsPendingDoubles) {
    game.doublesCount = 1;
    landOn(30);
    EXPECT_EQ(game.position[0], jailCell);
    EXPECT_EQ(game.boardCursor, jailSquare);
    EXPECT_TRUE(game.skipLanding);
    EXPECT_EQ(game.settleTimer, 60);
    runBoardSteps();
    EXPECT_EQ(game.currentPlayer, 0);  // rolls again, from the cell
    EXPECT_EQ(game.doublesCount, 1);
    rollWith(2, 2);  // doubles free it and end the run
    EXPECT_EQ(game.doublesCount, 0);
    EXPECT_EQ(game.position[0], jailSquare);

    startTestGame(3);
    landOn(30);
    runBoardSteps();
    EXPECT_EQ(game.currentPlayer, 1);
}

TEST_F(LandingRules, FreeParkingPaysThePot) {
    game.middleOption = 1;
    game.middlePot = 300;
    landOn(20);
    EXPECT_EQ(game.money[0], 1800);
    EXPECT_EQ(game.middlePot, 0);
    EXPECT_EQ(game.noticeAmount[0], -300);
    EXPECT_STREQ(game.noticeReason[0], "landing on free parking");
    EXPECT_TRUE(game.endTurnAfterNotice);

    startTestGame(3);
    game.middleOption = 2;
    game.middlePot = 650;
    landOn(20);
    EXPECT_EQ(game.money[0], 2150);
    EXPECT_EQ(game.middlePot, 500);  // reseeded

    startTestGame(3);
    game.middleOption = 1;
    landOn(20);  // an empty pot: nothing, the turn passes
    EXPECT_EQ(game.noticeTimer, 0);
    EXPECT_EQ(game.currentPlayer, 1);
}

TEST_F(LandingRules, TaxesAndCardSquares) {
    game.middleOption = 1;
    landOn(38);
    EXPECT_EQ(game.money[0], 1425);
    EXPECT_EQ(game.middlePot, 75);
    EXPECT_STREQ(game.noticeReason[0], "taxes");
    EXPECT_TRUE(game.endTurnAfterNotice);

    startTestGame(3);
    landOn(38);  // pot off: the fee leaves play
    EXPECT_EQ(game.money[0], 1425);
    EXPECT_EQ(game.middlePot, 0);

    startTestGame(3);
    landOn(4);
    EXPECT_TRUE(game.taxPromptOpen);
    EXPECT_TRUE(game.promptYes);
    EXPECT_EQ(game.money[0], 1500);

    for (int deck = 0; deck < 2; ++deck)
        for (int k = 0; k < 3; ++k) {
            startTestGame(3);
            landOn(cardSquares[deck][k]);
            EXPECT_EQ(game.activeDeck, deck);
            EXPECT_EQ(game.cardTimer, cardDisplayTicks);
            EXPECT_EQ(game.currentPlayer, 0);
        }
}

TEST_F(LandingRules, OwnOrMortgagedPropertyDoesNothing) {
    giveProperty(0, 11);
    giveProperty(1, 12, -1);
    game.doublesCount = 1;
    landOn(21);
    EXPECT_EQ(game.money[0], 1500);
    EXPECT_EQ(game.currentPlayer, 0);  // doubles pending
    landOn(23);
    EXPECT_EQ(game.money[1], 1500);
    game.doublesCount = 0;
    landOn(23);
    EXPECT_EQ(game.currentPlayer, 1);
}

TEST_F(LandingRules, StaleDoubleTransportRentDoesNotOutliveItsLanding) {
    // The card doubled the rent of a transport that changed hands before the landing.
    giveProperty(0, 23);
    giveProperty(1, 22);
    game.transportDoubleRent = true;
    landOn(15);
    EXPECT_FALSE(game.transportDoubleRent);
    landOn(5, 2);
    EXPECT_EQ(game.money[2], 1475);
}

TEST_F(RentRules, StreetDoublesOnlyForAWholeUnmortgagedGroup) {
    giveProperty(1, 8);
    EXPECT_EQ(computeRent(8), 14);
    giveGroup(1, 3);
    EXPECT_EQ(computeRent(8), 28);
    game.houses[10] = -1;
    EXPECT_EQ(computeRent(8), 14);
    // Houses elsewhere in the group do not matter to a plain street.
    giveGroup(1, 3, 0, 2, 2);
    EXPECT_EQ(computeRent(8), 28);
    EXPECT_EQ(computeRent(9), 200);
    game.houses[21] = 5;
    game.owner[21] = 2;
    EXPECT_EQ(computeRent(21), 2000);
}

TEST_F(RentRules, TransportsDoublePerOtherOneAndAfterTheCard) {
    const int expected[4] = {25, 50, 100, 200};
    for (int n = 1; n <= 4; ++n) {
        for (int t = 22; t < 22 + n; ++t) giveProperty(1, t);
        EXPECT_EQ(computeRent(22), expected[n - 1]) << n;
    }
    game.houses[25] = -1;
    EXPECT_EQ(computeRent(22), 100);
    game.houses[25] = 0;
    game.transportDoubleRent = true;
    EXPECT_EQ(computeRent(23), 400);
    EXPECT_FALSE(game.transportDoubleRent);
    EXPECT_EQ(computeRent(23), 200);
}

TEST_F(RentRules, UtilitiesChargeFourOrTenTimesTheDice) {
    game.dice[0] = 2;
    game.dice[1] = 4;  // total 8
    giveProperty(1, 26);
    EXPECT_EQ(computeRent(26), 32);
    giveProperty(1, 27);
    EXPECT_EQ(computeRent(26), 80);
    EXPECT_EQ(computeRent(27), 80);
    game.houses[27] = -1;
    EXPECT_EQ(computeRent(26), 32);
    game.utilityTenTimes = true;
    EXPECT_EQ(computeRent(26), 80);
    game.owner[27] = 2;
    game.houses[27] = 0;
    game.utilityTenTimes = false;
    EXPECT_EQ(computeRent(26), 32);
}

TEST_F(RentRules, PaymentQueuesTheNoticeOrBankruptsToTheOwner) {
    giveProperty(1, 27);
    game.dice[0] = game.dice[1] = 0;
    landOn(28);
    EXPECT_EQ(game.money[0], 1492);
    EXPECT_EQ(game.money[1], 1508);
    EXPECT_EQ(game.noticeAmount[0], 8);
    EXPECT_STREQ(game.noticeReason[0], "rent of Iron Moon II ");  // empty second line
    EXPECT_TRUE(game.endTurnAfterNotice);

    // Above cash but within net worth: paid, and the debt state opens.
    startTestGame(3);
    giveProperty(1, 21, 5);
    giveProperty(0, 0);
    game.money[0] = 1990;
    landOn(39);
    EXPECT_EQ(game.money[0], -10);
    EXPECT_EQ(game.money[1], 3500);
    EXPECT_TRUE(game.inDebt);
    EXPECT_EQ(game.menuPlayer, 0);
    EXPECT_EQ(game.screen, AssetMenu);

    // Above net worth: nothing is paid, everything goes to the owner.
    startTestGame(3);
    giveProperty(1, 21, 5);
    giveProperty(0, 0, -1);
    game.money[0] = 1999;
    landOn(39);
    EXPECT_TRUE(game.bankrupt[0]);
    EXPECT_EQ(game.money[1], 1500 + 1999);
    EXPECT_EQ(game.owner[0], 1);
    EXPECT_EQ(game.noticeTimer, 0);
    expectValid();
}

TEST_F(HandOffRules, NextTurnSkipsBankruptSeatsAndWraps) {
    startTestGame(4);
    game.bankrupt[2] = true;
    game.currentPlayer = 1;
    game.doublesCount = 1;
    nextTurn();
    EXPECT_EQ(game.currentPlayer, 3);
    EXPECT_EQ(game.doublesCount, 0);
    nextTurn();
    EXPECT_EQ(game.currentPlayer, 0);
}

TEST_F(HandOffRules, ComputerSeatGetsItsDelayAndCooledDownMemories) {
    startTestGame(1, 2);
    game.proposeCooldown[1][0] = 3;
    game.answerCooldown[1][2] = 1;
    game.proposeCooldown[2][0] = 3;  // another seat's memory is left alone
    game.position[1] = 15;
    nextTurn();
    EXPECT_EQ(game.currentPlayer, 1);
    EXPECT_EQ(game.computerDelay, 50);
    EXPECT_EQ(game.proposeCooldown[1][0], 2);
    EXPECT_EQ(game.answerCooldown[1][2], 0);
    EXPECT_EQ(game.proposeCooldown[2][0], 3);
    EXPECT_EQ(game.boardCursor, 15);
    EXPECT_FLOAT_EQ(game.cameraTargetX, -0.25f);
    EXPECT_FLOAT_EQ(game.cameraTargetZ, 0.0f);
    game.currentPlayer = 2;
    nextTurn();  // back to the human
    EXPECT_EQ(game.computerDelay, 0);
}

TEST_F(HandOffRules, JailedSeatsCursorStaysOnTheBoard) {
    putInJail(1, 1);
    nextTurn();
    EXPECT_EQ(game.currentPlayer, 1);
    EXPECT_EQ(game.position[1], jailCell);
    EXPECT_EQ(game.boardCursor, jailSquare);
    expectValid();
    // With doubles pending the cursor shows the same square.
    game.doublesCount = 1;
    continueOrPass();
    EXPECT_EQ(game.currentPlayer, 1);
    EXPECT_EQ(game.boardCursor, jailSquare);
}

TEST_F(HandOffRules, CameraAimsAtTheEdgeOfEachSide) {
    const struct {
        int square;
        float x, z;
    } cases[] = {{0, 0.25f, -0.25f}, {9, -0.2f, -0.25f}, {15, -0.25f, 0.0f},
                 {25, 0.0f, 0.25f},  {35, 0.25f, 0.0f},  {jailCell, -0.25f, -0.25f}};
    for (const auto& c : cases) {
        aimCamera(c.square);
        EXPECT_NEAR(game.cameraTargetX, c.x, 1e-6) << c.square;
        EXPECT_NEAR(game.cameraTargetZ, c.z, 1e-6) << c.square;
        EXPECT_EQ(game.cameraGlide, 5);
    }
    game.moving = true;
    aimCamera(3);
    EXPECT_EQ(game.cameraGlide, 10);
}

}  // namespace
