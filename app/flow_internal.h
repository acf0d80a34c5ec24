// The screen flow's per-screen key handlers, one file each; only screen_flow.cpp calls them.
#pragma once

#include "app/layers.h"

// save_flow.cpp: the keys of the F4 layer on top.
void stepSaveLayer(Layer layer);

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
