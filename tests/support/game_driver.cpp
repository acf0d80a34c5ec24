#include "support/game_driver.h"

#include <cstdio>
#include <cstring>

#include "app/screen_flow.h"
#include "game/invariants.h"
#include "game/random.h"
#include "game/rules.h"
#include "game/tables.h"
#include "support/play.h"
#include "support/scripted_player.h"

namespace {

constexpr int ticksPerSecond = 33;
constexpr long humanPatience = 5000;     // a person never takes this long without effect
constexpr long animationPatience = 400;  // the longest timer is 179 ticks
constexpr long rollPatience = 30000;     // no turn runs this long without a roll

TickObserver observer = nullptr;
int64_t firstSecond = 0;
long ticksPlayed = 0;
int64_t drivenClock() { return firstSecond + ticksPlayed / ticksPerSecond; }

// Whether anything the game holds changed since the last call, the computer's countdown
// aside: when nothing does, nothing happened.
GameState lastSeen;
bool stateChanged() {
    lastSeen.computerDelay = game.computerDelay;
    const bool changed = std::memcmp(&lastSeen, &game, sizeof game) != 0;
    std::memcpy(static_cast<void*>(&lastSeen), &game, sizeof game);
    return changed;
}

// All-computer games are set up by hand below the options menu's minimum of one person;
// the rest of the record must still hold.
bool invariantsHold(char* why, size_t size) {
    if (game.humanCount >= 1) return checkInvariants(game, why, size);
    GameState shifted = game;
    shifted.humanCount = 1;
    shifted.computerCount -= 1;
    return checkInvariants(shifted, why, size);
}

const char* waitingName(Waiting w) {
    switch (w) {
        case Waiting::Animation: return "animation";
        case Waiting::Human: return "a person";
        case Waiting::Computer: return "a computer";
        default: return "nobody";
    }
}

void fail(GameRecord& r, const char* what) {
    r.failed = true;
    std::snprintf(r.failure, sizeof r.failure,
                  "tick %ld: %s (screen %d, current %d, menuIndex %d, menuPlayer %d, delay %d, inDebt %d, "
                  "offer %d, auction %d, notice %d)",
                  r.ticks, what, game.screen, game.currentPlayer, game.menuIndex, game.menuPlayer,
                  game.computerDelay, game.inDebt, game.tradeOfferOpen, game.auctionOpen, game.noticeTimer);
}

struct Watchdog {
    long unchanged = 0;
    long sinceRoll = 0;
    int unarmed = 0;

    // False (with the record failed) when the game is stuck.
    bool check(GameRecord& r) {
        const Waiting w = waitingOn();
        // The frame step may arm a delay one frame after the need arises, never later.
        unarmed = w == Waiting::Computer && game.computerDelay == 0 ? unarmed + 1 : 0;
        if (unarmed > 1) {
            fail(r, "a computer must act but its delay is not armed");
            return false;
        }
        unchanged = stateChanged() ? 0 : unchanged + 1;
        const long patience = w == Waiting::Computer ? computerThinkTicks + 2
                              : w == Waiting::Human  ? humanPatience
                                                     : animationPatience;
        if (unchanged > patience) {
            char what[80];
            std::snprintf(what, sizeof what, "nothing changes while waiting for %s", waitingName(w));
            fail(r, what);
            return false;
        }
        if (++sinceRoll > rollPatience) {
            fail(r, "no roll for a long time");
            return false;
        }
        return true;
    }
};

void startGame(const GameSetup& setup, ScriptedPlayer& person) {
    resetProgram();
    firstSecond = static_cast<int64_t>(1000000 + setup.seed * 7919);
    ticksPlayed = 0;
    setClock(drivenClock);
    scriptedPlayerStart(person, setup.seed);
    game.humanCount = setup.humans;
    game.computerCount = setup.computers;
    game.middleOption = static_cast<int>(setup.seed % 3);
    game.biddingOption = setup.seed % 5 != 4;
}

}  // namespace

void setTickObserver(TickObserver o) { observer = o; }

GameRecord playGame(const GameSetup& setup) {
    GameRecord r;
    ScriptedPlayer person;
    Watchdog watchdog;
    startGame(setup, person);

    int lastPlayer = -1;
    bool wasMoving = false, wasAuction = false, wasOffer = false;
    int32_t ownersBefore[propertyCount];
    char why[160] = "";
    while (r.ticks < setup.maxTicks) {
        std::memcpy(ownersBefore, game.owner, sizeof ownersBefore);
        scriptedPlayerBeforeTick(person);
        stepScreenFlow();
        frameStep();
        ++ticksPlayed;
        ++r.ticks;

        if (game.screen != NameEntry && game.screen != TurnOrder && game.screen != StartMenu) {
            if (game.currentPlayer != lastPlayer) ++r.turns;
            lastPlayer = game.currentPlayer;
        }
        if (game.moving && !wasMoving) {
            ++r.rolls;
            watchdog.sinceRoll = 0;
        }
        if (game.auctionOpen && !wasAuction) ++r.auctions;
        if (game.tradeOfferOpen && !wasOffer) ++r.offers;
        if (wasOffer && !game.tradeOfferOpen &&
            std::memcmp(ownersBefore, game.owner, sizeof ownersBefore) != 0)
            ++r.trades;
        wasMoving = game.moving;
        wasAuction = game.auctionOpen;
        wasOffer = game.tradeOfferOpen;
        if (observer) observer(r);

        if (setup.watch) {
            if (!invariantsHold(why, sizeof why)) {
                fail(r, why);
                break;
            }
            if (!watchdog.check(r)) break;
        }
        if (game.gameOver) {
            r.finished = true;
            r.winner = game.winner;
            break;
        }
    }
    for (int s = 0; s < maxSeats; ++s) r.bankruptcies += game.bankrupt[s] ? 1 : 0;
    setClock(nullptr);
    return r;
}
