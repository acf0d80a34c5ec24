// Renders every screen and dialog of the game into PNG files, one per scene of scenes.cpp,
// through the real drawFrame in a GLUT window (run it under an X server, e.g. Xvfb), and
// prints each screen's lowest text contrast.
// Usage: gallery OUT_DIR [SCALE]   SCALE 1 (default) keeps the full 1200 x 700 frame, 2 halves it.
#include <GL/glut.h>
#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/shell.h"
#include "render/frame.h"
#include "render/gl_setup.h"
#include "tools/gallery/scenes.h"
#include "tools/gallery/text_contrast.h"

namespace {

// The whole frame, RGB, rows bottom-up.
std::vector<unsigned char> readFrame() {
    std::vector<unsigned char> full(static_cast<size_t>(designWidth) * designHeight * 3);
    glFinish();
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, designWidth, designHeight, GL_RGB, GL_UNSIGNED_BYTE, full.data());
    return full;
}

// Rows top-down, RGB, box-filtered down by `scale`.
std::vector<unsigned char> scaleFrame(const std::vector<unsigned char>& full, int scale, int& width,
                                      int& height) {
    width = designWidth / scale;
    height = designHeight / scale;
    std::vector<unsigned char> out(static_cast<size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < 3; ++c) {
                int sum = 0;
                for (int dy = 0; dy < scale; ++dy)
                    for (int dx = 0; dx < scale; ++dx) {
                        const int row = designHeight - 1 - (y * scale + dy);  // GL rows run bottom-up
                        sum += full[(static_cast<size_t>(row) * designWidth + x * scale + dx) * 3 + c];
                    }
                out[(static_cast<size_t>(y) * width + x) * 3 + c] =
                    static_cast<unsigned char>((sum + scale * scale / 2) / (scale * scale));
            }
    return out;
}

bool writePng(const std::string& path, const std::vector<unsigned char>& rgb, int width, int height) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        return false;
    }
    png_init_io(png, file);
    png_set_compression_level(png, 9);
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < height; ++y)
        png_write_row(png, const_cast<png_bytep>(&rgb[static_cast<size_t>(y) * width * 3]));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUT_DIR [SCALE]\n", argv[0]);
        return 2;
    }
    const std::string outDir = argv[1];
    const int scale = argc > 2 ? std::atoi(argv[2]) : 1;
    if (scale < 1 || scale > 4) return 2;
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(designWidth, designHeight);
    glutCreateWindow("Tenantry gallery");
    initGraphics();
    int failures = 0;
    static DrawnTextLog texts;
    std::printf("%-26s %s\n", "screen", "lowest text contrast");
    for (int i = 0; i < sceneCount; ++i) {
        scenes[i].setUp();
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        texts.count = 0;
        setDrawnTextLog(&texts);
        drawFrame();
        setDrawnTextLog(nullptr);
        const std::vector<unsigned char> full = readFrame();
        const LowestContrast lowest = lowestTextContrast(full.data(), designWidth, designHeight, texts);
        std::printf("%-26s %5.2f:1  (%d texts, %d under other items; lowest \"%s\")\n", scenes[i].name,
                    lowest.ratio, texts.count, lowest.hidden,
                    lowest.index >= 0 ? texts.items[lowest.index].text : "");
        int width = 0, height = 0;
        const std::vector<unsigned char> rgb = scaleFrame(full, scale, width, height);
        const std::string path = outDir + "/" + scenes[i].name + ".png";
        if (!writePng(path, rgb, width, height)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            ++failures;
        }
    }
    std::printf("%d screens written to %s\n", sceneCount - failures, outDir.c_str());
    return failures ? 1 : 0;
}
