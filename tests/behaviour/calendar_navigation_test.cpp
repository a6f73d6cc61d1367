// Day selection, the month grid, the choosers and the colour passes.
#include "tests/behaviour/calendar_fixture.h"

namespace calendar_test {
namespace {

constexpr ui::Colour kRed = ui::Rgb(255, 0, 0);
constexpr ui::Colour kBlue = ui::Rgb(0, 0, 255);

class CalendarNavigation : public CalendarTest {
  protected:
    void SetUp() override { Start(); }
};

TEST_F(CalendarNavigation, ClickingDaysMovesTheFrameAndWritesTheCaptions) {
    ChooseYear(2024);
    ChooseMonth(3);
    ClickDay(15);
    EXPECT_EQ(cal->lblday.Caption(), "星期五");
    EXPECT_EQ(cal->lbldate.Caption(), "2024年3月15日");
    EXPECT_EQ(cal->Label2.Caption(), "农历甲辰年(龙)二月初六");
    EXPECT_EQ(FramedDays(), (std::vector<int>{15}));
    EXPECT_EQ(cal->selDay, 15);
    EXPECT_TRUE(cal->Label3.Visible());

    // The framed day again: still framed, captions written again.
    ClickDay(15);
    EXPECT_EQ(FramedDays(), (std::vector<int>{15}));
    EXPECT_EQ(cal->lbldate.Caption(), "2024年3月15日");
}

TEST_F(CalendarNavigation, ClickingTodayHidesTheBackToTodayMark) {
    ClickDay(10);
    EXPECT_TRUE(cal->Label3.Visible());
    ClickDay(9);
    EXPECT_FALSE(cal->Label3.Visible());
}

TEST_F(CalendarNavigation, ADayTheMonthLacksOnlyMovesTheFrameAndSelDayBack) {
    ChooseMonth(4);  // 30 days
    ClickDay(12);
    cal->lblnumber[30].RaiseClick();  // hidden day 31, clicked from code
    EXPECT_EQ(FramedDays(), (std::vector<int>{31}));
    EXPECT_EQ(cal->selDay, 30);
    EXPECT_EQ(cal->lbldate.Caption(), "2021年4月12日");
    EXPECT_EQ(cal->lblday.Caption(), "星期一");

    ChooseMonth(2);
    ClickDay(5);
    cal->lblnumber[29].RaiseClick();
    EXPECT_EQ(FramedDays(), (std::vector<int>{30}));
    EXPECT_EQ(cal->selDay, 29);
    EXPECT_EQ(cal->lbldate.Caption(), "2021年2月5日");
}

TEST_F(CalendarNavigation, ADayClickClosesAnOpenChooser) {
    cal->Label4.RaiseClick();
    cal->Label5.RaiseClick();
    EXPECT_TRUE(cal->cbomonth.Visible());
    EXPECT_TRUE(cal->cboyear.Visible());
    ClickDay(3);
    EXPECT_FALSE(cal->cbomonth.Visible());
    EXPECT_FALSE(cal->cboyear.Visible());
}

TEST_F(CalendarNavigation, AprilAfterTheTenthOfJanuarySelectsTheThirtieth) {
    ChooseMonth(1);
    ClickDay(10);
    ChooseMonth(4);
    EXPECT_EQ(VisibleDays().size(), 30u);
    EXPECT_EQ(FramedDays(), (std::vector<int>{30}));
    EXPECT_EQ(cal->selDay, 30);
    EXPECT_EQ(cal->lbldate.Caption(), "2021年4月30日");
    EXPECT_EQ(cal->Label4.Caption(), "4");
    EXPECT_FALSE(cal->cbomonth.Visible());
}

TEST_F(CalendarNavigation, AThirtyOneDayMonthSelectsTheThirtyFirst) {
    ChooseMonth(7);
    EXPECT_EQ(VisibleDays().size(), 31u);
    EXPECT_EQ(FramedDays(), (std::vector<int>{31}));
    EXPECT_EQ(cal->selDay, 31);
    EXPECT_EQ(cal->lbldate.Caption(), "2021年7月31日");
}

TEST_F(CalendarNavigation, FebruaryLeavesTheFrameOnAHiddenLabel) {
    ChooseYear(2023);
    ChooseMonth(2);
    EXPECT_EQ(VisibleDays().size(), 28u);
    EXPECT_EQ(cal->lbldate.Caption(), "2023年2月28日");
    EXPECT_EQ(cal->lblday.Caption(), "星期二");
    EXPECT_EQ(FramedDays(), (std::vector<int>{30}));
    EXPECT_FALSE(cal->lblnumber[29].Visible());
    EXPECT_EQ(cal->selDay, 29);

    ChooseYear(2024);
    EXPECT_EQ(VisibleDays().size(), 29u);
    EXPECT_EQ(cal->lbldate.Caption(), "2024年2月29日");
    EXPECT_EQ(cal->Label2.Caption(), "农历甲辰年(龙)正月二十");
    EXPECT_EQ(FramedDays(), (std::vector<int>{30}));
    EXPECT_EQ(cal->selDay, 29);
    EXPECT_EQ(cal->Label5.Caption(), "2024");
}

TEST_F(CalendarNavigation, DayOneIsAlwaysTopLeft) {
    ChooseYear(2026);
    ChooseMonth(3);  // the 1st is a Sunday
    EXPECT_EQ(cal->lblnumber[0].Bounds().Left, 240);
    EXPECT_EQ(cal->lblnumber[0].Bounds().Top, 840);
    EXPECT_EQ(cal->lblnumber[7].Bounds().Left, 240);
    EXPECT_EQ(cal->lblnumber[7].Bounds().Top, 1200);
    EXPECT_EQ(cal->lblnumber[30].Bounds().Left, 960);
    EXPECT_EQ(cal->lblnumber[30].Bounds().Top, 2280);
}

TEST_F(CalendarNavigation, SundayColoursOfMarch2026) {
    ChooseYear(2026);
    ChooseMonth(3);
    EXPECT_EQ(DaysColoured(kBlue), (std::vector<int>{1, 8, 15, 22, 29}));
    EXPECT_EQ(DaysColoured(kRed).size(), 26u);
    EXPECT_EQ(cal->lbldate.Caption(), "2026年3月31日");
}

TEST_F(CalendarNavigation, SundayPassOverFebruary2026EndsOnAHiddenLabel) {
    ChooseYear(2026);
    ChooseMonth(2);
    cal->setcol(std::string("16711680"));
    EXPECT_EQ(DaysColoured(kBlue), (std::vector<int>{1, 8, 15, 22}));
    EXPECT_EQ(cal->lbldate.Caption(), "2026年2月28日");
    EXPECT_EQ(FramedDays(), (std::vector<int>{31}));
    EXPECT_EQ(cal->selDay, 30);

    // The number and its stored text colour the Sundays alike.
    cal->setcol(16711680);
    EXPECT_EQ(DaysColoured(kBlue), (std::vector<int>{1, 8, 15, 22}));
}

TEST_F(CalendarNavigation, ALabelOfAMissingDayTakesTheColourOfTheMonthsLastDay) {
    ChooseYear(2025);
    ChooseMonth(11);  // 30 November 2025 is a Sunday
    EXPECT_EQ(DaysColoured(kBlue), (std::vector<int>{2, 9, 16, 23, 30, 31}));
    EXPECT_FALSE(cal->lblnumber[30].Visible());
    ChooseYear(2026);  // 30 November 2026 is a Monday
    EXPECT_EQ(DaysColoured(kBlue), (std::vector<int>{1, 8, 15, 22, 29}));
}

TEST_F(CalendarNavigation, ChoosingAYearKeepsTheMonth) {
    ChooseYear(2024);
    EXPECT_EQ(cal->Label5.Caption(), "2024");
    EXPECT_EQ(cal->Label4.Caption(), "5");
    EXPECT_EQ(cal->lbldate.Caption(), "2024年5月31日");
    EXPECT_EQ(cal->selDay, 31);
    EXPECT_FALSE(cal->cboyear.Visible());
}

TEST_F(CalendarNavigation, OnlyTheFirstYearNotificationIsSwallowed) {
    // Start-up used it up: the user's first year choice runs in full.
    ASSERT_TRUE(cal->yearArmed);
    cal->Label5.RaiseClick();
    cal->cboyear.SetListIndex(2030 - 1922);
    EXPECT_EQ(cal->Label5.Caption(), "2030");
    EXPECT_FALSE(cal->cboyear.Visible());

    // A window not yet loaded swallows exactly one.
    frmcalendar fresh(windows, store, clock);
    EXPECT_FALSE(fresh.yearArmed);
    fresh.cboyear.AddItem(" 1922");
    fresh.cboyear.SetListIndex(0);
    EXPECT_TRUE(fresh.yearArmed);
    EXPECT_EQ(fresh.Label5.Caption(), "Label5");
}

TEST_F(CalendarNavigation, MainAndSecondaryColourOperations) {
    cal->fontRGB1(255, 0, 0);
    EXPECT_EQ(DaysColoured(kRed).size(), 31u);  // Sundays too
    EXPECT_EQ(cal->Label1[0].ForeColor(), kRed);
    EXPECT_EQ(cal->cboyear.ForeColor(), kRed);
    EXPECT_EQ(cal->lblday.ForeColor(), kRed);

    cal->fontRGB2(0, 255, 255);
    const ui::Colour cyan = ui::Rgb(0, 255, 255);
    EXPECT_EQ(cal->Label2.ForeColor(), cyan);
    EXPECT_EQ(cal->Label4.ForeColor(), cyan);
    EXPECT_EQ(cal->Label5.ForeColor(), cyan);
    EXPECT_EQ(cal->lbldate.ForeColor(), kRed);
    EXPECT_EQ(cal->Label3.ForeColor(), ui::Rgb(255, 255, 255));
}

}  // namespace
}  // namespace calendar_test
