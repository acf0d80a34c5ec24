// One answer to "what is on top": for every pair of layers open at once, the keys, a click, the
// help and the drawing (which switches on topLayer) all go to the upper one, and the lower one is
// left as it was. The input gate decides whether a person's keys and clicks get in at all.
#include <gtest/gtest.h>

#include <iterator>

#include "app/help_sets.h"
#include "app/input.h"
#include "app/layers.h"
#include "app/mouse.h"
#include "app/screen_flow.h"
#include "app/shell.h"
#include "game/rules.h"
#include "game/tables.h"
#include "sim/play.h"
#include "support/fixtures.h"
#include "support/session.h"
#include "ui/layout.h"

namespace {

// A click in the middle of the board: on no button, so it acts only where the whole board
// answers (a notice, "WINS", help, the statistics view).
constexpr int midX = 600, midY = 420;

void clickAt(const Rect& r, int button = mouseLeftButton) {
    onMouse(button, mouseButtonDown, static_cast<int>((r.x0 + r.x1) / 2), static_cast<int>((r.y0 + r.y1) / 2));
}
// One key in one pass of the screen flow, without the frame step (no timer moves).
void keyOnce(int key) {
    keyDown(key);
    stepScreenFlow();
    keyUp(key);
}
void openUnmortgageQuestion() {
    giveProperty(0, 5, -1);
    game.partnerMortgaged[0] = 5;
    game.partnerMortgagedCount = 1;
}

struct LayerCase {
    Layer layer;
    void (*open)();
    bool (*isOpen)();
    HelpSet help;
    bool enterCloses;  // when alone
};

// Layers a game can hold at once, highest first; each open() leaves the others alone.
// clang-format off
const LayerCase cases[] = {
    {LayerStatistics, [] { shell.statsOpen = true; }, [] { return shell.statsOpen; }, HelpStats, true},
    {LayerSaveChoice, [] { shell.saveMenuOpen = true; }, [] { return shell.saveMenuOpen; }, HelpNone, false},
    {LayerGameOver, [] { game.gameOver = true; }, [] { return game.gameOver; }, HelpGameOver, true},
    {LayerQuit, [] { game.quitConfirmOpen = true; }, [] { return game.quitConfirmOpen; }, HelpQuit, true},
    {LayerNotice, [] { writeNotice(0, 0, 10, "taxes"), game.noticeTimer = noticeTicks; }, noticeUp, HelpNotice,
     true},
    {LayerUnmortgage, openUnmortgageQuestion, unmortgageQuestionPending, HelpUnmortgage, true},
    {LayerUtilityRoll, [] { game.utilityRollPending = true; }, [] { return game.utilityRollPending; },
     HelpUtilityRoll, true},
    {LayerPurchase, [] { game.buyPromptOpen = true; }, [] { return game.buyPromptOpen; }, HelpPurchase, true},
    {LayerAuction, [] { game.auctionOpen = true; }, [] { return game.auctionOpen; }, HelpAuction, false},
    {LayerTax, [] { game.taxPromptOpen = true; }, [] { return game.taxPromptOpen; }, HelpTax, true},
    {LayerTradePartner, [] { game.choosingTradePartner = true; }, [] { return game.choosingTradePartner; },
     HelpTradePartner, true},
    {LayerTradeOffer, [] { game.tradeOfferOpen = true, game.tradeInitiator = 1; },
     [] { return game.tradeOfferOpen; }, HelpTradeOffer, true},
};
// clang-format on
constexpr int caseCount = static_cast<int>(std::size(cases));

class Layers : public ::testing::Test {
protected:
    void SetUp() override { fresh(); }
    void TearDown() override { resetProgram(); }
    static void fresh(int humans = 2, int computers = 0) {
        resetProgram();
        startTestGame(humans, computers);
    }
};

}  // namespace

// Each layer alone and over each lower one: on top, with its help (also under F1), pausing the
// game only above the game's own layers; ENTER and a click leave the lower layer open, and ENTER
// answers a layer alone.
TEST_F(Layers, KeysClicksHelpAndDrawingGoToTheUpperOfEveryPair) {
    EXPECT_EQ(std::make_pair(topLayer(), chooseHelpSet()), std::make_pair(LayerScreen, HelpBoard));
    for (int upper = 0; upper < caseCount; ++upper)
        for (int lower = upper + 1; lower <= caseCount; ++lower)  // caseCount: nothing under it
            for (bool byClick : {false, true}) {
                const LayerCase &up = cases[upper], *low = lower < caseCount ? &cases[lower] : nullptr;
                SCOPED_TRACE(testing::Message() << "layer " << up.layer << " over " << (low ? low->layer : -1));
                fresh();
                if (low) low->open();
                up.open();
                ASSERT_EQ(topLayer(), up.layer);
                EXPECT_EQ(chooseHelpSet(), up.help);
                EXPECT_EQ(gamePaused(), up.layer <= LayerSaveChoice);
                shell.helpOpen = true;  // help lies over everything and describes what is under it
                EXPECT_EQ(std::make_pair(topLayer(), chooseHelpSet()), std::make_pair(LayerHelp, up.help));
                shell.helpOpen = false;
                if (byClick)
                    onMouse(mouseLeftButton, mouseButtonDown, midX, midY);
                else
                    keyOnce(KeyEnter);
                // "WINS" and the quit question's reset clear the whole game.
                if (low && up.layer != LayerGameOver) {
                    EXPECT_TRUE(low->isOpen()) << (byClick ? "click" : "ENTER");
                }
                if (!low && !byClick) {
                    EXPECT_NE(up.isOpen(), up.enterCloses);
                }
            }
}

// A computer is about to roll (seat 1, 30 ticks to go). Only a person's digit or panel gets in,
// and only while nothing else is pending; a notice or an unmortgage question is the person's to
// answer; a menu the person opened stays theirs unless it holds an offer to the computer or the
// computer's debt (even on the person's turn).
TEST_F(Layers, TheComputerGateHoldsKeysAndClicksAlike) {
    const struct {
        const char* what;
        void (*set)();
        InputGate gate;
        HelpSet help;
    } cases[] = {
        {"about to roll", [] {}, InputDigitsOnly, HelpComputerTurn},
        {"Houses highlighted", [] { game.menuIndex = 2; }, InputClosed, HelpNone},
        {"dice shown", [] { game.diceTimer = 5; }, InputClosed, HelpNone},
        {"arrival", [] { game.arrivalTimer = 5; }, InputClosed, HelpNone},
        {"settling", [] { game.settleTimer = 5; }, InputClosed, HelpNone},
        {"card shown", [] { game.cardTimer = 5; }, InputClosed, HelpNone},
        {"walking", [] { game.moving = true; }, InputClosed, HelpNone},
        {"bankruptcy notice", [] { game.bankruptTimer = 5; }, InputClosed, HelpNone},
        {"buy prompt", [] { game.buyPromptOpen = true; }, InputClosed, HelpNone},
        {"tax prompt", [] { game.taxPromptOpen = true; }, InputClosed, HelpNone},
        {"utility roll", [] { game.utilityRollPending = true; }, InputClosed, HelpNone},
        {"notice", [] { game.noticeTimer = 50; }, InputOpen, HelpNotice},
        {"notice over a card", [] { game.noticeTimer = 50, game.cardTimer = 5; }, InputOpen, HelpNotice},
        {"unmortgage question", openUnmortgageQuestion, InputOpen, HelpUnmortgage},
        {"no computer waits", [] { game.computerDelay = 0; }, InputOpen, HelpBoard},
        {"person's menu", [] { game.screen = AssetMenu, game.menuPlayer = 0; }, InputOpen, HelpAssetMenu},
        {"card", [] { game.screen = PropertyCard; }, InputOpen, HelpPropertyCard},
        {"offer to computer", [] { game.screen = AssetMenu, game.tradeOfferOpen = true, game.menuPlayer = 1; },
         InputClosed, HelpNone},
        {"offer to person", [] { game.screen = AssetMenu, game.tradeOfferOpen = true, game.menuPlayer = 0; },
         InputOpen, HelpTradeOffer},
        {"computer's debt", [] { game.screen = AssetMenu, game.inDebt = true, game.menuPlayer = 1, game.currentPlayer = 0; },
         InputClosed, HelpNone},
        {"person's debt", [] { game.screen = AssetMenu, game.inDebt = true, game.menuPlayer = 0; }, InputOpen,
         HelpAssetMenu},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fresh(1, 1);
        game.currentPlayer = 1, game.computerDelay = 30;
        c.set();
        EXPECT_EQ(inputGate(), c.gate);
        EXPECT_EQ(chooseHelpSet(), c.help);
        if (c.gate == InputOpen) continue;
        const std::string before = snapshot();
        keyOnce(KeyEnter), keyOnce(KeyRight), keyOnce('q');
        clickAt(actionBarFree[0].hit), clickAt(backHit), clickAt(confirmHit);
        onMouse(mouseRightButton, mouseButtonDown, midX, midY);
        EXPECT_EQ(snapshot(), before);
        keyOnce('1');  // the person's digit gets in before the computer rolls, and only then
        EXPECT_EQ(game.screen == AssetMenu && game.menuPlayer == 0, c.gate == InputDigitsOnly);
        fresh(1, 1);
        game.currentPlayer = 1, game.computerDelay = 30;
        c.set();
        clickAt(panelHit(game.tokenSlot[0]));  // and so does a click on the person's panel
        EXPECT_EQ(game.screen == AssetMenu && game.menuPlayer == 0, c.gate == InputDigitsOnly);
    }
}

// A notice that runs out by itself into an unmortgage question: an ENTER or a click on YES
// meant for the notice must not answer the question unseen; a moment later they do.
TEST_F(Layers, AQuestionThatFollowsANoticeIgnoresThePressMeantForTheNotice) {
    for (bool byClick : {false, true}) {
        fresh();
        openUnmortgageQuestion();
        game.promptYes = true;
        writeNotice(0, 0, 10, "taxes"), game.noticeTimer = 2;
        tick();
        ASSERT_EQ(topLayer(), LayerUnmortgage);
        byClick ? clickAt(yesHit) : keyOnce(KeyEnter);
        EXPECT_TRUE(unmortgageQuestionPending());
        tick(freshQuestionGuardTicks);
        byClick ? clickAt(yesHit) : keyOnce(KeyEnter);
        EXPECT_FALSE(unmortgageQuestionPending());
        EXPECT_EQ(game.money[0], startingMoney - mortgageValue(5));
    }
}

// The help set of each screen; the board's keys are hidden while the camera glides onto it.
TEST_F(Layers, EachScreenHasItsOwnHelp) {
    const struct {
        int screen, glide;
        HelpSet help;
    } cases[] = {{StartMenu, 0, HelpStartMenu}, {OptionsMenu, 0, HelpOptionsMenu}, {Board, 0, HelpBoard},
                 {Board, 1, HelpNone},          {AssetMenu, 0, HelpAssetMenu},     {AssetMenu, 5, HelpAssetMenu},
                 {PropertyCard, 0, HelpPropertyCard}, {TurnOrder, 0, HelpTurnOrder}, {NameEntry, 0, HelpNameEntry},
                 {5, 0, HelpNone}};
    for (const auto& c : cases) {
        game.screen = c.screen, game.cameraGlide = c.glide;
        EXPECT_EQ(chooseHelpSet(), c.help) << c.screen << " glide " << c.glide;
    }
    EXPECT_EQ(helpText(HelpSetCount).keyboardLines + helpText(static_cast<HelpSet>(-1)).mouseLines, 0);
    EXPECT_EQ(std::make_pair(helpText(HelpBoard).keyboardLines, helpText(HelpBoard).mouseLines), std::make_pair(9, 5));
    EXPECT_TRUE(isContinuationLine(helpText(HelpBoard).mouse[3]));
}
