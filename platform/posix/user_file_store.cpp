#include "platform/user_file_store.h"

#include <unistd.h>

#include <cerrno>

#include <filesystem>
#include <system_error>

#include "platform/posix/file_io.h"

namespace platform {

namespace {

class PosixUserFiles final : public UserFileStore {
  public:
    FileRead Read(const std::string& path, std::size_t maxBytes) override {
        FileRead read;
        FileBytes bytes = posix::ReadRegularFile(path, maxBytes);
        switch (bytes.Result) {
            case FileBytes::Outcome::Missing:
                break;
            case FileBytes::Outcome::Read:
                read.Exists = true;
                read.Bytes = std::move(bytes.Content);
                break;
            case FileBytes::Outcome::TooLarge:
                read.Exists = true;
                read.TooLarge = true;
                break;
            case FileBytes::Outcome::Unreadable:
                read.Exists = true;
                read.Failure = "无法读取";
                break;
        }
        return read;
    }

    std::string Replace(const std::string& path, std::string_view bytes,
                        const std::string& backup) override {
        try {
            // The old file stays reachable under its backup name: a hard link costs no copy,
            // and the rename below then swaps the new content in at once.
            std::error_code error;
            // A user new to the program has no folder yet; a failure shows at the write.
            std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
            if (!backup.empty() && std::filesystem::exists(path, error)) {
                std::filesystem::remove(backup, error);
                if (::link(path.c_str(), backup.c_str()) != 0) {
                    std::filesystem::copy_file(path, backup,
                                               std::filesystem::copy_options::overwrite_existing);
                }
            }
            posix::ReplaceFileAtomically(path, bytes);
            return {};
        } catch (const std::exception& failure) {
            return failure.what();
        }
    }

    std::string Rename(const std::string& from, const std::string& to) override {
        // A hard link cannot take the place of an existing file, unlike rename().
        if (::link(from.c_str(), to.c_str()) != 0) {
            return "重命名失败（错误" + std::to_string(errno) + "）";
        }
        if (::unlink(from.c_str()) != 0) {
            const int error = errno;
            ::unlink(to.c_str());
            return "重命名失败（错误" + std::to_string(error) + "）";
        }
        return {};
    }
};

}  // namespace

UserFileStore& SystemUserFiles() {
    static PosixUserFiles files;
    return files;
}

}  // namespace platform
