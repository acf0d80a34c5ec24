// Decoding of the embedded HexImage text into pixel buffers; no OpenGL, tested headless.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr size_t hexChunkSize = 32768;

// Character i of a HexImage: chunks of 32768 characters, each followed by a NUL.
inline size_t hexCharOffset(size_t i) { return (i / hexChunkSize) * (hexChunkSize + 1) + i % hexChunkSize; }

// Decodes `byteCount` bytes (two hex digits each) into out.
void decodeHexBytes(const char* image, size_t byteCount, uint8_t* out);

// Decodes side x side blue-green-red pixels into blue-green-red-alpha, with alpha 0 exactly
// where all three bytes are 0 and 255 elsewhere.
void decodeHexKeyed(const char* image, int side, uint8_t* out);
