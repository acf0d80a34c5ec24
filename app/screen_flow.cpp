// The screen state machine, run once per tick before the frame is drawn: the first layer
// that applies takes the keys, in a fixed priority.
#include "app/screen_flow.h"

#include "app/aids.h"
#include "app/flow_internal.h"
#include "app/input.h"
#include "app/shell.h"
#include "game/rules.h"
#include "game/tables.h"

bool noticeUp() { return game.noticeTimer > 0; }

bool unmortgageQuestionPending() {
    return game.partnerMortgagedCount > 0 || game.initiatorMortgagedCount > 0;
}

bool promptLayerOpen() {
    return game.choosingTradePartner || game.tradeOfferOpen || (noticeUp() && game.settleTimer == 0) ||
           unmortgageQuestionPending() || game.buyPromptOpen || game.auctionOpen || game.taxPromptOpen ||
           game.bankruptTimer > 0 || game.gameOver;
}

bool seatIsComputer(int seat) { return seat >= 0 && seat < maxSeats && !game.isHuman[seat]; }

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

bool boardBusy() {
    return game.screen == Board &&
           (game.moving || game.settleTimer > 0 || (game.cardTimer > 0 && !noticeUp()));
}

bool digitInterruptOpen() {
    return game.screen == Board && game.menuIndex == 0 && !noticeUp() && !game.buyPromptOpen &&
           !game.taxPromptOpen && !game.utilityRollPending && game.computerDelay >= 1 &&
           game.diceTimer == 0 && game.arrivalTimer == 0 && game.settleTimer == 0 && game.cardTimer == 0 &&
           game.bankruptTimer == 0 && !unmortgageQuestionPending();
}

bool computerGateHolds() {
    if (game.computerDelay <= 0 || noticeUp() || game.bankruptTimer > 0 || unmortgageQuestionPending())
        return false;
    const bool menuScreen = game.screen == AssetMenu || game.screen == PropertyCard;
    const bool offerToComputer = game.tradeOfferOpen && seatIsComputer(game.menuPlayer);
    const bool computerInDebt = game.screen == AssetMenu && game.inDebt && seatIsComputer(game.menuPlayer);
    return !menuScreen || offerToComputer || computerInDebt;
}

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

// The first open prompt takes the keys; returns false when none is open.
static bool stepPrompts() {
    if (noticeUp()) {
        if (takeEnter()) dismissNotice();
    } else if (game.partnerMortgagedCount > 0 || game.initiatorMortgagedCount > 0) {
        stepYesNo();
        if (takeEnter() && input.freshQuestionTicks == 0) answerUnmortgageQuestion(game.promptYes);
    } else if (game.utilityRollPending) {
        if (takeEnter()) rollForUtilityRent();
    } else if (game.buyPromptOpen) {
        stepYesNo();
        if (takeEnter()) decidePurchase();
    } else if (game.auctionOpen) {
        stepAuctionKeys();
    } else if (game.taxPromptOpen) {
        stepYesNo();
        if (takeEnter()) payIncomeTax();
    } else if (game.choosingTradePartner) {
        if (takeEnter()) game.choosingTradePartner = false;
        const int seat = takeDigitPress();
        if (seat >= 0) chooseTradePartner(seat);
    } else if (game.tradeOfferOpen) {
        stepYesNo();
        if (takeEnter()) answerTradeOffer();
    } else {
        return false;
    }
    return true;
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
    if (!shell.helpOpen && takePress(input.keyF4, input.keyF4Handled)) {
        shell.saveMenuOpen = !shell.saveMenuOpen;
        shell.saveMenuOnSave = true;
        shell.saveNameEntry = shell.saveNameDone = shell.loadListOpen = false;
    }
    if (shell.helpOpen) {
        if (takePress(input.keySpace, input.keySpaceHandled) || takeEnter()) shell.helpOpen = false;
        return;
    }
    if (stepSaveLayers()) return;

    if (game.gameOver) {
        if (takeEnter()) {
            game.gameOver = false;
            resetToStartMenu();
        }
        return;
    }

    if (boardBusy()) {
        // Q cannot ask while the dice roll or a token walks; it asks once the board is still.
        if (takePress(input.keyQ, input.keyQHandled)) aids.quitPending = true;
        return;
    }
    if (digitInterruptOpen()) {
        const int seat = takeDigitPress();
        if (isHumanSeatInPlay(seat)) openSeatMenuFromBoard(seat);
        return;
    }
    if (game.bankruptTimer > 0) return;
    if (computerGateHolds()) return;

    if (game.quitConfirmOpen) {
        if (takeLeftOrRight()) game.quitYes = !game.quitYes;
        if (takeEnter()) {
            if (game.quitYes)
                resetToStartMenu();
            else
                game.quitConfirmOpen = false;
        }
        return;
    }

    if (stepPrompts()) return;
    if (game.screen == Board && game.cameraGlide > 0) return;
    stepScreenKeys();
}
