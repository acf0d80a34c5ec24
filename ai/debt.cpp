// A computer in the debt state raises cash in one go: it gives up first what it values least
// (stray properties), then what it values most (whole groups, developed ones last).
#include "ai/ai_internal.h"
#include "ai/computer.h"
#include "game/rules.h"
#include "game/tables.h"

namespace {

// How much a group matters to the debtor, from least (0) to most (4).
enum GroupLevel { NoShare = 0, OneStreet = 1, TwoOfThree = 2, WholeGroup = 3, Developed = 4 };

int groupLevel(int seat, int group) {
    int streets[4];
    const int n = groupStreets(group, streets);
    int owned = 0;
    for (int k = 0; k < n; ++k) {
        if (game.owner[streets[k]] != seat) continue;
        ++owned;
        if (game.houses[streets[k]] > 0) return Developed;
    }
    if (owned == n) return WholeGroup;
    if (owned == 2 && n == 3) return TwoOfThree;
    if (owned == 1) return OneStreet;
    return NoShare;
}

// Buildings come down evenly: only from a street that no other street of the debtor's in its
// group tops. (Streets of other seats are left out: the debtor cannot sell their buildings,
// and counting them could keep it from ever raising what its net worth promises.)
bool levelWithGroup(int seat, int street) {
    int streets[4];
    const int n = groupStreets(groupOf(street), streets);
    for (int k = 0; k < n; ++k)
        if (game.owner[streets[k]] == seat && game.houses[streets[k]] > game.houses[street]) return false;
    return true;
}

// One sacrifice of property p at the given level; returns the cash it raised.
int sacrifice(int seat, int p, int level) {
    if (game.owner[p] != seat) return 0;
    const int h = game.houses[p];
    if (level == Developed && !levelWithGroup(seat, p)) return 0;
    if (level == Developed && h > 0) {
        --game.houses[p];
        return houseCost(p) / 2;
    }
    if (h != 0) return 0;
    game.houses[p] = -1;
    return mortgageValue(p);
}

}  // namespace

void resolveDebt() {
    const int debtor = game.menuPlayer;
    if (!isSeat(debtor)) {
        closeDebtState();
        return;
    }
    int level[propertyCount];
    for (int p = 0; p < propertyCount; ++p) level[p] = isStreet(p) ? groupLevel(debtor, groupOf(p)) : NoShare;
    int order[propertyCount];
    shuffleOrder(order, propertyCount);  // continues the generator: no reseed here

    int cash = game.money[debtor];
    bool exhausted = false;
    while (cash < 0 && !exhausted) {
        const int cashAtStart = cash;
        for (int l = NoShare; l <= Developed && cash < 0; ++l)
            for (int k = 0; k < propertyCount && cash < 0; ++k)
                if (level[order[k]] == l) cash += sacrifice(debtor, order[k], l);
        exhausted = cash == cashAtStart;
    }
    game.money[debtor] = cash;
    // Nothing left to sell and still short: the seat cannot pay and is out of the game,
    // leaving its (now mortgaged) properties to the bank.
    if (cash < 0) declareBankrupt(debtor, bankOwner);
    closeDebtState();
}
