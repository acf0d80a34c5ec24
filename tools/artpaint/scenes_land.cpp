// Scenes of the first five street groups: marsh, fen, woods, sky, ice, plains, night, forest,
// fire and the hollow.
#include <cmath>

#include "tools/artpaint/scene.h"

namespace {
const Rgb white = {255, 255, 255};
}

void sceneOldWharf(Canvas& c) {
    skyGradient(c, {250, 170, 120}, {255, 222, 170}, 0, 150);
    sunDisc(c, 170, 128, 18, {255, 200, 120});
    waterBand(c, 146, 256, {120, 150, 180}, {50, 80, 120}, {255, 220, 170}, 11);
    // Reflection of the sun.
    for (int i = 0; i < 8; ++i)
        strokeLine(c, 160 - i, 152 + i * 8.0f, 180 + i, 152 + i * 8.0f, 2, {255, 210, 150}, 0.6f);
    // The pier on its posts, running out from the left.
    const Rgb wood = {112, 76, 46}, dark = {70, 46, 28};
    for (float x = 20; x < 150; x += 22) {
        fillRect(c, x, 150, x + 5, 196, dark);
        fillRect(c, x, 196, x + 5, 210, dark, 0.35f);
    }
    fillPolygon(c, {{0, 140}, {156, 146}, {156, 154}, {0, 152}}, wood);
    for (float x = 6; x < 156; x += 9) strokeLine(c, x, 141 + x * 0.04f, x, 152 + x * 0.01f, 1, dark, 0.7f);
    // A shed at the pier's end, a lamp post and a moored boat.
    fillRect(c, 112, 116, 146, 145, {150, 60, 44});
    fillPolygon(c, {{108, 118}, {129, 102}, {150, 118}}, {80, 56, 40});
    fillRect(c, 124, 128, 134, 145, {60, 36, 26});
    fillRect(c, 40, 100, 43, 141, dark);
    fillCircle(c, 41.5f, 99, 5, {255, 230, 150});
    fillPolygon(c, {{150, 184}, {200, 184}, {192, 196}, {158, 196}}, {150, 40, 40});
    fillRect(c, 152, 182, 198, 185, {240, 230, 210});
    strokeLine(c, 152, 184, 136, 154, 1, {40, 30, 20});
    // Marsh grass in the foreground.
    Lcg rng(5);
    for (int i = 0; i < 60; ++i) {
        const float x = rng.range(10, 110), h = rng.range(14, 40);
        strokeLine(c, x, 250, x + rng.range(-6, 6), 250 - h - (x < 60 ? 10 : 0), 2,
                   mix(Rgb{90, 110, 50}, Rgb{170, 160, 80}, rng.next()));
    }
    bird(c, 70, 60, 7, {60, 40, 40});
    bird(c, 92, 72, 5, {60, 40, 40});
}

void sceneOldBazaar(Canvas& c) {
    skyGradient(c, {110, 180, 240}, {220, 240, 250}, 0, 140);
    fillRect(c, 0, 140, 256, 256, {226, 196, 140});
    // Pennants strung across the sky.
    const Rgb flags[4] = {{220, 50, 50}, {250, 200, 40}, {40, 140, 220}, {60, 170, 90}};
    std::vector<Pt> string;
    for (float x = 10; x <= 246; x += 4)
        string.push_back({x, 48 + 0.0025f * (x - 128) * (x - 128) * -1 + 40});
    strokePolyline(c, string, 1.2f, {80, 60, 50});
    for (int i = 0; i < 12; ++i) {
        const float x = 22 + i * 19.0f, y = 88 - 0.0025f * (x - 128) * (x - 128);
        fillPolygon(c, {{x - 6, y}, {x + 6, y}, {x, y + 13}}, flags[i % 4]);
    }
    // Three stalls with striped awnings.
    const Rgb stripes[3] = {{210, 50, 50}, {40, 110, 200}, {230, 170, 30}};
    for (int s = 0; s < 3; ++s) {
        const float x0 = 26 + s * 70.0f, x1 = x0 + 64, top = 118 + (s == 1 ? -8.0f : 0.0f);
        fillRect(c, x0 + 4, top + 24, x0 + 7, top + 80, {110, 80, 50});
        fillRect(c, x1 - 7, top + 24, x1 - 4, top + 80, {110, 80, 50});
        for (int k = 0; k < 8; ++k)
            fillRect(c, x0 + k * 8.0f, top, x0 + (k + 1) * 8.0f, top + 20, k % 2 ? white : stripes[s]);
        for (int k = 0; k < 8; ++k) fillCircle(c, x0 + 4 + k * 8.0f, top + 20, 4, k % 2 ? white : stripes[s]);
        fillRect(c, x0, top + 60, x1, top + 82, {150, 100, 60});
        fillRect(c, x0, top + 58, x1, top + 62, {120, 80, 46});
        Lcg rng(30 + s);
        for (int k = 0; k < 9; ++k) {
            const Rgb goods[4] = {{240, 120, 30}, {200, 40, 60}, {120, 180, 60}, {250, 220, 80}};
            fillCircle(c, x0 + 6 + k * 6.5f, top + 54 + rng.range(-2, 2), 4, goods[(k + s) % 4]);
        }
    }
    // Shoppers.
    for (int i = 0; i < 4; ++i) {
        const float x = 50 + i * 48.0f;
        const Rgb coat = i % 2 ? Rgb{90, 60, 130} : Rgb{40, 120, 110};
        fillRoundRect(c, x - 7, 214, x + 7, 244, 5, coat);
        fillCircle(c, x, 207, 6, {210, 160, 120});
    }
}

void sceneFenwick(Canvas& c) {
    skyGradient(c, {170, 210, 200}, {236, 240, 214}, 0, 132);
    cloud(c, 70, 60, 22, white, 0.9f);
    cloud(c, 180, 48, 16, white, 0.8f);
    fillRect(c, 0, 130, 256, 256, {120, 150, 80});
    ridge(c, {150, 170, 110}, 132, 4, 30, 1);
    // A windmill on the skyline.
    fillPolygon(c, {{160, 132}, {166, 84}, {180, 84}, {186, 132}}, {190, 180, 160});
    fillPolygon(c, {{162, 86}, {173, 72}, {184, 86}}, {110, 70, 50});
    for (int k = 0; k < 4; ++k) {
        const float a = 0.5f + k * 1.5708f;
        const float ex = 173 + 36 * std::cos(a), ey = 84 + 36 * std::sin(a);
        strokeLine(c, 173, 84, ex, ey, 2, {90, 70, 50});
        const float px = -std::sin(a) * 6, py = std::cos(a) * 6;
        fillPolygon(c,
                    {{173 + 8 * std::cos(a), 84 + 8 * std::sin(a)},
                     {ex, ey},
                     {ex + px, ey + py},
                     {173 + 8 * std::cos(a) + px, 84 + 8 * std::sin(a) + py}},
                    {240, 236, 220});
    }
    // Pools reflecting the sky.
    fillEllipse(c, 90, 170, 70, 12, {180, 214, 214});
    fillEllipse(c, 190, 200, 50, 10, {170, 206, 210});
    fillEllipse(c, 70, 222, 40, 8, {170, 206, 210});
    // Reeds and bulrushes.
    Lcg rng(7);
    for (int i = 0; i < 70; ++i) {
        const float x = rng.range(10, 246), base = rng.range(176, 250), h = rng.range(16, 44);
        const float lean = rng.range(-4, 4);
        strokeLine(c, x, base, x + lean, base - h, 1.6f,
                   mix(Rgb{70, 100, 40}, Rgb{150, 160, 70}, rng.next()));
        if (rng.next() > 0.7f)
            fillRoundRect(c, x + lean - 2, base - h - 2, x + lean + 2, base - h + 10, 2, {110, 70, 40});
    }
    bird(c, 120, 70, 6, {50, 60, 50});
}

void sceneGreywood(Canvas& c) {
    skyGradient(c, {186, 192, 200}, {224, 226, 228});
    const Rgb layers[4] = {{180, 186, 194}, {150, 156, 166}, {118, 124, 136}, {86, 90, 102}};
    Lcg rng(3);
    for (int l = 0; l < 4; ++l) {
        const float base = 150 + l * 26.0f;
        for (int i = 0; i < 9; ++i) {
            const float x = rng.range(0, 256), h = 70 + l * 24 + rng.range(0, 30);
            const float w = 3 + l * 2.0f;
            fillRect(c, x - w / 2, base - h, x + w / 2, base + 40, layers[l]);
            fillEllipse(c, x, base - h + 10, 14 + l * 5.0f, 24 + l * 6.0f, layers[l]);
            strokeLine(c, x, base - h * 0.55f, x + 14 + l * 3, base - h * 0.75f, 2 + l * 0.6f, layers[l]);
        }
        // Mist between the rows.
        paintSoft(c, 0, base - 30, 256, base + 30, {236, 238, 240},
                  [base](float, float y) { return 0.45f * (1 - std::fabs(y - base) / 30); });
    }
    // A path winding into the wood.
    fillPolygon(c, {{110, 256}, {150, 256}, {136, 200}, {128, 176}, {122, 176}, {124, 200}}, {200, 196, 186});
}

void sceneCloudhaven(Canvas& c) {
    skyGradient(c, {80, 150, 230}, {190, 226, 250});
    cloud(c, 60, 210, 40, white);
    cloud(c, 200, 220, 46, white);
    cloud(c, 200, 70, 18, white, 0.85f);
    cloud(c, 50, 60, 14, white, 0.8f);
    // The floating island, its rock hanging beneath.
    fillPolygon(c, {{60, 140}, {196, 140}, {170, 170}, {150, 200}, {128, 226}, {112, 196}, {84, 168}},
                {130, 100, 80});
    fillPolygon(c, {{60, 140}, {196, 140}, {180, 150}, {70, 150}}, {100, 160, 80});
    fillEllipse(c, 128, 140, 70, 10, {120, 190, 90});
    // A waterfall pouring off the edge.
    fillRect(c, 176, 146, 184, 210, {220, 240, 255}, 0.85f);
    cloud(c, 180, 212, 10, white, 0.9f);
    // The castle with blue roofs.
    const Rgb wall = {246, 242, 232}, roof = {60, 100, 190};
    fillRect(c, 100, 96, 156, 140, wall);
    for (float x = 100; x < 156; x += 8) fillRect(c, x, 92, x + 4, 96, wall);
    fillRect(c, 88, 80, 104, 140, wall);
    fillPolygon(c, {{85, 80}, {96, 56}, {107, 80}}, roof);
    fillRect(c, 152, 74, 168, 140, wall);
    fillPolygon(c, {{149, 74}, {160, 46}, {171, 74}}, roof);
    fillRect(c, 120, 70, 136, 140, wall);
    fillPolygon(c, {{117, 70}, {128, 36}, {139, 70}}, roof);
    strokeLine(c, 128, 36, 128, 24, 1.2f, {80, 80, 80});
    fillPolygon(c, {{128, 24}, {140, 27}, {128, 30}}, {220, 60, 60});
    fillRoundRect(c, 122, 118, 134, 140, 6, {120, 90, 70});
    for (float x : {93.0f, 157.0f, 125.0f}) fillRect(c, x, 90, x + 5, 98, {90, 120, 200});
    bird(c, 60, 100, 6, {60, 70, 100});
    bird(c, 78, 110, 4, {60, 70, 100});
}

void sceneFrostmere(Canvas& c) {
    skyGradient(c, {150, 190, 230}, {230, 240, 250}, 0, 150);
    // Snowy peaks with their shaded sides.
    const float peaks[3][3] = {{70, 60, 80}, {150, 40, 90}, {220, 76, 70}};
    for (const auto& p : peaks) {
        fillPolygon(c, {{p[0] - p[2], 150}, {p[0], p[1]}, {p[0] + p[2], 150}}, {150, 170, 200});
        fillPolygon(c, {{p[0], p[1]}, {p[0] + p[2], 150}, {p[0] + p[2] * 0.3f, 150}}, {120, 140, 180});
        fillPolygon(c,
                    {{p[0] - p[2] * 0.38f, p[1] + 30},
                     {p[0], p[1]},
                     {p[0] + p[2] * 0.38f, p[1] + 30},
                     {p[0] + 10, p[1] + 22},
                     {p[0] - 6, p[1] + 34}},
                    {250, 252, 255});
    }
    // The frozen mere.
    fillRect(c, 0, 150, 256, 256, {200, 230, 244});
    fillGradientRect(c, 0, 150, 256, 200, {180, 214, 236}, {214, 238, 250});
    strokePolyline(c, {{40, 190}, {80, 200}, {96, 230}}, 1.2f, {150, 190, 220});
    strokePolyline(c, {{80, 200}, {130, 196}, {170, 214}, {220, 206}}, 1.2f, {150, 190, 220});
    strokePolyline(c, {{170, 214}, {180, 246}}, 1.2f, {150, 190, 220});
    // Snow banks and pines on the near shore.
    fillEllipse(c, 40, 250, 80, 26, {250, 252, 255});
    fillEllipse(c, 220, 254, 70, 24, {250, 252, 255});
    for (float x : {24.0f, 44.0f, 206.0f, 230.0f}) {
        pine(c, x, 240, 60, {40, 90, 80});
        fillPolygon(c, {{x, 184}, {x + 6, 194}, {x - 6, 194}}, white);
    }
    Lcg rng(9);
    for (int i = 0; i < 50; ++i)
        fillCircle(c, rng.range(15, 240), rng.range(15, 240), rng.range(0.8f, 1.8f), white, 0.9f);
}

void scenePlainsreach(Canvas& c) {
    skyGradient(c, {90, 160, 230}, {210, 230, 246}, 0, 140);
    cloud(c, 70, 70, 26, white);
    cloud(c, 180, 56, 20, white, 0.9f);
    cloud(c, 210, 100, 12, white, 0.8f);
    ridge(c, {150, 170, 130}, 138, 5, 26, 2);
    fillGradientRect(c, 0, 140, 256, 256, {226, 190, 80}, {200, 150, 40});
    // The long road to the horizon.
    fillPolygon(c, {{124, 140}, {132, 140}, {190, 256}, {66, 256}}, {170, 140, 100});
    strokeLine(c, 128, 150, 128, 256, 1.5f, {240, 226, 190}, 0.7f);
    // A farmstead and its wind pump.
    cottage(c, 170, 146, 22, 12, {240, 230, 210}, {170, 60, 40});
    fillRect(c, 200, 112, 202, 146, {90, 80, 70});
    for (int k = 0; k < 8; ++k) {
        const float a = k * 0.785f;
        strokeLine(c, 201, 112, 201 + 10 * std::cos(a), 112 + 10 * std::sin(a), 1.2f, {90, 80, 70});
    }
    // Ears of wheat close by.
    Lcg rng(4);
    for (int i = 0; i < 80; ++i) {
        const float x = rng.range(10, 246), base = rng.range(200, 256), h = rng.range(18, 40);
        if (x > 60 && x < 196 && base < 236) continue;
        strokeLine(c, x, base, x + 3, base - h, 1.2f, {180, 130, 30});
        fillEllipse(c, x + 3, base - h - 4, 2.2f, 5, {240, 200, 80});
    }
}

void sceneLorneMoon(Canvas& c) {
    skyGradient(c, {10, 16, 50}, {50, 60, 110});
    starField(c, 90, 17, 170);
    glow(c, 150, 90, 90, {180, 190, 255}, 0.35f);
    fillCircle(c, 150, 90, 46, {240, 236, 214});
    fillCircle(c, 136, 78, 9, {210, 206, 186});
    fillCircle(c, 166, 104, 12, {214, 210, 190});
    fillCircle(c, 160, 72, 5, {210, 206, 186});
    fillCircle(c, 140, 112, 4, {210, 206, 186});
    ridge(c, {30, 36, 70}, 186, 12, 40, 0.5f);
    ridge(c, {16, 20, 44}, 214, 10, 30, 2.5f);
    // The lone tower with its lit window.
    fillRect(c, 70, 120, 92, 200, {14, 18, 40});
    for (float x = 68; x < 94; x += 6) fillRect(c, x, 114, x + 3, 120, {14, 18, 40});
    fillRoundRect(c, 77, 140, 85, 154, 4, {255, 214, 120});
    glow(c, 81, 147, 16, {255, 214, 120}, 0.5f);
    // A bare tree on the right.
    strokePolyline(c, {{200, 230}, {204, 190}, {196, 160}}, 4, {16, 20, 44});
    strokePolyline(c, {{203, 196}, {222, 176}, {230, 168}}, 2.5f, {16, 20, 44});
    strokePolyline(c, {{200, 178}, {184, 160}}, 2, {16, 20, 44});
}

void sceneTallforest(Canvas& c) {
    skyGradient(c, {170, 220, 200}, {240, 246, 220});
    Lcg rng(21);
    const Rgb rows[3] = {{120, 170, 140}, {60, 130, 90}, {24, 80, 50}};
    for (int r = 0; r < 3; ++r)
        for (int i = 0; i < 8 - r; ++i) {
            const float x = rng.range(0, 256), h = 120 + r * 50 + rng.range(0, 30);
            pine(c, x, 200 + r * 30.0f, h, rows[r]);
        }
    // Light falling between the trunks.
    for (int k = 0; k < 3; ++k) {
        const float x = 70 + k * 50.0f;
        fillPolygon(c, {{x, 0}, {x + 16, 0}, {x + 60, 256}, {x + 30, 256}}, {255, 250, 210}, 0.18f);
    }
    fillRect(c, 0, 238, 256, 256, {50, 90, 40});
    // Ferns along the floor.
    for (int i = 0; i < 12; ++i) {
        const float x = rng.range(20, 236);
        for (int k = -2; k <= 2; ++k)
            strokeLine(c, x, 246, x + k * 7, 230 + std::abs(k) * 3.0f, 2, {90, 150, 60});
    }
}

void sceneCinderfall(Canvas& c) {
    skyGradient(c, {60, 20, 30}, {230, 110, 50});
    glow(c, 128, 90, 100, {255, 140, 40}, 0.5f);
    // Ash clouds above the crater.
    for (int i = 0; i < 6; ++i)
        cloud(c, 90 + i * 16.0f, 60 - (i % 2) * 10.0f, 18 + i % 3 * 4.0f, {70, 60, 66}, 0.95f);
    // The volcano and its lava falls.
    fillPolygon(c, {{0, 240}, {100, 100}, {156, 100}, {256, 240}, {256, 256}, {0, 256}}, {60, 40, 40});
    fillPolygon(c, {{100, 100}, {156, 100}, {256, 240}, {200, 240}, {150, 140}}, {44, 30, 32});
    fillEllipse(c, 128, 101, 28, 5, {255, 170, 50});
    glow(c, 128, 100, 40, {255, 200, 90}, 0.8f);
    strokePolyline(c, {{116, 104}, {104, 140}, {110, 170}, {92, 210}, {84, 256}}, 6, {250, 110, 30});
    strokePolyline(c, {{116, 104}, {104, 140}, {110, 170}, {92, 210}, {84, 256}}, 2.5f, {255, 220, 100});
    strokePolyline(c, {{140, 104}, {152, 150}, {170, 190}, {176, 256}}, 5, {250, 110, 30});
    strokePolyline(c, {{140, 104}, {152, 150}, {170, 190}, {176, 256}}, 2, {255, 220, 100});
    Lcg rng(13);
    for (int i = 0; i < 40; ++i)
        fillCircle(c, rng.range(60, 200), rng.range(30, 120), rng.range(0.8f, 1.8f), {255, 190, 80}, 0.9f);
}

void sceneSinkhollow(Canvas& c) {
    skyGradient(c, {150, 200, 230}, {220, 236, 240}, 0, 100);
    ridge(c, {110, 150, 100}, 100, 6, 30, 1);
    fillGradientRect(c, 0, 104, 256, 256, {120, 170, 90}, {90, 140, 60});
    // The great hollow: rim, earth walls, then darkness.
    fillEllipse(c, 128, 170, 96, 52, {150, 110, 70});
    fillEllipse(c, 128, 176, 86, 44, {110, 76, 50});
    fillEllipse(c, 128, 182, 74, 36, {70, 48, 36});
    fillEllipse(c, 128, 188, 60, 28, {30, 22, 24});
    fillEllipse(c, 128, 192, 40, 16, {12, 10, 14});
    // A stream tumbling over the far lip, with mist below.
    fillRect(c, 100, 122, 110, 190, {210, 234, 250}, 0.9f);
    glow(c, 105, 192, 24, {230, 240, 250}, 0.6f);
    // Hanging vines on the near wall.
    Lcg rng(8);
    for (int i = 0; i < 14; ++i) {
        const float x = rng.range(50, 206);
        strokeLine(c, x, 214 - std::fabs(x - 128) * 0.3f, x + rng.range(-3, 3), 186 + rng.range(0, 12), 1.5f,
                   {60, 120, 50});
    }
    // Houses around the rim.
    cottage(c, 40, 128, 20, 12, {240, 230, 210}, {170, 60, 40});
    cottage(c, 150, 116, 18, 11, {240, 230, 210}, {60, 90, 160});
    cottage(c, 190, 132, 20, 12, {240, 230, 210}, {170, 60, 40});
    roundTree(c, 70, 128, 30, {60, 130, 60}, {90, 60, 40});
    roundTree(c, 224, 150, 34, {60, 130, 60}, {90, 60, 40});
}
