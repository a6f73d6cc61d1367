// Exporting the user's days to a calendar file of the user's choosing: the save dialog, the
// file written, and what the status line then says.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "lunar/user_days.h"
#include "platform/ui/window_system.h"
#include "platform/user_file_store.h"

namespace user_files {

// What the save dialog suggests.
ui::SaveFileRequest DaysExportRequest();

// Asks where, owned by `form`, and writes the file there: the status line's text
// ("已导出12个事件到 D:\我的日子.ics", or why not); nullopt when the user cancelled.
std::optional<std::string> ExportDays(const std::vector<lunar::UserDay>& days,
                                      const std::chrono::year_month_day& today,
                                      const std::string& version, std::chrono::sys_seconds stamp,
                                      ui::WindowSystem& system, ui::Form& form,
                                      platform::UserFileStore& files);

}  // namespace user_files
