#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Does an addition with the keyboard alone under the Orca screen reader, on a virtual display, and
# prints what Orca said at each step: the screen's title and problem, the name of every box the Tab
# reaches, the verdict after a wrong and after a right check, the new problem, the score screen's title
# and the score with its grade. Fails if any of them was not said.
#   --desktop   (the default) the program as the pupil starts it on Linux;
#   --browser   the browser's program, served as a school's server serves it (web/server.mjs), in
#               Debian's chromium with its accessibility on, read by Orca through AT-SPI as the desktop
#               is, the same keys pressed, the same things expected.
# Orca speaks through a silent speech server (lib/silentspeech.py) that writes down every utterance as
# it is said; each step waits for what it should make Orca say, within a bound. A CTest test of the
# label system (tests/system/CMakeLists.txt), run on the build it is given.
#   screenreader.sh [--desktop|--browser]   (ABACOLO_BUILD_DIR: the build with abacolo and the screen
#                                            renderer; the browser's site in build-web/dist/)
. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/common.sh"
HERE="$ROOT/tests/system"
ORCA_SECONDS=30     # the longest wait for Orca to start speaking
SPEECH_SECONDS=15   # the longest wait for an utterance
WINDOW_SECONDS=20   # the longest wait for a window (the browser's: the page loaded and started too)
MODE=${1:---desktop}
case "$MODE" in
  --desktop | --browser) ;;
  *) echo "usage: screenreader.sh [--desktop|--browser]" >&2; exit 2 ;;
esac
SITE="${ABACOLO_WEB_SITE:-$ROOT/build-web/dist}"  # ABACOLO_WEB_SITE: another build's site
[ "$MODE" = --desktop ] || [ -s "$SITE/index.html" ] || fail "no $SITE/index.html: scripts/web --build makes it"

. "$HERE/lib/names.sh"
names_load "$BUILD_DIR/tools/screenshots/abacolo_screenshots" window
START_MENU_TITLE=$(title_of frminizio)
ADDITION_TITLE=$(title_of frmaddizioni)
SCORE_TITLE=$(title_of frmpunteggio)
work=$(mktemp -d)
# ABACOLO_KEEP_LOG=1 keeps Orca's whole debug log for a closer look.
keep_or_remove() {
  if [ -n "${ABACOLO_KEEP_LOG:-}" ]; then echo "The log of Orca: $work/orca.log"; else rm -rf "$work"; fi
}

# A virtual display with a private session bus, its accessibility bus, a window manager and Orca.
. "$HERE/lib/xvfb.sh"
xvfb_at_exit keep_or_remove
xvfb_start --session-bus
xvfb_accessibility_bus
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
mkdir -p "$work/prefs"
cat >"$work/prefs/user-settings.conf" <<'JSON'
{"general": {"speechServerFactory": "silentspeech", "speechServerInfo": null, "firstStart": false},
 "profiles": {"default": {"profile": ["Default", "default"]}}, "pronunciations": {}, "keybindings": {}}
JSON
speech="$work/speech.txt"
: >"$speech"
openbox >/dev/null 2>&1 &
xvfb_at_exit "kill $! 2>/dev/null"
ABACOLO_SPEECH_LOG="$speech" PYTHONPATH="$HERE/lib" \
  orca --replace -u "$work/prefs" --debug-file="$work/orca.log" >/dev/null 2>&1 &
orca=$!
xvfb_at_exit 'kill "$orca" 2>/dev/null'

# The number of utterances so far; waits until one matching PATTERN (grep -E) follows utterance FROM.
spoken() { wc -l <"$speech"; }
heard_after() { tail -n +"$(($1 + 1))" "$speech" | cut -d' ' -f2- | grep -qE "$2"; }
# A missed utterance is reported here and again, with the rest, at the end.
wait_said() { # wait_said FROM PATTERN WHAT
  xvfb_wait_until "$SPEECH_SECONDS" heard_after "$1" "$2" ||
    echo "screenreader.sh: Orca did not say $3 within $SPEECH_SECONDS s" >&2
}
# The number of the first utterance after FROM that matches PATTERN.
line_of() { awk -v from="$1" -v pattern="$2" 'NR > from && $0 ~ pattern { print NR; exit }' "$speech"; }
more_than() { [ "$(spoken)" -gt "$1" ]; }
# Orca greets when it is ready ("Screen reader on").
xvfb_wait_until "$ORCA_SECONDS" test -s "$speech" || fail "Orca did not start within $ORCA_SECONDS s"

n=$(spoken)
if [ "$MODE" = --desktop ]; then
  "$BUILD_DIR/abacolo" >/dev/null 2>&1 &
  app=$!
else
  # The site on a port of its own, and chromium showing only the page, with its accessibility on.
  node "$HERE/web/server.mjs" "$SITE" >"$work/server.txt" 2>&1 &
  server=$!
  xvfb_at_exit 'kill "$server" 2>/dev/null'
  xvfb_wait_until 10 grep -q "^serving" "$work/server.txt" || fail "the site's server did not start"
  url=$(grep -o 'http://[^ ]*' "$work/server.txt")
  chromium --no-sandbox --force-renderer-accessibility --user-data-dir="$work/chromium" --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync --enable-unsafe-swiftshader \
    --window-position=0,0 --window-size=1280,800 --app="$url" >"$work/chromium.log" 2>&1 &
  app=$!
fi
xvfb_at_exit 'kill "$app" 2>/dev/null'
xvfb_wait_window "$START_MENU_TITLE" "$WINDOW_SECONDS" "$app" >/dev/null ||
  fail "the start menu did not appear within $WINDOW_SECONDS s"
wait_said "$n" "$START_MENU_TITLE" "the start menu's title"

clock() { date +%s.%N; }
# Presses the keys and waits until Orca has said something about them.
key() {
  local n
  n=$(spoken)
  xdotool key "$@"
  xvfb_wait_until "$SPEECH_SECONDS" more_than "$n" || true
}
# Start menu: "&Esci" has the focus; Tab twice reaches the plus button.
t_menu=$(clock)
key Tab
key Tab
t_open=$(clock); n=$(spoken); xdotool key space
# Orca 43 says the announcement as "notification 1234 + 567 + 89."; Orca 48.1 says "notification", then
# "1234 + 567 + 89 Operazione".
wait_said "$n" "[0-9]+ \+ [0-9]+ \+ [0-9]+" "the addition's problem"
# A wrong check: the result row is empty.
t_wrong=$(clock); n=$(spoken); xdotool key alt+c
wait_said "$n" "Sbagliato! Ripeti" "the wrong verdict"
# A right check: the problem as it was heard, its sum typed into the result row from the units, where
# the focus waits, a Tab after each digit.
line=$(cut -d' ' -f2- "$speech" | grep -oE "[0-9]+ \+ [0-9]+ \+ [0-9]+" | tail -n 1)
printf -v digits '%04d' "$((${line// /}))"
t_boxes=$(clock)
for i in 3 2 1 0; do xdotool type "${digits:$i:1}"; key Tab; done
t_right=$(clock); n=$(spoken); xdotool key alt+c
wait_said "$n" "Complimenti! Vai avanti" "the praise"
praise=$(line_of "$n" "Complimenti")
wait_said "${praise:-$n}" "[0-9]+ \+ [0-9]+ \+ [0-9]+" "the new problem"
# "&Punteggio", then "&Calcola il punteggio", then Orca's read-title command once it has caught up.
n=$(spoken); xdotool key alt+p
xvfb_wait_window "$SCORE_TITLE" "$WINDOW_SECONDS" "$app" >/dev/null || fail "the score screen did not appear"
wait_said "$n" "$SCORE_TITLE" "the score screen's title"
t_score=$(clock); n=$(spoken); xdotool key alt+c
wait_said "$n" "Esercitati di più" "the grade"
t_title=$(clock); n=$(spoken); xdotool key KP_Insert+KP_Enter
# The browser's window is named by the page's title and the browser's name.
wait_said "$n" "^$SCORE_TITLE( - Chromium)?$" "the title on request"
t_end=$(clock)
# Orca writes its debug log in full as it ends.
kill "$orca"; wait "$orca" 2>/dev/null || true

# Orca's utterances as "seconds text", one a line; said FROM TO gives those between two times.
said() { awk -v from="$1" -v to="$2" '$1 >= from && $1 < to' "$speech"; }
words() { said "$1" "$2" | cut -d' ' -f2- | tr '\n' '|'; }

steps=("$t_menu" "the start menu, Tab, Tab" "$t_open" "\"+\": the addition opens" "$t_wrong" "Alt+C, nothing written"
       "$t_boxes" "the sum typed, Tab after each digit" "$t_right" "Alt+C" "$t_score" "Alt+P, then Alt+C"
       "$t_title" "Orca's command for the title" "$t_end" "")
echo "What Orca said ($MODE), step by step:"
for ((i = 0; i + 2 < ${#steps[@]}; i += 2)); do
  echo "  ${steps[i + 1]}:"
  said "${steps[i]}" "${steps[i + 2]}" | cut -d' ' -f2- | sed 's/^/      /'
done
failed=0
expect() { # expect WHAT SAID PATTERN
  if grep -qE "$3" <<<"$2"; then echo "ok: $1"; else echo "MISSING: $1"; failed=1; fi
}
# A notification as Orca 43 (Debian 12) says it, "notification TEXT.", or as Orca 48 (Debian 13) does,
# "notification", then "TEXT" with the label's description; the page's live region as plain "TEXT".
# A window is a "frame" on the desktop, the screen's copy in the page a "dialog"; a digit box "text" on
# the desktop, "entry" in the page.
if [ "$MODE" = --desktop ]; then
  note='notification[ |]' window=frame box=text
else
  note='' window=dialog box=entry
fi
expect "the title, then the problem, on opening" "$(words "$t_open" "$t_wrong")" \
  "$ADDITION_TITLE $window\.?\|.*${note}[0-9]+ \+ [0-9]+ \+ [0-9]+[ .|]"
expect "the wrong verdict, the focus in the units of the result" "$(words "$t_wrong" "$t_right")" \
  "unità, risultato $box\.\|${note}Sbagliato! Ripeti[ .|]"
expect "every box of the result by its name at its Tab" "$(words "$t_boxes" "$t_right")" \
  "decine, risultato.*centinaia, risultato.*migliaia, risultato"
expect "the praise, then the new problem" "$(words "$t_right" "$t_score")" \
  "${note}Complimenti! Vai avanti[ .|].*${note}[0-9]+ \+ [0-9]+ \+ [0-9]+[ .|]"
expect "the counts with their captions and the grade" "$(words "$t_score" "$t_title")" \
  "Risposte giuste: 1\. Risposte sbagliate: 1\. Non ci siamo\. Esercitati di più\."
expect "the title on request" "$(words "$t_title" "$t_end")" "(^|\|)$SCORE_TITLE\|"
verdict=$(said "$t_wrong" "$t_right" | grep -m1 "Sbagliato" | cut -d' ' -f1)
[ -z "$verdict" ] ||
  echo "\"Sbagliato! Ripeti\" was said $(awk -v a="$t_wrong" -v b="$verdict" 'BEGIN { printf "%.2f", b - a }') s after the key press"
exit "$failed"
