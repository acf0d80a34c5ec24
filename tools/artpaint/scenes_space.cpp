// Scenes of the spaceships and the iron moons.
#include <cmath>

#include "tools/artpaint/scene.h"

namespace {
const Rgb white = {255, 255, 255};

// Local drawing frame: x along the ship's length, y across it, turned and scaled.
struct Frame {
    float cx, cy, s, angle;
    Pt operator()(float x, float y) const {
        const float ca = std::cos(angle), sa = std::sin(angle);
        return {cx + (x * ca - y * sa) * s, cy + (x * sa + y * ca) * s};
    }
    std::vector<Pt> poly(std::initializer_list<Pt> pts) const {
        std::vector<Pt> out;
        for (const Pt& p : pts) out.push_back((*this)(p.x, p.y));
        return out;
    }
};

void space(Canvas& c, Rgb top, Rgb bottom, uint32_t seed) {
    skyGradient(c, top, bottom);
    starField(c, 120, seed);
}

void planet(Canvas& c, float x, float y, float r, Rgb day, Rgb night, Rgb air) {
    glow(c, x, y, r * 1.15f, air, 0.7f);
    paintShape(
        c, x - r, y - r, x + r, y + r,
        [=](float px, float py) { return (px - x) * (px - x) + (py - y) * (py - y) <= r * r; },
        [=](float px, float py) {
            const float t = clamp01(((px - x) + (py - y)) / (2.2f * r) + 0.5f);
            return mix(day, night, t);
        });
}

void engineGlow(Canvas& c, Pt p, float r, Rgb colour) {
    glow(c, p.x, p.y, r * 2.6f, colour, 0.8f);
    fillCircle(c, p.x, p.y, r, mix(colour, white, 0.6f));
}

void turret(Canvas& c, const Frame& f, float x, float y, Rgb colour) {
    const Pt p = f(x, y), q = f(x + 9, y - 1);
    strokeLine(c, p.x, p.y, q.x, q.y, 1.6f * f.s, scale(colour, 0.7f));
    fillCircle(c, p.x, p.y, 3.2f * f.s, colour);
}

void crown(Canvas& c, float x, float y, float s) {
    const Rgb gold = {246, 200, 70};
    fillPolygon(c,
                {{x - s, y + s * 0.5f},
                 {x - s, y - s * 0.4f},
                 {x - s * 0.5f, y},
                 {x, y - s * 0.7f},
                 {x + s * 0.5f, y},
                 {x + s, y - s * 0.4f},
                 {x + s, y + s * 0.5f}},
                gold);
    for (float k : {-1.0f, 0.0f, 1.0f})
        fillCircle(c, x + k * s, y - (k == 0 ? 0.75f : 0.45f) * s, s * 0.16f, gold);
    fillCircle(c, x, y + s * 0.12f, s * 0.14f, {200, 40, 60});
}
}  // namespace

void sceneHeavyDreadnought(Canvas& c) {
    space(c, {6, 8, 24}, {20, 24, 50}, 101);
    planet(c, 40, 250, 110, {90, 140, 200}, {20, 30, 60}, {120, 180, 255});
    const Frame f{132, 118, 1.0f, -0.22f};
    const Rgb hull = {120, 124, 136}, dark = {76, 80, 92}, light = {170, 174, 186};
    engineGlow(c, f(-92, -8), 6, {110, 170, 255});
    engineGlow(c, f(-92, 10), 6, {110, 170, 255});
    fillPolygon(c, f.poly({{-90, -20}, {40, -16}, {100, 0}, {40, 22}, {-90, 24}}), hull);
    fillPolygon(c, f.poly({{-90, 4}, {100, 0}, {40, 22}, {-90, 24}}), dark);
    fillPolygon(c, f.poly({{-70, -20}, {0, -18}, {-10, -34}, {-60, -34}}), light);
    fillPolygon(c, f.poly({{-50, -34}, {-26, -34}, {-30, -48}, {-46, -48}}), hull);
    for (int k = 0; k < 3; ++k) {
        const Pt w = f(-44 + k * 6.0f, -42);
        fillRect(c, w.x - 1.5f, w.y - 1.5f, w.x + 1.5f, w.y + 1.5f, {180, 220, 255});
    }
    for (float x : {-70.0f, -40.0f, 10.0f, 40.0f}) turret(c, f, x, -20, light);
    for (int k = 0; k < 8; ++k) {
        const Pt a = f(-84 + k * 20.0f, -6), b = f(-84 + k * 20.0f, 18);
        strokeLine(c, a.x, a.y, b.x, b.y, 1, scale(dark, 0.8f));
    }
    for (int k = 0; k < 10; ++k) {
        const Pt p = f(-80 + k * 16.0f, 2);
        fillCircle(c, p.x, p.y, 1.2f, {255, 230, 150});
    }
}

void sceneTroopCarrier(Canvas& c) {
    space(c, {10, 20, 30}, {20, 50, 60}, 103);
    glow(c, 60, 70, 90, {40, 140, 140}, 0.3f);
    planet(c, 210, 60, 26, {220, 200, 160}, {90, 70, 60}, {255, 220, 180});
    const Frame f{128, 140, 1.0f, -0.12f};
    const Rgb olive = {110, 130, 80}, oliveDark = {70, 86, 52}, metal = {150, 150, 156};
    for (float y : {-16.0f, 0.0f, 16.0f}) engineGlow(c, f(-96, y), 5, {255, 160, 60});
    fillPolygon(c, f.poly({{-92, -6}, {80, -6}, {80, 6}, {-92, 6}}), metal);
    // Troop modules along the spine.
    for (int k = 0; k < 4; ++k) {
        const float x0 = -80 + k * 34.0f;
        fillPolygon(c, f.poly({{x0, -26}, {x0 + 30, -26}, {x0 + 30, 26}, {x0, 26}}),
                    k % 2 ? olive : oliveDark);
        fillPolygon(c, f.poly({{x0 + 2, -24}, {x0 + 28, -24}, {x0 + 28, -18}, {x0 + 2, -18}}),
                    {200, 190, 120});
        for (int w = 0; w < 3; ++w) {
            const Pt p = f(x0 + 7 + w * 8.0f, 6);
            fillCircle(c, p.x, p.y, 1.6f, {255, 230, 150});
        }
    }
    fillPolygon(c, f.poly({{56, -20}, {90, -14}, {108, 0}, {90, 14}, {56, 20}}), olive);
    fillPolygon(c, f.poly({{84, -8}, {100, -3}, {100, 3}, {84, 8}}), {160, 220, 255});
    fillPolygon(c, f.poly({{-96, -24}, {-84, -24}, {-84, 24}, {-96, 24}}), oliveDark);
    // A white star of the union on the first module.
    const Pt s = f(-48, 0);
    fillPolygon(c, starPolygon(s.x, s.y, 9, 4), white);
    // Escorts.
    for (const Pt& e : {Pt{190, 196}, Pt{60, 200}}) {
        const Frame g{e.x, e.y, 0.5f, -0.12f};
        fillPolygon(c, g.poly({{-20, -4}, {20, 0}, {-20, 4}}), metal);
        fillPolygon(c, g.poly({{-14, 0}, {-4, -14}, {0, 0}, {-4, 14}}), oliveDark);
        engineGlow(c, g(-22, 0), 2, {255, 160, 60});
    }
}

void sceneCrownDreadnought(Canvas& c) {
    space(c, {30, 10, 40}, {80, 30, 80}, 107);
    glow(c, 180, 80, 120, {220, 90, 160}, 0.35f);
    glow(c, 70, 190, 90, {120, 60, 200}, 0.3f);
    const Frame f{128, 134, 1.0f, 0.18f};
    const Rgb purple = {110, 60, 150}, deep = {70, 34, 100}, gold = {236, 190, 70};
    engineGlow(c, f(-94, -6), 6, {255, 130, 220});
    engineGlow(c, f(-94, 10), 6, {255, 130, 220});
    fillPolygon(c, f.poly({{-92, -22}, {30, -18}, {104, 2}, {30, 24}, {-92, 26}}), purple);
    fillPolygon(c, f.poly({{-92, 6}, {104, 2}, {30, 24}, {-92, 26}}), deep);
    // Gold trim along the keel and round the bridge.
    std::vector<Pt> trim = f.poly({{-92, -22}, {30, -18}, {104, 2}});
    strokePolyline(c, trim, 2.5f, gold);
    fillPolygon(c, f.poly({{-64, -22}, {-10, -20}, {-18, -38}, {-56, -38}}), {140, 90, 180});
    strokePolyline(c, f.poly({{-64, -22}, {-56, -38}, {-18, -38}, {-10, -20}}), 1.5f, gold);
    const Pt cr = f(20, 2);
    crown(c, cr.x, cr.y, 11);
    for (int k = 0; k < 9; ++k) {
        const Pt p = f(-84 + k * 12.0f, 14);
        fillCircle(c, p.x, p.y, 1.2f, {255, 230, 160});
    }
}

void sceneFrontierClipper(Canvas& c) {
    space(c, {8, 12, 36}, {40, 30, 70}, 109);
    sunDisc(c, 214, 70, 16, {255, 220, 140});
    const Frame f{120, 150, 1.0f, -0.35f};
    // Speed streaks behind.
    for (int k = 0; k < 6; ++k) {
        const Pt a = f(-60, -20 + k * 8.0f), b = f(-130, -20 + k * 8.0f);
        strokeLine(c, a.x, a.y, b.x, b.y, 1, {200, 220, 255}, 0.35f);
    }
    // Sails catching the starlight, on their masts.
    const Rgb sail = {250, 226, 150};
    fillPolygon(c, f.poly({{-30, -6}, {30, -6}, {0, -80}}), sail, 0.75f);
    fillPolygon(c, f.poly({{-66, -6}, {-24, -6}, {-40, -60}}), sail, 0.7f);
    fillPolygon(c, f.poly({{-30, 6}, {20, 6}, {-10, 60}}), sail, 0.55f);
    for (float x : {0.0f, -40.0f}) {
        const Pt a = f(x, 0), b = f(x, -84);
        strokeLine(c, a.x, a.y, b.x, b.y, 1.5f, {200, 200, 210});
    }
    // The slim hull.
    fillPolygon(c, f.poly({{-80, -5}, {60, -4}, {96, 0}, {60, 5}, {-80, 6}}), {214, 218, 230});
    fillPolygon(c, f.poly({{-80, 1}, {96, 0}, {60, 5}, {-80, 6}}), {160, 166, 186});
    fillPolygon(c, f.poly({{54, -3}, {74, -2}, {74, 1}, {54, 1}}), {120, 200, 255});
    engineGlow(c, f(-84, 0), 4, {140, 200, 255});
}

void sceneIronMoon(Canvas& c) {
    space(c, {4, 6, 16}, {14, 18, 34}, 113);
    planet(c, 226, 236, 70, {70, 130, 210}, {10, 20, 50}, {90, 160, 255});
    // The moon: dark iron with bright seams of ore, pocked with craters and lit mines.
    const float x = 110, y = 110, r = 72;
    paintShape(
        c, x - r, y - r, x + r, y + r,
        [=](float px, float py) { return (px - x) * (px - x) + (py - y) * (py - y) <= r * r; },
        [=](float px, float py) {
            const float t = clamp01(((px - x) * 0.7f + (py - y) * 0.7f) / (2 * r) + 0.5f);
            return mix(Rgb{150, 160, 176}, Rgb{36, 40, 54}, t);
        });
    const bool round = c.clip;
    c.clip = false;  // the veins are clipped to the moon's own disc instead
    Canvas& moon = c;
    auto inMoon = [=](float px, float py) {
        return (px - x) * (px - x) + (py - y) * (py - y) <= (r - 2) * (r - 2);
    };
    const float veins[3][4] = {{-60, -10, 50, -40}, {-40, 40, 60, 20}, {-20, -60, 10, 60}};
    for (const auto& v : veins) {
        fillShape(
            moon, x - r, y - r, x + r, y + r,
            [=](float px, float py) {
                if (!inMoon(px, py)) return false;
                const float ax = x + v[0], ay = y + v[1], dx = v[2] - v[0], dy = v[3] - v[1];
                const float t = clamp01(((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy));
                const float wob = 3 * std::sin(t * 12);
                const float qx = ax + t * dx - px, qy = ay + t * dy + wob - py;
                return qx * qx + qy * qy <= 2.2f;
            },
            {230, 190, 120}, 0.9f);
    }
    c.clip = round;
    fillCircle(c, x - 26, y - 20, 13, {96, 104, 120});
    fillCircle(c, x - 24, y - 18, 11, {126, 134, 150});
    fillCircle(c, x + 20, y + 30, 9, {60, 66, 80});
    fillCircle(c, x + 30, y - 30, 6, {110, 118, 134});
    fillCircle(c, x - 40, y + 30, 7, {80, 88, 104});
    for (const Pt& p : {Pt{x + 40, y + 40}, Pt{x + 10, y + 55}, Pt{x + 52, y + 12}})
        glow(c, p.x, p.y, 6, {255, 200, 110}, 0.9f);
    // Mining towers standing on the rim.
    for (float a : {-2.3f, -1.9f}) {
        const float bx = x + r * std::cos(a), by = y + r * std::sin(a);
        strokeLine(c, bx, by, bx + 10 * std::cos(a), by + 10 * std::sin(a), 2.5f, {90, 96, 110});
        fillCircle(c, bx + 11 * std::cos(a), by + 11 * std::sin(a), 2, {255, 90, 60});
    }
    // A little station keeping it company.
    fillRect(c, 196, 60, 212, 68, {200, 204, 214});
    fillRect(c, 176, 62, 194, 66, {80, 120, 200});
    fillRect(c, 214, 62, 232, 66, {80, 120, 200});
    glow(c, 204, 64, 6, {255, 240, 200}, 0.8f);
}

void sceneIronMoonTwo(Canvas& c) {
    space(c, {12, 6, 10}, {40, 20, 26}, 127);
    // The first iron moon small behind; the second, rust red and ringed, in front.
    fillCircle(c, 200, 58, 22, {160, 164, 176});
    fillCircle(c, 208, 64, 20, {30, 30, 40}, 0.5f);
    const float x = 118, y = 140, r = 64;
    std::vector<Pt> back, front;
    for (int i = 0; i <= 40; ++i) {
        const float a = 3.14159265f * i / 40;
        back.push_back({x + 1.7f * r * std::cos(a), y - 0.34f * r * std::sin(a) - 0.2f * r * std::cos(a)});
        front.push_back({x + 1.7f * r * std::cos(a), y + 0.34f * r * std::sin(a) - 0.2f * r * std::cos(a)});
    }
    strokePolyline(c, back, 8, {170, 120, 90});
    paintShape(
        c, x - r, y - r, x + r, y + r,
        [=](float px, float py) { return (px - x) * (px - x) + (py - y) * (py - y) <= r * r; },
        [=](float px, float py) {
            const float t = clamp01(((px - x) * 0.8f + (py - y) * 0.6f) / (2 * r) + 0.5f);
            return mix(Rgb{226, 130, 80}, Rgb{70, 30, 24}, t);
        });
    for (int k = 0; k < 4; ++k)
        strokeLine(c, x - r, y - 30 + k * 18.0f, x + r, y - 36 + k * 18.0f, 2, {150, 70, 40}, 0.45f);
    fillCircle(c, x - 22, y - 18, 10, {190, 100, 60});
    fillCircle(c, x + 12, y + 20, 7, {150, 70, 44});
    fillCircle(c, x - 30, y + 24, 5, {170, 84, 50});
    for (const Pt& p : {Pt{x + 34, y + 30}, Pt{x + 44, y - 4}, Pt{x + 20, y + 46}})
        glow(c, p.x, p.y, 6, {255, 220, 120}, 0.9f);
    strokePolyline(c, front, 8, {220, 170, 120});
    strokePolyline(c, front, 2, {250, 220, 180}, 0.8f);
}
