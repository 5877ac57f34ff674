#!/usr/bin/env bash
# Shows baudfind on a private X server, lists the table with one click on the
# button and saves the window as docs/baudfind.png.
# Usage: scripts/screenshot-baudfind.sh [PATH-TO-BAUDFIND]
here=$(cd "$(dirname "$0")/.." && pwd)
source "$here/tests/smoke/xsession.sh"

binary=${1:-${BUILD_DIR:-$here/build}/baudfind/baudfind}
[[ -x "$binary" ]] || xs_fail "no program at $binary: build it first"
output="$here/docs/baudfind.png"

xs_start_server
xs_launch "$binary"
wid=$(xs_wait_window "寻找波特率")
xs_focus "$wid"
# The centre of 按钮1 (352, 8, 104 x 24).
xs_click "$wid" 404 20
xs_wait_title "$wid" "正在定时器值为0上查找，已完成任务的100%。" 20
sleep 0.5  # let the output box repaint at its end
xs_screenshot "$wid" "$output"
xs_key Escape
xs_wait_exit 10
echo "saved $output"
