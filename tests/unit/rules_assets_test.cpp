// Houses, mortgages and trades as the asset menu's Confirm and the trade offer drive them.
#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <tuple>
#include <vector>

#include "game/rules.h"
#include "game/tables.h"
#include "support/fixtures.h"

namespace {

// Hands out deeds: {seat, property, buildings (-1 mortgaged)} each.
void deeds(std::initializer_list<std::array<int, 3>> list) {
    for (const auto& [seat, property, houses] : list) giveProperty(seat, property, houses);
}

using V = std::vector<int>;

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
    static bool canMortgage(int n, std::initializer_list<int> p) { return choose(n, p), canMortgageAction(); }
    // Seat 0 (the initiator) gives `given` and `cash0`; seat 1, the partner being edited, `asked` and
    // `cash1`.
    static void trade(std::initializer_list<int> given, int cash0, std::initializer_list<int> asked,
                      int cash1) {
        game.tradeInitiator = 0;
        for (int p : given) game.initiatorSelected[p] = true;
        choose(0, asked, 1);
        game.initiatorMoney = cash0;
        game.tradeMoney = cash1;
        game.tradePartnerSide = game.tradeOfferOpen = true;
        game.screen = AssetMenu;
        game.menuIndex = KindTrade;
        executeTrade();
    }
};

// Build checks, one row each: seat 0 owns group 1 (streets 2, 3, 4) built as given, and transport 22.
// Rows: one above the rest at most; four each to hotels; a hotel takes nothing more; a mortgage in
// the group blocks; the cash must cover; counts 1..5 only; not on a transport; street 5's group is
// not the seat's; a lower street may catch up.
TEST_F(AssetRules, BuildingNeedsTheWholeGroupEvenlyAndTheCash) {
    using Streets = std::initializer_list<int>;
    const std::tuple<V, int, int, Streets, bool> cases[] = {
        {{1, 1, 1}, 1500, 1, {2}, true},       {{1, 1, 1}, 1500, 2, {2}, false},
        {{1, 1, 1}, 1500, 4, {2, 3, 4}, true}, {{5, 5, 5}, 1500, 1, {3}, false},
        {{0, 0, -1}, 1500, 1, {2}, false},     {{0, 0, 0}, 99, 1, {2, 3}, false},
        {{0, 0, 0}, 100, 1, {2, 3}, true},     {{0, 0, 0}, 1500, 0, {2}, false},
        {{0, 0, 0}, 1500, -1, {2}, false},     {{0, 0, 0}, 1500, 6, {2}, false},
        {{0, 0, 0}, 1500, 1, {2, 22}, false},  {{0, 0, 0}, 1500, 1, {2, 5}, false},
        {{2, 1, 2}, 1500, 1, {3}, true}};
    for (const auto& [h, cash, count, streets, ok] : cases) {
        startTestGame(2);
        giveGroup(0, 1, h[0], h[1], h[2]);
        giveProperty(0, 22);
        game.money[0] = cash;
        EXPECT_EQ(canBuild(count, streets), ok) << h[0] << h[1] << h[2] << " " << count << " " << cash;
    }
    choose(1, {2}, maxSeats);
    EXPECT_FALSE(canBuyHouses());  // no seat
    giveGroup(0, 7);               // 200 a house on the dearest group
    ASSERT_TRUE(canBuild(2, {20, 21}));
    buyHouses();
    EXPECT_EQ((V{game.houses[20], game.houses[21], game.money[0], game.selected[20]}),
              (V{2, 2, 1500 - 800, 0}));
}

// Mortgage for half the price, lift for 10% more; the checks refuse what the menu must not do.
TEST_F(AssetRules, MortgageHalfPriceUnmortgageTenPercentMore) {
    deeds({{0, 20, 0}, {0, 26, 0}, {0, 27, 0}, {1, 23, 0}});
    ASSERT_TRUE(canMortgage(0, {20, 26}));
    mortgageAction();
    EXPECT_EQ((V{game.houses[20], game.houses[26], game.money[0], game.selected[20]}), (V{-1, -1, 1750, 0}));
    game.money[0] = 191;
    EXPECT_FALSE(canMortgage(-1, {20}));  // 175 x 1.1 is 192
    game.money[0] = 192;
    ASSERT_TRUE(canMortgage(-1, {20}));
    mortgageAction();
    EXPECT_EQ((V{game.houses[20], game.money[0]}), (V{0, 0}));
    // Already mortgaged, not mortgaged, not the seat's, a building on a utility, counts out of range.
    for (const auto& [n, p] : {std::pair{0, 26}, {-1, 20}, {0, 23}, {1, 27}, {-2, 20}, {6, 20}})
        EXPECT_FALSE(canMortgage(n, {p})) << n << " " << p;
    EXPECT_TRUE(canMortgage(-1, {}));
    int out[4];
    EXPECT_EQ(groupStreets(transportGroup, out), 0);  // transports have no streets to sell from
}

TEST_F(AssetRules, BuildingsBlockMortgageAndSellEvenly) {
    giveGroup(0, 1, 0, 1, 0);
    giveGroup(0, 7, 5, 5);
    // The group has buildings; sell them first; too few to sell; two below its neighbour.
    for (const auto& [n, p] : {std::pair{0, 2}, {0, 3}, {2, 3}, {2, 20}})
        EXPECT_FALSE(canMortgage(n, {p})) << p;
    ASSERT_TRUE(canMortgage(1, {20}));
    mortgageAction();
    EXPECT_EQ((V{game.houses[20], game.money[0]}), (V{4, 1600}));  // half the house cost back
    EXPECT_FALSE(canMortgage(1, {20}));                            // sell from the hotel first
    EXPECT_TRUE(canMortgage(1, {21}));
    EXPECT_TRUE(canMortgage(2, {20, 21}));
    game.money[0] = -50;  // a sale that clears the debt closes the debt state
    openDebtState(0);
    choose(1, {21});
    mortgageAction();
    EXPECT_EQ((V{game.money[0], game.inDebt}), (V{50, 0}));
}

// What a side may offer: something, only its own, nothing built, no more cash than it has.
TEST_F(AssetRules, TradeSidesMustOfferSomethingTheyOwn) {
    giveGroup(0, 1, 0, 1, 0);
    giveProperty(1, 20);
    game.money[0] = 100;
    // Rows: cash offered, properties, the jail card selected (-1 none) and its holder, valid.
    const std::tuple<int, std::initializer_list<int>, int, int, bool> cases[] = {
        {0, {}, -1, 0, false},   {1, {}, -1, 0, true},   {100, {}, -1, 0, true}, {101, {}, -1, 0, false},
        {-1, {2}, -1, 0, false}, {0, {3}, -1, 0, false}, {0, {2}, -1, 0, true},  {0, {20}, -1, 0, false},
        {0, {}, 0, 1, false},    {0, {}, 1, 0, true}};
    for (const auto& [money, properties, card, holder, ok] : cases) {
        choose(0, properties);
        game.tradeMoney = money;
        game.jailCardSelected[0] = game.jailCardSelected[1] = false;
        if (card >= 0) game.jailCardSelected[card] = true, game.jailCardHolder[card] = holder;
        EXPECT_EQ(tradeIsValid(), ok) << money << " " << card;
    }
    game.money[0] = -20;  // a seat in debt may still give a property for nothing
    choose(0, {2});
    game.tradeMoney = 0;
    EXPECT_TRUE(tradeIsValid());
    game.bankrupt[0] = true;
    EXPECT_FALSE(tradeIsValid());
}

TEST_F(AssetRules, TradeMovesEverythingChargesInterestAndAsksTheReceiver) {
    deeds({{0, 0, 0}, {1, 20, -1}});
    game.jailCardHolder[0] = 0;
    game.jailCardHolder[1] = 1;
    game.jailCardSelected[0] = game.jailCardSelected[1] = true;
    trade({0}, 100, {20}, 30);
    // Owners, the mortgage kept, both jail cards swapped; 17 interest (10% of 175) to seat 0.
    EXPECT_EQ(
        (V{game.owner[0], game.owner[20], game.houses[20], game.jailCardHolder[0], game.jailCardHolder[1]}),
        (V{1, 0, -1, 1, 0}));
    EXPECT_EQ((V{game.money[0], game.money[1], game.noticeAmount[0]}), (V{1500 - 100 + 30 - 17, 1570, 17}));
    EXPECT_STREQ(game.noticeReason[0], "Mortgage Interest");
    ASSERT_EQ(game.initiatorMortgagedCount, 1);
    EXPECT_FALSE(game.tradeOfferOpen || game.selected[20] || game.initiatorSelected[0] ||
                 game.jailCardSelected[0] || game.tradePartnerSide || game.endTurnAfterNotice);
    EXPECT_EQ((V{game.tradeMoney, game.initiatorMoney, game.menuIndex, game.screen}), (V{0, 0, 0, Board}));
    answerUnmortgageQuestion(true);
    EXPECT_EQ((V{game.houses[20], game.money[0]}), (V{0, 1413 - 175}));
}

// Both sides receive mortgages: the partner's questions first, each list from its last entry.
TEST_F(AssetRules, BothSidesPayInterestAndAnswerInOrder) {
    deeds({{0, 21, -1}, {1, 5, -1}, {1, 20, -1}});
    trade({21}, 0, {5, 20}, 0);
    EXPECT_EQ((V{game.noticeAmount[0], game.noticePlayer[1], game.noticeAmount[1]}), (V{7 + 17, 1, 20}));
    answerUnmortgageQuestion(false);  // the partner's 21 stays mortgaged
    EXPECT_EQ((V{game.houses[21], game.money[1]}), (V{-1, 1480}));
    answerUnmortgageQuestion(true);  // then the initiator's 5
    EXPECT_EQ((V{game.houses[5], game.houses[20], game.money[0]}), (V{0, -1, 1476 - 70}));
    answerUnmortgageQuestion(true);  // and 20
    answerUnmortgageQuestion(true);  // no question left: nothing happens
    EXPECT_EQ((V{game.houses[20], game.money[0]}), (V{0, 1406 - 175}));
}

// Interest may drive cash negative: the debt state opens, unless the seat then owes more
// than it owns, when its cash is wiped and no debt state is left open.
TEST_F(AssetRules, InterestCanOpenDebtOrWipeCash) {
    for (int keeps = 1; keeps >= 0; --keeps) {
        startTestGame(2);
        deeds({{0, 20, -1}, {0, 21, -1}});
        if (keeps) giveProperty(1, 5);  // net worth stays positive
        game.money[1] = 15;
        trade({20, 21}, 0, {}, 5);
        EXPECT_EQ((V{game.money[1], game.inDebt, game.screen}),
                  (keeps ? V{10 - 37, 1, AssetMenu} : V{0, 0, Board}));
    }
}

// The initiator's debt, and the question's price, are the property owner's, not the menu seat's.
TEST_F(AssetRules, InitiatorDebtAndQuestionChargeTheOwner) {
    game.money[0] = 10;
    // kept, worth 30
    deeds({{0, 1, 0}, {0, 21, -1}, {1, 20, -1}});
    trade({21}, 0, {20}, 0);
    EXPECT_EQ((V{game.money[0], game.inDebt, game.menuPlayer}), (V{-7, 1, 0}));
    answerUnmortgageQuestion(true);
    EXPECT_EQ((V{game.houses[21], game.money[1], game.money[0]}), (V{0, 1480 - 200, -7}));
    game.money[0] = 174;  // an unaffordable question is declined, not run into debt
    answerUnmortgageQuestion(true);
    EXPECT_EQ((V{game.houses[20], game.money[0]}), (V{-1, 174}));
}

// Closing the menu clears it and wakes a computer on turn; an offer from no seat is dropped.
TEST_F(AssetRules, CloseAssetMenuClearsEverythingAndWakesAComputer) {
    startTestGame(1, 1);
    game.currentPlayer = 1;
    game.initiatorSelected[0] = game.selected[5] = game.jailCardSelected[1] = true;
    game.tradeOfferOpen = game.tradePartnerSide = game.choosingTradePartner = true;
    game.tradeMoney = game.initiatorMoney = game.houseCount = game.amountDigit = 2;
    game.screen = AssetMenu;
    game.menuIndex = KindTrade;
    closeAssetMenu();
    EXPECT_FALSE(game.initiatorSelected[0] || game.selected[5] || game.tradeOfferOpen ||
                 game.tradePartnerSide || game.choosingTradePartner || game.jailCardSelected[1]);
    EXPECT_EQ((V{game.tradeMoney, game.initiatorMoney, game.houseCount, game.amountDigit, game.menuIndex}),
              (V{0, 0, 0, 0, 0}));
    EXPECT_EQ((V{game.screen, game.computerDelay}), (V{Board, computerThinkTicks}));
    giveProperty(1, 3);
    game.tradeInitiator = 9;
    game.selected[3] = game.tradeOfferOpen = true;
    executeTrade();
    EXPECT_FALSE(game.tradeOfferOpen || game.selected[3]);
    EXPECT_EQ((V{game.screen, game.owner[3]}), (V{Board, 1}));
}

}  // namespace
