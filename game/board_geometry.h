// Where things sit on the board, in one place: the sides, each square's box in the board
// picture, the spots the rules store for highlights, owner stars and tokens, the camera's aim
// and a tile's click box. The art painter, the rules, the camera and the mouse all read it.
//
// Board pixels: the picture is 1024 across, x to the right, y away from the near side (GO's
// row). Board units are pixels / 1024.
#pragma once

#include "game/state.h"

enum BoardSide { NearSide, LeftSide, FarSide, RightSide };  // squares 0-9, 10-19, 20-29, 30-39

constexpr int squaresPerSide = squareCount / 4;
constexpr int boardPixels = 1024;
constexpr int squarePitch = 82;       // pixels from one square to the next along a side
constexpr int boardRingPixels = 143;  // depth of the ring of squares in the picture

constexpr BoardSide sideOf(int square) { return static_cast<BoardSide>(square / squaresPerSide % 4); }
constexpr bool isCornerSquare(int square) { return square % squaresPerSide == 0; }
// How many squares past the side's corner.
constexpr int stepsAlong(int square) { return square % squaresPerSide; }

struct BoardPoint {
    double x, y;
};
struct BoardBox {
    double x0, y0, x1, y1;
    constexpr bool contains(BoardPoint p) const { return x0 <= p.x && p.x <= x1 && y0 <= p.y && p.y <= y1; }
    constexpr bool containsOpen(BoardPoint p) const { return x0 < p.x && p.x < x1 && y0 < p.y && p.y < y1; }
};

// The square's box in the picture as the art painter draws it: rows counted from the top of
// the picture (the far side). Each side's run starts 144 pixels from the corner it leaves and
// the ring is 143 deep; the corners keep the odd pixel the picture was first drawn with.
constexpr BoardBox squareArtBox(int s) {
    constexpr double side = boardPixels, ring = boardRingPixels;
    switch (s) {
        case 0: return {880, 882, side, side};
        case 10: return {0, 880, 142, side};
        case 20: return {0, 0, 144, 142};
        case 30: return {882, 0, side, 144};
        default: break;
    }
    const int k = stepsAlong(s) - 1;
    switch (sideOf(s)) {
        case NearSide: return {880.0 - squarePitch * s, side - ring, 962.0 - squarePitch * s, side};
        case LeftSide: return {0, side - 226 - squarePitch * k, ring, side - 144 - squarePitch * k};
        case FarSide: return {144.0 + squarePitch * k, 0, 226.0 + squarePitch * k, ring};
        case RightSide: break;
    }
    return {side - ring, 144.0 + squarePitch * k, side, 226.0 + squarePitch * k};
}

// The square's highlight spot (the near-left corner of its highlight), in board pixels.
constexpr BoardPoint squareSpotPixels(int s) {
    const int k = stepsAlong(s);
    switch (sideOf(s)) {
        case NearSide: return {k == 0 ? 947.0 : boardPixels - (squarePitch * k + 129), 25};
        case LeftSide: return {25, k == 0 ? 25.0 : squarePitch * k + 77};
        case FarSide: return {k == 0 ? 25.0 : squarePitch * k + 77, 947};
        case RightSide: break;
    }
    return {947, k == 0 ? 947.0 : boardPixels - (squarePitch * k + 129)};
}

// The owner star's spot on the tile of a (non-corner) square, in board pixels.
constexpr BoardPoint propertySpotPixels(int s) {
    const BoardPoint spot = squareSpotPixels(s);
    switch (sideOf(s)) {
        case NearSide: return {spot.x, 103};
        case LeftSide: return {103, spot.y};
        case FarSide: return {spot.x, 869};
        case RightSide: break;
    }
    return {869, spot.y};
}

// Token place k (0..7) on square s, in board units: four in a column across the square, a
// second column for seats 4..7. The jail cell lies inside the jail's corner, whose visitors
// stand along its two outer edges.
constexpr BoardPoint tokenSpot(int s, int k) {
    constexpr double a = 68.0 / 3072.0;  // token column step
    constexpr double b = 0.03;           // token row step
    const int c = k % 4, r = k / 4;
    if (s == jailCell) return {78 / 1024.0 + b * r, 109 / 1024.0 - a * c};
    if (s == 0) return {920 / 1024.0 + b * r, 73 / 1024.0 - a * c};
    if (s < 10) return {1 - (82 * s + 134) / 1024.0 + b * r, 73 / 1024.0 - a * c};
    if (s == jailSquare)
        return {k < 4 ? 5 / 1024.0 : 109 / 1024.0 - a * c, k < 4 ? 109 / 1024.0 - a * c : 5 / 1024.0};
    if (s < 20) return {73 / 1024.0 - a * c, (82 * (s - 10) + 103) / 1024.0 - b * r};
    if (s == 20) return {73 / 1024.0 - b * r, 920 / 1024.0 + a * c};
    if (s < 30) return {(82 * (s - 20) + 103) / 1024.0 - b * r, 920 / 1024.0 + a * c};
    if (s == 30) return {951 / 1024.0 - b * r, 920 / 1024.0 + a * c};
    return {920 / 1024.0 + a * c, 1 - (82 * (s - 30) + 134) / 1024.0 + b * r};
}

// Where the camera looks to follow square s: x across the board, z along it (0 the centre).
constexpr BoardPoint cameraAim(int s) {
    const float step = 0.05f, edge = 0.25f;
    const int k = stepsAlong(s);
    if (s < 0 || s >= squareCount) return {-edge, -edge};
    switch (sideOf(s)) {
        case NearSide: return {edge - step * k, -edge};
        case LeftSide: return {-edge, step * k - edge};
        case FarSide: return {step * k - edge, edge};
        case RightSide: break;
    }
    return {edge, edge - step * k};
}

// The click box of square s's tile, in board units, from its highlight spot: the tile reaches
// inwards from the spot, a highlight wide along the side and two deep across it.
constexpr BoardBox tileClickBox(int s, float spotX, float spotY) {
    const float w = 0.05f;
    switch (sideOf(s)) {
        case NearSide: return {spotX, spotY, spotX + w, spotY + 2 * w};
        case LeftSide: return {spotX, spotY, spotX + 2 * w, spotY + w};
        case FarSide: return {spotX, spotY - w, spotX + w, spotY + w};
        case RightSide: break;
    }
    return {spotX - w, spotY, spotX + w, spotY + w};
}

// The art painter's boxes and the rules' spots agree: every highlight lies on its own square
// of the picture, and every owner star's centre does (the stars are as wide as a highlight).
constexpr bool spotsLieOnTheirSquares() {
    constexpr double mark = 0.05 * boardPixels;
    for (int s = 0; s < squareCount; ++s) {
        const BoardBox art = squareArtBox(s);
        const BoardBox square = {art.x0, boardPixels - art.y1, art.x1, boardPixels - art.y0};
        const BoardPoint spot = squareSpotPixels(s), star = propertySpotPixels(s);
        if (!square.contains(spot) || !square.contains({spot.x + mark, spot.y + mark})) return false;
        if (!isCornerSquare(s) && !square.contains({star.x + mark / 2, star.y + mark / 2})) return false;
    }
    return true;
}
static_assert(spotsLieOnTheirSquares(), "a spot of the rules falls outside its square in the picture");
