#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A run-time error inside an event procedure of the real window, on a real
X server of its own: a click on pit 15 overflows store 16. The program must
show a message that names the error, keep it up until it is dismissed, and
then end with a non-zero status of its own (not from a signal).

    private-desktop --a11y -- overflow_test.py
        --testbed build/tests/monkey/kalvora_overflow_testbed --layout build/tools/kalvora-layout

Exit status 0 passed, 1 failed, 77 skipped (a tool is missing).
"""

import argparse
import os
import subprocess
import sys

# Run from the source tree: leave no compiled files in it.
sys.dont_write_bytecode = True
here = os.path.dirname(os.path.abspath(__file__))
sys.path[:0] = [here, os.path.join(here, "..", "support")]

import board_window as board  # noqa: E402
import display_session as ds  # noqa: E402
from window_layout import Layout  # noqa: E402

ERROR_TITLE = r"^Kalvora$"  # the program's name heads its error messages


def run(args, session):
    game = session.launch([args.testbed], "testbed.log")
    layout = Layout(args.layout)
    window = session.wait_for_window(layout.title_pattern, args.wait)
    reader = board.WindowReader(session, layout, window, game.pid, args.wait)
    ox, oy = reader.origin
    hit = layout.label_hit(15)
    session.input("mousemove", ox + hit.x + hit.w // 2, oy + hit.y + hit.h // 2,
                  "mousedown", 1, "mouseup", 1)

    box = session.wait_for_window(ERROR_TITLE, args.wait)
    text, ok = reader.message_box(args.wait)
    print("message: %r" % text)
    if "Overflow" not in text:
        raise AssertionError("the message does not name the overflow: %r" % text)
    # The message is modal: the program waits for it, still answering, and
    # ends only after it.
    try:
        reader.ping_program()
    except Exception as error:
        raise AssertionError("the program stopped answering under its message: %s" % error)
    if game.poll() is not None:
        raise AssertionError("the program ended (%d) with its message still unread"
                             % game.returncode)
    if session.find_windows(ERROR_TITLE) != [box]:
        raise AssertionError("the message closed by itself")

    session.input("mousemove", ok.x + ok.w // 2, ok.y + ok.h // 2, "mousedown", 1, "mouseup", 1)
    try:
        status = game.wait(timeout=args.wait)
    except subprocess.TimeoutExpired:
        raise AssertionError("the program did not end within %gs of the message" % args.wait)
    if status < 0:
        raise AssertionError("the program was killed by signal %d" % -status)
    if status == 0 or status >= 128:
        raise AssertionError("the program ended with status %d, not a small non-zero one" % status)
    print("exit status %d" % status)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--testbed", required=True, help="the kalvora_overflow_testbed executable")
    parser.add_argument("--layout", required=True, help="the kalvora-layout executable")
    parser.add_argument("--wait", type=float, default=30.0,
                        help="how long a window may take to appear or the program to end")
    args = parser.parse_args()

    ds.check_desktop(("pyatspi", "python3-pyatspi"), ("Xlib", "python3-xlib"))
    session = ds.Session()
    try:
        run(args, session)
    except (AssertionError, ds.SessionError) as failure:
        print("FAIL: %s" % failure)
        print("program output:\n" + session.log_text("testbed.log"))
        return 1
    print("PASS")
    return 0


if __name__ == "__main__":
    sys.exit(main())
