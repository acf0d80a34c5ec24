#!/usr/bin/env bash
# A game saved through F4 with a typed name lands in its slot, and a second run of the game
# loads it back to the same screen.
set -euo pipefail
. "$(dirname "$0")/lib/common.sh"
SAVE_TOOL="$2"
e2e_start "$1"

e2e_key Return            # START
e2e_type "Ann"; e2e_key Return
e2e_type "Bob"; e2e_key Return
e2e_key Return            # TURN ORDER -> board
sleep 0.5

e2e_key F4
e2e_key Return            # SAVE
e2e_type "game1"; e2e_key Return
e2e_key Return            # slot 1 (index 0)
sleep 0.3
save="$WORK_DIR/Tenantry.sav"
[ -f "$save" ] || e2e_fail "no save file was written"
size=$(stat -c %s "$save")
[ "$size" -eq 156601 ] || e2e_fail "save file is $size bytes, expected 156601"
[ "$(e2e_field "$save" 0 name)" = "game1" ] || e2e_fail "slot 0 is not named game1"
[ "$(e2e_field "$save" 0 screen)" = "2" ] || e2e_fail "the saved screen is not the board"
"$SAVE_TOOL" dump "$save" 0 | grep -q '=Ann ' || e2e_fail "Ann is not in the saved game"
"$SAVE_TOOL" dump "$save" 0 | grep -q '=Bob ' || e2e_fail "Bob is not in the saved game"

# A second run starts at the start menu and loads slot 1 back.
e2e_stop
e2e_start "$1"
e2e_key F4
e2e_key Right             # LOAD
e2e_key Return
e2e_key Return            # slot 1
sleep 0.3
# Save the loaded game again into slot 2 to read what the running game now holds.
e2e_key F4
e2e_key Return
e2e_type "again"; e2e_key Return
e2e_key Down
e2e_key Return
sleep 0.3
[ "$(e2e_field "$save" 1 name)" = "again" ] || e2e_fail "slot 1 was not written"
[ "$(e2e_field "$save" 1 screen)" = "2" ] || e2e_fail "the loaded game is not on the board"
"$SAVE_TOOL" dump "$save" 1 | grep -q '=Ann ' || e2e_fail "the loaded game lost Ann"
[ "$(stat -c %s "$save")" -eq 156601 ] || e2e_fail "file length changed unexpectedly"
e2e_alive
echo "save_load: ok"
