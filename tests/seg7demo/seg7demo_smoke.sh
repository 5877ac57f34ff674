#!/usr/bin/env bash
# Starts the real seg7demo on a private X server, types a segment code and a
# select code as a user would, checks the lamps on screen, and ends the
# program with Esc.
# Usage: seg7demo_smoke.sh PATH_TO_SEG7DEMO
binary=$1
source "$(cd "$(dirname "$0")/../smoke" && pwd)/xsession.sh"

xs_start_server
xs_launch "$binary"
wid=$(xs_wait_window "Velbrisk-数码管显示驱动演示")

# The outer 500 x 350 less the frame and caption bar the layout counts.
size=$(xs_size "$wid")
[[ "$size" == "494 324" ]] || xs_fail "client area is $size, expected 494 324"

red="#FF0000"
# Lamp centres of LED1 in the client area, in the order A B C D E F G DP.
declare -A centre=(
  [A1]="284 15" [B1]="299 31" [C1]="299 63" [D1]="284 79"
  [E1]="268 63" [F1]="268 31" [G1]="284 47" [DP1]="308 76"
)
lamp_colour() {
  local x y
  read -r x y <<<"${centre[$1]}"
  xs_pixel "$wid" "$x" "$y"
}

for lamp in "${!centre[@]}"; do
  [[ "$(lamp_colour "$lamp")" != "$red" ]] || xs_fail "$lamp is lit before anything was typed"
done

# The focus starts in 段码 (P0); Tab moves on to 位码 (P2).
xs_focus "$wid"
xs_key ctrl+a
xs_type 28
xs_key Tab
xs_key ctrl+a
xs_type BF

for lamp in A1 B1 C1 D1 E1 F1; do
  colour=$(lamp_colour "$lamp")
  [[ "$colour" == "$red" ]] || xs_fail "$lamp shows $colour, expected it lit ($red)"
done
for lamp in G1 DP1; do
  colour=$(lamp_colour "$lamp")
  [[ "$colour" != "$red" ]] || xs_fail "$lamp is lit, expected it dark"
done

xs_key Escape
status=0
xs_wait_exit 10 || status=$?
[[ $status -eq 0 ]] || xs_fail "seg7demo ended with status $status"
echo "seg7demo smoke test passed"
