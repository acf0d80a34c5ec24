// What the two fuzz targets share with the corpus replayer: the entry libFuzzer calls, and a
// fault that names itself and stops the run, so libFuzzer (or the replayer) keeps the input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

[[noreturn]] inline void fuzzFault(const char* what, const char* detail = "") {
    std::fprintf(stderr, "fuzz fault: %s %s\n", what, detail);
    std::abort();
}
