// Short names on tiles and mini cards, and the asset menu's amount line: the faults are a
// tile that names the wrong property, two tiles that read alike, or a wrong digit count.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "game/tables.h"
#include "ui/labels.h"

// Every tile reads differently in four characters or fewer. Shared first lines are told apart
// by the second; the second iron moon is "IrII".
TEST(ShortName, EveryTileReadsDifferentlyInFourCharactersOrFewer) {
    game = GameState{};
    const struct {
        int property;
        const char* text;
    } cases[] = {{0, "Whar"},  {1, "Baza"},  {20, "Gran"}, {21, "Parl"},       {26, "Iron"},
                 {27, "IrII"}, {13, "Rook"}, {-1, ""},     {propertyCount, ""}};
    for (const auto& c : cases) EXPECT_STREQ(shortName(c.property).text, c.text) << c.property;
    std::set<std::string> seen;
    for (int p = 0; p < propertyCount; ++p) {
        const std::string name = shortName(p).text;
        EXPECT_TRUE(!name.empty() && name.size() <= 4 && seen.insert(name).second) << name;
    }
}

// A trade offer is padded to the digits of the cash (cash 80, offer 5: "Trade $05"); a debt
// gives one digit, not a minus sign. Digits are laid from the right end, each its glyph wide
// ('0' 47, '4' 49, 4 between, in 500ths).
TEST(AmountLine, TextDigitsAndSpans) {
    const struct {
        int kind, cash, offer, count;
        const char* text;
        int digits;
    } cases[] = {
        // clang-format off
        {KindTrade, 80, 5, 0, "Trade $05", 2},        {KindTrade, 1500, 250, 0, "Trade $0250", 4},
        {KindTrade, 0, 0, 0, "Trade $0", 1},          {KindTrade, -120, 0, 0, "Trade $0", 1},
        {KindHouses, 1500, 0, 3, "Buy Houses 3", 1},  {KindMortgage, 1500, 0, 0, "Mortgage", 0},
        {KindMortgage, 1500, 0, -1, "Unmortgage", 0}, {KindMortgage, 1500, 0, 5, "Sell Houses 5", 1}};
    // clang-format on
    for (const auto& c : cases) {
        char line[40];
        amountLineText(line, sizeof line, c.kind, c.cash, c.offer, c.count);
        EXPECT_STREQ(line, c.text);
        EXPECT_EQ(amountLineDigits(line), c.digits) << c.text;
    }
    const DigitSpan units = amountDigitSpan("Trade $0140", 0, 1.3f),
                    tens = amountDigitSpan("Trade $0140", 1, 1.3f);
    EXPECT_NEAR(units.w, 47 / 500.0, 1e-6);
    EXPECT_NEAR(units.x0, 1.3 - 51 / 500.0, 1e-6);
    EXPECT_NEAR(tens.w, 49 / 500.0, 1e-6);
    EXPECT_NEAR(tens.x0 + tens.w + 4 / 500.0, units.x0, 1e-6);
}
