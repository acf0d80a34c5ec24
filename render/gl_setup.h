// The fixed OpenGL state every frame starts from.
#pragma once

// Loads the textures, builds the glyph textures and sets the fixed GL state and projection.
// Needs a current GL context (the window).
void initGraphics();

// Perspective projection for a drawing area of the given size, loaded into GL_PROJECTION.
void loadProjection(int width, int height);
