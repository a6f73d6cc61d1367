// Small value types shared by the element model and the window systems.
#pragma once

#include <cstdint>
#include <string>

namespace ui {

// red + 256 * green + 65536 * blue, red in the low byte.
using Colour = std::int32_t;

constexpr Colour Rgb(int red, int green, int blue) {
    return red + 256 * green + 65536 * blue;
}
constexpr int RedOf(Colour c) {
    return c & 0xFF;
}
constexpr int GreenOf(Colour c) {
    return (c >> 8) & 0xFF;
}
constexpr int BlueOf(Colour c) {
    return (c >> 16) & 0xFF;
}
// A colour of the system's scheme by its index (the window system looks it up when it
// draws): the high bit set and the index in the low byte.
constexpr Colour SystemColour(int index) {
    return static_cast<Colour>(0x80000000u | static_cast<unsigned>(index));
}

// Positions and sizes in twips (platform/ui/screen.h); 32-bit so wide screens fit.
struct Rect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    int Right() const { return Left + Width; }
    int Bottom() const { return Top + Height; }
    bool operator==(const Rect&) const = default;
};

// A point of a form's client area in twips.
struct Point {
    int X = 0;
    int Y = 0;
};

struct Font {
    std::string Name = "MS Sans Serif";
    double Points = 8.25;
    bool Bold = true;
    bool operator==(const Font&) const = default;
};

// Mouse button state bits as the window surface's mouse handlers receive them.
enum MouseButton : int { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };

// What the notification area tells a window about its balloon and itself.
enum class NotifyEvent {
    BalloonClicked,    // the balloon or the icon it came from was clicked
    BalloonDismissed,  // closed by the user or timed out
    AreaCreated,       // the notification area (re)started: a balloon refused may go now
};

}  // namespace ui
