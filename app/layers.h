// What lies on top of the screen: one answer, computed from the state, that the keys, the
// clicks, the help sets, the frame step and the drawing all switch on. Free of OpenGL.
#pragma once

#include "game/state.h"
#include "game/tables.h"

// Everything that can lie on top, highest first. The first that applies is the top layer.
enum Layer : int {
    LayerHelp,         // F1 help
    LayerStatistics,   // F2 statistics view
    LayerSaveName,     // F4 layers: typing the save's name,
    LayerSaveSlots,    // choosing the slot to save into,
    LayerLoadSlots,    // choosing the slot to load,
    LayerSaveChoice,   // SAVE or LOAD
    LayerGameOver,     // "WINS"
    LayerQuit,         // the quit question
    LayerNotice,       // a payment notice
    LayerBankruptcy,   // the bankruptcy notice
    LayerUnmortgage,   // the unmortgage question after a trade or bankruptcy
    LayerUtilityRoll,  // the nearest-utility card's roll (drawn on the board's action bar)
    LayerPurchase,
    LayerAuction,
    LayerTax,
    LayerTradePartner,  // "Press number of player"
    LayerTradeOffer,    // "Trade?"
    LayerScreen,        // nothing over the screen itself
    LayerCount,
};

Layer topLayer();
// The top layer as if help were closed: what help describes.
Layer layerUnderHelp();

// The layers above the game: while one is up the game's counters stand still and it takes
// every key and click.
bool gamePaused();

// Whether a layer of the game (the quit question and below) may take a person's input now.
enum InputGate : int {
    InputOpen,
    InputDigitsOnly,  // a computer is about to act: only a seat's digit or panel click gets in
    InputClosed,      // the board moves, a bankruptcy notice runs, or a computer acts
};
InputGate inputGate();

// --- The facts the layers are made of (also read by the renderer and the tests) ---
inline bool noticeUp() { return game.noticeTimer > 0; }  // a payment notice is up
inline bool unmortgageQuestionPending() {
    return game.partnerMortgagedCount > 0 || game.initiatorMortgagedCount > 0;
}
// A dialog lies over the screen (what the renderer frames as one, and what pauses the board).
bool promptLayerOpen();
bool layerIsDialog(Layer layer);
// The board waits while the token moves, a jump settles or a card is shown.
bool boardBusy();
// A computer's pending action lets a person in only by digit or panel.
bool digitInterruptOpen();
// A computer seat has the next move (its turn, its answer to an offer or its debt), whatever
// is shown over it; the frame step keeps its countdown running exactly while this holds.
inline bool computerHoldsTheMove() {
    if (game.gameOver) return false;  // nobody acts under "WINS"
    // A debt is raised, and an offer answered, by its own seat whoever's turn it is.
    if (game.screen == AssetMenu && game.inDebt) return seatIsComputer(game.menuPlayer);
    if (game.tradeOfferOpen) return seatIsComputer(game.menuPlayer);
    // Computers bid only through computerAutoBid; a person's menu over the board holds the turn.
    if (game.auctionOpen || game.screen != Board) return false;
    return seatIsComputer(game.currentPlayer) && !game.bankrupt[game.currentPlayer];
}
// A computer is about to act, and nothing else takes input: the one predicate of it. The second
// form takes computerHoldsTheMove() already worked out.
bool computerGateHolds();
bool computerGateHolds(bool computerHolds);
// F2 opens the statistics view over any screen of a game (the menus before one have none).
bool statsViewAvailable();
