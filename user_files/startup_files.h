// The user's files as the calendar takes them at start: read once it has shown, off the
// window's thread, so that a slow disk or a share that does not answer delays nothing the user
// sees and keeps no one from closing the calendar.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "lunar/holidays.h"
#include "platform/folder_files.h"
#include "platform/ui/window_system.h"
#include "user_files/days_file.h"
#include "user_files/file_fault.h"

namespace user_files {

struct StartupFiles {
    // Moved, never copied: its days name strings it holds.
    std::unique_ptr<lunar::HolidaySchedule> Holidays;
    // days.json: no file is no days; a fault leaves the days out.
    DaysLoad Days;
    // Why each notice not used is not, as the user reads it (FaultText), in name order;
    // days.json's is in Days.
    std::vector<std::string> Faults;
    // Says that files were left unread for the reader's limits; empty when none were.
    std::string LeftOut;
};

// days.json alone, through the same reader, on the calling thread.
DaysLoad ReadDaysFile(const platform::FileAccess& access, const std::string& root);

// Everything at once, on the calling thread.
StartupFiles ReadStartupFiles(const platform::FileAccess& access, const std::string& root);

// The same on a thread of its own; `done` runs on the UI thread when it has ended (and never,
// if the window system goes first). `access` is shared with that thread, which may outlive
// the caller.
void ReadStartupFilesLater(ui::WindowSystem& system,
                           std::shared_ptr<const platform::FileAccess> access, std::string root,
                           std::function<void(StartupFiles)> done);

}  // namespace user_files
