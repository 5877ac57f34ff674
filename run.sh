#!/usr/bin/env bash
# Usage: ./run.sh [seg7demo|baudfind|radixconv]
# Installs what is missing, builds, and starts the program (seg7demo by default).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=${1:-seg7demo}
case "$program" in
  seg7demo|baudfind|radixconv) ;;
  *) echo "usage: $0 [seg7demo|baudfind|radixconv]" >&2; exit 2 ;;
esac
"$here/scripts/ensure-packages.sh"
"$here/scripts/build.sh"
binary="${BUILD_DIR:-$here/build}/$program/$program"
if [[ ! -x "$binary" ]]; then
  echo "$program is not built yet: the build has no such program." >&2
  exit 1
fi
exec "$binary"
