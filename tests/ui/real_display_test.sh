#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The real game played with real pointer events: start a game, move pit 3,
# point at pit 12. Then the screen: the pointed pit is white, the others grey,
# and the moved counts changed.
#   private-desktop --needs 'xdotool import convert compare' -- \
#       real_display_test.sh path/to/kalvora path/to/kalvora-layout
set -u
. "$(dirname "$0")/../support/screen_helpers.sh"
game=${1:?usage: real_display_test.sh path/to/kalvora path/to/kalvora-layout}
read_layout "${2:?usage: real_display_test.sh path/to/kalvora path/to/kalvora-layout}"
work=$(mktemp -d)

"$game" >"$work/game.log" 2>&1 &
game_pid=$!
window=$(window_named "$main_title") || fail "no game window: $(cat "$work/game.log")"
eval "$(xdotool getwindowgeometry --shell "$window")"
rect Form1
[ "$WIDTH" = "$w" ] && [ "$HEIGHT" = "$h" ] || fail "window is ${WIDTH}x$HEIGHT, not ${w}x$h"

click() {
    rect "$1"
    xdotool mousemove --window "$window" "$cx" "$cy"
    sleep 0.2
    xdotool click 1
    sleep 0.3
}
shoot() { import -window "$window" "$work/$1.png" || fail "no screenshot"; }
# The colour of pit $2's square in shot $1, below its count.
square() {
    rect "box$2"
    pixel "$work/$1.png" $((x + 3)) $((y + h - 3))
}
# Pit $1's count label as shot before and after the move.
cut_count() {
    rect "angka$1"
    for shot in started moved; do
        convert "$work/$shot.png" -crop "${w}x$h+$x+$y" +repage "$work/$shot$1.png"
    done
}

click new1
xdotool mousemove --window "$window" 0 0
sleep 0.5
shoot started
colour grey grey
[ "$(square started 1)" = "$grey" ] || fail "pit 1 is not grey after a start"

click angka3 # seven seeds into pits 4 to 10
rect angka12
xdotool mousemove --window "$window" "$cx" "$cy"
sleep 0.8
shoot moved
[ "$(square moved 9)" = "$grey" ] || fail "pit 9's square is not grey"
[ "$(square moved 12)" = "#FFFFFF" ] || fail "pit 12 under the pointer is not white"
[ "$(square moved 3)" = "$grey" ] || fail "pit 3 kept the highlight"

for pit in 1 3 4 9; do
    cut_count $pit
    differing=$(compare -metric AE "$work/started$pit.png" "$work/moved$pit.png" null: 2>&1)
    if [ $pit = 1 ]; then
        [ "$differing" = 0 ] || fail "pit 1's count changed"
    else
        [ "$differing" != 0 ] || fail "pit $pit's count did not change"
    fi
done

kill -0 "$game_pid" 2>/dev/null || fail "the game ended: $(cat "$work/game.log")"
echo "PASS"
