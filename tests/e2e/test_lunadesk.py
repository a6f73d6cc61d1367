"""End-to-end stories of the real lunadesk.exe under Wine, each in a fresh prefix.

Only what can be seen from outside the process: real clicks and a real drag, the X window's
place and opacity, the registry, the exit code, DPI and the picture on the screen. What a
handler makes of an event is proven by the behaviour tests on the headless window system.
"""

import datetime

from harness import CALENDAR, SCREEN, SETTINGS, TRAY, LunadeskCase, eventually

RED, MAGENTA, BLUE = (255, 0, 0), (255, 0, 255), (0, 0, 255)
FIRST_RUN = {
    "formX": str(SCREEN[0] * 15 - 2895), "formY": "0", "formbackcol": "200",
    "fontR1": "0", "fontG1": "255", "fontB1": "255", "fontR2": "0", "fontG2": "255",
    "fontB2": "0", "setcol": "16711680",
}
TOP_RIGHT = (SCREEN[0] - 193, 0, 193, 218)
# Design places (twips) of the elements the stories use.
MINIMISE, CLOSE, SETTINGS_MARK = (2400, 0), (2640, 0), (2760, 3120)
MONTH, YEAR, DATE, SLIDER = (120, 360), (1320, 360), (120, 2760), (360, 360)
PERCENT, ORANGE, CYAN = (2640, 360), (1920, 3240), (2280, 3240)
FOCUSED, FOCUSABLE = 0x4, 0x100000


def day_place(day):
    return 240 + 360 * ((day - 1) % 7), 840 + 360 * ((day - 1) // 7)


def long_date(year, month, day):
    return f"{year}年{month}月{day}日"


def count(pixels, colour, tolerance=8):
    return sum(all(abs(a - b) <= tolerance for a, b in zip(c, colour)) for c in pixels)


class FirstRun(LunadeskCase):
    def test_first_run_is_stored_and_shown_top_right(self):
        days = {datetime.date.today()}
        window = self.launch()
        days.add(datetime.date.today())
        # The ten first-run values; the left one from the real screen's width.
        self.assertEqual(self.stored(lambda v: len(v) == 10), FIRST_RUN)
        self.assertEqual(self.geometry(self.xid), TOP_RIGHT)
        self.assertEqual(self.opacity(self.xid), 200)
        # Translucent by alpha alone: a colour key would make the black surface see-through.
        self.assertEqual((window["alpha"], window["colorKey"]), (200, None))
        self.assertIn(self.element(window, *DATE)["text"],
                      {long_date(d.year, d.month, d.day) for d in days}, "not today")
        shot = self.screenshot("first_run", TOP_RIGHT)
        for colour, what in ((RED, "day numbers"), (MAGENTA, "lunar date"), (BLUE, "Sundays")):
            self.assertGreater(count(shot.values(), colour), 20, f"no {what} painted")


class DayTips(LunadeskCase):
    def test_a_day_shows_its_tip_under_the_pointer_and_to_screen_readers(self):
        window = self.launch()
        # January, whatever the year: its first day is New Year's Day.
        self.click(window, self.element(window, *MONTH))
        self.read_until(lambda w: self.element(w, *MONTH, cls="ComboBox")["visible"])
        self.x("xdotool", "key", "Home", "Return")
        window = self.read_until(lambda w: self.element(w, *MONTH)["text"] == "1")
        for day in (1, 2):
            tip = self.hover(window, self.element(window, *day_place(day)))
            x, y = self.middle(window, self.element(window, *day_place(day)))
            self.screenshot(f"day_tip_{day}", (x - 200, y, SCREEN[0] - x + 200, 60))
            label = self.element(self.probe("--accessible", CALENDAR)[0], *day_place(day))
            # The lunar day as the name says it, then the festivals, as the description says.
            self.assertEqual(tip.split()[0], label["name"].rpartition("农历")[2])
            self.assertEqual(tip, label["description"])
            self.assertEqual("元旦" in tip.split()[:2], day == 1)  # then maybe 休（元旦）


class Placement(LunadeskCase):
    def test_a_real_drag_is_stored_and_restored_at_the_next_start(self):
        window = self.launch()
        # Pressed on the bare surface right of the grid; to partly past the screen's left edge.
        self.drag(self.xid, (window["x"] + 189, window["y"] + 100), (-window["x"] - 60, 200))
        place = self.geometry(self.xid)
        self.assertLess(abs(place[0] + 60) + abs(place[1] - 200), 40, "did not follow")
        self.assertEqual(place[2:], TOP_RIGHT[2:])
        expected = (str(place[0] * 15), str(place[1] * 15))
        values = self.stored(lambda v: (v["formX"], v["formY"]) == expected)
        self.assertEqual((values["formX"], values["formY"]), expected)

        # Closed by its "×", it ends with 0; the next start opens where the drag left it.
        window = self.read()[CALENDAR]
        self.click(window, self.element(window, *CLOSE))
        self.assertEqual(self.program.wait(10), 0)
        self.assertEqual(self.xids(CALENDAR), [])
        self.launch()
        self.assertEqual(self.geometry(self.xid), place)


class Tray(LunadeskCase):
    def test_minimised_to_the_tray_and_back_by_pointing_at_the_icon(self):
        window = self.launch()
        self.click(window, self.element(window, *MINIMISE))
        self.assertEqual(eventually(lambda: self.xids(CALENDAR), lambda ids: not ids), [])
        tray = self.read_until(lambda t: t["visible"] and t["children"], TRAY)
        self.assertEqual(len(tray["children"]), 1, "not exactly one icon")
        icon = tray["children"][0]
        shot = self.screenshot("tray", [icon[k] for k in "xywh"])
        self.assertGreater(len(set(shot.values())), 4, "the icon is not drawn")

        centre = (icon["x"] + icon["w"] // 2, icon["y"] + icon["h"] // 2)
        self.x("xdotool", "mousemove", *centre, "mousemove", centre[0] + 1, centre[1] + 1)
        self.assertEqual(eventually(lambda: self.xids(CALENDAR), bool), [self.xid])
        self.assertEqual(self.geometry(self.xid), TOP_RIGHT)
        tray = eventually(lambda: self.read()[TRAY], lambda t: not t or not t["children"])
        self.assertFalse(tray and tray["children"], "the icon stayed")


class SettingsWindow(LunadeskCase):
    def test_slider_mouse_and_keys_set_the_real_opacity_and_closing_ends_both_windows(self):
        window = self.launch()
        self.click(window, self.element(window, *SETTINGS_MARK))
        settings = self.read_until(lambda w: w["visible"], SETTINGS)
        # The keyboard focus starts on the transparency slider.
        state = eventually(lambda: self.element(self.probe("--accessible", SETTINGS)[0], *SLIDER,
                                                cls="ScrollBar")["state"], lambda s: s & FOCUSED)
        self.assertEqual(state & (FOCUSED | FOCUSABLE), FOCUSED | FOCUSABLE)
        self.x("xdotool", "mousemove", SCREEN[0] // 2, SCREEN[1] - 40)
        left, top = min(window["x"], settings["x"]), window["y"]
        right = max(window["x"] + window["w"], settings["x"] + settings["w"])
        self.screenshot("calendar_and_settings",
                        (left, top, right - left, settings["y"] + settings["h"] - top))

        # One step of the slider's right arrow: stored, and applied to the X window.
        bar = self.element(settings, *SLIDER, cls="ScrollBar")
        self.x("xdotool", "mousemove", bar["x"] + bar["w"] - bar["h"] // 2,
               bar["y"] + bar["h"] // 2, "click", 1)
        self.assertEqual(self.stored(lambda v: v["formbackcol"] != "200"),
                         dict(FIRST_RUN, formbackcol="201"))
        self.assertEqual(eventually(lambda: self.opacity(self.xid), lambda a: a == 201), 201)

        # End; Tab to the main red slider, Right; Shift+Tab back round (past the two boxes) to
        # orange, Space.
        for keys, name, value in ((["End"], "formbackcol", "255"), (["Tab", "Right"], "fontR1", "1"),
                                  (["shift+Tab"] * 6 + ["space"], "setcol", "33023")):
            self.x("xdotool", "key", "--delay", "100", *keys)
            self.assertEqual(self.stored(lambda v: v[name] == value)[name], value)
        self.assertEqual(self.element(self.read()[SETTINGS], *PERCENT)["text"], "100%")
        # The focus mark: dots inside the orange swatch's edge, none in the cyan one.
        shot = self.screenshot("settings_focus_mark", [settings[k] for k in "xywh"])
        for place, colour, marked in ((ORANGE, (255, 128, 0), True), (CYAN, (0, 255, 255), False)):
            swatch = self.element(settings, *place, cls="LunadeskPicture")
            inside = [shot[(x, y)] for x in range(swatch["x"] + 1, swatch["x"] + swatch["w"] - 1)
                      for y in range(swatch["y"] + 1, swatch["y"] + swatch["h"] - 1)]
            self.assertEqual(len(inside) - count(inside, colour, 40) > 8, marked, place)
        self.x("xdotool", "key", "Escape")
        self.assertEqual(eventually(lambda: self.xids(SETTINGS), lambda ids: not ids), [])

        self.click(window, self.element(window, *SETTINGS_MARK))
        self.read_until(lambda w: w["visible"], SETTINGS)
        self.x("xdotool", "mousemove", SCREEN[0] // 2, SCREEN[1] - 40)
        self.click(window, self.element(window, *CLOSE))
        self.assertEqual(self.program.wait(10), 0)
        self.assertEqual(self.xids(CALENDAR) + self.xids(SETTINGS), [])


class Scaling(LunadeskCase):
    dpi = 144

    def test_at_150_percent_the_window_is_larger_and_its_text_crisp(self):
        self.assertEqual(self.wine("reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels",
                                   "/t", "REG_DWORD", "/d", "144", "/f")[0], 0)
        window = self.launch()
        place = (SCREEN[0] - 290, 0, 290, 327)
        self.assertEqual(self.geometry(self.xid), place)
        shot = self.screenshot("scaled_150", place)
        date = self.element(window, *DATE)
        ink = {(x, y): c for (x, y), c in shot.items() if c[0] >= 64 and max(c[1:]) < 64
               and 0 <= x - date["x"] < date["w"] and 0 <= y - date["y"] < date["h"]}
        self.assertGreater(len(ink), 20, "the date shows no text")
        rows = {y for _, y in ink}
        self.assertGreaterEqual(max(rows) - min(rows) + 1, 16, "the date is not scaled up")
        # Drawn at the screen's resolution: a stretched 96-dpi picture has hardly a pixel at
        # full intensity left.
        full = sum(max(c) >= 250 for c in ink.values())
        self.assertGreater(full / len(ink), 0.25, "the date looks blurred")
