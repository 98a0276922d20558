"""A private desktop for one test: an X server, a session bus with the
accessibility bus behind it, and the programs the test launches on them.

Nothing of the caller's environment is used: no display, no session bus.
Every process started here is ended when the session closes, and dies with
the test if the test itself is killed.
"""

import ctypes
import importlib.util
import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIPPED = 77  # CTest's SKIP_RETURN_CODE

SCREEN_WIDTH = 1024
SCREEN_HEIGHT = 768

_PR_SET_PDEATHSIG = 1


class SessionError(Exception):
    """The desktop or a program on it did not behave: the test fails."""


def missing_tools():
    """What this machine lacks for a session, as words for a skip message."""
    missing = [tool for tool in ("Xvfb", "xdotool", "dbus-daemon")
               if shutil.which(tool) is None]
    if not os.path.exists("/usr/libexec/at-spi-bus-launcher"):
        missing.append("at-spi2-core")
    # Looked up, not imported: pyatspi would reach for a session bus now.
    for module, package in (("pyatspi", "python3-pyatspi"), ("Xlib", "python3-xlib")):
        if importlib.util.find_spec(module) is None:
            missing.append(package)
    return missing


def skip_if_unequipped():
    missing = missing_tools()
    if missing:
        print("SKIP: not installed: " + ", ".join(missing))
        sys.exit(SKIPPED)


def _die_with_parent():
    # Runs in the child before exec: a test killed by CTest's timeout takes
    # its X server and programs with it instead of leaving them behind.
    libc = ctypes.CDLL(None, use_errno=True)
    libc.prctl(_PR_SET_PDEATHSIG, signal.SIGKILL, 0, 0, 0)


def _stop(number, frame):
    raise SystemExit(128 + number)


def _read_line(fd, deadline, what):
    """One line that a starting server writes on a pipe, within the deadline."""
    data = b""
    while not data.endswith(b"\n"):
        left = deadline - time.monotonic()
        if left <= 0:
            raise SessionError(what + " did not start in time")
        ready, _, _ = select.select([fd], [], [], left)
        if ready:
            chunk = os.read(fd, 256)
            if not chunk:
                raise SessionError(what + " exited while starting")
            data += chunk
    return data.decode().strip()


class Session:
    """Use as a context manager; close() ends everything it started."""

    def __init__(self, name, keep_dir=None, start_timeout=60.0):
        self.start_timeout = start_timeout
        if keep_dir:
            os.makedirs(keep_dir, exist_ok=True)
            self.dir = keep_dir
            self._own_dir = False
        else:
            self.dir = tempfile.mkdtemp(prefix=name + "-")
            self._own_dir = True
        self._processes = []  # (Popen, kill the whole group)
        self._logs = []
        self.display = None
        self.env = None
        self._x = None
        self._root = None
        self._xdo = None

    def __enter__(self):
        # A test stopped from outside still ends what it started.
        for number in (signal.SIGTERM, signal.SIGHUP, signal.SIGINT):
            signal.signal(number, _stop)
        try:
            self._start_x_server()
            self._start_bus()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()
        return False

    # ---- servers ---------------------------------------------------------

    def _log(self, name):
        log = open(os.path.join(self.dir, name), "wb")
        self._logs.append(log)
        return log

    def _spawn(self, argv, log_name, group=False, pass_fds=(), env=None):
        process = subprocess.Popen(
            argv, stdin=subprocess.DEVNULL, stdout=self._log(log_name),
            stderr=subprocess.STDOUT, pass_fds=pass_fds, env=env,
            preexec_fn=_die_with_parent, start_new_session=group)
        self._processes.append((process, group))
        return process

    def _start_x_server(self):
        # Xvfb picks a free display number itself and says which when it
        # accepts connections, so parallel tests cannot pick the same one.
        read_end, write_end = os.pipe()
        try:
            self._spawn(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                         "%dx%dx24" % (SCREEN_WIDTH, SCREEN_HEIGHT), "-nolisten", "tcp",
                         "-noreset"], "xvfb.log", pass_fds=(write_end,))
            os.close(write_end)
            write_end = None
            number = _read_line(read_end, time.monotonic() + self.start_timeout, "Xvfb")
        finally:
            os.close(read_end)
            if write_end is not None:
                os.close(write_end)
        self.display = ":" + number
        runtime_dir = os.path.join(self.dir, "runtime")
        os.makedirs(runtime_dir, mode=0o700, exist_ok=True)
        self.env = {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
            "HOME": os.environ.get("HOME", self.dir),
            "LANG": "C.UTF-8",
            "DISPLAY": self.display,
            "XDG_RUNTIME_DIR": runtime_dir,
        }
        # Sanitizer settings given to the test reach the programs it starts.
        for name, value in os.environ.items():
            if name.endswith("SAN_OPTIONS"):
                self.env[name] = value

    def _start_bus(self):
        # The accessibility bus is started on demand by this bus, with the
        # display above, and registers itself on the screen's root window.
        read_end, write_end = os.pipe()
        try:
            self._spawn(["dbus-daemon", "--session", "--nofork",
                         "--print-address=%d" % write_end], "dbus.log", group=True,
                        pass_fds=(write_end,), env=self.env)
            os.close(write_end)
            write_end = None
            address = _read_line(read_end, time.monotonic() + self.start_timeout, "dbus-daemon")
        finally:
            os.close(read_end)
            if write_end is not None:
                os.close(write_end)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address
        # This process reads the accessibility tree over the same buses.
        for name in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR"):
            os.environ[name] = self.env[name]
        os.environ.pop("WAYLAND_DISPLAY", None)

    def _spawn_piped(self, argv, log_name):
        process = subprocess.Popen(
            argv, stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=self._log(log_name),
            env=self.env, preexec_fn=_die_with_parent)
        self._processes.append((process, False))
        return process

    def launch(self, argv, log_name):
        """A Qt program on this display, with its accessibility bridge on."""
        env = dict(self.env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        return self._spawn(argv, log_name, env=env)

    def keep(self):
        """Leaves the folder with the logs in place for a look after a failure."""
        self._own_dir = False

    def log_text(self, name):
        try:
            with open(os.path.join(self.dir, name), "rb") as log:
                return log.read().decode(errors="replace")
        except OSError:
            return ""

    def close(self):
        if self._xdo is not None:
            for stream in (self._xdo.stdin, self._xdo.stdout):
                try:
                    stream.close()
                except OSError:
                    pass
        if self._x is not None:
            try:
                self._x.close()
            except Exception:
                pass
            self._x = None
        for process, group in reversed(self._processes):
            if process.poll() is None:
                try:
                    if group:
                        os.killpg(process.pid, signal.SIGTERM)
                    else:
                        process.terminate()
                    process.wait(timeout=10)
                except (OSError, subprocess.TimeoutExpired):
                    try:
                        process.kill()
                        process.wait(timeout=10)
                    except (OSError, subprocess.TimeoutExpired):
                        pass
            if group:
                # Whatever the bus started on demand shares its group.
                try:
                    os.killpg(process.pid, signal.SIGKILL)
                except OSError:
                    pass
        self._processes = []
        for log in self._logs:
            log.close()
        self._logs = []
        if self._own_dir:
            shutil.rmtree(self.dir, ignore_errors=True)

    # ---- X requests --------------------------------------------------------

    def input(self, *commands, timeout=30.0):
        """Pointer and keyboard commands for xdotool, through one xdotool that
        reads them line by line: a program start per event would cost more
        than the event. Returns when the X server has carried them out."""
        if self._xdo is None or self._xdo.poll() is not None:
            self._xdo = self._spawn_piped(["stdbuf", "-oL", "xdotool", "-"], "xdotool.log")
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
            left = deadline - time.monotonic()
            ready, _, _ = select.select([fd], [], [], max(0.0, left))
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
        try:
            done = subprocess.run(["xdotool"] + [str(a) for a in args], env=self.env,
                                  stdin=subprocess.DEVNULL, capture_output=True,
                                  timeout=timeout, preexec_fn=_die_with_parent)
        except subprocess.TimeoutExpired:
            raise SessionError("xdotool %s did not return within %gs"
                               % (" ".join(map(str, args)), timeout))
        if done.returncode != 0:
            raise SessionError("xdotool %s failed: %s"
                               % (" ".join(map(str, args)), done.stderr.decode().strip()))
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
        while True:
            windows = self.find_windows(name_pattern)
            if windows:
                return windows[0]
            if time.monotonic() > deadline:
                raise SessionError("no window named %r within %gs" % (name_pattern, timeout))
            time.sleep(0.1)

    def wait_until_gone(self, name_pattern, timeout):
        deadline = time.monotonic() + timeout
        while self.find_windows(name_pattern):
            if time.monotonic() > deadline:
                raise SessionError("window %r still open after %gs" % (name_pattern, timeout))
            time.sleep(0.05)

    def geometry(self, window):
        """(x, y, width, height) of a window on the screen."""
        values = {}
        for line in self.xdotool("getwindowgeometry", "--shell", window).splitlines():
            key, _, value = line.partition("=")
            values[key] = int(value) if value.lstrip("-").isdigit() else value
        return values["X"], values["Y"], values["WIDTH"], values["HEIGHT"]

    def _xlib(self):
        if self._x is None:
            import Xlib.display
            self._x = Xlib.display.Display(self.display)
            self._root = self._x.screen().root
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
        self._xlib()
        image = self._root.get_image(x, y, width, height, X.ZPixmap, 0xFFFFFFFF)
        data = image.data
        stride = len(data) // height
        rows = []
        for row in range(height):
            line = data[row * stride: row * stride + 4 * width]
            rows.append([(line[i + 2], line[i + 1], line[i]) for i in range(0, 4 * width, 4)])
        return rows
