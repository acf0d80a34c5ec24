// Every card of both decks, from each square that draws it, and the deck cycle.
#include <gtest/gtest.h>

#include "game/random.h"
#include "game/rules.h"
#include "game/tables.h"
#include "support/fixtures.h"

namespace {

class CardRules : public ::testing::Test {
protected:
    void SetUp() override {
        game = GameState{};
        startTestGame(3);
    }
    void TearDown() override { setClock(nullptr); }
};

// Seat 0 on `square` draws `card` of `deck`, which then takes effect.
void draw(int deck, int card, int square) {
    game.currentPlayer = 0;
    game.position[0] = square;
    game.activeDeck = deck;
    setTopCard(deck, card);
    applyCard();
}

// Money and movement cards from each of the deck's three squares (the pot on, so fees show in it).
TEST_F(CardRules, MoneyAndMovementCardsFromEverySquare) {
    const int stay = -1;
    const struct {
        int deck, card, amount, target[3];  // target per card square; -1: the token stays
    } cases[] = {
        {0, 1, 200, {stay, stay, stay}}, {0, 2, 100, {stay, stay, stay}}, {0, 3, 100, {stay, stay, stay}},
        {0, 4, 100, {stay, stay, stay}}, {0, 5, 45, {stay, stay, stay}}, {0, 6, 25, {stay, stay, stay}},
        {0, 7, 20, {stay, stay, stay}}, {0, 8, 10, {stay, stay, stay}}, {0, 10, -150, {stay, stay, stay}},
        {0, 11, -100, {stay, stay, stay}}, {0, 12, -50, {stay, stay, stay}}, {0, 13, 200, {0, 0, 0}},
        {1, 1, 150, {stay, stay, stay}}, {1, 2, 50, {stay, stay, stay}}, {1, 3, -15, {stay, stay, stay}},
        {1, 5, 200, {0, 0, 0}}, {1, 8, 0, {24, 24, 24}}, {1, 9, 0, {11, 11, 11}},
        {1, 10, 0, {39, 39, 39}}, {1, 11, 0, {5, 5, 5}}, {1, 13, 0, {12, 28, 12}},
        {1, 14, 0, {15, 25, 5}}, {1, 15, 0, {15, 25, 5}},
    };
    for (const auto& c : cases)
        for (int k = 0; k < 3; ++k) {
            const int square = cardSquares[c.deck][k], target = c.target[k];
            SCOPED_TRACE(testing::Message() << "deck " << c.deck << " card " << c.card << " from " << square);
            startTestGame(3);
            game.middleOption = 1;
            draw(c.deck, c.card, square);
            const int salary = target > 0 && target < square ? goSalary : 0;
            EXPECT_EQ(game.money[0], 1500 + c.amount + salary);
            EXPECT_EQ(game.middlePot, c.amount < 0 ? -c.amount : 0);
            EXPECT_EQ(game.position[0], target == stay ? square : target);
            EXPECT_EQ(game.deckOrder[c.deck][15], c.card);  // back at the bottom
            runBoardSteps();
            // A move lands on the bank's property; otherwise the turn has passed.
            EXPECT_TRUE(target > 0 ? game.buyPromptOpen : game.currentPlayer == 1);
            EXPECT_EQ(game.money[0], 1500 + c.amount + salary);
        }
}

TEST_F(CardRules, GoToJailFromEveryCardSquare) {
    for (int deck = 0; deck < 2; ++deck)
        for (int square : cardSquares[deck]) {
            startTestGame(3);
            draw(deck, 0, square);
            EXPECT_EQ(game.position[0], jailCell);
            EXPECT_EQ(game.boardCursor, jailSquare);
            EXPECT_EQ(game.money[0], 1500);
        }
    startTestGame(3);
    game.doublesCount = 1;  // doubles pending: the seat stays on turn and rolls from the cell
    draw(1, 0, 22);
    runBoardSteps();
    EXPECT_EQ(game.currentPlayer, 0);
}

TEST_F(CardRules, FeeCardBeyondNetWorthBankruptsToTheMiddle) {
    game.middleOption = 1;
    game.money[0] = 120;
    draw(0, 10, 17);
    EXPECT_TRUE(game.bankrupt[0]);
    EXPECT_EQ(game.middlePot, 120);
    EXPECT_EQ(game.currentPlayer, 0);  // the bankruptcy notice hands the turn on
    EXPECT_TRUE(stateIsValid());
}

TEST_F(CardRules, CollectFromAndPayEveryPlayerWithDebtsAndBankruptcies) {
    startTestGame(4);
    game.money[1] = 20;
    giveProperty(1, 5);  // pays into debt
    game.money[2] = 30;  // cannot pay: bankrupt to the drawer
    game.bankrupt[3] = true;
    game.money[3] = 0;
    draw(0, 9, 33);
    EXPECT_EQ(game.money[1], -30);
    EXPECT_TRUE(game.inDebt);
    EXPECT_TRUE(game.bankrupt[2]);
    EXPECT_EQ(game.money[0], 1500 + 50 + 30 + 50);  // counts 50 for the bankrupt seat as well

    startTestGame(4);
    game.bankrupt[2] = true;
    game.money[2] = 0;
    draw(1, 4, 22);
    EXPECT_EQ(game.money[0], 1400);
    EXPECT_EQ(game.money[1], 1550);
    EXPECT_EQ(game.money[2], 0);

    startTestGame(3);
    game.money[0] = 90;  // the payees are paid first; the drawer goes to the bank
    draw(1, 4, 7);
    EXPECT_TRUE(game.bankrupt[0]);
    EXPECT_EQ(game.lastCreditor, bankOwner);
    EXPECT_EQ(game.money[1] + game.money[2], 3100);
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
    }
}

TEST_F(CardRules, GoBackThreeLandsOnWhateverIsThere) {
    draw(1, 12, 7);
    runBoardSteps();
    EXPECT_TRUE(game.taxPromptOpen);  // square 4


    startTestGame(3);
    giveProperty(1, 10);
    draw(1, 12, 22);
    runBoardSteps();
    EXPECT_EQ(game.position[0], 19);
    EXPECT_EQ(game.money[1], 1516);
}

TEST_F(CardRules, NearestUtilityAndTransportCharged) {
    giveProperty(2, 27);  // another seat's utility: a new roll, ten times the dice
    draw(1, 13, 22);
    EXPECT_TRUE(game.utilityRollPending);
    fixClock(secondForDice(1, 2));
    rollForUtilityRent();
    runBoardSteps();
    EXPECT_EQ(game.money[0], 1500 - 50);
    EXPECT_EQ(game.money[2], 1550);


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
    EXPECT_EQ(game.jailCardHolder[0], 0);
    int seenAtTop[deckSize] = {};
    for (int i = 0; i < 30; ++i) {
        ++seenAtTop[game.deckOrder[0][0]];
        recycleTopCard(0);
    }
    EXPECT_EQ(seenAtTop[15], 0);
    for (int card = 0; card < 15; ++card) EXPECT_EQ(seenAtTop[card], 2) << card;

    putInJail(0);
    releaseFromJail(0);
    EXPECT_EQ(game.jailCardHolder[0], bankOwner);
    int cycleOf15 = 0;
    for (int i = 0; i < deckSize; ++i) {
        recycleTopCard(0);
        if (game.deckOrder[0][0] == 15) cycleOf15 = i + 1;
    }
    EXPECT_EQ(cycleOf15, 15);  // the returned card comes up from the bottom
}

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

// Guards the notice queue overflowing when salary notices chain past its slots.
TEST_F(CardRules, SalaryChainNeverWritesPastTheNoticeQueue) {
    game.currentPlayer = 1;
    for (int i = 0; i < 12; ++i) {
        game.position[1] = 36;
        game.activeDeck = 1;
        setTopCard(1, 11);
        applyCard();
        EXPECT_LE(game.noticeIndex, noticeSlots - 1);
    }
    EXPECT_EQ(game.money[1], 1500 + 12 * 200);
    EXPECT_EQ(game.noticeAmount[noticeSlots - 1], -200);
    EXPECT_TRUE(stateIsValid());
}

TEST_F(CardRules, ShuffleDealsBothDecksFromTheGenerator) {
    seedRandom(99);
    shuffleDecks();
    const GameState first = game;
    seedRandom(99);
    shuffleDecks();
    for (int d = 0; d < 2; ++d)
        for (int i = 0; i < deckSize; ++i) EXPECT_EQ(game.deckOrder[d][i], first.deckOrder[d][i]);
    EXPECT_TRUE(stateIsValid());  // both rows are permutations
}

}  // namespace
