#include "platform/win32/form_window.h"

#include <imm.h>
#include <windowsx.h>

#include <algorithm>
#include <string_view>

#include "platform/ui/contrast.h"
#include "platform/ui/keys.h"
#include "platform/win32/dpi.h"
#include "platform/win32/input_mapping.h"
#include "platform/win32/notify_icon.h"
#include "platform/win32/painting.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_classes.h"

namespace platform::win32 {
namespace {

// Work a control asked for after the message it was handling (wParam: control index).
constexpr UINT kControlMessage = WM_APP + 1;
// Brings the controls up to date with the elements changed since the last time.
constexpr UINT kSyncMessage = WM_APP + 2;
// A press that closed a dropped list reaches the control under it (wParam: control index).
constexpr UINT kClickThroughMessage = WM_APP + 3;
constexpr int kFirstControlId = 1000;
// Asks for the window's size at a new DPI before WM_DPICHANGED (Windows 10 1703 on), named
// here as the headers name it only for that version.
constexpr UINT kGetDpiScaledSize = 0x02E4;

// The window's own DPI where the system knows it (Windows 10), else the system's.
int WindowDpi(HWND window) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    const UINT dpi = getDpiForWindow != nullptr ? getDpiForWindow(window) : 0;
    return dpi != 0 ? static_cast<int>(dpi) : SystemDpi();
}

bool AltDown() {
    return (::GetKeyState(VK_MENU) & 0x8000) != 0;
}

bool KeyDown(int key) {
    return (::GetKeyState(key) & 0x8000) != 0;
}

// The shift state of a key message, which does not carry it.
int KeyShift() {
    return (KeyDown(VK_SHIFT) ? ui::kShiftMask : 0) | (KeyDown(VK_CONTROL) ? ui::kCtrlMask : 0) |
           (AltDown() ? ui::kAltMask : 0);
}

// The user has access keys underlined always ("underline access keys"), not only after Alt.
bool KeyboardCues() {
    BOOL cues = FALSE;
    return ::SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &cues, 0) && cues;
}

// The section a WM_SETTINGCHANGE names: the control panel announces a new time zone as one
// of these.
bool IsTimeZoneChange(LPARAM section) {
    if (section == 0) {
        return false;
    }
    const std::wstring_view name(reinterpret_cast<const wchar_t*>(section));
    return name == L"intl" || name == L"TimeZone";
}

// Where a kind's child window goes among its siblings, or nowhere special. The drop-down
// boxes cover the labels that lie over them while they are shown; a grid lies beneath the
// labels over its gaps.
std::optional<HWND> LayerOf(ui::ElementKind kind) {
    switch (kind) {
        case ui::ElementKind::ComboBox:
            return HWND_TOP;
        case ui::ElementKind::CellGrid:
            return HWND_BOTTOM;
        case ui::ElementKind::Label:
        case ui::ElementKind::HScrollBar:
        case ui::ElementKind::Shape:
        case ui::ElementKind::PictureBox:
        case ui::ElementKind::CheckBox:
        case ui::ElementKind::TextBox:
        case ui::ElementKind::ListBox:
        case ui::ElementKind::Button:
            break;
    }
    return std::nullopt;
}

// Only a text box takes text from an input method; the other kinds take keys.
bool TakesTypedText(ui::ElementKind kind) {
    switch (kind) {
        case ui::ElementKind::TextBox:
            return true;
        case ui::ElementKind::Label:
        case ui::ElementKind::ComboBox:
        case ui::ElementKind::HScrollBar:
        case ui::ElementKind::Shape:
        case ui::ElementKind::PictureBox:
        case ui::ElementKind::CheckBox:
        case ui::ElementKind::CellGrid:
        case ui::ElementKind::ListBox:
        case ui::ElementKind::Button:
            break;
    }
    return false;
}

}  // namespace

FormWindow::FormWindow(WindowContext& context, ui::Form& form)
    : context_(context), form_(form), dpi_(SystemDpi()) {
    shownLeft_ = form.Left();
    shownTop_ = form.Top();
    shownWidth_ = form.ClientWidth();
    shownHeight_ = form.ClientHeight();
    shownCaption_ = ToWide(form.Caption());
    shownBackColor_ = form.BackColor();
    // No taskbar button, yet listed by Alt+Tab and Task View: an owned window is, when its
    // owner never shows. Each window has an owner of its own, for Alt+Tab lists only the last
    // active of those an owner has; of another class and without a title, so that looking for
    // the calendar by both finds only the calendar.
    owner_.Reset(::CreateWindowExW(0, kOwnerClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                   context.instance, nullptr));
    window_.Reset(::CreateWindowExW(
        0, kClassName, shownCaption_.c_str(), WS_POPUP | WS_CLIPCHILDREN,
        ui::PositionToPixels(shownLeft_), ui::PositionToPixels(shownTop_), SizeAt(dpi_).cx,
        SizeAt(dpi_).cy, owner_.Get(), nullptr, context.instance, this));
    if (!window_) {
        destroyed_ = true;
        return;
    }
    tooltips_.SetOwner(window_.Get());
    // Run as administrator, the calendar still hears a later start at the user's own level,
    // and a restarted Explorer, which runs at that level too.
    for (const UINT message : {context.activateMessage, context.taskbarCreatedMessage}) {
        ::ChangeWindowMessageFilterEx(window_.Get(), message, MSGFLT_ALLOW, nullptr);
    }
    accessibility_.AttachForm(window_.Get());
    FollowKeyboardCues();
    // Created on a monitor of another DPI (per-monitor aware): size it for that one.
    const int actual = WindowDpi(window_.Get());
    if (actual != dpi_) {
        dpi_ = actual;
        ::SetWindowPos(window_.Get(), nullptr, 0, 0, SizeAt(dpi_).cx, SizeAt(dpi_).cy,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    const auto& elements = form.Elements();
    for (std::size_t i = 0; i < elements.size(); ++i) {
        auto control =
            CreateNativeControl(*this, *elements[i], kFirstControlId + static_cast<int>(i));
        byElement_[elements[i]] = control.get();
        accessibility_.Attach(control->Handle(), *elements[i],
                              [part = control.get()](int index) { return part->PartArea(index); });
        controls_.push_back(std::move(control));
    }
    for (const auto& control : controls_) {
        control->Sync();
    }
    OrderTabStops();
    // Keys, never text: with an input method in its Chinese mode a letter would open a
    // composition window and the arrows would move in it instead of through the days.
    ::ImmAssociateContextEx(window_.Get(), nullptr, 0);
    ::ImmAssociateContextEx(window_.Get(), nullptr, IACE_CHILDREN);
    for (const auto& control : controls_) {
        // Text boxes turn theirs back on: Chinese is typed through one.
        if (TakesTypedText(control->Element().Kind()) && control->Handle() != nullptr) {
            ::ImmAssociateContextEx(control->Handle(), nullptr, IACE_DEFAULT);
        }
        if (const std::optional<HWND> layer = LayerOf(control->Element().Kind())) {
            ::SetWindowPos(control->Handle(), *layer, 0, 0, 0, 0,
                           SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    }
}

FormWindow::~FormWindow() {
    Destroy();
}

void FormWindow::Destroy() {
    if (destroyed_) {
        return;
    }
    destroyed_ = true;
    pending_.clear();
    timers_.clear();
    tooltips_.Destroy();
    accessibility_.DetachAll();
    // The children go with it; their controls are freed with this object.
    window_.Reset();
    owner_.Reset();
}

void FormWindow::Show(bool visible, bool quietly) {
    if (destroyed_) {
        return;
    }
    // The first picture the user sees is the finished one.
    SyncPending();
    if (!visible) {
        ::ShowWindow(window_.Get(), SW_HIDE);
    } else if (quietly) {
        ::ShowWindow(window_.Get(), SW_SHOWNA);
        ::SetWindowPos(window_.Get(), HWND_TOP, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    } else {
        ::ShowWindow(window_.Get(), SW_SHOW);
        ::SetForegroundWindow(window_.Get());
    }
    // After the first picture, so that a screen reader costs the start nothing.
    accessibility_.Shown(visible);
}

void FormWindow::Activate() {
    if (destroyed_) {
        return;
    }
    ::SetForegroundWindow(window_.Get());
    ::SetActiveWindow(window_.Get());
    ::SetFocus(window_.Get());
}

void FormWindow::SyncWindow() {
    if (destroyed_) {
        return;
    }
    // Place and size catch up with the elements, after the handler: a switch of views then
    // moves and resizes in one step, and no frame shows the window grown to one side.
    placePending_ = true;
    PostSync();
    std::wstring caption = ToWide(form_.Caption());
    if (caption != shownCaption_) {
        shownCaption_ = std::move(caption);
        ::SetWindowTextW(window_.Get(), shownCaption_.c_str());
    }
    if (form_.BackColor() != shownBackColor_) {
        shownBackColor_ = form_.BackColor();
        // The labels paint the background under their text, so they repaint too.
        ::RedrawWindow(window_.Get(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    }
}

void FormWindow::SyncPlacement() {
    if (!std::exchange(placePending_, false)) {
        return;
    }
    const bool moves = form_.Left() != shownLeft_ || form_.Top() != shownTop_;
    const bool resizes = form_.ClientWidth() != shownWidth_ || form_.ClientHeight() != shownHeight_;
    if (moves || resizes) {
        shownLeft_ = form_.Left();
        shownTop_ = form_.Top();
        shownWidth_ = form_.ClientWidth();
        shownHeight_ = form_.ClientHeight();
        ::SetWindowPos(
            window_.Get(), nullptr, ui::PositionToPixels(shownLeft_),
            ui::PositionToPixels(shownTop_), SizeAt(dpi_).cx, SizeAt(dpi_).cy,
            SWP_NOZORDER | SWP_NOACTIVATE | (moves ? 0 : SWP_NOMOVE) | (resizes ? 0 : SWP_NOSIZE));
    }
}

// A handler changes a label many times over (the Sunday pass selects 31 days in a row):
// the control catches up once, when the handler is done, instead of at every change.
void FormWindow::SyncElement(ui::Element& element) {
    if (destroyed_) {
        return;
    }
    const auto found = byElement_.find(&element);
    if (found == byElement_.end()) {
        return;
    }
    if (std::find(pending_.begin(), pending_.end(), found->second) == pending_.end()) {
        pending_.push_back(found->second);
    }
    PostSync();
}

void FormWindow::PostSync() {
    if (!syncPosted_) {
        syncPosted_ = ::PostMessageW(window_.Get(), kSyncMessage, 0, 0) != FALSE;
        if (!syncPosted_) {
            SyncPending();
        }
    }
}

void FormWindow::SyncPending() {
    // A control's sync may change elements again (never in practice): take the list first.
    SyncPlacement();
    const std::vector<NativeControl*> pending = std::move(pending_);
    pending_.clear();
    for (NativeControl* control : pending) {
        control->SyncPlace();
        control->Sync();
    }
    SyncFocus();
    accessibility_.Announce(FocusMoves());
}

bool FormWindow::FocusMoves() const {
    if (userClicks_ == 0) {
        return false;
    }
    // The window has the keyboard, or a grid holds it for the window.
    const HWND focus = ::GetFocus();
    const ui::Element* focused = form_.Focused();
    return focus == window_.Get() ||
           (focus != nullptr && focused != nullptr && byElement_.at(focused)->Handle() == focus &&
            AccessibleChildCount(*focused) > 0);
}

void FormWindow::OrderTabStops() {
    HWND previous = nullptr;
    for (const ui::Element* element : form_.TabOrder()) {
        const HWND child = byElement_.at(element)->Handle();
        if (previous != nullptr && child != nullptr) {
            ::SetWindowPos(child, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
        previous = child != nullptr ? child : previous;
    }
}

void FormWindow::SyncFocus() {
    const HWND focus = ::GetFocus();
    const ui::Element* focused = form_.Focused();
    if (focus != window_.Get() && !::IsChild(window_.Get(), focus)) {
        return;
    }
    if (focused == nullptr) {
        // The tab stop that had it went away (the grid of a layout no longer shown): the keys
        // are the window's again.
        if (focus != window_.Get() && !::IsWindowVisible(focus)) {
            ::SetFocus(window_.Get());
        }
        return;
    }
    const HWND child = byElement_.at(focused)->Handle();
    if (child != nullptr && child != focus) {
        ::SetFocus(child);
    }
}

// Asked for every message of the loop: a look at the elements, not a sorted Tab order.
bool FormWindow::IsDialog() const {
    const auto& elements = form_.Elements();
    return std::any_of(elements.begin(), elements.end(), [](const ui::Element* element) {
        return element->TabStop() && element->Visible();
    });
}

void FormWindow::FocusReceived(ui::Element& element) {
    form_.SetFocus(&element);
}

bool FormWindow::OnDialogCommand(WPARAM command, LPARAM control) {
    // A menu's command looks the same, so only a window with dialog navigation takes them.
    if (control != 0 || HIWORD(command) != 0 || !IsDialog()) {
        return false;
    }
    const WORD id = LOWORD(command);
    if (id == IDCANCEL || id == IDOK) {
        form_.RaiseKeyDown(id == IDCANCEL ? ui::kKeyEscape : ui::kKeyReturn, 0);
        return true;
    }
    return false;
}

void FormWindow::SyncTimer(ui::Timer& timer) {
    if (destroyed_) {
        return;
    }
    const auto& timers = form_.Timers();
    UINT_PTR id = 0;
    for (std::size_t i = 0; i < timers.size(); ++i) {
        if (timers[i] == &timer) {
            id = i + 1;
        }
    }
    if (id == 0) {
        return;
    }
    if (timer.Interval() > 0) {
        timers_[id] = &timer;
        ::SetTimer(window_.Get(), id, static_cast<UINT>(timer.Interval()), nullptr);
    } else {
        timers_.erase(id);
        ::KillTimer(window_.Get(), id);
    }
}

void FormWindow::ReportPosition() {
    if (destroyed_) {
        return;
    }
    RECT place{};
    ::GetWindowRect(window_.Get(), &place);
    shownLeft_ = ui::PixelsToPosition(place.left);
    shownTop_ = ui::PixelsToPosition(place.top);
    form_.PositionChangedBySystem(shownLeft_, shownTop_);
}

// The handler may close this window; the object still lives until the message that brought
// the click or key is done (WindowContext::Retire), so the count stays safe.
template <typename Handler>
bool FormWindow::AsUserInput(Handler&& handler) {
    ++userClicks_;
    const bool used = handler();
    // Still inside the click or key: a box that it opened drops its list.
    if (!destroyed_) {
        SyncPending();
    }
    --userClicks_;
    return used;
}

void FormWindow::UserClick(ui::Element& element) {
    AsUserInput([&element] {
        element.RaiseClick();
        return true;
    });
}

void FormWindow::UserCellClick(ui::CellGrid& grid, int index) {
    AsUserInput([&grid, index] {
        grid.RaiseCellClick(index);
        return true;
    });
}

bool FormWindow::KeyDown(WPARAM key) {
    if (key == VK_MENU) {
        // Alt shows the access keys. Windows would do it for a dialog only, Wine not at all.
        ::SendMessageW(window_.Get(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEACCEL), 0);
    }
    return AsUserInput([&] { return form_.RaiseKeyDown(static_cast<int>(key), KeyShift()); });
}

void FormWindow::SetAlpha(std::uint8_t alpha) {
    alpha_ = alpha;
    ::SetLayeredWindowAttributes(window_.Get(), 0, ui::ShownAlpha(context_.highContrast, alpha),
                                 LWA_ALPHA);
}

void FormWindow::OnContrastChange() {
    context_.RefreshContrast();
    if (alpha_) {
        SetAlpha(*alpha_);
    }
    for (const auto& control : controls_) {
        control->OnContrastChange();
    }
    ::RedrawWindow(window_.Get(), nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

// The access keys as the user's setting has them; the system's own state for the window
// (which its controls read) is told the same.
void FormWindow::FollowKeyboardCues() {
    ::SendMessageW(window_.Get(), WM_CHANGEUISTATE,
                   MAKEWPARAM(KeyboardCues() ? UIS_CLEAR : UIS_SET, UISF_HIDEACCEL), 0);
}

// WM_CHANGEUISTATE reaches the window itself only under Wine; Windows turns it into
// WM_UPDATEUISTATE for the window and its children. Either way the labels follow.
void FormWindow::OnUiStateChange(WPARAM change) {
    const bool hides = HidesAccessKeys(hidesAccessKeys_, change, KeyboardCues());
    if (hides != hidesAccessKeys_) {
        hidesAccessKeys_ = hides;
        for (const auto& control : controls_) {
            control->OnAccessKeysShown();
        }
    }
}

void FormWindow::OnContextMenu(HWND from, LPARAM screenPoint) {
    std::optional<ui::Point> at;
    // From the keyboard x and y are both -1; the whole LPARAM is not -1 where the system
    // packs the two into its low 32 bits only.
    if (GET_X_LPARAM(screenPoint) != -1 || GET_Y_LPARAM(screenPoint) != -1) {
        // The surface's own right press opened the menu already (a press that is no drag).
        if (from == window_.Get()) {
            return;
        }
        POINT point{GET_X_LPARAM(screenPoint), GET_Y_LPARAM(screenPoint)};
        ::ScreenToClient(window_.Get(), &point);
        at = ui::Point{PixelsToTwips(point.x, dpi_), PixelsToTwips(point.y, dpi_)};
    }
    AsUserInput([&] {
        form_.RaiseContextMenu(at);
        return true;
    });
}

void FormWindow::PostToControl(const NativeControl& control, WPARAM what, LPARAM value) {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if (controls_[i].get() == &control) {
            // Packs the control's index and the request into wParam.
            ::PostMessageW(window_.Get(), kControlMessage, (i << 8) | (what & 0xFF), value);
        }
    }
}

void FormWindow::ListClosedByPress(POINT screen) {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const HWND child = controls_[i]->Handle();
        RECT place{};
        if (controls_[i]->Element().ClickThroughOpenList() && child != nullptr &&
            ::IsWindowVisible(child) && ::GetWindowRect(child, &place) &&
            ::PtInRect(&place, screen)) {
            // After the list has finished closing, which it does inside this press; with the
            // point in the child's client area (a grid's cell).
            ::PostMessageW(window_.Get(), kClickThroughMessage, i,
                           MAKELPARAM(screen.x - place.left, screen.y - place.top));
            return;
        }
    }
}

void FormWindow::InvalidateSurface(const RECT& area) {
    if (!destroyed_) {
        ::RedrawWindow(window_.Get(), &area, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    }
}

NativeControl* FormWindow::ControlByWindow(HWND window) const {
    for (const auto& control : controls_) {
        if (control->Handle() == window && window != nullptr) {
            return control.get();
        }
    }
    return nullptr;
}

NativeControl* FormWindow::ControlById(int id) const {
    const int index = id - kFirstControlId;
    if (index < 0 || index >= static_cast<int>(controls_.size())) {
        return nullptr;
    }
    return controls_[static_cast<std::size_t>(index)].get();
}

void FormWindow::Paint() {
    const PaintScope paint(window_.Get());
    const BufferedPaint buffer(paint.Dc(), paint.Area());
    PaintSurface(buffer.Dc(), form_, dpi_, paint.Area());
}

void FormWindow::OnMouseButton(int button, WPARAM keys, LPARAM point) {
    form_.RaiseMouseDown(button, ShiftFromKeyState(keys, AltDown()),
                         PixelsToTwips(GET_X_LPARAM(point), dpi_),
                         PixelsToTwips(GET_Y_LPARAM(point), dpi_));
}

SIZE FormWindow::SizeAt(int dpi) const {
    return SIZE{TwipsToPixelSize(form_.ClientWidth(), dpi),
                TwipsToPixelSize(form_.ClientHeight(), dpi)};
}

void FormWindow::OnDpiChanged(int dpi, const RECT& suggested) {
    dpi_ = dpi;
    // The system's place, and the size the form has at the new DPI (the system's scaled
    // size may be a pixel off, and the form may have changed its size meanwhile).
    ::SetWindowPos(window_.Get(), nullptr, suggested.left, suggested.top, SizeAt(dpi).cx,
                   SizeAt(dpi).cy, SWP_NOZORDER | SWP_NOACTIVATE);
    for (const auto& control : controls_) {
        control->Layout();
        control->RefreshToolTip();
    }
    ::RedrawWindow(window_.Get(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    ReportPosition();
}

LRESULT CALLBACK FormWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = WindowOwner<FormWindow>(window, message, lParam);
    if (self == nullptr || self->destroyed_ || self->window_.Get() != window) {
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    return Dispatch(self->context_, [&] { return self->Handle(message, wParam, lParam); });
}

// Every branch that runs a handler of the model returns right after it: the handler may
// have destroyed this window.
LRESULT FormWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND window = window_.Get();
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT covers everything, in one go
        case WM_PAINT:
            Paint();
            return 0;
        case WM_LBUTTONDOWN:
            OnMouseButton(ui::kLeftButton, wParam, lParam);
            return 0;
        case WM_RBUTTONDOWN:
            OnMouseButton(ui::kRightButton, wParam, lParam);
            return 0;
        case WM_MBUTTONDOWN:
            OnMouseButton(ui::kMiddleButton, wParam, lParam);
            return 0;
        case WM_MOUSEMOVE:
            // Also the notification icon's messages, which carry its identifier in wParam.
            if (context_.notifyIcon.ShownFor(window) && IsNotifyIconBalloon(lParam)) {
                if (const auto news = BalloonNews(lParam)) {
                    form_.RaiseNotifyEvent(*news);
                }
                return 0;
            }
            form_.RaiseMouseMove(ButtonsFromKeyState(wParam), ShiftFromKeyState(wParam, AltDown()),
                                 PixelsToTwips(GET_X_LPARAM(lParam), dpi_),
                                 PixelsToTwips(GET_Y_LPARAM(lParam), dpi_));
            // Pointing at the icon brought the window back quietly; a click on it or choosing
            // it with the keyboard means the user wants to work in it.
            if (IsNotifyIconChoice(wParam, lParam)) {
                form_.RequestActivate();
            }
            return 0;
        case kBalloonIconMessage:
            if (const auto news = BalloonNews(lParam)) {
                context_.notifyIcon.RemoveBalloon(window);
                form_.RaiseNotifyEvent(*news);
            }
            return 0;
        case WM_TIMER: {
            const auto found = timers_.find(wParam);
            if (found != timers_.end()) {
                found->second->Fire();
            }
            return 0;
        }
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            keyUsed_ = KeyDown(wParam);
            if (keyUsed_) {
                return 0;
            }
            break;
        case WM_KEYUP:
            // The Menu key's release would ask for the menu the form opened at its press.
            if (wParam == VK_APPS && keyUsed_) {
                return 0;
            }
            break;
        case WM_SETFOCUS:
            // Activation gives the window the focus; it belongs to the focused element, or
            // (the calendar) to the element that stands for it.
            SyncFocus();
            accessibility_.AnnounceFocus();
            return 0;
        case WM_GETOBJECT:
            if (const LRESULT answer = accessibility_.Answer(window, wParam, lParam)) {
                return answer;
            }
            break;
        case WM_SYSCHAR:
            // The character of an Alt key the form used: the system would look for a menu
            // bar to open and beep.
            if (keyUsed_) {
                return 0;
            }
            break;
        case WM_CONTEXTMENU:
            OnContextMenu(reinterpret_cast<HWND>(wParam), lParam);
            return 0;
        case WM_CHANGEUISTATE:
        case WM_UPDATEUISTATE:
            OnUiStateChange(wParam);
            break;
        case WM_QUERYUISTATE:
            // The window's own word on its access keys, which Wine does not keep.
            return (::DefWindowProcW(window, message, wParam, lParam) & ~UISF_HIDEACCEL) |
                   (hidesAccessKeys_ ? UISF_HIDEACCEL : 0);
        case WM_SYSCOLORCHANGE:
        case WM_THEMECHANGED:
            OnContrastChange();
            break;
        case WM_COMMAND:
            if (OnDialogCommand(wParam, lParam)) {
                return 0;
            }
            if (NativeControl* control = ControlByWindow(reinterpret_cast<HWND>(lParam))) {
                // A control reports what the user did with it; code changes them quietly.
                form_.System().NoteUserInput();
                control->OnCommand(HIWORD(wParam));
            }
            return 0;
        case WM_HSCROLL:
            if (NativeControl* control = ControlByWindow(reinterpret_cast<HWND>(lParam))) {
                form_.System().NoteUserInput();
                control->OnScroll(LOWORD(wParam), HIWORD(wParam));
            }
            return 0;
        case WM_MEASUREITEM: {
            auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            if (NativeControl* control = ControlById(static_cast<int>(item.CtlID))) {
                control->Measure(item);
            }
            return TRUE;
        }
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (NativeControl* control = ControlById(static_cast<int>(item.CtlID))) {
                control->Draw(item);
            }
            return TRUE;
        }
        case WM_CTLCOLORSTATIC:
            if (NativeControl* control = ControlByWindow(reinterpret_cast<HWND>(lParam))) {
                if (HBRUSH brush = control->StaticBrush(reinterpret_cast<HDC>(wParam))) {
                    return reinterpret_cast<LRESULT>(brush);
                }
            }
            break;
        case WM_CTLCOLORLISTBOX:
            for (const auto& control : controls_) {
                if (HBRUSH brush = control->ListBrush(reinterpret_cast<HWND>(lParam))) {
                    return reinterpret_cast<LRESULT>(brush);
                }
            }
            break;
        case kClickThroughMessage:
            if (wParam < controls_.size()) {
                controls_[wParam]->ClickedThrough(
                    POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            }
            return 0;
        case kSyncMessage:
            syncPosted_ = false;
            SyncPending();
            return 0;
        case kControlMessage: {
            const std::size_t index = wParam >> 8;
            if (index < controls_.size()) {
                controls_[index]->OnPosted(wParam & 0xFF, lParam);
            }
            return 0;
        }
        case WM_CLOSE:
            form_.RequestClose();
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            if (wParam != FALSE) {
                form_.RequestClose();
            }
            return 0;
        case WM_TIMECHANGE:
            form_.RaiseTimeChange();
            return 0;
        case WM_SETTINGCHANGE:
            if (wParam == SPI_SETHIGHCONTRAST) {
                OnContrastChange();
            } else if (wParam == SPI_SETKEYBOARDCUES) {
                FollowKeyboardCues();
            } else if (wParam == SPI_SETWORKAREA) {
                // A task bar moved or resized may now cover the window's only reachable part.
                form_.RaiseDisplayChange();
                return 0;
            }
            if (IsTimeZoneChange(lParam)) {
                form_.RaiseTimeChange();
                return 0;
            }
            break;
        case kGetDpiScaledSize:
            // The size at the new DPI, so that the place the system suggests fits it.
            *reinterpret_cast<SIZE*>(lParam) = SizeAt(static_cast<int>(wParam));
            return TRUE;
        case WM_DPICHANGED:
            OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            form_.RaiseDisplayChange();
            return 0;
        case WM_DISPLAYCHANGE:
            form_.RaiseDisplayChange();
            return 0;
        case WM_WINDOWPOSCHANGED: {
            // Moved by the system (off a monitor taken away, say), not by the form.
            const auto& moved = *reinterpret_cast<const WINDOWPOS*>(lParam);
            if ((moved.flags & SWP_NOMOVE) == 0 && (moved.x != ui::PositionToPixels(shownLeft_) ||
                                                    moved.y != ui::PositionToPixels(shownTop_))) {
                ReportPosition();
            }
            break;
        }
        default:
            if (message == context_.taskbarCreatedMessage && message != 0) {
                context_.notifyIcon.Restore(window);
                form_.RaiseNotifyEvent(ui::NotifyEvent::AreaCreated);
                return 0;
            }
            if (message == context_.activateMessage && message != 0) {
                form_.RequestActivate();
                return 0;
            }
            break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace platform::win32
