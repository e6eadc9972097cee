# SPDX-License-Identifier: GPL-3.0-or-later
# What every script shares, sourced first (it also sets -euo pipefail):
#   . "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
#   ROOT, BUILD_DIR    the repository's root; the build folder (ABACOLO_BUILD_DIR, default build/)
#   fail MESSAGE       prints "scripts/NAME: MESSAGE" and ends the script with status 1
#   SUDO               empty as root, "sudo" otherwise; run_as_root VARS ARGS... runs the script again
#                      through sudo unless it is root, keeping the environment variables VARS (a,b,c)
#   on_ci, WERROR      true on CI (CI=true); the configure option making every warning an error there
#   start_menu_title   prints the start menu's title, read from the program's source
# shellcheck disable=SC2034 # the variables are for the scripts that source this file
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
BUILD_DIR="${ABACOLO_BUILD_DIR:-$ROOT/build}"

fail() {
  echo "scripts/$(basename "$0"): $*" >&2
  exit 1
}

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
run_as_root() {
  local keep=$1
  shift
  [ -z "$SUDO" ] || exec sudo --preserve-env="$keep" "$0" "$@"
}

on_ci() { [ "${CI:-}" = true ]; }
WERROR=()
if on_ci; then WERROR=(-DABACOLO_WERROR=ON); fi

# The first text of the start menu's form description: the one place the title is written.
start_menu_title() {
  local title
  title=$(sed -n 's/.*FormSpec form{"\([^"]*\)".*/\1/p' "$ROOT/app/startmenu.cpp" 2>/dev/null | head -n 1)
  [ -n "$title" ] || fail "the start menu's title is not in $ROOT/app/startmenu.cpp"
  echo "$title"
}
