#include "platform/win32/fonts.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "platform/win32/dpi.h"
#include "platform/win32/wide_text.h"

namespace platform::win32 {
namespace {

// Faces with Chinese glyphs, the common Windows ones first, then those found on Wine.
constexpr std::array<const wchar_t*, 6> kChineseFaces = {L"Microsoft YaHei",  L"SimSun",
                                                         L"NSimSun",          L"WenQuanYi Zen Hei",
                                                         L"Noto Sans CJK SC", L"Noto Sans SC"};

// The size of the stand-in Chinese face: the size Chinese Windows gives its message font.
constexpr double kChinesePoints = 9.0;

// Other names of the designed faces. "宋体" is SimSun's Chinese name; "MS Sans Serif" is a
// bitmap font that only comes in a few pixel sizes, so its scalable TrueType twin is
// preferred, which stays crisp at 125 % or 150 %.
std::vector<std::wstring> NamesFor(const std::wstring& face) {
    if (face == L"宋体") {
        return {L"宋体", L"SimSun"};
    }
    if (face == L"MS Sans Serif") {
        return {L"Microsoft Sans Serif", L"MS Sans Serif"};
    }
    return {face};
}

int CALLBACK FoundFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;  // one match is enough
}

// "宋体" is designed with Chinese glyphs; "MS Sans Serif" is not, whatever stands in for it.
bool DesignedWithChinese(const std::string& face) {
    for (const std::wstring& name : NamesFor(ToWide(face))) {
        if (name == L"宋体" ||
            std::find(kChineseFaces.begin(), kChineseFaces.end(), name) != kChineseFaces.end()) {
            return true;
        }
    }
    return false;
}

bool IsAscii(std::wstring_view text) {
    return std::all_of(text.begin(), text.end(), [](wchar_t c) { return c < 0x80; });
}

}  // namespace

FontCache::FontCache() : probe_(::CreateCompatibleDC(nullptr)) {}

bool FontCache::IsInstalled(const std::wstring& face) {
    if (face.empty() || face.size() >= LF_FACESIZE) {
        return false;
    }
    const auto known = installed_.find(face);
    if (known != installed_.end()) {
        return known->second;
    }
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    face.copy(query.lfFaceName, face.size());
    bool found = false;
    if (probe_) {
        ::EnumFontFamiliesExW(probe_.Get(), &query, FoundFace, reinterpret_cast<LPARAM>(&found), 0);
    }
    installed_.emplace(face, found);
    return found;
}

const std::wstring& FontCache::ChineseFace() {
    if (!chineseFaceKnown_) {
        chineseFaceKnown_ = true;
        for (const wchar_t* face : kChineseFaces) {
            if (IsInstalled(face)) {
                chineseFace_ = face;
                break;
            }
        }
    }
    return chineseFace_;
}

std::wstring FontCache::FaceFor(const ui::Font& font) {
    const auto known = faces_.find(font.Name);
    if (known != faces_.end()) {
        return known->second;
    }
    std::wstring chosen = ChineseFace();
    for (const std::wstring& name : NamesFor(ToWide(font.Name))) {
        if (IsInstalled(name)) {
            chosen = name;
            break;
        }
    }
    faces_.emplace(font.Name, chosen);
    return chosen;
}

HFONT FontCache::ForChineseText(const ui::Font& font, int dpi) {
    if (!textFace_) {
        // Made for the screen, with Latin letters of its own, where Windows has it (Vista on).
        textFace_ = IsInstalled(L"Microsoft YaHei UI") ? L"Microsoft YaHei UI" : ChineseFace();
    }
    return Get(*textFace_, font, dpi);
}

void FontCache::ReadSystemFonts() {
    if (systemFonts_) {
        return;
    }
    SystemFonts fonts{{"Segoe UI", 9.0, false}, {"Segoe UI", 9.0, false}};
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        // Given at the system's DPI; kept in points, so they scale to any monitor's.
        const auto toFont = [](const LOGFONTW& log, ui::Font& font) {
            font.Name = ToUtf8(log.lfFaceName);
            if (log.lfHeight != 0) {
                font.Points = std::abs(log.lfHeight) * 72.0 / SystemDpi();
            }
        };
        toFont(metrics.lfStatusFont, fonts.tip);
        toFont(metrics.lfMessageFont, fonts.message);
    }
    systemFonts_ = fonts;
}

const ui::Font& FontCache::TipFont() {
    ReadSystemFonts();
    return systemFonts_->tip;
}

HFONT FontCache::Get(const std::wstring& face, const ui::Font& font, int dpi) {
    Key key{face, static_cast<int>(std::lround(font.Points * 100)), font.Bold, dpi};
    const auto cached = fonts_.find(key);
    if (cached != fonts_.end()) {
        return cached->second.font.Get();
    }
    LOGFONTW description{};
    description.lfHeight = -PointsToPixelHeight(font.Points, dpi);
    description.lfWeight = font.Bold ? FW_BOLD : FW_NORMAL;
    description.lfCharSet = DEFAULT_CHARSET;
    description.lfOutPrecision = OUT_TT_PRECIS;
    description.lfQuality = DEFAULT_QUALITY;
    face.copy(description.lfFaceName, std::min<std::size_t>(face.size(), LF_FACESIZE - 1));
    UniqueFont created(::CreateFontIndirectW(&description));
    const HFONT handle = created.Get();
    fonts_.emplace(std::move(key), Cached{std::move(created), false, {}});
    return handle;
}

// The face's own ranges: glyph lookups may answer from a linked face (Wine does), whose
// glyphs at a Western face's size are what this avoids. Asked once per font.
const std::vector<WCRANGE>& FontCache::RangesOf(HFONT font) {
    static const std::vector<WCRANGE> none;
    const auto found = std::find_if(fonts_.begin(), fonts_.end(), [font](const auto& entry) {
        return entry.second.font.Get() == font;
    });
    if (found == fonts_.end()) {
        return none;
    }
    Cached& cached = found->second;
    if (!cached.rangesRead && probe_) {
        cached.rangesRead = true;
        const SelectedObject selected(probe_.Get(), font);
        const DWORD bytes = ::GetFontUnicodeRanges(probe_.Get(), nullptr);
        std::vector<std::byte> buffer(bytes);
        auto* set = reinterpret_cast<GLYPHSET*>(buffer.data());
        if (bytes != 0 && ::GetFontUnicodeRanges(probe_.Get(), set) != 0) {
            cached.ranges.assign(set->ranges, set->ranges + set->cRanges);
        }
    }
    return cached.ranges;
}

bool FontCache::HasOwnGlyphs(HFONT font, std::wstring_view text) {
    const std::vector<WCRANGE>& ranges = RangesOf(font);
    return !ranges.empty() && std::all_of(text.begin(), text.end(), [&](wchar_t c) {
        return std::any_of(ranges.begin(), ranges.end(), [c](const WCRANGE& r) {
            return c >= r.wcLow && c < r.wcLow + r.cGlyphs;
        });
    });
}

HFONT FontCache::For(const ui::Font& font, int dpi, std::wstring_view text) {
    const std::wstring face = FaceFor(font);
    const HFONT primary = Get(face, font, dpi);
    // Every face the lists above can pick has the ASCII characters.
    if (IsAscii(text) || primary == nullptr ||
        (DesignedWithChinese(font.Name) && HasOwnGlyphs(primary, text))) {
        return primary;
    }
    // Chinese in a face without it: the system's message font where it has the glyphs (as
    // on Chinese Windows), else a face with Chinese glyphs at 9 pt (or the designed size). The
    // design size of a Western face would leave the strokes of "透明度" broken at 100 %.
    ReadSystemFonts();
    ui::Font sized = font;
    sized.Points = systemFonts_->message.Points;
    const HFONT message = Get(ToWide(systemFonts_->message.Name), sized, dpi);
    if (message != nullptr && HasOwnGlyphs(message, text)) {
        return message;
    }
    const std::wstring& chinese = ChineseFace();
    if (chinese.empty()) {
        return primary;
    }
    // A face designed for Chinese but missing keeps its size (the month view's small lines).
    sized.Points = DesignedWithChinese(font.Name) ? font.Points : kChinesePoints;
    const HFONT fallback = Get(chinese, sized, dpi);
    return fallback != nullptr ? fallback : primary;
}

}  // namespace platform::win32
