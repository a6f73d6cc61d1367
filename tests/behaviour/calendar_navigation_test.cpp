// Day selection, the month grid, the choosers, the colour passes and the layout.
#include "platform/ui/keys.h"
#include "tests/behaviour/calendar_fixture.h"

namespace calendar_test {
namespace {

class CalendarNavigation : public CalendarTest {
  protected:
    void SetUp() override { Start(); }
};

TEST_F(CalendarNavigation, ClickingADayMovesTheFrameAndWritesTheCaptions) {
    ChooseYear(2024);
    ChooseMonth(3);
    for (int round = 0; round < 2; ++round) {  // the framed day again changes nothing
        ClickDay(15);
        EXPECT_EQ(cal->lblday.Caption(), "星期五");
        EXPECT_EQ(cal->lbldate.Caption(), "2024年3月15日");
        EXPECT_EQ(cal->Label2.Caption(), "农历甲辰年(龙)二月初六");
        EXPECT_EQ(FramedDays(), DayList{15});
        EXPECT_EQ(cal->selDay, 15);
        EXPECT_TRUE(cal->Label3.Visible());
    }
    // A day click closes an open chooser; today's date hides the way back to it.
    ChooseYear(2021);
    ChooseMonth(5);
    cal->Label4.RaiseClick();
    cal->Label5.RaiseClick();
    ClickDay(9);
    EXPECT_FALSE(cal->Label3.Visible() || cal->cbomonth.Visible() || cal->cboyear.Visible());
}

TEST_F(CalendarNavigation, ADayTheMonthLacksOnlyMovesTheFrameAndSelDayBack) {
    for (const auto& [month, hidden] : {std::pair{4, 31}, {2, 30}}) {
        ChooseMonth(month);
        ClickDay(12);
        cal->lblnumber.CellClick(hidden - 1);  // clicked from code
        EXPECT_EQ(FramedDays(), DayList{hidden});
        EXPECT_EQ(cal->selDay, hidden - 1);
        EXPECT_EQ(cal->lbldate.Caption(), "2021年" + std::to_string(month) + "月12日");
    }
}

// The Sunday pass walks every day, so a month or year choice selects the month's last day;
// February leaves the frame on the hidden label of day 30.
TEST_F(CalendarNavigation, AMonthOrYearChoiceSelectsADayOfTheNewMonth) {
    const struct {
        int year, month, day;
        const char* shown;
        std::size_t days;
        int framed;
    } steps[] = {
        {2021, 1, 10, "2021年1月10日", 31, 10}, {2021, 4, 0, "2021年4月30日", 30, 30},
        {2021, 7, 0, "2021年7月31日", 31, 31},  {2023, 2, 0, "2023年2月28日", 28, 30},
        {2024, 2, 0, "2024年2月29日", 29, 30},  {2024, 5, 0, "2024年5月31日", 31, 31},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.shown);
        ChooseYear(step.year);
        ChooseMonth(step.month);
        if (step.day != 0) {
            ClickDay(step.day);
        }
        EXPECT_EQ(cal->lbldate.Caption(), step.shown);
        EXPECT_EQ(VisibleDays().size(), step.days);
        EXPECT_EQ(FramedDays(), DayList{step.framed});
        EXPECT_EQ(cal->Label4.Caption(), std::to_string(step.month));
        EXPECT_EQ(cal->Label5.Caption(), std::to_string(step.year));
        EXPECT_FALSE(cal->cbomonth.Visible() || cal->cboyear.Visible());
    }
    EXPECT_EQ(cal->selDay, 31);
}

// A shown day's tip (and what a screen reader hears after its name) follows month and year.
TEST_F(CalendarNavigation, EachShownDayCarriesItsTipForTheMonthOnView) {
    ChooseYear(2024);
    ChooseMonth(2);
    EXPECT_EQ(Day(9).ToolTip, "腊月三十 除夕");
    EXPECT_EQ(Day(29).ToolTip, "正月二十");
    EXPECT_EQ(Day(30).ToolTip, "");  // hidden
    ChooseMonth(10);
    ChooseYear(2020);
    const std::string nationalDay = "八月十五 国庆节 中秋节 休（国庆节、中秋节）";
    EXPECT_EQ(Day(1).ToolTip, nationalDay);
    EXPECT_EQ(Day(31).ToolTip, "九月十五");
    EXPECT_EQ(cal->AccessibleChild(cal->lblnumber, 0).Description, nationalDay);

    // The schedule the program read from the user's notices: the tips follow at once.
    lunar::HolidaySchedule read = lunar::HolidaySchedule::BuiltIn();
    read.Replace({2020, {{std::chrono::year{2020} / 10 / 31, "测试", true}}});
    cal->SetHolidaySchedule(read);
    EXPECT_EQ(Day(1).ToolTip, "八月十五 国庆节 中秋节");
    EXPECT_EQ(Day(31).ToolTip, "九月十五 休（测试）");
}

// From the date shown (not selDay, one past February's end), through the boxes, within 1922-2099.
TEST_F(CalendarNavigation, KeysMoveTheShownDateThroughTheBoxesWithinTheOfferedYears) {
    using namespace ui;
    const struct {
        int from, key, shift, to;  // dates as yyyymmdd
    } steps[] = {
        {20210531, kKeyRight, 0, 20210601},
        {20220101, kKeyLeft, 0, 20211231},
        {20210503, kKeyUp, 0, 20210426},
        {20230230, kKeyDown, 0, 20230307},
        {20210331, kKeyPageDown, 0, 20210430},
        {20210331, kKeyPageUp, 0, 20210228},
        {20240229, kKeyPageDown, kCtrlMask, 20250228},
        {20240229, kKeyPageUp, kCtrlMask, 20230228},
        {19220106, kKeyUp, 0, 19220106},
        {20991231, kKeyRight, 0, 20991231},
        {20240229, kKeyHome, 0, 20210509},
    };
    for (const auto& step : steps) {
        ChooseYear(step.from / 10000);
        ChooseMonth(step.from / 100 % 100);
        ClickDay(step.from % 100);
        const std::string shown = platform::LongDate(
            platform::MakeDate(step.to / 10000, step.to / 100 % 100, step.to % 100));
        EXPECT_TRUE(cal->RaiseKeyDown(step.key, step.shift)) << shown;
        EXPECT_EQ(cal->lbldate.Caption(), shown);
        EXPECT_EQ(FramedDays(), DayList{cal->selDay}) << shown;
    }
    // Alt+Y opens the year box (its list drops on real windows), Alt+M the month box; keys the
    // window has no use for go on.
    EXPECT_TRUE(cal->RaiseKeyDown(kKeyY, kAltMask));
    EXPECT_TRUE(cal->cboyear.Visible() && !cal->cbomonth.Visible());
    EXPECT_TRUE(cal->RaiseKeyDown(kKeyM, kAltMask));
    EXPECT_TRUE(cal->cbomonth.Visible());
    EXPECT_FALSE(cal->RaiseKeyDown(kKeyY, kAltMask | kCtrlMask) || cal->RaiseKeyDown(kKeyM, 0) ||
                 cal->RaiseKeyDown(kKeyF10, 0) || cal->RaiseKeyDown(kKeyTab, 0));
}

TEST_F(CalendarNavigation, SundayPassesColourExactlyTheSundays) {
    // The number on its own, in a colour nothing else has yet.
    cal->setcol(0x0080FF);
    EXPECT_EQ(DaysColoured(kOrange), (DayList{2, 9, 16, 23, 30}));
    EXPECT_EQ(DaysColoured(kRed).size(), 26u);

    // The stored text; unreadable text means blue.
    ChooseYear(2026);
    ChooseMonth(2);
    cal->setcol(std::string("65280"));
    EXPECT_EQ(DaysColoured(ui::Rgb(0, 255, 0)), (DayList{1, 8, 15, 22}));
    cal->setcol(std::string("garbage"));
    EXPECT_EQ(DaysColoured(kBlue), (DayList{1, 8, 15, 22}));
    EXPECT_EQ(cal->lbldate.Caption(), "2026年2月28日");
    EXPECT_EQ(FramedDays(), DayList{31});
    EXPECT_EQ(cal->selDay, 30);

    // A missing day's label takes the colour of the month's last day.
    ChooseYear(2025);
    ChooseMonth(11);  // 30 November 2025 is a Sunday
    EXPECT_EQ(DaysColoured(kBlue), (DayList{2, 9, 16, 23, 30, 31}));
    ChooseYear(2026);
    EXPECT_EQ(DaysColoured(kBlue), (DayList{1, 8, 15, 22, 29}));
}

TEST_F(CalendarNavigation, MainAndSecondaryColoursReachExactlyTheirElements) {
    cal->fontRGB1(1, 2, 3);
    Names mainColoured{"Label1(0)", "Label1(1)", "Shape1", "cbomonth",
                       "cboyear",   "lbldate",   "lblday"};
    for (int day = 1; day <= 31; ++day) {  // Sundays too
        mainColoured.push_back("day" + std::to_string(day));
    }
    EXPECT_EQ(ElementsColoured(ui::Rgb(1, 2, 3)), mainColoured);
    EXPECT_EQ(ElementsColoured(kMagenta), (Names{"Label2", "Label4", "Label5"}));

    cal->fontRGB2(4, 5, 6);
    EXPECT_EQ(ElementsColoured(ui::Rgb(4, 5, 6)), (Names{"Label2", "Label4", "Label5"}));
    EXPECT_EQ(ElementsColoured(ui::Rgb(1, 2, 3)), mainColoured);
}

// Start-up uses up the swallowed notification, so the user's first choice runs in full.
TEST_F(CalendarNavigation, OnlyTheYearBoxsFirstNotificationIsSwallowed) {
    ASSERT_TRUE(cal->yearArmed);
    ChooseYear(2030);
    EXPECT_EQ(cal->Label5.Caption(), "2030");
    EXPECT_FALSE(cal->cboyear.Visible());

    frmcalendar fresh(windows, store, clock);
    EXPECT_FALSE(fresh.yearArmed);
    fresh.cboyear.AddItem(" 1922");
    fresh.cboyear.SetListIndex(0);
    EXPECT_TRUE(fresh.yearArmed);
    EXPECT_EQ(fresh.Label5.Caption(), "Label5");
    EXPECT_TRUE(fresh.cboyear.Visible());
    EXPECT_EQ(fresh.lbldate.Caption(), "");
    // A month chosen before any year reads the year as 0 instead of failing.
    frmcalendar blank(windows, store, clock);
    blank.cbomonth.AddItem("一月");
    EXPECT_NO_THROW(blank.cbomonth.SetListIndex(0));
}

}  // namespace
}  // namespace calendar_test
