#!/usr/bin/env bash
# The package installs with dpkg, its game answers --version from /usr/games, and it removes
# without leaving a file behind. Needs root; skipped (77) otherwise, or when a tenantry
# package is already installed (it is never replaced behind someone's back).
# Usage: dpkg_install.sh DEB VERSION
set -euo pipefail
deb="$1" version="$2"
fail() { echo "FAIL: $*" >&2; exit 1; }
[ "$(id -u)" -eq 0 ] || { echo "not root: skipped"; exit 77; }
if dpkg-query -W -f='${Status}' tenantry 2>/dev/null | grep -q 'installed'; then
  echo "a tenantry package is already installed: skipped"
  exit 77
fi
trap 'dpkg -r tenantry >/dev/null 2>&1 || true' EXIT
dpkg -i "$deb" || fail "dpkg -i failed"
[ "$(/usr/games/tenantry --version)" = "Tenantry $version" ] || fail "installed game does not report $version"
installed="$(dpkg -L tenantry)"
grep -qx /usr/share/applications/tenantry.desktop <<<"$installed" || fail "launcher not installed"
dpkg -r tenantry || fail "dpkg -r failed"
trap - EXIT
while IFS= read -r path; do
  [ -d "$path" ] && continue
  [ ! -e "$path" ] || fail "$path is left after removal"
done <<<"$installed"
if dpkg-query -W -f='${Status}' tenantry 2>/dev/null | grep -q 'ok installed'; then
  fail "dpkg still lists tenantry as installed"
fi
echo "dpkg_install: ok"
