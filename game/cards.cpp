// The two card decks: shuffling, the cycle through the deck and every card's effect.
#include <algorithm>

#include "game/random.h"
#include "game/rules.h"
#include "game/stats.h"
#include "game/tables.h"

namespace {

constexpr int emptyElement = 17;

void teleport(int seat, int square) {
    game.position[seat] = square;
    game.boardCursor = square;
    aimCamera(square);
    game.settleTimer = settleTicks;
}

void goToJail(int seat) {
    game.position[seat] = jailCell;
    game.jailTurns[seat] = 0;
    recycleTopCard(game.activeDeck);
    aimCamera(jailCell);
    game.skipLanding = true;
    game.boardCursor = jailSquare;
    game.settleTimer = settleTicks;
}

// GO salary on a card move; the notice takes the next queue slot so that a landing notice
// that follows is shown after it. The slot index stops at the last slot of the queue.
void paySalary(int seat) {
    game.money[seat] += goSalary;
    statsSalary(seat, goSalary);
    writeNotice(game.noticeIndex, seat, -goSalary, "passing GO");
    game.noticeIndex = std::min(game.noticeIndex + 1, noticeSlots - 1);
}

void goToGo(int seat, int salary) {
    game.money[seat] += salary;
    statsSalary(seat, salary);
    game.skipLanding = true;
    recycleTopCard(game.activeDeck);
    teleport(seat, 0);
}

// Repairs: perHouse for each house, perHotel for a hotel; only streets carry buildings.
int repairCost(int seat, int perHouse, int perHotel) {
    int amount = 0;
    for (int p = 0; p < propertyCount; ++p)
        if (game.owner[p] == seat && game.houses[p] > 0)
            amount += game.houses[p] == hotelLevel ? perHotel : game.houses[p] * perHouse;
    return amount;
}

// A card payment that bankrupts its payer leaves the turn to afterBankruptcyNotice.
void recycleAndPassIf(bool paid) {
    recycleTopCard(game.activeDeck);
    if (paid) continueOrPass();
}

int otherSeatsInPlay(int seat, int out[maxSeats]) {
    const int seats = std::min(playersInPlay(), maxSeats);
    int n = 0;
    for (int t = 0; t < seats; ++t)
        if (t != seat && !game.bankrupt[t]) out[n++] = t;
    return n;
}

void collectFromEveryPlayer(int seat, int each) {
    int others[maxSeats];
    const int n = otherSeatsInPlay(seat, others);
    int total = 0;
    bool everyonePaid = true;
    for (int k = 0; k < n; ++k) {
        const int t = others[k];
        total += each;
        if (netWorth(t) < each) {
            declareBankrupt(t, seat);
            everyonePaid = false;
        } else {
            game.money[t] -= each;
            statsFee(t, each);
            checkDebt(t);
        }
    }
    game.money[seat] += total;
    recycleAndPassIf(everyonePaid);
}

void payEveryPlayer(int seat, int each) {
    int others[maxSeats];
    const int n = otherSeatsInPlay(seat, others);
    int total = 0;
    for (int k = 0; k < n; ++k) {
        game.money[others[k]] += each;
        total += each;
    }
    bool paid = true;
    if (netWorth(seat) < total) {
        declareBankrupt(seat, bankOwner);
        paid = false;
    } else {
        game.money[seat] -= total;
        statsFee(seat, total);
        checkDebt(seat);
    }
    recycleAndPassIf(paid);
}

// The first square after `from` holding a property of the kind, round past GO if need be.
// (Every kind asked for stands on the board, so the walk ends.)
int nextSquareAhead(int from, bool (*ofKind)(int property)) {
    int square = from;
    do square = (square + 1) % squareCount;
    while (!ofKind(propertyAtSquare(square)));
    return square;
}

void advanceToNearestUtility(int seat) {
    const int from = game.position[seat];
    const int target = nextSquareAhead(from, isUtility);
    if (target < from) paySalary(seat);
    recycleTopCard(game.activeDeck);
    game.position[seat] = target;
    game.boardCursor = target;
    aimCamera(target);
    const int utility = propertyAtSquare(target);
    const int owner = game.owner[utility];
    if (isSeat(owner) && owner != seat && game.houses[utility] >= 0) {
        game.utilityRollPending = true;
        return;
    }
    game.skipLanding = false;
    game.settleTimer = settleTicks;
}

void advanceToNearestTransport(int seat) {
    const int from = game.position[seat];
    const int target = nextSquareAhead(from, isTransport);
    if (target < from) paySalary(seat);
    game.skipLanding = false;
    teleport(seat, target);
    recycleTopCard(game.activeDeck);
    const int transport = propertyAtSquare(target);
    const int owner = game.owner[transport];
    if (isSeat(owner) && owner != seat && game.houses[transport] >= 0) game.transportDoubleRent = true;
}

void advanceTo(int seat, int target) {
    if (game.position[seat] > target) paySalary(seat);
    game.skipLanding = false;
    teleport(seat, target);
    recycleTopCard(game.activeDeck);
}

void goBackThree(int seat) {
    game.skipLanding = false;
    // Wraps past GO backwards rather than leaving the board (only squares 7, 22 and 36
    // draw this card, so the wrap never happens in play).
    teleport(seat, (game.position[seat] + squareCount - 3) % squareCount);
    recycleTopCard(game.activeDeck);
}

}  // namespace

void shuffleDecks() {
    for (int d = 0; d < 2; ++d) {
        int32_t* row = game.deckOrder[d];
        for (int i = 0; i < deckSize; ++i) row[i] = emptyElement;
        for (int card = 0; card < deckSize; ++card) {
            int r;
            do {
                r = randomBelow(deckSize);
            } while (row[r] != emptyElement);
            row[r] = card;
        }
    }
}

void recycleTopCard(int deck) {
    int32_t* row = game.deckOrder[deck];
    // A jail card held by a seat lies at the bottom, out of the cycle.
    const int last = game.jailCardHolder[deck] < maxSeats ? deckSize - 2 : deckSize - 1;
    const int32_t top = row[0];
    for (int i = 0; i < last; ++i) row[i] = row[i + 1];
    row[last] = top;
}

void applyCard() {
    const int deck = game.activeDeck;
    const int card = game.deckOrder[deck][0];
    const int seat = game.currentPlayer;
    const int amount = cardAmount(deck, card);
    switch (cardRules[deck][card].action) {
        case CardGoToJail: goToJail(seat); break;
        case CardCollect:
            game.money[seat] += amount;
            recycleAndPassIf(true);
            break;
        case CardCollectFromEach: collectFromEveryPlayer(seat, amount); break;
        case CardPay: recycleAndPassIf(chargeFee(seat, amount, nullptr, middleCreditor)); break;
        case CardPayEach: payEveryPlayer(seat, amount); break;
        case CardGoToGo: goToGo(seat, amount); break;
        case CardRepairs:
            recycleAndPassIf(chargeFee(seat, repairCost(seat, amount, cardAmount(deck, card, 1)), nullptr,
                                       middleCreditor));
            break;
        case CardJailFree:
            recycleTopCard(deck);
            game.jailCardHolder[deck] = seat;
            continueOrPass();
            break;
        case CardAdvance: advanceTo(seat, cardRules[deck][card].target); break;
        case CardBackThree: goBackThree(seat); break;
        case CardNearestUtility: advanceToNearestUtility(seat); break;
        case CardNearestTransport: advanceToNearestTransport(seat); break;
    }
}
