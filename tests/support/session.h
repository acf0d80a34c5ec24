// Scenario helpers on top of play.h: a fresh program per test, waiting for the board to come
// to rest, rolling chosen dice with the keys, and a whole-record snapshot for "nothing changed".
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

// Every scenario starts from the program-start state with the clock fixed.
class Session : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

// Resets the program and deals a game on the Board screen (see startTestGame).
void startBoardGame(int humans, int computers = 0);

// Presses keys by name, one tick each, as "RIGHT RIGHT ENTER": UP DOWN LEFT RIGHT ENTER F1 F2 F4
// BS or any single character; "KEY*n" presses it n times; "A+B" holds both for one tick.
void keys(const char* sequence);

// Steps of keys, each followed by one check: {"DOWN*2", cursor, CursorConfirm}.
struct KeyStep {
    const char* keys;
    int (*value)();
    int expected;
};
void playSteps(std::initializer_list<KeyStep> steps);

// ENTER on Roll with the clock fixed to a second that deals dice (a, b) (values 0..5), then
// ticks until nothing on the board moves, settles, shows a card or glides, or a prompt lies
// over it: either way the keys are taken again.
void rollAndRest(int a, int b);

// The whole game record in its save encoding, to show that a refused action changed nothing.
std::string snapshot();
