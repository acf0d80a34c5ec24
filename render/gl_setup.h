// The fixed OpenGL state every frame starts from.
#pragma once

// Initialises GLUT and opens the game's window (RGB, double-buffered, with depth; 1200 x 700
// at (30, 30)) with the given title; the GL context is current afterwards.
void openGameWindow(int* argc, char** argv, const char* title);

// Loads the textures, builds the glyph textures and sets the fixed GL state and projection.
// Needs a current GL context (the window).
void initGraphics();

// Perspective projection for a drawing area of the given size, loaded into GL_PROJECTION.
void loadProjection(int width, int height);
