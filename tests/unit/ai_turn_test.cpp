// The computer's answers within its turn: leaving jail, the income tax, the purchase, and
// the steps it must never take.
#include <gtest/gtest.h>

#include "ai/computer.h"
#include "game/random.h"
#include "game/rules.h"
#include "game/tables.h"
#include "support/fixtures.h"

namespace {

struct ComputerTurn : ::testing::Test {
    void SetUp() override {
        game = GameState{};
        startTestGame(1, 1);  // seat 0 a person, seat 1 a computer
        game.currentPlayer = 1;
    }
    void TearDown() override { setClock(nullptr); }
};

// Leaving jail: a score of 90, plus 5 a building beyond the first on each group's sample
// street (3 x group) in other hands, 20 for a hotel there; its own houses do not count.
TEST_F(ComputerTurn, LeavingJailFollowsOpponentBuildings) {
    putInJail(1);
    giveGroup(1, 2, 4, 4, 4);
    struct Stage {
        int group, h0, h1, h2, score;
    };
    // Sample street 9 has 2: +5; then sample street 21 has a hotel: +20.
    const Stage stages[] = {{2, 4, 4, 4, 90}, {3, 4, 2, 4, 95}, {7, 1, 5, 0, 115}};
    for (const Stage& st : stages) {
        if (st.group != 2) giveGroup(0, st.group, st.h0, st.h1, st.h2);
        int leaves = 0;
        for (int second = 0; second < 1000; ++second) {
            seedRandom(static_cast<uint32_t>(second));
            const int draw = randomBelow(100) + 1;
            fixClock(second);
            const bool leave = decideLeaveJail();
            ASSERT_EQ(leave, draw <= st.score) << st.score << ", second " << second;
            leaves += leave;
        }
        if (st.score == 90) {
            EXPECT_TRUE(leaves > 860 && leaves < 940) << leaves;
        }
    }
}

// A tenth of 2010 is 201, dearer than 200: "$200" is kept and paid at once. At 2009 a tenth
// is 200, not dearer: it switches to "10%" first and pays a step later.
TEST_F(ComputerTurn, IncomeTaxAnswerAroundTwoThousandTen) {
    struct Case {
        int money, paid;
        bool switches;
    };
    for (const Case c : {Case{2010, 200, false}, Case{2009, 200, true}, Case{1500, 150, true}}) {
        game.money[1] = c.money;
        game.taxPromptOpen = game.promptYes = true;
        computerStep();
        if (c.switches) {
            EXPECT_TRUE(game.taxPromptOpen && !game.promptYes && game.money[1] == c.money);
            computerStep();
        }
        EXPECT_FALSE(game.taxPromptOpen);
        EXPECT_EQ(game.money[1], c.money - c.paid) << c.money;
        EXPECT_EQ(game.computerDelay, computerThinkTicks);
    }
}

// A purchase it takes is made in one step; a declined one shows NO for one step, then the
// auction opens with the countdown stopped. On a person's turn or after the game, no step.
TEST_F(ComputerTurn, PurchaseAnswersAndNoStrayStep) {
    game.position[1] = propertySquare[0];
    game.buyPromptOpen = game.promptYes = true;
    computerStep();
    EXPECT_TRUE(!game.buyPromptOpen && game.owner[0] == 1 && game.money[1] == 1440);

    game.money[1] = 100;  // cannot cover 400
    game.position[1] = propertySquare[21];
    game.buyPromptOpen = game.promptYes = true;
    computerStep();
    EXPECT_TRUE(game.buyPromptOpen && !game.promptYes);
    EXPECT_EQ(game.computerDelay, computerThinkTicks);
    computerStep();
    EXPECT_TRUE(!game.buyPromptOpen && game.auctionOpen);
    EXPECT_EQ(game.computerDelay, 0);

    for (int person = 1; person >= 0; --person) {
        game.currentPlayer = person ? 0 : 1;
        game.gameOver = !person;
        game.auctionOpen = false;
        game.computerDelay = 1;
        computerStep();
        EXPECT_TRUE(!game.moving && !game.auctionOpen && game.menuIndex == 0) << person;
        if (!person) {
            EXPECT_EQ(game.computerDelay, 0);
        }  // after the game: the delay is dropped
    }
}

}  // namespace
