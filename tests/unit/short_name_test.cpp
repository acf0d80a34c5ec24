// Short names on tiles and mini cards, and the asset menu's amount line: the faults are a
// tile that names the wrong property, two tiles that read alike, or a wrong digit count.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "game/tables.h"
#include "render/labels.h"

TEST(ShortName, SharedFirstLinesAreToldApartByTheSecond) {
    game = GameState{};
    EXPECT_STREQ(shortName(0).text, "Whar");  // "Old Wharf": characters 5 to 8
    EXPECT_STREQ(shortName(1).text, "Baza");
    EXPECT_STREQ(shortName(20).text, "Gran");  // first four of line 2
    EXPECT_STREQ(shortName(21).text, "Parl");
}

TEST(ShortName, IronMoons) {
    game = GameState{};
    EXPECT_STREQ(shortName(26).text, "Iron");
    EXPECT_STREQ(shortName(27).text, "IrII");
    EXPECT_EQ(std::strncmp(shortName(26).text, nameLine1(26), 4), 0);
}

TEST(ShortName, EveryTileReadsDifferentlyInFourCharactersOrFewer) {
    game = GameState{};
    std::set<std::string> seen;
    for (int p = 0; p < propertyCount; ++p) {
        const std::string name = shortName(p).text;
        EXPECT_GE(name.size(), 1u) << p;
        EXPECT_LE(name.size(), 4u) << p;
        EXPECT_TRUE(seen.insert(name).second) << "duplicate " << name;
    }
    EXPECT_STREQ(shortName(13).text, "Rook");
    EXPECT_STREQ(shortName(-1).text, "");
    EXPECT_STREQ(shortName(propertyCount).text, "");
}

TEST(PropertyTitle, OneOrTwoLines) {
    game = GameState{};
    char text[80];
    propertyTitle(text, sizeof text, "Buy", 18);
    EXPECT_STREQ(text, "Buy Shipwright");  // no trailing blank for a one-line name
    propertyTitle(text, sizeof text, "Unmortgage", 23);
    EXPECT_STREQ(text, "Unmortgage Union Troop Carrier");
}

TEST(AmountLine, TradeOfferIsPaddedToTheDigitsOfTheCash) {
    game = GameState{};
    char line[40];
    amountLineText(line, sizeof line, KindTrade, 80, 5, 0);
    EXPECT_STREQ(line, "Trade $05");
    amountLineText(line, sizeof line, KindTrade, 1500, 250, 0);
    EXPECT_STREQ(line, "Trade $0250");
    EXPECT_EQ(amountLineDigits(line), 4);
    amountLineText(line, sizeof line, KindTrade, 0, 0, 0);
    EXPECT_STREQ(line, "Trade $0");
    amountLineText(line, sizeof line, KindTrade, -120, 0, 0);  // in debt: one digit, not a minus sign
    EXPECT_STREQ(line, "Trade $0");
}

TEST(AmountLine, HousesAndMortgageKinds) {
    game = GameState{};
    char line[40];
    amountLineText(line, sizeof line, KindHouses, 1500, 0, 3);
    EXPECT_STREQ(line, "Buy Houses 3");
    EXPECT_EQ(amountLineDigits(line), 1);
    amountLineText(line, sizeof line, KindMortgage, 1500, 0, 0);
    EXPECT_STREQ(line, "Mortgage");
    EXPECT_EQ(amountLineDigits(line), 0);
    amountLineText(line, sizeof line, KindMortgage, 1500, 0, -1);
    EXPECT_STREQ(line, "Unmortgage");
    amountLineText(line, sizeof line, KindMortgage, 1500, 0, 5);
    EXPECT_STREQ(line, "Sell Houses 5");
}

// Digits are laid from the right end: each takes its advance plus the 4-pixel gap.
TEST(AmountLine, DigitSpansFromTheRight) {
    game = GameState{};
    const DigitSpan units = amountDigitSpan("Trade $0140", 0, 1.3f);
    EXPECT_NEAR(units.w, 47 / 500.0, 1e-6);  // '0'
    EXPECT_NEAR(units.x0, 1.3 - 51 / 500.0, 1e-6);
    const DigitSpan tens = amountDigitSpan("Trade $0140", 1, 1.3f);
    EXPECT_NEAR(tens.w, 49 / 500.0, 1e-6);  // '4'
    EXPECT_NEAR(tens.x0, 1.3 - (51 + 53) / 500.0, 1e-6);
    EXPECT_NEAR(amountDigitSpan("Trade $0140", 2, 1.3f).w, 26 / 500.0, 1e-6);  // '1'
}
