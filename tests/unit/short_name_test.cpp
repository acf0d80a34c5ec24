// Short names on tiles and mini cards: the faults are a tile that names the wrong property, or
// two tiles that read alike.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "game/tables.h"
#include "ui/labels.h"

// Every tile reads differently in four characters or fewer. Shared first lines are told apart
// by the second; the second iron moon is "IrII"; no property, no name.
TEST(ShortName, EveryTileReadsDifferentlyInFourCharactersOrFewer) {
    game = GameState{};
    // clang-format off
    const std::pair<int, const char*> cases[] = {{0, "Whar"}, {1, "Baza"}, {20, "Gran"}, {21, "Parl"}, {26, "Iron"},
                                                 {27, "IrII"}, {13, "Rook"}, {-1, ""}, {propertyCount, ""}};
    // clang-format on
    for (auto [property, text] : cases) EXPECT_STREQ(shortName(property).text, text) << property;
    std::set<std::string> seen;
    for (int p = 0; p < propertyCount; ++p) {
        const std::string name = shortName(p).text;
        EXPECT_TRUE(!name.empty() && name.size() <= 4 && seen.insert(name).second) << name;
    }
}
