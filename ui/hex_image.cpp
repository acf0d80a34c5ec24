#include "ui/hex_image.h"

#include <cstring>

namespace {

// Digit values by character; the decode is one table lookup per character.
struct HexTable {
    uint8_t value[256] = {};
    constexpr HexTable() {
        for (int c = '0'; c <= '9'; ++c) value[c] = static_cast<uint8_t>(c - '0');
        for (int c = 'A'; c <= 'F'; ++c) value[c] = static_cast<uint8_t>(c - 'A' + 10);
        for (int c = 'a'; c <= 'f'; ++c) value[c] = static_cast<uint8_t>(c - 'a' + 10);
    }
};
constexpr HexTable hexTable;

}  // namespace

// Byte values by digit pair, indexed by the two characters as they lie in memory; one lookup
// per decoded byte keeps the start-up decode of the 26 MB of text near memory speed.
static const uint8_t* pairTable() {
    static uint8_t table[65536];
    static bool built = false;
    if (!built) {
        for (int first = 0; first < 256; ++first)
            for (int second = 0; second < 256; ++second) {
                const unsigned char pair[2] = {static_cast<unsigned char>(first),
                                               static_cast<unsigned char>(second)};
                uint16_t key;
                std::memcpy(&key, pair, 2);
                table[key] = static_cast<uint8_t>(hexTable.value[first] << 4 | hexTable.value[second]);
            }
        built = true;
    }
    return table;
}

void decodeHexBytes(const char* image, size_t byteCount, uint8_t* out) {
    // Chunk by chunk, so the inner loop is a straight walk over contiguous digit pairs.
    const uint8_t* table = pairTable();
    const unsigned char* chunk = reinterpret_cast<const unsigned char*>(image);
    const size_t bytesPerChunk = hexChunkSize / 2;
    while (byteCount > 0) {
        const size_t n = byteCount < bytesPerChunk ? byteCount : bytesPerChunk;
        for (size_t j = 0; j < n; ++j) {
            uint16_t key;
            std::memcpy(&key, chunk + 2 * j, 2);
            out[j] = table[key];
        }
        out += n;
        byteCount -= n;
        chunk += hexChunkSize + 1;  // skip the chunk's NUL
    }
}

void decodeHexKeyed(const char* image, int side, uint8_t* out) {
    // Decode the colour bytes into the buffer's last three quarters, then spread them forward
    // into four-byte pixels: each write lands before any colour byte still to be read.
    const size_t pixels = static_cast<size_t>(side) * side;
    const uint8_t* colour = out + pixels;
    decodeHexBytes(image, 3 * pixels, out + pixels);
    for (size_t p = 0; p < pixels; ++p) {
        const uint8_t b = colour[3 * p], g = colour[3 * p + 1], r = colour[3 * p + 2];
        uint8_t* px = out + 4 * p;
        px[0] = b;
        px[1] = g;
        px[2] = r;
        px[3] = (b | g | r) ? 255 : 0;
    }
}
