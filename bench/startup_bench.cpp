// Start-up to the first frame, and peak memory, of the game against a bare GLUT window.
// Runs each program as a child process, alternating the two, and times process start to
// exit (both exit right after their first swapped frame). Usage: startup_bench GAME BARE [RUNS]
#include <X11/Xlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Run {
    double milliseconds;
    long peakKilobytes;
};

// One timed run; `ok` is false when the program did not exit cleanly.
Run runOnce(const char* program, bool& ok) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return {ms, usage.ru_maxrss};
}

Run runOnce(const char* program) {
    bool ok = false;
    const Run run = runOnce(program, ok);
    if (!ok) {
        std::fprintf(stderr, "%s failed\n", program);
        std::exit(1);
    }
    return run;
}

// The first runs also wait for a display that is still starting up.
void warmUp(const char* program) {
    for (int attempt = 0; attempt < 10; ++attempt) {
        bool ok = false;
        runOnce(program, ok);
        if (ok) return;
        usleep(300000);
    }
    std::fprintf(stderr, "%s does not start\n", program);
    std::exit(1);
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s GAME_PROBE BARE_WINDOW [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 3 ? std::max(3, std::atoi(argv[3])) : 15;
    // A bare X server resets whenever its last client leaves, and a program that connects
    // during the reset fails: holding one connection open keeps it up between the runs.
    Display* keepAlive = XOpenDisplay(nullptr);
    std::vector<double> game, bare;
    long gamePeak = 0, barePeak = 0;
    warmUp(argv[1]);  // also loads the libraries into the page cache
    warmUp(argv[2]);
    for (int i = 0; i < runs; ++i) {
        const Run b = runOnce(argv[2]);
        const Run g = runOnce(argv[1]);
        bare.push_back(b.milliseconds);
        game.push_back(g.milliseconds);
        barePeak = std::max(barePeak, b.peakKilobytes);
        gamePeak = std::max(gamePeak, g.peakKilobytes);
    }
    const double ratio = median(game) / median(bare);
    std::printf(
        "Start-up to first frame (median of %d)  game %6.1f ms  floor %6.1f ms  ratio %4.2f (budget 1.6) "
        "%s\n",
        runs, median(game), median(bare), ratio, ratio <= 1.6 ? "ok" : "OVER");
    const double extraMb = (gamePeak - barePeak) / 1024.0;
    std::printf(
        "Peak resident size                     game %6.1f MB  floor %6.1f MB  extra %5.1f MB (budget 80) "
        "%s\n",
        gamePeak / 1024.0, barePeak / 1024.0, extraMb, extraMb <= 80 ? "ok" : "OVER");
    if (keepAlive) XCloseDisplay(keepAlive);
    return 0;
}
