// Replays fuzz inputs without libFuzzer, so every build runs the committed corpus as a test:
//   <target>_replay FILE_OR_DIR...
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <vector>

#include "fuzz/fuzz_target.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    std::set<fs::path> files;  // absolute (a target may change directory), in name order
    for (int i = 1; i < argc; ++i) {
        if (!fs::is_directory(argv[i]))
            files.insert(fs::absolute(argv[i]));
        else
            for (const auto& entry : fs::directory_iterator(argv[i]))
                if (entry.is_regular_file()) files.insert(fs::absolute(entry.path()));
    }
    for (const fs::path& file : files) {
        std::fprintf(stderr, "%s\n", file.c_str());  // the last name printed is the reproducer
        std::ifstream in(file, std::ios::binary);
        const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), {}};
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
    std::printf("%zu inputs replayed\n", files.size());
    return files.empty() ? 1 : 0;
}
