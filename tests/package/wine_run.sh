#!/usr/bin/env bash
# The Windows build runs under Wine: its window "Tenantry" opens at 1200 x 700 with the start
# menu drawn, a held ENTER starts name entry, and F4 saves a "Tenantry.sav" of 156,601 bytes
# that this build loads; the Windows build in turn loads a file this build wrote.
# Usage: wine_run.sh ZIP LINUX_GAME SAVE_TOOL   (needs DISPLAY)
set -euo pipefail
. "$(dirname "$0")/../e2e/lib/common.sh"
zip="$1" linux_game="$2" SAVE_TOOL="$3"
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || e2e_fail "wine64 is not installed"
base="$(mktemp -d)"
export WINEPREFIX="$base/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
cleanup() { e2e_stop; /usr/lib/wine/wineserver -k 2>/dev/null || true; rm -rf "$base"; }
trap cleanup EXIT

(cd "$base" && cmake -E tar xf "$zip")
exe="$(find "$base" -name tenantry.exe | head -n 1)"
[ -n "$exe" ] || e2e_fail "no tenantry.exe in the zip"
for doc in README.md LICENSE; do [ -f "$(dirname "$exe")/$doc" ] || e2e_fail "$doc is not beside the .exe"; done
# Only system DLLs: freeglut and the C/C++ runtimes are linked in.
dlls="$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/.*DLL Name: //p' | tr 'A-Z' 'a-z' | sort | tr '\n' ' ')"
echo "imports: $dlls"
for dll in $dlls; do
  case "$dll" in
    advapi32.dll | gdi32.dll | glu32.dll | kernel32.dll | msvcrt.dll | opengl32.dll | user32.dll | winmm.dll) ;;
    *) e2e_fail "the .exe needs $dll" ;;
  esac
done

"$wine" wineboot -i >/dev/null 2>&1 || e2e_fail "wineboot failed"
runner="$base/run-windows-build"
printf '#!/bin/sh\nexec %s %s\n' "$wine" "$exe" >"$runner"
chmod +x "$runner"

# hold KEY: down long enough for the game to see it on a tick under Wine's slower clock.
hold() {
  xdotool keydown "$1"
  sleep 0.2
  xdotool keyup "$1"
  sleep 0.2
}

# --- The window, the start menu and name entry ---
WORK_DIR="$base/windows"
mkdir -p "$WORK_DIR"
e2e_start "$runner"
trap cleanup EXIT
geometry="$(xwininfo -id "$GAME_WIN" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')"
[ "$geometry" = "1200x700" ] || e2e_fail "window is $geometry, not 1200x700"
sleep 2
shot="$base/start.png"
e2e_shot "$shot"
spread="$(convert "$shot" -colorspace gray -format '%[fx:round(1000*standard_deviation)]' info:)"
echo "start menu: grey spread $spread/1000"
[ "$spread" -gt 50 ] || e2e_fail "the screenshot is blank"
[ "$(e2e_count "$shot" 250 110 280 60 "rgb(255,255,255)")" -gt 800 ] || e2e_fail "START is not drawn white"
windows_start="$shot"

hold Return
shot="$base/names.png"
e2e_shot "$shot"
[ "$(e2e_count "$shot" 230 195 320 60 "rgb(128,128,128)")" -lt 100 ] || e2e_fail "ENTER left the start menu up"
[ "$(e2e_count "$shot" 100 90 1000 100 "rgb(255,255,255)")" -gt 500 ] || e2e_fail "no name prompt after ENTER"
[ "$(convert "$shot" -format '%[fx:round(100*mean)]' info:)" -lt 25 ] || e2e_fail "name entry's dark backdrop is missing"

# --- A game saved under Wine ---
e2e_type "Ann"; hold Return
e2e_type "Bob"; hold Return
hold Return               # TURN ORDER -> board
sleep 0.5
hold F4
hold Return               # SAVE
e2e_type "wine1"; hold Return
hold Return               # slot 1
sleep 0.5
save="$WORK_DIR/Tenantry.sav"
[ -f "$save" ] || e2e_fail "the Windows build wrote no save file"
[ "$(stat -c %s "$save")" -eq 156601 ] || e2e_fail "the save file is $(stat -c %s "$save") bytes, not 156601"
[ -e "$save.tmp" ] && e2e_fail "the temporary file was left behind"
[ "$(e2e_field "$save" 0 name)" = "wine1" ] || e2e_fail "slot 1 is not named wine1"
[ "$(e2e_field "$save" 0 screen)" = "2" ] || e2e_fail "the saved screen is not the board"
"$SAVE_TOOL" dump "$save" 0 | grep -q '=Ann ' || e2e_fail "Ann is not in the Windows save"
e2e_alive
e2e_stop

# --- This build draws the same start menu, loads the save, and saves it again (slot 2) ---
e2e_start "$linux_game"
trap cleanup EXIT
sleep 2
shot="$base/linux_start.png"
e2e_shot "$shot"
# Same pictures (embedded text here, text and the bitmap resource there), same font, same
# software renderer: the two start menus match pixel for pixel, give or take rounding.
differing="$(compare -metric AE -fuzz 5% "$windows_start" "$shot" null: 2>&1 || true)"
echo "start menu pixels differing from this build's: $differing"
[ "$differing" -lt 2000 ] 2>/dev/null || e2e_fail "the Windows start menu differs from this build's in $differing pixels"
e2e_key F4
e2e_key Right             # LOAD
e2e_key Return
e2e_key Return            # slot 1
sleep 0.3
e2e_key F4
e2e_key Return
e2e_type "linux"; e2e_key Return
e2e_key Down
e2e_key Return            # slot 2
sleep 0.3
[ "$(e2e_field "$save" 1 name)" = "linux" ] || e2e_fail "this build did not save the loaded game"
[ "$(e2e_field "$save" 1 screen)" = "2" ] || e2e_fail "this build did not load the Windows save onto the board"
"$SAVE_TOOL" dump "$save" 1 | grep -q '=Ann ' || e2e_fail "the Windows save lost Ann on the way"
e2e_stop

# --- The reverse: a file this side wrote, loaded by the Windows build ---
WORK_DIR="$base/linux"
mkdir -p "$WORK_DIR"
"$SAVE_TOOL" make "$WORK_DIR" buy
save="$WORK_DIR/Tenantry.sav"
e2e_start "$runner"
trap cleanup EXIT
sleep 1
hold F4
hold Right                # LOAD
hold Return
hold Return               # slot 1
sleep 0.5
hold F4
hold Return
e2e_type "wine2"; hold Return
hold Down
hold Return               # slot 2
sleep 0.5
[ "$(e2e_field "$save" 1 name)" = "wine2" ] || e2e_fail "the Windows build did not save the loaded game"
[ "$(e2e_field "$save" 1 buyPromptOpen)" = "1" ] || e2e_fail "the Windows build did not load the position"
"$SAVE_TOOL" dump "$save" 1 | grep -q 'seat0=P1 ' || e2e_fail "the loaded game lost P1"
[ "$(stat -c %s "$save")" -eq 156601 ] || e2e_fail "the file is $(stat -c %s "$save") bytes after the Windows save"
e2e_alive
echo "wine_run: ok"
