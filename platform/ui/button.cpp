#include "platform/ui/button.h"

#include "platform/ui/form.h"

namespace ui {

Button::Button(Form& owner, std::string name, Rect bounds, std::string caption, Font font)
    : Element(owner, ElementKind::Button, std::move(name), -1, bounds),
      caption_(std::move(caption)),
      font_(std::move(font)) {}

bool Button::Default() const {
    return Owner().DefaultButton() == this;
}

void Button::SetDefault(bool isDefault) {
    if (isDefault) {
        Owner().SetDefaultButton(this);
    } else if (Default()) {
        Owner().SetDefaultButton(nullptr);
    }
}

bool Button::KeyDown(int key, int shift) {
    return PressedByKey(key, shift);
}

}  // namespace ui
