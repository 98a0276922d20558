#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The game native on a Wayland compositor, under Qt's own title bars: a game
# is started and a move made, then the main window and the settings box are
# maximized from their title bars and the main window by the compositor's own
# key; the game plays on, and closing its window ends it with status 0 and
# nothing ever written to standard error.
#   private-desktop --wayland --needs '...' -- \
#       wayland_real_display_test.sh path/to/kalvora path/to/kalvora-layout
# shellcheck disable=SC2046,SC2086 # points and frames are numbers, split on purpose
set -u
. "$(dirname "$0")/../support/screen_helpers.sh"
[ $# -eq 2 ] || fail "usage: wayland_real_display_test.sh KALVORA KALVORA_LAYOUT"
read_layout "$2"
work=$(mktemp -d)

"$1" 2>"$work/errors" &
game_pid=$!
# A game left running would hold CTest's output open until its timeout.
trap 'kill -9 "$game_pid" 2>/dev/null' EXIT

# The frame of the window titled $1 as weston shows it: left top right bottom.
frame() {
    weston-debug scene-graph 2>/dev/null |
        sed -n "/top-level window '$1'/{n;s/.*(\(.*\), \(.*\)) -> (\(.*\), \(.*\))/\1 \2 \3 \4/p;}"
}
# Point at $1,$2 on the screen. weston follows only the pointer's motion, so
# the pointer first meets weston's own in the corner.
point() { xdotool mousemove 0 0 sleep 0.1 mousemove "$1" "$2" sleep 0.3; }
click() { point "$1" "$2" && xdotool click 1 sleep 0.5; }
# Qt's title bar draws 18-pixel buttons 5 apart and 8 from the frame's right
# edge, centred in the bar: the centre of the $1th from the right of frame $2.
title_button() {
    set -- "$1" $2
    echo $(($4 - 8 - 18 * $1 - 5 * ($1 - 1) + 9)) $(($3 + bar / 2))
}
shown() { [ -n "$(frame "$1")" ]; }
alive() { kill -0 "$game_pid" 2>/dev/null || fail "the game ended $1: $(cat "$work/errors")"; }
# Control $1's centre on the screen.
on_screen() {
    rect "$1"
    echo $((left + cx)) $((top + cy))
}

title=${main_title#^} && title=${title%\$}
poll 150 shown "$title" || fail "no main window: $(cat "$work/errors")"
main=$(frame "$title")
# The title bar's height and the border around the client area, whose size
# kalvora-layout gives: the decoration is Qt's, not ours.
rect Form1
set -- $main
border=$((($3 - $1 - w) / 2)) && bar=$(($4 - $2 - h - border))
left=$(($1 + border)) top=$(($2 + bar))

click $(on_screen new1)
click $(on_screen angka2) # seven seeds into pits 3 to 9: player two's turn
point $(on_screen angka16)
import -window root "$work/moved.png" || fail "no screenshot"
rect box16
[ "$(pixel "$work/moved.png" $((left + x + 3)) $((top + y + h - 3)))" = "#FFFFFF" ] ||
    fail "player two's store took no highlight: no game started or no move made"

click $(title_button 2 "$main")
xdotool key super+shift+m sleep 1.5
alive "after maximizing the main window"
[ "$(frame "$title")" = "$main" ] || fail "the main window stayed maximized"

click $(on_screen option1)
poll 50 shown 'Sorry\.\.\.' || fail "no settings box"
box=$(frame 'Sorry\.\.\.')
click $(title_button 2 "$box")
# The OK button drawn pressed is the box's first picture after the maximize.
xdotool keydown space sleep 1 keyup space sleep 1
alive "after maximizing the settings box"
! shown 'Sorry\.\.\.' || fail "the settings box did not close"

click $(title_button 1 "$main")
poll 50 sh -c "! kill -0 $game_pid" || fail "the game did not end when its window closed"
wait "$game_pid"; status=$?
[ "$status" -eq 0 ] || fail "exit status $status"
[ ! -s "$work/errors" ] || fail "standard error: $(cat "$work/errors")"
echo "PASS: maximized from the title bars and by the compositor, the game played on"
