// The per-frame game step: counts the frame timers down, runs the rules they release and
// paces the computer seats. Runs inside the display callback, before the frame is drawn.
#include "ai/computer.h"
#include "app/aids.h"
#include "app/input.h"
#include "app/screen_flow.h"
#include "game/rules.h"
#include "game/tables.h"

static bool somethingMoves() {
    return game.moving || game.diceTimer > 0 || game.arrivalTimer > 0 || game.settleTimer > 0 ||
           game.cardTimer > 0 || game.bankruptTimer > 0;
}

// The one owner of a computer's countdown: it runs while a computer holds the next move and
// starts from the full pause whenever one newly does (after a person's menu over its turn, too).
// Armed here, once a frame before the countdown, so the rules only change the game and never
// wake anyone themselves; the input gate reads computerHoldsTheMove(), not the countdown, so a
// click between an event and this frame already finds the gate shut.
static bool armComputerDelay() {
    const bool holds = computerHoldsTheMove();
    if (!holds)
        game.computerDelay = 0;
    else if (game.computerDelay == 0)
        game.computerDelay = computerThinkTicks;
    return holds;
}

static void computerBookkeeping() {
    const bool computerHolds = armComputerDelay();
    // The unmortgage questions are only ever put to people.
    if (game.partnerMortgagedCount > 0 && seatIsComputer(game.menuPlayer)) game.partnerMortgagedCount = 0;
    if (game.initiatorMortgagedCount > 0 && seatIsComputer(game.tradeInitiator))
        game.initiatorMortgagedCount = 0;

    if (!computerGateHolds(computerHolds) || somethingMoves()) return;
    if (--game.computerDelay != 1) return;
    computerStep();
    game.computerDelay = 0;  // re-armed in full next frame: the next action waits the whole pause
}

static void boardStep() {
    advanceMove();
    advanceSettle();
    if (game.cardTimer > 0 && !noticeUp() && --game.cardTimer == 0) applyCard();
}

// Only questions the receiver can pay for are put. The receiver is the property's owner, the
// seat the answer charges: another seat's debt state may have taken `menuPlayer` since.
static void pruneUnaffordable(const int32_t* list, int32_t& count) {
    while (count > 0) {
        const int p = list[count - 1];
        const int owner = p >= 0 && p < propertyCount ? game.owner[p] : bankOwner;
        if (isSeat(owner) && game.money[owner] >= mortgageValue(p)) return;
        --count;
    }
}

static void pruneUnmortgageQuestions() {
    pruneUnaffordable(game.partnerMortgaged, game.partnerMortgagedCount);
    pruneUnaffordable(game.initiatorMortgaged, game.initiatorMortgagedCount);
}

static void promptStep() {
    pruneUnmortgageQuestions();
    switch (topLayer()) {
        case LayerNotice:
            if (--game.noticeTimer <= 1) {  // a loaded timer of 1 must not strand the queue
                dismissNotice();
                if (!noticeUp() && unmortgageQuestionPending())
                    input.freshQuestionTicks = freshQuestionGuardTicks;
            }
            break;
        case LayerBankruptcy:
            if (--game.bankruptTimer == 0) afterBankruptcyNotice();
            break;
        case LayerAuction:
            // A person's bid stays in view a moment before a computer may answer it; ENTER
            // (the auction's last tick) is not held up.
            if (aids.bidShownTicks > 0 && game.auctionTimer != 1) {
                --aids.bidShownTicks;
            } else {
                computerAutoBid();  // the computers answer the bids before the countdown moves
                advanceAuction();
            }
            break;
        default: break;  // "WINS" and the questions wait for their answer
    }
}

void frameStep() {
    stepAids();
    if (gamePaused()) return;
    if (input.freshQuestionTicks > 0) --input.freshQuestionTicks;
    computerBookkeeping();
    const Layer top = topLayer();
    if (top == LayerQuit) return;
    if (!layerIsDialog(top)) {
        if (game.screen == Board) boardStep();
    } else {
        promptStep();
    }
}
