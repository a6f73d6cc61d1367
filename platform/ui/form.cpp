#include "platform/ui/form.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "platform/ui/access_key.h"
#include "platform/ui/keys.h"
#include "platform/ui/placement.h"
#include "platform/ui/window_system.h"

namespace ui {

Form::Form(WindowSystem& system, std::string name, std::string caption, int clientWidth,
           int clientHeight, Colour backColor)
    : system_(system),
      name_(std::move(name)),
      caption_(std::move(caption)),
      clientWidth_(clientWidth),
      clientHeight_(clientHeight),
      backColor_(backColor) {}

Form::~Form() {
    Discard();
}

void Form::Discard() {
    if (loaded_) {
        loaded_ = false;
        visible_ = false;
        system_.DestroyNativeWindow(*this);
    }
}

void Form::SetLeft(int left) {
    if (left != left_) {
        left_ = left;
        if (loaded_) {
            system_.WindowChanged(*this);
        }
    }
}

void Form::SetClientSize(int width, int height) {
    if (width != clientWidth_ || height != clientHeight_) {
        clientWidth_ = width;
        clientHeight_ = height;
        if (loaded_) {
            system_.WindowChanged(*this);
        }
    }
}

void Form::SetTop(int top) {
    if (top != top_) {
        top_ = top;
        if (loaded_) {
            system_.WindowChanged(*this);
        }
    }
}

void Form::PositionChangedBySystem(int left, int top) {
    left_ = left;
    top_ = top;
}

Colour Form::ShownColour(const Element* /*element*/, ColourUse use, Colour own) const {
    return system_.HighContrast() ? ContrastColour(contrast_, use, own) : own;
}

void Form::SetBackColor(Colour colour) {
    if (colour != backColor_) {
        backColor_ = colour;
        if (loaded_) {
            system_.WindowChanged(*this);
        }
    }
}

void Form::Load() {
    if (loaded_) {
        return;
    }
    if (unloadedBefore_) {
        RestoreDesign();
    }
    loaded_ = true;
    if (!system_.CreateNativeWindow(*this)) {
        loaded_ = false;
        return;
    }
    for (Timer* timer : timers_) {
        if (timer->Interval() != 0) {
            system_.TimerChanged(*this, *timer);
        }
    }
    // As a dialog opens: ready for the keyboard at its first tab stop.
    const std::vector<Element*> order = TabOrder();
    SetFocus(order.empty() ? nullptr : order.front());
    OnLoad();
}

// Showing is one event, so the start of the program (which shows the calendar) is one.
void Form::Show() {
    const platform::EventEpoch::Scope event(system_.Events());
    Load();
    // The load handler may have unloaded the window again.
    if (!loaded_ || visible_) {
        return;
    }
    visible_ = true;
    system_.ShowNativeWindow(*this, true);
}

void Form::Hide() {
    if (!loaded_ || !visible_) {
        return;
    }
    visible_ = false;
    system_.ShowNativeWindow(*this, false);
}

void Form::Unload() {
    if (!loaded_) {
        return;
    }
    OnUnload();
    loaded_ = false;
    visible_ = false;
    unloadedBefore_ = true;
    system_.DestroyNativeWindow(*this);
}

void Form::RequestClose() {
    const platform::EventEpoch::Scope event(system_.Events());
    OnCloseRequest();
}

void Form::RequestActivate() {
    const platform::EventEpoch::Scope event(system_.Events());
    OnActivateRequest();
}

void Form::RaiseTimeChange() {
    const platform::EventEpoch::Scope event(system_.Events());
    OnTimeChange();
}

void Form::RaiseDisplayChange() {
    const platform::EventEpoch::Scope event(system_.Events());
    OnDisplayChange();
}

void Form::OnDisplayChange() {
    const Place place =
        KeepReachable(system_.Monitors(), Place{left_, top_}, clientWidth_, clientHeight_);
    SetLeft(place.Left);
    SetTop(place.Top);
}

void Form::RaiseMouseMove(int button, int shift, int x, int y) {
    const platform::EventEpoch::Scope event(system_.Events());
    OnMouseMove(button, shift, x, y);
}

void Form::RaiseNotifyEvent(NotifyEvent what) {
    const platform::EventEpoch::Scope event(system_.Events());
    OnNotifyEvent(what);
}

void Form::RaiseContextMenu(std::optional<Point> at) {
    const platform::EventEpoch::Scope event(system_.Events());
    system_.NoteUserInput();
    OnContextMenu(at);
}

void Form::RaiseMouseDown(int button, int shift, int x, int y) {
    const platform::EventEpoch::Scope event(system_.Events());
    system_.NoteUserInput();
    OnMouseDown(button, shift, x, y);
}

bool Form::RaiseKeyDown(int key, int shift) {
    const platform::EventEpoch::Scope event(system_.Events());
    system_.NoteUserInput();
    if (focused_ != nullptr && focused_->KeyDown(key, shift)) {
        return true;
    }
    const bool plain = (shift & (kCtrlMask | kAltMask)) == 0;
    if (key == kKeyTab && plain && MoveFocus((shift & kShiftMask) != 0)) {
        return true;
    }
    if (key == kKeyReturn && plain && defaultButton_ != nullptr && defaultButton_->Visible()) {
        defaultButton_->RaiseClick();
        return true;
    }
    if (OnKeyDown(key, shift)) {
        return true;
    }
    // As in a dialog: Alt with the key, or the key alone (a text box has kept its letters).
    return (shift == kAltMask || shift == 0) && PressAccessKey(key);
}

bool Form::PressAccessKey(int key) {
    if (key == 0) {
        return false;
    }
    for (auto at = elements_.begin(); at != elements_.end(); ++at) {
        Element& element = **at;
        if (!element.Visible()) {
            continue;
        }
        switch (element.Kind()) {
            case ElementKind::Button:
                if (AccessKeyOf(static_cast<Button&>(element).Caption()) == key) {
                    element.RaiseClick();
                    return true;
                }
                break;
            case ElementKind::Label:
                if (AccessKeyOf(static_cast<Label&>(element).Caption()) == key) {
                    const auto next = std::find_if(at + 1, elements_.end(), [](Element* e) {
                        return e->TabStop() && e->Visible();
                    });
                    if (next != elements_.end()) {
                        SetFocus(*next);
                        return true;
                    }
                }
                break;
            case ElementKind::CheckBox:
                if (AccessKeyOf(static_cast<CheckBox&>(element).Caption()) == key) {
                    SetFocus(element.TabStop() ? &element : focused_);
                    static_cast<CheckBox&>(element).Toggle();
                    return true;
                }
                break;
            case ElementKind::ComboBox:
            case ElementKind::HScrollBar:
            case ElementKind::Shape:
            case ElementKind::PictureBox:
            case ElementKind::CellGrid:
            case ElementKind::TextBox:
            case ElementKind::ListBox:
                break;
        }
    }
    return false;
}

void Form::SetDefaultButton(Button* button) {
    MoveMark(defaultButton_, button);  // the default frame
}

std::vector<Element*> Form::TabOrder() const {
    std::vector<Element*> order;
    std::copy_if(elements_.begin(), elements_.end(), std::back_inserter(order),
                 [](const Element* element) { return element->TabStop() && element->Visible(); });
    std::stable_sort(order.begin(), order.end(), [](const Element* a, const Element* b) {
        return a->TabIndex() < b->TabIndex();
    });
    return order;
}

void Form::SetFocus(Element* element) {
    MoveMark(focused_, element);
}

bool Form::MoveFocus(bool backwards) {
    const std::vector<Element*> order = TabOrder();
    if (order.empty()) {
        return false;
    }
    const auto count = static_cast<std::ptrdiff_t>(order.size());
    const auto at = std::find(order.begin(), order.end(), focused_) - order.begin();
    std::ptrdiff_t next = 0;
    if (at == count) {
        next = backwards ? count - 1 : 0;
    } else {
        next = (at + (backwards ? count - 1 : 1)) % count;
    }
    SetFocus(order[static_cast<std::size_t>(next)]);
    return true;
}

void Form::OnActivateRequest() {
    Show();
    if (visible_) {
        system_.Activate(*this);
    }
}

void Form::ElementChanged(Element& element) {
    if (loaded_) {
        system_.ElementChanged(*this, element);
    }
}

void Form::TimerChanged(Timer& timer) {
    if (loaded_) {
        system_.TimerChanged(*this, timer);
    }
}

}  // namespace ui
