// One drawing function per screen or dialog family; drawFrame (frame.cpp) picks one per frame.
// They read the game state; only the pulse (pulseStep) and the board cursor's jail-cell
// value are ever changed while drawing.
#pragma once

#include "app/layers.h"

// --- Full-screen menus (menus.cpp) ---
void drawStartMenu();
void drawOptionsMenu();
void drawNameEntry();
void drawTurnOrder();
void drawQuitQuestion();

// --- What the game screens share (chrome.cpp) ---
// "%s's TURN" over the board.
void drawTurnTitle();
// The actions of the current player; on the asset menu the open kind, pulsing while the
// cursor is on the kind row.
void drawActionBar();
// Behind every dialog: backdrop, title, action bar, panels and marks, and the board's outline.
void drawDialogFrame();

// --- The Board screen (board_scene.cpp) ---
void drawBoardScene();

// --- Player panels (panels.cpp) ---
void drawPlayerPanels();
// The black marks on built-on or mortgaged properties and on held jail cards; with the
// board, each property's marker on the board is drawn in the same pass.
void drawPanelMarks(bool withBoard);

// --- The PropertyCard screen (property_card.cpp) ---
void drawPropertyCardScreen();
void drawPropertyCard();

// --- The AssetMenu screen: trade, houses and mortgage (asset_menu_view.cpp) ---
void drawAssetMenu();

// --- Dialogs over the dialog frame (dialogs.cpp) ---
// The dialog of the layer on top (topLayer), over the dialog frame.
void drawDialog(Layer layer);
// The small card of a property on the purchase, auction and unmortgage dialogs.
void drawMiniCard(int property);

// --- Save and load (save_screens.cpp) ---
void drawSaveLoadChoice();
void drawSaveNameEntry();
void drawSlotList(bool saving);

// --- Help (help_screen.cpp) ---
void drawHelpScreen();

// --- Statistics, F2 (stats_view.cpp) ---
void drawStatsView();
