// Keys of the asset menu: the 5 x 8 property grid, the kind row, the amount field, the jail
// cards, Confirm and Back to Game.
#include <cstdint>

#include "app/flow_internal.h"
#include "app/input.h"
#include "app/screen_flow.h"
#include "game/rules.h"
#include "game/tables.h"

namespace {

constexpr int gridColumns = 5;
constexpr int gridRows = 8;

// The property in a grid cell, or -1: the cell of a property is its slot. (Reading the
// group table flat would put the utilities, slots 37 and 38, one cell too high.)
int cellProperty(int column, int row) {
    if (column < 0 || column >= gridColumns || row < 0 || row >= gridRows) return -1;
    const int slot = column * gridRows + row;
    for (int p = 0; p < propertyCount; ++p)
        if (propertySlot[p] == slot) return p;
    return -1;
}

bool ownsCell(int column, int row) {
    const int p = cellProperty(column, row);
    return p >= 0 && game.owner[p] == game.menuPlayer;
}

int lowestOwnedProperty() {
    for (int p = 0; p < propertyCount; ++p)
        if (game.owner[p] == game.menuPlayer) return p;
    return -1;
}

bool holdsJailCard(int deck) { return game.jailCardHolder[deck] == game.menuPlayer; }

// The kind cannot be changed in the debt state or on a trade's partner side.
bool kindLocked() { return game.inDebt || game.tradePartnerSide; }

int lowestOwnedOrConfirm() {
    const int p = lowestOwnedProperty();
    return p >= 0 ? p : CursorConfirm;
}

void cursorUpFromFirstJailCard() { game.assetCursor = kindLocked() ? CursorConfirm : CursorKindRow; }

// UP from Confirm or Back: the last property in rows 7..0, columns 2, 1, 3, 0, 4 in a row.
int lastPropertyInReadingOrder() {
    static const int columnOrder[gridColumns] = {2, 1, 3, 0, 4};
    for (int row = gridRows - 1; row >= 0; --row)
        for (int column : columnOrder)
            if (ownsCell(column, row)) return cellProperty(column, row);
    return CursorAmount;
}

// The nearest owned cell in a column, trying rows r, r-1, r+1, r-2, r+2 ...
int nearestInColumn(int column, int row) {
    for (int distance = 0; distance < gridRows; ++distance) {
        if (ownsCell(column, row - distance)) return cellProperty(column, row - distance);
        if (ownsCell(column, row + distance)) return cellProperty(column, row + distance);
    }
    return -1;
}

// LEFT (-1) or RIGHT (+1) from a property: the next column holding one of the seat's
// properties, wrapping; the cursor stays when no other column has one.
void moveAcrossColumns(int direction) {
    const int slot = propertySlot[game.assetCursor];
    const int column = slot / gridRows, row = slot % gridRows;
    for (int c = 0; c < gridColumns; ++c) game.menuNavColumns[c] = nearestInColumn(c, row);
    for (int step = 1; step < gridColumns; ++step) {
        const int next = (column + direction * step + gridColumns) % gridColumns;
        if (game.menuNavColumns[next] >= 0) {
            game.assetCursor = game.menuNavColumns[next];
            return;
        }
    }
}

void moveWithinColumn(int direction) {
    const int slot = propertySlot[game.assetCursor];
    const int column = slot / gridRows;
    for (int row = slot % gridRows + direction; row >= 0 && row < gridRows; row += direction)
        if (ownsCell(column, row)) {
            game.assetCursor = cellProperty(column, row);
            return;
        }
    if (direction < 0)
        game.assetCursor = CursorAmount;
    else
        game.assetCursor = column <= 2 ? CursorConfirm : CursorBack;
}

void changeKind(int direction) { selectAssetKind((game.menuIndex - 1 + direction + 3) % 3 + 1); }

// 64 bits: a loaded amountDigit may be 9, and nine times 10^9 passes 32 bits.
int64_t powerOfTen(int digit) {
    int64_t p = 1;
    for (int i = 0; i < digit; ++i) p *= 10;
    return p;
}

// Index of the highest decimal digit of the menu seat's money (0 for one digit or less).
int highestMoneyDigit() {
    int digit = 0;
    for (int money = game.money[game.menuPlayer]; money >= 10; money /= 10) ++digit;
    return digit;
}

}  // namespace

void changeAssetAmount(int direction) {
    if (game.menuIndex == KindTrade) {
        const int64_t p = powerOfTen(game.amountDigit);
        const int64_t money = game.money[game.menuPlayer];
        int64_t amount = game.tradeMoney;
        const int64_t digit = amount / p % 10;
        if (direction > 0) {
            if (digit == 9 || amount + p > money) {
                if (amount - 9 * p >= 0) amount -= 9 * p;
            } else {
                amount += p;
            }
        } else {
            if (digit == 0) {  // a digit above 0 leaves at least p to take away
                if (amount + 9 * p <= money) amount += 9 * p;
            } else {
                amount -= p;
            }
        }
        // Every step stays within 0..money, so the amount fits its field again.
        game.tradeMoney = static_cast<int32_t>(amount);
    } else if (game.menuIndex == KindHouses) {
        game.houseCount += direction;
        if (game.houseCount > 5) game.houseCount = 1;
        if (game.houseCount < 1) game.houseCount = 5;
    } else {
        game.houseCount += direction;
        if (game.houseCount > 5) game.houseCount = -1;
        if (game.houseCount < -1) game.houseCount = 5;
    }
}

namespace {

bool onProperty() { return game.assetCursor >= 0 && game.assetCursor < propertyCount; }
bool onButton() { return game.assetCursor == CursorConfirm || game.assetCursor == CursorBack; }

void pressUp() {
    const int at = game.assetCursor;
    if (onProperty())
        moveWithinColumn(-1);
    else if (at == CursorKindRow)
        game.assetCursor = CursorConfirm;
    else if (at == CursorAmount)
        changeAssetAmount(+1);
    else if (at == CursorJailCard1)
        holdsJailCard(0) ? void(game.assetCursor = CursorJailCard0) : cursorUpFromFirstJailCard();
    else if (at == CursorJailCard0)
        cursorUpFromFirstJailCard();
    else if (onButton())
        game.assetCursor = lastPropertyInReadingOrder();
}

void pressDown() {
    const int at = game.assetCursor;
    if (onProperty())
        moveWithinColumn(+1);
    else if (at == CursorKindRow)
        game.assetCursor = CursorAmount;
    else if (at == CursorAmount)
        changeAssetAmount(-1);
    else if (at == CursorJailCard0)
        game.assetCursor = holdsJailCard(1) ? CursorJailCard1 : lowestOwnedOrConfirm();
    else if (at == CursorJailCard1)
        game.assetCursor = lowestOwnedOrConfirm();
    else if (onButton())
        game.assetCursor = kindLocked() ? CursorAmount : CursorKindRow;
}

void pressRight() {
    const int at = game.assetCursor;
    if (onProperty()) {
        moveAcrossColumns(+1);
    } else if (at == CursorKindRow) {
        changeKind(+1);
    } else if (at == CursorAmount) {
        if (game.amountDigit > 0)
            --game.amountDigit;
        else if (holdsJailCard(0))
            game.assetCursor = CursorJailCard0;
        else if (holdsJailCard(1))
            game.assetCursor = CursorJailCard1;
        else
            game.assetCursor = lowestOwnedOrConfirm();
    } else if (at == CursorJailCard0 || at == CursorJailCard1) {
        game.assetCursor = CursorAmount;
    } else if (onButton()) {
        game.assetCursor = at == CursorConfirm ? CursorBack : CursorConfirm;
    }
}

void pressLeft() {
    const int at = game.assetCursor;
    if (onProperty()) {
        moveAcrossColumns(-1);
    } else if (at == CursorKindRow) {
        changeKind(-1);
    } else if (at == CursorAmount) {
        const int highest = game.menuIndex == KindTrade ? highestMoneyDigit() : 0;
        if (game.amountDigit < highest)
            ++game.amountDigit;
        else
            game.assetCursor = kindLocked() ? CursorConfirm : CursorKindRow;
    } else if (at == CursorJailCard0 || at == CursorJailCard1) {
        game.assetCursor = CursorAmount;
    } else if (onButton()) {
        game.assetCursor = at == CursorConfirm ? CursorBack : CursorConfirm;
    }
}

}  // namespace

void confirmAssetMenu() {
    switch (game.menuIndex) {
        case KindTrade:
            if (!tradeIsValid()) return;
            if (!game.tradePartnerSide) {
                game.choosingTradePartner = true;
            } else {
                game.tradeOfferOpen = true;
                game.promptYes = true;
            }
            break;
        case KindHouses:
            if (canBuyHouses()) buyHouses();
            break;
        case KindMortgage:
            if (canMortgageAction()) mortgageAction();
            break;
        default: break;
    }
}

void selectAssetKind(int kind) {
    game.menuIndex = kind;
    game.amountDigit = 0;
    if (kind == KindHouses && game.houseCount < 1) game.houseCount = 1;
}

void assetMenuEnter() {
    const int at = game.assetCursor;
    if (onProperty()) {
        game.selected[at] = !game.selected[at];
    } else if ((at == CursorJailCard0 || at == CursorJailCard1) && game.menuIndex == KindTrade) {
        const int deck = at == CursorJailCard0 ? 0 : 1;
        game.jailCardSelected[deck] = !game.jailCardSelected[deck];
    } else if (at == CursorBack) {
        if (!game.inDebt) closeAssetMenu();
    } else if (at == CursorConfirm) {
        confirmAssetMenu();
    }
}

void switchAssetMenuSeat(int seat) {
    clearTradeSelections();
    game.tradeMoney = game.initiatorMoney = game.amountDigit = 0;
    game.houseCount = game.menuIndex == KindHouses ? 1 : 0;
    openAssetMenu(seat);
}

void chooseTradePartner(int seat) {
    // A bankrupt seat is out of the game: trading with it would hand it money and land.
    if (seat < 0 || seat >= playersInPlay() || seat == game.menuPlayer || game.bankrupt[seat]) return;
    for (int p = 0; p < propertyCount; ++p) {
        game.initiatorSelected[p] = game.selected[p];
        game.selected[p] = false;
    }
    game.amountDigit = 0;
    game.tradePartnerSide = true;
    game.initiatorMoney = game.tradeMoney;
    game.tradeMoney = 0;
    game.tradeInitiator = game.menuPlayer;
    game.menuPlayer = seat;
    game.choosingTradePartner = false;
}

void answerTradeOffer() {
    if (game.promptYes) {
        executeTrade();
        return;
    }
    game.tradeOfferOpen = false;
    if (seatIsComputer(game.tradeInitiator)) closeAssetMenu();
}

void stepAssetMenu() {
    // The quit question takes the tick, as on the board: "Back to Game" in the same tick
    // would reopen the board under it, where a computer's turn could roll behind it.
    if (takePress(input.keyQ, input.keyQHandled)) {
        game.quitConfirmOpen = true;
        return;
    }
    if (takePress(input.keyUp, input.keyUpHandled)) pressUp();
    if (takePress(input.keyDown, input.keyDownHandled)) pressDown();
    if (takePress(input.keyRight, input.keyRightHandled)) pressRight();
    if (takePress(input.keyLeft, input.keyLeftHandled)) pressLeft();
    // ENTER takes the rest of the tick: a digit seen beside the Confirm that asks for a partner
    // answers that question next tick, instead of switching the menu away from the offer.
    if (takePress(input.keyEnter, input.keyEnterHandled)) {
        assetMenuEnter();
        return;
    }
    if (game.screen == AssetMenu && onProperty() && takePress(input.keySpace, input.keySpaceHandled)) {
        game.returnScreen = AssetMenu;
        game.screen = PropertyCard;
    }
    const int seat = takeDigitPress();
    if (game.screen == AssetMenu && seat >= 0 && seat < playersInPlay() && game.isHuman[seat] &&
        !game.inDebt && !game.tradePartnerSide)
        switchAssetMenuSeat(seat);
}
