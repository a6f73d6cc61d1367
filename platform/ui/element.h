// The base of every element a window shows: place, visibility, pointer tip and click.
#pragma once

#include <functional>
#include <string>

#include "platform/ui/types.h"

namespace ui {

class Form;

enum class ElementKind {
    Label,
    ComboBox,
    HScrollBar,
    Shape,
    PictureBox,
    CheckBox,
    CellGrid,
    TextBox,
    ListBox,
    Button,
};

class Element {
  public:
    Element(const Element&) = delete;
    Element& operator=(const Element&) = delete;
    virtual ~Element() = default;

    ElementKind Kind() const { return kind_; }
    const std::string& Name() const { return name_; }
    // Position within an element array, -1 for a lone element.
    int Index() const { return index_; }
    // Twips within the window's client area.
    const Rect& Bounds() const { return bounds_; }
    // Moves it (a window with two layouts).
    void SetBounds(const Rect& bounds) { Assign(bounds_, bounds); }
    Form& Owner() const { return owner_; }

    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { Assign(visible_, visible); }
    const std::string& ToolTip() const { return toolTip_; }
    void SetToolTip(std::string tip) { Assign(toolTip_, std::move(tip)); }

    // A press on it that closes an open drop-down list is its click too (as for the day
    // numbers, which a dropped list may not cover); elsewhere that press only closes the list.
    bool ClickThroughOpenList() const { return clickThroughOpenList_; }
    void SetClickThroughOpenList(bool through) { clickThroughOpenList_ = through; }

    // Its place in the window's Tab order, set at design; -1 (the default) leaves it out. The
    // numbers need not follow each other, so an element added later slots in by its number.
    int TabIndex() const { return tabIndex_; }
    void SetTabIndex(int tabIndex) { tabIndex_ = tabIndex; }
    bool TabStop() const { return tabIndex_ >= 0; }
    // A key (ui::Key, ui::ShiftState) pressed while it has the keyboard focus; true when it
    // used the key. It does with a key what the mouse does with it, through the same events.
    virtual bool KeyDown(int /*key*/, int /*shift*/) { return false; }

    // The click event; the window wires its handler here.
    std::function<void()> Click;
    // A click by the user (or a test standing in for one): an event of its own, and input
    // that keeps the calendar from going back to today at the next minute.
    void RaiseClick();

  protected:
    // Space or Enter without Ctrl or Alt clicks it, as the user's click: true when it did.
    bool PressedByKey(int key, int shift);
    // The handler alone, for a click made by code (a list entry chosen from code).
    void RunClick() {
        if (Click) {
            Click();
        }
    }

    Element(Form& owner, ElementKind kind, std::string name, int index, Rect bounds);

    // Stores a property and tells the window system when it really changed.
    template <typename T, typename U>
    void Assign(T& field, U&& value) {
        if (field == value) {
            return;
        }
        field = std::forward<U>(value);
        Changed();
    }
    void Changed();

  private:
    Form& owner_;
    ElementKind kind_;
    std::string name_;
    int index_;
    Rect bounds_;
    bool visible_ = true;
    bool clickThroughOpenList_ = false;
    int tabIndex_ = -1;
    std::string toolTip_;
};

}  // namespace ui
