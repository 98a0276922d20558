#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The about button opens the about window over a running game; closing the
# main window first leaves the program running with the about window on
# screen; a click on it then ends the program cleanly.
#   private-desktop --needs xdotool -- about_real_display_test.sh \
#       path/to/kalvora path/to/kalvora-layout path/to/x-close-window
set -u
. "$(dirname "$0")/../support/screen_helpers.sh"
[ $# -eq 3 ] || fail "usage: about_real_display_test.sh KALVORA KALVORA_LAYOUT X_CLOSE_WINDOW"
game=$1 close_window=$3
read_layout "$2"
about_title='^About Tembrel Kalvora$'
work=$(mktemp -d)

"$game" >"$work/game.log" 2>&1 &
game_pid=$!
main=$(window_named "$main_title") || fail "no main window: $(cat "$work/game.log")"
rect new1
xdotool mousemove --window "$main" "$cx" "$cy" click 1
rect about1
xdotool mousemove --window "$main" "$cx" "$cy" click 1
about=$(window_named "$about_title") || fail "no about window"

"$close_window" "$main" || fail "could not close the main window"
poll 50 sh -c "! xdotool search --onlyvisible --name '$main_title'" ||
    fail "the main window did not close"
sleep 0.5
kill -0 "$game_pid" 2>/dev/null || fail "the program ended with the about window open"
xdotool search --onlyvisible --name "$about_title" >/dev/null || fail "about window gone"

eval "$(xdotool getwindowgeometry --shell "$about")"
xdotool mousemove --window "$about" $((WIDTH / 2)) $((HEIGHT / 2)) click 1
poll 50 sh -c "! kill -0 $game_pid" ||
    fail "the program did not end after its last window closed"
wait "$game_pid"
status=$?
[ "$status" -eq 0 ] || fail "exit status $status"
echo "PASS: the about window kept the program alive, and closing it ended it"
