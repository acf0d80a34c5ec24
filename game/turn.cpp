// The turn engine: dice, the token's walk, the landing, rent and the hand-off.
#include <algorithm>
#include <cstdio>

#include "game/board_geometry.h"
#include "game/random.h"
#include "game/rules.h"
#include "game/stats.h"
#include "game/tables.h"

namespace {

constexpr int diceTicks = 30;
constexpr int restTicks = 30;
constexpr int thirdDoubleRestTicks = 60;

void drawDice() {
    reseedFromClock();
    game.dice[0] = randomBelow(6);
    game.dice[1] = randomBelow(6);
}

int diceTotal() { return game.dice[0] + game.dice[1] + 2; }

void startMove(int arrivalTicks) {
    game.moving = true;
    game.diceTimer = diceTicks;
    game.arrivalTimer = arrivalTicks;
}

// A zero-square move: the dice are shown, the token stays, the landing follows.
void stayPut(int square) {
    game.cursorFrom = square;
    game.moveTarget = square;
    startMove(restTicks);
}

bool ownedUnmortgagedBy(int property, int seat) {
    return game.owner[property] == seat && game.houses[property] >= 0;
}

int streetRentFor(int property, int owner) {
    const int single = streetRent[0][property];
    for (int p = 0; p < streetCount; ++p)
        if (groupOf(p) == groupOf(property) && !ownedUnmortgagedBy(p, owner)) return single;
    return 2 * single;
}

int transportRentFor(int property, int owner) {
    int rent = 25;
    for (int t : groupMembers[transportGroup])
        if (t != property && ownedUnmortgagedBy(t, owner)) rent *= 2;
    if (game.transportDoubleRent) rent *= 2;
    game.transportDoubleRent = false;
    return rent;
}

int utilityRentFor(int property, int owner) {
    const int rent = 4 * diceTotal();
    const int32_t* pair = groupMembers[utilityGroup];
    const int other = property == pair[0] ? pair[1] : pair[0];
    if (ownedUnmortgagedBy(other, owner) || game.utilityTenTimes) return static_cast<int>(rent * 2.5);
    return rent;
}

void landOnSpecialSquare(int seat, int square) {
    switch (square) {
        case freeParkingSquare:
            if (game.middleOption > 0 && game.middlePot != 0) {
                writeNotice(game.noticeIndex, seat, -game.middlePot, "landing on free parking");
                game.money[seat] += game.middlePot;
                game.endTurnAfterNotice = true;
                game.middlePot = game.middleOption == 1 ? 0 : middlePotSeed;
            } else {
                continueOrPass();
            }
            return;
        case goToJailSquare:
            game.position[seat] = jailCell;
            game.jailTurns[seat] = 0;
            aimCamera(jailCell);
            game.skipLanding = true;
            game.boardCursor = jailSquare;
            game.settleTimer = settleTicks;
            return;
        case luxuryTaxSquare:
            if (chargeFee(seat, luxuryTax, "taxes", middleCreditor)) game.endTurnAfterNotice = true;
            return;
        case incomeTaxSquare:
            game.taxPromptOpen = true;
            game.promptYes = true;
            return;
        default: break;
    }
    for (int deck = 0; deck < 2; ++deck)
        for (int k = 0; k < 3; ++k)
            if (cardSquares[deck][k] == square) {
                game.activeDeck = deck;
                game.cardTimer = cardDisplayTicks;
                return;
            }
    continueOrPass();
}

void landOnProperty(int seat, int property) {
    const int owner = game.owner[property];
    const bool bankOwns = !isSeat(owner);
    const bool rentFree = game.houses[property] == -1 || owner == seat;
    if (rentFree || bankOwns) {
        if (rentFree) {
            continueOrPass();
        } else {
            game.buyPromptOpen = true;
            game.promptYes = true;
        }
        // No rent is computed here, so the card's double transport rent must not linger
        // and double some later, unrelated rent.
        game.transportDoubleRent = false;
        game.utilityTenTimes = false;
        return;
    }
    const int rent = computeRent(property);
    if (rent > netWorth(seat)) {
        declareBankrupt(seat, owner);
        game.utilityTenTimes = false;
        return;
    }
    game.money[seat] -= rent;
    game.money[owner] += rent;
    statsRent(seat, owner, rent);
    char reason[noticeReasonSize * 2];
    std::snprintf(reason, sizeof reason, "rent of %s %s", nameLine1(property), nameLine2(property));
    writeNotice(game.noticeIndex, seat, rent, reason);
    game.endTurnAfterNotice = true;
    game.utilityTenTimes = false;
    checkDebt(seat);
}

}  // namespace

void rollDice() {
    drawDice();
    const int seat = game.currentPlayer;
    const int from = game.position[seat];
    const bool doubles = game.dice[0] == game.dice[1];
    game.cursorFrom = from;
    if (doubles && from == jailCell) {
        game.jailTurns[seat] = 0;
        if (game.doublesCount == 2) {
            game.doublesCount = 0;
            stayPut(jailCell);
            return;
        }
        game.doublesCount = 0;  // doubles that free a prisoner give no extra roll
        game.position[seat] = jailSquare;
        game.cursorFrom = jailSquare;
        game.moveTarget = (diceTotal() + jailSquare) % squareCount;
    } else if (doubles) {
        if (game.doublesCount == 2) {
            game.jailTurns[seat] = 0;
            game.doublesCount = 0;
            game.position[seat] = jailCell;
            game.cursorFrom = jailCell;
            game.moveTarget = jailCell;
            aimCamera(jailCell);
            startMove(thirdDoubleRestTicks);
            return;
        }
        game.moveTarget = (from + diceTotal()) % squareCount;
        ++game.doublesCount;
    } else {
        game.doublesCount = 0;
        if (from == jailCell) {
            // Two failed rolls is the most a stay allows; the next turn forces the release.
            if (game.jailTurns[seat] < 2) ++game.jailTurns[seat];
            stayPut(jailCell);
            return;
        }
        game.moveTarget = (from + diceTotal()) % squareCount;
    }
    if (game.moveTarget < game.cursorFrom) game.passedGo = true;
    startMove(restTicks);
}

void rollForUtilityRent() {
    drawDice();
    game.utilityRollPending = false;
    stayPut(game.position[game.currentPlayer]);
    game.utilityTenTimes = true;
}

void advanceMove() {
    if (game.diceTimer > 0) {
        --game.diceTimer;
    } else if (game.cameraGlide > 0) {
        const float steps = static_cast<float>(game.cameraGlide);
        game.panX += (game.cameraTargetX - game.panX) / steps;
        game.panY += (game.cameraTargetZ - game.panY) / steps;
        --game.cameraGlide;
    }
    if (!game.moving || game.cameraGlide != 0 || game.diceTimer != 0) return;
    const int seat = game.currentPlayer;
    if (game.position[seat] != game.moveTarget) {
        game.cursorFrom = game.position[seat];
        game.position[seat] = (game.position[seat] + 1) % squareCount;
        aimCamera(game.position[seat]);
    } else if (game.arrivalTimer > 0) {
        --game.arrivalTimer;
    } else {
        game.moving = false;
        if (game.passedGo) {
            game.passedGo = false;
            writeNotice(0, seat, -goSalary, "passing GO");
            game.money[seat] += goSalary;
            statsSalary(seat, goSalary);
            game.noticeIndex = 1;
        }
        processLanding();
    }
}

void advanceSettle() {
    if (game.settleTimer <= 0) return;
    if (--game.settleTimer != 0) return;
    // Cleared before acting, so a landing that starts a new settle keeps its own flag.
    const bool skip = game.skipLanding;
    game.skipLanding = false;
    if (!skip)
        processLanding();
    else if (game.doublesCount == 0)
        nextTurn();
}

void processLanding() {
    const int seat = game.currentPlayer;
    const int square = game.position[seat];
    const int property = propertyAtSquare(square);
    if (property < 0)
        landOnSpecialSquare(seat, square);
    else
        landOnProperty(seat, property);
}

int computeRent(int property) {
    const int owner = game.owner[property];
    const int buildings = game.houses[property];
    if (!isSeat(owner) || owner == game.currentPlayer || buildings < 0) return 0;
    if (buildings > 0 && isStreet(property) && buildings <= hotelLevel)
        return streetRent[buildings][property];
    if (isStreet(property)) return streetRentFor(property, owner);
    if (isTransport(property)) return transportRentFor(property, owner);
    return utilityRentFor(property, owner);
}

void nextTurn() {
    statsTurnEnded(game.currentPlayer);
    game.doublesCount = 0;
    const int seats = std::min(playersInPlay(), maxSeats);
    if (seats <= 0) return;
    // Bounded: with every seat bankrupt the turn stays where it is instead of spinning.
    for (int tries = 0; tries < seats; ++tries) {
        game.currentPlayer = (game.currentPlayer + 1) % seats;
        if (!game.bankrupt[game.currentPlayer]) break;
    }
    const int seat = game.currentPlayer;
    if (!game.isHuman[seat])
        for (int other = 0; other < seats; ++other) {
            if (game.proposeCooldown[seat][other] > 0) --game.proposeCooldown[seat][other];
            if (game.answerCooldown[seat][other] > 0) --game.answerCooldown[seat][other];
        }
    if (game.position[seat] == jailCell && game.jailTurns[seat] == 2) releaseFromJail(seat);
    game.boardCursor = squareOfSeat(seat);
    aimCamera(game.position[seat]);
}

void continueOrPass() {
    if (game.doublesCount == 0)
        nextTurn();
    else
        game.boardCursor = squareOfSeat(game.currentPlayer);
}

void aimCamera(int square) {
    game.cameraGlide = game.moving ? 10 : 5;
    const BoardPoint aim = cameraAim(square);
    game.cameraTargetX = static_cast<float>(aim.x);
    game.cameraTargetZ = static_cast<float>(aim.y);
}
