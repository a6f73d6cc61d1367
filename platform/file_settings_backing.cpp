#include "platform/file_settings_backing.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <exception>
#include <stdexcept>
#include <system_error>
#include <utility>
#include <vector>

#include "platform/posix/file_io.h"
#include "platform/settings_ini.h"

namespace platform {
namespace {

// Ours are a few hundred bytes; a larger file is not ours to read whole at every start.
constexpr std::size_t kLargestSettingsFile = 1024 * 1024;

std::filesystem::path AbsoluteFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr) {
        return {};
    }
    std::filesystem::path path(value);
    return path.is_absolute() ? path : std::filesystem::path();
}

std::filesystem::path AccountHome() {
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 ||
        found == nullptr || found->pw_dir == nullptr) {
        return {};
    }
    std::filesystem::path home(found->pw_dir);
    return home.is_absolute() ? home : std::filesystem::path();
}

// The directory is named after the application, in lower case as is usual there;
// a name that would leave the config home is refused.
std::string DirectoryName(const std::string& app) {
    if (app.empty() || app == "." || app == ".." ||
        app.find_first_of(std::string("/\0", 2)) != std::string::npos) {
        throw std::invalid_argument("unusable application name for a settings directory");
    }
    std::string name = app;
    for (char& c : name) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return name;
}

}  // namespace

std::filesystem::path UserConfigHome() {
    if (auto configHome = AbsoluteFromEnvironment("XDG_CONFIG_HOME"); !configHome.empty()) {
        return configHome;
    }
    if (auto home = AbsoluteFromEnvironment("HOME"); !home.empty()) {
        return home / ".config";
    }
    if (auto home = AccountHome(); !home.empty()) {
        return home / ".config";
    }
    return {};
}

FileSettingsBacking::FileSettingsBacking(std::filesystem::path configHome)
    : configHome_(std::move(configHome)) {}

std::filesystem::path FileSettingsBacking::FileOf(const std::string& app) const {
    if (configHome_.empty()) {
        throw std::runtime_error("no per-user configuration directory");
    }
    return configHome_ / DirectoryName(app) / "settings.ini";
}

std::optional<std::string> FileSettingsBacking::Read(const std::string& app,
                                                     const std::string& section,
                                                     const std::string& key) {
    auto found = parsed_.find(app);
    if (found == parsed_.end()) {
        found = parsed_.emplace(app, ParseFileOf(app)).first;
    }
    return found->second ? found->second->Get(section, key) : std::nullopt;
}

std::optional<SettingsIni> FileSettingsBacking::ParseFileOf(const std::string& app) const {
    try {
        const auto text = posix::ReadWholeFile(FileOf(app), kLargestSettingsFile);
        return text ? SettingsIni::Parse(*text) : std::nullopt;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

void FileSettingsBacking::Write(const std::string& app, const std::string& section,
                                const std::string& key, const std::string& value) {
    parsed_.clear();
    const std::filesystem::path file = FileOf(app);
    posix::MakePrivateDirectories(file.parent_path());
    // Other values must survive, so a file that exists but cannot be read fails the
    // write instead of being replaced; a malformed one, or one far too large to be ours,
    // holds nothing worth keeping.
    SettingsIni ini;
    std::optional<std::string> text;
    try {
        text = posix::ReadWholeFile(file, kLargestSettingsFile);
    } catch (const std::system_error& failure) {
        if (failure.code() != std::errc::file_too_large) {
            throw;
        }
    }
    if (text) {
        if (auto parsed = SettingsIni::Parse(*text)) {
            ini = std::move(*parsed);
        }
    }
    ini.Set(section, key, value);
    posix::ReplaceFileAtomically(file, ini.Format());
}

std::unique_ptr<SettingsBacking> MakeUserSettingsBacking() {
    return std::make_unique<FileSettingsBacking>(UserConfigHome());
}

}  // namespace platform
