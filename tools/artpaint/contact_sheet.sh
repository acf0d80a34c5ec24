#!/bin/sh
# Rebuilds docs/art-sheet.png, the overview of every picture, from assets/art/.
# Needs ImageMagick (montage, convert) and fonts-liberation2.
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
art=$root/assets/art
font=/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cd "$art"
montage -background '#d8d2c4' -font "$font" -pointsize 13 -label '%t' -geometry 520x520+5+5 board.png "$tmp/board.png"
montage -background '#d8d2c4' -font "$font" -pointsize 11 -label '%t' -geometry 112x112+5+5 -tile 10x \
    banner.png card_back_0.png card_back_1.png card_front_0.png card_front_1.png dice.png arrow.png marker.png \
    token.png background.png property_*.png "$tmp/small.png"
convert "$tmp/board.png" "$tmp/small.png" -background '#d8d2c4' -gravity center -append -resize '1100x>' \
    -depth 8 -colors 255 -strip "PNG8:$root/docs/art-sheet.png"
echo "wrote $root/docs/art-sheet.png"
