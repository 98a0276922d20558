#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The game shows its main window with the background drawn, and ends with
# status 0 when that window is asked to close.
#   private-desktop -- window-drawn-and-closed.sh KALVORA X_CLOSE_WINDOW
set -u
. tests/support/screen_helpers.sh
[ $# -eq 2 ] || fail "usage: window-drawn-and-closed.sh KALVORA X_CLOSE_WINDOW"
game=$1 close_window=$2
work=$(mktemp -d)

"$game" >"$work/game.log" 2>&1 &
game_pid=$!
main=$(window_named "$main_title") || fail "no main window: $(cat "$work/game.log")"
# The marble background alone has hundreds of shades; a window not yet drawn
# has one.
poll 50 sh -c "import -window $main '$work/window.png'" || fail "no screenshot of the window"
colours=$(convert "$work/window.png" -format %k info:)
[ "$colours" -gt 100 ] || fail "the window shows $colours colours: not drawn"

"$close_window" "$main" || fail "could not close the main window"
poll 50 sh -c "! kill -0 $game_pid" || fail "the program did not end after its window closed"
wait "$game_pid"
status=$?
[ "$status" -eq 0 ] || fail "exit status $status: $(cat "$work/game.log")"
rm -rf "$work"
echo "PASS: $game drew its window ($colours colours) and ended cleanly"
