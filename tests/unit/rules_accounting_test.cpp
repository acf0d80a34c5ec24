// Money accounting over long random rule sequences: after every operation the record's
// invariants hold and the money in play (every seat's cash plus the middle pot) changes
// only by what comes from or goes to the bank: salaries, collections, fees with the pot
// off, purchases, buildings, mortgages, interest and bankruptcies. Payments between seats
// and fees into the pot leave it unchanged.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "game/invariants.h"
#include "game/random.h"
#include "game/rules.h"
#include "game/tables.h"
#include "support/fixtures.h"

namespace {

// ---- The books: what an operation must have done to the money in play ----

long long cashOf(const GameState& g) {
    long long total = 0;
    for (int s = 0; s < maxSeats; ++s) total += g.money[s];
    return total;
}

// What a seat's unmortgaged properties and buildings fetch from the bank.
long long assetsOf(const GameState& g, int seat) {
    long long value = 0;
    for (int p = 0; p < propertyCount; ++p)
        if (g.owner[p] == seat && g.houses[p] >= 0)
            value += propertyPrice[p] / 2 + g.houses[p] * (houseCost(p) / 2);
    return value;
}

long long worthOf(const GameState& g, int seat) { return g.money[seat] + assetsOf(g, seat); }

bool potOn(const GameState& g) { return g.middleOption > 0; }

struct Flow {
    long long seats = 0;  // expected change of the seats' cash taken together
    long long pot = 0;    // expected change of the middle pot

    void fee(const GameState& post, int payer, long long amount) {
        if (post.bankrupt[payer]) return;  // nothing paid; the bankruptcy is booked apart
        seats -= amount;
        if (potOn(post)) pot += amount;
    }
};

// Every seat that went bankrupt in the operation: its cash (plus what it was credited in
// the same operation) leaves it; a seat creditor takes the cash, the middle takes the
// cash and the sale of the assets, the bank takes everything out of play.
void bookBankruptcies(const GameState& pre, const GameState& post, const long long credit[maxSeats],
                      Flow& flow) {
    for (int d = 0; d < maxSeats; ++d) {
        if (pre.bankrupt[d] || !post.bankrupt[d]) continue;
        const long long cash = pre.money[d] + credit[d];
        const long long kept = std::max(cash, 0LL);
        flow.seats -= cash;
        if (post.lastCreditor < maxSeats) {
            flow.seats += kept;
        } else if (post.lastCreditor == middleCreditor) {
            EXPECT_TRUE(potOn(pre)) << "the middle takes nothing while it is off";
            flow.pot += kept + assetsOf(pre, d);
        }
    }
}

// A seat released from the jail cell by nextTurn pays by card or fee.
void bookForcedRelease(const GameState& pre, const GameState& post, Flow& flow) {
    for (int s = 0; s < maxSeats; ++s) {
        const bool released = pre.position[s] == jailCell && pre.jailTurns[s] == 2 &&
                              post.position[s] == jailSquare && post.jailTurns[s] == 0;
        if (!released) continue;
        if (pre.jailCardHolder[0] == s || pre.jailCardHolder[1] == s) continue;
        flow.fee(post, s, jailFee);
    }
}

void bookLanding(const GameState& pre, const GameState& post, int seat, int square, Flow& flow,
                 long long salary) {
    const int property = propertyAtSquare(square);
    if (property >= 0) {
        const int owner = pre.owner[property];
        const bool rentDue = owner < maxSeats && owner != seat && pre.houses[property] >= 0;
        if (rentDue && !post.bankrupt[seat]) {
            // A payment between seats: what the payer lost, the owner gained.
            const long long paid = pre.money[seat] + salary - post.money[seat];
            EXPECT_GT(paid, 0) << "rent on property " << property;
            EXPECT_EQ(post.money[owner] - pre.money[owner], paid) << "rent on property " << property;
        }
        return;
    }
    if (square == 38) flow.fee(post, seat, luxuryTax);
    if (square == 20 && potOn(pre) && pre.middlePot != 0) {
        const long long reseed = pre.middleOption == 2 ? middlePotSeed : 0;
        flow.seats += pre.middlePot;
        flow.pot += reseed - pre.middlePot;
    }
}

int repairBill(const GameState& g, int seat, int perHouse, int perHotel) {
    int bill = 0;
    for (int p = 0; p < propertyCount; ++p)
        if (g.owner[p] == seat && g.houses[p] > 0)
            bill += g.houses[p] == hotelLevel ? perHotel : perHouse * g.houses[p];
    return bill;
}

// The effect of the top card of the active deck for the mover, booked from the card's
// printed terms.
void bookCard(const GameState& pre, const GameState& post, Flow& flow, long long credit[maxSeats]) {
    const int s = pre.currentPlayer;
    const int deck = pre.activeDeck;
    const int card = pre.deckOrder[deck][0];
    const int at = pre.position[s];
    const int seats = pre.humanCount + pre.computerCount;
    auto collect = [&](long long amount) {
        flow.seats += amount;
        credit[s] += amount;
    };
    if (deck == 0) {
        static const int collects[9] = {0, 200, 100, 100, 100, 45, 25, 20, 10};
        static const int pays[3] = {150, 100, 50};
        if (card >= 1 && card <= 8) collect(collects[card]);
        if (card == 9)
            for (int t = 0; t < seats; ++t) {
                if (t == s || pre.bankrupt[t]) continue;
                if (post.bankrupt[t])
                    collect(50);  // counted all the same
                else
                    credit[t] -= 50;
            }
        if (card >= 10 && card <= 12) flow.fee(post, s, pays[card - 10]);
        if (card == 13) collect(goSalary);
        if (card == 14) flow.fee(post, s, repairBill(pre, s, 40, 115));
    } else {
        static const int targets[4] = {24, 11, 39, 5};
        if (card == 1) collect(150);
        if (card == 2) collect(50);
        if (card == 3) flow.fee(post, s, 15);
        if (card == 4)
            for (int t = 0; t < seats; ++t) {
                if (t == s || pre.bankrupt[t]) continue;
                credit[t] += 50;
                if (post.bankrupt[s]) flow.seats += 50;  // the payees were paid, by the bank in the end
            }
        if (card == 5) collect(goSalary);
        if (card == 6) flow.fee(post, s, repairBill(pre, s, 25, 100));
        if (card >= 8 && card <= 11 && at > targets[card - 8]) collect(goSalary);
        if (card == 13 && at > 27) collect(goSalary);
        if ((card == 14 || card == 15) && at > 34) collect(goSalary);
    }
}

// ---- The driver: plays the rules the way the frame step and the players would ----

class Driver {
public:
    explicit Driver(uint32_t seed) : rng(seed) {}

    int pick(int n) { return static_cast<int>(rng() % static_cast<uint32_t>(n)); }
    bool chance(int percent) { return pick(100) < percent; }

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
        for (int seat = 0; seat < seatsInPlay(); ++seat) game.money[seat] = 100 + pick(1400);
        ++games;
        gameStart = operations;
    }

    // One operation, checked.
    void step() {
        pre = game;
        for (long long& c : credit) c = 0;
        Flow flow;
        act(flow);
        bookBankruptcies(pre, game, credit, flow);
        bookForcedRelease(pre, game, flow);
        ++operations;
        char why[160] = "";
        ASSERT_TRUE(checkInvariants(game, why, sizeof why)) << why << " after " << lastAction;
        ASSERT_EQ(cashOf(game) - cashOf(pre), flow.seats) << "seats' cash after " << lastAction;
        ASSERT_EQ(game.middlePot - pre.middlePot, flow.pot) << "middle pot after " << lastAction;
        if (!potOn(pre)) {
            ASSERT_EQ(game.middlePot, 0);
        }
    }

    long long games = 0;
    long long operations = 0;
    long long gameStart = 0;
    long long rolls = 0, cards = 0, rents = 0, bankruptcies = 0, trades = 0, auctions = 0;

private:
    std::mt19937 rng;
    GameState pre;
    long long credit[maxSeats] = {};
    std::string lastAction;

    int seatsInPlay() const { return game.humanCount + game.computerCount; }

    void act(Flow& flow) {
        if (game.gameOver) {
            lastAction = "new game";
            newGame();
            pre = game;
        } else if (game.bankruptTimer > 0) {
            lastAction = "bankruptcy notice";
            ++bankruptcies;
            game.bankruptTimer = 0;
            afterBankruptcyNotice();
        } else if (game.inDebt) {
            raiseMoney(flow);
        } else if (game.partnerMortgagedCount > 0 || game.initiatorMortgagedCount > 0) {
            answerUnmortgage(flow);
        } else if (game.noticeTimer > 0 && game.settleTimer == 0) {
            lastAction = "dismiss notice";
            dismissNotice();
        } else if (game.buyPromptOpen) {
            purchase(flow);
        } else if (game.auctionOpen) {
            settleOpenAuction(flow);
        } else if (game.taxPromptOpen) {
            lastAction = "income tax";
            game.promptYes = chance(50);
            const long long amount = game.promptYes ? incomeTaxFlat : worthOf(game, game.currentPlayer) / 10;
            payIncomeTax();
            flow.fee(game, pre.currentPlayer, amount);
        } else if (game.moving || game.settleTimer > 0) {
            tick(flow);
        } else if (game.cardTimer > 0) {
            lastAction = "card " + std::to_string(game.activeDeck) + "/" +
                         std::to_string(game.deckOrder[game.activeDeck][0]);
            ++cards;
            game.cardTimer = 0;
            applyCard();
            bookCard(pre, game, flow, credit);
        } else if (game.utilityRollPending) {
            lastAction = "utility roll";
            fixClock(1000000 + pick(1000000));
            rollForUtilityRent();
        } else {
            between(flow);
        }
    }

    void tick(Flow& flow) {
        lastAction = "board step";
        const int mover = game.currentPlayer;
        advanceMove();
        advanceSettle();
        long long salary = 0;
        if (pre.passedGo && !game.passedGo) {
            salary = goSalary;
            flow.seats += goSalary;
            credit[mover] += goSalary;
        }
        int square = -1;
        if (pre.moving && !game.moving) square = pre.moveTarget;
        if (pre.settleTimer == 1 && !pre.skipLanding) square = pre.position[mover];
        if (square >= 0) {
            lastAction = "landing on " + std::to_string(square);
            if (propertyAtSquare(square) >= 0) ++rents;
            bookLanding(pre, game, mover, square, flow, salary);
        }
    }

    // The waiting seat's choices before it rolls.
    void between(Flow& flow) {
        const int seat = game.currentPlayer;
        const int choice = pick(100);
        if (choice < 55) {
            if (game.position[seat] == jailCell && chance(30)) {
                lastAction = "leave jail";
                game.menuIndex = 4;
                leaveJail();
                if (pre.jailCardHolder[0] != seat && pre.jailCardHolder[1] != seat) flow.fee(game, seat, jailFee);
                return;
            }
            lastAction = "roll";
            ++rolls;
            fixClock(1000000 + pick(1000000));
            rollDice();
        } else if (choice < 67) {
            trade(flow);
        } else if (choice < 77) {
            build(flow);
        } else if (choice < 85) {
            mortgageOrLift(flow);
        } else if (choice < 93) {
            // A fee of the size the cards and squares charge, to the middle or the bank.
            lastAction = "fee";
            const int payer = pick(seatsInPlay());
            if (game.bankrupt[payer]) return;
            const int amount = 15 + pick(300);
            chargeFee(payer, amount, chance(50) ? "taxes" : nullptr, chance(70) ? middleCreditor : bankOwner);
            flow.fee(game, payer, amount);
        } else {
            // Jail by the square or a card, so releases happen often.
            lastAction = "to jail";
            game.position[seat] = 30;
            processLanding();
        }
    }

    void purchase(Flow& flow) {
        const int seat = game.currentPlayer;
        const int property = propertyAtSquare(game.position[seat]);
        game.promptYes = chance(60);
        lastAction = game.promptYes ? "buy" : "decline";
        decidePurchase();
        if (game.promptYes && !game.bankrupt[seat]) flow.seats -= propertyPrice[property];
    }

    void settleOpenAuction(Flow& flow) {
        lastAction = "auction";
        ++auctions;
        const int property = propertyAtSquare(game.position[game.currentPlayer]);
        const int bids = pick(4);
        for (int b = 0; b < bids; ++b) {
            const int bidder = pick(seatsInPlay());
            if (!game.bankrupt[bidder]) humanBid(bidder);
        }
        const int winner = game.auctionBidder;
        const int bid = game.auctionBid;
        endAuction();
        advanceAuction();
        if (winner < maxSeats && !game.bankrupt[winner]) {
            flow.seats -= bid;
            EXPECT_EQ(game.owner[property], winner);
        }
    }

    // Debt state: one sale or mortgage per operation, the most built street first.
    void raiseMoney(Flow& flow) {
        const int debtor = game.menuPlayer;
        lastAction = "raise money";
        for (bool& s : game.selected) s = false;
        for (int pass = 0; pass < 2; ++pass)
            for (int p = 0; p < propertyCount; ++p) {
                if (game.owner[p] != debtor || game.houses[p] < 0) continue;
                game.selected[p] = true;
                game.houseCount = pass == 0 ? 1 : 0;
                if (game.houses[p] >= (pass == 0 ? 1 : 0) && canMortgageAction()) {
                    flow.seats += pass == 0 ? houseCost(p) / 2 : propertyPrice[p] / 2;
                    mortgageAction();
                    return;
                }
                game.selected[p] = false;
            }
        // Nothing left to raise: the debt state cannot be left, so the seat gives up.
        lastAction = "give up";
        declareBankrupt(debtor, bankOwner);
    }

    void answerUnmortgage(Flow& flow) {
        lastAction = "unmortgage question";
        const bool partner = game.partnerMortgagedCount > 0;
        const int property = partner ? game.partnerMortgaged[game.partnerMortgagedCount - 1]
                                     : game.initiatorMortgaged[game.initiatorMortgagedCount - 1];
        const int owner = game.owner[property];
        const bool yes = chance(50);
        const bool pays = yes && game.houses[property] == -1 && owner < maxSeats &&
                          game.money[owner] >= propertyPrice[property] / 2;
        answerUnmortgageQuestion(yes);
        if (pays) flow.seats -= propertyPrice[property] / 2;
    }

    void trade(Flow& flow) {
        lastAction = "trade";
        const int initiator = game.currentPlayer;
        const int partner = pick(seatsInPlay());
        if (partner == initiator || game.bankrupt[partner]) return;
        long long interest[2] = {0, 0};  // owed by the initiator and by the partner
        for (int p = 0; p < propertyCount; ++p) {
            if (game.houses[p] > 0 || !chance(40)) continue;
            if (game.owner[p] == partner) {
                game.selected[p] = true;
                if (game.houses[p] == -1) interest[0] += static_cast<int>(propertyPrice[p] / 2 * 0.1);
            } else if (game.owner[p] == initiator) {
                game.initiatorSelected[p] = true;
                if (game.houses[p] == -1) interest[1] += static_cast<int>(propertyPrice[p] / 2 * 0.1);
            }
        }
        game.tradeInitiator = initiator;
        game.menuPlayer = partner;
        game.initiatorMoney = std::max(0, std::min(game.money[initiator], pick(200)));
        game.tradeMoney = std::max(0, std::min(game.money[partner], pick(200)));
        game.tradePartnerSide = true;
        game.tradeOfferOpen = true;
        game.screen = AssetMenu;
        game.menuIndex = KindTrade;
        const long long initiatorAfter = game.money[initiator] + game.tradeMoney - game.initiatorMoney;
        const long long partnerAfter = game.money[partner] + game.initiatorMoney - game.tradeMoney;
        if (!tradeIsValid() || initiatorAfter < interest[0] || partnerAfter < interest[1]) {
            closeAssetMenu();  // declined; interest that cannot be paid is left out of this check
            return;
        }
        ++trades;
        executeTrade();
        flow.seats -= interest[0] + interest[1];
        EXPECT_EQ(game.money[initiator], initiatorAfter - interest[0]);
        EXPECT_EQ(game.money[partner], partnerAfter - interest[1]);
    }

    void build(Flow& flow) {
        lastAction = "build";
        const int seat = pick(seatsInPlay());
        if (game.bankrupt[seat]) return;
        game.menuPlayer = seat;
        game.houseCount = 1;
        for (int p = 0; p < streetCount; ++p) {
            for (bool& s : game.selected) s = false;
            game.selected[p] = true;
            if (game.owner[p] == seat && canBuyHouses()) {
                buyHouses();
                flow.seats -= houseCost(p);
                break;
            }
        }
        for (bool& s : game.selected) s = false;
        game.houseCount = 0;
    }

    void mortgageOrLift(Flow& flow) {
        lastAction = "mortgage";
        const int seat = pick(seatsInPlay());
        if (game.bankrupt[seat]) return;
        game.menuPlayer = seat;
        const int p = pick(propertyCount);
        if (game.owner[p] != seat) return;
        for (bool& s : game.selected) s = false;
        game.selected[p] = true;
        game.houseCount = game.houses[p] == -1 ? -1 : 0;
        if (canMortgageAction()) {
            flow.seats += game.houseCount == 0 ? propertyPrice[p] / 2
                                               : -static_cast<long long>(propertyPrice[p] / 2 * 1.1);
            mortgageAction();
        }
        for (bool& s : game.selected) s = false;
        game.houseCount = 0;
    }
};

int failureCount() {
    return ::testing::UnitTest::GetInstance()->current_test_info()->result()->total_part_count();
}

void play(uint32_t seed, int operations) {
    Driver driver(seed);
    driver.newGame();
    const int failuresBefore = failureCount();
    for (int i = 0; i < operations; ++i) {
        // Long games are cut short so that every seed sees many set-ups and endings.
        if (driver.operations - driver.gameStart > 10000) driver.newGame();
        driver.step();
        if (failureCount() != failuresBefore) {
            ADD_FAILURE() << "seed " << seed << ", operation " << driver.operations;
            return;
        }
    }
    // The sequences must really reach the rules they are meant to check.
    const std::string counts = "seed " + std::to_string(seed) + ": games " + std::to_string(driver.games) +
                               ", rolls " + std::to_string(driver.rolls) + ", cards " +
                               std::to_string(driver.cards) + ", landings on properties " +
                               std::to_string(driver.rents) + ", bankruptcies " +
                               std::to_string(driver.bankruptcies) + ", trades " +
                               std::to_string(driver.trades) + ", auctions " + std::to_string(driver.auctions);
    if (std::getenv("ACCOUNTING_COUNTS")) std::printf("%s\n", counts.c_str());
    EXPECT_GT(driver.games, 15) << counts;
    EXPECT_GT(driver.rolls, 1000) << counts;
    EXPECT_GT(driver.cards, 150) << counts;
    EXPECT_GT(driver.rents, 600) << counts;
    EXPECT_GT(driver.bankruptcies, 20) << counts;
    EXPECT_GT(driver.trades, 100) << counts;
    EXPECT_GT(driver.auctions, 40) << counts;
}

class AccountingRules : public ::testing::Test {
protected:
    void SetUp() override { game = GameState{}; }
    void TearDown() override { setClock(nullptr); }
};

TEST_F(AccountingRules, MoneyIsConservedOverRandomPlay) {
    for (uint32_t seed : {11u, 2024u, 77777u}) play(seed, 200000);
}

}  // namespace
