#include "platform/ui/element.h"

#include "platform/ui/form.h"

namespace ui {

Element::Element(Form& owner, ElementKind kind, std::string name, int index, Rect bounds)
    : owner_(owner), kind_(kind), name_(std::move(name)), index_(index), bounds_(bounds) {}

void Element::Changed() {
    owner_.ElementChanged(*this);
}

}  // namespace ui
