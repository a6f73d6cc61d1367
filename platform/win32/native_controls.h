// One native counterpart per element of a form: it creates what the element needs (a
// child window, or nothing for a shape), brings it up to date with the element after
// every change, and turns the user's input on it into the element's events.
//
// Child windows are not owned here: they die with their top-level window, which the
// FormWindow owns. After that, a control only waits to be freed and touches nothing.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/button.h"
#include "platform/ui/cell_grid.h"
#include "platform/ui/controls.h"
#include "platform/ui/list_box.h"
#include "platform/ui/text_box.h"
#include "platform/win32/gdi_handles.h"

namespace platform::win32 {

class FormWindow;

class NativeControl {
  public:
    NativeControl(FormWindow& owner, ui::Element& element)
        : owner_(owner), element_(element), placed_(element.Bounds()) {}
    NativeControl(const NativeControl&) = delete;
    NativeControl& operator=(const NativeControl&) = delete;
    virtual ~NativeControl() = default;

    HWND Handle() const { return handle_; }
    ui::Element& Element() const { return element_; }

    // Brings the native side up to the element's current state, repainting only what changed.
    virtual void Sync() = 0;
    // Places the control again when the element has moved since it was last placed.
    void SyncPlace();
    // Places the control for the window's (new) DPI or the element's new place.
    virtual void Layout();
    // Shows the pointer tip in the font for the window's (new) DPI.
    void RefreshToolTip();

    // Notifications the form routes to the control they concern.
    virtual void OnCommand(int /*code*/) {}
    // A scroll request with the 16-bit thumb position that comes with it.
    virtual void OnScroll(int /*request*/, int /*thumb*/) {}
    virtual void Measure(MEASUREITEMSTRUCT& /*item*/) {}
    virtual void Draw(const DRAWITEMSTRUCT& /*item*/) {}
    // The brush for a list that belongs to this control, or null.
    virtual HBRUSH ListBrush(HWND /*list*/) { return nullptr; }
    // The background of a system control that asks its parent for it, or null.
    virtual HBRUSH StaticBrush(HDC /*dc*/) { return nullptr; }
    // A message the control posted to the form for later (see FormWindow::PostToControl).
    virtual void OnPosted(WPARAM /*what*/, LPARAM /*value*/) {}
    // A contrast theme was turned on or off, or the system's colours changed (the window
    // repaints everything after).
    virtual void OnContrastChange() {}
    // The window began or stopped underlining access keys.
    virtual void OnAccessKeysShown() {}
    // A press at this point of the control closed a dropped list and counts as its click
    // (see ui::Element::ClickThroughOpenList).
    virtual void ClickedThrough(POINT client);
    // Where a part of an element drawn in parts lies, in client pixels (see
    // ui::AccessibleChildCount); nothing for an element that is one whole.
    virtual RECT PartArea(int /*part*/) const { return RECT{}; }

  protected:
    // WS_TABSTOP exactly for the model's tab stops: dialog navigation visits nothing else.
    DWORD TabStopStyle() const { return element_.TabStop() ? WS_TABSTOP : 0; }
    // Focus and key messages of a tab stop's window, alike for the program's own windows and
    // the system's scroll bars: true when handled, with the answer in result.
    bool HandleKeyboard(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Whether it draws a focus mark (see PaintFocusMark) when it has the focus.
    virtual bool MarksFocus() const { return false; }
    void RepaintFocusMark() const;
    // The element has the keyboard focus and the window shows it: it draws a focus mark.
    bool ShowsFocus() const;
    // The dotted focus mark just inside the control's client area.
    void PaintFocusMark(HDC dc) const;
    // Creates the system's control of the class at the element's place, a child clipping its
    // siblings and a tab stop as the element is; `style` adds the class's own styles.
    void CreateSystemControl(DWORD exStyle, const wchar_t* windowClass, const wchar_t* text,
                             DWORD style, int id);
    // For a system control: its messages pass through Subclassed first.
    void SubclassSystemControl();
    // Keys and focus go to the model ahead of the system's own handling; the rest is the
    // system's.
    virtual LRESULT Subclassed(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // Shows or hides the child window to match the element; true when it changed.
    bool SyncVisibility();
    // The tip of the element for the form's tooltip control.
    void SyncToolTip();

    FormWindow& owner_;
    ui::Element& element_;
    HWND handle_ = nullptr;
    bool shown_ = false;
    std::string toolTip_;

  private:
    ui::Rect placed_;       // the element's bounds when last placed
    bool keyUsed_ = false;  // the model used the last key pressed here

    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR data);
};

// A child window of one of the program's own classes (labels, colour boxes, the grid) that
// paints itself double-buffered and turns a press and release on one part of it into that
// part's click. Most are one part: the whole window.
class ClickableControl : public NativeControl {
  public:
    using NativeControl::NativeControl;
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  protected:
    void Create(const wchar_t* windowClass, const std::wstring& text, int id);
    virtual void Paint(HDC dc, const RECT& area) = 0;
    // The part under a point of the client area that takes clicks, or -1.
    virtual int PartAt(POINT client) const;
    // The user clicked the part (as the user: the model counts it as input).
    virtual void ClickPart(int part);
    // A screen reader's default action on the window itself (child 0) or one of its parts,
    // after the reader's call has returned.
    virtual void DefaultAction(WPARAM child);
    // The window got the keyboard focus.
    virtual void FocusTaken() {}
    // A point where the pointer passes through to what lies beneath (the window's surface).
    virtual bool Transparent(POINT /*client*/) const { return false; }

  private:
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    int pressed_ = -1;  // the part the left button went down on
};

class LabelControl final : public ClickableControl {
  public:
    LabelControl(FormWindow& owner, ui::Label& label, int id);
    void Sync() override;
    // Its caption may underline an access key.
    void OnAccessKeysShown() override;

  private:
    void Paint(HDC dc, const RECT& area) override;
    ui::Label& label_;
    std::wstring text_;
    ui::Colour foreColor_;
};

class PictureControl final : public ClickableControl {
  public:
    PictureControl(FormWindow& owner, ui::PictureBox& picture, int id);
    void Sync() override;

  private:
    void Paint(HDC dc, const RECT& area) override;
    bool MarksFocus() const override { return true; }
    ui::PictureBox& picture_;
    ui::Colour backColor_;
};

// The grid's cells and headings, drawn over the window's surface; each enabled cell is a
// part that takes clicks, has its own pointer tip and is a child for screen readers.
class CellGridControl final : public ClickableControl {
  public:
    CellGridControl(FormWindow& owner, ui::CellGrid& grid, int id);
    void Sync() override;
    void Layout() override;
    void ClickedThrough(POINT client) override;
    // A cell's rectangle.
    RECT PartArea(int part) const override;

  private:
    void Paint(HDC dc, const RECT& area) override;
    int PartAt(POINT client) const override;
    // The cell at a point, usable or not, or -1.
    int CellAt(POINT client) const;
    bool Transparent(POINT client) const override;
    void ClickPart(int part) override;
    void DefaultAction(WPARAM child) override;
    void FocusTaken() override;
    // Repaints the cells that differ from the ones last shown, or all of it.
    void InvalidateChanges();
    // One tip per enabled cell with a tip, while the grid shows.
    void SyncCellTips();

    ui::CellGrid& grid_;
    std::vector<ui::GridCell> cells_;
    std::vector<ui::GridHeading> headings_;
    std::size_t tippedCells_ = 0;  // cells that may have a tip tool
};

// Painted by the form; only tells it which pixels to repaint.
class ShapeControl final : public NativeControl {
  public:
    ShapeControl(FormWindow& owner, ui::Shape& shape);
    void Sync() override;
    // Repaints where it was and where it is now.
    void Layout() override;

  private:
    void Invalidate(const RECT& area);
    ui::Shape& shape_;
    RECT place_;
    bool visible_;
    ui::Colour fillColor_;
    ui::Colour borderColor_;
};

class ComboControl final : public NativeControl {
  public:
    ComboControl(FormWindow& owner, ui::ComboBox& box, int id);
    void Sync() override;
    void Layout() override;
    void OnCommand(int code) override;
    void Measure(MEASUREITEMSTRUCT& item) override;
    void Draw(const DRAWITEMSTRUCT& item) override;
    HBRUSH ListBrush(HWND list) override;
    void OnPosted(WPARAM what, LPARAM value) override;
    LRESULT Subclassed(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    int FieldHeight() const;
    int ItemHeight() const;
    void SyncItems();
    int EntryWidth(const std::string& entry) const;
    void FitListWidth();
    void PostChoice(int position);
    void RepaintAll();
    // The colours drawn, which a contrast theme replaces.
    COLORREF ForeColorRef() const;
    COLORREF BackColorRef() const;

    ui::ComboBox& box_;
    std::vector<std::string> items_;
    int widestEntry_ = 0;
    ui::Colour foreColor_;
    ui::Colour backColor_;
    bool choicePending_ = false;
    UniqueBrush listBrush_;
    COLORREF listBrushColour_ = 0;
};

class ScrollControl final : public NativeControl {
  public:
    ScrollControl(FormWindow& owner, ui::HScrollBar& bar, int id);
    void Sync() override;
    void OnScroll(int request, int thumb) override;

  private:
    bool MarksFocus() const override { return true; }
    // Draws the focus mark over what the bar paints.
    LRESULT Subclassed(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    // The native bar runs from low to high; a range set backwards is mirrored onto it.
    int Low() const;
    int High() const;
    int ToNative(int value) const;
    int FromNative(int position) const;
    // Moves the thumb; the bar repaints once it has finished its own mouse handling.
    void SetNativeState();

    ui::HScrollBar& bar_;
    int min_ = 0;
    int max_ = 0;
    int value_ = 0;
    bool synced_ = false;
};

class CheckBoxControl final : public NativeControl {
  public:
    CheckBoxControl(FormWindow& owner, ui::CheckBox& box, int id);
    void Sync() override;
    void Layout() override;
    void OnCommand(int code) override;
    HBRUSH StaticBrush(HDC dc) override;
    void OnContrastChange() override;

  private:
    void SetFont();

    ui::CheckBox& box_;
    std::wstring text_;
    bool checked_ = false;
    bool unthemed_ = false;
    UniqueBrush brush_;
    COLORREF brushColour_ = 0;
};

// The system's edit box, single-line, in a face that shows Chinese whatever it starts with.
// Its editing keys are its own; Tab, Enter, Esc, the F keys and Alt go on to the window. Text
// from an input method goes in whole, and every change reaches the model as the user's edit.
class TextControl final : public NativeControl {
  public:
    TextControl(FormWindow& owner, ui::TextBox& box, int id);
    void Sync() override;
    void Layout() override;
    void OnCommand(int code) override;

  private:
    LRESULT Subclassed(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    // The input method's finished text goes in at the caret, as typed.
    void InsertResult(HWND window);

    ui::TextBox& box_;
    bool settingText_ = false;  // the text comes from the model: no edit of the user's
};

// The system's list box; its keys go to the model, which moves the selection, and a choice
// with the mouse (or by typing a row's first letter) selects in the model.
class ListControl final : public NativeControl {
  public:
    ListControl(FormWindow& owner, ui::ListBox& list, int id);
    void Sync() override;
    void Layout() override;
    void OnCommand(int code) override;
    void OnPosted(WPARAM what, LPARAM value) override;
    // A row's rectangle, for screen readers.
    RECT PartArea(int part) const override;

  private:
    // A screen reader's choice of a row, as the user's.
    LRESULT Subclassed(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    void Choose(int position);

    ui::ListBox& list_;
    std::vector<std::string> rows_;
    bool choicePending_ = false;
};

// The system's push button, the default one drawn as such; a click, Space, Enter or its access
// key presses it in the model.
class ButtonControl final : public NativeControl {
  public:
    ButtonControl(FormWindow& owner, ui::Button& button, int id);
    void Sync() override;
    void Layout() override;
    void OnCommand(int code) override;

  private:
    void SetFont();

    ui::Button& button_;
    std::wstring text_;
    bool default_ = false;
};

// A face for text typed in Chinese, chosen before there is any text.
void SetChineseTextFont(const FormWindow& owner, HWND control, const ui::Font& font);

std::unique_ptr<NativeControl> CreateNativeControl(FormWindow& owner, ui::Element& element, int id);

}  // namespace platform::win32
