// Damaged slots made from real ones: whatever the loader accepts must be a sound game (it
// passes the invariants and re-encodes to the very bytes it came from), and whatever it refuses
// must leave the running game untouched. Deterministic: fixed seeds throughout.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

#include "app/shell.h"
#include "game/invariants.h"
#include "game/random.h"
#include "game/rules.h"
#include "game/tables.h"
#include "save/save_file.h"
#include "support/fixtures.h"

namespace {

// ---------------------------------------------------------------------------------------------
// Real states to start from
// ---------------------------------------------------------------------------------------------

// A dealt game with owners, buildings, money, positions, timers and menus drawn at random
// within what play produces.
GameState randomPlayedState(std::mt19937& rng) {
    auto pick = [&rng](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
    const int humans = pick(1, 7);
    const int computers = pick(humans == 1 ? 1 : 0, 8 - humans);
    const int seats = humans + computers;
    startTestGame(humans, computers);
    computeBoardGeometry();
    for (int p = 0; p < propertyCount; ++p) {
        const int owner = pick(0, seats);
        if (owner == seats) continue;  // stays the bank's
        giveProperty(owner, p, pick(-1, p < streetCount ? hotelLevel : 0));
    }
    for (int s = 0; s < seats; ++s) {
        game.money[s] = pick(-400, 6000);
        game.position[s] = pick(0, jailCell);
        game.jailTurns[s] = pick(0, 2);
        for (int t = 0; t < seats; ++t) game.proposeCooldown[s][t] = pick(0, 9);
    }
    setTopCard(0, pick(0, deckSize - 1));
    setTopCard(1, pick(0, deckSize - 1));
    game.currentPlayer = pick(0, seats - 1);
    game.dice[0] = pick(0, 5);
    game.dice[1] = pick(0, 5);
    game.diceTimer = pick(0, 30);
    game.arrivalTimer = pick(0, 60);
    game.cardTimer = pick(0, cardDisplayTicks);
    game.noticeTimer = pick(0, noticeTicks);
    game.noticeIndex = pick(0, 1);
    game.noticePlayer[0] = pick(0, seats - 1);
    game.noticeAmount[0] = pick(-200, 2000);
    std::strcpy(game.noticeReason[0], "rent of Redspire ");
    game.moving = pick(0, 1);
    game.moveTarget = pick(0, jailCell);
    game.screen = pick(0, 1) ? Board : AssetMenu;
    game.menuIndex = pick(1, 3);
    game.menuPlayer = pick(0, seats - 1);
    game.assetCursor = pick(CursorJailCard1, CursorBack);
    game.houseCount = pick(-1, hotelLevel);
    game.zoom = 0.5f + pick(0, 50) * 0.01f;
    game.panX = pick(-25, 25) * 0.01f;
    game.pulseStep = pick(0, 19);
    game.unmortgageMargin = 1.3f + pick(0, 5) * 0.1f;
    game.buildReserve = pick(50, 200);
    return game;
}

std::vector<GameState> seedStates() {
    std::vector<GameState> seeds;
    seeds.push_back(GameState{});  // program start: nothing dealt
    fixClock(1700000000);
    for (int seats = 2; seats <= 8; seats += 3) {
        game = GameState{};
        game.humanCount = seats - 1;
        game.computerCount = 1;
        setUpGame();  // naming the players, decks shuffled
        seeds.push_back(game);
        resetToStartMenu();  // back at the start, the last deal still in the decks
        seeds.push_back(game);
    }
    setClock(nullptr);
    std::mt19937 rng(7);
    for (int i = 0; i < 12; ++i) seeds.push_back(randomPlayedState(rng));
    game = GameState{};
    return seeds;
}

// ---------------------------------------------------------------------------------------------
// Checking one slot
// ---------------------------------------------------------------------------------------------

// The encoder writes the name's last byte and the reserved fields its own way: as zeros.
void clearEncoderOwnedBytes(unsigned char* slot) {
    slot[29] = 0;
    slot[355] = 0;
    std::memset(slot + 909, 0, 4);
    std::memset(slot + 2035, 0, 4);
}

struct Tally {
    int accepted = 0;
    int refused = 0;
    int faults = 0;

    void fault(const char* what, int iteration) {
        if (++faults <= 5) ADD_FAILURE() << what << " (case " << iteration << ")";
    }
};

// Everything the loader lets through comes here. Once the frame step exists, this is where a
// few hundred ticks of play from the loaded state belong, with the invariants checked after
// each one.
void exerciseLoadedGame(const GameState& loaded, Tally& tally, int iteration) {
    char why[128] = "";
    if (!checkInvariants(loaded, why, sizeof why)) tally.fault(why, iteration);
}

// A game in progress that a slot is loaded over, with its record for spotting any change.
struct Running {
    GameState state;
    unsigned char bytes[slotSize];
};

constexpr char untouchedName = '#';

std::vector<Running> runningGames(const std::vector<GameState>& states) {
    std::vector<Running> games(states.size());
    char name[slotNameBytes];
    std::memset(name, untouchedName, sizeof name);
    for (size_t i = 0; i < states.size(); ++i) {
        games[i].state = states[i];
        encodeSlot(states[i], name, games[i].bytes);
    }
    return games;
}

void checkSlot(const unsigned char slot[slotSize], const Running& running, Tally& tally, int iteration) {
    GameState target = running.state;
    char name[slotNameBytes];
    std::memset(name, untouchedName, sizeof name);
    unsigned char after[slotSize];

    if (!decodeSlot(slot, target, name)) {
        ++tally.refused;
        encodeSlot(target, name, after);
        if (std::memcmp(running.bytes, after, slotSize) != 0)
            tally.fault("a refused slot changed the game", iteration);
        if (name[0] != untouchedName || name[29] != untouchedName)
            tally.fault("a refused slot changed the name", iteration);
        return;
    }
    ++tally.accepted;
    if (std::memchr(name, 0, slotNameBytes) == nullptr)
        tally.fault("accepted an unterminated name", iteration);
    encodeSlot(target, name, after);
    unsigned char expected[slotSize];
    std::memcpy(expected, slot, slotSize);
    clearEncoderOwnedBytes(expected);
    if (std::memcmp(after, expected, slotSize) != 0)
        tally.fault("an accepted slot does not re-encode to itself", iteration);
    exerciseLoadedGame(target, tally, iteration);
}

// ---------------------------------------------------------------------------------------------
// Mutations
// ---------------------------------------------------------------------------------------------

// Words at the edges of the record's ranges, read as integers or as floats.
const uint32_t extremes[] = {
    0xFFFFFFFFu /* -1, a NaN */,
    0x80000000u /* INT_MIN, -0.0f */,
    0x7FFFFFFFu /* INT_MAX */,
    0x00000029u /* 41 */,
    0x7F800000u /* infinity */,
    0x3F800001u /* just above 1 */,
    0x05F5E101u /* just past the amount limit */,
};
const uint32_t moreExtremes[] = {0x00000000u, 0x00000001u, 0x00000010u, 0x00000028u, 0x7FC00000u};

void putWord(unsigned char* slot, int offset, uint32_t value) {
    for (int i = 0; i < 4; ++i) slot[offset + i] = static_cast<unsigned char>(value >> (8 * i));
}

uint32_t getWord(const unsigned char* slot, int offset) {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value |= static_cast<uint32_t>(slot[offset + i]) << (8 * i);
    return value;
}

void mutate(unsigned char* slot, const unsigned char* other, std::mt19937& rng) {
    auto pick = [&rng](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
    const int offset = pick(slotNameBytes, slotSize - 4);
    switch (pick(0, 5)) {
        case 0:  // flip a few bits
            for (int n = pick(1, 8); n > 0; --n) slot[pick(0, slotSize - 1)] ^= 1u << pick(0, 7);
            break;
        case 1:  // an extreme word
            if (pick(0, 1))
                putWord(slot, offset, extremes[pick(0, sizeof extremes / sizeof extremes[0] - 1)]);
            else
                putWord(slot, offset,
                        moreExtremes[pick(0, sizeof moreExtremes / sizeof moreExtremes[0] - 1)]);
            break;
        case 2:  // a number one past where it was: the edges of every range
            putWord(slot, offset, getWord(slot, offset) + static_cast<uint32_t>(pick(0, 1) ? 1 : -1));
            break;
        case 3: {  // a byte to a telling value
            const unsigned char values[] = {0, 1, 2, 0x7F, 0x80, 0xFF};
            slot[pick(0, slotSize - 1)] = values[pick(0, 5)];
            break;
        }
        case 4: {  // a stretch of another real slot
            const int length = pick(1, 400);
            const int from = pick(0, slotSize - length);
            std::memcpy(slot + from, other + from, static_cast<size_t>(length));
            break;
        }
        default:  // a stretch of noise
            for (int n = pick(1, 64), at = pick(0, slotSize - 64); n > 0; --n, ++at)
                slot[at] = static_cast<unsigned char>(rng());
            break;
    }
}

}  // namespace

TEST(SaveFuzz, SeedsAreSoundAndLoad) {
    game = GameState{};
    const std::vector<GameState> seeds = seedStates();
    const std::vector<Running> running = runningGames(seeds);
    Tally tally;
    for (size_t i = 0; i < seeds.size(); ++i) {
        char why[128] = "";
        ASSERT_TRUE(checkInvariants(seeds[i], why, sizeof why)) << "seed " << i << ": " << why;
        unsigned char slot[slotSize];
        char name[slotNameBytes] = "seed";
        encodeSlot(seeds[i], name, slot);
        checkSlot(slot, running[(i + 1) % seeds.size()], tally, static_cast<int>(i));
    }
    EXPECT_EQ(tally.accepted, static_cast<int>(seeds.size()));
    EXPECT_EQ(tally.faults, 0);
}

// Fields are packed at any offset, so every offset gets the words most likely to slip past a
// range check: -1 (also a NaN), the most negative number (also -0.0f) and 41.
TEST(SaveFuzz, EveryOffsetTakesExtremeWords) {
    game = GameState{};
    const std::vector<GameState> seeds = seedStates();
    const std::vector<Running> running = runningGames(seeds);
    const uint32_t words[] = {0xFFFFFFFFu, 0x80000000u, 0x00000029u};
    Tally tally;
    int iteration = 0;
    for (int offset = slotNameBytes; offset <= slotSize - 4; ++offset) {
        const size_t seed = static_cast<size_t>(offset) % seeds.size();
        for (uint32_t value : words) {
            unsigned char slot[slotSize];
            std::memcpy(slot, running[seed].bytes, slotSize);
            slot[0] = 'w';
            putWord(slot, offset, value);
            checkSlot(slot, running[static_cast<size_t>(iteration) % running.size()], tally, iteration);
            ++iteration;
        }
    }
    EXPECT_EQ(tally.faults, 0);
    // Both outcomes are exercised in bulk: words the record tolerates, and ones it must refuse.
    EXPECT_GT(tally.accepted, 3000);
    EXPECT_GT(tally.refused, 3000);
}

TEST(SaveFuzz, RandomMutationsOfRealSlots) {
    game = GameState{};
    const std::vector<Running> running = runningGames(seedStates());
    std::mt19937 rng(12345);
    Tally tally;
    for (int iteration = 0; iteration < 8000; ++iteration) {
        const Running& source = running[rng() % running.size()];
        const Running& other = running[rng() % running.size()];
        unsigned char slot[slotSize];
        std::memcpy(slot, source.bytes, slotSize);
        slot[0] = 'm';
        for (int n = 1 + static_cast<int>(rng() % 3); n > 0; --n) mutate(slot, other.bytes, rng);
        checkSlot(slot, other, tally, iteration);
    }
    EXPECT_EQ(tally.faults, 0);
    EXPECT_GT(tally.accepted, 1000);
    EXPECT_GT(tally.refused, 1000);
}

TEST(SaveFuzz, PureNoiseIsRefused) {
    game = GameState{};
    std::mt19937 rng(99);
    Tally tally;
    const std::vector<Running> running = runningGames(seedStates());
    for (int iteration = 0; iteration < 1000; ++iteration) {
        unsigned char slot[slotSize];
        for (unsigned char& b : slot) b = static_cast<unsigned char>(rng());
        slot[5] = 0;  // a terminated name, so the record itself is judged
        checkSlot(slot, running.back(), tally, iteration);
    }
    EXPECT_EQ(tally.faults, 0);
    EXPECT_EQ(tally.accepted, 0);
}

TEST(SaveFuzz, MutatedSlotsThroughTheFile) {
    game = GameState{};
    shell = ShellState{};
    const std::filesystem::path previous = std::filesystem::current_path();
    char pattern[] = "/tmp/tenantry-fuzz-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    std::filesystem::current_path(pattern);

    const std::vector<GameState> seeds = seedStates();
    std::mt19937 rng(4242);
    int accepted = 0;
    for (int iteration = 0; iteration < 200; ++iteration) {
        const GameState& source = seeds[rng() % seeds.size()];
        const GameState running = seeds[rng() % seeds.size()];
        unsigned char slot[slotSize], other[slotSize];
        char name[slotNameBytes] = "file";
        encodeSlot(source, name, slot);
        encodeSlot(running, name, other);
        mutate(slot, other, rng);
        const int k = static_cast<int>(rng() % slotCount);
        {
            std::ofstream out(saveFileName, std::ios::binary | std::ios::trunc);
            const std::vector<char> gap(static_cast<size_t>(k) * slotSize, 0);
            out.write(gap.data(), static_cast<std::streamsize>(gap.size()));
            out.write(reinterpret_cast<const char*>(slot), slotSize);
        }
        game = running;
        std::strcpy(shell.saveName, "typed");
        shell.saveSlot = k;
        loadGame();

        GameState expected = running;
        char expectedName[slotNameBytes];
        std::strcpy(expectedName, "typed");
        const bool accepts = slot[0] != 0 && decodeSlot(slot, expected, expectedName);
        accepted += accepts;
        unsigned char got[slotSize], want[slotSize];
        encodeSlot(game, name, got);
        encodeSlot(expected, name, want);
        EXPECT_EQ(std::memcmp(got, want, slotSize), 0) << "case " << iteration;
        EXPECT_STREQ(shell.saveName, expectedName) << "case " << iteration;
        EXPECT_TRUE(checkInvariants(game)) << "case " << iteration;
    }
    EXPECT_GT(accepted, 0);

    std::filesystem::current_path(previous);
    std::filesystem::remove_all(pattern);
}
