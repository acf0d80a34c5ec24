// Any bytes as one save slot (short inputs padded with zeros): the loader never crashes, a
// refused slot leaves the running game and its name alone, and an accepted one is a loadable
// game that re-encodes to the very bytes it came from.
#include <algorithm>
#include <cstring>

#include "fuzz/fuzz_target.h"
#include "game/invariants.h"
#include "save/save_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    unsigned char slot[slotSize] = {};
    std::memcpy(slot, data, std::min(size, sizeof slot));
    GameState state{};
    char name[slotNameBytes];
    std::memset(name, '#', sizeof name);  // the running game's name: changed by a load only
    unsigned char before[slotSize], after[slotSize];
    encodeSlot(state, name, before);
    const bool accepted = decodeSlot(slot, state, name);
    encodeSlot(state, name, after);
    if (!accepted) {
        if (std::memcmp(before, after, slotSize) != 0)
            fuzzFault("a refused slot changed the game or its name");
        return 0;
    }
    if (std::memchr(name, 0, slotNameBytes) == nullptr) fuzzFault("accepted an unterminated name");
    char why[160] = "";
    if (!checkInvariants(state, why, sizeof why)) fuzzFault("accepted a broken state:", why);
    if (!stateIsLoadable(state)) fuzzFault("accepted a state that is not loadable");
    slot[29] = slot[355] = 0;  // the encoder writes the name's last byte and the reserved bytes as 0
    std::memset(slot + 909, 0, 4);
    std::memset(slot + 2035, 0, 4);
    if (std::memcmp(after, slot, slotSize) != 0) fuzzFault("an accepted slot does not re-encode to itself");
    return 0;
}
