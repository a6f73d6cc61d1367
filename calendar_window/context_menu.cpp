// The window's small menu: what its marks do, for the keyboard and the right button.
#include <array>
#include <string>
#include <vector>

#include "calendar_window/frmcalendar.h"

namespace {

struct MenuItem {
    const char* Text;
    void (frmcalendar::*Action)();
};

}  // namespace

void frmcalendar::ShowContextMenu(std::optional<ui::Point> at) {
    static constexpr std::array<MenuItem, 4> kItems{{{"回到今天", &frmcalendar::Label3_Click},
                                                     {"设置", &frmcalendar::Label8_Click},
                                                     {"最小化", &frmcalendar::Label7_Click},
                                                     {"关闭", &frmcalendar::Label6_Click}}};
    std::vector<ui::MenuItem> texts;
    for (const MenuItem& item : kItems) {
        texts.push_back({item.Text});
    }
    const int chosen = System().ShowMenu(*this, texts, at);
    if (chosen >= 0 && chosen < static_cast<int>(kItems.size())) {
        (this->*kItems[static_cast<std::size_t>(chosen)].Action)();
    }
}

void frmcalendar::OnContextMenu(std::optional<ui::Point> at) {
    if (!at) {
        const unsigned shown = static_cast<unsigned>(ShownDate().day());
        const ui::Rect day = lblnumber[static_cast<int>(shown) - 1].Bounds();
        at = ui::Point{day.Left, day.Bottom()};
    }
    ShowContextMenu(at);
}
