// Frame time of the game's screens against a floor frame that draws only the backdrop and
// board quads. A measured frame is what the display callback does once per tick (clear,
// frameStep, drawFrame, swap) plus glFinish so the GPU work is counted; the floor is clear,
// the two quads, swap and glFinish. The two alternate so the machine's drift hits both.
// Run under an X server: scripts/bench.sh.
#include <GL/glut.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/screen_flow.h"
#include "app/shell.h"
#include "assets/textures.h"
#include "game/state.h"
#include "render/draw.h"
#include "render/frame.h"
#include "render/gl_setup.h"
#include "tools/gallery/scenes.h"

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double floorFrame() {
    const Clock::time_point start = Clock::now();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glColor3f(1, 1, 1);
    glBindTexture(GL_TEXTURE_2D, backgroundTex);
    glBegin(GL_QUADS);
    drawTexturedQuad(-5, -5, -6, 10, 10);
    glEnd();
    glBindTexture(GL_TEXTURE_2D, boardTex);
    glBegin(GL_QUADS);
    drawTexturedQuad(-1.75f, -2, -5, 3.5f, 3.5f);
    glEnd();
    glutSwapBuffers();
    glFinish();
    return millisecondsSince(start);
}

// The scene is set up afresh before each frame (untimed), so every frame is the same frame.
double gameFrame(void (*setUp)()) {
    setUp();
    if (game.moving) game.diceTimer = 20;  // the dice still rolling: the frame step waits on them
    const Clock::time_point start = Clock::now();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    frameStep();
    drawFrame();
    glutSwapBuffers();
    glFinish();
    return millisecondsSince(start);
}

double percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    const size_t at = std::min(v.size() - 1, static_cast<size_t>(p * (v.size() - 1) + 0.5));
    return v[at];
}

struct Result {
    double median, p99, floorMedian;
};

Result measure(void (*setUp)(), int frames) {
    std::vector<double> subject, floor;
    for (int i = 0; i < 10; ++i) {  // warm the caches and the driver
        floorFrame();
        gameFrame(setUp);
    }
    for (int i = 0; i < frames; ++i) {
        floor.push_back(floorFrame());
        subject.push_back(gameFrame(setUp));
    }
    return {percentile(subject, 0.5), percentile(subject, 0.99), percentile(floor, 0.5)};
}

// A budget of 0: the ratio is shown but only the p99 is budgeted.
void report(const char* what, const Result& r, double budget) {
    const double ratio = r.median / r.floorMedian;
    char verdict[40] = "(p99 only)";
    if (budget > 0)
        std::snprintf(verdict, sizeof verdict, "(budget %.1f) %s", budget, ratio <= budget ? "ok  " : "OVER");
    std::printf("%-30s median %6.2f ms  floor %6.2f ms  ratio %4.2f %-17s p99 %6.2f ms %s\n", what, r.median,
                r.floorMedian, ratio, verdict, r.p99, r.p99 < 25 ? "ok" : "OVER");
}

}  // namespace

int main(int argc, char** argv) {
    const int frames = argc > 1 ? std::max(20, std::atoi(argv[1])) : 300;
    openGameWindow(&argc, argv, "Tenantry frame bench");
    initGraphics();

    std::printf("Frame: clear + frameStep + drawFrame + swap + glFinish, %d frames each\n", frames);
    report("busy board", measure(setUpBusyBoard, frames), 1.6);
    report("heaviest dialog (trade offer)", measure(findScene("dialog_trade_offer")->setUp, frames), 0);
    report("help screen (asset menu)", measure(findScene("help")->setUp, frames), 2.5);
    report("statistics view (long game)", measure(findScene("statistics")->setUp, frames), 2.5);

    // p99 of every screen and dialog, fewer frames each.
    double worst = 0;
    const char* worstName = "";
    for (int i = 0; i < sceneCount; ++i) {
        const Result r = measure(scenes[i].setUp, std::max(20, frames / 5));
        if (r.p99 > worst) {
            worst = r.p99;
            worstName = scenes[i].name;
        }
    }
    std::printf("%-30s worst p99 %6.2f ms (%s), budget 25 ms %s\n", "every screen", worst, worstName,
                worst < 25 ? "ok" : "OVER");
    return 0;
}
