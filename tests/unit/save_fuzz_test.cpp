// Damaged slots made from real ones: whatever the loader accepts must be a sound game (it
// passes the invariants, re-encodes to the very bytes it came from and stays sound in play),
// and whatever it refuses must leave the running game untouched. Fixed seeds throughout.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

#include "app/shell.h"
#include "game/invariants.h"
#include "game/random.h"
#include "game/rules.h"
#include "game/tables.h"
#include "save/save_file.h"
#include "sim/play.h"
#include "support/fixtures.h"

namespace {

int pick(std::mt19937& rng, int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); }

// A dealt game with owners, buildings, money, positions, timers and menus drawn at random
// within what play produces.
GameState randomPlayedState(std::mt19937& rng) {
    const int humans = pick(rng, 1, 7);
    const int seats = humans + pick(rng, humans == 1 ? 1 : 0, 8 - humans);
    startTestGame(humans, seats - humans);
    computeBoardGeometry();
    for (int p = 0; p < propertyCount; ++p) {
        const int owner = pick(rng, 0, seats);  // `seats`: stays the bank's
        if (owner < seats) giveProperty(owner, p, pick(rng, -1, p < streetCount ? hotelLevel : 0));
    }
    for (int s = 0; s < seats; ++s) {
        game.money[s] = pick(rng, -400, 6000), game.position[s] = pick(rng, 0, jailCell);
        game.jailTurns[s] = pick(rng, 0, 2);
        for (int t = 0; t < seats; ++t) game.proposeCooldown[s][t] = pick(rng, 0, 9);
    }
    for (int deck : {0, 1}) setTopCard(deck, pick(rng, 0, deckSize - 1));
    game.currentPlayer = game.noticePlayer[0] = pick(rng, 0, seats - 1);
    game.cardTimer = pick(rng, 0, cardDisplayTicks), game.noticeTimer = pick(rng, 0, noticeTicks);
    game.moving = pick(rng, 0, 1), game.moveTarget = pick(rng, 0, jailCell);
    game.screen = pick(rng, 0, 1) ? Board : AssetMenu;
    if (game.screen == AssetMenu) game.menuIndex = pick(rng, KindTrade, KindMortgage);
    game.menuPlayer = pick(rng, 0, seats - 1), game.assetCursor = pick(rng, CursorJailCard1, CursorBack);
    game.zoom = 0.5f + pick(rng, 0, 50) * 0.01f;
    // Negative cash comes only with the debt state and assets that cover it.
    for (int s = 0; s < seats; ++s) {
        if (game.money[s] >= 0) continue;
        if (netWorth(s) < 0)
            game.money[s] = 0;
        else
            openDebtState(s);
    }
    return game;
}

// Program start, freshly set-up games, the start menu after a deal, and played games.
std::vector<GameState> seedStates() {
    std::vector<GameState> seeds = {GameState{}};
    fixClock(1700000000);
    for (int seats = 2; seats <= 8; seats += 3) {
        game = GameState{};
        game.humanCount = seats - 1, game.computerCount = 1;
        setUpGame();
        seeds.push_back(game);
        resetToStartMenu();  // the last deal still in the decks
        seeds.push_back(game);
    }
    setClock(nullptr);
    std::mt19937 rng(7);
    for (int i = 0; i < 12; ++i) seeds.push_back(randomPlayedState(rng));
    game = GameState{};
    return seeds;
}

void putWord(unsigned char* slot, int offset, uint32_t value) {
    for (int i = 0; i < 4; ++i) slot[offset + i] = static_cast<unsigned char>(value >> (8 * i));
}

// Every seed as a slot record, and tallies of what the loader made of the slots fed to it.
struct Fuzz {
    std::vector<GameState> seeds = seedStates();
    std::vector<std::vector<unsigned char>> records;
    int accepted = 0, refused = 0, faults = 0, played = 0;

    Fuzz() {
        char name[slotNameBytes];
        std::memset(name, '#', sizeof name);  // a running game's name: changed by a load only
        for (const GameState& s : seeds) {
            records.emplace_back(slotSize);
            encodeSlot(s, name, records.back().data());
        }
    }
    void fault(const char* what, int iteration) {
        if (++faults <= 5) ADD_FAILURE() << what << " (case " << iteration << ")";
    }

    // Loads `slot` over seed `over`.
    void check(const unsigned char* slot, size_t over, int iteration) {
        GameState target = seeds[over];
        char name[slotNameBytes];
        std::memset(name, '#', sizeof name);
        unsigned char after[slotSize], expected[slotSize];
        const bool ok = decodeSlot(slot, target, name);
        encodeSlot(target, name, after);
        if (!ok) {
            ++refused;
            if (std::memcmp(records[over].data(), after, slotSize) != 0)
                fault("a refused slot changed the game or the name", iteration);
            return;
        }
        ++accepted;
        if (std::memchr(name, 0, slotNameBytes) == nullptr) fault("accepted an unterminated name", iteration);
        std::memcpy(expected, slot, slotSize);
        expected[29] = expected[355] = 0;  // the encoder writes the name's end and reserved bytes as 0
        std::memset(expected + 909, 0, 4);
        std::memset(expected + 2035, 0, 4);
        if (std::memcmp(after, expected, slotSize) != 0)
            fault("an accepted slot does not re-encode to itself", iteration);
        char why[128] = "";
        if (!checkInvariants(target, why, sizeof why)) fault(why, iteration);
        if (accepted % 400 != 1) return;
        // A handful of accepted slots are played on, the invariants checked after every tick.
        ++played;
        resetProgram();
        game = target;
        fixClock(1700000000 + iteration);
        for (int t = 0; t < 300 && faults == 0; ++t) {
            tick();
            if (!checkInvariants(game, why, sizeof why)) fault(why, iteration);
        }
        setClock(nullptr);
        resetProgram();
    }
};

void mutate(unsigned char* slot, const unsigned char* other, std::mt19937& rng) {
    const int offset = pick(rng, slotNameBytes, slotSize - 4);
    switch (pick(rng, 0, 3)) {
        case 0:  // flip a few bits
            for (int n = pick(rng, 1, 8); n > 0; --n)
                slot[pick(rng, 0, slotSize - 1)] ^= 1u << pick(rng, 0, 7);
            break;
        case 1: {  // a number one past where it was: the edges of every range
            uint32_t value = 0;
            for (int i = 0; i < 4; ++i) value |= static_cast<uint32_t>(slot[offset + i]) << (8 * i);
            putWord(slot, offset, value + (pick(rng, 0, 1) ? 1u : ~0u));
            break;
        }
        case 2: {  // a stretch of another real slot
            const int length = pick(rng, 1, 400), from = pick(rng, 0, slotSize - length);
            std::memcpy(slot + from, other + from, static_cast<size_t>(length));
            break;
        }
        default:  // a stretch of noise
            for (int n = pick(rng, 1, 64), at = pick(rng, 0, slotSize - 64); n > 0; --n, ++at)
                slot[at] = static_cast<unsigned char>(rng());
    }
}

}  // namespace

TEST(SaveFuzz, SeedsExtremeWordsMutationsAndNoise) {
    game = GameState{};
    Fuzz fuzz;
    const size_t n = fuzz.seeds.size();
    for (size_t i = 0; i < n; ++i) {
        char why[128] = "";
        ASSERT_TRUE(checkInvariants(fuzz.seeds[i], why, sizeof why)) << "seed " << i << ": " << why;
        fuzz.check(fuzz.records[i].data(), (i + 1) % n, static_cast<int>(i));
    }
    EXPECT_EQ(fuzz.accepted, static_cast<int>(n));
    // Fields are packed at any offset, so every offset gets the words most likely to slip past
    // a range check: -1 (also a NaN), the most negative number (also -0.0f), 41, infinity,
    // just above 1.0f and just past the amount limit.
    int iteration = 0;
    for (int offset = slotNameBytes; offset <= slotSize - 4; ++offset)
        for (uint32_t value : {0xFFFFFFFFu, 0x80000000u, 0x29u, 0x7F800000u, 0x3F800001u, 0x05F5E101u}) {
            std::vector<unsigned char> slot = fuzz.records[static_cast<size_t>(offset) % n];
            slot[0] = 'w';
            putWord(slot.data(), offset, value);
            fuzz.check(slot.data(), static_cast<size_t>(iteration) % n, iteration);
            ++iteration;
        }
    // Both outcomes are exercised in bulk: words the record tolerates, and ones it must refuse.
    EXPECT_TRUE(fuzz.accepted > 3000 && fuzz.refused > 3000 && fuzz.played > 5);

    // Random mutations of real slots, a few at once (pure noise: SaveRobustness.RandomBytes...).
    std::mt19937 rng(12345);
    for (int m = 0; m < 8000; ++m) {
        const size_t other = rng() % fuzz.seeds.size();
        std::vector<unsigned char> slot = fuzz.records[rng() % fuzz.seeds.size()];
        slot[0] = 'm';
        for (int count = 1 + static_cast<int>(rng() % 3); count > 0; --count)
            mutate(slot.data(), fuzz.records[other].data(), rng);
        fuzz.check(slot.data(), other, m);
    }
    EXPECT_TRUE(fuzz.accepted > 4000 && fuzz.refused > 4000);
    EXPECT_EQ(fuzz.faults, 0);
}
