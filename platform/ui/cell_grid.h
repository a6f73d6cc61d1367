// A surface drawn in cells: one element whose parts are addressed by index, each with its
// place, texts, colours, pointer tip and what a screen reader hears of it. It knows nothing
// of what the cells stand for; the window fills them and handles their clicks.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/ui/accessible.h"
#include "platform/ui/contrast.h"
#include "platform/ui/element.h"

namespace ui {

struct GridCell {
    // Twips within the grid.
    Rect Bounds;
    // The large text at the top, centred; the smaller line under it; a small mark in the
    // top-right corner.
    std::string Text;
    std::string Detail;
    std::string Corner;
    Colour TextColour = 0;
    ColourUse TextUse = ColourUse::Text;
    Colour DetailColour = 0;
    ColourUse DetailUse = ColourUse::Text;
    Colour CornerColour = 0;
    ColourUse CornerUse = ColourUse::MarkedText;
    // A thin frame round the cell: the selected one.
    bool Framed = false;
    Colour FrameColour = 0;
    // A thicker rounded outline round the large text, which sets one cell apart (today)
    // without looking like the frame.
    bool Marked = false;
    Colour MarkColour = 0;
    // A small dot clear of the texts and the corner: the day is one of the user's own. What it
    // means is in the tip, for a screen reader too.
    bool Noted = false;
    Colour NoteColour = 0;
    // An unavailable cell is drawn empty and has no tip and no click.
    bool Enabled = true;
    // A hidden cell (a day the month lacks) is not drawn, takes no click and has no tip; a
    // screen reader finds it invisible.
    bool Visible = true;
    std::string ToolTip;
    // What a screen reader calls it (the text is all it says when empty).
    std::string AccessibleName;
    bool operator==(const GridCell&) const = default;
};

// A text drawn over the cells (a column heading), not a part of its own.
struct GridHeading {
    Rect Bounds;
    std::string Text;
    Colour TextColour = 0;
    ColourUse TextUse = ColourUse::Text;
    bool operator==(const GridHeading&) const = default;
};

// How a cell is drawn.
enum class CellLook {
    // Its text at the top, centred, inside its frame: a plain day number.
    Label,
    // The large text and the line under it as one block in the middle, a corner mark.
    Day,
};

class CellGrid final : public Element {
  public:
    // The cells' large text in font, the rest in smallFont.
    CellGrid(Form& owner, std::string name, Rect bounds, Font font, Font smallFont,
             CellLook look = CellLook::Day);

    CellLook Look() const { return look_; }
    const Font& GetFont() const { return font_; }
    const Font& SmallFont() const { return smallFont_; }

    int CellCount() const { return static_cast<int>(cells_.size()); }
    // SubscriptOutOfRange outside 0..CellCount()-1.
    const GridCell& Cell(int index) const;
    const std::vector<GridCell>& Cells() const { return cells_; }
    void SetCells(std::vector<GridCell> cells) { Assign(cells_, std::move(cells)); }
    // One cell anew (SubscriptOutOfRange outside 0..CellCount()-1).
    void SetCell(int index, GridCell cell);
    // One cell changed in place (SubscriptOutOfRange outside 0..CellCount()-1); told as a
    // change even when the edit changed nothing: the window catches up once anyway.
    template <typename Edit>
    void EditCell(int index, Edit&& edit) {
        Cell(index);
        edit(cells_[static_cast<std::size_t>(index)]);
        Changed();
    }
    const std::vector<GridHeading>& Headings() const { return headings_; }
    void SetHeadings(std::vector<GridHeading> headings) { Assign(headings_, std::move(headings)); }

    // The click event of a cell; the window wires its handler here.
    std::function<void(int)> CellClick;
    // Whether a cell is there to be clicked and pointed at: shown and available.
    bool Usable(int index) const;
    // A click by the user on a usable cell (nothing for another index): input, as an
    // element's click is.
    void RaiseCellClick(int index);
    // The keys are the window's: the grid only holds the focus for it.
    bool KeyDown(int /*key*/, int /*shift*/) override { return false; }

  private:
    CellLook look_;
    Font font_;
    Font smallFont_;
    std::vector<GridCell> cells_;
    std::vector<GridHeading> headings_;
};

// A cell as a screen reader hears it: a push button named by the window, described by its
// tip, selectable and selected while framed (and then standing for the window's focus, as
// the focused item of a list), unavailable when disabled, invisible while hidden.
AccessibleInfo CellAccessibleInfo(const CellGrid& grid, int index);

}  // namespace ui
