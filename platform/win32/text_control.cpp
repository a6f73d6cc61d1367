#include <windows.h>

#include <commctrl.h>
#include <imm.h>

#include "platform/ui/keys.h"
#include "platform/ui/text_box.h"
#include "platform/win32/form_window.h"
#include "platform/win32/native_controls.h"
#include "platform/win32/painting.h"
#include "platform/win32/wide_text.h"

namespace platform::win32 {
namespace {

// The parts of an input method's message that are its finished text.
constexpr LPARAM kResultParts =
    GCS_RESULTSTR | GCS_RESULTREADSTR | GCS_RESULTCLAUSE | GCS_RESULTREADCLAUSE;

// A window's input context, borrowed while in scope.
class InputContext {
  public:
    explicit InputContext(HWND window) : window_(window), context_(::ImmGetContext(window)) {}
    InputContext(const InputContext&) = delete;
    InputContext& operator=(const InputContext&) = delete;
    ~InputContext() {
        if (context_ != nullptr) {
            ::ImmReleaseContext(window_, context_);
        }
    }
    HIMC Get() const { return context_; }

  private:
    HWND window_;
    HIMC context_;
};

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        ::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace

void SetChineseTextFont(const FormWindow& owner, HWND control, const ui::Font& font) {
    if (control != nullptr) {
        const HFONT chosen = owner.Context().fonts.ForChineseText(font, owner.Dpi());
        ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(chosen), TRUE);
    }
}

TextControl::TextControl(FormWindow& owner, ui::TextBox& box, int id)
    : NativeControl(owner, box), box_(box) {
    CreateSystemControl(WS_EX_CLIENTEDGE, L"EDIT", ToWide(box.Text()).c_str(), ES_AUTOHSCROLL, id);
    // Characters are counted by the model; a character beyond the first plane takes two
    // units here, so the box takes up to two per character and the model cuts.
    ::SendMessageW(handle_, EM_SETLIMITTEXT, static_cast<WPARAM>(2 * box.MaxLength()), 0);
    SetChineseTextFont(owner, handle_, box.GetFont());
    SubclassSystemControl();
}

void TextControl::Layout() {
    NativeControl::Layout();
    SetChineseTextFont(owner_, handle_, box_.GetFont());
}

void TextControl::Sync() {
    if (handle_ == nullptr) {
        return;
    }
    const std::wstring text = ToWide(box_.Text());
    if (WindowText(handle_) != text) {
        settingText_ = true;
        ::SetWindowTextW(handle_, text.c_str());
        settingText_ = false;
        // A text cut to its length: the caret at its end, where the typing stopped.
        const auto end = static_cast<LPARAM>(text.size());
        ::SendMessageW(handle_, EM_SETSEL, static_cast<WPARAM>(end), end);
    }
    SyncToolTip();
    SyncVisibility();
}

void TextControl::OnCommand(int code) {
    if (code == EN_CHANGE && !settingText_) {
        box_.Edit(ToUtf8(WindowText(handle_)));
    }
}

void TextControl::InsertResult(HWND window) {
    std::wstring text;
    if (const InputContext context(window); context.Get() != nullptr) {
        const LONG bytes = ::ImmGetCompositionStringW(context.Get(), GCS_RESULTSTR, nullptr, 0);
        text.resize(bytes > 0 ? static_cast<std::size_t>(bytes) / sizeof(wchar_t) : 0);
        if (!text.empty()) {
            ::ImmGetCompositionStringW(context.Get(), GCS_RESULTSTR, text.data(),
                                       static_cast<DWORD>(bytes));
        }
    }
    if (!text.empty()) {
        // As typing does: into the selection, undoable, within the length.
        ::SendMessageW(window, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

LRESULT TextControl::Subclassed(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_GETDLGCODE:
        case WM_CHAR:
            // The edit's own: Tab, Enter and Esc stay with the dialog, characters are text.
            return ::DefSubclassProc(window, message, wParam, lParam);
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (ui::TextBoxKeepsKey(static_cast<int>(wParam),
                                    message == WM_SYSKEYDOWN ? ui::kAltMask : 0)) {
                return ::DefSubclassProc(window, message, wParam, lParam);
            }
            break;
        case WM_IME_CHAR:
            // One character of the input method's text, typed.
            return ::DefSubclassProc(window, WM_CHAR, wParam, lParam);
        case WM_IME_COMPOSITION:
            if ((lParam & GCS_RESULTSTR) != 0) {
                // All of the finished text at once; the system would otherwise send it again
                // as characters.
                InsertResult(window);
                lParam &= ~kResultParts;
                if (lParam == 0) {
                    return 0;
                }
            }
            return ::DefSubclassProc(window, message, wParam, lParam);
        default:
            break;
    }
    return NativeControl::Subclassed(window, message, wParam, lParam);
}

}  // namespace platform::win32
