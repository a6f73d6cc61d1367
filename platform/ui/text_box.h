// A single-line text box. The text the user leaves in it runs Change; setting it from code
// runs nothing (a window filling in a record has not changed it).
#pragma once

#include <functional>
#include <string>

#include "platform/ui/element.h"

namespace ui {

class TextBox final : public Element {
  public:
    // At most maxLength characters (code points), at least 1.
    TextBox(Form& owner, std::string name, Rect bounds, int maxLength, Font font);

    const std::string& Text() const { return text_; }
    // Cut to MaxLength; runs nothing.
    void SetText(std::string text);
    int MaxLength() const { return maxLength_; }
    const Font& GetFont() const { return font_; }

    // The user's edit (typing, pasting, an input method's result) left this text in the box:
    // cut to MaxLength, and Change runs when it differs from what the box held.
    void Edit(std::string text);
    // The keys the box keeps for its own editing: everything but Tab, Enter, Esc, the F keys
    // and Alt with a key, which go on to the window.
    bool KeyDown(int key, int shift) override;

    std::function<void()> Change;

  private:
    std::string text_;
    int maxLength_;
    Font font_;
};

// Whether a text box keeps a key (ui::Key, ui::ShiftState) for its own editing.
bool TextBoxKeepsKey(int key, int shift);

// The text cut to at most `characters` code points, never inside one.
std::string FirstCharacters(const std::string& text, int characters);

}  // namespace ui
