// Start-up and the way back to today.
#include <algorithm>
#include <array>

#include "calendar_window/frmcalendar.h"
#include "lunar/lunar.h"
#include "platform/conversions.h"
#include "platform/ui/placement.h"
#include "settings/setting_values.h"
#include "settings/settings_store.h"

namespace {

constexpr std::array<const char*, 12> kMonthNames{"一月", "二月", "三月",   "四月",
                                                  "五月", "六月", "七月",   "八月",
                                                  "九月", "十月", "十一月", "十二月"};

std::int16_t Component(SettingsStore& store, const settings::SettingKey& key) {
    return static_cast<std::int16_t>(255 - settings::ReadNumber(store, key));
}

}  // namespace

platform::Date frmcalendar::Today() const {
    return clock_.Now().Date;
}

// Today as the boxes can show it: a year outside the offered ones becomes the nearest
// offered year (and 29 February the 28th there when that year has none).
platform::Date frmcalendar::ViewToday() const {
    using namespace std::chrono;
    const platform::Date today = Today();
    const int year = std::clamp(static_cast<int>(today.year()), kFirstYear, kLastYear);
    const year_month_day_last last{std::chrono::year{year}, month_day_last{today.month()}};
    return {std::chrono::year{year}, today.month(), std::min(today.day(), last.day())};
}

void frmcalendar::OnLoad() {
    cbomonth.Clear();
    cboyear.Clear();
    Label3.SetVisible(false);
    cbomonth.SetVisible(false);
    cboyear.SetVisible(false);
    Timer1.SetInterval(60000);
    monthView_ = store_.ReadSetting(settings::kView) == "1";
    locked_ = store_.ReadSetting(settings::kLocked) == "1";
    if (monthView_) {
        ApplyView();
    }

    PlaceWindow();

    fontRGB1(Component(store_, settings::kFontR1), Component(store_, settings::kFontG1),
             Component(store_, settings::kFontB1));
    fontRGB2(Component(store_, settings::kFontR2), Component(store_, settings::kFontG2),
             Component(store_, settings::kFontB2));
    SetBackColor(ui::Rgb(0, 0, 0));
    MakeTranslucent();
    System().KeepAboveDesktop(*this, store_.ReadSetting(settings::kKeepOnDesktop) != "0");

    const platform::Date today = ViewToday();
    const int day = platform::DayOf(today);
    selDay = static_cast<std::int16_t>(day);
    FillMonths();
    FillYears();
    SelectToday();
    lblday.SetCaption(lunar::WeekdayName(platform::Weekday(today)));
    lblnumber_Click(static_cast<std::int16_t>(day - 1));
    Label5.SetCaption(platform::PlainText(GetYear()));
    setcol(store_.ReadSetting(std::string(settings::kSetCol.Name)));
    Label3_Click();
    inputsAtLastTick_ = System().UserInputs();
}

// The default place is the top right corner of the primary work area; a stored place wins
// when the window can be seen there (a monitor unplugged since the last drag must not hide it).
// Both are the compact view's; the month view keeps its top-right corner.
void frmcalendar::PlaceWindow() {
    const std::vector<ui::Monitor> monitors = System().Monitors();
    const ui::Place home = ui::DefaultPlace(monitors, kCompactWidth);
    const ui::Place place = StoredPlace(monitors, home);
    const ui::Place shown = ViewPlace(place);
    SetLeft(shown.Left);
    SetTop(shown.Top);
}

ui::Place frmcalendar::StoredPlace(const std::vector<ui::Monitor>& monitors, ui::Place home) {
    if (store_.ReadSetting(std::string(settings::kFormX.Name)).empty()) {
        for (const settings::SettingKey* key : settings::kAllKeys) {
            settings::WriteNumber(store_, *key,
                                  key == &settings::kFormX   ? home.Left
                                  : key == &settings::kFormY ? home.Top
                                                             : key->FirstRun);
        }
    }

    const auto left = settings::ReadOptionalNumber(store_, settings::kFormX);
    if (!left || *left == dragLeft) {
        return home;
    }
    const auto top = settings::ReadOptionalNumber(store_, settings::kFormY);
    if (top && ui::IsReachable(monitors, ui::Place{*left, *top}, kCompactWidth, kCompactHeight)) {
        return {*left, *top};
    }
    return home;
}

void frmcalendar::FillMonths() {
    for (const char* name : kMonthNames) {
        cbomonth.AddItem(name);
    }
}

void frmcalendar::FillYears() {
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        cboyear.AddItem(platform::NumberText(year));
    }
}

void frmcalendar::SelectToday() {
    const platform::Date today = ViewToday();
    cboyear.SetListIndex(static_cast<int>(today.year()) - kFirstYear);
    cbomonth.SetListIndex(platform::MonthOf(today) - 1);
    const int day = platform::DayOf(today);
    lblnumber.EditCell(day - 1, [](ui::GridCell& cell) { cell.Framed = true; });
    selDay = static_cast<std::int16_t>(day);
}

void frmcalendar::Label3_Click() {
    const platform::Date today = ViewToday();
    const int day = platform::DayOf(today);
    selDay = static_cast<std::int16_t>(day);
    SelectToday();
    lblday.SetCaption(lunar::WeekdayName(platform::Weekday(today)));
    lblnumber_Click(static_cast<std::int16_t>(day - 1));
    Label5.SetCaption(platform::PlainText(GetYear()));
}

// Back to today (a new day after midnight too) only when nobody has clicked or pressed a key
// in either window since the last tick: someone browsing is not pulled away mid-way.
void frmcalendar::Timer1_Timer() {
    const std::uint64_t inputs = System().UserInputs();
    const bool idle = inputs == inputsAtLastTick_;
    inputsAtLastTick_ = inputs;
    if (idle) {
        Label3_Click();
    } else {
        // Past midnight the day shown as today is yesterday.
        ShowWayBackToToday();
        ShowMonthView();
    }
    reminders_.OnTick();
    if (EveryMinute) {
        EveryMinute();
    }
}

// The clock was set or the time zone or the regional settings changed: today may be another
// day already, and the week may begin on another day.
void frmcalendar::OnTimeChange() {
    clock_.ReloadZone();
    firstDayOfWeek_ = System().FirstDayOfWeek();
    Label3_Click();
    reminders_.OnTick();
}
