// The game's own random generator and its replaceable clock.
// A linear congruential generator with the classic constants, so a seed replays the same
// dice on every platform; std::rand is never used.
#pragma once

#include <cstdint>

// Seconds of calendar time; tests replace the clock to make reseeding deterministic.
using ClockFunction = int64_t (*)();
void setClock(ClockFunction clock);  // nullptr restores the system clock
int64_t clockSeconds();

void seedRandom(uint32_t seed);
uint32_t randomState();

// Reseed with the current time in whole seconds, as every roll and set-up does.
void reseedFromClock();

// Next draw, 0..32767.
int randomNext();

// randomNext() % n, for n >= 1.
int randomBelow(int n);
