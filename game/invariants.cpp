#include "game/invariants.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "game/tables.h"

namespace {

struct Checker {
    char* why;
    size_t whySize;
    bool ok = true;

    // Records the first failure only; later ones would just repeat its consequences.
    bool require(bool condition, const char* what, int index = -1) {
        if (condition || !ok) return condition;
        ok = false;
        if (why && whySize) {
            if (index >= 0)
                std::snprintf(why, whySize, "%s [%d]", what, index);
            else
                std::snprintf(why, whySize, "%s", what);
        }
        return false;
    }
};

bool inRange(int value, int low, int high) { return value >= low && value <= high; }

bool floatInRange(float value, float low, float high) {
    const float slack = 1e-4f;  // glide and pan steps accumulate rounding
    return std::isfinite(value) && value >= low - slack && value <= high + slack;
}

// Seats in play, computed without overflow for any stored counts.
int seatsInPlay(const GameState& s) {
    return static_cast<int>(
        std::max<int64_t>(0, std::min<int64_t>(64, int64_t{s.humanCount} + s.computerCount)));
}

bool isScreen(int value) {
    return inRange(value, StartMenu, PropertyCard) || value == TurnOrder || value == NameEntry;
}

bool terminated(const char* text, int size) { return std::memchr(text, 0, size) != nullptr; }

bool deckIsPermutation(const int32_t row[deckSize]) {
    bool seen[deckSize] = {};
    for (int i = 0; i < deckSize; ++i) {
        if (!inRange(row[i], 0, deckSize - 1) || seen[row[i]]) return false;
        seen[row[i]] = true;
    }
    return true;
}

bool deckNeverDealt(const int32_t row[deckSize]) {
    for (int i = 0; i < deckSize; ++i)
        if (row[i] != 0) return false;
    return true;
}

void checkOptionsAndSeats(const GameState& s, Checker& c) {
    const int seats = seatsInPlay(s);
    c.require(inRange(s.humanCount, 1, 8), "humanCount out of 1..8");
    c.require(inRange(s.computerCount, 0, 7), "computerCount out of 0..7");
    c.require(inRange(seats, 2, 8), "player total out of 2..8");
    c.require(inRange(s.middleOption, 0, 2), "middleOption out of 0..2");
    c.require(inRange(s.currentPlayer, 0, 7), "currentPlayer out of range");
    for (int i = 0; i < maxSeats; ++i) {
        c.require(inRange(s.position[i], 0, jailCell), "position out of 0..40", i);
        c.require(inRange(s.jailTurns[i], 0, 2), "jailTurns out of 0..2", i);
        c.require(inRange(s.tokenSlot[i], 0, 7), "tokenSlot out of 0..7", i);
        c.require(inRange(s.entryIndex[i], 0, 7), "entryIndex out of 0..7", i);
        c.require(terminated(s.playerNames[i], playerNameSize), "player name without NUL", i);
        if (s.bankrupt[i]) c.require(s.money[i] == 0, "bankrupt seat holds money", i);
        for (int j = 0; j < maxSeats; ++j) {
            c.require(s.proposeCooldown[i][j] >= 0, "negative proposeCooldown", i);
            c.require(s.answerCooldown[i][j] >= 0, "negative answerCooldown", i);
        }
    }
}

void checkPropertiesAndDecks(const GameState& s, Checker& c) {
    const int seats = seatsInPlay(s);
    for (int p = 0; p < propertyCount; ++p) {
        const int o = s.owner[p];
        const int h = s.houses[p];
        c.require(o == bankOwner || inRange(o, 0, seats - 1), "owner is not a seat in play or the bank", p);
        c.require(inRange(h, -1, hotelLevel), "houses out of -1..5", p);
        if (o == bankOwner) c.require(h == 0, "bank property with houses or mortgage", p);
        if (h > 0) c.require(isStreet(p), "buildings on a transport or utility", p);
        if (inRange(o, 0, 7)) c.require(!s.bankrupt[o], "bankrupt seat owns a property", p);
    }
    const bool preGame = s.screen == StartMenu || s.screen == OptionsMenu;
    for (int d = 0; d < 2; ++d) {
        const int holder = s.jailCardHolder[d];
        if (preGame && deckNeverDealt(s.deckOrder[d])) continue;  // program start: nothing dealt yet
        c.require(deckIsPermutation(s.deckOrder[d]), "deck row is not a permutation", d);
        c.require(holder == bankOwner || inRange(holder, 0, seats - 1), "jail card holder out of range", d);
        if (inRange(holder, 0, 7)) {
            c.require(!s.bankrupt[holder], "bankrupt seat holds a jail card", d);
            c.require(s.deckOrder[d][deckSize - 1] == jailCardNumber[d], "held jail card not at the bottom",
                      d);
        }
    }
    c.require(inRange(s.activeDeck, 0, 1), "activeDeck out of 0..1");
    c.require(s.middlePot >= 0, "negative middle pot");
}

void checkTurnAndTimers(const GameState& s, Checker& c) {
    c.require(inRange(s.doublesCount, 0, 2), "doublesCount out of 0..2");
    c.require(inRange(s.dice[0], 0, 5) && inRange(s.dice[1], 0, 5), "dice out of 0..5");
    c.require(inRange(s.moveTarget, 0, jailCell), "moveTarget out of 0..40");
    c.require(inRange(s.cursorFrom, 0, jailCell), "cursorFrom out of 0..40");
    c.require(inRange(s.diceTimer, 0, 30), "diceTimer out of 0..30");
    c.require(inRange(s.arrivalTimer, 0, 60), "arrivalTimer out of 0..60");
    c.require(inRange(s.settleTimer, 0, 60), "settleTimer out of 0..60");
    c.require(inRange(s.cardTimer, 0, cardDisplayTicks), "cardTimer out of range");
    c.require(inRange(s.noticeTimer, 0, noticeTicks), "noticeTimer out of range");
    c.require(inRange(s.bankruptTimer, 0, bankruptNoticeTicks), "bankruptTimer out of range");
    c.require(inRange(s.auctionTimer, 0, auctionTicks), "auctionTimer out of range");
    c.require(inRange(s.computerDelay, 0, computerThinkTicks), "computerDelay out of range");
    c.require(inRange(s.cameraGlide, 0, 10), "cameraGlide out of 0..10");
    c.require(s.auctionBidder == bankOwner || inRange(s.auctionBidder, 0, 7), "auctionBidder out of range");
    c.require(s.auctionBid >= 0 && s.bidIncrement >= 0, "negative bid or increment");
}

void checkNoticesAndDebt(const GameState& s, Checker& c) {
    c.require(inRange(s.noticeIndex, 0, noticeSlots - 1), "noticeIndex out of the queue");
    for (int i = 0; i < noticeSlots; ++i) {
        c.require(inRange(s.noticePlayer[i], 0, 7), "notice seat out of range", i);
        c.require(terminated(s.noticeReason[i], noticeReasonSize), "notice reason without NUL", i);
    }
    c.require(inRange(s.lastBankrupt, 0, 7), "lastBankrupt out of range");
    c.require(
        inRange(s.lastCreditor, 0, 7) || s.lastCreditor == middleCreditor || s.lastCreditor == bankOwner,
        "lastCreditor out of range");
    c.require(inRange(s.winner, 0, 7), "winner out of range");
    c.require(inRange(s.initiatorMortgagedCount, 0, propertyCount), "initiatorMortgagedCount out of range");
    c.require(inRange(s.partnerMortgagedCount, 0, propertyCount), "partnerMortgagedCount out of range");
    for (int i = 0; i < s.initiatorMortgagedCount && i < propertyCount; ++i)
        c.require(inRange(s.initiatorMortgaged[i], 0, propertyCount - 1), "initiatorMortgaged entry", i);
    for (int i = 0; i < s.partnerMortgagedCount && i < propertyCount; ++i)
        c.require(inRange(s.partnerMortgaged[i], 0, propertyCount - 1), "partnerMortgaged entry", i);
}

void checkScreenFlow(const GameState& s, Checker& c) {
    c.require(isScreen(s.screen), "screen is not a screen");
    c.require(isScreen(s.returnScreen), "returnScreen is not a screen");
    c.require(inRange(s.menuIndex, 0, 4), "menuIndex out of 0..4");
    // A property card returns to the screen it was opened from; the asset menu has a kind.
    if (s.screen == PropertyCard)
        c.require(s.returnScreen == Board || s.returnScreen == AssetMenu,
                  "property card with nowhere to return");
    if (s.screen == AssetMenu)
        c.require(inRange(s.menuIndex, KindTrade, KindMortgage), "asset menu without a kind");
    c.require(inRange(s.assetCursor, CursorJailCard1, CursorBack), "assetCursor out of -4..29");
    c.require(inRange(s.menuPlayer, 0, 7), "menuPlayer out of range");
    c.require(inRange(s.tradeInitiator, 0, 7), "tradeInitiator out of range");
    c.require(inRange(s.houseCount, -1, hotelLevel), "houseCount out of -1..5");
    c.require(inRange(s.amountDigit, 0, 9), "amountDigit out of 0..9");
    // 40 is the jail cell, which other writers of the format leave for a jailed seat.
    c.require(inRange(s.boardCursor, 0, jailCell), "boardCursor out of 0..40");
    c.require(s.tradeMoney >= 0 && s.initiatorMoney >= 0, "negative trade money");
    c.require(floatInRange(s.zoom, 0.5f, 1.0f), "zoom out of 0.5..1");
    c.require(floatInRange(s.panX, -0.25f, 0.25f) && floatInRange(s.panY, -0.25f, 0.25f), "pan out of range");
    c.require(floatInRange(s.cameraTargetX, -0.25f, 0.25f) && floatInRange(s.cameraTargetZ, -0.25f, 0.25f),
              "camera target out of range");
    c.require(std::isfinite(s.unmortgageMargin), "unmortgageMargin not finite");
}

void checkGeometry(const GameState& s, Checker& c) {
    for (int p = 0; p < propertyCount; ++p)
        c.require(floatInRange(s.propertySpotX[p], 0, 1) && floatInRange(s.propertySpotY[p], 0, 1),
                  "property spot off the board", p);
    for (int q = 0; q < squareCount; ++q)
        c.require(floatInRange(s.squareSpotX[q], 0, 1) && floatInRange(s.squareSpotY[q], 0, 1),
                  "square spot off the board", q);
    for (int q = 0; q <= squareCount; ++q)
        for (int k = 0; k < maxSeats; ++k)
            c.require(floatInRange(s.tokenSpotX[q][k], 0, 1) && floatInRange(s.tokenSpotY[q][k], 0, 1),
                      "token spot off the board", q);
}

}  // namespace

bool checkInvariants(const GameState& state, char* why, size_t whySize) {
    Checker c{why, whySize};
    checkOptionsAndSeats(state, c);
    checkPropertiesAndDecks(state, c);
    checkTurnAndTimers(state, c);
    checkNoticesAndDebt(state, c);
    checkScreenFlow(state, c);
    checkGeometry(state, c);
    return c.ok;
}
