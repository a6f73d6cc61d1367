// DPI of the system and the twips <-> pixels conversions of the model, for the Win32 side.
#pragma once

#include "platform/ui/screen.h"

namespace platform::win32 {

using ui::kDefaultDpi;
using ui::kTwipsPerInch;
using ui::PixelsToTwips;
using ui::TwipsToPixelPosition;
using ui::TwipsToPixelSize;

// A font's character height in pixels (the negative LOGFONT height) for a size in points.
constexpr int PointsToPixelHeight(double points, int dpi) {
    return static_cast<int>(points * dpi / 72.0 + 0.5);
}

// The system DPI: GetDpiForSystem where the system has it (Windows 10), else the
// screen DC's LOGPIXELSX.
int SystemDpi();

}  // namespace platform::win32
