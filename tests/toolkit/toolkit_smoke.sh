#!/usr/bin/env bash
# The toolkit on a real X server with no window manager: the window opens
# centred with the focus given twice to its first field, clicks stay with
# the control they hit, typing is filtered, and Esc ends the program once.
# Usage: toolkit_smoke.sh PROBE_BINARY
source /work/main/tests/smoke/xsession.sh

probe=$1
journal=$(mktemp)
trap 'rm -f "$journal"; xs_cleanup' EXIT

count() { grep -cxF -- "$1" "$journal" || true; }
expect_count() {
  local line=$1 want=$2 got
  got=$(count "$line")
  [[ "$got" == "$want" ]] || xs_fail "'$line' seen $got times, expected $want"
}
wait_count() {
  local line=$1 want=$2
  for _ in $(seq 50); do
    [[ "$(count "$line")" == "$want" ]] && return 0
    sleep 0.1
  done
  expect_count "$line" "$want"
}

xs_start_server
xs_launch "$probe" "$journal"
wid=$(xs_wait_window "工具包探针")

# Created first, then the field's focus: once at once, once on activation.
[[ "$(head -n 1 "$journal")" == "window Created" ]] || xs_fail "first event: $(head -n 1 "$journal")"
wait_count "输入10 GotFocus" 2

# 400 x 300 outer, centred on 1280 x 1024, client inside the notional frame.
eval "$(xdotool getwindowgeometry --shell "$wid" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
[[ "$WIDTH x $HEIGHT" == "394 x 274" ]] || xs_fail "client size $WIDTH x $HEIGHT"
[[ "$X,$Y" == "443,385" ]] || xs_fail "client at $X,$Y, expected 443,385"

# The lamp shows its red fill inside its outline.
[[ "$(xs_pixel "$wid" 215 12)" == "#FF0000" ]] || xs_fail "lamp centre is $(xs_pixel "$wid" 215 12)"

xs_double_click "$wid" 20 20
expect_count "标签1 DoubleClick" 1
expect_count "标签1 LeftButtonReleased" 2
expect_count "window DoubleClick" 0
xs_double_click "$wid" 300 200
expect_count "window DoubleClick" 1
expect_count "window LeftButtonReleased" 2

xs_focus "$wid"
xs_click "$wid" 120 24
xs_key ctrl+a
xs_type "1a2"
grep -qxF "输入10 KeyReleased 50 12" "$journal" || xs_fail "typing gave: $(grep KeyReleased "$journal" | tail -n 1)"

xs_key Escape
status=0
xs_wait_exit 5 || status=$?
[[ "$status" == 0 ]] || xs_fail "exit status $status"
expect_count "exit routine" 1
echo "toolkit smoke: ok"
