#!/usr/bin/env bash
# The real game starts, shows its start menu, answers a key and keeps running.
set -euo pipefail
. "$(dirname "$0")/lib/common.sh"
e2e_start "$1"

geometry="$(xwininfo -id "$GAME_WIN" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')"
[ "$geometry" = "1200x700" ] || e2e_fail "window is $geometry, not 1200x700"

sleep 1
shot="$WORK_DIR/start.png"
e2e_shot "$shot"
# "START" (white, highlighted) is centred at column 389, row 139; "OPTIONS" (grey) at row 223.
start_white=$(e2e_count "$shot" 250 110 280 60 "rgb(255,255,255)")
options_white=$(e2e_count "$shot" 230 195 320 60 "rgb(255,255,255)")
options_grey=$(e2e_count "$shot" 230 195 320 60 "rgb(128,128,128)")
echo "START white pixels: $start_white, OPTIONS white: $options_white, grey: $options_grey"
[ "$start_white" -gt 800 ] || e2e_fail "START is not drawn white in its place"
[ "$options_white" -eq 0 ] || e2e_fail "OPTIONS should not be highlighted yet"
[ "$options_grey" -gt 800 ] || e2e_fail "OPTIONS is not drawn grey in its place"
# Away from the text the backdrop shows, untouched by text.
[ "$(e2e_count "$shot" 700 400 300 200 "rgb(255,255,255)")" -eq 0 ] || e2e_fail "stray white pixels on the backdrop"

e2e_key Down
shot="$WORK_DIR/options.png"
e2e_shot "$shot"
[ "$(e2e_count "$shot" 230 195 320 60 "rgb(255,255,255)")" -gt 800 ] || e2e_fail "DOWN did not highlight OPTIONS"
[ "$(e2e_count "$shot" 250 110 280 60 "rgb(255,255,255)")" -eq 0 ] || e2e_fail "START still highlighted after DOWN"

# Still running after at least three seconds.
e2e_run_for 3
e2e_alive
echo "smoke: ok"
