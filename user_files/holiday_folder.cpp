#include "user_files/holiday_folder.h"

#include <algorithm>
#include <utility>

#include "user_files/holiday_notice.h"

namespace user_files {

ReadRequest HolidayRequest(std::string root) {
    ReadRequest request;
    request.Root = std::move(root);
    request.Folder = kHolidayFolder;
    request.Suffix = ".json";
    request.LargestFolderFile = kLargestNoticeFile;
    return request;
}

HolidayFiles ApplyNotices(const FilesRead& read) {
    HolidayFiles files;
    const std::string prefix = std::string(kHolidayFolder) + "\\";
    for (const FileFault& fault : read.Faults) {
        if (fault.File.starts_with(prefix)) {
            files.Faults.push_back(fault);
        }
    }
    // In name order, so the last valid file of a year is the one that stays.
    for (const UserText& text : read.Texts) {
        if (!text.File.starts_with(prefix)) {
            continue;
        }
        auto notice = ParseHolidayNotice(text.Text);
        if (auto* fault = std::get_if<FileFault>(&notice)) {
            fault->File = text.File;
            files.Faults.push_back(std::move(*fault));
        } else {
            files.Schedule.Replace(std::get<lunar::HolidayNotice>(notice));
        }
    }
    // The first faulty file is the first in name order, whatever its fault.
    std::stable_sort(files.Faults.begin(), files.Faults.end(),
                     [](const FileFault& a, const FileFault& b) { return a.File < b.File; });
    return files;
}

}  // namespace user_files
