#include "user_files/holiday_folder.h"

#include "platform/folder_files.h"

lunar::HolidaySchedule LoadHolidaySchedule(const std::string& folder) {
    lunar::HolidaySchedule schedule = lunar::HolidaySchedule::BuiltIn();
    // In name order, so the last valid file of a year is the one that stays.
    for (const platform::FolderFile& file :
         platform::ReadFolderFiles(folder, ".json", kLargestNoticeFile)) {
        if (const auto notice = lunar::ParseHolidayNotice(file.Content)) {
            schedule.Replace(*notice);
        }
    }
    return schedule;
}
