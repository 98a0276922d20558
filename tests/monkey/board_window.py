# SPDX-License-Identifier: GPL-3.0-or-later
"""The main window as a user sees it: what it shows, read through its
accessibility interface (texts) and from the screen's pixels (colours), and
what it should show after a replay.

Positions are window client pixels unless a name says "screen".
"""

import re
import time

from window_layout import PITS, Rect, hex_to_rgb

WELCOME = "Welcome to Kalvoro 1.0"

NEUTRAL = (10, 150)  # plain background left of store 16


class Screen:
    """What the window should show, or shows: counts, status, colours."""

    def __init__(self, layout):
        self.counts = {pit: "00" for pit in PITS}
        self.status = WELCOME
        self.fore = {pit: layout.colours["white"] for pit in PITS}
        self.fore[8] = layout.colours["player-one"]
        self.fore[16] = layout.colours["player-two"]
        self.back = {pit: layout.colours["grey"] for pit in PITS}
        self.message_boxes = 0


_OPERATION = re.compile(
    r'^(?:caption angka (\d+) "(.*)"|caption statuslbl "(.*)"|forecolor angka (\d+) ([0-9A-F]{6})'
    r'|backcolor box (\d+) ([0-9A-F]{6})|msgbox .*|caption timelbl .*|timer (?:on|off)'
    r'|show frmAbout)$')


def expected_screen(operations, layout):
    """The screen after a replay, from the display operations it printed."""
    screen = Screen(layout)
    for line in operations.splitlines():
        if line.startswith("state "):
            continue
        match = _OPERATION.match(line)
        if not match:
            raise ValueError("unexpected replay output: %r" % line)
        pit, text, status, fore_pit, fore, back_pit, back = match.groups()
        if pit:
            screen.counts[int(pit)] = text
        elif status is not None:
            screen.status = status
        elif fore_pit:
            screen.fore[int(fore_pit)] = hex_to_rgb(fore)
        elif back_pit:
            screen.back[int(back_pit)] = hex_to_rgb(back)
        elif line.startswith("msgbox "):
            screen.message_boxes += 1
    return screen


class WindowReader:
    """Reads the game's window over AT-SPI; every read is a round trip to the
    program's user-interface thread, so a read that answers also shows that
    the program is alive and has handled what was sent before."""

    def __init__(self, session, layout, window, pid, timeout):
        import pyatspi
        from gi.repository import Atspi
        self._pyatspi = pyatspi
        self.session = session
        self.layout = layout
        self.window = window
        pyatspi.setTimeout(int(timeout * 1000), int(timeout * 1000))
        self.origin = session.geometry(window)[:2]
        self.app = self._find_application(pid, timeout)
        # Never answer from a cache: every read must reach the program.
        self.app.set_cache_mask(Atspi.Cache.NONE)
        self.frame = self._find_frame(timeout)
        self.pit_labels, self.status_label = self._find_labels()

    def _find_application(self, pid, timeout):
        desktop = self._pyatspi.Registry.getDesktop(0)
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            for i in range(desktop.childCount):
                app = desktop.getChildAtIndex(i)
                if app is not None and app.get_process_id() == pid:
                    return app
            time.sleep(0.1)
        raise AssertionError("the program never appeared on the accessibility bus")

    def _find_frame(self, timeout):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            for i in range(self.app.childCount):
                child = self.app.getChildAtIndex(i)
                if child is not None and child.name == self.layout.title:
                    return child
            time.sleep(0.1)
        raise AssertionError("no accessible window named %r" % self.layout.title)

    def _extents(self, accessible):
        x, y, w, h = accessible.queryComponent().getExtents(self._pyatspi.DESKTOP_COORDS)
        return Rect(x - self.origin[0], y - self.origin[1], w, h)

    def _find_labels(self):
        """Pit labels by their squares' places, and the status line by its
        place, checked against the layout."""
        pits = {}
        status = None
        for i in range(self.frame.childCount):
            child = self.frame.getChildAtIndex(i)
            where = self._extents(child)
            if child.childCount == 1:
                found = [p for p in PITS if self.layout.square(p).tuple() == where.tuple()]
                if not found:
                    raise AssertionError("a square at %r is not where the layout has one" % where)
                pit = found[0]
                inner = child.getChildAtIndex(0)
                if self._extents(inner).tuple() != self.layout.label(pit).tuple():
                    raise AssertionError("pit %d's label is at %r, not %r"
                                         % (pit, self._extents(inner), self.layout.label(pit)))
                pits[pit] = inner
            elif child.getRoleName() == "label" and where.tuple() == self.layout.status.tuple():
                status = child
        if sorted(pits) != list(PITS):
            raise AssertionError("pit labels found: %s" % sorted(pits))
        if status is None:
            raise AssertionError("no status line at %r" % self.layout.status)
        return pits, status

    def ping(self):
        """One round trip to the program's user-interface thread."""
        return self.status_label.name

    def ping_program(self):
        """A round trip that needs no window of the program."""
        return self.app.name

    def texts(self):
        counts = {pit: self.pit_labels[pit].name for pit in PITS}
        return counts, self.status_label.name

    def wait_active(self, title, timeout):
        """Waits until the program takes the window with this title for its
        active one: only then do its keys go there and not to the window
        that had the focus before."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            for i in range(self.app.childCount):
                child = self.app.getChildAtIndex(i)
                if (child is not None and child.name == title
                        and child.getState().contains(self._pyatspi.STATE_ACTIVE)):
                    return
            time.sleep(0.02)
        raise AssertionError("the window %r never became active" % title)

    def message_box(self, timeout):
        """(text, OK button's screen rectangle) of the open alert, once it
        shows both."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            for i in range(self.app.childCount):
                child = self.app.getChildAtIndex(i)
                if child is not None and child.getRoleName() == "alert":
                    text, ok = self._alert_contents(child)
                    if text and ok is not None:
                        return text, ok
            time.sleep(0.05)
        raise AssertionError("no message box with a text and an OK button")

    def _alert_contents(self, alert):
        texts, ok = [], None
        pending = [alert]
        while pending:
            node = pending.pop()
            for i in range(node.childCount):
                child = node.getChildAtIndex(i)
                if child is None:
                    continue
                role = child.getRoleName()
                if role == "label":
                    texts.append(child.name)
                elif role == "push button" and child.name == "OK":
                    x, y, w, h = child.queryComponent().getExtents(self._pyatspi.DESKTOP_COORDS)
                    ok = Rect(x, y, w, h)
                pending.append(child)
        return " ".join(texts), ok


def read_colours(session, layout, origin, screen):
    """Fills screen.back and screen.fore from the pixels of each pit: the
    square's colour where no digit reaches, and the text colour as the pixel
    of the label furthest from that background, inside the dotted frame of a
    focus the keyboard brought, which lies one pixel inside the edge."""
    ox, oy = origin
    pixels = session.pixels(ox, oy, layout.window.w, layout.window.h)
    for pit in PITS:
        samples = {pixels[y][x] for x, y in layout.background_sample(pit)}
        screen.back[pit] = samples.pop() if len(samples) == 1 else None
        hit = layout.label_hit(pit).shrunk(2)
        back = screen.back[pit] or layout.colours["grey"]
        furthest, distance = back, -1
        for y in range(hit.y, hit.y + hit.h):
            for x in range(hit.x, hit.x + hit.w):
                p = pixels[y][x]
                d = sum(abs(a - b) for a, b in zip(p, back))
                if d > distance:
                    furthest, distance = p, d
        screen.fore[pit] = furthest
    return screen
