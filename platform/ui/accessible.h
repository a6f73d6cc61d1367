// What a screen reader is told about an element: its role, its name and its state. Each
// window describes its own elements (Form::Accessible); the window system only passes it on.
#pragma once

#include <string>

namespace ui {

class Element;

// Table: an element drawn in parts, each of which is a child of its own.
// EditableText: its value is the text; List: its rows are its children, ListItem, each
// selected or not.
enum class AccessibleRole {
    StaticText,
    PushButton,
    ComboBox,
    Slider,
    Graphic,
    CheckBox,
    Table,
    EditableText,
    List,
    ListItem,
};

// What a push button does when a screen reader or the user's tool asks for its default action.
inline constexpr const char* kPressAction = "按下";

struct AccessibleInfo {
    AccessibleRole Role = AccessibleRole::StaticText;
    std::string Name;
    // Said after the name and role, as Windows says a pointer tip.
    std::string Description;
    // What the element shows as its value (a slider's "78%"); empty leaves it to the system.
    std::string Value;
    // The name of what a default action does, which is then the element's click; empty
    // leaves it to the system.
    std::string DefaultAction;
    bool Invisible = false;
    // Shown but out of use (a cell outside the years the calendar knows).
    bool Unavailable = false;
    // One of a group the user picks from (the days, the swatches), and whether it is the one.
    bool Selectable = false;
    bool Selected = false;
    // A check box is ticked.
    bool Checked = false;
    // A tab stop, and whether it has the window's keyboard focus. An element that is no tab
    // stop is focused when it stands for the window's focus (the framed day): the window
    // system then tells it focused while the window has the keyboard.
    bool Focusable = false;
    bool Focused = false;
    bool operator==(const AccessibleInfo&) const = default;
};

// The kind's own role and the text the element shows: a label reads as static text (a check
// box as a check box, ticked or not; a button as a push button pressed by "按下"), its
// access-key mark left out as Windows does ("月份&M" is "月份M"). A text box or a list is named
// by the label placed before it, and a text box's value is its text. Invisible while the element
// or its window is hidden; focusable when it is a tab stop.
AccessibleInfo DefaultAccessibleInfo(const Element& element);

// The caption of the label placed before the element, as a dialog names a box by the text
// before it: the nearest label ahead of it in the window's design order, without its mark.
std::string LabelBefore(const Element& element);

// How many parts of the element a screen reader hears as children of their own (a grid's
// cells, a list's rows); 0 for an element that is one whole.
int AccessibleChildCount(const Element& element);

// The same element told as a push button with its own name (a mark whose text is a symbol),
// pressed by its default action.
AccessibleInfo PushButton(const Element& element, std::string name);

}  // namespace ui
