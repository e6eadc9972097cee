# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by scripts/web: makes the page and the downloads from the program scripts/lib/web-build.sh
# built. Each function reads WEB_BUILD (the build folder), PROJECT_VERSION (the project's), QT_VERSION
# and QT_PACKAGE (the Qt for WebAssembly's version and Debian source package) and DOCS_ROOT (where the
# licence texts of what was compiled in are read: the Debian 13 tree the program was built in, or
# nothing on Debian 13 itself).
#   web_dist DIST          the page, the program, icons, manifest, service worker, licences, compressed copies
#   web_single DIST FILE   the whole program in one HTML file
#   web_zip ZIP DIST FILE LEGGIMI   the download: the site folder, the single file and the teacher's page
#                          that links it, licences, LEGGIMI.txt
# shellcheck shell=bash

# The files of the page that the service worker keeps: what the page loads to start, and the teacher's
# page beside it.
WEB_KEPT=(index.html qtloader.js abacolo.js abacolo.wasm manifest.webmanifest insegnanti.html
  icons/abacolo-48.png icons/abacolo-192.png icons/abacolo-512.png)
# The page, its manifest and the teacher's pages, as CMake wrote the version and the choices into them.
WEB_PAGES="$WEB_BUILD/resources/web"
# Icon sizes: the page's own and the two a home screen asks of the manifest.
WEB_ICON_SIZES=(48 192 512)
# Licence texts: the file name in licenze/ and where it is read.
web_licences() {
  cat <<EOF2
GPL-3.0.txt	$ROOT/LICENSE
Comic-Neue-OFL.txt	$DOCS_ROOT/usr/share/doc/fonts-comic-neue/copyright
Liberation-Sans-OFL.txt	$DOCS_ROOT/usr/share/doc/fonts-liberation/copyright
Qt-$QT_VERSION.txt	$DOCS_ROOT/usr/share/doc/libqt6core6t64/copyright
Emscripten.txt	$DOCS_ROOT/usr/share/doc/emscripten/copyright
musl.txt	$DOCS_ROOT/usr/share/emscripten/system/lib/libc/musl/COPYRIGHT
Apache-2.0.txt	$DOCS_ROOT/usr/share/common-licenses/Apache-2.0
EOF2
}

# The version, Qt's version and its Debian source package written into a template.
web_fill() {
  sed -e "s/@PROJECT_VERSION@/$PROJECT_VERSION/g" -e "s/@QT_VERSION@/$QT_VERSION/g" -e "s/@QT_PACKAGE@/$QT_PACKAGE/g" "$1"
}

web_dist() {
  local dist=$1 file size
  rm -rf "$dist"
  mkdir -p "$dist/icons" "$dist/licenze"
  web_fill "$WEB_PAGES/index.html" >"$dist/index.html"
  cp "$WEB_BUILD/abacolo.js" "$WEB_BUILD/abacolo.wasm" "$WEB_BUILD/qtloader.js" \
    "$WEB_PAGES/manifest.webmanifest" "$WEB_PAGES/insegnanti.html" "$dist/"
  # The lizard, rendered from its drawing at each size, as the icon theme's PNGs are.
  for size in "${WEB_ICON_SIZES[@]}"; do
    rsvg-convert -w "$size" -h "$size" "$ROOT/resources/icons/abacolo.svg" -o "$dist/icons/abacolo-$size.png"
  done
  # The licences, and a page that lists them (a server need not list a folder).
  local items=""
  while IFS=$'\t' read -r file origin; do
    [ -s "$origin" ] || fail "no licence text at $origin"
    cp "$origin" "$dist/licenze/$file"
    items+="    <li><a href=\"$file\">$file</a></li>"$'\n'
  done < <(web_licences)
  cat >"$dist/licenze/index.html" <<EOF2
<!doctype html>
<html lang="it">
<head><meta charset="utf-8"><title>Abacolo $PROJECT_VERSION: licenze</title></head>
<body>
  <h1>Abacolo $PROJECT_VERSION: licenze</h1>
  <p>Abacolo è software libero, distribuito con la GNU General Public License versione 3 o successiva.
     Nel browser contiene i caratteri Comic Neue e Abacolo Sans (Liberation Sans ridotto alle lettere
     che il programma mostra, con un nome suo come chiede la licenza), le librerie Qt $QT_VERSION e le
     librerie C e C++ di Emscripten.</p>
  <ul>
$items  </ul>
  <p><a href="../">Torna ad Abacolo</a></p>
</body>
</html>
EOF2
  # The service worker: its cache is named by the version and by a digest of the kept files, so that a
  # page rebuilt under the same version still replaces what browsers keep.
  local digest kept
  digest=$(cd "$dist" && cat "${WEB_KEPT[@]}" | sha256sum | cut -c1-12)
  kept="'./'"
  for file in "${WEB_KEPT[@]}"; do kept+=", '$file'"; done
  web_fill "$ROOT/resources/web/sw.js" |
    sed -e "s/@CACHE_VERSION@/$PROJECT_VERSION-$digest/" -e "s|@CACHE_FILES@|$kept|" >"$dist/sw.js"
  # Compressed copies of what is large enough to gain from them.
  for file in index.html sw.js abacolo.js abacolo.wasm qtloader.js manifest.webmanifest insegnanti.html; do
    gzip -9 -n -k "$dist/$file"
    brotli -q 11 -k "$dist/$file"
  done
  for file in abacolo.wasm abacolo.js qtloader.js index.html; do
    size=$(stat -c %s "$dist/$file")
    printf '   %-13s %9d bytes, %9d with gzip, %9d with brotli\n' "$file" "$size" \
      "$(stat -c %s "$dist/$file.gz")" "$(stat -c %s "$dist/$file.br")"
  done
}

web_single() {
  python3 "$ROOT/scripts/lib/web-single.py" "$1" "$2"
}

web_zip() {
  local zip=$1 dist=$2 single=$3 leggimi=$4 stage
  stage="$WEB_BUILD/zip"
  rm -rf "$stage" "$zip"
  mkdir -p "$stage"
  # LEGGIMI.txt as Windows' Notepad reads it best: UTF-8 with a byte order mark and CRLF line ends.
  { printf '\xef\xbb\xbf'; sed 's/$/\r/' "$leggimi"; } >"$stage/LEGGIMI.txt"
  cp "$single" "$stage/"
  cp "$WEB_PAGES/insegnanti-file.html" "$stage/insegnanti.html"
  cp -r "$dist" "$stage/sito"
  cp -r "$dist/licenze" "$stage/licenze"
  (cd "$stage" && zip -q -X -r "$zip" LEGGIMI.txt "$(basename "$single")" insegnanti.html licenze sito)
}
