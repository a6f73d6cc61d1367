"""End-to-end: the calendar used by real key presses (xdotool) on the real window."""

import calendar
import datetime

from harness import SETTINGS, TRAY, LunadeskCase, eventually
from test_lunadesk import DATE, day_place, long_date


class Keyboard(LunadeskCase):
    def test_keys_the_boxes_and_the_menu(self):
        window = self.launch()
        # No window manager: X keys go to the window under the pointer (no menu opens there).
        self.x("xdotool", "mousemove", window["x"] + 3, window["y"] + 3)
        shown = self.element(window, *DATE)["text"]
        today = datetime.datetime.strptime(shown, "%Y年%m月%d日").date()
        year, month = divmod(today.year * 12 + today.month + (0 if today.month < 12 else -2), 12)
        chosen = datetime.date(year, month + 1, calendar.monthrange(year, month + 1)[1])
        next_first = (chosen + datetime.timedelta(days=32)).replace(day=1)
        for keys, date in (("alt+m " + ("Down" if today.month < 12 else "Up") + " Return", chosen),
                           ("Right", chosen + datetime.timedelta(1)),
                           ("Next", next_first),
                           ("ctrl+Next", next_first.replace(year=next_first.year + 1)),
                           ("Home", today), ("alt+y Escape Left", today - datetime.timedelta(1))):
            self.x("xdotool", "key", *keys.split())
            caption = long_date(date.year, date.month, date.day)
            window = self.read_until(lambda w: self.element(w, *DATE)["text"] == caption)
            self.assertEqual(self.element(window, *DATE)["text"], caption, keys)
        # A right click on a day, not only on the bare surface, opens the menu: the second, 设置.
        self.click(window, self.element(window, *day_place(1)), button=3)
        self.x("xdotool", "key", "Down", "Down", "Return")
        self.assertTrue(self.read_until(lambda w: w["visible"], SETTINGS)["visible"])
        self.x("xdotool", "key", "Escape")
        self.assertIsNone(eventually(lambda: self.read()[SETTINGS], lambda w: w is None))
        self.x("xdotool", "mousemove", window["x"] + 3, window["y"] + 3)
        self.x("xdotool", "key", "Menu", "Down", "Down", "Down", "Return")  # the third: 最小化
        self.assertTrue(self.read_until(lambda t: t["visible"] and t["children"], TRAY)["children"])
