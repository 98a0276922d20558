# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=sh disable=SC2034 # the variables are for the sourcing script
# Sourced by the shell tests that private-desktop runs:
#   . tests/support/screen_helpers.sh; read_layout path/to/kalvora-layout
# Positions are window pixels and colours the pits' own, as kalvora-layout
# prints them.

fail() { echo "FAIL: $*"; exit 1; }

# Clicks and screenshots go to the display given; only a private one is safe.
[ "${PRIVATE_DESKTOP:-none}" = "${DISPLAY:-}" ] || {
    echo "run through tests/support/private-desktop, not on a desktop in use" >&2
    exit 2
}

# Polls a command for up to $1 tenths of a second.
poll() {
    _limit=$1
    shift
    _i=0
    until "$@" >/dev/null 2>&1; do
        [ $_i -lt "$_limit" ] || return 1
        sleep 0.1
        _i=$((_i + 1))
    done
}

# Prints the id of the first visible window titled like $1, waiting for it.
window_named() {
    poll 150 xdotool search --onlyvisible --name "$1" &&
        xdotool search --onlyvisible --name "$1" | head -n 1
}

# The layout into $layout, and the main window's title as a pattern for
# window_named into $main_title.
read_layout() {
    layout=$(QT_QPA_PLATFORM=offscreen "$1") || fail "$1 could not lay the window out"
    _title=$(QT_QPA_PLATFORM=offscreen "$1" --texts | awk -F '\t' '$1 == "Form1" { print $2 }')
    [ -n "$_title" ] || fail "$1 --texts gives the main window no title"
    main_title="^$(printf '%s' "$_title" | sed 's/[].[\\*^$]/\\&/g')\$"
}

# Control $1's rectangle into x, y, w and h, and its centre into cx and cy.
rect() {
    # shellcheck disable=SC2046 # the four numbers are words
    set -- "$1" $(echo "$layout" | sed -n "s/^$1 //p")
    [ $# -eq 5 ] || fail "kalvora-layout names no control $1"
    x=$2 y=$3 w=$4 h=$5 cx=$(($2 + $4 / 2)) cy=$(($3 + $5 / 2))
}

# Sets the variable named $2 to "#RRGGBB" of the colour kalvora-layout calls
# $1, which it prints as BBGGRR.
colour() {
    _bgr=$(echo "$layout" | sed -n "s/^colour $1 \([0-9A-F]\{6\}\)\$/\1/p")
    [ -n "$_bgr" ] || fail "kalvora-layout names no colour $1"
    _rgb=$(echo "$_bgr" | sed 's/\(..\)\(..\)\(..\)/#\3\2\1/')
    eval "$2=\$_rgb"
}

# "#RRGGBB" of pixel $2,$3 of picture $1.
pixel() {
    convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- |
        sed -n 's/.*\(#[0-9A-Fa-f]\{6\}\).*/\1/p' | tr a-f A-F
}
