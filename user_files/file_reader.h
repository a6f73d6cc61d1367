// The one reader of the user's files: a folder of like files (the holiday notices) and single
// named files beside it, bounded in number and size, decoded to UTF-8. It only reads; what a
// file means is for its own parser.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/folder_files.h"
#include "user_files/file_fault.h"

namespace user_files {

// Of a folder, only the files that sort last are read, and no more bytes in all than these.
inline constexpr std::size_t kMostFolderFiles = 64;
inline constexpr std::size_t kMostFolderBytes = 4 * 1024 * 1024;

struct ReadRequest {
    // The program's folder of the user's (platform::UserDataFolder("")).
    std::string Root;
    // A folder in it whose files ending in Suffix are read ("holidays", ".json"); empty for none.
    std::string Folder;
    std::string Suffix;
    // The largest file of the folder that is read.
    std::size_t LargestFolderFile = 0;
    // Single files in Root ("days.json"), each read when it exists.
    struct Single {
        std::string Name;
        std::size_t LargestFile = 0;
    };
    std::vector<Single> Files;
};

struct UserText {
    // The path under Root as the user finds it: "holidays\2027.json", "days.json".
    std::string File;
    std::string Text;  // UTF-8
};

struct FilesRead {
    // The folder's files in name order, then the single files, each as it was asked for.
    std::vector<UserText> Texts;
    // Files that could not be read or decoded, in the same order.
    std::vector<FileFault> Faults;
    // Files of the folder left unread for the limits above.
    std::size_t LeftOut = 0;
};

// Reads what the request names. A link, junction or placeholder in the folder is passed over;
// a missing folder or single file is no fault.
FilesRead ReadUserFiles(const platform::FileAccess& access, const ReadRequest& request);

// The line that says files were left out: "另有3个文件未读取（只读最后64个、共4 MiB）".
std::string LeftOutText(std::size_t count);

}  // namespace user_files
