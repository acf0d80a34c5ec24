// The HexImage text form of the embedded pictures: row and channel order, the NUL that ends
// every chunk, the black key of the cut-out pictures, and the build's encoder agreeing with
// the start-up decoders.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/embed/hex_encode.h"
#include "ui/hex_image.h"

// Noise pictures of one chunk and of many come back pixel for pixel: rows bottom-up, blue
// first. Only exact black is the key: a nearly black pixel in a shape must not vanish.
TEST(HexImage, EncoderRoundTripsThroughTheDecoders) {
    for (int side : {64, 256}) {
        const size_t pixels = static_cast<size_t>(side) * side, chunks = (pixels * 6 + 32767) / 32768;
        std::vector<uint8_t> rgb(pixels * 3);  // rows top first
        uint32_t seed = side;
        for (uint8_t& v : rgb) v = static_cast<uint8_t>((seed = seed * 1664525u + 1013904223u) >> 24);
        const uint8_t nearBlack[12] = {0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1};
        std::copy(nearBlack, nearBlack + 12, rgb.begin());
        std::copy(nearBlack + 3, nearBlack + 6, rgb.end() - side * 3);  // the bottom-left pixel: 01 00 00
        const std::string text = encodeHexImage(rgb.data(), side);
        EXPECT_EQ(text.substr(0, 6), "000001");
        ASSERT_EQ(text.size(), pixels * 6 + chunks);
        // Upper-case hex digits up to the NUL that ends each chunk of 32768.
        EXPECT_EQ(text.find_first_not_of("0123456789ABCDEF"), std::min<size_t>(32768, text.size() - 1));
        for (size_t i = 32768; i < text.size(); i += 32769) EXPECT_EQ(text[i], '\0') << i;
        std::vector<uint8_t> bgr(pixels * 3), keyed(pixels * 4);
        decodeHexBytes(text.c_str(), bgr.size(), bgr.data());
        decodeHexKeyed(text.c_str(), side, keyed.data());
        int mismatches = 0;
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x) {
                const uint8_t* src = &rgb[(static_cast<size_t>(y) * side + x) * 3];
                const size_t p = static_cast<size_t>(side - 1 - y) * side + x;
                for (int c = 0; c < 3; ++c)
                    mismatches += (bgr[p * 3 + c] != src[2 - c]) + (keyed[p * 4 + c] != src[2 - c]);
                mismatches += keyed[p * 4 + 3] != ((src[0] | src[1] | src[2]) ? 255 : 0);
            }
        EXPECT_EQ(mismatches, 0);
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(keyed[(pixels - side + x) * 4 + 3], x ? 255 : 0) << x;  // the key
    }
}
