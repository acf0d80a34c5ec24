// Named game positions: one per screen and dialog, dealt through the game's own set-up with a
// fixed clock so every run shows the same seating and decks.
#include "tools/gallery/scenes.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "app/aids.h"
#include "app/screen_flow.h"
#include "app/shell.h"
#include "game/random.h"
#include "game/rules.h"
#include "game/stats.h"
#include "game/tables.h"

namespace {

int64_t fixedClock() { return 1700000000; }

const char* const names[maxSeats] = {"Ada", "Brick", "Cleo", "Dmitri", "Esme", "Fitz", "Gus", "Hana"};

// A dealt game for `humans` + `computers` seats on the board, everyone named.
void deal(int humans, int computers) {
    game = GameState{};
    shell = ShellState{};
    aids = AidState{};
    game.humanCount = humans;
    game.computerCount = computers;
    game.middleOption = 2;
    setClock(fixedClock);
    setUpGame();
    setClock(nullptr);
    for (int s = 0; s < humans + computers; ++s)
        std::snprintf(game.playerNames[s], playerNameSize, "%s", names[s]);
    game.auctionBidder = bankOwner;
    game.bidIncrement = defaultBidIncrement;
    game.screen = Board;
    game.boardCursor = 24;
    game.pulseStep = 6;
}

void own(int seat, int property, int houses = 0) {
    game.owner[property] = seat;
    game.houses[property] = houses;
}

// Twenty properties spread over eight seats, with every building level present.
void spreadOwnership() {
    const int plan[20][3] = {
        {0, 0, 2},  {0, 1, 3},  {1, 2, 0},  {1, 3, 1},  {1, 4, 1},   {2, 5, 5},  {2, 6, 4},
        {2, 7, 4},  {3, 8, -1}, {3, 22, 0}, {4, 11, 0}, {4, 23, -1}, {5, 14, 2}, {5, 15, 2},
        {5, 16, 3}, {6, 17, 0}, {6, 26, 0}, {7, 20, 1}, {7, 21, 5},  {0, 25, 0},
    };
    for (const auto& p : plan) own(p[0], p[1], p[2]);
    game.jailCardHolder[0] = 2;
    game.jailCardHolder[1] = 6;
}

// Tokens spread round the board, two on one square, one in jail.
void spreadTokens() {
    const int squares[maxSeats] = {24, 24, 7, 40, 13, 31, 38, 0};
    for (int s = 0; s < playersInPlay(); ++s) game.position[s] = squares[s];
    const int cash[maxSeats] = {1340, 212, 87, 1905, 640, -120, 455, 990};
    for (int s = 0; s < playersInPlay(); ++s) game.money[s] = cash[s];
}

void busyBoard() {
    deal(5, 3);
    spreadOwnership();
    spreadTokens();
    game.moving = true;
    game.dice[0] = 4;
    game.dice[1] = 2;
    game.middlePot = 1250;
}

// The first seat's trade menu with a few things selected.
void assetMenu(int kind) {
    busyBoard();
    game.moving = false;
    game.screen = AssetMenu;
    game.menuIndex = kind;
    game.menuPlayer = 2;
    game.currentPlayer = 2;
    game.money[2] = 1587;
    game.selected[5] = game.selected[7] = true;
    game.jailCardSelected[0] = true;
    game.assetCursor = CursorAmount;
    game.amountDigit = 1;
    game.tradeMoney = 250;
    game.houseCount = kind == KindHouses ? 2 : 0;
    game.pulseStep = 9;
    own(2, 12, -1);  // a mortgaged one, drawn dark
}

void startMenu() {
    game = GameState{};
    shell = ShellState{};
    aids = AidState{};
}
void optionsMenu() {
    startMenu();
    game.screen = OptionsMenu;
    game.menuIndex = 2;
    game.computerCount = 3;
    game.middleOption = 2;
}
void nameEntry() {
    deal(3, 2);
    game.screen = NameEntry;
    game.currentPlayer = 1;
    std::snprintf(game.playerNames[1], playerNameSize, "Brick");
}
void nameEntryDefault() {
    deal(2, 1);
    game.screen = NameEntry;
    game.currentPlayer = 0;
    game.playerNames[0][0] = '\0';
}
void savedNote() {
    busyBoard();
    game.moving = false;
    aids.savedTicks = savedShownTicks;
}
void turnOrder() {
    deal(4, 2);
    game.screen = TurnOrder;
}
void boardZoomed() {
    busyBoard();
    game.moving = false;
    game.zoom = 0.5f;
    game.panX = -0.25f;
    game.panY = -0.25f;
}
void boardCard() {
    busyBoard();
    game.moving = false;
    game.activeDeck = 1;
    game.deckOrder[1][0] = 13;
    game.cardTimer = 60;
}
void boardCardTurning() {
    boardCard();
    game.cardTimer = 104;
}
void boardJailed() {
    busyBoard();
    game.moving = false;
    game.currentPlayer = 3;
    game.menuIndex = 4;
}
void propertyCardStreet() {
    busyBoard();
    game.moving = false;
    game.screen = PropertyCard;
    game.returnScreen = Board;
    game.boardCursor = propertySquare[6];
}
void propertyCardUtility() {
    propertyCardStreet();
    game.boardCursor = propertySquare[27];
}
void propertyCardTransport() {
    propertyCardStreet();
    game.boardCursor = propertySquare[23];
}
void tradeMenu() { assetMenu(KindTrade); }
void housesMenu() {
    assetMenu(KindHouses);
    game.selected[7] = false;
    game.assetCursor = 7;
}
void mortgageMenu() {
    assetMenu(KindMortgage);
    game.assetCursor = CursorKindRow;
    game.pulseStep = 4;
}
void dialogBase() {
    busyBoard();
    game.moving = false;
    game.currentPlayer = 1;
}
void notice() {
    dialogBase();
    writeNotice(0, 1, 350, "rent of Shipwright ");
}
void noticeGets() {
    dialogBase();
    writeNotice(0, 1, -200, "passing GO");
}
void bankruptcy() {
    dialogBase();
    game.bankruptTimer = 80;
    game.lastBankrupt = 5;
    game.lastCreditor = 1;
}
void unmortgage() {
    dialogBase();
    game.screen = AssetMenu;
    game.menuPlayer = 4;
    game.partnerMortgaged[0] = 8;
    game.partnerMortgagedCount = 1;
    game.promptYes = true;
}
void purchase() {
    dialogBase();
    game.position[1] = propertySquare[18];
    game.buyPromptOpen = true;
    game.promptYes = true;
}
void auction() {
    purchase();
    game.buyPromptOpen = false;
    game.auctionOpen = true;
    game.auctionBid = 160;
    game.auctionBidder = 4;
    game.auctionTimer = 2;
}
void auctionNoBid() {
    auction();
    game.auctionBid = 0;
    game.auctionBidder = bankOwner;
}
void incomeTax() {
    dialogBase();
    game.position[1] = 4;
    game.taxPromptOpen = true;
    game.promptYes = false;
}
void tradePartner() {
    tradeMenu();
    game.choosingTradePartner = true;
    game.pulseStep = 8;
}
// The heaviest dialog: two long lists of offered items.
void tradeOffer() {
    busyBoard();
    game.moving = false;
    game.screen = AssetMenu;
    for (int p = 0; p < propertyCount; ++p) own(p % 2 == 0 ? 0 : 3, p, 0);
    game.jailCardHolder[0] = 0;
    game.jailCardHolder[1] = 3;
    game.tradeInitiator = 0;
    game.menuPlayer = 3;
    game.tradePartnerSide = true;
    for (int p = 0; p < propertyCount; ++p) {
        game.initiatorSelected[p] = game.owner[p] == 0;
        game.selected[p] = game.owner[p] == 3;
    }
    game.jailCardSelected[0] = game.jailCardSelected[1] = true;
    game.initiatorMoney = 400;
    game.tradeMoney = 25;
    game.tradeOfferOpen = true;
    game.promptYes = true;
}
void winner() {
    dialogBase();
    game.gameOver = true;
    game.winner = 3;
}
void quit() {
    busyBoard();
    game.quitConfirmOpen = true;
    game.quitYes = false;
}
void fillSlotNames() {
    const char* const saved[6] = {"Sunday game", "Ada leads", "", "before auction", "Brick in jail", "final"};
    for (int s = 0; s < 6; ++s) std::snprintf(shell.slotNames[s], saveNameSize, "%s", saved[s]);
    std::snprintf(shell.slotNames[12], saveNameSize, "%s", "rematch");
}
void saveChoice() {
    busyBoard();
    shell.saveMenuOpen = true;
    shell.saveMenuOnSave = true;
}
void saveName() {
    saveChoice();
    shell.saveNameEntry = true;
    std::snprintf(shell.saveName, saveNameSize, "%s", "evening match");
}
void saveSlots() {
    saveName();
    shell.saveNameDone = true;
    shell.saveSlot = 2;
    fillSlotNames();
}
void loadSlots() {
    saveChoice();
    shell.saveMenuOnSave = false;
    shell.loadListOpen = true;
    shell.saveSlot = 12;
    fillSlotNames();
}
// Help over the asset menu, whose help is the longest.
void help() {
    tradeMenu();
    shell.helpOpen = true;
}

// Games of computers played through the real frame step, the auctions ended as a person
// would end them, for the statistics view.
int64_t playedSeconds = 0;
int64_t playedClock() { return 1700000000 + playedSeconds++; }

// Ticks the game as the timer would until `done` holds (or a long cut-off), at rest.
void playUntil(bool (*done)()) {
    setClock(playedClock);
    for (long tick = 0; tick < 2000000 && !game.gameOver; ++tick) {
        if (game.auctionOpen && game.auctionTimer == 2) endAuction();
        stepScreenFlow();
        frameStep();
        if (done() && !noticeUp() && !game.moving) break;
    }
    setClock(nullptr);
}

// Turns since the first bankruptcy; -1 while every seat is in.
int turnsSinceOut() {
    int out = -1;
    for (int s = 0; s < maxSeats; ++s) out = std::max(out, static_cast<int>(stats.seat[s].outAtTurn));
    return out < 0 ? -1 : stats.turns - out;
}

void playLongGame() {
    deal(0, 4);
    playUntil([] { return turnsSinceOut() >= 25; });
}

// Eight seats, the history starting at a load in the middle of the game.
void playLoadedGame() {
    deal(0, 8);
    playUntil([] { return stats.turns >= 60; });
    resetStats(true);
    playUntil([] { return stats.turns >= 40; });
}

// Plays once, then restores the copy: the benchmark sets the scene up before every frame.
void showPlayed(void (*play)(), GameState& playedGame, GameStats& playedStats, bool& played) {
    if (!played) {
        play();
        playedGame = game;
        playedStats = stats;
        played = true;
    }
    shell = ShellState{};
    game = playedGame;
    stats = playedStats;
    shell.statsOpen = true;
}

void statsView() {
    static GameState playedGame;
    static GameStats playedStats;
    static bool played = false;
    showPlayed(playLongGame, playedGame, playedStats, played);
}

void statsViewLoaded() {
    static GameState playedGame;
    static GameStats playedStats;
    static bool played = false;
    showPlayed(playLoadedGame, playedGame, playedStats, played);
}

}  // namespace

void setUpBusyBoard() { busyBoard(); }

const Scene scenes[] = {
    {"start_menu", startMenu},
    {"options_menu", optionsMenu},
    {"name_entry", nameEntry},
    {"name_entry_default", nameEntryDefault},
    {"turn_order", turnOrder},
    {"board", busyBoard},
    {"board_zoomed", boardZoomed},
    {"board_jailed", boardJailed},
    {"board_card", boardCard},
    {"board_card_turning", boardCardTurning},
    {"property_card_street", propertyCardStreet},
    {"property_card_transport", propertyCardTransport},
    {"property_card_utility", propertyCardUtility},
    {"asset_trade", tradeMenu},
    {"asset_houses", housesMenu},
    {"asset_mortgage", mortgageMenu},
    {"dialog_notice", notice},
    {"dialog_notice_gets", noticeGets},
    {"dialog_bankruptcy", bankruptcy},
    {"dialog_unmortgage", unmortgage},
    {"dialog_purchase", purchase},
    {"dialog_auction", auction},
    {"dialog_auction_no_bid", auctionNoBid},
    {"dialog_income_tax", incomeTax},
    {"dialog_trade_partner", tradePartner},
    {"dialog_trade_offer", tradeOffer},
    {"winner", winner},
    {"quit_question", quit},
    {"save_choice", saveChoice},
    {"saved_note", savedNote},
    {"save_name", saveName},
    {"save_slots", saveSlots},
    {"load_slots", loadSlots},
    {"help", help},
    {"statistics", statsView},
    {"statistics_loaded", statsViewLoaded},
};
const int sceneCount = sizeof scenes / sizeof scenes[0];

const Scene* findScene(const char* name) {
    for (const Scene& s : scenes)
        if (std::strcmp(s.name, name) == 0) return &s;
    return nullptr;
}
