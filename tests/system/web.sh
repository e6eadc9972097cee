#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The proof of the browser build, in Debian's chromium and firefox-esr, headless (web/proof.mjs, driven
# by puppeteer-core from npm, pinned by web/package-lock.json): the site served with compression, its
# start menu and the bytes of a first visit (at most 2.5 MB); the page reloaded offline; an update
# replacing the files kept; the single file from file://; the teacher's page tapped with a finger;
# a pupil's walk with a finger at 1280x800, 1920x1080 and 1080x1920, served and from file://, and once
# resized half-way; axe-core on the start menu and the addition, and the page zoomed to 200 %. The browser build is brought up to date first (scripts/web --build). A CTest test of
# the label system (system_web); photographs and figures in build-web/proof/.
. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/common.sh"
HERE="$ROOT/tests/system"
WEB_BUILD="$ROOT/build-web"
PROOF="$WEB_BUILD/proof"
FIRST_VISIT_LIMIT=$((2500 * 1000))
# The walks with a finger: a laptop, a board and a panel upright; one walk turns the first into the last.
WALK_SIZES=1280x800,1920x1080,1080x1920
WALK_RESIZE=1280x800:1080x1920

"$ROOT/scripts/web" --build
VERSION=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$WEB_BUILD/CMakeCache.txt")
tools="$WEB_BUILD/proof-tools"
rm -rf "$PROOF"
mkdir -p "$tools" "$PROOF"
if ! cmp -s "$HERE/web/package-lock.json" "$tools/package-lock.json"; then
  cp "$HERE/web/package.json" "$HERE/web/package-lock.json" "$tools/"
  (cd "$tools" && npm ci --ignore-scripts --no-audit --no-fund --loglevel=error >/dev/null)
fi
cp "$HERE"/web/*.mjs "$ROOT"/bench/web/*.mjs "$tools/"
QT_QPA_PLATFORM=offscreen "$BUILD_DIR/tools/screenshots/abacolo_screenshots" --where 1280x800 \
  >"$PROOF/where-1280x800.txt" 2>/dev/null
failed=()
for browser in chromium firefox; do
  echo "== proof in $browser: served with compression, offline, the teacher's page, walks with a finger"
  node "$tools/proof.mjs" --browser "$browser" --dist "$WEB_BUILD/dist" --single "$WEB_BUILD/abacolo-$VERSION.html" \
    --teacher-file "$WEB_BUILD/resources/web/insegnanti-file.html" --out "$PROOF" \
    --where "$BUILD_DIR/tools/screenshots/abacolo_screenshots" \
    --sizes "$WALK_SIZES" --resize "$WALK_RESIZE" --first-visit-limit "$FIRST_VISIT_LIMIT" || failed+=("$browser")
done
echo "== axe-core in chromium: the start menu and the addition, and the page zoomed to 200 %"
node "$tools/axe.mjs" --dist "$WEB_BUILD/dist" --where "$PROOF/where-1280x800.txt" --out "$PROOF" || failed+=(axe-core)
[ ${#failed[@]} -eq 0 ] || fail "the proof failed in ${failed[*]} (see $PROOF)"
