// The computer players, one decision or executor at a time. Each test fixes the clock on a
// second whose draws it names, so every expected amount is worked out by hand from the rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <set>
#include <utility>

#include "ai/computer.h"
#include "game/random.h"
#include "game/rules.h"
#include "game/tables.h"
#include "support/fixtures.h"

namespace {

// Calls give(seat, property, houses) for holdings written "seat:property,property/houses ...",
// e.g. "1:2,3 0:4/-1" (houses 0 when left out, -1 mortgaged).
template <class Give>
void eachHolding(const char* holdings, Give give) {
    int seat = 0;
    for (const char* c = holdings; *c;) {
        char* end;
        const int n = static_cast<int>(std::strtol(c, &end, 10));
        int houses = 0;
        if (*end == ':') seat = n;
        if (*end == '/') houses = static_cast<int>(std::strtol(end + 1, &end, 10));
        if (*end != ':') give(seat, n, houses);
        c = *end ? end + 1 : end;
    }
}

// Seat 0 a person, seats 1 and 2 computers; seat 1 on turn with `money`, standing on property
// `stand` (-1: where it is).
void setUp(const char* holdings, int money = startingMoney, int stand = -1) {
    startTestGame(1, 2);
    game.currentPlayer = 1, game.money[1] = money;
    if (stand >= 0) game.position[1] = propertySquare[stand];
    eachHolding(holdings, giveProperty);
}

struct Computer : ::testing::Test {
    void SetUp() override { setUp(""); }
    void TearDown() override { setClock(nullptr); }
};

// Fixes the clock on the first second whose draws after a reseed satisfy `match`, then
// scrambles the generator, so only a reseed from the clock brings those draws back.
template <class Match>
void fixSecond(Match match) {
    for (long long second = 1;; ++second)
        if (seedRandom(static_cast<uint32_t>(second)), match()) return fixClock(second), seedRandom(4321);
}
// ... whose draws are `draws` ({modulus, value}).
void fixDraws(std::initializer_list<std::pair<int, int>> draws) {
    fixSecond([draws] {
        bool match = true;
        for (const auto& d : draws) match = randomBelow(d.first) == d.second && match;
        return match;
    });
}

// Seat 1's auction limit from its two draws: the rule draw (ten percent: 0 makes it the price;
// halving: below 2 halves it) and the raise, 5 x (draw + 1). Seat 2, worth less than nothing,
// and the person bid nothing.
struct LimitRow {
    const char *what, *holdings;
    int money, stand, rule, raise, limit;
};
const LimitRow limitRows[] = {
    {"no other held: 1000/20 + 0.2 x 60 + 25", "", 1000, 1, 5, 4, 85},
    {"a rule draw of 2 does not halve", "", 1000, 1, 2, 4, 85},
    {"a rule draw of 1 halves 62, the floor 54 wins", "", 1000, 1, 1, 4, 75},
    {"the rest one opponent's: 1.4 x 60 + 25", "0:0", 1000, 1, 3, 4, 105},
    {"one of three its own, one unowned: 1.5 x 100 + 5", "1:3", 1500, 2, 3, 0, 155},
    {"one own, one an opponent's: 3000/20 + 0.3 x 100 + 5", "1:3 0:4", 3000, 2, 5, 0, 185},
    {"worth 3485/40 beats 100/20: 87 + 30 + 5", "1:3,17/5,18/5,19/5,20/5,21/5 0:4", 100, 2, 5, 0, 120},
    {"a transport, one own, two unowned: 150 + 0.3 x 200 + 5", "1:23", 3000, 22, 3, 0, 215},
    {"... and the ten percent: 200 + 5", "1:23", 3000, 22, 0, 0, 205},
    {"8000/20 capped at 1.5 x 200, + 5", "0:23", 8000, 22, 5, 0, 305},
    {"54 + 50 cut to the worth 52, then to a multiple of 5", "", 52, 0, 5, 9, 50},
    {"worth below zero: nothing", "", -100, 0, 5, 9, 0},
};

TEST_F(Computer, BidLimitsFollowTheFormula) {
    for (const LimitRow& row : limitRows) {
        setUp(row.holdings, row.money, row.stand);
        game.money[2] = -100, game.bidLimit[0] = game.bidLimit[3] = 7;
        fixDraws({{10, row.rule}, {10, row.raise}});
        computeBidLimits();
        const int* limit = game.bidLimit;
        EXPECT_TRUE(limit[1] == row.limit && limit[0] + limit[2] + limit[3] == 0) << row.what;
    }
    setUp("", 1000, 1);  // a computer in the first seat gets its limit too
    game.isHuman[0] = false;
    computeBidLimits();
    EXPECT_GT(game.bidLimit[0], 0);
}

// One frame of computer bidding with the raise draw r: + 5 x (r + 1), up to the best limit.
// Here seats 0 and 1 are the computers and seat 2 the person; seat 3 is not in play, so its
// limit of 500 never counts. The countdown is left alone.
struct AutoBidRow {
    const char* what;
    int limit0, limit1, leader, bid, draw, newLeader, newBid;
};
const AutoBidRow autoBidRows[] = {
    {"no bid yet: the lower of two equal limits bids", 300, 300, bankOwner, 0, 2, 0, 15},
    {"a person leads: the higher limit answers", 150, 200, 2, 120, 3, 1, 140},
    {"the raise stops at the limit", 200, 150, 2, 190, 4, 0, 200},
    {"at the limit already: no bid", 200, 150, 2, 200, 4, 2, 200},
    {"a computer leads: never outbid", 300, 300, 0, 100, 4, 0, 100},
};

TEST_F(Computer, AutoBidAnswersAPersonUpToTheLimit) {
    game.isHuman[0] = false, game.isHuman[2] = true, game.auctionOpen = true;
    for (const AutoBidRow& row : autoBidRows) {
        game.auctionTimer = 77, game.auctionBidder = row.leader, game.auctionBid = row.bid;
        game.bidLimit[0] = row.limit0, game.bidLimit[1] = row.limit1, game.bidLimit[3] = 500;
        fixDraws({{10, row.draw}});
        computerAutoBid();
        EXPECT_TRUE(game.auctionBidder == row.newLeader && game.auctionBid == row.newBid) << row.what;
        EXPECT_EQ(game.auctionTimer, 77) << "a computer bid restarted the countdown";
    }
}

// A decision against its draw after the reseed: yes for draw T - 1, no for draw T (each when
// in range). decideBuy: T = the score, draws 0..99. decideLeaveJail: T = 90, plus 5h - 5 for
// each opponent's sample street (3 x group) with h buildings. decideBuild: the reserve is the
// draw (0..150) + 50. decideUnmortgage judges its first candidate only, needing the value x 1.1
// x (1.3 + 0.1 x draw (0..5)) in hand.
struct DecisionRow {
    const char* what;
    bool (*decide)();
    const char* holdings;
    int money, stand, threshold;
};
const DecisionRow decisionRows[] = {
    {"400/20 beats 400/40: 400/5", decideBuy, "", 400, 10, 80},
    {"money 219, worth 409: 10 ties 10, so 409/10", decideBuy, "1:8,10", 219, 2, 40},
    {"net worth 399 below the price 400", decideBuy, "1:0", 369, 21, 0},
    {"a transport, the other three its own", decideBuy, "1:23,24,25", 0, 22, 100},
    {"a transport, the other three one opponent's", decideBuy, "2:23,24,25", 200, 22, 100},
    {"a transport, the others two opponents': 300/5", decideBuy, "2:23 0:24,25", 300, 22, 60},
    {"a transport, one its own: 200/10 + 20", decideBuy, "1:23 2:24", 100, 22, 40},
    {"a transport nobody holds: 300/5 + 15", decideBuy, "", 300, 22, 75},
    {"its own hotels count nothing", decideLeaveJail, "1:5/5,6/5,7/5", 1500, -1, 90},
    {"one house on sample street 9 adds nothing", decideLeaveJail, "0:8/5,9/1,10/5", 1500, -1, 90},
    {"two on sample street 0 add 5", decideLeaveJail, "0:0/2,1/2", 1500, -1, 95},
    {"three on sample street 9 add 10", decideLeaveJail, "2:8/5,9/3,10/5", 1500, -1, 100},
    {"250 in hand: house 100 + reserve up to 150", decideBuild, "1:5,6,7", 250, -1, 101},
    {"the cheap group fits, the dear one not", decideBuild, "1:17,18,19,0,1", 250, -1, 151},
    {"hotels everywhere", decideBuild, "1:5/5,6/5,7/5", 5000, -1, 0},
    {"a mortgaged street stops its group", decideBuild, "1:5/-1,6,7", 5000, -1, 0},
    {"160 x 1.1 x 1.5 = 264 in hand, not 1.6", decideUnmortgage, "1:19/-1", 264, -1, 3},
    {"160 x 1.1 x 1.8 = 316.8: 316 falls short", decideUnmortgage, "1:19/-1", 316, -1, 5},
    {"a whole group's street 0 before stray ones", decideUnmortgage, "1:0/-1,1,19/-1,22/-1", 50, -1, 3},
    {"stray streets from 21 down", decideUnmortgage, "1:3,4/-1,19/-1", 100, -1, 0},
    {"streets before transports", decideUnmortgage, "1:22/-1,2/-1", 100, -1, 6},
    {"transports from 22 up: 25 before utility 26", decideUnmortgage, "1:25/-1,26/-1", 140, -1, 0},
    {"one house anywhere blocks it", decideUnmortgage, "1:25/-1,2/1,3,4", 5000, -1, 0},
    {"four houses block it", decideUnmortgage, "1:25/-1,2/4,3/4,4/4", 5000, -1, 0},
    {"hotels do not", decideUnmortgage, "1:25/-1,2/5,3/5,4/5", 5000, -1, 6},
    {"another seat's houses do not", decideUnmortgage, "1:25/-1 0:2/3,3/3,4/3", 5000, -1, 6},
};

TEST_F(Computer, DecisionsFollowTheirDraws) {
    for (const DecisionRow& row : decisionRows) {
        const bool build = row.decide == decideBuild, unmortgage = row.decide == decideUnmortgage;
        const int modulus = build ? 151 : unmortgage ? 6 : 100;
        for (int draw : {row.threshold - 1, row.threshold}) {
            if (draw < 0 || draw >= modulus) continue;
            setUp(row.holdings, row.money, row.stand);
            fixDraws({{modulus, draw}});
            EXPECT_EQ(row.decide(), draw < row.threshold) << row.what << ", draw " << draw;
            EXPECT_TRUE(game.buildTried == build && game.unmortgageTried == unmortgage) << row.what;
            EXPECT_FALSE((build || unmortgage) && row.decide()) << row.what << ", asked twice in a roll";
        }
    }
}

// An executor run on seat 1's holdings, with the reserve for buildHouses and a margin of 1.5
// for unmortgageProperties. buildHouses: one house at a time, level across the group, while
// the next leaves the reserve in hand. unmortgageProperties: whole groups (21 down), other
// streets (21 down), then 22 up, each costing value x 1.1 (truncated), the first out of reach
// stopping everything. resolveDebt: level by level (stray, one street, two of three, whole
// group, buildings sold evenly), stopping once the cash is not negative, or with
// nothing left, in bankruptcy to the bank (16).
struct ExecutorRow {
    const char* what;
    void (*run)();
    const char* holdings;
    int money, reserve;
    const char* after;
    int moneyAfter;
};
constexpr const char* debtor = "1:22,2,5,6,0,1,8/1,9/1,10/1";
constexpr const char* fiveMortgaged = "1:0/-1,1/-1,19/-1,22/-1,26/-1";
const ExecutorRow executorRows[] = {
    {"300, reserve 200: one house, on the lowest street", buildHouses, "1:5/1,6/1,7", 300, 200, "1:7/1", 200},
    {"from 2, 2, 1 to 2, 2, 2, then 160 keeps 100", buildHouses, "1:8/2,9/2,10/1", 260, 100, "1:10/2", 160},
    {"1000, reserve 100: three each", buildHouses, "1:5,6,7", 1000, 100, "1:5/3,6/3,7/3", 100},
    {"no further than hotels", buildHouses, "1:0,1", 10000, 50, "1:0/5,1/5", 9500},
    {"a mortgaged street: nothing", buildHouses, "1:5/-1,6,7", 5000, 50, "1:6,7", 5000},
    {"group 0 at 33 each, then 160 x 1.65 out of reach", unmortgageProperties, fiveMortgaged, 300, 0,
     "1:0,1,19/-1,22/-1,26/-1", 234},
    {"all: 2000 - 33 - 33 - 176 - 110 - 82.5", unmortgageProperties, fiveMortgaged, 2000, 0, "1:0,1,19,22,26",
     1565},
    {"whole group's 21 first, out of reach", unmortgageProperties, "1:20,21/-1,0/-1,1,22/-1", 300, 0,
     "1:21/-1,0/-1,22/-1", 300},
    {"175 costs 192.5", unmortgageProperties, "1:20/-1", 1000, 0, "1:20", 807},
    {"short by 10: the transport", resolveDebt, debtor, -10, 0, "1:22/-1,2,5,6", 90},
    {"by 100: the transport, exactly", resolveDebt, debtor, -100, 0, "1:22/-1,2,5,6", 0},
    {"by 150: then the lone street", resolveDebt, debtor, -150, 0, "1:22/-1,2/-1,5,6,0,1", 0},
    {"by 290: then two of three", resolveDebt, debtor, -290, 0, "1:2/-1,5/-1,6/-1,0,1,8/1", 0},
    {"by 350: then the whole group", resolveDebt, debtor, -350, 0, "1:6/-1,0/-1,1/-1,8/1,9/1,10/1", 0},
    {"by 500: then the buildings", resolveDebt, debtor, -500, 0, "1:0/-1,8,9,10", 0},
    {"by 430: buildings, then the streets", resolveDebt, "1:8/1,9/1,10/1", -430, 0, "1:8/-1,9/-1,10/-1", 0},
    {"from 3, 3, 2 the two 3s first", resolveDebt, "1:5/3,6/3,7/2", -60, 0, "1:5/2,6/2,7/2", 40},
    {"short of all it owns: bankrupt, not sweeping forever", resolveDebt, "1:26", -100, 0, "16:26", 0},
};

TEST_F(Computer, ExecutorsWorkInTheirOrder) {
    for (const ExecutorRow& row : executorRows)
        for (uint32_t past = 1; past <= 4; ++past) {  // the debtor's ties go by the generator
            SCOPED_TRACE(row.what);
            setUp(row.holdings, row.money);
            game.buildReserve = row.reserve, game.unmortgageMargin = 1.5f, game.menuIndex = 2;
            if (row.money < 0) openDebtState(1), seedRandom(past);
            row.run();
            eachHolding(row.after, [](int seat, int p, int h) {
                EXPECT_TRUE(game.owner[p] == seat && game.houses[p] == h) << p;
            });
            EXPECT_TRUE(game.money[1] == row.moneyAfter && game.menuIndex == 0 && !game.inDebt);
        }
}

// The order of the streets to build on comes from the clock's second, whatever the generator
// held before, and in a minute every street of six has its turn; a debtor's order among four
// transports continues the generator instead, the clock's second making no difference.
TEST_F(Computer, BuildingOrderIsDrawnFromTheClockTheDebtorsFromTheGenerator) {
    const auto at = [](int from, int houses) {
        return static_cast<int>(std::find(game.houses + from, game.houses + from + 6, houses) - game.houses);
    };
    std::set<int> built, mortgaged;
    for (int second = 0, first = 0; second < 60; ++second)
        for (uint32_t past : {1u, 2u}) {
            setUp("1:5,6,7,8,9,10", 150);  // room for one house at 100 above the reserve
            game.buildReserve = 50, fixClock(second), seedRandom(past);
            buildHouses();
            first = past == 1 ? at(5, 1) : first;
            EXPECT_TRUE(std::count(game.houses + 5, game.houses + 11, 1) == 1 && at(5, 1) == first) << second;
            built.insert(first);

            setUp("1:22,23,24,25", -10);
            openDebtState(1), fixClock(5), seedRandom(second * 2 + past);
            resolveDebt();
            mortgaged.insert(at(22, -1));
        }
    EXPECT_TRUE(built.size() == 6 && mortgaged.size() == 4) << built.size() << " " << mortgaged.size();
}

// Fixes a second whose proposal goes to seat `to` trying `kind` first, then draws the factor f
// and the chance c; with `first` 1 or 3, that group is visited before the other of the two.
// The draws in order: the partner, the groups' order, the kinds' order, then the kind's own.
void fixProposalDraws(int kind, int f, int c, int first, int to = 2) {
    fixSecond([=] {
        const auto shuffle = [](int* table, int n) {  // i goes to the first drawn place still free
            std::fill(table, table + n, -1);
            for (int i = 0, r = 0; i < n; table[r] = i++)
                while (table[r = randomBelow(n)] >= 0) continue;
        };
        int partner = 1, g[8], kinds[3];
        while (partner == 1) partner = randomBelow(playersInPlay());
        shuffle(g, 8), shuffle(kinds, 3);
        const bool drawn = randomBelow(kind == 2 ? 10 : 11) == f && randomBelow(100) == c;
        const bool ordered = first < 0 || std::find(g, g + 8, first) < std::find(g, g + 8, 4 - first);
        return drawn && partner == to && kinds[0] == kind && ordered;
    });
}

// W: seat 1 lacks street 4 of group 1 (base 120); S: seat 2 lacks street 7 of group 2. The
// singles: groups 1 (base 120) and 3 (base 200) split one to one.
constexpr const char* missing = "1:2,3 2:4";
constexpr const char* both = "1:2,3,7 2:4,5,6";
constexpr const char* singles = "1:2,9 2:3,8";
struct ProposalRow {
    const char *what, *holdings;
    int money, kind, f, c, first;
    int give, take, pay, ask;  // take -1: no proposal
};
const ProposalRow proposalRows[] = {
    {"kind 0: (2.5 + 0.3) x 120 with 336 in hand", missing, 336, 0, 3, 79, -1, -1, 4, 336, 0},
    {"kind 0: 335 in hand", missing, 335, 0, 3, 0, -1, -1, -1, 0, 0},
    {"kind 0: a chance draw of 80", missing, 1500, 0, 3, 80, -1, -1, -1, 0, 0},
    {"kind 0: a built street never changes hands", "1:2,3 2:4/1", 1500, 0, 3, 0, -1, -1, -1, 0, 0},
    {"kind 1: (1.5 + 1.0) x 120, street 7 for street 4", both, 1500, 1, 10, 79, -1, 7, 4, 300, 0},
    {"kind 1: a chance draw of 80", both, 1500, 1, 10, 80, -1, -1, -1, 0, 0},
    {"kind 1: the partner has more full groups", "1:2,3,7 2:4,5,6,20,21", 1500, 1, 0, 0, -1, -1, -1, 0, 0},
    {"kind 1: one full group each", "1:2,3,7,0,1 2:4,5,6,20,21", 1500, 1, 0, 0, -1, 7, 4, 180, 0},
    {"kind 2: its single is dearer, it pays 1.5 x 80", singles, 120, 2, 5, 4, 3, 9, 3, 120, 0},
    {"kind 2: ... with 119 in hand", singles, 119, 2, 5, 4, 3, -1, -1, 0, 0},
    {"kind 2: the partner's single is dearer, it pays", singles, 0, 2, 5, 4, 1, 2, 8, 0, 120},
    {"kind 2: a chance draw of 5", singles, 1500, 2, 5, 5, 3, -1, -1, 0, 0},
};

TEST_F(Computer, ProposesTradesOfThreeKinds) {
    for (const ProposalRow& row : proposalRows) {
        SCOPED_TRACE(row.what);
        setUp(row.holdings, row.money);
        fixProposalDraws(row.kind, row.f, row.c, row.first);
        const bool made = row.take >= 0;
        ASSERT_EQ(proposeTrade(), made);
        EXPECT_TRUE(game.tradeTried && game.proposeCooldown[1][2] == (made ? 2 : 0));
        for (int p = 0; made && p < propertyCount; ++p)
            EXPECT_TRUE(game.initiatorSelected[p] == (p == row.give) && game.selected[p] == (p == row.take))
                << p;
        EXPECT_TRUE(!made ||
                    (game.initiatorMoney == row.pay && game.tradeMoney == row.ask && game.menuPlayer == 2));
    }
    // Seat 2 drawn while its cooldown runs: no proposal, and no other partner drawn instead.
    setUp(missing);
    game.proposeCooldown[1][2] = 1;
    fixProposalDraws(0, 3, 0, -1);
    EXPECT_TRUE(!proposeTrade() && game.tradeTried && game.proposeCooldown[1][2] == 1);
    // Two seats trade too, and an offer starts from nothing selected.
    setUp("1:2,3 0:4");
    game.computerCount = 1, game.selected[10] = game.initiatorSelected[11] = true;
    fixProposalDraws(0, 3, 0, -1, 0);
    EXPECT_TRUE(proposeTrade() && game.menuPlayer == 0 && game.selected[4] && game.initiatorMoney == 336);
    EXPECT_FALSE(game.selected[10] || game.initiatorSelected[11]);
}

// Seat 2 judging seat 1's offer worth `diff` = gain - loss to it: with r1 = 10 it accepts while
// 5 x r2 <= diff + 50. Of the properties in `offered`, seat 1's are offered and seat 2's asked
// for; the other holdings stay out of it.
constexpr int refused = -1000;  // whatever the draws
struct OfferRow {
    const char *what, *holdings, *offered;
    int pay, ask, diff, cooldown;
};
const OfferRow offerRows[] = {
    {"500 cash for a transport", "", "2:22", 500, 0, 0, 0},
    {"495 cash counts 99", "", "2:22", 495, 0, -1, 0},
    {"a transport (100) for a utility (75)", "", "1:22 2:26", 0, 0, 25, 0},
    {"a lone street to a newcomer: 200 / 2", "", "1:8", 0, 450, 10, 0},
    {"two of three to a newcomer: 3 x 120 / 2", "", "1:2,3", 0, 800, 20, 0},
    {"a whole pair: 7 x 60 / 2", "", "1:0,1", 0, 1000, 10, 0},
    {"two finishing its group: 4 x 120", "2:2", "1:3,4", 0, 2350, 10, 0},
    {"a whole three: 9 x 120 / 2", "", "1:2,3,4", 0, 2650, 10, 0},
    {"a second of three: 200", "2:8", "1:9", 0, 950, 10, 0},
    {"the last of three: 3 x 120", "2:2,3", "1:4", 0, 1750, 10, 0},
    {"two of three asked by a newcomer: 3 x 120 / 2", "", "2:2,3", 1000, 0, 20, 0},
    {"each finishes a group: 360 + 240 against 3 x 200", "2:2,3 1:9,10", "1:4 2:8", 1200, 0, 0, 0},
    {"only the proposer finishes one", "1:9,10", "2:8", 5000, 0, refused, 0},
    {"seat 1 judged before: refused unseen, even a gift", "", "", 1000, 0, refused, 1},
};

TEST_F(Computer, JudgesOffersOnTheirValue) {
    for (const OfferRow& row : offerRows) {
        const int top = (row.diff + 50) / 5;
        for (int r2 : {0, top, top + 1}) {
            if (r2 < 0 || r2 > 19) continue;
            setUp(row.holdings);
            eachHolding(row.offered, [](int seat, int p, int) {
                giveProperty(seat, p);
                (seat == 1 ? game.initiatorSelected : game.selected)[p] = true;
            });
            game.initiatorMoney = row.pay, game.tradeMoney = row.ask;
            game.tradeInitiator = 1, game.menuPlayer = 2, game.answerCooldown[2][1] = row.cooldown;
            fixDraws({{2, r2 % 2}, {20, 10}, {20, r2}});
            EXPECT_EQ(evaluateTradeOffer(), 5 * r2 <= row.diff + 50) << row.what << ", r2 " << r2;
            EXPECT_EQ(game.answerCooldown[2][1], row.cooldown ? row.cooldown : 2 + r2 % 2) << row.what;
        }
    }
}

// The prompts: a tenth of 2010 is dearer than 200, so "$200" is kept and paid at once; a tenth
// of 2009 is not, so "10%" is shown for a step first. A purchase it takes (stand >= 0) is made at
// once. A utility roll (stand -2) is rolled at once, also with the Houses row highlighted (-3).
// Money, stand, paid, steps taken.
const int promptRows[][4] = {{2010, -1, 200, 1}, {2009, -1, 200, 2}, {1500, -1, 150, 2},
                             {1500, 0, 60, 1},   {1500, -2, 0, 1},   {1500, -3, 0, 1}};

TEST_F(Computer, AnswersThePromptsInTheirSteps) {
    for (const auto& [money, stand, paid, steps] : promptRows) {
        setUp("", money, stand);
        bool& open =
            stand < 0 ? (stand == -1 ? game.taxPromptOpen : game.utilityRollPending) : game.buyPromptOpen;
        open = game.promptYes = true, game.menuIndex = stand == -3 ? 2 : 0;
        int taken = 0;
        while (open && taken < 3) computerStep(), ++taken;
        EXPECT_TRUE(taken == steps && game.money[1] == money - paid) << money << ", " << stand;
    }
}

// On a person's turn, or after the game, the computer takes no step.
TEST_F(Computer, NoStrayStep) {
    for (bool over : {false, true}) {
        game.currentPlayer = over ? 1 : 0, game.gameOver = over;
        computerStep();
        EXPECT_TRUE(!game.moving && game.menuIndex == 0) << over;
    }
}

// Build, buy back, trade, leave jail: each highlighted a step before it is done, at most once
// a roll and in that order; the roll then clears the three flags for the next one. Hotels at
// 150, transport 22 bought back for 110, street 4 wanted from the person, whose hotel on sample
// street 21 makes the computer always leave.
TEST_F(Computer, TurnDecisionsComeInOrderOncePerRoll) {
    setUp("1:11/4,12/4,13/4,22/-1,2,3 0:4,20,21/5", 3000);
    putInJail(1);
    fixProposalDraws(0, 0, 0, -1, 0);
    const auto step = [](int menuIndex) {
        computerStep();
        return game.menuIndex == menuIndex;
    };
    EXPECT_TRUE(step(2) && step(0) && game.houses[11] + game.houses[12] + game.houses[13] == 15);
    EXPECT_TRUE(step(3) && step(0) && game.houses[22] == 0);
    EXPECT_TRUE(step(1) && !game.tradeOfferOpen);
    computerStep();
    EXPECT_TRUE(game.tradeOfferOpen && game.selected[4]);
    EXPECT_TRUE(game.promptYes);  // the person's answer starts on YES
    closeAssetMenu();             // the person says no
    EXPECT_TRUE(step(4) && step(0) && game.position[1] == 10);
    EXPECT_TRUE(game.tradeTried && game.buildTried && game.unmortgageTried && !game.moving);
    computerStep();
    EXPECT_TRUE(game.moving && !game.tradeTried && !game.buildTried && !game.unmortgageTried);
}

}  // namespace
