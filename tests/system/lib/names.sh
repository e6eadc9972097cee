# SPDX-License-Identifier: GPL-3.0-or-later
# The names a proof needs, as the program gives them: where every control of every screen lies, each
# screen's title and the tour that opens every screen, from the screen renderer (abacolo_screenshots
# --where SIZE, or --where window), so that no proof types a title or a place.
#   names_load RENDERER SIZE [RUN...]   reads them once; RUN is a command to run the renderer through
#                                       (wine for the Windows renderer), the offscreen platform for Qt
#   title_of SCREEN                     the screen's title ("Addizioni in colonna")
#   place_of SCREEN CONTROL             "X Y", the control's centre at that size
#   tour_steps                          "SCREEN CONTROL NEXT PHOTO" a line, in the tour's order
# shellcheck shell=bash

NAMES_FILE=""
names_load() {
  local renderer=$1 size=$2
  shift 2
  NAMES_FILE=$(mktemp)
  QT_QPA_PLATFORM=offscreen "$@" "$renderer" --where "$size" 2>/dev/null | tr -d '\r' >"$NAMES_FILE"
  grep -q '^title frminizio ' "$NAMES_FILE" && grep -q '^tour ' "$NAMES_FILE" || {
    echo "the screen renderer $renderer told no titles or tour at $size" >&2
    return 1
  }
}
title_of() { sed -n "s/^title $1 //p" "$NAMES_FILE"; }
place_of() { awk -v s="$1" -v c="$2" '$1 == s && $2 == c { print $3, $4; exit }' "$NAMES_FILE"; }
tour_steps() { sed -n 's/^tour //p' "$NAMES_FILE"; }
