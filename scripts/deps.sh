#!/usr/bin/env bash
# Installs the Debian packages that building, playing and testing need, when missing.
# Usage: scripts/deps.sh [--package]   (--package adds what scripts/package.sh needs: the
# Windows cross-compiler, Wine, the package checkers, and the tools to fetch freeglut's source)
set -euo pipefail
packages=(
  build-essential cmake pkg-config clang libclang-rt-dev
  freeglut3-dev libgl1-mesa-dev libglu1-mesa-dev libgl1-mesa-dri
  googletest libgtest-dev libpng-dev libfreetype-dev
  xvfb xdotool imagemagick x11-utils x11-xserver-utils
)
if [ "${1:-}" = "--package" ]; then
  packages+=(
    g++-mingw-w64-x86-64 mingw-w64-x86-64-dev binutils-mingw-w64-x86-64 wine64
    dpkg-dev lintian desktop-file-utils appstream groff-base man-db xz-utils
  )
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
