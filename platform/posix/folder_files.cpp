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
    const std::filesystem::path folder = FileSettingsBacking(home).FileOf("Lunadesk").parent_path();
    return (name.empty() ? folder : folder / name).string();
}

std::vector<FolderEntry> SystemFileAccess::Entries(const std::string& folder) const {
    std::vector<FolderEntry> entries;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        std::error_code statusError;
        // lstat: a link is the link, wherever it points.
        const bool link = entry->is_symlink(statusError);
        if (!link && entry->is_directory(statusError)) {
            continue;
        }
        const std::uintmax_t size = link ? 0 : entry->file_size(statusError);
        entries.push_back({entry->path().filename().string(), statusError ? 0 : size, link});
    }
    return entries;
}

FileBytes SystemFileAccess::Read(const std::string& folder, const std::string& name,
                                 std::size_t maxBytes) const {
    return posix::ReadRegularFile(std::filesystem::path(folder) / name, maxBytes);
}

std::optional<FileStamp> SystemFileAccess::Stamp(const std::string& folder,
                                                 const std::string& name) const {
    std::error_code error;
    const std::filesystem::path path = std::filesystem::path(folder) / name;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    const auto written = std::filesystem::last_write_time(path, error);
    if (error) {
        return std::nullopt;
    }
    return FileStamp{size, written.time_since_epoch().count()};
}

}  // namespace platform
