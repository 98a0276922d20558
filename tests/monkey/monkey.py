#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A monkey for the real game on a real X server of its own.

It drives the shipped executable with real pointer events (xdotool): moves
and clicks over pit labels, over the squares' rims outside them, over the
bands and the background, over the buttons, through the settings message and
the about window. Every event that reaches the game is written to a script
for the replay driver; at checkpoints the window must show what the replay
of that script shows: the sixteen counts, the status line, the colours of
each square and count. The clock runs in real time and is not compared.

    private-desktop --a11y -- monkey.py --game build/ui/kalvora
        --replay build/tools/kalvora-replay --layout build/tools/kalvora-layout
        [--events 2000] [--seed N] [--checkpoint-every 100]

Without --seed a fresh one is drawn. The seed is printed first and with a
failure; the same seed sends the same events. Exit status 0 passed, 1 failed,
77 skipped (a tool is missing).
"""

import argparse
import collections
import os
import random
import subprocess
import sys
import time

# Run from the source tree: leave no compiled files in it.
sys.dont_write_bytecode = True
here = os.path.dirname(os.path.abspath(__file__))
sys.path[:0] = [here, os.path.join(here, "..", "support")]

import board_window as board  # noqa: E402
import display_session as ds  # noqa: E402
from window_layout import Layout, Rect  # noqa: E402

SETTINGS_TITLE = r"^Sorry\.\.\.$"
SETTINGS_PROMPT = "Sorry, masih dalam proyek !!"
ABOUT_TITLE = r"^About Tembrel Kalvora$"
ERROR_TITLE = r"^Kalvora$"  # a run-time error's message, headed by the program's name

# Keys that type a character close the about window; these type none.
CLOSING_KEYS = ("Return", "Escape", "space", "BackSpace", "a", "Z", "7")
NON_CLOSING_KEYS = ("Left", "F5", "shift", "ctrl")

# Two presses this close in place and time would make a double click, which
# the game takes as one click (a quick double click on a pit is one move).
DOUBLE_CLICK_DISTANCE = 16
DOUBLE_CLICK_GAP = 0.6


# Seconds between a motion onto a pit label and the next event.
MOTION_PAUSE = 0.02


class Mismatch(AssertionError):
    pass


class Monkey:
    def __init__(self, session, game, window, reader, rng, replay, work_dir, wait):
        self.session = session
        self.game = game
        self.window = window
        self.reader = reader
        self.rng = rng
        self.replay = replay
        self.work_dir = work_dir
        self.wait = wait
        self.layout = reader.layout
        self.origin = reader.origin
        self.pointer = None
        self.about = None  # the open about window's screen rectangle
        self.script = []
        self.sent = collections.Counter()
        self.boxes_seen = 0
        self.checkpoints = 0
        self.checked_lines = 0
        self.last_press = None
        self.about_window = None
        self.sent_last = None
        self.operations = ""
        self.pauses = 0  # waits that kept two clicks from making a double click

    # ---- where the pointer is ------------------------------------------

    def to_screen(self, x, y):
        return self.origin[0] + x, self.origin[1] + y

    def target(self, screen_x, screen_y):
        if self.about and self.about.contains(screen_x, screen_y):
            return ("about", None)
        return self.layout.what_is_at(screen_x - self.origin[0], screen_y - self.origin[1])

    def record(self, line):
        self.script.append(line)

    def settle(self):
        """Round trips to the user-interface thread, each sent after the
        last answer: what was sent before has been handled, so no two
        motions are merged into one. An answer also shows the window alive."""
        for _ in range(3):
            try:
                self.reader.ping()
            except Exception as error:  # GLib's errors, timeouts included
                raise AssertionError("the window stopped answering: %s" % error)
        if self.game.poll() is not None:
            raise AssertionError("the game ended with status %s" % self.game.returncode)

    # ---- events ------------------------------------------------------------

    def move_screen(self, screen_x, screen_y):
        if (screen_x, screen_y) == self.pointer:
            return  # no motion, no event
        self.session.input("mousemove", screen_x, screen_y)
        self.pointer = (screen_x, screen_y)
        kind, what = self.target(screen_x, screen_y)
        self.sent["move " + kind] += 1
        if kind == "label":
            self.record("move %d" % what)
            # The pings of settle() answer on the user-interface thread, which
            # may run before Qt's X reader thread has taken the motion off the
            # socket; two motions read together are merged into one. A short
            # pause lets the reader take this one alone.
            time.sleep(MOTION_PAUSE)
        self.settle()

    def move(self, x, y):
        self.move_screen(*self.to_screen(x, y))

    def near_last_press(self):
        if not self.last_press:
            return False
        _, px, py = self.last_press
        x, y = self.pointer
        return abs(px - x) + abs(py - y) <= DOUBLE_CLICK_DISTANCE

    def double_click_wait(self):
        """How long to wait before a press where the pointer is would no
        longer make a double click with the last one."""
        if not self.near_last_press():
            return 0.0
        return max(0.0, DOUBLE_CLICK_GAP - (time.monotonic() - self.last_press[0]))

    def press(self):
        """A click where the pointer is, and what it sets off."""
        pause = self.double_click_wait()
        if pause > 0:
            self.pauses += 1
            time.sleep(pause)
        x, y = self.pointer
        kind, what = self.target(x, y)
        self.session.input("mousedown", 1, "mouseup", 1)
        self.last_press = (time.monotonic(), x, y)
        self.sent["click " + (what if kind == "button" else kind)] += 1
        if kind == "label":
            self.record("click %d" % what)
        elif kind == "button" and what in ("new1", "stop1", "option1"):
            self.record(what[:-1])
        self.settle()
        if kind == "button" and what == "option1":
            self.dismiss_settings_message()
        elif kind == "button" and what == "about1":
            self.about_shown()
        elif kind == "about":
            self.about_closed()

    def dismiss_settings_message(self):
        box = self.session.wait_for_window(SETTINGS_TITLE, self.wait)
        self.boxes_seen += 1
        contents = self.reader.message_box(self.wait)
        if contents[0] != SETTINGS_PROMPT:
            raise AssertionError("the settings message says %r" % (contents,))
        if len(self.session.find_windows(SETTINGS_TITLE)) != 1:
            raise AssertionError("more than one settings message is open")
        if self.rng.random() < 0.5:
            key = self.rng.choice(("Return", "space", "Escape"))
            self.session.input("windowfocus", "--sync", box)
            self.reader.wait_active("Sorry...", self.wait)
            self.type_key(key)
            self.sent["key settings " + key] += 1
            self.sent_last = "key " + key
        else:
            ok = contents[1]
            self.session.input("mousemove", ok.x + ok.w // 2, ok.y + ok.h // 2,
                               "mousedown", 1, "mouseup", 1)
            self.pointer = (ok.x + ok.w // 2, ok.y + ok.h // 2)
            self.last_press = (time.monotonic(),) + self.pointer
            self.sent["click settings OK"] += 1
            self.sent_last = "click on OK"
        try:
            self.session.wait_until_gone(SETTINGS_TITLE, self.wait)
        except ds.SessionError as error:
            raise AssertionError("%s after %s; box at %s, OK at %s, focus %s" % (
                error, self.sent_last, self.session.geometry(box), contents[1],
                self.session.xdotool("getwindowfocus", "-f").strip()))
        self.settle()
        self.move(*board.NEUTRAL)

    def about_shown(self):
        window = self.session.wait_for_window(ABOUT_TITLE, self.wait)
        if len(self.session.find_windows(ABOUT_TITLE)) != 1:
            raise AssertionError("two about windows are open")
        self.about = Rect(*self.session.geometry(window))
        self.about_window = window

    def about_closed(self):
        self.session.wait_until_gone(ABOUT_TITLE, self.wait)
        self.about = None
        self.settle()
        # The pointer now rests on whatever lay under the about window.
        self.move(*board.NEUTRAL)

    def type_key(self, key):
        # Through the keyboard to the window with the focus; without
        # --window, xdotool would send it to the window it last named.
        self.session.input("key", "--window", 0, key)

    def focus_about(self):
        self.session.input("windowfocus", "--sync", self.about_window)
        self.reader.wait_active("About Tembrel Kalvora", self.wait)

    def close_about_by_key(self):
        if self.rng.random() < 0.3:
            key = self.rng.choice(NON_CLOSING_KEYS)
            self.focus_about()
            self.type_key(key)
            self.sent["key about " + key] += 1
            self.settle()
            if not self.session.find_windows(ABOUT_TITLE):
                raise AssertionError("the key %s closed the about window" % key)
        key = self.rng.choice(CLOSING_KEYS)
        self.focus_about()
        self.type_key(key)
        self.sent["key about " + key] += 1
        self.about_closed()

    # ---- choosing ------------------------------------------------------

    def point_in(self, rect, accept=lambda x, y: True):
        for _ in range(200):
            x = self.rng.randrange(rect.x, rect.x + rect.w)
            y = self.rng.randrange(rect.y, rect.y + rect.h)
            if accept(x, y):
                return x, y
        raise AssertionError("no point found in %r" % rect)

    def pit_to_click(self):
        """Mostly a move the player to move may make, so that games go on to
        their end; otherwise any pit."""
        if self.rng.random() < 0.85:
            counts, status = self.reader.texts()
            row = None
            if status.startswith("Player one Turn"):
                row = range(1, 8)
            elif status.startswith("Player two Turn"):
                row = range(9, 16)
            if row:
                legal = [p for p in row if counts[p] not in ("0", "00")]
                if legal:
                    return self.rng.choice(legal)
        return self.rng.randint(1, 16)

    def label_point(self, pit):
        return self.point_in(self.layout.label_hit(pit))

    def rim_point(self, pit):
        hit = self.layout.label_hit(pit)
        return self.point_in(self.layout.square(pit), lambda x, y: not hit.contains(x, y))

    def elsewhere_point(self, kind):
        if kind == "band":
            rect = self.rng.choice(list(self.layout.bands.values()))
        else:
            rect = self.layout.window
        return self.point_in(rect, lambda x, y: self.layout.what_is_at(x, y)[0] == kind)

    def button_point(self, name):
        rect = self.layout.buttons[name]
        bottom = min(rect.y + rect.h, self.layout.button_click_bottom)
        return self.point_in(Rect(rect.x + 1, rect.y + 1, rect.w - 2, bottom - rect.y - 1))

    def outside_point(self):
        window = Rect(*self.origin, self.layout.window.w, self.layout.window.h)
        return self.point_in(Rect(0, 0, *self.session.screen_size()),
                             lambda x, y: not window.contains(x, y))

    def step(self):
        # A game in play is rarely broken off, so that many run to their
        # end; once none is in play, one is soon started. After a stop the
        # status line still names the player to move.
        playing = self.reader.ping().endswith(" Turn") and self.game_started()
        actions = [
            (30, lambda: self.move(*self.label_point(self.rng.randint(1, 16)))),
            (8, lambda: self.move(*self.rim_point(self.rng.randint(1, 16)))),
            (4, lambda: self.move(*self.elsewhere_point("band"))),
            (4, lambda: self.move(*self.elsewhere_point("background"))),
            (1, lambda: self.move_screen(*self.outside_point())),
            (10, self.press_here),
            (30, lambda: (self.move(*self.label_point(self.pit_to_click())), self.press())),
            (2, lambda: (self.move(*self.rim_point(self.rng.randint(1, 16))), self.press())),
            (2, lambda: (self.move(*self.elsewhere_point(
                self.rng.choice(("band", "background")))), self.press())),
            (0.2 if playing else 5, lambda: self.click_button("new1")),
            (0.1 if playing else 1, lambda: self.click_button("stop1")),
            (0.8, lambda: self.click_button("option1")),
            (0.8, lambda: self.click_button("about1")),
        ]
        if self.about:
            actions += [
                (3, self.close_about_by_key),
                (3, lambda: (self.move_screen(*self.point_in(self.about)), self.press())),
            ]
        total = sum(weight for weight, _ in actions)
        pick = self.rng.uniform(0, total)
        for weight, action in actions:
            pick -= weight
            if pick <= 0:
                action()
                return
        actions[-1][1]()

    def game_started(self):
        """Whether the last of the starts and stops sent was a start."""
        for line in reversed(self.script):
            if line in ("new", "stop"):
                return line == "new"
        return False

    def press_here(self):
        """A click without a move, unless it is where the last click was:
        decided by place alone, so that a seed always sends the same events."""
        if self.near_last_press():
            self.move(*self.label_point(self.rng.randint(1, 16)))
        else:
            self.press()

    def click_button(self, name):
        self.move(*self.button_point(name))
        self.press()

    # ---- checkpoints ----------------------------------------------------

    def script_path(self):
        return os.path.join(self.work_dir, "monkey.script")

    def replayed_screen(self):
        path = self.script_path()
        with open(path, "w") as script:
            script.write("".join(line + "\n" for line in self.script))
        with open(path) as script:
            done = subprocess.run([self.replay], stdin=script, capture_output=True,
                                  timeout=120)
        if done.returncode != 0:
            raise AssertionError("the replay driver failed (%d): %s"
                                 % (done.returncode, done.stderr.decode()))
        self.operations = done.stdout.decode()
        return board.expected_screen(self.operations, self.layout)

    def shown_screen(self):
        shown = board.Screen(self.layout)
        shown.counts, shown.status = self.reader.texts()
        board.read_colours(self.session, self.layout, self.origin, shown)
        shown.message_boxes = self.boxes_seen
        return shown

    @staticmethod
    def differences(expected, shown):
        found = []
        for pit in board.PITS:
            if expected.counts[pit] != shown.counts[pit]:
                found.append("pit %d count: replay %r, window %r"
                             % (pit, expected.counts[pit], shown.counts[pit]))
            if expected.back[pit] != shown.back[pit]:
                found.append("pit %d square: replay %s, window %s"
                             % (pit, expected.back[pit], shown.back[pit]))
            if expected.fore[pit] != shown.fore[pit]:
                found.append("pit %d text colour: replay %s, window %s"
                             % (pit, expected.fore[pit], shown.fore[pit]))
        if expected.status != shown.status:
            found.append("status: replay %r, window %r" % (expected.status, shown.status))
        if expected.message_boxes != shown.message_boxes:
            found.append("settings messages: replay %d, window %d"
                         % (expected.message_boxes, shown.message_boxes))
        return found

    def checkpoint(self):
        """The window must come to show what the replay shows; painting may
        lag behind the texts, so it gets a generous while to do so."""
        if self.about:
            return False  # it covers squares; the next checkpoint compares
        self.session.xdotool("getwindowname", self.window)
        if self.session.find_windows(ERROR_TITLE):
            raise AssertionError("the program shows an error message: %r"
                                 % (self.reader.message_box(self.wait)[0],))
        expected = self.replayed_screen()
        deadline = time.monotonic() + self.wait
        while True:
            found = self.differences(expected, self.shown_screen())
            if not found:
                break
            if time.monotonic() > deadline:
                start = self.checked_lines
                raise Mismatch(
                    "window and replay differ after %d script lines:\n  %s\n"
                    "script: %s (lines %d..%d are new since the last good checkpoint)"
                    % (len(self.script), "\n  ".join(found), self.script_path(),
                       start + 1, len(self.script)))
            time.sleep(0.1)
        self.checkpoints += 1
        self.checked_lines = len(self.script)
        return True

    def run(self, events, every, max_seconds):
        started = time.monotonic()
        self.move(*board.NEUTRAL)
        self.checkpoint()
        done = 0
        due = every
        while done < events:
            if time.monotonic() - started > max_seconds:
                print("time limit of %gs reached after %d events" % (max_seconds, done))
                break
            self.step()
            done += 1
            if done >= due and self.checkpoint():
                due = done + every
        if self.about:
            self.close_about_by_key()
        self.checkpoint()
        return done, time.monotonic() - started


def close_game(session, monkey, rng, wait):
    """Closes the main window as a window manager's close box would, now and
    then with the about window still open: the program must go on until that
    one is closed too, then end with status 0."""
    with_about = rng.random() < 0.5
    if with_about:
        monkey.click_button("about1")
    session.request_close(monkey.window)
    session.wait_until_gone(monkey.layout.title_pattern, wait)
    if with_about:
        try:
            monkey.reader.ping_program()
        except Exception as error:
            raise AssertionError("the program stopped answering when its main window closed "
                                 "with the about window open: %s" % error)
        if monkey.game.poll() is not None:
            raise AssertionError("the program ended while the about window was open")
        if not session.find_windows(ABOUT_TITLE):
            raise AssertionError("closing the main window closed the about window")
        about = monkey.about
        session.input("mousemove", about.x + about.w // 2, about.y + about.h // 2,
                      "mousedown", 1, "mouseup", 1)
    try:
        status = monkey.game.wait(timeout=wait)
    except subprocess.TimeoutExpired:
        raise AssertionError("the program did not end within %gs of its last window closing"
                             % wait)
    if status != 0:
        raise AssertionError("the program ended with status %d" % status)
    return with_about


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--game", required=True, help="the kalvora executable")
    parser.add_argument("--replay", required=True, help="the kalvora-replay executable")
    parser.add_argument("--layout", required=True, help="the kalvora-layout executable")
    parser.add_argument("--events", type=int, default=2000)
    parser.add_argument("--seed", type=int, default=None)
    parser.add_argument("--checkpoint-every", type=int, default=100)
    parser.add_argument("--max-seconds", type=float, default=150.0,
                        help="stop sending events after this long (the run still checks)")
    parser.add_argument("--wait", type=float, default=30.0,
                        help="how long a window may take to appear, answer or repaint")
    parser.add_argument("--work-dir", default=None,
                        help="keep the script and logs here, not in one that goes with the desktop")
    args = parser.parse_args()

    ds.check_desktop(("pyatspi", "python3-pyatspi"), ("Xlib", "python3-xlib"))
    seed = args.seed if args.seed is not None else random.SystemRandom().randrange(2 ** 31)
    rerun = "rerun with --seed %d --events %d" % (seed, args.events)
    print("seed %d (%s)" % (seed, rerun), flush=True)
    rng = random.Random(seed)

    session = ds.Session(args.work_dir)
    monkey = None
    try:
        game = session.launch([args.game], "game.log")
        layout = Layout(args.layout)
        window = session.wait_for_window(layout.title_pattern, args.wait)
        reader = board.WindowReader(session, layout, window, game.pid, args.wait)
        monkey = Monkey(session, game, window, reader, rng, args.replay, session.dir, args.wait)
        sent, seconds = monkey.run(args.events, args.checkpoint_every, args.max_seconds)
        with_about = close_game(session, monkey, rng, args.wait)
    except (AssertionError, ds.SessionError) as failure:
        print("FAIL (seed %d, %s): %s" % (seed, rerun, failure))
        if monkey is not None and not isinstance(failure, Mismatch):
            print("script so far: %s (%d lines)" % (monkey.script_path(), len(monkey.script)))
            with open(monkey.script_path(), "w") as script:
                script.write("".join(line + "\n" for line in monkey.script))
        print("game output:\n" + session.log_text("game.log"))
        return 1

    lines = collections.Counter(line.split()[0] for line in monkey.script)
    results = collections.Counter(
        line.split('"')[1] for line in monkey.operations.splitlines()
        if line.startswith('caption statuslbl "The '))
    print("seed %d: %d events in %.1fs, %d checkpoints compared, %d settings messages"
          % (seed, sent, seconds, monkey.checkpoints, monkey.boxes_seen))
    print("sent: " + ", ".join("%s %d" % item for item in sorted(monkey.sent.items())))
    print("pauses before a click in the same place: %d" % monkey.pauses)
    print("reached the game: " + ", ".join("%s %d" % item for item in sorted(lines.items())))
    print("games played to the end: %d (%s)" % (
        sum(results.values()), ", ".join("%s %d" % item for item in sorted(results.items()))))
    if args.work_dir:
        print("script: %s (%d lines)" % (monkey.script_path(), len(monkey.script)))
    print("closed %s the about window open; exit status 0"
          % ("with" if with_about else "without"))
    print("PASS")
    return 0


if __name__ == "__main__":
    sys.exit(main())
