#include "platform/ui/list_box.h"

#include <algorithm>
#include <cstdlib>

#include "platform/errors.h"
#include "platform/ui/keys.h"

namespace ui {

ListBox::ListBox(Form& owner, std::string name, Rect bounds, Font font)
    : Element(owner, ElementKind::ListBox, std::move(name), -1, bounds), font_(std::move(font)) {}

const std::string& ListBox::Row(int position) const {
    if (position < 0 || position >= RowCount()) {
        platform::Fail(platform::ErrorCode::SubscriptOutOfRange, "no such row");
    }
    return rows_[static_cast<std::size_t>(position)];
}

void ListBox::SetRows(std::vector<std::string> rows) {
    const int before = selected_;
    const std::string text = before >= 0 ? rows_[static_cast<std::size_t>(before)] : "";
    rows_ = std::move(rows);
    int keep = -1;
    if (before >= 0) {
        for (int i = 0; i < RowCount(); ++i) {
            if (rows_[static_cast<std::size_t>(i)] == text &&
                (keep < 0 || std::abs(i - before) < std::abs(keep - before))) {
                keep = i;
            }
        }
        if (keep < 0) {
            keep = std::min(before, RowCount() - 1);
        }
    }
    // The position may not have moved while the row there is another.
    selected_ = -1;
    Changed();
    Select(keep, keep != before || (keep >= 0 && Row(keep) != text));
}

void ListBox::SetSelectedIndex(int position) {
    if (position < -1 || position >= RowCount()) {
        platform::Fail(platform::ErrorCode::SubscriptOutOfRange, "no such row");
    }
    Select(position, position != selected_);
}

void ListBox::Select(int position, bool changed) {
    if (position != selected_) {
        selected_ = position;
        Changed();
    }
    if (changed && SelectionChange) {
        SelectionChange();
    }
}

bool ListBox::KeyDown(int key, int shift) {
    if ((shift & (kCtrlMask | kAltMask)) != 0) {
        return false;
    }
    const int last = RowCount() - 1;
    switch (key) {
        case kKeyUp:
            if (last >= 0) {
                SetSelectedIndex(selected_ < 0 ? last : std::max(0, selected_ - 1));
            }
            return true;
        case kKeyDown:
            if (last >= 0) {
                SetSelectedIndex(std::min(last, selected_ + 1));
            }
            return true;
        case kKeyHome:
            if (last >= 0) {
                SetSelectedIndex(0);
            }
            return true;
        case kKeyEnd:
            SetSelectedIndex(last);
            return true;
        case kKeyDelete:
            if (DeleteKey) {
                DeleteKey();
            }
            return true;
        default:
            return false;
    }
}

}  // namespace ui
