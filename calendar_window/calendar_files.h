// The user's files as the calendar follows them: all read once after it shows, off its thread,
// then days.json looked at on each minute tick. Holds what the calendar points into, so it is
// made before the calendar and outlives it.
#pragma once

#include <memory>
#include <string>

#include "calendar_window/frmcalendar.h"
#include "lunar/holidays.h"
#include "lunar/user_days.h"
#include "platform/folder_files.h"
#include "platform/ui/window_system.h"
#include "user_files/days_watch.h"

class CalendarFiles {
  public:
    CalendarFiles(ui::WindowSystem& system, std::shared_ptr<const platform::FileAccess> access,
                  std::string root);

    // Reads every file off the window's thread; when that ends, the calendar shows the
    // schedule, the days and the faults, sends the reminders due, and starts watching days.json.
    void ReadLater(frmcalendar& calendar);
    // What days.json holds now (read by the watch, or written by the 我的日子 window): the
    // calendar marks these days, and the watch counts the next change against them.
    void TakeDays(frmcalendar& calendar, const user_files::DaysLoad& load);

  private:
    ui::WindowSystem& system_;
    std::shared_ptr<const platform::FileAccess> access_;
    std::string root_;
    std::unique_ptr<lunar::HolidaySchedule> holidays_;
    std::unique_ptr<lunar::UserDayIndex> days_;
    user_files::DaysWatch watch_;
};
