#include "tools/artpaint/canvas.h"

#include <png.h>

Canvas makeCanvas(int side) {
    Canvas c;
    c.w = c.h = side;
    c.px.assign(static_cast<size_t>(side) * side * 4, 0.0f);
    return c;
}

void fillAll(Canvas& c, Rgb colour) {
    for (size_t i = 0; i < c.px.size(); i += 4) {
        c.px[i] = colour.r;
        c.px[i + 1] = colour.g;
        c.px[i + 2] = colour.b;
        c.px[i + 3] = 1;
    }
}

void fillRect(Canvas& c, float x0, float y0, float x1, float y1, Rgb colour, float opacity) {
    fillShape(
        c, x0, y0, x1, y1, [=](float x, float y) { return x >= x0 && x < x1 && y >= y0 && y < y1; }, colour,
        opacity);
}

void fillRoundRect(Canvas& c, float x0, float y0, float x1, float y1, float radius, Rgb colour,
                   float opacity) {
    fillShape(
        c, x0, y0, x1, y1, [=](float x, float y) { return insideRoundRect(x, y, x0, y0, x1, y1, radius); },
        colour, opacity);
}

void fillCircle(Canvas& c, float cx, float cy, float r, Rgb colour, float opacity) {
    fillEllipse(c, cx, cy, r, r, colour, opacity);
}

void fillEllipse(Canvas& c, float cx, float cy, float rx, float ry, Rgb colour, float opacity) {
    fillShape(
        c, cx - rx, cy - ry, cx + rx, cy + ry,
        [=](float x, float y) {
            const float dx = (x - cx) / rx, dy = (y - cy) / ry;
            return dx * dx + dy * dy <= 1;
        },
        colour, opacity);
}

void fillRing(Canvas& c, float cx, float cy, float r0, float r1, Rgb colour, float opacity) {
    fillShape(
        c, cx - r1, cy - r1, cx + r1, cy + r1,
        [=](float x, float y) {
            const float d = (x - cx) * (x - cx) + (y - cy) * (y - cy);
            return d >= r0 * r0 && d <= r1 * r1;
        },
        colour, opacity);
}

bool insidePolygon(const std::vector<Pt>& poly, float x, float y) {
    bool in = false;
    for (size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
        const Pt a = poly[i], b = poly[j];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) in = !in;
    }
    return in;
}

void fillPolygon(Canvas& c, const std::vector<Pt>& poly, Rgb colour, float opacity) {
    if (poly.size() < 3) return;
    float x0 = poly[0].x, x1 = x0, y0 = poly[0].y, y1 = y0;
    for (const Pt& p : poly) {
        x0 = std::min(x0, p.x), x1 = std::max(x1, p.x);
        y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
    }
    fillShape(
        c, x0, y0, x1, y1, [&poly](float x, float y) { return insidePolygon(poly, x, y); }, colour, opacity);
}

void strokeLine(Canvas& c, float ax, float ay, float bx, float by, float width, Rgb colour, float opacity) {
    const float r = width / 2;
    const float dx = bx - ax, dy = by - ay, len2 = std::max(dx * dx + dy * dy, 1e-6f);
    fillShape(
        c, std::min(ax, bx) - r, std::min(ay, by) - r, std::max(ax, bx) + r, std::max(ay, by) + r,
        [=](float x, float y) {
            const float t = clamp01(((x - ax) * dx + (y - ay) * dy) / len2);
            const float px = ax + t * dx - x, py = ay + t * dy - y;
            return px * px + py * py <= r * r;
        },
        colour, opacity);
}

void strokePolyline(Canvas& c, const std::vector<Pt>& pts, float width, Rgb colour, float opacity) {
    if (pts.size() < 2) return;
    // One pass over the joint bounding box, so overlapping segments do not double their opacity.
    float x0 = pts[0].x, x1 = x0, y0 = pts[0].y, y1 = y0;
    for (const Pt& p : pts) {
        x0 = std::min(x0, p.x), x1 = std::max(x1, p.x);
        y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
    }
    const float r = width / 2;
    fillShape(
        c, x0 - r, y0 - r, x1 + r, y1 + r,
        [&pts, r](float x, float y) {
            for (size_t i = 1; i < pts.size(); ++i) {
                const float ax = pts[i - 1].x, ay = pts[i - 1].y, dx = pts[i].x - ax, dy = pts[i].y - ay;
                const float t = clamp01(((x - ax) * dx + (y - ay) * dy) / std::max(dx * dx + dy * dy, 1e-6f));
                const float px = ax + t * dx - x, py = ay + t * dy - y;
                if (px * px + py * py <= r * r) return true;
            }
            return false;
        },
        colour, opacity);
}

void fillGradientRect(Canvas& c, float x0, float y0, float x1, float y1, Rgb top, Rgb bottom) {
    paintShape(
        c, x0, y0, x1, y1, [=](float x, float y) { return x >= x0 && x < x1 && y >= y0 && y < y1; },
        [=](float, float y) { return mix(top, bottom, clamp01((y - y0) / std::max(y1 - y0, 1.0f))); });
}

std::vector<Pt> starPolygon(float cx, float cy, float outer, float inner, int points, float turn) {
    std::vector<Pt> poly;
    const float pi = 3.14159265f;
    for (int i = 0; i < 2 * points; ++i) {
        const float a = turn - pi / 2 + i * pi / points;
        const float r = (i % 2) ? inner : outer;
        poly.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    return poly;
}

void glow(Canvas& c, float cx, float cy, float r, Rgb colour, float strength) {
    paintSoft(c, cx - r, cy - r, cx + r, cy + r, colour, [=](float x, float y) {
        const float d = std::sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy)) / r;
        const float t = clamp01(1 - d);
        return strength * t * t;
    });
}

std::vector<uint8_t> toRgb8(const Canvas& c, bool keyed) {
    std::vector<uint8_t> out(static_cast<size_t>(c.w) * c.h * 3);
    for (size_t p = 0; p < static_cast<size_t>(c.w) * c.h; ++p) {
        const float* s = &c.px[p * 4];
        float r = s[0], g = s[1], b = s[2];
        if (keyed) {
            if (s[3] < 0.5f) {
                r = g = b = 0;
            } else {
                r /= s[3], g /= s[3], b /= s[3];
            }
        }
        uint8_t* d = &out[p * 3];
        d[0] = static_cast<uint8_t>(std::lround(std::min(255.0f, std::max(0.0f, r))));
        d[1] = static_cast<uint8_t>(std::lround(std::min(255.0f, std::max(0.0f, g))));
        d[2] = static_cast<uint8_t>(std::lround(std::min(255.0f, std::max(0.0f, b))));
        // Inside a keyed shape even the darkest pixel must stay visible.
        if (keyed && s[3] >= 0.5f && d[0] == 0 && d[1] == 0 && d[2] == 0) d[0] = d[1] = d[2] = 1;
    }
    return out;
}

bool writePng(const std::string& path, const std::vector<uint8_t>& rgb, int side) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = side;
    image.height = side;
    image.format = PNG_FORMAT_RGB;
    return png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), side * 3, nullptr) != 0;
}

std::vector<uint8_t> toRgba8(const Canvas& c) {
    std::vector<uint8_t> out(static_cast<size_t>(c.w) * c.h * 4);
    for (size_t p = 0; p < static_cast<size_t>(c.w) * c.h; ++p) {
        const float* s = &c.px[p * 4];
        const float a = s[3];
        for (int k = 0; k < 3; ++k) {
            const float v = a > 0 ? s[k] / a : 0;
            out[p * 4 + k] = static_cast<uint8_t>(std::lround(std::min(255.0f, std::max(0.0f, v))));
        }
        out[p * 4 + 3] = static_cast<uint8_t>(std::lround(std::min(1.0f, std::max(0.0f, a)) * 255));
    }
    return out;
}

bool writePngRgba(const std::string& path, const std::vector<uint8_t>& rgba, int side) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = side;
    image.height = side;
    image.format = PNG_FORMAT_RGBA;
    return png_image_write_to_file(&image, path.c_str(), 0, rgba.data(), side * 4, nullptr) != 0;
}
