#!/usr/bin/env bash
# Shows radixconv under Xvfb with a number typed in and saves the window as
# docs/radixconv.png. Builds first unless BUILD_DIR already holds the program.
# Usage: scripts/screenshot-radixconv.sh [NUMBER]   (93 by default)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${BUILD_DIR:-$root/build}
number=${1:-93}
program="$build_dir/radixconv/radixconv"
[[ -x "$program" ]] || BUILD_DIR="$build_dir" "$root/scripts/build.sh"

source "$root/tests/smoke/xsession.sh"
xs_start_server
xs_launch "$program"
wid=$(xs_wait_window "请输入十进制数")
xs_focus "$wid"
xs_type "$number"
xs_screenshot "$wid" "$root/docs/radixconv.png"
xs_key Escape
xs_wait_exit 10
echo "saved $root/docs/radixconv.png"
