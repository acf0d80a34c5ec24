// The slot record is a file format other copies of the game must read: every field in its
// place, little-endian, packed, reserved bytes zero. The field list below is typed from the
// format table, not taken from the code. Reading walks the same field list as writing, so the
// round trips in save_robustness_test.cpp cover the other direction.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "save/save_file.h"

// Each element of the table gets a fresh value in a state and its bytes at the next place in
// `expected`; the state must encode to exactly those bytes.
TEST(SaveLayout, EveryFieldInFormatOrderLittleEndian) {
    GameState s;
    char name[30] = {};
    // One row of the format table: 'i' int32, 'f' float, 'b' flag byte, 't' text byte, 'r'
    // reserved (zero); `count` elements, two-dimensional arrays row by row.
    struct Field {
        char kind;
        void* at;
        int count = 1;
    };
    // The name's last byte, its terminator, is the first reserved byte.
    // clang-format off
    const Field table[] = {
        {'t', name, 29}, {'r', nullptr}, {'i', &s.screen}, {'i', &s.menuIndex}, {'i', &s.returnScreen},
        {'i', &s.partnerMortgagedCount}, {'i', &s.initiatorMortgagedCount}, {'i', &s.noticeTimer},
        {'i', s.noticePlayer, 8}, {'i', s.noticeAmount, 8}, {'i', s.partnerMortgaged, 28},
        {'i', s.initiatorMortgaged, 28}, {'i', &s.noticeIndex}, {'b', &s.quitConfirmOpen}, {'b', &s.quitYes},
        {'b', &s.tradeOfferOpen}, {'b', &s.promptYes}, {'b', &s.choosingTradePartner},
        {'b', &s.tradePartnerSide}, {'b', &s.inDebt}, {'b', &s.moving}, {'b', &s.passedGo}, {'r', nullptr},
        {'b', &s.endTurnAfterNotice}, {'b', &s.buyPromptOpen}, {'b', &s.auctionOpen}, {'b', &s.taxPromptOpen},
        {'b', &s.transportDoubleRent}, {'b', &s.utilityRollPending}, {'b', &s.utilityTenTimes},
        {'b', &s.gameOver}, {'b', &s.skipLanding}, {'t', s.noticeReason, 8 * 50}, {'f', &s.zoom},
        {'f', &s.panX}, {'f', &s.panY}, {'f', &s.cameraTargetX}, {'f', &s.cameraTargetZ},
        {'i', &s.humanCount}, {'i', &s.computerCount}, {'i', &s.middleOption}, {'i', s.entryIndex, 8},
        {'b', s.isHuman, 8}, {'b', s.bankrupt, 8}, {'i', s.position, 8}, {'i', &s.boardCursor},
        {'i', &s.cursorFrom}, {'i', &s.moveTarget}, {'i', &s.assetCursor}, {'i', &s.menuPlayer},
        {'i', &s.tradeInitiator}, {'i', &s.amountDigit}, {'i', &s.diceTimer}, {'r', nullptr, 4},
        {'i', &s.activeDeck}, {'i', &s.lastCreditor}, {'i', &s.lastBankrupt}, {'i', &s.bankruptTimer},
        {'i', &s.computerDelay}, {'i', &s.currentPlayer}, {'i', &s.doublesCount}, {'i', s.jailTurns, 8},
        {'i', s.dice, 2}, {'i', &s.pulseStep}, {'i', &s.cameraGlide}, {'i', &s.auctionTimer},
        {'i', &s.arrivalTimer}, {'i', &s.cardTimer}, {'i', &s.settleTimer}, {'i', s.owner, 28},
        {'i', s.jailCardHolder, 2}, {'b', s.selected, 28}, {'b', s.initiatorSelected, 28},
        {'b', s.jailCardSelected, 2}, {'i', &s.tradeMoney}, {'i', &s.initiatorMoney}, {'i', &s.houseCount},
        {'i', &s.auctionBid}, {'i', &s.auctionBidder}, {'i', &s.bidIncrement}, {'i', &s.middlePot},
        {'i', &s.winner}, {'i', s.houses, 28}, {'t', s.playerNames, 8 * 15}, {'i', s.money, 8},
        {'i', s.bidLimit, 8}, {'b', &s.tradeTried}, {'b', &s.buildTried}, {'b', &s.unmortgageTried},
        {'i', s.proposeCooldown, 8 * 8}, {'i', s.answerCooldown, 8 * 8}, {'f', &s.unmortgageMargin},
        {'i', &s.buildReserve}, {'b', &s.biddingOption}, {'r', nullptr, 4}, {'i', s.tokenSlot, 8},
        {'f', s.propertySpotX, 28}, {'f', s.propertySpotY, 28}, {'f', s.tokenSpotX, 41 * 8},
        {'f', s.tokenSpotY, 41 * 8}, {'f', s.squareSpotX, 40}, {'f', s.squareSpotY, 40},
        {'i', s.menuNavColumns, 8}, {'i', s.deckOrder, 2 * 16},
    };
    // clang-format on
    unsigned char expected[2 * slotSize] = {};  // room for a table that runs long
    int at = 0;
    for (const Field& f : table) {
        const int size = (f.kind == 'i' || f.kind == 'f') ? 4 : 1;
        for (int i = 0; i < f.count; ++i) {
            uint32_t value = f.kind == 'r' ? 0 : (at + 1) * 2654435761u;  // scrambled by position
            if (f.kind == 'f') value &= 0xBFFFFFFFu;  // exponent below all-ones: a finite float
            if (f.kind == 'b') value = (value >> 7) & 1, static_cast<bool*>(f.at)[i] = value;
            if (f.kind == 't') static_cast<char*>(f.at)[i] = static_cast<char>(value = '!' + value % 90);
            if (size == 4) std::memcpy(static_cast<char*>(f.at) + 4 * i, &value, 4);
            for (int k = 0; k < size; ++k) expected[at++] = static_cast<unsigned char>(value >> (8 * k));
        }
    }
    ASSERT_EQ(at, slotSize);  // the table's sizes add up to the record

    unsigned char encoded[slotSize];
    std::memset(encoded, 0xAB, sizeof encoded);
    encodeSlot(s, name, encoded);
    EXPECT_EQ(std::mismatch(encoded, encoded + slotSize, expected).first - encoded, slotSize)
        << "first wrong byte";

    // A name filling its whole field still ends in its last byte, or the slot could never load.
    std::memset(name, 'x', sizeof name);
    encodeSlot(s, name, encoded);
    EXPECT_TRUE(encoded[28] == 'x' && encoded[29] == 0);

    // A field added to the state without a place in the record would silently not be saved:
    // this is the state's size (4-byte fields and bytes, no padding) when the table was last
    // checked against it.
    EXPECT_EQ(sizeof(GameState), 5372u);
}
