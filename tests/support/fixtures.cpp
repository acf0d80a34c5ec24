#include "support/fixtures.h"

#include "game/random.h"
#include "game/rules.h"
#include "game/tables.h"

namespace {
int64_t fixedSecond = 0;
int64_t fixedClock() { return fixedSecond; }
}  // namespace

void startTestGame(int humans, int computers) {
    game = GameState{};
    game.humanCount = humans;
    game.computerCount = computers;
    const int seats = humans + computers;
    for (int s = 0; s < seats; ++s) {
        game.money[s] = startingMoney;
        game.isHuman[s] = s < humans;
        game.entryIndex[s] = s;
        game.tokenSlot[s] = s;
        game.playerNames[s][0] = static_cast<char>(s < humans ? 'P' : 'C');
        game.playerNames[s][1] = static_cast<char>('1' + (s < humans ? s : s - humans));
    }
    for (int p = 0; p < propertyCount; ++p) game.owner[p] = bankOwner;
    for (int d = 0; d < 2; ++d) {
        game.jailCardHolder[d] = bankOwner;
        for (int i = 0; i < deckSize; ++i) game.deckOrder[d][i] = i;
    }
    game.auctionBidder = bankOwner;
    game.bidIncrement = defaultBidIncrement;
    game.assetCursor = CursorBack;
    game.screen = Board;
}

void giveProperty(int seat, int property, int houses) {
    game.owner[property] = seat;
    game.houses[property] = houses;
}

void giveGroup(int seat, int group, int h0, int h1, int h2) {
    const int levels[3] = {h0, h1, h2};
    for (int k = 0; k < 4; ++k) {
        const int p = groupMembers[group][k];
        if (p >= 0) giveProperty(seat, p, k < 3 ? levels[k] : 0);
    }
}

void putInJail(int seat, int failedRolls) {
    game.position[seat] = jailCell;
    game.jailTurns[seat] = failedRolls;
}

void setTopCard(int deck, int card) {
    int* row = game.deckOrder[deck];
    int at = 0;
    while (at < deckSize && row[at] != card) ++at;
    for (; at > 0; --at) row[at] = row[at - 1];
    row[0] = card;
}

long long totalMoney() {
    long long total = game.middlePot;
    for (int s = 0; s < maxSeats; ++s) total += game.money[s];
    return total;
}

void fixClock(long long seconds) {
    fixedSecond = seconds;
    setClock(fixedClock);
}

long long secondForDice(int a, int b, long long from) {
    for (long long t = from;; ++t) {
        seedRandom(static_cast<uint32_t>(t));
        const int first = randomBelow(6);
        const int second = randomBelow(6);
        if (first == a && second == b) return t;
    }
}

void rollWith(int a, int b) {
    fixClock(secondForDice(a, b));
    rollDice();
}

int runBoardSteps(int maxTicks) {
    int ticks = 0;
    while (ticks < maxTicks && (game.moving || game.settleTimer > 0 || game.diceTimer > 0)) {
        advanceMove();
        advanceSettle();
        ++ticks;
    }
    return ticks;
}

#include "game/invariants.h"

testing::AssertionResult stateIsValid() {
    char why[160] = "";
    if (checkInvariants(game, why, sizeof why)) return testing::AssertionSuccess();
    return testing::AssertionFailure() << why;
}

void landOn(int square, int seat) {
    game.currentPlayer = seat;
    game.position[seat] = square;
    processLanding();
}
