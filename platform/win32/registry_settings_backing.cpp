#include "platform/win32/registry_settings_backing.h"

#include <windows.h>

#include <memory>
#include <system_error>

#include "platform/win32/registry_key.h"
#include "platform/win32/registry_value.h"
#include "platform/win32/wide_text.h"

namespace platform::win32 {
namespace {

std::wstring KeyPath(const std::string& app, const std::string& section) {
    return L"Software\\" + ToWide(app) + L"\\" + ToWide(section);
}

}  // namespace

// The key stays open between calls (the values are still read afresh every time): a colour
// pass reads 93 values, and opening the key for each is most of the cost.
HKEY RegistrySettingsBacking::Section(const std::string& app, const std::string& section,
                                      bool create) {
    std::wstring path = KeyPath(app, section);
    if (path != openPath_) {
        open_.Reset();
        openPath_ = std::move(path);
    }
    if (!open_) {
        const LSTATUS status = create ? ::RegCreateKeyExW(HKEY_CURRENT_USER, openPath_.c_str(), 0,
                                                          nullptr, REG_OPTION_NON_VOLATILE, kAccess,
                                                          nullptr, open_.Receive(), nullptr)
                                      : ::RegOpenKeyExW(HKEY_CURRENT_USER, openPath_.c_str(), 0,
                                                        kAccess, open_.Receive());
        if (status != ERROR_SUCCESS) {
            open_.Reset();
            if (create) {
                throw std::system_error(static_cast<int>(status), std::system_category(),
                                        "RegCreateKeyExW");
            }
        }
    }
    return open_.Get();
}

std::optional<std::string> RegistrySettingsBacking::Read(const std::string& app,
                                                         const std::string& section,
                                                         const std::string& key) {
    std::optional<std::string> value = ReadRegistryText(Section(app, section, false), key);
    if (!value && open_) {
        // Deleted behind our back (by hand, say): open it anew next time.
        DWORD values = 0;
        if (::RegQueryInfoKeyW(open_.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                               &values, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
            open_.Reset();
        }
    }
    return value;
}

void RegistrySettingsBacking::Write(const std::string& app, const std::string& section,
                                    const std::string& key, const std::string& value) {
    const auto set = [&] { return WriteRegistryText(Section(app, section, true), key, value); };
    LSTATUS status = set();
    if (status == ERROR_KEY_DELETED) {
        open_.Reset();
        status = set();
    }
    if (status != ERROR_SUCCESS) {
        throw std::system_error(static_cast<int>(status), std::system_category(), "RegSetValueExW");
    }
}

}  // namespace platform::win32

namespace platform {

std::unique_ptr<SettingsBacking> MakeUserSettingsBacking() {
    return std::make_unique<win32::RegistrySettingsBacking>();
}

}  // namespace platform
