// A console helper for the end-to-end tests: reads what the running program shows through
// the window system, from outside, and prints it as UTF-8 JSON lines. Several commands may
// follow each other on one command line, which saves a Wine start per question:
//
//   lunadesk_probe window TITLE | texts TITLE | lists TITLE | tray | dpi | caption Y M D
//                  | foreground | close TITLE
//
// A TITLE given as "hex:" and the hex digits of its UTF-8 bytes survives any host locale.
#include <windows.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "lunar/lunar.h"
#include "platform/win32/wide_text.h"
#include "tests/e2e/probe/json_line.h"
#include "tests/e2e/probe/window_report.h"

namespace {

// Raw bytes: the tests read UTF-8 whatever the console's code page is.
void Write(const std::string& text) {
    const HANDLE out = ::GetStdHandle(STD_OUTPUT_HANDLE);
    std::size_t done = 0;
    while (done < text.size()) {
        DWORD written = 0;
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(text.size() - done, 65536));
        if (!::WriteFile(out, text.data() + done, chunk, &written, nullptr) || written == 0) {
            return;
        }
        done += written;
    }
}

std::optional<std::wstring> DecodeTitle(std::wstring_view argument) {
    constexpr std::wstring_view kHex = L"hex:";
    if (!argument.starts_with(kHex)) {
        return std::wstring(argument);
    }
    argument.remove_prefix(kHex.size());
    if (argument.size() % 2 != 0) {
        return std::nullopt;
    }
    std::string bytes;
    for (std::size_t i = 0; i < argument.size(); i += 2) {
        const std::wstring pair(argument.substr(i, 2));
        wchar_t* end = nullptr;
        const long value = std::wcstol(pair.c_str(), &end, 16);
        if (end != pair.c_str() + 2) {
            return std::nullopt;
        }
        bytes += static_cast<char>(value);
    }
    return platform::win32::ToWide(bytes);
}

std::string Caption(const wchar_t* year, const wchar_t* month, const wchar_t* day) {
    try {
        const lunar::LunarDate date =
            lunar::ToLunarDate(std::wcstol(year, nullptr, 10), std::wcstol(month, nullptr, 10),
                               std::wcstol(day, nullptr, 10));
        return probe::JsonLine().Text("caption", lunar::LunarCaption(date)).Str();
    } catch (const std::exception& failure) {
        return probe::JsonLine().Text("error", failure.what()).Str();
    }
}

int Usage() {
    Write("usage: lunadesk_probe (window T | texts T | lists T | tray | dpi | caption Y M D)...\n");
    return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    probe::BecomeDpiAware();
    if (argc < 2) {
        return Usage();
    }
    for (int i = 1; i < argc; ++i) {
        const std::wstring_view command = argv[i];
        if (command == L"tray") {
            Write(probe::TrayReport());
        } else if (command == L"dpi") {
            Write(probe::DpiReport());
        } else if (command == L"foreground") {
            Write(probe::ForegroundReport());
        } else if (command == L"caption" && i + 3 < argc) {
            Write(Caption(argv[i + 1], argv[i + 2], argv[i + 3]));
            i += 3;
        } else if ((command == L"window" || command == L"texts" || command == L"lists" ||
                    command == L"close") &&
                   i + 1 < argc) {
            const std::optional<std::wstring> title = DecodeTitle(argv[++i]);
            if (!title) {
                return Usage();
            }
            Write(command == L"window"  ? probe::WindowReport(*title)
                  : command == L"texts" ? probe::ChildReport(*title)
                  : command == L"close" ? probe::PostClose(*title)
                                        : probe::ListReport(*title));
        } else {
            return Usage();
        }
        // Marks the end of one command's answer for the reader.
        Write("{\"end\":true}\n");
    }
    return 0;
}
