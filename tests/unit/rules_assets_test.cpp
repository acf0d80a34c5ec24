// Houses, mortgages and trades as the asset menu's Confirm and the trade offer drive them.
#include <gtest/gtest.h>

#include <initializer_list>

#include "game/rules.h"
#include "game/tables.h"
#include "support/fixtures.h"

namespace {

class AssetFixture : public ::testing::Test {
protected:
    void SetUp() override {
        game = GameState{};
        startTestGame(2);
        game.menuPlayer = 0;
    }
};

using HousesTest = AssetFixture;
using MortgageTest = AssetFixture;
using TradeTest = AssetFixture;

// Replaces the menu's selection with exactly these properties.
void choose(std::initializer_list<int> properties) {
    for (bool& s : game.selected) s = false;
    for (int p : properties) game.selected[p] = true;
}

bool canBuild(int count, std::initializer_list<int> properties) {
    game.houseCount = count;
    choose(properties);
    return canBuyHouses();
}

bool canMortgage(int count, std::initializer_list<int> properties) {
    game.houseCount = count;
    choose(properties);
    return canMortgageAction();
}

// Seat 0 offers its side (saved as the initiator's), seat 1 is the partner being edited.
void prepareTrade(std::initializer_list<int> fromInitiator, int initiatorCash,
                  std::initializer_list<int> fromPartner, int partnerCash) {
    game.tradeInitiator = 0;
    game.menuPlayer = 1;
    for (int p : fromInitiator) game.initiatorSelected[p] = true;
    choose(fromPartner);
    game.initiatorMoney = initiatorCash;
    game.tradeMoney = partnerCash;
    game.tradePartnerSide = true;
    game.tradeOfferOpen = true;
    game.screen = AssetMenu;
    game.menuIndex = KindTrade;
}

TEST_F(HousesTest, EvenBuildingAcrossTheGroup) {
    giveGroup(0, 1, 1, 1, 1);
    EXPECT_TRUE(canBuild(1, {2}));
    EXPECT_FALSE(canBuild(2, {2}));
    EXPECT_TRUE(canBuild(4, {2, 3, 4}));
    buyHouses();
    for (int p : {2, 3, 4}) {
        EXPECT_EQ(game.houses[p], hotelLevel);
        EXPECT_FALSE(game.selected[p]);
    }
    EXPECT_EQ(game.money[0], 1500 - 3 * 4 * 50);
    EXPECT_FALSE(canBuild(1, {2}));  // a hotel takes nothing more

    giveGroup(0, 3, 2, 1, 1);
    EXPECT_FALSE(canBuild(1, {8}));
    EXPECT_TRUE(canBuild(1, {9}));
}

TEST_F(HousesTest, GroupMustBeWholeUnmortgagedAndPaidFor) {
    giveGroup(0, 1, 0, 0, -1);
    EXPECT_FALSE(canBuild(1, {2}));
    EXPECT_FALSE(canBuild(1, {4}));
    giveProperty(1, 4);
    EXPECT_FALSE(canBuild(1, {2}));

    giveGroup(0, 1);
    game.money[0] = 99;
    EXPECT_FALSE(canBuild(1, {2, 3}));
    game.money[0] = 100;
    EXPECT_TRUE(canBuild(1, {2, 3}));
}

// A count of -1 would "build" a mortgage and refund the house cost.
TEST_F(HousesTest, RefusesNoCountNegativeCountAndNonStreets) {
    giveGroup(0, 1);
    EXPECT_FALSE(canBuild(0, {2}));
    EXPECT_FALSE(canBuild(-1, {2}));
    giveProperty(0, 22);
    EXPECT_FALSE(canBuild(1, {22}));
}

TEST_F(MortgageTest, MortgageThenLiftWithTenPercent) {
    giveProperty(0, 20);
    ASSERT_TRUE(canMortgage(0, {20}));
    mortgageAction();
    EXPECT_EQ(game.houses[20], -1);
    EXPECT_EQ(game.money[0], 1675);
    EXPECT_FALSE(game.selected[20]);

    EXPECT_EQ(unmortgageCost(20), 192);
    game.money[0] = 191;
    EXPECT_FALSE(canMortgage(-1, {20}));
    game.money[0] = 192;
    ASSERT_TRUE(canMortgage(-1, {20}));
    mortgageAction();
    EXPECT_EQ(game.houses[20], 0);
    EXPECT_EQ(game.money[0], 0);
    EXPECT_FALSE(canMortgage(-1, {20}));  // nothing left to lift
}

TEST_F(MortgageTest, BuildingsBlockMortgageAndSellEvenly) {
    giveGroup(0, 1, 0, 1, 0);
    EXPECT_FALSE(canMortgage(0, {2}));
    EXPECT_FALSE(canMortgage(0, {3}));
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

TEST_F(MortgageTest, TransportsAndForeignProperties) {
    giveProperty(0, 22);
    EXPECT_TRUE(canMortgage(0, {22}));
    EXPECT_FALSE(canMortgage(1, {22}));
    giveProperty(0, 22, -1);
    EXPECT_FALSE(canMortgage(0, {22}));
    giveProperty(1, 23);
    EXPECT_FALSE(canMortgage(0, {23}));  // not the menu seat's to mortgage
}

TEST_F(MortgageTest, DebtStateEndsOnlyWhenCashIsBack) {
    giveProperty(0, 20);
    giveProperty(0, 21);
    game.money[0] = -300;
    checkDebt(0);
    ASSERT_TRUE(canMortgage(0, {20}));
    mortgageAction();
    EXPECT_EQ(game.money[0], -125);
    EXPECT_TRUE(game.inDebt);
    ASSERT_TRUE(canMortgage(0, {21}));
    mortgageAction();
    EXPECT_EQ(game.money[0], 75);
    EXPECT_FALSE(game.inDebt);
}

TEST_F(TradeTest, ValiditySideMustOfferSomethingItOwns) {
    EXPECT_FALSE(tradeIsValid());
    game.tradeMoney = 1;
    EXPECT_TRUE(tradeIsValid());
    game.tradeMoney = 1501;
    EXPECT_FALSE(tradeIsValid());
    game.tradeMoney = 0;

    giveGroup(0, 1, 0, 1, 0);
    choose({3});
    EXPECT_FALSE(tradeIsValid());
    game.tradeMoney = 100;
    EXPECT_FALSE(tradeIsValid());
    game.tradeMoney = 0;
    choose({2});
    EXPECT_TRUE(tradeIsValid());
    giveProperty(1, 20);
    choose({20});
    EXPECT_FALSE(tradeIsValid());

    choose({});
    game.jailCardSelected[0] = true;
    game.jailCardHolder[0] = 1;
    EXPECT_FALSE(tradeIsValid());
    game.jailCardHolder[0] = 0;
    EXPECT_TRUE(tradeIsValid());
}

TEST_F(TradeTest, ExecuteMovesEverythingAndChargesInterest) {
    giveProperty(0, 0);
    giveProperty(1, 20, -1);
    game.jailCardHolder[0] = 0;
    game.jailCardHolder[1] = 1;
    game.jailCardSelected[0] = game.jailCardSelected[1] = true;
    prepareTrade({0}, 100, {20}, 30);
    game.houseCount = 3;
    game.amountDigit = 2;
    const long long before = totalMoney();
    executeTrade();

    EXPECT_EQ(game.owner[0], 1);
    EXPECT_EQ(game.owner[20], 0);
    EXPECT_EQ(game.houses[20], -1);
    EXPECT_EQ(game.jailCardHolder[0], 1);
    EXPECT_EQ(game.jailCardHolder[1], 0);
    EXPECT_EQ(tradeInterest(20), 17);
    EXPECT_EQ(game.money[0], 1500 - 100 + 30 - 17);
    EXPECT_EQ(game.money[1], 1500 + 100 - 30);
    EXPECT_EQ(totalMoney(), before - 17);  // interest leaves play
    EXPECT_EQ(game.noticePlayer[0], 0);
    EXPECT_EQ(game.noticeAmount[0], 17);
    EXPECT_STREQ(game.noticeReason[0], "Mortgage Interest");
    EXPECT_EQ(game.noticeAmount[1], 0);
    ASSERT_EQ(game.initiatorMortgagedCount, 1);
    EXPECT_EQ(game.initiatorMortgaged[0], 20);
    EXPECT_EQ(game.partnerMortgagedCount, 0);

    EXPECT_FALSE(game.selected[20] || game.initiatorSelected[0]);
    EXPECT_FALSE(game.jailCardSelected[0] || game.jailCardSelected[1]);
    EXPECT_FALSE(game.tradeOfferOpen || game.tradePartnerSide || game.endTurnAfterNotice);
    EXPECT_EQ(game.tradeMoney + game.initiatorMoney + game.houseCount + game.amountDigit, 0);
    EXPECT_EQ(game.screen, Board);
    EXPECT_EQ(game.menuIndex, 0);

    answerUnmortgageQuestion(true);
    EXPECT_EQ(game.houses[20], 0);
    EXPECT_EQ(game.money[0], 1413 - 175);
    EXPECT_EQ(game.initiatorMortgagedCount, 0);
}

// Both sides receive mortgages: two notices, and the questions come partner first, last entry first.
TEST_F(TradeTest, BothSidesPayInterestAndAnswerInOrder) {
    giveProperty(0, 21, -1);
    giveProperty(1, 5, -1);
    giveProperty(1, 20, -1);
    prepareTrade({21}, 0, {5, 20}, 0);
    const long long before = totalMoney();
    executeTrade();
    EXPECT_EQ(game.noticePlayer[0], 0);
    EXPECT_EQ(game.noticeAmount[0], 7 + 17);
    EXPECT_EQ(game.noticePlayer[1], 1);
    EXPECT_EQ(game.noticeAmount[1], 20);
    EXPECT_EQ(totalMoney(), before - 44);
    ASSERT_EQ(game.initiatorMortgagedCount, 2);
    EXPECT_EQ(game.initiatorMortgaged[0], 20);
    EXPECT_EQ(game.initiatorMortgaged[1], 5);

    answerUnmortgageQuestion(false);  // the partner's 21 stays mortgaged
    EXPECT_EQ(game.partnerMortgagedCount, 0);
    EXPECT_EQ(game.houses[21], -1);
    EXPECT_EQ(game.money[1], 1480);
    answerUnmortgageQuestion(true);  // then the initiator's 5 ...
    EXPECT_EQ(game.houses[5], 0);
    EXPECT_EQ(game.houses[20], -1);
    EXPECT_EQ(game.money[0], 1476 - 70);
    EXPECT_EQ(game.initiatorMortgagedCount, 1);
}

TEST_F(TradeTest, InterestCanOpenDebtOrWipeCash) {
    giveProperty(0, 20, -1);
    giveProperty(0, 21, -1);
    giveProperty(1, 5);  // kept: net worth stays positive
    game.money[1] = 15;
    prepareTrade({20, 21}, 0, {}, 5);
    executeTrade();
    EXPECT_EQ(game.money[1], 10 - 37);
    EXPECT_TRUE(game.inDebt);
    EXPECT_EQ(game.menuPlayer, 1);
    EXPECT_EQ(game.screen, AssetMenu);

    startTestGame(2);
    giveProperty(0, 20, -1);
    giveProperty(0, 21, -1);
    game.money[1] = 15;
    prepareTrade({20, 21}, 0, {}, 5);
    executeTrade();
    EXPECT_EQ(game.money[1], 0);  // owing more than it owns
}

// The initiator's debt takes the menu, yet the partner's question is paid by the partner.
TEST_F(TradeTest, InitiatorDebtAndQuestionChargeTheOwner) {
    game.money[0] = 10;
    giveProperty(0, 1);  // kept, worth 30
    giveProperty(0, 21, -1);
    giveProperty(1, 20, -1);
    prepareTrade({21}, 0, {20}, 0);
    executeTrade();
    EXPECT_EQ(game.money[0], -7);
    EXPECT_TRUE(game.inDebt);
    EXPECT_EQ(game.menuPlayer, 0);

    ASSERT_EQ(game.partnerMortgagedCount, 1);
    answerUnmortgageQuestion(true);
    EXPECT_EQ(game.houses[21], 0);
    EXPECT_EQ(game.money[1], 1480 - 200);
    EXPECT_EQ(game.money[0], -7);

    // A question its owner can no longer afford is declined, not run into debt.
    game.money[0] = 100;
    answerUnmortgageQuestion(true);
    EXPECT_EQ(game.houses[20], -1);
    EXPECT_EQ(game.money[0], 100);
    EXPECT_EQ(game.initiatorMortgagedCount, 0);
}

TEST_F(TradeTest, CloseAssetMenuClearsEverything) {
    startTestGame(1, 1);
    game.currentPlayer = 1;
    prepareTrade({0}, 10, {5}, 20);
    game.jailCardSelected[1] = true;
    game.choosingTradePartner = true;
    game.houseCount = 2;
    game.amountDigit = 1;
    closeAssetMenu();
    EXPECT_EQ(game.screen, Board);
    EXPECT_EQ(game.menuIndex, 0);
    EXPECT_FALSE(game.initiatorSelected[0] || game.selected[5] || game.jailCardSelected[1]);
    EXPECT_FALSE(game.tradeOfferOpen || game.tradePartnerSide || game.choosingTradePartner);
    EXPECT_EQ(game.tradeMoney + game.initiatorMoney + game.houseCount + game.amountDigit, 0);
    EXPECT_EQ(game.computerDelay, computerThinkTicks);

    game.currentPlayer = 0;
    game.computerDelay = 0;
    closeAssetMenu();
    EXPECT_EQ(game.computerDelay, 0);
}

}  // namespace
