// The pictures built into the program, as HexImage text: pairs of upper-case hex digits,
// rows bottom-up, each pixel blue, green, red; cut into chunks of 32768 characters each
// followed by a NUL (images of side 64 are a single chunk with no NUL inside).
#pragma once

#include <cstddef>

enum ImageId : int {
    ImageBanner = 0,
    ImagePropertyPicture0 = 1,  // 28 pictures, property 0 first
    ImageBoard = ImagePropertyPicture0 + 28,
    ImageCardBack0,
    ImageCardBack1,
    ImageCardFront0,
    ImageCardFront1,
    ImageDice,
    ImageArrow,
    ImageBackground,
    ImageOwnerMarker,
    ImageToken,
    ImageCount,
};

// Side length in pixels of each image.
int imageSide(ImageId id);

// The embedded HexImage text of an image, or nullptr when the build carries no art for it.
const char* embeddedImage(ImageId id);
