#include "game/random.h"

#include <ctime>

static uint32_t generatorState = 1;

static int64_t systemClock() { return static_cast<int64_t>(std::time(nullptr)); }

static ClockFunction currentClock = systemClock;

void setClock(ClockFunction clock) { currentClock = clock ? clock : systemClock; }

int64_t clockSeconds() { return currentClock(); }

void seedRandom(uint32_t seed) { generatorState = seed; }

uint32_t randomState() { return generatorState; }

void reseedFromClock() { seedRandom(static_cast<uint32_t>(clockSeconds())); }

int randomNext() {
    generatorState = generatorState * 214013u + 2531011u;
    return static_cast<int>((generatorState >> 16) & 0x7FFF);
}

int randomBelow(int n) { return randomNext() % n; }
