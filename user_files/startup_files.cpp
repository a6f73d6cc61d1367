#include "user_files/startup_files.h"

#include <utility>

#include "user_files/file_reader.h"
#include "user_files/holiday_folder.h"

namespace user_files {

namespace {

// days.json as the reader found it: its fault in reading or in content, or its days.
DaysLoad DaysFrom(const FilesRead& read) {
    DaysLoad load;
    for (const FileFault& fault : read.Faults) {
        if (fault.File == kDaysFileName) {
            load.Fault = fault;
            return load;
        }
    }
    for (const UserText& text : read.Texts) {
        if (text.File == kDaysFileName) {
            DaysRead days = ParseDaysFile(text.Text);
            load.File = std::move(days.File);
            load.Fault = std::move(days.Fault);
            load.Bytes = text.Text;
        }
    }
    return load;
}

}  // namespace

DaysLoad ReadDaysFile(const platform::FileAccess& access, const std::string& root) {
    ReadRequest request;
    request.Root = root;
    request.Files.push_back({kDaysFileName, kLargestDaysFile});
    return DaysFrom(ReadUserFiles(access, request));
}

StartupFiles ReadStartupFiles(const platform::FileAccess& access, const std::string& root) {
    ReadRequest request = HolidayRequest(root);
    request.Files.push_back({kDaysFileName, kLargestDaysFile});
    const FilesRead read = ReadUserFiles(access, request);
    HolidayFiles holidays = ApplyNotices(read);
    StartupFiles files;
    files.Holidays = std::make_unique<lunar::HolidaySchedule>(std::move(holidays.Schedule));
    files.Days = DaysFrom(read);
    for (const FileFault& fault : holidays.Faults) {
        files.Faults.push_back(FaultText(fault));
    }
    if (read.LeftOut > 0) {
        files.LeftOut = LeftOutText(read.LeftOut);
    }
    return files;
}

void ReadStartupFilesLater(ui::WindowSystem& system,
                           std::shared_ptr<const platform::FileAccess> access, std::string root,
                           std::function<void(StartupFiles)> done) {
    // Filled on the worker's thread before it says it has ended; read on the UI thread after.
    auto result = std::make_shared<StartupFiles>();
    system.RunInBackground([result, access = std::move(access),
                            root = std::move(root)] { *result = ReadStartupFiles(*access, root); },
                           [result, done = std::move(done)] {
                               if (result->Holidays) {
                                   done(std::move(*result));
                               }
                           });
}

}  // namespace user_files
