#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the source archive that goes beside the browser download (scripts/web), so that whoever puts
# Abacolo on a web site or passes it on can pass on its source too:
#   NAME/LEGGIMI.txt  the download's own LEGGIMI.txt, which says what the archive holds
#   NAME/abacolo/     every tracked file of this tree (git ls-files), as it is in the working tree
#   NAME/qt/          the Qt for WebAssembly linked into the program: Debian's source package as
#                     scripts/web-qt fetched and built it (.dsc, .orig.tar.xz, .debian.tar.xz)
# where NAME is the archive's file name without .tar.xz. Then it reads the archive back and fails with
# a message unless it holds each of those files, identical to the original.
#   scripts/lib/web-sources.sh ARCHIVE.tar.xz QT-PREFIX LEGGIMI.txt
. "$(dirname "${BASH_SOURCE[0]}")/common.sh"
[ $# -eq 3 ] || { echo "usage: scripts/lib/web-sources.sh ARCHIVE.tar.xz QT-PREFIX LEGGIMI.txt" >&2; exit 2; }
ARCHIVE="$(realpath -m "$1")"
QT="$2"
LEGGIMI="$3"
NAME="$(basename "$ARCHIVE" .tar.xz)"

git -C "$ROOT" rev-parse --is-inside-work-tree >/dev/null 2>&1 ||
  fail "$ROOT is not a git checkout: the archive holds the files git tracks (git init && git add -A)"

# The Qt that was built names the source package version it came from.
[ -f "$QT/abacolo-qt-complete" ] || fail "no complete Qt for WebAssembly in $QT"
qt_version=$(awk '{print $2; exit}' "$QT/abacolo-qt-complete")
dsc=$(ls "$QT-source"/*_"$qt_version".dsc 2>/dev/null) ||
  fail "the source package of the Qt that was built ($qt_version) is not in $QT-source (scripts/web-qt fetches it)"
qt_files=("$dsc")
while read -r file; do
  qt_files+=("$QT-source/$file")
done < <(sed -n '/^Files:/,/^[^ ]/s/^ [0-9a-f]\{32\} [0-9]\+ \(.*\)$/\1/p' "$dsc")
[ ${#qt_files[@]} -ge 3 ] || fail "$dsc lists no files"

# Every file as "origin<TAB>path in the archive".
manifest=$(mktemp)
check=$(mktemp -d)
trap 'rm -rf "$manifest" "$check"' EXIT
{
  printf '%s\t%s\n' "$LEGGIMI" "$NAME/LEGGIMI.txt"
  git -C "$ROOT" ls-files | while IFS= read -r file; do
    printf '%s\t%s\n' "$ROOT/$file" "$NAME/abacolo/$file"
  done
  for file in "${qt_files[@]}"; do
    printf '%s\t%s\n' "$file" "$NAME/qt/$(basename "$file")"
  done
} >"$manifest"
untracked=$(git -C "$ROOT" ls-files --others --exclude-standard | head -n 5)
[ -z "$untracked" ] || echo "scripts/lib/web-sources.sh: note: files git does not track stay out: $untracked" >&2

# Staged as links or copies, so that the archive's names, order, owners and times do not depend on this machine.
stage="$check/stage"
while IFS=$'\t' read -r origin path; do
  [ -f "$origin" ] || fail "missing: $origin"
  mkdir -p "$stage/$(dirname "$path")"
  ln -f "$origin" "$stage/$path" 2>/dev/null || cp -p "$origin" "$stage/$path"
done <"$manifest"
mtime=$(git -C "$ROOT" log -1 --format=%cI)
mkdir -p "$(dirname "$ARCHIVE")"
rm -f "$ARCHIVE"
XZ_OPT="-0 -T2" tar -C "$stage" --sort=name --owner=0 --group=0 --numeric-owner --mtime="$mtime" --hard-dereference \
  -cJf "$ARCHIVE" "$NAME"
rm -rf "$stage"

# Read back: each file in its place, byte for byte; the Qt package as its .dsc describes it.
mkdir "$check/read"
tar -C "$check/read" -xJf "$ARCHIVE" || fail "$ARCHIVE cannot be read"
missing=0
while IFS=$'\t' read -r origin path; do
  if ! cmp -s "$origin" "$check/read/$path"; then
    echo "scripts/lib/web-sources.sh: not in the archive as built: $path" >&2
    missing=$((missing + 1))
  fi
done <"$manifest"
[ "$missing" -eq 0 ] || fail "$ARCHIVE lacks $missing of the files it must hold"
sums=$(sed -n '/^Checksums-Sha256:/,/^[^ ]/s/^ \([0-9a-f]\{64\}\) [0-9]\+ \(.*\)$/\1  \2/p' "$dsc")
(cd "$check/read/$NAME/qt" && sha256sum --quiet --strict -c - <<<"$sums") ||
  fail "the Qt source package in $ARCHIVE does not match its .dsc"
echo "$ARCHIVE: $(wc -l <"$manifest") files ($(git -C "$ROOT" ls-files | wc -l) tracked, Qt $qt_version:" \
  "${#qt_files[@]} source package files), $(du -h "$ARCHIVE" | cut -f1)"
