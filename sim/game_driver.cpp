#include "sim/game_driver.h"

#include <cstdio>
#include <cstring>

#include "app/screen_flow.h"
#include "game/invariants.h"
#include "game/random.h"
#include "game/rules.h"
#include "game/tables.h"
#include "sim/play.h"
#include "sim/scripted_player.h"

namespace {

constexpr long humanPatience = 5000;     // a person never takes this long without effect
constexpr long animationPatience = 400;  // the longest timer is 179 ticks
constexpr long rollPatience = 30000;     // no turn runs this long without a roll

int64_t firstSecond = 0;
long ticksPlayed = 0;
int64_t drivenClock() { return firstSecond + ticksPlayed / 33; }

// Whether anything the game holds changed since the last call, the computer's countdown aside.
bool stateChanged(GameState& lastSeen) {
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

}  // namespace

const char* watchTick(Watch& w, char* why, size_t size) {
    if (!invariantsHold(why, size)) return why;
    const Waiting waiting = waitingOn();
    // The frame step arms a computer's delay at the start of the frame after the need arises.
    w.unarmed = waiting == Waiting::Computer && game.computerDelay == 0 ? w.unarmed + 1 : 0;
    if (w.unarmed > 1) return "a computer must act but its delay is not armed";
    const bool mayIdle = !w.personActs && (waiting == Waiting::Human || waiting == Waiting::Over);
    w.unchanged = stateChanged(w.lastSeen) || mayIdle ? 0 : w.unchanged + 1;
    const long patience = waiting == Waiting::Computer ? computerThinkTicks + 2
                          : waiting == Waiting::Human  ? humanPatience
                                                       : animationPatience;
    if (w.unchanged > patience)
        return waiting == Waiting::Human ? "nothing changes for a person" : "nothing changes";
    return w.personActs && ++w.sinceRoll > rollPatience ? "no roll for a long time" : nullptr;
}

GameRecord playGame(const GameSetup& setup) {
    GameRecord r;
    ScriptedPlayer person;
    resetProgram();
    firstSecond = static_cast<int64_t>(1000000 + setup.seed * 7919);
    ticksPlayed = 0;
    setClock(drivenClock);
    scriptedPlayerStart(person, setup.seed);
    game.humanCount = setup.humans;
    game.computerCount = setup.computers;
    game.middleOption = static_cast<int>(setup.seed % 3);
    game.biddingOption = setup.seed % 5 != 4;

    Watch watch;
    int lastPlayer = -1;
    bool wasAuction = false, wasOffer = false;
    int32_t ownersBefore[propertyCount];
    char why[160] = "";
    while (r.ticks < setup.maxTicks) {
        std::memcpy(ownersBefore, game.owner, sizeof ownersBefore);
        const bool wasMoving = game.moving;
        scriptedPlayerBeforeTick(person);
        stepScreenFlow();
        frameStep();
        ++ticksPlayed;
        ++r.ticks;
        if (game.screen != NameEntry && game.screen != TurnOrder && game.screen != StartMenu) {
            r.turns += game.currentPlayer != lastPlayer;
            lastPlayer = game.currentPlayer;
        }
        if (game.moving && !wasMoving) watch.sinceRoll = 0;
        r.auctions += game.auctionOpen && !wasAuction;
        r.offers += game.tradeOfferOpen && !wasOffer;
        r.trades +=
            wasOffer && !game.tradeOfferOpen && std::memcmp(ownersBefore, game.owner, sizeof ownersBefore);
        wasAuction = game.auctionOpen;
        wasOffer = game.tradeOfferOpen;

        const char* what = setup.watch ? watchTick(watch, why, sizeof why) : nullptr;
        if (what) {
            r.failed = true;
            std::snprintf(r.failure, sizeof r.failure,
                          "tick %ld: %s (screen %d, seat %d, menu of %d, delay %d)", r.ticks, what,
                          game.screen, game.currentPlayer, game.menuPlayer, game.computerDelay);
            break;
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
