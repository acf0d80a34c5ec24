// The HexImage encoder: pixels as the image files hold them (rows top first, red, green,
// blue) into the text the game decodes (rows bottom first, blue, green, red, upper-case
// hex pairs, a NUL after every 32768 characters and after the last, shorter chunk).
// Header-only so the unit tests can check it against the decoder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "ui/hex_image.h"

inline std::string encodeHexImage(const uint8_t* rgbTopFirst, int side) {
    static const char digits[] = "0123456789ABCDEF";
    const size_t chars = static_cast<size_t>(side) * side * 6;
    std::string text;
    text.reserve(chars + chars / hexChunkSize + 1);
    size_t written = 0;
    auto put = [&](uint8_t byte) {
        text += digits[byte >> 4];
        text += digits[byte & 15];
        written += 2;
        if (written % hexChunkSize == 0) text += '\0';
    };
    for (int row = side - 1; row >= 0; --row)
        for (int x = 0; x < side; ++x) {
            const uint8_t* p = rgbTopFirst + (static_cast<size_t>(row) * side + x) * 3;
            put(p[2]);
            put(p[1]);
            put(p[0]);
        }
    if (written % hexChunkSize != 0) text += '\0';
    return text;
}
