#!/usr/bin/env bash
# `cmake --install` into a staging folder gives a game that starts from there: --version, the
# window "Tenantry" at 1200 x 700, and the menu's launcher running it in the player's data
# folder ($XDG_DATA_HOME/tenantry, by default ~/.local/share/tenantry, made when missing).
# Usage: staged_start.sh BUILD_DIR BINDIR LIBEXECDIR VERSION   (needs DISPLAY)
set -euo pipefail
. "$(dirname "$0")/../e2e/lib/common.sh"
build="$1" bindir="$2" libexecdir="$3" version="$4"
base="$(mktemp -d)"
trap 'rm -rf "$base"' EXIT
stage="$base/stage"
cmake --install "$build" --prefix "$stage" >/dev/null
game="$stage/$bindir/tenantry"
launcher="$stage/$libexecdir/tenantry/tenantry-launch"
[ -x "$game" ] && [ -x "$launcher" ] || e2e_fail "the staged install lacks the game or its launcher"
[ "$("$game" --version)" = "Tenantry $version" ] || e2e_fail "--version does not print 'Tenantry $version'"

# From a shell: the working directory is the caller's.
WORK_DIR="$base/shell"
mkdir -p "$WORK_DIR"
e2e_start "$game"
trap 'e2e_stop; rm -rf "$base"' EXIT
geometry="$(xwininfo -id "$GAME_WIN" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')"
[ "$geometry" = "1200x700" ] || e2e_fail "window is $geometry, not 1200x700"
[ "$(readlink "/proc/$GAME_PID/cwd")" = "$WORK_DIR" ] || e2e_fail "the game left the caller's directory"
e2e_run_for 2
e2e_alive
e2e_stop

# launch_in HOME DIR [ENV...]: the launcher, started with HOME and the environment given, runs
# the game in DIR.
launch_in() {
  local home="$1" expected="$2"
  shift 2
  (cd "$base" && exec env HOME="$home" "$@" "$launcher") &
  GAME_PID=$!
  timeout 20 xdotool search --sync --name '^Tenantry$' >/dev/null || e2e_fail "the launcher opened no window"
  [ -d "$expected" ] || e2e_fail "$expected was not made"
  # The launcher execs the game, so the process is the game itself.
  [ "$(readlink "/proc/$GAME_PID/cwd")" = "$expected" ] || e2e_fail "the launched game does not run in $expected"
  e2e_alive
  e2e_stop
}
launch_in "$base/home" "$base/home/.local/share/tenantry" env -u XDG_DATA_HOME
launch_in "$base/home" "$base/xdg/tenantry" env XDG_DATA_HOME="$base/xdg"
echo "staged_start: ok"
