// Keys of the board screen: camera, action bar, board cursor, property card, seat menus.
#include <algorithm>

#include "app/aids.h"
#include "app/flow_internal.h"
#include "app/input.h"
#include "app/screen_flow.h"
#include "game/rules.h"
#include "game/tables.h"

enum BoardAction {
    ActionRoll = 0,
    ActionTrade = 1,
    ActionHouses = 2,
    ActionMortgage = 3,
    ActionLeaveJail = 4
};

static bool currentInJail() { return game.position[game.currentPlayer] == jailCell; }

static void stepCameraKeys() {
    const float step = 0.01f;
    if (input.keyZ) game.zoom = std::max(0.5f, game.zoom - step);
    if (input.keyX) game.zoom = std::min(1.0f, game.zoom + step);
    if (input.keyA) game.panX = std::max(-0.25f, game.panX - step);
    if (input.keyD) game.panX = std::min(0.25f, game.panX + step);
    if (input.keyS) game.panY = std::max(-0.25f, game.panY - step);
    if (input.keyW) game.panY = std::min(0.25f, game.panY + step);
}

static void moveBoardCursor(int step) {
    // 40, the jail cell, stands on square 10's corner and walks from there.
    const int from = game.boardCursor == jailCell ? jailSquare : game.boardCursor;
    game.cursorFrom = game.boardCursor;
    game.boardCursor = (from + step + squareCount) % squareCount;
    aimCamera(game.boardCursor);
}

void openAssetMenu(int seat) {
    game.menuPlayer = seat;
    game.assetCursor = CursorBack;
    for (int p = 0; p < propertyCount; ++p)
        if (game.owner[p] == seat) {
            game.assetCursor = p;
            break;
        }
    game.screen = AssetMenu;
}

void openSeatMenuFromBoard(int seat) {
    if (game.menuIndex < KindTrade || game.menuIndex > KindMortgage) game.menuIndex = KindTrade;
    if (game.menuIndex == KindHouses && game.houseCount < 1) game.houseCount = 1;
    openAssetMenu(seat);
}

void activateBoardAction() {
    switch (game.menuIndex) {
        case ActionRoll: rollDice(); break;
        case ActionTrade:
        case ActionMortgage: openAssetMenu(game.currentPlayer); break;
        case ActionHouses:
            game.houseCount = 1;
            openAssetMenu(game.currentPlayer);
            break;
        case ActionLeaveJail:
            if (currentInJail()) leaveJail();  // a stale highlight must not release a free seat
            break;
        default: break;
    }
}

void stepBoard() {
    stepCameraKeys();
    // The question takes the tick: a roll begun beside it would freeze behind the dialog
    // while the dialog waits for the move to end.
    if (takePress(input.keyQ, input.keyQHandled) || aids.quitPending) {
        aids.quitPending = false;
        game.quitConfirmOpen = true;
        return;
    }
    const int lastAction = currentInJail() ? ActionLeaveJail : ActionMortgage;
    if (takePress(input.keyRight, input.keyRightHandled))
        game.menuIndex = game.menuIndex + 1 > lastAction ? 0 : game.menuIndex + 1;
    if (takePress(input.keyLeft, input.keyLeftHandled))
        game.menuIndex = game.menuIndex - 1 < 0 ? lastAction : game.menuIndex - 1;
    // Held: one square per finished glide (this step runs only once the glide has ended).
    if (input.keyDown)
        moveBoardCursor(-1);
    else if (input.keyUp)
        moveBoardCursor(+1);
    if (takePress(input.keySpace, input.keySpaceHandled) && propertyAtSquare(game.boardCursor) >= 0) {
        game.returnScreen = Board;
        game.screen = PropertyCard;
    }
    // The action takes the rest of the tick: a digit seen beside a roll would open a menu over
    // the token as it starts to walk.
    if (game.screen == Board && takePress(input.keyEnter, input.keyEnterHandled)) {
        activateBoardAction();
        return;
    }
    const int seat = takeDigitPress();
    if (game.screen == Board && seat >= 0 && seat < playersInPlay() && game.isHuman[seat])
        openSeatMenuFromBoard(seat);
}
