// The two layouts of the window, the compact grid and the month view, and the switch between
// them; the lock that keeps the window where it is.
#include "calendar_window/frmcalendar.h"
#include "calendar_window/month_cells.h"
#include "settings/setting_values.h"
#include "settings/settings_store.h"

namespace {

// Twips the month view adds to the compact view's size, and how far its footer moves down.
constexpr int kWider = frmcalendar::kMonthWidth - frmcalendar::kCompactWidth;
constexpr int kTaller = frmcalendar::kMonthHeight - frmcalendar::kCompactHeight;
constexpr int kFooterDown = 1230;
// The top of the date line in the month view, where 回到今天 goes too.
constexpr int kDateLineTop = 3990;
constexpr int kFrameTop = 720;
constexpr int kGridInset = 60;

ui::Rect Moved(ui::Rect bounds, int right, int down) {
    bounds.Left += right;
    bounds.Top += down;
    return bounds;
}

}  // namespace

// The header stays, the marks keep to the right edge, the footer goes below the larger grid.
ui::Rect frmcalendar::MonthBounds(const ui::Element& element, const ui::Rect& compact) const {
    if (&element == &Label7 || &element == &Label6) {
        return Moved(compact, kWider, 0);
    }
    if (&element == &Label8) {
        return Moved(compact, kWider, kTaller);
    }
    if (&element == &lbldate || &element == &lblday || &element == &Label2) {
        return Moved(compact, 0, kFooterDown);
    }
    if (&element == &Label3) {
        return ui::Rect{kMonthWidth - 990, kDateLineTop, compact.Width, compact.Height};
    }
    if (&element == &Shape1) {
        return ui::Rect{compact.Left, kFrameTop, kMonthWidth - 2 * compact.Left,
                        month_view::kGridHeight + 2 * kGridInset};
    }
    return compact;
}

void frmcalendar::ApplyView() {
    const auto& elements = Elements();
    for (std::size_t i = 0; i < elements.size(); ++i) {
        ui::Element& element = *elements[i];
        element.SetBounds(monthView_ ? MonthBounds(element, compactBounds_[i]) : compactBounds_[i]);
    }
    SetClientSize(monthView_ ? kMonthWidth : kCompactWidth,
                  monthView_ ? kMonthHeight : kCompactHeight);
    grdmonth.SetVisible(monthView_);
    lblnumber.SetVisible(!monthView_);
    if (monthView_) {
        firstDayOfWeek_ = System().FirstDayOfWeek();
        SetFocus(&grdmonth);
        ShowMonthView();
    } else {
        SetFocus(nullptr);
        lblnotice.SetVisible(false);
    }
    // The day numbers' tips are kept only while they show.
    if (GetYear() != 0) {
        ShowDayTips();
    }
}

void frmcalendar::SetMonthView(bool month) {
    store_.WriteSetting(settings::kView, month ? "1" : "0");
    if (month == monthView_) {
        return;
    }
    const ui::Place from{Left(), Top()};
    const int fromWidth = ClientWidth();
    const int fromHeight = ClientHeight();
    monthView_ = month;
    ApplyView();
    const ui::Place to = ui::ResizedInside(System().Monitors(), from, fromWidth, fromHeight,
                                           ClientWidth(), ClientHeight());
    SetLeft(to.Left);
    SetTop(to.Top);
    if (ViewChanged) {
        ViewChanged();
    }
}

void frmcalendar::SetLocked(bool locked) {
    locked_ = locked;
    store_.WriteSetting(settings::kLocked, locked ? "1" : "0");
}

// The stored place is always the compact view's: the month view stands with its top-right
// corner where the compact view's would be, wholly inside the work area.
ui::Place frmcalendar::ViewPlace(ui::Place compact) const {
    if (!monthView_) {
        return compact;
    }
    return ui::ResizedInside(System().Monitors(), compact, kCompactWidth, kCompactHeight,
                             kMonthWidth, kMonthHeight);
}

ui::Place frmcalendar::CompactPlace() const {
    const ui::Place here{Left(), Top()};
    if (!monthView_) {
        return here;
    }
    return ui::SameTopRight(System().Monitors(), here, ClientWidth(), ClientHeight(),
                            kCompactWidth);
}
