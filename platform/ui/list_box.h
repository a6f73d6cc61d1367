// A list of rows of text, one of them selected or none. A new selection, by the user or from
// code, runs SelectionChange before the assignment returns; Delete pressed in the list runs
// DeleteKey, which leaves what to remove to the window.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/ui/element.h"

namespace ui {

class ListBox final : public Element {
  public:
    ListBox(Form& owner, std::string name, Rect bounds, Font font);

    int RowCount() const { return static_cast<int>(rows_.size()); }
    // Fails with SubscriptOutOfRange outside 0..RowCount()-1.
    const std::string& Row(int position) const;
    const std::vector<std::string>& Rows() const { return rows_; }
    // Replaces the rows. The selected row stays selected where it still is (by its text, the
    // nearest of equal rows), else the row now at its place or the last; SelectionChange runs
    // when that selects another row or text.
    void SetRows(std::vector<std::string> rows);

    // -1 when nothing is selected.
    int SelectedIndex() const { return selected_; }
    // -1 or a valid position, else SubscriptOutOfRange; runs SelectionChange when it changed.
    void SetSelectedIndex(int position);
    const Font& GetFont() const { return font_; }

    // The arrows, Home and End move the selection (from none, the first or the last row);
    // Delete runs DeleteKey.
    bool KeyDown(int key, int shift) override;

    std::function<void()> SelectionChange;
    std::function<void()> DeleteKey;

  private:
    void Select(int position, bool textChanged);

    std::vector<std::string> rows_;
    int selected_ = -1;
    Font font_;
};

}  // namespace ui
