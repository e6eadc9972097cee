#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The proofs of the Windows build under Wine, each a CTest test of the label system in the Windows
# build (tests/system/CMakeLists.txt), run by `ctest --preset windows` after CPack has packed it:
#   windows.sh prefix      makes the Wine prefix every other step and the logic tests run in
#   windows.sh exe         abacolo.exe: only DLLs every Windows has, the icon and the version record
#                          read back as designed
#   windows.sh walk        on a virtual display: the start menu, an addition checked wrong, back, the
#                          end; the start menu at the teacher's choice; an option refused with status 2
#   windows.sh fullscreen  the full-screen tour at 1920 x 1080, digits typed on the pad with the mouse
#   windows.sh screens     the screen renderer's pictures at 1x and 2x, and the faces that served
#   windows.sh installer   the installer installed silently (the Start-menu folder with a shortcut for
#                          each choice, read back), removed, and its first page, the licence
# ABACOLO_BUILD_DIR is the Windows build; photographs and reports go to its proof/ folder.
. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/common.sh"
HERE="$ROOT/tests/system"
STEP=${1:?"usage: windows.sh prefix|exe|walk|fullscreen|screens|installer"}
PROOF="$BUILD_DIR/proof"
VERSION=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD_DIR/CMakeCache.txt")
# abacolo.exe as the zip holds it (stripped), where CPack staged it.
EXE="$BUILD_DIR/_CPack_Packages/win64/ZIP/abacolo-$VERSION-windows-x64/abacolo.exe"
RENDERER="$BUILD_DIR/tools/screenshots/abacolo_screenshots.exe"
export WINEPREFIX="$BUILD_DIR/wine" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$PROOF"

if [ "$STEP" = prefix ]; then
  rm -rf "$WINEPREFIX"
  timeout 300 wineboot --init >/dev/null 2>&1 || fail "wineboot could not make the Wine prefix"
  # No window manager runs on the virtual displays: Wine draws the window frames itself, as Windows would.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  timeout 120 wineserver --wait || true
  echo "$(wine --version), prefix $WINEPREFIX"
  exit 0
fi
[ -f "$EXE" ] || fail "no $EXE: CPack packs it (cpack --preset windows)"

if [ "$STEP" = exe ]; then
  # Portable: only DLLs that every Windows has.
  x86_64-w64-mingw32-objdump -p "$EXE" | sed -n 's/^\s*DLL Name: //p' | sort -f >"$PROOF/dlls.txt"
  foreign=$(grep -viE '^(kernel32|user32|gdi32|advapi32|shell32|ole32|oleaut32|comdlg32|imm32|winmm|ws2_32|uxtheme|dwmapi|shlwapi|version|netapi32|shcore|wtsapi32|userenv|uuid|setupapi|authz|mpr|winspool\.drv|d3d9|dxgi|d3d11|dwrite|msvcrt|api-ms-win-[a-z0-9-]+)\.dll$' "$PROOF/dlls.txt" || true)
  [ -z "$foreign" ] || fail "abacolo.exe needs DLLs that Windows does not have: $foreign"
  echo "abacolo.exe: $(stat -c %s "$EXE") bytes; imports only system DLLs: $(paste -sd ' ' "$PROOF/dlls.txt")"
  wrestool -x --type=14 "$EXE" >"$PROOF/icon.ico"
  expected="--icon --index=1 --width=32 --height=32 --bit-depth=4 --palette-size=16"
  icon=$(icotool -l "$PROOF/icon.ico")
  [ "$icon" = "$expected" ] || fail "the icon read back is '$icon', not '$expected'"
  # The image itself, byte for byte: the .ico's one image follows its 6-byte header and 16-byte entry.
  wrestool -x --raw --type=3 "$EXE" >"$PROOF/icon-image.bin"
  tail -c +23 "$ROOT/resources/icons/abacolo.ico" | cmp -s - "$PROOF/icon-image.bin" ||
    fail "the icon image read back differs from resources/icons/abacolo.ico"
  echo "icon: $icon, image identical to resources/icons/abacolo.ico"
  wrestool -x --raw --type=16 "$EXE" >"$PROOF/version.bin"
  python3 "$HERE/lib/versionrecord.py" "$PROOF/version.bin" | tee "$PROOF/version.txt"
  # The version record as the program's design gives it; Windows' fixed record writes the version as
  # four numbers, each without its leading zeros.
  IFS=. read -r -a numbers <<<"$VERSION.0.0.0"
  fixed="$((10#${numbers[0]})).$((10#${numbers[1]})).$((10#${numbers[2]})).$((10#${numbers[3]}))"
  for field in "block=041004B0" "translation=0410,04B0" "fixed-file-version=$fixed" "fixed-product-version=$fixed" \
    "ProductName=Abacolo" "InternalName=Quadrello" "FileVersion=$VERSION" "ProductVersion=$VERSION" \
    "CompanyName=Abacolo" "FileDescription=Abacolo" "OriginalFilename=abacolo.exe"; do
    grep -qxF "$field" "$PROOF/version.txt" || fail "the version record lacks $field"
  done
  echo "version record: every field as designed"
  exit 0
fi

XVFB_SCREEN=1920x1080x24
. "$HERE/lib/xvfb.sh"
. "$HERE/lib/names.sh"
. "$HERE/lib/tour.sh"
app=""
xvfb_at_exit 'wineserver --kill 2>/dev/null'
xvfb_at_exit '[ -z "$app" ] || kill "$app" 2>/dev/null'
xvfb_start || fail "the virtual display did not start"
wait_window() { xvfb_wait_window "$1" 30 "$app"; }
photograph() { tour_photograph "$PROOF/$1"; }
start() { # start ARGUMENT...: abacolo.exe under Wine, in the background
  (cd "$(dirname "$EXE")" && exec wine abacolo.exe "$@") >/dev/null 2>&1 &
  app=$!
}

case "$STEP" in
walk)
  names_load "$RENDERER" window timeout 120 wine
  start
  menu=$(wait_window "$(title_of frminizio)") || fail "the start menu did not appear within 30 seconds"
  photograph wine-start-menu.png
  # "&Esci" has the focus; two tabs reach the plus button, Space presses it. (Without a window manager
  # the keyboard focus is given to the window by hand.)
  xdotool windowfocus "$menu"
  xdotool key Tab Tab space
  addition=$(wait_window "$(title_of frmaddizioni)") || fail "the addition screen did not appear"
  # The result row is empty: "&Controlla" judges it wrong and shows the message in red.
  xdotool windowfocus "$addition"
  xdotool key alt+c
  photograph wine-addition-wrong.png
  # Esc is "&Fine": back to the start menu; there Esc is "&Esci" and ends the program.
  xdotool key Escape
  xvfb_wait_gone "$(title_of frmaddizioni)" 10 || fail "Esc did not close the addition screen"
  menu=$(wait_window "$(title_of frminizio)") || fail "the start menu did not come back"
  xdotool windowfocus "$menu"
  xdotool key Escape
  xvfb_wait_ended "$app" 10 || fail "abacolo.exe did not end on \"&Esci\""
  wait "$app" || fail "abacolo.exe ended with status $?"
  echo "abacolo.exe: start menu, an addition checked wrong, back, ended on \"&Esci\""

  # The teacher's choice, its title as the program gives it.
  chosen=$(timeout 120 wine "$RENDERER" --title '?entro=99&cambio=no' 2>/dev/null | tr -d '\r')
  [ -n "$chosen" ] || fail "the screen renderer gave no title for the teacher's choice"
  start --entro 99 --senza-cambio
  menu=$(wait_window "$chosen") || fail "abacolo.exe --entro 99 --senza-cambio showed no \"$chosen\""
  photograph wine-start-menu-entro-99-senza-cambio.png
  xdotool windowfocus "$menu"
  xdotool key Escape
  xvfb_wait_ended "$app" 10 || fail "abacolo.exe did not end on \"&Esci\""
  app=""
  echo "abacolo.exe --entro 99 --senza-cambio: \"$chosen\""
  refused_status=0
  refusal=$(cd "$(dirname "$EXE")" && timeout 60 wine abacolo.exe --entro 98 2>&1 >/dev/null | tr -d '\r') ||
    refused_status=$?
  echo "abacolo.exe --entro 98: status $refused_status, \"$refusal\""
  [ "$refused_status" -eq 2 ] && grep -q '«98».*99, 999 e 9999' <<<"$refusal" ||
    fail "abacolo.exe --entro 98 was not refused with status 2 and one line"
  ;;
fullscreen)
  names_load "$RENDERER" 1920x1080 timeout 120 wine
  grep -q '^frmaddizioni pad7 ' "$NAMES_FILE" || fail "the screen renderer placed no digit pad"
  start
  fullscreen_tour "$PROOF/fullscreen-1920x1080" "$app" || fail "the full-screen tour failed under Wine"
  wait "$app" || fail "abacolo.exe ended with status $? after the full-screen tour"
  ;;
screens)
  for scale in 1 2; do
    folder="$PROOF/screens-${scale}x"
    mkdir -p "$folder"
    timeout 300 wine "$RENDERER" --scale="$scale" "$(winepath -w "$folder")" "$(winepath -w "$folder/fonts.txt")" \
      >/dev/null 2>&1 || fail "the screen renderer failed at ${scale}x"
    width=$(identify -format '%w' "$folder/start-menu.png")
    [ "$width" -eq $((441 * scale)) ] || fail "the start menu at ${scale}x is $width pixels wide, not $((441 * scale))"
    echo "${scale}x: $(ls "$folder"/*.png | wc -l) screens in $folder"
  done
  cat "$PROOF/screens-1x/fonts.txt"
  # Wine has neither "Comic Sans MS" nor the toolkit's default face: the faces compiled in serve.
  ! grep '^"Comic Sans MS"' "$PROOF/screens-1x/fonts.txt" | grep -v -- '-> Comic Neue (' ||
    fail "Comic Neue does not stand in for \"Comic Sans MS\" under Wine"
  ! grep -E -- '-> (C059|.*Serif [^(]|.*Roman)' "$PROOF/screens-1x/fonts.txt" ||
    fail "a serif face serves a font under Wine"
  ;;
installer)
  setup="$BUILD_DIR/abacolo-$VERSION-setup.exe"
  [ -f "$setup" ] || fail "no $setup: CPack packs it (cpack --preset windows)"
  drive_c="$WINEPREFIX/drive_c"
  timeout 120 wine "$setup" /S >/dev/null 2>&1 || fail "the installer failed"
  timeout 60 wineserver --wait || true
  installed="$drive_c/Program Files/Abacolo"
  menu="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Abacolo"
  for file in "$installed/abacolo.exe" "$installed/LEGGIMI.txt" "$installed/licenze/GPL-3.0.txt" \
    "$installed/uninstall.exe" "$menu/Abacolo.lnk"; do
    [ -e "$file" ] || fail "missing after the installation: $file"
  done
  # As the installer packed it (each of CPack's packages strips its own copy, with its own time stamp).
  cmp -s "$installed/abacolo.exe" "$BUILD_DIR/_CPack_Packages/win64/NSIS/abacolo-$VERSION-setup/abacolo.exe" ||
    fail "the installed abacolo.exe differs from the installer's"
  echo "installed: $installed; the Start menu's folder ${menu#"$drive_c/"}:"
  # Each shortcut of the teacher's choices as the build names them, and its options as the shortcut
  # holds them.
  sed -n 's/^ *CreateShortcut "$SMPROGRAMS\\${NAME}\\\(.*\)\.lnk" "[^"]*"\( "\(.*\)"\)\?$/\1|\3/p' \
    "$BUILD_DIR/_CPack_Packages/win64/NSIS/project.nsi" | sed 's/${NAME}/Abacolo/g' >"$PROOF/shortcuts-expected.txt"
  [ "$(wc -l <"$PROOF/shortcuts-expected.txt")" -gt 1 ] || fail "the installer names no shortcuts of the teacher's choices"
  while IFS='|' read -r name options; do
    [ -e "$menu/$name.lnk" ] || fail "the Start menu lacks \"$name\""
    held=$(lnkinfo "$menu/$name.lnk" | sed -n 's/^\s*Command line arguments\s*: //p')
    [ "$held" = "$options" ] || fail "the shortcut \"$name\" passes \"$held\", not \"$options\""
    printf '  %s.lnk -> abacolo.exe %s\n' "$name" "$held"
  done <"$PROOF/shortcuts-expected.txt" | tee "$PROOF/shortcuts.txt"
  timeout 120 wine "$installed/uninstall.exe" /S >/dev/null 2>&1 || fail "the uninstaller failed"
  timeout 60 wineserver --wait || true
  xvfb_wait_until 10 test ! -e "$installed/abacolo.exe" || fail "the uninstaller left the program behind"
  [ ! -e "$menu" ] || fail "the uninstaller left the Start menu's folder behind"
  echo "uninstalled: program and Start menu folder removed"
  # The installer's first page, the licence; Esc is "Annulla": it ends without installing. Its title
  # goes on with the version: the window is found by its beginning.
  (cd "$BUILD_DIR" && exec wine "$setup") >/dev/null 2>&1 &
  app=$!
  shown() { window=$(xdotool search --onlyvisible --name '^Installazione di Abacolo' | head -n 1) && [ -n "$window" ]; }
  xvfb_wait_until 30 shown || fail "the installer did not show its first page"
  shown
  tour_photograph "$PROOF/installer-licence.png" "$window"
  xdotool windowfocus "$window"
  xdotool key Escape
  xvfb_wait_ended "$app" 10 || fail "the installer did not end on \"Annulla\""
  ;;
*) fail "no step $STEP" ;;
esac
