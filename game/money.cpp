// Net worth, the payment notice queue, fees, the debt state and bankruptcy.
#include <algorithm>

#include "game/rules.h"
#include "game/stats.h"
#include "game/tables.h"
#include "game/text.h"

namespace {

// What the assets of a seat fetch when sold to the bank: mortgage values plus half the
// cost of every building; mortgaged properties fetch nothing.
int assetValue(int seat) {
    int value = 0;
    for (int p = 0; p < propertyCount; ++p)
        if (game.owner[p] == seat && game.houses[p] >= 0)
            value += mortgageValue(p) + game.houses[p] * houseSaleValue(p);
    return value;
}

void returnJailCards(int debtor, int newHolder) {
    for (int d = 0; d < 2; ++d)
        if (game.jailCardHolder[d] == debtor) game.jailCardHolder[d] = newHolder;
}

}  // namespace

int squareOfSeat(int seat) {
    const int at = game.position[seat];
    return at == jailCell ? jailSquare : at;
}

int netWorth(int seat) {
    if (!isSeat(seat)) return 0;
    return game.money[seat] + assetValue(seat);
}

void openDebtState(int seat) {
    game.screen = AssetMenu;
    game.menuIndex = KindMortgage;
    game.inDebt = true;
    game.assetCursor = CursorConfirm;
    game.menuPlayer = seat;
}

void checkDebt(int seat) {
    if (isSeat(seat) && game.money[seat] < 0) openDebtState(seat);
}

void writeNotice(int slot, int seat, int amount, const char* reason) {
    // The queue has eight slots; a chain of notices longer than that overwrites the last
    // slot rather than writing past the queue.
    slot = std::min(std::max(slot, 0), noticeSlots - 1);
    game.noticePlayer[slot] = seat;
    game.noticeAmount[slot] = amount;
    copyText(game.noticeReason[slot], reason ? reason : "", noticeReasonSize);
    game.noticeTimer = noticeTicks;
}

void dismissNotice() {
    // The whole queue moves up one slot, the last one included, so no notice is shown
    // twice or dropped unseen.
    for (int i = 0; i + 1 < noticeSlots; ++i) {
        game.noticePlayer[i] = game.noticePlayer[i + 1];
        game.noticeAmount[i] = game.noticeAmount[i + 1];
        copyText(game.noticeReason[i], game.noticeReason[i + 1], noticeReasonSize);
    }
    game.noticeAmount[noticeSlots - 1] = 0;
    if (game.noticeAmount[0] != 0) {
        game.noticeIndex = 0;
        game.noticeTimer = noticeTicks;
        return;
    }
    game.noticeTimer = 0;
    if (game.endTurnAfterNotice) {
        game.endTurnAfterNotice = false;
        if (game.doublesCount == 0) {
            nextTurn();
        } else {
            game.boardCursor = squareOfSeat(game.currentPlayer);
        }
    }
    game.noticeIndex = 0;
}

bool chargeFee(int seat, int amount, const char* reason, int creditor) {
    if (netWorth(seat) < amount) {
        declareBankrupt(seat, creditor);
        return false;
    }
    game.money[seat] -= amount;
    statsFee(seat, amount);
    if (game.middleOption > 0) game.middlePot += amount;
    if (reason) writeNotice(game.noticeIndex, seat, amount, reason);
    checkDebt(seat);
    return true;
}

// The debtor's cash, properties (buildings and mortgages gone) and jail cards go back.
static void returnEverythingToBank(int debtor) {
    game.money[debtor] = 0;
    for (int p = 0; p < propertyCount; ++p) {
        if (game.owner[p] != debtor) continue;
        game.owner[p] = bankOwner;
        game.houses[p] = 0;
    }
    returnJailCards(debtor, bankOwner);
}

void declareBankrupt(int debtor, int creditor) {
    if (!isSeat(debtor)) return;
    if (isSeat(creditor)) {
        game.money[creditor] += game.money[debtor];
        game.money[debtor] = 0;
        game.tradeInitiator = creditor;
        for (int p = propertyCount - 1; p >= 0; --p) {
            if (game.owner[p] != debtor) continue;
            game.owner[p] = creditor;
            if (game.houses[p] == -1 && game.initiatorMortgagedCount < propertyCount)
                game.initiatorMortgaged[game.initiatorMortgagedCount++] = p;
        }
        returnJailCards(debtor, creditor);
        game.lastCreditor = creditor;
    } else if (creditor == middleCreditor && game.middleOption != 0) {
        game.middlePot += game.money[debtor] + assetValue(debtor);
        returnEverythingToBank(debtor);
        game.lastCreditor = middleCreditor;
    } else {
        returnEverythingToBank(debtor);
        game.lastCreditor = bankOwner;
    }
    game.bankrupt[debtor] = true;
    statsBankrupt(debtor);
    game.bankruptTimer = bankruptNoticeTicks;
    game.lastBankrupt = debtor;
    // A bankrupt seat has nothing left to raise: its debt state closes back to the board (or
    // moves on to the next seat in debt) instead of holding the game on an empty menu.
    if (game.inDebt && game.menuPlayer == debtor) closeDebtState();
}

void afterBankruptcyNotice() {
    const int seat = game.currentPlayer;
    if (!game.bankrupt[seat] && game.doublesCount != 0) {
        game.boardCursor = squareOfSeat(seat);
        aimCamera(game.position[seat]);
    } else {
        nextTurn();
    }
    const int seats = std::min(playersInPlay(), maxSeats);
    int bankruptSeats = 0;
    for (int s = 0; s < seats; ++s) {
        if (game.bankrupt[s])
            ++bankruptSeats;
        else
            game.winner = s;
    }
    if (bankruptSeats == seats - 1) game.gameOver = true;
}

void payIncomeTax() {
    const int seat = game.currentPlayer;
    const int amount = game.promptYes ? incomeTaxFlat : netWorth(seat) / 10;
    if (chargeFee(seat, amount, "taxes", middleCreditor)) game.endTurnAfterNotice = true;
    game.taxPromptOpen = false;
}

// The debt state passes to the lowest seat still in debt; false when there is none.
static bool openNextDebtState() {
    const int seats = std::min(playersInPlay(), maxSeats);
    for (int s = 0; s < seats; ++s)
        if (game.money[s] < 0) {
            openDebtState(s);
            return true;
        }
    return false;
}

void leaveDebtState() {
    if (!game.inDebt || game.money[game.menuPlayer] < 0) return;
    game.inDebt = false;
    openNextDebtState();
}

void closeDebtState() {
    game.inDebt = false;
    game.screen = Board;
    game.menuIndex = 0;
    openNextDebtState();
}
