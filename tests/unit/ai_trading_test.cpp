// Computer trading: the proposals a computer builds, how it judges an offer, and the two
// cooldown memories.
#include <gtest/gtest.h>

#include <initializer_list>

#include "ai/computer.h"
#include "game/random.h"
#include "game/rules.h"
#include "game/tables.h"
#include "support/fixtures.h"

namespace {

struct ComputerTrading : ::testing::Test {
    void SetUp() override { game = GameState{}; }
    void TearDown() override { setClock(nullptr); }
};

// Seat 0 a person, seats 1 and 2 computers; seat 1's turn and seat 1 lacks street 4 of
// group 1, which seat 2 holds.
void missingStreetPosition() {
    startTestGame(1, 2);
    game.currentPlayer = 1;
    giveProperty(1, 2);
    giveProperty(1, 3);
    giveProperty(2, 4);
}

int selectedCount(const bool side[propertyCount]) {
    int n = 0;
    for (int p = 0; p < propertyCount; ++p) n += side[p] ? 1 : 0;
    return n;
}

// Buying the missing street (kind 0) completes only the proposer's group, so another computer
// always refuses it; the amount is 2.5 to 3.5 times the base value and the cooldown is 2.
// Too little cash for the offer, or a built street (which never changes hands): no proposal.
TEST_F(ComputerTrading, BuyingTheMissingStreetIsRefusedByComputers) {
    int proposals = 0;
    for (int second = 0; second < 1500; ++second) {
        for (int blocked = 1; blocked <= 2; ++blocked) {
            missingStreetPosition();
            if (blocked == 1)
                game.houses[4] = 1;
            else
                game.money[1] = 299;
            fixClock(second);
            EXPECT_FALSE(proposeTrade()) << second;
            EXPECT_TRUE(game.tradeTried && game.proposeCooldown[1][2] == 0);
        }
        missingStreetPosition();
        fixClock(second);
        if (!proposeTrade()) continue;
        ++proposals;
        ASSERT_EQ(game.menuPlayer, 2);
        EXPECT_TRUE(game.selected[4]);
        EXPECT_EQ(selectedCount(game.selected) + selectedCount(game.initiatorSelected), 1);
        EXPECT_TRUE(game.initiatorMoney >= 300 &&
                    game.initiatorMoney <= 420);  // base value of group 1 is 120
        EXPECT_EQ(game.proposeCooldown[1][2], 2);
        EXPECT_FALSE(evaluateTradeOffer()) << second;
    }
    EXPECT_GT(proposals, 0);
}

// While the cooldown for seat 2 runs, a turn that draws seat 2 makes no proposal at all (no
// redraw), one that draws seat 0 proposes as before; two of the proposer's own turns end it.
TEST_F(ComputerTrading, ProposeCooldownBlocksThatPartnerForTwoTurns) {
    int blocked = 0, others = 0;
    for (int second = 0; second < 1500; ++second) {
        int partner = -1, money = -1;
        bool made[2];
        for (int cooled = 0; cooled < 2; ++cooled) {
            missingStreetPosition();
            giveProperty(1, 0), giveProperty(0, 1);  // group 0 split with seat 0: a missing street there too
            game.proposeCooldown[1][2] = cooled ? 2 : 0;
            fixClock(second);
            made[cooled] = proposeTrade();
            if (!cooled) partner = game.menuPlayer, money = game.initiatorMoney;
        }
        EXPECT_EQ(game.proposeCooldown[1][2], 2);
        blocked += made[0] && partner == 2;
        if (made[0] && partner == 2) {
            EXPECT_FALSE(made[1]) << second;
        } else {
            EXPECT_EQ(made[1], made[0]) << second;
            if (made[1]) {
                EXPECT_TRUE(game.menuPlayer == partner && game.initiatorMoney == money) << second;
            }
            others += made[1];
        }
    }
    EXPECT_TRUE(blocked > 0 && others > 0);

    game.currentPlayer = 0;
    nextTurn();  // seat 1's turn begins
    EXPECT_EQ(game.proposeCooldown[1][2], 1);
    game.currentPlayer = 2;
    nextTurn();  // seat 0, a person: seat 1's memory is untouched
    EXPECT_EQ(game.proposeCooldown[1][2], 1);
    nextTurn();
    EXPECT_EQ(game.proposeCooldown[1][2], 0);
}

// An offer from seat 1 (a computer) to seat 2 with nothing in it yet.
void blankOffer() {
    startTestGame(1, 2);
    game.currentPlayer = game.tradeInitiator = 1, game.menuPlayer = 2;
}

// Having judged an offer from seat 1, seat 2 refuses every further one unseen, even a gift,
// for two or three of its own turns.
TEST_F(ComputerTrading, JudgedProposerIsRefusedUnseenForTwoOrThreeTurns) {
    bool seen[4] = {};
    for (int second = 0; second < 50; ++second) {
        blankOffer();
        game.initiatorMoney = 1000;  // a gift: always welcome
        fixClock(second);
        EXPECT_TRUE(evaluateTradeOffer());
        const int cooldown = game.answerCooldown[2][1];
        ASSERT_TRUE(cooldown == 2 || cooldown == 3);
        seen[cooldown] = true;
        for (int turn = 0; turn < cooldown; ++turn) {
            EXPECT_FALSE(evaluateTradeOffer());
            game.currentPlayer = 1;
            nextTurn();  // seat 2's turn begins
        }
        EXPECT_TRUE(evaluateTradeOffer());
        EXPECT_EQ(game.answerCooldown[0][1], 0);  // other responders remember nothing
    }
    EXPECT_TRUE(seen[2] && seen[3]);
}

// The value an offer has for the responder, checked against its two random terms: accepted
// when the second does not exceed the first plus `slack` (gain minus loss, at a fifth for
// cash). A large negative slack means always refused.
struct ValueCase {
    const char* what;
    void (*setUp)();
    int slack;
};
bool unused[propertyCount];  // holdings that are not part of the offer
void giveBoth(int seat, std::initializer_list<int> ps, bool* side) {
    for (int p : ps) giveProperty(seat, p), side[p] = true;
}
const ValueCase valueCases[] = {
    {"500 cash for a transport", [] { giveBoth(2, {22}, game.selected), game.initiatorMoney = 500; }, 0},
    {"495 cash for a transport", [] { giveBoth(2, {22}, game.selected), game.initiatorMoney = 495; }, -1},
    {"a transport for a utility",
     [] { giveBoth(1, {22}, game.initiatorSelected), giveBoth(2, {26}, game.selected); }, 5},
    {"a group completed each way, balanced by cash: 360 + 240 gained against 600",
     [] {
         giveBoth(2, {2, 3}, unused), giveBoth(1, {9, 10}, unused), giveBoth(1, {4}, game.initiatorSelected),
             giveBoth(2, {8}, game.selected), game.initiatorMoney = 1200;
     },
     0},
    {"only the proposer's group completed",
     [] {
         giveBoth(1, {9, 10}, unused), giveBoth(2, {8}, game.selected), game.initiatorMoney = 5000;
     },
     -100},
    {"a street of group 3 to a newcomer: 100",
     [] { giveBoth(1, {8}, game.initiatorSelected), game.money[2] = game.tradeMoney = 500; }, 0},
    {"two streets to a newcomer: 300",
     [] {
         giveBoth(1, {8, 9}, game.initiatorSelected), game.money[2] = game.tradeMoney = 1500;
     },
     0},
};

TEST_F(ComputerTrading, OffersAreJudgedOnValue) {
    for (const ValueCase& c : valueCases)
        for (int second = 0; second < 300; ++second) {
            seedRandom(static_cast<uint32_t>(second));
            randomBelow(2);  // the cooldown draw comes first
            const int r1 = randomBelow(20), r2 = randomBelow(20);
            blankOffer();
            c.setUp();
            fixClock(second);
            ASSERT_EQ(evaluateTradeOffer(), r2 <= r1 + c.slack) << c.what << ", second " << second;
            EXPECT_GE(game.answerCooldown[2][1], 2);  // judged all the same
        }
}

}  // namespace
