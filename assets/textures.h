// Textures made once at start-up from the embedded pictures; they live until the process ends.
#pragma once

#include <cstdint>

extern unsigned int bannerTex;
extern unsigned int propertyPictureTex[28];
extern unsigned int boardTex;
extern unsigned int cardBackTex[2];
extern unsigned int cardFrontTex[2];
extern unsigned int diceTex;
extern unsigned int arrowTex;
extern unsigned int backgroundTex;
extern unsigned int ownerMarkerTex;
extern unsigned int tokenTex;

// Loads every texture in the fixed order: banner, 28 property pictures, board, card backs,
// card fronts, dice, arrow, backdrop, owner marker, token.
void loadAllTextures();

// RGB texture from a HexImage; chunkCount 12 is a 256 x 256 image, 192 a 1024 x 1024 one.
void loadHexTexture(const char* image, int chunkCount, unsigned int* texture);
// RGBA texture of side 256 (chunked) or 64 (one chunk); exact black becomes transparent.
void loadHexTextureKeyed(const char* image, int side, unsigned int* texture);
// The banner, converted to RGBA with black transparent.
void loadBannerTexture();
