#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The real game at scale factors 1, 2 and 1.5, read back from screenshots of
# its window: the 2x window is the 1x layout doubled, its squares' edges are
# hard one-device-pixel steps, and its pictures and texts hold detail that the
# 1x screenshot blown up to 200% has not.
#   private-desktop --needs 'xdotool import convert compare identify' -- \
#       hidpi_real_display_test.sh path/to/kalvora path/to/kalvora-layout [directory for the shots]
set -u
. "$(dirname "$0")/../support/screen_helpers.sh"
usage='usage: hidpi_real_display_test.sh path/to/kalvora path/to/kalvora-layout [shots directory]'
game=${1:?$usage}
read_layout "${2:?$usage}"
keep=${3:-}
work=$(mktemp -d)

# Shoots the freshly opened window at scale factor $1 into $work/$1.png.
shoot() {
    QT_SCALE_FACTOR=$1 "$game" >"$work/game.log" 2>&1 &
    game_pid=$!
    window=$(window_named "$main_title") || fail "no game window at $1x: $(cat "$work/game.log")"
    xdotool mousemove 0 0 # off the window: no tooltip, no hover
    sleep 0.8
    import -window "$window" "$work/$1.png" || fail "no screenshot at $1x"
    kill "$game_pid"
    wait "$game_pid" 2>/dev/null
    [ -z "$keep" ] || cp "$work/$1.png" "$keep/kalvora-$1x.png"
}
rect Form1
for factor in 1 2 1.5; do
    shoot $factor
    size=$(identify -format '%wx%h' "$work/$factor.png")
    expected=$(awk "BEGIN { print $factor * $w \"x\" $factor * $h }")
    [ "$size" = "$expected" ] || fail "the ${factor}x window is $size, not $expected"
done

# expect SHOT X0 Y0 DX DY COLOUR...: the device pixels from X0,Y0 on, a step
# of DX,DY apart.
expect() {
    shot=$1 px=$2 py=$3 dx=$4 dy=$5
    shift 5
    for colour in "$@"; do
        got=$(pixel "$work/$shot.png" "$px" "$py")
        [ "$got" = "$colour" ] || fail "at ${shot}x, pixel $px,$py is $got, not $colour"
        px=$((px + dx)) py=$((py + dy))
    done
}
colour player-one green
colour grey grey
black='#000000' yellow='#FFFF80'

# Square 1 across its left edge, from the green band: the outer grey line and
# the inner black one, then the grey inside. At 2x every line is two device
# pixels, and each colour ends in a hard step.
rect box1
expect 1 $((x - 1)) $cy 1 0 "$green" "$grey" "$black" "$grey"
expect 2 $((2 * x - 1)) $((2 * cy)) 1 0 "$green" "$grey" "$grey" "$black" "$black" "$grey"
# At 1.5x a logical pixel of the edge takes one or two device pixels, still
# without a half-tone in between.
expect 1.5 $((3 * x / 2 - 1)) $((3 * cy / 2)) 1 0 "$green" "$grey" "$grey" "$black" "$grey"
# Store 8 at its doubled place.
rect box8
expect 1 "$x" "$cy" 1 0 "$grey" "$black" "$grey"
expect 2 $((2 * x)) $((2 * cy)) 1 0 "$grey" "$grey" "$black" "$black" "$grey"
# The middle panel's two-pixel bottom border at 1.5x: three whole device
# pixels, from the first whose top lies inside it.
rect Shape3
border=$(((3 * (y + h - 2) + 1) / 2))
expect 1.5 $((3 * cx / 2)) $((border - 1)) 0 1 "$yellow" "$black" "$black" "$black"
[ "$(pixel "$work/1.5.png" $((3 * cx / 2)) $((border + 3)))" != "$black" ] ||
    fail "the middle panel's border is thicker at 1.5x"

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
# The buttons' pictures inside their bevels, a count, the status line, and
# lettering of the background picture.
for button in new1 stop1; do
    rect $button
    sharper "$button-picture" $((x + 6)) $((y + 6)) $((w - 12)) $((h - 12))
done
rect angka16
sharper store-count "$x" "$y" "$w" "$h"
rect statuslbl
sharper status-line "$x" "$y" "$w" "$h"
# The raised letters' cast shadow reaches two pixels past them, the light
# under the pressed-in ones one pixel.
rect background.title
sharper title $((x - 2)) $((y - 2)) $((w + 4)) $((h + 4))
rect background.maker
sharper maker $((x - 1)) $((y - 1)) $((w + 2)) $((h + 3))

echo "PASS"
