// The two card decks: shuffling, the cycle through the deck and every card's effect.
#include <algorithm>

#include "game/random.h"
#include "game/rules.h"
#include "game/stats.h"
#include "game/tables.h"

namespace {

constexpr int emptyElement = 17;
constexpr int settleTicks = 60;

// Deck 0 "Collect" cards 1..8, by number.
constexpr int32_t deck0Collect[9] = {0, 200, 100, 100, 100, 45, 25, 20, 10};
// Deck 0 "Pay" cards 10..12, by number.
constexpr int32_t deck0Pay[3] = {150, 100, 50};
// Deck 1 "Advance to" cards 8..11: target squares.
constexpr int32_t deck1Advance[4] = {24, 11, 39, 5};

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

void goToGo(int seat) {
    game.money[seat] += goSalary;
    statsSalary(seat, goSalary);
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

void collectFromEveryPlayer(int seat) {
    int others[maxSeats];
    const int n = otherSeatsInPlay(seat, others);
    int total = 0;
    bool everyonePaid = true;
    for (int k = 0; k < n; ++k) {
        const int t = others[k];
        total += 50;
        if (netWorth(t) < 50) {
            declareBankrupt(t, seat);
            everyonePaid = false;
        } else {
            game.money[t] -= 50;
            statsFee(t, 50);
            checkDebt(t);
        }
    }
    game.money[seat] += total;
    recycleAndPassIf(everyonePaid);
}

void payEveryPlayer(int seat) {
    int others[maxSeats];
    const int n = otherSeatsInPlay(seat, others);
    int total = 0;
    for (int k = 0; k < n; ++k) {
        game.money[others[k]] += 50;
        total += 50;
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

void advanceToNearestUtility(int seat) {
    const int from = game.position[seat];
    int target = 12;
    if (from > 11 && from < 28)
        target = 28;
    else if (from > 27)
        paySalary(seat);
    recycleTopCard(game.activeDeck);
    game.position[seat] = target;
    game.boardCursor = target;
    aimCamera(target);
    const int utility = target == 12 ? 26 : 27;
    const int owner = game.owner[utility];
    if (owner >= 0 && owner < maxSeats && owner != seat && game.houses[utility] >= 0) {
        game.utilityRollPending = true;
        return;
    }
    game.skipLanding = false;
    game.settleTimer = settleTicks;
}

void advanceToNearestTransport(int seat) {
    const int from = game.position[seat];
    int target;
    if (from > 34) {
        paySalary(seat);
        target = 5;
    } else {
        target = from < 5 ? 5 : from < 15 ? 15 : from < 25 ? 25 : 35;
    }
    game.skipLanding = false;
    teleport(seat, target);
    recycleTopCard(game.activeDeck);
    const int transport = target / 10 + 22;
    const int owner = game.owner[transport];
    if (owner >= 0 && owner < maxSeats && owner != seat && game.houses[transport] >= 0)
        game.transportDoubleRent = true;
}

void applyDeck0(int card, int seat) {
    if (card == 0) {
        goToJail(seat);
    } else if (card >= 1 && card <= 8) {
        game.money[seat] += deck0Collect[card];
        recycleAndPassIf(true);
    } else if (card == 9) {
        collectFromEveryPlayer(seat);
    } else if (card >= 10 && card <= 12) {
        const bool paid = chargeFee(seat, deck0Pay[card - 10], nullptr, middleCreditor);
        recycleAndPassIf(paid);
    } else if (card == 13) {
        goToGo(seat);
    } else if (card == 14) {
        const bool paid = chargeFee(seat, repairCost(seat, 40, 115), nullptr, middleCreditor);
        recycleAndPassIf(paid);
    } else {
        recycleTopCard(0);
        game.jailCardHolder[0] = seat;
        continueOrPass();
    }
}

void applyDeck1(int card, int seat) {
    if (card == 0) {
        goToJail(seat);
    } else if (card == 1 || card == 2) {
        game.money[seat] += card == 1 ? 150 : 50;
        recycleAndPassIf(true);
    } else if (card == 3) {
        recycleAndPassIf(chargeFee(seat, 15, nullptr, middleCreditor));
    } else if (card == 4) {
        payEveryPlayer(seat);
    } else if (card == 5) {
        goToGo(seat);
    } else if (card == 6) {
        recycleAndPassIf(chargeFee(seat, repairCost(seat, 25, 100), nullptr, middleCreditor));
    } else if (card == 7) {
        recycleTopCard(1);
        game.jailCardHolder[1] = seat;
        continueOrPass();
    } else if (card >= 8 && card <= 11) {
        const int target = deck1Advance[card - 8];
        if (game.position[seat] > target) paySalary(seat);
        game.skipLanding = false;
        teleport(seat, target);
        recycleTopCard(1);
    } else if (card == 12) {
        game.skipLanding = false;
        // Wraps past GO backwards rather than leaving the board (only squares 7, 22 and 36
        // draw from this deck, so the wrap never happens in play).
        teleport(seat, (game.position[seat] + squareCount - 3) % squareCount);
        recycleTopCard(1);
    } else if (card == 13) {
        advanceToNearestUtility(seat);
    } else {
        advanceToNearestTransport(seat);
    }
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
    if (deck == 0)
        applyDeck0(card, seat);
    else
        applyDeck1(card, seat);
}
