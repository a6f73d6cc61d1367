"""End-to-end: the calendar used by real key presses (xdotool) on the real window."""

import calendar
import datetime
import json
import os

from harness import CALENDAR, SETTINGS, TRAY, LunadeskCase, eventually, menu_keys
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
        # A right click on a day, not only on the bare surface, opens the menu.
        self.click(window, self.element(window, *day_place(1)), button=3)
        self.x("xdotool", "key", *menu_keys("设置"))
        self.assertTrue(self.read_until(lambda w: w["visible"], SETTINGS)["visible"])
        self.x("xdotool", "key", "Escape")
        self.assertIsNone(eventually(lambda: self.read()[SETTINGS], lambda w: w is None))
        self.x("xdotool", "mousemove", window["x"] + 3, window["y"] + 3)
        self.x("xdotool", "key", "Menu", *menu_keys("最小化"))
        self.assertTrue(self.read_until(lambda t: t["visible"] and t["children"], TRAY)["children"])


class HolidayFile(LunadeskCase):
    def test_a_notice_in_the_users_folder_shows_in_the_tips(self):
        folder = os.path.join(self.roaming_folder(), "Lunadesk", "holidays")
        os.makedirs(os.path.join(folder, "x.json"))  # passed over, as anything not a file
        # As Notepad saves it on a Chinese Windows: code page 936, no BOM.
        with open(os.path.join(folder, "2027.json"), "w", encoding="gbk") as notice:
            json.dump({"year": 2027, "papers": [], "days": [
                {"name": "元旦", "date": "2027-01-01", "isOffDay": True},
                {"name": "元旦", "date": "2027-01-02", "isOffDay": True}]}, notice,
                ensure_ascii=False)
        window = self.launch()
        self.x("xdotool", "mousemove", window["x"] + 3, window["y"] + 3)
        today = datetime.datetime.strptime(self.element(window, *DATE)["text"], "%Y年%m月%d日")
        keys = ["alt+m", "Home", "Return"] if today.month != 1 else []
        keys += ["ctrl+Next" if today.year < 2027 else "ctrl+Prior"] * abs(2027 - today.year)
        self.x("xdotool", "key", "--delay", "100", *keys)
        # A month chosen in the box selects its last day, as a click there does.
        caption = long_date(2027, 1, 31 if today.month != 1 else today.day)
        window = self.read_until(lambda w: self.element(w, *DATE)["text"] == caption)
        self.assertEqual(self.element(window, *DATE)["text"], caption)
        days = self.probe("--accessible", CALENDAR)[0]
        tips = [self.element(days, *day_place(day))["description"] for day in (1, 2, 3)]
        self.assertEqual([tip.split()[-1] for tip in tips], ["休", "休（元旦）", "冬月廿六"], tips)
