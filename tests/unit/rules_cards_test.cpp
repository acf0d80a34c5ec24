// Every card of both decks, from each square that draws it, and the deck cycle.
#include <gtest/gtest.h>

#include "game/invariants.h"
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

using Deck0Rules = CardRules;
using Deck1Rules = CardRules;
using DeckCycleRules = CardRules;

const int deck0Squares[3] = {2, 17, 33};
const int deck1Squares[3] = {7, 22, 36};

// Seat 0 on `square` draws `card` of `deck`, which then takes effect.
void draw(int deck, int card, int square) {
    game.currentPlayer = 0;
    game.position[0] = square;
    game.activeDeck = deck;
    setTopCard(deck, card);
    applyCard();
}

void expectValid() {
    char why[120] = "";
    EXPECT_TRUE(checkInvariants(game, why, sizeof why)) << why;
}

TEST_F(Deck0Rules, CollectCardsPayTheirAmountAndPassTheTurn) {
    const int amounts[9] = {0, 200, 100, 100, 100, 45, 25, 20, 10};
    for (int card = 1; card <= 8; ++card)
        for (int square : deck0Squares) {
            startTestGame(3);
            draw(0, card, square);
            EXPECT_EQ(game.money[0], 1500 + amounts[card]) << card;
            EXPECT_EQ(game.deckOrder[0][15], card);  // back at the bottom
            EXPECT_EQ(game.currentPlayer, 1);
            EXPECT_EQ(game.position[0], square);
        }
}

TEST_F(Deck1Rules, CollectAndPayCards) {
    for (int square : deck1Squares) {
        startTestGame(3);
        game.middleOption = 1;
        draw(1, 1, square);
        EXPECT_EQ(game.money[0], 1650);
        game.currentPlayer = 0;
        draw(1, 2, square);
        EXPECT_EQ(game.money[0], 1700);
        game.currentPlayer = 0;
        draw(1, 3, square);
        EXPECT_EQ(game.money[0], 1685);
        EXPECT_EQ(game.middlePot, 15);
        EXPECT_EQ(game.noticeTimer, 0);  // card payments show no notice
        EXPECT_EQ(game.currentPlayer, 1);
    }
}

TEST_F(CardRules, GoToJailFromEveryCardSquare) {
    for (int deck = 0; deck < 2; ++deck)
        for (int k = 0; k < 3; ++k) {
            startTestGame(3);
            draw(deck, 0, cardSquares[deck][k]);
            EXPECT_EQ(game.position[0], jailCell);
            EXPECT_EQ(game.jailTurns[0], 0);
            EXPECT_EQ(game.boardCursor, jailSquare);
            EXPECT_EQ(game.settleTimer, 60);
            EXPECT_EQ(game.deckOrder[deck][15], 0);
            runBoardSteps();
            EXPECT_EQ(game.currentPlayer, 1);
            EXPECT_EQ(game.money[0], 1500);
        }
    // Doubles pending: the seat stays on turn and rolls from the cell.
    startTestGame(3);
    game.doublesCount = 1;
    draw(1, 0, 22);
    runBoardSteps();
    EXPECT_EQ(game.currentPlayer, 0);
    EXPECT_EQ(game.position[0], jailCell);
}

TEST_F(Deck0Rules, FeeCardsGoToThePotOrBankruptToTheMiddle) {
    const int fees[3] = {150, 100, 50};
    for (int card = 10; card <= 12; ++card)
        for (int square : deck0Squares) {
            startTestGame(3);
            game.middleOption = 2;
            draw(0, card, square);
            EXPECT_EQ(game.money[0], 1500 - fees[card - 10]);
            EXPECT_EQ(game.middlePot, fees[card - 10]);
            EXPECT_EQ(game.currentPlayer, 1);
        }
    startTestGame(3);
    game.middleOption = 1;
    game.money[0] = 120;
    draw(0, 10, 17);
    EXPECT_TRUE(game.bankrupt[0]);
    EXPECT_EQ(game.middlePot, 120);
    EXPECT_EQ(game.currentPlayer, 0);  // the bankruptcy notice hands the turn on
    EXPECT_EQ(game.deckOrder[0][15], 10);
    expectValid();
}

TEST_F(Deck0Rules, CollectFromEveryPlayer) {
    for (int square : deck0Squares) {
        startTestGame(3);
        draw(0, 9, square);
        EXPECT_EQ(game.money[0], 1600);
        EXPECT_EQ(game.money[1], 1450);
        EXPECT_EQ(game.money[2], 1450);
        EXPECT_EQ(game.currentPlayer, 1);
    }
    // Seat 1 pays into debt, seat 2 cannot pay and goes bankrupt to the drawer, seat 3 is
    // already out. The drawer still counts 50 for the bankrupt seat.
    startTestGame(4);
    game.money[1] = 20;
    giveProperty(1, 5);
    game.money[2] = 30;
    game.money[3] = 0;
    game.bankrupt[3] = true;
    draw(0, 9, 33);
    EXPECT_EQ(game.money[1], -30);
    EXPECT_TRUE(game.inDebt);
    EXPECT_EQ(game.menuPlayer, 1);
    EXPECT_TRUE(game.bankrupt[2]);
    EXPECT_EQ(game.money[0], 1500 + 50 + 30 + 50);
    EXPECT_EQ(game.currentPlayer, 0);
    EXPECT_EQ(game.bankruptTimer, 100);
}

TEST_F(CardRules, GoToGoPaysWithoutANoticeAndEndsTheTurn) {
    for (int deck = 0; deck < 2; ++deck)
        for (int square : cardSquares[deck]) {
            startTestGame(3);
            draw(deck, deck == 0 ? 13 : 5, square);
            EXPECT_EQ(game.money[0], 1700);
            EXPECT_EQ(game.position[0], 0);
            EXPECT_EQ(game.boardCursor, 0);
            EXPECT_TRUE(game.skipLanding);
            EXPECT_EQ(game.noticeTimer, 0);
            runBoardSteps();
            EXPECT_EQ(game.money[0], 1700);
            EXPECT_EQ(game.currentPlayer, 1);
        }
}

TEST_F(CardRules, RepairsCountHousesAndHotels) {
    const int expected[2] = {3 * 40 + 115, 3 * 25 + 100};
    for (int deck = 0; deck < 2; ++deck) {
        startTestGame(3);
        game.middleOption = 1;
        giveProperty(0, 0, 1);
        giveProperty(0, 1, 2);
        giveProperty(0, 21, 5);
        giveProperty(0, 5, -1);
        giveProperty(0, 6);
        giveProperty(1, 8, 4);  // another seat's buildings
        draw(deck, deck == 0 ? 14 : 6, cardSquares[deck][1]);
        EXPECT_EQ(game.money[0], 1500 - expected[deck]) << deck;
        EXPECT_EQ(game.middlePot, expected[deck]);
        EXPECT_EQ(game.currentPlayer, 1);
    }
    startTestGame(3);
    giveProperty(0, 5, -1);
    draw(0, 14, 2);
    EXPECT_EQ(game.money[0], 1500);
}

TEST_F(DeckCycleRules, HeldJailCardLeavesTheCycleAndComesBack) {
    // Deck 0 in a known order with the jail card on top.
    draw(0, 15, 2);
    EXPECT_EQ(game.jailCardHolder[0], 0);
    EXPECT_EQ(game.deckOrder[0][15], 15);
    EXPECT_EQ(game.currentPlayer, 1);
    int seenAtTop[deckSize] = {};
    for (int i = 0; i < 30; ++i) {
        ++seenAtTop[game.deckOrder[0][0]];
        recycleTopCard(0);
        EXPECT_EQ(game.deckOrder[0][15], 15);
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
    expectValid();

    draw(1, 7, 36);
    EXPECT_EQ(game.jailCardHolder[1], 0);
    EXPECT_EQ(game.deckOrder[1][15], 7);
}

TEST_F(Deck1Rules, PayEachPlayer) {
    startTestGame(4);
    game.bankrupt[2] = true;
    game.money[2] = 0;
    draw(1, 4, 22);
    EXPECT_EQ(game.money[0], 1400);
    EXPECT_EQ(game.money[1], 1550);
    EXPECT_EQ(game.money[2], 0);
    EXPECT_EQ(game.money[3], 1550);
    EXPECT_EQ(game.currentPlayer, 1);

    // The payees are paid first; a drawer who cannot cover the total goes to the bank.
    startTestGame(3);
    game.money[0] = 90;
    draw(1, 4, 7);
    EXPECT_TRUE(game.bankrupt[0]);
    EXPECT_EQ(game.lastCreditor, bankOwner);
    EXPECT_EQ(game.money[1], 1550);
    EXPECT_EQ(game.money[2], 1550);
    EXPECT_EQ(game.currentPlayer, 0);
}

TEST_F(Deck1Rules, AdvanceCardsPaySalaryOnlyWhenPassingGo) {
    const int targets[4] = {24, 11, 39, 5};
    for (int card = 8; card <= 11; ++card)
        for (int square : deck1Squares) {
            startTestGame(3);
            draw(1, card, square);
            const int target = targets[card - 8];
            const bool passes = square > target;
            EXPECT_EQ(game.position[0], target);
            EXPECT_EQ(game.money[0], passes ? 1700 : 1500) << card << " from " << square;
            EXPECT_EQ(game.noticeIndex, passes ? 1 : 0);
            EXPECT_FALSE(game.skipLanding);
            runBoardSteps();
            EXPECT_TRUE(game.buyPromptOpen);  // the landing on the bank's property
        }
}

TEST_F(Deck1Rules, GoBackThreeLandsOnWhateverIsThere) {
    draw(1, 12, 7);
    runBoardSteps();
    EXPECT_EQ(game.position[0], 4);
    EXPECT_TRUE(game.taxPromptOpen);

    startTestGame(3);
    draw(1, 12, 36);
    runBoardSteps();
    EXPECT_EQ(game.position[0], 33);
    EXPECT_EQ(game.activeDeck, 0);
    EXPECT_EQ(game.cardTimer, cardDisplayTicks);

    startTestGame(3);
    giveProperty(1, 10);
    draw(1, 12, 22);
    runBoardSteps();
    EXPECT_EQ(game.position[0], 19);
    EXPECT_EQ(game.money[0], 1484);
    EXPECT_EQ(game.money[1], 1516);
}

TEST_F(Deck1Rules, NearestUtility) {
    const int expectedSquare[3] = {12, 28, 12};
    for (int k = 0; k < 3; ++k) {
        startTestGame(3);
        draw(1, 13, deck1Squares[k]);
        EXPECT_EQ(game.position[0], expectedSquare[k]);
        EXPECT_EQ(game.money[0], k == 2 ? 1700 : 1500);
        EXPECT_EQ(game.settleTimer, 60);
        runBoardSteps();
        EXPECT_TRUE(game.buyPromptOpen);
    }
    // Another seat's utility: the seat must roll and pays ten times the new dice.
    startTestGame(3);
    giveProperty(2, 27);
    draw(1, 13, 22);
    EXPECT_TRUE(game.utilityRollPending);
    EXPECT_EQ(game.settleTimer, 0);
    fixClock(secondForDice(1, 2));
    rollForUtilityRent();
    runBoardSteps();
    EXPECT_EQ(game.money[0], 1500 - 50);
    EXPECT_EQ(game.money[2], 1550);

    // One's own, or a mortgaged one: no roll; the landing does nothing.
    startTestGame(3);
    giveProperty(1, 26, -1);
    draw(1, 13, 7);
    EXPECT_FALSE(game.utilityRollPending);
    runBoardSteps();
    EXPECT_EQ(game.money[0], 1500);
    EXPECT_EQ(game.currentPlayer, 1);
}

TEST_F(Deck1Rules, NearestTransportDoublesAnOwnedOnesRent) {
    const int expectedSquare[3] = {15, 25, 5};
    for (int card = 14; card <= 15; ++card)
        for (int k = 0; k < 3; ++k) {
            startTestGame(3);
            for (int t = 22; t <= 25; ++t) giveProperty(1, t);
            draw(1, card, deck1Squares[k]);
            EXPECT_EQ(game.position[0], expectedSquare[k]);
            EXPECT_TRUE(game.transportDoubleRent);
            runBoardSteps();
            EXPECT_EQ(game.money[0], (k == 2 ? 1700 : 1500) - 400);
            EXPECT_FALSE(game.transportDoubleRent);
        }
    // The bank's transport: no doubling is carried to the buy question.
    startTestGame(3);
    draw(1, 14, 7);
    EXPECT_FALSE(game.transportDoubleRent);
}

TEST_F(CardRules, MoveSalaryAndRentNoticesQueueInOrder) {
    giveProperty(1, 22);
    game.position[0] = 37;
    rollWith(3, 5);  // 10 squares, past GO to square 7
    runBoardSteps();
    ASSERT_EQ(game.cardTimer, cardDisplayTicks);
    setTopCard(1, 11);  // Heavy Dreadnought, square 5: passing GO again
    applyCard();
    runBoardSteps();
    const int amounts[3] = {-200, -200, 25};
    for (int amount : amounts) {
        EXPECT_EQ(game.noticeAmount[0], amount);
        EXPECT_EQ(game.currentPlayer, 0);
        dismissNotice();
    }
    EXPECT_EQ(game.noticeTimer, 0);
    EXPECT_EQ(game.currentPlayer, 1);
    EXPECT_EQ(game.money[0], 1500 + 400 - 25);
}

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
    EXPECT_EQ(game.noticePlayer[0], 1);
    EXPECT_EQ(game.noticeAmount[0], -200);
    EXPECT_STREQ(game.noticeReason[0], "passing GO");
    EXPECT_EQ(game.noticeAmount[noticeSlots - 1], -200);
    expectValid();
}

TEST_F(DeckCycleRules, ShuffleDealsBothDecksFromTheGenerator) {
    seedRandom(99);
    shuffleDecks();
    const GameState first = game;
    seedRandom(99);
    shuffleDecks();
    int differences = 0;
    for (int d = 0; d < 2; ++d)
        for (int i = 0; i < deckSize; ++i) EXPECT_EQ(game.deckOrder[d][i], first.deckOrder[d][i]);
    seedRandom(100);
    shuffleDecks();
    for (int i = 0; i < deckSize; ++i) differences += game.deckOrder[0][i] != first.deckOrder[0][i];
    EXPECT_GT(differences, 0);
    expectValid();  // both rows are permutations
}

}  // namespace
