#include <cmath>

#include "tools/artpaint/scene.h"

void skyGradient(Canvas& c, Rgb top, Rgb bottom, float y0, float y1) {
    fillGradientRect(c, 0, y0, 256, y1, top, bottom);
}

void ridge(Canvas& c, Rgb colour, float base, float amp, float wave, float phase) {
    std::vector<Pt> poly;
    for (float x = -4; x <= 260; x += 3) {
        const float y = base - amp * (0.6f * std::sin(x / wave + phase) +
                                      0.4f * std::sin(2.3f * x / wave + 1.7f * phase));
        poly.push_back({x, y});
    }
    poly.push_back({260, 260});
    poly.push_back({-4, 260});
    fillPolygon(c, poly, colour);
}

void cloud(Canvas& c, float x, float y, float s, Rgb colour, float opacity) {
    fillShape(
        c, x - 1.3f * s, y - 0.9f * s, x + 1.3f * s, y + 0.5f * s,
        [=](float px, float py) {
            auto in = [&](float cx, float cy, float r) {
                return (px - cx) * (px - cx) + (py - cy) * (py - cy) <= r * r;
            };
            if (py > y + 0.45f * s) return false;
            return in(x - 0.7f * s, y, 0.5f * s) || in(x, y - 0.35f * s, 0.62f * s) ||
                   in(x + 0.65f * s, y - 0.05f * s, 0.5f * s) ||
                   (py <= y + 0.45f * s && py >= y && px >= x - 0.7f * s && px <= x + 0.65f * s);
        },
        colour, opacity);
}

void pine(Canvas& c, float x, float base, float h, Rgb colour) {
    fillRect(c, x - h * 0.04f, base - h * 0.15f, x + h * 0.04f, base, scale(colour, 0.6f));
    for (int tier = 0; tier < 3; ++tier) {
        const float top = base - h + tier * h * 0.25f, bottom = base - h * 0.12f - (2 - tier) * h * 0.2f;
        const float half = h * (0.16f + tier * 0.07f);
        fillPolygon(c, {{x, top}, {x + half, bottom}, {x - half, bottom}},
                    tier == 0 ? colour : mix(colour, scale(colour, 0.8f), tier * 0.3f));
    }
}

void roundTree(Canvas& c, float x, float base, float h, Rgb leaf, Rgb trunk) {
    fillRect(c, x - h * 0.06f, base - h * 0.5f, x + h * 0.06f, base, trunk);
    fillCircle(c, x, base - h * 0.68f, h * 0.32f, leaf);
    fillCircle(c, x - h * 0.1f, base - h * 0.75f, h * 0.18f, mix(leaf, Rgb{255, 255, 220}, 0.18f));
}

void waterBand(Canvas& c, float top, float bottom, Rgb upper, Rgb lower, Rgb glint, uint32_t seed) {
    fillGradientRect(c, 0, top, 256, bottom, upper, lower);
    Lcg rng(seed);
    for (int i = 0; i < 40; ++i) {
        const float y = rng.range(top + 3, bottom);
        const float t = (y - top) / (bottom - top);
        const float x = rng.range(10, 246), len = 6 + 18 * t * rng.next();
        strokeLine(c, x, y, x + len, y, 1 + t, glint, 0.35f + 0.3f * rng.next());
    }
}

void sunDisc(Canvas& c, float x, float y, float r, Rgb colour) {
    glow(c, x, y, r * 3, colour, 0.6f);
    fillCircle(c, x, y, r, mix(colour, Rgb{255, 255, 240}, 0.5f));
}

void bird(Canvas& c, float x, float y, float s, Rgb colour) {
    strokePolyline(c, {{x - s, y - s * 0.35f}, {x - s * 0.45f, y - s * 0.45f}, {x, y}},
                   std::max(1.2f, s * 0.22f), colour);
    strokePolyline(c, {{x, y}, {x + s * 0.45f, y - s * 0.45f}, {x + s, y - s * 0.35f}},
                   std::max(1.2f, s * 0.22f), colour);
}

void cottage(Canvas& c, float x, float base, float w, float h, Rgb wall, Rgb roof) {
    fillRect(c, x, base - h, x + w, base, wall);
    fillPolygon(c, {{x - w * 0.12f, base - h}, {x + w / 2, base - h - w * 0.5f}, {x + w * 1.12f, base - h}},
                roof);
    fillRect(c, x + w * 0.4f, base - h * 0.55f, x + w * 0.6f, base, scale(roof, 0.6f));
    fillRect(c, x + w * 0.12f, base - h * 0.7f, x + w * 0.3f, base - h * 0.45f, {255, 226, 140});
}

void starField(Canvas& c, int count, uint32_t seed, float yMax) {
    Lcg rng(seed);
    for (int i = 0; i < count; ++i) {
        const float x = rng.range(10, 246), y = rng.range(10, yMax), b = rng.next();
        fillCircle(c, x, y, 0.5f + b * 0.9f, {255, 250, 230}, 0.4f + 0.6f * b);
    }
}
