// One slot record <-> GameState. The field list is written once, in record order, and walked
// by a writer or a reader, so the two directions cannot drift apart.
#include <cstdint>
#include <cstring>

#include "save/save_file.h"

namespace {

// ---------------------------------------------------------------------------------------------
// Writer and reader: little-endian, packed, one field at a time
// ---------------------------------------------------------------------------------------------

struct SlotWriter {
    unsigned char* out;
    int at = 0;

    void word(uint32_t value) {
        for (int i = 0; i < 4; ++i) out[at++] = static_cast<unsigned char>(value >> (8 * i));
    }
    void i32(const int32_t& value) { word(static_cast<uint32_t>(value)); }
    void f32(const float& value) {
        uint32_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        word(bits);
    }
    void flag(const bool& value) { out[at++] = value ? 1 : 0; }
    void text(const char* value, int size) {
        std::memcpy(out + at, value, static_cast<size_t>(size));
        at += size;
    }
    void reserved(int size) {
        std::memset(out + at, 0, static_cast<size_t>(size));
        at += size;
    }
};

struct SlotReader {
    const unsigned char* in;
    int at = 0;
    bool sound = true;  // cleared by a flag byte that is neither 0 nor 1

    uint32_t word() {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i) value |= static_cast<uint32_t>(in[at++]) << (8 * i);
        return value;
    }
    void i32(int32_t& value) {
        const uint32_t bits = word();
        std::memcpy(&value, &bits, sizeof value);  // two's complement, without a narrowing cast
    }
    void f32(float& value) {
        const uint32_t bits = word();
        std::memcpy(&value, &bits, sizeof value);
    }
    void flag(bool& value) {
        const unsigned char byte = in[at++];
        if (byte > 1) sound = false;
        value = byte == 1;
    }
    void text(char* value, int size) {
        std::memcpy(value, in + at, static_cast<size_t>(size));
        at += size;
    }
    void reserved(int size) { at += size; }
};

// ---------------------------------------------------------------------------------------------
// The record, after the name, in file order
// ---------------------------------------------------------------------------------------------

template <class Io, class Value>
void ints(Io& io, Value* values, int count) {
    for (int i = 0; i < count; ++i) io.i32(values[i]);
}

template <class Io, class Value>
void floats(Io& io, Value* values, int count) {
    for (int i = 0; i < count; ++i) io.f32(values[i]);
}

template <class Io, class Value>
void flags(Io& io, Value* values, int count) {
    for (int i = 0; i < count; ++i) io.flag(values[i]);
}

// State is GameState for reading and const GameState for writing.
template <class Io, class State>
void walkRecord(Io& io, State& s) {
    io.i32(s.screen);
    io.i32(s.menuIndex);
    io.i32(s.returnScreen);
    io.i32(s.partnerMortgagedCount);
    io.i32(s.initiatorMortgagedCount);
    io.i32(s.noticeTimer);
    ints(io, s.noticePlayer, noticeSlots);
    ints(io, s.noticeAmount, noticeSlots);
    ints(io, s.partnerMortgaged, propertyCount);
    ints(io, s.initiatorMortgaged, propertyCount);
    io.i32(s.noticeIndex);
    io.flag(s.quitConfirmOpen);
    io.flag(s.quitYes);
    io.flag(s.tradeOfferOpen);
    io.flag(s.promptYes);
    io.flag(s.choosingTradePartner);
    io.flag(s.tradePartnerSide);
    io.flag(s.inDebt);
    io.flag(s.moving);
    io.flag(s.passedGo);
    io.reserved(1);  // a flag no version of the game reads
    io.flag(s.endTurnAfterNotice);
    io.flag(s.buyPromptOpen);
    io.flag(s.auctionOpen);
    io.flag(s.taxPromptOpen);
    io.flag(s.transportDoubleRent);
    io.flag(s.utilityRollPending);
    io.flag(s.utilityTenTimes);
    io.flag(s.gameOver);
    io.flag(s.skipLanding);
    for (int i = 0; i < noticeSlots; ++i) io.text(s.noticeReason[i], noticeReasonSize);
    io.f32(s.zoom);
    io.f32(s.panX);
    io.f32(s.panY);
    io.f32(s.cameraTargetX);
    io.f32(s.cameraTargetZ);
    io.i32(s.humanCount);
    io.i32(s.computerCount);
    io.i32(s.middleOption);
    ints(io, s.entryIndex, maxSeats);
    flags(io, s.isHuman, maxSeats);
    flags(io, s.bankrupt, maxSeats);
    ints(io, s.position, maxSeats);
    io.i32(s.boardCursor);
    io.i32(s.cursorFrom);
    io.i32(s.moveTarget);
    io.i32(s.assetCursor);
    io.i32(s.menuPlayer);
    io.i32(s.tradeInitiator);
    io.i32(s.amountDigit);
    io.i32(s.diceTimer);
    io.reserved(4);  // a word no version of the game reads
    io.i32(s.activeDeck);
    io.i32(s.lastCreditor);
    io.i32(s.lastBankrupt);
    io.i32(s.bankruptTimer);
    io.i32(s.computerDelay);
    io.i32(s.currentPlayer);
    io.i32(s.doublesCount);
    ints(io, s.jailTurns, maxSeats);
    ints(io, s.dice, 2);
    io.i32(s.pulseStep);
    io.i32(s.cameraGlide);
    io.i32(s.auctionTimer);
    io.i32(s.arrivalTimer);
    io.i32(s.cardTimer);
    io.i32(s.settleTimer);
    ints(io, s.owner, propertyCount);
    ints(io, s.jailCardHolder, 2);
    flags(io, s.selected, propertyCount);
    flags(io, s.initiatorSelected, propertyCount);
    flags(io, s.jailCardSelected, 2);
    io.i32(s.tradeMoney);
    io.i32(s.initiatorMoney);
    io.i32(s.houseCount);
    io.i32(s.auctionBid);
    io.i32(s.auctionBidder);
    io.i32(s.bidIncrement);
    io.i32(s.middlePot);
    io.i32(s.winner);
    ints(io, s.houses, propertyCount);
    for (int i = 0; i < maxSeats; ++i) io.text(s.playerNames[i], playerNameSize);
    ints(io, s.money, maxSeats);
    ints(io, s.bidLimit, maxSeats);
    io.flag(s.tradeTried);
    io.flag(s.buildTried);
    io.flag(s.unmortgageTried);
    for (int i = 0; i < maxSeats; ++i) ints(io, s.proposeCooldown[i], maxSeats);
    for (int i = 0; i < maxSeats; ++i) ints(io, s.answerCooldown[i], maxSeats);
    io.f32(s.unmortgageMargin);
    io.i32(s.buildReserve);
    io.flag(s.biddingOption);
    io.reserved(4);  // a word no version of the game reads
    ints(io, s.tokenSlot, maxSeats);
    floats(io, s.propertySpotX, propertyCount);
    floats(io, s.propertySpotY, propertyCount);
    for (int q = 0; q <= squareCount; ++q) floats(io, s.tokenSpotX[q], maxSeats);
    for (int q = 0; q <= squareCount; ++q) floats(io, s.tokenSpotY[q], maxSeats);
    floats(io, s.squareSpotX, squareCount);
    floats(io, s.squareSpotY, squareCount);
    ints(io, s.menuNavColumns, maxSeats);
    for (int d = 0; d < 2; ++d) ints(io, s.deckOrder[d], deckSize);
}

}  // namespace

void encodeSlot(const GameState& state, const char name[slotNameBytes], unsigned char out[slotSize]) {
    SlotWriter writer{out};
    writer.text(name, slotNameBytes);
    out[slotNameBytes - 1] = 0;  // the name always ends inside its field, or it could not be loaded
    walkRecord(writer, state);
}

bool decodeSlot(const unsigned char in[slotSize], GameState& out, char name[slotNameBytes]) {
    SlotReader reader{in};
    char storedName[slotNameBytes];
    reader.text(storedName, slotNameBytes);
    if (std::memchr(storedName, 0, slotNameBytes) == nullptr) return false;

    // Fields outside the record would keep their values, so start from the running game.
    GameState decoded = out;
    walkRecord(reader, decoded);
    if (!reader.sound || !stateIsLoadable(decoded)) return false;

    out = decoded;
    std::memcpy(name, storedName, slotNameBytes);
    return true;
}

bool recordIsSound(const unsigned char in[slotSize]) {
    GameState scratch = game;
    char name[slotNameBytes];
    return decodeSlot(in, scratch, name);
}
