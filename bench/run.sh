#!/usr/bin/env bash
# Builds the benchmarks (Release), runs them all and prints one table: each
# figure beside its floor measured in the same run, the ratio and the goal.
# Figures are medians over repetitions (for start-up, the ratio is the
# median of the ratios within each program-and-floor pair); the raw Google
# Benchmark output of every program is kept in the folder named at the end.
#
#   bench/run.sh                 # builds into build-bench/ (or $BUILD_DIR)
#
# Start-up is measured under a private Xvfb server (tests/smoke/xsession.sh);
# everything else runs offscreen.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$here/build-bench}
jobs=${JOBS:-2}

benches=(convert_radix_bench baudfind_bench radixconv_bench seg7demo_bench toolkit_bench startup_bench)
echo "building the benchmarks in $build ..." >&2
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build "$build" -j "$jobs" --target "${benches[@]}" > /dev/null

out=$(mktemp -d "${TMPDIR:-/tmp}/bench.XXXXXX")
export XDG_RUNTIME_DIR=$out/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

# run NAME OUTPUT [ARGS...]: one benchmark program, its figures to OUTPUT.json.
run() {
  local name=$1 output=$2
  shift 2
  echo "running $name $* ..." >&2
  "$build/bench/$name" --benchmark_out="$out/$output.json" --benchmark_out_format=json "$@" \
    > "$out/$output.txt" 2>&1
}

medians=(--benchmark_repetitions=5 --benchmark_report_aggregates_only=true)
QT_QPA_PLATFORM=offscreen run convert_radix_bench convert_radix "${medians[@]}" --benchmark_min_time=0.1
QT_QPA_PLATFORM=offscreen run baudfind_bench baudfind "${medians[@]}" --benchmark_min_time=0.1
QT_QPA_PLATFORM=offscreen run radixconv_bench radixconv "${medians[@]}" --benchmark_min_time=0.1
QT_QPA_PLATFORM=offscreen run seg7demo_bench seg7demo_keys "${medians[@]}" --benchmark_min_time=0.1 \
  --benchmark_filter=KeyRelease
QT_QPA_PLATFORM=offscreen run seg7demo_bench seg7demo_scan --benchmark_filter=10ms
QT_QPA_PLATFORM=offscreen run toolkit_bench toolkit --benchmark_repetitions=3 \
  --benchmark_report_aggregates_only=true --benchmark_min_time=0.1
(
  # shellcheck source=../tests/smoke/xsession.sh
  source "$here/tests/smoke/xsession.sh"
  xs_start_server
  QT_QPA_PLATFORM=xcb run startup_bench startup
)

# figure FILE NAME FIELD: the median (or the single run) of the benchmark
# whose name starts with NAME; FIELD "time" is its real time in ms, any other
# field one of its counters.
figure() {
  jq -r --arg name "$2" --arg field "$3" '
    [.benchmarks[] | select(.name | startswith($name))]
    | (map(select(.aggregate_name == "median")) + map(select(.run_type == "iteration"))) | first
    | if $field == "time"
      then .real_time * ({"ns": 1e-6, "us": 1e-3, "ms": 1, "s": 1000}[.time_unit])
      else .[$field] end' "$out/$1.json"
}

# row TITLE MEASURED FLOOR UNIT SCALE GOAL-KIND GOAL [RATIO]: one line of the
# table. SCALE multiplies ms figures into UNIT. GOAL-KIND is "ratio" (ratio
# at most GOAL), "max" or "min" (the figure itself at most or at least GOAL)
# or "-". RATIO, when given, is shown and judged instead of MEASURED / FLOOR.
row() {
  awk -v title="$1" -v measured="$2" -v floor="$3" -v unit="$4" -v scale="$5" -v kind="$6" -v goal="$7" \
    -v givenRatio="${8:-}" 'BEGIN {
    m = measured * scale
    shown = sprintf(m < 10 ? "%.2f %s" : "%.1f %s", m, unit)
    if (floor == "-") { floorShown = "-"; ratioShown = "-" }
    else {
      f = floor * scale
      floorShown = sprintf(f < 10 ? "%.2f %s" : "%.1f %s", f, unit)
      ratio = givenRatio != "" ? givenRatio : measured / floor
      ratioShown = sprintf("%.2fx", ratio)
    }
    if (kind == "ratio") { goalShown = "<= " goal "x floor"; met = ratio <= goal }
    else if (kind == "max") { goalShown = "<= " goal " " unit; met = m <= goal }
    else if (kind == "min") { goalShown = ">= " goal " " unit; met = m >= goal }
    else { goalShown = "-"; met = -1 }
    verdict = met == -1 ? "" : met ? "met" : "MISSED"
    printf "| %-50s | %12s | %12s | %6s | %-17s | %-6s |\n", title, shown, floorShown, ratioShown, goalShown, verdict
  }'
}

echo
echo "Machine: $(nproc) cores, $(. /etc/os-release && echo "$PRETTY_NAME"), load average $(cut -d' ' -f1-3 /proc/loadavg)"
echo
printf "| %-50s | %12s | %12s | %6s | %-17s | %-6s |\n" figure measured floor ratio goal ""
echo "|----------------------------------------------------|--------------|--------------|--------|-------------------|--------|"
for program in seg7demo baudfind radixconv; do
  name="Startup/$program/"
  row "$program: start to first paint (Xvfb)" "$(figure startup "$name" time)" \
    "$(figure startup "$name" floor_ms)" ms 1 ratio 1.3 "$(figure startup "$name" time_ratio)"
  row "$program: peak resident memory" "$(figure startup "$name" peak_MiB)" \
    "$(figure startup "$name" floor_peak_MiB)" MiB 1 ratio 1.3 "$(figure startup "$name" memory_ratio)"
done
listing=$(figure baudfind BM_ListingClick time)
row "baudfind: listing click vs bare Qt loop" "$listing" "$(figure baudfind BM_BareQtListing time)" ms 1 ratio 1.0
row "baudfind: listing click vs its 256 lines" "$listing" "$(figure baudfind BM_TableLines/0 time)" ms 1 - -
row "radixconv: key release in 输入10" "$(figure radixconv BM_DecimalKeyRelease time)" - us 1000 max 200
row "seg7demo: key release in 段码" "$(figure seg7demo_keys BM_SegmentCodeKeyRelease time)" - us 1000 max 200
row "seg7demo: ticks in 10 s of scan at 10 ms" "$(figure seg7demo_scan BM_DynamicScanAt10ms ticks_percent)" \
  "$(figure seg7demo_scan BM_BareTimerAt10ms ticks_percent)" % 1 min 97
row "seg7demo: processor use of that scan" "$(figure seg7demo_scan BM_DynamicScanAt10ms cpu_percent)" \
  "$(figure seg7demo_scan BM_BareTimerAt10ms cpu_percent)" "% core" 1 max 10
for case in byte_10_to_16 port_code_16_to_2 byte_2_to_10 uint64_10_to_16 uint64_16_to_2; do
  row "ConvertRadix $case vs to_chars" "$(figure convert_radix "ConvertShort/$case" time)" \
    "$(figure convert_radix "ToCharsFloor/$case" time)" ns 1e6 ratio 3
done
for case in decimal_to_binary hex_to_decimal binary_to_decimal lower_case_hex_to_binary \
  invalid_last_digit invalid_first_digit; do
  row "ConvertRadix million: $case" "$(figure convert_radix "ConvertMillion/$case" time)" - ms 1 max 500
done
row "toolkit: 256 appends with captions" "$(figure toolkit BM_AppendTableWithCaption time)" - ms 1 - -
row "toolkit: paste 1,000,000 digits in a field" "$(figure toolkit BM_MillionCharacterField time)" - ms 1 - -
echo
echo "Raw figures: $out"
