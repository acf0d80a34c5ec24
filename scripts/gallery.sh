#!/usr/bin/env bash
# Renders every screen and dialog into docs/screenshots/*.png (1200 x 700, the full window)
# through the game's own drawing code under a private X server, and prints each screen's
# lowest text contrast.
# Usage: scripts/gallery.sh [OUT_DIR [SCALE]]   (build directory: $BUILD_DIR, default build-bench)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build-bench}"
out="${1:-$root/docs/screenshots}"
"$root/scripts/deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTENANTRY_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target gallery
mkdir -p "$out"
"$root/scripts/with-xvfb.sh" "$build/bench/gallery" "$out" "${2:-1}"
