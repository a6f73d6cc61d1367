// A long seeded run of random user and system events over both windows, checking after
// every event what must always hold.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <random>
#include <string>

#include "calendar_window/frmcalendar.h"
#include "calendar_window/weekday_names.h"
#include "lunar/lunar.h"
#include "platform/clock.h"
#include "platform/dates.h"
#include "platform/memory_settings_backing.h"
#include "platform/ui/headless_window_system.h"
#include "settings/form1.h"
#include "settings/setting_values.h"
#include "settings/settings_store.h"

namespace {

using namespace std::chrono;

constexpr int kEvents = 20000;

class Soak {
  public:
    Soak() { Start(); }

    void Step() {
        ++steps_;
        const int choice = Pick(0, 99);
        if (!cal_->Visible()) {
            if (choice < 30) {
                windows_.SendNotifyIconMessage();
            } else if (choice < 60) {
                Midnight();
            } else if (choice < 80) {
                windows_.TickTimers();
            } else {
                SettingsEvent();
            }
            return;
        }
        if (choice < 30) {
            cal_->lblnumber[Pick(0, 30)].RaiseClick();
        } else if (choice < 38) {
            cal_->Label4.RaiseClick();
            cal_->cbomonth.SetListIndex(Pick(0, 11));
        } else if (choice < 44) {
            cal_->Label5.RaiseClick();
            cal_->cboyear.SetListIndex(Pick(0, 177));
        } else if (choice < 48) {
            cal_->Label3.RaiseClick();
        } else if (choice < 52) {
            windows_.TickTimers();
        } else if (choice < 55) {
            Midnight();
        } else if (choice < 59) {
            windows_.SetDropPosition(Pick(-40000, 40000), Pick(-40000, 40000));
            cal_->RaiseMouseDown(Pick(1, 4), 0, 0, 0);
        } else if (choice < 62) {
            cal_->RaiseMouseMove(Pick(0, 7), 0, 0, 0);
        } else if (choice < 66) {
            windows_.SetNotifyIconFails(Pick(0, 9) == 0);
            cal_->Label7.RaiseClick();
        } else if (choice < 70) {
            cal_->Label8.RaiseClick();
        } else if (choice < 71) {
            cal_->Label6.RaiseClick();
            ASSERT_FALSE(windows_.Running());
            Start();
        } else {
            SettingsEvent();
        }
    }

    void CheckInvariants() {
        SCOPED_TRACE("after event " + std::to_string(steps_));
        // Exactly one of the 31 labels, hidden ones included, carries the frame.
        int framed = 0;
        for (int i = 0; i < 31; ++i) {
            framed += cal_->lblnumber[i].BorderStyle() == 1 ? 1 : 0;
        }
        ASSERT_EQ(framed, 1);

        const platform::Date shown = platform::ParseLongDate(cal_->lbldate.Caption());
        ASSERT_EQ(cal_->lblday.Caption(), WeekdayName(platform::Weekday(shown)));
        ASSERT_EQ(cal_->Label2.Caption(),
                  lunar::LunarCaption(
                      lunar::ToLunarDate(static_cast<int>(shown.year()),
                                         static_cast<int>(static_cast<unsigned>(shown.month())),
                                         static_cast<int>(static_cast<unsigned>(shown.day())))));
        ASSERT_EQ(cal_->Label3.Visible(), shown != clock_.Now().Date);

        for (const settings::SettingKey* key : settings::kAllKeys) {
            const std::string text = store_.ReadSetting(std::string(key->Name));
            ASSERT_TRUE(settings::ParseSetting(*key, text).has_value())
                << key->Name << " = \"" << text << "\"";
            ASSERT_EQ(text, std::to_string(*settings::ParseSetting(*key, text)));
        }
    }

  private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    void Start() {
        settingsWindow_.reset();
        cal_ = std::make_unique<frmcalendar>(windows_, store_, clock_);
        settingsWindow_ = std::make_unique<Form1>(windows_, store_, *cal_);
        cal_->SetSettingsWindow(settingsWindow_.get());
        cal_->Show();
    }

    // The day changes; the minute timer notices within a minute.
    void Midnight() {
        const sys_days next = sys_days{clock_.Now().Date} + days{Pick(0, 9) == 0 ? 400 : 1};
        clock_.Set({year_month_day{next}, seconds{1}});
        windows_.TickTimers();
    }

    void SettingsEvent() {
        Form1& settings = *settingsWindow_;
        if (!settings.Loaded()) {
            if (cal_->Visible()) {
                cal_->Label8.RaiseClick();
            }
            return;
        }
        switch (Pick(0, 6)) {
            case 0:
                settings.HScroll1.SetValue(Pick(0, 300));
                break;
            case 1:
                settings.HScroll2[Pick(0, 2)].SetValue(Pick(0, 255));
                break;
            case 2:
                settings.HScroll3[Pick(0, 2)].SetValue(Pick(0, 255));
                break;
            case 3:
                settings.Picture1[Pick(0, 7)].RaiseClick();
                break;
            case 4:
                windows_.SetDropPosition(Pick(-20000, 40000), Pick(-20000, 20000));
                settings.RaiseMouseDown(1, 0, 0, 0);
                break;
            case 5:
                settings.Label8.RaiseClick();
                break;
            default:
                settings.RequestClose();
                break;
        }
    }

    std::mt19937 random_{20261206};
    platform::MemorySettingsBacking backing_;
    SettingsStore store_{backing_};
    platform::FixedClock clock_{{2021y / May / 9d, hours{9}}};
    ui::HeadlessWindowSystem windows_{1920, 1080};
    std::unique_ptr<frmcalendar> cal_;
    std::unique_ptr<Form1> settingsWindow_;
    int steps_ = 0;
};

TEST(Soak, InvariantsHoldOverTwentyThousandRandomEvents) {
    Soak soak;
    soak.CheckInvariants();
    for (int i = 0; i < kEvents && !::testing::Test::HasFatalFailure(); ++i) {
        soak.Step();
        soak.CheckInvariants();
    }
}

}  // namespace
