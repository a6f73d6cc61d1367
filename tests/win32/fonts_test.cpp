// The font choice: every text the windows show must render, not as boxes, at the model's
// size and weight, with one GDI font per face, size, weight and DPI however often it is asked.
#include <gtest/gtest.h>

#include <algorithm>
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

TEST(FontCache, SizeAndWeightFollowTheModelAndDpiAndEachFontIsMadeOnce) {
    FontCache fonts;
    const HFONT font = fonts.For(kSong, 144, L"日");
    LOGFONTW description{};
    ASSERT_NE(::GetObjectW(font, sizeof(description), &description), 0);
    EXPECT_EQ(description.lfHeight, -18);
    EXPECT_EQ(description.lfWeight, FW_BOLD);

    const HFONT first = fonts.For(kSong, 96, L"星期日");
    const int count = fonts.CachedFontCount();
    for (int i = 0; i < 100; ++i) {
        ASSERT_EQ(fonts.For(kSong, 96, L"星期日"), first);
    }
    EXPECT_EQ(fonts.CachedFontCount(), count);
    EXPECT_NE(fonts.For(ui::Font{"宋体", 9, false}, 96, L"星期日"), first);
    EXPECT_NE(font, first) << "a new DPI, a new font";
}

}  // namespace
}  // namespace platform::win32
