// The per-frame game step: counts the frame timers down, runs the rules they release and
// paces the computer seats. Runs inside the display callback, before the frame is drawn.
#include "ai/computer.h"
#include "app/aids.h"
#include "app/input.h"
#include "app/screen_flow.h"
#include "app/shell.h"
#include "game/rules.h"
#include "game/tables.h"

static bool saveOrHelpLayerOpen() {
    return shell.helpOpen || shell.saveNameEntry || shell.loadListOpen || shell.saveMenuOpen;
}

static bool somethingMoves() {
    return game.moving || game.diceTimer > 0 || game.arrivalTimer > 0 || game.settleTimer > 0 ||
           game.cardTimer > 0 || game.bankruptTimer > 0;
}

// The current computer has nothing open and nothing running on the board, yet no step is
// coming. (A sold auction with doubles pending ends this way: the purchase notice hands the
// turn back to the seat without re-arming it.)
static bool computerTurnStalled() {
    const int seat = game.currentPlayer;
    if (game.computerDelay != 0 || game.screen != Board || !seatIsComputer(seat) || game.bankrupt[seat])
        return false;
    return !noticeUp() && !somethingMoves() && !unmortgageQuestionPending() && !game.auctionOpen &&
           !game.tradeOfferOpen && !game.choosingTradePartner && !game.gameOver;
}

static void computerBookkeeping() {
    const bool computerInDebt = game.screen == AssetMenu && game.inDebt && seatIsComputer(game.menuPlayer);
    if (computerInDebt && game.computerDelay == 0) game.computerDelay = computerThinkTicks;
    if (computerTurnStalled()) game.computerDelay = computerThinkTicks;
    // The unmortgage questions are only ever put to people.
    if (game.partnerMortgagedCount > 0 && seatIsComputer(game.menuPlayer)) game.partnerMortgagedCount = 0;
    if (game.initiatorMortgagedCount > 0 && seatIsComputer(game.tradeInitiator))
        game.initiatorMortgagedCount = 0;

    if (game.computerDelay <= 0 || noticeUp() || somethingMoves() || unmortgageQuestionPending()) return;
    const bool menuScreen = game.screen == AssetMenu || game.screen == PropertyCard;
    const bool offerToComputer = game.tradeOfferOpen && seatIsComputer(game.menuPlayer);
    if (menuScreen && !offerToComputer && !computerInDebt) return;
    if (--game.computerDelay == 1) computerStep();
}

static void boardStep() {
    advanceMove();
    advanceSettle();
    if (game.cardTimer > 0 && !noticeUp() && --game.cardTimer == 0) applyCard();
}

// Only questions the receiver can pay for are put.
static void pruneUnmortgageQuestions() {
    while (game.partnerMortgagedCount > 0 &&
           game.money[game.menuPlayer] < mortgageValue(game.partnerMortgaged[game.partnerMortgagedCount - 1]))
        --game.partnerMortgagedCount;
    while (game.initiatorMortgagedCount > 0 &&
           game.money[game.tradeInitiator] <
               mortgageValue(game.initiatorMortgaged[game.initiatorMortgagedCount - 1]))
        --game.initiatorMortgagedCount;
}

static void promptStep() {
    pruneUnmortgageQuestions();
    if (game.gameOver) return;
    if (noticeUp()) {
        if (--game.noticeTimer <= 1) {  // a loaded timer of 1 must not strand the queue
            dismissNotice();
            if (!noticeUp() && unmortgageQuestionPending())
                input.freshQuestionTicks = freshQuestionGuardTicks;
        }
    } else if (game.bankruptTimer > 0) {
        if (--game.bankruptTimer == 0) afterBankruptcyNotice();
    } else if (unmortgageQuestionPending() || game.buyPromptOpen) {
        // waiting for the answer
    } else if (game.auctionOpen) {
        // A person's bid stays in view a moment before a computer may answer it; ENTER
        // (the auction's last tick) is not held up.
        if (aids.bidShownTicks > 0 && game.auctionTimer != 1)
            --aids.bidShownTicks;
        else
            advanceAuction();
    }
}

void frameStep() {
    stepAids();
    if (saveOrHelpLayerOpen()) return;  // the game is paused
    if (input.freshQuestionTicks > 0) --input.freshQuestionTicks;
    computerBookkeeping();
    if (game.quitConfirmOpen) return;
    if (!promptLayerOpen()) {
        if (game.screen == Board) boardStep();
    } else {
        promptStep();
    }
}
