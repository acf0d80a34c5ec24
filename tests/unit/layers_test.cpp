// One answer to "what is on top": for every pair of layers open at once, the keys, a click and
// the help all go to the upper one, and the lower one is left as it was.
#include <gtest/gtest.h>

#include "app/help_sets.h"
#include "app/layers.h"
#include "app/mouse.h"
#include "app/screen_flow.h"
#include "app/shell.h"
#include "game/rules.h"
#include "game/tables.h"
#include "sim/play.h"
#include "support/fixtures.h"
#include "ui/layout.h"

namespace {

struct LayerCase {
    Layer layer;
    void (*open)();
    bool (*isOpen)();
    HelpSet help;
};

// A click in the middle of the board: on no button, so it acts only where the whole board
// answers (a notice, "WINS", help, the statistics view).
constexpr int midX = 600, midY = 420;

// Layers a game can hold at once, highest first; each open() leaves the others alone.
const LayerCase cases[] = {
    {LayerStatistics, [] { shell.statsOpen = true; }, [] { return shell.statsOpen; }, HelpStats},
    {LayerSaveChoice, [] { shell.saveMenuOpen = true; }, [] { return shell.saveMenuOpen; }, HelpNone},
    {LayerGameOver, [] { game.gameOver = true; }, [] { return game.gameOver; }, HelpGameOver},
    {LayerQuit, [] { game.quitConfirmOpen = true; }, [] { return game.quitConfirmOpen; }, HelpQuit},
    {LayerNotice,
     [] {
         writeNotice(0, 0, 10, "taxes");
         game.noticeTimer = noticeTicks;
     },
     [] { return noticeUp(); }, HelpNotice},
    {LayerUnmortgage,
     [] {
         giveProperty(0, 5, -1);
         game.partnerMortgaged[0] = 5;
         game.partnerMortgagedCount = 1;
     },
     [] { return unmortgageQuestionPending(); }, HelpUnmortgage},
    {LayerUtilityRoll, [] { game.utilityRollPending = true; }, [] { return game.utilityRollPending; },
     HelpUtilityRoll},
    {LayerPurchase, [] { game.buyPromptOpen = true; }, [] { return game.buyPromptOpen; }, HelpPurchase},
    {LayerAuction, [] { game.auctionOpen = true; }, [] { return game.auctionOpen; }, HelpAuction},
    {LayerTax, [] { game.taxPromptOpen = true; }, [] { return game.taxPromptOpen; }, HelpTax},
    {LayerTradePartner, [] { game.choosingTradePartner = true; }, [] { return game.choosingTradePartner; },
     HelpTradePartner},
    {LayerTradeOffer,
     [] {
         game.tradeOfferOpen = true;
         game.tradeInitiator = 1;
     },
     [] { return game.tradeOfferOpen; }, HelpTradeOffer},
};

class Layers : public ::testing::Test {
protected:
    void SetUp() override {
        resetProgram();
        startTestGame(2);
        shell.uiScale = 1.0f;
    }
    void TearDown() override { resetProgram(); }
};

TEST_F(Layers, EachLayerAloneIsOnTopWithItsHelp) {
    EXPECT_EQ(topLayer(), LayerScreen);
    EXPECT_EQ(chooseHelpSet(), HelpBoard);
    for (const LayerCase& c : cases) {
        SCOPED_TRACE(c.layer);
        startTestGame(2);
        shell = ShellState{};
        c.open();
        EXPECT_EQ(topLayer(), c.layer);
        EXPECT_EQ(chooseHelpSet(), c.help);
        EXPECT_EQ(gamePaused(), c.layer <= LayerSaveChoice);
        shell.helpOpen = true;  // help lies over everything and describes what is under it
        EXPECT_EQ(topLayer(), LayerHelp);
        EXPECT_EQ(chooseHelpSet(), c.help);
    }
}

// ENTER, then a click, with two layers open: the lower one is untouched by both.
TEST_F(Layers, KeysClicksAndHelpGoToTheUpperOfEveryPair) {
    const int count = sizeof cases / sizeof cases[0];
    for (int upper = 0; upper < count; ++upper)
        for (int lower = upper + 1; lower < count; ++lower) {
            const LayerCase &up = cases[upper], &low = cases[lower];
            SCOPED_TRACE(testing::Message() << "layer " << up.layer << " over " << low.layer);
            for (bool byClick : {false, true}) {
                resetProgram();
                startTestGame(2);
                shell.uiScale = 1.0f;
                low.open();
                up.open();
                ASSERT_EQ(topLayer(), up.layer);
                EXPECT_EQ(chooseHelpSet(), up.help);
                if (byClick) {
                    onMouse(mouseLeftButton, mouseButtonDown, midX, midY);
                } else {
                    keyDown(KeyEnter);
                    stepScreenFlow();
                    keyUp(KeyEnter);
                }
                // "WINS" and the quit question's reset clear the whole game; otherwise the
                // lower layer must still be there.
                if (up.layer != LayerGameOver) {
                    EXPECT_TRUE(low.isOpen()) << (byClick ? "click" : "ENTER");
                }
            }
        }
}

// While a computer is about to act, a person's keys and clicks reach nothing but a seat's
// digit or panel; its own pending question waits.
TEST_F(Layers, TheComputerGateHoldsKeysAndClicksAlike) {
    startTestGame(1, 1);
    game.currentPlayer = 1;
    game.computerDelay = 30;
    ASSERT_EQ(inputGate(), InputDigitsOnly);
    press(KeyEnter);
    onMouse(mouseLeftButton, mouseButtonDown, static_cast<int>(actionBarFree[0].hit.x0) + 2,
            static_cast<int>(actionBarFree[0].hit.y0) + 2);
    onMouse(mouseRightButton, mouseButtonDown, midX, midY);
    EXPECT_FALSE(game.moving);
    EXPECT_EQ(game.screen, Board);
    EXPECT_EQ(chooseHelpSet(), HelpComputerTurn);

    game.menuIndex = 2;  // the computer has highlighted Houses: even digits wait
    ASSERT_EQ(inputGate(), InputClosed);
    press('1');
    EXPECT_EQ(game.screen, Board);
    EXPECT_EQ(chooseHelpSet(), HelpNone);

    game.menuIndex = 0;
    press('1');  // the person's digit gets in before the computer rolls
    EXPECT_EQ(game.screen, AssetMenu);
    EXPECT_EQ(game.menuPlayer, 0);
}

}  // namespace
