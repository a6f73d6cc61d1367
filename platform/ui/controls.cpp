#include "platform/ui/controls.h"

#include <algorithm>

#include "platform/errors.h"
#include "platform/ui/form.h"
#include "platform/ui/keys.h"
#include "platform/ui/window_system.h"

namespace ui {

Label::Label(Form& owner, std::string name, int index, Rect bounds, std::string caption,
             Colour foreColor, Font font, TextAlignment alignment)
    : Element(owner, ElementKind::Label, std::move(name), index, bounds),
      caption_(std::move(caption)),
      foreColor_(foreColor),
      font_(std::move(font)),
      alignment_(alignment) {}

ComboBox::ComboBox(Form& owner, std::string name, Rect bounds, std::string text, Colour foreColor,
                   Colour backColor, Font font)
    : Element(owner, ElementKind::ComboBox, std::move(name), -1, bounds),
      text_(std::move(text)),
      foreColor_(foreColor),
      backColor_(backColor),
      font_(std::move(font)) {}

void ComboBox::Clear() {
    items_.clear();
    listIndex_ = -1;
    Changed();
}

void ComboBox::SetItems(std::vector<std::string> items) {
    items_ = std::move(items);
    listIndex_ = -1;
    Changed();
}

void ComboBox::AddItem(std::string text) {
    items_.push_back(std::move(text));
    Changed();
}

const std::string& ComboBox::List(int position) const {
    if (position < 0 || position >= ListCount()) {
        platform::Fail(platform::ErrorCode::SubscriptOutOfRange, "no such list entry");
    }
    return items_[static_cast<std::size_t>(position)];
}

void ComboBox::SetListIndex(int position) {
    if (position < -1 || position >= ListCount()) {
        platform::Fail(platform::ErrorCode::SubscriptOutOfRange, "no such list entry");
    }
    if (position != listIndex_) {
        listIndex_ = position;
        Changed();
    }
    // A choice from code runs the handler just as the user's choice does.
    RunClick();
}

const std::string& ComboBox::Text() const {
    return listIndex_ < 0 ? text_ : items_[static_cast<std::size_t>(listIndex_)];
}

HScrollBar::HScrollBar(Form& owner, std::string name, int index, Rect bounds, int value)
    : Element(owner, ElementKind::HScrollBar, std::move(name), index, bounds), value_(value) {}

void HScrollBar::SetValue(int value) {
    // A range set "backwards" (Min above Max) still bounds the value.
    value = std::clamp(value, std::min(min_, max_), std::max(min_, max_));
    if (value == value_) {
        return;
    }
    value_ = value;
    Changed();
    if (Change) {
        Change();
    }
}

void HScrollBar::SetMin(int min) {
    min_ = min;
    Changed();
    Clamp();
}

void HScrollBar::SetMax(int max) {
    max_ = max;
    Changed();
    Clamp();
}

void HScrollBar::Clamp() {
    SetValue(value_);
}

void HScrollBar::SetSteps(int smallChange, int largeChange) {
    smallChange_ = smallChange;
    largeChange_ = largeChange;
    Changed();
}

bool HScrollBar::KeyDown(int key, int /*shift*/) {
    // Towards Max is to the right, whichever way round the range was set.
    const int right = max_ >= min_ ? 1 : -1;
    switch (key) {
        case kKeyLeft:
        case kKeyUp:
            SetValue(value_ - right * smallChange_);
            return true;
        case kKeyRight:
        case kKeyDown:
            SetValue(value_ + right * smallChange_);
            return true;
        case kKeyPageUp:
            SetValue(value_ - right * largeChange_);
            return true;
        case kKeyPageDown:
            SetValue(value_ + right * largeChange_);
            return true;
        case kKeyHome:
            SetValue(min_);
            return true;
        case kKeyEnd:
            SetValue(max_);
            return true;
        default:
            return false;
    }
}

Shape::Shape(Form& owner, std::string name, int index, Rect bounds, bool filled, Colour fillColor,
             Colour borderColor)
    : Element(owner, ElementKind::Shape, std::move(name), index, bounds),
      filled_(filled),
      fillColor_(fillColor),
      borderColor_(borderColor) {}

PictureBox::PictureBox(Form& owner, std::string name, int index, Rect bounds, Colour backColor)
    : Element(owner, ElementKind::PictureBox, std::move(name), index, bounds),
      backColor_(backColor) {}

bool PictureBox::KeyDown(int key, int shift) {
    return PressedByKey(key, shift);
}

CheckBox::CheckBox(Form& owner, std::string name, Rect bounds, std::string caption, Font font)
    : CheckBox(owner, std::move(name), -1, bounds, std::move(caption), std::move(font)) {}

CheckBox::CheckBox(Form& owner, std::string name, int index, Rect bounds, std::string caption,
                   Font font)
    : Element(owner, ElementKind::CheckBox, std::move(name), index, bounds),
      caption_(std::move(caption)),
      font_(std::move(font)) {}

void CheckBox::Toggle() {
    SetValue(!value_);
    RaiseClick();
}

bool CheckBox::KeyDown(int key, int shift) {
    if (key != kKeySpace || (shift & (kCtrlMask | kAltMask)) != 0) {
        return false;
    }
    Toggle();
    return true;
}

void Timer::Fire() {
    const platform::EventEpoch::Scope event(owner_.System().Events());
    if (Tick) {
        Tick();
    }
}

void Timer::SetInterval(int milliseconds) {
    if (milliseconds == interval_) {
        return;
    }
    interval_ = milliseconds;
    owner_.TimerChanged(*this);
}

}  // namespace ui
