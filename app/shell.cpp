#include "app/shell.h"

ShellState shell;

WindowSize fitToAspect(int width, int height) {
    const double ratio = static_cast<double>(designHeight) / designWidth;
    if (width <= 0 || height <= 0) return {width, height};  // minimised: nothing to fit
    if (static_cast<double>(height) / width <= ratio)
        width = static_cast<int>(height * static_cast<double>(designWidth) / designHeight);
    else
        height = static_cast<int>(width * static_cast<double>(designHeight) / designWidth);
    return {width, height};
}

void setWindowSize(WindowSize size) {
    shell.windowWidth = size.width;
    shell.windowHeight = size.height;
    shell.uiScale = static_cast<float>(static_cast<double>(size.width) / designWidth);
}
