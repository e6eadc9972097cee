# SPDX-License-Identifier: GPL-3.0-or-later
# What every script shares, sourced first (it also sets -euo pipefail):
#   . "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
#   ROOT, BUILD_DIR    the repository's root; the build folder (ABACOLO_BUILD_DIR, default build/)
#   fail MESSAGE       prints "scripts/NAME: MESSAGE" and ends the script with status 1
#   SUDO               empty as root, "sudo" otherwise; run_as_root VARS ARGS... runs the script again
#                      through sudo unless it is root, keeping the environment variables VARS (a,b,c)
#   on_ci, WERROR      true on CI (CI=true); the configure options making every warning an error, and
#                      every missing tool of a test, there
# shellcheck disable=SC2034 # the variables are for the scripts that source this file
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
BUILD_DIR="${ABACOLO_BUILD_DIR:-$ROOT/build}"

fail() {
  echo "$(realpath --relative-to="$ROOT" "$0" 2>/dev/null || basename "$0"): $*" >&2
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
if on_ci; then WERROR=(-DABACOLO_WERROR=ON -DABACOLO_REQUIRE_TOOLS=ON); fi
