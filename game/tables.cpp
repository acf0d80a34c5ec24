#include "game/tables.h"

GameState game;

static_assert(sizeof(boardNames) / sizeof(boardNames[0]) == 2 * propertyCount, "two name lines");
static_assert(sizeof(cardTexts) / sizeof(cardTexts[0]) == 2 * deckSize, "two decks");
static_assert(sizeof(bool) == 1, "flags are one byte");
static_assert(sizeof(float) == 4, "reals are 32-bit floats");

// Every property's slot group must agree with the group table.
static constexpr bool groupsAgree() {
    for (int g = 0; g < groupCount; ++g)
        for (int k = 0; k < 4; ++k) {
            const int p = groupMembers[g][k];
            if (p >= 0 && propertySlot[p] / 4 != g) return false;
        }
    return true;
}
static_assert(groupsAgree(), "groupMembers matches propertySlot / 4");

int propertyAtSquare(int square) {
    for (int p = 0; p < propertyCount; ++p)
        if (propertySquare[p] == square) return p;
    return -1;
}

int groupOf(int property) { return propertySlot[property] / 4; }

int houseCost(int property) { return (propertySlot[property] / 8 + 1) * 50; }

int mortgageValue(int property) { return propertyPrice[property] / 2; }

int groupStreets(int group, int out[4]) {
    int n = 0;
    for (int p = 0; p < streetCount; ++p)
        if (groupOf(p) == group) out[n++] = p;
    return n;
}

int playersInPlay() { return game.humanCount + game.computerCount; }
