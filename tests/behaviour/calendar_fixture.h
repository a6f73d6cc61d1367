// A calendar window on a headless screen with a fixed clock and settings in memory.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "calendar_window/frmcalendar.h"
#include "platform/clock.h"
#include "platform/memory_run_entry.h"
#include "platform/memory_settings_backing.h"
#include "platform/start_at_log_on.h"
#include "platform/ui/headless_window_system.h"
#include "settings/setting_values.h"
#include "settings/settings_store.h"

namespace calendar_test {

using namespace std::chrono;
using Names = std::vector<std::string>;
using DayList = std::vector<int>;

constexpr ui::Colour kRed = ui::Rgb(255, 0, 0);
constexpr ui::Colour kBlue = ui::Rgb(0, 0, 255);
constexpr ui::Colour kMagenta = ui::Rgb(255, 0, 255);
constexpr ui::Colour kCyan = ui::Rgb(0, 255, 255);
constexpr ui::Colour kOrange = ui::Rgb(255, 128, 0);

inline platform::LocalDateTime At(year_month_day date, seconds timeOfDay = hours{10}) {
    return {date, timeOfDay};
}

class CalendarTest : public ::testing::Test {
  protected:
    platform::MemorySettingsBacking backing;
    SettingsStore store{backing};
    platform::FixedClock clock{At(2021y / May / 9d)};
    ui::HeadlessWindowSystem windows{1920, 1080};
    platform::MemoryRunEntry runEntry;
    platform::StartAtLogOn startAtLogOn{runEntry, R"(C:\Programs\Lunadesk\lunadesk.exe)"};
    std::unique_ptr<frmcalendar> cal;

    void Start() {
        store.KeepReadsWithin(windows.Events());
        cal = std::make_unique<frmcalendar>(windows, store, clock);
        cal->Show();
    }
    void StartOn(year_month_day today) {
        cal.reset();
        clock.Set(At(today));
        Start();
    }

    std::string Stored(const std::string& key) const {
        return backing.Peek(SettingsStore::kApplication, SettingsStore::kSection, key)
            .value_or("<absent>");
    }
    void Put(const std::string& key, const std::string& value) {
        backing.Put(SettingsStore::kApplication, SettingsStore::kSection, key, value);
    }
    // What an earlier run on a 1920-pixel screen left behind, but for one key.
    void StoreFirstRunValuesWith(const std::string& key, const std::string& value) {
        for (const settings::SettingKey* stored : settings::kAllKeys) {
            const std::string name(stored->Name);
            const int firstRun = stored == &settings::kFormX ? 25905 : stored->FirstRun;
            Put(name, name == key ? value : std::to_string(firstRun));
        }
    }
    // The writes since the log was last cleared, as "key=value".
    Names Written() const {
        Names written;
        for (const auto& write : backing.Writes()) {
            written.push_back(write.Key + "=" + write.Value);
        }
        return written;
    }

    // The compact view's number of a day of the month (1-based).
    const ui::GridCell& Day(int day) const { return cal->lblnumber.Cell(day - 1); }
    // Days (1-based) whose numbers, hidden ones included, satisfy the test.
    DayList Days(const std::function<bool(const ui::GridCell&)>& test) const {
        DayList days;
        for (int day = 1; day <= 31; ++day) {
            if (test(Day(day))) {
                days.push_back(day);
            }
        }
        return days;
    }
    DayList FramedDays() const {
        return Days([](const ui::GridCell& day) { return day.Framed; });
    }
    DayList VisibleDays() const {
        return Days(
            [this](const ui::GridCell& day) { return day.Visible && cal->lblnumber.Visible(); });
    }
    // A number and its frame are in one colour.
    DayList DaysColoured(ui::Colour colour) const {
        return Days([colour](const ui::GridCell& day) {
            return day.TextColour == colour && day.FrameColour == colour;
        });
    }
    // Every element whose text (or, for the frame, border) has this colour.
    Names ElementsColoured(ui::Colour colour) const {
        std::vector<std::pair<std::string, ui::Colour>> all{
            {"Label1(0)", cal->Label1[0].ForeColor()}, {"Label1(1)", cal->Label1[1].ForeColor()},
            {"Label2", cal->Label2.ForeColor()},       {"Label3", cal->Label3.ForeColor()},
            {"Label4", cal->Label4.ForeColor()},       {"Label5", cal->Label5.ForeColor()},
            {"Label6", cal->Label6.ForeColor()},       {"Label7", cal->Label7.ForeColor()},
            {"Label8", cal->Label8.ForeColor()},       {"Shape1", cal->Shape1.BorderColor()},
            {"cbomonth", cal->cbomonth.ForeColor()},   {"cboyear", cal->cboyear.ForeColor()},
            {"lbldate", cal->lbldate.ForeColor()},     {"lblday", cal->lblday.ForeColor()}};
        for (int i = 0; i < 31; ++i) {
            all.emplace_back("day" + std::to_string(i + 1), Day(i + 1).TextColour);
        }
        Names names;
        for (const auto& [name, itsColour] : all) {
            if (itsColour == colour) {
                names.push_back(name);
            }
        }
        return names;
    }

    void ClickDay(int day) { cal->lblnumber.RaiseCellClick(day - 1); }
    // The entry of that text, as the user picks it in the open list.
    static void Pick(ui::ComboBox& box, const std::string& entry) {
        for (int i = 0; i < box.ListCount(); ++i) {
            if (box.List(i) == entry) {
                box.SetListIndex(i);
                return;
            }
        }
        ADD_FAILURE() << box.Name() << " has no " << entry;
    }
    void ChooseMonth(int month) {
        static constexpr const char* kMonths[] = {"一月", "二月", "三月",   "四月",
                                                  "五月", "六月", "七月",   "八月",
                                                  "九月", "十月", "十一月", "十二月"};
        cal->Label4.RaiseClick();
        Pick(cal->cbomonth, kMonths[month - 1]);
    }
    void ChooseYear(int year) {
        cal->Label5.RaiseClick();
        Pick(cal->cboyear, std::string(" ").append(std::to_string(year)));  // as the list shows it
    }
    void DragTo(int left, int top, int button = ui::kLeftButton) {
        windows.SetDropPosition(left, top);
        cal->RaiseMouseDown(button, 0, 100, 100);
    }
};

}  // namespace calendar_test
