// Keys of the full-screen menus: start, options, name entry, turn order, property card.
#include <cstdio>
#include <cstring>

#include "app/flow_internal.h"
#include "app/input.h"
#include "app/screen_flow.h"
#include "game/rules.h"
#include "game/tables.h"

static bool takeEnter() { return takePress(input.keyEnter, input.keyEnterHandled); }
static bool takeQ() { return takePress(input.keyQ, input.keyQHandled); }

void stepStartMenu() {
    const bool up = takePress(input.keyUp, input.keyUpHandled);
    const bool down = takePress(input.keyDown, input.keyDownHandled);
    if (up != down) game.menuIndex = game.menuIndex == 0 ? 1 : 0;
    if (!takeEnter()) return;
    if (game.menuIndex == 0) {
        setUpGame();
    } else {
        game.menuIndex = 0;
        game.screen = OptionsMenu;
    }
}

void changeOption(int direction) {
    int& humans = game.humanCount;
    int& computers = game.computerCount;
    switch (game.menuIndex) {
        case 0:
            if (direction < 0) {
                if (--humans < 1 || humans + computers < 2) humans = 8 - computers;
            } else if (++humans == 9) {
                humans = 2;
            } else if (humans > 8 - computers) {
                humans = 1;
            }
            break;
        case 1:
            if (direction < 0) {
                if (--computers < 0 || humans + computers < 2) computers = 8 - humans;
            } else if (++computers == 8) {
                computers = 1;
            } else if (computers > 8 - humans) {
                computers = 0;
            }
            break;
        case 2: game.middleOption = (game.middleOption + (direction < 0 ? 2 : 1)) % 3; break;
        case 3: game.biddingOption = !game.biddingOption; break;
        default: break;
    }
}

void stepOptionsMenu() {
    if (takePress(input.keyLeft, input.keyLeftHandled)) changeOption(-1);
    if (takePress(input.keyRight, input.keyRightHandled)) changeOption(+1);
    if (takePress(input.keyUp, input.keyUpHandled))
        game.menuIndex = game.menuIndex == 0 ? 4 : game.menuIndex - 1;
    if (takePress(input.keyDown, input.keyDownHandled))
        game.menuIndex = game.menuIndex == 4 ? 0 : game.menuIndex + 1;
    if (takeEnter() && game.menuIndex == 4) {
        game.menuIndex = 0;
        game.screen = StartMenu;
    }
}

void confirmName() {
    const int entry = game.currentPlayer;
    if (entry < 0 || entry >= playersInPlay()) return;
    char* name = game.playerNames[entry];
    if (name[0] == '\0') {
        const bool human = entry < game.humanCount;
        std::snprintf(name, playerNameSize, "%c%d", human ? 'P' : 'C',
                      human ? entry + 1 : entry - game.humanCount + 1);
    }
    game.currentPlayer = entry + 1;
    if (game.currentPlayer < playersInPlay()) return;
    // Every entrant is named: the names move to the seats the set-up drew for them.
    char byEntry[maxSeats][playerNameSize];
    std::memcpy(byEntry, game.playerNames, sizeof byEntry);
    for (int seat = 0; seat < playersInPlay(); ++seat)
        std::memcpy(game.playerNames[seat], byEntry[game.entryIndex[seat]], playerNameSize);
    game.screen = TurnOrder;
    game.currentPlayer = 0;
}

void stepNameEntry() {
    if (takeEnter()) confirmName();
}

void leaveTurnOrder() {
    aimCamera(0);
    game.screen = Board;
}

void stepTurnOrder() {
    // Q first and alone: a board opened under the question would let a computer in seat 0
    // roll behind it, and the move would then hold the question's keys.
    if (takeQ()) {
        game.quitConfirmOpen = true;
        return;
    }
    if (takeEnter()) leaveTurnOrder();
}

void stepPropertyCard() {
    if (takeQ()) {  // alone in its tick, as on every screen that asks it
        game.quitConfirmOpen = true;
        return;
    }
    if (takePress(input.keySpace, input.keySpaceHandled) || takeEnter()) game.screen = game.returnScreen;
}
