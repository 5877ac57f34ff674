#!/usr/bin/env bash
# Builds the benchmarks and prints their figures.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
BUILD_TYPE=Release BUILD_DIR=${BUILD_DIR:-$here/build-bench} "$here/scripts/build.sh" > /dev/null
build=${BUILD_DIR:-$here/build-bench}
for bench in "$build"/bench/*_bench; do
  [[ -x "$bench" ]] || continue
  echo "== $(basename "$bench")"
  QT_QPA_PLATFORM=offscreen "$bench" --benchmark_min_time=0.2
done
