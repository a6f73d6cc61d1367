"""Runs the real lunadesk.exe under Wine on a private X screen and observes it from outside.

One Xvfb screen and one booted Wine prefix (the template) per run; each LunadeskCase test
works in its own copy, gives real input with xdotool and reads results in the tools' own
formats: xdotool and xprop for X windows, `reg query` for the registry, ImageMagick for
screenshots, and the JSON of lunadesk_probe.exe for what only Win32 knows (child windows,
their texts, layered attributes). Run `python3 -m unittest -v test_lunadesk` in tests/e2e;
LUNADESK_BUILD names the build tree (default build/windows), where e2e-screenshots/ go.
"""

import atexit
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

CALENDAR, SETTINGS, TRAY = "日历-Calendar", "设置", "Wine System Tray"
# The calendar's menu as it opens: tests choose an item by its text, so a new item changes
# only this line. (Wine gives another process no texts of an open menu to read.)
MENU = ("回到今天", "我的日子…", "完整月历", "锁定位置", "设置", "最小化", "关闭")
SETTINGS_KEY = r"HKEY_CURRENT_USER\Software\Lunadesk\set"
SCREEN = (1920, 1080)
# Generous for a loaded 2-core machine: every wait polls and returns as soon as it can.
TIMEOUT = 60
# A screen reader's state bit for what does not show.
INVISIBLE = 0x8000
BUILD = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "build", "windows")
FONTS = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", "..", "scripts",
                                     "wine-fonts.reg"))


def menu_keys(item):
    """The keys that choose the item of the open menu by its text."""
    return ["Down"] * (MENU.index(item) + 1) + ["Return"]


def eventually(read, accept, timeout=10.0):
    """Calls read() until accept(result) holds or the time is up; returns the last result."""
    deadline = time.monotonic() + timeout
    while not accept(result := read()) and time.monotonic() < deadline:
        time.sleep(0.1)
    return result


def px(twips, dpi=96):
    """A design place in twips as the program puts it on pixels (rounded down)."""
    return twips * dpi // 1440


class Session:
    """What a run shares: the X screen, the template prefix and the programs under test."""

    def __init__(self, build=os.environ.get("LUNADESK_BUILD", BUILD), name="e2e"):
        self.exe = os.path.join(build, "lunadesk.exe")
        self.probe = os.path.join(build, "tests", "e2e", "lunadesk_probe.exe")
        self.shots = os.path.join(build, name + "-screenshots")
        # In the build tree, so that what a killed run left behind goes with the next run; one
        # per run, so that runs side by side (LUNADESK_E2E_RUN names each) keep apart.
        self.root = os.path.join(build, name + "-wine" + os.environ.get("LUNADESK_E2E_RUN", ""))
        shutil.rmtree(self.root, ignore_errors=True)
        read_end, write_end = os.pipe()
        # Xvfb picks a free display itself and writes its number to the pipe.
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "%dx%dx24" % SCREEN,
             "-nolisten", "tcp", "-noreset"], pass_fds=(write_end,), stderr=subprocess.DEVNULL)
        os.close(write_end)
        try:
            with os.fdopen(read_end) as displayfd:
                self.display = ":" + displayfd.readline().strip()
            self.template = os.path.join(self.root, "template")
            os.makedirs(self.template)
            env = self.env(self.template)
            subprocess.run(["wineboot", "-i"], env=env, capture_output=True, timeout=300)
            # Menus and dialogs in a face with Chinese glyphs, as the scripts' prefix has them.
            subprocess.run(["wine", "reg", "import", "Z:" + FONTS.replace("/", "\\")], env=env,
                           capture_output=True, timeout=300)
            subprocess.run(["wineserver", "-w"], env=env, timeout=300)
            if not os.path.isfile(os.path.join(self.template, "system.reg")):
                raise RuntimeError("wineboot made no prefix")
        except BaseException:
            self.close()
            raise

    def env(self, prefix):
        # Wine's errors and the program's debugger output stay on: a program that ends without a
        # window says why in its log.
        return dict(os.environ, WINEPREFIX=prefix, WINEARCH="win64",
                    WINEDEBUG="-all,err+all,+debugstr", WINEDLLOVERRIDES="mscoree,mshtml=",
                    DISPLAY=self.display,
                    LC_ALL="C.UTF-8")  # titles and tool output in UTF-8 whatever the host's

    def new_prefix(self, name):
        """A fresh copy of the template prefix with a Wine server of its own (rather than one
        per Wine call); the environment that runs Wine in it."""
        env = self.env(os.path.join(self.root, name))
        shutil.copytree(self.template, env["WINEPREFIX"], symlinks=True)
        subprocess.run(["wineserver", "-p30"], env=env, check=True, timeout=TIMEOUT)
        return env

    @staticmethod
    def end_prefix(env):
        """Ends every Wine process of the prefix, then removes it."""
        subprocess.run(["wineserver", "-k"], env=env, timeout=TIMEOUT)
        subprocess.run(["wineserver", "-w"], env=env, timeout=TIMEOUT)
        shutil.rmtree(env["WINEPREFIX"], ignore_errors=True)

    def close(self):
        self.xvfb.terminate()
        self.xvfb.wait(TIMEOUT)
        shutil.rmtree(self.root, ignore_errors=True)


class LunadeskCase(unittest.TestCase):
    """A test in a fresh copy of the template prefix, with its own Wine server."""

    session = None
    dpi = 96

    @classmethod
    def setUpClass(cls):
        if LunadeskCase.session is None:
            LunadeskCase.session = Session()
            atexit.register(LunadeskCase.session.close)  # shared by every test module

    def setUp(self):
        self.name = self.id().rsplit(".", 1)[-1]
        self.env = self.session.new_prefix(self.name)
        self.prefix = self.env["WINEPREFIX"]
        self.program = None
        self.addCleanup(self.end_wine)
        self.x("xdotool", "mousemove", SCREEN[0] // 2, SCREEN[1] - 40)

    def end_wine(self):
        if not self._outcome.success:
            self.screenshot(self.name + "-failed", (0, 0) + SCREEN)
        self.session.end_prefix(self.env)
        if self.program is not None:
            self.program.wait(TIMEOUT)

    # Running things.

    def x(self, *args):
        """Runs an X tool on the test's screen; its output."""
        return subprocess.run([str(a) for a in args], env=self.env, capture_output=True,
                              text=True, timeout=TIMEOUT).stdout

    def wine(self, *args):
        """Runs a Windows program to its end; (exit code, output). The output goes through a
        file: Wine's services, started on the way, would hold a pipe open long after."""
        with tempfile.TemporaryFile(dir=self.prefix) as out:
            code = subprocess.run(["wine", *args], env=self.env, stdin=subprocess.DEVNULL,
                                  stdout=out, stderr=subprocess.DEVNULL,
                                  timeout=TIMEOUT).returncode
            out.seek(0)
            return code, out.read().decode("utf-8", "replace")

    def launch(self, exe=None):
        """Starts lunadesk.exe (the build's unless told) and waits for its window; what the
        probe reads of it."""
        log = os.path.join(self.prefix, "lunadesk.log")
        for attempt in (1, 2):
            with open(log, "wb") as output:
                self.program = subprocess.Popen(["wine", exe or self.session.exe], env=self.env,
                                                stdout=output, stderr=subprocess.STDOUT)
            found = eventually(lambda: self.xids(CALENDAR),
                               lambda ids: ids or self.program.poll() is not None, TIMEOUT)
            if found:
                break
            with open(log, encoding="utf-8", errors="replace") as output:
                printed = output.read()[-4000:]
            # Wine reports its own set-up failing (no display connection, no desktop process)
            # as "winediag": a fault of the test machine, not of the program, so once more.
            ended = self.program.poll() is not None
            if attempt == 1 and ended and ":winediag:" in printed:
                print(f"{self.name}: Wine did not start; once more. It printed:\n{printed}",
                      file=sys.stderr)
                continue
            self.fail(f"no window; exit code {self.program.poll()}; it printed:\n{printed}")
        self.xid = found[0]
        return self.read()[CALENDAR]

    def roaming_folder(self):
        """The prefix user's %APPDATA%."""
        users = os.path.join(self.prefix, "drive_c", "users")
        roaming = [os.path.join(users, name, "AppData", "Roaming")
                   for name in os.listdir(users) if name != "Public"]
        self.assertEqual(len(roaming), 1, roaming)
        return roaming[0]

    # Reading: the registry, Win32 through the probe, the X server.

    def registry(self, key):
        """The values of a registry key as {name: text, or number for a DWORD}, from the UTF-16
        file of `reg export` (`reg query` prints in a code page without Chinese)."""
        path = os.path.join(self.prefix, "export.reg")
        if self.wine("reg", "export", key, "Z:" + path.replace("/", "\\"), "/y")[0] != 0:
            return {}
        with open(path, encoding="utf-16") as exported:
            own = exported.read().split("\n\n[")[1]  # the key's own values, not its subkeys'
        values = {}
        for name, data in re.findall(r'^"((?:[^"\\]|\\.)*)"=(.*)$', own, re.M):
            unescape = lambda text: re.sub(r"\\(.)", r"\1", text)  # noqa: E731
            values[unescape(name)] = (int(data[6:], 16) if data.startswith("dword:")
                                      else unescape(data[1:-1]))
        return values

    def stored(self, accept=lambda values: True):
        """The program's settings, as soon as accept(them) holds (or after a while)."""
        return eventually(lambda: self.registry(SETTINGS_KEY), lambda v: v and accept(v))

    def read(self):
        """{title: window} for the calendar, the settings window and Wine's tray, as the probe
        prints them (None for a window that is not there)."""
        titles = (CALENDAR, SETTINGS, TRAY)
        return dict(zip(titles, self.probe(*titles)))

    def probe(self, *args):
        """What lunadesk_probe.exe prints for these arguments, as a list; run once more when it
        printed nothing (Wine failed to start it on a loaded machine)."""
        for _ in (1, 2):
            code, out = self.wine(self.session.probe, *args)
            if out.strip():
                return json.loads(out)
        self.fail(f"the probe printed nothing for {args} twice (exit code {code})")

    def read_until(self, accept, title=CALENDAR):
        return eventually(lambda: self.read()[title], lambda w: w is not None and accept(w))

    def xids(self, title):
        """The X windows shown with this title."""
        return [int(i) for i in self.x("xdotool", "search", "--onlyvisible", "--name",
                                       f"^{title}$").split()]

    def geometry(self, xid):
        """(x, y, width, height) of an X window, from xdotool's shell format."""
        shell = dict(line.split("=", 1) for line in
                     self.x("xdotool", "getwindowgeometry", "--shell", xid).split())
        return tuple(int(shell[key]) for key in ("X", "Y", "WIDTH", "HEIGHT"))

    def opacity(self, xid):
        """The X window's alpha 0-255 from _NET_WM_WINDOW_OPACITY; None without it."""
        value = self.x("xprop", "-id", xid, "-notype", "-f", "_NET_WM_WINDOW_OPACITY", "32c",
                       "=$0", "_NET_WM_WINDOW_OPACITY").partition("=")[2]
        return int(value) * 255 // 0xFFFFFFFF if value.strip().isdigit() else None

    def screenshot(self, name, rect):
        """Saves the screen's rect = (x, y, w, h) as NAME.png in the screenshot folder;
        returns its pixels as {(x, y): (r, g, b)} in screen coordinates."""
        x, y, w, h = rect
        path = os.path.join(self.session.shots, name + ".png")
        os.makedirs(self.session.shots, exist_ok=True)
        self.x("import", "-window", "root", "-crop", f"{w}x{h}+{x}+{y}", "+repage", path)
        rgb = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], capture_output=True,
                             check=True, timeout=TIMEOUT).stdout
        return {(x + i % w, y + i // w): tuple(rgb[3 * i:3 * i + 3]) for i in range(w * h)}

    # Elements of a frameless window, found by their design place.

    def element(self, window, left, top, cls="LunadeskLabel"):
        """The child window of a class at a design place (twips)."""
        place = (window["x"] + px(left, self.dpi), window["y"] + px(top, self.dpi))
        for child in window["children"]:
            if child["class"] == cls and (child["x"], child["y"]) == place:
                return child
        # The day numbers are cells of a drawn grid: found as a screen reader finds them.
        for cell in self.cells(window) if cls == "LunadeskLabel" else ():
            if (cell["x"], cell["y"]) == place and not cell["state"] & INVISIBLE:
                return cell
        raise AssertionError(f"no {cls} at ({left}, {top}) twips")

    def cells(self, window):
        """The cells of the window's shown grids, read again if the window was read without."""
        grids = [c for c in window["children"] if c["class"] == "LunadeskGrid" and c["visible"]]
        if any("cells" not in grid for grid in grids):
            heard = self.probe("--accessible", window["text"])[0]
            grids = [c for c in heard["children"] if c["class"] == "LunadeskGrid" and c["visible"]]
        return [cell for grid in grids for cell in grid.get("cells", [])]

    # Input.

    @staticmethod
    def middle(window, child):
        """The middle of the part of child that lies inside its window."""
        return ((max(child["x"], window["x"]) + min(child["x"] + child["w"],
                                                     window["x"] + window["w"])) // 2,
                (max(child["y"], window["y"]) + min(child["y"] + child["h"],
                                                     window["y"] + window["h"])) // 2)

    def hide_tips(self):
        """Moves the pointer off the windows and waits until no pointer tip shows: under Wine
        a tip left under the pointer takes the next click."""
        self.x("xdotool", "mousemove", SCREEN[0] // 2, SCREEN[1] - 40)
        eventually(lambda: self.probe("tip")[0], lambda tip: tip is None)

    def click(self, window, child, button=1):
        """Clicks the middle of the part of child that lies inside its window."""
        self.hide_tips()
        self.x("xdotool", "mousemove", *self.middle(window, child), "click", button)

    def hover(self, window, child):
        """Rests the pointer on child; the text of the tip that shows (None if none does)."""
        self.hide_tips()
        self.x("xdotool", "mousemove", *self.middle(window, child))
        return eventually(lambda: self.probe("tip")[0], lambda tip: tip is not None)

    def drag(self, xid, start, by, steps=8):
        """Presses at start, moves by (dx, dy) in steps and lets go once the X window xid
        has followed (or after a while)."""
        target = tuple(a + d for a, d in zip(self.geometry(xid)[:2], by))
        self.x("xdotool", "mousemove", *start, "mousedown", 1)
        time.sleep(0.3)  # the system's move loop starts once the program has had the press
        for step in range(1, steps + 1):
            self.x("xdotool", "mousemove", *(a + d * step // steps for a, d in zip(start, by)))
            time.sleep(0.05)
        eventually(lambda: self.geometry(xid)[:2], lambda at: at == target, timeout=3)
        self.x("xdotool", "mouseup", 1)
