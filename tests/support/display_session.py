# SPDX-License-Identifier: GPL-3.0-or-later
"""The private desktop a test runs on (tests/support/private-desktop --a11y),
seen from Python: programs started on it, pointer and keyboard input through
xdotool, windows found by title, and the screen's pixels.

The launcher ends everything started here when the test ends.
"""

import importlib.util
import os
import select
import subprocess
import sys
import tempfile
import time

SKIPPED = 77  # CTest's SKIP_RETURN_CODE


class SessionError(Exception):
    """The desktop or a program on it did not behave: the test fails."""


def check_desktop(*modules):
    """Stops the test unless it runs on a private desktop: skipped where a
    module (name, Debian package) is missing, refused on a desktop in use."""
    # Looked up, not imported: pyatspi would reach for a session bus now.
    missing = [package for module, package in modules if importlib.util.find_spec(module) is None]
    if missing:
        print("SKIP: not installed: " + ", ".join(missing))
        sys.exit(SKIPPED)
    if not os.environ.get("PRIVATE_DESKTOP") or os.environ["PRIVATE_DESKTOP"] != os.environ.get(
            "DISPLAY"):
        sys.exit("run through tests/support/private-desktop --a11y, not on a desktop in use")


class Session:
    def __init__(self, work_dir=None):
        if work_dir:
            os.makedirs(work_dir, exist_ok=True)
        self.dir = work_dir or tempfile.mkdtemp()
        self._x = None
        self._xdo = None

    def launch(self, argv, log_name):
        """A Qt program on this display, with its accessibility bridge on."""
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        with open(os.path.join(self.dir, log_name), "wb") as log:
            return subprocess.Popen(argv, stdin=subprocess.DEVNULL, stdout=log,
                                    stderr=subprocess.STDOUT, env=env)

    def log_text(self, name):
        try:
            with open(os.path.join(self.dir, name), "rb") as log:
                return log.read().decode(errors="replace")
        except OSError:
            return ""

    # ---- X requests --------------------------------------------------------

    def input(self, *commands, timeout=30.0):
        """Pointer and keyboard commands for xdotool, through one xdotool that
        reads them line by line: a program start per event would cost more
        than the event. Returns when the X server has carried them out."""
        if self._xdo is None or self._xdo.poll() is not None:
            with open(os.path.join(self.dir, "xdotool.log"), "wb") as log:
                self._xdo = subprocess.Popen(["stdbuf", "-oL", "xdotool", "-"],
                                             stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                             stderr=log)
        # Asking for the focus is a round trip: the answer comes after the
        # server has carried out everything before it. (getmouselocation
        # would also read the properties of the window under the pointer,
        # which may be gone by then.) A line of its own, as "key" takes the
        # rest of its line for keys.
        line = " ".join(str(c) for c in commands) + "\ngetwindowfocus -f\n"
        try:
            self._xdo.stdin.write(line.encode())
            self._xdo.stdin.flush()
        except OSError:
            raise SessionError("xdotool ended before: " + line.strip())
        answer = b""
        deadline = time.monotonic() + timeout
        fd = self._xdo.stdout.fileno()
        while not answer.endswith(b"\n"):
            ready, _, _ = select.select([fd], [], [], max(0.0, deadline - time.monotonic()))
            if not ready:
                raise SessionError("xdotool did not carry out %r within %gs"
                                   % (line.strip(), timeout))
            chunk = os.read(fd, 4096)
            if not chunk:
                raise SessionError("xdotool ended on: " + line.strip())
            answer += chunk
        if not answer.split()[-1].isdigit():
            raise SessionError("xdotool answered %r to %r" % (answer, line.strip()))

    def xdotool(self, *args, timeout=30.0):
        """Runs xdotool on this display; its output, or SessionError."""
        argv = ["xdotool"] + [str(a) for a in args]
        command = " ".join(argv)
        try:
            done = subprocess.run(argv, stdin=subprocess.DEVNULL, capture_output=True,
                                  timeout=timeout)
        except subprocess.TimeoutExpired:
            raise SessionError("%s did not return within %gs" % (command, timeout))
        if done.returncode != 0:
            raise SessionError("%s failed: %s" % (command, done.stderr.decode().strip()))
        return done.stdout.decode()

    def find_windows(self, name_pattern):
        """Visible top-level windows whose title matches the pattern."""
        try:
            out = self.xdotool("search", "--onlyvisible", "--name", name_pattern)
        except SessionError:
            return []  # xdotool search fails when nothing matches
        return [int(w) for w in out.split()]

    def wait_for_window(self, name_pattern, timeout):
        deadline = time.monotonic() + timeout
        while not self.find_windows(name_pattern):
            if time.monotonic() > deadline:
                raise SessionError("no window named %r within %gs" % (name_pattern, timeout))
            time.sleep(0.1)
        return self.find_windows(name_pattern)[0]

    def wait_until_gone(self, name_pattern, timeout):
        deadline = time.monotonic() + timeout
        while self.find_windows(name_pattern):
            if time.monotonic() > deadline:
                raise SessionError("window %r still open after %gs" % (name_pattern, timeout))
            time.sleep(0.05)

    def geometry(self, window):
        """(x, y, width, height) of a window on the screen."""
        values = dict(line.partition("=")[::2] for line in
                      self.xdotool("getwindowgeometry", "--shell", window).splitlines())
        return tuple(int(values[key]) for key in ("X", "Y", "WIDTH", "HEIGHT"))

    def screen_size(self):
        return tuple(int(n) for n in self.xdotool("getdisplaygeometry").split())

    def _xlib(self):
        if self._x is None:
            import Xlib.display
            self._x = Xlib.display.Display()
        return self._x

    def request_close(self, window):
        """What a window manager's close box does: WM_DELETE_WINDOW."""
        from Xlib import X
        from Xlib.protocol import event
        x = self._xlib()
        target = x.create_resource_object("window", window)
        protocols = x.intern_atom("WM_PROTOCOLS")
        message = event.ClientMessage(
            window=target, client_type=protocols,
            data=(32, [x.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0]))
        target.send_event(message, event_mask=X.NoEventMask)
        x.sync()

    def pixels(self, x, y, width, height):
        """The screen's pixels in a rectangle, as rows of (r, g, b). The
        screen is 24 bits deep, so each pixel comes as four bytes: B, G, R
        and one unused."""
        from Xlib import X
        root = self._xlib().screen().root
        data = root.get_image(x, y, width, height, X.ZPixmap, 0xFFFFFFFF).data
        stride = len(data) // height
        rows = []
        for row in range(height):
            line = data[row * stride: row * stride + 4 * width]
            rows.append([(line[i + 2], line[i + 1], line[i]) for i in range(0, 4 * width, 4)])
        return rows
