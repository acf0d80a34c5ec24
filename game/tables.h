// Constant tables of the board, the properties, the groups and the two card decks,
// with the small pure lookups every rule uses.
#pragma once

#include <cstdint>

#include "game/state.h"

// clang-format off
// Names: entries 0..27 are line 1 of properties 0..27, entries 28..55 line 2 ("" when empty).
// Where a text shows a property's name it prints "%s %s", so an empty line 2 leaves a trailing blank.
constexpr char boardNames[56][30] = {
    "Saltmarsh", "Saltmarsh", "Fenwick", "Greywood", "Cloudhaven", "Frostmere", "Plainsreach",
    "Lorne Moon", "Tallforest", "Cinderfall", "Sinkhollow", "Brinemine", "Ashvale", "Rook Harbor",
    "Redspire", "Tidewater", "Lakeshire", "Deepcoral", "Shipwright", "Whitecliff", "Capitolis",
    "Capitolis", "Heavy", "Union", "Crown", "Frontier", "Iron Moon", "Iron Moon II",
    // line 2
    "Old Wharf", "Old Bazaar", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "",
    "", "Grand Library", "Parliament", "Dreadnought", "Troop Carrier", "Dreadnought", "Clipper",
    "", "",
};

// Group x 4 + place in the group; only slot / 4 (group) and slot / 8 (house tier) are used.
constexpr int32_t propertySlot[propertyCount] = {
    0, 1, 4, 5, 6, 8, 9, 10, 12, 13, 14, 16, 17, 18, 20, 21, 22, 24, 25, 26, 28, 29,
    32, 33, 34, 35, 37, 38,
};

constexpr int32_t propertySquare[propertyCount] = {
    1, 3, 6, 8, 9, 11, 13, 14, 16, 18, 19, 21, 23, 24, 26, 27, 29, 31, 32, 34, 37, 39,
    5, 15, 25, 35, 12, 28,
};

constexpr int32_t propertyPrice[propertyCount] = {
    60, 60, 100, 100, 120, 140, 140, 160, 180, 180, 200, 220, 220, 240, 260, 260, 280, 300,
    300, 320, 350, 400, 200, 200, 200, 200, 150, 150,
};

// Rows: 0..4 houses, then the hotel; columns: streets 0..21.
constexpr int32_t streetRent[6][streetCount] = {
    {2, 4, 6, 6, 8, 10, 10, 12, 14, 14, 16, 18, 18, 20, 22, 22, 24, 26, 26, 28, 35, 50},
    {10, 20, 30, 30, 40, 50, 50, 60, 70, 70, 80, 90, 90, 100, 110, 110, 120, 130, 130, 150,
     175, 200},
    {30, 60, 90, 90, 100, 150, 150, 180, 200, 200, 220, 250, 250, 300, 330, 330, 360, 390,
     390, 450, 500, 600},
    {90, 180, 270, 270, 300, 450, 450, 500, 550, 550, 600, 700, 700, 750, 800, 800, 850, 900,
     900, 1000, 1100, 1400},
    {160, 320, 400, 400, 450, 625, 625, 700, 750, 750, 800, 875, 875, 925, 975, 975, 1025,
     1100, 1100, 1200, 1300, 1700},
    {250, 450, 550, 550, 600, 750, 750, 900, 950, 950, 1000, 1050, 1050, 1100, 1150, 1150,
     1200, 1275, 1275, 1400, 1500, 2000},
};

constexpr int groupCount = 10;
constexpr int transportGroup = 8;
constexpr int utilityGroup = 9;

// Each group's properties in index order, padded with -1.
constexpr int32_t groupMembers[groupCount][4] = {
    {0, 1, -1, -1},     {2, 3, 4, -1},      {5, 6, 7, -1},      {8, 9, 10, -1},
    {11, 12, 13, -1},   {14, 15, 16, -1},   {17, 18, 19, -1},   {20, 21, -1, -1},
    {22, 23, 24, 25},   {26, 27, -1, -1},
};

// Group colours as three tables: reds, greens, blues.
constexpr float groupColourR[groupCount] = {0.26f, 0.67f, 0.71f, 0.90f, 0.83f,
                                            0.93f, 0.16f, 0.11f, 0.60f, 0.31f};
constexpr float groupColourG[groupCount] = {0.17f, 0.80f, 0.17f, 0.48f, 0.13f,
                                            0.87f, 0.67f, 0.30f, 0.57f, 0.33f};
constexpr float groupColourB[groupCount] = {0.48f, 0.91f, 0.44f, 0.13f, 0.10f,
                                            0.05f, 0.21f, 0.64f, 0.76f, 0.47f};

// Card texts: entry deck x 16 + number.
constexpr char cardTexts[32][100] = {
    "Go to Jail",
    "Collect $200",
    "Collect $100",
    "Collect $100",
    "Collect $100",
    "Collect $45",
    "Collect $25",
    "Collect $20",
    "Collect $10",
    "Collect $50 from every player",
    "Pay $150",
    "Pay $100",
    "Pay $50",
    "Go to GO, Collect $200",
    "Pay $40/House, $115/Hotel",
    "Get out of Jail Free Card",
    // deck 1
    "Go to Jail",
    "Collect $150",
    "Collect $50",
    "Pay $15",
    "Pay each player $50",
    "Go to GO, Collect $200",
    "Pay $25/House, $100/Hotel",
    "Get out of Jail Free Card",
    "Advance to Rook Harbor",
    "Advance to Frostmere",
    "Advance to Capitolis Parliament",
    "Advance to Heavy Dreadnought",
    "Go back 3 spaces",
    "Advance to nearest Iron Moon",
    "Advance to nearest Spaceship",
    "Advance to nearest Spaceship",
};

// What each card does, one row per card in the order of cardTexts. Amounts are not written
// here: they are the dollar figures of the card's own text (cardAmount), so the text shown
// and the money moved cannot disagree.
enum CardAction : int32_t {
    CardGoToJail,
    CardCollect,          // the bank pays the drawer
    CardCollectFromEach,  // every other seat pays the drawer
    CardPay,              // the drawer pays the middle
    CardPayEach,          // the drawer pays every other seat
    CardGoToGo,
    CardRepairs,  // per house, per hotel
    CardJailFree,
    CardAdvance,  // to `target`, with the salary when it wraps past GO
    CardBackThree,
    CardNearestUtility,
    CardNearestTransport,
};

struct CardRule {
    CardAction action;
    int32_t target;            // CardAdvance's square
    const char* notes[2];      // extra lines drawn under the text, or nullptr
};

constexpr const char* utilityNote[2] = {"If owned, roll dice and pay", "10x amount shown"};
constexpr const char* transportNote[2] = {"If owned, pay owner twice what", "he/she is entitled to"};

constexpr CardRule cardRules[2][deckSize] = {
    {{CardGoToJail, 0, {}}, {CardCollect, 0, {}}, {CardCollect, 0, {}}, {CardCollect, 0, {}},
     {CardCollect, 0, {}}, {CardCollect, 0, {}}, {CardCollect, 0, {}}, {CardCollect, 0, {}},
     {CardCollect, 0, {}}, {CardCollectFromEach, 0, {}}, {CardPay, 0, {}}, {CardPay, 0, {}},
     {CardPay, 0, {}}, {CardGoToGo, 0, {}}, {CardRepairs, 0, {}}, {CardJailFree, 0, {}}},
    {{CardGoToJail, 0, {}}, {CardCollect, 0, {}}, {CardCollect, 0, {}}, {CardPay, 0, {}},
     {CardPayEach, 0, {}}, {CardGoToGo, 0, {}}, {CardRepairs, 0, {}}, {CardJailFree, 0, {}},
     {CardAdvance, 24, {}}, {CardAdvance, 11, {}}, {CardAdvance, 39, {}}, {CardAdvance, 5, {}},
     {CardBackThree, 0, {}}, {CardNearestUtility, 0, {utilityNote[0], utilityNote[1]}},
     {CardNearestTransport, 0, {transportNote[0], transportNote[1]}},
     {CardNearestTransport, 0, {transportNote[0], transportNote[1]}}},
};

// The nth dollar figure ("$40") in a card's text, 0 when it has fewer.
constexpr int32_t cardAmount(int deck, int card, int nth = 0) {
    const char* text = cardTexts[deck * deckSize + card];
    for (int i = 0; text[i] != '\0'; ++i) {
        if (text[i] != '$') continue;
        int32_t value = 0;
        for (int j = i + 1; text[j] >= '0' && text[j] <= '9'; ++j) value = value * 10 + (text[j] - '0');
        if (nth-- == 0) return value;
    }
    return 0;
}

// The jail card's number in each deck.
constexpr int32_t jailCardNumber[2] = {15, 7};

// Squares that draw a card from each deck.
constexpr int32_t cardSquares[2][3] = {{2, 17, 33}, {7, 22, 36}};

// clang-format on

// Rule constants.
constexpr int32_t startingMoney = 1500;
constexpr int32_t goSalary = 200;
constexpr int32_t jailFee = 50;
constexpr int32_t luxuryTax = 75;
constexpr int32_t incomeTaxFlat = 200;
constexpr int32_t middlePotSeed = 500;
constexpr int32_t cardDisplayTicks = 179;
constexpr int32_t noticeTicks = 100;
constexpr int32_t bankruptNoticeTicks = 100;
constexpr int32_t computerThinkTicks = 50;
constexpr int32_t auctionTicks = 165;
constexpr int32_t defaultBidIncrement = 50;
constexpr int32_t hotelLevel = 5;
constexpr int32_t settleTicks = 60;  // a card's or the jail's jump settles before its landing

static_assert(cardAmount(0, 13) == goSalary && cardAmount(1, 5) == goSalary, "Go to GO pays the salary");
static_assert(cardRules[0][jailCardNumber[0]].action == CardJailFree &&
                  cardRules[1][jailCardNumber[1]].action == CardJailFree,
              "each deck's jail card is where the jail rules look for it");

// The property on a square, searching 0..27 in order; -1 for special squares and the jail cell.
int propertyAtSquare(int square);

// propertySlot / 4.
int groupOf(int property);

// (propertySlot / 8 + 1) x 50; meaningful for streets only.
int houseCost(int property);

// propertyPrice / 2.
int mortgageValue(int property);

// What the bank pays back for one house: half its cost.
inline int houseSaleValue(int property) { return houseCost(property) / 2; }

// The streets 0..21 of a group in index order, written to out; returns how many (0 for
// the transport and utility groups).
int groupStreets(int group, int out[4]);

// humanCount + computerCount.
int playersInPlay();

// A seat number 0..7 (owner, bidder and creditor fields also hold bankOwner or middleCreditor).
inline bool isSeat(int seat) { return seat >= 0 && seat < maxSeats; }

// A seat number (0..7) played by the computer.
inline bool seatIsComputer(int seat) { return isSeat(seat) && !game.isHuman[seat]; }

// The property under the current seat's token, or -1 when it stands on none.
inline int propertyUnderCurrentPlayer() {
    return isSeat(game.currentPlayer) ? propertyAtSquare(game.position[game.currentPlayer]) : -1;
}

inline bool isStreet(int property) { return property >= 0 && property < streetCount; }
inline bool isTransport(int property) { return property >= 22 && property <= 25; }
inline bool isUtility(int property) { return property == 26 || property == 27; }

// Property name line 1 and line 2.
inline const char* nameLine1(int property) { return boardNames[property]; }
inline const char* nameLine2(int property) { return boardNames[propertyCount + property]; }
