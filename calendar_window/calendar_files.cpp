#include "calendar_window/calendar_files.h"

#include <utility>

#include "user_files/startup_files.h"

CalendarFiles::CalendarFiles(ui::WindowSystem& system,
                             std::shared_ptr<const platform::FileAccess> access, std::string root)
    : system_(system), access_(access), root_(root), watch_(system, access, root) {}

void CalendarFiles::ReadLater(frmcalendar& calendar) {
    user_files::ReadStartupFilesLater(
        system_, access_, root_, [this, &calendar](user_files::StartupFiles files) {
            const auto previous = std::exchange(holidays_, std::move(files.Holidays));
            calendar.SetHolidaySchedule(*holidays_);
            TakeDays(calendar, files.Days);
            calendar.AddFileFaults(files.Faults);
            calendar.SetFilesLeftOut(std::move(files.LeftOut));
            calendar.StartReminders();
            calendar.EveryMinute = [this, &calendar] {
                watch_.Look(
                    [this, &calendar](user_files::DaysLoad load) { TakeDays(calendar, load); });
            };
        });
}

void CalendarFiles::TakeDays(frmcalendar& calendar, const user_files::DaysLoad& load) {
    // The calendar lets go of the old days before they go.
    const auto previous =
        std::exchange(days_, std::make_unique<lunar::UserDayIndex>(load.File.UserDays()));
    calendar.SetUserDays(*days_);
    calendar.SetDaysFault(load.Fault ? user_files::FaultText(*load.Fault) : std::string());
    watch_.Took(load);
}
