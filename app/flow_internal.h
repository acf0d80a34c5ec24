// The screen flow's per-screen key handlers, one file each; only screen_flow.cpp calls them.
#pragma once

// save_flow.cpp: the F4 layers. True when a save layer took the keys this tick.
bool stepSaveLayers();

// menus_flow.cpp
void stepStartMenu();
void stepOptionsMenu();
void stepNameEntry();
void stepTurnOrder();
void stepPropertyCard();

// board_flow.cpp
void stepBoard();

// asset_menu_flow.cpp
void stepAssetMenu();

// The digit pressed this tick (consumed), or -1.
int takeDigitPress();
