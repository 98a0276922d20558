#!/bin/sh
# The real game on an X server, a session bus and an accessibility bus of its
# own, read over AT-SPI by atspi_reader.py the way a screen reader reads it.
# Needs no display and no session bus from the caller.
#   atspi_real_display_test.sh path/to/kalvora
# Exit status 0 passed, 1 failed, 77 skipped (a tool is missing).
set -u
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../support/xvfb.sh
. "$here/../support/xvfb.sh"
fail() { echo "FAIL: $*"; exit 1; }

# Debian's interpreter, which has the gi and pyatspi modules; a python3 found
# earlier on PATH (a virtual environment, pyenv) may lack them.
python=/usr/bin/python3
launcher=/usr/libexec/at-spi-bus-launcher

# Inside the private session: the accessibility bus, the game, the reader.
if [ "${1:-}" = --inside ]; then
    work=$2 game=$3
    echo $$ >"$work/inside.pid"
    launcher_pid='' game_pid='' reader_pid=''
    # shellcheck disable=SC2317 # run by the trap
    stop() {
        [ -n "$reader_pid" ] && kill "$reader_pid" 2>/dev/null
        [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
        [ -n "$launcher_pid" ] && kill "$launcher_pid" 2>/dev/null
        wait 2>/dev/null
    }
    trap stop EXIT
    trap 'exit 1' HUP INT TERM

    # The launcher starts the bus daemon and, on demand, the registry; their
    # output goes to a file so that no daemon holds the test's output open.
    "$launcher" --launch-immediately >"$work/a11y-bus.log" 2>&1 &
    launcher_pid=$!
    # Asked whether the name has an owner, not called by it: a call would have
    # the session bus start a second launcher of its own.
    # shellcheck disable=SC2317 # run by poll
    bus_up() {
        dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
            org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null |
            grep -q 'boolean true'
    }
    poll 100 bus_up || fail "no accessibility bus: $(cat "$work/a11y-bus.log")"

    QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$game" >"$work/game.log" 2>&1 &
    game_pid=$!
    poll 150 xdotool search --onlyvisible --name '^Tembrel - Kalvoro 1\.0$' ||
        fail "no game window: $(cat "$work/game.log")"
    window=$(xdotool search --onlyvisible --name '^Tembrel - Kalvoro 1\.0$' | head -n 1)

    # In the background, so that a signal to this script is handled at once.
    timeout 90 "$python" "$here/atspi_reader.py" "$window" 2>"$work/reader.log" &
    reader_pid=$!
    wait "$reader_pid"
    status=$?
    reader_pid=
    if [ "$status" -ne 0 ]; then
        sed -n '/Traceback/,$p' "$work/reader.log"
        kill -0 "$game_pid" 2>/dev/null || echo "the game ended: $(cat "$work/game.log")"
        exit 1
    fi
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended: $(cat "$work/game.log")"
    exit 0
fi

game=${1:?usage: atspi_real_display_test.sh path/to/kalvora}
for tool in Xvfb xdotool dbus-run-session dbus-send timeout; do
    command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool not installed"; exit 77; }
done
[ -x "$launcher" ] || { echo "SKIP: at-spi2-core not installed"; exit 77; }
if ! [ -x "$python" ] || ! "$python" -c 'import pyatspi' 2>/dev/null; then
    echo "SKIP: python3-pyatspi not installed"
    exit 77
fi

work=$(mktemp -d)
XVFB_PID='' session_pid=''
# shellcheck disable=SC2317 # run by the trap
cleanup() {
    # Cut short: the session's own script stops the game and the bus first.
    if [ -n "$session_pid" ]; then
        [ -s "$work/inside.pid" ] && kill "$(cat "$work/inside.pid")" 2>/dev/null
        kill "$session_pid" 2>/dev/null
    fi
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' HUP INT TERM

start_xvfb "$work" || exit 1
# Nothing of the caller's desktop: a runtime directory, a session bus and an
# accessibility bus of the test's own.
mkdir -m 700 "$work/runtime"
XDG_RUNTIME_DIR=$work/runtime
export XDG_RUNTIME_DIR
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
# Everything in the session writes to files: a bus daemon started on demand
# would otherwise hold the test's output open after the test has ended. The
# daemons' complaints (no raising of the file limit in a sandbox) stay there.
dbus-run-session -- sh "$0" --inside "$work" "$game" >"$work/session.log" 2>&1 &
session_pid=$!
wait "$session_pid"
status=$?
session_pid=
if [ "$status" -ne 0 ]; then
    grep -v 'fd limit' "$work/session.log"
    exit 1
fi
grep '^PASS' "$work/session.log"
