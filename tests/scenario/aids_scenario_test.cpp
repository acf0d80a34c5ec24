// Helps for a new player: a Q pressed while the dice roll is not lost, a person's bid stays
// in view a moment before a computer answers it, and "Saved" shows only for a save that landed.
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "app/aids.h"
#include "app/screen_flow.h"
#include "app/shell.h"
#include "game/rules.h"
#include "game/tables.h"
#include "support/fixtures.h"
#include "sim/play.h"
#include "support/session.h"

namespace {

using AidSession = Session;

// Q during the roll asks once the board is still, not before, and only once.
TEST_F(AidSession, QDuringAMoveAsksOnceTheMoveEnds) {
    startBoardGame(2);
    rollWithKeys(2, 3);
    ASSERT_TRUE(game.moving);
    press('q');
    EXPECT_FALSE(game.quitConfirmOpen);
    ASSERT_GE(tickUntilAtRest(), 0);
    tick();
    EXPECT_TRUE(game.quitConfirmOpen);
    press(KeyRight);  // NO
    press(KeyEnter);
    ASSERT_FALSE(game.quitConfirmOpen);
    tick(10);
    EXPECT_FALSE(game.quitConfirmOpen) << "the kept Q asked twice";
}

// A computer willing to pay more waits bidShownHoldTicks after a person's bid; without the
// hold it answers on the next frame.
TEST_F(AidSession, APersonsBidStaysInViewAMoment) {
    for (const bool hold : {true, false}) {
        startBoardGame(1, 1);
        game.position[0] = propertySquare[6];
        game.auctionOpen = true;
        game.auctionBidder = bankOwner;
        game.auctionTimer = auctionTicks;
        game.bidLimit[1] = 400;
        press('1');
        ASSERT_EQ(game.auctionBidder, 0);
        if (!hold) aids.bidShownTicks = 0;
        int ticks = 0;
        while (game.auctionBidder == 0 && ticks < 100) {
            tick();
            ++ticks;
        }
        EXPECT_EQ(game.auctionBidder, 1);
        EXPECT_EQ(ticks, hold ? bidShownHoldTicks : 1);
    }
}

// "Saved" after a save into a writable directory; none when the directory is read-only (run
// as nobody when we are root, who could write anyway).
TEST_F(AidSession, SavedShowsOnlyWhenTheSaveLanded) {
    namespace fs = std::filesystem;
    const fs::path previous = fs::current_path();
    char pattern[] = "/tmp/tenantry-aids-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    fs::current_path(pattern);
    auto saveTyped = [] {
        startBoardGame(2);
        chooseSave();
        std::strcpy(shell.saveName, "evening");
        confirmSaveName();
        saveIntoSlot(3);
        return aids.savedTicks;
    };
    EXPECT_EQ(saveTyped(), savedShownTicks);
    tick(savedShownTicks + 5);
    EXPECT_EQ(aids.savedTicks, 0) << "the note must go after its time";
    fs::remove("Tenantry.sav");
    chmod(pattern, 0555);
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
    chmod(pattern, 0700);
    fs::current_path(previous);
    fs::remove_all(pattern);
}

}  // namespace
