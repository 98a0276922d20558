#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the real game over AT-SPI, as a screen reader does, and plays a whole
game with keys alone: Space on new1, Tab to the board, arrows, Space on a pit.
After every move the window shows what the replay driver shows (counts,
status, the highlight on the focused square), and a notification has said
the status. Then a whole game against the computer, started with its key:
each of its moves is heard, replayed as a highlight and a click on its pit,
and the focus stays where the person left it. Every wait is bounded; exits
77 where pyatspi or Xlib is missing.

    private-desktop --a11y -- atspi_reader.py kalvora kalvora-replay kalvora-layout"""

import os
import sys
import time

# Run from the source tree: leave no compiled files in it.
sys.dont_write_bytecode = True
here = os.path.dirname(os.path.abspath(__file__))
sys.path[:0] = [os.path.join(here, "..", "monkey"), os.path.join(here, "..", "support")]

import display_session as ds  # noqa: E402

ds.check_desktop(("pyatspi", "python3-pyatspi"), ("Xlib", "python3-xlib"))

import board_window as board  # noqa: E402
import pyatspi  # noqa: E402
from gi.repository import GLib  # noqa: E402
from monkey import Monkey  # noqa: E402
from window_layout import Layout  # noqa: E402

WAIT = 30


def check(condition, message):
    if not condition:
        raise AssertionError(message)


def wait_for(what, probe, seconds=WAIT):
    """Polls probe(), delivering the bus's events between tries, until it
    returns a true value; fails naming `what` after `seconds`."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while not probe():
        if time.monotonic() > end:
            raise AssertionError("timed out waiting for " + what)
        if not context.iteration(False):
            time.sleep(0.01)


def pit_name(pit, count):
    owner = "Player one" if pit <= 8 else "Player two"
    place = "'s store" if pit in (8, 16) else ", pit %d" % ((pit - 1) % 8 + 1)
    return "%s%s, %s seed%s" % (owner, place, count, "" if count == "1" else "s")


def check_start_up(reader):
    check(reader.frame.getRole() == pyatspi.ROLE_FRAME, "the main window is no frame")
    controls = [reader.frame.getChildAtIndex(i) for i in range(reader.frame.childCount)]
    buttons = {c.name: c for c in controls if c.getRole() == pyatspi.ROLE_PUSH_BUTTON}
    # Each button reads as its words, with its tooltip as the description.
    expected = dict(reader.layout.texts[name] for name in reader.layout.buttons)
    check(sorted(buttons) == sorted(expected), "buttons read as %r" % sorted(buttons))
    for name, description in expected.items():
        check(buttons[name].description == description,
              "%r describes itself as %r" % (name, buttons[name].description))
        check(buttons[name].getState().contains(pyatspi.STATE_FOCUSABLE),
              "%r cannot take the focus" % name)
    labels = [c.name for c in controls if c.getRole() == pyatspi.ROLE_LABEL]
    check("00:00:00" in labels and "Welcome to Kalvoro 1.0" in labels, "labels: %r" % labels)
    check_squares(reader)


def check_squares(reader):
    """Each count label sits in a panel named after its pit and count."""
    counts, _ = reader.texts()
    for pit, square in ((p, label.parent) for p, label in reader.pit_labels.items()):
        check(square.getRole() == pyatspi.ROLE_PANEL and square.name == pit_name(pit, counts[pit]),
              "square %d reads as %r" % (pit, square.name))


def main():
    if len(sys.argv) != 4:
        sys.exit("usage: atspi_reader.py kalvora kalvora-replay kalvora-layout")
    game, replay, layout_tool = sys.argv[1:]
    session = ds.Session()
    program = session.launch([game], "game.log")
    layout = Layout(layout_tool)
    window = session.wait_for_window(layout.title_pattern, WAIT)
    reader = board.WindowReader(session, layout, window, program.pid, WAIT)
    check_start_up(reader)
    monkey = Monkey(session, program, window, reader, None, replay, session.dir, WAIT)

    # What a reader announces wherever the focus is: each notification that
    # appears. The clock's ticks must add none.
    heard = []

    def on_showing(event):
        if event.detail1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
            heard.append(event.source.name)

    pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
    session.input("windowfocus", "--sync", window)
    reader.wait_active(layout.title, WAIT)

    def key(name, *script):
        session.input("key", "--window", 0, name)
        monkey.script.extend(script)

    focused = 1

    def step_towards(pit):
        """One arrow on the way to `pit`: across the board, then along the row,
        where Right goes up the ring along the bottom and down it along the top."""
        nonlocal focused
        if (pit < 8) != (focused < 8):
            arrow, to = ("Up" if focused < 8 else "Down"), 16 - focused
        else:
            to = focused + (1 if pit > focused else -1)
            arrow = "Right" if (to > focused) == (focused < 8) else "Left"
        key(arrow, "move %d" % to)
        focused = to
        wait_for("the focus on pit %d" % to, lambda: reader.pit_labels[to].parent.getState()
                 .contains(pyatspi.STATE_FOCUSED))

    key("space", "new")  # the window opens with the focus on new1
    key("Tab")
    key("Tab")
    key("Tab", "move 1")  # by stop1 and about1 to pit 1
    moves = 0
    while True:
        monkey.checkpoint()
        counts, status = reader.texts()
        wait_for("%r announced" % status, lambda: len(heard) == moves + 1 and heard[-1] == status)
        if not status.endswith(" Turn"):
            break
        row = range(1, 8) if status.startswith("Player one") else range(9, 16)
        pit = [p for p in row if counts[p] != "0"][-1]  # the one nearest the store
        while focused != pit:
            step_towards(pit)
        key("space", "click %d" % pit)
        moves += 1

    check(status.startswith("The "), "the game ended on %r" % status)
    check_squares(reader)
    two_players = (moves, status)

    # Against the computer: the replay plays its moves as the window shows them.
    opening = "7 " * 7 + "0 "
    key("ctrl+shift+n", "new", "setup 1 2 " + opening * 2)
    moves = 0
    while True:
        monkey.checkpoint()
        counts, status = reader.texts()
        if not status.endswith(" Turn"):
            break
        check(status == "Player one Turn", "the person waits on %r" % status)
        pit = [p for p in range(1, 8) if counts[p] != "0"][-1]
        while focused != pit:
            step_towards(pit)
        before = len(heard)
        key("space", "click %d" % pit)
        moves += 1

        def answered():
            now = reader.texts()[1]
            return len(heard) > before and now != "Computer Turn" and heard[-1].endswith(now)
        wait_for("the computer's answer", answered)
        for news in heard[before:]:
            if news.startswith("Computer sows pit "):
                its = 8 + int(news.split()[3])
                monkey.script.extend(["move %d" % its, "click %d" % its])
        check(reader.pit_labels[focused].parent.getState().contains(pyatspi.STATE_FOCUSED),
              "the computer's move took the focus from pit %d" % focused)

    check(status.startswith("The "), "the game against the computer ended on %r" % status)
    check(program.poll() is None, "the game ended: " + session.log_text("game.log"))
    print("PASS: %d moves played with keys, each read over AT-SPI as the replay shows it; "
          "ended on %r. Against the computer, %d moves of the person's; ended on %r"
          % (two_players + (moves, status)))


if __name__ == "__main__":
    try:
        main()
    except (AssertionError, ds.SessionError) as failure:
        print("FAIL: %s" % failure)
        sys.exit(1)
