#include "user_files/file_reader.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "user_files/text_decoding.h"

namespace user_files {

namespace {

// The user's paths are shown as Windows shows them.
constexpr char kSeparator = '\\';

std::string Join(const std::string& folder, const std::string& name) {
    return folder + kSeparator + name;
}

// On Windows either separator joins; elsewhere only '/'.
std::string SystemJoin(const std::string& folder, const std::string& name) {
#ifdef _WIN32
    return Join(folder, name);
#else
    return folder + '/' + name;
#endif
}

std::string SizeText(std::size_t bytes) {
    return std::to_string(bytes / 1024) + " KiB";
}

// Bytes as read become text, or a fault.
void Take(platform::FileBytes bytes, std::string file, std::size_t largest, FilesRead& read) {
    using Outcome = platform::FileBytes::Outcome;
    switch (bytes.Result) {
        case Outcome::Missing:
            return;
        case Outcome::TooLarge:
            read.Faults.push_back({std::move(file), 0, "文件大于" + SizeText(largest)});
            return;
        case Outcome::Unreadable:
            read.Faults.push_back({std::move(file), 0, "无法读取"});
            return;
        case Outcome::Read:
            break;
    }
    if (auto text = DecodeUserText(bytes.Content)) {
        read.Texts.push_back({std::move(file), std::move(*text)});
    } else {
        read.Faults.push_back({std::move(file), 0, "编码无法识别（应为UTF-8、UTF-16或GBK）"});
    }
}

void ReadFolder(const platform::FileAccess& access, const ReadRequest& request, FilesRead& read) {
    const std::string folder = SystemJoin(request.Root, request.Folder);
    std::vector<platform::FolderEntry> entries = access.Entries(folder);
    std::erase_if(entries, [&](const platform::FolderEntry& entry) {
        return entry.Reparse || !platform::EndsWithFolded(entry.Name, request.Suffix);
    });
    std::sort(entries.begin(), entries.end(),
              [](const auto& a, const auto& b) { return a.Name < b.Name; });
    // The newest sort last and count most: read from the end until a limit is reached.
    FilesRead newestFirst;
    std::size_t bytes = 0;
    std::size_t taken = 0;
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry, ++taken) {
        // A file too large is not read, so it costs nothing.
        const std::uint64_t expected = entry->Size > request.LargestFolderFile ? 0 : entry->Size;
        if (taken == kMostFolderFiles || bytes + expected > kMostFolderBytes) {
            break;
        }
        platform::FileBytes content = access.Read(folder, entry->Name, request.LargestFolderFile);
        bytes += content.Content.size();
        if (bytes > kMostFolderBytes) {
            break;  // grown since it was listed
        }
        Take(std::move(content), Join(request.Folder, entry->Name), request.LargestFolderFile,
             newestFirst);
    }
    read.LeftOut += entries.size() - taken;
    std::move(newestFirst.Texts.rbegin(), newestFirst.Texts.rend(), std::back_inserter(read.Texts));
    std::move(newestFirst.Faults.rbegin(), newestFirst.Faults.rend(),
              std::back_inserter(read.Faults));
}

}  // namespace

FilesRead ReadUserFiles(const platform::FileAccess& access, const ReadRequest& request) {
    FilesRead read;
    if (request.Root.empty()) {
        return read;
    }
    if (!request.Folder.empty()) {
        ReadFolder(access, request, read);
    }
    for (const ReadRequest::Single& single : request.Files) {
        Take(access.Read(request.Root, single.Name, single.LargestFile), single.Name,
             single.LargestFile, read);
    }
    return read;
}

std::string LeftOutText(std::size_t count) {
    return "另有" + std::to_string(count) + "个文件未读取（只读最后" +
           std::to_string(kMostFolderFiles) + "个、共" +
           std::to_string(kMostFolderBytes / (1024 * 1024)) + " MiB）";
}

}  // namespace user_files
