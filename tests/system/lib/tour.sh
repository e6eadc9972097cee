# SPDX-License-Identifier: GPL-3.0-or-later
# Photographs a running Abacolo on a virtual display as a pupil at the board meets it: F11 on the start
# menu, then every screen of the program's tour in full screen, with digits typed on the addition's
# pad (as a pen taps) and its check; last F11 again, back to the designed size. Sourced by
# scripts/fullscreen-photos (the program built here) and tests/system/windows.sh (under Wine).
#   tour_photograph FILE [WINDOW]   photographs the display (or only that window) once the drawing
#                                   has settled
#   fullscreen_tour FOLDER PID      the tour, with names_load done at the display's size (lib/names.sh);
#                                   PID: the program, which must end on "&Esci"
# Needs DISPLAY, lib/xvfb.sh and lib/names.sh sourced, xdotool and imagemagick.

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

# Waits for the screen's window and gives it the keyboard (there is no window manager to).
_tour_window() {
  local id
  id=$(xvfb_wait_window "$(title_of "$1")" 30 "$_tour_pid") || _tour_fail "$1 did not appear" || return 1
  xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id"
}

# Taps a control of a screen in full screen where the program says its centre is.
_tour_tap() {
  local x y
  read -r x y < <(place_of "$1" "$2")
  [ -n "${x:-}" ] || _tour_fail "no place known for $1 $2" || return 1
  xdotool mousemove --sync "$x" "$y" click 1
}

fullscreen_tour() {
  local folder=$1 shot=0 screen control next photo
  _tour_pid=$2
  mkdir -p "$folder"
  photo() {
    shot=$((shot + 1))
    tour_photograph "$(printf '%s/%02d-%s.png' "$folder" "$shot" "$1")"
  }
  _tour_window frminizio || return 1
  xdotool key F11
  photo start-menu
  while read -r screen control next photo; do
    _tour_tap "$screen" "$control" || return 1
    _tour_window "$next" || return 1
    [ "$photo" = - ] || photo "$photo"
    [ "$photo" = addition ] || continue
    # Two digits tapped on the pad into the boxes a pen tapped, then the check, photographed while its
    # message is shown (it stays three seconds).
    _tour_tap frmaddizioni txturis && _tour_tap frmaddizioni pad7 &&
      _tour_tap frmaddizioni txtdaris && _tour_tap frmaddizioni pad3 && _tour_tap frmaddizioni pad1 &&
      _tour_tap frmaddizioni padCancella && _tour_tap frmaddizioni pad2 || return 1
    photo addition-pad
    xdotool key alt+c
    sleep 1
    shot=$((shot + 1))
    import -window root "$(printf '%s/%02d-addition-checked.png' "$folder" "$shot")"
    echo "photographed: $(printf '%s/%02d-addition-checked.png' "$folder" "$shot")"
  done < <(tour_steps)

  # F11 again: the start menu at its designed size, centred; Esc ("&Esci") ends the program.
  _tour_window frminizio || return 1
  xdotool key F11
  photo start-menu-designed
  xdotool key Escape
  xvfb_wait_ended "$_tour_pid" 10 || _tour_fail "the program did not end on \"&Esci\""
}
