#include "app/help_sets.h"

#include "app/layers.h"
#include "game/state.h"

namespace {

// clang-format off
const char* const gameOverKeys[] = {"- ENTER - go back to start menu"};
const char* const gameOverMouse[] = {"- Click in center square - go back to start menu"};
const char* const computerTurnKeys[] = {"- 1-8 - go to trade menu of human player; must press before computer rolls"};
const char* const computerTurnMouse[] = {
    "- Click on area of human player where money and properties are displayed -",
    "go to trade menu of human player; must click before computer rolls"};
const char* const quitKeys[] = {"- LEFT/RIGHT - toggle yes/no",
                                "- ENTER - quit game if yes is selected; go back to game if no is selected"};
const char* const quitMouse[] = {"- Click on YES/NO - quit game if yes; go back to game if no"};
const char* const noticeKeys[] = {"- ENTER - skip payment screen"};
const char* const noticeMouse[] = {"- Click in center square - skip payment screen"};
const char* const yesNoKeys[] = {"- LEFT/RIGHT - toggle yes/no", "- ENTER - confirm selection"};
const char* const unmortgageMouse[] = {"- Click on YES/NO - buy now, or wait"};
const char* const utilityKeys[] = {"- ENTER - roll to see how much to pay"};
const char* const utilityMouse[] = {"- Click on ROLL - roll to see how much to pay"};
const char* const purchaseMouse[] = {"- Click on YES/NO - buy, or don't buy"};
const char* const auctionKeys[] = {"- ENTER - end auction", "- UP/DOWN - increase or decrease bid increment",
                                   "- 1-8 - bid for human player (current bid increases by bid increment)"};
const char* const auctionMouse[] = {
    "- Click on ENTER - end auction",
    "- Click on red bid increment arrows - increase or decrease bid increment",
    "- Click on area of human player where money and properties are displayed -",
    "bid for human player (current bid increases by bid increment)"};
const char* const taxKeys[] = {"- LEFT/RIGHT - toggle $200/10%", "- ENTER - confirm selection"};
const char* const taxMouse[] = {"- Click on %200/10% - pay $200 or 10% of player value"};
const char* const partnerKeys[] = {"- ENTER - go back to original trade menu",
                                   "- 1-8 - go to trade menu of player or computer to trade with"};
const char* const partnerMouse[] = {
    "- Click on Back to Trade - go back to original trade menu",
    "- Click on area of human player where money and properties are displayed -",
    "go to trade menu of player or computer to trade with"};
const char* const offerMouse[] = {"- Click on YES/NO - accept or deny trade offer"};
const char* const startKeys[] = {"- UP/DOWN - toggle menu options", "- ENTER - start game or go to options menu"};
const char* const startMouse[] = {"- Click on START - start game", "- Click on OPTIONS - go to options menu"};
const char* const optionsKeys[] = {"- LEFT/RIGHT - toggle current game option",
                                   "- UP/DOWN - move up or down along game options list",
                                   "- ENTER - if BACK TO MENU is selected, go back to start menu"};
const char* const optionsMouse[] = {"- Click on yellow arrows - toggle game option",
                                    "- Click on BACK TO MENU - go back to start menu"};
const char* const boardKeys[] = {
    "- Z/X - zoom game board in and out",
    "- A/D - pan game board left and right",
    "- W/S - pan game board up and down",
    "- Q - pull up quit game menu",
    "- LEFT/RIGHT - scroll through options at top of screen",
    "- UP/DOWN - move property-selecting cursor along board",
    "- SPACEBAR - view stats of property selected with cursor",
    "- ENTER - roll, or go to trade/mortgage/houses menu, or leave jail",
    "- 1-8 - go to trade menu of human player"};
const char* const boardMouse[] = {
    "- Click on property on board - view stats of that property",
    "- Click on Roll or Trade, etc. - roll or trade menu, etc.",
    "- Click on area of human player where money and properties are displayed -",
    "go to trade menu of human player",
    "- Right Click on board - pan game board"};
const char* const assetKeys[] = {
    "- SPACEBAR - view stats of property selected with cursor",
    "- UP/DOWN - move cursor and increase/decrease trade money, etc.",
    "- LEFT/RIGHT - move cursor and change from TRADE to MORTGAGE, etc.",
    "- ENTER - select/deselect property or jail card, confirm, or go back to game",
    "- Q - pull up quit game menu",
    "- 1-8 - go to trade menu of human player (must not be in debt or trading)"};
const char* const assetMouse[] = {
    "- Click on Back to Game - go back to game",
    "- Click on Confirm - confirm trade, mortgage, or buy houses",
    "- Click on property or jail card in center square - select/deselect",
    "- Click on red arrows - increase/decrease trade money, etc.",
    "- Click on Trade or Mortgage, etc. - change menu type",
    "- Click on area of human player where money and properties are displayed -",
    "go to trade menu of human player (must not be in debt or trading)",
    "- Right Click on property in center square - view stats of property"};
const char* const cardKeys[] = {"- SPACEBAR - go back", "- ENTER - go back", "- Q - pull up quit game menu"};
const char* const cardMouse[] = {"- Click in center square - go back"};
const char* const turnOrderKeys[] = {"- ENTER - start game", "- Q - pull up quit game menu"};
const char* const turnOrderMouse[] = {"- Click - start game"};
const char* const nameKeys[] = {"- Type in name of player or computer", "- ENTER - confirm name"};
const char* const nameMouse[] = {"- Click - confirm name"};
const char* const statsKeys[] = {"- F2 - close statistics and go back to game",
                                 "- ENTER - close statistics and go back to game"};
const char* const statsMouse[] = {"- Click - close statistics and go back to game"};
// clang-format on

template <int K, int M>
constexpr HelpText lines(const char* const (&keys)[K], const char* const (&mouse)[M]) {
    return {keys, K, mouse, M};
}

const HelpText helpTexts[HelpSetCount] = {
    {nullptr, 0, nullptr, 0},
    lines(gameOverKeys, gameOverMouse),
    lines(computerTurnKeys, computerTurnMouse),
    lines(quitKeys, quitMouse),
    lines(noticeKeys, noticeMouse),
    lines(yesNoKeys, unmortgageMouse),
    lines(utilityKeys, utilityMouse),
    lines(yesNoKeys, purchaseMouse),
    lines(auctionKeys, auctionMouse),
    lines(taxKeys, taxMouse),
    lines(partnerKeys, partnerMouse),
    lines(yesNoKeys, offerMouse),
    lines(startKeys, startMouse),
    lines(optionsKeys, optionsMouse),
    lines(boardKeys, boardMouse),
    lines(assetKeys, assetMouse),
    lines(cardKeys, cardMouse),
    lines(turnOrderKeys, turnOrderMouse),
    lines(nameKeys, nameMouse),
    lines(statsKeys, statsMouse),
};

HelpSet byScreen() {
    switch (game.screen) {
        case StartMenu: return HelpStartMenu;
        case OptionsMenu: return HelpOptionsMenu;
        case Board: return HelpBoard;
        case AssetMenu: return HelpAssetMenu;
        case PropertyCard: return HelpPropertyCard;
        case TurnOrder: return HelpTurnOrder;
        case NameEntry: return HelpNameEntry;
        default: return HelpNone;
    }
}

}  // namespace

const HelpText& helpText(HelpSet set) { return helpTexts[set >= 0 && set < HelpSetCount ? set : HelpNone]; }

HelpSet chooseHelpSet() {
    const Layer layer = layerUnderHelp();
    switch (layer) {
        case LayerStatistics: return HelpStats;
        case LayerSaveName:
        case LayerSaveSlots:
        case LayerLoadSlots:
        case LayerSaveChoice: return HelpNone;
        case LayerGameOver: return HelpGameOver;
        default: break;
    }
    switch (inputGate()) {
        case InputClosed: return HelpNone;
        case InputDigitsOnly: return HelpComputerTurn;
        case InputOpen: break;
    }
    switch (layer) {
        case LayerQuit: return HelpQuit;
        case LayerNotice: return HelpNotice;
        case LayerUnmortgage: return HelpUnmortgage;
        case LayerUtilityRoll: return HelpUtilityRoll;
        case LayerPurchase: return HelpPurchase;
        case LayerAuction: return HelpAuction;
        case LayerTax: return HelpTax;
        case LayerTradePartner: return HelpTradePartner;
        case LayerTradeOffer: return HelpTradeOffer;
        case LayerScreen: return game.screen == Board && game.cameraGlide > 0 ? HelpNone : byScreen();
        default: return HelpNone;
    }
}
