# SPDX-License-Identifier: GPL-3.0-or-later
"""Where the main window's controls lie, in window pixels, and the colours its
pits start in, as kalvora-layout prints them: the one source for every
position a test aims at."""

import os
import re
import subprocess

PITS = range(1, 17)
STORES = (8, 16)
EDGE = 2  # the sunken edge of a square; its label is clipped to the inside

# A tooltip opens 16 pixels below a pointer that rests on a button; clicks
# stay above the line that far below the buttons' top, where no tooltip can
# take them.
TOOLTIP_DROP = 16


def hex_to_rgb(bgr_hex):
    """&HBBGGRR as the replay driver and kalvora-layout print it, to (r, g, b)."""
    value = int(bgr_hex, 16)
    return (value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF)


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


class Layout:
    """Where the main window's controls lie, as kalvora-layout prints them,
    and the words they show or speak, as kalvora-layout --texts prints them."""

    def __init__(self, tool):
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        out = subprocess.run([tool], env=env, capture_output=True, check=True, timeout=60).stdout
        self.rects = {}
        self.colours = {}
        for number, line in enumerate(out.decode().splitlines(), 1):
            words = line.split()
            if words[:1] == ["colour"]:
                if len(words) != 3 or not re.fullmatch(r"[0-9A-F]{6}", words[2]):
                    raise ValueError("%s, line %d: expected colour NAME BBGGRR, got %r"
                                     % (tool, number, line))
                self.colours[words[1]] = hex_to_rgb(words[2])
                continue
            if len(words) != 5 or not all(w.lstrip("-").isdigit() for w in words[1:]):
                raise ValueError("%s, line %d: expected NAME LEFT TOP WIDTH HEIGHT, got %r"
                                 % (tool, number, line))
            self.rects[words[0]] = Rect(*map(int, words[1:]))
        self.texts = {}
        out = subprocess.run([tool, "--texts"], env=env, capture_output=True, check=True,
                             timeout=60).stdout
        for number, line in enumerate(out.decode().splitlines(), 1):
            words = line.split("\t")
            if len(words) != 3:
                raise ValueError("%s --texts, line %d: expected NAME, WORDS and TOOLTIP apart "
                                 "by tabs, got %r" % (tool, number, line))
            self.texts[words[0]] = (words[1], words[2])
        self.title = self.texts["Form1"][0]
        # The title as a pattern that matches it alone, for window searches.
        self.title_pattern = "^" + re.escape(self.title) + "$"
        self.window = self.rects["Form1"]
        self.buttons = {name: self.rects[name] for name in ("new1", "stop1", "option1", "about1")}
        self.bands = {name: self.rects[name] for name in ("Shape1", "Shape2", "Shape3")}
        self.status = self.rects["statuslbl"]
        self.button_click_bottom = min(b.y for b in self.buttons.values()) + TOOLTIP_DROP

    def square(self, pit):
        return self.rects["box%d" % pit]

    def label(self, pit):
        """The label's own rectangle, which may jut out over the square's edge."""
        return self.rects["angka%d" % pit]

    def label_hit(self, pit):
        """Where the pointer is over the label: the label inside its square's edge."""
        return self.label(pit).intersected(self.square(pit).shrunk(EDGE))

    def what_is_at(self, x, y):
        """("label", pit), ("rim", pit), ("button", name), ("band", name),
        ("background", None) inside the window, ("outside", None) beyond it."""
        if not self.window.contains(x, y):
            return ("outside", None)
        for pit in PITS:
            if self.square(pit).contains(x, y):
                return ("label", pit) if self.label_hit(pit).contains(x, y) else ("rim", pit)
        for kind, rects in (("button", self.buttons), ("band", self.bands)):
            for name, rect in rects.items():
                if rect.contains(x, y):
                    return (kind, name)
        return ("background", None)

    def background_sample(self, pit):
        """Points of a square's inside that no digit of its count can reach."""
        s = self.square(pit)
        if pit in STORES:
            return [(s.x + 28, s.y + EDGE + 2), (s.x + 6, s.y + s.h - EDGE - 2)]
        return [(s.x + EDGE + 1, s.y + s.h - EDGE - 1), (s.x + 16, s.y + s.h - EDGE - 1)]
