"""What the end-to-end tests know of the program's windows: where each element lies by
design, and a window as the probe reads it, with its child windows named after them."""

from harness import SCREEN_HEIGHT, SCREEN_WIDTH

CALENDAR = "日历-Calendar"
SETTINGS = "设置"


def position(twips, dpi=96):
    """Twips to device pixels for a place, as the program rounds it (down)."""
    return twips * dpi // 1440


def size(twips, dpi=96):
    return (twips * dpi + 720) // 1440


# Elements by their design place in twips; "box" and "bar" are native list boxes and
# scroll bars, anything else ("label") is one of the program's own child windows.
CALENDAR_LAYOUT = {
    "Label1_0": ("label", 120, 120), "Label1_1": ("label", 1320, 120),
    "cbomonth": ("box", 120, 360), "Label4": ("label", 120, 360),
    "cboyear": ("box", 1320, 360), "Label5": ("label", 1320, 360),
    "Label7": ("label", 2400, 0), "Label6": ("label", 2640, 0),
    "Label3": ("label", 1800, 2280), "lbldate": ("label", 120, 2760),
    "lblday": ("label", 1680, 2760), "Label2": ("label", 120, 3000),
    "Label8": ("label", 2760, 3120),
}
for _i in range(31):
    CALENDAR_LAYOUT[f"day{_i + 1}"] = ("label", 240 + 360 * (_i % 7), 840 + 360 * (_i // 7))

SETTINGS_LAYOUT = {
    "HScroll1": ("bar", 360, 360), "Label4": ("label", 2640, 360),
    "Label8": ("label", 2760, 0), "orange": ("label", 1920, 3240),
}


def union(a, b):
    left, top = min(a[0], b[0]), min(a[1], b[1])
    right, bottom = max(a[0] + a[2], b[0] + b[2]), max(a[1] + a[3], b[1] + b[3])
    return left, top, right - left, bottom - top


def reddish(colour):
    return colour[0] >= 64 and colour[1] < 64 and colour[2] < 64


def magentaish(colour):
    return colour[0] >= 64 and colour[2] >= 64 and colour[1] < 64


class View:
    """One window as the probe saw it: its rectangle, alpha and named child windows."""

    def __init__(self, window, children, layout, dpi):
        self.window = window
        self.elements = {}
        for name, (kind, left, top) in layout.items():
            for child in children:
                if "class" not in child:
                    continue  # the window itself was not found
                cls = child["class"]
                matches_kind = (cls == "ComboBox" if kind == "box" else
                                cls == "ScrollBar" if kind == "bar" else
                                cls not in ("ComboBox", "ScrollBar"))
                if matches_kind and (child["x"], child["y"]) == (position(left, dpi),
                                                                 position(top, dpi)):
                    self.elements[name] = child

    @property
    def found(self):
        return self.window.get("found", False)

    @property
    def shown(self):
        return self.found and self.window["visible"]

    def rect(self):
        w = self.window
        return w["x"], w["y"], w["w"], w["h"]

    def element(self, name):
        if name not in self.elements:
            raise AssertionError(f"no child window at the place of {name}")
        return self.elements[name]

    def text(self, name):
        return self.element(name)["text"]

    def visible(self, name):
        return self.element(name)["visible"]

    def screen_rect(self, name):
        child = self.element(name)
        return self.window["x"] + child["x"], self.window["y"] + child["y"], child["w"], child["h"]

    def click_point(self, name):
        """The middle of the part of the element that lies inside its window and the screen."""
        x, y, w, h = self.screen_rect(name)
        left = max(x, self.window["x"], 0)
        top = max(y, self.window["y"], 0)
        right = min(x + w, self.window["x"] + self.window["w"], SCREEN_WIDTH)
        bottom = min(y + h, self.window["y"] + self.window["h"], SCREEN_HEIGHT)
        if left >= right or top >= bottom:
            raise AssertionError(f"{name} cannot be clicked: it lies outside the screen")
        return (left + right) // 2, (top + bottom) // 2
