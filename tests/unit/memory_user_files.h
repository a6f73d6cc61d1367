// A stand-in for the user's files, for the code that decides what to write, and files for it.
#pragma once

#include <map>
#include <string>

#include "platform/user_file_store.h"

namespace tests {

// Files in memory; a replace can be made to fail halfway, as a full disk does.
class MemoryFiles final : public platform::UserFileStore {
  public:
    platform::FileRead Read(const std::string& path, std::size_t maxBytes) override {
        const auto found = files.find(path);
        const bool there = found != files.end(), large = there && found->second.size() > maxBytes;
        return {there, large, there && !large ? found->second : "", {}};
    }
    std::string Replace(const std::string& path, std::string_view bytes,
                        const std::string& backup) override {
        if (failHalfway) {
            return "磁盘已满";  // its temporary file gone, nothing else touched
        }
        if (files.contains(path)) {
            files[backup] = files[path];
        }
        files[path] = bytes;
        return {};
    }
    std::string Rename(const std::string& from, const std::string& to) override {
        if (!files.contains(from) || files.contains(to)) {
            return "重命名失败";
        }
        files[to] = std::move(files[from]);
        files.erase(from);
        return {};
    }
    std::map<std::string, std::string> files;
    bool failHalfway = false;
};

// The days of a file, the first `count` of 1001 alike yearly days.
inline std::string ManyDays(int count) {
    std::string days;
    for (int i = 0; i < count; ++i) {
        days += (i ? ", " : "") + std::string(R"({"id": "d)") + std::to_string(i) +
                R"(", "name": "n", "kind": "yearly", "calendar": "lunar", "month": 1, "day": 1})";
    }
    return "{\"days\": [" + days + "]}";
}

}  // namespace tests
