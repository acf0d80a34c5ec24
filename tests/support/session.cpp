#include "support/session.h"

#include "app/screen_flow.h"
#include "game/random.h"
#include "save/save_file.h"
#include "support/fixtures.h"
#include "support/play.h"

void Session::SetUp() {
    resetProgram();
    fixClock(1000);
}

void Session::TearDown() { setClock(nullptr); }

void startBoardGame(int humans, int computers) {
    resetProgram();
    startTestGame(humans, computers);
}

bool boardAtRest() {
    if (promptLayerOpen() || game.screen != Board) return true;
    return !game.moving && game.diceTimer == 0 && game.arrivalTimer == 0 && game.settleTimer == 0 &&
           game.cardTimer == 0 && game.cameraGlide == 0;
}

int tickUntilAtRest(int limit) { return tickUntil(boardAtRest, limit); }

void rollWithKeys(int a, int b) {
    fixClock(secondForDice(a, b));
    press(KeyEnter);
}

void pressSeat(int seat) { press('1' + seat); }

void pressRepeatedly(int key, int times) {
    for (int i = 0; i < times; ++i) press(key);
}

std::string snapshot() {
    unsigned char bytes[slotSize];
    const char name[slotNameBytes] = {};
    encodeSlot(game, name, bytes);
    return std::string(reinterpret_cast<const char*>(bytes), slotSize);
}
