// Computer players: they act only through computerStep, one action per call.
#pragma once

// One paced action of the computer seat whose turn or question it is.
void computerStep();

// Auction support, called by the auction rules.
void computeBidLimits();  // fills bidLimit for every computer seat when an auction opens
void computerAutoBid();   // one frame of computer bidding
