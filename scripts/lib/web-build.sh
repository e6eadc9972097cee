#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The browser build's compiling step, run by scripts/web on Debian 13 (the machine itself, or the
# Debian 13 tree on a Debian 12 machine): configures the project with the Qt for WebAssembly of
# scripts/web-qt and builds the program into BUILD_DIR (abacolo.js, abacolo.wasm, qtloader.js and
# Qt's page abacolo.html), and beside it the bare window with one button that the start is timed
# against (abacolo_barewindow.js and .wasm, in bench/).
#   scripts/lib/web-build.sh QT_PREFIX BUILD_DIR
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
QT="$1"
BUILD_DIR="$2"
CACHE="${XDG_CACHE_HOME:-$HOME/.cache}/abacolo"

# The host's Qt tools of the same version (moc, rcc), the SVG renderer for the pictures' PNG
# renderings, Pillow to store them as pixels, and the faces compiled in (fontTools keeps the letters
# the program shows of Liberation Sans).
"$ROOT/scripts/ensure-packages" emscripten cmake ninja-build qt6-base-dev qt6-base-dev-tools \
  librsvg2-bin python3-pil python3-fonttools fonts-comic-neue fonts-liberation gzip >/dev/null
# The emsdk-shaped folder scripts/web-qt made, through which Qt's toolchain file finds emscripten.
export EMSDK="$CACHE/emsdk-debian"

# The plugins a program links statically are linked in: Debian patches its own Qt to leave them out
# unless told otherwise, and without them the page stops at start, with no platform plugin.
if [ ! -f "$BUILD_DIR/build.ninja" ]; then
  "$QT/bin/qt-cmake" -G Ninja -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=MinSizeRel \
    -DQT_SKIP_AUTO_PLUGIN_INCLUSION=OFF -DABACOLO_BUILD_TESTS=OFF
fi
cmake --build "$BUILD_DIR" --parallel 2 --target abacolo abacolo_barewindow
