// Turns played with the keys: what the board takes while a token walks, the action bar, the
// frame step that paces the computers and puts the questions, and the aids for a new player.
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <tuple>

#include "app/aids.h"
#include "app/screen_flow.h"
#include "app/shell.h"
#include "game/rules.h"
#include "game/tables.h"
#include "sim/play.h"
#include "support/fixtures.h"
#include "support/session.h"

namespace {

using TurnSession = Session;

int money0() { return game.money[0]; }
int menu() { return game.menuIndex; }

// An auction on property 6 under seat `seat`, nobody bidding yet.
void openAuction(int seat) {
    game.position[seat] = propertySquare[6];
    game.auctionOpen = true;
    game.auctionBidder = bankOwner;
    game.auctionTimer = auctionTicks;
}

// A roll of 7 onto a card, a digit beside its ENTER and keys while the token walks: no menu
// opens and nothing else starts; the card acts in the 179th frame after the landing; a Q
// pressed on the way asks once the board is still, and only once.
TEST_F(TurnSession, KeysWhileTheTokenWalks) {
    startBoardGame(2);
    setTopCard(1, 1);  // "Collect $150"
    fixClock(secondForDice(2, 3));
    keys("ENTER+2 ENTER");
    tick(40);
    keys("RIGHT 2 q");
    ASSERT_EQ(std::make_tuple(game.screen, game.menuIndex, game.moving, game.quitConfirmOpen),
              std::make_tuple(Board, 0, true, false));
    tickUntil([] { return game.cardTimer > 0; });
    tick(cardDisplayTicks - 2);
    EXPECT_EQ(std::make_tuple(game.position[0], game.money[0]), std::make_tuple(7, 1500));
    tick();
    EXPECT_EQ(std::make_tuple(game.money[0], game.currentPlayer), std::make_tuple(1650, 1));
    EXPECT_GT(tickUntil([] { return game.quitConfirmOpen; }, 500), 0);
    keys("RIGHT ENTER");  // NO
    tick(10);
    EXPECT_FALSE(game.quitConfirmOpen) << "the kept Q asked twice";
}

// The action bar wraps both ways; Leave Jail, the fifth action, is there only while the current
// seat is jailed. A digit opens a person's menu, not a computer's, in the highlighted kind.
TEST_F(TurnSession, TheActionBarAndTheSeatDigits) {
    startBoardGame(1, 1);
    playSteps({{"LEFT", menu, 3}, {"RIGHT", menu, 0}, {"RIGHT*4", menu, 0}, {"LEFT*4", menu, 0}});
    putInJail(0);
    playSteps(
        {{"LEFT", menu, 4}, {"RIGHT", menu, 0}, {"LEFT ENTER", money0, 1450}, {"ENTER RIGHT*2 2", menu, 2}});
    EXPECT_EQ(game.screen, Board);
    keys("1");
    EXPECT_EQ(std::make_tuple(game.screen, game.menuPlayer, game.menuIndex, game.houseCount),
              std::make_tuple(AssetMenu, 0, KindHouses, 1));
    startBoardGame(1, 1);  // the last kind, Mortgage, opens as itself too
    keys("LEFT 1");
    EXPECT_EQ(std::make_tuple(game.screen, game.menuIndex), std::make_tuple(AssetMenu, KindMortgage));
}

// The purchase question takes LEFT and RIGHT between YES and NO.
TEST_F(TurnSession, PurchaseQuestionTakesLeftAndRight) {
    startBoardGame(2);
    game.position[0] = propertySquare[1], game.buyPromptOpen = game.promptYes = true;
    keys("RIGHT");
    EXPECT_FALSE(game.promptYes);
    keys("LEFT");
    EXPECT_TRUE(game.promptYes && game.buyPromptOpen);
}

// Z zooms in and X out by 0.01 a frame, A/D and S/W pan; each stops at its limit.
TEST_F(TurnSession, CameraKeysStepAndStopAtTheirLimits) {
    startBoardGame(2);
    keys("z*10 a*5 s*5");
    EXPECT_NEAR(game.zoom, 0.9f, 1e-4);
    EXPECT_NEAR(game.panX, -0.05f, 1e-4);
    EXPECT_NEAR(game.panY, -0.05f, 1e-4);
    keys("z*60 x*10 a*30 s*30");
    EXPECT_EQ(std::make_tuple(game.panX, game.panY), std::make_tuple(-0.25f, -0.25f));
    EXPECT_NEAR(game.zoom, 0.6f, 1e-4);
    keys("x*60 d*60 w*60");
    EXPECT_EQ(std::make_tuple(game.zoom, game.panX, game.panY), std::make_tuple(1.0f, 0.25f, 0.25f));
    keys("DOWN");  // the cursor steps back from GO onto square 39 and the camera turns to it
    EXPECT_EQ(std::make_tuple(game.boardCursor, game.cameraTargetX, game.cameraTargetZ),
              std::make_tuple(39, 0.25f, 0.25f - 0.05f * 9));
}

// A person wins an auction beyond their worth while the computer on turn has doubles pending:
// once the bankruptcy notice is over, the computer rolls again by itself.
TEST_F(TurnSession, ComputerWithDoublesPendingRollsAgainAfterAnAuction) {
    startBoardGame(2, 1);
    game.currentPlayer = 2;
    game.doublesCount = 1;
    game.money[0] = 20;
    openAuction(2);
    keys("1 ENTER");
    ASSERT_TRUE(game.bankrupt[0]);
    const int ticks = tickUntil([] { return game.diceTimer > 0 && game.currentPlayer == 2; }, 300);
    EXPECT_GE(ticks, bankruptNoticeTicks - 2);  // -1 when it never rolls
}

// The unmortgage question is put only when the property's owner, whom the answer charges, can
// pay, whichever seat's menu is open.
TEST_F(TurnSession, UnmortgageQuestionIsPrunedByTheOwnersCash) {
    const std::tuple<int, int, bool> cases[] = {{1, 13, true}, {1, 13, false}, {0, 0, true}, {0, 0, false}};
    for (const auto& [owner, property, canPay] : cases) {
        startBoardGame(2);
        giveProperty(owner, property, -1);
        game.partnerMortgaged[0] = property;
        game.partnerMortgagedCount = 1;
        game.menuPlayer = 1 - owner;  // another seat's menu has been opened since the trade
        game.money[1 - owner] = canPay ? 0 : 1500;
        game.money[owner] = mortgageValue(property) - (canPay ? 0 : 1);
        tick();
        EXPECT_EQ(game.partnerMortgagedCount, canPay ? 1 : 0) << owner;
    }
}

// A computer willing to pay more waits a moment after a person's bid; without the hold it
// answers on the next frame.
TEST_F(TurnSession, APersonsBidStaysInViewAMoment) {
    for (const bool hold : {true, false}) {
        startBoardGame(1, 1);
        openAuction(0);
        game.bidLimit[1] = 400;
        keys("1");
        if (!hold) aids.bidShownTicks = 0;
        EXPECT_EQ(tickUntil([] { return game.auctionBidder == 1; }, 100), hold ? bidShownHoldTicks : 1);
    }
}

// "WINS" takes only ENTER, which goes back to the start menu.
TEST_F(TurnSession, EnterOnTheWinnerGoesBackToTheStartMenu) {
    startBoardGame(2);
    game.gameOver = true;
    keys("RIGHT q");
    EXPECT_EQ(std::make_tuple(game.gameOver, game.quitConfirmOpen), std::make_tuple(true, false));
    keys("ENTER");
    EXPECT_EQ(std::make_tuple(game.screen, game.gameOver), std::make_tuple(StartMenu, false));
}

// "Saved" shows after a save that landed, for its time; none when the file cannot be written
// (a directory stands in its place).
TEST_F(TurnSession, SavedShowsOnlyWhenTheSaveLanded) {
    namespace fs = std::filesystem;
    const fs::path previous = fs::current_path();
    char dir[] = "/tmp/tenantry-saved-XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    fs::current_path(dir);
    for (const bool lands : {false, true}) {
        startBoardGame(2);
        lands ? fs::remove("Tenantry.sav") : fs::create_directory("Tenantry.sav");  // a directory: unwritable
        chooseSave();
        std::strcpy(shell.saveName, "evening");
        confirmSaveName();
        saveIntoSlot(3);
        EXPECT_EQ(aids.savedTicks, lands ? savedShownTicks : 0);
        // A failed save keeps the slot grid open with the reason under it.
        const std::string message = shell.saveMessage;
        EXPECT_EQ(std::make_tuple(shell.saveNameDone,
                                  message.rfind("Could not save: ", 0) == 0 && message.size() > 16),
                  std::make_tuple(!lands, !lands))
            << message;
        tick(savedShownTicks - 1);
        EXPECT_EQ(aids.savedTicks, lands ? 1 : 0);
        tick();
        EXPECT_EQ(aids.savedTicks, 0);
    }
    fs::current_path(previous);
    fs::remove_all(dir);
}

}  // namespace
