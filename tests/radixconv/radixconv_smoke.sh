#!/usr/bin/env bash
# Starts the real radixconv under Xvfb, types numbers into the decimal field
# and reads the bit lamps off the screen, then closes it with Esc.
# Usage: radixconv_smoke.sh PATH/TO/radixconv
program=${1:?usage: $0 PATH/TO/radixconv}
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../smoke/xsession.sh
source "$here/../smoke/xsession.sh"

# The centre of lamp 外形框k in the client area.
lamp_x=188
lamp_y() { echo $((12 + 16 * ($1 - 1))); }

expect_lamp() {
  local number=$1 colour=$2 seen
  seen=$(xs_pixel "$wid" "$lamp_x" "$(lamp_y "$number")")
  [[ "${seen^^}" == "$colour" ]] || xs_fail "lamp $number is $seen, expected $colour"
}

xs_start_server
xs_launch "$program"
# The decimal field takes the focus at once and puts its prompt in the title.
wid=$(xs_wait_window "请输入十进制数")
xs_focus "$wid"

xs_type 255
for number in 1 2 3 4 5 6 7 8; do expect_lamp "$number" "#000000"; done

# 255 is selected whole after its third digit, so 1 starts a new number.
xs_type 1
expect_lamp 8 "#FF0000"
expect_lamp 2 "#FF0000"
expect_lamp 1 "#000000"

xs_key Escape
xs_wait_exit 10 || xs_fail "radixconv ended with status $?"
echo "radixconv smoke test passed"
