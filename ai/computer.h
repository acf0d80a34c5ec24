// Computer players: they act only through computerStep, one action per call, using the same
// prompts, action bar and rules as a person at the keyboard. Grouped by the file that defines
// them. Every routine that draws reseeds from the game's clock first, except resolveDebt.
#pragma once

// --- controller.cpp: the paced entry point ---
// One action of the computer seat whose turn, offer or debt it is; called by the frame step
// when computerDelay runs out. The frame step alone arms and re-arms that countdown.
void computerStep();
// Whether a jailed current player pays (or uses a card) rather than rolling for doubles.
bool decideLeaveJail();

// --- building.cpp: houses and buying back mortgages ---
// Whether the current player will build this roll; draws buildReserve. Sets buildTried.
bool decideBuild();
// Builds evenly, in a random order of streets, down to buildReserve; menuIndex back to 0.
void buildHouses();
// Whether the current player will lift a mortgage this roll; draws unmortgageMargin.
bool decideUnmortgage();
// Lifts mortgages (whole groups first, transports and utilities last) while the margin allows.
void unmortgageProperties();

// --- trading.cpp: proposals and answers ---
// Fills in an offer from the current player to a drawn partner; true when one is made.
bool proposeTrade();
// Judges the open offer for the responder menuPlayer; changes only answerCooldown.
bool evaluateTradeOffer();

// --- buying.cpp: the purchase question and auctions ---
// Whether the current player keeps YES at the purchase question.
bool decideBuy();
// Fills bidLimit for every seat in play when an auction opens (0 for people).
void computeBidLimits();
// The answer to the purchase question (decidePurchase), and when it opens an auction the
// computers' bid limits: what a person's ENTER or click and a computer's answer all call.
void answerPurchaseQuestion();
// One frame of computer bidding: the best-placed computer answers a person's bid.
void computerAutoBid();

// --- debt.cpp: raising cash ---
// Mortgages and sells, cheapest strategic loss first, until the debtor menuPlayer is out of
// debt, then closes the debt state or hands it to the next seat in debt.
void resolveDebt();
