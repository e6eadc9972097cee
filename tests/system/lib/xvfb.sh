# SPDX-License-Identifier: GPL-3.0-or-later
# The proofs' virtual display and their bounded waits, sourced by the system tests (tests/system/*.sh),
# scripts/bench, scripts/check-release and scripts/fullscreen-photos. Xvfb picks a free display itself
# (-displayfd), so two runs never meet on one display; a private session bus is started when asked;
# everything started here ends when the script exits.
#   xvfb_start [--session-bus]        exports DISPLAY, a private XDG_RUNTIME_DIR (and the session bus's
#                                     DBUS_SESSION_BUS_ADDRESS); XVFB_LAUNCHER names a command to run Xvfb
#                                     through, if any (check-release: inside a chroot)
#   xvfb_accessibility_bus            starts the accessibility bus on the session bus and waits for it
#   xvfb_at_exit COMMAND              runs COMMAND at exit, before the display ends (last added, first run)
# Every wait of the scripts is one of these, each bounded by S seconds:
#   xvfb_wait_window TITLE [S [PID]]  waits at most S seconds (default 30) for a shown window with
#                                     exactly this title and prints its id; fails early if PID ended
#   xvfb_wait_gone TITLE [S]          waits at most S seconds (default 10) until no such window is shown
#   xvfb_wait_ended PID [S]           waits at most S seconds (default 10) until the process PID has ended
#   xvfb_wait_until S COMMAND...      runs COMMAND every 0.1 s until it succeeds, at most S seconds
#   xvfb_wait_steady S PAUSE COMMAND...  runs COMMAND every PAUSE seconds until two outputs in a row
#                                     agree, at most S seconds, and prints the last (fails if none agreed)
#   xorg_dummy_start DISPLAY...       a real X server with several displays instead (see below)
# Needs the packages xvfb and xdotool, and dbus for the session bus.

XVFB_SCREEN="${XVFB_SCREEN:-1280x1024x24}"
XVFB_START_SECONDS=10
_xvfb_hooks=()
_xvfb_pids=()
_xvfb_dir=""

_xvfb_teardown() {
  local status=$? i pid
  for ((i = ${#_xvfb_hooks[@]} - 1; i >= 0; i--)); do
    eval "${_xvfb_hooks[i]}" || true
  done
  for ((i = ${#_xvfb_pids[@]} - 1; i >= 0; i--)); do
    pid=${_xvfb_pids[i]}
    if kill "$pid" 2>/dev/null; then wait "$pid" 2>/dev/null || true; fi
  done
  [ -z "$_xvfb_dir" ] || rm -rf "$_xvfb_dir"
  exit "$status"
}
trap _xvfb_teardown EXIT

xvfb_at_exit() { _xvfb_hooks+=("$*"); }

# _xvfb_spawn NAME COMMAND...: starts COMMAND in the background with its file descriptor 3 on a pipe,
# and reads the first line it writes there (the display number, the bus address) into _xvfb_line.
_xvfb_spawn() {
  local name=$1 pipe="$_xvfb_dir/pipe"
  shift
  mkfifo "$pipe"
  "$@" 3>"$pipe" >/dev/null 2>"$_xvfb_dir/$name.err" &
  _xvfb_pids+=($!)
  # A program that ends before writing closes the pipe, and read fails at once.
  IFS= read -r -t "$XVFB_START_SECONDS" _xvfb_line <"$pipe" && [ -n "$_xvfb_line" ]
  local status=$?
  rm -f "$pipe"
  if [ "$status" -ne 0 ]; then
    echo "$name did not start within $XVFB_START_SECONDS s:" >&2
    cat "$_xvfb_dir/$name.err" >&2
  fi
  return "$status"
}

xvfb_start() {
  _xvfb_dir=$(mktemp -d)
  export XDG_RUNTIME_DIR="$_xvfb_dir/run"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  _xvfb_spawn Xvfb "${XVFB_LAUNCHER:-command}" Xvfb -displayfd 3 -screen 0 "$XVFB_SCREEN" -nolisten tcp ||
    return 1
  export DISPLAY=":$_xvfb_line"
  if [ "${1:-}" = "--session-bus" ]; then
    _xvfb_spawn dbus-daemon dbus-daemon --session --nofork --print-address=3 || return 1
    export DBUS_SESSION_BUS_ADDRESS="$_xvfb_line"
  fi
}

xvfb_accessibility_bus() {
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  _xvfb_pids+=($!)
  xvfb_wait_until 10 dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.a11y.Bus.GetAddress || { echo "the accessibility bus did not start within 10 s" >&2; return 1; }
}

xvfb_wait_until() {
  local bound=$1
  shift
  local deadline=$((SECONDS + bound))
  until "$@" >/dev/null 2>&1; do
    ((SECONDS < deadline)) || return 1
    sleep 0.1
  done
}

# The window id of a shown (mapped and viewable) window with exactly this title, if there is one.
_xvfb_window() {
  local pattern
  pattern=$(printf '%s\n' "$1" | sed 's/[][\.*^$+?(){}|]/\\&/g')
  xdotool search --onlyvisible --name "^$pattern\$" 2>/dev/null | head -n 1 || true
}

xvfb_wait_window() {
  local title=$1 bound=${2:-30} pid=${3:-} id
  local deadline=$((SECONDS + bound))
  while :; do
    id=$(_xvfb_window "$title")
    [ -z "$id" ] || { echo "$id"; return 0; }
    [ -z "$pid" ] || kill -0 "$pid" 2>/dev/null || return 1
    ((SECONDS < deadline)) || return 1
    sleep 0.1
  done
}

_xvfb_no_window() { [ -z "$(_xvfb_window "$1")" ]; }

xvfb_wait_gone() { xvfb_wait_until "${2:-10}" _xvfb_no_window "$1"; }

# A real X server with several displays side by side, where Xvfb has one: Xorg with the dummy driver
# (packages xserver-xorg-core and xserver-xorg-video-dummy, x11-xserver-utils for xrandr). Each
# argument is one display, WIDTHxHEIGHT+X+Y, the first the primary one.
#   xorg_dummy_start DISPLAY...       exports DISPLAY
#   xorg_dummy_unplug N               switches the Nth display (from 0) off, as unplugging its cable
xorg_dummy_start() {
  _xvfb_dir=$(mktemp -d)
  export XDG_RUNTIME_DIR="$_xvfb_dir/run"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  local width=0 height=0 display size size_w size_h x y
  for display in "$@"; do
    IFS='x+' read -r size_w size_h x y <<<"$display"
    ((x + size_w > width)) && width=$((x + size_w))
    ((y + size_h > height)) && height=$((y + size_h))
  done
  cat >"$_xvfb_dir/xorg.conf" <<CONF
Section "Device"
    Identifier "dummy"
    Driver "dummy"
    VideoRam 256000
EndSection
Section "Monitor"
    Identifier "monitor"
    HorizSync 5.0-1000.0
    VertRefresh 5.0-200.0
EndSection
Section "Screen"
    Identifier "screen"
    Device "dummy"
    Monitor "monitor"
    DefaultDepth 24
    SubSection "Display"
        Depth 24
        Virtual $width $height
    EndSubSection
EndSection
CONF
  _xvfb_spawn Xorg Xorg -noreset -nolisten tcp -config "$_xvfb_dir/xorg.conf" -logfile "$_xvfb_dir/xorg.log" \
    -displayfd 3 || return 1
  export DISPLAY=":$_xvfb_line"
  local i=0 arguments=()
  for display in "$@"; do
    IFS='+' read -r size x y <<<"$display"
    # The dummy driver offers the common sizes; any other is made from its timings.
    if ! xrandr | grep -q "^ *$size "; then
      # shellcheck disable=SC2046,SC2086 # the size's and the mode line's words are separate arguments
      xrandr --newmode "$size" $(cvt ${size/x/ } | sed -n 's/^Modeline "[^"]*" *//p') || return 1
    fi
    xrandr --addmode "DUMMY$i" "$size" 2>/dev/null || true
    arguments+=(--output "DUMMY$i" --mode "$size" --pos "${x}x$y")
    ((i == 0)) && arguments+=(--primary)
    i=$((i + 1))
  done
  xrandr "${arguments[@]}"
}

xorg_dummy_unplug() { xrandr --output "DUMMY$1" --off; }

_xvfb_ended() { ! kill -0 "$1" 2>/dev/null; }

xvfb_wait_ended() { xvfb_wait_until "${2:-10}" _xvfb_ended "$1"; }

xvfb_wait_steady() {
  local bound=$1 pause=$2 last="" now
  shift 2
  local deadline=$((SECONDS + bound))
  while :; do
    sleep "$pause"
    now=$("$@") || now=""
    [ "$now" != "$last" ] || break
    last=$now
    ((SECONDS < deadline)) || { echo "$last"; return 1; }
  done
  echo "$last"
}
