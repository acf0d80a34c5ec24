#!/usr/bin/env bash
# Builds the Debian package and the Windows zip into dist/ and runs the package tests:
#   dist/tenantry_<version>_amd64.deb              (CPack, release build, /usr prefix)
#   dist/tenantry-<version>-windows-x86_64.zip     (MinGW-w64 cross-build, freeglut static)
# freeglut for Windows is built from Debian's own freeglut source package, fetched once into
# build-windows/freeglut/. Installs what is missing first (with sudo when not root).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
jobs="$(nproc)"
native="$root/build-package"
windows="$root/build-windows"
freeglut="$windows/freeglut"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
"$root/scripts/deps.sh" --package

# --- freeglut's source needs a deb-src line for Debian 12 ---
if [ ! -f "$freeglut/prefix/lib/libglut.a" ]; then
  if ! grep -rqsE '^(deb-src .*bookworm|Types:.*deb-src)' /etc/apt/sources.list /etc/apt/sources.list.d/ ||
    ! apt-cache showsrc freeglut 2>/dev/null | grep -q '^Package: freeglut'; then
    echo "Adding the Debian 12 source line for freeglut"
    $sudo tee /etc/apt/sources.list.d/tenantry-bookworm-src.sources >/dev/null <<'SOURCES'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
    $sudo apt-get update -qq
  fi
  rm -rf "$freeglut"
  mkdir -p "$freeglut/src"
  (cd "$freeglut/src" && apt-get source -qq freeglut 2>&1 | grep -v '^W: Download is performed unsandboxed' || true)
  src="$(find "$freeglut/src" -mindepth 1 -maxdepth 1 -type d -name 'freeglut-*' | head -n 1)"
  [ -n "$src" ] || { echo "apt-get source freeglut gave no source tree" >&2; exit 1; }
  echo "== freeglut for Windows from $(basename "$src") =="
  cmake -S "$src" -B "$freeglut/build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$freeglut/prefix" \
    -DFREEGLUT_BUILD_SHARED_LIBS=OFF -DFREEGLUT_BUILD_STATIC_LIBS=ON -DFREEGLUT_BUILD_DEMOS=OFF \
    -DFREEGLUT_REPLACE_GLUT=ON >/dev/null
  cmake --build "$freeglut/build" -j"$jobs" >/dev/null 2>&1
  cmake --install "$freeglut/build" >/dev/null
fi

# --- The Debian package: hardened as Debian builds its own, the game in /usr/games ---
echo "== Debian package =="
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S "$root" -B "$native" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_INSTALL_BINDIR=games -DTENANTRY_TESTS=OFF -DTENANTRY_PACKAGE_TESTS=ON \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build "$native" -j"$jobs"
(cd "$native" && cpack -G DEB >/dev/null)

# --- The Windows zip; the pictures are embedded with the native build's tool ---
echo "== Windows build =="
cmake -S "$root" -B "$windows" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DTENANTRY_TESTS=OFF -DTENANTRY_WERROR=ON \
  -DFreeGLUT_DIR="$freeglut/prefix/lib/cmake/FreeGLUT" \
  -DTENANTRY_HOST_EMBED="$native/tenantry_embed" >/dev/null
cmake --build "$windows" -j"$jobs"
(cd "$windows" && cpack -G ZIP >/dev/null)

mkdir -p "$root/dist"
cp "$native"/packages/tenantry_*_amd64.deb "$windows"/packages/tenantry-*-windows-x86_64.zip "$root/dist/"
ls -l "$root/dist"

echo "== package tests =="
cd "$native"
"$root/scripts/with-xvfb.sh" ctest --output-on-failure -L package
