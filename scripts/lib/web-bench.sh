#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The browser's benchmark, the last step of scripts/web (also run alone once scripts/web has built
# build-web/): the start of the program's page, from navigation to the start menu drawn, against a
# page of the same shape around the bare Qt window with one captioned button (bench/barewindow.cpp,
# built beside the program with the same Qt for WebAssembly), cold, warm and from the service worker,
# interleaved, in Debian's chromium; then the tab's memory once every screen has been opened
# (scripts/lib/web-proof/bench.mjs). The figures go to build-web/bench/bench.json.
#   scripts/lib/web-bench.sh [RUNS]     (default 11 visits of each, each way)
# The target is at most RATIO_TARGET x the floor, cold and warm. On a machine shared with other work
# the ratio moves by more than the margin it is judged by, so a miss is printed, not failed, unless
# ABACOLO_WEB_BENCH_ENFORCE=1.
. "$(dirname "${BASH_SOURCE[0]}")/common.sh"
WEB_BUILD="${ABACOLO_WEB_BUILD_DIR:-$ROOT/build-web}"
RUNS="${1:-11}"
DIST="$WEB_BUILD/dist"
FLOOR="$WEB_BUILD/floor"
OUT="$WEB_BUILD/bench"
TOOLS="$WEB_BUILD/proof-tools"
SIZE=1280x800
RATIO_TARGET=1.2
BARE=abacolo_barewindow

for file in "$DIST/index.html" "$DIST/sw.js" "$WEB_BUILD/bench/$BARE.js" "$WEB_BUILD/bench/$BARE.wasm" \
  "$TOOLS/node_modules/puppeteer-core/package.json"; do
  [ -s "$file" ] || fail "no $file: scripts/web builds it"
done

# The floor's site: the program's page, its loader, manifest, icons and service worker as they are, the
# bare window in the program's place, with the same compressed copies.
rm -rf "$FLOOR"
mkdir -p "$FLOOR/icons" "$OUT"
cp "$DIST/qtloader.js" "$DIST/manifest.webmanifest" "$DIST/insegnanti.html" "$FLOOR/"
cp "$DIST/icons/"*.png "$FLOOR/icons/"
cp "$WEB_BUILD/bench/$BARE.js" "$WEB_BUILD/bench/$BARE.wasm" "$FLOOR/"
sed -e "s/\"abacolo\.js\"/\"$BARE.js\"/" -e "s/window\.abacolo_entry/window.${BARE}_entry/" \
  "$DIST/index.html" >"$FLOOR/index.html"
grep -q "${BARE}_entry" "$FLOOR/index.html" || fail "the program's page no longer starts abacolo_entry"
sed -e "s/const CACHE = 'abacolo-/const CACHE = 'abacolo-floor-/" -e "s/'abacolo\.js'/'$BARE.js'/" \
  -e "s/'abacolo\.wasm'/'$BARE.wasm'/" "$DIST/sw.js" >"$FLOOR/sw.js"
grep -q "'$BARE.wasm'" "$FLOOR/sw.js" || fail "the service worker no longer keeps abacolo.wasm"
for file in index.html sw.js "$BARE.js" "$BARE.wasm" qtloader.js manifest.webmanifest; do
  gzip -9 -n -k "$FLOOR/$file"
  brotli -q 11 -k "$FLOOR/$file"
done
printf '   the floor, %s: %s.wasm %d bytes (%d with brotli), the program %d (%d)\n' "$FLOOR" "$BARE" \
  "$(stat -c %s "$FLOOR/$BARE.wasm")" "$(stat -c %s "$FLOOR/$BARE.wasm.br")" \
  "$(stat -c %s "$DIST/abacolo.wasm")" "$(stat -c %s "$DIST/abacolo.wasm.br")"

# Where each control lies in full screen at the page's size, from the desktop build's screen renderer.
"$ROOT/scripts/setup" abacolo_screenshots >/dev/null
QT_QPA_PLATFORM=offscreen "$BUILD_DIR/tools/screenshots/abacolo_screenshots" --where "$SIZE" >"$OUT/where.txt" 2>"$OUT/where.log"

cp "$ROOT/scripts/lib/web-proof/"*.mjs "$TOOLS/"
enforce=()
[ "${ABACOLO_WEB_BENCH_ENFORCE:-0}" != 1 ] || enforce=(--enforce)
echo "   load before: $(cut -d' ' -f1-3 /proc/loadavg)"
node "$TOOLS/bench.mjs" --program "$DIST" --floor "$FLOOR" --where "$OUT/where.txt" --out "$OUT" \
  --runs "$RUNS" --width "${SIZE%x*}" --height "${SIZE#*x}" --ratio-target "$RATIO_TARGET" "${enforce[@]}"
echo "   load after: $(cut -d' ' -f1-3 /proc/loadavg)"
