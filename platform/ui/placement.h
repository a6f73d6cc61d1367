// Where windows go on a screen of several monitors, each with its own DPI: the rules the
// windows follow, kept here so that they run the same on the headless system in the tests
// and on the real one. Places are twips of the screen (15 per physical pixel).
#pragma once

#include <vector>

#include "platform/ui/screen.h"

namespace ui {

struct Place {
    int Left = 0;
    int Top = 0;
    bool operator==(const Place&) const = default;
};

// The monitor a window on these pixels is on: the one it overlaps most, else the nearest.
// There is always at least one monitor.
const Monitor& MonitorOf(const std::vector<Monitor>& monitors, const PixelRect& window);

// The pixels a window of this client size (twips) takes at this place: its size follows the
// DPI of the monitor it lands on.
PixelRect ScreenRect(const std::vector<Monitor>& monitors, Place place, int width, int height);

// The right edge on the primary monitor's work area's right edge, the top on its top: a task
// bar on the top or the right never covers the window's marks.
Place DefaultPlace(const std::vector<Monitor>& monitors, int width);

// True when at least 32 x 32 pixels of the window would lie on one monitor's work area.
bool IsReachable(const std::vector<Monitor>& monitors, Place place, int width, int height);

// Where a window at this place goes when the monitors changed (one removed, rearranged,
// rescaled): it stays while reachable, else it goes to the default place.
Place KeepReachable(const std::vector<Monitor>& monitors, Place place, int width, int height);

// The place of a window of toWidth twips whose top-right corner stands where that of a window
// of fromWidth x fromHeight at `place` stands, sized for the monitor that window is on.
Place SameTopRight(const std::vector<Monitor>& monitors, Place place, int fromWidth, int fromHeight,
                   int toWidth);

// Where a window of toWidth x toHeight goes that takes the place of one of fromWidth x
// fromHeight at `place` (a window switching its size): its top-right corner where that one's
// is, sized for the monitor that one is on, then moved no more than needed to lie wholly inside
// that monitor's work area; larger than the work area, it keeps its top-left corner inside.
Place ResizedInside(const std::vector<Monitor>& monitors, Place place, int fromWidth,
                    int fromHeight, int toWidth, int toHeight);

// Below the anchor window by `gap` twips of size, moved up or left only as far as needed to lie
// wholly inside the work area of the anchor's monitor.
Place PlaceBelow(const std::vector<Monitor>& monitors, Place anchor, int anchorWidth,
                 int anchorHeight, int gap, int width, int height);

// Beside the anchor window, tops level: on its left where the work area of its monitor has room
// for it (a calendar stands at the right edge by default), else on its right; then moved no more
// than needed to lie wholly inside that work area.
Place PlaceBeside(const std::vector<Monitor>& monitors, Place anchor, int anchorWidth,
                  int anchorHeight, int width, int height);

}  // namespace ui
