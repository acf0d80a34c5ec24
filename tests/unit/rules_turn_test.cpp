// Dice, the token's walk, landings, rent, passing the turn, leaving jail, and every card of both
// decks from each square that draws it, with the deck cycle.
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

class TurnRules : public ::testing::Test {
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

using CardRules = TurnRules;

// Rolls of seat 0 from a square, or from the cell after `failed` rolls (-1: not jailed). Rows: start,
// failed, doubles so far, dice; then jail turns, square, seat on turn, cash, buy question, a card
// drawn. In order: third doubles go to jail, no salary past GO; a plain roll (ending a run of
// doubles) over GO onto a card square; onto GO, the salary once; doubles free a prisoner without an
// extra roll; a failed roll counts and the turn passes; two is the most a stay counts; jailed in a
// run of doubles, more doubles keep it there.
TEST_F(TurnRules, RollsThirdDoublesAndJail) {
    const std::array<int, 11> rolls[] = {
        {36, -1, 2, 3, 3, 0, jailCell, 1, 1500, 0, 0}, {38, -1, 1, 0, 2, 0, 2, 0, 1700, 0, 1},
        {33, -1, 0, 2, 3, 0, 0, 1, 1700, 0, 0},        {0, 1, 0, 1, 1, 0, 14, 0, 1500, 1, 0},
        {0, 0, 0, 1, 4, 1, jailCell, 1, 1500, 0, 0},   {0, 2, 0, 1, 4, 2, jailCell, 1, 1500, 0, 0},
        {0, 0, 2, 5, 5, 0, jailCell, 1, 1500, 0, 0}};
    for (const auto& [from, failed, doubles, a, b, turns, square, next, cash, asked, card] : rolls) {
        startTestGame(3);
        game.position[0] = from, game.doublesCount = doubles;
        if (failed >= 0) putInJail(0, failed);
        rollWith(a, b);
        EXPECT_EQ((V{game.jailTurns[0], game.doublesCount}), (V{turns, 0}));
        // Third doubles turn the camera to the jail at once.
        EXPECT_TRUE(failed >= 0 || square != jailCell || game.cameraTargetX + game.cameraTargetZ == -0.5f);
        runBoardSteps();
        // A landing notice would queue behind the salary's.
        EXPECT_EQ((V{game.position[0], game.currentPlayer, game.money[0], game.buyPromptOpen,
                     game.cardTimer > 0, game.boardCursor, game.noticeIndex}),
                  (V{square, next, cash, asked, card, 0, cash > 1500}))
            << from << " " << failed << " " << doubles;
    }
}

// The camera aims at the edge of each side, the jail's corner for the cell.
TEST_F(TurnRules, CameraAimsAtTheEdgeOfEachSide) {
    const std::array<float, 3> views[] = {{0, .25f, -.25f}, {9, -.2f, -.25f},  {10, -.25f, -.25f},
                                          {15, -.25f, 0},   {20, -.25f, .25f}, {25, 0, .25f},
                                          {30, .25f, .25f}, {35, .25f, 0},     {jailCell, -.25f, -.25f}};
    for (const auto& [square, x, z] : views) {
        aimCamera(static_cast<int>(square));
        EXPECT_NEAR(game.cameraTargetX, x, 1e-6) << square;
        EXPECT_NEAR(game.cameraTargetZ, z, 1e-6) << square;
    }
}

// Seat 0 (cash as given, and a deed worth 30) lands; seat 1 owns a street with a hotel (rent 2000).
// Rows: middle option, pot, seat 0's cash, square, doubles pending; then seat 0's and seat 1's cash,
// the pot, the seat on turn, the debt state, seat 0 bankrupt, the notice's amount, the creditor, the
// turn waiting for the notice (a bankruptcy's own notice hands it on instead). In
// order: free parking pays out the pot, reseeded at 500 under option 2; empty or off, the turn
// passes. The luxury tax goes into the pot when the middle is on; beyond net worth the seat goes
// bankrupt to the middle (cash and deed's value into the pot), or to the bank while it is off. Rent
// within net worth is paid, into debt when cash runs short, even when it equals the net worth
// exactly (1970 and a deed of 30); one less bankrupts the payer to the owner.
TEST_F(TurnRules, Landings) {
    const std::array<int, 13> cases[] = {
        {1, 300, 1500, 20, 0, 1800, 1500, 0, 0, 0, 0, -300, 0},
        {2, 650, 1500, 20, 0, 2150, 1500, 500, 0, 0, 0, -650, 0},
        {1, 0, 1500, 20, 0, 1500, 1500, 0, 1, 0, 0, 0, 0},
        {0, 300, 1500, 20, 1, 1500, 1500, 300, 0, 0, 0, 0, 0},
        {1, 0, 1500, 38, 0, 1425, 1500, 75, 0, 0, 0, 75, 0},
        {0, 0, 1500, 38, 0, 1425, 1500, 0, 0, 0, 0, 75, 0},
        {0, 0, 40, 38, 0, 0, 1500, 0, 0, 0, 1, 0, bankOwner},
        {1, 0, 40, 38, 0, 0, 1500, 70, 0, 0, 1, 0, middleCreditor},
        {2, 500, 40, 38, 0, 0, 1500, 570, 0, 0, 1, 0, middleCreditor},
        {0, 0, 1969, 39, 0, 0, 3469, 0, 0, 0, 1, 0, 1},
        {0, 0, 1990, 39, 0, -10, 3500, 0, 0, 1, 0, 2000, 0},
        {0, 0, 1970, 39, 0, -30, 3500, 0, 0, 1, 0, 2000, 0},
    };
    for (const auto& [option, pot, cash, square, doubles, m0, m1, potAfter, next, debt, out, notice,
                      creditor] : cases) {
        startTestGame(3);
        giveProperty(0, 0), giveProperty(1, 21, 5), game.money[0] = cash;
        game.middleOption = option, game.middlePot = pot, game.doublesCount = doubles;
        landOn(square);
        EXPECT_EQ((V{game.money[0], game.money[1], game.middlePot, game.currentPlayer, game.inDebt,
                     game.bankrupt[0], game.noticeAmount[0], game.lastCreditor, game.endTurnAfterNotice}),
                  (V{m0, m1, potAfter, next, debt, out, notice, creditor, notice != 0}))
            << square << " " << cash << " " << option;
    }
    // Own and mortgaged deeds charge nothing, and a card's doubled rents never linger past the landing.
    giveProperty(0, 11), giveProperty(1, 12, -1), game.doublesCount = 1;
    for (int square : {21, 23}) {
        game.transportDoubleRent = game.utilityTenTimes = true;
        landOn(square);
        EXPECT_EQ((V{game.money[0], game.money[1], game.currentPlayer, game.transportDoubleRent,
                     game.utilityTenTimes}),
                  (V{-30, 3500, 0, 0, 0}));
    }
    landOn(30);  // to jail: the cursor on square 10, the camera on the jail; doubles keep the turn
    EXPECT_EQ((V{game.position[0], game.boardCursor}), (V{jailCell, jailSquare}));
    EXPECT_FLOAT_EQ(game.cameraTargetZ, -0.25f);
    runBoardSteps();
    EXPECT_EQ(game.currentPlayer, 0);
}

// Rent as the deeds build up, each row on top of the last: a street alone, its whole group
// (doubled unless one is mortgaged), a house and a hotel, none to itself; transports doubling for
// each other the owner holds unmortgaged, the card's doubling used once; a utility four times the
// dice (8), ten times with both or by the card.
TEST_F(TurnRules, RentOfStreetsTransportsAndUtilities) {
    const struct {
        void (*then)();
        int property, rent;
    } steps[] = {
        {[] { giveProperty(1, 8); }, 8, 14},
        {[] { giveGroup(1, 3); }, 8, 28},
        {[] { game.houses[10] = -1; }, 8, 14},
        {[] { giveGroup(1, 3, 1, 2, 5); }, 8, 70},
        {[] {}, 10, 1000},
        {[] { game.currentPlayer = 1; }, 9, 0},
        {[] { game.currentPlayer = 0, giveProperty(1, 22); }, 22, 25},
        {[] { giveProperty(1, 23), giveProperty(1, 24), giveProperty(1, 25); }, 22, 200},
        {[] { game.houses[25] = -1; }, 22, 100},
        {[] { game.transportDoubleRent = true; }, 23, 200},
        {[] {}, 23, 100},
        {[] { giveProperty(1, 26), game.dice[0] = 2, game.dice[1] = 4; }, 26, 32},
        {[] { game.utilityTenTimes = true; }, 26, 80},
        {[] { game.utilityTenTimes = false, giveProperty(1, 27); }, 27, 80},
    };
    for (const auto& step : steps) {
        step.then();
        EXPECT_EQ(computeRent(step.property), step.rent) << &step - steps;
    }
    landOn(28);
    EXPECT_STREQ(game.noticeReason[0], "rent of Iron Moon II ");
}

// The hand-off skips bankrupt seats and wraps round, and counts a computer's trade cooldowns one
// turn shorter; a jailed seat's cursor is on square 10, never 40.
TEST_F(TurnRules, HandOffSkipsBankruptSeatsAndPreparesTheNext) {
    startTestGame(4);
    game.bankrupt[2] = true, game.currentPlayer = 1, game.doublesCount = 1;
    nextTurn();
    EXPECT_EQ((V{game.currentPlayer, game.doublesCount}), (V{3, 0}));
    nextTurn();
    EXPECT_EQ(game.currentPlayer, 0);  // round the table
    // A computer's turn counts its own cooldowns down.
    startTestGame(1, 1), game.position[1] = 15, game.proposeCooldown[1][0] = game.answerCooldown[1][0] = 3;
    nextTurn();
    EXPECT_EQ((V{game.boardCursor, game.proposeCooldown[1][0], game.answerCooldown[1][0]}), (V{15, 2, 2}));
    putInJail(0, 1), nextTurn(), game.doublesCount = 1, continueOrPass();
    EXPECT_EQ(game.boardCursor, jailSquare);
}

// Leaving jail (to square 10, the failed rolls forgotten): held cards first (deck 0's, then deck
// 1's: no fee, no notice), else the fee, into the pot while the middle is on; beyond net worth the
// seat goes bankrupt to the middle (the bank while it is off). Rows: middle option, cash, deck cards
// held; then cash, pot, bankrupt, creditor, the cards' holders.
TEST_F(TurnRules, JailReleaseByCardOrFee) {
    const std::array<int, 9> cases[] = {
        {0, 1500, 2, 1500, 0, 0, 0, 16, 1},   {0, 1500, 1, 1500, 0, 0, 0, 16, 16},
        {1, 1500, 0, 1450, 50, 0, 0, 16, 16}, {0, 1500, 0, 1450, 0, 0, 0, 16, 16},
        {1, 30, 0, 0, 30, 1, 15, 16, 16},     {0, 30, 0, 0, 0, 1, 16, 16, 16}};
    for (const auto& [option, cash, cards, after, pot, out, creditor, holder0, holder1] : cases) {
        startTestGame(3);
        game.middleOption = option, game.money[1] = cash;
        if (cards > 0) game.jailCardHolder[1] = 1;
        if (cards > 1) game.jailCardHolder[0] = 1;
        putInJail(1, 1);
        releaseFromJail(1);
        EXPECT_EQ((V{game.position[1], game.jailTurns[1], game.money[1], game.middlePot, game.bankrupt[1],
                     game.lastCreditor, game.jailCardHolder[0], game.jailCardHolder[1]}),
                  (V{jailSquare, 0, after, pot, out, creditor, holder0, holder1}))
            << option << " " << cash << " " << cards;
        EXPECT_STREQ(game.noticeReason[0], after == 1450 ? "getting out of Jail" : "");
    }
}

// Leave Jail pays the fee and puts the bar back on Roll, or into debt with the debt menu showing; a
// seat not in jail is neither moved nor charged. At the turn's start a seat with two failed rolls is
// released (one is not enough); a fee it cannot pay bankrupts it and the notice passes the turn.
TEST_F(TurnRules, LeaveJailActionAndTheForcedRelease) {
    const std::array<int, 6> cases[] = {{jailCell, 1500, jailSquare, 1450, 0, 0},
                                        {23, 1500, 23, 1500, 0, 0},
                                        {jailCell, 20, jailSquare, -30, int(KindMortgage), 1}};
    for (const auto& [at, cash, to, after, menu, debt] : cases) {
        startTestGame(3);
        giveProperty(0, 0), game.position[0] = at, game.money[0] = cash, game.menuIndex = 4;
        leaveJail();
        EXPECT_EQ((V{game.position[0], game.money[0], game.menuIndex, game.inDebt}),
                  (V{to, after, menu, debt}));
    }
    for (int failed = 1; failed <= 2; ++failed) {
        startTestGame(3);
        game.money[1] = 10, putInJail(1, failed), nextTurn(), afterBankruptcyNotice();
        EXPECT_EQ((V{game.position[1], game.bankrupt[1], game.currentPlayer}),
                  (V{failed == 1 ? jailCell : jailSquare, failed == 2, 2}));
    }
}

// A move that passes GO and lands without a notice of its own (onto GO, or seat 0's own deed)
// hands the turn at once to a seat whose forced release charges the fee: both notices are shown,
// the salary's first.
TEST_F(TurnRules, ForcedReleaseFeeNoticeQueuesBehindPassingGo) {
    for (int from : {37, 38}) {
        startTestGame(3);
        giveProperty(0, 0), putInJail(1, 2), game.position[0] = from;
        rollWith(0, 1);
        runBoardSteps();
        EXPECT_EQ((V{game.currentPlayer, game.position[1], game.noticeAmount[0], game.noticePlayer[1],
                     game.noticeAmount[1]}),
                  (V{1, jailSquare, -goSalary, 1, jailFee}));
        dismissNotice();
        EXPECT_STREQ(game.noticeReason[0], "getting out of Jail");
    }
    startTestGame(3);  // a queue full but for its last slot: the fee takes that slot
    putInJail(1, 2);
    for (int i = 0; i < noticeSlots - 1; ++i) game.noticeAmount[i] = 1;
    releaseFromJail(1);
    EXPECT_EQ((V{game.noticeAmount[noticeSlots - 2], game.noticeAmount[noticeSlots - 1]}), (V{1, jailFee}));
}

// Money, movement and jail cards from each of the deck's three squares (the pot on, so fees show
// in it). Rows: deck, card, amount, target per card square (-1: the token stays); a move that
// wraps past GO adds the salary. The drawer has three houses, a hotel and a mortgaged deed, and
// another seat four houses: repairs cost 3 x 40 + 115, or 3 x 25 + 100.
TEST_F(CardRules, MoneyMovementAndJailCardsFromEverySquare) {
    constexpr int J = jailCell;
    const std::array<int, 6> cases[] = {
        {0, 0, 0, J, J, J},        {1, 0, 0, J, J, J},       {0, 1, 200, -1, -1, -1},

        {0, 10, -150, -1, -1, -1}, {0, 12, -50, -1, -1, -1}, {0, 13, 200, 0, 0, 0},
        {1, 1, 150, -1, -1, -1},   {1, 2, 50, -1, -1, -1},   {1, 3, -15, -1, -1, -1},
        {1, 5, 200, 0, 0, 0},      {1, 8, 0, 24, 24, 24},    {1, 9, 0, 11, 11, 11},
        {1, 11, 0, 5, 5, 5},       {1, 13, 0, 12, 28, 12},   {1, 14, 0, 15, 25, 5},
        {1, 15, 0, 15, 25, 5},     {0, 15, 0, -1, -1, -1},   {0, 14, -235, -1, -1, -1},
        {1, 6, -175, -1, -1, -1},
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
// Collecting from every player: one pays into debt, one cannot pay and goes bankrupt to the drawer
// (who still counts its 50), one is worth exactly 50 and pays. Paying every player skips a bankrupt
// seat and may put the drawer into debt.
TEST_F(CardRules, PaymentsBeyondCashOrNetWorth) {
    const std::array<int, 7> cases[] = {{0, 10, 17, 120, int(middleCreditor), 120, 3000},
                                        {1, 4, 7, 90, bankOwner, 0, 3100}};
    for (const auto& [deck, card, square, cash, creditor, pot, others] : cases) {
        startTestGame(3);
        game.middleOption = 1, game.money[0] = cash;
        draw(deck, card, square);
        EXPECT_EQ((V{game.bankrupt[0], game.lastCreditor, game.middlePot, game.money[1] + game.money[2],
                     game.currentPlayer}),
                  (V{1, creditor, pot, others, 0}));
    }
    startTestGame(4);
    game.money[1] = 20, game.money[2] = 30, game.money[3] = 50, giveProperty(1, 5);
    draw(0, 9, 33);
    EXPECT_EQ((V{game.money[0], game.money[1], game.money[3], game.menuPlayer, game.inDebt, game.bankrupt[2],
                 game.bankrupt[3], game.currentPlayer}),
              (V{1500 + 50 + 30 + 50 + 50, -30, 0, 1, 1, 1, 0, 0}));
    startTestGame(3);  // a net worth of exactly what is owed pays it
    game.money[0] = 100;
    draw(1, 4, 22);
    EXPECT_EQ((V{game.money[0], game.money[1], game.bankrupt[0]}), (V{0, 1550, 0}));
    startTestGame(4);
    game.bankrupt[2] = true, game.money[2] = 0, game.money[0] = 40, giveProperty(0, 5);
    draw(1, 4, 22);
    EXPECT_EQ((V{game.money[0], game.money[1], game.money[2], game.inDebt, game.menuPlayer}),
              (V{-60, 1550, 0, 1, 0}));
}

// Go back three from each square: onto the income tax, a property with rent, and the other deck's
// square. Advancing to the nearest utility or transport owned by another seat charges extra.
TEST_F(CardRules, MovesBackAndToTheNearest) {
    for (int square : cardSquares[1]) {
        startTestGame(3), giveProperty(1, 10);
        draw(1, 12, square);
        runBoardSteps();
        EXPECT_EQ((V{game.position[0], game.deckOrder[1][15], game.taxPromptOpen, game.money[1],
                     game.activeDeck == 0 && game.cardTimer == cardDisplayTicks}),
                  (V{square - 3, 12, square == 7, square == 22 ? 1516 : 1500, square == 36}));
    }
    startTestGame(3), giveProperty(2, 27);  // another seat's utility: a new roll, ten times the dice
    draw(1, 13, 22);
    EXPECT_EQ((V{game.utilityRollPending, game.settleTimer}), (V{1, 0}));
    fixClock(secondForDice(1, 2)), rollForUtilityRent(),
        runBoardSteps();  // the rent roll does not move the token
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
        EXPECT_EQ((V{game.transportDoubleRent, game.utilityRollPending}), (V{doubled, roll}));
        game.transportDoubleRent = game.utilityRollPending = false;
    }
    startTestGame(3);  // the second card from square 36: salary, then twice the rent of four
    for (int t = 22; t <= 25; ++t) giveProperty(1, t);
    draw(1, 15, 36);
    runBoardSteps();
    EXPECT_EQ((V{game.money[0], game.transportDoubleRent}), (V{1700 - 400, 0}));
}

// A held jail card stays out of the cycle (the other 15 go round); once used it comes up from the
// bottom, after the card that lay above it.
TEST_F(CardRules, HeldJailCardLeavesTheCycleAndComesBack) {
    draw(0, 15, 2);
    V tops;
    for (int i = 0; i < 16; ++i) tops.push_back(game.deckOrder[0][0]), recycleTopCard(0);
    putInJail(0), releaseFromJail(0);
    for (int i = 0; i < 16; ++i) recycleTopCard(0), tops.push_back(game.deckOrder[0][0]);
    EXPECT_EQ(tops, (V{0, 1, 2, 3, 4, 5, 6, 7, 8,  9,  10, 11, 12, 13, 14, 0,
                       2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 0,  15, 1}));
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
