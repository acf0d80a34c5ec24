// Replays fuzz inputs without libFuzzer, so every build runs the committed corpus as a test:
//   <target>_replay [--words] FILE_OR_DIR...
// --words also sweeps the inputs offset by offset: at each offset, one input (in turn) gets
// each of the little-endian words most likely to slip past a range check: -1 (also a NaN), the
// most negative number (also -0.0f), 41, infinity, just above 1.0f and just past the amount limit.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <vector>

#include "fuzz/fuzz_target.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    const bool words = argc > 1 && std::strcmp(argv[1], "--words") == 0;
    std::set<fs::path> files;  // absolute (a target may change directory), in name order
    for (int i = words ? 2 : 1; i < argc; ++i) {
        if (!fs::is_directory(argv[i]))
            files.insert(fs::absolute(argv[i]));
        else
            for (const auto& entry : fs::directory_iterator(argv[i]))
                if (entry.is_regular_file()) files.insert(fs::absolute(entry.path()));
    }
    std::vector<std::vector<unsigned char>> inputs;
    for (const fs::path& file : files) {
        std::fprintf(stderr, "%s\n", file.c_str());  // the last name printed is the reproducer
        std::ifstream in(file, std::ios::binary);
        inputs.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        LLVMFuzzerTestOneInput(inputs.back().data(), inputs.back().size());
    }
    long swept = 0;
    for (size_t offset = 0; words && !inputs.empty(); ++offset) {
        std::vector<unsigned char> input = inputs[offset % inputs.size()];
        if (offset + 4 > input.size()) break;
        for (uint32_t word : {0xFFFFFFFFu, 0x80000000u, 0x29u, 0x7F800000u, 0x3F800001u, 0x05F5E101u}) {
            for (int i = 0; i < 4; ++i) input[offset + i] = static_cast<unsigned char>(word >> (8 * i));
            LLVMFuzzerTestOneInput(input.data(), input.size());
            ++swept;
        }
    }
    std::printf("%zu inputs replayed, %ld swept words\n", inputs.size(), swept);
    return inputs.empty() ? 1 : 0;
}
