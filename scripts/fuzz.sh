#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer (address and undefined
# behaviour sanitizers on) and runs each for SECONDS (default 60), starting
# from the seed corpus kept beside the targets. Prints executions per target;
# fails when a target finds a crash or a broken property.
# Usage: scripts/fuzz.sh [SECONDS]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
build=${FUZZ_BUILD_DIR:-$here/build-fuzz}
CXX=clang++ CC=clang cmake -S "$here" -B "$build" -DFUZZING=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
targets=(fuzz_convert_radix fuzz_text fuzz_display fuzz_gbk)
cmake --build "$build" -j "$(nproc)" --target "${targets[@]}" > /dev/null
mkdir -p "$build/fuzz-artifacts"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in "${targets[@]}"; do
  mkdir -p "$work/$target"
  log="$work/$target.log"
  if ! (cd "$work" && "$build/tests/fuzz/$target" -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$build/fuzz-artifacts/" \
        "$work/$target" "$here/tests/fuzz/corpus/$target" > "$log" 2>&1); then
    tail -n 40 "$log"
    echo "$target: FAILED; the input is kept in $build/fuzz-artifacts/: replay it with $build/tests/fuzz/$target FILE"
    exit 1
  fi
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$')
  echo "$target: $runs executions in $seconds s, no fault"
done
