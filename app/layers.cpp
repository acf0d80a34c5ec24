// What lies on top, and whether a person's input gets through to it.
#include "app/layers.h"

#include "app/screen_flow.h"
#include "app/shell.h"
#include "game/state.h"
#include "game/tables.h"

Layer topLayer() { return shell.helpOpen ? LayerHelp : layerUnderHelp(); }

Layer layerUnderHelp() {
    if (shell.statsOpen) return LayerStatistics;
    if (shell.saveNameEntry) return shell.saveNameDone ? LayerSaveSlots : LayerSaveName;
    if (shell.loadListOpen) return LayerLoadSlots;
    if (shell.saveMenuOpen) return LayerSaveChoice;
    if (game.gameOver) return LayerGameOver;
    if (game.quitConfirmOpen) return LayerQuit;
    if (noticeUp()) return LayerNotice;
    if (game.bankruptTimer > 0) return LayerBankruptcy;
    if (unmortgageQuestionPending()) return LayerUnmortgage;
    if (game.utilityRollPending) return LayerUtilityRoll;
    if (game.buyPromptOpen) return LayerPurchase;
    if (game.auctionOpen) return LayerAuction;
    if (game.taxPromptOpen) return LayerTax;
    if (game.choosingTradePartner) return LayerTradePartner;
    if (game.tradeOfferOpen) return LayerTradeOffer;
    return LayerScreen;
}

// The same as topLayer() <= LayerSaveChoice, read straight off the flags: the frame step asks
// every tick.
bool gamePaused() {
    return shell.helpOpen || shell.statsOpen || shell.saveNameEntry || shell.loadListOpen ||
           shell.saveMenuOpen;
}

bool promptLayerOpen() { return layerIsDialog(topLayer()); }

bool layerIsDialog(Layer layer) {
    switch (layer) {
        case LayerGameOver:
        case LayerBankruptcy:
        case LayerUnmortgage:
        case LayerPurchase:
        case LayerAuction:
        case LayerTax:
        case LayerTradePartner:
        case LayerTradeOffer: return true;
        // A notice written during a card's jump waits on the board until the token settles.
        case LayerNotice: return game.settleTimer == 0;
        default: return false;
    }
}

bool boardBusy() {
    return game.screen == Board &&
           (game.moving || game.settleTimer > 0 || (game.cardTimer > 0 && !noticeUp()));
}

// The two gates given computerHoldsTheMove(): inputGate asks both every frame, so it works the
// predicate out once (headless play spends a tenth of its time here otherwise).
static bool digitInterruptOpen(bool computerHolds) {
    return computerHolds && game.screen == Board && game.menuIndex == 0 && !noticeUp() &&
           !game.buyPromptOpen && !game.taxPromptOpen && !game.utilityRollPending && game.diceTimer == 0 &&
           game.arrivalTimer == 0 && game.settleTimer == 0 && game.cardTimer == 0 &&
           game.bankruptTimer == 0 && !unmortgageQuestionPending();
}

bool computerGateHolds(bool computerHolds) {
    return computerHolds && !noticeUp() && game.bankruptTimer == 0 && !unmortgageQuestionPending();
}

bool digitInterruptOpen() { return digitInterruptOpen(computerHoldsTheMove()); }
bool computerGateHolds() { return computerGateHolds(computerHoldsTheMove()); }

InputGate inputGate() {
    if (boardBusy()) return InputClosed;
    const bool computerHolds = computerHoldsTheMove();
    if (digitInterruptOpen(computerHolds)) return InputDigitsOnly;
    if (game.bankruptTimer > 0 || computerGateHolds(computerHolds)) return InputClosed;
    return InputOpen;
}

bool statsViewAvailable() { return game.screen != StartMenu && game.screen != OptionsMenu; }
