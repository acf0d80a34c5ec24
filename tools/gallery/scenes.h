// Named game positions for the screenshot gallery and the frame benchmarks: each one puts
// `game` and `shell` into a state that shows one screen or dialog.
#pragma once

struct Scene {
    const char* name;  // also the screenshot's file name
    void (*setUp)();
};

extern const Scene scenes[];
extern const int sceneCount;

// The scene of this name, or nullptr.
const Scene* findScene(const char* name);

// A dealt game of eight seats, mid-play: 20 properties owned with houses, hotels and
// mortgages, jail cards held, the dice rolling and the middle pot showing.
void setUpBusyBoard();
