// The record's invariants, checked by soak and fuzz tests after every tick and by the save
// loader before it accepts a slot.
#pragma once

#include <cstddef>

#include "game/state.h"

// True when every invariant holds. Otherwise false, with a one-line description of the first
// violation written to `why` (when given).
bool checkInvariants(const GameState& state, char* why = nullptr, size_t whySize = 0);
