// The whole program driven by a byte stream: an optional save slot to start from (accepted
// states only), then keys, special keys, clicks anywhere in or outside the window, window
// reshapes and bursts of ticks, under a clock that only the ticks move. After every tick the
// record keeps its invariants and stays loadable (no amount runs away), the game never sits
// still unless a person is awaited, and the flow keeps its own rules.
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "app/input.h"
#include "app/mouse.h"
#include "app/screen_flow.h"
#include "app/shell.h"
#include "fuzz/fuzz_target.h"
#include "game/random.h"
#include "game/rules.h"
#include "game/tables.h"
#include "save/save_file.h"
#include "sim/game_driver.h"
#include "sim/play.h"

namespace {

constexpr long tickBudget = 20000;  // per input: long enough for whole turns, short enough to fly

const char noName[slotNameBytes] = {};
long ticksRun = 0;
const char* standingFault = nullptr;
int64_t clockBase = 0;
int64_t fuzzClock() { return clockBase + ticksRun / 33; }

// The stream, read a byte at a time; reading past its end stops the run.
struct Stream {
    const uint8_t* at;
    const uint8_t* end;
    bool take(int& value) { return at < end ? (value = *at++, true) : false; }
    bool take16(int& value) {  // little-endian, signed: window positions outside it included
        int low, high;
        return take(low) && take(high) ? (value = static_cast<int16_t>(low | high << 8), true) : false;
    }
};

template <class Test>
int countOf(int n, Test test) {
    int count = 0;
    for (int i = 0; i < n; ++i) count += test(i) ? 1 : 0;
    return count;
}

// What the flow must keep beyond the record's invariants; null when all holds.
const char* flowFault(bool pausedBefore, const unsigned char* frozen) {
    const bool paused = shell.helpOpen || shell.saveMenuOpen;
    const bool menuScreen = game.screen == AssetMenu || game.screen == PropertyCard;
    unsigned char now[slotSize];
    if (shell.helpOpen && shell.saveMenuOpen) return "help and the save menu are open together";
    if (pausedBefore && paused && (encodeSlot(game, noName, now), std::memcmp(now, frozen, slotSize) != 0))
        return "the game changed under help or the save menu";
    if (game.quitConfirmOpen && boardBusy()) return "the quit question is open while the board is busy";
    if (game.quitConfirmOpen && computerHoldsTheMove() && !menuScreen && !noticeUp())
        return "the quit question is open while a computer's action counts down behind it";
    if ((game.moving || game.settleTimer > 0) && game.screen != Board)
        return "a move is under way off the board";
    if (game.inDebt && !menuScreen) return "the debt state is open off its menu";
    if (game.inDebt && game.money[game.menuPlayer] >= 0)
        return "the debt state holds a seat that owes nothing";
    if (!game.inDebt && !game.gameOver &&
        countOf(playersInPlay(), [](int s) { return game.money[s] < 0 && !game.bankrupt[s]; }))
        return "a seat owes money outside the debt state";
    if (game.screen == AssetMenu && game.menuPlayer >= playersInPlay())
        return "the asset menu belongs to a seat not in play";
    if (game.gameOver && countOf(playersInPlay(), [](int s) { return !game.bankrupt[s]; }) != 1)
        return "\"WINS\" with more than one seat left";
    if (game.choosingTradePartner && (game.screen != AssetMenu || game.tradePartnerSide))
        return "the partner question stands off the first side of a trade menu";
    // A person's offer is made from the partner's side of the menu; a computer's over the board.
    if (game.tradeOfferOpen && !seatIsComputer(game.tradeInitiator) &&
        (game.screen != AssetMenu || !game.tradePartnerSide))
        return "a person's offer stands off the partner's side of the menu";
    if (game.choosingTradePartner && !tradeIsValid())
        return "a partner is chosen for a side that offers nothing";
    const bool offersSomething =
        game.initiatorMoney > 0 || countOf(propertyCount, [](int p) { return game.initiatorSelected[p]; }) ||
        countOf(2, [](int d) {
            return game.jailCardSelected[d] && game.jailCardHolder[d] == game.tradeInitiator;
        });
    if (game.tradeOfferOpen && !offersSomething) return "an offer whose first side gives nothing";
    return nullptr;
}

void runTicks(long count, Watch& watch) {
    for (; count > 0 && ticksRun < tickBudget; --count, ++ticksRun) {
        const bool pausedBefore = shell.helpOpen || shell.saveMenuOpen;
        unsigned char frozen[slotSize];
        if (pausedBefore) encodeSlot(game, noName, frozen);
        tick();
        char why[160] = "";
        const char* fault = watchTick(watch, why, sizeof why);
        if (!fault && !stateIsLoadable(game))
            fault = "an amount ran out of bounds (money or the pot overflowing)";
        // A rule a loaded slot already broke is the slot's; play only may not break one anew.
        const char* flow = flowFault(pausedBefore, frozen);
        if (!fault && flow != standingFault) fault = flow;
        standingFault = flow;
        if (!fault) continue;
        char where[96];
        std::snprintf(where, sizeof where, "(tick %ld, screen %d, seat %d)", ticksRun, game.screen,
                      game.currentPlayer);
        fuzzFault(fault, where);
    }
}

// Each input runs in a private directory with no save file, so saves and loads within it
// replay alike anywhere; the caller's directory is restored after it (scripts/fuzz.sh gives
// libFuzzer absolute paths, as a crash leaves the run in the private one).
struct PrivateDirectory {
    char home[4096] = "";
    PrivateDirectory() {
        static char dir[] = "/tmp/tenantry-fuzz-XXXXXX";
        static const bool made = mkdtemp(dir) != nullptr;
        if (!made || !getcwd(home, sizeof home) || chdir(dir) != 0) fuzzFault("no private directory");
        std::remove(saveFileName);
        std::remove((std::string(saveFileName) + ".tmp").c_str());
    }
    ~PrivateDirectory() {
        if (chdir(home) != 0) fuzzFault("cannot return to", home);
    }
};

}  // namespace

// Input: 'S' and a whole slot to start from, or else the program start; then events, each an
// opcode byte (its low four bits) and its arguments.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const PrivateDirectory privateDirectory;
    resetProgram();
    seedRandom(1);
    ticksRun = 0;
    clockBase = 1000000;
    setClock(fuzzClock);
    Stream in{data, data + size};
    if (size > slotSize && data[0] == 'S') {
        char name[slotNameBytes];
        if (!decodeSlot(data + 1, game, name)) return -1;  // only accepted states seed a run
        in.at += 1 + slotSize;
    }
    standingFault = flowFault(false, nullptr);
    Watch watch;
    watch.personActs = false;
    int op = 0, a = 0, b = 0, c = 0, d = 0;
    while (in.take(op) && ticksRun < tickBudget) {
        switch (op & 15) {
            case 0:
                if (in.take(a)) onKeyDown(static_cast<unsigned char>(a), 0, 0);
                break;
            case 1:
                if (in.take(a)) onKeyUp(static_cast<unsigned char>(a), 0, 0);
                break;
            case 2:
                if (in.take(a)) onSpecialDown(a, 0, 0);
                break;
            case 3:
                if (in.take(a)) onSpecialUp(a, 0, 0);
                break;
            case 4:  // a press held one tick: a special key with the high bit set
                if (!in.take(a)) break;
                keyDown(a & 128 ? 1000 + (a & 127) : a);
                runTicks(1, watch);
                keyUp(a & 128 ? 1000 + (a & 127) : a);
                break;
            case 5:
                if (in.take16(a) && in.take16(b)) onMouse(mouseLeftButton, mouseButtonDown, a, b);
                break;
            case 6:
                if (in.take16(a) && in.take16(b)) onMouse(mouseRightButton, mouseButtonDown, a, b);
                break;
            case 7:  // any button, pressed or released
                if (in.take(c) && in.take(d) && in.take16(a) && in.take16(b)) onMouse(c, d, a, b);
                break;
            case 8:  // a burst: up to 200 ticks one by one, then in steps of 64
                if (in.take(a)) runTicks(a < 200 ? a + 1 : (a - 199) * 64, watch);
                break;
            case 9:  // the window reshaped; a minimised window keeps its last size
                if (in.take16(a) && in.take16(b)) {
                    const WindowSize fitted = fitToAspect(a & 0xFFFF, b & 0xFFFF);
                    if (fitted.width > 0 && fitted.height > 0) setWindowSize(fitted);
                }
                break;
            case 10:  // other dice
                if (in.take(a)) clockBase += 1 + a;
                break;
            default: runTicks(1, watch);
        }
    }
    setClock(nullptr);
    return 0;
}
