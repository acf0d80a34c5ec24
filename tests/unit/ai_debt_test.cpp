// A computer raising cash in the debt state: the order it gives things up in, even selling,
// the hand-over to the next seat in debt, and a debtor with nothing left to give.
#include <gtest/gtest.h>

#include <algorithm>

#include "ai/computer.h"
#include "game/random.h"
#include "game/rules.h"
#include "game/tables.h"
#include "support/fixtures.h"

namespace {

struct ComputerDebt : ::testing::Test {
    void SetUp() override { game = GameState{}; }
};

// Seat 0 a person, seats 1 and 2 computers; `seat` owes `-money` with the debt state open.
void inDebt(int seat, int money) {
    game.money[seat] = money;
    openDebtState(seat);
}

void expectBackOnBoard() { EXPECT_TRUE(!game.inDebt && game.screen == Board && game.menuIndex == 0); }

// Stray properties first, then a lone street, then two of three, then a whole undeveloped
// group, and only then buildings; it stops once the cash is not negative.
TEST_F(ComputerDebt, OrderOfSacrifice) {
    struct Step {
        int debt, mortgaged, housesLeft;
    };  // mortgaged: undeveloped properties
    // Mortgage values: transport 100 (level 0), street 2 50 (level 1), streets 5 and 6 70
    // each (level 2), streets 0 and 1 30 each (level 3); group 3 with 1, 1, 1 (level 4).
    const Step steps[] = {{10, 1, 3},  {100, 1, 3}, {150, 2, 3}, {220, 3, 3}, {290, 4, 3},
                          {320, 5, 3}, {350, 6, 3}, {400, 6, 2}, {500, 6, 0}};
    const int order[6] = {22, 2, 5, 6, 0, 1};
    for (const Step& step : steps)
        for (uint32_t state = 1; state < 25; ++state) {
            startTestGame(1, 2);
            for (int p : {22, 2, 5, 6}) giveProperty(1, p);
            giveGroup(1, 0);
            giveGroup(1, 3, 1, 1, 1);
            inDebt(1, -step.debt);
            seedRandom(state);
            resolveDebt();
            int mortgaged = 0;
            for (int p : order) mortgaged += game.houses[p] == -1;
            EXPECT_EQ(mortgaged, step.mortgaged) << "debt " << step.debt;
            // What is mortgaged comes first in the order (5 and 6 share a level, as do 0 and 1).
            EXPECT_EQ(game.houses[22] == -1, step.mortgaged >= 1);
            EXPECT_EQ(game.houses[2] == -1, step.mortgaged >= 2);
            EXPECT_EQ(game.houses[0] + game.houses[1] < 0, step.mortgaged >= 5);
            EXPECT_EQ(game.houses[8] + game.houses[9] + game.houses[10], step.housesLeft) << step.debt;
            EXPECT_GE(game.money[1], 0);
            expectBackOnBoard();
        }
}

// Buildings come down evenly (from 3, 3, 2 both streets with 3 go first), no street is ever
// two below another nor mortgaged beside buildings, and selling stops as soon as it may.
TEST_F(ComputerDebt, BuildingsAreSoldEvenly) {
    for (int debt = 10; debt <= 600; debt += 10) {
        startTestGame(1, 2);
        giveGroup(1, 2, 3, 3, 2);  // streets 5, 6, 7; a building sells for 50
        inDebt(1, -debt);
        seedRandom(static_cast<uint32_t>(debt));
        resolveDebt();
        const int* h = &game.houses[5];
        if (debt == 60) {
            EXPECT_TRUE(h[0] == 2 && h[1] == 2 && h[2] == 2);
        }
        EXPECT_LE(std::max({h[0], h[1], h[2]}) - std::min({h[0], h[1], h[2]}), 1) << debt;
        if (h[0] > 0 || h[1] > 0 || h[2] > 0) {
            EXPECT_TRUE(h[0] >= 0 && h[1] >= 0 && h[2] >= 0) << "mortgaged beside buildings, debt " << debt;
        }
        EXPECT_TRUE(game.money[1] >= 0 && game.money[1] < 80) << debt;
    }
}

// After a card makes several seats pay, each is handled in turn, lowest seat first; a person
// gets the manual debt state.
TEST_F(ComputerDebt, NextSeatInDebtTakesOver) {
    startTestGame(1, 2);
    giveProperty(1, 22);
    giveProperty(2, 23);
    giveProperty(0, 24);
    game.money[0] = -20;
    game.money[2] = -30;
    inDebt(1, -40);
    resolveDebt();
    EXPECT_TRUE(game.money[1] == 60 && game.inDebt && game.menuPlayer == 0);
    EXPECT_TRUE(game.screen == AssetMenu && game.assetCursor == CursorConfirm);

    game.money[0] = 0;  // the person pays off by hand; seat 2 is next
    leaveDebtState();
    EXPECT_EQ(game.menuPlayer, 2);
    resolveDebt();
    EXPECT_EQ(game.money[2], 70);
    expectBackOnBoard();
}

// Short of everything it owns: it gives up all it can and, still negative, goes bankrupt to
// the bank instead of sweeping forever; the next person in debt gets the menu.
TEST_F(ComputerDebt, NothingLeftToGiveEndsInBankruptcy) {
    startTestGame(1, 2);
    giveProperty(1, 26);  // mortgage value 75
    inDebt(1, -100);
    resolveDebt();
    EXPECT_TRUE(game.bankrupt[1] && game.money[1] == 0 && game.owner[26] == bankOwner);
    EXPECT_TRUE(game.bankruptTimer == bankruptNoticeTicks && game.lastCreditor == bankOwner);
    expectBackOnBoard();

    startTestGame(1, 2);
    inDebt(2, -1);  // owns nothing at all
    game.money[0] = -5;
    resolveDebt();
    EXPECT_TRUE(game.bankrupt[2] && game.inDebt && game.menuPlayer == 0);
}

}  // namespace
