// Small, readable set-ups shared by the rule and scenario tests.
#pragma once

#include "game/state.h"

// A dealt game without randomness: counts as given (humans first), every seat in play with
// the starting money at GO, decks in card order 0..15, everything the bank's, screen Board.
void startTestGame(int humans, int computers = 0);

// Seat owns the property with the given buildings (-1 mortgaged).
void giveProperty(int seat, int property, int houses = 0);

// Seat owns every street of a group; houses[k] for the k-th street (default all 0).
void giveGroup(int seat, int group, int h0 = 0, int h1 = 0, int h2 = 0);

// Seat sits in the jail cell after the given number of failed rolls.
void putInJail(int seat, int failedRolls = 0);

// Card `card` becomes the top of `deck`, the order of the others kept.
void setTopCard(int deck, int card);

// Money of all seats plus the middle pot.
long long totalMoney();

// Fixed clock for deterministic rolls: every reseed uses this second.
void fixClock(long long seconds);
// A second whose first two draws give dice (a, b) as values 0..5; searched from `from`.
long long secondForDice(int a, int b, long long from = 1000);

// The current seat rolls dice (a, b), values 0..5, through the fixed clock.
void rollWith(int a, int b);
// Runs the board step (advanceMove, advanceSettle) until the move and any settle are over,
// or a card, prompt or notice stops it; returns the ticks taken.
int runBoardSteps(int maxTicks = 1000);

#include <gtest/gtest.h>

// checkInvariants on `game`, with the first violation as the failure message.
testing::AssertionResult stateIsValid();
// Seat stands on the square (and is on turn) and the landing is processed.
void landOn(int square, int seat = 0);
