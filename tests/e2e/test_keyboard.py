"""End-to-end: the calendar used without a mouse, by real key presses (xdotool) on the real
window, and brought back from the notification area with the keyboard's focus."""

import calendar
import datetime
import re

from harness import CALENDAR, TRAY, LunadeskCase, eventually
from test_lunadesk import DATE, MONTH, YEAR, long_date


def shown(window, element):
    return element(window, *DATE)["text"]


def months_on(date, months, day=None):
    """The date that many months on: the same day number, or that month's last day."""
    year, month = divmod(date.year * 12 + date.month - 1 + months, 12)
    return datetime.date(year, month + 1,
                         min(day or date.day, calendar.monthrange(year, month + 1)[1]))


class Keyboard(LunadeskCase):
    def launch(self):
        window = super().launch()
        # Xvfb has no window manager, so X gives the keys to the window under the pointer:
        # it rests on the calendar's bare top-left corner, where no menu opens.
        self.x("xdotool", "mousemove", window["x"] + 3, window["y"] + 3)
        return window

    def key(self, *keys, until):
        """Presses the keys and waits until the calendar shows the expected date caption."""
        self.x("xdotool", "key", *keys)
        window = self.read_until(lambda w: shown(w, self.element) == until)
        self.assertEqual(shown(window, self.element), until, keys)
        return window

    def box(self, window, place):
        return self.element(window, *place, cls="ComboBox")

    def test_arrows_pages_home_and_the_boxes_by_keys(self):
        window = self.launch()
        self.assertEqual(self.probe("foreground"), [{"title": CALENDAR, "focus": True}])
        year, month, day = map(int, re.findall(r"\d+", shown(window, self.element)))
        today = datetime.date(year, month, day)
        at = today + datetime.timedelta(days=1)
        self.key("Right", until=long_date(at.year, at.month, at.day))
        for keys, months in (("Next", 1), ("ctrl+Next", 12)):
            at = months_on(at, months)
            window = self.key(keys, until=long_date(at.year, at.month, at.day))
        self.assertEqual(self.element(window, *YEAR)["text"], str(at.year))
        self.key("Home", until=long_date(year, month, day))

        # Alt+M drops the month list, Down and Return choose the next month (its last day
        # selected, as a choice with the mouse does); the keys go on working afterwards.
        self.x("xdotool", "key", "alt+m")
        self.read_until(lambda w: self.box(w, MONTH)["dropped"])
        down = month < 12
        at = months_on(today, 1 if down else -1, day=31)
        window = self.key("Down" if down else "Up", "Return",
                          until=long_date(at.year, at.month, at.day))
        self.assertEqual(self.element(window, *MONTH)["text"], str(at.month))
        self.assertFalse(self.box(window, MONTH)["visible"])
        at += datetime.timedelta(days=1)
        self.key("Right", until=long_date(at.year, at.month, at.day))

        # Esc closes the year box without a choice, and the keys come back to the calendar.
        self.x("xdotool", "key", "alt+y")
        self.read_until(lambda w: self.box(w, YEAR)["dropped"])
        self.x("xdotool", "key", "Escape")
        window = self.read_until(lambda w: not self.box(w, YEAR)["visible"])
        self.assertEqual(self.element(window, *YEAR)["text"], str(at.year))
        at -= datetime.timedelta(days=1)
        self.key("Left", until=long_date(at.year, at.month, at.day))

    def test_the_menu_key_minimises_and_a_click_on_the_icon_brings_the_keyboard_back(self):
        self.launch()
        # The menu: 回到今天, 设置, 最小化, 关闭.
        self.x("xdotool", "key", "Menu", "Down", "Down", "Down", "Return")
        self.assertEqual(eventually(lambda: self.xids(CALENDAR), lambda ids: not ids), [])
        tray = self.read_until(lambda t: t["visible"] and t["children"], TRAY)
        icon = tray["children"][0]
        self.x("xdotool", "mousemove", icon["x"] + icon["w"] // 2, icon["y"] + icon["h"] // 2,
               "click", 1)
        self.assertEqual(eventually(lambda: self.xids(CALENDAR), bool), [self.xid])
        # The tray window took the keyboard when the calendar went; the click gives it back.
        self.assertEqual(eventually(lambda: self.probe("foreground"),
                                    lambda f: f[0]["title"] == CALENDAR),
                         [{"title": CALENDAR, "focus": True}])
