#include <windows.h>

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "platform/win32/dpi.h"
#include "platform/win32/form_window.h"
#include "platform/win32/gdi_handles.h"
#include "platform/win32/native_controls.h"
#include "platform/win32/painting.h"
#include "platform/win32/wide_text.h"

namespace platform::win32 {
namespace {

// Requests a combo box posts to itself through the form (see OnPosted).
constexpr WPARAM kApplyChoice = 1;
constexpr WPARAM kDropDown = 2;
constexpr WPARAM kCancel = 3;
// Entries the dropped list shows without scrolling.
constexpr int kVisibleEntries = 12;
// The closed box's frame around the selection field, in pixels at 96 dpi.
constexpr int kFieldFrame = 6;

int TextPadding(int dpi) {
    return std::max(1, dpi / 96);
}

// An entry as shown: the blank the year entries start with only costs room in the narrow box.
std::wstring ShownText(const std::string& entry) {
    std::wstring text = ToWide(entry);
    text.erase(0, text.find_first_not_of(L' '));
    return text;
}

int TextWidth(HFONT font, const std::wstring& text) {
    const WindowDc screen(nullptr);
    const SelectedObject selected(screen.Get(), font);
    SIZE size{};
    ::GetTextExtentPoint32W(screen.Get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

int FontHeight(HFONT font) {
    const WindowDc screen(nullptr);
    const SelectedObject selected(screen.Get(), font);
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(screen.Get(), &metrics);
    return metrics.tmHeight;
}

}  // namespace

ComboControl::ComboControl(FormWindow& owner, ui::ComboBox& box, int id)
    : NativeControl(owner, box),
      box_(box),
      foreColor_(box.ForeColor()),
      backColor_(box.BackColor()) {
    CreateSystemControl(0, WC_COMBOBOXW, L"",
                        WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, id);
    // Sizes the field, the entries and the open list.
    Layout();
    // A box in the Tab order passes the window's keys on (Alt+S saves, Esc closes): the box
    // itself would take Alt+letter for a menu bar and beep.
    SubclassSystemControl();
}

LRESULT ComboControl::Subclassed(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // An open list keeps every key: the arrows, Enter and Esc choose in it or close it.
    const bool key = (message >= WM_KEYFIRST && message <= WM_KEYLAST) || message == WM_GETDLGCODE;
    if (key && ::SendMessageW(window, CB_GETDROPPEDSTATE, 0, 0) != FALSE) {
        return ::DefSubclassProc(window, message, wParam, lParam);
    }
    return NativeControl::Subclassed(window, message, wParam, lParam);
}

int ComboControl::FieldHeight() const {
    const int dpi = owner_.Dpi();
    const int designed = TwipsToPixelSize(box_.Bounds().Height, dpi) - kFieldFrame * dpi / 96;
    const int text = FontHeight(owner_.Context().fonts.For(box_.GetFont(), dpi, L"")) + 2;
    return std::max(designed, text);
}

int ComboControl::ItemHeight() const {
    return FieldHeight();
}

void ComboControl::Layout() {
    if (handle_ == nullptr) {
        return;
    }
    const int dpi = owner_.Dpi();
    const RECT place = ElementRect(box_, dpi);
    const int field = FieldHeight();
    const int item = ItemHeight();
    ::SendMessageW(handle_, WM_SETFONT,
                   reinterpret_cast<WPARAM>(owner_.Context().fonts.For(box_.GetFont(), dpi, L"")),
                   FALSE);
    ::SendMessageW(handle_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
    ::SendMessageW(handle_, CB_SETITEMHEIGHT, 0, item);
    ::SendMessageW(handle_, CB_SETMINVISIBLE, kVisibleEntries, 0);
    widestEntry_ = 0;
    for (const std::string& entry : items_) {
        widestEntry_ = std::max(widestEntry_, EntryWidth(entry));
    }
    FitListWidth();
    ::SetWindowPos(handle_, nullptr, place.left, place.top, place.right - place.left,
                   field + kFieldFrame * dpi / 96 + kVisibleEntries * item + 2,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

void ComboControl::SyncItems() {
    const int count = box_.ListCount();
    bool extends = static_cast<int>(items_.size()) <= count;
    for (std::size_t i = 0; extends && i < items_.size(); ++i) {
        extends = items_[i] == box_.List(static_cast<int>(i));
    }
    if (!extends) {
        ::SendMessageW(handle_, CB_RESETCONTENT, 0, 0);
        items_.clear();
        widestEntry_ = 0;
    }
    const bool added = static_cast<int>(items_.size()) < count;
    // Without this the list redraws its scroll bar at every entry: 200 years took Wine seconds.
    ::SendMessageW(handle_, WM_SETREDRAW, FALSE, 0);
    for (int i = static_cast<int>(items_.size()); i < count; ++i) {
        items_.push_back(box_.List(i));
        const std::wstring text = ToWide(items_.back());
        ::SendMessageW(handle_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        widestEntry_ = std::max(widestEntry_, EntryWidth(items_.back()));
    }
    ::SendMessageW(handle_, WM_SETREDRAW, TRUE, 0);
    if (added || !extends) {
        FitListWidth();
    }
    // Setting the selection from here sends no notification, so the model's handler
    // (which has run already) does not run again.
    if (box_.ListIndex() != static_cast<int>(::SendMessageW(handle_, CB_GETCURSEL, 0, 0))) {
        ::SendMessageW(handle_, CB_SETCURSEL, static_cast<WPARAM>(box_.ListIndex()), 0);
    }
}

void ComboControl::Sync() {
    if (handle_ == nullptr) {
        return;
    }
    // The entries go into the native list when the box first shows: a hidden box's years
    // cost the start nothing.
    if (box_.Visible() || !items_.empty()) {
        SyncItems();
    }
    if (box_.ForeColor() != foreColor_ || box_.BackColor() != backColor_) {
        foreColor_ = box_.ForeColor();
        backColor_ = box_.BackColor();
        RepaintAll();
    }
    SyncToolTip();
    const bool dropped = ::SendMessageW(handle_, CB_GETDROPPEDSTATE, 0, 0) != FALSE;
    if (!box_.Visible() && dropped) {
        ::SendMessageW(handle_, CB_SHOWDROPDOWN, FALSE, 0);
    }
    if (SyncVisibility() && shown_ && owner_.InUserClick()) {
        // Opened by a click on the number over it: drop the list at once, so that one
        // more click chooses.
        owner_.PostToControl(*this, kDropDown, 0);
    }
}

int ComboControl::EntryWidth(const std::string& entry) const {
    const std::wstring text = ShownText(entry);
    return TextWidth(owner_.Context().fonts.For(box_.GetFont(), owner_.Dpi(), text), text);
}

void ComboControl::FitListWidth() {
    // The open list may be wider than the box, so that every entry shows whole.
    const int dpi = owner_.Dpi();
    const RECT place = ElementRect(box_, dpi);
    const int width =
        std::max(static_cast<int>(place.right - place.left), widestEntry_ + 2 * TextPadding(dpi) +
                                                                 ::GetSystemMetrics(SM_CXVSCROLL) +
                                                                 2 * ::GetSystemMetrics(SM_CXEDGE));
    ::SendMessageW(handle_, CB_SETDROPPEDWIDTH, static_cast<WPARAM>(width), 0);
}

void ComboControl::RepaintAll() {
    ::InvalidateRect(handle_, nullptr, FALSE);
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    if (::GetComboBoxInfo(handle_, &info) && info.hwndList != nullptr) {
        ::InvalidateRect(info.hwndList, nullptr, TRUE);
    }
}

void ComboControl::OnCommand(int code) {
    const int selected = static_cast<int>(::SendMessageW(handle_, CB_GETCURSEL, 0, 0));
    if (code == CBN_SELENDOK) {
        // Also when the entry chosen is the one already selected.
        PostChoice(selected);
    } else if (code == CBN_CLOSEUP && (::GetKeyState(VK_LBUTTON) & 0x8000) != 0) {
        // Closed by a press outside the list, still being handled.
        const DWORD at = ::GetMessagePos();
        owner_.ListClosedByPress(POINT{GET_X_LPARAM(at), GET_Y_LPARAM(at)});
    } else if (code == CBN_SELENDCANCEL && (::GetKeyState(VK_ESCAPE) & 0x8000) != 0) {
        // Esc: the box goes as it came, and the keys go back to the window.
        owner_.PostToControl(*this, kCancel, 0);
    } else if (code == CBN_SELCHANGE &&
               ::SendMessageW(handle_, CB_GETDROPPEDSTATE, 0, 0) == FALSE) {
        // A choice with the keyboard on the closed box.
        PostChoice(selected);
    }
}

void ComboControl::PostChoice(int position) {
    // The choice runs once the box has finished closing its list: its handler may hide
    // the box, which must not happen in the middle of the box's own mouse handling.
    if (position < 0 || choicePending_) {
        return;
    }
    choicePending_ = true;
    owner_.PostToControl(*this, kApplyChoice, position);
}

void ComboControl::OnPosted(WPARAM what, LPARAM /*value*/) {
    if (what == kDropDown) {
        if (shown_) {
            ::SetFocus(handle_);
            ::SendMessageW(handle_, CB_SHOWDROPDOWN, TRUE, 0);
        }
        return;
    }
    if (what == kCancel) {
        box_.SetVisible(false);
        ::SetFocus(owner_.Handle());
        return;
    }
    if (what != kApplyChoice) {
        return;
    }
    choicePending_ = false;
    // The selection now, which is the last of several quick keyboard changes.
    const int position = static_cast<int>(::SendMessageW(handle_, CB_GETCURSEL, 0, 0));
    if (position >= 0 && position < box_.ListCount()) {
        box_.SetListIndex(position);  // runs the handler; nothing of this object is used after
    }
}

COLORREF ComboControl::ForeColorRef() const {
    return ShownColorRef(owner_.Form(), &box_, ui::ColourUse::Text, foreColor_);
}

COLORREF ComboControl::BackColorRef() const {
    return ShownColorRef(owner_.Form(), &box_, ui::ColourUse::Background, backColor_);
}

void ComboControl::Measure(MEASUREITEMSTRUCT& item) {
    item.itemHeight =
        static_cast<UINT>(item.itemID == static_cast<UINT>(-1) ? FieldHeight() : ItemHeight());
}

void ComboControl::Draw(const DRAWITEMSTRUCT& item) {
    const bool field = (item.itemState & ODS_COMBOBOXEDIT) != 0;
    const bool highlighted = (item.itemState & ODS_SELECTED) != 0 && !field;
    const std::wstring text = ShownText(item.itemID == static_cast<UINT>(-1) ? box_.Text()
                                        : item.itemID < items_.size()        ? items_[item.itemID]
                                                                             : std::string());
    const COLORREF fore = ForeColorRef();
    const COLORREF back = BackColorRef();
    const int dpi = owner_.Dpi();
    const BufferedPaint buffer(item.hDC, item.rcItem);
    const HDC dc = buffer.Dc();
    // The highlighted entry of the open list shows inverted.
    FillSolid(dc, item.rcItem, highlighted ? fore : back);
    RECT textArea = item.rcItem;
    textArea.left += TextPadding(dpi);
    {
        const SelectedObject font(dc, owner_.Context().fonts.For(box_.GetFont(), dpi, text));
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, highlighted ? back : fore);
        ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textArea,
                    DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    if (field && (item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0) {
        ::SetTextColor(dc, fore);
        ::SetBkColor(dc, back);
        ::DrawFocusRect(dc, &item.rcItem);
    }
}

HBRUSH ComboControl::ListBrush(HWND list) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    if (handle_ == nullptr || !::GetComboBoxInfo(handle_, &info) || info.hwndList != list) {
        return nullptr;
    }
    const COLORREF back = BackColorRef();
    if (!listBrush_ || listBrushColour_ != back) {
        listBrush_.Reset(::CreateSolidBrush(back));
        listBrushColour_ = back;
    }
    return listBrush_.Get();
}

}  // namespace platform::win32
