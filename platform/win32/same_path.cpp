// File names as Windows compares them: its own case table, for every script.
#include <windows.h>

#include "platform/start_at_log_on.h"
#include "platform/win32/wide_text.h"

namespace platform {

bool SamePath(std::string_view a, std::string_view b) {
    const std::wstring wideA = win32::ToWide(a);
    const std::wstring wideB = win32::ToWide(b);
    return ::CompareStringOrdinal(wideA.data(), static_cast<int>(wideA.size()), wideB.data(),
                                  static_cast<int>(wideB.size()), TRUE) == CSTR_EQUAL;
}

}  // namespace platform
