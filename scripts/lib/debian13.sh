# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian tree the scripts need besides this machine: a release debootstrapped once from the archive
# this machine's apt already reads and kept as a bare tarball in ~/.cache/abacolo/, unpacked into a
# folder and entered with chroot. scripts/check-release unpacks it afresh for every run; on Debian 12
# the browser's build runs in a Debian 13 tree kept between runs, with the repository and the cache
# mounted at the same paths (Debian 12's emscripten and Qt tools are too old for Qt for WebAssembly).
#   tree_unpack RELEASE DIR          a fresh tree of RELEASE (bookworm or trixie) in DIR
#   tree_enter DIR [FOLDER...]       mounts what a chroot needs, and FOLDER... at the same paths
#   tree_leave                       ends what still runs inside and unmounts, innermost first
#   tree_run DIR COMMAND...          COMMAND as root in the tree, in a clean environment
#   on_debian13 COMMAND...           COMMAND on Debian 13: here, or in the kept tree (root: sudo)
# shellcheck shell=bash

# The presets look for the Qt builds there too.
TREE_CACHE="$HOME/.cache/abacolo"
TREE_MOUNTED=()

# The archives this machine reads (its own release's suites) with RELEASE's name in place of its own:
# "bookworm", "bookworm-updates", "bookworm-security" become RELEASE's. "URI SUITE COMPONENTS" a line.
_tree_repos() {
  local host
  host=$(. /etc/os-release && echo "$VERSION_CODENAME")
  # shellcheck disable=SC2016 # apt's own placeholders
  apt-get indextargets --format '$(REPO_URI) $(RELEASE) $(COMPONENT)' 'Created-By: Packages' |
    awk -v host="$host" -v release="$1" '$2 == host || index($2, host "-") == 1 { sub(host, release, $2); print }' |
    sort -u
}

tree_unpack() {
  local release=$1 tree=$2 repos mirror base="$TREE_CACHE/debian-$1-base.tar.zst"
  "$ROOT/scripts/ensure-packages" debootstrap debian-archive-keyring zstd
  repos=$(_tree_repos "$release")
  mirror=$(awk -v release="$release" '$2 == release { print $1; exit }' <<<"$repos")
  [ -n "$mirror" ] || fail "no Debian archive in this machine's apt sources"
  mkdir -p "$TREE_CACHE" "$TREE_CACHE/debian-$release-debs"
  if [ ! -s "$base" ]; then
    echo "== debootstrap $release (minbase, git, sudo, ca-certificates) from $mirror"
    local fresh
    fresh=$(mktemp -d /var/tmp/abacolo-base.XXXXXX)
    if ! debootstrap --variant=minbase --include=git,sudo,ca-certificates \
      --keyring=/usr/share/keyrings/debian-archive-keyring.gpg \
      "$release" "$fresh" "$mirror" >"$TREE_CACHE/debootstrap-$release.log" 2>&1; then
      tail -n 20 "$TREE_CACHE/debootstrap-$release.log" >&2
      rm -rf --one-file-system "$fresh"
      return 1
    fi
    rm -f "$fresh"/var/cache/apt/archives/*.deb
    tar -C "$fresh" --zstd -cf "$base.part" . && mv "$base.part" "$base"
    rm -rf --one-file-system "$fresh"
  fi
  rm -rf --one-file-system "$tree"
  mkdir -p "$tree"
  tar -C "$tree" --zstd -xf "$base"
  chmod 755 "$tree"
  while read -r uri suite components; do
    echo "deb $uri $suite $components"
  done <<<"$repos" >"$tree/etc/apt/sources.list"
  # Services that packages bring along are not started in the tree.
  printf '#!/bin/sh\nexit 101\n' >"$tree/usr/sbin/policy-rc.d"
  chmod 755 "$tree/usr/sbin/policy-rc.d"
  echo "$release" >"$tree/.abacolo-release"
}

tree_enter() {
  local tree=$1 stale folder
  shift
  # Mounts a stopped run left behind go first.
  while read -r stale; do
    umount -l "$stale" 2>/dev/null || true
  done < <(awk -v tree="$tree" 'index($2, tree "/") == 1 { print $2 }' /proc/mounts | sort -r)
  TREE_DIR=$tree
  _tree_mount() { # _tree_mount WHERE MOUNT-ARGS...
    mkdir -p "$tree/$1"
    mount "${@:2}" "$tree/$1"
    TREE_MOUNTED+=("$tree/$1")
  }
  cp /etc/resolv.conf "$tree/etc/resolv.conf"
  _tree_mount proc -t proc proc
  _tree_mount sys -t sysfs sysfs
  _tree_mount dev --bind /dev
  _tree_mount dev/pts -t devpts -o newinstance,ptmxmode=0666 devpts
  _tree_mount dev/shm -t tmpfs tmpfs
  _tree_mount var/cache/apt/archives --bind "$TREE_CACHE/debian-$(cat "$tree/.abacolo-release")-debs"
  for folder in "$@"; do
    _tree_mount "$folder" --bind "$folder"
  done
}

tree_leave() {
  local process i
  for process in /proc/[0-9]*; do
    [ "$(readlink "$process/root" 2>/dev/null)" != "${TREE_DIR:-}" ] || kill -9 "${process#/proc/}" 2>/dev/null || true
  done
  for ((i = ${#TREE_MOUNTED[@]} - 1; i >= 0; i--)); do umount -l "${TREE_MOUNTED[$i]}" 2>/dev/null || true; done
  TREE_MOUNTED=()
}

tree_run() {
  local tree=$1
  shift
  chroot "$tree" /usr/bin/env -i HOME="${TREE_HOME:-$HOME}" LANG=C.UTF-8 TERM="${TERM:-dumb}" \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@"
}

on_debian13() {
  if [ "$(. /etc/os-release && echo "${VERSION_CODENAME:-}")" = trixie ]; then
    "$@"
    return
  fi
  if [ "$(id -u)" -ne 0 ]; then
    # shellcheck disable=SC2016 # expanded by the shell sudo starts
    sudo --preserve-env=HOME bash -c '. "$0/scripts/lib/common.sh"; . "$0/scripts/lib/debian13.sh"; on_debian13 "$@"' "$ROOT" "$@"
    return
  fi
  local tree="$TREE_CACHE/debian-trixie-web" status=0
  # A tree made before this file named its release has only its mark of completeness.
  [ ! -f "$tree/.abacolo-tree-complete" ] || [ -f "$tree/.abacolo-release" ] || echo trixie >"$tree/.abacolo-release"
  [ -f "$tree/.abacolo-release" ] || tree_unpack trixie "$tree"
  # One run at a time in the kept tree: a second one waits.
  exec {TREE_LOCK}>"$tree.lock"
  flock "$TREE_LOCK"
  # A work tree of git (git worktree) keeps its history elsewhere: that is mounted too.
  local history
  history=$(git -C "$ROOT" rev-parse --path-format=absolute --git-common-dir 2>/dev/null) || history=""
  case "$history" in "$ROOT"/* | "") history="" ;; esac
  tree_enter "$tree" "$TREE_CACHE" "$ROOT" ${history:+"$history"}
  trap tree_leave EXIT
  tree_run "$tree" bash -c 'cd "$0" && "$@"' "$ROOT" "$@" || status=$?
  tree_leave
  trap - EXIT
  exec {TREE_LOCK}>&-
  return "$status"
}
