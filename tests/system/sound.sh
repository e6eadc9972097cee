#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Proves that a wrong answer is heard: starts a private PulseAudio server whose only output is a pipe,
# records what it plays while the real program checks a wrong answer and then a right one on a virtual
# display, and fails unless the wrong answer made a sound and the right one kept silent. A CTest
# test of the label system (tests/system/CMakeLists.txt), run on the build ABACOLO_BUILD_DIR names.
. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/common.sh"
HERE="$ROOT/tests/system"
RATE=16000          # samples per second of the recording, mono
LOUD=500            # a sample above this (of 32767) is sound, not the null sink's silence
WAIT_SECONDS=15     # the longest wait for the sound server, a window or the alert
QUIET_SECONDS=2     # how long the right answer must stay silent

. "$HERE/lib/names.sh"
names_load "$BUILD_DIR/tools/screenshots/abacolo_screenshots" window

# A virtual display with a private session bus and accessibility bus (the script reads the problem as
# a screen reader would), and a private sound server.
. "$HERE/lib/xvfb.sh"
work=$(mktemp -d)
xvfb_at_exit 'rm -rf "$work"'
xvfb_start --session-bus
xvfb_accessibility_bus
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export PULSE_SERVER="unix:$XDG_RUNTIME_DIR/pulse/native"
# The sink writes what it plays into a pipe as the system clock goes, silence included, so that the
# recording's end is the moment it is stopped (a monitor of a null sink starts recording late).
pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
  -L "module-pipe-sink sink_name=rec file=$work/sink.fifo format=s16le rate=$RATE channels=1 use_system_clock_for_timing=yes" \
  -L "module-native-protocol-unix socket=$XDG_RUNTIME_DIR/pulse/native" >"$work/pulseaudio.log" 2>&1 &
xvfb_at_exit "kill $! 2>/dev/null"
xvfb_wait_until "$WAIT_SECONDS" pactl info ||
  { cat "$work/pulseaudio.log" >&2; fail "the sound server did not start within $WAIT_SECONDS s"; }

clock() { date +%s.%N; }
recording="$work/sound.raw"
cat "$work/sink.fifo" >"$recording" &
recorder=$!
xvfb_at_exit 'kill "$recorder" 2>/dev/null'
# The sound server's events on the streams that play into the sink: the alert is a stream of its own.
events="$work/events.txt"
pactl subscribe >"$events" 2>&1 &
xvfb_at_exit "kill $! 2>/dev/null"
new_streams() { grep -c "'new' on sink-input" "$events" || true; }
removed_streams() { grep -c "'remove' on sink-input" "$events" || true; }
more_than() { [ "$("$1")" -gt "$2" ]; }
recording_grows() { [ -s "$recording" ]; }
xvfb_wait_until "$WAIT_SECONDS" recording_grows || fail "the sink wrote nothing within $WAIT_SECONDS s"

"$BUILD_DIR/abacolo" >/dev/null 2>&1 &
app=$!
xvfb_at_exit 'kill "$app" 2>/dev/null'
menu=$(xvfb_wait_window "$(title_of frminizio)" "$WAIT_SECONDS" "$app") ||
  fail "the start menu did not appear within $WAIT_SECONDS s"
# No window manager runs here: the keyboard focus is given to the window by hand.
xdotool windowfocus --sync "$menu"

# The plus button (Tab twice from "&Esci"), then a check with the result row empty: wrong.
xdotool key Tab Tab space
addition=$(xvfb_wait_window "$(title_of frmaddizioni)" "$WAIT_SECONDS" "$app") ||
  fail "the addition screen did not appear within $WAIT_SECONDS s"
xdotool windowfocus --sync "$addition"
new=$(new_streams); removed=$(removed_streams)
t_wrong=$(clock); xdotool key alt+c
# Wait for the alert's stream to start and to end.
xvfb_wait_until "$WAIT_SECONDS" more_than new_streams "$new" ||
  echo "sound.sh: no alert stream started within $WAIT_SECONDS s of the wrong check" >&2
xvfb_wait_until "$WAIT_SECONDS" more_than removed_streams "$removed" ||
  echo "sound.sh: the alert stream did not end within $WAIT_SECONDS s" >&2
# The sum typed into the result row, from the units where the focus waits: right.
line=$(/usr/bin/python3 "$HERE/lib/problem.py")
[ -n "$line" ] || fail "the problem could not be read through the accessibility bus"
printf -v digits '%04d' "$((${line// /}))"
for i in 3 2 1 0; do xdotool type "${digits:$i:1}"; xdotool key Tab; done
t_right=$(clock); xdotool key alt+c
# No event marks silence: the recording goes on for a while after the right check.
sleep "$QUIET_SECONDS"
t_end=$(clock)
kill "$recorder" 2>/dev/null; wait "$recorder" 2>/dev/null || true
# The sink writes before the recording starts reading it, so the recording is placed in time by its end.

/usr/bin/python3 - "$recording" "$RATE" "$LOUD" "$t_wrong" "$t_right" "$t_end" "$line" <<'PY'
import array, sys
path, rate, loud = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
wrong, right, end = (float(x) for x in sys.argv[4:7])
samples = array.array("h")
samples.frombytes(open(path, "rb").read())
start = end - len(samples) / rate
def span(a, b):
    return samples[max(0, int((a - start) * rate)):max(0, int((b - start) * rate))]
def peak(part):
    return max((abs(s) for s in part), default=0)
after_wrong, after_right = span(wrong, right), span(right, end)
onset = next((i / rate for i, s in enumerate(after_wrong) if abs(s) > loud), None)
print(f"recorded {len(samples) / rate:.1f} s; the right answer was {sys.argv[7]}")
print(f"after the wrong check: peak {peak(after_wrong)} of 32767"
      + (f", sound from {onset:.2f} s after the key" if onset is not None else ", silence"))
print(f"after the right check: peak {peak(after_right)} of 32767")
ok = peak(after_wrong) > loud and peak(after_right) <= loud
print("ok: the wrong answer is heard, the right one is not" if ok else "FAILED")
sys.exit(0 if ok else 1)
PY
