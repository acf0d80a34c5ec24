// Writes prepared positions into a save file and reads slots back, so the end-to-end scripts
// can start the real game from a known position and check what it did.
//   save_tool make DIR SCENARIO   writes slot 0 named SCENARIO in DIR/Tenantry.sav
//   save_tool dump FILE SLOT      prints the slot's main fields as key=value lines
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <vector>

#include "app/shell.h"
#include "game/random.h"
#include "game/rules.h"
#include "game/tables.h"
#include "save/save_file.h"

namespace {

int64_t fixedClock() { return 1000; }

// Two people, P1 in seat 0 and P2 in seat 1, on the board at the start of a turn.
void twoPeopleOnBoard() {
    game = GameState{};
    setClock(fixedClock);
    setUpGame();
    std::strcpy(game.playerNames[0], "P1");
    std::strcpy(game.playerNames[1], "P2");
    game.currentPlayer = 0;
    game.screen = Board;
    aimCamera(0);
    game.cameraGlide = 0;
    game.panX = game.cameraTargetX;
    game.panY = game.cameraTargetZ;
}

bool makeScenario(const char* scenario) {
    twoPeopleOnBoard();
    if (std::strcmp(scenario, "buy") == 0) {
        // Seat 0 has just landed on property 6 (square 13) and is asked whether to buy it.
        game.position[0] = propertySquare[6];
        game.boardCursor = propertySquare[6];
        game.buyPromptOpen = true;
        game.promptYes = true;
        return true;
    }
    return std::strcmp(scenario, "board") == 0;
}

int make(const char* dir, const char* scenario) {
    if (chdir(dir) != 0 || !makeScenario(scenario)) return 1;
    shell = ShellState{};
    std::snprintf(shell.saveName, sizeof shell.saveName, "%s", scenario);
    shell.saveSlot = 0;
    ensureSaveFile(shell.slotNames, shell.slotDamaged);
    return saveGame(shell.saveSlot, shell.saveName) == 0 ? 0 : 1;
}

int dump(const char* file, int slot) {
    std::ifstream in(file, std::ios::binary);
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (slot < 0 || slot >= slotCount || bytes.size() < static_cast<size_t>(slot + 1) * slotSize) return 1;
    char name[slotNameBytes];
    GameState state{};
    if (!decodeSlot(&bytes[slot * slotSize], state, name)) return 2;
    std::printf("name=%s\nscreen=%d\ncurrentPlayer=%d\nplayers=%d\nmenuIndex=%d\n", name, state.screen,
                state.currentPlayer, state.humanCount + state.computerCount, state.menuIndex);
    for (int s = 0; s < state.humanCount + state.computerCount; ++s)
        std::printf("seat%d=%s money=%d position=%d\n", s, state.playerNames[s], state.money[s],
                    state.position[s]);
    for (int p = 0; p < propertyCount; ++p)
        if (state.owner[p] != bankOwner) std::printf("owner%d=%d\n", p, state.owner[p]);
    std::printf("buyPromptOpen=%d\nauctionOpen=%d\nmoving=%d\n", state.buyPromptOpen, state.auctionOpen,
                state.moving);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "make") == 0) return make(argv[2], argv[3]);
    if (argc == 4 && std::strcmp(argv[1], "dump") == 0) return dump(argv[2], std::atoi(argv[3]));
    std::fprintf(stderr, "usage: save_tool make DIR SCENARIO | save_tool dump FILE SLOT\n");
    return 2;
}
