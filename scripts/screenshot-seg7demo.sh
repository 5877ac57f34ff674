#!/usr/bin/env bash
# Runs seg7demo on a private X server, puts "A2" on P0 and "0F" on P2 so all
# four digits show 3, and saves the window as docs/seg7demo.png.
# Usage: scripts/screenshot-seg7demo.sh   (BUILD_DIR picks the build, default build/)
here=$(cd "$(dirname "$0")/.." && pwd)
binary="${BUILD_DIR:-$here/build}/seg7demo/seg7demo"
source "$here/tests/smoke/xsession.sh"
[[ -x "$binary" ]] || xs_fail "no seg7demo at $binary: build it first"

xs_start_server
xs_launch "$binary"
wid=$(xs_wait_window "Velbrisk-数码管显示驱动演示")
xs_focus "$wid"
xs_key ctrl+a
xs_type A2
xs_key Tab
xs_key ctrl+a
xs_type 0F
# Park the pointer outside the window so no hover highlight shows.
xdotool mousemove 1000 900
sleep 0.3
xs_screenshot "$wid" "$here/docs/seg7demo.png"
xs_key Escape
xs_wait_exit 10
echo "saved $here/docs/seg7demo.png"
