// The statistics history and its view: each money rule records exactly what moved, the net
// worth is sampled at every turn's end (also once the samples have been thinned), loading
// starts the history afresh, and the F2 view pauses the game and keeps every key and click.
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "app/help_sets.h"
#include "app/input.h"
#include "app/mouse.h"
#include "app/screen_flow.h"
#include "app/shell.h"
#include "game/rules.h"
#include "game/stats.h"
#include "game/tables.h"
#include "save/save_file.h"
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
    landOn(1, 0);  // rent 2 from seat 0 to seat 1
    game.noticeTimer = 0;
    landOn(38, 0);  // luxury tax 75
    game.currentPlayer = 2;
    game.position[2] = 36;
    rollWith(2, 3);  // 36 + 7 passes GO
    runBoardSteps();
    game.noticeTimer = 0;

    game.currentPlayer = 0;  // seat 0 declines square 6, seat 1 wins it at auction
    game.position[0] = 6;
    game.promptYes = false;
    game.buyPromptOpen = true;
    decidePurchase();
    ASSERT_TRUE(game.auctionOpen);
    game.bidIncrement = 40;
    humanBid(1);
    endAuction();
    advanceAuction();
    ASSERT_EQ(game.owner[2], 1);
    game.noticeTimer = 0;

    game.tradeInitiator = 1;  // seat 1 sells the street, mortgaged, to seat 2 for 90
    game.houses[2] = -1;
    game.menuPlayer = 2;
    game.initiatorSelected[2] = true;
    game.tradeMoney = 90;
    executeTrade();
    ASSERT_EQ(game.owner[2], 2);

    const struct {
        int seat, deck, card, from;
    } draws[] = {
        {1, 1, 4, 0},    // pay each player 50
        {2, 0, 9, 0},    // collect 50 from every player
        {0, 0, 13, 0},   // advance to GO
        {2, 1, 11, 36},  // advance to square 5, past GO
    };
    for (const auto& d : draws) {
        game.currentPlayer = d.seat;
        game.position[d.seat] = d.from;
        game.activeDeck = d.deck;
        setTopCard(d.deck, d.card);
        applyCard();
    }

    putInJail(0);
    game.currentPlayer = 0;
    nextTurn();  // seat 0's turn ends in the cell
    game.currentPlayer = 0;
    leaveJail();  // fee 50

    const struct {
        const char* what;
        int32_t got, expected;
    } counters[] = {
        {"rent paid by 0", stats.seat[0].rentPaid, 2},
        {"rent received by 1", stats.seat[1].rentReceived, 2},
        {"rent of others", stats.seat[2].rentPaid + stats.seat[0].rentReceived, 0},
        {"fees of 0 (tax, card, jail)", stats.seat[0].feesPaid, 75 + 50 + 50},
        {"fees of 1 (cards)", stats.seat[1].feesPaid, 100 + 50},
        {"fees of 2 (interest)", stats.seat[2].feesPaid, 5},
        {"salary of 2 (GO, card)", stats.seat[2].salary, 2 * goSalary},
        {"salary of 0 (card)", stats.seat[0].salary, goSalary},
        {"auctions of 1", stats.seat[1].auctionsWon, 1},
        {"auctions of 0", stats.seat[0].auctionsWon, 0},
        {"trades of 1", stats.seat[1].trades, 1},
        {"trades of 2", stats.seat[2].trades, 1},
        {"trades of 0", stats.seat[0].trades, 0},
        {"jail turns of 0", stats.seat[0].jailTurns, 1},
        {"jail turns of 1", stats.seat[1].jailTurns, 0},
        {"turns (two cards, one jail stay)", stats.turns, 3},
    };
    for (const auto& c : counters) EXPECT_EQ(c.got, c.expected) << c.what;
}

// Many turns of changing fortunes: every kept sample is the rules' net worth at the end of its
// turn, the samples stay evenly spaced within the fixed array, and a bankrupt seat's line
// stops at the turn it went out.
TEST_F(StatsSession, SamplesAreTheNetWorthOfTheirTurnThroughEveryHalving) {
    startTestGame(3);
    giveProperty(0, 5, 2);
    resetStats(false);
    constexpr int turns = 5 * statsSampleCapacity + 3;
    static int32_t worthAt[turns + 1][3];
    for (int s = 0; s < 3; ++s) worthAt[0][s] = netWorth(s);
    int outTurn = -1;
    for (int t = 1; t <= turns; ++t) {
        game.money[0] += 7 * (t % 5) - 12;
        game.money[1] += (t % 3) * 11;
        if (t == 300) {
            declareBankrupt(2, bankOwner);
            game.bankruptTimer = 0;
            outTurn = t;
        }
        nextTurn();
        for (int s = 0; s < 3; ++s) worthAt[t][s] = netWorth(s);
    }
    EXPECT_EQ(stats.turns, turns);
    EXPECT_EQ(stats.sampleEvery, 8);  // 128, 256, 512 turns filled the array three times
    EXPECT_LE(stats.sampleCount, statsSampleCapacity);
    EXPECT_EQ(stats.sampleCount, turns / 8 + 1);
    for (int i = 0; i < stats.sampleCount; ++i) {
        const StatsSample& sample = stats.samples[i];
        ASSERT_EQ(sample.turn, i * 8);
        for (int s = 0; s < 3; ++s)
            EXPECT_EQ(sample.worth[s], worthAt[sample.turn][s]) << "turn " << sample.turn;
    }
    EXPECT_EQ(stats.seat[2].outAtTurn, outTurn);
    EXPECT_EQ(stats.seat[0].outAtTurn, -1);
}

// A loaded game starts its history at the load: counters empty, one sample of the loaded
// state, marked as such; a refused slot changes nothing.
TEST_F(StatsSession, LoadingStartsTheHistoryAgain) {
    namespace fs = std::filesystem;
    const fs::path previous = fs::current_path();
    char pattern[] = "/tmp/tenantry-stats-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    fs::current_path(pattern);

    startTestGame(3);
    giveProperty(1, 21, 1);
    game.money[1] = 321;
    game.bankrupt[2] = true;  // out before the load: its line has nothing to show
    game.money[2] = 0;
    ensureSaveFile(shell.slotNames, shell.slotDamaged);
    std::strcpy(shell.saveName, "later");
    shell.saveSlot = 3;
    saveGame(shell.saveSlot, shell.saveName);
    resetStats(false);
    landOn(39, 0);  // rent, so there is history to lose
    nextTurn();
    ASSERT_GT(stats.seat[0].rentPaid, 0);

    shell.saveSlot = 4;  // empty: refused, the history stays
    loadGame(shell.saveSlot, shell.saveName);
    EXPECT_FALSE(stats.sinceLoad);
    EXPECT_EQ(stats.turns, 1);

    keys("F4 RIGHT ENTER DOWN*3 ENTER");  // LOAD, slot 3
    EXPECT_TRUE(stats.sinceLoad);
    EXPECT_EQ(stats.turns, 0);
    EXPECT_EQ(stats.seat[0].rentPaid, 0);
    ASSERT_EQ(stats.sampleCount, 1);
    EXPECT_EQ(stats.samples[0].worth[1], netWorth(1));
    EXPECT_EQ(netWorth(1), 321 + 200 + 100);
    EXPECT_EQ(stats.seat[2].outAtTurn, 0);
    EXPECT_EQ(stats.seat[1].outAtTurn, -1);

    fs::current_path(previous);
    fs::remove_all(pattern);
}

// F2 over a game in progress: the game stands still, every key and click is the view's, and
// F2, ENTER or a click closes it; F1 over it shows its own help; the menus before a game
// have no view.
TEST_F(StatsSession, TheViewPausesTheGameAndTakesEveryKeyAndClick) {
    keys("F2");
    EXPECT_FALSE(shell.statsOpen);  // start menu: no game yet
    startTestGame(2);
    resetStats(false);
    rollWithKeys(2, 3);
    tick(3);
    ASSERT_TRUE(game.moving);
    keys("F2");  // F2
    ASSERT_TRUE(shell.statsOpen);
    game.zoom = 0.5f;  // a right click on the board would pan it
    const std::string before = snapshot();
    keys("RIGHT UP 1 Q F4 Z*3");
    press(KeySpace);
    leftClick(365, 75);  // under the view: Roll; the click only closes it
    EXPECT_FALSE(shell.statsOpen);
    keys("F2");
    rightClick(600, 400);
    tick(40);
    EXPECT_EQ(snapshot(), before) << "the game moved or took a key under the view";
    EXPECT_FALSE(shell.saveMenuOpen);

    keys("F1");
    EXPECT_EQ(chooseHelpSet(), HelpStats);
    keys("ENTER");  // closes help, back to the view
    EXPECT_TRUE(shell.statsOpen);
    keys("ENTER");
    EXPECT_FALSE(shell.statsOpen);
    keys("F2 F2");
    EXPECT_FALSE(shell.statsOpen);
    EXPECT_NE(snapshot(), before);  // closed, the move goes on
}

}  // namespace
