#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Full screen on the classroom board when the board is the laptop's second display, checked on a real X
# server with two displays side by side (a 1280x800 laptop, primary, and a 1920x1080 board at its right)
# under the Openbox window manager, as a teacher uses it:
#   - the start menu opens centred on the laptop; dragged onto the board, F11 fills the board, and F11
#     again gives the designed size back centred on the board by its outer size, the same to the pixel
#     after three more round trips;
#   - in full screen an exercise opens on the board in full screen; out of it, the start menu and the
#     next exercise come back centred on the board;
#   - the board unplugged in full screen leaves the program at its designed size, centred on the laptop;
#   - on the laptop alone, three round trips leave the start menu where it was centred at the start.
# Prints every position it measures and, where ImageMagick's import is installed, photographs the two
# displays into BUILD/second-display/. A CTest test of the label system (tests/system/CMakeLists.txt),
# run on the build ABACOLO_BUILD_DIR names.
. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/common.sh"
HERE="$ROOT/tests/system"
LAPTOP=1280x800+0+0
BOARD=1920x1080+1280+0
WAIT_SECONDS=60 # the longest wait for a window or a window's move (a busy machine is slow)
. "$HERE/lib/names.sh"
names_load "$BUILD_DIR/tools/screenshots/abacolo_screenshots" window
START_MENU_TITLE=$(title_of frminizio)
ADDITION_TITLE=$(title_of frmaddizioni)

. "$HERE/lib/xvfb.sh"
proof="$BUILD_DIR/second-display"
mkdir -p "$proof"
xorg_dummy_start "$LAPTOP" "$BOARD" || fail "the X server with two displays did not start"
log="$BUILD_DIR/second-display"
mkdir -p "$log"
openbox >"$log/openbox.log" 2>&1 &
# shellcheck disable=SC2034 # read by the exit hook
wm=$!
xvfb_at_exit 'kill "$wm" 2>/dev/null'
# Openbox is ready once it shows a window: a window mapped while it still starts may stay unmapped.
# Openbox also names itself on the root window once it manages the display; a fresh system may take a
# while to read its fonts the first time.
managing() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
xvfb_wait_until "$WAIT_SECONDS" managing ||
  { cat "$log/openbox.log" >&2; fail "Openbox did not take the display within $WAIT_SECONDS s"; }
xmessage -title abacolo-window-manager-probe ready >"$log/probe.log" 2>&1 &
probe=$!
xvfb_wait_window abacolo-window-manager-probe "$WAIT_SECONDS" "$probe" >/dev/null ||
  { cat "$log/openbox.log" "$log/probe.log" >&2; fail "Openbox did not show a window within $WAIT_SECONDS s"; }
kill "$probe" 2>/dev/null
xvfb_wait_gone abacolo-window-manager-probe "$WAIT_SECONDS" || true

# A display as X Y W H.
rect_of() { IFS='x+' read -r w h x y <<<"$1" && echo "$x $y $w $h"; }
# The window's frame, as X Y W H on the desktop: the window manager's frame around the client area.
frame_of() {
  local id=$1 x y w h l r t b
  read -r x y w h < <(xwininfo -id "$id" |
    awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} /  Width/ {w=$2} /  Height/ {h=$2}
         END {print x, y, w, h}')
  read -r l r t b < <(xprop -id "$id" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p' | tr -d ',')
  echo "$((x - ${l:-0})) $((y - ${t:-0})) $((w + ${l:-0} + ${r:-0})) $((h + ${t:-0} + ${b:-0}))"
}
client_of() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} /  Width/ {w=$2}
                           /  Height/ {h=$2} END {print x, y, w, h}'
}
# Where a frame of this size stands when centred on the display (halves rounded either way).
centred_on() {
  local dx dy dw dh fw=$2 fh=$3
  read -r dx dy dw dh < <(rect_of "$1")
  echo "$((dx + (dw - fw) / 2)) $((dy + (dh - fh) / 2))"
}
near() { [ "${1#-}" -le 1 ]; }
check_centred() { # WHAT ID DISPLAY
  local fx fy fw fh cx cy
  read -r fx fy fw fh < <(frame_of "$2")
  read -r cx cy < <(centred_on "$3" "$fw" "$fh")
  echo "  $1: frame at $fx,$fy, ${fw}x$fh (centred on $3: $cx,$cy)"
  if ! near $((fx - cx)) || ! near $((fy - cy)); then fail "$1 is not centred on $3"; fi
}
check_fills() { # WHAT ID DISPLAY
  local got
  got=$(client_of "$2")
  echo "  $1: $got"
  [ "$got" = "$(rect_of "$3")" ] || fail "$1 does not fill $3"
}
# Waits until the window's frame stands still (the window manager has done its part).
settled() {
  local before after
  before=$(frame_of "$1")
  sleep 0.3
  after=$(frame_of "$1")
  [ "$before" = "$after" ] && [ "$after" != "${2:-}" ]
}
settle() { xvfb_wait_until "$WAIT_SECONDS" settled "$@" || true; }
photograph() { ! command -v import >/dev/null || import -window root "$proof/$1.png"; }
f11() {
  local id=$1 before
  before=$(frame_of "$id")
  xdotool windowactivate --sync "$id" key F11
  settle "$id" "$before"
}

"$BUILD_DIR/abacolo" >"$proof/abacolo.log" 2>&1 &
app=$!
xvfb_at_exit 'kill "$app" 2>/dev/null'
menu=$(xvfb_wait_window "$START_MENU_TITLE" "$WAIT_SECONDS" "$app") || fail "the start menu did not appear"
settle "$menu"

echo "== two displays: laptop $LAPTOP (primary), board $BOARD"
check_centred "start menu at start" "$menu" "$LAPTOP"
# The teacher drags the start menu by its title bar onto the board.
read -r fx fy _ _ < <(frame_of "$menu")
xdotool mousemove $((fx + 100)) $((fy + 8)) mousedown 1 sleep 0.2 mousemove $((fx + 600)) $((fy + 100)) \
  sleep 0.2 mousemove $((fx + 1600)) $((fy + 200)) sleep 0.2 mouseup 1
settle "$menu"
echo "  start menu dragged onto the board: frame at $(frame_of "$menu")"
f11 "$menu"
check_fills "F11" "$menu" "$BOARD"
photograph board-full-screen
f11 "$menu"
check_centred "F11 again" "$menu" "$BOARD"
first=$(frame_of "$menu")
for trip in 2 3 4; do
  f11 "$menu"
  f11 "$menu"
  echo "  round trip $trip: frame at $(frame_of "$menu")"
  [ "$(frame_of "$menu")" = "$first" ] || fail "round trip $trip left the start menu elsewhere than the first"
done

echo "== screens shown on the board"
f11 "$menu"
# The plus button (Tab twice from "&Esci"): the addition opens in full screen on the board.
xdotool windowactivate --sync "$menu" key Tab Tab space
addition=$(xvfb_wait_window "$ADDITION_TITLE" "$WAIT_SECONDS" "$app") || fail "the addition did not open"
settle "$addition"
check_fills "addition in full screen" "$addition" "$BOARD"
f11 "$addition"
check_centred "addition after F11" "$addition" "$BOARD"
# Esc presses "&Fine": the start menu comes back, then a new addition.
xdotool windowactivate --sync "$addition" key Escape
xvfb_wait_gone "$ADDITION_TITLE" "$WAIT_SECONDS" || fail "the addition did not close"
settle "$menu"
check_centred "start menu after \"&Fine\"" "$menu" "$BOARD"
# The plus button kept the focus.
xdotool windowactivate --sync "$menu" key space
addition=$(xvfb_wait_window "$ADDITION_TITLE" "$WAIT_SECONDS" "$app") || fail "the addition did not open again"
settle "$addition"
check_centred "a new addition" "$addition" "$BOARD"
xdotool windowactivate --sync "$addition" key Escape
xvfb_wait_gone "$ADDITION_TITLE" "$WAIT_SECONDS" || fail "the addition did not close"
settle "$menu"

echo "== the board unplugged in full screen"
f11 "$menu"
check_fills "F11" "$menu" "$BOARD"
before=$(frame_of "$menu")
xorg_dummy_unplug 1
settle "$menu" "$before"
check_centred "start menu with the board gone" "$menu" "$LAPTOP"
photograph board-unplugged

echo "== one display"
first=$(frame_of "$menu")
f11 "$menu"
check_fills "F11" "$menu" "$LAPTOP"
f11 "$menu"
echo "  round trip 1: frame at $(frame_of "$menu")"
[ "$(frame_of "$menu")" = "$first" ] || fail "F11 twice moved the start menu on one display"
for trip in 2 3 4; do
  f11 "$menu"
  f11 "$menu"
  echo "  round trip $trip: frame at $(frame_of "$menu")"
  [ "$(frame_of "$menu")" = "$first" ] || fail "round trip $trip moved the start menu on one display"
done
echo "two-displays.sh: passed (photographs in $proof)"
