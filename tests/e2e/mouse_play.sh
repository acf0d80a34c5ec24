#!/usr/bin/env bash
# A two-player game worked with the mouse: started, named and played for a few turns by clicks
# only; a prepared position is bought, and declined into an auction won by clicking a panel;
# a property card is opened from the board; F1 on the board lists its nine keyboard lines.
set -euo pipefail
. "$(dirname "$0")/lib/common.sh"
SAVE_TOOL="$2"
WORK_DIR="$(mktemp -d)"
"$SAVE_TOOL" make "$WORK_DIR" buy
e2e_start "$1"
save="$WORK_DIR/Tenantry.sav"

# Saves the running game into slot 2 (index 1) with the keyboard, to read what it holds.
snapshot() {
  e2e_key F4; e2e_key Return; e2e_type "snap"; e2e_key Return; e2e_key Down; e2e_key Return
  sleep 0.3
}
field() { e2e_field "$save" 1 "$1"; }
# Loads the prepared position from slot 1 (index 0).
load_prepared() { e2e_key F4; e2e_key Right; e2e_key Return; e2e_key Return; sleep 0.3; }

e2e_click 300 140            # START
e2e_click 600 400            # name P1 (empty names take their default)
e2e_click 600 400            # name P2
e2e_click 600 400            # TURN ORDER -> board
sleep 1

# F1 on the board: nine keyboard lines from y 1.5 down to -0.1 (rows 0.2 apart at z -5).
e2e_key F1
shot="$WORK_DIR/help.png"
e2e_shot "$shot"
for i in 0 1 2 3 4 5 6 7 8; do
  row=$(awk -v i="$i" 'BEGIN { printf "%d", 350 - (1.5 - 0.2 * i) * 350 / (5 * 0.41421356) - 8 }')
  [ "$(e2e_count "$shot" 90 "$row" 500 16 "rgb(255,255,255)")" -gt 50 ] || e2e_fail "help keyboard line $((i + 1)) missing"
done
row=$(awk 'BEGIN { printf "%d", 350 - (-0.3) * 350 / (5 * 0.41421356) - 8 }')
[ "$(e2e_count "$shot" 90 "$row" 500 16 "rgb(255,255,255)")" -eq 0 ] || e2e_fail "a tenth keyboard line was drawn"
e2e_click 600 400            # any click closes help

# A few turns by clicks: roll, then answer whatever the landing asks with the mouse.
for turn in 1 2 3; do
  e2e_click 365 75           # Roll
  sleep 7
  e2e_click 565 350          # YES to a purchase (or $200 of a tax, or nothing)
  for _ in 1 2 3; do e2e_click 600 400; sleep 0.3; done   # skip notices
  e2e_click 365 75           # the utility roll, if a card asked for it
  sleep 5
  for _ in 1 2 3; do e2e_click 600 400; sleep 0.3; done
done
snapshot
moved=$("$SAVE_TOOL" dump "$save" 1 | grep -c 'position=[1-9]' || true)
[ "$moved" -ge 1 ] || e2e_fail "no token moved after three turns of clicks"

# Buying by click.
load_prepared
e2e_click 565 350            # YES
sleep 0.5
snapshot
[ "$(field owner6)" = "0" ] || e2e_fail "clicking YES did not buy the property"

# Declining into an auction that P2 wins by clicking its panel.
load_prepared
e2e_click 635 350            # NO: the auction opens
sleep 0.3
e2e_click 1000 260           # P2's panel (two seats: token places 1 and 5)
e2e_click 540 365            # end the auction
sleep 1
snapshot
[ "$(field owner6)" = "1" ] || e2e_fail "the auction did not sell to P2"

# A property card from the board: square 1 (Saltmarsh Old Wharf).
for _ in 1 2 3; do e2e_click 600 400; sleep 0.3; done
e2e_click 791 646
sleep 0.3
snapshot
[ "$(field screen)" = "4" ] || e2e_fail "clicking a square did not open its property card"
e2e_alive
echo "mouse_play: ok"
