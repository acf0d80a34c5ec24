// Scenes of the later street groups: mine, vale, harbour, spire, sea, lake, reef, shipyard,
// cliffs and the two buildings of the capital.
#include <cmath>

#include "tools/artpaint/scene.h"

namespace {
const Rgb white = {255, 255, 255};

void crystal(Canvas& c, float x, float base, float h, float w, Rgb colour) {
    fillPolygon(
        c,
        {{x - w, base}, {x - w, base - h * 0.75f}, {x, base - h}, {x + w, base - h * 0.75f}, {x + w, base}},
        colour);
    fillPolygon(c, {{x, base}, {x, base - h}, {x + w, base - h * 0.75f}, {x + w, base}},
                scale(colour, 0.85f));
}

void sailboat(Canvas& c, float x, float y, float s, Rgb hull, Rgb sail) {
    fillPolygon(c, {{x - s, y}, {x + s, y}, {x + s * 0.7f, y + s * 0.35f}, {x - s * 0.7f, y + s * 0.35f}},
                hull);
    strokeLine(c, x, y, x, y - s * 1.6f, 1.2f, {70, 60, 50});
    fillPolygon(c, {{x + 1, y - s * 1.55f}, {x + 1, y - 2}, {x + s * 0.9f, y - 2}}, sail);
    fillPolygon(c, {{x - 1, y - s * 1.3f}, {x - 1, y - 2}, {x - s * 0.6f, y - 2}}, scale(sail, 0.9f));
}

void wave(Canvas& c, float y, float amp, float len, float phase, Rgb colour, Rgb foam) {
    std::vector<Pt> poly, crest;
    for (float x = -4; x <= 260; x += 3) {
        const float yy = y - amp * std::sin(x / len + phase);
        poly.push_back({x, yy});
        crest.push_back({x, yy});
    }
    poly.push_back({260, 260});
    poly.push_back({-4, 260});
    fillPolygon(c, poly, colour);
    strokePolyline(c, crest, 2, foam, 0.8f);
}
}  // namespace

void sceneBrinemine(Canvas& c) {
    skyGradient(c, {150, 190, 230}, {240, 226, 230}, 0, 120);
    // Salt cliffs in pale pinks.
    fillPolygon(c, {{0, 60}, {60, 40}, {120, 56}, {190, 36}, {256, 60}, {256, 256}, {0, 256}},
                {236, 214, 214});
    fillPolygon(c, {{0, 100}, {80, 84}, {160, 100}, {256, 90}, {256, 256}, {0, 256}}, {220, 190, 194});
    for (int i = 0; i < 6; ++i)
        strokeLine(c, 0, 110 + i * 10.0f, 256, 104 + i * 11.0f, 1.5f, {200, 170, 176}, 0.6f);
    // The timbered mouth of the mine.
    fillRoundRect(c, 84, 100, 172, 200, 40, {30, 24, 30});
    fillRect(c, 80, 104, 90, 200, {120, 80, 50});
    fillRect(c, 166, 104, 176, 200, {120, 80, 50});
    fillRect(c, 76, 96, 180, 108, {140, 96, 60});
    glow(c, 128, 160, 30, {255, 190, 100}, 0.35f);
    fillCircle(c, 128, 130, 3, {255, 220, 130});
    // Rails and a cart heaped with salt.
    fillRect(c, 0, 200, 256, 256, {170, 140, 130});
    fillPolygon(c, {{112, 200}, {144, 200}, {200, 256}, {56, 256}}, {140, 110, 100});
    strokeLine(c, 116, 200, 66, 256, 2.5f, {80, 80, 90});
    strokeLine(c, 140, 200, 190, 256, 2.5f, {80, 80, 90});
    for (int k = 0; k < 5; ++k) {
        const float t = k / 4.0f, y = 204 + t * 50, half = 14 + t * 52;
        strokeLine(c, 128 - half, y, 128 + half, y, 2.5f, {110, 80, 60});
    }
    fillPolygon(c, {{92, 200}, {164, 200}, {156, 232}, {100, 232}}, {90, 90, 100});
    fillCircle(c, 108, 234, 7, {50, 50, 56});
    fillCircle(c, 148, 234, 7, {50, 50, 56});
    crystal(c, 110, 202, 22, 9, {250, 246, 250});
    crystal(c, 130, 202, 30, 10, {250, 220, 230});
    crystal(c, 148, 202, 20, 8, {246, 240, 250});
    // Crystals sprouting from the cliff.
    crystal(c, 40, 200, 44, 12, {250, 220, 232});
    crystal(c, 58, 200, 28, 9, {250, 246, 250});
    crystal(c, 206, 200, 38, 11, {250, 226, 236});
    fillCircle(c, 36, 166, 2, white);
    fillCircle(c, 204, 172, 2, white);
}

void sceneAshvale(Canvas& c) {
    skyGradient(c, {220, 170, 120}, {240, 214, 170}, 0, 140);
    glow(c, 170, 80, 50, {255, 236, 200}, 0.6f);
    fillCircle(c, 170, 80, 16, {255, 238, 210});
    ridge(c, {170, 150, 150}, 120, 16, 34, 0.2f);
    ridge(c, {140, 122, 128}, 146, 14, 28, 1.8f);
    ridge(c, {110, 96, 104}, 176, 10, 40, 3.1f);
    fillGradientRect(c, 0, 190, 256, 256, {180, 168, 150}, {150, 140, 126});
    // A river winding down the pale valley floor, widening as it nears.
    std::vector<Pt> river;
    for (float y = 176; y <= 258; y += 2) {
        const float t = (y - 176) / 80;
        river.push_back({128 + 26 * std::sin(t * 5.5f) * (0.4f + t), y});
    }
    for (size_t i = 1; i < river.size(); ++i) {
        const float t = (river[i].y - 176) / 80;
        strokeLine(c, river[i - 1].x, river[i - 1].y, river[i].x, river[i].y, 3 + 14 * t, {170, 196, 214});
    }
    strokePolyline(c, river, 2, {226, 238, 246}, 0.8f);
    // Ash trees in autumn gold.
    roundTree(c, 54, 230, 70, {220, 170, 60}, {90, 80, 76});
    roundTree(c, 200, 236, 80, {230, 190, 80}, {90, 80, 76});
    roundTree(c, 176, 200, 40, {210, 150, 60}, {90, 80, 76});
    Lcg rng(31);
    for (int i = 0; i < 30; ++i)
        fillCircle(c, rng.range(20, 236), rng.range(20, 200), rng.range(0.8f, 1.6f), {250, 246, 240}, 0.6f);
}

void sceneRookHarbor(Canvas& c) {
    skyGradient(c, {120, 170, 220}, {220, 236, 246}, 0, 150);
    cloud(c, 200, 60, 18, white, 0.9f);
    waterBand(c, 150, 256, {90, 140, 190}, {40, 80, 130}, {220, 236, 250}, 23);
    // The harbour wall curving out to the light.
    fillPolygon(c, {{0, 170}, {150, 158}, {170, 164}, {170, 172}, {0, 190}}, {150, 146, 140});
    for (float x = 10; x < 160; x += 16)
        strokeLine(c, x, 172 - x * 0.07f, x, 184 - x * 0.1f, 1, {110, 106, 100});
    fillPolygon(c, {{150, 160}, {156, 100}, {172, 100}, {178, 162}}, white);
    fillRect(c, 153, 120, 175, 130, {200, 40, 40});
    fillRect(c, 151, 144, 177, 154, {200, 40, 40});
    fillRect(c, 154, 88, 174, 100, {60, 60, 70});
    fillRect(c, 157, 90, 171, 98, {255, 236, 150});
    fillPolygon(c, {{152, 88}, {164, 74}, {176, 88}}, {60, 60, 70});
    fillPolygon(c, {{171, 94}, {246, 76}, {246, 110}}, {255, 240, 180}, 0.3f);
    sailboat(c, 80, 208, 20, {130, 60, 40}, {250, 246, 236});
    sailboat(c, 210, 190, 14, {40, 60, 120}, {250, 236, 220});
    // Rooks on a mooring post and in the air.
    fillRect(c, 40, 200, 46, 250, {90, 70, 50});
    fillEllipse(c, 43, 194, 8, 6, {20, 20, 26});
    fillCircle(c, 48, 189, 4, {20, 20, 26});
    fillPolygon(c, {{51, 188}, {57, 190}, {51, 191}}, {60, 60, 60});
    bird(c, 90, 60, 9, {20, 20, 26});
    bird(c, 112, 48, 7, {20, 20, 26});
    bird(c, 70, 80, 6, {20, 20, 26});
}

void sceneRedspire(Canvas& c) {
    skyGradient(c, {70, 50, 110}, {240, 150, 120});
    starField(c, 20, 41, 80);
    // Town roofs at the foot of the spire.
    for (int i = 0; i < 7; ++i) {
        const float x = 10 + i * 36.0f, h = 30 + (i * 13 % 20);
        fillRect(c, x, 256 - h - 40, x + 32, 256, {90, 60, 80});
        fillPolygon(c, {{x - 3, 256 - h - 40}, {x + 16, 256 - h - 58}, {x + 35, 256 - h - 40}},
                    {120, 60, 60});
        fillRect(c, x + 8, 256 - h - 28, x + 14, 256 - h - 20, {255, 210, 120});
    }
    // The spire itself.
    const Rgb red = {200, 50, 44}, shade = {150, 30, 30};
    fillRect(c, 110, 90, 146, 256, red);
    fillRect(c, 128, 90, 146, 256, shade);
    for (float y : {120.0f, 170.0f, 214.0f}) {
        fillRect(c, 104, y, 152, y + 6, {240, 200, 120});
        fillRoundRect(c, 122, y + 14, 134, y + 32, 6, {255, 220, 140});
    }
    fillPolygon(c, {{102, 92}, {128, 8}, {154, 92}}, red);
    fillPolygon(c, {{128, 8}, {154, 92}, {128, 92}}, shade);
    fillRect(c, 100, 88, 156, 94, {240, 200, 120});
    strokeLine(c, 128, 8, 128, 0, 1.5f, {60, 40, 40});
}

void sceneTidewater(Canvas& c) {
    skyGradient(c, {250, 200, 140}, {250, 236, 200}, 0, 140);
    sunDisc(c, 190, 96, 20, {255, 200, 120});
    wave(c, 140, 4, 14, 0, {70, 130, 170}, {220, 240, 250});
    wave(c, 170, 6, 18, 1, {50, 110, 160}, {220, 240, 250});
    wave(c, 204, 8, 22, 2, {30, 90, 140}, {230, 244, 250});
    // A great curling wave from the left.
    fillPolygon(c,
                {{0, 256},
                 {0, 120},
                 {30, 80},
                 {70, 60},
                 {104, 64},
                 {120, 80},
                 {104, 84},
                 {90, 96},
                 {96, 112},
                 {120, 150},
                 {160, 200},
                 {200, 256}},
                {30, 90, 150});
    fillPolygon(c, {{0, 256}, {0, 150}, {30, 110}, {64, 96}, {80, 110}, {100, 150}, {140, 210}, {160, 256}},
                {20, 70, 130});
    strokePolyline(c, {{30, 80}, {70, 60}, {104, 64}, {120, 80}}, 5, {236, 246, 250});
    for (int i = 0; i < 7; ++i)
        fillCircle(c, 60 + i * 10.0f, 64 + (i % 2) * 4.0f - (i > 3 ? 0 : 0), 5, white);
    fillCircle(c, 116, 84, 4, white);
    fillCircle(c, 108, 90, 3, white);
    for (int i = 0; i < 6; ++i)
        strokeLine(c, 20 + i * 8.0f, 130 + i * 12.0f, 40 + i * 12.0f, 120 + i * 14.0f, 2, {120, 180, 220},
                   0.7f);
}

void sceneLakeshire(Canvas& c) {
    skyGradient(c, {130, 190, 240}, {226, 240, 250}, 0, 130);
    cloud(c, 70, 50, 18, white, 0.9f);
    ridge(c, {100, 160, 100}, 120, 14, 30, 0.7f);
    ridge(c, {80, 140, 80}, 134, 8, 24, 2.0f);
    waterBand(c, 140, 256, {150, 200, 230}, {80, 140, 190}, {236, 246, 250}, 29);
    // Reflections of the hills.
    fillPolygon(c, {{0, 140}, {256, 140}, {256, 156}, {180, 150}, {90, 158}, {0, 150}}, {90, 150, 110},
                0.35f);
    // Cottages on the near shore and their little jetty.
    fillPolygon(c, {{0, 200}, {120, 196}, {170, 214}, {190, 256}, {0, 256}}, {110, 170, 80});
    cottage(c, 24, 206, 28, 18, {246, 240, 226}, {190, 70, 50});
    cottage(c, 64, 204, 24, 16, {246, 236, 210}, {170, 60, 50});
    roundTree(c, 104, 206, 34, {60, 130, 60}, {90, 60, 40});
    fillRect(c, 120, 204, 190, 209, {130, 90, 60});
    for (float x = 124; x < 190; x += 16) fillRect(c, x, 208, x + 3, 220, {90, 60, 40});
    // A rowing boat and a swan.
    fillPolygon(c, {{170, 230}, {214, 230}, {206, 238}, {176, 238}}, {160, 70, 40});
    fillEllipse(c, 210, 180, 9, 4, white);
    strokePolyline(c, {{216, 180}, {218, 172}, {215, 168}}, 2, white);
    fillPolygon(c, {{214, 168}, {210, 169}, {214, 170}}, {240, 150, 40});
}

void sceneDeepcoral(Canvas& c) {
    skyGradient(c, {60, 170, 210}, {10, 40, 90});
    for (int k = 0; k < 4; ++k) {
        const float x = 40 + k * 50.0f;
        fillPolygon(c, {{x, 0}, {x + 20, 0}, {x + 50, 256}, {x + 10, 256}}, {200, 240, 255}, 0.12f);
    }
    fillEllipse(c, 128, 260, 160, 40, {200, 180, 130});
    // Branching corals.
    auto branch = [&](float x, float y, float len, float angle, int depth, Rgb colour, auto& self) -> void {
        const float ex = x + len * std::cos(angle), ey = y - len * std::sin(angle);
        strokeLine(c, x, y, ex, ey, 2 + depth * 1.3f, colour);
        if (depth == 0) {
            fillCircle(c, ex, ey, 2.5f, mix(colour, white, 0.3f));
            return;
        }
        self(ex, ey, len * 0.72f, angle + 0.45f, depth - 1, colour, self);
        self(ex, ey, len * 0.72f, angle - 0.4f, depth - 1, colour, self);
    };
    branch(70, 240, 30, 1.7f, 3, {240, 110, 120}, branch);
    branch(180, 244, 34, 1.45f, 3, {250, 160, 80}, branch);
    branch(128, 250, 22, 1.57f, 2, {200, 90, 200}, branch);
    // A sea fan and round brain coral.
    for (int k = 0; k < 9; ++k) {
        const float a = 0.5f + k * 0.27f;
        strokeLine(c, 30, 232, 30 + 34 * std::cos(a), 232 - 34 * std::sin(a), 1.5f, {250, 200, 90});
    }
    fillEllipse(c, 222, 232, 22, 16, {240, 180, 120});
    // Fish.
    auto fish = [&](float x, float y, float s, Rgb body, bool left) {
        const float d = left ? -1.0f : 1.0f;
        fillPolygon(c, {{x - d * s, y}, {x - d * s * 1.6f, y - s * 0.5f}, {x - d * s * 1.6f, y + s * 0.5f}},
                    body);
        fillEllipse(c, x, y, s, s * 0.55f, body);
        fillCircle(c, x + d * s * 0.55f, y - s * 0.12f, s * 0.12f, {20, 20, 30});
    };
    fish(90, 110, 14, {250, 200, 40}, false);
    fish(170, 80, 11, {250, 120, 60}, true);
    fish(160, 150, 9, {120, 200, 250}, true);
    fish(60, 160, 8, {250, 120, 60}, false);
    for (int i = 0; i < 8; ++i)
        fillRing(c, 110 + i * 3.0f, 90 - i * 10.0f, 1.5f + i * 0.2f, 2.5f + i * 0.25f, white, 0.7f);
}

void sceneShipwright(Canvas& c) {
    skyGradient(c, {240, 170, 110}, {250, 230, 190}, 0, 170);
    waterBand(c, 170, 256, {120, 140, 170}, {70, 90, 130}, {250, 220, 180}, 37);
    // The slipway and a hull taking shape on it, ribs still showing at the bow.
    fillPolygon(c, {{0, 190}, {256, 170}, {256, 200}, {0, 226}}, {120, 96, 70});
    const Rgb plank = {150, 90, 50}, rib = {90, 56, 30};
    fillPolygon(c, {{40, 150}, {190, 140}, {170, 186}, {70, 192}}, plank);
    for (int k = 0; k < 5; ++k)
        strokeLine(c, 46 + k * 2.0f, 156 + k * 7.0f, 186 - k * 4.0f, 146 + k * 8.0f, 1, rib, 0.7f);
    for (float x = 150; x <= 214; x += 10)
        strokePolyline(c, {{x, 138 - (x - 150) * 0.1f}, {x - 6, 170}, {x - 18, 184}}, 3, rib);
    strokeLine(c, 150, 138, 214, 132, 3, rib);
    // Scaffolding poles and a crane.
    for (float x : {50.0f, 100.0f, 150.0f}) strokeLine(c, x, 110, x, 196, 2.5f, {80, 60, 40});
    strokeLine(c, 46, 116, 154, 110, 2, {80, 60, 40});
    strokeLine(c, 220, 60, 220, 180, 4, {70, 60, 60});
    strokeLine(c, 150, 60, 240, 60, 3, {70, 60, 60});
    strokeLine(c, 220, 60, 200, 80, 2, {70, 60, 60});
    strokeLine(c, 170, 60, 170, 104, 1, {40, 40, 40});
    fillRect(c, 160, 104, 180, 114, {150, 90, 50});
    bird(c, 70, 60, 6, {80, 50, 40});
}

void sceneWhitecliff(Canvas& c) {
    skyGradient(c, {100, 170, 230}, {210, 232, 248}, 0, 140);
    cloud(c, 190, 56, 22, white);
    waterBand(c, 140, 256, {60, 140, 190}, {20, 80, 140}, {220, 240, 250}, 43);
    // Chalk cliffs falling to the sea, grass on their crowns.
    fillPolygon(c, {{0, 90}, {140, 96}, {150, 120}, {136, 150}, {150, 200}, {130, 256}, {0, 256}},
                {246, 244, 236});
    fillPolygon(c,
                {{100, 96},
                 {140, 96},
                 {150, 120},
                 {136, 150},
                 {150, 200},
                 {130, 256},
                 {110, 256},
                 {120, 200},
                 {106, 150},
                 {118, 120}},
                {214, 214, 210});
    for (int i = 0; i < 5; ++i)
        strokeLine(c, 20 + i * 20.0f, 110 + i * 20.0f, 60 + i * 14.0f, 112 + i * 22.0f, 1.2f,
                   {200, 200, 196});
    fillPolygon(c, {{0, 80}, {146, 88}, {142, 98}, {0, 94}}, {100, 170, 80});
    fillPolygon(c, {{160, 140}, {256, 128}, {256, 256}, {240, 256}}, {240, 238, 230}, 0.0f);
    // Surf at the foot of the cliff and a cottage on top.
    for (int i = 0; i < 5; ++i) fillEllipse(c, 146 + i * 6.0f, 200 + i * 12.0f, 10, 3, white, 0.8f);
    cottage(c, 30, 84, 24, 14, {250, 246, 236}, {60, 80, 140});
    bird(c, 190, 110, 7, {90, 90, 100});
    bird(c, 210, 96, 5, {90, 90, 100});
}

void sceneGrandLibrary(Canvas& c) {
    // Inside the reading hall: a tall arched window between walls of books.
    fillRect(c, 0, 0, 256, 256, {110, 70, 46});
    fillRoundRect(c, 96, 30, 160, 200, 32, {250, 236, 190});
    fillRoundRect(c, 100, 34, 156, 196, 28, {180, 210, 240});
    glow(c, 128, 90, 60, {255, 250, 220}, 0.6f);
    strokeLine(c, 128, 34, 128, 196, 2, {110, 70, 46});
    strokeLine(c, 100, 100, 156, 100, 2, {110, 70, 46});
    const Rgb spines[6] = {{170, 40, 40},  {40, 90, 160},  {40, 120, 70},
                           {200, 150, 40}, {110, 50, 110}, {230, 220, 200}};
    Lcg rng(47);
    for (int side = 0; side < 2; ++side) {
        const float x0 = side == 0 ? 10 : 166, x1 = side == 0 ? 90 : 246;
        for (int shelf = 0; shelf < 6; ++shelf) {
            const float base = 52 + shelf * 34.0f;
            fillRect(c, x0 - 4, base, x1 + 4, base + 5, {70, 40, 26});
            for (float x = x0; x < x1 - 4;) {
                const float w = rng.range(4, 8), h = rng.range(20, 28);
                fillRect(c, x, base - h, x + w - 1, base, spines[static_cast<int>(rng.next() * 6) % 6]);
                fillRect(c, x + 1, base - h + 4, x + w - 2, base - h + 6, {240, 210, 120}, 0.7f);
                x += w;
            }
        }
    }
    // A reading desk with an open book and a lamp.
    fillRect(c, 70, 214, 186, 222, {90, 56, 34});
    fillRect(c, 80, 222, 88, 256, {90, 56, 34});
    fillRect(c, 168, 222, 176, 256, {90, 56, 34});
    fillPolygon(c, {{100, 212}, {128, 206}, {156, 212}, {156, 214}, {100, 214}}, {250, 244, 226});
    strokeLine(c, 128, 206, 128, 213, 1, {150, 120, 90});
    fillRect(c, 160, 190, 162, 212, {200, 170, 60});
    fillPolygon(c, {{152, 192}, {161, 180}, {170, 192}}, {60, 120, 70});
    glow(c, 161, 196, 20, {255, 230, 150}, 0.5f);
}

void sceneParliament(Canvas& c) {
    skyGradient(c, {60, 100, 180}, {200, 220, 246}, 0, 200);
    cloud(c, 50, 70, 16, white, 0.7f);
    // The great dome on its drum, flags on the wings, columns and steps.
    const Rgb stone = {236, 230, 214}, shade = {200, 192, 176}, gold = {230, 180, 60};
    fillRect(c, 20, 150, 236, 210, stone);
    for (float x = 28; x < 230; x += 14) fillRect(c, x, 160, x + 6, 206, shade);
    fillPolygon(c, {{14, 152}, {128, 122}, {242, 152}}, stone);
    fillRect(c, 84, 110, 172, 152, stone);
    for (float x = 90; x < 170; x += 12) fillRect(c, x, 116, x + 5, 150, shade);
    fillEllipse(c, 128, 110, 44, 44, stone);
    fillRect(c, 80, 110, 176, 124, stone);
    fillEllipse(c, 116, 96, 12, 24, {255, 255, 250}, 0.5f);
    for (int k = -2; k <= 2; ++k)
        strokeLine(c, 128 + k * 16.0f, 72 + std::abs(k) * 6.0f, 128 + k * 20.0f, 110, 1.2f, shade);
    fillRect(c, 124, 52, 132, 68, stone);
    fillCircle(c, 128, 50, 5, gold);
    strokeLine(c, 128, 48, 128, 28, 1.5f, {80, 80, 80});
    fillPolygon(c, {{128, 28}, {148, 32}, {128, 38}}, {200, 40, 50});
    for (float x : {30.0f, 226.0f}) {
        strokeLine(c, x, 150, x, 118, 1.5f, {80, 80, 80});
        fillPolygon(c, {{x, 118}, {x + 14, 122}, {x, 126}}, {40, 80, 180});
    }
    for (int step = 0; step < 5; ++step)
        fillRect(c, 60 - step * 10.0f, 210 + step * 8.0f, 196 + step * 10.0f, 218 + step * 8.0f,
                 step % 2 ? shade : stone);
    fillRoundRect(c, 116, 176, 140, 210, 10, {120, 90, 60});
}
