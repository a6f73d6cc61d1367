// Twips <-> pixels at the DPIs the program meets, and native input in the model's terms.
#include <gtest/gtest.h>

#include "platform/win32/dpi.h"
#include "platform/win32/input_mapping.h"
#include "platform/win32/painting.h"

namespace platform::win32 {
namespace {

TEST(DpiTest, CalendarSizeAndDefaultPlaceAtCommonDpis) {
    // 96 dpi: the designed 193 x 218 pixels; 144 dpi: sizes round half up.
    EXPECT_EQ(TwipsToPixelSize(2895, 96), 193);
    EXPECT_EQ(TwipsToPixelSize(3270, 96), 218);
    EXPECT_EQ(TwipsToPixelSize(2895, 144), 290);
    EXPECT_EQ(TwipsToPixelSize(3270, 144), 327);
    // The default left (screen width - window width) lands the right edge on the screen's
    // (at 125 % the window's 241.25 pixels leave a one-pixel gap).
    for (const auto& [dpi, screenPixels] :
         {std::pair{96, 1920}, {144, 1920}, {192, 3840}, {144, 2560}, {96, 1366}}) {
        const int screenTwips = PixelsToTwips(screenPixels, dpi);
        const int left = TwipsToPixelPosition(screenTwips - 2895, dpi);
        EXPECT_EQ(left + TwipsToPixelSize(2895, dpi), screenPixels) << dpi << " " << screenPixels;
    }
}

TEST(DpiTest, PositionsRoundDownAlsoLeftOfTheScreen) {
    EXPECT_EQ(TwipsToPixelPosition(16305, 144), 1630);
    EXPECT_EQ(TwipsToPixelPosition(-345, 96), -23);
    EXPECT_EQ(TwipsToPixelPosition(-1, 96), -1);
    EXPECT_EQ(TwipsToPixelPosition(14, 96), 0);
    EXPECT_EQ(PixelsToTwips(-23, 96), -345);
}

TEST(DpiTest, StoredPositionsNeverCreep) {
    // pixels -> twips -> pixels gives the same pixel at every DPI, so a window that is
    // dragged, stored and restored stays where it was put.
    for (int dpi : {96, 120, 144, 168, 192, 240, 288}) {
        for (int pixels = -3000; pixels <= 8000; pixels += 7) {
            ASSERT_EQ(TwipsToPixelPosition(PixelsToTwips(pixels, dpi), dpi), pixels) << dpi;
        }
    }
}

TEST(DpiTest, FontHeights) {
    EXPECT_EQ(PointsToPixelHeight(9, 96), 12);
    EXPECT_EQ(PointsToPixelHeight(8.25, 96), 11);
    EXPECT_EQ(PointsToPixelHeight(9, 144), 18);
}

TEST(InputMappingTest, MouseButtonsAndShift) {
    EXPECT_EQ(ButtonsFromKeyState(MK_LBUTTON), ui::kLeftButton);
    EXPECT_EQ(ButtonsFromKeyState(MK_RBUTTON | MK_MBUTTON), ui::kRightButton | ui::kMiddleButton);
    EXPECT_EQ(ButtonsFromKeyState(MK_SHIFT | MK_CONTROL), 0);
    // The notification icon's identifier 1 reads as the left button.
    EXPECT_EQ(ButtonsFromKeyState(1), ui::kLeftButton);
    EXPECT_EQ(ShiftFromKeyState(MK_SHIFT | MK_LBUTTON, false), 1);
    EXPECT_EQ(ShiftFromKeyState(MK_CONTROL, true), 2 | 4);
    EXPECT_EQ(ShiftFromKeyState(1, false), 0);
}

TEST(InputMappingTest, ScrollRequests) {
    // position 100 in 50..255, small 1, large 5
    const auto at = [](int request, int thumb = 0) {
        return ScrollTarget(request, 100, 50, 255, 1, 5, thumb);
    };
    EXPECT_EQ(at(SB_LINELEFT), 99);
    EXPECT_EQ(at(SB_LINERIGHT), 101);
    EXPECT_EQ(at(SB_PAGELEFT), 95);
    EXPECT_EQ(at(SB_PAGERIGHT), 105);
    EXPECT_EQ(at(SB_LEFT), 50);
    EXPECT_EQ(at(SB_RIGHT), 255);
    EXPECT_EQ(at(SB_THUMBPOSITION, 200), 200);
    EXPECT_EQ(at(SB_THUMBPOSITION, 999), 255);
    EXPECT_EQ(at(SB_THUMBTRACK, 200), std::nullopt);
    EXPECT_EQ(at(SB_ENDSCROLL), std::nullopt);
    EXPECT_EQ(ScrollTarget(SB_PAGELEFT, 52, 50, 255, 1, 5, 0), 50);
}

TEST(PaintingTest, ColoursAndSystemColours) {
    EXPECT_EQ(ToColorRef(ui::Rgb(255, 128, 0)), RGB(255, 128, 0));
    EXPECT_EQ(ToColorRef(static_cast<ui::Colour>(0x80000004u)), ::GetSysColor(COLOR_MENU));
}

}  // namespace
}  // namespace platform::win32
