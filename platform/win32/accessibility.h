// Screen readers on real windows: every element's child window answers WM_GETOBJECT with the
// system's own accessible object for it, told the role, name and state that the form gives
// its element; and the changes the form's model goes through are raised as WinEvents.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/ui/accessible_watch.h"
#include "platform/ui/form.h"

struct IDispatch;  // <oaidl.h>, which only the implementation needs

namespace platform::win32 {

// COM for this thread while the form's accessible objects may be handed out.
class ComApartment {
  public:
    ComApartment() = default;
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment();
    // Joins (or opens) the thread's apartment once; later calls do nothing.
    void Enter();

  private:
    bool entered_ = false;
};

class FormAccessibility;

// What an accessible object handed out for a window needs: the element it stands for, or
// none for the form's own window. The window's death clears it, and the objects a screen
// reader still holds then answer that they are disconnected.
struct AccessibleBinding {
    HWND window = nullptr;
    const ui::Element* element = nullptr;
    FormAccessibility* owner = nullptr;
    // Where a part of an element drawn in parts lies in the window's client pixels.
    std::function<RECT(int)> partArea;
};

// Posted to an element's own window by a screen reader's default action: the click runs once
// the reader's call has returned (a click may destroy the very window it asked). wParam is
// the child it names: 0 the element itself, k its part k - 1.
constexpr UINT kDefaultActionMessage = WM_APP + 16;

class FormAccessibility {
  public:
    explicit FormAccessibility(const ui::Form& form) : form_(form) {}
    FormAccessibility(const FormAccessibility&) = delete;
    FormAccessibility& operator=(const FormAccessibility&) = delete;
    ~FormAccessibility();

    // The element's child window answers screen readers from now on (nothing for no window).
    // The system's own controls (boxes, sliders) are subclassed for it; the program's own
    // windows pass WM_GETOBJECT to Answer from their procedure. An element drawn in parts
    // tells where each part lies.
    void Attach(HWND window, const ui::Element& element,
                std::function<RECT(int)> partArea = nullptr);
    // The form's own window answers too: its focus is the element that stands for it.
    void AttachForm(HWND window);
    // WM_GETOBJECT for an attached window of the program's own; 0 when it is not ours to answer.
    LRESULT Answer(HWND window, WPARAM wParam, LPARAM lParam);
    // Before the windows go: objects a screen reader still holds answer that they are gone.
    void DetachAll();
    // The window was shown or hidden: changes are told only of a window on the screen, from
    // what it showed first.
    void Shown(bool visible);
    // Raises the events for what changed in the form since the last call, while someone
    // listens. focusMoves: the user's own input in the window, which has the keyboard.
    void Announce(bool focusMoves);
    // The form's window got the keyboard: the element that stands for its focus has it.
    void AnnounceFocus();
    // An element drawn in parts got the keyboard: its focused part has it.
    void AnnouncePartFocus(const ui::Element& element);
    // A new reference to the object of the element that stands for the window's focus while
    // the window has the keyboard, or null.
    IDispatch* FocusedObject();

  private:
    struct Attached {
        FormAccessibility* owner;
        std::shared_ptr<AccessibleBinding> binding;
        bool subclassed;
    };
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                 UINT_PTR id, DWORD_PTR data);
    LRESULT AnswerFor(const std::shared_ptr<AccessibleBinding>& binding, WPARAM wParam);
    static void Detach(Attached& attached);
    // The attached element that stands for the window's focus and is shown, or null.
    const Attached* FocusStandIn() const;
    void Raise(DWORD event, const ui::Element* subject, LONG child = CHILDID_SELF) const;

    const ui::Form& form_;
    ComApartment apartment_;
    std::optional<ui::AccessibleWatch> watch_;
    std::vector<std::unique_ptr<Attached>> attached_;
    HWND formWindow_ = nullptr;
};

}  // namespace platform::win32
