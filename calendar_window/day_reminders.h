// When the calendar reminds of the user's days: once a day, at start and on a new date (in the
// small hours only from 09:00 or the user's first click or key), in one balloon.
#pragma once

#include <functional>
#include <optional>

#include "lunar/user_days.h"
#include "platform/clock.h"
#include "platform/dates.h"
#include "platform/ui/window_system.h"

class SettingsStore;

class DayReminders {
  public:
    // showDay brings the calendar forward showing a date: what a click on the balloon does.
    DayReminders(ui::WindowSystem& system, ui::Form& window, SettingsStore& store,
                 const platform::Clock& clock, std::function<void(platform::Date)> showDay);
    ~DayReminders();
    DayReminders(const DayReminders&) = delete;
    DayReminders& operator=(const DayReminders&) = delete;

    // The days to remind of, which must outlive this.
    void SetDays(const lunar::UserDayIndex& days) { days_ = &days; }
    // The window shows: remind of what is due.
    void Start();
    // The minute tick or a clock change: a new date reminds anew; the balloon of a day that
    // ended goes.
    void OnTick();
    void OnNotifyEvent(ui::NotifyEvent event);
    // A balloon of the reminders is showing.
    bool Showing() const { return shownOn_.has_value(); }

  private:
    void Remind();
    void OnUserInput();

    ui::WindowSystem& system_;
    ui::Form& window_;
    SettingsStore& store_;
    const platform::Clock& clock_;
    std::function<void(platform::Date)> showDay_;
    const lunar::UserDayIndex* days_ = nullptr;
    bool started_ = false;
    // The date reminded of last (or tried for), and whether that waits for the morning.
    std::optional<platform::Date> checked_;
    bool waiting_ = false;
    // The balloon was refused: the notification area is not there yet.
    bool refused_ = false;
    // The balloon showing: for which date, and the first day it names.
    std::optional<platform::Date> shownOn_;
    platform::Date firstNamed_{};
};
