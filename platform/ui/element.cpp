#include "platform/ui/element.h"

#include "platform/ui/form.h"
#include "platform/ui/keys.h"
#include "platform/ui/window_system.h"

namespace ui {

Element::Element(Form& owner, ElementKind kind, std::string name, int index, Rect bounds)
    : owner_(owner), kind_(kind), name_(std::move(name)), index_(index), bounds_(bounds) {}

void Element::RaiseClick() {
    WindowSystem& system = owner_.System();
    const platform::EventEpoch::Scope event(system.Events());
    system.NoteUserInput();
    RunClick();
}

bool Element::PressedByKey(int key, int shift) {
    if ((key != kKeySpace && key != kKeyReturn) || (shift & (kCtrlMask | kAltMask)) != 0) {
        return false;
    }
    RaiseClick();
    return true;
}

void Element::Changed() {
    owner_.ElementChanged(*this);
}

}  // namespace ui
