// The settings window's design: every element with its place, value and colours, and the
// way back to that design when a closed window is opened again.
#include "settings_window/form1.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>

namespace {

using ui::Rect;
using ui::Rgb;

// System colour 4, the menu background, whatever the user's colour scheme makes of it.
constexpr ui::Colour kMenuBackground = ui::SystemColour(4);
constexpr ui::Colour kBlack = Rgb(0, 0, 0);
constexpr int kClientWidth = 3015;
constexpr int kClientHeight = 3975;

const ui::Font kDefaultFont{"MS Sans Serif", 8.25, false};
const ui::Font kCloseMarkFont{"宋体", 14.25, false};

// A slider's range before the load handler sets it.
constexpr int kDesignMin = 0;
constexpr int kDesignMax = 32767;
constexpr int kDesignTransparency = 150;

// The three rows of a colour group, and what each row shows at design.
constexpr std::array<int, 3> kMainRowTops{960, 1200, 1440};
constexpr std::array<int, 3> kSecondaryRowTops{2040, 2280, 2520};
constexpr std::array<ui::Colour, 3> kPreviewDesign{Rgb(0, 255, 255), Rgb(255, 0, 255),
                                                   Rgb(255, 255, 0)};
constexpr std::array<std::string_view, 3> kMainValueDesign{"R：", "G:", "B:"};
constexpr std::array<std::string_view, 3> kSecondaryValueDesign{"R:", "G:", "B:"};

// The Sunday colour swatches by index; orange was added last, so it sits out of order.
struct Swatch {
    int left;
    ui::Colour colour;
};
constexpr std::array<Swatch, 8> kSwatches{{
    {120, Rgb(255, 0, 0)},
    {480, Rgb(0, 255, 0)},
    {840, Rgb(0, 0, 255)},
    {1200, Rgb(255, 255, 255)},
    {1560, Rgb(255, 255, 0)},
    {2280, Rgb(0, 255, 255)},
    {2640, Rgb(255, 0, 255)},
    {1920, Rgb(255, 128, 0)},
}};
constexpr int kSwatchTop = 3240;
constexpr int kSwatchSize = 255;
constexpr int kSwatchSpacing = 360;

// Tab order, top to bottom and left to right: the transparency, the main colour's sliders,
// the secondary colour's, the swatches by place, and last the start-at-log-on box.
constexpr int kFirstMainSlider = 1;
constexpr int kFirstSecondarySlider = 4;
constexpr int kFirstSwatch = 7;
constexpr int kStartAtLogOn = kFirstSwatch + 8;

}  // namespace

Form1::Form1(ui::WindowSystem& system, SettingsStore& store, CalendarOperations& calendar,
             platform::StartAtLogOn& startAtLogOn)
    : ui::Form(system, "Form1", "设置", kClientWidth, kClientHeight, kMenuBackground),
      Label1(*this, "Label1", -1, Rect{120, 120, 735, 255}, "透明度", kBlack, kDefaultFont),
      Shape4(*this, "Shape4", -1, Rect{120, 360, 255, 255}, true, kBlack, kBlack),
      HScroll1(*this, "HScroll1", -1, Rect{360, 360, 2175, 255}, kDesignTransparency),
      Label4(*this, "Label4", -1, Rect{2640, 360, 375, 255}, "%", kBlack, kDefaultFont),
      Label2(*this, "Label2", -1, Rect{120, 720, 975, 255}, "主字体颜色", kBlack, kDefaultFont),
      Label3(*this, "Label3", -1, Rect{120, 1800, 975, 255}, "副字体颜色", kBlack, kDefaultFont),
      Label7(*this, "Label7", -1, Rect{120, 2880, 1335, 255}, "星期日字体颜色", kBlack,
             kDefaultFont),
      Shape3(*this, "Shape3", -1, Rect{120, 3120, 2775, 45}, true, kBlack, kBlack),
      Label8(*this, "Label8", -1, Rect{2760, 0, 255, 255}, "×", kBlack, kCloseMarkFont),
      Check1(*this, "Check1", Rect{120, 3600, 1335, 255}, "开机时启动", kDefaultFont),
      Check2(*this, "Check2", Rect{1560, 3600, 1335, 255}, "完整月历", kDefaultFont),
      store_(store),
      calendar_(calendar),
      startAtLogOn_(startAtLogOn) {
    // Its captions stand on the menu colour, so a contrast theme gives them the menu's text.
    SetContrastColours(ui::kMenuContrast);
    HScroll1.SetSteps(1, 5);
    HScroll1.SetTabIndex(0);
    for (int i = 0; i < 3; ++i) {
        const int top = kMainRowTops[static_cast<std::size_t>(i)];
        Shape1.Add(*this, "Shape1", i, Rect{120, top, 255, 255}, true,
                   kPreviewDesign[static_cast<std::size_t>(i)], kBlack);
        HScroll2.Add(*this, "HScroll2", i, Rect{360, top, 2175, 255}, 0).SetSteps(1, 1);
        HScroll2[i].SetTabIndex(kFirstMainSlider + i);
        Label5.Add(*this, "Label5", i, Rect{2640, top, 375, 255},
                   std::string(kMainValueDesign[static_cast<std::size_t>(i)]), kBlack,
                   kDefaultFont);
    }
    for (int i = 0; i < 3; ++i) {
        const int top = kSecondaryRowTops[static_cast<std::size_t>(i)];
        Shape2.Add(*this, "Shape2", i, Rect{120, top, 255, 255}, true,
                   kPreviewDesign[static_cast<std::size_t>(i)], kBlack);
        HScroll3.Add(*this, "HScroll3", i, Rect{360, top, 2175, 255}, 0).SetSteps(1, 1);
        HScroll3[i].SetTabIndex(kFirstSecondarySlider + i);
        Label6.Add(*this, "Label6", i, Rect{2640, top, 495, 255},
                   std::string(kSecondaryValueDesign[static_cast<std::size_t>(i)]), kBlack,
                   kDefaultFont);
    }
    for (int i = 0; i < static_cast<int>(kSwatches.size()); ++i) {
        const Swatch& swatch = kSwatches[static_cast<std::size_t>(i)];
        Picture1.Add(*this, "Picture1", i, Rect{swatch.left, kSwatchTop, kSwatchSize, kSwatchSize},
                     swatch.colour);
        Picture1[i].SetTabIndex(kFirstSwatch + (swatch.left - kSwatches[0].left) / kSwatchSpacing);
    }
    Check1.SetTabIndex(kStartAtLogOn);
    Check2.SetTabIndex(kStartAtLogOn + 1);

    AddElement(Label1);
    AddElement(Shape4);
    AddElement(HScroll1);
    AddElement(Label4);
    AddElement(Label2);
    AddElements(Shape1);
    AddElements(HScroll2);
    AddElements(Label5);
    AddElement(Label3);
    AddElements(Shape2);
    AddElements(HScroll3);
    AddElements(Label6);
    AddElement(Label7);
    AddElement(Shape3);
    AddElements(Picture1);
    AddElement(Label8);
    AddElement(Check1);
    AddElement(Check2);

    WireEvents();
}

void Form1::RestoreDesign() {
    Shape4.SetFillColor(kBlack);
    SetSliderQuietly(HScroll1, kDesignMin, kDesignMax, kDesignTransparency);
    Label4.SetCaption("%");
    for (int i = 0; i < 3; ++i) {
        const auto row = static_cast<std::size_t>(i);
        Shape1[i].SetFillColor(kPreviewDesign[row]);
        SetSliderQuietly(HScroll2[i], kDesignMin, kDesignMax, 0);
        Label5[i].SetCaption(std::string(kMainValueDesign[row]));
        Shape2[i].SetFillColor(kPreviewDesign[row]);
        SetSliderQuietly(HScroll3[i], kDesignMin, kDesignMax, 0);
        Label6[i].SetCaption(std::string(kSecondaryValueDesign[row]));
    }
    Shape3.SetFillColor(kBlack);
}

void Form1::SetSliderQuietly(ui::HScrollBar& slider, int min, int max, int value) {
    auto handler = std::exchange(slider.Change, nullptr);
    slider.SetMin(min);
    slider.SetMax(max);
    slider.SetValue(value);
    slider.Change = std::move(handler);
}
