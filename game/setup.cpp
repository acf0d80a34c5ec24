// Dealing a new game, returning to the start menu, and the board's geometry.
#include <algorithm>
#include <cstring>

#include "game/random.h"
#include "game/rules.h"
#include "game/stats.h"
#include "game/tables.h"

namespace {

constexpr int emptySeatSlot = 9;

// Token places by number of seats: read from the last digit, each digit is the place + 1
// of seats 0, 1, 2 ... so few tokens stand far apart on a square.
constexpr int32_t tokenPlaceTable[maxSeats + 1] = {
    0, 0, 62, 631, 7531, 75321, 765321, 7654321, 87654321,
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
        game.tokenSlot[seat] = digits > 0 ? digits % 10 - 1 : seat;
        digits /= 10;
    }
}

template <typename T, size_t N>
void copyArray(T (&to)[N], const T (&from)[N]) {
    std::memcpy(to, from, sizeof to);  // plain numbers, any rank
}

float unit(double pixels) { return static_cast<float>(pixels / 1024.0); }

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
    const double a = 68.0 / 3072.0;  // token column step
    const double b = 0.03;           // token row step
    for (int s = 0; s < squareCount; ++s) {
        double propX = 0, propY = 0, squareX = 0, squareY = 0;
        if (s == 0) {
            squareX = 947;
            squareY = 25;
        } else if (s < 10) {
            propX = squareX = 1024 - (82 * s + 129);
            propY = 103;
            squareY = 25;
        } else if (s == 10) {
            squareX = squareY = 25;
        } else if (s < 20) {
            propX = 103;
            squareX = 25;
            propY = squareY = 82 * (s - 10) + 77;
        } else if (s == 20) {
            squareX = 25;
            squareY = 947;
        } else if (s < 30) {
            propX = squareX = 82 * (s - 20) + 77;
            propY = 869;
            squareY = 947;
        } else if (s == 30) {
            squareX = squareY = 947;
        } else {
            propX = 869;
            squareX = 947;
            propY = squareY = 1024 - (82 * (s - 30) + 129);
        }
        game.squareSpotX[s] = unit(squareX);
        game.squareSpotY[s] = unit(squareY);
        const int property = propertyAtSquare(s);
        if (property >= 0) {
            game.propertySpotX[property] = unit(propX);
            game.propertySpotY[property] = unit(propY);
        }
        for (int k = 0; k < maxSeats; ++k) {
            const int c = k % 4;
            const int r = k / 4;
            double x, y;
            if (s == 0) {
                x = 920 / 1024.0 + b * r;
                y = 73 / 1024.0 - a * c;
            } else if (s < 10) {
                x = 1 - (82 * s + 134) / 1024.0 + b * r;
                y = 73 / 1024.0 - a * c;
            } else if (s == 10) {
                x = k < 4 ? 5 / 1024.0 : 109 / 1024.0 - a * c;
                y = k < 4 ? 109 / 1024.0 - a * c : 5 / 1024.0;
            } else if (s < 20) {
                x = 73 / 1024.0 - a * c;
                y = (82 * (s - 10) + 103) / 1024.0 - b * r;
            } else if (s == 20) {
                x = 73 / 1024.0 - b * r;
                y = 920 / 1024.0 + a * c;
            } else if (s < 30) {
                x = (82 * (s - 20) + 103) / 1024.0 - b * r;
                y = 920 / 1024.0 + a * c;
            } else if (s == 30) {
                x = 951 / 1024.0 - b * r;
                y = 920 / 1024.0 + a * c;
            } else {
                x = 920 / 1024.0 + a * c;
                y = 1 - (82 * (s - 30) + 134) / 1024.0 + b * r;
            }
            game.tokenSpotX[s][k] = static_cast<float>(x);
            game.tokenSpotY[s][k] = static_cast<float>(y);
        }
    }
    for (int k = 0; k < maxSeats; ++k) {
        game.tokenSpotX[jailCell][k] = static_cast<float>(78 / 1024.0 + b * (k / 4));
        game.tokenSpotY[jailCell][k] = static_cast<float>(109 / 1024.0 - a * (k % 4));
    }
}
