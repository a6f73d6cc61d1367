#include "platform/user_file_store.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "platform/posix/file_io.h"

namespace platform {

namespace {

class PosixUserFiles final : public UserFileStore {
  public:
    FileRead Read(const std::string& path, std::size_t maxBytes) override {
        FileRead read;
        std::error_code error;
        if (!std::filesystem::exists(path, error)) {
            return read;
        }
        read.Exists = true;
        auto bytes = posix::ReadRegularFile(path, maxBytes);
        if (bytes) {
            read.Bytes = std::move(*bytes);
        } else if (std::filesystem::file_size(path, error) > maxBytes && !error) {
            read.TooLarge = true;
        } else {
            read.Failure = "无法读取";
        }
        return read;
    }

    std::string Replace(const std::string& path, std::string_view bytes,
                        const std::string& backup) override {
        try {
            // The old file stays reachable under its backup name: a hard link costs no copy,
            // and the rename below then swaps the new content in at once.
            std::error_code error;
            if (std::filesystem::exists(path, error)) {
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
};

}  // namespace

UserFileStore& SystemUserFiles() {
    static PosixUserFiles files;
    return files;
}

}  // namespace platform
