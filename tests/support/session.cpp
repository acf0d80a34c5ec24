#include "support/session.h"

#include <sstream>
#include <vector>

#include "app/screen_flow.h"
#include "game/random.h"
#include "save/save_file.h"
#include "sim/play.h"
#include "support/fixtures.h"

void Session::SetUp() {
    resetProgram();
    fixClock(1000);
}

void Session::TearDown() { setClock(nullptr); }

void startBoardGame(int humans, int computers) {
    resetProgram();
    startTestGame(humans, computers);
}

std::string snapshot() {
    unsigned char bytes[slotSize];
    const char name[slotNameBytes] = {};
    encodeSlot(game, name, bytes);
    return std::string(reinterpret_cast<const char*>(bytes), slotSize);
}

namespace {
int keyCode(const std::string& name) {
    static const struct {
        const char* name;
        int code;
    } named[] = {{"ENTER", KeyEnter}, {"UP", KeyUp},       {"DOWN", KeyDown},
                 {"LEFT", KeyLeft},   {"RIGHT", KeyRight}, {"F1", KeyF1},
                 {"F2", KeyF2},       {"F4", KeyF4},       {"BS", 8}};
    for (const auto& k : named)
        if (name == k.name) return k.code;
    EXPECT_EQ(name.size(), 1u) << "unknown key " << name;
    return static_cast<unsigned char>(name[0]);
}
}  // namespace

void keys(const char* sequence) {
    std::istringstream in(sequence);
    for (std::string token; in >> token;) {
        int times = 1;
        if (const auto star = token.find('*'); star != std::string::npos) {
            times = std::stoi(token.substr(star + 1));
            token.resize(star);
        }
        std::vector<int> held;
        for (std::size_t from = 0;;) {
            const auto plus = token.find('+', from);
            held.push_back(keyCode(token.substr(from, plus - from)));
            if (plus == std::string::npos) break;
            from = plus + 1;
        }
        for (int i = 0; i < times; ++i) {
            for (int key : held) keyDown(key);
            tick();
            for (int key : held) keyUp(key);
        }
    }
}

void rollAndRest(int a, int b) {
    fixClock(secondForDice(a, b));
    press(KeyEnter);
    tickUntil(
        [] {
            if (promptLayerOpen() || game.screen != Board) return true;
            return !game.moving && game.diceTimer == 0 && game.arrivalTimer == 0 && game.settleTimer == 0 &&
                   game.cardTimer == 0 && game.cameraGlide == 0;
        },
        3000);
}

void playSteps(std::initializer_list<KeyStep> steps) {
    for (const KeyStep& step : steps) {
        keys(step.keys);
        EXPECT_EQ(step.value(), step.expected) << "after " << step.keys;
    }
}
