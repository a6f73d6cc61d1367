// Reading and replacing one file of the user's, behind a seam so that the code deciding what to
// write can be tested against a file system that fails at any step.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// What a user file is read as: missing, too large, unreadable, or its bytes.
struct FileRead {
    bool Exists = false;
    bool TooLarge = false;
    std::string Bytes;
    // Why the file could not be read though it exists; empty when it was.
    std::string Failure;
};

class UserFileStore {
  public:
    virtual ~UserFileStore() = default;
    virtual FileRead Read(const std::string& path, std::size_t maxBytes) = 0;
    // Writes the bytes to a new file in the same folder, flushed to the disk, then puts it in
    // the file's place in one step, the previous file (if any) becoming `backup` (an empty
    // `backup`: the previous file is not kept); folders missing on the way are made. On failure the
    // file is as it was and the answer says why; on success it is empty.
    virtual std::string Replace(const std::string& path, std::string_view bytes,
                                const std::string& backup) = 0;
    // Gives the file another name in the same folder, never over a file that has that name.
    // On success the answer is empty, else it says why.
    virtual std::string Rename(const std::string& from, const std::string& to) = 0;
};

// The operating system's files.
UserFileStore& SystemUserFiles();

}  // namespace platform
