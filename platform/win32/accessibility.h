// Screen readers on real windows: every element's child window answers WM_GETOBJECT with the
// system's own accessible object for it, told the role, name and state that the form gives
// its element; and the changes the form's model goes through are raised as WinEvents.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <vector>

#include "platform/ui/accessible_watch.h"
#include "platform/ui/form.h"

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

// What an accessible object handed out for a child window needs; the window's death clears
// it, and the objects a screen reader still holds then answer that they are disconnected.
struct AccessibleBinding {
    HWND window = nullptr;
    const ui::Element* element = nullptr;
};

class FormAccessibility {
  public:
    explicit FormAccessibility(const ui::Form& form) : form_(form) {}
    FormAccessibility(const FormAccessibility&) = delete;
    FormAccessibility& operator=(const FormAccessibility&) = delete;
    ~FormAccessibility();

    // The element's child window answers screen readers from now on (nothing for no window).
    // The system's own controls (boxes, sliders) are subclassed for it; the program's own
    // windows pass WM_GETOBJECT to Answer from their procedure.
    void Attach(HWND window, const ui::Element& element);
    // WM_GETOBJECT for an attached window of the program's own; 0 when it is not ours to answer.
    LRESULT Answer(HWND window, WPARAM wParam, LPARAM lParam);
    // Before the windows go: objects a screen reader still holds answer that they are gone.
    void DetachAll();
    // Raises the events for what changed in the form since the last call, once a screen
    // reader has asked for one of its objects: until then nobody is listening.
    void Announce();

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

    const ui::Form& form_;
    ComApartment apartment_;
    std::optional<ui::AccessibleWatch> watch_;
    std::vector<std::unique_ptr<Attached>> attached_;
};

}  // namespace platform::win32
