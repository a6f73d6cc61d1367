"""Runs the real lunadesk.exe under Wine on a private X screen and observes it from outside.

One X screen (Xvfb) and one freshly created Wine prefix (the template) per run; every test
gets its own copy of the template, so no test sees another's settings. The program is
driven with real pointer and key events (xdotool) and observed through the X server
(window state, opacity, screenshots), the registry (`wine reg`) and a small Win32 helper,
lunadesk_probe.exe, which reads window texts and layered-window attributes.
"""

import json
import os
import re
import select
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time
import zlib

SCREEN_WIDTH = 1920
SCREEN_HEIGHT = 1080
SETTINGS_KEY = r"HKCU\Software\Lunadesk\set"
DESKTOP_KEY = r"HKCU\Control Panel\Desktop"

# Generous limits for a loaded 2-core CI machine; every wait polls and returns early.
PREFIX_TIMEOUT = 180
START_TIMEOUT = 60
TOOL_TIMEOUT = 30


class HarnessError(Exception):
    """The environment, not the program, failed (a tool is missing, Xvfb did not start)."""


def eventually(probe, accept, timeout=5.0, interval=0.1):
    """Calls probe() until accept(result) holds or the time is up; returns the last result."""
    deadline = time.monotonic() + timeout
    while True:
        result = probe()
        if accept(result) or time.monotonic() >= deadline:
            return result
        time.sleep(interval)


def _die_with_parent():
    """Child set-up: end with the test process even when it is killed outright."""
    try:
        import ctypes

        libc = ctypes.CDLL("libc.so.6", use_errno=True)
        pr_set_pdeathsig = 1
        libc.prctl(pr_set_pdeathsig, signal.SIGTERM)
    except OSError:
        pass


def require_tools():
    missing = [tool for tool in ("Xvfb", "wine", "wineserver", "xdotool", "xprop", "xwininfo",
                                 "import", "fc-list") if shutil.which(tool) is None]
    if missing:
        raise HarnessError("missing tools: " + ", ".join(missing)
                           + " (scripts/setup.sh installs them)")
    fonts = subprocess.run(["fc-list", ":lang=zh", "family"], capture_output=True, text=True,
                           timeout=TOOL_TIMEOUT).stdout.strip()
    if not fonts:
        raise HarnessError("no font with Chinese glyphs (install fonts-wqy-zenhei)")


class Display:
    """A private Xvfb screen on a display number that the X server picks itself."""

    def __init__(self, width=SCREEN_WIDTH, height=SCREEN_HEIGHT):
        read_end, write_end = os.pipe()
        try:
            self.process = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x24",
                 "-nolisten", "tcp", "-noreset"],
                pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                preexec_fn=_die_with_parent)
        finally:
            os.close(write_end)
        try:
            number = b""
            deadline = time.monotonic() + TOOL_TIMEOUT
            while not number.endswith(b"\n"):
                left = deadline - time.monotonic()
                if left <= 0 or not select.select([read_end], [], [], left)[0]:
                    raise HarnessError("Xvfb did not report its display")
                chunk = os.read(read_end, 16)
                if not chunk:
                    raise HarnessError("Xvfb exited at start")
                number += chunk
        except BaseException:
            self.close()
            raise
        finally:
            os.close(read_end)
        self.name = ":" + number.decode().strip()

    def close(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()


class Screenshot:
    """The whole screen as RGB bytes, read through ImageMagick's `import` as PPM."""

    def __init__(self, width, height, rgb):
        self.width = width
        self.height = height
        self.rgb = rgb

    @classmethod
    def parse_ppm(cls, data):
        match = re.match(rb"P6\s+(?:#[^\n]*\n\s*)*(\d+)\s+(\d+)\s+(\d+)\s", data)
        if match is None or match.group(3) != b"255":
            raise HarnessError("unexpected screenshot format")
        width, height = int(match.group(1)), int(match.group(2))
        rgb = data[match.end():match.end() + width * height * 3]
        if len(rgb) != width * height * 3:
            raise HarnessError("truncated screenshot")
        return cls(width, height, rgb)

    def pixel(self, x, y):
        offset = (y * self.width + x) * 3
        return tuple(self.rgb[offset:offset + 3])

    def pixels(self, rect):
        """Yields (x, y, colour) for each pixel of rect = (x, y, w, h), clipped to the screen."""
        left, top, width, height = rect
        for y in range(max(0, top), min(self.height, top + height)):
            for x in range(max(0, left), min(self.width, left + width)):
                yield x, y, self.pixel(x, y)

    def count(self, rect, colour, tolerance=0):
        return sum(1 for _, _, c in self.pixels(rect) if near(c, colour, tolerance))

    def ink_box(self, rect, accept):
        """The bounding box (x, y, w, h) of the pixels in rect that accept(colour) takes."""
        xs, ys = [], []
        for x, y, c in self.pixels(rect):
            if accept(c):
                xs.append(x)
                ys.append(y)
        if not xs:
            return None
        return min(xs), min(ys), max(xs) - min(xs) + 1, max(ys) - min(ys) + 1

    def save_png(self, path, rect=None):
        left, top, width, height = rect or (0, 0, self.width, self.height)
        left, top = max(0, left), max(0, top)
        width = min(width, self.width - left)
        height = min(height, self.height - top)
        rows = []
        for y in range(top, top + height):
            start = (y * self.width + left) * 3
            rows.append(b"\x00" + self.rgb[start:start + width * 3])

        def chunk(tag, data):
            return (struct.pack(">I", len(data)) + tag + data
                    + struct.pack(">I", zlib.crc32(tag + data) & 0xFFFFFFFF))

        header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
        os.makedirs(os.path.dirname(path) or ".", exist_ok=True)
        with open(path, "wb") as file:
            file.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                       + chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b""))


def near(colour, target, tolerance=0):
    return all(abs(a - b) <= tolerance for a, b in zip(colour, target))


ROOT_PREFIX = "lunadesk-e2e-"
OWNER_FILE = "owner.pid"


def remove_abandoned_roots():
    """Removes what a killed earlier run left in the temporary directory (its prefixes are
    large): every run directory whose owning process is gone."""
    base = tempfile.gettempdir()
    for name in os.listdir(base):
        path = os.path.join(base, name)
        if not name.startswith(ROOT_PREFIX) or not os.path.isdir(path):
            continue
        try:
            with open(os.path.join(path, OWNER_FILE)) as owner:
                os.kill(int(owner.read().strip()), 0)
        except ProcessLookupError:
            shutil.rmtree(path, ignore_errors=True)
        except (OSError, ValueError):
            pass  # being created, or not ours to judge


class Session:
    """Everything one run shares: the X screen, the template prefix and the built programs."""

    def __init__(self, exe, probe, out_dir):
        require_tools()
        self.exe = os.path.abspath(exe)
        self.probe = os.path.abspath(probe)
        self.out_dir = os.path.abspath(out_dir)
        for path in (self.exe, self.probe):
            if not os.path.isfile(path):
                raise HarnessError(f"not built: {path}")
        os.makedirs(self.out_dir, exist_ok=True)
        remove_abandoned_roots()
        self.root = tempfile.mkdtemp(prefix=ROOT_PREFIX)
        with open(os.path.join(self.root, OWNER_FILE), "w") as owner:
            owner.write(str(os.getpid()))
        self.display = None
        self.template = os.path.join(self.root, "template")
        self._captions = {}
        try:
            self.display = Display()
            self._create_template()
        except BaseException:
            self.close()
            raise

    def env(self, prefix):
        env = dict(os.environ)
        env.update({
            "WINEPREFIX": prefix,
            "WINEARCH": "win64",
            "WINEDEBUG": "-all",
            # No offers to install Wine's .NET and HTML add-ons.
            "WINEDLLOVERRIDES": "mscoree,mshtml=",
            "DISPLAY": self.display.name,
            # Window titles and tool output in UTF-8 whatever the host's locale is.
            "LC_ALL": "C.UTF-8",
        })
        env.pop("WAYLAND_DISPLAY", None)
        return env

    def _create_template(self):
        env = self.env(self.template)
        os.makedirs(self.template)
        subprocess.run(["wineboot", "-i"], env=env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=PREFIX_TIMEOUT)
        subprocess.run(["wineserver", "-w"], env=env, timeout=PREFIX_TIMEOUT)
        if not os.path.isfile(os.path.join(self.template, "system.reg")):
            raise HarnessError("wineboot did not create a prefix")

    def new_prefix(self, name):
        return Prefix(self, name)

    def caption(self, prefix, date):
        """The lunar caption of a date as the program's own engine computes it."""
        if date not in self._captions:
            answer = prefix.probe("caption", str(date.year), str(date.month), str(date.day))
            self._captions[date] = answer[0][0]["caption"]
        return self._captions[date]

    # X side: pointer, keys, windows, screenshots.

    def xrun(self, *args, check=True):
        return subprocess.run(list(args), env=self.env(self.template), capture_output=True,
                              text=True, timeout=TOOL_TIMEOUT, check=check).stdout

    def move(self, x, y):
        self.xrun("xdotool", "mousemove", str(x), str(y))

    def click(self, x, y, button=1):
        self.xrun("xdotool", "mousemove", str(x), str(y), "click", str(button))

    def drag(self, xid, start, end, steps=8):
        """Presses at start, moves in steps to end and releases there once the window xid
        has followed the pointer (or after a while)."""
        origin = self.x_position(xid)
        self.xrun("xdotool", "mousemove", str(start[0]), str(start[1]), "mousedown", "1")
        # The system's move loop starts when the program has handled the press; moves
        # before that are lost.
        time.sleep(0.3)
        for step in range(1, steps + 1):
            x = start[0] + (end[0] - start[0]) * step // steps
            y = start[1] + (end[1] - start[1]) * step // steps
            self.move(x, y)
            time.sleep(0.05)
        if origin is not None:
            target = (origin[0] + end[0] - start[0], origin[1] + end[1] - start[1])
            eventually(lambda: self.x_position(xid), lambda at: at == target, timeout=2.0)
        self.xrun("xdotool", "mouseup", "1")

    def x_position(self, xid):
        info = self.xrun("xwininfo", "-id", str(xid), check=False)
        x = re.search(r"Absolute upper-left X:\s+(-?\d+)", info)
        y = re.search(r"Absolute upper-left Y:\s+(-?\d+)", info)
        return (int(x.group(1)), int(y.group(1))) if x and y else None

    def key(self, *names):
        self.xrun("xdotool", "key", *names)

    def park_pointer(self):
        """Somewhere no test window, tray icon or tooltip is."""
        self.move(SCREEN_WIDTH // 2, SCREEN_HEIGHT - 40)

    def x_windows(self, title, only_visible=True):
        args = ["xdotool", "search"]
        if only_visible:
            args.append("--onlyvisible")
        args += ["--name", "^" + re.escape(title) + "$"]
        return [int(line) for line in self.xrun(*args, check=False).split()]

    def x_mapped(self, xid):
        info = self.xrun("xwininfo", "-id", str(xid), check=False)
        return "Map State: IsViewable" in info

    def opacity(self, xid):
        """The window's alpha 0-255 from _NET_WM_WINDOW_OPACITY; None without the property."""
        out = self.xrun("xprop", "-id", str(xid), "_NET_WM_WINDOW_OPACITY", check=False)
        match = re.search(r"=\s*(\d+)", out)
        return None if match is None else int(match.group(1)) * 255 // 0xFFFFFFFF

    def screenshot(self):
        data = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"],
                              env=self.env(self.template), capture_output=True,
                              timeout=TOOL_TIMEOUT, check=True).stdout
        return Screenshot.parse_ppm(data)

    def screenshot_path(self, name):
        return os.path.join(self.out_dir, name + ".png")

    def close(self):
        if self.display is not None:
            self.display.close()
            self.display = None
        shutil.rmtree(self.root, ignore_errors=True)


class Prefix:
    """A copy of the template prefix for one test, with the program's settings in it."""

    def __init__(self, session, name):
        self.session = session
        self.path = os.path.join(session.root, name)
        shutil.rmtree(self.path, ignore_errors=True)
        subprocess.run(["cp", "-a", session.template, self.path], check=True,
                       timeout=PREFIX_TIMEOUT)
        self.env = session.env(self.path)
        self.programs = []
        self.closed = False
        # One server for the whole test, so that Wine's services are not started anew for
        # every call; it ends 30 s after its last client should this process be killed.
        subprocess.run(["wineserver", "-p30"], env=self.env, stdin=subprocess.DEVNULL,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True,
                       timeout=TOOL_TIMEOUT)

    def wine(self, *args, timeout=TOOL_TIMEOUT):
        """Runs a Windows program to its end; returns (exit code, output bytes).

        The output goes through a file, not a pipe: the Wine processes that a call starts
        (services, the desktop) inherit it and would hold a pipe open long after."""
        with tempfile.TemporaryFile(dir=self.session.root) as output:
            code = subprocess.run(["wine", *args], env=self.env, stdin=subprocess.DEVNULL,
                                  stdout=output, stderr=subprocess.DEVNULL,
                                  timeout=timeout).returncode
            output.seek(0)
            return code, output.read()

    def reg_add(self, key, name, value, kind="REG_SZ"):
        code, _ = self.wine("reg", "add", key, "/v", name, "/t", kind, "/d", str(value), "/f")
        if code != 0:
            raise HarnessError(f"reg add {key} {name} failed")

    def set_settings(self, values):
        for name, value in values.items():
            self.reg_add(SETTINGS_KEY, name, value)

    def settings(self):
        """The program's stored settings as {name: text}; {} while there are none."""
        _, output = self.wine("reg", "query", SETTINGS_KEY)
        values = {}
        for line in output.decode("utf-8", "replace").splitlines():
            match = re.match(r"\s+(\S+)\s+REG_\w+\s*(.*)$", line)
            if match:
                values[match.group(1)] = match.group(2).strip()
        return values

    def probe(self, *args):
        """Runs the probe; returns one list of JSON objects per command."""
        encoded = []
        for arg in args:
            encoded.append(arg if arg.isascii() else "hex:" + arg.encode("utf-8").hex())
        code, output = self.wine(self.session.probe, *encoded)
        if code != 0:
            # Only reads; a second try tells a passing hiccup of Wine's start from a fault.
            print(f"probe ended with {code}; trying once more", file=sys.stderr, flush=True)
            code, output = self.wine(self.session.probe, *encoded)
        if code != 0:
            raise HarnessError(f"probe {' '.join(args)} ended with {code}: "
                               + output.decode("utf-8", "replace"))
        answers, current = [], []
        for line in output.decode("utf-8").splitlines():
            if not line.strip():
                continue
            item = json.loads(line)
            if item == {"end": True}:
                answers.append(current)
                current = []
            else:
                current.append(item)
        return answers

    def launch(self, title="日历-Calendar"):
        program = Program(self, title)
        self.programs.append(program)
        return program

    def close(self):
        """Ends every Wine process of this prefix, then removes it."""
        if self.closed:
            return
        self.closed = True
        subprocess.run(["wineserver", "-k"], env=self.env, capture_output=True,
                       timeout=TOOL_TIMEOUT)
        for program in self.programs:
            program.reap()
        subprocess.run(["wineserver", "-w"], env=self.env, capture_output=True,
                       timeout=TOOL_TIMEOUT)
        shutil.rmtree(self.path, ignore_errors=True)


class Program:
    """One run of lunadesk.exe, started in the background and waited for until it shows."""

    def __init__(self, prefix, title):
        self.prefix = prefix
        self.session = prefix.session
        self.title = title
        self.log = open(os.path.join(prefix.path, "lunadesk.log"), "wb")
        self.process = subprocess.Popen(["wine", self.session.exe], env=prefix.env,
                                        stdout=self.log, stderr=subprocess.STDOUT,
                                        preexec_fn=_die_with_parent)
        self.started = time.monotonic()
        ids = eventually(lambda: self.session.x_windows(title),
                         lambda found: found or self.process.poll() is not None,
                         timeout=START_TIMEOUT)
        if not ids:
            code = self.process.poll()
            raise AssertionError(f"window {title!r} did not appear"
                                 + ("" if code is None else f"; the program exited with {code}"))
        self.xid = ids[0]

    def seconds(self):
        return time.monotonic() - self.started

    def exit_code(self, timeout):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            return None

    def reap(self):
        if self.process.poll() is None:
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        self.log.close()
