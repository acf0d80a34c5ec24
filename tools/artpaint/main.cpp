// Paints every picture of the game and writes the PNG masters.
// Usage: artpaint OUT_DIR [NAME...]   (names without ".png" limit the run to those pictures)
//        artpaint --icons OUT_DIR      (the desktop icon, tenantry_SIZE.png at the usual sizes)
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "tools/artpaint/paint.h"
#include "tools/artpaint/text.h"

namespace {

struct Picture {
    std::string name;
    bool keyed;
    std::function<Canvas()> paint;
};

std::vector<Picture> allPictures() {
    std::vector<Picture> list = {
        {"banner", true, paintBanner},
        {"board", false, paintBoard},
        {"card_back_0", true, [] { return paintCardBack(0); }},
        {"card_back_1", true, [] { return paintCardBack(1); }},
        {"card_front_0", true, [] { return paintCardFront(0); }},
        {"card_front_1", true, [] { return paintCardFront(1); }},
        {"dice", true, paintDice},
        {"arrow", true, paintArrow},
        {"background", false, paintBackground},
        {"marker", true, paintOwnerMarker},
        {"token", true, paintToken},
    };
    for (int p = 0; p < 28; ++p) {
        char name[32];
        std::snprintf(name, sizeof name, "property_%02d", p);
        list.push_back({name, false, [p] { return paintPropertyPicture(p); }});
    }
    return list;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUT_DIR [NAME...]\n", argv[0]);
        return 2;
    }
    if (std::string(argv[1]) == "--icons") {
        if (argc != 3) return 2;
        for (const int side : {16, 24, 32, 48, 64, 128, 256, 512}) {
            const std::string path = std::string(argv[2]) + "/tenantry_" + std::to_string(side) + ".png";
            if (!writePngRgba(path, toRgba8(paintIcon(side)), side)) {
                std::fprintf(stderr, "cannot write %s\n", path.c_str());
                return 1;
            }
        }
        std::printf("wrote the icons to %s\n", argv[2]);
        return 0;
    }
    const std::string dir = argv[1];
    const std::string fonts = "/usr/share/fonts/truetype/liberation2/";
    if (!openFonts(fonts + "LiberationSans-Regular.ttf", fonts + "LiberationSans-Bold.ttf")) {
        std::fprintf(stderr, "cannot open Liberation Sans in %s\n", fonts.c_str());
        return 1;
    }
    int written = 0;
    for (const Picture& p : allPictures()) {
        bool wanted = argc == 2;
        for (int i = 2; i < argc; ++i) wanted = wanted || p.name == argv[i];
        if (!wanted) continue;
        const Canvas c = p.paint();
        const std::string path = dir + "/" + p.name + ".png";
        if (!writePng(path, toRgb8(c, p.keyed), c.w)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
        ++written;
    }
    closeFonts();
    std::printf("wrote %d pictures to %s\n", written, dir.c_str());
    return 0;
}
