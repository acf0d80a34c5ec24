// The one record of a game. Everything a saved game must restore lives here, with the
// widths the save file stores: int32_t for numbers, one-byte bool for flags, 32-bit float.
// Member initialisers are the program-start values, so `game = GameState{}` resets a test.
#pragma once

#include <cstdint>

constexpr int maxSeats = 8;
constexpr int propertyCount = 28;
constexpr int streetCount = 22;
constexpr int squareCount = 40;
constexpr int jailCell = 40;  // position of a jailed token (drawn on square 10)
constexpr int jailSquare = 10;
constexpr int incomeTaxSquare = 4;
constexpr int freeParkingSquare = 20;
constexpr int goToJailSquare = 30;
constexpr int luxuryTaxSquare = 38;
constexpr int middleCreditor = 15;  // the free-parking pot, only ever a creditor
constexpr int bankOwner = 16;       // unowned property, card in its deck, no bidder
constexpr int deckSize = 16;
constexpr int noticeSlots = 8;
constexpr int noticeReasonSize = 50;
constexpr int playerNameSize = 15;

enum Screen : int32_t {
    StartMenu = 0,
    OptionsMenu = 1,
    Board = 2,
    AssetMenu = 3,
    PropertyCard = 4,
    TurnOrder = 6,
    NameEntry = 7,
};

// Asset-menu kinds, held in menuIndex while the AssetMenu screen is shown.
enum MenuKind : int32_t { KindTrade = 1, KindHouses = 2, KindMortgage = 3 };

// Special values of assetCursor.
enum AssetCursorSpot : int32_t {
    CursorConfirm = 28,
    CursorBack = 29,
    CursorKindRow = -1,
    CursorAmount = -2,
    CursorJailCard0 = -3,
    CursorJailCard1 = -4,
};

struct GameState {
    // --- Options and seats ---
    int32_t humanCount = 2;            // option "PLAYERS"
    int32_t computerCount = 0;         // option "COMPUTERS"
    int32_t middleOption = 0;          // "Money in the Middle": 0 Off, 1 $0, 2 $500
    bool biddingOption = true;         // "BIDDING": declined purchases go to auction
    bool bankrupt[maxSeats] = {};      // seat is out of the game
    bool isHuman[maxSeats] = {};       // 0 = computer player
    int32_t money[maxSeats] = {};      // cash; may go negative (debt state)
    int32_t position[maxSeats] = {};   // square 0..39, or 40 in the jail cell
    int32_t jailTurns[maxSeats] = {};  // failed rolls in jail, 0..2
    char playerNames[maxSeats][playerNameSize] = {};
    int32_t entryIndex[maxSeats] = {};  // order in which the seat's name was entered
    int32_t tokenSlot[maxSeats] = {};   // which of the 8 token places the seat uses
    int32_t currentPlayer = 0;          // seat whose turn it is (entry being named on NameEntry)

    // --- Properties and decks ---
    int32_t owner[propertyCount] = {};    // seat, or 16 = bank
    int32_t houses[propertyCount] = {};   // -1 mortgaged, 0 plain, 1..4 houses, 5 hotel
    int32_t jailCardHolder[2] = {};       // holder of each deck's jail card: seat or 16
    int32_t deckOrder[2][deckSize] = {};  // card numbers, element 0 on top
    int32_t activeDeck = 0;               // deck whose top card is shown
    int32_t cardTimer = 0;                // ticks left showing the drawn card
    int32_t middlePot = 0;                // money in the middle

    // --- Turn and movement ---
    int32_t doublesCount = 0;          // doubles in a row this turn
    int32_t dice[2] = {};              // 0..5, face = value + 1
    int32_t moveTarget = 0;            // square the moving token heads for (40: jail)
    int32_t cursorFrom = 0;            // start square of the move, then the previous step
    bool moving = false;               // a dice move is in progress
    bool passedGo = false;             // the current move wraps past GO
    int32_t diceTimer = 0;             // dice animation ticks before stepping
    int32_t arrivalTimer = 0;          // rest ticks on the target before the landing
    int32_t settleTimer = 0;           // ticks after a card or jail move before the landing
    bool skipLanding = false;          // settle ends the turn instead of processing a landing
    bool utilityRollPending = false;   // nearest-utility card: seat must roll for rent
    bool utilityTenTimes = false;      // next utility rent is 10 x dice
    bool transportDoubleRent = false;  // next transport rent is doubled

    // --- Prompts and auction ---
    bool buyPromptOpen = false;
    bool taxPromptOpen = false;
    bool promptYes = false;  // highlighted answer of the open question
    bool auctionOpen = false;
    int32_t auctionBid = 0;
    int32_t auctionBidder = 0;        // seat, 16 = none
    int32_t bidIncrement = 0;         // amount a human bid adds
    int32_t auctionTimer = 0;         // ticks since the last human bid, held at 2
    int32_t bidLimit[maxSeats] = {};  // computers' highest bid in the running auction

    // --- Payments, debt and bankruptcy ---
    int32_t noticeAmount[noticeSlots] = {};  // >0 paid, <0 received, 0 empty slot
    int32_t noticePlayer[noticeSlots] = {};
    char noticeReason[noticeSlots][noticeReasonSize] = {};
    int32_t noticeIndex = 0;  // slot the next notice is written to
    int32_t noticeTimer = 0;  // ticks the front notice stays up
    bool endTurnAfterNotice = false;
    bool inDebt = false;  // debt state open for menuPlayer
    int32_t bankruptTimer = 0;
    int32_t lastBankrupt = 0;
    int32_t lastCreditor = 0;  // seat, 15 middle, 16 bank
    int32_t winner = 0;
    int32_t initiatorMortgaged[propertyCount] = {};  // awaiting the unmortgage question
    int32_t initiatorMortgagedCount = 0;
    int32_t partnerMortgaged[propertyCount] = {};
    int32_t partnerMortgagedCount = 0;

    // --- Computer players' memory ---
    int32_t proposeCooldown[maxSeats][maxSeats] = {};
    int32_t answerCooldown[maxSeats][maxSeats] = {};
    bool tradeTried = false;  // one try of each per roll
    bool buildTried = false;
    bool unmortgageTried = false;
    float unmortgageMargin = 0.0f;
    int32_t buildReserve = 0;
    int32_t computerDelay = 0;  // ticks until the computer seat acts

    // --- Board geometry in board-texture coordinates, computed at set-up ---
    float propertySpotX[propertyCount] = {};
    float propertySpotY[propertyCount] = {};
    float squareSpotX[squareCount] = {};
    float squareSpotY[squareCount] = {};
    float tokenSpotX[squareCount + 1][maxSeats] = {};
    float tokenSpotY[squareCount + 1][maxSeats] = {};

    // --- Screen flow ---
    int32_t screen = StartMenu;
    int32_t menuIndex = 0;     // highlighted row / action / asset-menu kind
    int32_t returnScreen = 0;  // where PropertyCard goes back to
    bool quitConfirmOpen = false;
    bool quitYes = false;
    bool gameOver = false;    // the "WINS" screen
    int32_t assetCursor = 0;  // 0..27 property, 28 Confirm, 29 Back, -1 kind, -2 amount, -3/-4 jail cards
    int32_t menuPlayer = 0;   // owner of the open asset menu
    int32_t tradeInitiator = 0;
    int32_t tradeMoney = 0;  // money offered by menuPlayer on the side being edited
    int32_t initiatorMoney = 0;
    bool selected[propertyCount] = {};
    bool initiatorSelected[propertyCount] = {};
    bool jailCardSelected[2] = {};
    bool tradePartnerSide = false;
    bool tradeOfferOpen = false;
    bool choosingTradePartner = false;
    int32_t houseCount = 0;                 // Houses: 1..5; Mortgage: -1 lift, 0 mortgage, 1..5 sell
    int32_t amountDigit = 0;                // decimal digit of tradeMoney that UP/DOWN change
    int32_t menuNavColumns[maxSeats] = {};  // scratch of the asset cursor's column moves
    int32_t boardCursor = 0;                // square under the board cursor

    // --- Camera ---
    float zoom = 1.0f;  // 0.5 .. 1.0
    float panX = 0.0f;  // -0.25 .. 0.25
    float panY = 0.0f;
    float cameraTargetX = 0.0f;
    float cameraTargetZ = 0.0f;
    int32_t cameraGlide = 0;  // glide steps left
    int32_t pulseStep = 0;    // current player's token pulse, advanced by the renderer
};

extern GameState game;
