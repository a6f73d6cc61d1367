#include "platform/ui/contrast.h"

namespace ui {

Colour ContrastColour(const ContrastColours& scheme, ColourUse use, Colour own) {
    switch (use) {
        case ColourUse::Background:
            return scheme.Background;
        case ColourUse::Text:
            return scheme.Text;
        case ColourUse::MarkedText:
            return scheme.MarkedText;
        case ColourUse::DimmedText:
            return scheme.DimmedText;
        case ColourUse::Frame:
            return scheme.Frame;
        case ColourUse::Content:
            break;
    }
    return own;
}

std::uint8_t ShownAlpha(bool contrast, std::uint8_t alpha) {
    constexpr std::uint8_t kOpaque = 255;
    return contrast ? kOpaque : alpha;
}

}  // namespace ui
