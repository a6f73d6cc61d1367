// The fonts the element model names, made real: the named face when the system has it,
// else an installed face with Chinese glyphs of the same size and weight; and for a text
// the chosen face cannot show (Chinese in "MS Sans Serif"), the system's message font or a
// Chinese face at 9 pt. Fonts are
// cached by face, size, weight and DPI and live as long as the cache.
#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "platform/ui/types.h"
#include "platform/win32/gdi_handles.h"

namespace platform::win32 {

class FontCache {
  public:
    FontCache();
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;

    // A font that shows every character of the text (as far as any installed face can).
    HFONT For(const ui::Font& font, int dpi, std::wstring_view text);
    // The face that For picks for the font with plain ASCII text; for tests and logs.
    std::wstring FaceFor(const ui::Font& font);
    // The face that stands in for missing Chinese glyphs ("" when the system has none of
    // the candidates, and then GDI picks).
    const std::wstring& ChineseFace();

    // The font's size and weight in a face made for Chinese ("Microsoft YaHei UI", else the
    // first of the Chinese faces installed): for text the user types, which may be Chinese
    // whatever the box shows first.
    HFONT ForChineseText(const ui::Font& font, int dpi);

    // The system's font for pointer tips (its status font).
    const ui::Font& TipFont();

    bool IsInstalled(const std::wstring& face);
    int CachedFontCount() const { return static_cast<int>(fonts_.size()); }

  private:
    using Key = std::tuple<std::wstring, int, bool, int>;  // face, points x 100, bold, dpi
    HFONT Get(const std::wstring& face, const ui::Font& font, int dpi);
    bool HasOwnGlyphs(HFONT font, std::wstring_view text);
    const std::vector<WCRANGE>& RangesOf(HFONT font);

    UniqueMemoryDc probe_;
    struct Cached {
        UniqueFont font;
        // The face's own glyph ranges, read when first asked for.
        bool rangesRead = false;
        std::vector<WCRANGE> ranges;
    };
    std::map<Key, Cached> fonts_;
    std::map<std::wstring, bool> installed_;
    std::map<std::string, std::wstring> faces_;
    std::wstring chineseFace_;
    std::optional<std::wstring> textFace_;
    struct SystemFonts {
        ui::Font tip;
        ui::Font message;
    };
    void ReadSystemFonts();
    std::optional<SystemFonts> systemFonts_;
    bool chineseFaceKnown_ = false;
};

}  // namespace platform::win32
