#include "platform/ui/accessible.h"

#include "platform/ui/access_key.h"
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
        case ElementKind::TextBox:
            return AccessibleRole::EditableText;
        case ElementKind::ListBox:
            return AccessibleRole::List;
        case ElementKind::Button:
            return AccessibleRole::PushButton;
        case ElementKind::Shape:
        case ElementKind::PictureBox:
            break;
    }
    return AccessibleRole::Graphic;
}

// Whether an element names what follows it (a label does, as in a dialog).
bool NamesNext(ElementKind kind) {
    switch (kind) {
        case ElementKind::Label:
            return true;
        case ElementKind::ComboBox:
        case ElementKind::HScrollBar:
        case ElementKind::Shape:
        case ElementKind::PictureBox:
        case ElementKind::CheckBox:
        case ElementKind::CellGrid:
        case ElementKind::TextBox:
        case ElementKind::ListBox:
        case ElementKind::Button:
            break;
    }
    return false;
}

// A row of a list: selectable, and focused as the selected one of the focused list.
AccessibleInfo RowInfo(const ListBox& list, int row) {
    AccessibleInfo info;
    info.Role = AccessibleRole::ListItem;
    info.Name = list.Row(row);
    info.Invisible = !list.Visible() || !list.Owner().Visible();
    info.Selectable = true;
    info.Selected = list.SelectedIndex() == row;
    info.Focusable = true;
    info.Focused = info.Selected && list.Owner().Focused() == &list;
    return info;
}

}  // namespace

std::string LabelBefore(const Element& element) {
    const auto& elements = element.Owner().Elements();
    std::string name;
    for (const Element* other : elements) {
        if (other == &element) {
            break;
        }
        if (NamesNext(other->Kind())) {
            name = WithoutAccessKeyMark(static_cast<const Label*>(other)->Caption());
        }
    }
    return name;
}

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
        case ElementKind::TextBox:
            info.Name = LabelBefore(element);
            info.Value = static_cast<const TextBox&>(element).Text();
            info.Description = element.ToolTip();
            break;
        case ElementKind::ListBox:
            info.Name = LabelBefore(element);
            info.Description = element.ToolTip();
            break;
        case ElementKind::Button:
            info.Name = WithoutAccessKeyMark(static_cast<const Button&>(element).Caption());
            info.Description = element.ToolTip();
            info.DefaultAction = kPressAction;
            break;
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
        case ElementKind::ListBox:
            return static_cast<const ListBox&>(element).RowCount();
        case ElementKind::Label:
        case ElementKind::ComboBox:
        case ElementKind::HScrollBar:
        case ElementKind::Shape:
        case ElementKind::PictureBox:
        case ElementKind::CheckBox:
        case ElementKind::TextBox:
        case ElementKind::Button:
            break;
    }
    return 0;
}

AccessibleInfo Form::AccessibleChild(const Element& element, int child) const {
    switch (element.Kind()) {
        case ElementKind::CellGrid:
            return CellAccessibleInfo(static_cast<const CellGrid&>(element), child);
        case ElementKind::ListBox:
            return RowInfo(static_cast<const ListBox&>(element), child);
        case ElementKind::Label:
        case ElementKind::ComboBox:
        case ElementKind::HScrollBar:
        case ElementKind::Shape:
        case ElementKind::PictureBox:
        case ElementKind::CheckBox:
        case ElementKind::TextBox:
        case ElementKind::Button:
            break;
    }
    // An element of one whole has no parts to ask about.
    return DefaultAccessibleInfo(element);
}

}  // namespace ui
