// Every rule of the game, as free functions over `game`. Rules never wait and never draw:
// they change the state and set prompt flags and frame counters; the frame step decides
// when their consequences run. Grouped by the file that defines them.
#pragma once

#include "game/state.h"

// --- setup.cpp: new game and reset ---
void setUpGame();
void resetToStartMenu();
void computeBoardGeometry();

// --- turn.cpp: dice, movement, landing, rent and turn hand-off ---
void rollDice();
void rollForUtilityRent();
void advanceMove();
void advanceSettle();
void processLanding();
void nextTurn();
void continueOrPass();
void aimCamera(int square);
// Rent the mover owes for property P under the current flags (clears transportDoubleRent
// as the transport rule does); 0 when nothing is owed.
int computeRent(int property);

// --- money.cpp: net worth, notices, fees, debt and bankruptcy ---
int netWorth(int seat);
void checkDebt(int seat);
void openDebtState(int seat);
void writeNotice(int slot, int seat, int amount, const char* reason);
void dismissNotice();
// Returns true when the fee was paid (false: the seat went bankrupt instead).
// A null reason writes no notice.
bool chargeFee(int seat, int amount, const char* reason, int creditor);
void declareBankrupt(int debtor, int creditor);
void afterBankruptcyNotice();
void payIncomeTax();
void leaveDebtState();
// Ends the debt state and returns to the board, or hands the state on to the next seat in debt.
void closeDebtState();

// --- cards.cpp: the two decks ---
void shuffleDecks();
void recycleTopCard(int deck);
void applyCard();

// --- jail.cpp ---
void releaseFromJail(int seat);
void leaveJail();

// --- auction.cpp: purchase and auction ---
void decidePurchase();
void raiseBidIncrement();
void lowerBidIncrement();
void humanBid(int seat);
void endAuction();
void advanceAuction();

// --- assets.cpp: houses, mortgages and trades ---
bool canBuyHouses();
void buyHouses();
bool canMortgageAction();
void mortgageAction();
bool tradeIsValid();
void executeTrade();
void closeAssetMenu();
void answerUnmortgageQuestion(bool yes);
int unmortgageCost(int property);  // mortgage value x 1.1, truncated
int tradeInterest(int property);   // mortgage value x 0.1, truncated
// Nothing selected on either side of a trade, jail cards included.
void clearTradeSelections();

// --- shared helpers ---
// The board square a seat's token is drawn on: its position, or square 10 for the jail cell.
int squareOfSeat(int seat);
