// A build without pictures: every image entry is empty and no texture is made.
#include "assets/images.h"

int imageSide(ImageId id) {
    if (id == ImageBoard || id == ImageBackground) return 1024;
    if (id == ImageArrow || id == ImageOwnerMarker || id == ImageToken) return 64;
    return 256;
}

const char* embeddedImage(ImageId) { return nullptr; }
