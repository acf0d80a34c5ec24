// The per-tick halves of the frame loop and the transitions that keys and clicks share.
// All free of OpenGL so tests can tick whole games headless.
#pragma once

#include "app/layers.h"

// Reads the key latches and takes the first layer that applies.
void stepScreenFlow();

// Counts the frame timers down, runs the rules they release and paces the computer seats.
void frameStep();

// --- Seats ---
bool isHumanSeatInPlay(int seat);

// --- Transitions shared by keys and clicks ---
void openAssetMenu(int seat);
// A human seat's digit on the board: its trade menu (kind kept if one is highlighted).
void openSeatMenuFromBoard(int seat);
// ENTER on the board's highlighted action.
void activateBoardAction();
// ENTER on the asset menu's cursor.
void assetMenuEnter();
// Confirm of the asset menu's current kind.
void confirmAssetMenu();
// UP (+1) or DOWN (-1) on the amount field: trade money at amountDigit, or the count.
void changeAssetAmount(int direction);
// A kind tab of the asset menu.
void selectAssetKind(int kind);
// A digit in the asset menu: the same kind for another seat.
void switchAssetMenuSeat(int seat);
// The trade partner chosen by digit while "Press number of player" is up.
void chooseTradePartner(int seat);
// ENTER in the "Trade?" offer with promptYes as the answer.
void answerTradeOffer();
// The options menu's LEFT (-1) and RIGHT (+1) on the highlighted row.
void changeOption(int direction);
// ENTER on the turn order list.
void leaveTurnOrder();
// ENTER on the name entry screen.
void confirmName();
// The save layers.
void confirmSaveName();
void saveIntoSlot(int slot);
void loadFromSlot(int slot);
void chooseSave();
void chooseLoad();
