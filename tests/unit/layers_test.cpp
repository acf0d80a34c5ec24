// One answer to "what is on top": for every pair of layers open at once, the keys, a click, the
// help and the drawing (which switches on topLayer) all go to the upper one, and the lower one is
// left as it was. The input gate decides whether a person's keys and clicks get in at all.
#include <gtest/gtest.h>

#include <utility>

#include "app/help_sets.h"
#include "app/input.h"
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

void click(const Rect& r) { leftClick(static_cast<int>(r.x0 + r.x1) / 2, (r.y0 + r.y1) / 2); }
// One key in one pass of the screen flow, without the frame step (no timer moves).
void keyOnce(int key) { keyDown(key), stepScreenFlow(), keyUp(key); }
// tradeInitiator: whose offer a "Trade?" layer shows.
void fresh(int humans = 2, int computers = 0) {
    resetProgram(), startTestGame(humans, computers), game.tradeInitiator = 1;
}
void openNotice() { writeNotice(0, 0, 10, "taxes"), game.noticeTimer = noticeTicks; }
void openUnmortgageQuestion() {
    giveProperty(0, 5, -1);
    game.partnerMortgaged[0] = 5, game.partnerMortgagedCount = 1;
}

// Layers a game can hold at once, highest first.
struct LayerCase {
    Layer layer;
    void (*open)();
    bool (*isOpen)();
    HelpSet help;
    bool enterCloses;  // when alone
};
// clang-format off
const LayerCase layers[] = {
    {LayerStatistics, [] { shell.statsOpen = true; }, [] { return shell.statsOpen; }, HelpStats, true},
    {LayerSaveChoice, [] { shell.saveMenuOpen = true; }, [] { return shell.saveMenuOpen; }, HelpNone, false},
    {LayerGameOver, [] { game.gameOver = true; }, [] { return game.gameOver; }, HelpGameOver, true},
    {LayerQuit, [] { game.quitConfirmOpen = true; }, [] { return game.quitConfirmOpen; }, HelpQuit, true},
    {LayerNotice, openNotice, noticeUp, HelpNotice, true},
    {LayerUnmortgage, openUnmortgageQuestion, unmortgageQuestionPending, HelpUnmortgage, true},
    {LayerUtilityRoll, [] { game.utilityRollPending = true; }, [] { return game.utilityRollPending; }, HelpUtilityRoll, true},
    {LayerPurchase, [] { game.buyPromptOpen = true; }, [] { return game.buyPromptOpen; }, HelpPurchase, true},
    {LayerAuction, [] { game.auctionOpen = true; }, [] { return game.auctionOpen; }, HelpAuction, false},
    {LayerTax, [] { game.taxPromptOpen = true; }, [] { return game.taxPromptOpen; }, HelpTax, true},
    {LayerTradePartner, [] { game.choosingTradePartner = true; }, [] { return game.choosingTradePartner; }, HelpTradePartner, true},
    {LayerTradeOffer, [] { game.tradeOfferOpen = true; }, [] { return game.tradeOfferOpen; }, HelpTradeOffer, true}};
// clang-format on
constexpr int layerCount = sizeof layers / sizeof layers[0];

class Layers : public ::testing::Test {
protected:
    void SetUp() override { fresh(); }
    void TearDown() override { resetProgram(); }
};

}  // namespace

// Each layer alone and over each lower one: on top, with its help (also under F1), pausing the
// game only above the game's own layers; ENTER and a click leave the lower layer open, and ENTER
// answers a layer alone ("WINS" and the quit question's reset clear the whole game).
TEST_F(Layers, KeysClicksHelpAndDrawingGoToTheUpperOfEveryPair) {
    EXPECT_EQ(std::make_pair(topLayer(), chooseHelpSet()), std::make_pair(LayerScreen, HelpBoard));
    game.cameraGlide = 1;  // the board's keys are hidden while the camera glides onto it
    EXPECT_EQ(chooseHelpSet(), HelpNone);
    // The table of help texts ends in the empty set.
    EXPECT_EQ(helpText(HelpSetCount).keyboardLines + helpText(static_cast<HelpSet>(-1)).mouseLines, 0);
    for (int upper = 0; upper < layerCount; ++upper)
        for (int lower = upper + 1; lower <= layerCount; ++lower)  // layerCount: nothing under it
            for (bool byClick : {false, true}) {
                const LayerCase &up = layers[upper], *low = lower < layerCount ? &layers[lower] : nullptr;
                SCOPED_TRACE(testing::Message() << up.layer << " over " << (low ? low->layer : -1));
                fresh();
                if (low) low->open();
                up.open();
                ASSERT_EQ(std::make_pair(topLayer(), chooseHelpSet()), std::make_pair(up.layer, up.help));
                EXPECT_EQ(gamePaused(), up.layer <= LayerSaveChoice);
                shell.helpOpen = true;  // help lies over everything and describes what is under it
                EXPECT_EQ(std::make_pair(topLayer(), chooseHelpSet()), std::make_pair(LayerHelp, up.help));
                shell.helpOpen = false;
                byClick ? click(boardArea) : keyOnce(KeyEnter);  // on no button: only a whole-board layer
                EXPECT_TRUE(!low || up.layer == LayerGameOver || low->isOpen());
                EXPECT_TRUE(low || byClick || up.isOpen() != up.enterCloses);
            }
}

// A computer is about to roll (seat 1, 30 ticks to go). Only a person's digit or panel gets in,
// and only while nothing else is pending; a notice or an unmortgage question is the person's to
// answer; a menu the person opened stays theirs unless it holds an offer to the computer or the
// computer's debt (even on the person's turn).
TEST_F(Layers, TheComputerGateHoldsKeysAndClicksAlike) {
    // The help shown tells the gate: none while it is closed, the computer's turn while only digits
    // get in, the layer's own while it is open.
    const std::pair<void (*)(), HelpSet> cases[] = {
        // clang-format off
        {[] {}, HelpComputerTurn},                        {[] { game.menuIndex = 2; }, HelpNone},  // Houses
        {[] { game.diceTimer = 5; }, HelpNone},           {[] { game.arrivalTimer = 5; }, HelpNone},
        {[] { game.settleTimer = 5; }, HelpNone},         {[] { game.cardTimer = 5; }, HelpNone},
        {[] { game.moving = true; }, HelpNone},           {[] { game.bankruptTimer = 1; }, HelpNone},
        {[] { game.buyPromptOpen = true; }, HelpNone},    {[] { game.taxPromptOpen = true; }, HelpNone},
        {[] { game.utilityRollPending = true; }, HelpNone}, {openNotice, HelpNotice},
        {[] { openNotice(), game.cardTimer = 5; }, HelpNotice}, {openUnmortgageQuestion, HelpUnmortgage},
        {[] { game.currentPlayer = 0; }, HelpBoard},      {[] { game.screen = PropertyCard; }, HelpPropertyCard},
        {[] { game.screen = AssetMenu, game.menuPlayer = 0, game.cameraGlide = 5; }, HelpAssetMenu},  // no glide
        {[] { game.screen = AssetMenu, game.tradeOfferOpen = true, game.menuPlayer = 1; }, HelpNone},
        {[] { game.screen = AssetMenu, game.tradeOfferOpen = true, game.menuPlayer = 0; }, HelpTradeOffer},
        {[] { game.screen = AssetMenu, game.inDebt = true, game.menuPlayer = 1, game.currentPlayer = 0; }, HelpNone},
        {[] { game.screen = AssetMenu, game.inDebt = true, game.menuPlayer = 0; }, HelpAssetMenu}};
    // clang-format on
    int row = 0;
    for (auto [set, help] : cases) {
        SCOPED_TRACE(row++);
        for (bool byClick : {false, true}) {
            fresh(1, 1), game.currentPlayer = 1, game.computerDelay = 30, set();
            const InputGate gate = help == HelpNone           ? InputClosed
                                   : help == HelpComputerTurn ? InputDigitsOnly
                                                              : InputOpen;
            EXPECT_EQ(std::make_pair(inputGate(), chooseHelpSet()), std::make_pair(gate, help));
            if (gate == InputOpen) break;
            const std::string before = snapshot();
            keyOnce(KeyEnter), keyOnce(KeyRight), keyOnce('q'), click(actionBarFree[0].hit), click(backHit);
            keyOnce('2'), keyOnce('3'), click(panelHit(game.tokenSlot[1])), rightClick(600, 420);
            EXPECT_EQ(snapshot(), before);
            byClick ? click(panelHit(game.tokenSlot[0])) : keyOnce('1');  // the person's seat
            EXPECT_EQ(game.screen == AssetMenu && game.menuPlayer == 0, gate == InputDigitsOnly);
        }
    }
    // Nor does a computer act under a bankruptcy notice.
    fresh(1, 1), game.currentPlayer = 1, game.computerDelay = 30, game.bankruptTimer = 5;
    EXPECT_FALSE(computerGateHolds());
}

// The frame step alone arms a computer's countdown: exactly while a computer holds the next move
// (the gate test above shows whose menus, offers and debts that is), frozen under a notice, never
// under an auction, a bankrupt seat or "WINS". Rows: the state, and whether it holds.
TEST_F(Layers, TheFrameStepArmsAComputerExactlyWhileItHoldsTheMove) {
    const std::pair<void (*)(), bool> cases[] = {
        // clang-format off
        {[] {}, true},                                    {[] { game.currentPlayer = 0; }, false},
        {[] { game.bankrupt[1] = true; }, false},         {[] { game.gameOver = true; }, false},
        {[] { game.auctionOpen = true; }, false},         {openNotice, true},
        {[] { game.currentPlayer = 0, game.screen = AssetMenu, game.tradePartnerSide = true; }, false}};
    // clang-format on
    int row = 0;
    for (auto [set, holds] : cases) {
        SCOPED_TRACE(row++);
        fresh(1, 1), game.currentPlayer = game.menuPlayer = 1, game.computerDelay = 20, set();
        frameStep();
        // Counting only where nothing is shown over the move.
        const int counted = holds && !noticeUp() ? 19 : 20;
        EXPECT_EQ(game.computerDelay, holds ? counted : 0);
        game.computerDelay = 0, frameStep();
        EXPECT_EQ(game.computerDelay, holds ? computerThinkTicks - (counted < 20) : 0);
    }
    // A person's menu over the computer's turn gives it the whole pause back once closed; its
    // action re-arms the next one in full.
    fresh(1, 1), game.currentPlayer = 1, game.computerDelay = 20;
    game.screen = AssetMenu, game.menuPlayer = 0, frameStep(), closeAssetMenu(), frameStep();
    EXPECT_EQ(game.computerDelay, computerThinkTicks - 1);
    game.computerDelay = 2, frameStep(), frameStep();
    EXPECT_EQ(std::make_pair(game.diceTimer > 0, game.computerDelay),
              std::make_pair(true, computerThinkTicks));
    // The turn handed to a computer inside a frame: it rolls the whole pause later.
    fresh(1, 1), openNotice(), game.noticeTimer = 2, game.endTurnAfterNotice = true, frameStep();
    const int frames = tickUntil([] { return game.diceTimer > 0; }, 2 * computerThinkTicks);
    EXPECT_EQ(std::make_pair(game.currentPlayer, frames), std::make_pair(1, computerThinkTicks - 1));
}

// A notice that runs out by itself into an unmortgage question: an ENTER or a click on YES
// meant for the notice must not answer the question unseen; a moment later they do.
TEST_F(Layers, AQuestionThatFollowsANoticeIgnoresThePressMeantForTheNotice) {
    for (bool byClick : {false, true}) {
        fresh(), openUnmortgageQuestion(), game.promptYes = true;
        openNotice(), game.noticeTimer = 2, tick();
        byClick ? click(yesHit) : keyOnce(KeyEnter);
        EXPECT_EQ(std::make_pair(topLayer(), noticeUp()), std::make_pair(LayerUnmortgage, false));
        tick(freshQuestionGuardTicks);
        byClick ? click(yesHit) : keyOnce(KeyEnter);
        EXPECT_EQ(std::make_pair(unmortgageQuestionPending(), game.money[0]),
                  std::make_pair(false, startingMoney - mortgageValue(5)));
    }
}
