// Settings in a per-user UTF-8 file, for platforms without a registry:
// <config home>/<application, lower case>/settings.ini.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "platform/settings_backing.h"
#include "platform/settings_ini.h"

namespace platform {

// $XDG_CONFIG_HOME, else $HOME/.config, else .config in the account's home directory
// (relative or empty variables are ignored, as the base directory rules ask);
// empty when no home directory can be found.
std::filesystem::path UserConfigHome();

class FileSettingsBacking final : public SettingsBacking {
  public:
    // An empty config home gives a backing that holds nothing and cannot be written.
    explicit FileSettingsBacking(std::filesystem::path configHome);

    // An unreadable or malformed file (or one that is not a regular file) reads as holding
    // nothing; it is left as it is until the next write replaces it. The file is parsed once
    // until Forget or a write.
    std::optional<std::string> Read(const std::string& app, const std::string& section,
                                    const std::string& key) override;
    // Rewrites the whole file atomically; throws std::system_error (or
    // std::invalid_argument for an unusable application name) on failure.
    void Write(const std::string& app, const std::string& section, const std::string& key,
               const std::string& value) override;
    void Forget() override { parsed_.clear(); }

    std::filesystem::path FileOf(const std::string& app) const;

  private:
    std::optional<SettingsIni> ParseFileOf(const std::string& app) const;

    std::filesystem::path configHome_;
    // Each application's file as last parsed; nullopt when it held nothing readable.
    std::map<std::string, std::optional<SettingsIni>, std::less<>> parsed_;
};

}  // namespace platform
