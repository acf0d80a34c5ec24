#include "sim/scripted_player.h"

#include "app/input.h"
#include "app/screen_flow.h"
#include "app/shell.h"
#include "game/rules.h"
#include "game/tables.h"
#include "sim/play.h"

namespace {

constexpr int intentPressBudget = 300;  // a plan that needs more presses is given up

int draw(ScriptedPlayer& p, int n) { return drawBelow(p.rng, n); }
bool chance(ScriptedPlayer& p, int perThousand) { return draw(p, 1000) < perThousand; }
int orKey(int key, int fallback) { return key ? key : fallback; }

bool seatInPlay(int seat) { return seat >= 0 && seat < playersInPlay() && !game.bankrupt[seat]; }
bool someoneMoves() {
    return game.moving || game.diceTimer > 0 || game.arrivalTimer > 0 || game.settleTimer > 0 ||
           game.cardTimer > 0 || game.bankruptTimer > 0;
}
int digitKey(int seat) { return '1' + seat; }

// The fewest and most buildings in a street's group, and whether `seat` owns all of it.
bool groupSpan(int street, int seat, int& least, int& most) {
    int streets[4];
    const int n = groupStreets(groupOf(street), streets);
    bool all = true;
    least = 99, most = -99;
    for (int k = 0; k < n; ++k) {
        least = game.houses[streets[k]] < least ? game.houses[streets[k]] : least;
        most = game.houses[streets[k]] > most ? game.houses[streets[k]] : most;
        all = all && game.owner[streets[k]] == seat;
    }
    return all;
}

// A property a seat may put into a trade: its own, with no buildings.
bool tradeable(int seat, int q) { return game.owner[q] == seat && game.houses[q] <= 0; }
// One more house here passes the menu's Confirm (a single street selected, one house).
bool mayBuildOne(int seat, int q) {
    int least, most;
    return isStreet(q) && game.owner[q] == seat && game.houses[q] >= 0 && game.houses[q] < hotelLevel &&
           game.money[seat] >= houseCost(q) && groupSpan(q, seat, least, most) && game.houses[q] <= least;
}
int randomOf(ScriptedPlayer& p, int seat, bool (*fits)(int, int)) {
    int list[propertyCount], n = 0;
    for (int q = 0; q < propertyCount; ++q)
        if (fits(seat, q)) list[n++] = q;
    return n ? list[draw(p, n)] : -1;
}

// What a debtor can give up through the Mortgage kind: a property to mortgage (count 0), or
// else one building from a most built street (count 1). -1 when there is nothing.
int debtTarget(int seat, int& count) {
    int least, most;
    for (int q = 0; q < propertyCount; ++q)
        if (game.owner[q] == seat && game.houses[q] == 0 &&
            (!isStreet(q) || (groupSpan(q, seat, least, most), most <= 0)))
            return count = 0, q;
    for (int q = 0; q < streetCount; ++q)
        if (game.owner[q] == seat && game.houses[q] > 0 &&
            (groupSpan(q, seat, least, most), game.houses[q] >= most))
            return count = 1, q;
    return -1;
}

// --- moving the asset menu's cursor: each returns 0 once there ---

bool isProperty(int at) { return at >= 0 && at < propertyCount; }
bool isButton(int at) { return at == CursorConfirm || at == CursorBack; }

// The key that brings the cursor nearer to a property, a button or the amount field.
int keyToward(int target) {
    const int at = game.assetCursor;
    const bool toProperty = isProperty(target), toButton = isButton(target);
    if (at == target) return 0;
    if (isProperty(at) && toProperty) {
        if (propertySlot[at] / 8 != propertySlot[target] / 8) return KeyRight;
        return propertySlot[at] % 8 > propertySlot[target] % 8 ? KeyUp : KeyDown;
    }
    if (isProperty(at)) return toButton ? KeyDown : KeyUp;
    if (isButton(at)) return toProperty ? KeyUp : toButton ? KeyRight : KeyDown;  // RIGHT toggles the two
    if (at == CursorKindRow) return toButton ? KeyUp : KeyDown;
    if (at == CursorAmount) return toProperty ? KeyRight : KeyLeft;
    return toProperty ? KeyDown : KeyLeft;  // a jail card
}
int keyLeaveMenu() { return orKey(keyToward(CursorBack), KeyEnter); }

// Sets the house count, selects exactly `target` (deselecting anything else), then Confirm.
int keySelectOnlyAndConfirm(int target, int count) {
    if (count >= 0 && game.houseCount != count) return orKey(keyToward(CursorAmount), KeyUp);
    for (int q = 0; q < propertyCount; ++q)
        if (game.selected[q] && q != target) return orKey(keyToward(q), KeyEnter);
    if (!game.selected[target]) return orKey(keyToward(target), KeyEnter);
    return orKey(keyToward(CursorConfirm), KeyEnter);
}

// A yes/no question: LEFT until the answer drawn once per `question` shows, then ENTER.
int keyAnswer(ScriptedPlayer& p, int question, int yesPerThousand) {
    if (p.answerFor != question) {
        p.answerFor = question;
        p.wantYes = chance(p, yesPerThousand);
    }
    return game.promptYes != p.wantYes ? KeyLeft : KeyEnter;
}

int keyInAuction(ScriptedPlayer& p) {
    if (p.auctionWait < 0) p.auctionWait = draw(p, 400);
    if (p.auctionWait == 0) return p.auctionWait = -1, KeyEnter;
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

void dropIntent(ScriptedPlayer& p) { p.plan = ScriptedPlayer::Plan{}; }

// Works the plan on the menu: a house on one street, or one property from each side of a trade.
int keyForIntent(ScriptedPlayer& p) {
    const bool build = p.plan.intent == Intent::Build, partnerSide = !build && game.tradePartnerSide;
    const int seat = partnerSide ? p.plan.partner : p.plan.seat;
    int& target = partnerSide ? p.plan.ask : p.plan.give;
    bool (*fits)(int, int) = build ? mayBuildOne : tradeable;
    if (p.plan.confirmed || game.menuIndex != (build ? KindHouses : KindTrade) || game.menuPlayer != seat)
        return dropIntent(p), keyLeaveMenu();
    if (target < 0 || !fits(seat, target)) target = randomOf(p, seat, fits);
    if (target < 0) return dropIntent(p), keyLeaveMenu();
    const int key = keySelectOnlyAndConfirm(target, build ? 1 : -1);
    if (key == KeyEnter && game.assetCursor == CursorConfirm && (build || partnerSide))
        p.plan.confirmed = true;
    return key;
}

// A trade from `seat` with another seat in play that has something to give.
bool startTrade(ScriptedPlayer& p, int seat) {
    if (randomOf(p, seat, tradeable) < 0) return false;
    for (int tries = 0; tries < 16; ++tries) {
        const int other = draw(p, playersInPlay());
        if (other != seat && seatInPlay(other) && randomOf(p, other, tradeable) >= 0) {
            p.plan = ScriptedPlayer::Plan{Intent::Trade, seat, -1, other};
            return true;
        }
    }
    return false;
}

// The person's own turn on the board with nothing asked: pick a row of the action bar and
// ENTER it, now and then looking around (card, help, zoom, pan, cursor, quit question) first.
int keyOnOwnTurn(ScriptedPlayer& p) {
    const int seat = game.currentPlayer;
    const bool jailed = game.position[seat] == jailCell;
    if (p.boardRow == 4 && !jailed) p.boardRow = -1;
    if (p.boardRow < 0) {
        dropIntent(p);  // whatever was planned before has run its course
        if (chance(p, 30)) {
            static const int keys[] = {KeySpace, KeyF1, 'z', 'x', 'a', 'd', 'w', 's', KeyUp, KeyDown, 'q'};
            const int key = keys[draw(p, static_cast<int>(sizeof keys / sizeof keys[0]))];
            if (key != KeySpace && key != KeyF1 && key != 'q') p.holdTicks = 1 + draw(p, 20);
            return key;
        }
        p.boardRow = 0;
        if (jailed && chance(p, 500)) {
            p.boardRow = 4;
        } else if (chance(p, 80) && randomOf(p, seat, mayBuildOne) >= 0) {
            p.plan = ScriptedPlayer::Plan{Intent::Build, seat};
            p.boardRow = 2;
        } else if (chance(p, 60) && startTrade(p, seat)) {
            p.boardRow = 1;
        }
    }
    if (game.menuIndex != p.boardRow) {
        const int rows = jailed ? 5 : 4;
        return (p.boardRow - game.menuIndex + rows) % rows <= rows / 2 ? KeyRight : KeyLeft;
    }
    p.boardRow = -1;
    return KeyEnter;
}

int chooseKey(ScriptedPlayer& p) {
    if (!unmortgageQuestionPending() && !game.tradeOfferOpen && !game.buyPromptOpen && !game.taxPromptOpen)
        p.answerFor = -1;  // the next question gets a fresh answer
    if (shell.helpOpen) return KeyEnter;
    if (game.gameOver) return 0;
    if (game.screen == StartMenu) return game.menuIndex == 0 ? KeyEnter : KeyUp;
    if (game.screen == NameEntry || game.screen == TurnOrder) return KeyEnter;
    if (game.quitConfirmOpen) return game.quitYes ? KeyLeft : KeyEnter;
    if (game.noticeTimer > 0) return chance(p, 20) ? KeyEnter : 0;
    if (game.auctionOpen) return keyInAuction(p);
    if (someoneMoves()) return 0;
    if (unmortgageQuestionPending())
        return keyAnswer(p, 1000 + game.partnerMortgagedCount * 29 + game.initiatorMortgagedCount, 500);

    const Waiting waiting = waitingOn();
    if (waiting == Waiting::Computer) {
        // While a computer is about to act, a person may now and then get in with a digit and trade.
        if (game.screen != Board || game.menuIndex != 0 || game.buyPromptOpen || game.taxPromptOpen ||
            game.utilityRollPending || draw(p, 20000) != 0)
            return 0;
        const int seat = draw(p, playersInPlay());
        return seatInPlay(seat) && game.isHuman[seat] && startTrade(p, seat) ? digitKey(seat) : 0;
    }
    if (waiting != Waiting::Human) return 0;
    if (game.tradeOfferOpen) {
        if (p.plan.intent == Intent::Trade) p.plan.confirmed = true;
        return keyAnswer(p, 2000, 500);
    }
    if (game.choosingTradePartner) {
        if (p.plan.intent == Intent::Trade && seatInPlay(p.plan.partner) && p.plan.partner != game.menuPlayer)
            return digitKey(p.plan.partner);
        return dropIntent(p), KeyEnter;
    }
    if (game.screen == PropertyCard) return KeyEnter;
    if (game.screen == AssetMenu) {
        if (game.inDebt) {
            int count = 0;
            const int target = debtTarget(game.menuPlayer, count);
            return target < 0 ? 0 : keySelectOnlyAndConfirm(target, count);  // none: the watchdog tells
        }
        if (p.plan.intent != Intent::None && ++p.plan.presses > intentPressBudget) dropIntent(p);
        return p.plan.intent == Intent::None ? keyLeaveMenu() : keyForIntent(p);
    }
    if (game.screen != Board) return 0;
    if (game.buyPromptOpen) {
        const int property = propertyAtSquare(game.position[game.currentPlayer]);
        const bool affordable = property >= 0 && game.money[game.currentPlayer] >= propertyPrice[property];
        return keyAnswer(p, 3000, affordable ? 700 : 100);
    }
    if (game.taxPromptOpen) return keyAnswer(p, 4000, 500);
    if (game.utilityRollPending) return KeyEnter;
    return game.cameraGlide > 0 ? 0 : keyOnOwnTurn(p);  // the board takes no keys while the camera moves
}

}  // namespace

int drawBelow(uint64_t& state, int n) {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return static_cast<int>((state >> 11) % static_cast<uint64_t>(n));
}

Waiting waitingOn() {
    if (game.gameOver) return Waiting::Over;
    if (shell.helpOpen || shell.saveMenuOpen || shell.saveNameEntry || shell.loadListOpen ||
        game.quitConfirmOpen)
        return Waiting::Human;
    if (noticeUp() || someoneMoves()) return Waiting::Animation;
    if (unmortgageQuestionPending() || game.auctionOpen) return Waiting::Human;
    if (game.tradeOfferOpen) return seatIsComputer(game.menuPlayer) ? Waiting::Computer : Waiting::Human;
    if (game.choosingTradePartner) return Waiting::Human;
    if (game.screen == AssetMenu)
        return game.inDebt && seatIsComputer(game.menuPlayer) ? Waiting::Computer : Waiting::Human;
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
    if (player.pause > 0) return void(--player.pause);
    player.holdTicks = 1;
    const int key = chooseKey(player);
    if (!key) return;
    keyDown(key);
    player.heldKey = key;
    // A person takes a moment between decisions now and then.
    if (chance(player, 100)) player.pause = draw(player, 30);
}
