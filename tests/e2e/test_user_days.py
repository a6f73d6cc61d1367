"""End-to-end: the user's days file in the prefix's %APPDATA%, read by the real program."""

import datetime
import json
import os

from harness import CALENDAR, SCREEN, SETTINGS_KEY, LunadeskCase, eventually, menu_keys
from test_lunadesk import DATE, day_place

DAYS = "我的日子"


def read(path):
    with open(path, "rb") as file:
        return file.read()


class UserDays(LunadeskCase):
    def days_file(self, content):
        path = os.path.join(self.roaming_folder(), "Lunadesk", "days.json")
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as days:
            days.write(content)
        return path

    def test_a_days_description_ends_with_it_and_its_reminder_is_stored(self):
        today = datetime.date.today()
        day = {"id": "e2e-1", "name": "体检日", "kind": "yearly", "calendar": "gregorian",
               "month": today.month, "day": today.day, "remind": [0], "colour": "kept"}
        self.days_file(json.dumps({"days": [day]}, ensure_ascii=False).encode("utf-8"))
        self.launch()
        # The reminder is stored once the files have been read, after the first paint.
        self.assertEqual(self.stored(lambda v: "remindedThrough" in v).get("remindedThrough"),
                         today.isoformat())
        days = self.probe("--accessible", CALENDAR)[0]
        self.assertTrue(self.element(days, *day_place(today.day))["description"].endswith(" 体检日"))

    def test_a_faulty_file_is_not_used_and_left_byte_for_byte(self):
        today = datetime.date.today()
        content = ('\ufeff{"days": [{"id": "a", "name": "坏日子", "kind": "yearly", '
                   f'"calendar": "gregorian", "month": {today.month}, "day": {today.day}}}, '
                   '{"id": "a"}]}').encode("utf-8")
        path = self.days_file(content)
        self.wine("reg", "add", SETTINGS_KEY, "/v", "view", "/d", "1", "/f")
        self.launch()
        # The month view's notice line says why; nothing is reminded of, nor stored.
        said = "days.json：第2项："
        window = self.read_until(lambda w: any(c["text"].startswith(said) for c in w["children"]))
        self.assertTrue(any(c["text"].startswith(said) for c in window["children"]))
        self.assertNotIn("remindedThrough", self.registry(SETTINGS_KEY))
        with open(path, "rb") as kept:
            self.assertEqual(kept.read(), content)
        self.assertEqual(sorted(os.listdir(os.path.dirname(path))), ["days.json"])


class DaysWindow(LunadeskCase):
    def days_window(self, accept):
        return eventually(lambda: self.probe(DAYS)[0], lambda w: w is not None and accept(w))

    def test_a_day_entered_by_keys_is_saved_marked_and_exported(self):
        window = self.launch()
        today = datetime.datetime.strptime(self.element(window, *DATE)["text"], "%Y年%m月%d日")
        self.x("xdotool", "mousemove", window["x"] + 3, window["y"] + 3)
        self.x("xdotool", "key", "Menu", *menu_keys("我的日子…"))
        days = self.days_window(lambda w: w["visible"])
        # No window manager: keys go to the window under the pointer. The name box has the
        # focus; Chinese comes as an input method's result.
        self.x("xdotool", "mousemove", days["x"] + 3, days["y"] + 3)
        self.assertEqual(self.probe("ime=妈妈生日")[0], {"sent": True})
        # 历法: to 公历 and back to 农历 by keys, then Enter saves.
        self.x("xdotool", "key", "--delay", "100", "alt+c", "Down", "Up", "Return")
        path = os.path.join(self.roaming_folder(), "Lunadesk", "days.json")
        saved = eventually(lambda: os.path.isfile(path) and read(path).decode("utf-8"),
                           lambda text: text and "妈妈生日" in text)
        self.screenshot("days_window", (days["x"], days["y"], days["w"], days["h"]))
        day = json.loads(saved)["days"][0]
        self.assertEqual((day["name"], day["kind"], day["calendar"], day["remind"]),
                         ("妈妈生日", "birthday", "lunar", [0]))
        # The calendar marks it at once, on the selected day (today) whose lunar date it took.
        heard = eventually(lambda: self.probe("--accessible", CALENDAR)[0],
                           lambda w: "妈妈生日" in self.element(w, *day_place(today.day))[
                               "description"])
        self.assertIn("妈妈生日", self.element(heard, *day_place(today.day))["description"])
        # Export, to a path typed into the system's save dialog.
        self.x("xdotool", "key", "alt+e")
        dialog = eventually(lambda: self.probe("dialog")[0], bool, 30)
        self.assertTrue(dialog)
        self.x("xdotool", "mousemove", dialog["x"] + dialog["w"] // 2, dialog["y"] + 5)
        self.x("xdotool", "type", "--delay", "50", "C:\\days-e2e.ics")
        self.x("xdotool", "key", "Return")
        exported = os.path.join(self.prefix, "drive_c", "days-e2e.ics")
        text = eventually(lambda: os.path.isfile(exported) and read(exported), bool, 30)
        self.assertTrue(text.startswith(b"BEGIN:VCALENDAR\r\n"))
        status = self.days_window(lambda w: any(c["text"].startswith("已导出")
                                                for c in w["children"]))
        said = [c["text"] for c in status["children"] if c["text"].startswith("已导出")][0]
        # This year and ten on: one a lunar year, which a 腊月 day may shift by one.
        events = text.count(b"BEGIN:VEVENT")
        self.assertIn(events, (10, 11, 12))
        self.assertEqual(said, f"已导出{events}个事件到 C:\\days-e2e.ics")
        self.x("xdotool", "mousemove", SCREEN[0] // 2, SCREEN[1] - 40)
