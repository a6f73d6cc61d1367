// The element kinds the two windows use, with exactly the properties they read and write.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/element.h"

namespace ui {

enum class TextAlignment { Left, Centre };

// A windowless text over the window background (transparent), optionally framed.
class Label final : public Element {
  public:
    Label(Form& owner, std::string name, int index, Rect bounds, std::string caption,
          Colour foreColor, Font font, TextAlignment alignment = TextAlignment::Left);

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption) { Assign(caption_, std::move(caption)); }
    Colour ForeColor() const { return foreColor_; }
    void SetForeColor(Colour colour) { Assign(foreColor_, colour); }
    const Font& GetFont() const { return font_; }
    TextAlignment Alignment() const { return alignment_; }

  private:
    std::string caption_;
    Colour foreColor_;
    Font font_;
    TextAlignment alignment_;
};

// A drop-down list. Selecting an entry, by the user or from code, runs Click
// before the assignment returns.
class ComboBox final : public Element {
  public:
    ComboBox(Form& owner, std::string name, Rect bounds, std::string text, Colour foreColor,
             Colour backColor, Font font);

    void Clear();
    void AddItem(std::string text);
    // All the entries at once, none selected: one change for the window system to show.
    void SetItems(std::vector<std::string> items);
    int ListCount() const { return static_cast<int>(items_.size()); }
    // Fails with SubscriptOutOfRange outside 0..ListCount()-1.
    const std::string& List(int position) const;
    // -1 when nothing is selected.
    int ListIndex() const { return listIndex_; }
    // -1 or a valid position, else SubscriptOutOfRange; then runs Click.
    void SetListIndex(int position);
    // The selected entry's text, or the design text while nothing is selected.
    const std::string& Text() const;

    Colour ForeColor() const { return foreColor_; }
    void SetForeColor(Colour colour) { Assign(foreColor_, colour); }
    Colour BackColor() const { return backColor_; }
    const Font& GetFont() const { return font_; }

  private:
    std::vector<std::string> items_;
    int listIndex_ = -1;
    std::string text_;
    Colour foreColor_;
    Colour backColor_;
    Font font_;
};

// A horizontal slider. A new value, from the user or from code, runs Change.
class HScrollBar final : public Element {
  public:
    HScrollBar(Form& owner, std::string name, int index, Rect bounds, int value);

    int Min() const { return min_; }
    int Max() const { return max_; }
    int Value() const { return value_; }
    // Values outside Min..Max are brought to the nearer end.
    void SetValue(int value);
    void SetMin(int min);
    void SetMax(int max);
    int SmallChange() const { return smallChange_; }
    int LargeChange() const { return largeChange_; }
    void SetSteps(int smallChange, int largeChange);
    // The arrows move it by the small change, Page Up / Page Down by the large one, Home and
    // End to its ends, as the mouse does on its arrows, its track and at its ends.
    bool KeyDown(int key, int shift) override;

    std::function<void()> Change;

  private:
    void Clamp();
    int min_ = 0;
    int max_ = 32767;
    int value_;
    int smallChange_ = 1;
    int largeChange_ = 1;
};

// A rectangle: an outline, a fill, or both.
class Shape final : public Element {
  public:
    Shape(Form& owner, std::string name, int index, Rect bounds, bool filled, Colour fillColor,
          Colour borderColor);

    bool Filled() const { return filled_; }
    Colour FillColor() const { return fillColor_; }
    void SetFillColor(Colour colour) { Assign(fillColor_, colour); }
    Colour BorderColor() const { return borderColor_; }
    void SetBorderColor(Colour colour) { Assign(borderColor_, colour); }

  private:
    bool filled_;
    Colour fillColor_;
    Colour borderColor_;
};

// A plain coloured box that can be clicked.
class PictureBox final : public Element {
  public:
    PictureBox(Form& owner, std::string name, int index, Rect bounds, Colour backColor);

    Colour BackColor() const { return backColor_; }
    void SetBackColor(Colour colour) { Assign(backColor_, colour); }
    // Space and Enter click it, as a button.
    bool KeyDown(int key, int shift) override;

  private:
    Colour backColor_;
};

// A box with a caption that the user ticks and unticks. The user's click (or Space) turns it
// over and then runs Click; setting the value from code runs nothing, so a handler can put
// it back when what it stands for could not be changed.
class CheckBox final : public Element {
  public:
    CheckBox(Form& owner, std::string name, Rect bounds, std::string caption, Font font);
    // One of an element array.
    CheckBox(Form& owner, std::string name, int index, Rect bounds, std::string caption, Font font);

    const std::string& Caption() const { return caption_; }
    // A box that stands for what a record holds (one more reminder) says so.
    void SetCaption(std::string caption) { Assign(caption_, std::move(caption)); }
    const Font& GetFont() const { return font_; }
    bool Value() const { return value_; }
    void SetValue(bool checked) { Assign(value_, checked); }
    // What the user's click does.
    void Toggle();
    // Space does it too.
    bool KeyDown(int key, int shift) override;

  private:
    std::string caption_;
    Font font_;
    bool value_ = false;
};

}  // namespace ui
