// Twips (the model's unit) to device pixels and back at a given DPI. Positions round
// down and sizes round half up, so a window of a given size lands on the same pixels at
// every position; pixels go back to twips rounding up, which makes the round trip
// twips -> pixels -> twips -> pixels stable at every DPI (a stored position never creeps).
#pragma once

#include <cstdint>

namespace platform::win32 {

constexpr int kTwipsPerInch = 1440;
constexpr int kDefaultDpi = 96;

namespace detail {
constexpr std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}
constexpr std::int64_t CeilDiv(std::int64_t a, std::int64_t b) {
    return -FloorDiv(-a, b);
}
}  // namespace detail

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

// A font's character height in pixels (the negative LOGFONT height) for a size in points.
constexpr int PointsToPixelHeight(double points, int dpi) {
    return static_cast<int>(points * dpi / 72.0 + 0.5);
}

// The system DPI: GetDpiForSystem where the system has it (Windows 10), else the
// screen DC's LOGPIXELSX.
int SystemDpi();

}  // namespace platform::win32
