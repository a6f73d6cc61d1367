#include "platform/win32/registry_value.h"

#include <stdexcept>

#include "platform/win32/wide_text.h"

namespace platform::win32 {

std::optional<std::string> ReadRegistryText(HKEY key, const std::string& name) {
    if (key == nullptr) {
        return std::nullopt;
    }
    const std::wstring wideName = ToWide(name);
    std::wstring data;
    DWORD type = 0;
    DWORD size = 0;
    LSTATUS status = ::RegQueryValueExW(key, wideName.c_str(), nullptr, &type, nullptr, &size);
    // The value can grow between asking for its size and reading it: ask again then.
    while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
        if (type != REG_SZ) {
            return std::nullopt;
        }
        data.assign(size / sizeof(wchar_t) + 1, L'\0');
        size = static_cast<DWORD>(data.size() * sizeof(wchar_t));
        status = ::RegQueryValueExW(key, wideName.c_str(), nullptr, &type,
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

LSTATUS WriteRegistryText(HKEY key, const std::string& name, const std::string& text) {
    const std::wstring data = ToWide(text);
    // The stored size counts the terminating NUL, as REG_SZ readers expect.
    const std::size_t bytes = (data.size() + 1) * sizeof(wchar_t);
    if (bytes > MAXDWORD) {
        throw std::length_error("text too long for the registry");
    }
    return ::RegSetValueExW(key, ToWide(name).c_str(), 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(data.c_str()), static_cast<DWORD>(bytes));
}

}  // namespace platform::win32
