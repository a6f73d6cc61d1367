// The calendar window: the month grid, the selected day's dates, the colour passes and the
// window chrome. Written as handlers over the element model, so the same code runs headless
// in the tests and on real windows in the program.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "calendar_window/calendar_operations.h"
#include "calendar_window/day_reminders.h"
#include "lunar/holidays.h"
#include "lunar/user_days.h"
#include "platform/clock.h"
#include "platform/dates.h"
#include "platform/ui/cell_grid.h"
#include "platform/ui/element_array.h"
#include "platform/ui/form.h"
#include "platform/ui/placement.h"
#include "platform/ui/window_system.h"

class SettingsStore;

class frmcalendar final : public ui::Form, public CalendarOperations {
  public:
    // The window's title, by which another start of the program finds it.
    static constexpr const char* kTitle = "日历-Calendar";
    // The years the year box offers; no view goes outside them.
    static constexpr int kFirstYear = 1922;
    static constexpr int kLastYear = 2099;
    // The client area of the two views, twips.
    static constexpr int kCompactWidth = 2895;
    static constexpr int kCompactHeight = 3270;
    static constexpr int kMonthWidth = 4560;
    static constexpr int kMonthHeight = 4815;

    frmcalendar(ui::WindowSystem& system, SettingsStore& store, const platform::Clock& clock);
    ~frmcalendar() override;

    // The settings window that the "┛" mark opens and the "×" mark closes.
    void SetSettingsWindow(ui::Form* settingsWindow) { settingsWindow_ = settingsWindow; }
    // The 我的日子 window that the menu opens; it closes with the calendar.
    void SetDaysWindow(ui::Form* daysWindow) { daysWindow_ = daysWindow; }
    // The holiday schedule the day tips show, which must outlive the window; the built-in one
    // until this is called.
    void SetHolidaySchedule(const lunar::HolidaySchedule& holidays);
    // Why files of the user's are not used, each as "holidays\2027.json：第4项：…", in the
    // order found; the month view's notice line leads with the first.
    void AddFileFaults(const std::vector<std::string>& faults);
    const std::vector<std::string>& FileFaults() const { return fileFaults_; }
    // days.json's fault (empty: none), which goes before the notices' and replaces the one
    // said before: the file can change while the calendar runs.
    void SetDaysFault(std::string fault);
    // That files were left unread ("另有3个文件未读取…"); empty when none were.
    void SetFilesLeftOut(std::string text);
    // What a notification balloon at start says of the file faults, for those who use the
    // compact view, which has no notice line; empty when there is nothing to say.
    std::string FileFaultBalloonText() const;

    // The user's days the tips name and the reminders are for, which must outlive the window;
    // none until this is called.
    void SetUserDays(const lunar::UserDayIndex& days);
    // The user's files have been read: the reminders due go out now and on each new date; with
    // none due, a balloon says once why a file is not used to those who use the compact view.
    void StartReminders();
    // Runs at each tick of the minute timer, after the calendar's own work (a look at the
    // user's files).
    std::function<void()> EveryMinute;

    // Operations the settings window uses.
    void fontRGB1(std::int16_t r, std::int16_t g, std::int16_t b) override;
    void fontRGB2(std::int16_t r, std::int16_t g, std::int16_t b) override;
    void setcol(std::int32_t colour) override;
    void setcol(const std::string& colourText) override;
    void Label3_Click() override;
    void TM1(std::int16_t alpha) override;
    ui::Rect WindowPlace() const override;
    std::chrono::year_month_day SelectedDate() const override { return selected_; }
    bool MonthView() const override { return monthView_; }
    // Switches the layout, keeping the date and the window's top-right corner, and stores the
    // choice.
    void SetMonthView(bool month) override;
    // A locked window stays where it is: drags on it do nothing.
    bool Locked() const { return locked_; }
    void SetLocked(bool locked);

    ui::AccessibleInfo Accessible(const ui::Element& element) const override;
    ui::AccessibleInfo AccessibleChild(const ui::Element& element, int child) const override;

    // Elements, in design order.
    ui::ElementArray<ui::Label> Label1;
    ui::ComboBox cbomonth;
    ui::Label Label4;
    ui::ComboBox cboyear;
    ui::Label Label5;
    ui::Label Label7;
    ui::Label Label6;
    ui::Shape Shape1;
    // The compact view's day numbers: cell i is day i + 1.
    ui::CellGrid lblnumber;
    ui::Label Label3;
    ui::Label lbldate;
    ui::Label lblday;
    ui::Label Label2;
    ui::Label Label8;
    // The month view: the weekday headings and the days, and a line under the captions for a
    // year the holiday schedule lacks.
    ui::CellGrid grdmonth;
    ui::Label lblnotice;
    ui::Timer Timer1;

    // The selected day of the month; 0 until the first selection.
    std::int16_t selDay = 0;
    // Set by the year box's first notification, which it swallows.
    bool yearArmed = false;
    // The window's left and top edge in twips at the end of the last drag.
    std::int32_t dragLeft = 0;
    std::int32_t dragTop = 0;
    // The notification-area icon while the window is hidden in it.
    ui::NotifyIconData trayIcon;

  private:
    // Start-up and today.
    void OnLoad() override;
    void FillMonths();
    void FillYears();
    void SelectToday();
    void Timer1_Timer();
    void PlaceWindow();
    // The compact view's stored place when it can be seen, else home; the first run stores
    // every setting.
    ui::Place StoredPlace(const std::vector<ui::Monitor>& monitors, ui::Place home);
    void OnTimeChange() override;
    void MakeTranslucent();

    // Month grid and navigation.
    void Label4_Click();
    void Label5_Click();
    void cbomonth_Click();
    void cboyear_Click();
    void ShowMonth();
    std::int16_t GetMonth() const;
    std::int16_t GetYear() const;
    void FindMonthLength(std::int16_t month, std::int16_t year);
    void ShowDayLabels(std::int16_t n);
    void ShowDayTips();
    // What a day's tip ends with in both views: the user's days on it.
    std::string UserDaysTip(const platform::Date& date) const;
    std::vector<ui::GridCell> WithUserDays(std::vector<ui::GridCell> cells, ui::Colour main) const;
    static const lunar::UserDayIndex& NoUserDays();

    // The month view: its cells follow the selected date, today, the colours and the schedule.
    void ShowMonthView();
    // The month view's line under the captions: a file fault, files left out, a year the
    // schedule lacks; all of it in its tip.
    void ShowNotice();
    void grdmonth_CellClick(int index);
    // The layout of the view chosen: sizes and places of the elements, which show.
    void ApplyView();
    ui::Rect MonthBounds(const ui::Element& element, const ui::Rect& compact) const;
    // Where the window of the view chosen goes for a compact view at `compact`, and back.
    ui::Place ViewPlace(ui::Place compact) const;
    ui::Place CompactPlace() const;

    // Keyboard: each key runs the handlers a click runs.
    bool OnKeyDown(int key, int shift) override;
    bool OnNavigationKey(int key, int shift);
    void MoveDays(int days);
    void MoveMonths(int months);
    void ShowDate(const platform::Date& date);
    // The menu of the window's marks, at the pointer or at a point of the window.
    void ShowContextMenu(std::optional<ui::Point> at);
    void OpenDaysWindow();
    void ToggleMonthView();
    void ToggleLocked();
    // At the point asked for, or from the keyboard below the selected day.
    void OnContextMenu(std::optional<ui::Point> at) override;

    // Day selection.
    void lblnumber_Click(std::int16_t index);
    std::string ShowLunar() const;
    void ShowWayBackToToday();

    // Colours.
    void ApplySundayColour(std::int32_t colour);
    ui::Colour StoredMainColour() const;

    // Chrome.
    void OnMouseDown(int button, int shift, int x, int y) override;
    void OnMouseMove(int button, int shift, int x, int y) override;
    void OnCloseRequest() override;
    void OnActivateRequest() override;
    void RestoreFromTray();
    void OnNotifyEvent(ui::NotifyEvent event) override { reminders_.OnNotifyEvent(event); }
    // A click on a reminder: the calendar forward, showing the day.
    void ShowReminded(const platform::Date& date);
    void Label6_Click();
    void Label7_Click();
    void Label8_Click();

    // Today from the clock.
    platform::Date Today() const;
    platform::Date ViewToday() const;

    SettingsStore& store_;
    const platform::Clock& clock_;
    ui::Form* settingsWindow_ = nullptr;
    ui::Form* daysWindow_ = nullptr;
    const lunar::HolidaySchedule* holidays_ = &lunar::HolidaySchedule::BuiltIn();
    std::vector<std::string> fileFaults_;
    std::string daysFault_;
    std::string filesLeftOut_;
    // The user's clicks and keys counted at the last tick of the minute timer.
    std::uint64_t inputsAtLastTick_ = 0;
    // The date the captions show: its month is the month on view. Both views, the captions,
    // the names a screen reader hears and the keys read it.
    platform::Date selected_{};
    // The colour the last Sunday pass gave.
    ui::Colour sundayColour_ = 0;
    bool monthView_ = false;
    bool locked_ = false;
    // 0 Monday ... 6 Sunday, from the system as the month view is shown and as the regional
    // settings change.
    int firstDayOfWeek_ = 0;
    // What the month view's cells were last filled from; only the frame moves while it holds.
    struct GridSource {
        platform::Date Month;
        platform::Date Today;
        int FirstDayOfWeek;
        ui::Colour Main;
        ui::Colour Secondary;
        ui::Colour Sunday;
        const lunar::HolidaySchedule* Holidays;
        const lunar::UserDayIndex* UserDays;
        bool operator==(const GridSource&) const = default;
    };
    std::optional<GridSource> gridSource_;
    // Each element's place in the compact view (its design place).
    std::vector<ui::Rect> compactBounds_;
    const lunar::UserDayIndex* userDays_;
    DayReminders reminders_;
};
