# SPDX-License-Identifier: GPL-3.0-or-later
# Photographs a running Abacolo on a virtual display as a pupil at the board meets it: F11 on the start
# menu, then every screen in full screen, digits typed on the pad with the mouse (as a pen taps), the
# check and the score; last F11 again, back to the designed size. Sourced by fullscreen-photos (the
# program built here) and windows (abacolo.exe under Wine).
#   tour_photograph FILE [WINDOW]        photographs the display (or only that window) once the drawing
#                                        has settled
#   fullscreen_tour FOLDER WHERE PID     WHERE: the output of abacolo_screenshots --where at the
#                                        display's size; PID: the program, which must end on "&Esci"
# Needs DISPLAY, scripts/lib/common.sh and scripts/lib/xvfb.sh sourced, xdotool and imagemagick.

TOUR_MENU=$(start_menu_title)

# Photographs once the program has finished drawing: two grabs 0.3 s apart alike (a blinking text
# cursor lets no more agree), at most 10 s.
_tour_grab() { import -window "$1" rgb:- | md5sum; }
tour_photograph() {
  xvfb_wait_steady 10 0.3 _tour_grab "${2:-root}" >/dev/null || true
  import -window "${2:-root}" "$1"
  echo "photographed: $1"
}

_tour_fail() {
  echo "full-screen tour: $*" >&2
  return 1
}

# Waits for the window with this title and gives it the keyboard (there is no window manager to).
_tour_window() {
  local id
  id=$(xvfb_wait_window "$1" 30 "$_tour_pid") || _tour_fail "the window \"$1\" did not appear" || return 1
  xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id"
}

# Taps a control of a screen in full screen where WHERE says its centre is.
_tour_tap() {
  local x y
  read -r x y < <(awk -v s="$1" -v c="$2" '$1 == s && $2 == c { print $3, $4; exit }' "$_tour_where")
  [ -n "${x:-}" ] || _tour_fail "no place known for $1 $2" || return 1
  xdotool mousemove --sync "$x" "$y" click 1
}

fullscreen_tour() {
  local folder=$1
  _tour_where=$2
  _tour_pid=$3
  mkdir -p "$folder"
  local shot=0
  photo() {
    shot=$((shot + 1))
    tour_photograph "$(printf '%s/%02d-%s.png' "$folder" "$shot" "$1")"
  }

  _tour_window "$TOUR_MENU" || return 1
  xdotool key F11
  photo start-menu

  # Addition: two digits tapped on the pad into the boxes a pen tapped, then the check and the score.
  _tour_tap frminizio cmdadd || return 1
  _tour_window "Addizioni in colonna" || return 1
  photo addition
  _tour_tap frmaddizioni txturis && _tour_tap frmaddizioni pad7 &&
    _tour_tap frmaddizioni txtdaris && _tour_tap frmaddizioni pad3 && _tour_tap frmaddizioni pad1 &&
    _tour_tap frmaddizioni padCancella && _tour_tap frmaddizioni pad2 || return 1
  photo addition-pad
  # The message stays three seconds: photographed while it is shown.
  xdotool key alt+c
  sleep 1
  shot=$((shot + 1))
  local checked
  checked=$(printf "%s/%02d-addition-checked.png" "$folder" "$shot")
  import -window root "$checked"
  echo "photographed: $checked"
  xdotool key alt+p
  _tour_window "Punteggio" || return 1
  photo score
  xdotool key alt+c
  photo score-computed
  xdotool key alt+o

  # The chooser and both multiplications, subtraction and division, each left by Esc ("&Fine").
  local exercise title name
  for exercise in cmd1 cmd2 cmdsott cmddiv; do
    _tour_window "$TOUR_MENU" || return 1
    case $exercise in
      cmd1 | cmd2)
        _tour_tap frminizio cmdmolt || return 1
        _tour_window "Moltiplicazioni" || return 1
        [ "$exercise" = cmd2 ] || photo chooser
        _tour_tap frmscelta "$exercise" || return 1
        if [ "$exercise" = cmd1 ]; then
          title="Moltiplicazioni in colonna con 1 cifra al moltiplicatore" name=multiplication
        else
          title="Moltiplicazioni in colonna con 2 cifre al moltiplicatore" name=multiplication2
        fi
        ;;
      cmdsott)
        _tour_tap frminizio cmdsott || return 1
        title="Sottrazioni in colonna" name=subtraction
        ;;
      cmddiv)
        _tour_tap frminizio cmddiv || return 1
        title="Divisioni in colonna" name=division
        ;;
    esac
    _tour_window "$title" || return 1
    photo "$name"
    xdotool key Escape
    xvfb_wait_gone "$title" 10 || _tour_fail "Esc did not close \"$title\"" || return 1
  done

  # F11 again: the start menu at its designed size, centred; Esc ("&Esci") ends the program.
  _tour_window "$TOUR_MENU" || return 1
  xdotool key F11
  photo start-menu-designed
  xdotool key Escape
  xvfb_wait_ended "$_tour_pid" 10 || _tour_fail "the program did not end on \"&Esci\""
}
