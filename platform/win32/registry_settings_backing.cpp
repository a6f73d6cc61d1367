#include "platform/win32/registry_settings_backing.h"

#include <windows.h>

#include <memory>
#include <stdexcept>
#include <system_error>

#include "platform/win32/registry_key.h"
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
    std::optional<std::string> value = ReadOpen(Section(app, section, false), key);
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

std::optional<std::string> RegistrySettingsBacking::ReadOpen(HKEY opened, const std::string& key) {
    if (opened == nullptr) {
        return std::nullopt;
    }
    const std::wstring name = ToWide(key);
    std::wstring data;
    DWORD type = 0;
    DWORD size = 0;
    LSTATUS status = ::RegQueryValueExW(opened, name.c_str(), nullptr, &type, nullptr, &size);
    // The value can grow between asking for its size and reading it: ask again then.
    while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
        if (type != REG_SZ) {
            return std::nullopt;
        }
        data.assign(size / sizeof(wchar_t) + 1, L'\0');
        size = static_cast<DWORD>(data.size() * sizeof(wchar_t));
        status = ::RegQueryValueExW(opened, name.c_str(), nullptr, &type,
                                    reinterpret_cast<BYTE*>(data.data()), &size);
        if (status == ERROR_SUCCESS && type == REG_SZ) {
            // The stored size may or may not count the terminating NUL (another tool
            // may have left it out), so cut at the first NUL.
            data.resize(size / sizeof(wchar_t));
            if (const auto end = data.find(L'\0'); end != std::wstring::npos) {
                data.resize(end);
            }
            return ToUtf8(data);
        }
    }
    return std::nullopt;
}

void RegistrySettingsBacking::Write(const std::string& app, const std::string& section,
                                    const std::string& key, const std::string& value) {
    const std::wstring data = ToWide(value);
    // The stored size counts the terminating NUL, as REG_SZ readers expect.
    const std::size_t bytes = (data.size() + 1) * sizeof(wchar_t);
    if (bytes > MAXDWORD) {
        throw std::length_error("setting too long for the registry");
    }
    const auto set = [&] {
        return ::RegSetValueExW(Section(app, section, true), ToWide(key).c_str(), 0, REG_SZ,
                                reinterpret_cast<const BYTE*>(data.c_str()),
                                static_cast<DWORD>(bytes));
    };
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
