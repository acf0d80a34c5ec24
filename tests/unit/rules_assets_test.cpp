// Houses, mortgages and trades as the asset menu's Confirm and the trade offer drive them.
#include <gtest/gtest.h>

#include <initializer_list>

#include "game/rules.h"
#include "game/tables.h"
#include "support/fixtures.h"

namespace {

class AssetRules : public ::testing::Test {
protected:
    void SetUp() override {
        game = GameState{};
        startTestGame(2);
        game.menuPlayer = 0;
    }
};

// Sets the menu's count and exactly these selected properties.
void choose(int count, std::initializer_list<int> properties) {
    game.houseCount = count;
    for (bool& s : game.selected) s = false;
    for (int p : properties) game.selected[p] = true;
}
bool canBuild(int count, std::initializer_list<int> properties) {
    return choose(count, properties), canBuyHouses();
}
bool canMortgage(int count, std::initializer_list<int> p) { return choose(count, p), canMortgageAction(); }

// Seat 0 offers its side (saved as the initiator's), seat 1 is the partner being edited.
void prepareTrade(std::initializer_list<int> fromInitiator, int initiatorCash,
                  std::initializer_list<int> fromPartner, int partnerCash) {
    game.tradeInitiator = 0;
    game.menuPlayer = 1;
    for (int p : fromInitiator) game.initiatorSelected[p] = true;
    choose(0, fromPartner);
    game.initiatorMoney = initiatorCash;
    game.tradeMoney = partnerCash;
    game.tradePartnerSide = game.tradeOfferOpen = true;
    game.screen = AssetMenu;
    game.menuIndex = KindTrade;
}

TEST_F(AssetRules, EvenBuildingOnAWholeUnmortgagedPaidForGroup) {
    giveGroup(0, 1, 1, 1, 1);
    EXPECT_TRUE(canBuild(1, {2}));
    EXPECT_FALSE(canBuild(2, {2}));
    ASSERT_TRUE(canBuild(4, {2, 3, 4}));
    buyHouses();
    EXPECT_EQ(game.houses[3], hotelLevel);
    EXPECT_EQ(game.money[0], 1500 - 3 * 4 * 50);
    EXPECT_FALSE(canBuild(1, {2}));  // a hotel takes nothing more

    startTestGame(2);
    giveGroup(0, 1, 0, 0, -1);
    EXPECT_FALSE(canBuild(1, {2}));
    giveGroup(0, 1);
    game.money[0] = 99;
    EXPECT_FALSE(canBuild(1, {2, 3}));
    game.money[0] = 100;
    EXPECT_TRUE(canBuild(1, {2, 3}));
}

// Guards houseCount outside 1..5: -1 would "build" a mortgage and refund the house cost.
TEST_F(AssetRules, BuildingRefusesCountsOutsideOneToFiveAndNonStreets) {
    giveGroup(0, 1);
    for (int count : {0, -1, 6}) EXPECT_FALSE(canBuild(count, {2})) << count;
    giveProperty(0, 22);
    EXPECT_FALSE(canBuild(1, {22}));
}

TEST_F(AssetRules, MortgageHalfPriceUnmortgageTenPercentMore) {
    giveProperty(0, 20);
    ASSERT_TRUE(canMortgage(0, {20}));
    mortgageAction();
    EXPECT_EQ(game.houses[20], -1);
    EXPECT_EQ(game.money[0], 1675);
    game.money[0] = 191;
    EXPECT_FALSE(canMortgage(-1, {20}));
    game.money[0] = 192;
    ASSERT_TRUE(canMortgage(-1, {20}));
    mortgageAction();
    EXPECT_EQ(game.houses[20], 0);
    EXPECT_EQ(game.money[0], 0);
    giveProperty(1, 23);
    EXPECT_FALSE(canMortgage(0, {23}));  // not the menu seat's
}

TEST_F(AssetRules, BuildingsBlockMortgageAndSellEvenly) {
    giveGroup(0, 1, 0, 1, 0);
    EXPECT_FALSE(canMortgage(0, {2}));
    EXPECT_FALSE(canMortgage(2, {3}));
    giveGroup(0, 7, 5, 5);
    EXPECT_FALSE(canMortgage(2, {20}));  // would leave it two below its neighbour
    ASSERT_TRUE(canMortgage(1, {20}));
    mortgageAction();
    EXPECT_EQ(game.houses[20], 4);
    EXPECT_EQ(game.money[0], 1600);
    EXPECT_FALSE(canMortgage(1, {20}));  // sell from the hotel first
    EXPECT_TRUE(canMortgage(1, {21}));
}

TEST_F(AssetRules, TradeSidesMustOfferSomethingTheyOwn) {
    EXPECT_FALSE(tradeIsValid());
    game.tradeMoney = 1;  // money only
    EXPECT_TRUE(tradeIsValid());
    game.tradeMoney = 0;
    giveGroup(0, 1, 0, 1, 0);
    choose(0, {3});  // a built street
    EXPECT_FALSE(tradeIsValid());
    choose(0, {2});  // an unbuilt street of a built group may go
    EXPECT_TRUE(tradeIsValid());
    giveProperty(1, 20);
    choose(0, {20});
    EXPECT_FALSE(tradeIsValid());
    choose(0, {});
    game.jailCardSelected[0] = true;
    game.jailCardHolder[0] = 1;
    EXPECT_FALSE(tradeIsValid());
    game.jailCardHolder[0] = 0;
    EXPECT_TRUE(tradeIsValid());
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
    EXPECT_EQ(game.owner[0] + game.owner[20], 1);
    EXPECT_EQ(game.houses[20], -1);
    EXPECT_EQ(game.jailCardHolder[0], 1);
    EXPECT_EQ(game.jailCardHolder[1], 0);
    EXPECT_EQ(game.money[0], 1500 - 100 + 30 - 17);  // interest 10% of the mortgage value
    EXPECT_EQ(game.money[1], 1500 + 100 - 30);
    EXPECT_EQ(totalMoney(), before - 17);
    ASSERT_EQ(game.initiatorMortgagedCount, 1);
    EXPECT_FALSE(game.tradeOfferOpen || game.selected[20] || game.jailCardSelected[0]);
    EXPECT_EQ(game.screen, Board);
    answerUnmortgageQuestion(true);
    EXPECT_EQ(game.houses[20], 0);
    EXPECT_EQ(game.money[0], 1413 - 175);
}

// Both sides receive mortgages: partner's questions first, last entry first.
TEST_F(AssetRules, BothSidesPayInterestAndAnswerInOrder) {
    giveProperty(0, 21, -1);
    giveProperty(1, 5, -1);
    giveProperty(1, 20, -1);
    prepareTrade({21}, 0, {5, 20}, 0);
    executeTrade();
    EXPECT_EQ(game.noticeAmount[0], 7 + 17);
    EXPECT_EQ(game.noticeAmount[1], 20);
    answerUnmortgageQuestion(false);  // the partner's 21 stays mortgaged
    EXPECT_EQ(game.houses[21], -1);
    EXPECT_EQ(game.money[1], 1480);
    answerUnmortgageQuestion(true);  // then the initiator's 5
    EXPECT_EQ(game.houses[5], 0);
    EXPECT_EQ(game.houses[20], -1);
    EXPECT_EQ(game.money[0], 1476 - 70);
}

TEST_F(AssetRules, InterestCanOpenDebtOrWipeCash) {
    for (int keeps = 1; keeps >= 0; --keeps) {
        startTestGame(2);
        giveProperty(0, 20, -1);
        giveProperty(0, 21, -1);
        if (keeps) giveProperty(1, 5);  // net worth stays positive
        game.money[1] = 15;
        prepareTrade({20, 21}, 0, {}, 5);
        executeTrade();
        EXPECT_EQ(game.money[1], keeps ? 10 - 37 : 0);  // owing more than it owns: bankrupt
        // With its cash wiped the seat has nothing to raise: no debt state is left open.
        EXPECT_EQ(game.inDebt, keeps != 0);
        EXPECT_EQ(game.screen, keeps ? AssetMenu : Board);
    }
}

// Guards the unmortgage being charged to the menu seat instead of the property's owner.
TEST_F(AssetRules, InitiatorDebtAndQuestionChargeTheOwner) {
    game.money[0] = 10;
    giveProperty(0, 1);  // kept, worth 30
    giveProperty(0, 21, -1);
    giveProperty(1, 20, -1);
    prepareTrade({21}, 0, {20}, 0);
    executeTrade();
    EXPECT_EQ(game.money[0], -7);
    EXPECT_EQ(game.menuPlayer, 0);
    answerUnmortgageQuestion(true);
    EXPECT_EQ(game.houses[21], 0);
    EXPECT_EQ(game.money[1], 1480 - 200);
    EXPECT_EQ(game.money[0], -7);
    game.money[0] = 100;  // an unaffordable question is declined, not run into debt
    answerUnmortgageQuestion(true);
    EXPECT_EQ(game.houses[20], -1);
    EXPECT_EQ(game.money[0], 100);
}

TEST_F(AssetRules, CloseAssetMenuClearsEverythingAndWakesAComputer) {
    startTestGame(1, 1);
    game.currentPlayer = 1;
    prepareTrade({0}, 10, {5}, 20);
    game.choosingTradePartner = true;
    closeAssetMenu();
    EXPECT_EQ(game.screen, Board);
    EXPECT_FALSE(game.initiatorSelected[0] || game.selected[5] || game.tradeOfferOpen ||
                 game.choosingTradePartner);
    EXPECT_EQ(game.tradeMoney + game.initiatorMoney, 0);
    EXPECT_EQ(game.computerDelay, computerThinkTicks);
}

}  // namespace

namespace {

// An offer whose initiator is no seat (only a damaged record holds one) is dropped: the menu
// closes and nothing changes hands.
TEST_F(AssetRules, AnOfferFromNoSeatIsDropped) {
    giveProperty(1, 3);
    game.screen = AssetMenu;
    game.menuIndex = KindTrade;
    game.menuPlayer = 1;
    game.tradeInitiator = 9;
    game.selected[3] = true;
    game.tradeOfferOpen = true;
    executeTrade();
    EXPECT_EQ(game.screen, Board);
    EXPECT_FALSE(game.tradeOfferOpen || game.selected[3]);
    EXPECT_EQ(game.owner[3], 1);
}

}  // namespace
