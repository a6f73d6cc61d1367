#include "platform/folder_files.h"

#include <filesystem>

#include "platform/file_settings_backing.h"
#include "platform/posix/file_io.h"

namespace platform {

std::string UserDataFolder(std::string_view name) {
    const std::filesystem::path home = UserConfigHome();
    if (home.empty()) {
        return {};
    }
    return (FileSettingsBacking(home).FileOf("Lunadesk").parent_path() / name).string();
}

std::vector<std::string> FolderEntryNames(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        names.push_back(entry->path().filename().string());
    }
    return names;
}

std::optional<std::string> ReadRegularFileIn(const std::string& folder, const std::string& name,
                                             std::size_t maxBytes) {
    return posix::ReadRegularFile(std::filesystem::path(folder) / name, maxBytes);
}

}  // namespace platform
