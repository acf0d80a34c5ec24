// The property pictures: a round framed scene on a pale card.
#include "tools/artpaint/paint.h"
#include "tools/artpaint/scene.h"

static void paintScene(Canvas& c, int property) {
    using Scene = void (*)(Canvas&);
    static const Scene scenes[28] = {
        sceneOldWharf,         sceneOldBazaar,       sceneFenwick,          sceneGreywood,
        sceneCloudhaven,       sceneFrostmere,       scenePlainsreach,      sceneLorneMoon,
        sceneTallforest,       sceneCinderfall,      sceneSinkhollow,       sceneBrinemine,
        sceneAshvale,          sceneRookHarbor,      sceneRedspire,         sceneTidewater,
        sceneLakeshire,        sceneDeepcoral,       sceneShipwright,       sceneWhitecliff,
        sceneGrandLibrary,     sceneParliament,      sceneHeavyDreadnought, sceneTroopCarrier,
        sceneCrownDreadnought, sceneFrontierClipper, sceneIronMoon,         sceneIronMoonTwo,
    };
    if (property >= 0 && property < 28) scenes[property](c);
}

Canvas paintPropertyPicture(int property) {
    Canvas c = makeCanvas(256);
    fillAll(c, {248, 244, 234});
    // A soft shadow under the frame lifts it off the card.
    glow(c, pictureCentre + 3, pictureCentre + 5, pictureRadius + 22, {90, 70, 50}, 0.35f);
    fillCircle(c, pictureCentre, pictureCentre, pictureRadius + 1, {40, 40, 40});
    c.clip = true;
    c.clipX = c.clipY = pictureCentre;
    c.clipR = pictureRadius;
    paintScene(c, property);
    c.clip = false;
    const float r = pictureRadius;
    fillRing(c, pictureCentre, pictureCentre, r - 1, r + 1.5f, {70, 50, 30});
    fillRing(c, pictureCentre, pictureCentre, r + 1.5f, r + 8, {206, 164, 84});
    fillRing(c, pictureCentre, pictureCentre, r + 3, r + 4.5f, {240, 210, 140});
    fillRing(c, pictureCentre, pictureCentre, r + 8, r + 10, {90, 64, 30});
    return c;
}
