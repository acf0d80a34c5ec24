# Helpers for the end-to-end tests: start the real binary under the runner's X server,
# press keys the way a person does (held for two ticks), and read pixels of screenshots.
# Sourced, not run. Needs DISPLAY, xdotool, xwininfo and ImageMagick.

e2e_fail() { echo "FAIL: $*" >&2; exit 1; }

# e2e_start BINARY: runs it in a fresh working directory (or WORK_DIR if already set);
# sets GAME_PID, GAME_WIN, WORK_DIR.
e2e_start() {
  WORK_DIR="${WORK_DIR:-$(mktemp -d)}"
  trap 'e2e_stop; rm -rf "$WORK_DIR"' EXIT
  STARTED_MS=$(date +%s%3N)
  (cd "$WORK_DIR" && exec "$1") &
  GAME_PID=$!
  GAME_WIN="$(timeout 20 xdotool search --sync --name '^Tenantry$' | head -n 1)" || e2e_fail "no window named Tenantry"
  # Bare Xvfb has no window manager: focus follows the pointer.
  xdotool mousemove 600 400  # no --sync: it waits for motion that never comes when the pointer is already there
  sleep 0.1
}

# e2e_stop: ends the game (its working directory stays until the script exits).
e2e_stop() {
  if [ -n "${GAME_PID:-}" ]; then kill "$GAME_PID" 2>/dev/null || true; wait "$GAME_PID" 2>/dev/null || true; fi
  GAME_PID=""
  # The window must be gone before another start searches for one.
  for _ in $(seq 1 50); do
    xdotool search --name '^Tenantry$' >/dev/null 2>&1 || break
    sleep 0.1
  done
}

e2e_alive() { kill -0 "$GAME_PID" 2>/dev/null || e2e_fail "the game is no longer running"; }

# e2e_key KEYSYM: down, two ticks, up (a press shorter than a tick is never seen).
e2e_key() {
  xdotool keydown "$1"
  sleep 0.1
  xdotool keyup "$1"
  sleep 0.1
}

# e2e_shot FILE: screenshot of the game window.
e2e_shot() { import -window "$GAME_WIN" "$1"; }

# e2e_count FILE X Y W H COLOUR: pixels of exactly COLOUR (e.g. "rgb(255,255,255)") in a box.
e2e_count() {
  convert "$1" -crop "${4}x${5}+${2}+${3}" +repage -alpha off \
    -fill black +opaque "$6" -fill white -opaque "$6" -format '%[fx:round(mean*w*h)]' info:
}

# e2e_pixel FILE X Y: the pixel as "r,g,b".
e2e_pixel() {
  convert "$1" -alpha off -format "%[fx:round(255*u.p{$2,$3}.r)],%[fx:round(255*u.p{$2,$3}.g)],%[fx:round(255*u.p{$2,$3}.b)]" info:
}

# e2e_run_for SECONDS: sleeps until the game has been running that long.
e2e_run_for() {
  local left=$(( $1 * 1000 - ($(date +%s%3N) - STARTED_MS) ))
  if [ "$left" -gt 0 ]; then sleep "$(awk -v l="$left" 'BEGIN { print l / 1000 }')"; fi
}

# e2e_type TEXT: types printable text into the focused game window.
e2e_type() { xdotool type --delay 60 "$1"; sleep 0.1; }

# e2e_click X Y [BUTTON]: a press and release at window pixel (X, Y).
e2e_click() {
  xdotool mousemove --window "$GAME_WIN" "$1" "$2" click "${3:-1}"
  sleep 0.15
}

# e2e_field FILE SLOT KEY: one field of a saved slot, through the save tool.
e2e_field() { "$SAVE_TOOL" dump "$1" "$2" | sed -n "s/^$3=//p"; }
