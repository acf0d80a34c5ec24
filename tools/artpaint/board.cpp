// The board: forty squares round a central picture. Every square sits exactly where the
// board geometry of the game puts its highlight, owner marker and token places: ordinary
// squares are 82 pixels along the edge, each side's run starts 144 pixels from the corner it
// leaves, and the ring is 143 pixels deep.
#include <cmath>
#include <cstdio>
#include <string>

#include "game/board_geometry.h"
#include "game/tables.h"
#include "tools/artpaint/paint.h"
#include "tools/artpaint/text.h"

namespace {

constexpr int side = boardPixels;
constexpr float ring = boardRingPixels;
constexpr float bandDepth = 30;  // colour band at a square's inner edge
const Rgb paper = {246, 240, 222};
const Rgb gridInk = {36, 34, 40};
const Rgb ink = {28, 26, 30};

struct Box {
    float x0, y0, x1, y1;
    float w() const { return x1 - x0; }
    float h() const { return y1 - y0; }
    float cx() const { return (x0 + x1) / 2; }
    float cy() const { return (y0 + y1) / 2; }
};

enum Edge { Bottom = NearSide, Left = LeftSide, Top = FarSide, Right = RightSide };

Edge edgeOf(int s) { return static_cast<Edge>(sideOf(s)); }

// Pixel box of a square, rows from the top of the picture.
Box squareBox(int s) {
    const BoardBox b = squareArtBox(s);
    return {float(b.x0), float(b.y0), float(b.x1), float(b.y1)};
}

// The colour band along the inner edge, and the rest of the square.
Box bandBox(int s) {
    const Box b = squareBox(s);
    switch (edgeOf(s)) {
        case Bottom: return {b.x0, b.y0, b.x1, b.y0 + bandDepth};
        case Left: return {b.x1 - bandDepth, b.y0, b.x1, b.y1};
        case Top: return {b.x0, b.y1 - bandDepth, b.x1, b.y1};
        case Right: return {b.x0, b.y0, b.x0 + bandDepth, b.y1};
    }
    return b;
}

Box contentBox(int s) {
    const Box b = squareBox(s);
    switch (edgeOf(s)) {
        case Bottom: return {b.x0, b.y0 + bandDepth, b.x1, b.y1};
        case Left: return {b.x0, b.y0, b.x1 - bandDepth, b.y1};
        case Top: return {b.x0, b.y0, b.x1, b.y1 - bandDepth};
        case Right: return {b.x0 + bandDepth, b.y0, b.x1, b.y1};
    }
    return b;
}

bool upright(int s) { return edgeOf(s) == Bottom || edgeOf(s) == Top; }

int propertyOn(int s) {
    for (int p = 0; p < propertyCount; ++p)
        if (propertySquare[p] == s) return p;
    return -1;
}

int deckOn(int s) {
    for (int d = 0; d < 2; ++d)
        for (int k = 0; k < 3; ++k)
            if (cardSquares[d][k] == s) return d;
    return -1;
}

Rgb groupRgb(int group) {
    return {groupColourR[group] * 255, groupColourG[group] * 255, groupColourB[group] * 255};
}

std::string priceText(int amount) { return "$" + std::to_string(amount); }

TextStyle nameStyle() {
    TextStyle t;
    t.size = 17.5f;
    t.colour = ink;
    return t;
}

TextStyle priceStyle() {
    TextStyle t;
    t.size = 16.5f;
    t.colour = {60, 40, 30};
    return t;
}

bool isVowel(char ch) { return std::string("aeiouyAEIOUY").find(ch) != std::string::npos; }

// Splits a line too long for its square: at a space when it has one, otherwise with a
// hyphen between two consonants that are not one sound, so the halves balance best.
void splitLine(const std::string& text, std::string& first, std::string& second) {
    const TextStyle t = nameStyle();
    static const char* const pairs[] = {"sh", "ch", "th", "wh", "ck", "ph", "gh", "ng"};
    float best = 1e9f;
    const bool spaced = text.find(' ') != std::string::npos;
    for (size_t k = 2; k + 2 <= text.size(); ++k) {
        std::string a, b;
        if (spaced) {
            if (text[k] != ' ') continue;
            a = text.substr(0, k), b = text.substr(k + 1);
        } else {
            const char l = text[k - 1], r = text[k];
            if (isVowel(l) || isVowel(r)) continue;
            bool joined = false;
            for (const char* pair : pairs) joined = joined || (l == pair[0] && r == pair[1]);
            if (joined) continue;
            a = text.substr(0, k) + "-", b = text.substr(k);
        }
        const float w = std::max(textWidth(a, t), textWidth(b, t));
        if (w < best) best = w, first = a, second = b;
    }
    if (best == 1e9f) first = text, second.clear();
}

// The lines a square shows for a property's name, fitted to the width with one style.
struct NameLines {
    std::string line[3];
    int count = 0;
    TextStyle style;
};

NameLines nameLines(int p, float width) {
    NameLines n;
    n.style = nameStyle();
    for (const char* text : {nameLine1(p), nameLine2(p)}) {
        if (!*text) continue;
        const TextStyle f = fitWidth(n.style, text, width);
        std::string a = text, b;
        if (f.size < n.style.size) splitLine(text, a, b);
        n.line[n.count++] = a;
        if (!b.empty() && n.count < 3) n.line[n.count++] = b;
    }
    TextStyle fitted = n.style;
    for (int i = 0; i < n.count; ++i) {
        const TextStyle f = fitWidth(n.style, n.line[i], width);
        if (f.size < fitted.size || f.squeeze < fitted.squeeze) fitted = f;
    }
    n.style = fitted;
    return n;
}

void drawLines(Canvas& c, const NameLines& n, float cx, float firstBaseline, float pitch) {
    for (int i = 0; i < n.count; ++i)
        drawText(c, n.line[i], cx, firstBaseline + i * pitch, n.style, AlignCentre);
}

// --- Property squares ------------------------------------------------------------------

// Ships point the way the tokens travel along that side of the board.
float travelAngle(int s) {
    const float pi = 3.14159265f;
    switch (edgeOf(s)) {
        case Bottom: return pi;
        case Left: return pi / 2;
        case Top: return 0;
        case Right: return -pi / 2;
    }
    return 0;
}

void paintBandIcon(Canvas& c, int s, int p, const Box& band) {
    const float cx = band.cx(), cy = band.cy();
    if (isTransport(p)) {
        drawShipIcon(c, cx, cy, 54, {246, 246, 252}, {50, 44, 90}, travelAngle(s));
    } else if (isUtility(p)) {
        drawMoonIcon(c, cx, cy, 10, p == 26 ? Rgb{214, 216, 226} : Rgb{232, 170, 120},
                     p == 26 ? Rgb{150, 152, 170} : Rgb{180, 110, 70}, p == 27);
    }
}

void paintPropertySquare(Canvas& c, int s, int p) {
    const Box band = bandBox(s), content = contentBox(s);
    const Rgb colour = groupRgb(propertySlot[p] / 4);  // the group, as the rules reckon it
    fillRect(c, band.x0, band.y0, band.x1, band.y1, colour);
    // A lighter sheen along the band's outer half and a rule between band and name.
    const bool across = band.w() > band.h();
    if (across)
        fillRect(c, band.x0, band.y0 + 3, band.x1, band.y0 + 9, {255, 255, 255}, 0.18f);
    else
        fillRect(c, band.x0 + 3, band.y0, band.x0 + 9, band.y1, {255, 255, 255}, 0.18f);
    paintBandIcon(c, s, p, band);
    const Edge e = edgeOf(s);
    if (e == Bottom) fillRect(c, band.x0, band.y1 - 1, band.x1, band.y1 + 1, gridInk);
    if (e == Top) fillRect(c, band.x0, band.y0 - 1, band.x1, band.y0 + 1, gridInk);
    if (e == Left) fillRect(c, band.x0 - 1, band.y0, band.x0 + 1, band.y1, gridInk);
    if (e == Right) fillRect(c, band.x1 - 1, band.y0, band.x1 + 1, band.y1, gridInk);

    const NameLines n = nameLines(p, content.w() - 8);
    const std::string price = priceText(propertyPrice[p]);
    const TextStyle ps = priceStyle();
    if (upright(s)) {
        // Name first, price at the far end; a transport or utility with room to spare shows
        // its icon large between them.
        const float first = e == Bottom ? content.y0 + 24 : content.y0 + 26;
        const float priceY = e == Bottom ? content.y1 - 10 : content.y1 - 12;
        drawLines(c, n, content.cx(), first, 19);
        drawText(c, price, content.cx(), priceY, ps, AlignCentre);
        if (!isStreet(p) && n.count < 3) {
            const float mid = (first + 19 * (n.count - 1) + priceY - 16) / 2 + 2;
            if (isTransport(p))
                drawShipIcon(c, content.cx(), mid, 58, {120, 112, 170}, {50, 44, 90}, travelAngle(s));
            else
                drawMoonIcon(c, content.cx(), mid, 13, p == 26 ? Rgb{150, 154, 172} : Rgb{214, 132, 84},
                             p == 26 ? Rgb{100, 102, 120} : Rgb{150, 80, 50}, p == 27);
        }
    } else {
        const float lines = n.count * 19 + 20;
        const float y = content.cy() - lines / 2 + 15;
        drawLines(c, n, content.cx(), y, 19);
        drawText(c, price, content.cx(), y + n.count * 19 + 3, ps, AlignCentre);
    }
}

// --- Card and tax squares --------------------------------------------------------------

void paintCardSquare(Canvas& c, int s, int deck) {
    const Box b = squareBox(s);
    const Rgb tint = deck == 0 ? Rgb{214, 236, 212} : Rgb{214, 224, 248};
    fillRect(c, b.x0, b.y0, b.x1, b.y1, tint);
    TextStyle t;
    t.size = 17;
    t.colour = deck == 0 ? Rgb{24, 96, 60} : Rgb{34, 58, 150};
    if (upright(s)) {
        // Title at the inner end, emblem in the middle, a hint at the outer end.
        const bool bottom = edgeOf(s) == Bottom;
        const float titleY = bottom ? b.y0 + 27 : b.y1 - 14;
        drawText(c, deckTitle(deck), b.cx(), titleY, fitWidth(t, deckTitle(deck), b.w() - 8), AlignCentre);
        const float emblemY = bottom ? b.y0 + 82 : b.y0 + 62;
        if (deck == 0)
            drawLedgerEmblem(c, b.cx(), emblemY, 62);
        else
            drawStarEmblem(c, b.cx(), emblemY, 60, {250, 200, 60}, {120, 80, 20});
    } else {
        const bool left = edgeOf(s) == Left;
        // Emblem at the outer edge, title on the inner side.
        const float emblemX = left ? b.x0 + 36 : b.x0 + 106;
        if (deck == 0)
            drawLedgerEmblem(c, emblemX, b.cy() - 2, 56);
        else
            drawStarEmblem(c, emblemX, b.cy(), 56, {250, 200, 60}, {120, 80, 20});
        const float titleX = left ? b.x0 + 100 : b.x0 + 42;
        drawText(c, deckTitle(deck), titleX, b.cy() + 6, fitWidth(t, deckTitle(deck), 68), AlignCentre);
    }
}

void drawGem(Canvas& c, float cx, float cy, float size) {
    const float w = size / 2, h = size * 0.42f;
    const Rgb edge = {40, 60, 110};
    fillPolygon(c,
                {{cx - w, cy - h * 0.3f},
                 {cx - w * 0.55f, cy - h},
                 {cx + w * 0.55f, cy - h},
                 {cx + w, cy - h * 0.3f},
                 {cx, cy + h}},
                edge);
    const float k = 0.82f;
    fillPolygon(c,
                {{cx - w * k, cy - h * 0.28f},
                 {cx - w * 0.5f * k, cy - h * 0.85f},
                 {cx + w * 0.5f * k, cy - h * 0.85f},
                 {cx + w * k, cy - h * 0.28f},
                 {cx, cy + h * 0.8f}},
                {120, 200, 240});
    fillPolygon(c, {{cx - w * k, cy - h * 0.28f}, {cx + w * k, cy - h * 0.28f}, {cx, cy + h * 0.8f}},
                {70, 150, 220});
    fillPolygon(c, {{cx - w * 0.3f, cy - h * 0.28f}, {cx + w * 0.3f, cy - h * 0.28f}, {cx, cy + h * 0.8f}},
                {150, 220, 250});
}

void drawCoins(Canvas& c, float cx, float cy, float size) {
    const Rgb rim = {140, 96, 20}, face = {244, 196, 70};
    for (int i = 0; i < 4; ++i) {
        const float y = cy + size * 0.3f - i * size * 0.16f;
        fillEllipse(c, cx, y + 2, size * 0.42f, size * 0.16f, rim);
        fillEllipse(c, cx, y, size * 0.42f, size * 0.15f, face);
    }
    fillEllipse(c, cx, cy + size * 0.3f - 3 * size * 0.16f, size * 0.28f, size * 0.09f, {255, 224, 120});
}

void paintTaxSquare(Canvas& c, int s) {
    const Box b = squareBox(s);
    fillRect(c, b.x0, b.y0, b.x1, b.y1, {240, 232, 236});
    TextStyle title;
    title.size = 16;
    title.colour = ink;
    TextStyle small = priceStyle();
    small.face = Regular;
    small.size = 15.5f;
    small.colour = ink;
    if (s == 4) {
        drawText(c, "INCOME", b.cx(), b.y0 + 25, fitWidth(title, "INCOME", b.w() - 8), AlignCentre);
        drawText(c, "TAX", b.cx(), b.y0 + 43, title, AlignCentre);
        drawCoins(c, b.cx(), b.y0 + 76, 44);
        TextStyle pay = priceStyle();
        drawText(c, "Pay $200", b.cx(), b.y1 - 26, fitWidth(pay, "Pay $200", b.w() - 8), AlignCentre);
        drawText(c, "or 10%", b.cx(), b.y1 - 8, pay, AlignCentre);
    } else {
        // Luxury tax on the right-hand side: the gem at the outer edge, the words inside.
        drawGem(c, b.x1 - 30, b.cy(), 40);
        const float tx = b.x0 + 52;
        drawText(c, "LUXURY", tx, b.y0 + 25, fitWidth(title, "LUXURY", 86), AlignCentre);
        drawText(c, "TAX", tx, b.y0 + 44, title, AlignCentre);
        drawText(c, "Pay $" + std::to_string(luxuryTax), tx, b.y0 + 70, priceStyle(), AlignCentre);
    }
}

// --- Corners ---------------------------------------------------------------------------

void paintGo(Canvas& c) {
    const Box b = squareBox(0);
    fillRect(c, b.x0, b.y0, b.x1, b.y1, {252, 236, 208});
    TextStyle small;
    small.face = Bold;
    small.size = 14;
    small.colour = ink;
    drawText(c, "COLLECT $" + std::to_string(goSalary), b.cx(), b.y0 + 21,
             fitWidth(small, "COLLECT $200", b.w() - 12), AlignCentre);
    small.face = Regular;
    small.size = 13;
    drawText(c, "as you pass", b.cx(), b.y0 + 37, small, AlignCentre);
    TextStyle go;
    go.size = 66;
    go.colour = {206, 36, 30};
    drawTextOutlined(c, "GO", b.cx(), b.y0 + 97, go, AlignCentre, {120, 16, 12}, 1.5f);
    // The arrow points the way the tokens travel: left along the bottom row.
    const float y = b.y1 - 22, x0 = b.x0 + 16, x1 = b.x1 - 14;
    fillPolygon(c,
                {{x0, y},
                 {x0 + 26, y - 16},
                 {x0 + 26, y - 7},
                 {x1, y - 7},
                 {x1, y + 7},
                 {x0 + 26, y + 7},
                 {x0 + 26, y + 16}},
                {120, 16, 12});
    fillPolygon(c,
                {{x0 + 4, y},
                 {x0 + 24, y - 12},
                 {x0 + 24, y - 5},
                 {x1 - 2, y - 5},
                 {x1 - 2, y + 5},
                 {x0 + 24, y + 5},
                 {x0 + 24, y + 12}},
                {226, 60, 44});
}

void paintJail(Canvas& c) {
    const Box b = squareBox(10);
    fillRect(c, b.x0, b.y0, b.x1, b.y1, {250, 236, 210});
    // The cell where jailed tokens stand, inside the corner; visitors stand on the L round it.
    const Box cell = {38, b.y0, b.x1, side - 38};
    fillRect(c, cell.x0, cell.y0, cell.x1, cell.y1, {236, 128, 40});
    fillRect(c, cell.x0 + 4, cell.y0 + 4, cell.x1 - 4, cell.y1 - 4, {248, 168, 70});
    for (float x = 82; x < cell.x1 - 6; x += 14) {
        strokeLine(c, x, cell.y0 + 6, x, cell.y1 - 6, 3.5f, {60, 56, 64});
        strokeLine(c, x - 0.8f, cell.y0 + 6, x - 0.8f, cell.y1 - 6, 1, {150, 150, 160});
    }
    strokeLine(c, 78, cell.y0 + 8, cell.x1 - 6, cell.y0 + 8, 3.5f, {60, 56, 64});
    strokeLine(c, 78, cell.y1 - 8, cell.x1 - 6, cell.y1 - 8, 3.5f, {60, 56, 64});
    fillRect(c, cell.x0 - 1, cell.y0, cell.x0 + 1, cell.y1 + 1, gridInk);
    fillRect(c, cell.x0 - 1, cell.y1 - 1, cell.x1, cell.y1 + 1, gridInk);
    TextStyle t;
    t.size = 19;
    t.colour = {70, 20, 10};
    t.quarterTurns = 1;
    drawText(c, "IN JAIL", 66, cell.cy(), t, AlignCentre);
    TextStyle v;
    v.size = 15;
    v.colour = ink;
    drawText(c, "VISITING", (cell.x0 + b.x1) / 2, side - 13, v, AlignCentre);
    v.quarterTurns = 1;
    drawText(c, "JUST", 25, cell.cy(), v, AlignCentre);
}

void paintFreeParking(Canvas& c) {
    const Box b = squareBox(20);
    fillRect(c, b.x0, b.y0, b.x1, b.y1, {226, 240, 236});
    TextStyle t;
    t.size = 17;
    t.colour = {180, 30, 30};
    drawText(c, "FREE", b.cx(), b.y0 + 28, t, AlignCentre);
    drawText(c, "PARKING", b.cx(), b.y1 - 12, fitWidth(t, "PARKING", b.w() - 12), AlignCentre);
    // A parking sign with a ship resting beside it.
    fillRoundRect(c, b.x0 + 22, b.y0 + 42, b.x0 + 66, b.y0 + 86, 7, {20, 50, 130});
    fillRoundRect(c, b.x0 + 25, b.y0 + 45, b.x0 + 63, b.y0 + 83, 5, {40, 100, 210});
    TextStyle p;
    p.size = 34;
    p.colour = {255, 255, 255};
    drawText(c, "P", b.x0 + 44, b.y0 + 77, p, AlignCentre);
    fillRect(c, b.x0 + 42, b.y0 + 86, b.x0 + 46, b.y0 + 110, {90, 90, 100});
    drawShipIcon(c, b.x0 + 100, b.y0 + 92, 60, {170, 170, 196}, {60, 60, 100});
    fillEllipse(c, b.x0 + 96, b.y0 + 111, 30, 4, {0, 0, 0}, 0.18f);
}

void paintGoToJail(Canvas& c) {
    const Box b = squareBox(30);
    fillRect(c, b.x0, b.y0, b.x1, b.y1, {238, 232, 246});
    TextStyle t;
    t.size = 18;
    t.colour = {30, 40, 120};
    drawText(c, "GO TO", b.cx(), b.y0 + 30, t, AlignCentre);
    drawText(c, "JAIL", b.cx(), b.y1 - 14, t, AlignCentre);
    // An arrow pointing across the board at the jail.
    const float cx = b.cx(), cy = b.cy() + 4, k = 0.7071f;
    auto P = [&](float along, float across) {  // along points down-left, across down-right
        return Pt{cx + (-along + across) * k, cy + (along + across) * k};
    };
    fillPolygon(c, {P(36, 0), P(10, -22), P(10, -9), P(-34, -9), P(-34, 9), P(10, 9), P(10, 22)},
                {30, 40, 120});
    fillPolygon(c, {P(31, 0), P(13, -15), P(13, -5), P(-30, -5), P(-30, 5), P(13, 5), P(13, 15)},
                {90, 120, 230});
}

// --- The centre ------------------------------------------------------------------------

void drawBuilding(Canvas& c, float x0, float x1, float top, float base, Rgb wall, Rgb window, uint32_t seed) {
    fillRect(c, x0, top, x1, base, wall);
    Lcg rng(seed);
    for (float y = top + 8; y < base - 10; y += 14)
        for (float x = x0 + 6; x < x1 - 8; x += 12)
            if (rng.next() > 0.35f) fillRect(c, x, y, x + 5, y + 7, window);
}

void paintCentreArt(Canvas& c) {
    const Box m = {ring, ring, side - ring, side - ring};
    fillGradientRect(c, m.x0, m.y0, m.x1, m.y1, {196, 222, 236}, {250, 240, 214});
    glow(c, 680, 560, 230, {255, 244, 200}, 0.8f);
    // Far sky: a ringed planet and a passing ship.
    drawMoonIcon(c, 250, 226, 34, {226, 214, 236}, {190, 176, 206}, true);
    drawShipIcon(c, 768, 214, 120, {236, 236, 246}, {80, 84, 140});
    // Sun low over the city.
    fillCircle(c, 680, 660, 88, {252, 214, 120});
    fillCircle(c, 680, 660, 78, {254, 228, 150});
    // Distant hills, then the skyline.
    fillPolygon(c,
                {{m.x0, 760},
                 {250, 700},
                 {380, 738},
                 {520, 690},
                 {700, 730},
                 {820, 700},
                 {m.x1, 720},
                 {m.x1, m.y1},
                 {m.x0, m.y1}},
                {178, 200, 196});
    const Rgb far = {120, 140, 160}, near = {86, 98, 124}, lit = {250, 226, 150};
    drawBuilding(c, 170, 218, 700, 880, far, lit, 1);
    drawBuilding(c, 226, 262, 660, 880, far, lit, 2);
    // A red spire.
    fillPolygon(c, {{282, 690}, {298, 590}, {314, 690}}, {196, 60, 50});
    drawBuilding(c, 276, 320, 690, 880, {176, 70, 60}, lit, 3);
    // The domed capitol with its columns.
    fillCircle(c, 430, 700, 52, {220, 210, 190});
    fillRect(c, 428, 630, 432, 650, {90, 80, 70});
    fillPolygon(c, {{424, 632}, {440, 638}, {424, 644}}, {200, 40, 40});
    fillRect(c, 360, 700, 500, 716, {234, 226, 206});
    for (float x = 368; x < 498; x += 16) fillRect(c, x, 716, x + 7, 790, {236, 230, 212});
    fillRect(c, 352, 790, 508, 880, {214, 204, 182});
    drawBuilding(c, 520, 566, 680, 880, near, lit, 4);
    drawBuilding(c, 572, 622, 730, 880, far, lit, 5);
    drawBuilding(c, 760, 800, 690, 880, near, lit, 6);
    drawBuilding(c, 806, 848, 740, 880, far, lit, 7);
    // Lighthouse by the water on the right.
    fillPolygon(c, {{640, 880}, {652, 740}, {676, 740}, {688, 880}}, {244, 244, 240});
    fillRect(c, 646, 780, 682, 796, {206, 60, 50});
    fillRect(c, 643, 830, 685, 846, {206, 60, 50});
    fillRect(c, 648, 720, 680, 742, {60, 60, 70});
    fillRect(c, 652, 724, 676, 738, {255, 236, 150});
    fillPolygon(c, {{644, 722}, {664, 700}, {684, 722}}, {60, 60, 70});
    fillGradientRect(c, m.x0, 840, m.x1, m.y1, {120, 170, 200}, {90, 140, 180});
    for (int i = 0; i < 9; ++i)
        strokeLine(c, 190 + i * 74.0f, 852 + (i % 3) * 9.0f, 226 + i * 74.0f, 852 + (i % 3) * 9.0f, 2,
                   {220, 236, 246}, 0.7f);

    // Card places on either side of the dice.
    for (int deck = 0; deck < 2; ++deck) {
        const float cx = deck == 0 ? 262 : 762, cy = 500;
        fillRoundRect(c, cx - 78, cy - 54, cx + 78, cy + 54, 12, {40, 40, 50}, 0.25f);
        fillRoundRect(c, cx - 74, cy - 50, cx + 74, cy + 50, 10,
                      deck == 0 ? Rgb{214, 236, 212} : Rgb{214, 224, 248}, 0.9f);
        TextStyle t;
        t.size = 20;
        t.colour = deck == 0 ? Rgb{24, 96, 60} : Rgb{34, 58, 150};
        if (deck == 0)
            drawLedgerEmblem(c, cx, cy - 8, 64);
        else
            drawStarEmblem(c, cx, cy - 10, 56, {250, 200, 60}, {120, 80, 20});
        drawText(c, deckTitle(deck), cx, cy + 42, t, AlignCentre);
    }

    // Title.
    TextStyle title;
    title.size = 104;
    title.colour = {240, 176, 52};
    drawTextOutlined(c, "TENANTRY", side / 2.0f + 3, 378, title, AlignCentre, {40, 30, 40}, 5);
    drawTextOutlined(c, "TENANTRY", side / 2.0f, 374, title, AlignCentre, {110, 46, 20}, 4);
    TextStyle sub;
    sub.size = 24;
    sub.face = Bold;
    sub.colour = {80, 50, 40};
    drawText(c, "BUY  \xb7  BUILD  \xb7  TRADE", side / 2.0f, 414, sub, AlignCentre);
    // A thin double frame round the centre.
    for (float inset : {10.0f, 16.0f}) {
        const float x0 = m.x0 + inset, x1 = m.x1 - inset, y0 = m.y0 + inset, y1 = m.y1 - inset;
        const float w = inset == 10 ? 2.5f : 1.2f;
        strokePolyline(c, {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}, {x0, y0}}, w, {120, 90, 60}, 0.6f);
    }
}

void drawGrid(Canvas& c) {
    const float w = 2.5f;
    // Inner edge of the ring, the outer border, and every square's sides.
    strokePolyline(
        c, {{ring, ring}, {side - ring, ring}, {side - ring, side - ring}, {ring, side - ring}, {ring, ring}},
        w, gridInk);
    fillRect(c, 0, 0, side, 3, gridInk);
    fillRect(c, 0, side - 3, side, side, gridInk);
    fillRect(c, 0, 0, 3, side, gridInk);
    fillRect(c, side - 3, 0, side, side, gridInk);
    for (int s = 0; s < 40; ++s) {
        const Box b = squareBox(s);
        if (upright(s) || s % 10 == 0) {
            fillRect(c, b.x0 - w / 2, b.y0, b.x0 + w / 2, b.y1, gridInk);
            fillRect(c, b.x1 - w / 2, b.y0, b.x1 + w / 2, b.y1, gridInk);
        }
        if (!upright(s) || s % 10 == 0) {
            fillRect(c, b.x0, b.y0 - w / 2, b.x1, b.y0 + w / 2, gridInk);
            fillRect(c, b.x0, b.y1 - w / 2, b.x1, b.y1 + w / 2, gridInk);
        }
    }
}

}  // namespace

Canvas paintBoard() {
    Canvas c = makeCanvas(side);
    fillAll(c, paper);
    paintCentreArt(c);
    for (int s = 0; s < 40; ++s) {
        const int p = propertyOn(s);
        const int deck = deckOn(s);
        if (p >= 0)
            paintPropertySquare(c, s, p);
        else if (deck >= 0)
            paintCardSquare(c, s, deck);
        else if (s == 4 || s == 38)
            paintTaxSquare(c, s);
    }
    paintGo(c);
    paintJail(c);
    paintFreeParking(c);
    paintGoToJail(c);
    drawGrid(c);
    return c;
}
