#!/bin/sh
# On a real X server: the about button opens the about window over a running
# game; closing the main window first leaves the program running with the
# about window on screen; a click on it then ends the program cleanly.
#   about_real_display_test.sh path/to/kalvora path/to/x-close-window
set -u
game=$1 close_window=$2
here=$(dirname "$0")
. "$here/../support/xvfb.sh"

work=$(mktemp -d)
XVFB_PID= game_pid=
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' HUP INT TERM
fail() { echo "FAIL: $*"; exit 1; }

start_xvfb "$work" || exit 1
"$game" >"$work/game.log" 2>&1 &
game_pid=$!

poll 100 xdotool search --onlyvisible --name '^Tembrel - Kalvoro 1.0$' || fail "no main window"
main=$(xdotool search --onlyvisible --name '^Tembrel - Kalvoro 1.0$' | head -n 1)
xdotool mousemove --window "$main" 60 256 click 1 # new1
xdotool mousemove --window "$main" 288 256 click 1 # about1
poll 50 xdotool search --onlyvisible --name '^About Tembrel Kalvora$' || fail "no about window"
about=$(xdotool search --onlyvisible --name '^About Tembrel Kalvora$' | head -n 1)

"$close_window" "$main" || fail "could not close the main window"
poll 50 sh -c "! xdotool search --onlyvisible --name '^Tembrel - Kalvoro 1.0\$'" ||
    fail "the main window did not close"
sleep 0.5
kill -0 "$game_pid" 2>/dev/null || fail "the program ended with the about window open"
xdotool search --onlyvisible --name '^About Tembrel Kalvora$' >/dev/null || fail "about window gone"

xdotool mousemove --window "$about" 100 100 click 1
i=0
while kill -0 "$game_pid" 2>/dev/null && [ $i -lt 50 ]; do sleep 0.1; i=$((i + 1)); done
kill -0 "$game_pid" 2>/dev/null && fail "the program did not end after its last window closed"
wait "$game_pid"
status=$?
game_pid=
[ "$status" -eq 0 ] || fail "exit status $status"
echo "PASS: the about window kept the program alive, and closing it ended it"
