#!/usr/bin/python3
"""Reads the running game over AT-SPI, as a screen reader does, and plays it
with real pointer clicks: the tree at start-up, after a start and after a
move, and the name-change events that a reader speaks from.

    atspi_reader.py WINDOW_ID

WINDOW_ID is the main window's X id, for xdotool. Prints PASS and exits 0, or
prints FAIL: ... and exits 1. Every wait is bounded."""

import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

TITLE = "Tembrel - Kalvoro 1.0"
CLOCK = re.compile(r"\d\d:\d\d:\d\d")
OPENING = [7] * 7 + [0] + [7] * 7 + [0]
# Seven seeds from pit 3 go into pits 4 to 10, the store among them; the last
# lands in player two's row, so the turn passes.
AFTER_PIT_3 = [7, 7, 0, 8, 8, 8, 8, 1, 8, 8, 7, 7, 7, 7, 7, 0]
BUTTONS = {
    "Play Game": "Start the game !!",
    "Stop Game": "Stop the game !!",
    "Option": "Setting game",
    "About ?": "Who am I ??",
}


def pit_name(pit):
    if pit == 8:
        return "Player one's store"
    if pit == 16:
        return "Player two's store"
    return "Player one, pit %d" % pit if pit < 8 else "Player two, pit %d" % (pit - 8)


class Failed(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failed(message)


def pump(seconds):
    """Delivers the bus's events for a while."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if not context.iteration(False):
            time.sleep(0.01)


def wait_for(what, probe, seconds=15):
    """Polls probe(), delivering events between tries, until it returns a true
    value; fails naming `what` after `seconds`."""
    end = time.monotonic() + seconds
    last_error = None
    while time.monotonic() < end:
        try:
            value = probe()
            if value:
                return value
        except Exception as error:  # the tree may be half built; try again
            last_error = error
        pump(0.1)
    raise Failed("timed out waiting for %s%s" % (what, ": %s" % last_error if last_error else ""))


def children(accessible):
    return [accessible.getChildAtIndex(i) for i in range(accessible.childCount)]


def find_frame():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in children(desktop):
        if app is None or app.name != "Kalvora":
            continue
        for frame in children(app):
            if frame is not None and frame.name == TITLE:
                return frame
    return None


class Board:
    """The main window's tree, read afresh on every call: no cached name."""

    def __init__(self, frame):
        self.frame = frame

    def controls(self):
        self.frame.clearCache()
        return children(self.frame)

    def squares(self):
        return {c.name: c for c in self.controls() if c.getRole() == pyatspi.ROLE_PANEL}

    def counts(self):
        squares = self.squares()
        counts = []
        for pit in range(1, 17):
            square = squares.get(pit_name(pit))
            check(square is not None, "no panel named %r" % pit_name(pit))
            labels = children(square)
            check(len(labels) == 1 and labels[0].getRole() == pyatspi.ROLE_LABEL,
                  "%r does not hold exactly one label" % pit_name(pit))
            counts.append(labels[0].name)
        return counts

    def free_labels(self):
        """The clock and the status line, told apart by their texts: the
        clock's has the shape hh:mm:ss, and "Player1" and "Player2" never
        change."""
        labels = [c.name for c in self.controls() if c.getRole() == pyatspi.ROLE_LABEL]
        check(len(labels) == 4 and "Player1" in labels and "Player2" in labels,
              "free labels read as %r" % labels)
        clocks = [name for name in labels if CLOCK.fullmatch(name)]
        check(len(clocks) == 1, "no single clock among %r" % labels)
        status = [name for name in labels if name not in ("Player1", "Player2", clocks[0])]
        return status[0], clocks[0]

    def status(self):
        return self.free_labels()[0]

    def clock(self):
        return self.free_labels()[1]


def click(window, x, y):
    subprocess.run(["xdotool", "mousemove", "--window", window, str(x), str(y), "click", "1"],
                   check=True, timeout=10)


def main():
    window = sys.argv[1]
    frame = wait_for("the game's window on the accessibility bus", find_frame)
    check(frame.getRole() == pyatspi.ROLE_FRAME, "the main window is a %s, not a frame"
          % frame.getRoleName())
    board = Board(frame)

    buttons = {c.name: c for c in board.controls() if c.getRole() == pyatspi.ROLE_PUSH_BUTTON}
    check(sorted(buttons) == sorted(BUTTONS), "buttons read as %r" % sorted(buttons))
    for name, description in BUTTONS.items():
        check(buttons[name].description == description,
              "%r describes itself as %r" % (name, buttons[name].description))
        check(buttons[name].getState().contains(pyatspi.STATE_FOCUSABLE),
              "%r cannot take the focus" % name)
    check(board.counts() == ["00"] * 16, "counts at start-up: %r" % board.counts())
    check(board.status() == "Welcome to Kalvoro 1.0", "status at start-up: %r" % board.status())
    check(board.clock() == "00:00:00", "clock at start-up: %r" % board.clock())

    # What a reader hears: each label that takes a new text announces it.
    heard = []

    def on_name_change(event):
        heard.append(event.source.name)

    pyatspi.Registry.registerEventListener(on_name_change,
                                           "object:property-change:accessible-name")
    pump(0.5)

    click(window, 60, 256)  # Play Game
    expected = [str(n) for n in OPENING]
    wait_for("the opening position", lambda: board.counts() == expected)
    wait_for("player one's turn", lambda: board.status() == "Player one Turn")
    wait_for("the start announced", lambda: "Player one Turn" in heard and "7" in heard)

    del heard[:]
    click(window, 161, 196)  # pit 3's count
    expected = [str(n) for n in AFTER_PIT_3]
    wait_for("the counts after pit 3", lambda: board.counts() == expected)
    wait_for("player two's turn", lambda: board.status() == "Player two Turn")
    wait_for("the move announced",
             lambda: "Player two Turn" in heard and "8" in heard and "1" in heard)
    # The clock ticks once a second while the game runs.
    wait_for("the clock ticking", lambda: board.clock() != "00:00:00", 5)

    pyatspi.Registry.deregisterEventListener(on_name_change,
                                             "object:property-change:accessible-name")
    print("PASS: names, descriptions, counts, status and clock read over AT-SPI")


if __name__ == "__main__":
    try:
        main()
    except Failed as failure:
        print("FAIL: %s" % failure)
        sys.exit(1)
