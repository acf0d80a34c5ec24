// fontgen: rasterises a TrueType font into the game's built-in 1-bit glyph sheet.
//
// Usage: fontgen FONT.ttf OUTPUT.png
// Regenerate from the repository root with:
//     tools/fontgen/build_and_run.sh
// which builds this host tool with g++ (FreeType and libpng via pkg-config) and rewrites
// assets/art/font.png from Liberation Sans (package fonts-liberation2).
//
// Every glyph '!'..'~' becomes a 128 x 128 one-bit bitmap:
//   - one pixel size for all glyphs, so their heights keep the font's proportions;
//   - the outline is rendered antialiased at kOversample times that size and box-filtered
//     down, then thresholded at half coverage; thin glyphs keep their shape this way;
//   - horizontally the ink is stretched or squeezed so its width (leftmost to rightmost
//     set column, inclusive) is exactly glyphAdvance[c]; vertically it keeps its natural size;
//   - the ink box is centred in the cell: blank columns on the left = (128 - width) / 2 and
//     blank rows below = (128 - height) / 2, both with integer division (any odd pixel goes
//     to the right and to the top);
//   - two shapes are adjusted to suit the advance and drop tables: '1' loses its foot bar
//     and the tail of 'Q' is flattened (see removeFoot and kQTailSquash);
//   - the thin strokes of '$' and '#' are widened to a stem's weight (see widenThinRuns).
// The sheet holds the glyphs in character order, glyphSheetColumns to a row, each upright in
// its 128 x 128 cell, ink white (255) on black; tools/embed turns it into the text the game reads.

#include <ft2build.h>
#include <png.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_BBOX_H

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "ui/font_data.h"
#include "ui/text_metrics.h"

namespace {

constexpr int kCell = 128;
// Em size in output pixels. Liberation Sans then has a cap height of about 70 px, and the
// natural ink widths come close to the advance table, so the horizontal fit is gentle.
constexpr int kEmPixels = 102;
constexpr int kOversample = 8;
// The tail of Liberation Sans' 'Q' hangs well below the baseline. Glyphs are centred on their
// ink and 'Q' gets no drop, so a full tail would lift the letter above its neighbours; the
// part below the baseline is flattened vertically by this factor instead.
constexpr double kQTailSquash = 0.5;

// A glyph thresholded to the output resolution before centring.
struct Ink {
    int width = 0;
    int height = 0;
    double middle = 0;                // height of the ink's centre above the baseline
    std::vector<unsigned char> bits;  // height rows, top row first, width columns each
};

double overlap(double a0, double a1, double b0, double b1) {
    return std::max(0.0, std::min(a1, b1) - std::max(a0, b0));
}

// The antialiased render at kOversample times the output size, top row first.
struct Source {
    int width = 0;
    int rows = 0;
    std::vector<unsigned char> cov;  // 0..255 coverage
    unsigned char at(int r, int x) const { return cov[static_cast<size_t>(r) * width + x]; }
};

// Leftmost and rightmost columns of row r with any coverage; false for a blank row.
bool rowSpan(const Source& s, int r, int& lo, int& hi) {
    lo = s.width;
    hi = -1;
    for (int x = 0; x < s.width; ++x) {
        if (s.at(r, x)) {
            lo = std::min(lo, x);
            hi = std::max(hi, x);
        }
    }
    return hi >= 0;
}

// Liberation Sans draws '1' with a foot bar, but its advance (26 px) is that of the plain
// flag-and-stem form: squeezing the foot into it would thin the stem to half weight. So
// the foot rows are replaced by the stem above them before the width is fitted.
bool removeFoot(Source& s) {
    const int stemRow = s.rows * 2 / 3;  // above the foot, below the flag (rows run top first)
    int stemLo, stemHi;
    if (!rowSpan(s, stemRow, stemLo, stemHi)) return false;
    bool changed = false;
    for (int r = s.rows - 1; r > stemRow; --r) {
        int lo, hi;
        if (!rowSpan(s, r, lo, hi) || (lo >= stemLo - 1 && hi <= stemHi + 1)) break;
        std::copy_n(&s.cov[static_cast<size_t>(stemRow) * s.width], s.width,
                    &s.cov[static_cast<size_t>(r) * s.width]);
        changed = true;
    }
    return changed;
}

// Ink extent of a source in its own pixels, allowing for partly covered edge columns.
void inkEdges(const Source& s, double& left, double& right) {
    std::vector<int> peak(s.width, 0);
    for (int r = 0; r < s.rows; ++r) {
        for (int x = 0; x < s.width; ++x) peak[x] = std::max(peak[x], static_cast<int>(s.at(r, x)));
    }
    int lo = 0, hi = s.width - 1;
    while (lo < hi && !peak[lo]) ++lo;
    while (hi > lo && !peak[hi]) --hi;
    left = lo + 1.0 - peak[lo] / 255.0;
    right = hi + peak[hi] / 255.0;
}

// Renders character c and resamples its ink to `targetWidth` columns; natural vertical scale.
bool rasterise(FT_Face face, int c, int targetWidth, Ink& out, double& naturalWidth) {
    if (FT_Load_Char(face, c, FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP)) return false;
    FT_GlyphSlot slot = face->glyph;
    if (slot->format != FT_GLYPH_FORMAT_OUTLINE) return false;
    FT_BBox box;
    FT_Outline_Get_BBox(&slot->outline, &box);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL)) return false;
    Source bm{static_cast<int>(slot->bitmap.width), static_cast<int>(slot->bitmap.rows), {}};
    for (int r = 0; r < bm.rows; ++r) {
        const unsigned char* line = slot->bitmap.buffer + static_cast<long>(r) * slot->bitmap.pitch;
        bm.cov.insert(bm.cov.end(), line, line + bm.width);
    }

    // Exact ink extent of the outline, in oversampled pixels.
    double xMin = box.xMin / 64.0, xMax = box.xMax / 64.0;
    if (c == '1' && removeFoot(bm)) {
        inkEdges(bm, xMin, xMax);
        xMin += slot->bitmap_left;
        xMax += slot->bitmap_left;
    }
    naturalWidth = (xMax - xMin) / kOversample;
    const double step = (xMax - xMin) / targetWidth;  // source pixels per output column

    // Output rows are aligned to the baseline so that flat tops and feet fall on the same
    // pixel boundaries in every glyph. Row index r covers source y [r, r+1) * kOversample.
    const int srcTop = slot->bitmap_top;  // y of the top edge of bitmap row 0
    const int srcBottom = srcTop - bm.rows;
    const int rTop = static_cast<int>(std::ceil(srcTop / double(kOversample)));
    const int rBottom = static_cast<int>(std::floor(srcBottom / double(kOversample)));
    const int rows = rTop - rBottom;

    std::vector<double> cov(static_cast<size_t>(rows) * targetWidth, 0.0);
    for (int sr = 0; sr < bm.rows; ++sr) {
        const int y0 = srcTop - sr - 1;  // bottom edge of this source row
        const double squash = (c == 'Q' && y0 < 0) ? kQTailSquash : 1.0;
        const int r = static_cast<int>(std::floor(y0 * squash / kOversample));
        const int outRow = rTop - 1 - r;  // top row first
        const unsigned char* line = &bm.cov[static_cast<size_t>(sr) * bm.width];
        for (int sc = 0; sc < bm.width; ++sc) {
            if (!line[sc]) continue;
            const double x0 = slot->bitmap_left + static_cast<double>(sc);
            const int j0 = std::max(0, static_cast<int>(std::floor((x0 - xMin) / step)));
            const int j1 = std::min(targetWidth - 1, static_cast<int>(std::floor((x0 + 1 - xMin) / step)));
            for (int j = j0; j <= j1; ++j) {
                const double w = overlap(x0, x0 + 1, xMin + j * step, xMin + (j + 1) * step);
                cov[static_cast<size_t>(outRow) * targetWidth + j] += line[sc] / 255.0 * w * squash;
            }
        }
    }
    const double area = step * kOversample;  // source area of one output pixel
    for (double& v : cov) v /= area;

    std::vector<unsigned char> bits(cov.size(), 0);
    for (size_t i = 0; i < cov.size(); ++i) bits[i] = cov[i] >= 0.5;

    // The outermost columns hold only the extreme edge of the outline, often less than half
    // covered (round sides, sharp corners). Set their strongest pixels anyway so the ink
    // reaches exactly the fitted width.
    for (int j : {0, targetWidth - 1}) {
        double peak = 0;
        for (int r = 0; r < rows; ++r) peak = std::max(peak, cov[static_cast<size_t>(r) * targetWidth + j]);
        const double cut = std::min(0.5, peak * 0.5);
        for (int r = 0; r < rows; ++r) {
            const size_t i = static_cast<size_t>(r) * targetWidth + j;
            if (peak > 0 && cov[i] >= cut) bits[i] = 1;
        }
    }

    // Trim blank rows above and below the ink.
    int first = rows, last = -1;
    for (int r = 0; r < rows; ++r) {
        for (int j = 0; j < targetWidth; ++j) {
            if (bits[static_cast<size_t>(r) * targetWidth + j]) {
                first = std::min(first, r);
                last = std::max(last, r);
            }
        }
    }
    if (last < 0) return false;
    out.width = targetWidth;
    out.height = last - first + 1;
    out.middle = rTop - (first + last + 1) / 2.0;
    out.bits.assign(bits.begin() + static_cast<long>(first) * targetWidth,
                    bits.begin() + static_cast<long>(last + 1) * targetWidth);
    return true;
}

// Liberation Sans draws the bar of '$' about half as heavy as its stems (5 output pixels against
// 9 to 11), and '#' all four of its strokes. Text is drawn at a fifth to a seventh of the cell,
// so at some positions such a stroke fell between the screen's pixels and "$30" read "S30". Each
// run of ink narrower than a stem is widened about its middle to a stem's width, inside the
// glyph's own ink box so the fitted width and the centring stay: along the rows for the bar of
// '$' (the curve's thin tips grow alike), along the columns too for the bars of '#'.
constexpr int kStemWidth = 9;
void widenLine(unsigned char* first, int count, int step, int minRun) {
    std::vector<unsigned char> was(count);
    for (int i = 0; i < count; ++i) was[i] = first[i * step];
    for (int i = 0; i < count;) {
        if (!was[i]) {
            ++i;
            continue;
        }
        const int start = i;
        while (i < count && was[i]) ++i;
        const int grow = minRun - (i - start);
        if (grow <= 0) continue;
        for (int k = std::max(0, start - grow / 2); k < std::min(count, i + (grow + 1) / 2); ++k)
            first[k * step] = 1;
    }
}
void widenThinRuns(Ink& ink, bool columnsToo) {
    unsigned char* bits = ink.bits.data();
    for (int r = 0; r < ink.height; ++r)
        widenLine(bits + static_cast<size_t>(r) * ink.width, ink.width, 1, kStemWidth);
    if (columnsToo)
        for (int x = 0; x < ink.width; ++x) widenLine(bits + x, ink.height, ink.width, kStemWidth);
}

// Places the ink centred in the cell; returns the cell rows bottom row first.
std::vector<unsigned char> centre(const Ink& ink) {
    std::vector<unsigned char> cell(kCell * kCell, 0);
    const int left = (kCell - ink.width) / 2;
    const int below = (kCell - ink.height) / 2;
    for (int r = 0; r < ink.height; ++r) {
        const int cellRow = below + (ink.height - 1 - r);  // ink rows run top first
        for (int j = 0; j < ink.width; ++j) {
            cell[static_cast<size_t>(cellRow) * kCell + left + j] =
                ink.bits[static_cast<size_t>(r) * ink.width + j];
        }
    }
    return cell;
}

// Checks the finished cell against the rules the game relies on.
bool inkWidthIs(const std::vector<unsigned char>& cell, int width) {
    int lo = kCell, hi = -1;
    for (int r = 0; r < kCell; ++r) {
        for (int x = 0; x < kCell; ++x) {
            if (cell[static_cast<size_t>(r) * kCell + x]) {
                lo = std::min(lo, x);
                hi = std::max(hi, x);
            }
        }
    }
    return hi >= 0 && hi - lo + 1 == width && lo == (kCell - width) / 2;
}

const char* describe(int c) {
    static char buf[32];
    if (c == '\\') return "backslash";
    if (c == '\'') return "single quote";
    if (c == '"') return "double quote";
    if (c == '/') return "slash";
    if (c == '`') return "back-quote";
    std::snprintf(buf, sizeof buf, "'%c'", c);
    return buf;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s FONT.ttf OUTPUT.png\n", argv[0]);
        return 2;
    }
    FT_Library lib;
    FT_Face face;
    if (FT_Init_FreeType(&lib) || FT_New_Face(lib, argv[1], 0, &face)) {
        std::fprintf(stderr, "fontgen: cannot open font %s\n", argv[1]);
        return 1;
    }
    FT_Set_Pixel_Sizes(face, 0, kEmPixels * kOversample);

    constexpr int sheetWidth = glyphSheetColumns * kCell, sheetHeight = glyphSheetRows * kCell;
    static_assert(glyphSheetColumns * glyphSheetRows >= glyphCount, "the sheet holds every glyph");
    std::vector<unsigned char> sheet(static_cast<size_t>(sheetWidth) * sheetHeight, 0);
    for (int c = firstGlyph; c <= lastGlyph; ++c) {
        Ink ink;
        double natural = 0;
        if (!rasterise(face, c, glyphAdvance[c], ink, natural)) {
            std::fprintf(stderr, "fontgen: no glyph for %s\n", describe(c));
            return 1;
        }
        if (c == '$' || c == '#') widenThinRuns(ink, c == '#');
        if (ink.height > kCell) {
            std::fprintf(stderr, "fontgen: %s is %d px high, taller than the cell\n", describe(c),
                         ink.height);
            return 1;
        }
        const std::vector<unsigned char> cell = centre(ink);
        if (!inkWidthIs(cell, glyphAdvance[c])) {
            std::fprintf(stderr, "fontgen: %s did not fit its advance %d\n", describe(c), glyphAdvance[c]);
            return 1;
        }
        // Report, for checking against the drop table, how far below the text's centre line
        // the baseline lands when this glyph is drawn.
        std::fprintf(stderr, "%-14s advance %3d natural %6.1f scale %.2f height %3d baseline %5.1f\n",
                     describe(c), glyphAdvance[c], natural, glyphAdvance[c] / natural, ink.height,
                     glyphDrop[c - firstGlyph] + ink.middle);

        const int index = c - firstGlyph;
        const int left = index % glyphSheetColumns * kCell, top = index / glyphSheetColumns * kCell;
        for (int r = 0; r < kCell; ++r)  // cell rows run bottom first, the sheet's top first
            for (int x = 0; x < kCell; ++x)
                sheet[static_cast<size_t>(top + kCell - 1 - r) * sheetWidth + left + x] =
                    cell[static_cast<size_t>(r) * kCell + x] ? 255 : 0;
    }

    FT_Done_Face(face);
    FT_Done_FreeType(lib);

    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = sheetWidth;
    image.height = sheetHeight;
    image.format = PNG_FORMAT_GRAY;
    if (!png_image_write_to_file(&image, argv[2], 0, sheet.data(), 0, nullptr)) {
        std::fprintf(stderr, "fontgen: cannot write %s: %s\n", argv[2], image.message);
        return 1;
    }
    return 0;
}
