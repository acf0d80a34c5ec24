// The statistics history (each money rule records exactly what moved; the net worth sampled at
// every turn's end, also once the samples are thinned) and the short "Saved" note.
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>

#include "app/aids.h"
#include "app/screen_flow.h"
#include "app/shell.h"
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
    game.buyPromptOpen = true;
    game.promptYes = false;
    decidePurchase();
    humanBid(1);
    endAuction();
    advanceAuction();
    game.noticeTimer = 0;
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
    const SeatStats* s = stats.seat;
    const int32_t got[][6] = {
        {s[0].rentPaid, s[0].rentReceived, s[0].feesPaid, s[0].salary, s[0].auctionsWon, s[0].trades},
        {s[1].rentPaid, s[1].rentReceived, s[1].feesPaid, s[1].salary, s[1].auctionsWon, s[1].trades},
        {s[2].rentPaid, s[2].rentReceived, s[2].feesPaid, s[2].salary, s[2].auctionsWon, s[2].trades},
    };
    // rent paid, rent received, fees (tax, cards, jail, interest), salary (GO, cards), auctions, trades
    const int32_t expected[][6] = {
        {2, 0, 75 + 50 + 50, goSalary, 0, 0}, {0, 2, 100 + 50, 0, 1, 1}, {0, 0, 5, 2 * goSalary, 0, 1}};
    for (int seat = 0; seat < 3; ++seat)
        for (int i = 0; i < 6; ++i) EXPECT_EQ(got[seat][i], expected[seat][i]) << seat << " " << i;
    EXPECT_EQ(std::make_tuple(s[0].jailTurns, s[1].jailTurns, stats.turns), std::make_tuple(1, 0, 3));
}

// Many turns of changing fortunes: every kept sample is the net worth at the end of its turn,
// the samples stay evenly spaced within the fixed array, a bankrupt seat's line stops at the
// turn it went out, and seats not in play have no line.
TEST_F(StatsSession, SamplesAreTheNetWorthOfTheirTurnThroughEveryHalving) {
    startTestGame(3);
    giveProperty(0, 5, 2);
    game.money[3] = 77;
    resetStats(false);
    constexpr int turns = 5 * statsSampleCapacity + 3;
    static int32_t worthAt[turns + 1][3];
    for (int t = 0; t <= turns; ++t) {
        if (t > 0) {
            game.money[0] += 7 * (t % 5) - 12;
            game.money[1] += (t % 3) * 11;
            if (t == 300) declareBankrupt(2, bankOwner);
            nextTurn();
        }
        for (int s = 0; s < 3; ++s) worthAt[t][s] = netWorth(s);
    }
    EXPECT_EQ(stats.sampleEvery, 8);  // 128, 256, 512 turns filled the array three times
    ASSERT_EQ(stats.sampleCount, turns / 8 + 1);
    for (int i = 0; i < stats.sampleCount; ++i) {
        const StatsSample& sample = stats.samples[i];
        ASSERT_EQ(sample.turn, i * 8);
        for (int s = 0; s < 3; ++s) EXPECT_EQ(sample.worth[s], worthAt[sample.turn][s]) << sample.turn;
        EXPECT_EQ(sample.worth[3], 0);
    }
    EXPECT_EQ(std::make_tuple(stats.seat[2].outAtTurn, stats.seat[0].outAtTurn), std::make_tuple(300, -1));
}

// "Saved" shows after a save that landed, for its time, and the loaded game starts its history
// afresh; no "Saved" when the directory is read-only (run as nobody when we are root).
TEST_F(StatsSession, SavedShowsOnlyWhenTheSaveLandedAndLoadingRestartsTheHistory) {
    namespace fs = std::filesystem;
    const fs::path previous = fs::current_path();
    char dir[] = "/tmp/tenantry-stats-XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    fs::current_path(dir);
    auto saveTyped = [] {
        startBoardGame(2);
        chooseSave();
        std::strcpy(shell.saveName, "evening");
        confirmSaveName();
        saveIntoSlot(3);
        return aids.savedTicks;
    };
    EXPECT_EQ(saveTyped(), savedShownTicks);
    tick(savedShownTicks - 1);
    EXPECT_EQ(aids.savedTicks, 1);
    tick();
    EXPECT_EQ(aids.savedTicks, 0);
    nextTurn();
    keys("F4 RIGHT ENTER DOWN*3 ENTER");  // LOAD, slot 3
    EXPECT_EQ(std::make_tuple(stats.sinceLoad, stats.turns, stats.sampleCount), std::make_tuple(true, 0, 1));
    fs::remove("Tenantry.sav");
    chmod(dir, 0555);
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setresgid(65534, 65534, 65534) != 0 ||
                               setresuid(65534, 65534, 65534) != 0))
            _exit(2);
        _exit(saveTyped() == 0 ? 0 : 1);
    }
    int status = -1;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "\"Saved\" shown for a save that failed";
    chmod(dir, 0700);
    fs::current_path(previous);
    fs::remove_all(dir);
}

}  // namespace
