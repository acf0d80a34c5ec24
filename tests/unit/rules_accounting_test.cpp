// Money accounting over long seeded random rule sequences: after every operation the
// invariants hold, and the seats' cash and the middle pot change by exactly what the
// operation takes from or gives to the bank (salaries, collections, fees with the pot off,
// purchases, buildings, mortgages, interest, bankruptcies). Payments between seats and fees
// into the pot leave cash + pot unchanged.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>

#include "game/invariants.h"
#include "game/random.h"
#include "game/rules.h"
#include "game/tables.h"
#include "support/fixtures.h"

namespace {

long long cashOf(const GameState& g) {
    long long total = 0;
    for (int s = 0; s < maxSeats; ++s) total += g.money[s];
    return total;
}

// What a seat's unmortgaged properties and buildings fetch from the bank.
long long assetsOf(const GameState& g, int seat) {
    long long value = 0;
    for (int p = 0; p < propertyCount; ++p)
        if (g.owner[p] == seat && g.houses[p] >= 0) value += propertyPrice[p] / 2 + g.houses[p] * (houseCost(p) / 2);
    return value;
}

bool potOn(const GameState& g) { return g.middleOption > 0; }

int repairBill(const GameState& g, int seat, int perHouse, int perHotel) {
    int bill = 0;
    for (int p = 0; p < propertyCount; ++p)
        if (g.owner[p] == seat && g.houses[p] > 0) bill += g.houses[p] == hotelLevel ? perHotel : perHouse * g.houses[p];
    return bill;
}

class Driver {
public:
    explicit Driver(uint32_t seed) : rng(seed) {}
    long long games = 0, operations = 0, gameStart = 0;
    long long rolls = 0, cards = 0, rents = 0, bankruptcies = 0, trades = 0, auctions = 0;

    void newGame() {
        game = GameState{};
        game.humanCount = 2 + pick(5);
        game.middleOption = pick(3);
        game.biddingOption = chance(60);
        reseed();
        resetToStartMenu();
        setUpGame();
        game.screen = Board;
        // Short purses, so debts and bankruptcies come early and often.
        for (int s = 0; s < seats(); ++s) game.money[s] = 100 + pick(1400);
        ++games;
        gameStart = operations;
    }

    // One operation, then the invariants and the books.
    void step() {
        pre = game;
        seatFlow = potFlow = 0;
        for (long long& c : credit) c = 0;
        act();
        bookBankruptcies();
        bookForcedRelease();
        ++operations;
        char why[160] = "";
        ASSERT_TRUE(checkInvariants(game, why, sizeof why)) << why << " after " << last;
        ASSERT_EQ(cashOf(game) - cashOf(pre), seatFlow) << "seats' cash after " << last;
        ASSERT_EQ(game.middlePot - pre.middlePot, potFlow) << "middle pot after " << last;
        if (!potOn(pre)) {
            ASSERT_EQ(game.middlePot, 0);
        }
    }

private:
    std::mt19937 rng;
    GameState pre;
    long long seatFlow = 0, potFlow = 0, credit[maxSeats] = {};
    std::string last;

    int pick(int n) { return static_cast<int>(rng() % static_cast<uint32_t>(n)); }
    bool chance(int percent) { return pick(100) < percent; }
    int seats() const { return game.humanCount + game.computerCount; }
    void reseed() { fixClock(1000000 + pick(1000000)); }
    void gain(int seat, long long amount) {
        seatFlow += amount;
        credit[seat] += amount;
    }
    // A fee leaves the payer for the pot (when on) or the bank; a bankrupt payer paid nothing.
    void fee(int payer, long long amount) {
        if (game.bankrupt[payer]) return;
        seatFlow -= amount;
        if (potOn(game)) potFlow += amount;
    }
    void clearSelection() {
        for (bool& s : game.selected) s = false;
    }

    // The bankrupt's cash (with what it was credited this operation) leaves it: a seat
    // creditor takes the cash, the middle the cash and the asset sale, the bank everything.
    void bookBankruptcies() {
        for (int d = 0; d < maxSeats; ++d) {
            if (pre.bankrupt[d] || !game.bankrupt[d]) continue;
            const long long cash = pre.money[d] + credit[d];
            seatFlow -= cash;
            if (game.lastCreditor < maxSeats) seatFlow += std::max(cash, 0LL);
            if (game.lastCreditor == middleCreditor) {
                EXPECT_TRUE(potOn(pre)) << "the middle takes nothing while it is off";
                potFlow += std::max(cash, 0LL) + assetsOf(pre, d);
            }
        }
    }

    // A seat released from the cell by nextTurn pays by card or fee.
    void bookForcedRelease() {
        for (int s = 0; s < maxSeats; ++s)
            if (pre.position[s] == jailCell && pre.jailTurns[s] == 2 && game.position[s] == jailSquare &&
                pre.jailCardHolder[0] != s && pre.jailCardHolder[1] != s)
                fee(s, jailFee);
    }

    void bookLanding(int seat, int square, long long salary) {
        const int property = propertyAtSquare(square);
        if (property >= 0) {
            ++rents;
            const int owner = pre.owner[property];
            if (owner < maxSeats && owner != seat && pre.houses[property] >= 0 && !game.bankrupt[seat]) {
                const long long paid = pre.money[seat] + salary - game.money[seat];
                EXPECT_GT(paid, 0) << "rent on property " << property;
                EXPECT_EQ(game.money[owner] - pre.money[owner], paid) << "rent on property " << property;
            }
        } else if (square == 38) {
            fee(seat, luxuryTax);
        } else if (square == 20 && potOn(pre) && pre.middlePot != 0) {
            seatFlow += pre.middlePot;
            potFlow += (pre.middleOption == 2 ? middlePotSeed : 0) - pre.middlePot;
        }
    }

    // The top card's printed terms for the mover.
    void bookCard() {
        const int s = pre.currentPlayer, card = pre.deckOrder[pre.activeDeck][0], at = pre.position[s];
        if (pre.activeDeck == 0) {
            static const int amounts[15] = {0, 200, 100, 100, 100, 45, 25, 20, 10, 50, -150, -100, -50, 200, 0};
            if ((card >= 1 && card <= 8) || card == 13) gain(s, amounts[card]);
            if (card >= 10 && card <= 12) fee(s, -amounts[card]);
            if (card == 14) fee(s, repairBill(pre, s, 40, 115));
            for (int t = 0; card == 9 && t < seats(); ++t)
                if (t != s && !pre.bankrupt[t]) {
                    if (game.bankrupt[t]) gain(s, 50);  // counted all the same
                    else credit[t] -= 50;
                }
            return;
        }
        static const int targets[4] = {24, 11, 39, 5};
        if (card == 1) gain(s, 150);
        if (card == 2) gain(s, 50);
        if (card == 3) fee(s, 15);
        if (card == 5) gain(s, goSalary);
        if (card == 6) fee(s, repairBill(pre, s, 25, 100));
        if ((card >= 8 && card <= 11 && at > targets[card - 8]) || (card == 13 && at > 27) ||
            ((card == 14 || card == 15) && at > 34))
            gain(s, goSalary);
        for (int t = 0; card == 4 && t < seats(); ++t)
            if (t != s && !pre.bankrupt[t]) {
                credit[t] += 50;
                if (game.bankrupt[s]) seatFlow += 50;  // the payees were paid, by the bank in the end
            }
    }

    void act() {
        if (game.gameOver) {
            last = "new game";
            newGame();
            pre = game;
        } else if (game.bankruptTimer > 0) {
            last = "bankruptcy notice";
            ++bankruptcies;
            game.bankruptTimer = 0;
            afterBankruptcyNotice();
        } else if (game.inDebt) {
            raiseMoney();
        } else if (game.partnerMortgagedCount > 0 || game.initiatorMortgagedCount > 0) {
            last = "unmortgage question";
            const bool partner = game.partnerMortgagedCount > 0;
            const int p = partner ? game.partnerMortgaged[game.partnerMortgagedCount - 1]
                                  : game.initiatorMortgaged[game.initiatorMortgagedCount - 1];
            const int owner = game.owner[p];
            const bool yes = chance(50);
            const bool pays = yes && game.houses[p] == -1 && owner < maxSeats && game.money[owner] >= propertyPrice[p] / 2;
            answerUnmortgageQuestion(yes);
            if (pays) seatFlow -= propertyPrice[p] / 2;
        } else if (game.noticeTimer > 0 && game.settleTimer == 0) {
            last = "dismiss notice";
            dismissNotice();
        } else if (game.buyPromptOpen) {
            const int p = propertyAtSquare(game.position[game.currentPlayer]);
            game.promptYes = chance(60);
            last = game.promptYes ? "buy" : "decline";
            decidePurchase();
            if (game.promptYes && !game.bankrupt[pre.currentPlayer]) seatFlow -= propertyPrice[p];
        } else if (game.auctionOpen) {
            auction();
        } else if (game.taxPromptOpen) {
            last = "income tax";
            game.promptYes = chance(50);
            const int s = game.currentPlayer;
            const long long amount = game.promptYes ? incomeTaxFlat : (game.money[s] + assetsOf(game, s)) / 10;
            payIncomeTax();
            fee(s, amount);
        } else if (game.moving || game.settleTimer > 0) {
            boardStep();
        } else if (game.cardTimer > 0) {
            last = "card " + std::to_string(game.activeDeck) + "/" + std::to_string(game.deckOrder[game.activeDeck][0]);
            ++cards;
            game.cardTimer = 0;
            applyCard();
            bookCard();
        } else if (game.utilityRollPending) {
            last = "utility roll";
            reseed();
            rollForUtilityRent();
        } else {
            between();
        }
    }

    void boardStep() {
        last = "board step";
        const int mover = game.currentPlayer;
        advanceMove();
        advanceSettle();
        long long salary = 0;
        if (pre.passedGo && !game.passedGo) gain(mover, salary = goSalary);
        int square = -1;
        if (pre.moving && !game.moving) square = pre.moveTarget;
        if (pre.settleTimer == 1 && !pre.skipLanding) square = pre.position[mover];
        if (square >= 0) {
            last = "landing on " + std::to_string(square);
            bookLanding(mover, square, salary);
        }
    }

    // The waiting seat's choices before it rolls.
    void between() {
        const int seat = game.currentPlayer, choice = pick(100);
        if (choice < 55 && game.position[seat] == jailCell && chance(30)) {
            last = "leave jail";
            game.menuIndex = 4;
            leaveJail();
            if (pre.jailCardHolder[0] != seat && pre.jailCardHolder[1] != seat) fee(seat, jailFee);
        } else if (choice < 55) {
            last = "roll";
            ++rolls;
            reseed();
            rollDice();
        } else if (choice < 67) {
            trade();
        } else if (choice < 77) {
            build();
        } else if (choice < 85) {
            last = "mortgage";
            const int s = pick(seats());
            if (game.bankrupt[s]) return;
            const int p = pick(propertyCount);
            if (game.owner[p] == s) assetAction(s, p, game.houses[p] == -1 ? -1 : 0);
        } else if (choice < 93) {
            last = "fee";  // of the size the cards and squares charge, to the middle or the bank
            const int payer = pick(seats());
            if (game.bankrupt[payer]) return;
            const int amount = 15 + pick(300);
            chargeFee(payer, amount, chance(50) ? "taxes" : nullptr, chance(70) ? middleCreditor : bankOwner);
            fee(payer, amount);
        } else {
            last = "to jail";  // so that releases happen often
            landOn(30, seat);
        }
    }

    // One sale (count > 0), mortgage (0) or lift (-1) through the asset menu's Confirm.
    bool assetAction(int seat, int p, int count) {
        game.menuPlayer = seat;
        clearSelection();
        game.selected[p] = true;
        game.houseCount = count;
        const bool allowed = canMortgageAction();
        if (allowed) {
            seatFlow += count > 0    ? houseCost(p) / 2 * count
                        : count == 0 ? propertyPrice[p] / 2
                                     : -static_cast<long long>(propertyPrice[p] / 2 * 1.1);
            mortgageAction();
        }
        clearSelection();
        game.houseCount = 0;
        return allowed;
    }

    // Debt state: one house sale or mortgage per operation; with nothing left the seat gives up.
    void raiseMoney() {
        const int debtor = game.menuPlayer;
        last = "raise money";
        for (int count = 1; count >= 0; --count)
            for (int p = 0; p < propertyCount; ++p)
                if (game.owner[p] == debtor && game.houses[p] >= count && assetAction(debtor, p, count)) return;
        last = "give up";
        declareBankrupt(debtor, bankOwner);
    }

    void auction() {
        last = "auction";
        ++auctions;
        const int p = propertyAtSquare(game.position[game.currentPlayer]);
        for (int b = pick(4); b > 0; --b) {
            const int bidder = pick(seats());
            if (!game.bankrupt[bidder]) humanBid(bidder);
        }
        const int winner = game.auctionBidder, bid = game.auctionBid;
        endAuction();
        advanceAuction();
        if (winner < maxSeats && !game.bankrupt[winner]) {
            seatFlow -= bid;
            EXPECT_EQ(game.owner[p], winner);
        }
    }

    void trade() {
        last = "trade";
        const int initiator = game.currentPlayer, partner = pick(seats());
        if (partner == initiator || game.bankrupt[partner]) return;
        long long interest[2] = {0, 0};  // owed by the initiator and by the partner
        for (int p = 0; p < propertyCount; ++p) {
            if (game.houses[p] > 0 || !chance(40)) continue;
            const int side = game.owner[p] == partner ? 0 : game.owner[p] == initiator ? 1 : -1;
            if (side < 0) continue;
            (side == 0 ? game.selected : game.initiatorSelected)[p] = true;
            if (game.houses[p] == -1) interest[side] += static_cast<int>(propertyPrice[p] / 2 * 0.1);
        }
        game.tradeInitiator = initiator;
        game.menuPlayer = partner;
        game.initiatorMoney = std::max(0, std::min(game.money[initiator], pick(200)));
        game.tradeMoney = std::max(0, std::min(game.money[partner], pick(200)));
        game.tradePartnerSide = game.tradeOfferOpen = true;
        game.screen = AssetMenu;
        game.menuIndex = KindTrade;
        const long long initiatorAfter = game.money[initiator] + game.tradeMoney - game.initiatorMoney;
        const long long partnerAfter = game.money[partner] + game.initiatorMoney - game.tradeMoney;
        if (!tradeIsValid() || initiatorAfter < interest[0] || partnerAfter < interest[1]) {
            closeAssetMenu();  // declined; unpayable interest is left to the trade tests
            return;
        }
        ++trades;
        executeTrade();
        seatFlow -= interest[0] + interest[1];
        EXPECT_EQ(game.money[initiator], initiatorAfter - interest[0]);
        EXPECT_EQ(game.money[partner], partnerAfter - interest[1]);
    }

    void build() {
        last = "build";
        const int seat = pick(seats());
        if (game.bankrupt[seat]) return;
        game.menuPlayer = seat;
        game.houseCount = 1;
        for (int p = 0; p < streetCount; ++p) {
            clearSelection();
            game.selected[p] = true;
            if (game.owner[p] == seat && canBuyHouses()) {
                buyHouses();
                seatFlow -= houseCost(p);
                break;
            }
        }
        clearSelection();
        game.houseCount = 0;
    }
};

class AccountingRules : public ::testing::Test {
protected:
    void SetUp() override { game = GameState{}; }
    void TearDown() override { setClock(nullptr); }
};

TEST_F(AccountingRules, MoneyIsConservedOverRandomPlay) {
    for (uint32_t seed : {11u, 2024u, 77777u}) {
        Driver driver(seed);
        driver.newGame();
        for (int i = 0; i < 200000 && !HasFailure(); ++i) {
            // Long games are cut short so that every seed sees many set-ups and endings.
            if (driver.operations - driver.gameStart > 10000) driver.newGame();
            driver.step();
        }
        ASSERT_FALSE(HasFailure()) << "seed " << seed << ", operation " << driver.operations;
        // The sequences must really reach the rules they are meant to check.
        EXPECT_GT(driver.games, 15) << seed;
        EXPECT_GT(driver.rolls, 1000) << seed;
        EXPECT_GT(driver.cards, 150) << seed;
        EXPECT_GT(driver.rents, 600) << seed;
        EXPECT_GT(driver.bankruptcies, 20) << seed;
        EXPECT_GT(driver.trades, 100) << seed;
        EXPECT_GT(driver.auctions, 40) << seed;
    }
}

}  // namespace
