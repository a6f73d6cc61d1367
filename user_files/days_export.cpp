#include "user_files/days_export.h"

#include "user_files/days_calendar.h"

namespace user_files {

ui::SaveFileRequest DaysExportRequest() {
    return {"我的日子.ics", "iCalendar (*.ics)", "ics", true};
}

std::optional<std::string> ExportDays(const std::vector<lunar::UserDay>& days,
                                      const std::chrono::year_month_day& today,
                                      const std::string& version, std::chrono::sys_seconds stamp,
                                      ui::WindowSystem& system, ui::Form& form,
                                      platform::UserFileStore& files) {
    if (days.empty()) {
        return "没有可导出的日子";
    }
    const ui::SaveFileAnswer answer = system.ChooseSaveFile(form, DaysExportRequest());
    if (!answer.Path) {
        return answer.Failure.empty() ? std::nullopt : std::optional{"未导出：" + answer.Failure};
    }
    const DaysCalendar calendar = DaysCalendarText(days, today, version, stamp);
    // The user named this file to be written over: no backup of what was there is kept.
    const std::string failure = files.Replace(*answer.Path, calendar.Text, "");
    if (!failure.empty()) {
        return "未能导出到 " + *answer.Path + "：" + failure;
    }
    return "已导出" + std::to_string(calendar.Events) + "个事件到 " + *answer.Path;
}

}  // namespace user_files
