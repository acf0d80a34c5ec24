// Computer buying at the purchase question and bidding in auctions.
#include <gtest/gtest.h>

#include "ai/computer.h"
#include "game/random.h"
#include "game/rules.h"
#include "game/tables.h"
#include "support/fixtures.h"

namespace {

class ComputerBuying : public ::testing::Test {
protected:
    void SetUp() override {
        game = GameState{};
        startTestGame(1, 2);  // seat 0 a person, seats 1 and 2 computers
        game.currentPlayer = 1;
    }
    void TearDown() override { setClock(nullptr); }
};

using ComputerBidding = ComputerBuying;

void standOn(int seat, int property) { game.position[seat] = propertySquare[property]; }

// The draw decideBuy makes after reseeding with the second.
int firstPercentile(int second) {
    seedRandom(static_cast<uint32_t>(second));
    return randomBelow(100);
}

// Money 400 and net worth 400: 400 / 20 = 20 beats 400 / 40 = 10, so the score is 400 / 5
// = 80 and a street is bought when 80 beats the draw, four times in five.
TEST_F(ComputerBuying, ScoreOfEightyBuysFourTimesInFive) {
    int bought = 0;
    for (int second = 0; second < 1000; ++second) {
        game.money[1] = 400;
        standOn(1, 10);  // price 200
        fixClock(second);
        const bool buy = decideBuy();
        EXPECT_EQ(buy, 80 > firstPercentile(second)) << second;
        bought += buy ? 1 : 0;
    }
    EXPECT_GT(bought, 740);
    EXPECT_LT(bought, 860);
}

TEST_F(ComputerBuying, NetWorthBelowThePriceAlwaysDeclines) {
    giveProperty(1, 0);   // worth 30 more
    game.money[1] = 369;  // net worth 399 against a price of 400
    standOn(1, 21);
    for (int second = 0; second < 200; ++second) {
        fixClock(second);
        EXPECT_FALSE(decideBuy());
    }
}

TEST_F(ComputerBuying, AmpleMeansAlwaysBuys) {
    game.money[1] = 1500;  // score 1500 / 5 = 300
    standOn(1, 21);
    for (int second = 0; second < 200; ++second) {
        fixClock(second);
        EXPECT_TRUE(decideBuy());
    }
}

// A transport is always bought when it completes the set, or when a single opponent holds
// all the others; holding some of them only raises the score.
TEST_F(ComputerBuying, TransportsCompletingASetAlwaysBuy) {
    for (int second = 0; second < 200; ++second) {
        fixClock(second);
        startTestGame(1, 2);
        game.currentPlayer = 1;
        for (int t : {23, 24, 25}) giveProperty(1, t);
        game.money[1] = 250;  // low score: 250 + 300 in transports, so 550 / 10 = 55
        standOn(1, 22);
        EXPECT_TRUE(decideBuy());

        for (int t : {23, 24, 25}) giveProperty(2, t);
        EXPECT_TRUE(decideBuy());  // one opponent holds all three
    }
}

TEST_F(ComputerBuying, SplitTransportsAddTwentyPerTransportHeld) {
    for (int second = 0; second < 400; ++second) {
        giveProperty(1, 23);  // 100 in the score's net worth
        giveProperty(2, 24);
        giveProperty(0, 25);
        game.money[1] = 100;  // net worth 200: 100 / 20 = 5 against 200 / 40 = 5, so 200 / 10
        standOn(1, 22);
        fixClock(second);
        EXPECT_EQ(decideBuy(), 40 > firstPercentile(second)) << second;  // 20, plus 20 for 23
    }
    // Nobody holding any of them adds 15.
    startTestGame(1, 2);
    game.currentPlayer = 1;
    for (int second = 0; second < 400; ++second) {
        game.money[1] = 300;  // score 300 / 5 = 60 + 15
        standOn(1, 22);
        fixClock(second);
        EXPECT_EQ(decideBuy(), 75 > firstPercentile(second)) << second;
    }
}

// Whatever the position, a limit is a multiple of 5, not negative, never above a positive
// net worth; people get 0.
TEST_F(ComputerBidding, LimitsAreMultiplesOfFiveWithinNetWorth) {
    uint32_t mix = 12345;
    auto next = [&mix](int n) {
        mix = mix * 1103515245u + 12345u;
        return static_cast<int>((mix >> 16) % static_cast<uint32_t>(n));
    };
    int positive = 0;
    for (int round = 0; round < 2000; ++round) {
        startTestGame(1, 3);
        for (int p = 0; p < propertyCount; ++p) {
            const int owner = next(6);
            if (owner < 4) giveProperty(owner, p, next(4) == 0 ? -1 : 0);
        }
        for (int s = 0; s < 4; ++s) game.money[s] = next(3000) - 300;
        game.currentPlayer = next(4);
        const int offered = next(propertyCount);
        game.owner[offered] = bankOwner;
        game.houses[offered] = 0;
        standOn(game.currentPlayer, offered);
        fixClock(round);
        computeBidLimits();
        EXPECT_EQ(game.bidLimit[0], 0);
        for (int s = 1; s < 4; ++s) {
            const int limit = game.bidLimit[s];
            EXPECT_EQ(limit % 5, 0) << round;
            EXPECT_GE(limit, 0) << round;
            if (netWorth(s) > 0) {
                EXPECT_LE(limit, netWorth(s)) << round;
            }
            positive += limit > 0 ? 1 : 0;
        }
        for (int s = 4; s < maxSeats; ++s) EXPECT_EQ(game.bidLimit[s], 0);
    }
    EXPECT_GT(positive, 3000);
}

// A transport nobody holds, for a computer with the starting 1500: 75 plus a fifth of the
// price, lifted to 90% of the price (180), plus 5 to 50.
TEST_F(ComputerBidding, FreshTransportLimitRange) {
    bool low = false, high = false;
    for (int second = 0; second < 300; ++second) {
        standOn(1, 22);
        fixClock(second);
        computeBidLimits();
        for (int s : {1, 2}) {
            EXPECT_GE(game.bidLimit[s], 185);
            EXPECT_LE(game.bidLimit[s], 230);
            low = low || game.bidLimit[s] == 185;
            high = high || game.bidLimit[s] == 230;
        }
    }
    EXPECT_TRUE(low);
    EXPECT_TRUE(high);
}

// One opponent holds the rest of the group: 1.4 times the price, or with one chance in ten
// the price itself, then 5 to 50 more.
TEST_F(ComputerBidding, StreetCompletingAnOpponentsGroupBidsHigh) {
    int atPrice = 0, above = 0;
    for (int second = 0; second < 500; ++second) {
        giveProperty(0, 2);
        giveProperty(0, 3);
        standOn(1, 4);  // price 120
        fixClock(second);
        computeBidLimits();
        const int limit = game.bidLimit[1];
        EXPECT_GE(limit, 125);
        EXPECT_LE(limit, 215);
        if (limit < 170) ++atPrice;
        if (limit > 170) ++above;
    }
    EXPECT_GT(atPrice, 10);
    EXPECT_LT(atPrice, 100);
    EXPECT_GT(above, 350);
}

TEST_F(ComputerBidding, EqualLimitsLetTheLowerSeatBid) {
    game.auctionOpen = true;
    game.auctionBidder = bankOwner;
    game.bidLimit[1] = 300;
    game.bidLimit[2] = 300;
    fixClock(77);
    computerAutoBid();
    EXPECT_EQ(game.auctionBidder, 1);
    EXPECT_GE(game.auctionBid, 5);
    EXPECT_LE(game.auctionBid, 50);
    EXPECT_EQ(game.auctionBid % 5, 0);
}

// Computers never outbid each other; a person's bid is answered on the next frame by 5 to
// 50, never above the limit; at the limit the computer stops.
TEST_F(ComputerBidding, ComputerAnswersPeopleUpToItsLimit) {
    game.auctionOpen = true;
    game.auctionBidder = bankOwner;
    game.bidLimit[1] = 200;
    game.bidLimit[2] = 150;
    for (int frame = 0; frame < 5; ++frame) computerAutoBid();
    EXPECT_EQ(game.auctionBidder, 1);
    const int held = game.auctionBid;
    computerAutoBid();
    EXPECT_EQ(game.auctionBid, held);  // leading already: no raise

    for (int second = 0; second < 100; ++second) {
        game.auctionBidder = 0;
        game.auctionBid = 120 + second % 60;
        const int before = game.auctionBid;
        fixClock(second);
        computerAutoBid();
        EXPECT_EQ(game.auctionBidder, 1);
        EXPECT_GT(game.auctionBid, before);
        EXPECT_LE(game.auctionBid, std::min(before + 50, 200));
    }
    game.auctionBidder = 0;
    game.auctionBid = 200;
    computerAutoBid();
    EXPECT_EQ(game.auctionBidder, 0);
    EXPECT_EQ(game.auctionBid, 200);
}

TEST_F(ComputerBidding, NoLimitsNoBids) {
    game.auctionOpen = true;
    game.auctionBidder = bankOwner;
    computerAutoBid();
    EXPECT_EQ(game.auctionBidder, bankOwner);
    EXPECT_EQ(game.auctionBid, 0);
}

}  // namespace
