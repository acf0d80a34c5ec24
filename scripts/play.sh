#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it (from the current directory, where
# it keeps its save file "Tenantry.sav").
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" --target tenantry -j"$(nproc)"
exec "$root/build/tenantry"
