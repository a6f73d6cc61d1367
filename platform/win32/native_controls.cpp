#include "platform/win32/native_controls.h"

#include <commctrl.h>
#include <windowsx.h>

#include <utility>

#include "platform/win32/window_classes.h"

#include "platform/win32/form_window.h"
#include "platform/win32/painting.h"
#include "platform/win32/wide_text.h"

namespace platform::win32 {

void NativeControl::Layout() {
    if (handle_ == nullptr) {
        return;
    }
    const RECT place = ElementRect(element_, owner_.Dpi());
    // Painted afresh, never copied: what lies beneath differs at the new place.
    ::SetWindowPos(handle_, nullptr, place.left, place.top, place.right - place.left,
                   place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
}

void NativeControl::SyncPlace() {
    if (element_.Bounds() != placed_) {
        placed_ = element_.Bounds();
        Layout();
    }
}

void NativeControl::ClickedThrough(POINT /*client*/) {
    owner_.UserClick(element_);
}

bool NativeControl::HandleKeyboard(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (!element_.TabStop()) {
        return false;
    }
    switch (message) {
        case WM_GETDLGCODE: {
            // The arrows are the element's, never a move to a neighbour, and so is Enter (a
            // swatch picks its colour); Tab and Esc stay with the dialog navigation.
            const auto* key = reinterpret_cast<const MSG*>(lParam);
            const bool enter =
                key != nullptr && key->message == WM_KEYDOWN && key->wParam == VK_RETURN;
            result = DLGC_WANTARROWS | DLGC_WANTCHARS | (enter ? DLGC_WANTMESSAGE : 0);
            return true;
        }
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            result = 0;
            keyUsed_ = owner_.KeyDown(wParam);
            return keyUsed_;
        case WM_KEYUP:
        case WM_SYSCHAR:
        case WM_CHAR:
            // After a key the model used, the Menu key's release would ask for a second menu,
            // the character of an Alt key would look for a menu bar and beep, and a letter
            // that pressed a button would also pick a row of a list.
            result = 0;
            return keyUsed_ && (message != WM_KEYUP || wParam == VK_APPS);
        case WM_SETFOCUS:
            owner_.FocusReceived(element_);
            RepaintFocusMark();
            return false;
        case WM_KILLFOCUS:
            RepaintFocusMark();
            return false;
        default:
            return false;
    }
}

namespace {

// The accessibility layer subclasses the system's controls too, under another procedure.
constexpr UINT_PTR kKeyboardSubclassId = 1;

}  // namespace

void NativeControl::CreateSystemControl(DWORD exStyle, const wchar_t* windowClass,
                                        const wchar_t* text, DWORD style, int id) {
    const RECT place = ElementRect(element_, owner_.Dpi());
    handle_ = ::CreateWindowExW(
        exStyle, windowClass, text, WS_CHILD | WS_CLIPSIBLINGS | TabStopStyle() | style, place.left,
        place.top, place.right - place.left, place.bottom - place.top, owner_.Handle(),
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), owner_.Context().instance, nullptr);
}

void NativeControl::SubclassSystemControl() {
    if (handle_ != nullptr) {
        ::SetWindowSubclass(handle_, SubclassProc, kKeyboardSubclassId,
                            reinterpret_cast<DWORD_PTR>(this));
    }
}

LRESULT CALLBACK NativeControl::SubclassProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam, UINT_PTR /*id*/, DWORD_PTR data) {
    auto& self = *reinterpret_cast<NativeControl*>(data);
    if (message == WM_NCDESTROY) {
        ::RemoveWindowSubclass(window, SubclassProc, kKeyboardSubclassId);
        return ::DefSubclassProc(window, message, wParam, lParam);
    }
    return Dispatch(self.owner_.Context(),
                    [&] { return self.Subclassed(window, message, wParam, lParam); });
}

LRESULT NativeControl::Subclassed(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (LRESULT result = 0; HandleKeyboard(message, wParam, lParam, result)) {
        return result;
    }
    return ::DefSubclassProc(window, message, wParam, lParam);
}

// Only what draws a focus mark looks different with the focus (the grids draw none).
void NativeControl::RepaintFocusMark() const {
    if (MarksFocus()) {
        ::InvalidateRect(handle_, nullptr, FALSE);
    }
}

bool NativeControl::ShowsFocus() const {
    return handle_ != nullptr && ::GetFocus() == handle_ && element_.Owner().Focused() == &element_;
}

void NativeControl::PaintFocusMark(HDC dc) const {
    RECT inside{};
    ::GetClientRect(handle_, &inside);
    const int margin = 2 * LineWidth(owner_.Dpi());
    ::InflateRect(&inside, -margin, -margin);
    // Dots that invert what lies beneath, so they show on every swatch colour.
    ::SetTextColor(dc, RGB(0, 0, 0));
    ::SetBkColor(dc, RGB(255, 255, 255));
    ::DrawFocusRect(dc, &inside);
}

bool NativeControl::SyncVisibility() {
    if (handle_ == nullptr || element_.Visible() == shown_) {
        return false;
    }
    shown_ = element_.Visible();
    ::ShowWindow(handle_, shown_ ? SW_SHOWNA : SW_HIDE);
    return true;
}

void NativeControl::SyncToolTip() {
    if (handle_ != nullptr && element_.ToolTip() != toolTip_) {
        toolTip_ = element_.ToolTip();
        const std::wstring tip = ToWide(toolTip_);
        FontCache& fonts = owner_.Context().fonts;
        owner_.Tips().Set(handle_, tip, fonts.For(fonts.TipFont(), owner_.Dpi(), tip));
    }
}

void NativeControl::RefreshToolTip() {
    if (!toolTip_.empty()) {
        toolTip_.clear();
        SyncToolTip();
    }
}

void ClickableControl::Create(const wchar_t* windowClass, const std::wstring& text, int id) {
    const RECT place = ElementRect(element_, owner_.Dpi());
    // Hidden at first; Sync shows it when the element is visible. Siblings are clipped
    // so a label never paints over a box that covers it.
    handle_ = ::CreateWindowExW(
        0, windowClass, text.c_str(), WS_CHILD | WS_CLIPSIBLINGS | TabStopStyle(), place.left,
        place.top, place.right - place.left, place.bottom - place.top, owner_.Handle(),
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), owner_.Context().instance, this);
}

LRESULT CALLBACK ClickableControl::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = WindowOwner<ClickableControl>(window, message, lParam);
    if (message == WM_NCDESTROY) {
        self = nullptr;
    }
    if (self == nullptr || self->handle_ != window) {
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    return Dispatch(self->owner_.Context(), [&] { return self->Handle(message, wParam, lParam); });
}

int ClickableControl::PartAt(POINT client) const {
    RECT inside{};
    ::GetClientRect(handle_, &inside);
    return ::PtInRect(&inside, client) ? 0 : -1;
}

void ClickableControl::ClickPart(int /*part*/) {
    owner_.UserClick(element_);
}

void ClickableControl::DefaultAction(WPARAM /*child*/) {
    if (element_.Visible()) {
        owner_.UserClick(element_);
    }
}

LRESULT ClickableControl::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (LRESULT result = 0; HandleKeyboard(message, wParam, lParam, result)) {
        return result;
    }
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
        case WM_NCHITTEST: {
            POINT client{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            ::ScreenToClient(handle_, &client);
            if (Transparent(client)) {
                return HTTRANSPARENT;
            }
            break;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            const PaintScope paint(handle_);
            const BufferedPaint buffer(paint.Dc(), paint.Area());
            Paint(buffer.Dc(), paint.Area());
            return 0;
        }
        case WM_LBUTTONDOWN:
            // A press here is the element's, never the window surface's (no drag). A tab stop
            // takes the focus, as a button does.
            pressed_ = PartAt(point);
            if (element_.TabStop()) {
                ::SetFocus(handle_);
            }
            ::SetCapture(handle_);
            return 0;
        case WM_LBUTTONUP: {
            const int pressed = std::exchange(pressed_, -1);
            if (::GetCapture() == handle_) {
                ::ReleaseCapture();
            }
            if (pressed >= 0 && PartAt(point) == pressed) {
                ClickPart(pressed);
            }
            return 0;
        }
        case WM_CAPTURECHANGED:
            pressed_ = -1;
            return 0;
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            // No drag from here; the right button's release asks the window for its menu.
            return 0;
        case WM_SETFOCUS:
            FocusTaken();
            break;
        case kDefaultActionMessage:
            DefaultAction(wParam);
            return 0;
        case WM_GETOBJECT:
            if (const LRESULT answer = owner_.Accessibility().Answer(handle_, wParam, lParam)) {
                return answer;
            }
            break;
        default:
            break;
    }
    return ::DefWindowProcW(handle_, message, wParam, lParam);
}

std::unique_ptr<NativeControl> CreateNativeControl(FormWindow& owner, ui::Element& element,
                                                   int id) {
    switch (element.Kind()) {
        case ui::ElementKind::Label:
            return std::make_unique<LabelControl>(owner, static_cast<ui::Label&>(element), id);
        case ui::ElementKind::ComboBox:
            return std::make_unique<ComboControl>(owner, static_cast<ui::ComboBox&>(element), id);
        case ui::ElementKind::HScrollBar:
            return std::make_unique<ScrollControl>(owner, static_cast<ui::HScrollBar&>(element),
                                                   id);
        case ui::ElementKind::Shape:
            return std::make_unique<ShapeControl>(owner, static_cast<ui::Shape&>(element));
        case ui::ElementKind::PictureBox:
            return std::make_unique<PictureControl>(owner, static_cast<ui::PictureBox&>(element),
                                                    id);
        case ui::ElementKind::CheckBox:
            return std::make_unique<CheckBoxControl>(owner, static_cast<ui::CheckBox&>(element),
                                                     id);
        case ui::ElementKind::CellGrid:
            return std::make_unique<CellGridControl>(owner, static_cast<ui::CellGrid&>(element),
                                                     id);
        case ui::ElementKind::TextBox:
            return std::make_unique<TextControl>(owner, static_cast<ui::TextBox&>(element), id);
        case ui::ElementKind::ListBox:
            return std::make_unique<ListControl>(owner, static_cast<ui::ListBox&>(element), id);
        case ui::ElementKind::Button:
            return std::make_unique<ButtonControl>(owner, static_cast<ui::Button&>(element), id);
    }
    return nullptr;
}

}  // namespace platform::win32
