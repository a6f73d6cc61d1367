#include "platform/posix/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <limits>
#include <system_error>
#include <utility>

namespace platform::posix {
namespace {

[[noreturn]] void ThrowErrno(const std::string& what) {
    throw std::system_error(errno, std::generic_category(), what);
}

class UniqueFd {
  public:
    explicit UniqueFd(int fd) noexcept : fd_(fd) {}
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    ~UniqueFd() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int Get() const noexcept { return fd_; }
    // Closes now, reporting what close() says: on some file systems a failed write
    // only shows up there.
    void Close() {
        const int fd = std::exchange(fd_, -1);
        if (::close(fd) != 0) {
            ThrowErrno("close");
        }
    }

  private:
    int fd_;
};

// A temporary file that is removed again unless it has been renamed into place.
class TemporaryFile {
  public:
    explicit TemporaryFile(const std::filesystem::path& beside)
        : path_(beside.string() + ".tmp-XXXXXX"), fd_(::mkstemp(path_.data())) {
        if (fd_.Get() < 0) {
            ThrowErrno("mkstemp " + path_);
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (!renamed_) {
            ::unlink(path_.c_str());
        }
    }
    UniqueFd& Fd() noexcept { return fd_; }
    void RenameTo(const std::filesystem::path& target) {
        if (::rename(path_.c_str(), target.c_str()) != 0) {
            ThrowErrno("rename " + path_);
        }
        renamed_ = true;
    }

  private:
    std::string path_;
    UniqueFd fd_;
    bool renamed_ = false;
};

void WriteAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            ThrowErrno("write");
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
}

// A descriptor to read a regular file (its size in size), or -1 with errno set: EINVAL for a
// FIFO, socket or device (an endless /dev/zero, say). Non-blocking, so that opening a FIFO
// returns at once instead of waiting for a writer that may never come.
int OpenRegularFile(const std::filesystem::path& file, std::uintmax_t& size) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return -1;
    }
    struct stat status {};
    int error = EINVAL;
    if (::fstat(fd, &status) != 0) {
        error = errno;
    } else if (S_ISREG(status.st_mode)) {
        size = static_cast<std::uintmax_t>(status.st_size);
        return fd;
    }
    ::close(fd);
    errno = error;
    return -1;
}

// Appends what the descriptor holds up to its end, or until more than limit bytes came; false
// (errno set) when a read fails.
bool ReadToEnd(int fd, std::string& content, std::size_t limit) {
    char buffer[4096];
    while (content.size() <= limit) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return got == 0;
        }
        content.append(buffer, static_cast<std::size_t>(got));
    }
    return true;
}

void SyncDirectory(const std::filesystem::path& directory) {
    UniqueFd fd(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.Get() < 0) {
        ThrowErrno("open " + directory.string());
    }
    // Some file systems cannot sync a directory (EINVAL); nothing more can be done there.
    if (::fsync(fd.Get()) != 0 && errno != EINVAL) {
        ThrowErrno("fsync " + directory.string());
    }
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::filesystem::path& file, std::size_t maxBytes) {
    std::uintmax_t size = 0;
    UniqueFd fd(OpenRegularFile(file, size));
    if (fd.Get() < 0) {
        if (errno == ENOENT) {
            return std::nullopt;
        }
        ThrowErrno("open " + file.string());
    }
    std::string content;
    if (size > maxBytes) {
        errno = EFBIG;
        ThrowErrno("read " + file.string());
    }
    if (!ReadToEnd(fd.Get(), content, maxBytes)) {
        ThrowErrno("read " + file.string());
    }
    // It may have grown since fstat.
    if (content.size() > maxBytes) {
        errno = EFBIG;
        ThrowErrno("read " + file.string());
    }
    return content;
}

FileBytes ReadRegularFile(const std::filesystem::path& file, std::size_t maxBytes) {
    std::uintmax_t fileSize = 0;
    UniqueFd fd(OpenRegularFile(file, fileSize));
    FileBytes read;
    if (fd.Get() < 0) {
        read.Result = errno == ENOENT || errno == ENOTDIR ? FileBytes::Outcome::Missing
                                                          : FileBytes::Outcome::Unreadable;
    } else if (fileSize > maxBytes) {
        read.Result = FileBytes::Outcome::TooLarge;
    } else if (!ReadToEnd(fd.Get(), read.Content, maxBytes)) {
        read.Result = FileBytes::Outcome::Unreadable;
    } else {
        // The size is checked again after reading: the file may have grown since fstat.
        read.Result = read.Content.size() > maxBytes ? FileBytes::Outcome::TooLarge
                                                     : FileBytes::Outcome::Read;
    }
    if (read.Result != FileBytes::Outcome::Read) {
        read.Content.clear();
    }
    return read;
}

void ReplaceFileAtomically(const std::filesystem::path& file, std::string_view content) {
    std::filesystem::path target = file;
    std::error_code error;
    if (std::filesystem::is_symlink(target, error)) {
        // A dangling link keeps its own path: better to replace the link than fail.
        std::filesystem::path resolved = std::filesystem::canonical(target, error);
        if (!error) {
            target = std::move(resolved);
        }
    }
    TemporaryFile temporary(target);
    WriteAll(temporary.Fd().Get(), content);
    if (::fsync(temporary.Fd().Get()) != 0) {
        ThrowErrno("fsync");
    }
    temporary.Fd().Close();
    temporary.RenameTo(target);
    SyncDirectory(target.parent_path().empty() ? "." : target.parent_path());
}

void MakePrivateDirectories(const std::filesystem::path& directory) {
    std::filesystem::path partial;
    for (const auto& part : directory) {
        partial /= part;
        if (::mkdir(partial.c_str(), 0700) == 0 || errno == EEXIST) {
            continue;
        }
        // Existing parents may be on a read-only mount or not ours to write: that
        // error can come before EEXIST.
        const int mkdirError = errno;
        struct stat status {};
        if (::stat(partial.c_str(), &status) != 0 || !S_ISDIR(status.st_mode)) {
            errno = mkdirError;
            ThrowErrno("mkdir " + partial.string());
        }
    }
}

}  // namespace platform::posix
