// A push button: its caption may carry an access key ("保存(&S)"), and one button of a window
// may be its default one, which Enter presses wherever the focus is (a text box included).
#pragma once

#include <string>

#include "platform/ui/element.h"

namespace ui {

class Button final : public Element {
  public:
    Button(Form& owner, std::string name, Rect bounds, std::string caption, Font font);

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption) { Assign(caption_, std::move(caption)); }
    const Font& GetFont() const { return font_; }
    // The window's default button; making one the default makes the former one an ordinary
    // button, so a window has at most one.
    bool Default() const;
    void SetDefault(bool isDefault);
    // Space and Enter press it, as a click does.
    bool KeyDown(int key, int shift) override;

  private:
    std::string caption_;
    Font font_;
};

}  // namespace ui
