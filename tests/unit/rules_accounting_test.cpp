// Money accounting over long seeded random rule sequences: after every operation the
// invariants hold, and the seats' cash plus the middle pot changes by exactly what the
// operation moves in or out of play (salaries, collections, fees with the pot off, purchases,
// buildings, mortgages, interest); payments between seats and fees into the pot leave it alone.
// A bankruptcy is booked exactly: to a seat nothing leaves play, to the bank the debtor's cash
// leaves (a debt returns), to the middle its assets come in at their value, cash of either sign
// passed on with them.
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

int repairBill(const GameState& g, int seat, int perHouse, int perHotel) {
    int bill = 0;
    for (int p = 0; p < propertyCount; ++p)
        if (g.owner[p] == seat && g.houses[p] > 0)
            bill += g.houses[p] == hotelLevel ? perHotel : perHouse * g.houses[p];
    return bill;
}

// Money a card brings into play for the drawer (negative: a fee); R repairs, A advance (GO salary
// when the token wraps); the pay/collect-each cards move money between seats only.
constexpr int R = 100000, A = 200000;
constexpr int cardFlow[2][16] = {{0, 200, 100, 100, 100, 45, 25, 20, 10, 0, -150, -100, -50, A, R, 0},
                                 {0, 150, 50, -15, 0, A, R, 0, A, A, A, A, 0, A, A, A}};

class Driver {
public:
    explicit Driver(uint32_t seed) : rng(seed) {}
    long long games = 0, operations = 0, gameStart = 0, checked = 0;
    long long rolls = 0, cards = 0, bankruptcies = 0, trades = 0, auctions = 0;
    // Bankruptcies booked and checked, by creditor (seat, bank, middle) and the debtor's cash
    // (negative, not negative).
    long long bookedBankruptcies[3][2] = {};

    void newGame() {
        game = GameState{};
        game.humanCount = 2 + pick(5);
        game.middleOption = pick(3);
        game.biddingOption = chance(60);
        fixClock(1000000 + pick(1000000));
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
        flow = 0;
        booked = 0;
        act();
        bookForcedRelease();
        ++operations;
        char why[160] = "";
        ASSERT_TRUE(checkInvariants(game, why, sizeof why)) << why << " after " << last;
        if (!potOn(pre)) {
            ASSERT_EQ(game.middlePot, 0) << "the middle takes nothing while it is off";
        }
        int bankruptcies = 0;
        for (int d = 0; d < maxSeats; ++d) {
            if (pre.bankrupt[d] || !game.bankrupt[d]) continue;
            ++bankruptcies;
            ASSERT_EQ(game.money[d], 0) << "bankrupt seat after " << last;
        }
        // Bankruptcies inside cards, rent and releases are left to the money tests; those of
        // the operations below are booked.
        if (bankruptcies != booked) return;
        if (booked) ++bookedBankruptcies[bookedKind][bookedNegative];
        ++checked;
        ASSERT_EQ(totalMoney() - total(pre), flow) << "cash + pot after " << last;
    }

private:
    std::mt19937 rng;
    GameState pre;
    long long flow = 0;
    std::string last;
    int booked = 0, bookedKind = 0;
    bool bookedNegative = false;

    int pick(int n) { return static_cast<int>(rng() % static_cast<uint32_t>(n)); }
    bool chance(int percent) { return pick(100) < percent; }
    int seats() const { return game.humanCount + game.computerCount; }
    static bool potOn(const GameState& g) { return g.middleOption > 0; }
    static long long total(const GameState& g) {
        long long sum = g.middlePot;
        for (int s = 0; s < maxSeats; ++s) sum += g.money[s];
        return sum;
    }
    // A fee leaves play unless the middle pot takes it.
    void fee(long long amount) {
        if (!potOn(game)) flow -= amount;
    }
    // Books the bankruptcy about to happen, from the state just before it.
    void bookBankruptcy(int debtor, int creditor) {
        const bool middle = creditor == middleCreditor && potOn(game);
        bookedKind = creditor < maxSeats ? 0 : middle ? 2 : 1;
        bookedNegative = game.money[debtor] < 0;
        if (bookedKind == 2) flow += netWorth(debtor) - game.money[debtor];
        if (bookedKind == 1) flow -= game.money[debtor];
        ++booked;
    }
    // To the bank, the middle or another seat, whatever the debtor's cash.
    void goBankrupt(int debtor) {
        const int other = pick(seats()), to = pick(3);
        const int creditor = to == 0 && other != debtor && !game.bankrupt[other] ? other
                             : to == 1                                           ? middleCreditor
                                                                                 : bankOwner;
        bookBankruptcy(debtor, creditor);
        declareBankrupt(debtor, creditor);
    }
    void clearSelection() {
        for (bool& s : game.selected) s = false;
    }

    // A seat released from the cell by nextTurn pays by card or fee.
    void bookForcedRelease() {
        for (int s = 0; s < maxSeats; ++s)
            if (pre.position[s] == jailCell && pre.jailTurns[s] == 2 && game.position[s] == jailSquare &&
                pre.jailCardHolder[0] != s && pre.jailCardHolder[1] != s)
                fee(jailFee);
    }

    void bookCard() {
        const int s = pre.currentPlayer, amount = cardFlow[pre.activeDeck][pre.deckOrder[pre.activeDeck][0]];
        if (amount == R)
            fee(pre.activeDeck == 0 ? repairBill(pre, s, 40, 115) : repairBill(pre, s, 25, 100));
        else if (amount == A)
            flow += game.position[s] < pre.position[s] ? goSalary : 0;
        else if (amount < 0)
            fee(-amount);
        else
            flow += amount;
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
            if (yes && game.houses[p] == -1 && owner < maxSeats && game.money[owner] >= propertyPrice[p] / 2)
                flow -= propertyPrice[p] / 2;
            answerUnmortgageQuestion(yes);
        } else if (game.noticeTimer > 0 && game.settleTimer == 0) {
            last = "dismiss notice";
            dismissNotice();
        } else if (game.buyPromptOpen) {
            const int p = propertyAtSquare(game.position[game.currentPlayer]);
            game.promptYes = chance(60);
            last = game.promptYes ? "buy" : "decline";
            if (game.promptYes) flow -= propertyPrice[p];
            decidePurchase();
        } else if (game.auctionOpen) {
            auction();
        } else if (game.taxPromptOpen) {
            last = "income tax";
            game.promptYes = chance(50);
            const int s = game.currentPlayer;
            fee(game.promptYes ? incomeTaxFlat : netWorth(s) / 10);
            payIncomeTax();
        } else if (game.moving || game.settleTimer > 0) {
            boardStep();
        } else if (game.cardTimer > 0) {
            last = "card " + std::to_string(game.activeDeck) + "/" +
                   std::to_string(game.deckOrder[game.activeDeck][0]);
            ++cards;
            game.cardTimer = 0;
            applyCard();
            bookCard();
        } else if (game.utilityRollPending) {
            last = "utility roll";
            fixClock(1000000 + pick(1000000));
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
        if (pre.passedGo && !game.passedGo) flow += goSalary;
        int square = -1;
        if (pre.moving && !game.moving) square = pre.moveTarget;
        if (pre.settleTimer == 1 && !pre.skipLanding) square = pre.position[mover];
        if (square == 38) fee(luxuryTax);  // rent moves between seats: nothing to book
        if (square == 20 && potOn(pre) && pre.middlePot != 0 && pre.middleOption == 2) flow += middlePotSeed;
    }

    // The waiting seat's choices before it rolls.
    void between() {
        const int seat = game.currentPlayer, choice = pick(100);
        if (choice < 55 && game.position[seat] == jailCell && game.screen == Board && chance(30)) {
            last = "leave jail";
            game.menuIndex = 4;
            if (pre.jailCardHolder[0] != seat && pre.jailCardHolder[1] != seat) fee(jailFee);
            leaveJail();
        } else if (choice < 55) {
            last = "roll";
            ++rolls;
            fixClock(1000000 + pick(1000000));
            rollDice();
        } else if (choice < 67) {
            trade();
        } else if (choice < 77) {
            build();
        } else if (choice < 85) {
            last = "mortgage";
            const int s = pick(seats()), p = pick(propertyCount);
            if (!game.bankrupt[s] && game.owner[p] == s) assetAction(s, p, game.houses[p] == -1 ? -1 : 0);
        } else if (choice < 93) {
            last = "fee";  // of the size the cards and squares charge, to the middle or the bank
            const int payer = pick(seats());
            if (game.bankrupt[payer]) return;
            const int amount = 15 + pick(300);
            const int creditor = chance(70) ? middleCreditor : bankOwner;
            if (netWorth(payer) < amount)
                bookBankruptcy(payer, creditor);
            else
                fee(amount);
            chargeFee(payer, amount, chance(50) ? "taxes" : nullptr, creditor);
        } else if (choice < 97) {
            last = "bankrupt";
            const int debtor = pick(seats());
            if (!game.bankrupt[debtor]) goBankrupt(debtor);
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
            flow += count > 0    ? houseCost(p) / 2 * count
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
        for (int count = 1; count >= 0 && !chance(10); --count)
            for (int p = 0; p < propertyCount; ++p)
                if (game.owner[p] == debtor && game.houses[p] >= count && assetAction(debtor, p, count))
                    return;
        // Now and then, or with nothing left, the debtor gives up.
        last = "give up";
        goBankrupt(debtor);
    }

    void auction() {
        last = "auction";
        ++auctions;
        for (int b = pick(4); b > 0; --b) {
            const int bidder = pick(seats());
            if (!game.bankrupt[bidder]) humanBid(bidder);
        }
        if (game.auctionBidder < maxSeats) flow -= game.auctionBid;
        endAuction();
        advanceAuction();
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
        if (!tradeIsValid() || game.money[initiator] + game.tradeMoney - game.initiatorMoney < interest[0] ||
            game.money[partner] + game.initiatorMoney - game.tradeMoney < interest[1]) {
            closeAssetMenu();  // declined; unpayable interest is left to the trade tests
            return;
        }
        ++trades;
        flow -= interest[0] + interest[1];
        executeTrade();
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
                flow -= houseCost(p);
                buyHouses();
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
    long long bankruptcies[3][2] = {};
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
        EXPECT_GT(driver.checked, 190000) << seed;
        EXPECT_GT(driver.games, 15) << seed;
        EXPECT_GT(driver.rolls, 1000) << seed;
        EXPECT_GT(driver.cards, 150) << seed;
        EXPECT_GT(driver.bankruptcies, 20) << seed;
        EXPECT_GT(driver.trades, 100) << seed;
        EXPECT_GT(driver.auctions, 40) << seed;
        for (int k = 0; k < 3; ++k)
            for (int negative = 0; negative < 2; ++negative)
                bankruptcies[k][negative] += driver.bookedBankruptcies[k][negative];
    }
    // To a seat, the bank and the middle, each with negative and with other cash.
    for (const auto& byCash : bankruptcies)
        for (long long n : byCash) EXPECT_GE(n, 8);
}

}  // namespace
