// A computer developing its streets and buying back its mortgages during its turn. Each
// decision draws the amount its executor reuses, so the two agree on what is affordable.
#include "ai/ai_internal.h"
#include "ai/computer.h"
#include "game/random.h"
#include "game/rules.h"
#include "game/tables.h"

namespace {

void findBuildableGroups(int seat, bool buildable[colourGroupCount]) {
    for (int g = 0; g < colourGroupCount; ++g) buildable[g] = holdsBuildableGroup(seat, g);
}

// Even building: no street of the group stands lower than this one.
bool lowestInGroup(int street) {
    int streets[4];
    const int n = groupStreets(groupOf(street), streets);
    for (int k = 0; k < n; ++k)
        if (game.houses[streets[k]] < game.houses[street]) return false;
    return true;
}

// What lifting a mortgage must leave spare: mortgage value x 1.1 x the drawn margin.
double liftWithMargin(int property) {
    return mortgageValue(property) * 1.1 * static_cast<double>(game.unmortgageMargin);
}

bool mortgagedBy(int seat, int property) {
    return game.owner[property] == seat && game.houses[property] == -1;
}

// Lifts one mortgage if the margin allows; false stops the whole buy-back.
bool liftIfAffordable(int seat, int property) {
    if (game.money[seat] < liftWithMargin(property)) return false;
    game.houses[property] = 0;
    game.money[seat] = truncated(game.money[seat] - mortgageValue(property) * 1.1);
    return true;
}

}  // namespace

bool decideBuild() {
    reseedFromClock();
    if (game.buildTried) return false;
    game.buildTried = true;
    game.buildReserve = randomBelow(151) + 50;

    const int seat = game.currentPlayer;
    bool buildable[colourGroupCount];
    findBuildableGroups(seat, buildable);
    for (int p = 0; p < streetCount; ++p)
        if (buildable[groupOf(p)] && game.houses[p] < hotelLevel &&
            houseCost(p) + game.buildReserve <= game.money[seat])
            return true;
    return false;
}

void buildHouses() {
    reseedFromClock();
    const int seat = game.currentPlayer;
    bool buildable[colourGroupCount];
    findBuildableGroups(seat, buildable);
    int order[streetCount];
    shuffleOrder(order, streetCount);

    const int reserve = game.buildReserve;
    int cash = game.money[seat];
    // Passes of one house per street, level across each group, until a pass buys nothing
    // or the reserve is reached.
    while (cash > reserve) {
        const int cashAtStart = cash;
        for (int k = 0; k < streetCount; ++k) {
            const int p = order[k];
            if (buildable[groupOf(p)] && game.houses[p] < hotelLevel && houseCost(p) + reserve <= cash &&
                lowestInGroup(p)) {
                game.money[seat] -= houseCost(p);
                ++game.houses[p];
            }
            cash = game.money[seat];
            if (cash <= reserve) break;
        }
        if (cash == cashAtStart) break;
    }
    game.menuIndex = 0;
}

bool decideUnmortgage() {
    reseedFromClock();
    if (game.unmortgageTried) return false;
    game.unmortgageTried = true;
    game.unmortgageMargin = static_cast<float>(randomBelow(6) * 0.1 + 1.3);

    const int seat = game.currentPlayer;
    bool whole[colourGroupCount];
    for (int g = 0; g < colourGroupCount; ++g) {
        int streets[4];
        const int n = groupStreets(g, streets);
        for (int k = 0; k < n; ++k) {
            const int h = game.houses[streets[k]];
            // No buying back while houses are going up; a finished hotel does not count.
            if (game.owner[streets[k]] == seat && h >= 1 && h <= 4) return false;
        }
        whole[g] = holdsWholeGroup(seat, g);
    }

    int candidate = -1;
    for (int p = streetCount - 1; p >= 0 && candidate < 0; --p)
        if (whole[groupOf(p)] && mortgagedBy(seat, p)) candidate = p;
    for (int p = streetCount - 1; p >= 0 && candidate < 0; --p)
        if (mortgagedBy(seat, p)) candidate = p;
    for (int p = streetCount; p < propertyCount && candidate < 0; ++p)
        if (mortgagedBy(seat, p)) candidate = p;
    if (candidate < 0) return false;
    // Only the first candidate is judged.
    return game.money[seat] >= liftWithMargin(candidate);
}

void unmortgageProperties() {
    reseedFromClock();
    game.unmortgageTried = true;
    game.menuIndex = 0;
    const int seat = game.currentPlayer;
    bool whole[colourGroupCount];
    for (int g = 0; g < colourGroupCount; ++g) whole[g] = holdsWholeGroup(seat, g);

    for (int p = streetCount - 1; p >= 0; --p)
        if (whole[groupOf(p)] && mortgagedBy(seat, p) && !liftIfAffordable(seat, p)) return;
    for (int p = streetCount - 1; p >= 0; --p)
        if (mortgagedBy(seat, p) && !liftIfAffordable(seat, p)) return;
    for (int p = streetCount; p < propertyCount; ++p)
        if (mortgagedBy(seat, p) && !liftIfAffordable(seat, p)) return;
}
