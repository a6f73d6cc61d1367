// What a screen reader hears of the settings window: each slider by its group and channel,
// with the number shown beside it as its value, each swatch by its colour (the stored one
// selected), and the "×" mark by what it does.
#include <array>
#include <string>
#include <string_view>

#include "platform/conversions.h"
#include "settings/setting_values.h"
#include "settings_window/form1.h"

namespace {

constexpr std::array<std::string_view, 3> kChannels{"红", "绿", "蓝"};

struct ColourName {
    ui::Colour colour;
    std::string_view name;
};
constexpr std::array<ColourName, 8> kColourNames{{
    {ui::Rgb(255, 0, 0), "红色"},
    {ui::Rgb(0, 255, 0), "绿色"},
    {ui::Rgb(0, 0, 255), "蓝色"},
    {ui::Rgb(255, 255, 255), "白色"},
    {ui::Rgb(255, 255, 0), "黄色"},
    {ui::Rgb(255, 128, 0), "橙色"},
    {ui::Rgb(0, 255, 255), "青色"},
    {ui::Rgb(255, 0, 255), "品红色"},
}};

std::string NameOf(ui::Colour colour) {
    for (const ColourName& known : kColourNames) {
        if (known.colour == colour) {
            return std::string(known.name);
        }
    }
    return "";
}

}  // namespace

ui::AccessibleInfo Form1::Accessible(const ui::Element& element) const {
    ui::AccessibleInfo info = ui::DefaultAccessibleInfo(element);
    const int index = element.Index();
    if (&element == &Label8) {
        info = ui::PushButton(element, "关闭");
    } else if (&element == &HScroll1) {
        info.Name = Label1.Caption();
        info.Value = Label4.Caption();
    } else if (element.Name() == "HScroll2" || element.Name() == "HScroll3") {
        const ui::Label& group = element.Name() == "HScroll2" ? Label2 : Label3;
        info.Name = group.Caption() + " " + std::string(kChannels[static_cast<std::size_t>(index)]);
        // The number beside it, also before the first move has written it there.
        info.Value = platform::PlainText(static_cast<const ui::HScrollBar&>(element).Value());
    } else if (element.Name() == "Picture1") {
        const ui::Colour colour = Picture1[index].BackColor();
        info = ui::PushButton(element, NameOf(colour));
        info.Selectable = true;
        info.Selected = colour == settings::ReadNumber(store_, settings::kSetCol);
    }
    return info;
}
