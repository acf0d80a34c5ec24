// The property pictures' scenes and the small kit they are painted with. Every scene paints
// inside the round clip that the picture frame sets up (centre 128, radius 110).
#pragma once

#include "tools/artpaint/canvas.h"

constexpr float pictureCentre = 128;
constexpr float pictureRadius = 110;

// Kit.
void skyGradient(Canvas& c, Rgb top, Rgb bottom, float y0 = 0, float y1 = 256);
// A rolling ridge line filled down to the bottom of the picture.
void ridge(Canvas& c, Rgb colour, float base, float amp, float wave, float phase);
void cloud(Canvas& c, float x, float y, float s, Rgb colour, float opacity = 1);
void pine(Canvas& c, float x, float base, float h, Rgb colour);
void roundTree(Canvas& c, float x, float base, float h, Rgb leaf, Rgb trunk);
void waterBand(Canvas& c, float top, float bottom, Rgb upper, Rgb lower, Rgb glint, uint32_t seed);
void sunDisc(Canvas& c, float x, float y, float r, Rgb colour);
void bird(Canvas& c, float x, float y, float s, Rgb colour);
void cottage(Canvas& c, float x, float base, float w, float h, Rgb wall, Rgb roof);
void starField(Canvas& c, int count, uint32_t seed, float yMax = 256);

// Scenes, one per property, in three groups.
void sceneOldWharf(Canvas& c);
void sceneOldBazaar(Canvas& c);
void sceneFenwick(Canvas& c);
void sceneGreywood(Canvas& c);
void sceneCloudhaven(Canvas& c);
void sceneFrostmere(Canvas& c);
void scenePlainsreach(Canvas& c);
void sceneLorneMoon(Canvas& c);
void sceneTallforest(Canvas& c);
void sceneCinderfall(Canvas& c);
void sceneSinkhollow(Canvas& c);

void sceneBrinemine(Canvas& c);
void sceneAshvale(Canvas& c);
void sceneRookHarbor(Canvas& c);
void sceneRedspire(Canvas& c);
void sceneTidewater(Canvas& c);
void sceneLakeshire(Canvas& c);
void sceneDeepcoral(Canvas& c);
void sceneShipwright(Canvas& c);
void sceneWhitecliff(Canvas& c);
void sceneGrandLibrary(Canvas& c);
void sceneParliament(Canvas& c);

void sceneHeavyDreadnought(Canvas& c);
void sceneTroopCarrier(Canvas& c);
void sceneCrownDreadnought(Canvas& c);
void sceneFrontierClipper(Canvas& c);
void sceneIronMoon(Canvas& c);
void sceneIronMoonTwo(Canvas& c);
