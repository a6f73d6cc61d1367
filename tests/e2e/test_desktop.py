"""End-to-end stories of the calendar on a desktop it shares: one instance, a close request
from outside, a day click through a dropped list, a settings window kept on the screen, the
desktop brought forward."""

import datetime
import os
import subprocess

from harness import (CALENDAR, SCREEN, SETTINGS, SETTINGS_KEY, TIMEOUT, TRAY, LunadeskCase,
                     eventually)
from test_lunadesk import MINIMISE, MONTH, SETTINGS_MARK, YEAR, DATE, day_place, long_date


STAND_IN = "Stand-in desktop"
MAGENTA = (255, 0, 255)


class Desktop(LunadeskCase):
    def show_desktop(self):
        """Brings a stand-in of the shell's desktop forward from a process of its own, as "show
        desktop" does; returns once it is the foreground window and shows."""
        helper = os.path.join(os.path.dirname(self.session.probe), "stand_in_desktop.exe")
        subprocess.Popen(["wine", helper], env=self.env, stdout=subprocess.DEVNULL,
                         stderr=subprocess.DEVNULL)
        self.assertEqual(eventually(lambda: self.probe("foreground")[0]["title"],
                                    lambda title: title == STAND_IN, TIMEOUT), STAND_IN)
        corner = (0, SCREEN[1] // 2, 8, 8)
        self.assertEqual(eventually(lambda: set(self.screenshot("corner", corner).values()),
                                    lambda colours: colours == {MAGENTA}), {MAGENTA})

    def magenta(self, window, name):
        """The share of the window's place on the screen that shows the stand-in desktop."""
        shot = self.screenshot(name, [window[k] for k in "xywh"])
        return sum(colour == MAGENTA for colour in shot.values()) / len(shot)


    def hide(self, window):
        self.click(window, self.element(window, *MINIMISE))
        self.assertEqual(eventually(lambda: self.xids(CALENDAR), lambda ids: not ids), [])

    def icons(self):
        tray = self.read()[TRAY]
        return tray["children"] if tray else []

    def test_a_second_start_brings_the_hidden_calendar_forward_and_ends(self):
        self.hide(self.launch())
        before = self.stored()
        self.assertEqual(self.wine(self.session.exe)[0], 0)
        self.assertEqual(eventually(lambda: self.xids(CALENDAR), bool), [self.xid])
        self.assertEqual(self.probe("foreground"), [{"title": CALENDAR, "focus": True}])
        self.assertEqual(eventually(self.icons, lambda icons: not icons), [], "the icon stayed")
        self.assertEqual(self.stored(), before)
        self.assertIsNone(self.program.poll(), "the first one ended")

    def test_a_close_request_while_hidden_ends_both_windows_like_the_close_mark(self):
        window = self.launch()
        self.click(window, self.element(window, *SETTINGS_MARK))
        self.read_until(lambda w: w["visible"], SETTINGS)
        self.hide(window)
        self.assertEqual(self.probe("close=" + CALENDAR), [{"posted": True}])
        self.assertEqual(self.program.wait(10), 0)
        self.assertEqual(self.xids(SETTINGS), [])
        self.assertEqual(self.icons(), [], "the icon stayed")

    def test_a_day_click_while_the_month_list_is_dropped_selects_that_day(self):
        window = self.launch()
        dropped = lambda w: self.element(w, *MONTH, cls="ComboBox")["dropped"]  # noqa: E731
        self.click(window, self.element(window, *MONTH))
        self.read_until(dropped)
        # Day 14 lies right of the list, which covers the grid's first columns.
        self.click(window, self.element(window, *day_place(14)))
        window = self.read_until(lambda w: not dropped(w))
        year, month = (int(self.element(window, *place)["text"]) for place in (YEAR, MONTH))
        self.assertEqual(self.element(window, *DATE)["text"], long_date(year, month, 14))
        self.assertFalse(self.element(window, *MONTH, cls="ComboBox")["visible"])

    def test_the_settings_window_opens_inside_the_screen_below_a_low_calendar(self):
        for name, value in (("formX", 40 * 15), ("formY", (SCREEN[1] - 230) * 15)):
            self.wine("reg", "add", SETTINGS_KEY, "/v", name, "/d", str(value), "/f")
        window = self.launch()
        self.click(window, self.element(window, *SETTINGS_MARK))
        settings = self.read_until(lambda w: w["visible"], SETTINGS)
        # Moved up only as far as the screen's bottom edge asks.
        self.assertEqual((settings["x"], settings["y"] + settings["h"]), (40, SCREEN[1]))

    def test_the_calendar_stays_above_the_desktop_brought_forward_without_taking_the_focus(self):
        window = self.launch()
        self.show_desktop()
        self.assertLess(eventually(lambda: self.magenta(window, "show_desktop"),
                                   lambda share: share < 0.01), 0.01)
        self.assertEqual(self.probe("foreground"), [{"title": STAND_IN, "focus": True}])
        # In the notification area, nothing of it shows.
        self.hide(window)
        self.show_desktop()
        self.assertEqual(self.xids(CALENDAR), [])
        self.assertGreater(self.magenta(window, "show_desktop_hidden"), 0.99)

    def test_turned_off_the_desktop_brought_forward_covers_the_calendar(self):
        self.wine("reg", "add", SETTINGS_KEY, "/v", "keepOnDesktop", "/d", "0", "/f")
        window = self.launch()
        self.show_desktop()
        self.assertGreater(eventually(lambda: self.magenta(window, "show_desktop_off"),
                                      lambda share: share > 0.99), 0.99)
