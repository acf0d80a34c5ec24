#include "tools/gallery/text_contrast.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

double relativeLuminance(double r, double g, double b) {
    auto linear = [](double c) {
        c /= 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(r) + 0.7152 * linear(g) + 0.0722 * linear(b);
}

double contrastRatio(double a, double b) { return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05); }

TextContrast measureTextContrast(const unsigned char* rgb, int width, int height, const DrawnText& text) {
    constexpr int ring = 2;        // pixels around the ink that count as its background
    constexpr int tolerance = 12;  // per channel, for "the text's own colour"
    const int tr = static_cast<int>(std::lround(text.colour.r * 255));
    const int tg = static_cast<int>(std::lround(text.colour.g * 255));
    const int tb = static_cast<int>(std::lround(text.colour.b * 255));
    const int x0 = std::max(0, static_cast<int>(text.box.x0) - 1 - ring);
    const int x1 = std::min(width, static_cast<int>(std::ceil(text.box.x1)) + 1 + ring);
    const int y0 = std::max(0, static_cast<int>(text.box.y0) - 1 - ring);  // rows from the top
    const int y1 = std::min(height, static_cast<int>(std::ceil(text.box.y1)) + 1 + ring);
    if (x1 <= x0 || y1 <= y0) return {1, 0, true};
    const int w = x1 - x0, h = y1 - y0;
    auto pixel = [&](int x, int yFromTop) {
        return &rgb[(static_cast<size_t>(height - 1 - yFromTop) * width + x) * 3];
    };
    std::vector<char> ink(static_cast<size_t>(w) * h, 0);
    int inkPixels = 0;
    for (int y = y0 + ring; y < y1 - ring; ++y)
        for (int x = x0 + ring; x < x1 - ring; ++x) {
            const unsigned char* p = pixel(x, y);
            if (std::abs(p[0] - tr) <= tolerance && std::abs(p[1] - tg) <= tolerance &&
                std::abs(p[2] - tb) <= tolerance) {
                ink[static_cast<size_t>(y - y0) * w + (x - x0)] = 1;
                ++inkPixels;
            }
        }
    if (inkPixels < 4) return {1, inkPixels, true};
    std::vector<double> around;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            if (ink[static_cast<size_t>(y - y0) * w + (x - x0)]) continue;
            bool near = false;
            for (int dy = -ring; dy <= ring && !near; ++dy)
                for (int dx = -ring; dx <= ring && !near; ++dx) {
                    const int nx = x + dx - x0, ny = y + dy - y0;
                    near = nx >= 0 && nx < w && ny >= 0 && ny < h && ink[static_cast<size_t>(ny) * w + nx];
                }
            if (!near) continue;
            const unsigned char* p = pixel(x, y);
            around.push_back(relativeLuminance(p[0], p[1], p[2]));
        }
    if (around.empty()) return {1, inkPixels, false};
    std::nth_element(around.begin(), around.begin() + around.size() / 2, around.end());
    return {contrastRatio(relativeLuminance(tr, tg, tb), around[around.size() / 2]), inkPixels, false};
}

LowestContrast lowestTextContrast(const unsigned char* rgb, int width, int height, const DrawnTextLog& log) {
    LowestContrast lowest;
    for (int i = 0; i < log.count; ++i) {
        const TextContrast c = measureTextContrast(rgb, width, height, log.items[i]);
        if (c.hidden)
            ++lowest.hidden;
        else if (c.ratio < lowest.ratio)
            lowest = {c.ratio, i, lowest.hidden};
    }
    return lowest;
}
