#include "platform/ui/accessible.h"

#include "platform/ui/cell_grid.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"

namespace ui {
namespace {

AccessibleRole RoleOf(ElementKind kind) {
    switch (kind) {
        case ElementKind::Label:
            return AccessibleRole::StaticText;
        case ElementKind::ComboBox:
            return AccessibleRole::ComboBox;
        case ElementKind::HScrollBar:
            return AccessibleRole::Slider;
        case ElementKind::CheckBox:
            return AccessibleRole::CheckBox;
        case ElementKind::CellGrid:
            return AccessibleRole::Table;
        case ElementKind::Shape:
        case ElementKind::PictureBox:
            break;
    }
    return AccessibleRole::Graphic;
}

// "&&" stands for one "&"; a single "&" only marks the access key.
std::string WithoutAccessKeyMark(const std::string& caption) {
    std::string text;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            ++i;
        }
        if (i < caption.size()) {
            text += caption[i];
        }
    }
    return text;
}

}  // namespace

AccessibleInfo DefaultAccessibleInfo(const Element& element) {
    AccessibleInfo info;
    info.Role = RoleOf(element.Kind());
    switch (element.Kind()) {
        case ElementKind::Label:
            info.Name = WithoutAccessKeyMark(static_cast<const Label&>(element).Caption());
            break;
        case ElementKind::CheckBox: {
            const auto& box = static_cast<const CheckBox&>(element);
            info.Name = WithoutAccessKeyMark(box.Caption());
            info.Checked = box.Value();
            break;
        }
        case ElementKind::ComboBox:
        case ElementKind::HScrollBar:
        case ElementKind::Shape:
        case ElementKind::PictureBox:
        case ElementKind::CellGrid:
            break;
    }
    info.Invisible = !element.Visible() || !element.Owner().Visible();
    info.Focusable = element.TabStop();
    info.Focused = element.Owner().Focused() == &element;
    return info;
}

AccessibleInfo PushButton(const Element& element, std::string name) {
    AccessibleInfo info = DefaultAccessibleInfo(element);
    info.Role = AccessibleRole::PushButton;
    info.Name = std::move(name);
    info.DefaultAction = kPressAction;
    return info;
}

AccessibleInfo Form::Accessible(const Element& element) const {
    return DefaultAccessibleInfo(element);
}

int AccessibleChildCount(const Element& element) {
    switch (element.Kind()) {
        case ElementKind::CellGrid:
            return static_cast<const CellGrid&>(element).CellCount();
        case ElementKind::Label:
        case ElementKind::ComboBox:
        case ElementKind::HScrollBar:
        case ElementKind::Shape:
        case ElementKind::PictureBox:
        case ElementKind::CheckBox:
            break;
    }
    return 0;
}

AccessibleInfo Form::AccessibleChild(const Element& element, int child) const {
    return CellAccessibleInfo(static_cast<const CellGrid&>(element), child);
}

}  // namespace ui
