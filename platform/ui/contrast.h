// Contrast themes: while one is on, a window shows the theme's system colours instead of its
// own and is opaque. Only what is drawn changes; the model and the stored settings keep their
// colours and opacity, which show again when the theme is turned off.
#pragma once

#include <cstdint>

#include "platform/ui/types.h"

namespace ui {

// What a colour of the model is used for, which decides what a contrast theme draws instead.
enum class ColourUse {
    Background,
    Text,
    // Text marked apart from the rest by its own colour (the Sundays of the month).
    MarkedText,
    // Text that is there but not of the matter at hand (the neighbour months' days).
    DimmedText,
    Frame,
    // A colour the user looks at for itself (a swatch, a colour preview): it stays.
    Content,
};

// The system colours a window is drawn in under a contrast theme.
struct ContrastColours {
    Colour Background;
    Colour Text;
    Colour MarkedText;
    Colour DimmedText;
    Colour Frame;
};

// System colour indices, as GetSysColor numbers them.
inline constexpr int kSysWindow = 5;
inline constexpr int kSysMenu = 4;
inline constexpr int kSysMenuText = 7;
inline constexpr int kSysWindowText = 8;
inline constexpr int kSysHighlight = 13;
inline constexpr int kSysGrayText = 17;
inline constexpr int kSysHotLight = 26;

// A window's own surface: its background, its text, the theme's hyperlink colour for marked
// text (a contrast theme's one other text colour) and the selection colour for frames.
inline constexpr ContrastColours kWindowContrast{
    SystemColour(kSysWindow), SystemColour(kSysWindowText), SystemColour(kSysHotLight),
    SystemColour(kSysGrayText), SystemColour(kSysHighlight)};
// A small tool window on the menu colour: everything in the menu's text colour.
inline constexpr ContrastColours kMenuContrast{
    SystemColour(kSysMenu), SystemColour(kSysMenuText), SystemColour(kSysMenuText),
    SystemColour(kSysGrayText), SystemColour(kSysMenuText)};

// The colour drawn for a colour of the model with this use.
Colour ContrastColour(const ContrastColours& scheme, ColourUse use, Colour own);

// The opacity a window is drawn with: a contrast theme makes it opaque.
std::uint8_t ShownAlpha(bool contrast, std::uint8_t alpha);

}  // namespace ui
