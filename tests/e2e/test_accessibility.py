"""What a screen reader hears of the real lunadesk.exe under Wine: each element's object from
AccessibleObjectFromWindow, asked for its name, role and state, beside the window texts."""

from harness import CALENDAR, SETTINGS, LunadeskCase
from test_lunadesk import day_place

PUSH_BUTTON, COMBO_BOX, SLIDER = 0x2B, 0x2E, 0x33
SELECTED, INVISIBLE = 0x2, 0x8000
WEEKDAYS = "一二三四五六日"


class ScreenReader(LunadeskCase):
    def heard(self, title):
        """The window as the probe reads it, each child with name, role and state."""
        return self.probe("--accessible", title)[0]

    def assert_heard(self, window, place, name, role, selected=False, invisible=False,
                     cls="LunadeskLabel"):
        child = self.element(window, *place, cls=cls)
        self.assertEqual((child["name"], child["role"]), (name, role), child)
        self.assertEqual((bool(child["state"] & SELECTED), bool(child["state"] & INVISIBLE)),
                         (selected, invisible), child)

    def test_marks_days_boxes_and_swatches_are_named_with_their_state(self):
        self.launch()
        window = self.heard(CALENDAR)
        for place, name in (((2400, 0), "最小化"), ((2640, 0), "关闭"), ((2760, 3120), "设置")):
            self.assert_heard(window, place, name, PUSH_BUTTON)
        self.assert_heard(window, (1800, 2280), "回到今天", PUSH_BUTTON, invisible=True)
        # The model's role: Wine's own proxy for a combo box would answer ROLE_SYSTEM_CLIENT.
        self.assert_heard(window, (120, 360), "月份", COMBO_BOX, invisible=True, cls="ComboBox")

        # Today's label carries the date lines' texts and the lunar month and day.
        date, weekday, lunar = (self.element(window, 120 + dx, dy)["text"] for dx, dy in
                                ((0, 2760), (1560, 2760), (0, 3000)))
        today = int(date.split("月")[1].rstrip("日"))
        other = 2 if today == 1 else 1
        self.assert_heard(window, day_place(today), f"{date} {weekday} 农历{lunar.split(')')[1]}",
                          PUSH_BUTTON, selected=True)
        self.click(window, self.element(window, *day_place(other)))
        window = self.read_until(lambda w: self.element(w, 120, 2760)["text"] != date)
        window = self.heard(CALENDAR)
        name = self.element(window, *day_place(other))["name"]
        self.assertRegex(name, rf"^\d+年\d+月{other}日 星期[{WEEKDAYS}] 农历\S+月\S+$")
        self.assert_heard(window, day_place(other), name, PUSH_BUTTON, selected=True)
        self.assert_heard(window, day_place(today), self.element(window, *day_place(today))
                          ["name"], PUSH_BUTTON)
        self.assert_heard(window, (1800, 2280), "回到今天", PUSH_BUTTON)

        self.click(window, self.element(window, 2760, 3120))
        settings = self.read_until(lambda w: w["visible"], SETTINGS)
        settings = self.heard(SETTINGS)
        self.assert_heard(settings, (840, 3240), "蓝色", PUSH_BUTTON, selected=True,
                          cls="LunadeskPicture")
        self.assert_heard(settings, (1920, 3240), "橙色", PUSH_BUTTON, cls="LunadeskPicture")
        self.assert_heard(settings, (360, 360), "透明度", SLIDER, cls="ScrollBar")
        # Its value as the window shows it beside the slider ("78%" at first).
        self.assertEqual(self.element(settings, 360, 360, cls="ScrollBar")["value"],
                         self.element(settings, 2640, 360)["text"])
        self.assert_heard(settings, (2760, 0), "关闭", PUSH_BUTTON)
