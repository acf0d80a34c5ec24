// Small shared views of the board that several computer routines take: who holds a colour
// group, a group's worth, and the random visiting orders.
#pragma once

#include "game/state.h"

constexpr int colourGroupCount = 8;  // groups 0..7 are the streets' colour groups

// Every street of the group is the seat's and none is mortgaged: it may build there.
bool holdsBuildableGroup(int seat, int group);
// Every street of the group is the seat's, mortgaged or not.
bool holdsWholeGroup(int seat, int group);

// What a colour group is worth to the traders: the price of property 3 x group + 1.
int groupBaseValue(int group);

// A colour group's streets counted for two seats.
struct GroupTally {
    int mine;    // streets of the first seat
    int theirs;  // streets of the second seat
    int total;   // streets in the group (2 or 3)
};
GroupTally tallyGroup(int group, int mine, int theirs);

// Random visiting order of 0..n-1 (n at most 28): each i in turn is put at the first drawn
// position that is still free, so the table read from 0 up is the order.
void shuffleOrder(int* table, int n);

// Integer part of a fraction, toward zero.
inline int truncated(double value) { return static_cast<int>(value); }
