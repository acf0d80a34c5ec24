#include "support/scripted_player.h"

#include "app/input.h"
#include "app/screen_flow.h"
#include "app/shell.h"
#include "game/rules.h"
#include "game/tables.h"
#include "support/play.h"

namespace {

constexpr int intentPressBudget = 300;  // a plan that needs more presses is given up

// --- the person's own dice, kept apart from the game's generator ---

int draw(ScriptedPlayer& p, int n) {
    p.rng ^= p.rng << 13;
    p.rng ^= p.rng >> 7;
    p.rng ^= p.rng << 17;
    return static_cast<int>((p.rng >> 11) % static_cast<uint64_t>(n));
}

bool chance(ScriptedPlayer& p, int perThousand) { return draw(p, 1000) < perThousand; }

// About once in twenty thousand calls.
bool rarely(ScriptedPlayer& p) { return draw(p, 20000) == 0; }

// --- what the state offers ---

bool seatInPlay(int seat) { return seat >= 0 && seat < playersInPlay() && !game.bankrupt[seat]; }

bool someoneMoves() {
    return game.moving || game.diceTimer > 0 || game.arrivalTimer > 0 || game.settleTimer > 0 ||
           game.cardTimer > 0 || game.bankruptTimer > 0;
}

int digitKey(int seat) { return '1' + seat; }

// A property a seat may put into a trade: its own, with no buildings.
bool tradeable(int seat, int property) { return game.owner[property] == seat && game.houses[property] <= 0; }

int randomTradeable(ScriptedPlayer& p, int seat) {
    int list[propertyCount], n = 0;
    for (int q = 0; q < propertyCount; ++q)
        if (tradeable(seat, q)) list[n++] = q;
    return n ? list[draw(p, n)] : -1;
}

// One more house here passes the menu's Confirm (a single street selected, one house).
bool mayBuildOne(int seat, int street) {
    if (!isStreet(street) || game.owner[street] != seat || game.houses[street] < 0 ||
        game.houses[street] >= hotelLevel || game.money[seat] < houseCost(street))
        return false;
    int streets[4];
    const int n = groupStreets(groupOf(street), streets);
    for (int k = 0; k < n; ++k) {
        const int j = streets[k];
        if (game.owner[j] != seat || game.houses[j] < game.houses[street]) return false;
    }
    return true;
}

int randomBuildable(ScriptedPlayer& p, int seat) {
    int list[streetCount], n = 0;
    for (int q = 0; q < streetCount; ++q)
        if (mayBuildOne(seat, q)) list[n++] = q;
    return n ? list[draw(p, n)] : -1;
}

bool groupHasBuildings(int street) {
    int streets[4];
    const int n = groupStreets(groupOf(street), streets);
    for (int k = 0; k < n; ++k)
        if (game.houses[streets[k]] > 0) return true;
    return false;
}

bool topsItsGroup(int street) {
    int streets[4];
    const int n = groupStreets(groupOf(street), streets);
    for (int k = 0; k < n; ++k)
        if (game.houses[streets[k]] > game.houses[street]) return false;
    return true;
}

// What a debtor can give up through the Mortgage kind: a property to mortgage (count 0), or
// else one building from a most built street (count 1). -1 when there is nothing.
int debtTarget(int seat, int& count) {
    for (int q = 0; q < propertyCount; ++q)
        if (game.owner[q] == seat && game.houses[q] == 0 && (!isStreet(q) || !groupHasBuildings(q))) {
            count = 0;
            return q;
        }
    for (int q = 0; q < streetCount; ++q)
        if (game.owner[q] == seat && game.houses[q] > 0 && topsItsGroup(q)) {
            count = 1;
            return q;
        }
    return -1;
}

// --- moving the asset menu's cursor ---

bool onProperty() { return game.assetCursor >= 0 && game.assetCursor < propertyCount; }
bool onButton() { return game.assetCursor == CursorConfirm || game.assetCursor == CursorBack; }
bool onJailCard() { return game.assetCursor == CursorJailCard0 || game.assetCursor == CursorJailCard1; }

// The key that brings the cursor nearer to a property of the menu's seat, 0 when it is there.
int keyTowardProperty(int target) {
    const int at = game.assetCursor;
    if (at == target) return 0;
    if (onProperty()) {
        const int column = propertySlot[at] / 8, row = propertySlot[at] % 8;
        const int targetColumn = propertySlot[target] / 8, targetRow = propertySlot[target] % 8;
        if (column != targetColumn) return KeyRight;
        return row > targetRow ? KeyUp : KeyDown;
    }
    if (onButton()) return KeyUp;
    if (at == CursorKindRow) return KeyDown;
    if (at == CursorAmount) return KeyRight;
    return KeyDown;  // a jail card: the next card or the first property
}

int keyTowardButton(int button) {
    const int at = game.assetCursor;
    if (at == button) return 0;
    if (onButton()) return KeyRight;  // toggles Confirm and Back
    if (onProperty()) return KeyDown;
    if (at == CursorKindRow) return KeyUp;
    return KeyLeft;  // amount field (up the digits, then out) or a jail card
}

int keyTowardAmount() {
    const int at = game.assetCursor;
    if (at == CursorAmount) return 0;
    if (onProperty()) return KeyUp;
    if (onJailCard()) return KeyLeft;
    return KeyDown;  // buttons and the kind row
}

// Selects exactly `target` (deselecting anything else), then Confirm.
int keySelectOnlyAndConfirm(int target) {
    for (int q = 0; q < propertyCount; ++q)
        if (game.selected[q] && q != target) {
            const int key = keyTowardProperty(q);
            return key ? key : KeyEnter;
        }
    if (!game.selected[target]) {
        const int key = keyTowardProperty(target);
        return key ? key : KeyEnter;
    }
    const int key = keyTowardButton(CursorConfirm);
    return key ? key : KeyEnter;
}

int keyLeaveMenu() {
    const int key = keyTowardButton(CursorBack);
    return key ? key : KeyEnter;
}

// --- the person's answers ---

// A yes/no question: LEFT until the chosen answer shows, then ENTER. `question` tells one
// question from the next so the answer is drawn once per question.
int keyAnswer(ScriptedPlayer& p, int question, int yesPerThousand) {
    if (p.answerFor != question) {
        p.answerFor = question;
        p.wantYes = chance(p, yesPerThousand);
    }
    return game.promptYes != p.wantYes ? KeyLeft : KeyEnter;
}

int keyInAuction(ScriptedPlayer& p) {
    if (p.auctionWait < 0) p.auctionWait = draw(p, 400);
    if (p.auctionWait == 0) {
        p.auctionWait = -1;
        return KeyEnter;
    }
    --p.auctionWait;
    if (chance(p, 5)) return chance(p, 500) ? KeyUp : KeyDown;
    if (chance(p, 20)) {
        const int seat = draw(p, playersInPlay());
        // A person bids what it could pay, most of the time.
        if (seatInPlay(seat) && game.isHuman[seat] &&
            game.auctionBid + game.bidIncrement <= netWorth(seat) - draw(p, 300))
            return digitKey(seat);
    }
    return 0;
}

int keyInDebt() {
    int count = 0;
    const int target = debtTarget(game.menuPlayer, count);
    if (target < 0) return 0;  // nothing to give up: the watchdog will tell
    if (game.houseCount != count) {
        const int key = keyTowardAmount();
        return key ? key : KeyUp;
    }
    return keySelectOnlyAndConfirm(target);
}

void dropIntent(ScriptedPlayer& p) {
    p.intent = Intent::None;
    p.intentSeat = p.giveProperty = p.partner = p.askProperty = -1;
    p.confirmed = false;
    p.intentPresses = 0;
}

int keyForBuild(ScriptedPlayer& p) {
    const int seat = game.menuPlayer;
    if (p.confirmed || game.menuIndex != KindHouses || seat != p.intentSeat)
        return dropIntent(p), keyLeaveMenu();
    if (p.giveProperty < 0 || !mayBuildOne(seat, p.giveProperty)) p.giveProperty = randomBuildable(p, seat);
    if (p.giveProperty < 0) return dropIntent(p), keyLeaveMenu();
    if (game.houseCount != 1) {
        const int key = keyTowardAmount();
        return key ? key : KeyUp;
    }
    const int key = keySelectOnlyAndConfirm(p.giveProperty);
    if (key == KeyEnter && game.assetCursor == CursorConfirm) p.confirmed = true;
    return key;
}

int keyForTrade(ScriptedPlayer& p) {
    if (p.confirmed || game.menuIndex != KindTrade) return dropIntent(p), keyLeaveMenu();
    if (!game.tradePartnerSide) {
        if (game.menuPlayer != p.intentSeat) return dropIntent(p), keyLeaveMenu();
        if (p.giveProperty < 0 || !tradeable(p.intentSeat, p.giveProperty))
            p.giveProperty = randomTradeable(p, p.intentSeat);
        if (p.giveProperty < 0) return dropIntent(p), keyLeaveMenu();
        return keySelectOnlyAndConfirm(p.giveProperty);
    }
    if (game.menuPlayer != p.partner) return dropIntent(p), keyLeaveMenu();
    if (p.askProperty < 0 || !tradeable(p.partner, p.askProperty))
        p.askProperty = randomTradeable(p, p.partner);
    if (p.askProperty < 0) return dropIntent(p), keyLeaveMenu();
    const int key = keySelectOnlyAndConfirm(p.askProperty);
    if (key == KeyEnter && game.assetCursor == CursorConfirm) p.confirmed = true;
    return key;
}

// A partner for a trade from `seat`: another seat in play with something to give.
int choosePartner(ScriptedPlayer& p, int seat) {
    const int seats = playersInPlay();
    for (int tries = 0; tries < 16; ++tries) {
        const int other = draw(p, seats);
        if (other != seat && seatInPlay(other) && randomTradeable(p, other) >= 0) return other;
    }
    return -1;
}

bool startTrade(ScriptedPlayer& p, int seat) {
    if (randomTradeable(p, seat) < 0) return false;
    const int other = choosePartner(p, seat);
    if (other < 0) return false;
    dropIntent(p);
    p.intent = Intent::Trade;
    p.intentSeat = seat;
    p.partner = other;
    return true;
}

// A harmless look around: card, help, zoom, pan, board cursor, or the quit question.
int keyLookAround(ScriptedPlayer& p) {
    static const int keys[] = {KeySpace, KeyF1, 'z', 'x', 'a', 'd', 'w', 's', KeyUp, KeyDown, 'q'};
    const int key = keys[draw(p, static_cast<int>(sizeof keys / sizeof keys[0]))];
    if (key != KeySpace && key != KeyF1 && key != 'q') p.holdTicks = 1 + draw(p, 20);
    return key;
}

// The person's own turn on the board with nothing asked: pick a row of the action bar and
// ENTER it, now and then doing something else first.
int keyOnOwnTurn(ScriptedPlayer& p) {
    const int seat = game.currentPlayer;
    const bool jailed = game.position[seat] == jailCell;
    if (p.boardRow == 4 && !jailed) p.boardRow = -1;
    if (p.boardRow < 0) {
        dropIntent(p);  // whatever was planned before has run its course
        if (chance(p, 30)) return keyLookAround(p);
        p.boardRow = 0;
        if (jailed && chance(p, 500)) {
            p.boardRow = 4;
        } else if (chance(p, 80) && randomBuildable(p, seat) >= 0) {
            p.intent = Intent::Build;
            p.intentSeat = seat;
            p.boardRow = 2;
        } else if (chance(p, 60) && startTrade(p, seat)) {
            p.boardRow = 1;
        }
    }
    if (game.menuIndex != p.boardRow) {
        const int last = jailed ? 4 : 3;
        const int right = (p.boardRow - game.menuIndex + last + 1) % (last + 1);
        return right <= (last + 1) / 2 ? KeyRight : KeyLeft;
    }
    p.boardRow = -1;
    return KeyEnter;
}

// While a computer is about to act, a person may get in with a seat's digit and trade.
int keyInterrupt(ScriptedPlayer& p) {
    if (game.screen != Board || game.menuIndex != 0 || game.computerDelay < 2 || game.buyPromptOpen ||
        game.taxPromptOpen || game.utilityRollPending || !rarely(p))
        return 0;
    const int seat = draw(p, playersInPlay());
    if (!seatInPlay(seat) || !game.isHuman[seat] || !startTrade(p, seat)) return 0;
    return digitKey(seat);
}

int keyInAssetMenu(ScriptedPlayer& p) {
    if (game.inDebt) return keyInDebt();
    if (p.intent != Intent::None && ++p.intentPresses > intentPressBudget) dropIntent(p);
    if (p.intent == Intent::Build) return keyForBuild(p);
    if (p.intent == Intent::Trade) return keyForTrade(p);
    return keyLeaveMenu();
}

int keyOnBoard(ScriptedPlayer& p) {
    if (game.cameraGlide > 0) return 0;  // the board takes no keys while the camera moves
    return keyOnOwnTurn(p);
}

int chooseKey(ScriptedPlayer& p) {
    const bool questionOpen =
        unmortgageQuestionPending() || game.tradeOfferOpen || game.buyPromptOpen || game.taxPromptOpen;
    if (!questionOpen) p.answerFor = -1;  // the next question gets a fresh answer
    if (shell.helpOpen) return KeyEnter;
    if (game.gameOver) return 0;
    switch (game.screen) {
        case StartMenu: return game.menuIndex == 0 ? KeyEnter : KeyUp;
        case NameEntry:
        case TurnOrder: return KeyEnter;
        default: break;
    }
    if (game.quitConfirmOpen) return game.quitYes ? KeyLeft : KeyEnter;
    if (game.noticeTimer > 0) return chance(p, 20) ? KeyEnter : 0;
    if (game.auctionOpen) return keyInAuction(p);
    if (someoneMoves()) return 0;
    if (unmortgageQuestionPending())
        return keyAnswer(p, 1000 + game.partnerMortgagedCount * 29 + game.initiatorMortgagedCount, 500);

    const Waiting waiting = waitingOn();
    if (waiting == Waiting::Computer) return keyInterrupt(p);
    if (waiting != Waiting::Human) return 0;

    if (game.tradeOfferOpen) {
        if (p.intent == Intent::Trade) p.confirmed = true;
        return keyAnswer(p, 2000, 500);
    }
    if (game.choosingTradePartner) {
        if (p.intent == Intent::Trade && seatInPlay(p.partner) && p.partner != game.menuPlayer)
            return digitKey(p.partner);
        dropIntent(p);
        return KeyEnter;
    }
    if (game.screen == PropertyCard) return KeyEnter;
    if (game.screen == AssetMenu) return keyInAssetMenu(p);
    if (game.screen != Board) return 0;

    if (game.buyPromptOpen) {
        const int property = propertyAtSquare(game.position[game.currentPlayer]);
        const bool affordable = property >= 0 && game.money[game.currentPlayer] >= propertyPrice[property];
        return keyAnswer(p, 3000, affordable ? 700 : 100);
    }
    if (game.taxPromptOpen) return keyAnswer(p, 4000, 500);
    if (game.utilityRollPending) return KeyEnter;
    return keyOnBoard(p);
}

}  // namespace

bool computerInDebt() { return game.screen == AssetMenu && game.inDebt && seatIsComputer(game.menuPlayer); }

Waiting waitingOn() {
    if (game.gameOver) return Waiting::Over;
    if (shell.helpOpen || shell.saveMenuOpen || shell.saveNameEntry || shell.loadListOpen)
        return Waiting::Human;
    if (game.quitConfirmOpen) return Waiting::Human;
    if (noticeUp() || someoneMoves()) return Waiting::Animation;
    if (unmortgageQuestionPending() || game.auctionOpen) return Waiting::Human;
    if (game.tradeOfferOpen) return seatIsComputer(game.menuPlayer) ? Waiting::Computer : Waiting::Human;
    if (game.choosingTradePartner) return Waiting::Human;
    if (game.screen == AssetMenu) return computerInDebt() ? Waiting::Computer : Waiting::Human;
    if (game.screen == Board && seatIsComputer(game.currentPlayer)) return Waiting::Computer;
    if (game.screen == Board && game.cameraGlide > 0) return Waiting::Animation;
    return Waiting::Human;
}

void scriptedPlayerStart(ScriptedPlayer& player, uint64_t seed) {
    player = ScriptedPlayer{};
    player.rng = seed * 0x9E3779B97F4A7C15ull + 0x2545F4914F6CDD1Dull;
    if (player.rng == 0) player.rng = 1;
}

void scriptedPlayerBeforeTick(ScriptedPlayer& player) {
    if (player.heldKey) {
        if (--player.holdTicks > 0) return;
        keyUp(player.heldKey);
        player.heldKey = 0;
        return;  // one tick with every key up before the next press
    }
    if (player.pause > 0) {
        --player.pause;
        return;
    }
    player.holdTicks = 1;
    const int key = chooseKey(player);
    if (!key) return;
    keyDown(key);
    player.heldKey = key;
    ++player.presses;
    // A person takes a moment between decisions now and then.
    if (chance(player, 100)) player.pause = draw(player, 30);
}
