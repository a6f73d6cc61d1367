// Small files the user puts into a folder of the program's, such as newer holiday notices.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct FolderFile {
    std::string Name;  // the file's name, UTF-8
    std::string Content;
};

// The folder `name` beside the user's settings: %APPDATA%\Lunadesk\<name> on Windows (from the
// environment, so that no shell library is loaded for it), <config home>/lunadesk/<name>
// elsewhere. Empty when the user has no such place.
std::string UserDataFolder(std::string_view name);

// Every regular file in the folder whose name ends in `suffix` (ASCII letter case aside) and
// that holds at most maxBytes, sorted by name. Whatever else is there — a subfolder, a pipe or
// device, a larger or unreadable file — is passed over without waiting on it; a missing folder
// holds nothing.
std::vector<FolderFile> ReadFolderFiles(const std::string& folder, std::string_view suffix,
                                        std::size_t maxBytes);

// What each system provides for that: the names of what the folder holds besides subfolders,
// and the bytes of one regular file of at most maxBytes (nullopt for anything else).
std::vector<std::string> FolderEntryNames(const std::string& folder);
std::optional<std::string> ReadRegularFileIn(const std::string& folder, const std::string& name,
                                             std::size_t maxBytes);

}  // namespace platform
