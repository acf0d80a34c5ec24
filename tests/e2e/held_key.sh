#!/usr/bin/env bash
# A key held well past the X server's auto-repeat delay acts once: ENTER on the start menu
# only starts the game (the first name is not confirmed), RIGHT on the board's action bar
# moves the highlight one step.
set -euo pipefail
. "$(dirname "$0")/lib/common.sh"
SAVE_TOOL="$2"

# The test means nothing unless the server repeats held keys.
xset r on
xset q | grep -q "auto repeat:  on" || e2e_fail "the X server's auto-repeat is off"

# e2e_hold KEYSYM SECONDS
e2e_hold() {
  xdotool keydown "$1"
  sleep "$2"
  xdotool keyup "$1"
  sleep 0.15
}

# e2e_save_to SLOT NAME: saves the running game through F4 into slot SLOT (0..9).
e2e_save_to() {
  e2e_key F4
  e2e_key Return
  e2e_type "$2"; e2e_key Return
  for _ in $(seq 1 "$1"); do e2e_key Down; done
  e2e_key Return
  sleep 0.3
}

e2e_start "$1"
e2e_hold Return 1.5
e2e_save_to 0 menu
save="$WORK_DIR/Tenantry.sav"
[ "$(e2e_field "$save" 0 screen)" = "7" ] || e2e_fail "held ENTER went past the first name entry"
[ "$(e2e_field "$save" 0 currentPlayer)" = "0" ] || e2e_fail "held ENTER confirmed a name"

# From a two-seat board at the start of a turn, Roll highlighted.
e2e_stop
rm -f "$save"
"$SAVE_TOOL" make "$WORK_DIR" board
e2e_start "$1"
e2e_key F4
e2e_key Right             # LOAD
e2e_key Return
e2e_key Return            # slot 1
sleep 0.5                 # the camera's glide ends
e2e_hold Right 1.5
e2e_save_to 1 bar
[ "$(e2e_field "$save" 1 screen)" = "2" ] || e2e_fail "the loaded game is not on the board"
[ "$(e2e_field "$save" 1 menuIndex)" = "1" ] || e2e_fail "held RIGHT moved the highlight more than once"
e2e_alive
echo "held_key: ok"
