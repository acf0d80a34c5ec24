// Program state that is not part of a saved game: the window, the help and save layers.
#pragma once

#include <cstdint>

constexpr int designWidth = 1200;
constexpr int designHeight = 700;

constexpr int saveSlotCount = 30;
constexpr int saveNameSize = 30;

struct ShellState {
    int windowWidth = designWidth;
    int windowHeight = designHeight;
    float uiScale = 1.0f;  // windowWidth / 1200, for the mouse hit tests

    bool helpOpen = false;
    bool statsOpen = false;  // the statistics view (F2)
    bool saveMenuOpen = false;
    bool saveMenuOnSave = false;  // SAVE highlighted (else LOAD)
    bool saveNameEntry = false;   // typing the name after SAVE
    bool saveNameDone = false;    // name typed, choosing a slot
    bool loadListOpen = false;    // choosing a slot to load
    int saveSlot = 0;             // highlighted slot 0..29
    char saveName[saveNameSize] = {};
    char slotNames[saveSlotCount][saveNameSize] = {};
    bool slotDamaged[saveSlotCount] = {};  // named but cut short or refused: cannot be loaded
    char saveMessage[80] = {};             // why the last save or load failed; empty when none
};

extern ShellState shell;

struct WindowSize {
    int width;
    int height;
};

// The size a reshape settles on: too wide keeps the height, too tall keeps the width,
// so the drawing area keeps the 7:12 ratio.
WindowSize fitToAspect(int width, int height);

// Stores a settled size and its uiScale.
void setWindowSize(WindowSize size);
