// Computer buying at the purchase question and bidding in auctions.
#include <gtest/gtest.h>

#include <algorithm>

#include "ai/computer.h"
#include "game/random.h"
#include "game/rules.h"
#include "game/tables.h"
#include "support/fixtures.h"

namespace {

struct ComputerBuying : ::testing::Test {
    void SetUp() override { game = GameState{}; }
    void TearDown() override { setClock(nullptr); }
};

// Seat 0 a person, seats 1 and 2 computers; seat 1's turn.
void threeSeats() {
    startTestGame(1, 2);
    game.currentPlayer = 1;
}

void standOn(int seat, int property) { game.position[seat] = propertySquare[property]; }

// A street or transport is bought when its score beats the first draw after reseeding (0..99).
struct BuyCase {
    const char* what;
    void (*setUp)();
    int score;
};
const BuyCase buyCases[] = {
    // 400 / 20 = 20 beats 400 / 40 = 10, so the score is 400 / 5 = 80.
    {"money 400, price 200", [] { game.money[1] = 400, standOn(1, 10); }, 80},
    {"net worth 399 below the price 400", [] { giveProperty(1, 0), game.money[1] = 369, standOn(1, 21); },
     -1},
    {"transport completing the set",
     [] {
         giveProperty(1, 23), giveProperty(1, 24), giveProperty(1, 25), game.money[1] = 250, standOn(1, 22);
     },
     100},
    {"split transports: 20 plus 20 per transport held",
     [] {
         giveProperty(1, 23), giveProperty(2, 24), giveProperty(0, 25), game.money[1] = 100, standOn(1, 22);
     },
     40},
    {"nobody holds a transport: 15 more", [] { game.money[1] = 300, standOn(1, 22); }, 75},
};

TEST_F(ComputerBuying, PurchaseFollowsTheScore) {
    for (const BuyCase& c : buyCases) {
        int bought = 0;
        for (int second = 0; second < 1000; ++second) {
            threeSeats();
            c.setUp();
            seedRandom(static_cast<uint32_t>(second));
            const int draw = randomBelow(100);
            fixClock(second);
            const bool buy = decideBuy();
            ASSERT_EQ(buy, c.score > draw) << c.what << ", second " << second;
            bought += buy;
        }
        if (c.score == 80) {
            EXPECT_TRUE(bought > 740 && bought < 860) << bought;
        }
    }
}

// Whatever the position, a limit is a multiple of 5, not negative, never above a positive
// net worth; people get 0.
TEST_F(ComputerBuying, BidLimitsAreMultiplesOfFiveWithinNetWorth) {
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
        game.owner[offered] = bankOwner, game.houses[offered] = 0;
        standOn(game.currentPlayer, offered);
        fixClock(round);
        computeBidLimits();
        for (int s = 0; s < maxSeats; ++s) {
            const int limit = game.bidLimit[s];
            if (s == 0 || s >= 4) {
                EXPECT_EQ(limit, 0) << round;
                continue;
            }
            EXPECT_TRUE(limit % 5 == 0 && limit >= 0) << round;
            if (netWorth(s) > 0) {
                EXPECT_LE(limit, netWorth(s)) << round;
            }
            positive += limit > 0;
        }
    }
    EXPECT_GT(positive, 3000);
}

// With no limits nobody bids; on equal limits the lower seat bids (5 to 50); computers never
// outbid each other; a person's bid is answered by 5 to 50 up to the limit, where it stops.
TEST_F(ComputerBuying, AutoBidding) {
    threeSeats();
    game.auctionOpen = true, game.auctionBidder = bankOwner;
    computerAutoBid();
    EXPECT_EQ(game.auctionBidder, bankOwner);

    game.bidLimit[1] = game.bidLimit[2] = 300;
    fixClock(77);
    computerAutoBid();
    EXPECT_EQ(game.auctionBidder, 1);
    EXPECT_TRUE(game.auctionBid >= 5 && game.auctionBid <= 50 && game.auctionBid % 5 == 0);
    const int held = game.auctionBid;
    for (int frame = 0; frame < 5; ++frame) computerAutoBid();
    EXPECT_EQ(game.auctionBid, held);  // leading already: no raise

    game.bidLimit[1] = 200, game.bidLimit[2] = 150;
    for (int second = 0; second < 100; ++second) {
        game.auctionBidder = 0;
        const int before = game.auctionBid = 120 + second % 60;
        fixClock(second);
        computerAutoBid();
        EXPECT_EQ(game.auctionBidder, 1);
        EXPECT_GT(game.auctionBid, before);
        EXPECT_LE(game.auctionBid, std::min(before + 50, 200));
    }
    game.auctionBidder = 0, game.auctionBid = 200;
    computerAutoBid();
    EXPECT_EQ(game.auctionBidder, 0);
}

}  // namespace
