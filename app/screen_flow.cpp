// The screen state machine, run once per tick before the frame is drawn: the first layer
// that applies takes the keys, in a fixed priority.
#include "app/screen_flow.h"

#include "ai/computer.h"
#include "app/aids.h"
#include "app/flow_internal.h"
#include "app/input.h"
#include "app/shell.h"
#include "game/rules.h"
#include "game/tables.h"

int takeDigitPress() {
    for (int d = 0; d < 8; ++d)
        if (takePress(input.keyDigit[d], input.keyDigitHandled[d])) return d;
    return -1;
}

static bool takeLeftOrRight() {
    const bool left = takePress(input.keyLeft, input.keyLeftHandled);
    const bool right = takePress(input.keyRight, input.keyRightHandled);
    return left != right;  // both in one tick cancel out
}

static bool takeEnter() { return takePress(input.keyEnter, input.keyEnterHandled); }

bool isHumanSeatInPlay(int seat) { return seat >= 0 && seat < playersInPlay() && game.isHuman[seat]; }

static void stepYesNo() {
    if (takeLeftOrRight()) game.promptYes = !game.promptYes;
}

static void stepAuctionKeys() {
    if (takeEnter()) endAuction();
    if (takePress(input.keyUp, input.keyUpHandled)) raiseBidIncrement();
    if (takePress(input.keyDown, input.keyDownHandled)) lowerBidIncrement();
    const int seat = takeDigitPress();
    if (isHumanSeatInPlay(seat)) bidForPerson(seat);
}

static void stepScreenKeys();

// The keys of a layer of the game, once the input gate has let them through.
static void stepGameLayer(Layer layer) {
    switch (layer) {
        case LayerQuit:
            if (takeLeftOrRight()) game.quitYes = !game.quitYes;
            if (takeEnter()) {
                if (game.quitYes)
                    resetToStartMenu();
                else
                    game.quitConfirmOpen = false;
            }
            break;
        case LayerNotice:
            if (takeEnter()) dismissNotice();
            break;
        case LayerUnmortgage:
            stepYesNo();
            if (takeEnter() && input.freshQuestionTicks == 0) answerUnmortgageQuestion(game.promptYes);
            break;
        case LayerUtilityRoll:
            if (takeEnter()) rollForUtilityRent();
            break;
        case LayerPurchase:
            stepYesNo();
            if (takeEnter()) answerPurchaseQuestion();
            break;
        case LayerAuction: stepAuctionKeys(); break;
        case LayerTax:
            stepYesNo();
            if (takeEnter()) payIncomeTax();
            break;
        case LayerTradePartner: {
            if (takeEnter()) game.choosingTradePartner = false;
            const int seat = takeDigitPress();
            if (seat >= 0) chooseTradePartner(seat);
            break;
        }
        case LayerTradeOffer:
            stepYesNo();
            if (takeEnter()) answerTradeOffer();
            break;
        case LayerScreen:
            if (game.screen == Board && game.cameraGlide > 0) break;  // the camera glides to its target
            stepScreenKeys();
            break;
        default: break;  // the layers above the game, and the bankruptcy notice (gated)
    }
}

static void stepScreenKeys() {
    switch (game.screen) {
        case StartMenu: stepStartMenu(); break;
        case OptionsMenu: stepOptionsMenu(); break;
        case NameEntry: stepNameEntry(); break;
        case TurnOrder: stepTurnOrder(); break;
        case Board: stepBoard(); break;
        case AssetMenu: stepAssetMenu(); break;
        case PropertyCard: stepPropertyCard(); break;
        default: break;
    }
}

void stepScreenFlow() {
    if (game.screen != Board) aids.quitPending = false;  // a Q kept for the board's still moment
    if (!shell.saveMenuOpen && takePress(input.keyF1, input.keyF1Handled)) shell.helpOpen = !shell.helpOpen;
    // F2 and F4 wait, unconsumed, while another layer is up; each layer takes every key.
    if (!shell.helpOpen && !shell.saveMenuOpen && (shell.statsOpen || statsViewAvailable()) &&
        takePress(input.keyF2, input.keyF2Handled))
        shell.statsOpen = !shell.statsOpen;
    if (!shell.helpOpen && !shell.statsOpen && takePress(input.keyF4, input.keyF4Handled)) {
        shell.saveMenuOpen = !shell.saveMenuOpen;
        shell.saveMenuOnSave = true;
        shell.saveNameEntry = shell.saveNameDone = shell.loadListOpen = false;
        shell.saveMessage[0] = '\0';
    }
    const Layer top = topLayer();
    switch (top) {
        case LayerHelp:
            if (takePress(input.keySpace, input.keySpaceHandled) || takeEnter()) shell.helpOpen = false;
            return;
        case LayerStatistics:
            if (takeEnter()) shell.statsOpen = false;
            return;
        case LayerSaveName:
        case LayerSaveSlots:
        case LayerLoadSlots:
        case LayerSaveChoice: stepSaveLayer(top); return;
        case LayerGameOver:
            if (takeEnter()) {
                game.gameOver = false;
                resetToStartMenu();
            }
            return;
        default: break;
    }
    switch (inputGate()) {
        case InputClosed:
            // Q cannot ask while the dice roll or a token walks; it asks once the board is still.
            if (boardBusy() && takePress(input.keyQ, input.keyQHandled)) aids.quitPending = true;
            return;
        case InputDigitsOnly: {
            const int seat = takeDigitPress();
            if (isHumanSeatInPlay(seat)) openSeatMenuFromBoard(seat);
            return;
        }
        case InputOpen: stepGameLayer(top); return;
    }
}
