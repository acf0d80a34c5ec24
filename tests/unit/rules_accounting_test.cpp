// Money is conserved by everything that only moves it between seats and the middle: rent (into
// debt or a bankruptcy to the owner), trades for cash and deeds, the luxury tax into the middle
// while it is on, and free parking paying the pot out. (A bankruptcy to the middle brings the
// deeds' value in, so the tax is only charged to a seat that can cover it.)
// Random play over seeded deals; after every step the invariants hold and the seats' cash plus
// the pot is unchanged.
#include <gtest/gtest.h>

#include <random>

#include "game/rules.h"
#include "game/tables.h"
#include "support/fixtures.h"

namespace {

TEST(AccountingRules, MoneyMovedBetweenSeatsAndTheMiddleIsConserved) {
    for (unsigned seed : {1u, 2u, 3u}) {
        std::mt19937 rng(seed);
        const auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
        int games = 0, bankruptcies = 0;
        for (int step = 0; step < 4000 && !testing::Test::HasFatalFailure(); ++step) {
            if (step == 0 || game.gameOver) {
                ++games;
                startTestGame(4);
                game.middleOption = 1;  // fees stay in play, in the pot
                for (int p = 0; p < propertyCount; ++p)
                    if (pick(3) > 0) giveProperty(pick(4), p, isStreet(p) ? pick(7) - 1 : -pick(2));
                for (int s = 0; s < 4; ++s) game.money[s] = 50 + pick(600);
            }
            const long long before = totalMoney();
            int seat = pick(4);
            while (game.bankrupt[seat]) seat = (seat + 1) % 4;
            const int other = (seat + 1 + pick(3)) % 4;
            switch (pick(3)) {
                case 0: {  // a landing: rent, free parking, or the luxury tax when the seat can cover it
                    const int square = pick(4) ? propertySquare[pick(propertyCount)] : pick(2) ? 20 : 38;
                    game.dice[0] = pick(6), game.dice[1] = pick(6);
                    if (square != 38 || netWorth(seat) >= luxuryTax) landOn(square, seat);
                    break;
                }
                case 1:  // cash and unmortgaged deeds change hands
                    if (game.bankrupt[other] || game.money[seat] < 0 || game.money[other] < 0)
                        break;  // a wiped debt is not a move
                    for (int p = 0; p < propertyCount; ++p)
                        if (game.houses[p] == 0 && pick(3) == 0)
                            (game.owner[p] == seat ? game.initiatorSelected : game.selected)[p] =
                                game.owner[p] == seat || game.owner[p] == other;
                    game.tradeInitiator = seat;
                    game.menuPlayer = other;
                    game.initiatorMoney = game.money[seat] > 0 ? pick(game.money[seat] + 1) : 0;
                    game.tradeMoney = game.money[other] > 0 ? pick(game.money[other] + 1) : 0;
                    executeTrade();
                    break;
                default:
                    if (!game.bankrupt[other] && pick(4) == 0) declareBankrupt(seat, other);
            }
            if (game.bankruptTimer > 0) {
                ++bankruptcies;
                game.bankruptTimer = 0;
                afterBankruptcyNotice();
            }
            ASSERT_TRUE(stateIsValid()) << "seed " << seed << " step " << step;
            ASSERT_EQ(totalMoney(), before) << "seed " << seed << " step " << step;
        }
        // The play must really reach the endings it is meant to check.
        EXPECT_GT(games, 3) << seed;
        EXPECT_GT(bankruptcies, 10) << seed;
    }
}

}  // namespace
