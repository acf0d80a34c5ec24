// Shared views of the colour groups and the random visiting orders.
#include "ai/ai_internal.h"
#include "game/random.h"
#include "game/tables.h"

bool holdsBuildableGroup(int seat, int group) {
    int streets[4];
    const int n = groupStreets(group, streets);
    for (int k = 0; k < n; ++k)
        if (game.owner[streets[k]] != seat || game.houses[streets[k]] < 0) return false;
    return n > 0;
}

bool holdsWholeGroup(int seat, int group) {
    int streets[4];
    const int n = groupStreets(group, streets);
    for (int k = 0; k < n; ++k)
        if (game.owner[streets[k]] != seat) return false;
    return n > 0;
}

int groupBaseValue(int group) { return propertyPrice[3 * group + 1]; }

GroupTally tallyGroup(int group, int mine, int theirs) {
    int streets[4];
    GroupTally tally{0, 0, groupStreets(group, streets)};
    for (int k = 0; k < tally.total; ++k) {
        if (game.owner[streets[k]] == mine) ++tally.mine;
        if (game.owner[streets[k]] == theirs) ++tally.theirs;
    }
    return tally;
}

void shuffleOrder(int* table, int n) {
    constexpr int empty = -1;
    for (int k = 0; k < n; ++k) table[k] = empty;
    for (int i = 0; i < n; ++i) {
        int r;
        do {
            r = randomBelow(n);
        } while (table[r] != empty);
        table[r] = i;
    }
}
