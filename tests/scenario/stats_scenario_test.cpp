// The statistics history: each money rule records exactly what moved, and the net worth is
// sampled at every turn's end, also once the samples are thinned.
#include <vector>

#include "game/rules.h"
#include "game/stats.h"
#include "game/tables.h"
#include "sim/play.h"
#include "support/fixtures.h"
#include "support/session.h"

namespace {

using StatsSession = Session;

// One of everything that the table counts, scripted through the rules themselves.
TEST_F(StatsSession, EachMoneyRuleRecordsExactlyWhatMoved) {
    startTestGame(3);
    resetStats(false);
    giveProperty(1, 0);
    landOn(1, 0);   // rent 2 from seat 0 to seat 1
    landOn(38, 0);  // luxury tax 75
    game.currentPlayer = 2;
    game.position[2] = 36;
    rollWith(2, 3);  // 36 + 7 passes GO
    runBoardSteps();
    game.currentPlayer = 0;  // seat 0 declines square 6, seat 1 wins it at auction
    game.position[0] = 6;
    game.auctionOpen = true;
    humanBid(1);
    endAuction();
    advanceAuction();
    game.tradeInitiator = 1;  // seat 1 sells the street, mortgaged, to seat 2 for 90
    game.houses[2] = -1;
    game.menuPlayer = 2;
    game.initiatorSelected[2] = true;
    game.tradeMoney = 90;
    executeTrade();
    // seat, deck, card, square: pay each 50; collect 50 from each; to GO; to square 5 past GO
    const int draws[][4] = {{1, 1, 4, 0}, {2, 0, 9, 0}, {0, 0, 13, 0}, {2, 1, 11, 36}};
    for (const auto& d : draws) {
        game.currentPlayer = d[0];
        game.position[d[0]] = d[3];
        game.activeDeck = d[1];
        setTopCard(d[1], d[2]);
        applyCard();
    }
    putInJail(0);
    game.currentPlayer = 0;
    nextTurn();  // seat 0's turn ends in the cell
    game.currentPlayer = 0;
    leaveJail();  // fee 50
    // rent paid, rent received, fees, salary, auctions won, trades, turns ended in jail
    auto row = [](const SeatStats& t) {
        return std::vector<int32_t>{t.rentPaid,    t.rentReceived, t.feesPaid, t.salary,
                                    t.auctionsWon, t.trades,       t.jailTurns};
    };
    // fees: seat 0 tax, card and jail, seat 1 two cards, seat 2 interest; salary: GO and cards
    EXPECT_EQ(row(stats.seat[0]), (std::vector<int32_t>{2, 0, 75 + 50 + 50, goSalary, 0, 0, 1}));
    EXPECT_EQ(row(stats.seat[1]), (std::vector<int32_t>{0, 2, 100 + 50, 0, 1, 1, 0}));
    EXPECT_EQ(row(stats.seat[2]), (std::vector<int32_t>{0, 0, 5, 2 * goSalary, 0, 1, 0}));
    EXPECT_EQ(stats.turns, 3);  // two card draws and the jail stay end turns
}

// Many turns of changing fortunes: every kept sample is the net worth at the end of its turn,
// the samples stay evenly spaced within the fixed array, a bankrupt seat's line stops at the
// turn it went out (at 0 for one out before the history began), and seats not in play have no line.
TEST_F(StatsSession, SamplesAreTheNetWorthOfTheirTurnThroughEveryHalving) {
    startTestGame(4);
    declareBankrupt(3, bankOwner);  // out before the history began
    game.money[4] = 77;             // a seat not in play
    resetStats(false);
    auto cash = [](int t) { return 1500 + 7 * (t % 5) - 11 * (t % 3); };  // seat 0 at the end of turn t
    constexpr int turns = 5 * statsSampleCapacity + 3;
    for (int t = 1; t <= turns; ++t) {
        game.money[0] = cash(t);
        if (t == 300) declareBankrupt(2, bankOwner);
        nextTurn();
    }
    EXPECT_EQ(stats.sampleEvery, 8);  // 128, 256, 512 turns filled the array three times
    ASSERT_EQ(stats.sampleCount, turns / 8 + 1);
    for (int i = 0; i < stats.sampleCount; ++i) {
        const int t = stats.samples[i].turn;
        ASSERT_EQ(t, i * 8);
        EXPECT_EQ(std::vector<int32_t>(stats.samples[i].worth, stats.samples[i].worth + 5),
                  (std::vector<int32_t>{cash(t), 1500, t < 300 ? 1500 : 0, 0, 0}))
            << t;
    }
    EXPECT_EQ(std::make_tuple(stats.seat[2].outAtTurn, stats.seat[3].outAtTurn), std::make_tuple(300, 0));
}

}  // namespace
