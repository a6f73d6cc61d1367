// Twips <-> pixels at the DPIs the program meets.
#include <gtest/gtest.h>

#include <tuple>

#include "platform/win32/dpi.h"

namespace platform::win32 {
namespace {

TEST(Dpi, TheCalendarTouchesTheScreensRightEdgeAtEveryScale) {
    // dpi, screen width, the calendar's width and height in pixels: sizes round half up.
    for (const auto& [dpi, screen, width, height] : {std::tuple{96, 1920, 193, 218},
                                                     {144, 1920, 290, 327},
                                                     {192, 3840, 386, 436},
                                                     {144, 2560, 290, 327},
                                                     {96, 1366, 193, 218}}) {
        EXPECT_EQ(TwipsToPixelSize(2895, dpi), width) << dpi;
        EXPECT_EQ(TwipsToPixelSize(3270, dpi), height) << dpi;
        // The default left is the screen's width less the window's, both in twips.
        const int left = TwipsToPixelPosition(PixelsToTwips(screen, dpi) - 2895, dpi);
        EXPECT_EQ(left + width, screen) << dpi << " " << screen;
    }
}

TEST(Dpi, PositionsRoundDownAlsoLeftOfTheScreenAndNeverCreep) {
    EXPECT_EQ(TwipsToPixelPosition(16305, 144), 1630);
    EXPECT_EQ(TwipsToPixelPosition(-345, 96), -23);
    EXPECT_EQ(TwipsToPixelPosition(-1, 96), -1);
    EXPECT_EQ(TwipsToPixelPosition(14, 96), 0);
    EXPECT_EQ(PixelsToTwips(-23, 96), -345);
    // A window dragged, stored and restored stays on its pixel at every DPI.
    for (int dpi : {96, 120, 144, 168, 192, 240, 288}) {
        for (int pixels = -3000; pixels <= 8000; pixels += 7) {
            ASSERT_EQ(TwipsToPixelPosition(PixelsToTwips(pixels, dpi), dpi), pixels) << dpi;
        }
    }
}

TEST(Dpi, FontHeights) {
    EXPECT_EQ(PointsToPixelHeight(9, 96), 12);
    EXPECT_EQ(PointsToPixelHeight(8.25, 96), 11);
    EXPECT_EQ(PointsToPixelHeight(9, 144), 18);
}

}  // namespace
}  // namespace platform::win32
