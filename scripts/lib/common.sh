# SPDX-License-Identifier: GPL-3.0-or-later
# What the scripts share; each sources it first, which also turns on the strict mode (set -euo pipefail):
#   . "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
#   ROOT               the repository's root
#   BUILD_DIR          the build folder: ABACOLO_BUILD_DIR, or build/ at the root
#   fail MESSAGE       prints "scripts/NAME: MESSAGE" and ends the script with status 1
#   SUDO               empty as root, "sudo" otherwise: $SUDO COMMAND runs COMMAND as root
#   run_as_root VARS ARGS...  runs the script again through sudo unless it is root already, keeping the
#                      environment variables named in VARS (comma-separated); ARGS are the script's own
#   on_ci              succeeds on CI (CI=true)
#   WERROR             the configure option that turns every warning into an error on CI, none elsewhere
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

# The title is the first text of the start menu's form description; the screens' own code is the one
# place it is written.
start_menu_title() {
  local source="$ROOT/app/startmenu.cpp" title
  title=$(sed -n 's/.*FormSpec form{"\([^"]*\)".*/\1/p' "$source" 2>/dev/null | head -n 1)
  [ -n "$title" ] || fail "the start menu's title is not in $source"
  echo "$title"
}
