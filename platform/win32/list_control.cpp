#include <windows.h>

#include "platform/ui/window_system.h"
#include "platform/win32/form_window.h"
#include "platform/win32/native_controls.h"
#include "platform/win32/painting.h"
#include "platform/win32/wide_text.h"

namespace platform::win32 {
namespace {

// Asks for the list's own choice to reach the model (see OnPosted).
constexpr WPARAM kApplyChoice = 1;

}  // namespace

ListControl::ListControl(FormWindow& owner, ui::ListBox& list, int id)
    : NativeControl(owner, list), list_(list) {
    CreateSystemControl(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                        WS_VSCROLL | LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT, id);
    SetChineseTextFont(owner, handle_, list.GetFont());
    // Arrows, Home, End and Delete reach the model before the list's own handling.
    SubclassSystemControl();
}

void ListControl::Layout() {
    NativeControl::Layout();
    SetChineseTextFont(owner_, handle_, list_.GetFont());
}

void ListControl::Sync() {
    if (handle_ == nullptr) {
        return;
    }
    if (rows_ != list_.Rows()) {
        rows_ = list_.Rows();
        ::SendMessageW(handle_, WM_SETREDRAW, FALSE, 0);
        ::SendMessageW(handle_, LB_RESETCONTENT, 0, 0);
        for (const std::string& row : rows_) {
            const std::wstring text = ToWide(row);
            ::SendMessageW(handle_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        }
        ::SendMessageW(handle_, WM_SETREDRAW, TRUE, 0);
        ::InvalidateRect(handle_, nullptr, TRUE);
    }
    // Selecting from here sends no notification: the model's handler has run already.
    if (list_.SelectedIndex() != static_cast<int>(::SendMessageW(handle_, LB_GETCURSEL, 0, 0))) {
        ::SendMessageW(handle_, LB_SETCURSEL, static_cast<WPARAM>(list_.SelectedIndex()), 0);
    }
    SyncToolTip();
    SyncVisibility();
}

void ListControl::OnCommand(int code) {
    // The choice runs once the list has finished its own mouse handling: its handler may
    // replace the rows.
    if (code == LBN_SELCHANGE && !choicePending_) {
        choicePending_ = true;
        owner_.PostToControl(*this, kApplyChoice, 0);
    }
}

void ListControl::OnPosted(WPARAM what, LPARAM /*value*/) {
    if (what != kApplyChoice) {
        return;
    }
    choicePending_ = false;
    Choose(static_cast<int>(::SendMessageW(handle_, LB_GETCURSEL, 0, 0)));
}

void ListControl::Choose(int position) {
    if (position >= -1 && position < list_.RowCount()) {
        list_.SetSelectedIndex(position);  // runs the handler; nothing of this object is used after
    }
}

RECT ListControl::PartArea(int part) const {
    RECT area{};
    ::SendMessageW(handle_, LB_GETITEMRECT, static_cast<WPARAM>(part),
                   reinterpret_cast<LPARAM>(&area));
    return area;
}

LRESULT ListControl::Subclassed(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kDefaultActionMessage) {
        // Child k is row k - 1.
        element_.Owner().System().NoteUserInput();
        Choose(static_cast<int>(wParam) - 1);
        return 0;
    }
    return NativeControl::Subclassed(window, message, wParam, lParam);
}

}  // namespace platform::win32
