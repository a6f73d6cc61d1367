// The font choice: every text the windows show must render, not as boxes, at the model's
// size and weight, with one GDI font per face, size, weight and DPI, freed with the cache.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "platform/win32/fonts.h"
#include "platform/win32/gdi_handles.h"

namespace platform::win32 {
namespace {

bool ShowsAll(HFONT font, const std::wstring& text) {
    UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    const SelectedObject selected(dc.Get(), font);
    std::vector<WORD> glyphs(text.size());
    return ::GetGlyphIndicesW(dc.Get(), text.c_str(), static_cast<int>(text.size()), glyphs.data(),
                              GGI_MARK_NONEXISTING_GLYPHS) != GDI_ERROR &&
           std::find(glyphs.begin(), glyphs.end(), 0xFFFF) == glyphs.end();
}

const ui::Font kSong{"宋体", 9, true};

TEST(FontCache, EveryDesignedTextRenders) {
    FontCache fonts;
    ASSERT_FALSE(fonts.ChineseFace().empty()) << "no font with Chinese glyphs installed";
    for (const std::wstring text :
         {L"一月", L"十二月", L"点击选择", L"┛", L"×", L" 2021", L"(", L"31", L"回到今天",
          L"农历辛丑年(牛)三月廿八", L"2021年5月9日"}) {
        EXPECT_TRUE(ShowsAll(fonts.For(ui::Font{}, 96, text), text)) << text.size();
        EXPECT_TRUE(ShowsAll(fonts.For(kSong, 96, text), text)) << text.size();
    }
    EXPECT_FALSE(fonts.IsInstalled(L"No Such Face Anywhere"));
    EXPECT_EQ(fonts.FaceFor(ui::Font{"No Such Face Anywhere", 9, false}), fonts.ChineseFace());
}

TEST(FontCache, SizeAndWeightFollowTheModelAndDpiAndEachFontIsMadeOnceAndFreed) {
    const ui::Font font{"宋体", 10.5, true};
    HFONT first = nullptr;
    {
        FontCache fonts;
        first = fonts.For(font, 120, L"星期日");
        LOGFONTW description{};
        ASSERT_NE(::GetObjectW(first, sizeof(description), &description), 0);
        // 17.5 px: heights round half up.
        EXPECT_EQ(std::tuple(description.lfHeight, description.lfWeight), std::tuple(-18, FW_BOLD));
        const int count = fonts.CachedFontCount();
        EXPECT_EQ(fonts.For(font, 120, L"星期日"), first);
        EXPECT_EQ(fonts.CachedFontCount(), count);
        EXPECT_NE(fonts.For(ui::Font{"宋体", 10.5, false}, 120, L"星期日"), first);
        EXPECT_NE(fonts.For(font, 144, L"星期日"), first) << "a new DPI, a new font";
    }
    EXPECT_EQ(::GetObjectType(first), 0u) << "not freed with the cache";
}

}  // namespace
}  // namespace platform::win32
