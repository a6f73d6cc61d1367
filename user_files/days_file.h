// days.json, the user's own days: read strictly into typed values, written back atomically
// with the user's key order and unknown fields, merged with a change made on disk meanwhile.
#pragma once

#include <nlohmann/json.hpp>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lunar/user_days.h"
#include "platform/user_file_store.h"
#include "user_files/file_fault.h"

namespace user_files {

inline constexpr std::size_t kLargestDaysFile = 1024 * 1024;
inline constexpr std::size_t kMostDays = 1000;
inline constexpr const char* kDaysFileName = "days.json";

struct StoredDay {
    lunar::UserDay Day;
    // The day as the file gives it: its keys in the user's order and the fields the program
    // does not know, which a rewrite keeps.
    nlohmann::ordered_json Source = nlohmann::ordered_json::object();
    bool operator==(const StoredDay&) const = default;
};

struct DaysFile {
    std::vector<StoredDay> Days;
    // The file's object besides its days, kept the same way.
    nlohmann::ordered_json Root = nlohmann::ordered_json::object();
    std::vector<lunar::UserDay> UserDays() const;
};

struct DaysRead {
    DaysFile File;
    std::optional<FileFault> Fault;  // set: the file is not used at all
};

// Where the day's date does not exist or lies outside the years shown, why, in the words the
// file's reader uses ("日期不存在（农历2023年无闰四月）"); else empty.
std::string DateFault(const lunar::UserDay& day);

// The bytes of days.json (a UTF-8 BOM is allowed); the first fault refuses the whole file.
DaysRead ParseDaysFile(std::string_view bytes);
// The file's text: each day on a line of its own.
std::string DaysFileText(const DaysFile& file);

// What days.json holds at start: no file is no days; a fault leaves the days out.
struct DaysLoad {
    DaysFile File;
    std::optional<FileFault> Fault;
    // The bytes read (nullopt: no file), which a later write compares with what is there then.
    std::optional<std::string> Bytes;
};
DaysLoad LoadDays(platform::UserFileStore& files, const std::string& folder);
std::string DaysFilePath(const std::string& folder);

struct DaysWrite {
    bool Written = false;
    std::string Failure;  // why not, in words for the user
    DaysFile Now;         // what the file holds after the write
    std::optional<std::string> Bytes;
};
// Writes `edited`, a change of what was read as `readBytes` (nullopt: there was no file). When
// the file holds something else now, the change is applied by id to what is there; a file with
// a fault there is never written over. Refuses what the reader would refuse.
DaysWrite WriteDays(platform::UserFileStore& files, const std::string& folder,
                    const std::optional<std::string>& readBytes, const DaysFile& edited);

}  // namespace user_files
