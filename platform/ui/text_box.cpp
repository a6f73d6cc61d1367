#include "platform/ui/text_box.h"

#include <algorithm>

#include "platform/ui/form.h"
#include "platform/ui/keys.h"
#include "platform/ui/window_system.h"

namespace ui {

std::string FirstCharacters(const std::string& text, int characters) {
    int counted = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        // A code point starts at every byte that is not a continuation byte.
        if ((static_cast<unsigned char>(text[at]) & 0xC0) != 0x80 && counted++ == characters) {
            return text.substr(0, at);
        }
    }
    return text;
}

bool TextBoxKeepsKey(int key, int shift) {
    constexpr int kFirstFunctionKey = 0x70;  // F1
    constexpr int kLastFunctionKey = 0x87;   // F24
    if ((shift & kAltMask) != 0) {
        return false;
    }
    switch (key) {
        case kKeyTab:
        case kKeyReturn:
        case kKeyEscape:
            return false;
        default:
            return key < kFirstFunctionKey || key > kLastFunctionKey;
    }
}

TextBox::TextBox(Form& owner, std::string name, Rect bounds, int maxLength, Font font)
    : Element(owner, ElementKind::TextBox, std::move(name), -1, bounds),
      maxLength_(std::max(1, maxLength)),
      font_(std::move(font)) {}

void TextBox::SetText(std::string text) {
    Assign(text_, FirstCharacters(text, maxLength_));
}

void TextBox::Edit(std::string text) {
    WindowSystem& system = Owner().System();
    const platform::EventEpoch::Scope event(system.Events());
    system.NoteUserInput();
    std::string cut = FirstCharacters(text, maxLength_);
    const bool changed = cut != text_;
    text_ = std::move(cut);
    // Told even when unchanged: a cut text must go back into the native box.
    Changed();
    if (changed && Change) {
        Change();
    }
}

bool TextBox::KeyDown(int key, int shift) {
    return TextBoxKeepsKey(key, shift);
}

}  // namespace ui
