// The screen as the window system reports it (monitors in physical pixels, each with its
// own DPI) and the two conversions between the model's twips and those pixels:
// - a screen position is 15 twips per physical pixel, whatever the monitor's DPI, so a
//   stored place means the same point on every monitor;
// - a size (and a place inside a window) is twips at the DPI of the monitor the window is
//   on, so text stays crisp at 125-200 %.
#pragma once

#include <cstdint>
#include <vector>

namespace ui {

constexpr int kTwipsPerInch = 1440;
constexpr int kDefaultDpi = 96;
constexpr int kTwipsPerScreenPixel = 15;

struct PixelRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    int Right() const { return Left + Width; }
    int Bottom() const { return Top + Height; }
    bool operator==(const PixelRect&) const = default;
};

struct Monitor {
    PixelRect Bounds;
    PixelRect WorkArea;  // without the task bar and docked tool bars
    int Dpi = kDefaultDpi;
    bool Primary = false;
};

namespace detail {
constexpr std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}
constexpr std::int64_t CeilDiv(std::int64_t a, std::int64_t b) {
    return -FloorDiv(-a, b);
}
}  // namespace detail

// Screen positions. A hand-edited position between two pixels goes to the one left of it.
constexpr int PositionToPixels(int twips) {
    return static_cast<int>(detail::FloorDiv(twips, kTwipsPerScreenPixel));
}
constexpr int PixelsToPosition(int pixels) {
    return pixels * kTwipsPerScreenPixel;
}

// Sizes and places inside a window at a DPI. Places round down and sizes half up, so an
// element of a given size covers the same pixels wherever it lies; pixels go back to twips
// rounding up, which keeps twips -> pixels -> twips -> pixels stable at every DPI.
constexpr int TwipsToPixelPosition(int twips, int dpi) {
    return static_cast<int>(detail::FloorDiv(std::int64_t{twips} * dpi, kTwipsPerInch));
}
constexpr int TwipsToPixelSize(int twips, int dpi) {
    return static_cast<int>(
        detail::FloorDiv(std::int64_t{twips} * dpi + kTwipsPerInch / 2, kTwipsPerInch));
}
constexpr int PixelsToTwips(int pixels, int dpi) {
    return static_cast<int>(detail::CeilDiv(std::int64_t{pixels} * kTwipsPerInch, dpi));
}

}  // namespace ui
