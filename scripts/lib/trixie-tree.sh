# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the browser build's scripts (scripts/web-qt, scripts/web): a Debian 13 tree kept in
# ~/.cache/abacolo/ for a Debian 12 machine, whose own emscripten and Qt tools are too old for Qt for
# WebAssembly. The tree is debootstrapped, once, from the archive this machine's apt already reads
# (the bare tree is the same archive scripts/check-release unpacks); it is kept between runs with
# whatever was installed into it. The repository and the cache are mounted into it at the same paths,
# so a command sees the same files inside as outside.
#   trixie_tree_run COMMAND [ARG...]   runs COMMAND as root in the tree, then unmounts it again
# Needs root (the caller re-runs itself with sudo) and ROOT set to the repository's top folder.

# shellcheck shell=bash
TRIXIE_CACHE="${XDG_CACHE_HOME:-$HOME/.cache}/abacolo"
TRIXIE_TREE="$TRIXIE_CACHE/debian-trixie-web"
TRIXIE_BASE="$TRIXIE_CACHE/debian-trixie-base.tar.zst"
TRIXIE_DEBS="$TRIXIE_CACHE/debian-trixie-debs"

# The archives this machine reads (its own release's suites): "bookworm", "bookworm-updates" and
# "bookworm-security" become the same suites of trixie. One "URI SUITE COMPONENTS" line each.
trixie_repos() {
  local host
  host=$(. /etc/os-release && echo "$VERSION_CODENAME")
  # shellcheck disable=SC2016 # apt's own placeholders
  apt-get indextargets --format '$(REPO_URI) $(RELEASE) $(COMPONENT)' 'Created-By: Packages' |
    awk -v host="$host" '$2 == host || index($2, host "-") == 1 { sub(host, "trixie", $2); print }' | sort -u
}

trixie_tree_make() {
  [ -f "$TRIXIE_TREE/.abacolo-tree-complete" ] && return 0
  "$ROOT/scripts/ensure-packages" debootstrap debian-archive-keyring zstd
  local repos mirror
  repos=$(trixie_repos)
  mirror=$(awk '$2 == "trixie" { print $1; exit }' <<<"$repos")
  [ -n "$mirror" ] || { echo "no Debian archive in this machine's apt sources" >&2; return 1; }
  mkdir -p "$TRIXIE_CACHE" "$TRIXIE_DEBS"
  if [ ! -s "$TRIXIE_BASE" ]; then
    echo "== debootstrap trixie (minbase, git, sudo, ca-certificates) from $mirror"
    local fresh
    fresh=$(mktemp -d /var/tmp/abacolo-base.XXXXXX)
    if ! debootstrap --variant=minbase --include=git,sudo,ca-certificates \
      --keyring=/usr/share/keyrings/debian-archive-keyring.gpg \
      trixie "$fresh" "$mirror" >"$TRIXIE_CACHE/debootstrap-trixie.log" 2>&1; then
      tail -n 20 "$TRIXIE_CACHE/debootstrap-trixie.log" >&2
      rm -rf --one-file-system "$fresh"
      return 1
    fi
    rm -f "$fresh"/var/cache/apt/archives/*.deb
    tar -C "$fresh" --zstd -cf "$TRIXIE_BASE.part" . && mv "$TRIXIE_BASE.part" "$TRIXIE_BASE"
    rm -rf --one-file-system "$fresh"
  fi
  # A tree left half unpacked (nothing is mounted in it outside trixie_tree_run) is made anew.
  rm -rf --one-file-system "$TRIXIE_TREE"
  mkdir -p "$TRIXIE_TREE"
  tar -C "$TRIXIE_TREE" --zstd -xf "$TRIXIE_BASE"
  chmod 755 "$TRIXIE_TREE"
  while read -r uri suite components; do
    echo "deb $uri $suite $components"
  done <<<"$repos" >"$TRIXIE_TREE/etc/apt/sources.list"
  # Services that packages bring along are not started in the tree.
  printf '#!/bin/sh\nexit 101\n' >"$TRIXIE_TREE/usr/sbin/policy-rc.d"
  chmod 755 "$TRIXIE_TREE/usr/sbin/policy-rc.d"
  touch "$TRIXIE_TREE/.abacolo-tree-complete"
}

# Mounts of the tree, innermost last.
TRIXIE_MOUNTED=()
trixie_unmount() {
  # Whatever still runs inside the tree ends first, then the mounts go, innermost first.
  local proc i
  for proc in /proc/[0-9]*; do
    if [ "$(readlink "$proc/root" 2>/dev/null)" = "$TRIXIE_TREE" ]; then kill -9 "${proc#/proc/}" 2>/dev/null || true; fi
  done
  for ((i = ${#TRIXIE_MOUNTED[@]} - 1; i >= 0; i--)); do umount -l "${TRIXIE_MOUNTED[$i]}" 2>/dev/null || true; done
  TRIXIE_MOUNTED=()
}

trixie_tree_run() {
  trixie_tree_make || return 1
  local tree="$TRIXIE_TREE" status=0 stale
  # One run at a time in the tree (scripts/web-qt and scripts/web may meet): a second one waits.
  exec {TRIXIE_LOCK}>"$TRIXIE_TREE.lock"
  flock "$TRIXIE_LOCK"
  # Mounts a stopped run left behind go first.
  while read -r stale; do
    umount -l "$stale" 2>/dev/null || true
  done < <(awk -v tree="$tree" 'index($2, tree "/") == 1 { print $2 }' /proc/mounts | sort -r)
  trap trixie_unmount EXIT
  mount_in() { # mount_in WHERE MOUNT-ARGS...
    mkdir -p "$tree/$1"
    mount "${@:2}" "$tree/$1"
    TRIXIE_MOUNTED+=("$tree/$1")
  }
  cp /etc/resolv.conf "$tree/etc/resolv.conf"
  mount_in proc -t proc proc
  mount_in sys -t sysfs sysfs
  mount_in dev --bind /dev
  mount_in dev/pts -t devpts -o newinstance,ptmxmode=0666 devpts
  mount_in dev/shm -t tmpfs tmpfs
  mount_in var/cache/apt/archives --bind "$TRIXIE_DEBS"
  mount_in "$TRIXIE_CACHE" --bind "$TRIXIE_CACHE"
  mount_in "$ROOT" --bind "$ROOT"
  chroot "$tree" /usr/bin/env -i HOME="$HOME" LANG=C.UTF-8 TERM="${TERM:-dumb}" \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    XDG_CACHE_HOME="${XDG_CACHE_HOME:-}" ABACOLO_IN_TRIXIE_TREE=1 "$@" || status=$?
  trixie_unmount
  trap - EXIT
  exec {TRIXIE_LOCK}>&-
  return "$status"
}
