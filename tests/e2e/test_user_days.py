"""End-to-end: the user's days file in the prefix's %APPDATA%, read by the real program."""

import datetime
import json
import os

from harness import CALENDAR, SETTINGS_KEY, LunadeskCase
from test_lunadesk import day_place


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
