// Every card of both decks, from each square that draws it, and the deck cycle.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "game/random.h"
#include "game/rules.h"
#include "game/tables.h"
#include "support/fixtures.h"

namespace {

using V = std::vector<int>;

class CardRules : public ::testing::Test {
protected:
    void SetUp() override { startTestGame(3); }
    void TearDown() override { setClock(nullptr); }
    // The seat on `square` draws `card` of `deck`, which then takes effect.
    static void draw(int deck, int card, int square, int seat = 0) {
        game.currentPlayer = seat, game.position[seat] = square, game.activeDeck = deck;
        setTopCard(deck, card);
        applyCard();
    }
};

// Money, movement and jail cards from each of the deck's three squares (the pot on, so fees show
// in it). Rows: deck, card, amount, target per card square (-1: the token stays); a move that
// wraps past GO adds the salary. The drawer has three houses, a hotel and a mortgaged deed, and
// another seat four houses: repairs cost 3 x 40 + 115, or 3 x 25 + 100.
TEST_F(CardRules, MoneyMovementAndJailCardsFromEverySquare) {
    constexpr int J = jailCell;
    const std::array<int, 6> cases[] = {
        {0, 0, 0, J, J, J},        {1, 0, 0, J, J, J},       {0, 1, 200, -1, -1, -1},
        {0, 2, 100, -1, -1, -1},   {0, 5, 45, -1, -1, -1},   {0, 6, 25, -1, -1, -1},
        {0, 7, 20, -1, -1, -1},    {0, 8, 10, -1, -1, -1},   {0, 10, -150, -1, -1, -1},
        {0, 11, -100, -1, -1, -1}, {0, 12, -50, -1, -1, -1}, {0, 13, 200, 0, 0, 0},
        {1, 1, 150, -1, -1, -1},   {1, 2, 50, -1, -1, -1},   {1, 3, -15, -1, -1, -1},
        {1, 5, 200, 0, 0, 0},      {1, 8, 0, 24, 24, 24},    {1, 9, 0, 11, 11, 11},
        {1, 10, 0, 39, 39, 39},    {1, 11, 0, 5, 5, 5},      {1, 13, 0, 12, 28, 12},
        {1, 14, 0, 15, 25, 5},     {1, 15, 0, 15, 25, 5},    {0, 15, 0, -1, -1, -1},
        {0, 14, -235, -1, -1, -1}, {1, 6, -175, -1, -1, -1},
    };
    for (const auto& [deck, card, amount, t0, t1, t2] : cases)
        for (int k = 0; k < 3; ++k) {
            const int square = cardSquares[deck][k], target = k == 0 ? t0 : k == 1 ? t1 : t2;
            startTestGame(3);
            giveProperty(0, 0, 1), giveProperty(0, 1, 2), giveProperty(0, 20, 5), giveProperty(0, 6, -1);
            giveProperty(1, 8, 4), game.middleOption = 1;
            draw(deck, card, square);
            const int money = 1500 + amount + (target > 0 && target < square ? goSalary : 0);
            // Back at the bottom, or kept as the jail card; the cursor follows the token (or goes to
            // the next seat, on GO); jail turns the camera to its corner.
            EXPECT_EQ((V{game.money[0], game.middlePot, game.position[0], game.deckOrder[deck][15],
                         game.jailCardHolder[deck], game.boardCursor}),
                      (V{money, std::max(-amount, 0), target < 0 ? square : target, card,
                         card == jailCardNumber[deck] ? 0 : bankOwner,
                         target == J ? jailSquare : std::max(target, 0)}))
                << "deck " << deck << " card " << card << " from " << square;
            EXPECT_EQ(game.cameraTargetX == -0.25f && game.cameraTargetZ == -0.25f, target == J);
            runBoardSteps();
            // A move lands on the bank's property; otherwise the turn has passed.
            EXPECT_TRUE(target > 0 && target < squareCount ? game.buyPromptOpen : game.currentPlayer == 1);
            EXPECT_EQ(game.money[0], money);
        }
}

// Payments beyond net worth: a fee bankrupts the drawer to the middle; paying every player pays
// them first, then the drawer goes bankrupt to the bank; the bankruptcy notice hands the turn on.
TEST_F(CardRules, CardsBeyondNetWorthBankruptTheDrawer) {
    const std::array<int, 7> cases[] = {{0, 10, 17, 120, int(middleCreditor), 120, 3000},
                                        {1, 4, 7, 90, bankOwner, 0, 3100}};
    for (const auto& [deck, card, square, cash, creditor, pot, others] : cases) {
        startTestGame(3);
        game.middleOption = 1, game.money[0] = cash;
        draw(deck, card, square);
        EXPECT_EQ((V{game.bankrupt[0], game.lastCreditor, game.middlePot, game.money[1] + game.money[2],
                     game.currentPlayer}),
                  (V{1, creditor, pot, others, 0}));
        EXPECT_TRUE(stateIsValid());
    }
}

// Collecting from every player: one pays into debt, one cannot pay and goes bankrupt to the
// drawer (who still counts its 50), one is worth exactly 50 and pays. Paying every player skips
// a bankrupt seat and may put the drawer into debt.
TEST_F(CardRules, CollectFromAndPayEveryPlayerWithDebtsAndBankruptcies) {
    startTestGame(4);
    game.money[1] = 20, game.money[2] = 30, game.money[3] = 50, giveProperty(1, 5);
    draw(0, 9, 33);
    EXPECT_EQ((V{game.money[0], game.money[1], game.money[3], game.menuPlayer, game.inDebt, game.bankrupt[2],
                 game.bankrupt[3], game.currentPlayer}),
              (V{1500 + 50 + 30 + 50 + 50, -30, 0, 1, 1, 1, 0, 0}));
    startTestGame(4);
    game.bankrupt[2] = true, game.money[2] = 0, game.money[0] = 40, giveProperty(0, 5);
    draw(1, 4, 22);
    EXPECT_EQ((V{game.money[0], game.money[1], game.money[2], game.inDebt, game.menuPlayer}),
              (V{-60, 1550, 0, 1, 0}));
}

// Go back three from each square: onto the income tax, a property with rent, and the other deck's square.
TEST_F(CardRules, GoBackThreeLandsOnWhateverIsThere) {
    for (int square : cardSquares[1]) {
        startTestGame(3);
        giveProperty(1, 10);
        draw(1, 12, square);
        runBoardSteps();
        EXPECT_EQ((V{game.position[0], game.deckOrder[1][15], game.taxPromptOpen, game.money[1],
                     game.activeDeck == 0 && game.cardTimer == cardDisplayTicks}),
                  (V{square - 3, 12, square == 7, square == 22 ? 1516 : 1500, square == 36}));
    }
}

TEST_F(CardRules, NearestUtilityAndTransportCharged) {
    giveProperty(2, 27);  // another seat's utility: a new roll, ten times the dice
    draw(1, 13, 22);
    EXPECT_EQ((V{game.utilityRollPending, game.settleTimer}), (V{1, 0}));
    fixClock(secondForDice(1, 2));
    rollForUtilityRent();
    runBoardSteps();
    // The rent roll does not move the token.
    EXPECT_EQ(
        (V{game.money[0], game.money[2], game.position[0], game.utilityRollPending, game.utilityTenTimes}),
        (V{1450, 1550, 28, 0, 0}));
    // The drawer's own transport or utility, or a mortgaged one: no doubling, no roll; seat 0's: both.
    startTestGame(3);
    giveProperty(0, 23), giveProperty(2, 24, -1), giveProperty(0, 26), giveProperty(2, 27, -1);
    const std::array<int, 4> cases[] = {{7, 0, 0, 0}, {22, 0, 0, 0}, {7, 1, 1, 1}};
    for (const auto& [square, seat, doubled, roll] : cases) {
        draw(1, 14, square, seat);
        draw(1, 13, square, seat);
        EXPECT_EQ((V{game.transportDoubleRent, game.utilityRollPending}), (V{doubled, roll}))
            << square << seat;
        game.transportDoubleRent = game.utilityRollPending = false;
    }
    for (int card = 14; card <= 15; ++card)
        for (int square : cardSquares[1]) {
            startTestGame(3);
            for (int t = 22; t <= 25; ++t) giveProperty(1, t);
            draw(1, card, square);
            runBoardSteps();
            EXPECT_EQ((V{game.money[0], game.transportDoubleRent}),
                      (V{(square == 36 ? 1700 : 1500) - 400, 0}));
        }
}

// A held jail card stays out of the cycle until it is used; then it comes up from the bottom.
TEST_F(CardRules, HeldJailCardLeavesTheCycleAndComesBack) {
    draw(0, 15, 2);
    V seenAtTop(deckSize);
    for (int i = 0; i < 30; ++i) ++seenAtTop[game.deckOrder[0][0]], recycleTopCard(0);
    EXPECT_EQ(seenAtTop, (V{2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 0}));
    putInJail(0);
    releaseFromJail(0);
    int cycleOf15 = 0;
    for (int i = 1; i <= deckSize; ++i)
        recycleTopCard(0), cycleOf15 = game.deckOrder[0][0] == 15 ? i : cycleOf15;
    EXPECT_EQ(cycleOf15, 15);
}

// A card that moves past GO queues its salary notice behind the roll's, and the landing's rent
// notice follows; a chain of salary notices longer than the queue stays inside it.
TEST_F(CardRules, SalaryAndRentNoticesQueueInOrder) {
    giveProperty(1, 22), game.noticeIndex = 1;  // a roll has queued its passing-GO notice in slot 0
    writeNotice(0, 0, -200, "passing GO");
    draw(1, 11, 7);  // to square 5, past GO again, onto seat 1's transport
    runBoardSteps();
    EXPECT_EQ((V{game.noticeAmount[0], game.noticeAmount[1], game.noticeAmount[2], game.money[0]}),
              (V{-200, -200, 25, 1500 + 200 - 25}));
    for (int i = 0; i < 12; ++i) {
        draw(1, 11, 36, 1);
        EXPECT_LE(game.noticeIndex, noticeSlots - 1);
    }
    EXPECT_EQ((V{game.money[1], game.noticeAmount[noticeSlots - 1]}), (V{1525 + 12 * 200, -200}));
    EXPECT_TRUE(stateIsValid());
}

}  // namespace
