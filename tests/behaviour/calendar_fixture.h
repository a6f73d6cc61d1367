// A calendar window on a headless screen with a fixed clock and settings in memory.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "calendar_window/frmcalendar.h"
#include "platform/clock.h"
#include "platform/memory_settings_backing.h"
#include "platform/ui/headless_window_system.h"
#include "settings/setting_values.h"
#include "settings/settings_store.h"

namespace calendar_test {

using namespace std::chrono;

inline platform::LocalDateTime At(year_month_day date, seconds timeOfDay = hours{10}) {
    return {date, timeOfDay};
}

class CalendarTest : public ::testing::Test {
  protected:
    platform::MemorySettingsBacking backing;
    SettingsStore store{backing};
    platform::FixedClock clock{At(2021y / May / 9d)};
    ui::HeadlessWindowSystem windows{1920, 1080};
    std::unique_ptr<frmcalendar> cal;

    void Start() {
        cal = std::make_unique<frmcalendar>(windows, store, clock);
        cal->Show();
    }
    void StartOn(year_month_day today) {
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
    void StoreFirstRunValuesWith(const std::string& key, const std::string& value) {
        // What an earlier run on a 1920-pixel screen left behind, but for one key.
        for (const settings::SettingKey* stored : settings::kAllKeys) {
            const std::string name(stored->Name);
            const int firstRun = stored == &settings::kFormX ? 25905 : stored->FirstRun;
            Put(name, name == key ? value : std::to_string(firstRun));
        }
    }

    // Days (1-based) whose labels carry the selection frame.
    std::vector<int> FramedDays() const {
        std::vector<int> days;
        for (int i = 0; i < 31; ++i) {
            if (cal->lblnumber[i].BorderStyle() == 1) {
                days.push_back(i + 1);
            }
        }
        return days;
    }
    std::vector<int> VisibleDays() const {
        std::vector<int> days;
        for (int i = 0; i < 31; ++i) {
            if (cal->lblnumber[i].Visible()) {
                days.push_back(i + 1);
            }
        }
        return days;
    }
    std::vector<int> DaysColoured(ui::Colour colour) const {
        std::vector<int> days;
        for (int i = 0; i < 31; ++i) {
            if (cal->lblnumber[i].ForeColor() == colour) {
                days.push_back(i + 1);
            }
        }
        return days;
    }
    void ClickDay(int day) { cal->lblnumber[day - 1].RaiseClick(); }
    void ChooseMonth(int month) {
        cal->Label4.RaiseClick();
        cal->cbomonth.SetListIndex(month - 1);
    }
    void ChooseYear(int year) {
        cal->Label5.RaiseClick();
        cal->cboyear.SetListIndex(year - 1922);
    }
    void DragTo(int left, int top) {
        windows.SetDropPosition(left, top);
        cal->RaiseMouseDown(ui::kLeftButton, 0, 100, 100);
    }
};

}  // namespace calendar_test
