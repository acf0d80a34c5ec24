#include "ui/text_metrics.h"

// clang-format off
const int32_t glyphAdvance[128] = {
    // 0..32: control characters and the space have no glyph
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0,
    // '!' .. '0'
    12, 26, 52, 46, 75, 60, 12, 24, 24, 32, 48, 11, 28, 11, 28, 47,
    // '1' .. '@'
    26, 47, 46, 49, 47, 46, 45, 47, 47, 11, 12, 46, 47, 46, 45, 90,
    // 'A' .. 'P'
    66, 54, 62, 58, 53, 48, 66, 55, 11, 39, 58, 44, 67, 56, 67, 54,
    // 'Q' .. '`'
    69, 61, 56, 56, 55, 64, 93, 64, 63, 56, 20, 28, 20, 39, 55, 18,
    // 'a' .. 'p'
    47, 45, 45, 44, 47, 30, 45, 42, 11, 16, 42, 10, 71, 42, 48, 45,
    // 'q' .. '~'
    44, 28, 43, 26, 42, 47, 67, 47, 46, 46, 28, 9, 29, 50,
    // 127 (DELETE)
    0,
};

const int32_t glyphDrop[glyphCount] = {
    //  !    "    #    $    %    &    '    (    )    *    +    ,    -    .    /
        0, -25,   0,   0,   0,   0, -25,   0,   0, -20,   0,  35,   0,  30,   0,
    //  0    1    2    3    4    5    6    7    8    9    :    ;    <    =    >    ?    @
        0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   5,  15,   0,   0,   0,   0,   0,
    //  A..Z
        0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,
        0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,
    //  [    \    ]    ^    _    `
        0,   0,   0, -15,  30, -30,
    //  a    b    c    d    e    f    g    h    i    j    k    l    m
       10,   0,  10,   0,  10,   0,  20,   0,   0,  10,   0,   0,  10,
    //  n    o    p    q    r    s    t    u    v    w    x    y    z
       10,  10,  20,  20,  10,  10,   0,  10,  10,  10,  10,  20,  10,
    //  {    |    }    ~
        0,   0,   0,   0,
};
// clang-format on

static_assert(sizeof(glyphDrop) / sizeof(glyphDrop[0]) == 94, "one drop per glyph");

int charWidth(int c) {
    if (c == ' ') return 30;
    if (hasGlyph(c)) return glyphAdvance[c];
    return -1;
}

int measureText(const char* text) {
    int width = 0;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
        width += (hasGlyph(*p) ? glyphAdvance[*p] : 30) + 4;
    }
    return width;
}


