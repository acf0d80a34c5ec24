// The save file: thirty named slots of one binary file in the working directory.
// A slot is a 30-byte name followed by the game record, packed and little-endian, written
// field by field so the layout never depends on the compiler's struct layout.
#pragma once

#include "game/state.h"

constexpr char saveFileName[] = "Tenantry.sav";
constexpr int slotSize = 5399;
constexpr int slotCount = 30;
constexpr int slotNameBytes = 30;
// A file that has only ever had its names written: the last slot's name ends the file.
constexpr long newSaveFileSize = (slotCount - 1) * static_cast<long>(slotSize) + slotNameBytes;
// A file whose last slot has been written.
constexpr long fullSaveFileSize = slotCount * static_cast<long>(slotSize);

// --- save_file.cpp: the file operations the F4 layer calls ---
// A save file that is a symbolic link is read and written through it, at its target.
// Creates the file if it is missing, then reads the 30 slot names into `names` and marks in
// `damaged` the named slots that are cut short or fail validation (both left as they were
// when the file cannot be read).
void ensureSaveFile(char names[slotCount][slotNameBytes], bool damaged[slotCount]);
// Writes `game` and `name` into `slot`; the other slots are kept. Returns 0, or the errno of
// the failure (the file then stays as it was, unless only an in-place write was possible and
// that failed part-way).
int saveGame(int slot, const char name[slotNameBytes]);
enum class LoadResult { Loaded, Empty, Damaged, Unreadable };
// Reads `slot` into `game` and its name into `name`. Unless Loaded, nothing changes: the slot
// is empty, cut short or refused (Damaged), or the file cannot be read (Unreadable, errno
// tells why).
LoadResult loadGame(int slot, char name[slotNameBytes]);

// --- slot_codec.cpp: one slot record in memory ---
void encodeSlot(const GameState& state, const char name[slotNameBytes], unsigned char out[slotSize]);
// Decodes into a copy of `out` and assigns it (and `name`) only when the record is sound;
// returns false, leaving both untouched, when the slot is refused.
bool decodeSlot(const unsigned char in[slotSize], GameState& out, char name[slotNameBytes]);
// Whether decodeSlot would accept the record over the running game.
bool recordIsSound(const unsigned char in[slotSize]);

// --- slot_check.cpp ---
// The invariants plus the limits a loaded game needs to run safely (amounts that cannot
// overflow in play, the token pulse in its cycle). Every state decodeSlot accepts passes it.
bool stateIsLoadable(const GameState& state);
