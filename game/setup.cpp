// Dealing a new game, returning to the start menu, and the board's geometry.
#include <algorithm>
#include <cstring>

#include "game/board_geometry.h"
#include "game/random.h"
#include "game/rules.h"
#include "game/stats.h"
#include "game/tables.h"

namespace {

constexpr int emptySeatSlot = 9;

// Token places by number of seats: read from the last digit, each digit is the place + 1
// of seats 0, 1, 2 ... so few tokens stand far apart on a square.
constexpr int32_t tokenPlaceTable[maxSeats + 1] = {
    0, 1, 62, 631, 7531, 75321, 765321, 7654321, 87654321,
};

void dealSeating(int seats) {
    int slot[maxSeats];
    for (int i = 0; i < seats; ++i) slot[i] = emptySeatSlot;
    for (int k = 0; k < seats; ++k) {
        int r;
        do {
            r = randomBelow(seats);
        } while (slot[r] != emptySeatSlot);
        slot[r] = k;
    }
    for (int i = 0; i < seats; ++i) {
        const int seat = slot[i];
        game.entryIndex[seat] = i;
        game.isHuman[seat] = i < game.humanCount;
    }
}

void assignTokenPlaces(int seats) {
    int32_t digits = tokenPlaceTable[seats];
    for (int seat = 0; seat < seats; ++seat) {
        game.tokenSlot[seat] = digits % 10 - 1;
        digits /= 10;
    }
}

template <typename T, size_t N>
void copyArray(T (&to)[N], const T (&from)[N]) {
    std::memcpy(to, from, sizeof to);  // plain numbers, any rank
}

float unit(double pixels) { return static_cast<float>(pixels / boardPixels); }

}  // namespace

void setUpGame() {
    reseedFromClock();
    const int seats = std::min(std::max(playersInPlay(), 0), maxSeats);
    dealSeating(seats);
    for (int seat = 0; seat < seats; ++seat) game.money[seat] = startingMoney;
    shuffleDecks();
    for (int p = 0; p < propertyCount; ++p) game.owner[p] = bankOwner;
    game.jailCardHolder[0] = bankOwner;
    game.jailCardHolder[1] = bankOwner;
    game.menuIndex = 0;
    if (game.middleOption > 0) game.middlePot = game.middleOption * middlePotSeed - middlePotSeed;
    assignTokenPlaces(seats);
    computeBoardGeometry();
    game.boardCursor = 0;
    game.screen = NameEntry;
    resetStats(false);
}

// Back to the state of no game, by value: what outlives a game is copied across a fresh
// record, so a field added later is cleared without anyone listing it here.
void resetToStartMenu() {
    const GameState kept = game;
    game = GameState{};
    // The options, and what the next deal overwrites anyway (decks, seating, token places,
    // bid limits, the computers' drawn amounts, the board geometry).
    game.humanCount = kept.humanCount;
    game.computerCount = kept.computerCount;
    game.middleOption = kept.middleOption;
    game.biddingOption = kept.biddingOption;
    copyArray(game.deckOrder, kept.deckOrder);
    copyArray(game.entryIndex, kept.entryIndex);
    copyArray(game.tokenSlot, kept.tokenSlot);
    copyArray(game.bidLimit, kept.bidLimit);
    game.buildReserve = kept.buildReserve;
    game.unmortgageMargin = kept.unmortgageMargin;
    copyArray(game.propertySpotX, kept.propertySpotX);
    copyArray(game.propertySpotY, kept.propertySpotY);
    copyArray(game.squareSpotX, kept.squareSpotX);
    copyArray(game.squareSpotY, kept.squareSpotY);
    copyArray(game.tokenSpotX, kept.tokenSpotX);
    copyArray(game.tokenSpotY, kept.tokenSpotY);
    // Where no game differs from the program's start: everything is the bank's.
    for (int32_t& o : game.owner) o = bankOwner;
    game.jailCardHolder[0] = game.jailCardHolder[1] = bankOwner;
    game.bidIncrement = defaultBidIncrement;
    game.assetCursor = CursorBack;
}

void computeBoardGeometry() {
    for (int s = 0; s < squareCount; ++s) {
        const BoardPoint spot = squareSpotPixels(s);
        game.squareSpotX[s] = unit(spot.x);
        game.squareSpotY[s] = unit(spot.y);
        const int property = propertyAtSquare(s);
        if (property >= 0) {
            const BoardPoint star = propertySpotPixels(s);
            game.propertySpotX[property] = unit(star.x);
            game.propertySpotY[property] = unit(star.y);
        }
    }
    for (int s = 0; s <= squareCount; ++s)
        for (int k = 0; k < maxSeats; ++k) {
            const BoardPoint place = tokenSpot(s, k);
            game.tokenSpotX[s][k] = static_cast<float>(place.x);
            game.tokenSpotY[s][k] = static_cast<float>(place.y);
        }
}
