#include "platform/ui/element.h"

#include "platform/ui/form.h"
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

void Element::Changed() {
    owner_.ElementChanged(*this);
}

}  // namespace ui
