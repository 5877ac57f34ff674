#!/usr/bin/env bash
# Usage: ./test.sh [--quick]
# Installs what is missing, builds, and runs every test headless: first the
# normal build, then the same suite built with AddressSanitizer and
# UndefinedBehaviorSanitizer, leak checks on, where any report fails a test.
# --quick leaves out the sanitizer pass.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
quick=false
[[ "${1:-}" == "--quick" ]] && quick=true

"$here/scripts/ensure-packages.sh"
export QT_QPA_PLATFORM=offscreen

status=0
"$here/scripts/build.sh"
(cd "$here/build" && ctest --output-on-failure -j "$(nproc)") || status=1

if ! $quick; then
  echo
  echo "== The same suite with AddressSanitizer, UndefinedBehaviorSanitizer and leak checks"
  BUILD_DIR="$here/build-sanitize" "$here/scripts/build.sh" -DSANITIZE=ON
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  export LSAN_OPTIONS=suppressions=$here/tests/lsan.supp:print_suppressions=0
  # The fuzz run builds its own sanitized tree, and the package is built
  # from the normal one: neither needs running twice.
  (cd "$here/build-sanitize" && ctest --output-on-failure -j "$(nproc)" -E '^(fuzz_short_runs|package_install_and_deb)$') || status=1
fi
exit "$status"
