// The computer's turn, one paced action at a time. It works the action bar and the yes/no
// prompts as a person does: one step highlights a row or an answer, the next carries it out.
#include "ai/computer.h"
#include "game/random.h"
#include "game/rules.h"
#include "game/tables.h"

namespace {

enum BoardRow { RowRoll = 0, RowTrade = 1, RowHouses = 2, RowMortgage = 3, RowLeaveJail = 4 };

constexpr int incomeTaxPivot = 200;  // a tenth of the net worth above this: the flat 200 is cheaper

// Keeps YES (buys) or switches to NO; with NO already showing, declines.
void answerPurchase() {
    if (!game.promptYes)
        answerPurchaseQuestion();
    else if (decideBuy())
        answerPurchaseQuestion();
    else
        game.promptYes = false;
}

// Keeps "$200" when a tenth of the net worth is dearer, else switches to "10%" first.
void answerTax() {
    if (!game.promptYes)
        payIncomeTax();
    else if (netWorth(game.currentPlayer) / 10 > incomeTaxPivot)
        payIncomeTax();
    else
        game.promptYes = false;
}

void answerOffer() {
    if (game.promptYes) {
        if (evaluateTradeOffer())
            executeTrade();
        else
            game.promptYes = false;
    } else {
        closeAssetMenu();
    }
}

// Nothing highlighted yet: consider building, buying back, trading and leaving jail, each at
// most once per roll and in that order, then roll.
void chooseBoardAction() {
    if (!game.buildTried && decideBuild()) {
        game.menuIndex = RowHouses;
    } else if (!game.unmortgageTried && decideUnmortgage()) {
        game.menuIndex = RowMortgage;
    } else if (!game.tradeTried && proposeTrade()) {
        game.menuIndex = RowTrade;
    } else if (game.position[game.currentPlayer] == jailCell && decideLeaveJail()) {
        game.menuIndex = RowLeaveJail;
    } else {
        rollDice();
        game.tradeTried = game.buildTried = game.unmortgageTried = false;
    }
}

// Carries out the row highlighted by the previous step.
void carryOutBoardRow() {
    switch (game.menuIndex) {
        case RowTrade:
            game.tradeOfferOpen = true;
            game.promptYes = true;
            break;
        case RowHouses: buildHouses(); break;
        case RowMortgage: unmortgageProperties(); break;
        default: game.menuIndex = RowRoll; break;  // nothing to carry out: start over
    }
}

bool currentIsComputer() { return seatIsComputer(game.currentPlayer) && !game.bankrupt[game.currentPlayer]; }

void takeOneAction() {
    if (game.tradeOfferOpen) {
        // Only a computer answers here; a person answers with the keys.
        if (seatIsComputer(game.menuPlayer)) answerOffer();
        return;
    }
    const bool computerInDebt = game.screen == AssetMenu && game.inDebt && seatIsComputer(game.menuPlayer);
    // The turn's own actions belong to the current player alone; on a person's turn the only
    // computer step is raising cash.
    if (!currentIsComputer()) {
        if (computerInDebt) resolveDebt();
        return;
    }

    if (game.screen == Board && game.menuIndex == RowRoll) {
        if (game.buyPromptOpen)
            answerPurchase();
        else if (game.taxPromptOpen)
            answerTax();
        else if (game.utilityRollPending)
            rollForUtilityRent();
        else
            chooseBoardAction();
    } else if (game.buyPromptOpen) {
        answerPurchase();
    } else if (game.taxPromptOpen) {
        answerTax();
    } else if (game.screen == Board && game.menuIndex == RowLeaveJail) {
        leaveJail();
    } else if (game.utilityRollPending) {
        rollForUtilityRent();
    } else if (game.screen == Board) {
        carryOutBoardRow();
    } else if (computerInDebt) {
        resolveDebt();
    }
}

}  // namespace

void computerStep() {
    if (!game.gameOver) takeOneAction();  // the game is decided: nobody acts under "WINS"
}

bool decideLeaveJail() {
    reseedFromClock();
    int score = 90;
    for (int g = 0; g < 8; ++g) {
        const int sample = 3 * g;  // one street of each colour group
        const int h = game.houses[sample] > 0 ? game.houses[sample] : 0;
        if (game.owner[sample] != game.currentPlayer && h > 0) score += 5 * h - 5;
    }
    if (score < 0) return false;
    return randomBelow(100) + 1 <= score;
}
