#!/usr/bin/env python3
"""End-to-end stories of lunadesk.exe on the desktop: one instance, a close request from
outside, a day click through a dropped list, a settings window that stays on the screen.

    test_desktop.py --exe build/windows/lunadesk.exe \
        --probe build/windows/tests/e2e/lunadesk_probe.exe --out build/windows/e2e-screenshots
"""

import argparse
import datetime
import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import harness  # noqa: E402
from harness import SCREEN_HEIGHT, SCREEN_WIDTH, eventually  # noqa: E402
from program_view import CALENDAR, CALENDAR_LAYOUT, SETTINGS, SETTINGS_LAYOUT, View  # noqa: E402

SESSION = None


class Desktop(unittest.TestCase):
    def setUp(self):
        SESSION.park_pointer()
        self.prefix = SESSION.new_prefix(self.id().rsplit(".", 1)[-1])
        self.addCleanup(self.prefix.close)

    def launch(self, settings=None):
        if settings:
            self.prefix.set_settings(settings)
        self.program = self.prefix.launch(CALENDAR)
        return self.read()

    def read(self, title=CALENDAR):
        layout = CALENDAR_LAYOUT if title == CALENDAR else SETTINGS_LAYOUT
        window, children = self.prefix.probe("window", title, "texts", title)
        return View(window[0], children, layout, 96)

    def wait(self, accept, title=CALENDAR):
        return eventually(lambda: self.read(title), accept)

    def click(self, view, name):
        SESSION.click(*view.click_point(name))

    def minimise(self, view):
        self.click(view, "Label7")
        self.wait(lambda v: not v.window["visible"])
        self.assertEqual(len(eventually(lambda: self.prefix.probe("tray")[0][1:], len)), 1)

    def test_a_second_start_brings_the_hidden_calendar_forward_and_exits(self):
        self.minimise(self.launch())
        stored = self.prefix.settings()

        code, _ = self.prefix.wine(SESSION.exe, timeout=60)
        self.assertEqual(code, 0)
        view = self.wait(lambda v: v.shown)
        self.assertTrue(view.shown)
        self.assertEqual(len(SESSION.x_windows(CALENDAR)), 1)
        self.assertEqual(eventually(lambda: self.prefix.probe("tray")[0][1:], lambda i: not i), [])
        self.assertEqual(self.prefix.probe("foreground")[0][0], {"title": CALENDAR, "focus": True})
        self.assertEqual(self.prefix.settings(), stored)
        self.assertIsNone(self.program.exit_code(0.5), "the first one ended")

    def test_a_close_request_while_hidden_closes_like_the_close_mark(self):
        view = self.launch()
        self.click(view, "Label8")
        self.wait(lambda v: v.shown, SETTINGS)
        self.minimise(view)

        self.assertEqual(self.prefix.probe("close", CALENDAR)[0][0], {"posted": True})
        self.assertEqual(self.program.exit_code(10), 0)
        self.assertEqual(SESSION.x_windows(SETTINGS, only_visible=False), [])
        tray = self.prefix.probe("tray")[0]
        self.assertEqual(tray[1:], [], "the icon stayed")

    def test_a_day_click_while_the_month_list_is_dropped_selects_the_day(self):
        view = self.launch()
        today = datetime.date.today()
        # Right of the dropped list, which covers the grid's first columns.
        other = today.replace(day=14 if today.day != 14 else 13)
        self.click(view, "Label4")
        eventually(lambda: self.prefix.probe("lists", CALENDAR)[0],
                   lambda lists: any(item["visible"] for item in lists))

        self.click(view, f"day{other.day}")
        view = self.wait(lambda v: v.text("lbldate") == f"{other.year}年{other.month}月{other.day}日")
        self.assertEqual(view.text("lbldate"), f"{other.year}年{other.month}月{other.day}日")
        self.assertFalse(view.visible("cbomonth"))
        self.assertFalse(any(item["visible"] for item in self.prefix.probe("lists", CALENDAR)[0]))

    def test_the_settings_window_opens_on_the_screen_below_a_low_calendar(self):
        for left, top in ((1727, 0), (40, SCREEN_HEIGHT - 230)):
            with self.subTest(left=left, top=top):
                self.prefix.set_settings({"formX": left * 15, "formY": top * 15})
                view = self.launch()
                self.click(view, "Label8")
                x, y, w, h = self.wait(lambda v: v.shown, SETTINGS).rect()
                self.assertEqual((w, h), (201, 241))
                self.assertEqual(x, min(left, SCREEN_WIDTH - w))
                self.assertEqual(y, min(top + 217, SCREEN_HEIGHT - h))
                # Low on the screen, the settings window covers the calendar's marks.
                self.prefix.probe("close", CALENDAR)
                self.assertEqual(self.program.exit_code(10), 0)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--exe", required=True)
    parser.add_argument("--probe", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("tests", nargs="*", help="test names (unittest patterns) to run")
    args = parser.parse_args()
    global SESSION
    SESSION = harness.Session(args.exe, args.probe, args.out)
    try:
        loader = unittest.TestLoader()
        if args.tests:
            loader.testNamePatterns = [f"*{name}*" for name in args.tests]
        suite = loader.loadTestsFromTestCase(Desktop)
        result = unittest.TextTestRunner(verbosity=2, stream=sys.stdout).run(suite)
    finally:
        SESSION.close()
    return 0 if result.wasSuccessful() and result.testsRun > 0 else 1


if __name__ == "__main__":
    sys.exit(main())
