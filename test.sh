#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
"$here/scripts/ensure-packages.sh"
"$here/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
cd "${BUILD_DIR:-$here/build}"
ctest --output-on-failure -j "$(nproc)"
