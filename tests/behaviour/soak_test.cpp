// A long seeded run of random user and system events over both windows, checking after
// every event what must always hold.
#include <algorithm>
#include <random>

#include "lunar/lunar.h"
#include "platform/dates.h"
#include "settings_window/form1.h"
#include "tests/behaviour/calendar_fixture.h"

namespace calendar_test {
namespace {

constexpr int kEvents = 20000;

class Soak : public CalendarTest {
  protected:
    void SetUp() override { StartBoth(); }

    void Step() {
        ++steps_;
        const int choice = Pick(0, 99);
        if (!cal->Visible()) {
            if (choice < 30) {
                windows.SendNotifyIconMessage();
            } else if (choice < 60) {
                Midnight();
            } else if (choice < 80) {
                windows.TickTimers();
            } else {
                SettingsEvent();
            }
            return;
        }
        if (choice < 30 && cal->MonthView()) {
            cal->grdmonth.RaiseCellClick(Pick(0, 41));
        } else if (choice < 30) {
            cal->lblnumber.RaiseCellClick(Pick(0, 30));
        } else if (choice < 38) {
            cal->Label4.RaiseClick();
            cal->cbomonth.SetListIndex(Pick(0, 11));
        } else if (choice < 44) {
            cal->Label5.RaiseClick();
            cal->cboyear.SetListIndex(Pick(0, 177));
        } else if (choice < 48) {
            cal->Label3.RaiseClick();
        } else if (choice < 52) {
            windows.TickTimers();
        } else if (choice < 55) {
            Midnight();
        } else if (choice < 59) {
            windows.SetDropPosition(Pick(-40000, 40000), Pick(-40000, 40000));
            cal->RaiseMouseDown(Pick(1, 4), 0, 0, 0);
        } else if (choice < 62) {
            cal->RaiseMouseMove(Pick(0, 7), 0, 0, 0);
        } else if (choice < 66) {
            windows.SetNotifyIconFails(Pick(0, 9) == 0);
            cal->Label7.RaiseClick();
        } else if (choice < 70) {
            cal->Label8.RaiseClick();
        } else if (choice < 71) {
            cal->Label6.RaiseClick();
            ASSERT_FALSE(windows.Running());
            StartBoth();
        } else {
            SettingsEvent();
        }
    }

    void CheckInvariants() {
        SCOPED_TRACE("after event " + std::to_string(steps_));
        // Exactly one of the 31 numbers, hidden ones included, carries the frame.
        const auto& days = cal->lblnumber.Cells();
        ASSERT_EQ(
            std::count_if(days.begin(), days.end(), [](const auto& day) { return day.Framed; }), 1);

        const platform::Date shown = platform::ParseLongDate(cal->lbldate.Caption());
        ASSERT_EQ(cal->lblday.Caption(), lunar::WeekdayName(platform::Weekday(shown)));
        ASSERT_EQ(cal->Label2.Caption(),
                  lunar::LunarCaption(
                      lunar::ToLunarDate(static_cast<int>(shown.year()),
                                         static_cast<int>(static_cast<unsigned>(shown.month())),
                                         static_cast<int>(static_cast<unsigned>(shown.day())))));
        ASSERT_EQ(cal->Label3.Visible(), shown != clock.Now().Date);
        // The month view frames the shown day alone, and its box says which view shows.
        int framedCells = 0;
        for (const ui::GridCell& cell : cal->grdmonth.Cells()) {
            framedCells += cell.Framed ? 1 : 0;
            ASSERT_TRUE(!cal->MonthView() || !cell.Framed ||
                        cell.AccessibleName.starts_with(cal->lbldate.Caption()));
        }
        ASSERT_EQ(framedCells, cal->MonthView() ? 1 : framedCells);
        ASSERT_TRUE(!settingsWindow_->Loaded() ||
                    settingsWindow_->Check2.Value() == cal->MonthView());

        for (const settings::SettingKey* key : settings::kAllKeys) {
            const std::string text = store.ReadSetting(std::string(key->Name));
            ASSERT_TRUE(settings::ParseSetting(*key, text).has_value())
                << key->Name << " = \"" << text << "\"";
            ASSERT_EQ(text, std::to_string(*settings::ParseSetting(*key, text)));
        }
    }

  private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    void StartBoth() {
        settingsWindow_.reset();
        cal = std::make_unique<frmcalendar>(windows, store, clock);
        settingsWindow_ = std::make_unique<Form1>(windows, store, *cal, startAtLogOn);
        cal->SetSettingsWindow(settingsWindow_.get());
        cal->Show();
    }

    // The day changes; the minute timer notices within a minute.
    void Midnight() {
        const sys_days next = sys_days{clock.Now().Date} + days{Pick(0, 9) == 0 ? 400 : 1};
        clock.Set({year_month_day{next}, seconds{1}});
        windows.TickTimers();
    }

    void SettingsEvent() {
        Form1& settings = *settingsWindow_;
        if (!settings.Loaded()) {
            if (cal->Visible()) {
                cal->Label8.RaiseClick();
            }
            return;
        }
        switch (Pick(0, 7)) {
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
                windows.SetDropPosition(Pick(-20000, 40000), Pick(-20000, 20000));
                settings.RaiseMouseDown(1, 0, 0, 0);
                break;
            case 5:
                settings.Check2.Toggle();
                break;
            case 6:
                settings.Label8.RaiseClick();
                break;
            default:
                settings.RequestClose();
                break;
        }
    }

    std::mt19937 random_{20261206};
    std::unique_ptr<Form1> settingsWindow_;
    int steps_ = 0;
};

TEST_F(Soak, InvariantsHoldOverTwentyThousandRandomEvents) {
    CheckInvariants();
    for (int i = 0; i < kEvents && !HasFatalFailure(); ++i) {
        Step();
        CheckInvariants();
    }
}

}  // namespace
}  // namespace calendar_test
