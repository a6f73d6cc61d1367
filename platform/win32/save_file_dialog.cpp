#include "platform/win32/save_file_dialog.h"

#include <commdlg.h>

#include <string>

#include "platform/win32/system_library.h"
#include "platform/win32/wide_text.h"

namespace platform::win32 {

namespace {

using GetSaveFileNameFn = BOOL(WINAPI*)(OPENFILENAMEW*);
using CommDlgExtendedErrorFn = DWORD(WINAPI*)();

// Room for a long path: the dialog refuses a name that does not fit.
constexpr std::size_t kPathRoom = 32768;

ui::SaveFileAnswer Failed(const std::string& why) {
    return {std::nullopt, "无法打开保存对话框（" + why + "）"};
}

}  // namespace

ui::SaveFileAnswer ShowSaveFileDialog(HWND owner, const ui::SaveFileRequest& request) {
    // Kept once loaded: the dialog may leave work of the shell's behind that still runs its code.
    static const Library library = LoadSystemLibrary(L"comdlg32.dll");
    const auto getSaveFileName = LibraryFunction<GetSaveFileNameFn>(library, "GetSaveFileNameW");
    const auto extendedError =
        LibraryFunction<CommDlgExtendedErrorFn>(library, "CommDlgExtendedError");
    if (getSaveFileName == nullptr || extendedError == nullptr) {
        return Failed("comdlg32.dll");
    }
    // The filter is pairs of a name and a pattern, each ending in a null, then one more.
    const std::wstring pattern = L"*." + ToWide(request.Extension);
    std::wstring filter = ToWide(request.TypeName);
    filter.append(1, L'\0').append(pattern).append(1, L'\0');
    const std::wstring extension = ToWide(request.Extension);
    std::wstring path = ToWide(request.FileName);
    path.resize(kPathRoom, L'\0');

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrDefExt = extension.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
                   (request.AskBeforeOverwrite ? OFN_OVERWRITEPROMPT : 0);
    if (!getSaveFileName(&dialog)) {
        const DWORD error = extendedError();
        return error == 0 ? ui::SaveFileAnswer{} : Failed("错误" + std::to_string(error));
    }
    path.resize(path.find(L'\0'));
    return {ToUtf8(path), {}};
}

}  // namespace platform::win32
