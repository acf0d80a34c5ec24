// The small pictures: token, owner marker, arrow, dice, cards, banner and the star field.
#include <cmath>

#include "tools/artpaint/paint.h"
#include "tools/artpaint/text.h"

namespace {

const Rgb white = {255, 255, 255};
const Rgb rimGrey = {64, 64, 68};
const Rgb ledgerGreen = {28, 108, 72};
const Rgb starsBlue = {38, 66, 160};
const Rgb gold = {242, 196, 64};

Rgb deckColour(int deck) { return deck == 0 ? ledgerGreen : starsBlue; }

// Distance from a regular star's centre to the lines of its edges, so an outline of width d
// is the same star scaled by (h - d) / h.
float starEdgeDistance(float outer, float inner, int points) {
    const float pi = 3.14159265f;
    const Pt tip = {0, -outer};
    const Pt notch = {inner * std::sin(pi / points), -inner * std::cos(pi / points)};
    const float dx = notch.x - tip.x, dy = notch.y - tip.y;
    return std::fabs(tip.x * dy - tip.y * dx) / std::sqrt(dx * dx + dy * dy);
}

// The card outline shared by both faces, so a turning card keeps its shape.
constexpr float cardX0 = 8, cardY0 = 50, cardX1 = 248, cardY1 = 206, cardRadius = 14;

void pip(Canvas& c, float x, float y) {
    fillCircle(c, x + 0.8f, y + 1.2f, 9.5f, {16, 40, 110});
    fillCircle(c, x, y, 9, {250, 250, 255});
}

}  // namespace

const char* deckTitle(int deck) { return deck == 0 ? "LEDGER" : "STARS"; }

Canvas paintToken() {
    Canvas c = makeCanvas(64);
    fillCircle(c, 32, 32, 30.5f, rimGrey);
    paintShape(
        c, 6, 6, 58, 58,
        [](float x, float y) { return (x - 32) * (x - 32) + (y - 32) * (y - 32) <= 25.5f * 25.5f; },
        [](float x, float y) {
            // Light from the upper left; the tint keeps most of its strength.
            const float d = std::sqrt((x - 25) * (x - 25) + (y - 24) * (y - 24)) / 34;
            return mix(white, Rgb{200, 200, 204}, clamp01(d));
        });
    fillRing(c, 32, 32, 25, 26.5f, {150, 150, 155});
    return c;
}

Canvas paintOwnerMarker() {
    Canvas c = makeCanvas(64);
    const float outer = 31, inner = 12.6f;
    const float h = starEdgeDistance(outer, inner, 5);
    const float k = (h - 3.2f) / h;
    fillPolygon(c, starPolygon(32, 34, outer, inner), {58, 58, 62});
    fillPolygon(c, starPolygon(32, 34, outer * k, inner * k), white);
    return c;
}

Canvas paintArrow() {
    Canvas c = makeCanvas(64);
    fillPolygon(c, {{6, 23}, {34, 23}, {34, 9}, {59, 32}, {34, 55}, {34, 41}, {6, 41}}, {128, 128, 128});
    fillPolygon(
        c, {{9.5f, 26.5f}, {37.5f, 26.5f}, {37.5f, 17}, {54, 32}, {37.5f, 47}, {37.5f, 37.5f}, {9.5f, 37.5f}},
        white);
    return c;
}

Canvas paintDice() {
    Canvas c = makeCanvas(256);
    const float cell = 256.0f / 3;
    // Pip places on a 3 x 3 grid (-1, 0, 1), per face.
    static const int layouts[6][6][2] = {
        {{0, 0}},
        {{-1, -1}, {1, 1}},
        {{-1, -1}, {0, 0}, {1, 1}},
        {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}},
        {{-1, -1}, {1, -1}, {0, 0}, {-1, 1}, {1, 1}},
        {{-1, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {1, 1}},
    };
    for (int face = 0; face < 6; ++face) {
        // Faces 1-3 down the left third, 4-6 down the right third, rows from the top.
        const int col = face < 3 ? 0 : 2, row = face % 3;
        const float x0 = col * cell + 4, y0 = row * cell + 4, x1 = (col + 1) * cell - 4,
                    y1 = (row + 1) * cell - 4;
        fillRoundRect(c, x0, y0, x1, y1, 14, {18, 44, 120});
        paintShape(
            c, x0 + 3, y0 + 3, x1 - 3, y1 - 3,
            [=](float x, float y) { return insideRoundRect(x, y, x0 + 3, y0 + 3, x1 - 3, y1 - 3, 11); },
            [=](float x, float y) {
                const float t = clamp01(((x - x0) + (y - y0)) / (x1 - x0 + y1 - y0));
                return mix(Rgb{70, 128, 240}, Rgb{32, 78, 196}, t);
            });
        const float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2, step = 21;
        const int count = face + 1;
        for (int p = 0; p < count; ++p)
            pip(c, cx + layouts[face][p][0] * step, cy + layouts[face][p][1] * step);
    }
    return c;
}

void drawStarEmblem(Canvas& c, float cx, float cy, float size, Rgb fill, Rgb edge) {
    const float outer = size / 2, inner = outer * 0.42f;
    const float h = starEdgeDistance(outer, inner, 5);
    const float k = (h - std::max(1.5f, size * 0.05f)) / h;
    fillPolygon(c, starPolygon(cx, cy + size * 0.04f, outer, inner), edge);
    fillPolygon(c, starPolygon(cx, cy + size * 0.04f, outer * k, inner * k), fill);
}

void drawLedgerEmblem(Canvas& c, float cx, float cy, float size) {
    // An open account book seen from above, its spine down the middle.
    const float w = size / 2, h = size * 0.36f;
    const Rgb cover = {120, 52, 36}, page = {250, 244, 226}, ink = {90, 90, 110};
    fillPolygon(c,
                {{cx - w, cy - h + 4},
                 {cx, cy - h + 10},
                 {cx + w, cy - h + 4},
                 {cx + w, cy + h + 2},
                 {cx, cy + h + 8},
                 {cx - w, cy + h + 2}},
                cover);
    const float m = std::max(2.0f, size * 0.05f);
    fillPolygon(c,
                {{cx - w + m, cy - h}, {cx - 1, cy - h + 6}, {cx - 1, cy + h + 2}, {cx - w + m, cy + h - 4}},
                page);
    fillPolygon(c,
                {{cx + 1, cy - h + 6}, {cx + w - m, cy - h}, {cx + w - m, cy + h - 4}, {cx + 1, cy + h + 2}},
                page);
    const int lines = 5;
    for (int i = 1; i <= lines; ++i) {
        const float t = static_cast<float>(i) / (lines + 1);
        const float y = cy - h + 6 + t * (2 * h - 6);
        const float lw = std::max(1.0f, size * 0.025f);
        strokeLine(c, cx - w + 2.2f * m, y - 3 * (1 - t) + 1, cx - 3 * m, y + 2, lw, ink);
        strokeLine(c, cx + 3 * m, y + 2, cx + w - 2.2f * m, y - 3 * (1 - t) + 1, lw, ink);
    }
    strokeLine(c, cx, cy - h + 6, cx, cy + h + 4, std::max(1.0f, size * 0.03f), {70, 40, 30});
    // A coin on the corner of the right page.
    fillCircle(c, cx + w * 0.62f, cy + h * 0.55f, size * 0.14f, {150, 110, 20});
    fillCircle(c, cx + w * 0.62f, cy + h * 0.55f, size * 0.115f, gold);
}

void drawShipIcon(Canvas& c, float cx, float cy, float width, Rgb body, Rgb trim, float angle) {
    const float u = width / 1.2f;  // nose at +0.55u, flame tail at -0.65u
    const float ca = std::cos(angle), sa = std::sin(angle);
    auto P = [&](float x, float y) { return Pt{cx + (x * ca + y * sa) * u, cy + (-x * sa + y * ca) * u}; };
    fillPolygon(c, {P(-0.5f, -0.07f), P(-0.64f, 0), P(-0.5f, 0.07f)}, {250, 150, 40});
    fillPolygon(c, {P(-0.42f, -0.1f), P(-0.2f, -0.1f), P(-0.36f, -0.34f), P(-0.5f, -0.34f)}, trim);
    fillPolygon(c, {P(-0.42f, 0.1f), P(-0.2f, 0.1f), P(-0.36f, 0.34f), P(-0.5f, 0.34f)}, trim);
    fillPolygon(c, {P(-0.5f, -0.12f), P(0.2f, -0.15f), P(0.55f, 0), P(0.2f, 0.15f), P(-0.5f, 0.12f)}, body);
    fillPolygon(c, {P(-0.5f, 0.02f), P(0.4f, 0.02f), P(0.55f, 0), P(0.2f, 0.15f), P(-0.5f, 0.12f)},
                scale(body, 0.8f));
    std::vector<Pt> window;
    for (int i = 0; i < 16; ++i) {
        const float a = 6.2831853f * i / 16;
        window.push_back(P(0.22f + 0.1f * std::cos(a), -0.035f + 0.055f * std::sin(a)));
    }
    fillPolygon(c, window, trim);
}

void drawMoonIcon(Canvas& c, float cx, float cy, float r, Rgb body, Rgb crater, bool ringed) {
    if (ringed) {
        std::vector<Pt> back;
        for (int i = 0; i <= 24; ++i) {
            const float a = 3.14159265f * i / 24;
            back.push_back({cx + 1.6f * r * std::cos(a), cy - 0.42f * r * std::sin(a)});
        }
        strokePolyline(c, back, std::max(1.5f, r * 0.14f), scale(crater, 0.9f));
    }
    fillCircle(c, cx, cy, r, body);
    fillCircle(c, cx - 0.35f * r, cy - 0.25f * r, 0.24f * r, crater);
    fillCircle(c, cx + 0.3f * r, cy + 0.35f * r, 0.18f * r, crater);
    fillCircle(c, cx + 0.4f * r, cy - 0.35f * r, 0.11f * r, crater);
    // Night side.
    fillShape(
        c, cx - r, cy - r, cx + r, cy + r,
        [=](float x, float y) {
            const float d0 = (x - cx) * (x - cx) + (y - cy) * (y - cy);
            const float ox = cx - 0.45f * r, oy = cy - 0.3f * r;
            const float d1 = (x - ox) * (x - ox) + (y - oy) * (y - oy);
            return d0 <= r * r && d1 > 1.05f * r * r;
        },
        {20, 20, 40}, 0.35f);
    if (ringed) {
        std::vector<Pt> front;
        for (int i = 0; i <= 24; ++i) {
            const float a = 3.14159265f * i / 24;
            front.push_back({cx + 1.6f * r * std::cos(a), cy + 0.42f * r * std::sin(a)});
        }
        strokePolyline(c, front, std::max(1.5f, r * 0.14f), mix(crater, white, 0.35f));
    }
}

Canvas paintCardFront(int deck) {
    Canvas c = makeCanvas(256);
    const Rgb ink = {44, 44, 52};
    fillRoundRect(c, cardX0, cardY0, cardX1, cardY1, cardRadius, ink);
    fillRoundRect(c, cardX0 + 2, cardY0 + 2, cardX1 - 2, cardY1 - 2, cardRadius - 2, {253, 253, 250});
    // The thin inner frame, and the deck's mark at the top, clear of the card text.
    fillRoundRect(c, cardX0 + 7, cardY0 + 7, cardX1 - 7, cardY1 - 7, cardRadius - 6, ink);
    fillRoundRect(c, cardX0 + 8.5f, cardY0 + 8.5f, cardX1 - 8.5f, cardY1 - 8.5f, cardRadius - 7,
                  {253, 253, 250});
    TextStyle title;
    title.size = 15;
    title.colour = deckColour(deck);
    const float w = textWidth(deckTitle(deck), title);
    const float x = 128 - (w + 20) / 2;
    if (deck == 0)
        drawLedgerEmblem(c, x + 8, 72, 17);
    else
        drawStarEmblem(c, x + 8, 71, 17, gold, {150, 100, 20});
    drawText(c, deckTitle(deck), x + 20, 78, title, AlignLeft);
    return c;
}

Canvas paintCardBack(int deck) {
    Canvas c = makeCanvas(256);
    const Rgb base = deckColour(deck), dark = scale(base, 0.55f), light = mix(base, white, 0.25f);
    fillRoundRect(c, cardX0, cardY0, cardX1, cardY1, cardRadius, {30, 30, 36});
    paintShape(
        c, cardX0 + 2, cardY0 + 2, cardX1 - 2, cardY1 - 2,
        [](float x, float y) {
            return insideRoundRect(x, y, cardX0 + 2, cardY0 + 2, cardX1 - 2, cardY1 - 2, cardRadius - 2);
        },
        [=](float x, float y) {
            const float d = std::sqrt((x - 128) * (x - 128) + (y - 128) * (y - 128) * 2.2f) / 150;
            return mix(light, dark, clamp01(d));
        });
    // A cream border with the deck's title plate.
    const Rgb cream = {246, 232, 196};
    fillRoundRect(c, cardX0 + 8, cardY0 + 8, cardX1 - 8, cardY1 - 8, cardRadius - 6, cream);
    fillRoundRect(c, cardX0 + 11, cardY0 + 11, cardX1 - 11, cardY1 - 11, cardRadius - 8, dark);
    paintShape(
        c, cardX0 + 13, cardY0 + 13, cardX1 - 13, cardY1 - 13,
        [](float x, float y) {
            return insideRoundRect(x, y, cardX0 + 13, cardY0 + 13, cardX1 - 13, cardY1 - 13, cardRadius - 9);
        },
        [=](float x, float y) {
            const float d = std::sqrt((x - 128) * (x - 128) + (y - 118) * (y - 118) * 2.0f) / 140;
            return mix(light, dark, clamp01(d));
        });
    Lcg rng(deck == 0 ? 711u : 1187u);
    if (deck == 1) {
        for (int i = 0; i < 40; ++i) {
            const float x = rng.range(cardX0 + 18, cardX1 - 18), y = rng.range(cardY0 + 18, cardY1 - 18);
            const float r = rng.range(0.6f, 1.6f);
            fillCircle(c, x, y, r, mix(white, gold, rng.next()), 0.9f);
        }
        glow(c, 128, 112, 70, {255, 240, 170}, 0.55f);
        drawStarEmblem(c, 128, 110, 84, gold, {120, 70, 10});
        drawStarEmblem(c, 64, 92, 22, {255, 244, 200}, {150, 110, 30});
        drawStarEmblem(c, 194, 96, 18, {255, 244, 200}, {150, 110, 30});
    } else {
        // Columns of figures behind the open book, like a page of accounts.
        for (int col = 0; col < 4; ++col)
            for (int row = 0; row < 9; ++row) {
                const float x = 34 + col * 56 + rng.range(0, 10), y = 70 + row * 13;
                strokeLine(c, x, y, x + rng.range(18, 34), y, 2, light, 0.5f);
            }
        glow(c, 128, 112, 70, {220, 255, 220}, 0.4f);
        drawLedgerEmblem(c, 128, 108, 100);
    }
    TextStyle title;
    title.size = 30;
    title.colour = cream;
    drawTextOutlined(c, deckTitle(deck), 128, 186, title, AlignCentre, scale(dark, 0.6f), 2.5f);
    return c;
}

Canvas paintBanner() {
    // The start menu shows this picture hanging off the bottom edge of the window, so all of it
    // stays in the upper three quarters.
    Canvas c = makeCanvas(256);
    const Rgb cream = {252, 236, 190}, edge = {92, 44, 24};
    // Emblem: a house with lit windows beneath a star, on a round plaque.
    const float cy = 54;
    fillCircle(c, 128, cy, 42, edge);
    fillCircle(c, 128, cy, 38, {214, 160, 60});
    fillCircle(c, 128, cy, 34, {120, 52, 36});
    fillPolygon(c,
                {{99, cy + 5},
                 {128, cy - 21},
                 {157, cy + 5},
                 {150, cy + 5},
                 {150, cy + 27},
                 {106, cy + 27},
                 {106, cy + 5}},
                cream);
    fillRect(c, 122, cy + 10, 134, cy + 27, {120, 52, 36});
    fillRect(c, 110, cy + 9, 117, cy + 16, {250, 200, 80});
    fillRect(c, 139, cy + 9, 146, cy + 16, {250, 200, 80});
    drawStarEmblem(c, 128, cy - 27, 14, {255, 226, 120}, edge);
    TextStyle word;
    word.size = 56;
    word.colour = cream;
    word = fitWidth(word, "Tenantry", 230, 0.9f);
    drawTextOutlined(c, "Tenantry", 128, 148, word, AlignCentre, edge, 3);
    fillRoundRect(c, 40, 160, 216, 166, 3, edge);
    fillRoundRect(c, 42, 161.5f, 214, 164.5f, 2, {214, 160, 60});
    TextStyle tag;
    tag.face = Regular;
    tag.size = 18;
    tag.colour = cream;
    drawTextOutlined(c, "buy  \xb7  build  \xb7  trade", 128, 186, tag, AlignCentre, edge, 2);
    return c;
}

Canvas paintIcon(int side) {
    // The banner's emblem drawn on a 256 grid and scaled to the side, so small sizes are
    // painted at their own resolution instead of shrunk.
    Canvas c = makeCanvas(side);
    const float k = side / 256.0f;
    const Rgb cream = {252, 236, 190}, edge = {92, 44, 24};
    const float cx = 128 * k, cy = 136 * k;
    fillCircle(c, cx, cy, 122 * k, edge);
    fillCircle(c, cx, cy, 111 * k, {214, 160, 60});
    fillCircle(c, cx, cy, 99 * k, {120, 52, 36});
    auto at = [&](float x, float y) { return Pt{cx + x * k, cy + y * k}; };
    fillPolygon(c, {at(-84, 15), at(0, -61), at(84, 15), at(64, 15), at(64, 78), at(-64, 78), at(-64, 15)},
                cream);
    fillRect(c, cx - 17 * k, cy + 29 * k, cx + 17 * k, cy + 78 * k, {120, 52, 36});
    fillRect(c, cx - 52 * k, cy + 26 * k, cx - 31 * k, cy + 47 * k, {250, 200, 80});
    fillRect(c, cx + 31 * k, cy + 26 * k, cx + 52 * k, cy + 47 * k, {250, 200, 80});
    drawStarEmblem(c, cx, cy - 80 * k, 52 * k, {255, 226, 120}, edge);
    return c;
}

Canvas paintBackground() {
    Canvas c = makeCanvas(1024);
    fillGradientRect(c, 0, 0, 1024, 1024, {6, 8, 26}, {18, 10, 36});
    glow(c, 300, 360, 420, {70, 40, 120}, 0.28f);
    glow(c, 760, 700, 380, {20, 70, 110}, 0.26f);
    glow(c, 620, 180, 260, {110, 40, 80}, 0.14f);
    Lcg rng(20240611u);
    for (int i = 0; i < 2200; ++i) {
        const float x = rng.range(0, 1024), y = rng.range(0, 1024);
        const float b = rng.next();
        const Rgb tint = mix(Rgb{200, 210, 255}, Rgb{255, 236, 200}, rng.next());
        if (b > 0.985f) {
            glow(c, x, y, 9, tint, 0.5f);
            fillCircle(c, x, y, 1.6f, white);
        } else {
            fillCircle(c, x, y, 0.5f + b * 0.7f, tint, 0.35f + 0.65f * b);
        }
    }
    return c;
}
