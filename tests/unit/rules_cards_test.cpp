// Every card of both decks, from each square that draws it, and the deck cycle.
#include <gtest/gtest.h>

#include <algorithm>

#include "game/random.h"
#include "game/rules.h"
#include "game/tables.h"
#include "support/fixtures.h"

namespace {

class CardRules : public ::testing::Test {
protected:
    void SetUp() override { startTestGame(3); }
    void TearDown() override { setClock(nullptr); }
    // Seat 0 on `square` draws `card` of `deck`, which then takes effect.
    static void draw(int deck, int card, int square, int seat = 0) {
        game.currentPlayer = seat;
        game.position[seat] = square;
        game.activeDeck = deck;
        setTopCard(deck, card);
        applyCard();
    }
};

// Money, movement and jail cards from each of the deck's three squares (the pot on, so fees show
// in it). Target per card square: -1 the token stays; a move wrapping past GO adds the salary.
TEST_F(CardRules, MoneyMovementAndJailCardsFromEverySquare) {
    constexpr int J = jailCell;
    const struct {
        int deck, card, amount, target[3];
    } cases[] = {
        {0, 0, 0, {J, J, J}},        {1, 0, 0, {J, J, J}},       {0, 1, 200, {-1, -1, -1}},
        {0, 2, 100, {-1, -1, -1}},   {0, 5, 45, {-1, -1, -1}},   {0, 6, 25, {-1, -1, -1}},
        {0, 7, 20, {-1, -1, -1}},    {0, 8, 10, {-1, -1, -1}},   {0, 10, -150, {-1, -1, -1}},
        {0, 11, -100, {-1, -1, -1}}, {0, 12, -50, {-1, -1, -1}}, {0, 13, 200, {0, 0, 0}},
        {1, 1, 150, {-1, -1, -1}},   {1, 2, 50, {-1, -1, -1}},   {1, 3, -15, {-1, -1, -1}},
        {1, 5, 200, {0, 0, 0}},      {1, 8, 0, {24, 24, 24}},    {1, 9, 0, {11, 11, 11}},
        {1, 10, 0, {39, 39, 39}},    {1, 11, 0, {5, 5, 5}},      {1, 13, 0, {12, 28, 12}},
        {1, 14, 0, {15, 25, 5}},     {1, 15, 0, {15, 25, 5}},    {0, 15, 0, {-1, -1, -1}},
    };
    for (const auto& c : cases)
        for (int k = 0; k < 3; ++k) {
            const int square = cardSquares[c.deck][k], target = c.target[k];
            SCOPED_TRACE(testing::Message() << "deck " << c.deck << " card " << c.card << " from " << square);
            startTestGame(3);
            game.middleOption = 1;
            draw(c.deck, c.card, square);
            const int money = 1500 + c.amount + (target > 0 && target < square ? goSalary : 0);
            EXPECT_EQ(game.money[0], money);
            EXPECT_EQ(game.middlePot, c.amount < 0 ? -c.amount : 0);
            EXPECT_EQ(game.position[0], target < 0 ? square : target);
            // Back at the bottom, or kept by the seat as the jail card.
            EXPECT_EQ(game.deckOrder[c.deck][15], c.card);
            EXPECT_EQ(game.jailCardHolder[c.deck], c.card == jailCardNumber[c.deck] ? 0 : bankOwner);
            // The cursor follows the token (or the next seat, on GO); jail turns the camera to its corner.
            EXPECT_EQ(game.boardCursor, target == J ? jailSquare : std::max(target, 0));
            EXPECT_EQ(game.cameraTargetX == -0.25f && game.cameraTargetZ == -0.25f, target == J);
            runBoardSteps();
            // A move lands on the bank's property; otherwise the turn has passed.
            EXPECT_TRUE(target > 0 && target < squareCount ? game.buyPromptOpen : game.currentPlayer == 1);
            EXPECT_EQ(game.money[0], money);
        }
}

// A fee beyond net worth goes to the middle; paying every player pays them first, then the bank.
TEST_F(CardRules, CardsBeyondNetWorthBankruptTheDrawer) {
    const struct {
        int deck, card, square, cash, creditor, pot, others;
    } cases[] = {{0, 10, 17, 120, middleCreditor, 120, 3000}, {1, 4, 7, 90, bankOwner, 0, 3100}};
    for (const auto& c : cases) {
        startTestGame(3);
        game.middleOption = 1;
        game.money[0] = c.cash;
        draw(c.deck, c.card, c.square);
        EXPECT_TRUE(game.bankrupt[0]);
        EXPECT_EQ(game.lastCreditor, c.creditor);
        EXPECT_EQ(game.middlePot, c.pot);
        EXPECT_EQ(game.money[1] + game.money[2], c.others);
        EXPECT_EQ(game.currentPlayer, 0);  // the bankruptcy notice hands the turn on
        EXPECT_TRUE(stateIsValid());
    }
}

TEST_F(CardRules, CollectFromAndPayEveryPlayerWithDebtsAndBankruptcies) {
    startTestGame(4);
    game.money[1] = 20;
    giveProperty(1, 5);  // pays into debt
    game.money[2] = 30;  // cannot pay: bankrupt to the drawer
    game.money[3] = 50;  // worth exactly the 50: pays
    draw(0, 9, 33);
    EXPECT_EQ(game.money[1], -30);
    EXPECT_EQ(game.menuPlayer, 1);
    EXPECT_TRUE(game.inDebt && game.bankrupt[2] && !game.bankrupt[3]);
    EXPECT_EQ(game.money[3], 0);
    EXPECT_EQ(game.money[0], 1500 + 50 + 30 + 50 + 50);  // counts 50 for the bankrupt seat as well
    EXPECT_EQ(game.currentPlayer, 0);                    // the bankruptcy notice hands the turn on

    startTestGame(4);  // a bankrupt seat is not paid; the drawer pays into debt
    game.bankrupt[2] = true;
    game.money[2] = 0;
    game.money[0] = 40;
    giveProperty(0, 5);
    draw(1, 4, 22);
    EXPECT_EQ(game.money[0], -60);
    EXPECT_EQ(game.money[1], 1550);
    EXPECT_EQ(game.money[2], 0);
    EXPECT_TRUE(game.inDebt);
    EXPECT_EQ(game.menuPlayer, 0);
}

TEST_F(CardRules, RepairsCountHousesAndHotels) {
    const int expected[2] = {3 * 40 + 115, 3 * 25 + 100};
    for (int deck = 0; deck < 2; ++deck) {
        startTestGame(3);
        giveProperty(0, 0, 1);
        giveProperty(0, 1, 2);
        giveProperty(0, 21, 5);
        giveProperty(0, 5, -1);
        giveProperty(1, 8, 4);  // another seat's buildings
        draw(deck, deck == 0 ? 14 : 6, cardSquares[deck][1]);
        EXPECT_EQ(game.money[0], 1500 - expected[deck]) << deck;
        EXPECT_EQ(game.currentPlayer, 1);
    }
}

// Go back three from each square: onto the tax, a property with rent, and the other deck's square.
TEST_F(CardRules, GoBackThreeLandsOnWhateverIsThere) {
    for (int square : cardSquares[1]) {
        startTestGame(3);
        giveProperty(1, 10);
        draw(1, 12, square);
        runBoardSteps();
        EXPECT_EQ(game.position[0], square - 3);
        EXPECT_EQ(game.deckOrder[1][deckSize - 1], 12);
        EXPECT_EQ(game.taxPromptOpen, square == 7);
        EXPECT_EQ(game.money[1], square == 22 ? 1516 : 1500);
        EXPECT_EQ(game.activeDeck == 0 && game.cardTimer == cardDisplayTicks, square == 36) << square;
    }
}

TEST_F(CardRules, NearestUtilityAndTransportCharged) {
    giveProperty(2, 27);  // another seat's utility: a new roll, ten times the dice
    draw(1, 13, 22);
    EXPECT_TRUE(game.utilityRollPending);
    EXPECT_EQ(game.settleTimer, 0);
    fixClock(secondForDice(1, 2));
    rollForUtilityRent();
    EXPECT_FALSE(game.utilityRollPending);
    runBoardSteps();
    EXPECT_EQ(game.money[0], 1500 - 50);
    EXPECT_EQ(game.money[2], 1550);
    EXPECT_EQ(game.position[0], 28);  // the rent roll does not move the token
    EXPECT_FALSE(game.utilityTenTimes);

    startTestGame(3);  // the drawer's own transport, or a mortgaged one: no doubling
    giveProperty(0, 23);
    giveProperty(2, 24, -1);
    draw(1, 14, 7);
    EXPECT_FALSE(game.transportDoubleRent);
    draw(1, 14, 22);
    EXPECT_FALSE(game.transportDoubleRent);
    draw(1, 14, 7, 1);
    EXPECT_TRUE(game.transportDoubleRent);

    for (int card = 14; card <= 15; ++card)
        for (int square : cardSquares[1]) {
            startTestGame(3);
            for (int t = 22; t <= 25; ++t) giveProperty(1, t);
            draw(1, card, square);
            runBoardSteps();
            EXPECT_EQ(game.money[0], (square == 36 ? 1700 : 1500) - 400) << card << " from " << square;
            EXPECT_FALSE(game.transportDoubleRent);
        }
}

TEST_F(CardRules, HeldJailCardLeavesTheCycleAndComesBack) {
    draw(0, 15, 2);
    int seenAtTop[deckSize] = {};
    for (int i = 0; i < 30; ++i) {
        ++seenAtTop[game.deckOrder[0][0]];
        recycleTopCard(0);
    }
    EXPECT_EQ(seenAtTop[15], 0);
    for (int card = 0; card < 15; ++card) EXPECT_EQ(seenAtTop[card], 2) << card;

    putInJail(0);
    releaseFromJail(0);
    int cycleOf15 = 0;
    for (int i = 0; i < deckSize; ++i) {
        recycleTopCard(0);
        if (game.deckOrder[0][0] == 15) cycleOf15 = i + 1;
    }
    EXPECT_EQ(cycleOf15, 15);  // the returned card comes up from the bottom
}

// A roll past GO onto a card that moves past GO again, then rent: three notices in order.
TEST_F(CardRules, MoveSalaryAndRentNoticesQueueInOrder) {
    giveProperty(1, 22);
    game.position[0] = 37;
    rollWith(3, 5);  // past GO to square 7
    runBoardSteps();
    setTopCard(1, 11);  // to square 5: passing GO again
    applyCard();
    runBoardSteps();
    for (int amount : {-200, -200, 25}) {
        EXPECT_EQ(game.noticeAmount[0], amount);
        EXPECT_EQ(game.currentPlayer, 0);
        dismissNotice();
    }
    EXPECT_EQ(game.currentPlayer, 1);
    EXPECT_EQ(game.money[0], 1500 + 400 - 25);
}

// A chain of salary notices longer than the queue stays inside it.
TEST_F(CardRules, SalaryChainNeverWritesPastTheNoticeQueue) {
    for (int i = 0; i < 12; ++i) {
        draw(1, 11, 36, 1);
        EXPECT_LE(game.noticeIndex, noticeSlots - 1);
    }
    EXPECT_EQ(game.money[1], 1500 + 12 * 200);
    EXPECT_EQ(game.noticeAmount[noticeSlots - 1], -200);
    EXPECT_TRUE(stateIsValid());
}

}  // namespace
