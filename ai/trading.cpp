// Computer trading: the offer a computer makes on its turn and its answer to offers made to
// it. The cooldown memories keep computers from pestering one seat and from being pestered.
#include <cstdlib>

#include "ai/ai_internal.h"
#include "ai/computer.h"
#include "game/random.h"
#include "game/rules.h"
#include "game/tables.h"

namespace {

constexpr int noGroup = -1;
constexpr int proposalCooldownTurns = 2;

enum ProposalKind { BuyMissingStreet = 0, SwapMissingStreets = 1, SwapSingleStreets = 2 };

// The groups a proposal can be built from, chosen while visiting the groups in random order.
struct TradeGroups {
    int wanted = noGroup;        // W: the proposer lacks one street, the partner has it
    int spare = noGroup;         // S: the partner lacks one street, the proposer has it
    int singleMine = noGroup;    // X: a three-street group split one to one
    int singleTheirs = noGroup;  // Y: another such group
    int fullMine = 0;
    int fullTheirs = 0;
};

TradeGroups chooseGroups(int me, int partner) {
    int order[colourGroupCount];
    shuffleOrder(order, colourGroupCount);
    TradeGroups t;
    for (int k = 0; k < colourGroupCount; ++k) {
        const int g = order[k];
        const GroupTally c = tallyGroup(g, me, partner);
        if (c.mine == c.total)
            ++t.fullMine;
        else if (c.theirs == c.total)
            ++t.fullTheirs;
        if (t.wanted == noGroup && c.mine == c.total - 1 && c.theirs == 1)
            t.wanted = g;
        else if (t.spare == noGroup && c.mine == 1 && c.theirs == c.total - 1)
            t.spare = g;
        else if (t.singleMine == noGroup && c.mine == 1 && c.theirs == 1 && c.total == 3)
            t.singleMine = g;
        else if (t.singleTheirs == noGroup && c.mine == 1 && c.theirs == 1 && c.total == 3)
            t.singleTheirs = g;
    }
    return t;
}

// A fraction of a group value drawn as (rand() % steps) x 0.1 + base factor.
int drawnOffer(int steps, double baseFactor, int value) {
    return truncated((randomBelow(steps) * 0.1 + baseFactor) * value);
}

// Marks the seat's streets of a group on one side of the offer.
void markStreets(bool side[propertyCount], int seat, int group) {
    int streets[4];
    const int n = groupStreets(group, streets);
    for (int k = 0; k < n; ++k)
        if (game.owner[streets[k]] == seat) side[streets[k]] = true;
}

// Buildings never change hands, so a street that carries any (left over from a group that
// was whole once) cannot be part of a proposal.
bool streetsBuilt(int seat, int group) {
    int streets[4];
    const int n = groupStreets(group, streets);
    for (int k = 0; k < n; ++k)
        if (game.owner[streets[k]] == seat && game.houses[streets[k]] > 0) return true;
    return false;
}

void clearOffer() {
    clearTradeSelections();
    game.initiatorMoney = game.tradeMoney = 0;
}

// Writes the offer; the proposer gives `myGroup` streets and asks for `theirGroup` streets.
bool writeOffer(int me, int partner, int myGroup, int theirGroup, int myCash, int theirCash) {
    if ((myGroup != noGroup && streetsBuilt(me, myGroup)) || streetsBuilt(partner, theirGroup)) return false;
    clearOffer();
    game.tradeInitiator = me;
    game.menuPlayer = partner;
    if (myGroup != noGroup) markStreets(game.initiatorSelected, me, myGroup);
    markStreets(game.selected, partner, theirGroup);
    game.initiatorMoney = myCash;
    game.tradeMoney = theirCash;
    return true;
}

// One kind of proposal; `decided` is false when the kind's groups were not found, so the
// next kind is tried.
bool tryKind(int kind, int me, int partner, const TradeGroups& t, bool& decided) {
    decided = false;
    if (kind == BuyMissingStreet) {
        if (t.wanted == noGroup) return false;
        decided = true;
        const int offer = drawnOffer(11, 2.5, groupBaseValue(t.wanted));
        if (game.money[me] < offer) return false;
        if (randomBelow(100) >= 80) return false;
        return writeOffer(me, partner, noGroup, t.wanted, offer, 0);
    }
    if (kind == SwapMissingStreets) {
        if (t.wanted == noGroup || t.spare == noGroup) return false;
        decided = true;
        const int offer = drawnOffer(11, 1.5, groupBaseValue(t.wanted));
        if (game.money[me] < offer) return false;
        if (t.fullMine < t.fullTheirs) return false;
        if (randomBelow(100) >= 80) return false;
        return writeOffer(me, partner, t.spare, t.wanted, offer, 0);
    }
    if (t.singleMine == noGroup || t.singleTheirs == noGroup) return false;
    decided = true;
    const int valueX = groupBaseValue(t.singleMine);
    const int valueY = groupBaseValue(t.singleTheirs);
    const int offer = drawnOffer(10, 1.0, std::abs(valueX - valueY));
    const bool iPay = valueX > valueY;
    if (game.money[iPay ? me : partner] < offer) return false;
    if (randomBelow(100) >= 5) return false;
    return writeOffer(me, partner, t.singleMine, t.singleTheirs, iPay ? offer : 0, iPay ? 0 : offer);
}

// Value of o streets of a group changing hands to a seat that holds r of its n streets;
// `completes` counts the groups the change makes whole for that seat.
int streetsValue(int o, int r, int n, int b, int& completes) {
    if (o == 1) {
        if (r == 0) return b / 2;
        if (r == n - 1) {
            ++completes;
            return 3 * b;
        }
        return b;
    }
    if (o == 2) {
        if (r == 0 && n == 3) return 3 * b / 2;
        ++completes;
        return r == 0 && n == 2 ? 7 * b / 2 : 4 * b;
    }
    if (o >= 3) {
        ++completes;
        return 9 * b / 2;
    }
    return 0;
}

}  // namespace

bool proposeTrade() {
    reseedFromClock();
    const int me = game.currentPlayer;
    const int seats = playersInPlay();
    if (seats < 2 || !isSeat(me)) {
        game.tradeTried = true;
        return false;
    }
    int partner;
    do {
        partner = randomBelow(seats);
    } while (partner == me);
    if (game.tradeTried || game.proposeCooldown[me][partner] != 0) {
        game.tradeTried = true;
        return false;
    }

    const TradeGroups t = chooseGroups(me, partner);
    game.tradeTried = true;
    if (t.wanted == noGroup && t.singleMine == noGroup) return false;

    int kinds[3];
    shuffleOrder(kinds, 3);
    for (int k = 0; k < 3; ++k) {
        bool decided = false;
        const bool proposed = tryKind(kinds[k], me, partner, t, decided);
        if (!decided) continue;
        if (proposed) game.proposeCooldown[me][partner] = proposalCooldownTurns;
        return proposed;
    }
    return false;
}

bool evaluateTradeOffer() {
    reseedFromClock();
    const int responder = game.menuPlayer;
    const int proposer = game.tradeInitiator;
    if (!isSeat(responder) || !isSeat(proposer)) return false;
    if (game.answerCooldown[responder][proposer] != 0) return false;
    game.answerCooldown[responder][proposer] += randomBelow(2) + 2;

    int gain = 0, loss = 0, gainDone = 0, lossDone = 0;
    for (int g = 0; g < colourGroupCount; ++g) {
        const GroupTally c = tallyGroup(g, responder, proposer);
        int streets[4];
        const int n = groupStreets(g, streets);
        int offered = 0, asked = 0;
        for (int k = 0; k < n; ++k) {
            const int p = streets[k];
            if (game.initiatorSelected[p])
                ++offered;
            else if (game.selected[p])
                ++asked;
        }
        const int b = groupBaseValue(g);
        gain += streetsValue(offered, c.mine, c.total, b, gainDone);
        loss += streetsValue(asked, c.theirs, c.total, b, lossDone);
    }
    // Never hand the proposer more finished groups than the offer finishes for us.
    if (lossDone > gainDone) return false;

    for (int p = streetCount; p < propertyCount; ++p) {
        const int value = isTransport(p) ? 100 : 75;
        if (game.initiatorSelected[p])
            gain += value;
        else if (game.selected[p])
            loss += value;
    }
    gain += game.initiatorMoney / 5;
    loss += game.tradeMoney / 5;

    const int r1 = randomBelow(20);
    const int r2 = randomBelow(20);
    return loss + 5 * (r2 + 1) <= gain + 5 * (r1 + 1);
}
