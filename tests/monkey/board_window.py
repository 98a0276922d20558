"""The main window as a user sees it: where things are, what lies under a
point, and what the window shows, read through its accessibility interface
(texts) and from the screen's pixels (colours).

Positions are window client pixels unless a name says "screen".
"""

import re
import time

TITLE = "Tembrel - Kalvoro 1.0"
WINDOW_SIZE = (400, 300)
PITS = range(1, 17)
STORES = (8, 16)
EDGE = 2  # the sunken edge of a square; its label is clipped to the inside

GREY = (0x80, 0x80, 0x80)
WHITE = (0xFF, 0xFF, 0xFF)

WELCOME = "Welcome to Kalvoro 1.0"


class Rect:
    __slots__ = ("x", "y", "w", "h")

    def __init__(self, x, y, w, h):
        self.x, self.y, self.w, self.h = x, y, w, h

    def contains(self, x, y):
        return self.x <= x < self.x + self.w and self.y <= y < self.y + self.h

    def intersected(self, other):
        left, top = max(self.x, other.x), max(self.y, other.y)
        right = min(self.x + self.w, other.x + other.w)
        bottom = min(self.y + self.h, other.y + other.h)
        return Rect(left, top, max(0, right - left), max(0, bottom - top))

    def shrunk(self, by):
        return Rect(self.x + by, self.y + by, self.w - 2 * by, self.h - 2 * by)

    def tuple(self):
        return (self.x, self.y, self.w, self.h)

    def __repr__(self):
        return "Rect(%d, %d, %d, %d)" % self.tuple()


def square(pit):
    if 1 <= pit <= 7:
        return Rect(64 + 40 * (pit - 1), 184, 33, 25)
    if 9 <= pit <= 15:
        return Rect(304 - 40 * (pit - 9), 96, 33, 25)
    return Rect(312, 128, 57, 49) if pit == 8 else Rect(32, 128, 57, 49)


def label(pit):
    """The label's own rectangle, which may jut out over the square's edge."""
    s = square(pit)
    if pit == 8:
        return Rect(s.x + EDGE, s.y + EDGE + 5, 55, 36)
    if pit == 16:
        return Rect(s.x + EDGE + 1, s.y + EDGE + 5, 55, 36)
    return Rect(s.x + EDGE, s.y + EDGE, 31, 20)


def label_hit(pit):
    """Where the pointer is over the label: the label inside its square's edge."""
    return label(pit).intersected(square(pit).shrunk(EDGE))


BUTTONS = {
    "new1": Rect(24, 240, 73, 33),
    "stop1": Rect(104, 240, 73, 33),
    "option1": Rect(184, 240, 65, 33),
    "about1": Rect(256, 240, 65, 33),
}

# A tooltip opens 16 pixels below a pointer that rests on a button; clicks
# stay above that line, where no tooltip can take them.
BUTTON_CLICK_BOTTOM = 256

BANDS = {
    "Shape1": Rect(56, 88, 289, 41),
    "Shape2": Rect(56, 176, 289, 41),
    "Shape3": Rect(96, 136, 209, 33),
}

NEUTRAL = (10, 150)  # plain background left of store 16


def what_is_at(x, y):
    """("label", pit), ("rim", pit), ("button", name), ("band", name),
    ("background", None) inside the window, ("outside", None) beyond it."""
    if not (0 <= x < WINDOW_SIZE[0] and 0 <= y < WINDOW_SIZE[1]):
        return ("outside", None)
    for pit in PITS:
        if square(pit).contains(x, y):
            return ("label", pit) if label_hit(pit).contains(x, y) else ("rim", pit)
    for name, rect in BUTTONS.items():
        if rect.contains(x, y):
            return ("button", name)
    for name, rect in BANDS.items():
        if rect.contains(x, y):
            return ("band", name)
    return ("background", None)


def background_sample(pit):
    """Points of a square's inside that no digit of its count can reach."""
    s = square(pit)
    if pit in STORES:
        return [(s.x + 28, s.y + EDGE + 2), (s.x + 6, s.y + s.h - EDGE - 2)]
    return [(s.x + EDGE + 1, s.y + s.h - EDGE - 1), (s.x + 16, s.y + s.h - EDGE - 1)]


def hex_to_rgb(bgr_hex):
    """&HBBGGRR as the replay driver prints it, to (r, g, b)."""
    value = int(bgr_hex, 16)
    return (value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF)


class Screen:
    """What the window should show, or shows: counts, status, colours."""

    def __init__(self):
        self.counts = {pit: "00" for pit in PITS}
        self.status = WELCOME
        self.fore = {pit: (0xFF, 0xFF, 0xFF) for pit in PITS}
        self.fore[8] = (0x00, 0xC0, 0x00)
        self.fore[16] = (0x80, 0x80, 0xFF)
        self.back = {pit: GREY for pit in PITS}
        self.message_boxes = 0


_OPERATION = re.compile(
    r'^(?:caption angka (\d+) "(.*)"|caption statuslbl "(.*)"|forecolor angka (\d+) ([0-9A-F]{6})'
    r'|backcolor box (\d+) ([0-9A-F]{6})|msgbox .*|caption timelbl .*|timer (?:on|off)'
    r'|show frmAbout)$')


def expected_screen(operations):
    """The screen after a replay, from the display operations it printed."""
    screen = Screen()
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

    def __init__(self, session, window, pid, timeout):
        import pyatspi
        from gi.repository import Atspi
        self._pyatspi = pyatspi
        self.session = session
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
                if child is not None and child.name == TITLE:
                    return child
            time.sleep(0.1)
        raise AssertionError("no accessible window named %r" % TITLE)

    def _extents(self, accessible):
        x, y, w, h = accessible.queryComponent().getExtents(self._pyatspi.DESKTOP_COORDS)
        return Rect(x - self.origin[0], y - self.origin[1], w, h)

    def _find_labels(self):
        """Pit labels by their squares' places, and the status line by its
        place, checked against the layout this monkey aims at."""
        pits = {}
        status = None
        for i in range(self.frame.childCount):
            child = self.frame.getChildAtIndex(i)
            where = self._extents(child)
            if child.childCount == 1:
                found = [p for p in PITS if square(p).tuple() == where.tuple()]
                if not found:
                    raise AssertionError("a square at %r is not where the layout has one" % where)
                pit = found[0]
                inner = child.getChildAtIndex(0)
                if self._extents(inner).tuple() != label(pit).tuple():
                    raise AssertionError("pit %d's label is at %r, not %r"
                                         % (pit, self._extents(inner), label(pit)))
                pits[pit] = inner
            elif child.getRoleName() == "label" and (where.x, where.y) == (8, 280):
                status = child
        if sorted(pits) != list(PITS):
            raise AssertionError("pit labels found: %s" % sorted(pits))
        if status is None:
            raise AssertionError("no status line at (8, 280)")
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


def read_colours(session, origin, screen):
    """Fills screen.back and screen.fore from the pixels of each pit: the
    square's colour where no digit reaches, and the text colour as the pixel
    of the label furthest from that background."""
    ox, oy = origin
    pixels = session.pixels(ox, oy, WINDOW_SIZE[0], WINDOW_SIZE[1])
    for pit in PITS:
        samples = {pixels[y][x] for x, y in background_sample(pit)}
        screen.back[pit] = samples.pop() if len(samples) == 1 else None
        hit = label_hit(pit)
        back = screen.back[pit] or GREY
        furthest, distance = back, -1
        for y in range(hit.y, hit.y + hit.h):
            for x in range(hit.x, hit.x + hit.w):
                p = pixels[y][x]
                d = sum(abs(a - b) for a, b in zip(p, back))
                if d > distance:
                    furthest, distance = p, d
        screen.fore[pit] = furthest
    return screen
