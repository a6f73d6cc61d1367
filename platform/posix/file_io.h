// Whole-file reads and crash-safe whole-file replacement on POSIX systems.
// Failures throw std::system_error.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/folder_files.h"

namespace platform::posix {

// The file's bytes; nullopt when it does not exist. Anything but a regular file (a FIFO, a
// device) is refused at once, without waiting or reading from it, and so is a file of more
// than maxBytes (EFBIG): nothing of ours is that large, and reading it would take long.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& file, std::size_t maxBytes);

// The bytes of a regular file of at most maxBytes, or why there are none (no such file; a
// larger one; a directory, pipe or device, a file that cannot be read). Never waits on a pipe.
FileBytes ReadRegularFile(const std::filesystem::path& file, std::size_t maxBytes);

// Replaces the file's content so that a crash or power loss at any moment leaves
// either the old or the new content: a temporary file in the same directory is
// written and synced, renamed over the file, and the directory is synced.
// A symbolic link is followed, so the file it points at is replaced, not the link.
void ReplaceFileAtomically(const std::filesystem::path& file, std::string_view content);

// Creates the directory and its missing parents, readable by their owner only.
void MakePrivateDirectories(const std::filesystem::path& directory);

}  // namespace platform::posix
