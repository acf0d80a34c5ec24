// The HexImage text form of the embedded pictures: row and channel order, the NUL that ends
// every chunk, the black key of the cut-out pictures, and the build's encoder agreeing with
// the start-up decoder.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "assets/hex_image.h"
#include "tools/embed/hex_encode.h"

namespace {

// Deterministic test pixels, rows top first, red-green-blue.
std::vector<uint8_t> patternImage(int side, uint32_t seed) {
    std::vector<uint8_t> rgb(static_cast<size_t>(side) * side * 3);
    for (uint8_t& v : rgb) {
        seed = seed * 1664525u + 1013904223u;
        v = static_cast<uint8_t>(seed >> 24);
    }
    return rgb;
}

}  // namespace

// Guards against a flipped row order or swapped red and blue in either direction.
TEST(HexImageTest, FirstPairIsTheBlueOfTheBottomLeftPixel) {
    const int side = 64;
    std::vector<uint8_t> rgb(static_cast<size_t>(side) * side * 3, 0x11);
    uint8_t* bottomLeft = &rgb[static_cast<size_t>(side - 1) * side * 3];
    bottomLeft[0] = 0x12, bottomLeft[1] = 0x34, bottomLeft[2] = 0xAB;  // red, green, blue
    rgb[0] = 0x77;                                                     // red of the top-left pixel

    const std::string text = encodeHexImage(rgb.data(), side);
    EXPECT_EQ(text.substr(0, 6), "AB3412");

    uint8_t first[3];
    decodeHexBytes(text.c_str(), 3, first);
    EXPECT_EQ(first[0], 0xAB);
    EXPECT_EQ(first[1], 0x34);
    EXPECT_EQ(first[2], 0x12);

    // The top-left pixel is the first of the last row; its red is that pixel's third byte.
    std::vector<uint8_t> all(static_cast<size_t>(side) * side * 3);
    decodeHexBytes(text.c_str(), all.size(), all.data());
    EXPECT_EQ(all[static_cast<size_t>(side - 1) * side * 3 + 2], 0x77);
}

// Guards against reading the NUL that ends a chunk as if it were a digit.
TEST(HexImageTest, CharacterAfterAChunkIsReadPastItsNul) {
    EXPECT_EQ(hexCharOffset(32767), 32767u);
    EXPECT_EQ(hexCharOffset(32768), 32769u);
    EXPECT_EQ(hexCharOffset(65536), 65538u);

    std::string text(32768, '0');
    text[32766] = 'C', text[32767] = 'D';
    text += '\0';
    text += "EF01";
    text += '\0';
    uint8_t out[16386];
    decodeHexBytes(text.c_str(), 16386, out);
    EXPECT_EQ(out[16383], 0xCD);  // the last pair of the first chunk
    EXPECT_EQ(out[16384], 0xEF);  // character 32768 comes from byte 32769
    EXPECT_EQ(out[16385], 0x01);
}

// A one-chunk picture of side 64 is plain consecutive text.
TEST(HexImageTest, SmallPictureIsOneChunkWithoutInnerNul) {
    const std::vector<uint8_t> rgb = patternImage(64, 5);
    const std::string text = encodeHexImage(rgb.data(), 64);
    ASSERT_EQ(text.size(), 64u * 64 * 6 + 1);
    EXPECT_EQ(text.find('\0'), 64u * 64 * 6);
}

// Only exact black is the key: a nearly black pixel in a shape must not vanish.
TEST(HexImageTest, KeyedDecodeMakesOnlyExactBlackTransparent) {
    const int side = 64;
    std::vector<uint8_t> rgb(static_cast<size_t>(side) * side * 3, 200);
    // Bottom row, left to right: black, red 1, green 1, blue 1; rows top first here.
    uint8_t* row = &rgb[static_cast<size_t>(side - 1) * side * 3];
    const uint8_t cases[4][3] = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    for (int i = 0; i < 4; ++i)
        for (int ch = 0; ch < 3; ++ch) row[i * 3 + ch] = cases[i][ch];

    const std::string text = encodeHexImage(rgb.data(), side);
    std::vector<uint8_t> px(static_cast<size_t>(side) * side * 4);
    decodeHexKeyed(text.c_str(), side, px.data());
    EXPECT_EQ(px[3], 0);       // exact black
    EXPECT_EQ(px[4 + 3], 255);  // red 1
    EXPECT_EQ(px[8 + 3], 255);  // green 1
    EXPECT_EQ(px[12 + 3], 255);  // blue 1
    // Blue, green, red order with the alpha appended.
    EXPECT_EQ(px[4 + 0], 0);
    EXPECT_EQ(px[4 + 2], 1);
    EXPECT_EQ(px[12 + 0], 1);
    EXPECT_EQ(px[16 + 3], 255);  // an ordinary pixel
}

// The build's encoder and the start-up decoder agree pixel for pixel on a chunked picture.
TEST(HexImageTest, EncoderRoundTripsThroughTheDecoder) {
    const int side = 256;
    const std::vector<uint8_t> rgb = patternImage(side, 42);
    const std::string text = encodeHexImage(rgb.data(), side);

    ASSERT_EQ(text.size(), 12u * 32769);
    for (size_t chunk = 0; chunk < 12; ++chunk) EXPECT_EQ(text[chunk * 32769 + 32768], '\0') << chunk;
    for (char ch : text) ASSERT_TRUE(ch == '\0' || (ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'F'));

    std::vector<uint8_t> bgr(static_cast<size_t>(side) * side * 3);
    decodeHexBytes(text.c_str(), bgr.size(), bgr.data());
    std::vector<uint8_t> keyed(static_cast<size_t>(side) * side * 4);
    decodeHexKeyed(text.c_str(), side, keyed.data());
    int mismatches = 0;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const uint8_t* src = &rgb[(static_cast<size_t>(y) * side + x) * 3];
            const size_t p = static_cast<size_t>(side - 1 - y) * side + x;  // decoded rows run bottom up
            const uint8_t* got = &bgr[p * 3];
            const uint8_t* k = &keyed[p * 4];
            if (got[0] != src[2] || got[1] != src[1] || got[2] != src[0]) ++mismatches;
            if (k[0] != src[2] || k[1] != src[1] || k[2] != src[0]) ++mismatches;
            if (k[3] != ((src[0] | src[1] | src[2]) ? 255 : 0)) ++mismatches;
        }
    EXPECT_EQ(mismatches, 0);
}
