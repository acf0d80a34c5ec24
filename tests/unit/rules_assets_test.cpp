// Buying and auctions, houses, mortgages and trades, as the prompts, the asset menu's Confirm
// and the trade offer drive them.
#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <vector>

#include "game/rules.h"
#include "game/tables.h"
#include "support/fixtures.h"

namespace {

using V = std::vector<int>;

class AssetRules : public ::testing::Test {
protected:
    void SetUp() override { startTestGame(2); }
    // Sets the menu's seat and count and exactly these selected properties.
    static void choose(int count, const V& properties, int seat = 0) {
        game.menuPlayer = seat, game.houseCount = count;
        for (bool& s : game.selected) s = false;
        for (int p : properties) game.selected[p] = true;
    }
    static bool canBuild(int count, const V& p) { return choose(count, p), canBuyHouses(); }
    static bool canMortgage(int n, const V& p) { return choose(n, p), canMortgageAction(); }
    // Seat 0 (the initiator) gives `given` and `cash0`; seat 1, the partner, `asked` and `cash1`.
    static void trade(const V& given, int cash0, const V& asked, int cash1) {
        for (int p : given) game.initiatorSelected[p] = true;
        choose(0, asked, 1);
        game.tradeInitiator = 0, game.initiatorMoney = cash0, game.tradeMoney = cash1;
        game.tradePartnerSide = game.tradeOfferOpen = true;
        game.screen = AssetMenu, game.menuIndex = KindTrade;
        executeTrade();
    }
    // The seat stands on the property and answers the buy question.
    static void answer(int seat, int property, bool yes) {
        game.currentPlayer = seat, game.position[seat] = propertySquare[property];
        game.buyPromptOpen = true, game.promptYes = yes;
        decidePurchase();
    }
    static void settle() { endAuction(), advanceAuction(); }
};

using AuctionRules = AssetRules;

// Cash buys; net worth equal to the price (100), or to the winning bid (50), buys into debt; below
// it bankrupts. The seat's other deed is worth 30.
TEST_F(AuctionRules, BuyingAndWinningAreJudgedOnNetWorth) {
    answer(0, 0, true);
    EXPECT_EQ((V{game.owner[0], game.money[0], game.endTurnAfterNotice, game.buyPromptOpen}),
              (V{0, 1440, 1, 0}));
    EXPECT_STREQ(game.noticeReason[0], "Saltmarsh Old Wharf");
    const std::array<int, 3> cases[] = {{0, 70, 1}, {0, 69, 0}, {1, 20, 1}, {1, 19, 0}};
    for (const auto& [auction, cash, covered] : cases) {
        const int seat = auction, property = auction ? 27 : 2;
        startTestGame(2);
        game.money[seat] = cash, giveProperty(seat, 0);
        answer(0, property, !auction);
        if (auction) humanBid(1), settle();
        EXPECT_EQ(
            (V{game.inDebt, game.bankrupt[seat], game.owner[property], game.money[seat], game.auctionOpen}),
            (V{covered, !covered, covered ? seat : bankOwner, covered ? -30 : 0, 0}));
    }
}

// Declined and not sold, with or without an auction, or a question over a deed that is no longer
// the bank's: the turn passes unless doubles are pending.
// Rows: bidding, computers, the seat answering, doubles, property, the seat on turn after.
TEST_F(AuctionRules, UnsoldPropertyStaysAndTheTurnPassesUnlessDoubles) {
    const std::array<int, 6> cases[] = {{0, 0, 0, 0, 27, 1}, {0, 0, 0, 1, 27, 0}, {1, 0, 0, 0, 27, 1},
                                        {1, 1, 1, 1, 27, 1}, {1, 0, 0, 0, 0, 1},  {1, 0, 0, 1, 0, 0}};
    for (const auto& [bidding, computers, seat, doubles, property, next] : cases) {
        startTestGame(2 - computers, computers);
        game.biddingOption = bidding, game.doublesCount = doubles;
        if (property == 0) giveProperty(1, 0);
        answer(seat, property, property == 0);
        EXPECT_EQ(game.auctionOpen, bidding && property != 0);
        if (game.auctionOpen) settle();
        EXPECT_EQ((V{game.owner[property], game.money[0], game.currentPlayer}),
                  (V{property == 0 ? 1 : bankOwner, 1500, next}));
    }
}

// A declined purchase opens a fresh auction whatever the last one left; the countdown holds at
// two until ended, each human bid restarts it, and the highest human bidder pays. The increment steps
// up by 10 to 100, then by 20; down the same way to 10, then 5.
TEST_F(AuctionRules, BidsRestartTheTimerAndTheHighestBidderPays) {
    startTestGame(2, 1);
    V steps;
    for (int i = 0; i < 7; ++i) raiseBidIncrement(), steps.push_back(game.bidIncrement);
    for (int i = 0; i < 13; ++i) lowerBidIncrement(), steps.push_back(game.bidIncrement);
    raiseBidIncrement();
    steps.push_back(game.bidIncrement);
    EXPECT_EQ(steps,
              (V{60, 70, 80, 90, 100, 120, 140, 120, 100, 90, 80, 70, 60, 50, 40, 30, 20, 10, 5, 5, 10}));
    game.bidIncrement = 5, game.auctionBid = 99, game.auctionBidder = 1;
    answer(0, 27, false);
    EXPECT_EQ((V{game.auctionBidder, game.auctionBid, game.bidIncrement, game.auctionTimer}),
              (V{bankOwner, 0, defaultBidIncrement, auctionTicks}));
    for (int i = 0; i < auctionTicks + 500; ++i) advanceAuction();
    EXPECT_EQ(game.auctionTimer, 2);
    advanceAuction();  // and stays there, frame after frame
    EXPECT_EQ(game.auctionTimer, 2);
    // Bankrupt seats, seats not in play (a stale flag on seat 3), computer seat 2 and bad numbers may
    // not bid.
    game.bankrupt[1] = game.isHuman[3] = true;
    for (int seat : {1, 2, 3, -1, maxSeats, 1000}) humanBid(seat);
    EXPECT_EQ(game.auctionBidder, bankOwner);
    game.bankrupt[1] = false;
    humanBid(1);
    EXPECT_EQ(game.auctionTimer, auctionTicks);
    raiseBidIncrement();
    humanBid(0);  // the seat that declined may bid too
    humanBid(1);
    endAuction();
    EXPECT_EQ((V{game.auctionBid, game.auctionOpen}), (V{170, 1}));  // settled on the next frame
    advanceAuction();
    EXPECT_EQ((V{game.auctionOpen, game.auctionTimer, game.owner[27], game.money[1], game.money[0],
                 game.noticeAmount[0], game.endTurnAfterNotice}),
              (V{0, 0, 1, 1330, 1500, 170, 1}));
    humanBid(0);  // nor anyone once the auction is over
    EXPECT_EQ(game.auctionBid, 170);
}

// Build checks: seat 0 owns group 1 (streets 2, 3, 4) built as given, and transport 22. Rows: one
// above the rest at most; four each to hotels; a hotel takes nothing more; a mortgage in the group
// blocks; the cash must cover; counts 1..5 only; not on a transport; street 5's group is not the
// seat's; a lower street may catch up.
TEST_F(AssetRules, BuildingNeedsTheWholeGroupEvenlyAndTheCash) {
    const std::tuple<V, int, int, V, bool> cases[] = {
        {{1, 1, 1}, 1500, 1, {2}, true},       {{1, 1, 1}, 1500, 2, {2}, false},
        {{1, 1, 1}, 1500, 4, {2, 3, 4}, true}, {{5, 5, 5}, 1500, 1, {3}, false},
        {{0, 0, -1}, 1500, 1, {2}, false},     {{0, 0, 0}, 99, 1, {2, 3}, false},
        {{0, 0, 0}, 100, 1, {2, 3}, true},     {{0, 0, 0}, 1500, 0, {2}, false},
        {{0, 0, 0}, 1500, -1, {2}, false},     {{0, 0, 0}, 1500, 6, {2}, false},
        {{0, 0, 0}, 1500, 1, {2, 22}, false},  {{0, 0, 0}, 1500, 1, {2, 5}, false},
        {{2, 1, 2}, 1500, 1, {3}, true}};
    for (const auto& [h, cash, count, streets, ok] : cases) {
        startTestGame(2);
        giveGroup(0, 1, h[0], h[1], h[2]), giveProperty(0, 22), game.money[0] = cash;
        EXPECT_EQ(canBuild(count, streets), ok) << h[0] << h[1] << h[2] << " " << count << " " << cash;
    }
    choose(1, {2}, maxSeats);
    EXPECT_FALSE(canBuyHouses());  // no seat
    giveGroup(0, 7);               // 200 a house on the dearest group
    ASSERT_TRUE(canBuild(2, {20, 21}));
    buyHouses();
    EXPECT_EQ((V{game.houses[20], game.houses[21], game.money[0], game.selected[20]}), (V{2, 2, 700, 0}));
}

// Mortgage for half the price, lift for 10% more (175 x 1.1 is 192); then what the checks refuse:
// already mortgaged, not mortgaged, not the seat's, a building on a utility, counts out of range.
TEST_F(AssetRules, MortgageHalfPriceUnmortgageTenPercentMore) {
    giveProperty(0, 20), giveProperty(0, 26), giveProperty(0, 27), giveProperty(1, 23);
    ASSERT_TRUE(canMortgage(0, {20, 26}));
    mortgageAction();
    EXPECT_EQ((V{game.houses[20], game.houses[26], game.money[0], game.selected[20]}), (V{-1, -1, 1750, 0}));
    game.money[0] = 191;
    EXPECT_FALSE(canMortgage(-1, {20}));
    game.money[0] = 192;
    ASSERT_TRUE(canMortgage(-1, {20}));
    mortgageAction();
    EXPECT_EQ((V{game.houses[20], game.money[0]}), (V{0, 0}));
    for (const auto& [n, p] : {std::pair{0, 26}, {-1, 20}, {0, 23}, {1, 27}, {-2, 20}, {6, 20}})
        EXPECT_FALSE(canMortgage(n, {p})) << n << " " << p;
    EXPECT_TRUE(canMortgage(-1, {}));
    int out[4];
    EXPECT_EQ(groupStreets(transportGroup, out), 0);  // transports have no streets to sell from
}

// A built group cannot be mortgaged; sell first, evenly, from the most built street, half the house
// cost back each; a sale that clears the debt closes the debt state.
TEST_F(AssetRules, BuildingsBlockMortgageAndSellEvenly) {
    giveGroup(0, 1, 0, 1, 0), giveGroup(0, 7, 5, 5);
    for (const auto& [n, p] : {std::pair{0, 2}, {0, 3}, {2, 3}, {2, 20}})
        EXPECT_FALSE(canMortgage(n, {p})) << p;
    ASSERT_TRUE(canMortgage(1, {20}));
    mortgageAction();
    EXPECT_EQ((V{game.houses[20], game.money[0]}), (V{4, 1600}));
    EXPECT_EQ((V{canMortgage(1, {20}), canMortgage(1, {21}), canMortgage(2, {20, 21})}), (V{0, 1, 1}));
    game.money[0] = -50;
    openDebtState(0);
    choose(1, {21});
    mortgageAction();
    EXPECT_EQ((V{game.money[0], game.inDebt}), (V{50, 0}));
}

// What a side (here the partner's) may offer: something, only its own (the first street too),
// nothing built, no more cash than it has; a seat in debt may still give a deed for nothing; a
// bankrupt seat offers nothing. Rows: cash offered, properties, the jail card selected (-1 none)
// and its holder, valid.
TEST_F(AssetRules, TradeSidesMustOfferSomethingTheyOwn) {
    giveGroup(0, 1, 0, 1, 0), giveProperty(0, 0), giveProperty(1, 20), game.money[0] = 100;
    game.tradePartnerSide = true;
    const std::tuple<int, V, int, int, bool> cases[] = {
        {0, {}, -1, 0, false},   {1, {}, -1, 0, true},   {100, {}, -1, 0, true}, {101, {}, -1, 0, false},
        {-1, {2}, -1, 0, false}, {0, {3}, -1, 0, false}, {0, {2}, -1, 0, true},  {0, {20}, -1, 0, false},
        {0, {}, 0, 1, false},    {0, {}, 1, 0, true},    {0, {0}, -1, 0, true}};
    for (const auto& [money, properties, card, holder, ok] : cases) {
        choose(0, properties);
        game.tradeMoney = money, game.jailCardSelected[0] = game.jailCardSelected[1] = false;
        if (card >= 0) game.jailCardSelected[card] = true, game.jailCardHolder[card] = holder;
        EXPECT_EQ(tradeIsValid(), ok) << money << " " << card;
    }
    choose(0, {2});
    game.money[0] = -20, game.tradeMoney = 0;
    EXPECT_TRUE(tradeIsValid());
    game.bankrupt[0] = true;
    EXPECT_FALSE(tradeIsValid());
}

// Deeds, cash and jail cards change hands; a mortgaged deed received costs 10% interest at once
// (17 on 175) and queues the question to lift it for the mortgage value.
TEST_F(AssetRules, TradeMovesEverythingChargesInterestAndAsksTheReceiver) {
    giveProperty(0, 0), giveProperty(1, 20, -1), game.jailCardHolder[0] = 0, game.jailCardHolder[1] = 1;
    game.jailCardSelected[0] = game.jailCardSelected[1] = true;
    trade({0}, 100, {20}, 30);
    EXPECT_EQ(
        (V{game.owner[0], game.owner[20], game.houses[20], game.jailCardHolder[0], game.jailCardHolder[1],
           game.money[0], game.money[1], game.noticeAmount[0], game.initiatorMortgagedCount}),
        (V{1, 0, -1, 1, 0, 1500 - 100 + 30 - 17, 1570, 17, 1}));
    EXPECT_STREQ(game.noticeReason[0], "Mortgage Interest");
    EXPECT_EQ((V{game.tradeOfferOpen, game.selected[20], game.initiatorSelected[0], game.jailCardSelected[0],
                 game.tradePartnerSide, game.endTurnAfterNotice, game.tradeMoney, game.initiatorMoney,
                 game.menuIndex, game.screen}),
              (V{0, 0, 0, 0, 0, 0, 0, 0, 0, Board}));
    answerUnmortgageQuestion(true);
    EXPECT_EQ((V{game.houses[20], game.money[0]}), (V{0, 1413 - 175}));
    // Both sides receive mortgages: each pays its interest (7 + 17; 20), the partner's questions come
    // first, each list from its last entry; with no question left an answer does nothing.
    startTestGame(2);
    giveProperty(0, 21, -1), giveProperty(1, 5, -1), giveProperty(1, 20, -1);
    trade({21}, 0, {5, 20}, 0);
    EXPECT_EQ((V{game.noticeAmount[0], game.noticePlayer[1], game.noticeAmount[1]}), (V{24, 1, 20}));
    V answered;
    for (bool yes : {false, true, true, true}) {
        answerUnmortgageQuestion(yes);
        answered.insert(answered.end(),
                        {game.houses[21], game.houses[5], game.houses[20], game.money[0], game.money[1]});
    }
    EXPECT_EQ(answered,
              (V{-1, -1, -1, 1476, 1480, -1, 0, -1, 1406, 1480, -1, 0, 0, 1231, 1480, -1, 0, 0, 1231, 1480}));
}

// Interest may drive cash negative: the debt state opens for the seat that owes (the initiator
// too), unless it then owes more than it owns, when its cash is wiped and no debt state is left
// open. The question is charged to the deed's owner, and an unaffordable one is declined.
TEST_F(AssetRules, InterestCanOpenDebtOrWipeCash) {
    for (int keeps = 1; keeps >= 0; --keeps) {
        // Seat 1, already 33 in debt, gives a deed for two mortgaged ones (37 interest); its other deed
        // (worth 70, or nothing mortgaged) leaves it worth exactly 0, or less.
        startTestGame(2);
        giveProperty(0, 20, -1), giveProperty(0, 21, -1), giveProperty(1, 26), giveProperty(1, 5, keeps - 1);
        game.money[1] = -33;
        trade({20, 21}, 0, {26}, 0);
        EXPECT_EQ((V{game.money[1], game.inDebt, game.screen}),
                  (keeps ? V{-70, 1, AssetMenu} : V{0, 0, Board}));
    }
    startTestGame(2);
    game.money[0] = -13, giveProperty(0, 1), giveProperty(0, 21, -1), giveProperty(1, 20, -1);
    trade({21}, 0, {20}, 0);
    EXPECT_EQ((V{game.money[0], game.inDebt, game.menuPlayer}),
              (V{-30, 1, 0}));  // net worth exactly 0: the debt stays
    answerUnmortgageQuestion(true), game.money[0] = 174, answerUnmortgageQuestion(true);
    EXPECT_EQ((V{game.houses[21], game.money[1], game.houses[20], game.money[0]}), (V{0, 1280, -1, 174}));
}

// Closing the menu clears it; an offer from no seat is dropped.
TEST_F(AssetRules, CloseAssetMenuClearsEverything) {
    startTestGame(1, 1);
    game.currentPlayer = 1, game.screen = AssetMenu, game.menuIndex = KindTrade;
    game.initiatorSelected[0] = game.selected[5] = game.jailCardSelected[1] = game.choosingTradePartner =
        true;
    game.tradeOfferOpen = game.tradePartnerSide = true, game.tradeMoney = game.initiatorMoney = 2;
    game.houseCount = game.amountDigit = 2;
    closeAssetMenu();
    EXPECT_EQ((V{game.initiatorSelected[0], game.selected[5], game.jailCardSelected[1],
                 game.choosingTradePartner, game.tradeOfferOpen, game.tradePartnerSide, game.tradeMoney,
                 game.initiatorMoney, game.houseCount, game.amountDigit, game.menuIndex, game.screen}),
              (V{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, Board}));
    giveProperty(1, 3), game.tradeInitiator = 9, game.selected[3] = game.tradeOfferOpen = true;
    executeTrade();
    EXPECT_EQ((V{game.tradeOfferOpen, game.selected[3], game.screen, game.owner[3]}), (V{0, 0, Board, 1}));
}

}  // namespace
