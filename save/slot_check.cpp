// What a loaded record must satisfy beyond the invariants before it may replace the game.
// A saved game can only hold what play produces; these limits refuse damaged or forged
// records whose values would overflow or misbehave once play resumes.
#include "game/invariants.h"
#include "game/tables.h"
#include "save/save_file.h"

namespace {

// No game gets near this: money enters only through salaries and cards. It keeps every sum
// of eight seats' amounts inside 32 bits.
constexpr int32_t amountLimit = 100000000;
constexpr int pulseCycle = 20;  // the renderer's token pulse runs 0..19

bool amountFits(int32_t value) { return value >= -amountLimit && value <= amountLimit; }

bool amountsFit(const int32_t* values, int count) {
    for (int i = 0; i < count; ++i)
        if (!amountFits(values[i])) return false;
    return true;
}

// Play leaves a seat's cash negative only in the debt state, and only when what it owns covers
// the debt (every payment tests net worth first). A bankruptcy passes that cash on as it
// stands, so a record breaking either could drive the middle or a creditor below zero.
bool debtsAreCovered(const GameState& s) {
    const int seats = s.humanCount + s.computerCount;
    for (int seat = 0; seat < seats && seat < maxSeats; ++seat) {
        if (s.money[seat] >= 0) continue;
        if (!s.inDebt) return false;
        long long worth = s.money[seat];
        for (int p = 0; p < propertyCount; ++p)
            if (s.owner[p] == seat && s.houses[p] >= 0)
                worth += mortgageValue(p) + s.houses[p] * (houseCost(p) / 2);
        if (worth < 0) return false;
    }
    return true;
}

}  // namespace

bool stateIsLoadable(const GameState& s) {
    if (!checkInvariants(s)) return false;  // first: the seat counts below are in range after it
    if (s.pulseStep < 0 || s.pulseStep >= pulseCycle) return false;
    if (!amountsFit(s.money, maxSeats) || !amountsFit(s.bidLimit, maxSeats)) return false;
    if (!amountsFit(s.noticeAmount, noticeSlots)) return false;
    if (!debtsAreCovered(s)) return false;
    for (int i = 0; i < maxSeats; ++i)
        if (!amountsFit(s.proposeCooldown[i], maxSeats) || !amountsFit(s.answerCooldown[i], maxSeats))
            return false;
    const int32_t singles[] = {s.middlePot,  s.auctionBid,     s.bidIncrement,
                               s.tradeMoney, s.initiatorMoney, s.buildReserve};
    return amountsFit(singles, sizeof singles / sizeof singles[0]);
}
