// The 我的日子 window as the user meets it: opened from the calendar's menu, a day entered
// through the lists, saved, removed and brought back, a faulty file moved aside; the calendar
// marks each change at once.
#include <memory>

#include "calendar_window/calendar_files.h"
#include "days_window/frmdays.h"
#include "platform/ui/keys.h"
#include "tests/behaviour/calendar_fixture.h"
#include "tests/unit/memory_user_files.h"

namespace calendar_test {
namespace {

constexpr const char* kPath = "/u/days.json";

class DaysWindow : public CalendarTest {
  protected:
    ~DaysWindow() override {
        days.reset();
        cal.reset();  // before the files it points into
    }
    void Open(year_month_day today = 2026y / December / 7d) {
        StartOn(today);
        days = std::make_unique<frmdays>(
            windows, *cal, disk, "/u", clock, "9.9",
            [this](const user_files::DaysLoad& now) { calendarFiles.TakeDays(*cal, now); });
        cal->SetDaysWindow(days.get());
        windows.SetMenuChoice("我的日子…");
        cal->RaiseKeyDown(ui::kKeyApps, 0);
    }
    void Key(int key, int shift = 0) { days->RaiseKeyDown(key, shift); }
    lunar::UserDay Saved() {
        const auto saved = user_files::ParseDaysFile(disk.files[kPath]).File.UserDays();
        return saved.size() == 1 ? saved[0] : lunar::UserDay{};
    }
    std::vector<std::string> Shown() {
        return {days->txtname.Text(),    days->cbokind.Text(),    days->cbocalendar.Text(),
                days->lblyear.Caption(), days->cboyear.Text(),    days->cbomonth.Text(),
                days->cboday.Text(),     days->lblother.Caption()};
    }
    tests::MemoryFiles disk;
    CalendarFiles calendarFiles{windows, std::make_shared<platform::SystemFileAccess>(), "/none"};
    std::unique_ptr<frmdays> days;
};

TEST_F(DaysWindow, ALunarBirthdayInALeapMonthThroughTheLists) {
    Open();
    ASSERT_TRUE(days->Visible());
    // Beside the calendar, which stands at the screen's right edge; ready for a new birthday on
    // the selected date (2026-12-07 is 十月廿九), reminded of on the day.
    EXPECT_EQ(days->Left() + days->ClientWidth(), cal->Left());
    EXPECT_EQ(days->Top(), cal->Top());
    EXPECT_EQ(days->Focused(), &days->txtname);
    EXPECT_EQ(Shown(), (Names{"", "生日", "农历", "农历年(&Y)", "不记年份", "十月", "廿九", ""}));
    EXPECT_TRUE(days->chkremind[0].Value());
    EXPECT_TRUE(days->chkleap.Visible());  // without a year any month may be a leap one
    // A screen reader hears each box by its label, the "×" mark as what it does.
    EXPECT_EQ((Names{days->Accessible(days->txtname).Name, days->Accessible(days->cboyear).Name,
                     days->Accessible(days->lblclose).Name}),
              (Names{"名称(N)", "农历年(Y)", "关闭"}));
    days->txtname.Edit("妈妈生日");
    Pick(days->cboyear, "2025");
    Pick(days->cbomonth, "六月");
    EXPECT_TRUE(days->chkleap.Visible());  // 2025 has 闰六月
    days->chkleap.Toggle();
    Pick(days->cboday, "十五");
    EXPECT_EQ(days->lblother.Caption(), "即公历2025年8月8日");
    Pick(days->cboyear, "2024");  // no 闰六月: not offered, and unticked
    EXPECT_FALSE(days->chkleap.Visible());
    EXPECT_FALSE(days->Session()->Form().Leap);
    Pick(days->cboyear, "2025");
    days->chkleap.Toggle();
    days->chkremind[3].Toggle();
    Key(ui::kKeyReturn);  // the default button, from the text box
    EXPECT_EQ(days->lblstatus.Caption(), "已保存“妈妈生日”");
    lunar::UserDay saved = Saved();
    EXPECT_EQ(saved, (lunar::UserDay{saved.Id,
                                     "妈妈生日",
                                     lunar::UserDayKind::Birthday,
                                     lunar::UserCalendar::Lunar,
                                     2025,
                                     6,
                                     true,
                                     15,
                                     {0, 7},
                                     {}}));
    EXPECT_EQ(days->lstdays.Rows(), Names{days->lstdays.Row(0)});
    EXPECT_EQ(days->lstdays.SelectedIndex(), 0);
    // To 公历: the same day, shown the other way round.
    Pick(days->cbocalendar, "公历");
    EXPECT_EQ(Shown(), (Names{"妈妈生日", "生日", "公历", "年(&Y)", "2025", "8月", "8",
                              "即农历2025年闰六月十五"}));
    EXPECT_FALSE(days->chkleap.Visible());
    days->cmdsave.RaiseClick();
    saved = Saved();
    EXPECT_EQ(std::tie(saved.Calendar, saved.Year, saved.Month, saved.Leap, saved.Day),
              std::make_tuple(lunar::UserCalendar::Gregorian, 2025, 8, false, 8));
    // With no room on the calendar's left, it opens on its right.
    Key(ui::kKeyEscape);
    DragTo(0, 0);
    windows.SetMenuChoice("我的日子…");
    cal->RaiseKeyDown(ui::kKeyApps, 0);
    EXPECT_EQ(std::make_pair(days->Left(), days->Top()),
              std::make_pair(cal->Left() + cal->ClientWidth(), cal->Top()));
}

TEST_F(DaysWindow, OrderMarksRemovalUndoAndFaultsInWords) {
    Open();
    days->txtname.Edit("体检");
    Pick(days->cbokind, "仅一次");
    Pick(days->cbocalendar, "公历");
    days->cmdsave.RaiseClick();
    EXPECT_EQ(days->lblstatus.Caption(), "仅一次的日子须填年份");
    EXPECT_EQ(disk.files.count(kPath), 0u);
    Pick(days->cboyear, "2026");
    Pick(days->cbomonth, "12月");
    Pick(days->cboday, "15");
    days->cmdsave.RaiseClick();
    // The calendar marks it at once.
    EXPECT_TRUE(Day(15).Noted);
    EXPECT_NE(Day(15).ToolTip.find("体检"), std::string::npos);
    days->cmdnew.RaiseClick();
    EXPECT_EQ(days->Focused(), &days->txtname);
    days->txtname.Edit("结婚纪念日");
    Pick(days->cbocalendar, "公历");
    Pick(days->cbomonth, "12月");
    Pick(days->cboday, "8");
    days->cmdsave.RaiseClick();
    // Soonest first.
    EXPECT_EQ(days->lstdays.Rows(),
              (Names{"结婚纪念日 · 12月8日 · 明天", "体检 · 2026年12月15日 · 8天后（12月15日）"}));
    // Delete in the list removes the selected day; Ctrl+Z in a text box is the box's, outside
    // it brings the day back.
    days->SetFocus(&days->lstdays);
    days->lstdays.SetSelectedIndex(1);
    EXPECT_EQ(days->txtname.Text(), "体检");
    Key(ui::kKeyDelete);
    EXPECT_EQ(days->lblstatus.Caption(), "已删除“体检”");
    EXPECT_TRUE(days->cmdundo.Visible());
    EXPECT_FALSE(Day(15).Noted);
    days->SetFocus(&days->txtname);
    Key('Z', ui::kCtrlMask);
    EXPECT_EQ(days->lblstatus.Caption(), "已删除“体检”");
    days->SetFocus(&days->lstdays);
    Key('Z', ui::kCtrlMask);
    EXPECT_EQ(days->lblstatus.Caption(), "已恢复“体检”");
    EXPECT_FALSE(days->cmdundo.Visible());
    EXPECT_TRUE(Day(15).Noted);
    // A form that cannot be saved keeps its row and the window: the status line says why.
    days->txtname.Edit(" ");
    days->lstdays.SetSelectedIndex(0);
    EXPECT_EQ(days->lstdays.SelectedIndex(), 1);
    Key(ui::kKeyEscape);
    EXPECT_TRUE(days->Visible());
    EXPECT_EQ(days->lblstatus.Caption(), "名称不能为空");
    days->txtname.Edit("年度体检");
    Key(ui::kKeyEscape);  // saved on the way out
    EXPECT_FALSE(days->Loaded());
    EXPECT_NE(disk.files[kPath].find("年度体检"), std::string::npos);
    // Opened again, then closed with the calendar.
    windows.SetMenuChoice("我的日子…");
    cal->RaiseKeyDown(ui::kKeyApps, 0);
    EXPECT_EQ(days->lstdays.RowCount(), 2);
    windows.SetMenuChoice("关闭");
    cal->RaiseKeyDown(ui::kKeyApps, 0);
    EXPECT_FALSE(days->Loaded());
}

TEST_F(DaysWindow, AFaultyFileIsMovedAsideOnlyOnTheButtonAndExportSaysWhere) {
    disk.files[kPath] = "{";
    Open();
    EXPECT_EQ(days->lblstatus.Caption(), "days.json：不是有效的JSON（第1行第2列）");
    EXPECT_FALSE(days->txtname.Visible());
    EXPECT_FALSE(days->cmdsave.Visible());
    EXPECT_EQ(days->Focused(), &days->cmdaside);
    days->cmdnotepad.RaiseClick();
    EXPECT_EQ(windows.Calls().back(), "Notepad /u/days.json");
    Key(ui::kKeyEscape);
    EXPECT_EQ(disk.files, (std::map<std::string, std::string>{{kPath, "{"}}));
    windows.SetMenuChoice("我的日子…");
    cal->RaiseKeyDown(ui::kKeyApps, 0);
    days->cmdaside.RaiseClick();
    EXPECT_EQ(disk.files,
              (std::map<std::string, std::string>{{"/u/days.broken-20261207-100000.json", "{"}}));
    EXPECT_TRUE(days->txtname.Visible());
    EXPECT_FALSE(days->cmdaside.Visible());
    days->txtname.Edit("a,b;c");
    days->cmdsave.RaiseClick();
    windows.SetSaveFileAnswer({"/u/我的日子.ics", ""});
    days->cmdexport.RaiseClick();
    EXPECT_EQ(days->lblstatus.Caption(), "已导出11个事件到 /u/我的日子.ics");
    EXPECT_NE(disk.files["/u/我的日子.ics"].find("SUMMARY:a\\,b\\;c"), std::string::npos);
}

}  // namespace
}  // namespace calendar_test
