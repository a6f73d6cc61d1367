#include "platform/folder_files.h"

#include <algorithm>

namespace platform {

namespace {

bool EndsWithFolded(std::string_view name, std::string_view suffix) {
    if (name.size() < suffix.size()) {
        return false;
    }
    const auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    const std::string_view end = name.substr(name.size() - suffix.size());
    return std::equal(end.begin(), end.end(), suffix.begin(),
                      [&](char a, char b) { return fold(a) == fold(b); });
}

}  // namespace

std::vector<FolderFile> ReadFolderFiles(const std::string& folder, std::string_view suffix,
                                        std::size_t maxBytes) {
    std::vector<FolderFile> files;
    if (folder.empty()) {
        return files;
    }
    for (std::string& name : FolderEntryNames(folder)) {
        if (!EndsWithFolded(name, suffix)) {
            continue;
        }
        if (auto content = ReadRegularFileIn(folder, name, maxBytes)) {
            files.push_back({std::move(name), std::move(*content)});
        }
    }
    std::sort(files.begin(), files.end(),
              [](const FolderFile& a, const FolderFile& b) { return a.Name < b.Name; });
    return files;
}

}  // namespace platform
