#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Shoots the real window for the AppStream metadata, on a private desktop:
# a game under way, at 1x and 2x, into dist/screenshots/.
#   tools/screenshots.sh [BUILD_DIR]    (default build-tests)
# The PNG files carry no date; the clock shows the second the shot was taken.
set -u
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=$(cd "${1:-$source_dir/build-tests}" 2>/dev/null && pwd) ||
    { echo "screenshots.sh: no build folder ${1:-build-tests}" >&2; exit 2; }
game=$build_dir/ui/kalvora layout_tool=$build_dir/tools/kalvora-layout
for program in "$game" "$layout_tool"; do
    [ -x "$program" ] || { echo "screenshots.sh: $program is not built" >&2; exit 2; }
done
if [ -z "${PRIVATE_DESKTOP:-}" ]; then
    exec sh "$source_dir/tests/support/private-desktop" --needs 'xdotool import convert' -- \
        sh "$0" "$build_dir"
fi
. "$source_dir/tests/support/screen_helpers.sh"
read_layout "$layout_tool"
out=$source_dir/dist/screenshots

# Player one has moved pits 1 and 2, player two pit 9; player one points at
# pit 3 and is to move. $1 is the scale, $2 the file.
shoot() {
    QT_SCALE_FACTOR=$1 "$game" >/dev/null 2>&1 &
    game_pid=$!
    window=$(window_named "$main_title") || fail "no game window at scale $1"
    for control in new1 angka1 angka2 angka9 angka3; do
        rect "$control"
        xdotool mousemove --window "$window" $((cx * $1)) $((cy * $1))
        [ "$control" = angka3 ] || xdotool click 1
        sleep 0.3
    done
    import -window "$window" "$out/$2.tmp.png" || fail "no screenshot at scale $1"
    convert "$out/$2.tmp.png" -strip "$out/$2" && rm "$out/$2.tmp.png"
    kill "$game_pid"
    wait "$game_pid" 2>/dev/null
    echo "wrote $out/$2"
}
shoot 1 game.png
shoot 2 game@2x.png
