#!/usr/bin/env bash
# Configures and builds into build/ (or $BUILD_DIR); further arguments go to
# the CMake configure step. Under CI warnings are errors.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${BUILD_DIR:-$here/build}
werror=OFF
[[ -n "${CI:-}" ]] && werror=ON
cmake -S "$here" -B "$build_dir" -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" \
  -DWARNINGS_AS_ERRORS="${WARNINGS_AS_ERRORS:-$werror}" "$@" > /dev/null
cmake --build "$build_dir" -j "$(nproc)"
