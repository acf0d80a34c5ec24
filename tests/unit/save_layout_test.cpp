// The slot record is a file format other copies of the game must read: every field at its
// byte offset, little-endian, packed, reserved bytes zero; and the file grows to the lengths
// the format implies. Offsets here are typed from the format table, not taken from the code.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "app/shell.h"
#include "game/rules.h"
#include "save/save_file.h"
#include "support/fixtures.h"

namespace {

// One row of the format table: 'i' int32, 'f' float, 'b' flag byte, 't' text byte, 'r' reserved
// (zero); `count` elements from `offset`. Two-dimensional arrays are row-major: [i][j] at
// offset + size * (columns * i + j).
struct Field {
    char kind;
    void* at;
    int offset;
    int count;
};

// A record built by hand: each field gets a fresh value in the state and its bytes at the
// table's offset in `bytes`; `written` proves the table covers the 5399 bytes exactly once.
struct HandRecord {
    GameState s;
    char name[30] = {};
    unsigned char bytes[slotSize] = {};
    int written[slotSize] = {};
    uint32_t seed = 0x2545F491u;

    uint32_t bits() {
        seed = seed * 1664525u + 1013904223u;
        return seed ^ (seed >> 13);
    }
    void put(const Field& f) {
        const int size = (f.kind == 'i' || f.kind == 'f') ? 4 : 1;
        for (int i = 0; i < f.count; ++i) {
            const int at = f.offset + size * i;
            uint32_t value = f.kind == 'r' ? 0 : bits();
            if (f.kind == 'f') value &= 0xBFFFFFFFu;  // exponent below all-ones: a finite float
            if (f.kind == 'b') value = (value >> 7) & 1;
            if (f.kind == 't') value = '!' + value % 90;
            if (f.kind == 'b') static_cast<bool*>(f.at)[i] = value;
            if (size == 4) std::memcpy(static_cast<char*>(f.at) + 4 * i, &value, 4);
            if (f.kind == 't') static_cast<char*>(f.at)[i] = static_cast<char>(value);
            for (int k = 0; k < size; ++k) {
                bytes[at + k] = static_cast<unsigned char>(value >> (8 * k));
                ++written[at + k];
            }
        }
    }
};

void fillFromTable(HandRecord& h) {
    GameState& s = h.s;
    // Byte 29, the name's last, is its terminator.
    // clang-format off
    const Field table[] = {
        {'t', h.name, 0, 29}, {'r', nullptr, 29, 1}, {'i', &s.screen, 30, 1}, {'i', &s.menuIndex, 34, 1},
        {'i', &s.returnScreen, 38, 1}, {'i', &s.partnerMortgagedCount, 42, 1},
        {'i', &s.initiatorMortgagedCount, 46, 1}, {'i', &s.noticeTimer, 50, 1}, {'i', s.noticePlayer, 54, 8},
        {'i', s.noticeAmount, 86, 8}, {'i', s.partnerMortgaged, 118, 28},
        {'i', s.initiatorMortgaged, 230, 28}, {'i', &s.noticeIndex, 342, 1},
        {'b', &s.quitConfirmOpen, 346, 1}, {'b', &s.quitYes, 347, 1}, {'b', &s.tradeOfferOpen, 348, 1},
        {'b', &s.promptYes, 349, 1}, {'b', &s.choosingTradePartner, 350, 1},
        {'b', &s.tradePartnerSide, 351, 1}, {'b', &s.inDebt, 352, 1}, {'b', &s.moving, 353, 1},
        {'b', &s.passedGo, 354, 1}, {'r', nullptr, 355, 1}, {'b', &s.endTurnAfterNotice, 356, 1},
        {'b', &s.buyPromptOpen, 357, 1}, {'b', &s.auctionOpen, 358, 1}, {'b', &s.taxPromptOpen, 359, 1},
        {'b', &s.transportDoubleRent, 360, 1}, {'b', &s.utilityRollPending, 361, 1},
        {'b', &s.utilityTenTimes, 362, 1}, {'b', &s.gameOver, 363, 1}, {'b', &s.skipLanding, 364, 1},
        {'t', s.noticeReason, 365, 8 * 50}, {'f', &s.zoom, 765, 1}, {'f', &s.panX, 769, 1},
        {'f', &s.panY, 773, 1}, {'f', &s.cameraTargetX, 777, 1}, {'f', &s.cameraTargetZ, 781, 1},
        {'i', &s.humanCount, 785, 1}, {'i', &s.computerCount, 789, 1}, {'i', &s.middleOption, 793, 1},
        {'i', s.entryIndex, 797, 8}, {'b', s.isHuman, 829, 8}, {'b', s.bankrupt, 837, 8},
        {'i', s.position, 845, 8}, {'i', &s.boardCursor, 877, 1}, {'i', &s.cursorFrom, 881, 1},
        {'i', &s.moveTarget, 885, 1}, {'i', &s.assetCursor, 889, 1}, {'i', &s.menuPlayer, 893, 1},
        {'i', &s.tradeInitiator, 897, 1}, {'i', &s.amountDigit, 901, 1}, {'i', &s.diceTimer, 905, 1},
        {'r', nullptr, 909, 4}, {'i', &s.activeDeck, 913, 1}, {'i', &s.lastCreditor, 917, 1},
        {'i', &s.lastBankrupt, 921, 1}, {'i', &s.bankruptTimer, 925, 1}, {'i', &s.computerDelay, 929, 1},
        {'i', &s.currentPlayer, 933, 1}, {'i', &s.doublesCount, 937, 1}, {'i', s.jailTurns, 941, 8},
        {'i', s.dice, 973, 2}, {'i', &s.pulseStep, 981, 1}, {'i', &s.cameraGlide, 985, 1},
        {'i', &s.auctionTimer, 989, 1}, {'i', &s.arrivalTimer, 993, 1}, {'i', &s.cardTimer, 997, 1},
        {'i', &s.settleTimer, 1001, 1}, {'i', s.owner, 1005, 28}, {'i', s.jailCardHolder, 1117, 2},
        {'b', s.selected, 1125, 28}, {'b', s.initiatorSelected, 1153, 28}, {'b', s.jailCardSelected, 1181, 2},
        {'i', &s.tradeMoney, 1183, 1}, {'i', &s.initiatorMoney, 1187, 1}, {'i', &s.houseCount, 1191, 1},
        {'i', &s.auctionBid, 1195, 1}, {'i', &s.auctionBidder, 1199, 1}, {'i', &s.bidIncrement, 1203, 1},
        {'i', &s.middlePot, 1207, 1}, {'i', &s.winner, 1211, 1}, {'i', s.houses, 1215, 28},
        {'t', s.playerNames, 1327, 8 * 15}, {'i', s.money, 1447, 8}, {'i', s.bidLimit, 1479, 8},
        {'b', &s.tradeTried, 1511, 1}, {'b', &s.buildTried, 1512, 1}, {'b', &s.unmortgageTried, 1513, 1},
        {'i', s.proposeCooldown, 1514, 8 * 8}, {'i', s.answerCooldown, 1770, 8 * 8},
        {'f', &s.unmortgageMargin, 2026, 1}, {'i', &s.buildReserve, 2030, 1},
        {'b', &s.biddingOption, 2034, 1}, {'r', nullptr, 2035, 4}, {'i', s.tokenSlot, 2039, 8},
        {'f', s.propertySpotX, 2071, 28}, {'f', s.propertySpotY, 2183, 28}, {'f', s.tokenSpotX, 2295, 41 * 8},
        {'f', s.tokenSpotY, 3607, 41 * 8}, {'f', s.squareSpotX, 4919, 40}, {'f', s.squareSpotY, 5079, 40},
        {'i', s.menuNavColumns, 5239, 8}, {'i', s.deckOrder, 5271, 2 * 16},
    };
    // clang-format on
    for (const Field& f : table) h.put(f);
}

void putWord(unsigned char* record, int offset, uint32_t value) {
    for (int i = 0; i < 4; ++i) record[offset + i] = static_cast<unsigned char>(value >> (8 * i));
}

std::vector<unsigned char> fileBytes() {
    std::ifstream in(saveFileName, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

TEST(SaveLayout, EveryFieldSitsAtItsOffsetLittleEndian) {
    game = GameState{};
    HandRecord h;
    fillFromTable(h);
    for (int i = 0; i < slotSize; ++i) ASSERT_EQ(h.written[i], 1) << "the table leaves byte " << i;

    unsigned char encoded[slotSize];
    std::memset(encoded, 0xAB, sizeof encoded);
    encodeSlot(h.s, h.name, encoded);
    for (int i = 0; i < slotSize; ++i)
        ASSERT_EQ(encoded[i], h.bytes[i]) << "first wrong byte at offset " << i;

    // A name filling its whole field still ends in its last byte, or the slot could never load.
    char longName[30];
    std::memset(longName, 'x', sizeof longName);
    encodeSlot(h.s, longName, encoded);
    EXPECT_EQ(encoded[28], 'x');
    EXPECT_EQ(encoded[29], 0);
}

TEST(SaveLayout, DecodeReadsTheSameOffsets) {
    startTestGame(3, 1);
    computeBoardGeometry();
    unsigned char r[slotSize];
    const char probe[30] = "probe";
    encodeSlot(game, probe, r);
    putWord(r, 1447 + 12, 4321);                      // money[3]
    putWord(r, 765, 0x3F000000);                      // zoom 0.5
    putWord(r, 3607 + 4 * (12 * 8 + 3), 0x3E800000);  // tokenSpotY[12][3] = 0.25
    putWord(r, 1770 + 4 * (3 * 8 + 1), 6);            // answerCooldown[3][1]
    std::memcpy(r + 1327 + 15, "Zed", 4);             // playerNames[1]
    r[829 + 2] = 0;                                   // seat 2 becomes a computer

    GameState loaded = GameState{};
    char name[30] = {};
    ASSERT_TRUE(decodeSlot(r, loaded, name));
    EXPECT_STREQ(name, "probe");
    EXPECT_EQ(loaded.money[3], 4321);
    EXPECT_EQ(loaded.zoom, 0.5f);
    EXPECT_EQ(loaded.tokenSpotY[12][3], 0.25f);
    EXPECT_EQ(loaded.answerCooldown[3][1], 6);
    EXPECT_STREQ(loaded.playerNames[1], "Zed");
    EXPECT_FALSE(loaded.isHuman[2]);
}

// Guards a field added to the state without a place in the record (it would silently not be
// saved): the size is the state's when the record was last checked against it.
TEST(SaveLayout, StateHasNoFieldsOutsideTheRecord) {
    game = GameState{};
#if defined(__x86_64__)
    EXPECT_EQ(sizeof(GameState), 5372u);
#else
    GTEST_SKIP() << "the size check is recorded for x86-64 only";
#endif
}

// A new file is the empty slot table; saving the last slot makes the full length; names are
// listed back from the file.
TEST(SaveLayout, FileLengthsAndSlotNames) {
    game = GameState{};
    shell = ShellState{};
    const std::filesystem::path previous = std::filesystem::current_path();
    char dir[] = "/tmp/tenantry-save-XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    std::filesystem::current_path(dir);

    std::memcpy(shell.saveName, "last", 5);
    std::memcpy(shell.slotNames[4], "stale", 6);
    ensureSaveFile(shell.slotNames, shell.slotDamaged);
    std::vector<unsigned char> bytes = fileBytes();
    EXPECT_EQ(bytes, std::vector<unsigned char>(156601, 0));
    EXPECT_EQ(shell.slotNames[4][0], '\0');
    EXPECT_STREQ(shell.saveName, "last");
    EXPECT_FALSE(std::filesystem::exists("Tenantry.sav.tmp"));

    startTestGame(2, 2);
    computeBoardGeometry();
    for (int slot : {3, 29}) {
        shell.saveSlot = slot;
        saveGame(shell.saveSlot, shell.saveName);
        EXPECT_EQ(fileBytes().size(), slot == 3 ? 156601u : 161970u);  // slot 3 ends inside the file
    }
    bytes = fileBytes();
    unsigned char expected[slotSize];
    encodeSlot(game, shell.saveName, expected);
    EXPECT_EQ(std::memcmp(bytes.data() + 29 * 5399, expected, slotSize), 0);
    EXPECT_EQ(std::memcmp(bytes.data() + 3 * 5399, expected, slotSize), 0);
    for (size_t i = 4 * 5399; i < 29 * 5399; ++i) ASSERT_EQ(bytes[i], 0) << "byte " << i;

    std::memset(shell.slotNames, '?', sizeof shell.slotNames);
    ensureSaveFile(shell.slotNames, shell.slotDamaged);
    for (int k = 0; k < 30; ++k) EXPECT_STREQ(shell.slotNames[k], k == 3 || k == 29 ? "last" : "") << k;

    std::filesystem::current_path(previous);
    std::filesystem::remove_all(dir);
}
