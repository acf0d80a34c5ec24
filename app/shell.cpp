#include "app/shell.h"

ShellState shell;

WindowSize fitToAspect(int width, int height) {
    const double ratio = 700.0 / 1200.0;                    // 0.5833333333333334
    if (width <= 0 || height <= 0) return {width, height};  // minimised: nothing to fit
    if (static_cast<double>(height) / width <= ratio)
        width = static_cast<int>(height * 1200.0 / 700.0);
    else
        height = static_cast<int>(width * 700.0 / 1200.0);
    return {width, height};
}

void setWindowSize(WindowSize size) {
    shell.windowWidth = size.width;
    shell.windowHeight = size.height;
    shell.uiScale = static_cast<float>(size.width / 1200.0);
}
