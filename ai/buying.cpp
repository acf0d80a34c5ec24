// A computer at the purchase question, and computers in an auction: limits fixed when it
// opens, then one answering bid per frame whenever a person leads or nobody has bid.
#include <algorithm>

#include "ai/ai_internal.h"
#include "ai/computer.h"
#include "game/random.h"
#include "game/rules.h"
#include "game/tables.h"

namespace {

// How the other members of a property's group are held, seen from one seat.
struct Neighbourhood {
    int others = 0;  // how many other members the group has
    bool allMine = true;
    bool oneOwner = true;
    bool noneOwned = true;
    bool ownsSome = false;
    bool someUnowned = false;
    int ownedBySeat = 0;
};

Neighbourhood neighbourhood(int property, int seat) {
    Neighbourhood n;
    const int group = groupOf(property);
    int previousOwner = bankOwner;
    for (int k = 0; k < 4; ++k) {
        const int other = groupMembers[group][k];
        if (other < 0 || other == property) continue;
        const int o = game.owner[other];
        if (o != seat) n.allMine = false;
        if (o == bankOwner) n.oneOwner = false;
        if (o != seat && n.others > 0 && o != previousOwner) n.oneOwner = false;
        if (o != bankOwner) n.noneOwned = false;
        if (o == seat) {
            n.ownsSome = true;
            ++n.ownedBySeat;
        }
        if (o == bankOwner) n.someUnowned = true;
        previousOwner = o;
        ++n.others;
    }
    return n;
}

// With one chance in ten the limit becomes the price itself.
int tenPercentRule(int limit, int price) { return randomBelow(10) == 0 ? price : limit; }

// With two chances in ten the computer loses interest and halves its limit.
int halvingRule(int limit) { return randomBelow(10) < 2 ? limit / 2 : limit; }

int bidLimitFor(int seat, int property) {
    const int price = propertyPrice[property];
    const int worth = netWorth(seat);
    int limit = std::max(worth / 40, game.money[seat] / 20);
    if (limit > 1.5 * price) limit = truncated(1.5 * price);

    const Neighbourhood n = neighbourhood(property, seat);
    if (n.oneOwner) {
        limit = tenPercentRule(truncated(1.4 * price), price);
    } else if (n.ownsSome) {
        if (n.someUnowned && n.others == 2)
            limit = truncated(1.5 * price);
        else
            limit = truncated(limit + 0.3 * price);
        limit = n.someUnowned ? tenPercentRule(limit, price) : halvingRule(limit);
    } else {
        if (n.noneOwned) limit = truncated(limit + 0.2 * price);
        limit = halvingRule(limit);
    }
    if (limit < 0.9 * price) limit = truncated(0.9 * price);
    limit += randomBelow(10) * 5 + 5;
    if (limit > worth) limit = worth;
    // A seat worth less than nothing bids nothing.
    return std::max(limit / 5 * 5, 0);
}

}  // namespace

bool decideBuy() {
    const int seat = game.currentPlayer;
    const int property = propertyUnderCurrentPlayer();
    if (property < 0) return false;
    const int worth = netWorth(seat);
    if (worth < propertyPrice[property]) return false;

    const int money = game.money[seat];
    double score = money / 20 > worth / 40 ? money / 5 : worth / 10;
    if (isTransport(property)) {
        const Neighbourhood n = neighbourhood(property, seat);
        if (n.allMine || n.oneOwner) return true;
        score += 20 * n.ownedBySeat;
        if (n.noneOwned) score += 15;
    }
    if (score >= 100) return true;
    reseedFromClock();
    return score > randomBelow(100);
}

void computeBidLimits() {
    for (int& limit : game.bidLimit) limit = 0;
    const int property = propertyUnderCurrentPlayer();
    if (property < 0) return;
    reseedFromClock();
    const int seats = std::min(playersInPlay(), maxSeats);
    for (int seat = 0; seat < seats; ++seat)
        if (!game.isHuman[seat]) game.bidLimit[seat] = bidLimitFor(seat, property);
}

void computerAutoBid() {
    const int leader = game.auctionBidder;
    if (seatIsComputer(leader)) return;  // never outbid each other

    const int seats = std::min(playersInPlay(), maxSeats);
    int best = 0, bidder = -1;
    for (int seat = 0; seat < seats; ++seat)
        if (game.bidLimit[seat] > best) {
            best = game.bidLimit[seat];
            bidder = seat;
        }
    if (bidder < 0) return;

    reseedFromClock();
    if (game.auctionBid < best) {
        game.auctionBid = std::min(game.auctionBid + randomBelow(10) * 5 + 5, best);
        game.auctionBidder = bidder;
    }
}

void answerPurchaseQuestion() {
    decidePurchase();
    if (game.auctionOpen) computeBidLimits();
}
