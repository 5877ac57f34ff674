# Shared harness for the smoke tests: runs a real program on a private Xvfb
# server and drives it as a person would, through xdotool and ImageMagick.
# Source it from bash; every function fails loudly and the server and the
# program are cleaned up when the script exits.

set -euo pipefail

XS_SERVER_PID=""
XS_PID=""

xs_fail() {
  echo "smoke: $*" >&2
  exit 1
}

# Waits for the server to be gone: a server still exiting would remove the
# socket of the next test's server if that one took the same display number.
xs_cleanup() {
  if [[ -n "$XS_PID" ]]; then
    kill "$XS_PID" 2>/dev/null || true
    wait "$XS_PID" 2>/dev/null || true
  fi
  if [[ -n "$XS_SERVER_PID" ]]; then
    kill "$XS_SERVER_PID" 2>/dev/null || true
    wait "$XS_SERVER_PID" 2>/dev/null || true
  fi
}
trap xs_cleanup EXIT

# Starts Xvfb on a free display, with key auto-repeat off (-r) so that a held
# key gives exactly one press and one release, and no reset (-noreset): a
# server resetting as the readiness probe disconnects turns away the program
# that connects next.
xs_start_server() {
  local fdfile
  fdfile=$(mktemp)
  Xvfb -displayfd 3 -r -noreset -nolisten tcp -screen 0 1280x1024x24 3>"$fdfile" 2>/dev/null &
  XS_SERVER_PID=$!
  for _ in $(seq 100); do
    [[ -s "$fdfile" ]] && break
    sleep 0.05
  done
  local number
  number=$(tr -d '[:space:]' <"$fdfile")
  rm -f "$fdfile"
  [[ -n "$number" ]] || xs_fail "Xvfb did not start"
  export DISPLAY=":$number"
  for _ in $(seq 100); do
    xdpyinfo > /dev/null 2>&1 && return 0
    sleep 0.05
  done
  xs_fail "Xvfb on $DISPLAY does not answer"
}

# Starts a program on the server; its pid is kept for xs_wait_exit.
xs_launch() {
  QT_QPA_PLATFORM=xcb "$@" &
  XS_PID=$!
}

# Prints the id of the window whose title is exactly TITLE (UTF-8).
xs_wait_window() {
  local title=$1 wid=""
  for _ in $(seq 100); do
    wid=$(xdotool search --name "^${title}\$" 2>/dev/null | head -n 1 || true)
    [[ -n "$wid" ]] && break
    sleep 0.1
  done
  [[ -n "$wid" ]] || xs_fail "no window titled '$title' appeared"
  # Give the program a moment to paint after mapping.
  sleep 0.3
  echo "$wid"
}

# Prints the current title of a window.
xs_title() {
  xdotool getwindowname "$1"
}

# Waits until the window's title is TITLE; fails after SECONDS (default 5).
xs_wait_title() {
  local wid=$1 title=$2 seconds=${3:-5}
  for _ in $(seq $((seconds * 10))); do
    [[ "$(xs_title "$wid")" == "$title" ]] && return 0
    sleep 0.1
  done
  xs_fail "title stayed '$(xs_title "$wid")', expected '$title'"
}

# Prints "WIDTH HEIGHT" of a window (its client area: there is no window
# manager, so no frame).
xs_size() {
  local WIDTH HEIGHT
  eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(WIDTH|HEIGHT)=')"
  echo "$WIDTH $HEIGHT"
}

# With no window manager the keyboard focus follows the pointer unless it is
# set explicitly, so set it before typing.
xs_focus() {
  xdotool mousemove --window "$1" 1 1
  xdotool windowfocus --sync "$1"
}

xs_type() {
  xdotool type --delay 40 -- "$1"
  sleep 0.2
}

xs_key() {
  xdotool key --delay 40 "$@"
  sleep 0.2
}

# Clicks at client-area coordinates X, Y of a window.
xs_click() {
  xdotool mousemove --window "$1" "$2" "$3" click 1
  sleep 0.2
}

xs_double_click() {
  xdotool mousemove --window "$1" "$2" "$3" click --repeat 2 --delay 60 1
  sleep 0.3
}

# Prints the colour of the client-area pixel X, Y of a window as #RRGGBB.
xs_pixel() {
  import -window "$1" -crop "1x1+$2+$3" +repage -depth 8 txt:- 2>/dev/null |
    grep -o '#[0-9A-Fa-f]\{6\}' | head -n 1
}

xs_screenshot() {
  import -window "$1" "$2"
}

# Waits up to SECONDS for the program to end and returns its exit status.
xs_wait_exit() {
  local seconds=$1
  for _ in $(seq $((seconds * 10))); do
    kill -0 "$XS_PID" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$XS_PID" 2>/dev/null; then
    xs_fail "the program did not end within $seconds s"
  fi
  local status=0
  wait "$XS_PID" || status=$?
  XS_PID=""
  return "$status"
}
