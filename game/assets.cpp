// Houses, mortgages and trades: the Confirm checks and actions of the asset menu, the
// exchange of an accepted offer, and the question that lifts received mortgages.
#include "game/rules.h"
#include "game/stats.h"
#include "game/tables.h"

namespace {

bool isMortgaged(int property) { return game.houses[property] < 0; }

// Streets of the property's group (none for transports and utilities).
int streetsOfGroup(int property, int out[4]) { return groupStreets(groupOf(property), out); }

// Building check for one selected street: the whole group is the seat's and no street
// would end up more than one building above an unselected street of its group.
bool mayBuildOn(int street, int seat, int count) {
    if (!isStreet(street) || isMortgaged(street) || game.houses[street] + count > hotelLevel) return false;
    int group[4];
    const int n = streetsOfGroup(street, group);
    for (int k = 0; k < n; ++k) {
        const int j = group[k];
        if (game.owner[j] != seat) return false;
        // A mortgaged street counts -1, so it blocks building anywhere in its group.
        if (!game.selected[j] && j != street && game.houses[j] + 1 < game.houses[street] + count)
            return false;
    }
    return true;
}

// Mortgage or sale check for one selected street (count 0 mortgages, 1..5 sells).
bool maySellOrMortgage(int street, int count) {
    const int h = game.houses[street];
    int group[4];
    const int n = streetsOfGroup(street, group);
    for (int k = 0; k < n; ++k) {
        const int j = group[k];
        if (h < count) return false;                     // too few buildings, or already mortgaged
        if (h > 0 && count == 0) return false;           // sell the buildings first
        if (game.houses[j] > 0 && h == 0) return false;  // the group still has buildings
        // Even selling: the most built streets go first, and none ends two below another.
        if (!game.selected[j] && (h < game.houses[j] || h - count < game.houses[j] - 1)) return false;
    }
    return true;
}

int totalUnmortgageCost() {
    int total = 0;
    for (int p = 0; p < propertyCount; ++p)
        if (game.selected[p]) total += unmortgageCost(p);
    return total;
}

// Interest on a list of received mortgaged properties.
int interestOn(const int32_t* list, int count) {
    int total = 0;
    for (int i = 0; i < count; ++i) total += tradeInterest(list[i]);
    return total;
}

// Hands over both sides' properties; the mortgaged ones are queued for the lift question.
void exchangeProperties(int initiator, int partner) {
    for (int p = propertyCount - 1; p >= 0; --p) {
        if (game.selected[p]) {
            game.owner[p] = initiator;
            if (isMortgaged(p)) game.initiatorMortgaged[game.initiatorMortgagedCount++] = p;
        }
        if (game.initiatorSelected[p]) {
            game.owner[p] = partner;
            if (isMortgaged(p)) game.partnerMortgaged[game.partnerMortgagedCount++] = p;
        }
    }
}

void exchangeJailCards(int initiator, int partner) {
    for (int d = 0; d < 2; ++d) {
        if (!game.jailCardSelected[d]) continue;
        if (game.jailCardHolder[d] == initiator)
            game.jailCardHolder[d] = partner;
        else if (game.jailCardHolder[d] == partner)
            game.jailCardHolder[d] = initiator;
    }
}

void chargeInterest(int initiator, int partner) {
    int slot = 0;
    const int initiatorInterest = interestOn(game.initiatorMortgaged, game.initiatorMortgagedCount);
    if (initiatorInterest > 0) {
        writeNotice(slot, initiator, initiatorInterest, "Mortgage Interest");
        game.money[initiator] -= initiatorInterest;
        statsFee(initiator, initiatorInterest);
        slot = 1;
    }
    const int partnerInterest = interestOn(game.partnerMortgaged, game.partnerMortgagedCount);
    if (partnerInterest > 0) {
        writeNotice(slot, partner, partnerInterest, "Mortgage Interest");
        game.money[partner] -= partnerInterest;
        statsFee(partner, partnerInterest);
        if (game.money[partner] < 0) openDebtState(partner);
    }
}

// One answer about the last entry of a list. The property's owner pays, which is the
// receiver of the trade even when another seat's debt state has taken the menu since.
void answerAbout(const int32_t* list, int32_t& count, bool yes) {
    if (count > propertyCount) count = propertyCount;
    const int property = list[count - 1];
    --count;
    if (!yes || property < 0 || property >= propertyCount || !isMortgaged(property)) return;
    const int owner = game.owner[property];
    const int price = mortgageValue(property);
    // Only affordable questions are put; a stale one is declined rather than run into debt.
    if (!isSeat(owner) || game.money[owner] < price) return;
    game.money[owner] -= price;
    game.houses[property] = 0;
}

}  // namespace

void clearTradeSelections() {
    for (int p = 0; p < propertyCount; ++p) game.selected[p] = game.initiatorSelected[p] = false;
    game.jailCardSelected[0] = game.jailCardSelected[1] = false;
}

int unmortgageCost(int property) {
    if (property < 0 || property >= propertyCount) return 0;
    return static_cast<int>(mortgageValue(property) * 1.1);
}

int tradeInterest(int property) {
    if (property < 0 || property >= propertyCount) return 0;
    return static_cast<int>(mortgageValue(property) * 0.1);
}

bool canBuyHouses() {
    const int count = game.houseCount;
    const int seat = game.menuPlayer;
    // A count below one would sell buildings back at their full price.
    if (count < 1 || count > hotelLevel || !isSeat(seat)) return false;

    int cost = 0;
    for (int p = 0; p < propertyCount; ++p)
        if (game.selected[p]) cost += houseCost(p) * count;
    if (game.money[seat] < cost) return false;

    for (int p = 0; p < propertyCount; ++p)
        if (game.selected[p] && !mayBuildOn(p, seat, count)) return false;
    return true;
}

void buyHouses() {
    const int count = game.houseCount;
    const int seat = game.menuPlayer;
    if (!isSeat(seat)) return;
    for (int p = 0; p < streetCount; ++p) {
        if (!game.selected[p]) continue;
        game.houses[p] += count;
        game.money[seat] -= houseCost(p) * count;
        game.selected[p] = false;
    }
}

bool canMortgageAction() {
    const int count = game.houseCount;
    const int seat = game.menuPlayer;
    if (!isSeat(seat) || count < -1 || count > hotelLevel) return false;
    for (int p = 0; p < propertyCount; ++p) {
        if (!game.selected[p]) continue;
        // The menu offers only the seat's own properties; anything else would pay the wrong seat.
        if (game.owner[p] != seat) return false;
        if (count == -1) {
            if (!isMortgaged(p) || game.money[seat] < totalUnmortgageCost()) return false;
        } else if (isStreet(p)) {
            if (!maySellOrMortgage(p, count)) return false;
        } else if (count > 0 || isMortgaged(p)) {
            return false;  // no buildings stand on transports and utilities
        }
    }
    return true;
}

void mortgageAction() {
    const int count = game.houseCount;
    const int seat = game.menuPlayer;
    if (isSeat(seat)) {
        for (int p = 0; p < propertyCount; ++p) {
            if (!game.selected[p]) continue;
            if (count == 0) {
                game.money[seat] += mortgageValue(p);
                game.houses[p] = -1;
            } else if (count == -1) {
                game.houses[p] = 0;
                game.money[seat] -= unmortgageCost(p);
            } else if (isStreet(p)) {
                game.houses[p] -= count;
                game.money[seat] += count * houseSaleValue(p);
            }
        }
    }
    for (int p = 0; p < propertyCount; ++p) game.selected[p] = false;
    leaveDebtState();
}

bool tradeIsValid() {
    const int seat = game.menuPlayer;
    if (!isSeat(seat) || game.bankrupt[seat]) return false;
    // The amount field never offers cash that is not in hand, nor less than nothing.
    if (game.tradeMoney < 0 || (game.tradeMoney > 0 && game.tradeMoney > game.money[seat])) return false;

    bool offersSomething = game.tradeMoney >= 1;
    for (int p = 0; p < propertyCount; ++p) {
        if (!game.selected[p]) continue;
        if (game.owner[p] != seat) return false;  // a side gives only what it owns
        if (game.houses[p] > 0) return false;     // buildings never change hands
        offersSomething = true;
    }
    for (int d = 0; d < 2; ++d)
        if (game.jailCardSelected[d] && game.jailCardHolder[d] == seat) offersSomething = true;
    return offersSomething;
}

void executeTrade() {
    const int initiator = game.tradeInitiator;
    const int partner = game.menuPlayer;
    if (!isSeat(initiator) || !isSeat(partner)) {
        closeAssetMenu();  // no one to trade with: drop the offer
        return;
    }

    game.money[initiator] += game.tradeMoney - game.initiatorMoney;
    game.money[partner] += game.initiatorMoney - game.tradeMoney;
    statsTrade(initiator, partner);

    game.tradeOfferOpen = false;
    game.menuIndex = 0;
    game.initiatorMortgagedCount = 0;
    game.partnerMortgagedCount = 0;
    exchangeProperties(initiator, partner);
    exchangeJailCards(initiator, partner);
    clearTradeSelections();

    game.initiatorMoney = 0;
    game.tradeMoney = 0;
    game.tradePartnerSide = false;
    game.screen = Board;

    chargeInterest(initiator, partner);

    // A seat left owing more than it owns keeps nothing of the debt.
    if (netWorth(initiator) < 0) game.money[initiator] = 0;
    if (netWorth(partner) < 0) game.money[partner] = 0;
    // A debt state opened by the interest and cleared just above would hold the seat on an
    // empty menu with nothing to raise.
    if (game.inDebt && game.money[game.menuPlayer] >= 0) {
        game.inDebt = false;
        game.screen = Board;
    }
    if (game.money[initiator] < 0) openDebtState(initiator);

    game.houseCount = 0;
    game.amountDigit = 0;
}

void closeAssetMenu() {
    game.menuIndex = 0;
    game.screen = Board;
    clearTradeSelections();
    game.tradeMoney = 0;
    game.initiatorMoney = 0;
    game.tradeOfferOpen = false;
    game.tradePartnerSide = false;
    game.choosingTradePartner = false;  // the partner choice belongs to the menu
    game.houseCount = 0;
    game.amountDigit = 0;
}

void answerUnmortgageQuestion(bool yes) {
    // The partner's list is asked first, each list from its last entry back.
    if (game.partnerMortgagedCount > 0)
        answerAbout(game.partnerMortgaged, game.partnerMortgagedCount, yes);
    else if (game.initiatorMortgagedCount > 0)
        answerAbout(game.initiatorMortgaged, game.initiatorMortgagedCount, yes);
}
