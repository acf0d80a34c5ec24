// One drawing function per screen or dialog family.
#pragma once

// Full-screen menus (menus.cpp).
void drawStartMenu();
