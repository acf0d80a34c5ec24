// Houses, mortgages and trades as the asset menu's Confirm and the trade offer drive them.
#include <gtest/gtest.h>

#include <initializer_list>

#include "game/rules.h"
#include "game/tables.h"
#include "support/fixtures.h"

namespace {

class AssetRules : public ::testing::Test {
protected:
    void SetUp() override { startTestGame(2); }
    // Sets the menu's seat and count and exactly these selected properties.
    static void choose(int count, std::initializer_list<int> properties, int seat = 0) {
        game.menuPlayer = seat;
        game.houseCount = count;
        for (bool& s : game.selected) s = false;
        for (int p : properties) game.selected[p] = true;
    }
    static bool canBuild(int count, std::initializer_list<int> p) { return choose(count, p), canBuyHouses(); }
    static bool canMortgage(int count, std::initializer_list<int> p) {
        return choose(count, p), canMortgageAction();
    }
    // Seat 0 offers its side (saved as the initiator's), seat 1 is the partner being edited.
    static void prepareTrade(std::initializer_list<int> fromInitiator, int initiatorCash,
                             std::initializer_list<int> fromPartner, int partnerCash) {
        game.tradeInitiator = 0;
        for (int p : fromInitiator) game.initiatorSelected[p] = true;
        choose(0, fromPartner, 1);
        game.initiatorMoney = initiatorCash;
        game.tradeMoney = partnerCash;
        game.tradePartnerSide = game.tradeOfferOpen = true;
        game.screen = AssetMenu;
        game.menuIndex = KindTrade;
    }
};

// Build checks, one row each: seat 0 owns group 1 (streets 2, 3, 4) built as given.
TEST_F(AssetRules, BuildingNeedsTheWholeGroupEvenlyAndTheCash) {
    const struct {
        int h[3], cash, count;
        std::initializer_list<int> streets;
        bool ok;
    } cases[] = {
        {{1, 1, 1}, 1500, 1, {2}, true},
        {{1, 1, 1}, 1500, 2, {2}, false},  // one above the others at most
        {{1, 1, 1}, 1500, 4, {2, 3, 4}, true},
        {{5, 5, 5}, 1500, 1, {3}, false},  // a hotel takes nothing more
        {{0, 0, -1}, 1500, 1, {2}, false},
        {{0, 0, 0}, 99, 1, {2, 3}, false},  // a mortgage blocks; cash
        {{0, 0, 0}, 100, 1, {2, 3}, true},
        {{0, 0, 0}, 1500, 0, {2}, false},  // counts 1..5 only
        {{0, 0, 0}, 1500, -1, {2}, false},
        {{0, 0, 0}, 1500, 6, {2}, false},
        {{0, 0, 0}, 1500, 1, {2, 22}, false},
        {{2, 1, 2}, 1500, 1, {3}, true},      // not on a transport
        {{0, 0, 0}, 1500, 1, {2, 5}, false},  // street 5's group is not the seat's
    };
    for (const auto& c : cases) {
        startTestGame(2);
        giveGroup(0, 1, c.h[0], c.h[1], c.h[2]);
        giveProperty(0, 22);
        game.money[0] = c.cash;
        EXPECT_EQ(canBuild(c.count, c.streets), c.ok) << &c - cases;
    }
    choose(1, {2}, maxSeats);
    EXPECT_FALSE(canBuyHouses());  // no seat
    startTestGame(2);
    giveGroup(0, 7);  // 200 a house on the dearest group
    ASSERT_TRUE(canBuild(2, {20, 21}));
    buyHouses();
    EXPECT_EQ(game.houses[20] + game.houses[21], 4);
    EXPECT_EQ(game.money[0], 1500 - 4 * 200);
    EXPECT_FALSE(game.selected[20]);
}

TEST_F(AssetRules, MortgageHalfPriceUnmortgageTenPercentMore) {
    giveProperty(0, 20);
    giveProperty(0, 26);
    ASSERT_TRUE(canMortgage(0, {20, 26}));
    mortgageAction();
    EXPECT_EQ(game.houses[20] + game.houses[26], -2);
    EXPECT_EQ(game.money[0], 1500 + 175 + 75);
    EXPECT_FALSE(game.selected[20]);
    EXPECT_FALSE(canMortgage(0, {26}));  // already mortgaged
    game.money[0] = 191;
    EXPECT_FALSE(canMortgage(-1, {20}));
    game.money[0] = 192;
    ASSERT_TRUE(canMortgage(-1, {20}));
    mortgageAction();
    EXPECT_EQ(game.houses[20], 0);
    EXPECT_EQ(game.money[0], 0);
    EXPECT_FALSE(canMortgage(-1, {20}));  // not mortgaged
    giveProperty(1, 23);
    EXPECT_FALSE(canMortgage(0, {23}));  // not the menu seat's
    giveProperty(0, 27);
    EXPECT_FALSE(canMortgage(1, {27}));  // no buildings on a utility
    EXPECT_FALSE(canMortgage(-2, {20}));
    EXPECT_FALSE(canMortgage(6, {20}));
    EXPECT_TRUE(canMortgage(-1, {}));
    int out[4];
    EXPECT_EQ(groupStreets(transportGroup, out), 0);  // transports have no streets to sell from
}

TEST_F(AssetRules, BuildingsBlockMortgageAndSellEvenly) {
    giveGroup(0, 1, 0, 1, 0);
    EXPECT_FALSE(canMortgage(0, {2}));  // the group still has buildings
    EXPECT_FALSE(canMortgage(0, {3}));  // sell the buildings first
    EXPECT_FALSE(canMortgage(2, {3}));  // too few to sell
    giveGroup(0, 7, 5, 5);
    EXPECT_FALSE(canMortgage(2, {20}));  // would leave it two below its neighbour
    ASSERT_TRUE(canMortgage(1, {20}));
    mortgageAction();
    EXPECT_EQ(game.houses[20], 4);
    EXPECT_EQ(game.money[0], 1600);
    EXPECT_FALSE(canMortgage(1, {20}));  // sell from the hotel first
    EXPECT_TRUE(canMortgage(1, {21}));
    EXPECT_TRUE(canMortgage(2, {20, 21}));
    // A sale that clears the debt closes the debt state.
    game.money[0] = -50;
    openDebtState(0);
    choose(1, {21});
    mortgageAction();
    EXPECT_EQ(game.money[0], 50);
    EXPECT_FALSE(game.inDebt);
}

// What a side may offer: something, only its own, nothing built, no more cash than it has.
TEST_F(AssetRules, TradeSidesMustOfferSomethingTheyOwn) {
    giveGroup(0, 1, 0, 1, 0);
    giveProperty(1, 20);
    game.money[0] = 100;
    const struct {
        int money;
        std::initializer_list<int> properties;
        int card, holder;
        bool ok;
    } cases[] = {
        {0, {}, -1, 0, false},   {1, {}, -1, 0, true},   {100, {}, -1, 0, true}, {101, {}, -1, 0, false},
        {-1, {2}, -1, 0, false}, {0, {3}, -1, 0, false}, {0, {2}, -1, 0, true},  {0, {20}, -1, 0, false},
        {0, {}, 0, 1, false},    {0, {}, 1, 0, true},
    };
    for (const auto& c : cases) {
        choose(0, c.properties);
        game.tradeMoney = c.money;
        game.jailCardSelected[0] = game.jailCardSelected[1] = false;
        if (c.card >= 0) game.jailCardSelected[c.card] = true, game.jailCardHolder[c.card] = c.holder;
        EXPECT_EQ(tradeIsValid(), c.ok) << &c - cases;
    }
    game.money[0] = -20;  // a seat in debt may still give a property for nothing
    choose(0, {2});
    game.tradeMoney = 0;
    EXPECT_TRUE(tradeIsValid());
    game.bankrupt[0] = true;
    EXPECT_FALSE(tradeIsValid());
}

TEST_F(AssetRules, TradeMovesEverythingChargesInterestAndAsksTheReceiver) {
    giveProperty(0, 0);
    giveProperty(1, 20, -1);
    game.jailCardHolder[0] = 0;
    game.jailCardHolder[1] = 1;
    game.jailCardSelected[0] = game.jailCardSelected[1] = true;
    prepareTrade({0}, 100, {20}, 30);
    const long long before = totalMoney();
    executeTrade();
    EXPECT_EQ(game.owner[0], 1);
    EXPECT_EQ(game.owner[20], 0);
    EXPECT_EQ(game.houses[20], -1);
    EXPECT_EQ(game.jailCardHolder[0], 1);
    EXPECT_EQ(game.jailCardHolder[1], 0);
    EXPECT_EQ(game.money[0], 1500 - 100 + 30 - 17);  // interest 10% of the mortgage value
    EXPECT_EQ(game.money[1], 1500 + 100 - 30);
    EXPECT_EQ(totalMoney(), before - 17);
    EXPECT_STREQ(game.noticeReason[0], "Mortgage Interest");
    ASSERT_EQ(game.initiatorMortgagedCount, 1);
    EXPECT_FALSE(game.tradeOfferOpen || game.selected[20] || game.initiatorSelected[0] ||
                 game.jailCardSelected[0]);
    EXPECT_EQ(game.tradeMoney + game.initiatorMoney + game.menuIndex, 0);
    EXPECT_EQ(game.screen, Board);
    EXPECT_FALSE(game.endTurnAfterNotice);  // a trade never ends the turn
    answerUnmortgageQuestion(true);
    EXPECT_EQ(game.houses[20], 0);
    EXPECT_EQ(game.money[0], 1413 - 175);
}

// Both sides receive mortgages: the partner's questions first, last entry first.
TEST_F(AssetRules, BothSidesPayInterestAndAnswerInOrder) {
    giveProperty(0, 21, -1);
    giveProperty(1, 5, -1);
    giveProperty(1, 20, -1);
    prepareTrade({21}, 0, {5, 20}, 0);
    executeTrade();
    EXPECT_EQ(game.noticeAmount[0], 7 + 17);
    EXPECT_EQ(game.noticePlayer[1], 1);
    EXPECT_EQ(game.noticeAmount[1], 20);
    answerUnmortgageQuestion(false);  // the partner's 21 stays mortgaged
    EXPECT_EQ(game.houses[21], -1);
    EXPECT_EQ(game.money[1], 1480);
    answerUnmortgageQuestion(true);  // then the initiator's 5
    EXPECT_EQ(game.houses[5], 0);
    EXPECT_EQ(game.houses[20], -1);
    EXPECT_EQ(game.money[0], 1476 - 70);
    answerUnmortgageQuestion(true);  // and 20
    EXPECT_EQ(game.houses[20], 0);
    answerUnmortgageQuestion(true);  // no question left: nothing happens
    EXPECT_EQ(game.money[0], 1406 - 175);
}

// Interest may drive cash negative: the debt state opens, unless the seat then owes more
// than it owns, when its cash is wiped and no debt state is left open.
TEST_F(AssetRules, InterestCanOpenDebtOrWipeCash) {
    for (int keeps = 1; keeps >= 0; --keeps) {
        startTestGame(2);
        giveProperty(0, 20, -1);
        giveProperty(0, 21, -1);
        if (keeps) giveProperty(1, 5);  // net worth stays positive
        game.money[1] = 15;
        prepareTrade({20, 21}, 0, {}, 5);
        executeTrade();
        EXPECT_EQ(game.money[1], keeps ? 10 - 37 : 0);
        EXPECT_EQ(game.inDebt, keeps != 0);
        EXPECT_EQ(game.screen, keeps ? AssetMenu : Board);
    }
}

// The initiator's debt, and the question's price, are the property owner's, not the menu seat's.
TEST_F(AssetRules, InitiatorDebtAndQuestionChargeTheOwner) {
    game.money[0] = 10;
    giveProperty(0, 1);  // kept, worth 30
    giveProperty(0, 21, -1);
    giveProperty(1, 20, -1);
    prepareTrade({21}, 0, {20}, 0);
    executeTrade();
    EXPECT_EQ(game.money[0], -7);
    EXPECT_TRUE(game.inDebt);
    EXPECT_EQ(game.menuPlayer, 0);
    answerUnmortgageQuestion(true);
    EXPECT_EQ(game.houses[21], 0);
    EXPECT_EQ(game.money[1], 1480 - 200);
    EXPECT_EQ(game.money[0], -7);
    game.money[0] = 174;  // an unaffordable question is declined, not run into debt
    answerUnmortgageQuestion(true);
    EXPECT_EQ(game.houses[20], -1);
    EXPECT_EQ(game.money[0], 174);
}

// Closing the menu clears it and wakes a computer on turn; an offer from no seat is dropped.
TEST_F(AssetRules, CloseAssetMenuClearsEverythingAndWakesAComputer) {
    startTestGame(1, 1);
    game.currentPlayer = 1;
    prepareTrade({0}, 10, {5}, 20);
    game.choosingTradePartner = true;
    game.jailCardSelected[1] = true;
    game.houseCount = game.amountDigit = 2;
    closeAssetMenu();
    EXPECT_EQ(game.screen, Board);
    EXPECT_FALSE(game.initiatorSelected[0] || game.selected[5] || game.tradeOfferOpen ||
                 game.tradePartnerSide || game.choosingTradePartner || game.jailCardSelected[1]);
    EXPECT_EQ(game.tradeMoney + game.initiatorMoney + game.houseCount + game.amountDigit + game.menuIndex, 0);
    EXPECT_EQ(game.computerDelay, computerThinkTicks);

    giveProperty(1, 3);
    prepareTrade({}, 0, {3}, 0);
    game.tradeInitiator = 9;
    executeTrade();
    EXPECT_EQ(game.screen, Board);
    EXPECT_FALSE(game.tradeOfferOpen || game.selected[3]);
    EXPECT_EQ(game.owner[3], 1);
}

}  // namespace
