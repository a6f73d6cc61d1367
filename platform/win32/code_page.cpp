#include "platform/code_page.h"

#include <windows.h>

#include <climits>

#include "platform/win32/wide_text.h"

namespace platform {

std::optional<std::string> CodePage936ToUtf8(std::string_view bytes) {
    if (bytes.empty()) {
        return std::string();
    }
    if (bytes.size() > INT_MAX) {
        return std::nullopt;
    }
    const int size = static_cast<int>(bytes.size());
    // MB_ERR_INVALID_CHARS: a byte sequence that is not GBK fails instead of becoming "?".
    const int length =
        ::MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
    if (length <= 0) {
        return std::nullopt;
    }
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    if (::MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, bytes.data(), size, wide.data(), length) !=
        length) {
        return std::nullopt;
    }
    return win32::ToUtf8(wide);
}

}  // namespace platform
