#!/bin/sh
# Runs the real game on an X server of its own and plays it with real pointer
# events: start a game, move pit 3, point at pit 12. Then reads the screen:
# the pointed pit is white, the others grey, and the moved counts changed.
#   real_display_test.sh path/to/kalvora
# Exit status 0 passed, 1 failed, 77 skipped (a tool is missing).

set -u
game=${1:?usage: real_display_test.sh path/to/kalvora}

for tool in Xvfb xdotool import convert compare; do
    command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool not installed"; exit 77; }
done

here=$(dirname "$0")
. "$here/../support/xvfb.sh"

work=$(mktemp -d)
XVFB_PID=
game_pid=
# shellcheck disable=SC2317 # run by the trap
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' HUP INT TERM

fail() { echo "FAIL: $*"; exit 1; }

start_xvfb "$work" || fail "no X server"

QT_QPA_PLATFORM=xcb "$game" >"$work/game.log" 2>&1 &
game_pid=$!
poll 150 xdotool search --name '^Tembrel - Kalvoro 1\.0$' ||
    fail "no game window: $(cat "$work/game.log")"
window=$(xdotool search --name '^Tembrel - Kalvoro 1\.0$' | head -n 1)

# Window geometry in screen pixels.
eval "$(xdotool getwindowgeometry --shell "$window")"
if [ "$WIDTH" != 400 ] || [ "$HEIGHT" != 300 ]; then
    fail "window is ${WIDTH}x${HEIGHT}, not 400x300"
fi
origin_x=$X
origin_y=$Y

# Pixel colour "#RRGGBB" of a point of the window in a screenshot.
pixel() {
    convert "$1" -crop "1x1+$((origin_x + $2))+$((origin_y + $3))" -depth 8 txt:- |
        sed -n 's/.*\(#[0-9A-Fa-f]\{6\}\).*/\1/p' | tr a-f A-F
}
# The label area of a pit square at $2,$3 (window pixels) cut from a screenshot.
label_area() {
    convert "$1" -crop "31x20+$((origin_x + $2 + 2))+$((origin_y + $3 + 2))" +repage "$4"
}
same_picture() {
    [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = 0 ]
}
click_at() {
    xdotool mousemove --window "$window" "$1" "$2"
    sleep 0.2
    xdotool click 1
    sleep 0.3
}

# Squares (window pixels): pit 1 at 64,184, pit 3 at 144,184, pit 4 at 184,184,
# pit 9 at 304,96, pit 12 at 184,96. Labels start 2 pixels inside them.
click_at 60 256 # new1
xdotool mousemove --window "$window" 5 5
sleep 0.5
import -window root "$work/started.png" || fail "no screenshot"
[ "$(pixel "$work/started.png" 69 206)" = "#808080" ] || fail "pit 1 is not grey after a start"

click_at 161 196 # pit 3: seven seeds into pits 4 to 10
xdotool mousemove --window "$window" 201 108 # onto pit 12
sleep 0.8
import -window root "$work/moved.png" || fail "no screenshot"

[ "$(pixel "$work/moved.png" 309 116)" = "#808080" ] || fail "pit 9's square is not grey"
[ "$(pixel "$work/moved.png" 189 116)" = "#FFFFFF" ] || fail "pit 12 under the pointer is not white"
[ "$(pixel "$work/moved.png" 149 206)" = "#808080" ] || fail "pit 3 kept the highlight"

# Cuts pit $1's label, its square at $2,$3, from both screenshots.
cut_label() {
    label_area "$work/started.png" "$2" "$3" "$work/before$1.png"
    label_area "$work/moved.png" "$2" "$3" "$work/after$1.png"
}
cut_label 1 64 184
cut_label 3 144 184
cut_label 4 184 184
cut_label 9 304 96
same_picture "$work/before1.png" "$work/after1.png" || fail "pit 1's count changed"
for pit in 3 4 9; do
    same_picture "$work/before$pit.png" "$work/after$pit.png" &&
        fail "pit $pit's count did not change"
done

kill -0 "$game_pid" 2>/dev/null || fail "the game ended: $(cat "$work/game.log")"
echo "PASS"
exit 0
