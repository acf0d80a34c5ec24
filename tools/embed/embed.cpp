// Build step: reads the PNG masters and writes, into the build tree, each picture as
// HexImage text, an assembler file that pulls the texts into read-only data with .incbin,
// and the table behind embeddedImage and imageSide; the glyph sheet as the font's text
// (glyphBitmaps) with an assembler file of its own, for the headless core; and the banner as a
// BMP file, which the Windows build carries as its bitmap resource 103.
// Usage: tenantry_embed ART_DIR OUT_DIR
#include <png.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "assets/images.h"
#include "tools/embed/hex_encode.h"
#include "ui/font_data.h"

namespace {

struct Entry {
    std::string stem;  // file name without ".png", also the symbol's suffix
    int side;
};

// In ImageId order.
std::vector<Entry> entries() {
    std::vector<Entry> list = {{"banner", 256}};
    for (int p = 0; p < 28; ++p) {
        char stem[32];
        std::snprintf(stem, sizeof stem, "property_%02d", p);
        list.push_back({stem, 256});
    }
    const std::vector<Entry> rest = {{"board", 1024},       {"card_back_0", 256},  {"card_back_1", 256},
                                     {"card_front_0", 256}, {"card_front_1", 256}, {"dice", 256},
                                     {"arrow", 64},         {"background", 1024},  {"marker", 64},
                                     {"token", 64}};
    list.insert(list.end(), rest.begin(), rest.end());
    return list;
}

// Reads a PNG of exactly width x height into pixels of the given simplified-API format.
bool readPng(const std::string& path, int width, int height, png_uint_32 format,
             std::vector<uint8_t>& pixels) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) {
        std::fprintf(stderr, "%s: %s\n", path.c_str(), image.message);
        return false;
    }
    if (static_cast<int>(image.width) != width || static_cast<int>(image.height) != height) {
        std::fprintf(stderr, "%s: is %ux%u, must be %dx%d\n", path.c_str(), image.width, image.height, width,
                     height);
        png_image_free(&image);
        return false;
    }
    image.format = format;
    pixels.assign(PNG_IMAGE_SIZE(image), 0);
    if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) {
        std::fprintf(stderr, "%s: %s\n", path.c_str(), image.message);
        return false;
    }
    return true;
}

// The glyph sheet (upright cells, ink any value of 128 or more) as glyphBitmaps' text: per glyph
// its rows bottom first, four pixels a hex digit with the leftmost in the high bit, then a NUL.
std::string encodeGlyphs(const std::vector<uint8_t>& sheet) {
    static const char digits[] = "0123456789ABCDEF";
    const int sheetWidth = glyphSheetColumns * glyphCell;
    std::string text;
    for (int glyph = 0; glyph < 94; ++glyph) {
        const int left = glyph % glyphSheetColumns * glyphCell, top = glyph / glyphSheetColumns * glyphCell;
        for (int row = glyphCell - 1; row >= 0; --row)
            for (int x = 0; x < glyphCell; x += 4) {
                const uint8_t* p = &sheet[static_cast<size_t>(top + row) * sheetWidth + left + x];
                text += digits[(p[0] >= 128) << 3 | (p[1] >= 128) << 2 | (p[2] >= 128) << 1 | (p[3] >= 128)];
            }
        text += '\0';
    }
    return text;
}

bool writeFile(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.close();
    if (!out) std::fprintf(stderr, "cannot write %s\n", path.c_str());
    return static_cast<bool>(out);
}

// The banner again as a 24-bit bottom-up BMP file, for the Windows build's bitmap resource.
std::string bmp(const std::vector<uint8_t>& rgb, int side) {
    const uint32_t pixelBytes = static_cast<uint32_t>(side) * side * 3, offset = 14 + 40;
    std::string s;
    auto u16 = [&](uint32_t v) { s += static_cast<char>(v & 0xFF), s += static_cast<char>((v >> 8) & 0xFF); };
    auto u32 = [&](uint32_t v) { u16(v & 0xFFFF), u16(v >> 16); };
    s += "BM";
    u32(offset + pixelBytes), u32(0), u32(offset);
    u32(40), u32(side), u32(side), u16(1), u16(24), u32(0), u32(pixelBytes), u32(2835), u32(2835), u32(0),
        u32(0);
    for (int y = side - 1; y >= 0; --y)  // rows of 768 bytes need no padding
        for (int x = 0; x < side; ++x) {
            const uint8_t* p = &rgb[(static_cast<size_t>(y) * side + x) * 3];
            s += static_cast<char>(p[2]), s += static_cast<char>(p[1]), s += static_cast<char>(p[0]);
        }
    return s;
}

std::string symbol(const Entry& e) { return "tenantryImage_" + e.stem; }

struct Blob {
    std::string symbol, file;
};

// Read-only data, each blob under its symbol, pulled in from its file with .incbin. One file
// for every assembler the game is built with: ELF (GNU/Linux) and PE/COFF (MinGW), where
// read-only data lives in .rdata, symbols cannot be hidden, and 32-bit targets prefix C names
// with an underscore (__USER_LABEL_PREFIX__ says which).
std::string assembler(const std::vector<Blob>& blobs) {
    std::string s = "/* Generated by tools/embed from assets/art; do not edit. */\n";
    s += "#define TENANTRY_JOIN2(a, b) a##b\n";
    s += "#define TENANTRY_JOIN(a, b) TENANTRY_JOIN2(a, b)\n";
    s += "#define SYMBOL(name) TENANTRY_JOIN(__USER_LABEL_PREFIX__, name)\n";
    s += "#if defined(_WIN32)\n    .section .rdata,\"dr\"\n#else\n    .section .rodata\n#endif\n";
    for (const Blob& b : blobs) {
        s += "    .balign 16\n";
        s += "    .globl SYMBOL(" + b.symbol + ")\n";
        s += "#if defined(__ELF__)\n    .hidden SYMBOL(" + b.symbol + ")\n#endif\n";
        s += "SYMBOL(" + b.symbol + "):\n";
        s += "    .incbin \"" + b.file + "\"\n";
    }
    s += "#if defined(__ELF__)\n    .section .note.GNU-stack,\"\",%progbits\n#endif\n";
    return s;
}

std::string table(const std::vector<Entry>& list) {
    std::string s =
        "// Generated by tools/embed from assets/art; do not edit.\n#include \"assets/images.h\"\n\n";
    s += "extern \"C\" {\n";
    for (const Entry& e : list) s += "extern const char " + symbol(e) + "[];\n";
    s += "}\n\nnamespace {\n\nconst char* const images[ImageCount] = {\n";
    for (const Entry& e : list) s += "    " + symbol(e) + ",\n";
    s += "};\n\nconst int sides[ImageCount] = {\n";
    for (const Entry& e : list) s += "    " + std::to_string(e.side) + ",\n";
    s += "};\n\n}  // namespace\n\n";
    s += "int imageSide(ImageId id) { return id >= 0 && id < ImageCount ? sides[id] : 0; }\n\n";
    s += "const char* embeddedImage(ImageId id) { return id >= 0 && id < ImageCount ? images[id] : nullptr; "
         "}\n";
    return s;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s ART_DIR OUT_DIR\n", argv[0]);
        return 2;
    }
    const std::string artDir = argv[1], outDir = argv[2];
    const std::vector<Entry> list = entries();
    std::error_code ignored;
    std::filesystem::create_directories(outDir, ignored);
    if (static_cast<int>(list.size()) != ImageCount) {
        std::fprintf(stderr, "the picture list does not match the ImageId enum\n");
        return 1;
    }
    size_t total = 0;
    std::vector<Blob> pictures;
    for (const Entry& e : list) {
        std::vector<uint8_t> rgb;
        if (!readPng(artDir + "/" + e.stem + ".png", e.side, e.side, PNG_FORMAT_RGB, rgb)) return 1;
        if (e.stem == "banner" && !writeFile(outDir + "/banner.bmp", bmp(rgb, e.side))) return 1;
        const std::string text = encodeHexImage(rgb.data(), e.side);
        if (!writeFile(outDir + "/" + e.stem + ".hex", text)) return 1;
        total += text.size();
        pictures.push_back({symbol(e), outDir + "/" + e.stem + ".hex"});
    }
    std::vector<uint8_t> sheet;
    if (!readPng(artDir + "/font.png", glyphSheetColumns * glyphCell, glyphSheetRows * glyphCell,
                 PNG_FORMAT_GRAY, sheet))
        return 1;
    if (!writeFile(outDir + "/font.hex", encodeGlyphs(sheet))) return 1;
    if (!writeFile(outDir + "/font.S", assembler({{"glyphBitmaps", outDir + "/font.hex"}}))) return 1;
    if (!writeFile(outDir + "/images.S", assembler(pictures))) return 1;
    if (!writeFile(outDir + "/assets_table.cpp", table(list))) return 1;
    std::printf("embedded %d pictures, %zu bytes of text\n", ImageCount, total);
    return 0;
}
