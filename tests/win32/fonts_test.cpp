// The font choice: every text the windows show must render, not as boxes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/fonts.h"
#include "platform/win32/gdi_handles.h"

namespace platform::win32 {
namespace {

bool ShowsAll(HFONT font, const std::wstring& text) {
    UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    const SelectedObject selected(dc.Get(), font);
    std::vector<WORD> glyphs(text.size());
    const DWORD result = ::GetGlyphIndicesW(dc.Get(), text.c_str(), static_cast<int>(text.size()),
                                            glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
    if (result == GDI_ERROR) {
        return false;
    }
    for (WORD glyph : glyphs) {
        if (glyph == 0xFFFF) {
            return false;
        }
    }
    return true;
}

TEST(FontCacheTest, EveryDesignedTextRenders) {
    FontCache fonts;
    ASSERT_FALSE(fonts.ChineseFace().empty()) << "no font with Chinese glyphs installed";
    const ui::Font defaultFont{};
    const ui::Font song{"宋体", 9, true};
    for (const std::wstring text :
         {L"一月", L"十二月", L"点击选择", L"┛", L"×", L" 2021", L"(", L"31", L"回到今天",
          L"农历辛丑年(牛)三月廿八", L"2021年5月9日"}) {
        EXPECT_TRUE(ShowsAll(fonts.For(defaultFont, 96, text), text)) << text.size();
        EXPECT_TRUE(ShowsAll(fonts.For(song, 96, text), text)) << text.size();
    }
}

TEST(FontCacheTest, FallsBackForFacesTheSystemLacks) {
    FontCache fonts;
    EXPECT_FALSE(fonts.IsInstalled(L"No Such Face Anywhere"));
    EXPECT_EQ(fonts.FaceFor(ui::Font{"No Such Face Anywhere", 9, false}), fonts.ChineseFace());
}

TEST(FontCacheTest, SizeAndWeightFollowTheModelAndDpi) {
    FontCache fonts;
    const HFONT font = fonts.For(ui::Font{"宋体", 9, true}, 144, L"日");
    LOGFONTW description{};
    ASSERT_NE(::GetObjectW(font, sizeof(description), &description), 0);
    EXPECT_EQ(description.lfHeight, -18);
    EXPECT_EQ(description.lfWeight, FW_BOLD);
}

TEST(FontCacheTest, CachesOneFontPerFaceSizeWeightAndDpi) {
    FontCache fonts;
    const ui::Font song{"宋体", 9, true};
    const HFONT first = fonts.For(song, 96, L"星期日");
    const int count = fonts.CachedFontCount();
    for (int i = 0; i < 100; ++i) {
        ASSERT_EQ(fonts.For(song, 96, L"星期日"), first);
    }
    EXPECT_EQ(fonts.CachedFontCount(), count);
    EXPECT_NE(fonts.For(song, 144, L"星期日"), first);
    EXPECT_NE(fonts.For(ui::Font{"宋体", 9, false}, 96, L"星期日"), first);
}

}  // namespace
}  // namespace platform::win32
