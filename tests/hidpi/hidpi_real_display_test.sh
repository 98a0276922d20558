#!/bin/sh
# The real game on an X server at scale factors 1, 2 and 1.5, read back from
# screenshots of its window: the 2x window is the 1x layout doubled, its
# squares' edges are hard one-device-pixel steps, and its pictures and texts
# hold detail that the 1x screenshot blown up to 200% has not.
#   hidpi_real_display_test.sh path/to/kalvora [directory to keep the shots in]
# Exit status 0 passed, 1 failed, 77 skipped (a tool is missing).
set -u
game=${1:?usage: hidpi_real_display_test.sh path/to/kalvora [shots directory]}
keep=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../support/xvfb.sh
. "$here/../support/xvfb.sh"

for tool in Xvfb xdotool import convert compare identify; do
    command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool not installed"; exit 77; }
done

work=$(mktemp -d)
XVFB_PID='' game_pid=''
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

start_xvfb "$work" || exit 1

# Shoots the freshly opened window at scale factor $1 into $work/$1.png.
shoot() {
    QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$1 "$game" >"$work/game.log" 2>&1 &
    game_pid=$!
    poll 150 xdotool search --onlyvisible --name '^Tembrel - Kalvoro 1\.0$' ||
        fail "no game window at $1x: $(cat "$work/game.log")"
    window=$(xdotool search --onlyvisible --name '^Tembrel - Kalvoro 1\.0$' | head -n 1)
    xdotool mousemove 0 0 # off the window: no tooltip, no hover
    sleep 0.8
    import -window "$window" "$work/$1.png" || fail "no screenshot at $1x"
    kill "$game_pid"
    wait "$game_pid" 2>/dev/null
    game_pid=
    [ -z "$keep" ] || cp "$work/$1.png" "$keep/kalvora-$1x.png"
}
shoot 1
shoot 2
shoot 1.5

size() { identify -format '%wx%h' "$1"; }
[ "$(size "$work/1.png")" = 400x300 ] || fail "1x window is $(size "$work/1.png")"
[ "$(size "$work/2.png")" = 800x600 ] || fail "2x window is $(size "$work/2.png")"
[ "$(size "$work/1.5.png")" = 600x450 ] || fail "1.5x window is $(size "$work/1.5.png")"

# "#RRGGBB" of device pixel $2,$3 of shot $1.
pixel() {
    convert "$work/$1.png" -crop "1x1+$2+$3" -depth 8 txt:- |
        sed -n 's/.*\(#[0-9A-Fa-f]\{6\}\).*/\1/p' | tr a-f A-F
}
# expect SHOT Y X0 COLOUR...: the pixels from X0 rightwards along row Y.
expect_row() {
    shot=$1 y=$2 x=$3
    shift 3
    for colour in "$@"; do
        got=$(pixel "$shot" "$x" "$y")
        [ "$got" = "$colour" ] || fail "at ${shot}x, pixel $x,$y is $got, not $colour"
        x=$((x + 1))
    done
}
# expect_column SHOT X Y0 COLOUR...: the same downwards along column X.
expect_column() {
    shot=$1 x=$2 y=$3
    shift 3
    for colour in "$@"; do
        got=$(pixel "$shot" "$x" "$y")
        [ "$got" = "$colour" ] || fail "at ${shot}x, pixel $x,$y is $got, not $colour"
        y=$((y + 1))
    done
}
green='#00C000' grey='#808080' black='#000000' yellow='#FFFF80'

# Square 1 (64,184 at 1x) across its left edge, from the green band: the
# outer grey line and the inner black one, then the grey inside. At 2x every
# line is two device pixels, and each colour ends in a hard step.
expect_row 1 196 63 "$green" "$grey" "$black" "$grey"
expect_row 2 392 127 "$green" "$grey" "$grey" "$black" "$black" "$grey"
# Store 8 (312,128 at 1x) at its doubled place.
expect_row 1 152 312 "$grey" "$black" "$grey"
expect_row 2 304 624 "$grey" "$grey" "$black" "$black" "$grey"
# At 1.5x a logical pixel of the edge takes one or two device pixels, still
# without a half-tone in between: square 1 starts at 96.
expect_row 1.5 294 95 "$green" "$grey" "$grey" "$black" "$grey"
# The middle panel's two-pixel border at 1.5x: three whole device pixels.
expect_column 1.5 300 250 "$yellow" "$black" "$black" "$black"
[ "$(pixel 1.5 300 254)" != "$black" ] || fail "the middle panel's border is thicker at 1.5x"

# The 2x window halved is the 1x window, give or take the finer drawing.
convert "$work/2.png" -scale 50% "$work/2-halved.png"
difference=$(compare -metric RMSE "$work/2-halved.png" "$work/1.png" null: 2>&1 |
    sed 's/.*(\(.*\))/\1/')
awk "BEGIN { exit !($difference < 0.05) }" ||
    fail "the 2x window halved differs from the 1x one by $difference (RMSE)"

# Areas with pictures and text (1x window pixels), cut from the 2x shot and
# from the 1x shot at 200%. The true 2x drawing differs from the 1x shot's
# pixels doubled (-scale) in the detail along every stroke, and it is sharper
# than the 1x shot smoothed up (-resize), which would differ as well.
# Fine detail: the mean squared step between neighbouring pixels.
detail() {
    convert "$1" -colorspace gray \( +clone -roll +1+0 \) -compose difference -composite \
        -crop +1+0 +repage -evaluate pow 2 -format '%[fx:mean]' info:
}
sharper() {
    name=$1 x=$2 y=$3 w=$4 h=$5
    convert "$work/1.png" -crop "${w}x${h}+$x+$y" +repage -scale 200% "$work/$name-doubled.png"
    convert "$work/1.png" -crop "${w}x${h}+$x+$y" +repage -filter Triangle -resize 200% \
        "$work/$name-smoothed.png"
    convert "$work/2.png" -crop "$((2 * w))x$((2 * h))+$((2 * x))+$((2 * y))" +repage \
        "$work/$name-2x.png"
    differing=$(compare -metric AE -fuzz 5% "$work/$name-2x.png" "$work/$name-doubled.png" \
        null: 2>&1)
    all=$((4 * w * h))
    [ "$((100 * differing))" -ge "$((5 * all))" ] ||
        fail "$name at 2x is the 1x drawing doubled: only $differing of $all pixels differ"
    sharp=$(detail "$work/$name-2x.png")
    smoothed=$(detail "$work/$name-smoothed.png")
    awk "BEGIN { exit !($sharp > 1.5 * $smoothed) }" ||
        fail "$name at 2x is no sharper than the 1x drawing smoothed up ($sharp, $smoothed)"
    echo "$name: $differing of $all device pixels differ from the 1x doubled;" \
        "detail $sharp against $smoothed smoothed up"
}
sharper play-game-picture 30 246 60 20
sharper stop-game-picture 110 246 60 20
sharper title 10 12 190 36
sharper maker 280 282 110 14
sharper store-count 40 140 45 30
sharper status-line 8 280 140 13

echo "PASS"
