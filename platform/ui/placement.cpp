#include "platform/ui/placement.h"

#include <algorithm>
#include <cstdint>

namespace ui {
namespace {

constexpr int kMinimumVisiblePixels = 32;

std::int64_t Overlap(const PixelRect& a, const PixelRect& b) {
    const std::int64_t width =
        std::int64_t{std::min(a.Right(), b.Right())} - std::max(a.Left, b.Left);
    const std::int64_t height =
        std::int64_t{std::min(a.Bottom(), b.Bottom())} - std::max(a.Top, b.Top);
    return width > 0 && height > 0 ? width * height : 0;
}

// Squared distance between two rectangles that do not overlap.
std::int64_t Distance(const PixelRect& a, const PixelRect& b) {
    const std::int64_t dx = std::max<std::int64_t>(
        {0, std::int64_t{b.Left} - a.Right(), std::int64_t{a.Left} - b.Right()});
    const std::int64_t dy = std::max<std::int64_t>(
        {0, std::int64_t{b.Top} - a.Bottom(), std::int64_t{a.Top} - b.Bottom()});
    return dx * dx + dy * dy;
}

const Monitor& Primary(const std::vector<Monitor>& monitors) {
    const auto primary =
        std::find_if(monitors.begin(), monitors.end(), [](const Monitor& m) { return m.Primary; });
    return primary != monitors.end() ? *primary : monitors.front();
}

PixelRect Sized(int left, int top, int width, int height, int dpi) {
    return {left, top, TwipsToPixelSize(width, dpi), TwipsToPixelSize(height, dpi)};
}

// The window at `place` on these pixels, moved as little as possible into the work area; a
// coordinate that need not move keeps its twips.
Place Inside(Place place, const PixelRect& window, const PixelRect& work) {
    const int left = std::max(work.Left, std::min(window.Left, work.Right() - window.Width));
    const int top = std::max(work.Top, std::min(window.Top, work.Bottom() - window.Height));
    return {left == window.Left ? place.Left : PixelsToPosition(left),
            top == window.Top ? place.Top : PixelsToPosition(top)};
}

// A window of this size (twips) at these pixels of the monitor, moved into its work area.
Place OnWorkArea(const Monitor& monitor, int left, int top, int width, int height) {
    const PixelRect window = Sized(left, top, width, height, monitor.Dpi);
    return Inside({PixelsToPosition(window.Left), PixelsToPosition(window.Top)}, window,
                  monitor.WorkArea);
}

}  // namespace

const Monitor& MonitorOf(const std::vector<Monitor>& monitors, const PixelRect& window) {
    const Monitor* best = &monitors.front();
    std::int64_t bestOverlap = -1;
    std::int64_t bestDistance = 0;
    for (const Monitor& monitor : monitors) {
        const std::int64_t overlap = Overlap(window, monitor.Bounds);
        const std::int64_t distance = Distance(window, monitor.Bounds);
        if (overlap > bestOverlap ||
            (overlap == 0 && bestOverlap == 0 && distance < bestDistance)) {
            best = &monitor;
            bestOverlap = overlap;
            bestDistance = distance;
        }
    }
    return *best;
}

PixelRect ScreenRect(const std::vector<Monitor>& monitors, Place place, int width, int height) {
    const int left = PositionToPixels(place.Left);
    const int top = PositionToPixels(place.Top);
    // Sized first for the monitor under the top-left corner, then for the one it mostly lies
    // on, as the system does when it creates a window there.
    const int cornerDpi = MonitorOf(monitors, PixelRect{left, top, 1, 1}).Dpi;
    const PixelRect first = Sized(left, top, width, height, cornerDpi);
    return Sized(left, top, width, height, MonitorOf(monitors, first).Dpi);
}

Place DefaultPlace(const std::vector<Monitor>& monitors, int width) {
    const Monitor& primary = Primary(monitors);
    const PixelRect& work = primary.WorkArea;
    return {PixelsToPosition(work.Right() - TwipsToPixelSize(width, primary.Dpi)),
            PixelsToPosition(work.Top)};
}

bool IsReachable(const std::vector<Monitor>& monitors, Place place, int width, int height) {
    const PixelRect window = ScreenRect(monitors, place, width, height);
    return std::any_of(monitors.begin(), monitors.end(), [&](const Monitor& monitor) {
        const PixelRect& work = monitor.WorkArea;
        return std::min(window.Right(), work.Right()) - std::max(window.Left, work.Left) >=
                   kMinimumVisiblePixels &&
               std::min(window.Bottom(), work.Bottom()) - std::max(window.Top, work.Top) >=
                   kMinimumVisiblePixels;
    });
}

Place KeepReachable(const std::vector<Monitor>& monitors, Place place, int width, int height) {
    return IsReachable(monitors, place, width, height) ? place : DefaultPlace(monitors, width);
}

Place PlaceBelow(const std::vector<Monitor>& monitors, Place anchor, int anchorWidth,
                 int anchorHeight, int gap, int width, int height) {
    const PixelRect below = ScreenRect(monitors, anchor, anchorWidth, anchorHeight);
    const Monitor& monitor = MonitorOf(monitors, below);
    return OnWorkArea(monitor, below.Left, below.Top + TwipsToPixelSize(gap, monitor.Dpi), width,
                      height);
}

Place PlaceBeside(const std::vector<Monitor>& monitors, Place anchor, int anchorWidth,
                  int anchorHeight, int width, int height) {
    const PixelRect beside = ScreenRect(monitors, anchor, anchorWidth, anchorHeight);
    const Monitor& monitor = MonitorOf(monitors, beside);
    const int pixels = TwipsToPixelSize(width, monitor.Dpi);
    const int left =
        beside.Left - pixels >= monitor.WorkArea.Left ? beside.Left - pixels : beside.Right();
    return OnWorkArea(monitor, left, beside.Top, width, height);
}

Place SameTopRight(const std::vector<Monitor>& monitors, Place place, int fromWidth, int fromHeight,
                   int toWidth) {
    const PixelRect from = ScreenRect(monitors, place, fromWidth, fromHeight);
    const int dpi = MonitorOf(monitors, from).Dpi;
    return {PixelsToPosition(from.Right() - TwipsToPixelSize(toWidth, dpi)), place.Top};
}

Place ResizedInside(const std::vector<Monitor>& monitors, Place place, int fromWidth,
                    int fromHeight, int toWidth, int toHeight) {
    const PixelRect from = ScreenRect(monitors, place, fromWidth, fromHeight);
    const Monitor& monitor = MonitorOf(monitors, from);
    const int width = TwipsToPixelSize(toWidth, monitor.Dpi);
    const PixelRect to = Sized(from.Right() - width, from.Top, toWidth, toHeight, monitor.Dpi);
    return Inside({PixelsToPosition(to.Left), place.Top}, to, monitor.WorkArea);
}

}  // namespace ui
