// The native window of one form: a frameless top-level window with a child control per
// element, painted double-buffered, whose messages become the form's and the elements'
// events. The window system keeps one per loaded form.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/form.h"
#include "platform/win32/accessibility.h"
#include "platform/win32/gdi_handles.h"
#include "platform/win32/native_controls.h"
#include "platform/win32/tooltips.h"
#include "platform/win32/window_context.h"

namespace platform::win32 {

class FormWindow {
  public:
    static constexpr const wchar_t* kClassName = L"LunadeskWindow";
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // Creates the window hidden, with its child controls in the elements' current state.
    FormWindow(WindowContext& context, ui::Form& form);
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;
    ~FormWindow();

    HWND Handle() const { return window_.Get(); }
    int Dpi() const { return dpi_; }
    ui::Form& Form() const { return form_; }
    WindowContext& Context() const { return context_; }
    Tooltips& Tips() { return tooltips_; }
    FormAccessibility& Accessibility() { return accessibility_; }

    // Shown quietly, the window comes to the front but leaves the keyboard where it is.
    void Show(bool visible, bool quietly);
    // To the front with the keyboard focus.
    void Activate();
    // Caption and background after the form changed them; position and size at the next
    // catch-up (see SyncPending).
    void SyncWindow();
    // Marks the element's control for the next catch-up (see SyncPending).
    void SyncElement(ui::Element& element);
    // Brings the window's place and size and every marked control up to date now.
    void SyncPending();
    void SyncTimer(ui::Timer& timer);
    // The system moved the window: tell the form where it is now, in twips.
    void ReportPosition();
    // Destroys the native window and everything in it without touching the form's
    // elements, which may be gone already.
    void Destroy();

    // A click by the user on an element's child window.
    void UserClick(ui::Element& element);
    // A click by the user on a cell of a grid.
    void UserCellClick(ui::CellGrid& grid, int index);
    // A key pressed in the window or one of its child windows, for the form; true when it
    // used it.
    bool KeyDown(WPARAM key);
    // An element's child window got the keyboard focus.
    void FocusReceived(ui::Element& element);
    // A window with tab stops: the message loop gives it dialog navigation.
    bool IsDialog() const;
    // True while the handler of a user's click or key runs (a box it opens drops its list).
    bool InUserClick() const { return userClicks_ > 0; }
    // A press at this screen point closed a dropped list: an element there that takes such a
    // press gets its click.
    void ListClosedByPress(POINT screen);
    // Delivers (what, value) to the control later, after the current message is done.
    void PostToControl(const NativeControl& control, WPARAM what, LPARAM value);
    // Repaints part of the surface (form client pixels) with the labels over it.
    void InvalidateSurface(const RECT& area);
    // Opacity as the form asks for it; a contrast theme shows the window opaque meanwhile.
    void SetAlpha(std::uint8_t alpha);
    // The access keys' underlines show (keyboard cues, WM_UPDATEUISTATE).
    bool ShowsAccessKeys() const { return !hidesAccessKeys_; }

  private:
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    // Asks for a catch-up once the current message is done.
    void PostSync();
    // Moves and sizes the window as the form has it, in one call.
    void SyncPlacement();
    void Paint();
    void OnMouseButton(int button, WPARAM keys, LPARAM point);
    template <typename Handler>
    bool AsUserInput(Handler&& handler);
    void OnDpiChanged(int dpi, const RECT& suggested);
    // The window's size for the form's client size at a DPI.
    SIZE SizeAt(int dpi) const;
    // A contrast theme was turned on or off, or the system's colours changed.
    void OnContrastChange();
    void OnUiStateChange(WPARAM change);
    void FollowKeyboardCues();
    // WM_CONTEXTMENU from the window or one of its child windows.
    void OnContextMenu(HWND from, LPARAM screenPoint);
    // Whether the user's input in this window, which has the keyboard, may move the focus
    // that a screen reader follows.
    bool FocusMoves() const;
    // Puts the tab stops' child windows in Tab order, which dialog navigation follows.
    void OrderTabStops();
    // Gives the focused element's child window the keyboard focus while the window has it.
    void SyncFocus();
    // Esc and Enter as dialog navigation reports them (IDCANCEL, IDOK): true when it was one.
    bool OnDialogCommand(WPARAM command, LPARAM control);
    NativeControl* ControlByWindow(HWND window) const;
    NativeControl* ControlById(int id) const;

    WindowContext& context_;
    ui::Form& form_;
    int dpi_;
    bool destroyed_ = false;
    int userClicks_ = 0;
    bool keyUsed_ = false;  // the form used the last key pressed
    bool hidesAccessKeys_ = true;
    std::optional<std::uint8_t> alpha_;  // as the form asked, while layered
    UniqueWindow owner_;                 // outlives the window it owns
    UniqueWindow window_;
    Tooltips tooltips_;
    FormAccessibility accessibility_{form_};
    std::vector<std::unique_ptr<NativeControl>> controls_;  // in the form's element order
    std::map<const ui::Element*, NativeControl*> byElement_;
    std::map<UINT_PTR, ui::Timer*> timers_;
    std::vector<NativeControl*> pending_;  // changed since the last catch-up
    bool syncPosted_ = false;
    bool placePending_ = false;
    int shownLeft_ = 0;
    int shownTop_ = 0;
    int shownWidth_ = 0;  // the client size (twips) the window was last given
    int shownHeight_ = 0;
    std::wstring shownCaption_;
    ui::Colour shownBackColor_ = 0;
};

}  // namespace platform::win32
