// Copying into the record's fixed-size text fields.
#pragma once

#include <cstddef>

// Copies at most capacity - 1 bytes of src and always terminates dst[capacity - 1]; for the
// fixed-size message buffers.
inline void copyText(char* dst, const char* src, size_t capacity) {
    if (capacity == 0) return;
    size_t i = 0;
    for (; i + 1 < capacity && src[i]; ++i) dst[i] = src[i];
    dst[i] = '\0';
    dst[capacity - 1] = '\0';
}
