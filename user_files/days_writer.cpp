// Loading days.json and writing it back without losing anything: neither a change made on
// disk meanwhile nor a file the user must fix first.
#include <algorithm>
#include <map>

#include "user_files/days_file.h"

namespace user_files {

namespace {

// What was read, edited here, applied by id to what the file holds now: days removed here
// go, days changed or added here replace theirs or come at the end, the rest stays as it is now.
DaysFile Merge(const DaysFile& read, const DaysFile& edited, DaysFile now) {
    std::map<std::string, const StoredDay*> before, after;
    for (const StoredDay& day : read.Days) {
        before[day.Day.Id] = &day;
    }
    for (const StoredDay& day : edited.Days) {
        after[day.Day.Id] = &day;
    }
    std::erase_if(now.Days, [&](const StoredDay& day) {
        return before.contains(day.Day.Id) && !after.contains(day.Day.Id);
    });
    for (const StoredDay& day : edited.Days) {
        const auto was = before.find(day.Day.Id);
        if (was != before.end() && *was->second == day) {
            continue;  // not changed here: what is there now holds
        }
        const auto there = std::find_if(now.Days.begin(), now.Days.end(),
                                        [&](const StoredDay& d) { return d.Day.Id == day.Day.Id; });
        if (there != now.Days.end()) {
            *there = day;
        } else {
            now.Days.push_back(day);
        }
    }
    return now;
}

std::optional<std::string> BytesOf(const platform::FileRead& file) {
    return file.Exists ? std::optional<std::string>(file.Bytes) : std::nullopt;
}

}  // namespace

std::string DaysFilePath(const std::string& folder) {
    if (folder.empty()) {
        return {};
    }
    const char last = folder.back();
    return folder + (last == '/' || last == '\\' ? "" : "/") + kDaysFileName;
}

DaysLoad LoadDays(platform::UserFileStore& files, const std::string& folder) {
    DaysLoad load;
    if (folder.empty()) {
        return load;
    }
    const platform::FileRead file = files.Read(DaysFilePath(folder), kLargestDaysFile);
    if (!file.Exists) {
        return load;
    }
    if (file.TooLarge) {
        load.Fault = FileFault{kDaysFileName, 0, "文件大于1 MiB"};
        return load;
    }
    if (!file.Failure.empty()) {
        load.Fault = FileFault{kDaysFileName, 0, file.Failure};
        return load;
    }
    DaysRead read = ParseDaysFile(file.Bytes);
    load.File = std::move(read.File);
    load.Fault = std::move(read.Fault);
    load.Bytes = file.Bytes;
    return load;
}

DaysWrite WriteDays(platform::UserFileStore& files, const std::string& folder,
                    const std::optional<std::string>& readBytes, const DaysFile& edited) {
    DaysWrite write;
    const std::string path = DaysFilePath(folder);
    if (path.empty()) {
        write.Failure = "找不到保存days.json的文件夹";
        return write;
    }
    const platform::FileRead file = files.Read(path, kLargestDaysFile);
    DaysFile target = edited;
    // Content, not times: a synced folder may rewrite the same bytes with a new time.
    if (BytesOf(file) != readBytes || file.TooLarge || !file.Failure.empty()) {
        const DaysLoad now = LoadDays(files, folder);
        if (now.Fault) {
            write.Failure = FaultText(*now.Fault);
            return write;
        }
        const DaysFile read = readBytes ? ParseDaysFile(*readBytes).File : DaysFile{};
        target = Merge(read, edited, now.File);
    }
    std::string text = DaysFileText(target);
    if (const DaysRead check = ParseDaysFile(text); check.Fault) {
        write.Failure = FaultText(*check.Fault);
        return write;
    }
    if (std::string failure = files.Replace(path, text, path + ".bak"); !failure.empty()) {
        write.Failure = "无法保存days.json：" + failure;
        return write;
    }
    write.Written = true;
    write.Now = std::move(target);
    write.Bytes = std::move(text);
    return write;
}

}  // namespace user_files
