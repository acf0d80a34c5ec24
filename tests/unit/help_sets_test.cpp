// F1 shows the controls for the situation at hand: the order of the rules decides which set
// wins when several situations overlap.
#include <gtest/gtest.h>

#include <cstring>

#include "app/help_sets.h"
#include "sim/play.h"
#include "support/fixtures.h"

// A fresh program for each test: a save or help layer left open by another suite would cover
// the screen asked about.
class HelpSets : public ::testing::Test {
protected:
    void SetUp() override { resetProgram(); }
};

TEST_F(HelpSets, EachScreenHasItsOwnSet) {
    game = GameState{};
    EXPECT_EQ(chooseHelpSet(), HelpStartMenu);
    game.screen = OptionsMenu;
    EXPECT_EQ(chooseHelpSet(), HelpOptionsMenu);
    startTestGame(2);
    EXPECT_EQ(chooseHelpSet(), HelpBoard);
    game.screen = AssetMenu;
    EXPECT_EQ(chooseHelpSet(), HelpAssetMenu);
    game.screen = PropertyCard;
    EXPECT_EQ(chooseHelpSet(), HelpPropertyCard);
    game.screen = TurnOrder;
    EXPECT_EQ(chooseHelpSet(), HelpTurnOrder);
    game.screen = NameEntry;
    EXPECT_EQ(chooseHelpSet(), HelpNameEntry);
    game.screen = 5;
    EXPECT_EQ(chooseHelpSet(), HelpNone);
}

// The camera gliding onto the board leaves only the headings; on a menu it does not matter.
TEST_F(HelpSets, GlideHidesTheBoardsKeysOnly) {
    startTestGame(2);
    game.cameraGlide = 5;
    EXPECT_EQ(chooseHelpSet(), HelpNone);
    game.screen = AssetMenu;
    EXPECT_EQ(chooseHelpSet(), HelpAssetMenu);
}

TEST_F(HelpSets, MovingTokenShowsHeadingsOnly) {
    startTestGame(2);
    game.moving = true;
    game.diceTimer = 12;
    EXPECT_EQ(chooseHelpSet(), HelpNone);
    game.moving = false;
    game.diceTimer = 0;
    game.cardTimer = 40;
    EXPECT_EQ(chooseHelpSet(), HelpNone);
    game.noticeTimer = 50;  // a notice over the card takes the help
    EXPECT_EQ(chooseHelpSet(), HelpNotice);
}

TEST_F(HelpSets, ComputerAboutToRoll) {
    startTestGame(1, 1);
    game.currentPlayer = 1;
    game.computerDelay = 30;
    EXPECT_EQ(chooseHelpSet(), HelpComputerTurn);
    game.menuIndex = 2;  // a highlighted action is not the computer's roll
    EXPECT_EQ(chooseHelpSet(), HelpNone);
    game.menuIndex = 0;
    game.settleTimer = 10;  // not ready yet: falls through to the board's own rules
    EXPECT_EQ(chooseHelpSet(), HelpNone);
}

TEST_F(HelpSets, ComputerAnsweringAnOfferHidesTheOfferHelp) {
    startTestGame(1, 1);
    game.screen = AssetMenu;
    game.tradeOfferOpen = true;
    game.menuPlayer = 1;
    game.computerDelay = 20;
    EXPECT_EQ(chooseHelpSet(), HelpNone);
    game.menuPlayer = 0;  // offered to the person: the offer's keys
    EXPECT_EQ(chooseHelpSet(), HelpTradeOffer);
}

TEST_F(HelpSets, TextsAndContinuationLines) {
    EXPECT_EQ(helpText(HelpSetCount).keyboardLines, 0);  // past the table: the empty set
    EXPECT_EQ(helpText(HelpNone).keyboardLines, 0);
    const HelpText& board = helpText(HelpBoard);
    EXPECT_EQ(board.keyboardLines, 9);
    EXPECT_EQ(board.mouseLines, 5);
    EXPECT_TRUE(isContinuationLine(board.mouse[3]));
    const HelpText& auction = helpText(HelpAuction);
    ASSERT_EQ(auction.mouseLines, 4);
    EXPECT_FALSE(isContinuationLine(auction.mouse[2]));
    EXPECT_TRUE(isContinuationLine(auction.mouse[3]));
    EXPECT_STREQ(helpText(HelpTax).mouse[0], "- Click on %200/10% - pay $200 or 10% of player value");
    EXPECT_EQ(helpText(HelpNone).keyboardLines, 0);
}
