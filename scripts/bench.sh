#!/usr/bin/env bash
# Builds the benchmark programs (release build) and prints each budget's figure beside its
# floor and the ratio: start-up to the first frame and peak memory against a bare GLUT
# window, frame times against a frame that draws only the backdrop and the board.
# Usage: scripts/bench.sh [FRAMES]   (build directory: $BUILD_DIR, default build-bench)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build-bench}"
"$root/scripts/deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTENANTRY_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target benchmarks
"$root/scripts/with-xvfb.sh" bash -c '
  "$1/bench/startup_bench" "$1/bench/startup_probe" "$1/bench/bare_window" 15
  "$1/bench/frame_bench" "${2:-300}"
  "$1/bench/simulate" 5 | tail -n 2
' _ "$build" "${1:-}"
