// Key latches and the two text fields: each key sets its own latch and no other, a press acts
// once until released, key-up clears both flags, and the fields never pass their limits.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <string>
#include <tuple>

#include "app/input.h"
#include "app/shell.h"
#include "game/state.h"
#include "sim/play.h"

namespace {

// Every latch and handled flag is a bool, laid out from the first to keyDownHandled: byte i of this
// prefix is one flag (the padding after it is left out).
constexpr std::size_t flagBytes = offsetof(InputState, keyDownHandled) + 1;
bool* flags(InputState& s) { return reinterpret_cast<bool*>(&s); }
#define AT(member) static_cast<int>(offsetof(InputState, member))

// A key as play.h names it (special keys from 1000), and the byte offsets of its latch and its
// handled flag (-1 for none).

// clang-format off
// clang-format off
const std::tuple<int, int, int> latchCases[] = {
    {KeyEnter, AT(keyEnter), AT(keyEnterHandled)}, {' ', AT(keySpace), AT(keySpaceHandled)},
    {'1', AT(keyDigit), AT(keyDigitHandled)}, {'8', AT(keyDigit) + 7, AT(keyDigitHandled) + 7},
    {'q', AT(keyQ), AT(keyQHandled)}, {'Q', AT(keyQ), AT(keyQHandled)}, {'z', AT(keyZ), -1}, {'Z', AT(keyZ), -1},
    {'x', AT(keyX), -1}, {'X', AT(keyX), -1}, {'a', AT(keyA), -1}, {'A', AT(keyA), -1}, {'d', AT(keyD), -1},
    {'D', AT(keyD), -1}, {'s', AT(keyS), -1}, {'S', AT(keyS), -1}, {'w', AT(keyW), -1}, {'W', AT(keyW), -1},
    {KeyF1, AT(keyF1), AT(keyF1Handled)}, {KeyF2, AT(keyF2), AT(keyF2Handled)}, {KeyF4, AT(keyF4), AT(keyF4Handled)},
    {KeyLeft, AT(keyLeft), AT(keyLeftHandled)}, {KeyUp, AT(keyUp), AT(keyUpHandled)},
    {KeyRight, AT(keyRight), AT(keyRightHandled)}, {KeyDown, AT(keyDown), AT(keyDownHandled)},
    // No latch: the neighbours of the digits, other letters, other special codes.
    {'0', -1, -1}, {'9', -1, -1}, {'e', -1, -1}, {8, -1, -1}, {1003, -1, -1}, {1104, -1, -1}};
// clang-format on
#undef AT

}  // namespace

// Key-down sets exactly its own latch; key-up, with every flag set, clears exactly the latch and
// its handled flag (whether or not the press was ever consumed), so a press acts once until
// released.
TEST(Latches, EachKeySetsAndClearsOnlyItsOwnFlags) {
    for (auto [key, latch, handled] : latchCases) {
        SCOPED_TRACE(key);
        InputState want{};
        resetProgram();
        if (latch >= 0) flags(want)[latch] = true;
        keyDown(key);
        EXPECT_EQ(std::memcmp(flags(input), flags(want), flagBytes), 0) << "key-down";
        std::memset(flags(input), 1, flagBytes), std::memset(flags(want), 1, flagBytes);
        for (int at : {latch, handled})
            if (at >= 0) flags(want)[at] = false;
        keyUp(key);
        EXPECT_EQ(std::memcmp(flags(input), flags(want), flagBytes), 0) << "key-up";
    }
}

// Widths: W is 93 wide (+4 between characters), i 11, space 30 (+4), '+' 48, '*' 32.
// A field takes a character while it stays below its count and its width stays below the limit.
TEST(TextFields, CountAndWidthLimitsBackspaceAndWhereTheTextGoes) {
    // screen, entry being named, help, statistics, save menu, save name entry; typed; the entry's
    // name and the save name after it.
    // clang-format off
    const std::tuple<int, int, bool, bool, bool, bool, const char*, const char*, const char*> cases[] = {
        {NameEntry, 0, 0, 0, 0, 0, "iiiiiiiiiijjjjjj", "iiiiiiiiiijjjj", ""},           // 14 characters
        {NameEntry, 3, 0, 0, 0, 0, "WWWWWi", "WWWWi", ""},                              // 388 + 93 = 481: no
        {NameEntry, 7, 0, 0, 0, 0, "WWWW +*", "WWWW *", ""},                            // 422 + 48 = 470: no
        {NameEntry, 0, 0, 0, 0, 0, "\bab\b\bc", "c", ""},                               // BACKSPACE
        {NameEntry, 0, 0, 0, 0, 0, "a\t\x1b\x7f\x80\xff\r", "a", ""},                   // no glyph, ENTER
        {NameEntry, 0, 1, 0, 0, 0, "ab", "", ""},                                       // help over it
        {NameEntry, 0, 0, 1, 0, 0, "ab", "", ""},                                       // statistics
        {Board, 0, 0, 0, 0, 0, "ab", "", ""},                                           // not naming
        {Board, 0, 0, 0, 1, 1, "iiiiiiiiiijjjjjjjjjjlll", "", "iiiiiiiiiijjjjjjjjjj"},  // 20
        {Board, 0, 0, 0, 1, 1, "WWWWWWW\b\bi", "", "WWWWi"},                            // 582 + 93 = 675: no
        {NameEntry, 0, 0, 0, 1, 1, "g1", "", "g1"}};                                    // the save name only
    // clang-format on
    for (auto [screen, entry, help, stats, saveMenu, saveEntry, typed, name, saveName] : cases) {
        resetProgram(), game.screen = screen, game.currentPlayer = entry;
        shell.helpOpen = help, shell.statsOpen = stats, shell.saveMenuOpen = saveMenu,
        shell.saveNameEntry = saveEntry;
        typeText(typed);
        EXPECT_EQ(std::make_pair(std::string(game.playerNames[entry]), std::string(shell.saveName)),
                  std::make_pair(std::string(name), std::string(saveName)))
            << typed;
    }
}
