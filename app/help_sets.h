// Which keys and clicks apply right now, for the F1 help screen. Pure functions of the state
// (the game's and the shell's layers).
#pragma once

enum HelpSet : int {
    HelpNone,
    HelpGameOver,
    HelpComputerTurn,
    HelpQuit,
    HelpNotice,
    HelpUnmortgage,
    HelpUtilityRoll,
    HelpPurchase,
    HelpAuction,
    HelpTax,
    HelpTradePartner,
    HelpTradeOffer,
    HelpStartMenu,
    HelpOptionsMenu,
    HelpBoard,
    HelpAssetMenu,
    HelpPropertyCard,
    HelpTurnOrder,
    HelpNameEntry,
    HelpStats,
    HelpSetCount,
};

struct HelpText {
    const char* const* keyboard;
    int keyboardLines;
    const char* const* mouse;
    int mouseLines;
};

HelpSet chooseHelpSet();
const HelpText& helpText(HelpSet set);

// A line that does not begin with "- " continues the line before it and is indented.
inline bool isContinuationLine(const char* line) { return !(line[0] == '-' && line[1] == ' '); }
