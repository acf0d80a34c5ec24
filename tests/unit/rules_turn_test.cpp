// Dice, the token's walk, landings, rent and passing the turn.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "game/random.h"
#include "game/rules.h"
#include "game/tables.h"
#include "support/fixtures.h"

namespace {

using V = std::vector<int>;

class TurnRules : public ::testing::Test {
protected:
    void SetUp() override { startTestGame(3); }
    void TearDown() override { setClock(nullptr); }
};

TEST_F(TurnRules, PlainRollWalksThenTheLandingDraws) {
    game.doublesCount = 1;  // a plain roll ends a run of doubles
    rollWith(2, 3);
    EXPECT_EQ((V{game.doublesCount, game.moveTarget}), (V{0, 7}));
    // 30 dice ticks, the glide, seven steps and 30 rest ticks come before the landing.
    for (int tick = 0; tick < 129; ++tick) advanceMove();
    EXPECT_EQ((V{game.position[0], game.cardTimer}), (V{7, 0}));
    advanceMove();
    EXPECT_EQ((V{game.moving, game.activeDeck, game.cardTimer}), (V{0, 1, cardDisplayTicks}));
}

// Rolls of seat 0 from a square, or from the cell after `failed` rolls (-1: not jailed). Rows: start,
// failed, doubles so far, dice; then jail turns, square, seat on turn, cash, buy question, a card drawn.
TEST_F(TurnRules, RollsThirdDoublesAndJail) {
    for (const auto& [from, failed, doubles, a, b, turns, square, next, cash, asked, card] :
         {std::array{36, -1, 2, 3, 3, 0, jailCell, 1, 1500, 0, 0},  // third doubles: jail, no salary past GO
          {38, -1, 0, 0, 2, 0, 2, 0, 1700, 0, 1},                   // over GO onto a card square
          {33, -1, 0, 2, 3, 0, 0, 1, 1700, 0, 0},                   // onto GO: the salary once
          {0, 1, 0, 1, 1, 0, 14, 0, 1500, 1, 0},                    // doubles free it, no extra roll
          {0, 0, 0, 1, 4, 1, jailCell, 1, 1500, 0, 0},              // a failed roll counts, the turn passes
          {0, 2, 0, 1, 4, 2, jailCell, 1, 1500, 0, 0},              // two is the most a stay counts
          {0, 0, 2, 5, 5, 0, jailCell, 1, 1500, 0, 0}}) {           // jailed in a run of doubles: stays
        startTestGame(3);
        game.position[0] = from;
        if (failed >= 0) putInJail(0, failed);
        game.doublesCount = doubles;
        rollWith(a, b);
        EXPECT_EQ((V{game.jailTurns[0], game.doublesCount}), (V{turns, 0}));
        runBoardSteps();
        EXPECT_EQ((V{game.position[0], game.currentPlayer, game.money[0], game.buyPromptOpen,
                     game.cardTimer > 0, game.boardCursor, game.noticeIndex}),
                  (V{square, next, cash, asked, card, 0,
                     cash > 1500}))  // a landing notice queues behind the salary's
            << from << " " << failed << " " << doubles;
    }
}

// The glide waits for the dice, then moves a fifth of the way a step; the target is on the
// edge of each side, the jail's corner for the cell.
TEST_F(TurnRules, CameraGlideWaitsForTheDiceAndEndsOnTheEdgeOfEachSide) {
    game.diceTimer = 2;
    aimCamera(15);
    EXPECT_EQ(game.cameraGlide, 5);
    for (float x : {0.0f, 0.0f, -0.05f, -0.1f, -0.15f, -0.2f, -0.25f}) {
        advanceMove();
        EXPECT_NEAR(game.panX, x, 1e-6);
    }
    EXPECT_NEAR(game.panY, 0.0f, 1e-6);
    for (const auto& [square, x, z] : {std::array{0.f, .25f, -.25f},
                                       {9, -.2f, -.25f},
                                       {10, -.25f, -.25f},
                                       {15, -.25f, 0},
                                       {20, -.25f, .25f},
                                       {25, 0, .25f},
                                       {30, .25f, .25f},
                                       {35, .25f, 0},
                                       {jailCell, -.25f, -.25f}}) {
        aimCamera(static_cast<int>(square));
        EXPECT_NEAR(game.cameraTargetX, x, 1e-6) << square;
        EXPECT_NEAR(game.cameraTargetZ, z, 1e-6) << square;
    }
}

// Seat 0 lands with doubles pending or not. Rows: a set-up, square, doubles; then seat 0's and
// seat 1's cash, the pot, the seat on turn, the debt state, seat 0 bankrupt, the notice's amount.
TEST_F(TurnRules, Landings) {
    const struct {
        void (*setUp)();
        int square, doubles;
        V expected;
    } cases[] = {
        // Free parking pays out the pot, reseeded at 500 under option 2; empty or off, the turn passes.
        {[] { game.middleOption = 1, game.middlePot = 300; }, 20, 0, {1800, 1500, 0, 0, 0, 0, -300}},
        {[] { game.middleOption = 2, game.middlePot = 650; }, 20, 0, {2150, 1500, 500, 0, 0, 0, -650}},
        {[] { game.middleOption = 1; }, 20, 0, {1500, 1500, 0, 1, 0, 0, 0}},
        {[] { game.middlePot = 300; }, 20, 1, {1500, 1500, 300, 0, 0, 0, 0}},
        // The luxury tax goes into the pot when the middle is on.
        {[] { game.middleOption = 1; }, 38, 0, {1425, 1500, 75, 0, 0, 0, 75}},
        {[] {}, 38, 0, {1425, 1500, 0, 0, 0, 0, 75}},
        // Own and mortgaged deeds charge nothing.
        {[] { giveProperty(0, 11); }, 21, 0, {1500, 1500, 0, 1, 0, 0, 0}},
        {[] { giveProperty(1, 12, -1); }, 23, 1, {1500, 1500, 0, 0, 0, 0, 0}},
        // Rent within net worth is paid, into debt when cash runs short, even when it equals the
        // net worth exactly (1970 + a deed of 30 against a hotel's 2000); one more bankrupts to the owner.
        {[] { giveProperty(1, 22); }, 5, 0, {1475, 1525, 0, 0, 0, 0, 25}},
        {[] { giveProperty(1, 21, 5), giveProperty(0, 0), game.money[0] = 1990; },
         39,
         0,
         {-10, 3500, 0, 0, 1, 0, 2000}},
        {[] { giveProperty(1, 21, 5), giveProperty(0, 0), game.money[0] = 1970; },
         39,
         0,
         {-30, 3500, 0, 0, 1, 0, 2000}},
        {[] { giveProperty(1, 21, 5), giveProperty(0, 0), game.money[0] = 1969; },
         39,
         0,
         {0, 3469, 0, 0, 0, 1, 0}},
        {[] { giveProperty(1, 21, 5), giveProperty(0, 0, -1), game.money[0] = 1999; },
         39,
         0,
         {0, 3499, 0, 0, 0, 1, 0}},
    };
    for (const auto& c : cases) {
        startTestGame(3);
        c.setUp();
        game.doublesCount = c.doubles;
        // A card's doubled rents never linger past the landing, paid or rent-free.
        game.utilityTenTimes = propertyAtSquare(c.square) >= 0;
        game.transportDoubleRent = c.square == 21 || c.square == 23;
        landOn(c.square);
        EXPECT_EQ((V{game.money[0], game.money[1], game.middlePot, game.currentPlayer, game.inDebt,
                     game.bankrupt[0], game.noticeAmount[0]}),
                  c.expected)
            << &c - cases;
        EXPECT_EQ(game.lastCreditor, game.bankrupt[0] ? 1 : 0);
        EXPECT_EQ(game.endTurnAfterNotice, game.noticeAmount[0] != 0 && !game.bankrupt[0]);
        EXPECT_FALSE(game.transportDoubleRent || game.utilityTenTimes);
        EXPECT_TRUE(stateIsValid());
    }
    landOn(4);
    EXPECT_TRUE(game.taxPromptOpen && game.promptYes);
    landOn(30);  // to jail: the cursor on square 10, the camera on the jail; doubles keep the turn
    EXPECT_EQ((V{game.position[0], game.boardCursor}), (V{jailCell, jailSquare}));
    EXPECT_FLOAT_EQ(game.cameraTargetZ, -0.25f);
    game.doublesCount = 1;
    runBoardSteps();
    EXPECT_EQ(game.currentPlayer, 0);
    rollWith(2, 2);
    EXPECT_EQ(game.position[0], jailSquare);
}

TEST_F(TurnRules, RentOfStreetsTransportsAndUtilities) {
    giveProperty(1, 8);
    EXPECT_EQ(computeRent(8), 14);
    giveGroup(1, 3);
    EXPECT_EQ(computeRent(8), 28);  // a whole group doubles
    game.houses[10] = -1;
    EXPECT_EQ((V{computeRent(8), computeRent(10)}), (V{14, 0}));  // ... unless one is mortgaged
    giveGroup(1, 3, 0, 2, 5);
    EXPECT_EQ((V{computeRent(9), computeRent(10)}), (V{200, 1000}));
    game.currentPlayer = 1;
    EXPECT_EQ(computeRent(9), 0);  // nobody pays rent to itself
    game.currentPlayer = 0;
    for (int n = 1; n <= 4; ++n) {  // 25, doubled for each other transport of the owner
        giveProperty(1, 21 + n);
        EXPECT_EQ(computeRent(22), 25 << (n - 1)) << n;
    }
    game.houses[25] = -1;  // a mortgaged one does not count
    EXPECT_EQ(computeRent(22), 100);
    game.transportDoubleRent = true;  // the card's doubling is used once
    EXPECT_EQ((V{computeRent(23), computeRent(23)}), (V{200, 100}));
    game.dice[0] = 2;
    game.dice[1] = 4;  // total 8: four times alone, ten times with both or by the card
    giveProperty(1, 26);
    EXPECT_EQ(computeRent(26), 32);
    game.utilityTenTimes = true;
    EXPECT_EQ(computeRent(26), 80);
    game.utilityTenTimes = false;
    giveProperty(1, 27);
    EXPECT_EQ(computeRent(27), 80);
    landOn(28);
    EXPECT_STREQ(game.noticeReason[0], "rent of Iron Moon II ");
}

TEST_F(TurnRules, HandOffSkipsBankruptSeatsAndPreparesTheNext) {
    startTestGame(4);
    game.bankrupt[2] = true;
    game.currentPlayer = 1;
    game.doublesCount = 1;
    nextTurn();
    EXPECT_EQ((V{game.currentPlayer, game.doublesCount, game.computerDelay}), (V{3, 0, 0}));
    nextTurn();
    EXPECT_EQ(game.currentPlayer, 0);  // wraps round
    startTestGame(1, 2);               // a computer's turn: its own cooldowns count down, another seat's stay
    game.proposeCooldown[1][0] = game.answerCooldown[1][2] = game.proposeCooldown[2][0] = 3;
    game.position[1] = 15;
    nextTurn();
    EXPECT_EQ((V{game.computerDelay, game.proposeCooldown[1][0], game.answerCooldown[1][2],
                 game.proposeCooldown[2][0], game.boardCursor}),
              (V{computerThinkTicks, 2, 2, 3, 15}));
    putInJail(2, 1);  // a jailed seat's cursor is on square 10, never the cell's 40
    nextTurn();
    EXPECT_EQ(game.boardCursor, jailSquare);
    game.doublesCount = 1;
    continueOrPass();
    EXPECT_EQ(game.boardCursor, jailSquare);
}

}  // namespace
