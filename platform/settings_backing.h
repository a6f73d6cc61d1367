// Where the per-user settings live: the registry on Windows, a file elsewhere,
// memory in tests. Values are addressed by application, section and key.
#pragma once

#include <memory>
#include <optional>
#include <string>

namespace platform {

class SettingsBacking {
  public:
    virtual ~SettingsBacking() = default;
    // nullopt when the value is absent (or unreadable as text).
    virtual std::optional<std::string> Read(const std::string& app, const std::string& section,
                                            const std::string& key) = 0;
    virtual void Write(const std::string& app, const std::string& section, const std::string& key,
                       const std::string& value) = 0;
    // What the backing may have kept of the stored values is out of date from now on (the
    // store says so at every new event).
    virtual void Forget() {}
};

// The backing of this platform for the current user.
std::unique_ptr<SettingsBacking> MakeUserSettingsBacking();

}  // namespace platform
