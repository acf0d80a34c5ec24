// Key latches and the two text fields: a press must act once, key-up must clear both flags,
// and the fields must never take more than their limits.
#include <gtest/gtest.h>

#include <cstring>

#include "app/input.h"
#include "app/shell.h"
#include "game/state.h"

namespace {

void resetAll() {
    game = GameState{};
    shell = ShellState{};
    input = InputState{};
}

void type(const char* text) {
    for (const char* p = text; *p; ++p) {
        onKeyDown(static_cast<unsigned char>(*p), 0, 0);
        onKeyUp(static_cast<unsigned char>(*p), 0, 0);
    }
}

}  // namespace

TEST(Latches, PressActsOnceUntilReleased) {
    resetAll();
    onKeyDown(keyCodeEnter, 0, 0);
    EXPECT_TRUE(takePress(input.keyEnter, input.keyEnterHandled));
    EXPECT_FALSE(takePress(input.keyEnter, input.keyEnterHandled));
    onKeyDown(keyCodeEnter, 0, 0);  // auto-repeat while held
    EXPECT_FALSE(takePress(input.keyEnter, input.keyEnterHandled));
    onKeyUp(keyCodeEnter, 0, 0);
    EXPECT_FALSE(input.keyEnter);
    EXPECT_FALSE(input.keyEnterHandled);
    onKeyDown(keyCodeEnter, 0, 0);
    EXPECT_TRUE(takePress(input.keyEnter, input.keyEnterHandled));
}

TEST(Latches, ReleaseClearsHandledEvenIfNeverConsumed) {
    resetAll();
    input.keyQHandled = true;
    onKeyDown('Q', 0, 0);
    onKeyUp('q', 0, 0);  // either case is the same key
    EXPECT_FALSE(input.keyQ);
    EXPECT_FALSE(input.keyQHandled);
}

TEST(Latches, DigitsHeldKeysAndSpecialKeys) {
    resetAll();
    onKeyDown('1', 0, 0);
    onKeyDown('8', 0, 0);
    onKeyDown('9', 0, 0);  // no latch for 9
    EXPECT_TRUE(input.keyDigit[0]);
    EXPECT_TRUE(input.keyDigit[7]);
    onKeyDown('z', 0, 0);
    onKeyDown('W', 0, 0);
    EXPECT_TRUE(input.keyZ);
    EXPECT_TRUE(input.keyW);
    onKeyUp('Z', 0, 0);
    EXPECT_FALSE(input.keyZ);
    onSpecialDown(specialKeyF1, 0, 0);
    onSpecialDown(specialKeyDown, 0, 0);
    EXPECT_TRUE(input.keyF1);
    EXPECT_TRUE(input.keyDown);
    input.keyDownHandled = true;
    onSpecialUp(specialKeyDown, 0, 0);
    EXPECT_FALSE(input.keyDown);
    EXPECT_FALSE(input.keyDownHandled);
    onSpecialDown(2, 0, 0);  // F2: no latch, no effect
    EXPECT_FALSE(input.keyF4);
}

TEST(Latches, EveryKeyCodeIsSafe) {
    resetAll();
    game.screen = NameEntry;
    shell.saveNameEntry = true;
    for (int key = 0; key < 256; ++key) {
        onKeyDown(static_cast<unsigned char>(key), 0, 0);
        onKeyUp(static_cast<unsigned char>(key), 0, 0);
    }
    for (int key = -5; key < 300; ++key) {
        onSpecialDown(key, 0, 0);
        onSpecialUp(key, 0, 0);
    }
    EXPECT_LE(std::strlen(game.playerNames[0]), 14u);
    EXPECT_LE(std::strlen(shell.saveName), 20u);
}

TEST(PlayerNameEntry, FourteenCharactersAtMost) {
    resetAll();
    game.screen = NameEntry;
    type("iiiiiiiiiijjjjjj");  // narrow letters: the count limit bites first
    EXPECT_STREQ(game.playerNames[0], "iiiiiiiiiijjjj");
}

TEST(PlayerNameEntry, WidthBelow470) {
    resetAll();
    game.screen = NameEntry;
    type("WWWW");  // 4 x (93 + 4) = 388
    type("W");     // 388 + 93 = 481: refused
    EXPECT_STREQ(game.playerNames[0], "WWWW");
    type("i");  // 388 + 11 = 399: taken
    EXPECT_STREQ(game.playerNames[0], "WWWWi");
}

TEST(PlayerNameEntry, SpaceCounts30Plus4) {
    resetAll();
    game.screen = NameEntry;
    // 4 W (388) + space: 388 + 30 < 470 taken; measured 388 + 34 = 422.
    type("WWWW ");
    EXPECT_STREQ(game.playerNames[0], "WWWW ");
    // 422 + 46 ('+' is 48 wide, so 470: refused) and '*' (32): 454 taken.
    type("+");
    EXPECT_STREQ(game.playerNames[0], "WWWW ");
    type("*");
    EXPECT_STREQ(game.playerNames[0], "WWWW *");
}

TEST(PlayerNameEntry, BackspaceAndRefusedCharacters) {
    resetAll();
    game.screen = NameEntry;
    onKeyDown(keyCodeBackspace, 0, 0);  // empty: nothing happens
    EXPECT_STREQ(game.playerNames[0], "");
    type("ab");
    onKeyDown(keyCodeBackspace, 0, 0);
    EXPECT_STREQ(game.playerNames[0], "a");
    for (unsigned char c : {9, 27, 127, 128, 200, 255}) onKeyDown(c, 0, 0);
    EXPECT_STREQ(game.playerNames[0], "a");
    onKeyDown(keyCodeEnter, 0, 0);
    EXPECT_STREQ(game.playerNames[0], "a");
}

TEST(PlayerNameEntry, TypesIntoTheEntryBeingNamedOnlyOnThatScreen) {
    resetAll();
    game.screen = NameEntry;
    game.currentPlayer = 3;
    type("C4");
    EXPECT_STREQ(game.playerNames[3], "C4");
    EXPECT_TRUE(input.keyDigit[3] == false);  // released again by type()
    shell.helpOpen = true;
    type("x");
    shell.helpOpen = false;
    game.screen = Board;
    type("y");
    EXPECT_STREQ(game.playerNames[3], "C4");
}

TEST(SaveNameEntry, TwentyCharactersAndWidthBelow650) {
    resetAll();
    shell.saveNameEntry = true;
    type("iiiiiiiiiijjjjjjjjjjlll");
    EXPECT_STREQ(shell.saveName, "iiiiiiiiiijjjjjjjjjj");
    shell.saveName[0] = '\0';
    type("WWWWWWW");  // 7 x 97 = 679 would be reached at the 7th: 582 + 93 = 675 refused
    EXPECT_STREQ(shell.saveName, "WWWWWW");
}

TEST(SaveNameEntry, TypingIntoBothFieldsAtOnce) {
    resetAll();
    game.screen = NameEntry;
    shell.saveNameEntry = true;
    shell.saveMenuOpen = true;  // the save layer keeps the player name untouched
    type("g1");
    EXPECT_STREQ(shell.saveName, "g1");
    EXPECT_STREQ(game.playerNames[0], "");
}
