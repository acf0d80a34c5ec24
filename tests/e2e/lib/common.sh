# Helpers for the end-to-end tests: start the real binary under the runner's X server,
# press keys the way a person does (held for two ticks), and read pixels of screenshots.
# Sourced, not run. Needs DISPLAY, xdotool, xwininfo and ImageMagick.

e2e_fail() { echo "FAIL: $*" >&2; exit 1; }

# e2e_start BINARY: runs it in a fresh working directory; sets GAME_PID, GAME_WIN, WORK_DIR.
e2e_start() {
  WORK_DIR="$(mktemp -d)"
  trap 'e2e_stop' EXIT
  STARTED_MS=$(date +%s%3N)
  (cd "$WORK_DIR" && exec "$1") &
  GAME_PID=$!
  GAME_WIN="$(timeout 20 xdotool search --sync --name '^Tenantry$' | head -n 1)" || e2e_fail "no window named Tenantry"
  # Bare Xvfb has no window manager: focus follows the pointer.
  xdotool mousemove --sync 600 400
}

e2e_stop() {
  if [ -n "${GAME_PID:-}" ]; then kill "$GAME_PID" 2>/dev/null || true; wait "$GAME_PID" 2>/dev/null || true; fi
  if [ -n "${WORK_DIR:-}" ]; then rm -rf "$WORK_DIR"; fi
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
