"""End-to-end: the month view, switched from the menu and from the settings window, its cells
read as a screen reader reads them, a cell's tip and a click on a day of the next month."""

from harness import CALENDAR, SCREEN, SETTINGS, LunadeskCase, eventually, menu_keys, px

MONTH_VIEW = (SCREEN[0] - px(4560), 0, px(4560), px(4815))
COMPACT = (SCREEN[0] - px(2895), 0, px(2895), px(3270))
SELECTED = 0x2
DATE = (120, 3990)  # the date line's place in the month view


class MonthView(LunadeskCase):
    def menu(self, window, item, shot=None):
        """Chooses the menu's item by its text from a right click on the bare surface
        right of the header's boxes; with shot, saves the open menu's picture by that name."""
        surface = {"x": window["x"] + px(2300), "y": window["y"] + px(400), "w": 1, "h": 1}
        self.click(window, surface, button=3)
        menu = eventually(lambda: self.probe("menu")[0], lambda m: m and m["visible"])
        self.assertTrue(menu, "no menu opened")
        if shot:
            self.screenshot(shot, [menu[k] for k in "xywh"])
        self.x("xdotool", "key", *menu_keys(item))

    def grid(self):
        """The calendar's child that has parts of its own, as a screen reader reads it."""
        window = self.probe("--accessible", CALENDAR)[0]
        return window, next(c for c in window["children"] if c.get("cells") and c["visible"])

    def test_switched_by_the_menu_and_the_settings_box_and_kept_at_the_next_start(self):
        window = self.launch()
        self.menu(window, "完整月历", shot="menu")
        self.assertEqual(eventually(lambda: self.geometry(self.xid), lambda g: g == MONTH_VIEW),
                         MONTH_VIEW)
        self.assertEqual(self.stored(lambda v: "view" in v)["view"], "1")
        self.screenshot("month_view", MONTH_VIEW)
        window, grid = self.grid()
        cells = grid["cells"]
        self.assertEqual(len(cells), 42)
        shown = self.element(window, *DATE)["text"]
        framed = [c for c in cells if c["state"] & SELECTED]
        self.assertEqual(len(framed), 1)
        self.assertTrue(framed[0]["name"].startswith(shown + " "), framed[0]["name"])
        self.assertTrue(cells[-1]["name"].endswith("（下月）"), cells[-1]["name"])
        # The tip of a cell is its own, as the screen reader's description says.
        self.assertEqual(self.hover(window, framed[0]), framed[0]["description"])
        # A day of the next month is selected in its own month.
        self.click(window, cells[-1])
        date = cells[-1]["name"].split()[0]
        window = self.read_until(lambda w: self.element(w, *DATE)["text"] == date)
        self.assertEqual(self.element(window, *DATE)["text"], date)

        self.assertTrue(self.probe(f"close={CALENDAR}")[0]["posted"])
        self.program.wait(60)
        window = self.launch()
        self.assertEqual(self.geometry(self.xid), MONTH_VIEW)
        self.menu(window, "设置")
        settings = self.read_until(lambda w: w["visible"], SETTINGS)
        box = next(c for c in settings["children"] if c["text"] == "完整月历")
        self.click(settings, box)
        self.assertEqual(eventually(lambda: self.geometry(self.xid), lambda g: g == COMPACT),
                         COMPACT)
        self.assertEqual(self.stored(lambda v: v.get("view") == "0")["view"], "0")
