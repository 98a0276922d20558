# Sourced by the tests that need an X server of their own:
#   . tests/support/xvfb.sh; start_xvfb WORKDIR
# starts Xvfb on a display number that the server itself picks as free (so
# tests running side by side never collide), exports DISPLAY and sets
# XVFB_PID; the caller's cleanup kills it.

start_xvfb() {
    _fd_file="$1/xvfb.display"
    # A second server in the same folder must not read the first one's number.
    rm -f "$_fd_file"
    # -noreset: the server must not restart while the last client leaves
    # and the next one connects.
    Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$_fd_file" >"$1/xvfb.log" 2>&1 &
    XVFB_PID=$!
    _i=0
    while [ $_i -lt 100 ]; do
        if [ -s "$_fd_file" ]; then
            DISPLAY=":$(head -n 1 "$_fd_file")"
            export DISPLAY
            unset WAYLAND_DISPLAY
            return 0
        fi
        kill -0 "$XVFB_PID" 2>/dev/null || break
        sleep 0.1
        _i=$((_i + 1))
    done
    echo "FAIL: Xvfb did not start" >&2
    cat "$1/xvfb.log" >&2
    return 1
}

# Polls a command for up to $1 tenths of a second.
poll() {
    _limit=$1
    shift
    _i=0
    while [ $_i -lt "$_limit" ]; do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
        _i=$((_i + 1))
    done
    return 1
}
