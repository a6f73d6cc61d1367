#include "platform/win32/registry_run_entry.h"

#include <windows.h>

#include <system_error>

#include "platform/win32/registry_key.h"
#include "platform/win32/registry_value.h"
#include "platform/win32/wide_text.h"

namespace platform::win32 {
namespace {

constexpr const wchar_t* kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const wchar_t* kMarkKey =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";

void Check(LSTATUS status, const char* what) {
    if (status != ERROR_SUCCESS) {
        throw std::system_error(static_cast<int>(status), std::system_category(), what);
    }
}

}  // namespace

std::optional<std::string> RegistryRunEntry::Read() {
    RegistryKey key;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, KEY_QUERY_VALUE, key.Receive()) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    return ReadRegistryText(key.Get(), name_);
}

void RegistryRunEntry::Write(const std::string& command) {
    RegistryKey key;
    Check(::RegCreateKeyExW(HKEY_CURRENT_USER, kRunKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KEY_SET_VALUE, nullptr, key.Receive(), nullptr),
          "RegCreateKeyExW");
    Check(WriteRegistryText(key.Get(), name_, command), "RegSetValueExW");
}

void RegistryRunEntry::Remove() {
    RegistryKey key;
    LSTATUS status = ::RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, KEY_SET_VALUE, key.Receive());
    if (status == ERROR_SUCCESS) {
        status = ::RegDeleteValueW(key.Get(), ToWide(name_).c_str());
    }
    // Already gone is what was asked for.
    if (status != ERROR_FILE_NOT_FOUND) {
        Check(status, "RegDeleteValueW");
    }
}

std::optional<RunEntry::Mark> RegistryRunEntry::ReadMark() {
    RegistryKey key;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, kMarkKey, 0, KEY_QUERY_VALUE, key.Receive()) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    const std::wstring name = ToWide(name_);
    DWORD type = 0;
    DWORD size = 0;
    if (::RegQueryValueExW(key.Get(), name.c_str(), nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS ||
        type != REG_BINARY) {
        return std::nullopt;
    }
    Mark mark(size);
    if (::RegQueryValueExW(key.Get(), name.c_str(), nullptr, &type, mark.data(), &size) !=
            ERROR_SUCCESS ||
        type != REG_BINARY) {
        return std::nullopt;
    }
    mark.resize(size);
    return mark;
}

void RegistryRunEntry::WriteMark(const Mark& mark) {
    RegistryKey key;
    Check(::RegCreateKeyExW(HKEY_CURRENT_USER, kMarkKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KEY_SET_VALUE, nullptr, key.Receive(), nullptr),
          "RegCreateKeyExW");
    Check(::RegSetValueExW(key.Get(), ToWide(name_).c_str(), 0, REG_BINARY, mark.data(),
                           static_cast<DWORD>(mark.size())),
          "RegSetValueExW");
}

std::string ThisProgramPath() {
    // Paths can outgrow MAX_PATH; the call truncates silently, so grow until it fits.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            throw std::system_error(static_cast<int>(::GetLastError()), std::system_category(),
                                    "GetModuleFileNameW");
        }
        if (length < path.size()) {
            path.resize(length);
            return ToUtf8(path);
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace platform::win32
