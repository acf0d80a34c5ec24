#!/bin/sh
# Builds the font rasteriser and regenerates the glyph sheet assets/art/font.png.
# Run from anywhere; needs g++, FreeType (libfreetype-dev), libpng-dev and fonts-liberation2.
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
font=${1:-/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
g++ -std=c++17 -O2 -Wall -Wextra -I"$root" $(pkg-config --cflags freetype2 libpng) \
    "$root/tools/fontgen/fontgen.cpp" "$root/ui/text_metrics.cpp" \
    $(pkg-config --libs freetype2 libpng) -o "$out/fontgen"
"$out/fontgen" "$font" "$root/assets/art/font.png" 2>"$out/log" || { cat "$out/log" >&2; exit 1; }
echo "wrote $root/assets/art/font.png"
