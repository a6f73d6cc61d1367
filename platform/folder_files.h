// The user's own files as the operating system holds them: the folder of the program's beside
// the settings, what a folder holds, and the bytes of one file, bounded.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The folder `name` beside the user's settings: %APPDATA%\Lunadesk\<name> on Windows (from the
// environment, so that no shell library is loaded for it), <config home>/lunadesk/<name>
// elsewhere; the folder itself for an empty name. Empty when the user has no such place.
std::string UserDataFolder(std::string_view name);

struct FolderEntry {
    std::string Name;  // UTF-8
    std::uint64_t Size = 0;
    // A link, junction or cloud placeholder: reading it could lead anywhere or wait on a
    // download.
    bool Reparse = false;
};

// What one look at a file tells of a change to it, without reading it.
struct FileStamp {
    std::uint64_t Size = 0;
    std::int64_t Written = 0;  // the last write, in the system's own units
    bool operator==(const FileStamp&) const = default;
};

struct FileBytes {
    enum class Outcome { Read, Missing, TooLarge, Unreadable };
    Outcome Result = Outcome::Missing;
    std::string Content;
};

// How the reader of the user's files reaches the disk; tests stand in a slow or odd one.
class FileAccess {
  public:
    virtual ~FileAccess() = default;
    // What the folder holds besides subfolders; nothing for a missing folder.
    virtual std::vector<FolderEntry> Entries(const std::string& folder) const = 0;
    // The bytes of the regular file `name` in the folder when it holds at most maxBytes.
    // Anything else (a pipe, a device) is Unreadable, without waiting on it.
    virtual FileBytes Read(const std::string& folder, const std::string& name,
                           std::size_t maxBytes) const = 0;
    // The size and time of the file `name` in the folder; nullopt when it is not there.
    virtual std::optional<FileStamp> Stamp(const std::string& folder,
                                           const std::string& name) const = 0;
};

// The system's own files; paths of any length.
class SystemFileAccess final : public FileAccess {
  public:
    std::vector<FolderEntry> Entries(const std::string& folder) const override;
    FileBytes Read(const std::string& folder, const std::string& name,
                   std::size_t maxBytes) const override;
    std::optional<FileStamp> Stamp(const std::string& folder,
                                   const std::string& name) const override;
};

// Whether the name ends in the suffix, ASCII letter case aside (".json", ".JSON").
bool EndsWithFolded(std::string_view name, std::string_view suffix);

}  // namespace platform
