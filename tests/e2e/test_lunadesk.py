#!/usr/bin/env python3
"""End-to-end stories of the real lunadesk.exe under Wine, each in a fresh Wine prefix.

    test_lunadesk.py --exe build/windows/lunadesk.exe \
        --probe build/windows/tests/e2e/lunadesk_probe.exe --out build/windows/e2e-screenshots

Also runs as `python3 -m unittest test_lunadesk` with LUNADESK_EXE, LUNADESK_PROBE and
LUNADESK_SCREENSHOTS in the environment (defaults: the windows preset's build tree).
"""

import argparse
import calendar
import datetime
import functools
import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import harness  # noqa: E402
from harness import SCREEN_HEIGHT, SCREEN_WIDTH, eventually  # noqa: E402
from program_view import (CALENDAR, CALENDAR_LAYOUT, SETTINGS, SETTINGS_LAYOUT,  # noqa: E402
                          View, magentaish, position, reddish, size, union)

# Read once: a run that crosses midnight skips what it can no longer judge.
TODAY = datetime.date.today()

WEEKDAY_NAMES = ("星期一", "星期二", "星期三", "星期四", "星期五", "星期六", "星期日")
BACK_TO_TODAY = "回到今天"

RED = (255, 0, 0)
MAGENTA = (255, 0, 255)
BLUE = (0, 0, 255)
ORANGE = (255, 128, 0)
BLACK = (0, 0, 0)

FIRST_RUN = {
    "formX": str(SCREEN_WIDTH * 15 - 2895), "formY": "0", "formbackcol": "200",
    "fontR1": "0", "fontG1": "255", "fontB1": "255",
    "fontR2": "0", "fontG2": "255", "fontB2": "0", "setcol": "16711680",
}

# The minute timer returns the view to today; a story that looks at another day must be
# done well before its first tick.
TIMER_MARGIN = 50


def long_date(day):
    return f"{day.year}年{day.month}月{day.day}日"


def weekday_name(day):
    return WEEKDAY_NAMES[day.weekday()]


def last_day(year, month):
    return datetime.date(year, month, calendar.monthrange(year, month)[1])


def sundays(year, month):
    return [day for day in range(1, calendar.monthrange(year, month)[1] + 1)
            if datetime.date(year, month, day).weekday() == 6]


def skip_after_midnight(test):
    """A failure after the date changed says nothing about the program: skip instead."""

    @functools.wraps(test)
    def wrapper(self, *args, **kwargs):
        try:
            return test(self, *args, **kwargs)
        except AssertionError:
            if datetime.date.today() != TODAY:
                raise unittest.SkipTest("the date changed during the test")
            raise

    return wrapper


class LunadeskTest(unittest.TestCase):
    session = None
    dpi = 96

    def setUp(self):
        if datetime.date.today() != TODAY:
            self.skipTest("the date changed during the run")
        self.name = self.id().rsplit(".", 1)[-1]
        self.session.park_pointer()
        self.prefix = self.session.new_prefix(self.name)
        self.addCleanup(self.prefix.close)
        self.program = None

    def tearDown(self):
        outcome = getattr(self, "_outcome", None)
        if outcome is not None and not getattr(outcome, "success", True):
            self.session.screenshot().save_png(self.session.screenshot_path(self.name + "-failed"))

    # Starting and reading the program.

    def launch(self, settings=None):
        if settings:
            self.prefix.set_settings(settings)
        self.program = self.prefix.launch(CALENDAR)
        return self.read()

    def read(self, title=CALENDAR):
        layout = CALENDAR_LAYOUT if title == CALENDAR else SETTINGS_LAYOUT
        window, children = self.prefix.probe("window", title, "texts", title)
        return View(window[0], children, layout, self.dpi)

    def wait(self, accept, title=CALENDAR, timeout=5.0):
        return eventually(lambda: self.read(title), accept, timeout=timeout)

    def click(self, view, name):
        self.session.click(*view.click_point(name))

    def caption(self, day):
        return self.session.caption(self.prefix, day)

    def before_timer(self):
        self.assertLess(self.program.seconds(), TIMER_MARGIN,
                        "too slow: the minute timer would return the view to today")

    def stored(self, accept=lambda values: True, timeout=5.0):
        return eventually(self.prefix.settings, accept, timeout=timeout)

    def save(self, shot, name, rect=None, margin=8):
        if rect is not None:
            x, y, w, h = rect
            rect = (x - margin, y - margin, w + 2 * margin, h + 2 * margin)
        shot.save_png(self.session.screenshot_path(name), rect)

    # Shared expectations.

    def assert_selected(self, view, day):
        """The captions describe day, and "回到今天" shows exactly when it is not today."""
        self.assertEqual(view.text("lbldate"), long_date(day))
        self.assertEqual(view.text("lblday"), weekday_name(day))
        self.assertEqual(view.text("Label2"), self.caption(day))
        self.assertEqual(view.visible("Label3"), day != TODAY)
        if day != TODAY:
            self.assertEqual(view.text("Label3"), BACK_TO_TODAY)

    def assert_month(self, view, year, month):
        self.assertEqual(view.text("Label4"), str(month))
        self.assertEqual(view.text("Label5"), str(year))
        length = calendar.monthrange(year, month)[1]
        shown = [day for day in range(1, 32) if view.visible(f"day{day}")]
        self.assertEqual(shown, list(range(1, length + 1)))
        self.assertFalse(view.visible("cbomonth"))
        self.assertFalse(view.visible("cboyear"))

    def assert_frame(self, shot, view, framed, others):
        """A frame is drawn around the label of framed and none around the others."""

        def border_share(day):
            x, y, w, h = view.screen_rect(f"day{day}")
            border = ([(i, y) for i in range(x, x + w)] + [(i, y + h - 1) for i in range(x, x + w)]
                      + [(x, j) for j in range(y, y + h)] + [(x + w - 1, j) for j in range(y, y + h)])
            return sum(1 for i, j in border if shot.pixel(i, j) != BLACK) / len(border)

        self.assertGreater(border_share(framed), 0.8, f"day {framed} is not framed")
        for day in others:
            self.assertLess(border_share(day), 0.2, f"day {day} is framed too")

    def assert_ink(self, shot, view, name, colour, minimum=5):
        count = shot.count(view.screen_rect(name), colour, tolerance=8)
        self.assertGreaterEqual(count, minimum, f"{name} shows no text in {colour}")
        return count

    def assert_closes(self, timeout=5.0):
        self.assertEqual(self.program.exit_code(timeout), 0,
                         f"the program did not end with code 0 within {timeout} s")
        self.assertEqual(self.session.x_windows(CALENDAR), [])

    def assert_on_screen(self, view):
        x, y, w, h = view.rect()
        self.assertTrue(view.shown)
        self.assertGreaterEqual(x, 0)
        self.assertGreaterEqual(y, 0)
        self.assertLessEqual(x + w, SCREEN_WIDTH)
        self.assertLessEqual(y + h, SCREEN_HEIGHT)


class FirstRun(LunadeskTest):
    @skip_after_midnight
    def test_first_run_stores_defaults_and_shows_today_top_right(self):
        view = self.launch()
        self.assertEqual(self.stored(lambda v: len(v) == 10), FIRST_RUN)

        self.assertTrue(view.shown)
        self.assertEqual(view.rect(), (1727, 0, 193, 218))
        self.assertTrue(view.window["layered"])
        self.assertEqual(view.window["alpha"], 200)
        self.assertEqual(self.session.opacity(self.program.xid), 200)

        self.assert_selected(view, TODAY)
        self.assert_month(view, TODAY.year, TODAY.month)
        for name, text in (("Label7", "-"), ("Label6", "×"), ("Label8", "┛")):
            self.assertEqual(view.text(name), text)

        # Red day numbers and date lines, magenta lunar caption and numbers, blue Sundays,
        # and the frame on today's label only.
        shot = self.session.screenshot()
        self.save(shot, "first_run", view.rect())
        plain = [d for d in range(1, 29) if d != TODAY.day and d not in sundays(TODAY.year,
                                                                                 TODAY.month)]
        sunday = [d for d in sundays(TODAY.year, TODAY.month) if d != TODAY.day][0]
        self.assert_ink(shot, view, f"day{plain[0]}", RED)
        self.assertEqual(shot.count(view.screen_rect(f"day{plain[0]}"), BLUE, 8), 0)
        self.assert_ink(shot, view, f"day{sunday}", BLUE)
        self.assertEqual(shot.count(view.screen_rect(f"day{sunday}"), RED, 8), 0)
        self.assert_ink(shot, view, "lbldate", RED)
        self.assert_ink(shot, view, "Label2", MAGENTA)
        self.assert_ink(shot, view, "Label4", MAGENTA)
        self.assert_frame(shot, view, TODAY.day, plain[:3])


class DaySelection(LunadeskTest):
    @skip_after_midnight
    def test_click_a_day_then_back_to_today(self):
        view = self.launch()
        other = TODAY.replace(day=1 if TODAY.day != 1 else 2)

        # An open chooser closes on a day click. Its dropped list covers part of the grid
        # and takes the first click outside it, so it is closed with Escape first.
        self.click(view, "Label4")
        view = self.wait(lambda v: v.visible("cbomonth"))
        self.assertTrue(view.visible("cbomonth"))
        self.session.key("Escape")
        eventually(lambda: self.prefix.probe("lists", CALENDAR)[0],
                   lambda found: not any(item["visible"] for item in found))
        view = self.read()
        self.assertTrue(view.visible("cbomonth"), "the box closed without a choice")
        self.assert_selected(view, TODAY)
        self.click(view, f"day{other.day}")
        view = self.wait(lambda v: v.text("lbldate") == long_date(other))
        self.before_timer()
        self.assert_selected(view, other)
        self.assertFalse(view.visible("cbomonth"))
        lists = self.prefix.probe("lists", CALENDAR)[0]
        self.assertFalse(any(item["visible"] for item in lists))
        shot = self.session.screenshot()
        self.save(shot, "other_day", view.rect())
        self.assert_frame(shot, view, other.day, [TODAY.day])

        self.click(view, "Label3")
        view = self.wait(lambda v: v.text("lbldate") == long_date(TODAY))
        self.assert_selected(view, TODAY)
        self.assert_month(view, TODAY.year, TODAY.month)


class MonthAndYear(LunadeskTest):
    def choose(self, view, label, wanted):
        """Clicks the number label, waits for its list to drop and clicks an entry.

        wanted(items, top, rows) returns the index of the entry to click among the ones
        the dropped list shows."""
        self.click(view, label)
        lists = eventually(lambda: self.prefix.probe("lists", CALENDAR)[0],
                           lambda found: any(item["visible"] for item in found))
        dropped = [item for item in lists if item["visible"]]
        self.assertEqual(len(dropped), 1, "the box's list did not drop")
        entries = dropped[0]
        rows = (entries["h"] - 2) // entries["itemHeight"]
        index = wanted(entries["items"], entries["top"], rows)
        self.assertTrue(entries["top"] <= index < entries["top"] + rows)
        row = index - entries["top"]
        self.session.click(entries["clientX"] + 12,
                           entries["clientY"] + row * entries["itemHeight"]
                           + entries["itemHeight"] // 2)
        return entries["items"][index]

    @skip_after_midnight
    def test_choose_a_month_then_a_year(self):
        view = self.launch()
        month = 2 if TODAY.month != 2 else 4
        entry = self.choose(view, "Label4", lambda items, top, rows: month - 1)
        self.assertEqual(entry, "二月" if month == 2 else "四月")
        view = self.wait(lambda v: v.text("Label4") == str(month))
        self.before_timer()
        # A new month shows its last day, whatever day was selected before.
        self.assert_month(view, TODAY.year, month)
        self.assert_selected(view, last_day(TODAY.year, month))

        def other_year(items, top, rows):
            # Preferably one whose February differs from this year's.
            shown = [(i, int(items[i])) for i in range(top, min(top + rows, len(items)))]
            choices = [i for i, year in shown if year != TODAY.year]
            differing = [i for i, year in shown
                         if calendar.isleap(year) != calendar.isleap(TODAY.year)]
            return (differing or choices)[0]

        entry = self.choose(view, "Label5", other_year)
        year = int(entry)
        view = self.wait(lambda v: v.text("Label5") == str(year))
        self.before_timer()
        self.assert_month(view, year, month)
        self.assert_selected(view, last_day(year, month))
        self.save(self.session.screenshot(), "other_month", view.rect())


class Dragging(LunadeskTest):
    def drag_by(self, view, grip, dx, dy):
        """Drags the window by its bare surface at grip (client pixels); returns the new view
        once the registry holds the place where the window ended up."""
        x, y = view.window["x"] + grip[0], view.window["y"] + grip[1]
        self.session.drag(self.program.xid, (x, y), (x + dx, y + dy))
        target = (view.window["x"] + dx, view.window["y"] + dy)
        moved = self.wait(lambda v: v.rect()[:2] == target)
        left, top = moved.rect()[:2]
        # The pointer's path is the platform's business; where the window ended is ours.
        self.assertLess(abs(left - target[0]) + abs(top - target[1]), 40,
                        f"the window did not follow the pointer to {target}")
        self.assertEqual(moved.rect()[2:], (193, 218))
        expected = (str(left * 15), str(top * 15))
        values = self.stored(lambda v: (v["formX"], v["formY"]) == expected)
        self.assertEqual((values["formX"], values["formY"]), expected)
        return moved

    @skip_after_midnight
    def test_drag_stores_the_place_and_a_restart_restores_it(self):
        view = self.launch()
        # Left of the grid's frame: bare surface.
        view = self.drag_by(view, (3, 100), -300, 200)

        # The settings window opens below the place just stored.
        self.click(view, "Label8")
        settings = self.wait(lambda v: v.shown, SETTINGS)
        left, top = view.rect()[:2]
        self.assertEqual(settings.rect(), (left, position(top * 15 + 3250), 201, 241))
        self.session.park_pointer()
        self.save(self.session.screenshot(), "calendar_and_settings",
                  union(view.rect(), settings.rect()))

        # Partly past the left screen edge: a negative place is stored with its sign.
        # Pressed right of the grid's frame, where the surface is bare too.
        view = self.drag_by(view, (189, 100), -(view.window["x"] + 60), 0)
        self.assertLess(view.window["x"], 0)
        self.assertTrue(self.stored()["formX"].startswith("-"))
        place = view.rect()

        # Nothing is saved at exit; the next start finds the place of the last drag.
        # Closing the calendar closes the settings window too.
        self.click(view, "Label6")
        self.assert_closes()
        self.assertEqual(self.session.x_windows(SETTINGS), [])
        view = self.launch()
        self.assertEqual(view.rect(), place)
        self.assert_selected(view, TODAY)


class Tray(LunadeskTest):
    @skip_after_midnight
    def test_minimise_to_the_tray_and_back_by_pointing_at_the_icon(self):
        view = self.launch()
        self.click(view, "Label7")
        view = self.wait(lambda v: not v.window["visible"])
        self.assertFalse(view.window["visible"])
        self.assertFalse(eventually(lambda: self.session.x_mapped(self.program.xid),
                                    lambda mapped: not mapped))
        tray = eventually(lambda: self.prefix.probe("tray")[0],
                          lambda t: t[0].get("visible") and len(t) > 1)
        self.assertTrue(tray[0].get("visible"), "no notification area window")
        icons = tray[1:]
        self.assertEqual(len(icons), 1, "expected exactly one icon")
        icon = icons[0]
        shot = self.session.screenshot()
        self.save(shot, "tray", (icon["x"], icon["y"], icon["w"], icon["h"]), margin=20)
        icon_rect = (icon["x"], icon["y"], icon["w"], icon["h"])
        self.assertGreater(sum(1 for _, _, c in shot.pixels(icon_rect) if c != BLACK), 20)

        # Passing over the icon, without a click, brings the window back.
        cx, cy = icon["x"] + icon["w"] // 2, icon["y"] + icon["h"] // 2
        self.session.move(cx, cy)
        self.session.move(cx + 1, cy + 1)
        view = self.wait(lambda v: v.shown)
        self.assertTrue(view.shown)
        self.assertTrue(self.session.x_mapped(self.program.xid))
        self.assertEqual(view.rect(), (1727, 0, 193, 218))
        tray = eventually(lambda: self.prefix.probe("tray")[0],
                          lambda t: len(t) == 1 and not t[0].get("visible"))
        self.assertEqual(tray[1:], [], "the icon stayed")
        self.assert_selected(view, TODAY)


class SettingsWindow(LunadeskTest):
    def alpha_stored_and_shown(self, alpha):
        values = self.stored(lambda v: v["formbackcol"] == str(alpha))
        self.assertEqual(values["formbackcol"], str(alpha))
        view = self.wait(lambda v: v.window["alpha"] == alpha)
        self.assertEqual(view.window["alpha"], alpha)
        # Wine drops the property for an opaque window.
        self.assertEqual(self.session.opacity(self.program.xid) or 255, alpha)
        settings = self.read(SETTINGS)
        self.assertEqual(settings.text("Label4"), f"{alpha * 100 // 255}%")

    @skip_after_midnight
    def test_transparency_sunday_colour_and_closing(self):
        view = self.launch()
        self.click(view, "Label8")
        settings = self.wait(lambda v: v.shown, SETTINGS)
        self.assertTrue(settings.shown)
        # Below the calendar's stored top left corner, 3250 twips lower.
        self.assertEqual(settings.rect(), (1727, 216, 201, 241))
        self.assertEqual(settings.text("Label4"), "78%")
        self.assertEqual(len(self.session.x_windows(SETTINGS)), 1)
        # The settings mark again keeps exactly one settings window.
        self.click(view, "Label8")
        self.assertEqual(len(eventually(lambda: self.session.x_windows(SETTINGS),
                                        lambda found: len(found) != 1, timeout=1.0)), 1)

        # The slider: its right arrow, the trough left of the thumb, then keys.
        x, y, w, h = settings.screen_rect("HScroll1")
        self.session.click(x + w - h // 2, y + h // 2)
        self.alpha_stored_and_shown(201)
        self.session.click(x + h + 4, y + h // 2)
        self.alpha_stored_and_shown(196)
        self.session.key("Home")
        self.alpha_stored_and_shown(50)
        self.session.key("End")
        self.alpha_stored_and_shown(255)
        self.session.key("Left")
        self.alpha_stored_and_shown(254)

        # The orange swatch: Sundays orange at once, the month's last day selected.
        self.click(settings, "orange")
        self.session.park_pointer()
        values = self.stored(lambda v: v["setcol"] == "33023")
        self.assertEqual(values["setcol"], "33023")
        end = last_day(TODAY.year, TODAY.month)
        view = self.wait(lambda v: v.text("lbldate") == long_date(end))
        self.before_timer()
        self.assert_selected(view, end)
        shot = self.session.screenshot()
        self.save(shot, "orange_sundays_settings", union(view.rect(), settings.rect()))
        for day in sundays(TODAY.year, TODAY.month):
            self.assert_ink(shot, view, f"day{day}", ORANGE)
        weekday = 1 if 1 not in sundays(TODAY.year, TODAY.month) else 2
        self.assertEqual(shot.count(view.screen_rect(f"day{weekday}"), ORANGE, 8), 0)

        # It moves by its bare surface, and its place is not stored.
        x, y = settings.window["x"], settings.window["y"]
        xid = self.session.x_windows(SETTINGS)[0]
        self.session.drag(xid, (x + 3, y + 150), (x + 3 - 200, y + 150 + 40))
        settings = self.wait(lambda v: v.rect()[:2] == (x - 200, y + 40), SETTINGS)
        self.assertEqual(settings.rect(), (x - 200, y + 40, 201, 241))
        values = self.stored()
        self.assertEqual((values["formX"], values["formY"]), (FIRST_RUN["formX"], "0"))

        # Its "×": the window goes, the calendar returns to today and keeps orange Sundays.
        self.click(settings, "Label8")
        settings = self.wait(lambda v: not v.found, SETTINGS)
        self.assertFalse(settings.found, "the settings window was not destroyed")
        self.assertEqual(self.session.x_windows(SETTINGS), [])
        view = self.wait(lambda v: v.text("lbldate") == long_date(TODAY))
        self.assert_selected(view, TODAY)
        self.session.park_pointer()
        shot = self.session.screenshot()
        self.save(shot, "orange_sundays", view.rect())
        for day in sundays(TODAY.year, TODAY.month):
            self.assert_ink(shot, view, f"day{day}", ORANGE)
        self.assertEqual(self.stored()["formbackcol"], "254")

        # Open again, then close the calendar: both windows go and the program ends.
        self.click(view, "Label8")
        settings = self.wait(lambda v: v.shown, SETTINGS)
        self.assertEqual(settings.text("Label4"), "99%")
        self.click(view, "Label6")
        self.assert_closes()
        self.assertEqual(self.session.x_windows(SETTINGS), [])


class StoredPlaces(LunadeskTest):
    @skip_after_midnight
    def test_a_stored_left_of_zero_opens_at_the_default_place(self):
        view = self.launch(dict(FIRST_RUN, formX="0", formY="1500"))
        self.assertEqual(view.rect(), (1727, 0, 193, 218))
        self.assert_selected(view, TODAY)
        # The settings window still goes by the stored values.
        self.click(view, "Label8")
        settings = self.wait(lambda v: v.shown, SETTINGS)
        self.assertEqual(settings.rect()[:2], (0, (1500 + 3250) // 15))

    @skip_after_midnight
    def test_an_off_screen_place_still_opens_on_the_screen(self):
        places = (("30000", "30000"), ("-30000", "-30000"), ("25905", "-3000"))
        for number, (left, top) in enumerate(places):
            with self.subTest(formX=left, formY=top):
                if number > 0:
                    self.prefix = self.session.new_prefix(f"{self.name}-{number}")
                    self.addCleanup(self.prefix.close)
                view = self.launch(dict(FIRST_RUN, formX=left, formY=top))
                self.assert_on_screen(view)
                self.assert_selected(view, TODAY)
                self.prefix.close()

    @skip_after_midnight
    def test_garbage_in_every_key_still_starts_and_shows_today(self):
        view = self.launch({name: "garbage" for name in FIRST_RUN})
        self.assert_on_screen(view)
        self.assertEqual(view.rect(), (1727, 0, 193, 218))
        self.assertGreaterEqual(view.window["alpha"], 50, "the window is nearly invisible")
        self.assert_selected(view, TODAY)
        self.assert_month(view, TODAY.year, TODAY.month)
        shot = self.session.screenshot()
        self.save(shot, "garbage_settings", view.rect())
        for name in ("lbldate", "Label2", "day1"):
            x, y, w, h = view.screen_rect(name)
            ink = sum(1 for _, _, c in shot.pixels((x, y, w, h)) if max(c) >= 128)
            self.assertGreater(ink, 5, f"{name} shows no text")


class Scaling(LunadeskTest):
    dpi = 144

    @skip_after_midnight
    def test_150_percent_is_larger_and_crisp(self):
        self.prefix.reg_add(harness.DESKTOP_KEY, "LogPixels", 144, kind="REG_DWORD")
        self.assertEqual(self.prefix.probe("dpi")[0][0]["systemDpi"], 144)
        view = self.launch()
        # The right edge still touches the screen's.
        self.assertEqual(view.rect(), (SCREEN_WIDTH - 290, 0, 290, 327))
        self.assertEqual(view.window["alpha"], 200)
        self.assert_selected(view, TODAY)
        self.assertEqual(view.element("lbldate")["w"], size(1575, 144))

        shot = self.session.screenshot()
        self.save(shot, "scaled_150", view.rect())
        for name, accept in (("lbldate", reddish), ("Label2", magentaish), ("day12", reddish)):
            rect = view.screen_rect(name)
            ink = [c for _, _, c in shot.pixels(rect) if accept(c)]
            self.assertGreater(len(ink), 20, f"{name} shows no text")
            # Drawn at the screen's resolution, not a 96-dpi picture stretched: a stretched
            # one has almost no pixel at full intensity left.
            full = sum(1 for c in ink if max(c) >= 250)
            self.assertGreater(full / len(ink), 0.25, f"{name} looks blurred")
        box = shot.ink_box(view.screen_rect("lbldate"), reddish)
        self.assertGreaterEqual(box[3], 16, "the date line is not scaled up")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    build = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "build",
                         "windows")
    parser.add_argument("--exe", default=os.path.join(build, "lunadesk.exe"))
    parser.add_argument("--probe",
                        default=os.path.join(build, "tests", "e2e", "lunadesk_probe.exe"))
    parser.add_argument("--out", default=os.path.join(build, "e2e-screenshots"))
    parser.add_argument("tests", nargs="*", help="test names (unittest patterns) to run")
    args = parser.parse_args()
    os.environ["LUNADESK_EXE"] = args.exe
    os.environ["LUNADESK_PROBE"] = args.probe
    os.environ["LUNADESK_SCREENSHOTS"] = args.out

    loader = unittest.TestLoader()
    if args.tests:
        loader.testNamePatterns = [f"*{name}*" for name in args.tests]
    suite = loader.loadTestsFromModule(sys.modules[__name__])
    result = unittest.TextTestRunner(verbosity=2, stream=sys.stdout).run(suite)
    failed = len(result.failures) + len(result.errors) + len(result.unexpectedSuccesses)
    skipped = len(result.skipped)
    # A failing module set-up counts as a failure without having run a test.
    passed = max(result.testsRun - failed - skipped, 0)
    print(f"{passed} passed, {failed} failed, {skipped} skipped", flush=True)
    return 0 if failed == 0 and passed > 0 else 1


def setUpModule():
    build = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "build",
                         "windows")
    LunadeskTest.session = harness.Session(
        os.environ.get("LUNADESK_EXE", os.path.join(build, "lunadesk.exe")),
        os.environ.get("LUNADESK_PROBE",
                       os.path.join(build, "tests", "e2e", "lunadesk_probe.exe")),
        os.environ.get("LUNADESK_SCREENSHOTS", os.path.join(build, "e2e-screenshots")))


def tearDownModule():
    if LunadeskTest.session is not None:
        LunadeskTest.session.close()
        LunadeskTest.session = None


if __name__ == "__main__":
    sys.exit(main())
