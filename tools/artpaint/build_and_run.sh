#!/bin/sh
# Builds the picture painter and repaints the PNG masters in assets/art/.
# Run from anywhere; needs g++, libpng-dev, FreeType (libfreetype-dev) and fonts-liberation2.
# Extra arguments name the pictures to repaint (e.g. board property_07); none repaints all,
# and also the desktop icons in assets/icons/.
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
g++ -std=c++17 -O2 -Wall -Wextra -I"$root" $(pkg-config --cflags freetype2 libpng) \
    "$root"/tools/artpaint/*.cpp $(pkg-config --libs freetype2 libpng) -o "$out/artpaint"
mkdir -p "$root/assets/art"
"$out/artpaint" "$root/assets/art" "$@"
if [ $# -eq 0 ]; then
    mkdir -p "$root/assets/icons"
    "$out/artpaint" --icons "$root/assets/icons"
fi
