#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The browser's benchmark, the last step of scripts/web (also run alone once scripts/web has built
# build-web/): the start of the program's page, from navigation to the start menu drawn, against the
# floor, the same page around the bare Qt window with one captioned button (build-web/floor/), cold,
# warm and from the service worker, interleaved, in Debian's chromium; then the tab's memory once
# every screen has been opened along the program's tour, and a first visit on a school Wi-Fi, on slow
# 4G and on a slow processor, with DevTools' throttling (bench/web/bench.mjs). The figures go to
# build-web/bench/bench.json.
#   bench/web.sh [RUNS]     (default 11 visits of each, each way)
# The target is at most RATIO_TARGET x the floor, cold and warm, and the slow 4G start within 15 s and
# 2.5 MB. On a machine shared with other work the ratio moves by more than the margin it is judged by,
# so a miss is printed, not failed, unless ABACOLO_WEB_BENCH_ENFORCE=1.
. "$(dirname "${BASH_SOURCE[0]}")/../scripts/lib/common.sh"
WEB_BUILD="$ROOT/build-web"
RUNS="${1:-11}"
OUT="$WEB_BUILD/bench"
TOOLS="$WEB_BUILD/proof-tools"
SIZE=1280x800
RATIO_TARGET=1.2
for file in "$WEB_BUILD/dist/index.html" "$WEB_BUILD/floor/index.html" "$TOOLS/node_modules/puppeteer-core/package.json"; do
  [ -s "$file" ] || fail "no $file: scripts/web builds it"
done
mkdir -p "$OUT"
QT_QPA_PLATFORM=offscreen "$BUILD_DIR/tools/screenshots/abacolo_screenshots" --where "$SIZE" >"$OUT/where.txt" 2>"$OUT/where.log"
cp "$ROOT"/tests/system/web/*.mjs "$ROOT"/bench/web/*.mjs "$TOOLS/"
enforce=()
[ "${ABACOLO_WEB_BENCH_ENFORCE:-0}" != 1 ] || enforce=(--enforce)
echo "   load before: $(cut -d' ' -f1-3 /proc/loadavg)"
node "$TOOLS/bench.mjs" --program "$WEB_BUILD/dist" --floor "$WEB_BUILD/floor" --where "$OUT/where.txt" --out "$OUT" \
  --runs "$RUNS" --width "${SIZE%x*}" --height "${SIZE#*x}" --ratio-target "$RATIO_TARGET" "${enforce[@]}"
echo "   load after: $(cut -d' ' -f1-3 /proc/loadavg)"
