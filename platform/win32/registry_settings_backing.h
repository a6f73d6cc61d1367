// Settings in the current user's registry: key HKEY_CURRENT_USER\Software\<app>\<section>,
// one REG_SZ value per setting.
#pragma once

#include <optional>
#include <string>

#include "platform/settings_backing.h"
#include "platform/win32/registry_key.h"

namespace platform::win32 {

class RegistrySettingsBacking final : public SettingsBacking {
  public:
    // A value that is missing, not REG_SZ or unreadable is absent.
    std::optional<std::string> Read(const std::string& app, const std::string& section,
                                    const std::string& key) override;
    // Creates the key when needed; throws std::system_error on failure.
    void Write(const std::string& app, const std::string& section, const std::string& key,
               const std::string& value) override;

  private:
    static constexpr REGSAM kAccess = KEY_QUERY_VALUE | KEY_SET_VALUE;
    // The open section key (created when asked to), or nullptr when it does not exist.
    HKEY Section(const std::string& app, const std::string& section, bool create);

    RegistryKey open_;
    std::wstring openPath_;
};

}  // namespace platform::win32
