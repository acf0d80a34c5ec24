#!/usr/bin/env bash
# The Debian package holds the game, its launcher, icons, metainfo and manual page; its
# dependencies were computed from the binary; lintian finds no error and the desktop entry
# and metainfo validate; the manual page lists every key of the README.
# Usage: deb_contents.sh DEB README VERSION
set -euo pipefail
deb="$1" readme="$2" version="$3"
fail() { echo "FAIL: $*" >&2; exit 1; }
[ -f "$deb" ] || fail "no package at '$deb'"
[ "$(basename "$deb")" = "tenantry_${version}_amd64.deb" ] || fail "unexpected package name $(basename "$deb")"

listing="$(dpkg-deb -c "$deb" | awk '{print $6}')"
for path in ./usr/games/tenantry ./usr/libexec/tenantry/tenantry-launch \
  ./usr/share/applications/tenantry.desktop ./usr/share/metainfo/tenantry.metainfo.xml \
  ./usr/share/man/man6/tenantry.6.gz ./usr/share/doc/tenantry/copyright \
  ./usr/share/doc/tenantry/changelog.gz ./usr/share/doc/tenantry/README.md \
  ./usr/share/doc/tenantry/LICENSE; do
  grep -qx "$path" <<<"$listing" || fail "$path is not in the package"
done
for side in 16 32 48 64 128 256; do
  grep -qx "./usr/share/icons/hicolor/${side}x${side}/apps/tenantry.png" <<<"$listing" \
    || fail "no ${side}px icon"
done

# Computed from the binary's libraries: freeglut and the C++ runtime, with versions.
depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
grep -q 'libglut3.12 (>= ' <<<"$depends" || fail "freeglut is not among the dependencies"
grep -q 'libstdc++6 (>= ' <<<"$depends" || fail "the C++ runtime is not among the dependencies"
[ "$(dpkg-deb -f "$deb" Section)" = "games" ] || fail "section is not games"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version is not $version"

echo "== lintian =="
lintian --fail-on error --display-info "$deb" || fail "lintian reports errors"

root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

echo "== desktop-file-validate =="
desktop-file-validate "$root/usr/share/applications/tenantry.desktop" || fail "desktop entry is invalid"
exec_line="$(sed -n 's/^Exec=//p' "$root/usr/share/applications/tenantry.desktop")"
[ "$exec_line" = "/usr/libexec/tenantry/tenantry-launch" ] || fail "menu entry runs '$exec_line'"
grep -qx 'Categories=Game;BoardGame;' "$root/usr/share/applications/tenantry.desktop" || fail "categories"
# The launcher finds the game where the package puts it.
grep -q '/\.\./\.\./games/tenantry"$' "$root/usr/libexec/tenantry/tenantry-launch" \
  || fail "the launcher does not point at /usr/games/tenantry"

echo "== appstreamcli validate =="
# The one warning left: the component id is not a reverse domain name (no domain to take it from).
report="$(appstreamcli validate --no-net "$root/usr/share/metainfo/tenantry.metainfo.xml" || true)"
echo "$report"
if grep -E '^(E|W): ' <<<"$report" | grep -v 'cid-desktopapp-is-not-rdns' | grep -q .; then
  fail "appstreamcli reports errors or new warnings"
fi
grep -q '<image>https://' "$root/usr/share/metainfo/tenantry.metainfo.xml" || fail "no screenshot address"

echo "== manual page =="
page="$(zcat "$root/usr/share/man/man6/tenantry.6.gz")"
warnings="$(LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z <<<"$page" 2>&1)"
[ -z "$warnings" ] || fail "groff warns: $warnings"
grep -q 'Tenantry.sav' <<<"$page" || fail "the manual page does not say where saves live"
grep -q 'XDG_DATA_HOME' <<<"$page" || fail "the manual page does not name the data folder"
# Every key of the README's controls table is described.
keys="$(sed -n '/^Keyboard:/,/^Mouse:/p' "$readme" | sed -n 's/^| \([^|]*[^ |]\) *|.*/\1/p' | grep -v -e '^Key$' -e '^---')"
[ "$(wc -l <<<"$keys")" -ge 10 ] || fail "could not read the README's keys"
while IFS= read -r key; do
  key="${key//…/...}"
  grep -qxF ".B $key" <<<"$page" || fail "the manual page does not describe key '$key'"
done <<<"$keys"
echo "deb_contents: ok"
