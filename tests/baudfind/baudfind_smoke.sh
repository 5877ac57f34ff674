#!/usr/bin/env bash
# The real program on a private X server: it opens, one click on the button
# lists the whole table (the caption ends at the last reload value), and Esc
# ends it cleanly. Usage: baudfind_smoke.sh PATH-TO-BAUDFIND
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../smoke/xsession.sh"

binary=$1
# The centre of 按钮1, which the layout puts at 352, 8, 104 x 24.
button_x=404
button_y=20

xs_start_server
xs_launch "$binary"
wid=$(xs_wait_window "寻找波特率")
xs_focus "$wid"
xs_click "$wid" "$button_x" "$button_y"
xs_wait_title "$wid" "正在定时器值为0上查找，已完成任务的100%。" 20
xs_key Escape
status=0
xs_wait_exit 10 || status=$?
[[ $status -eq 0 ]] || xs_fail "baudfind ended with status $status"
echo "baudfind smoke test passed"
