#include "assets/textures.h"

#if defined(_WIN32)
#include <windows.h>
#endif
#include <GL/gl.h>
#include <GL/glext.h>

#include <vector>

#include "ui/hex_image.h"
#include "assets/images.h"

unsigned int bannerTex;
unsigned int propertyPictureTex[28];
unsigned int boardTex;
unsigned int cardBackTex[2];
unsigned int cardFrontTex[2];
unsigned int diceTex;
unsigned int arrowTex;
unsigned int backgroundTex;
unsigned int ownerMarkerTex;
unsigned int tokenTex;

static void uploadTexture(unsigned int* texture, int internalFormat, int side, unsigned int format,
                          const uint8_t* pixels) {
    glGenTextures(1, texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glBindTexture(GL_TEXTURE_2D, *texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, internalFormat, side, side, 0, format, GL_UNSIGNED_BYTE, pixels);
}

void loadHexTexture(const char* image, int chunkCount, unsigned int* texture) {
    const int side = chunkCount == 12 ? 256 : 1024;
    std::vector<uint8_t> pixels(static_cast<size_t>(side) * side * 3);
    decodeHexBytes(image, pixels.size(), pixels.data());
    uploadTexture(texture, 3, side, GL_BGR_EXT, pixels.data());
}

void loadHexTextureKeyed(const char* image, int side, unsigned int* texture) {
    std::vector<uint8_t> pixels(static_cast<size_t>(side) * side * 4);
    decodeHexKeyed(image, side, pixels.data());
    uploadTexture(texture, 4, side, GL_BGRA_EXT, pixels.data());
}

#if defined(_WIN32)
// On Windows the banner is the program's bitmap resource 103 (24 bits, rows bottom-up, blue,
// green, red), turned into RGBA with black transparent.
void loadBannerTexture() {
    const HBITMAP bitmap = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(103),
                                                           IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!bitmap) return;
    BITMAP info{};
    if (GetObjectA(bitmap, sizeof info, &info) == 0 || !info.bmBits || info.bmBitsPixel != 24 ||
        info.bmWidth != info.bmHeight) {
        DeleteObject(bitmap);
        return;
    }
    const int side = info.bmWidth;
    std::vector<uint8_t> pixels(static_cast<size_t>(side) * side * 4);
    for (int y = 0; y < side; ++y) {
        const uint8_t* row =
            static_cast<const uint8_t*>(info.bmBits) + static_cast<size_t>(y) * info.bmWidthBytes;
        for (int x = 0; x < side; ++x) {
            const uint8_t blue = row[x * 3], green = row[x * 3 + 1], red = row[x * 3 + 2];
            uint8_t* out = &pixels[(static_cast<size_t>(y) * side + x) * 4];
            out[0] = red, out[1] = green, out[2] = blue;
            out[3] = (red | green | blue) ? 255 : 0;
        }
    }
    DeleteObject(bitmap);
    uploadTexture(&bannerTex, 4, side, GL_RGBA, pixels.data());
}
#else
void loadBannerTexture() {
    // Elsewhere than on the original platform the banner is one more embedded image; it is
    // still turned into RGBA with black transparent, in red-green-blue order.
    const char* image = embeddedImage(ImageBanner);
    if (!image) return;
    const int side = imageSide(ImageBanner);
    std::vector<uint8_t> pixels(static_cast<size_t>(side) * side * 4);
    decodeHexKeyed(image, side, pixels.data());
    for (size_t p = 0; p < pixels.size(); p += 4) {
        const uint8_t blue = pixels[p];
        pixels[p] = pixels[p + 2];
        pixels[p + 2] = blue;
    }
    uploadTexture(&bannerTex, 4, side, GL_RGBA, pixels.data());
}
#endif

static int chunksFor(ImageId id) { return imageSide(id) == 256 ? 12 : 192; }

static void loadPlain(ImageId id, unsigned int* texture) {
    if (const char* image = embeddedImage(id)) loadHexTexture(image, chunksFor(id), texture);
}

static void loadKeyed(ImageId id, unsigned int* texture) {
    if (const char* image = embeddedImage(id)) loadHexTextureKeyed(image, imageSide(id), texture);
}

void loadAllTextures() {
    loadBannerTexture();
    for (int p = 0; p < 28; ++p)
        loadPlain(static_cast<ImageId>(ImagePropertyPicture0 + p), &propertyPictureTex[p]);
    loadPlain(ImageBoard, &boardTex);
    loadKeyed(ImageCardBack0, &cardBackTex[0]);
    loadKeyed(ImageCardBack1, &cardBackTex[1]);
    loadKeyed(ImageCardFront0, &cardFrontTex[0]);
    loadKeyed(ImageCardFront1, &cardFrontTex[1]);
    loadKeyed(ImageDice, &diceTex);
    loadKeyed(ImageArrow, &arrowTex);
    loadPlain(ImageBackground, &backgroundTex);
    loadKeyed(ImageOwnerMarker, &ownerMarkerTex);
    loadKeyed(ImageToken, &tokenTex);
}
