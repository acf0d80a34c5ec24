#include "assets/hex_image.h"

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

inline uint8_t byteAt(const unsigned char* text, size_t j) {
    const size_t i = 2 * j;  // a pair never straddles a chunk: chunks hold an even count
    const unsigned char* pair = text + hexCharOffset(i);
    return static_cast<uint8_t>(hexTable.value[pair[0]] << 4 | hexTable.value[pair[1]]);
}

}  // namespace

void decodeHexBytes(const char* image, size_t byteCount, uint8_t* out) {
    // Chunk by chunk, so the inner loop is a straight walk over contiguous digit pairs.
    const unsigned char* chunk = reinterpret_cast<const unsigned char*>(image);
    const size_t bytesPerChunk = hexChunkSize / 2;
    while (byteCount > 0) {
        const size_t n = byteCount < bytesPerChunk ? byteCount : bytesPerChunk;
        for (size_t j = 0; j < n; ++j)
            out[j] = static_cast<uint8_t>(hexTable.value[chunk[2 * j]] << 4 | hexTable.value[chunk[2 * j + 1]]);
        out += n;
        byteCount -= n;
        chunk += hexChunkSize + 1;  // skip the chunk's NUL
    }
}

void decodeHexKeyed(const char* image, int side, uint8_t* out) {
    const unsigned char* text = reinterpret_cast<const unsigned char*>(image);
    const size_t pixels = static_cast<size_t>(side) * side;
    for (size_t p = 0; p < pixels; ++p) {
        const uint8_t b = byteAt(text, 3 * p), g = byteAt(text, 3 * p + 1), r = byteAt(text, 3 * p + 2);
        uint8_t* px = out + 4 * p;
        px[0] = b;
        px[1] = g;
        px[2] = r;
        px[3] = (b | g | r) ? 255 : 0;
    }
}
