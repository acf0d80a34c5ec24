// Leaving jail: by a held card, by the fee, or forced after two failed rolls.
#include "game/rules.h"
#include "game/stats.h"
#include "game/tables.h"

void releaseFromJail(int seat) {
    game.jailTurns[seat] = 0;
    game.position[seat] = jailSquare;
    for (int d = 0; d < 2; ++d)
        if (game.jailCardHolder[d] == seat) {
            game.jailCardHolder[d] = bankOwner;  // back into its deck; deck 0's goes first
            return;
        }
    if (netWorth(seat) < jailFee) {
        declareBankrupt(seat, middleCreditor);
        return;
    }
    game.money[seat] -= jailFee;
    statsFee(seat, jailFee);
    if (game.middleOption > 0) game.middlePot += jailFee;
    // Behind any notice still waiting to be shown: a move that passed GO and ended without a
    // notice of its own hands the turn on before its "passing GO" notice is seen.
    int slot = 0;
    while (slot < noticeSlots - 1 && game.noticeAmount[slot] != 0) ++slot;
    writeNotice(slot, seat, jailFee, "getting out of Jail");
    checkDebt(seat);
}

void leaveJail() {
    // Only a jailed seat can leave; anyone else would be moved to square 10 and charged.
    if (game.position[game.currentPlayer] == jailCell) releaseFromJail(game.currentPlayer);
    // The debt state, when opened, has set the menu kind; the action bar only goes back
    // to Roll when it still shows Leave Jail.
    if (game.menuIndex == 4) game.menuIndex = 0;
}
