#include "tools/artpaint/text.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdio>

namespace {

FT_Library library = nullptr;
FT_Face faces[2] = {nullptr, nullptr};

// A line of text rendered upright into a coverage mask; (ox, oy) is the mask position of the
// pen's start on the baseline.
struct Mask {
    int w = 0, h = 0;
    float ox = 0, oy = 0;
    std::vector<float> a;
};

void setSize(const TextStyle& style) {
    FT_Set_Char_Size(faces[style.face], 0, static_cast<FT_F26Dot6>(style.size * 64), 72, 72);
}

Mask renderLine(const std::string& s, const TextStyle& style) {
    FT_Face face = faces[style.face];
    setSize(style);
    const float width = textWidth(s, style);
    Mask m;
    const int pad = 2;
    const float ascent = face->size->metrics.ascender / 64.0f,
                descent = -face->size->metrics.descender / 64.0f;
    m.w = static_cast<int>(std::ceil(width)) + 2 * pad + static_cast<int>(style.size / 2);
    m.h = static_cast<int>(std::ceil(ascent + descent)) + 2 * pad;
    m.ox = pad;
    m.oy = pad + std::ceil(ascent);
    m.a.assign(static_cast<size_t>(m.w) * m.h, 0.0f);
    float pen = 0;
    for (unsigned char ch : s) {
        FT_Matrix matrix{static_cast<FT_Fixed>(style.squeeze * 65536), 0, 0, 0x10000};
        const float start = m.ox + pen;
        const int whole = static_cast<int>(std::floor(start));
        FT_Vector delta{static_cast<FT_Pos>((start - whole) * 64), 0};
        FT_Set_Transform(face, &matrix, &delta);
        if (FT_Load_Char(face, ch, FT_LOAD_RENDER | FT_LOAD_NO_HINTING)) continue;
        const FT_GlyphSlot g = face->glyph;
        const int left = whole + g->bitmap_left, top = static_cast<int>(m.oy) - g->bitmap_top;
        for (unsigned r = 0; r < g->bitmap.rows; ++r)
            for (unsigned col = 0; col < g->bitmap.width; ++col) {
                const int x = left + static_cast<int>(col), y = top + static_cast<int>(r);
                if (x < 0 || y < 0 || x >= m.w || y >= m.h) continue;
                float& dst = m.a[static_cast<size_t>(y) * m.w + x];
                dst = std::max(dst, g->bitmap.buffer[r * g->bitmap.pitch + col] / 255.0f);
            }
        pen += g->linearHoriAdvance / 65536.0f * style.squeeze;
    }
    FT_Set_Transform(face, nullptr, nullptr);
    return m;
}

// Blends the mask onto the canvas with its baseline anchor at (ax, ay), turned as the style says.
void blendMask(Canvas& c, const Mask& m, float ax, float ay, int turns, Rgb colour) {
    for (int y = 0; y < m.h; ++y)
        for (int x = 0; x < m.w; ++x) {
            const float a = m.a[static_cast<size_t>(y) * m.w + x];
            if (a <= 0) continue;
            const float dx = x - m.ox, dy = y - m.oy;
            float tx = dx, ty = dy;
            if (turns == 1) tx = dy, ty = -dx - 1;
            if (turns == -1) tx = -dy - 1, ty = dx;
            if (turns == 2 || turns == -2) tx = -dx - 1, ty = -dy - 1;
            blendPixel(c, static_cast<int>(std::lround(ax + tx)), static_cast<int>(std::lround(ay + ty)),
                       colour, a);
        }
}

float alignShift(const std::string& s, const TextStyle& style, Align align) {
    const float w = textWidth(s, style);
    return align == AlignLeft ? 0 : align == AlignCentre ? -w / 2 : -w;
}

}  // namespace

bool openFonts(const std::string& regularPath, const std::string& boldPath) {
    if (FT_Init_FreeType(&library)) return false;
    if (FT_New_Face(library, regularPath.c_str(), 0, &faces[Regular])) return false;
    if (FT_New_Face(library, boldPath.c_str(), 0, &faces[Bold])) return false;
    return true;
}

void closeFonts() {
    for (FT_Face& f : faces)
        if (f) FT_Done_Face(f), f = nullptr;
    if (library) FT_Done_FreeType(library), library = nullptr;
}

float textWidth(const std::string& s, const TextStyle& style) {
    FT_Face face = faces[style.face];
    setSize(style);
    float w = 0;
    for (unsigned char ch : s)
        if (!FT_Load_Char(face, ch, FT_LOAD_NO_HINTING)) w += face->glyph->linearHoriAdvance / 65536.0f;
    return w * style.squeeze;
}

float capHeight(const TextStyle& style) {
    FT_Face face = faces[style.face];
    setSize(style);
    if (FT_Load_Char(face, 'H', FT_LOAD_NO_HINTING)) return style.size * 0.7f;
    return face->glyph->metrics.height / 64.0f;
}

TextStyle fitWidth(TextStyle style, const std::string& s, float maxWidth, float minSqueeze) {
    const float w = textWidth(s, style);
    if (w <= maxWidth) return style;
    const float need = maxWidth / w * style.squeeze;
    if (need >= minSqueeze) {
        style.squeeze = need;
        return style;
    }
    style.squeeze = minSqueeze;
    while (style.size > 6 && textWidth(s, style) > maxWidth) style.size -= 0.25f;
    return style;
}

void drawText(Canvas& c, const std::string& s, float x, float baseline, const TextStyle& style, Align align) {
    const Mask m = renderLine(s, style);
    const float shift = alignShift(s, style, align);
    float ax = x + shift, ay = baseline;
    if (style.quarterTurns == 1) ax = x, ay = baseline - shift;
    if (style.quarterTurns == -1) ax = x, ay = baseline + shift;
    if (style.quarterTurns == 2 || style.quarterTurns == -2) ax = x - shift;
    blendMask(c, m, ax, ay, style.quarterTurns, style.colour);
}

void drawTextOutlined(Canvas& c, const std::string& s, float x, float baseline, const TextStyle& style,
                      Align align, Rgb outline, float radius) {
    Mask m = renderLine(s, style);
    Mask grown = m;
    const int r = static_cast<int>(std::ceil(radius));
    for (int y = 0; y < m.h; ++y)
        for (int xx = 0; xx < m.w; ++xx) {
            float best = 0;
            for (int dy = -r; dy <= r; ++dy)
                for (int dx = -r; dx <= r; ++dx) {
                    const int sx = xx + dx, sy = y + dy;
                    if (sx < 0 || sy < 0 || sx >= m.w || sy >= m.h) continue;
                    const float d = std::sqrt(static_cast<float>(dx * dx + dy * dy));
                    const float weight = clamp01(radius + 0.5f - d);
                    best = std::max(best, m.a[static_cast<size_t>(sy) * m.w + sx] * weight);
                }
            grown.a[static_cast<size_t>(y) * m.w + xx] = best;
        }
    const float shift = alignShift(s, style, align);
    float ax = x + shift, ay = baseline;
    if (style.quarterTurns == 1) ax = x, ay = baseline - shift;
    if (style.quarterTurns == -1) ax = x, ay = baseline + shift;
    if (style.quarterTurns == 2 || style.quarterTurns == -2) ax = x - shift;
    blendMask(c, grown, ax, ay, style.quarterTurns, outline);
    blendMask(c, m, ax, ay, style.quarterTurns, style.colour);
}
