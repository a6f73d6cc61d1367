// The settings window's handlers: each applies its change to the calendar window first and
// then stores it, so the calendar never shows a value that the store would not give back.
#include "settings_window/form1.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "platform/conversions.h"
#include "platform/start_at_log_on.h"
#include "platform/ui/keys.h"
#include "platform/ui/placement.h"
#include "settings/setting_values.h"
#include "settings/settings_store.h"

namespace {

// The window opens this far (a size, so it scales with the DPI) below the calendar's top.
constexpr int kBelowCalendar = 3250;
constexpr int kMinAlpha = 50;
constexpr int kMaxAlpha = 255;
constexpr int kMaxComponent = 255;

// The slider values of a colour group; the colour component of each is 255 - value.
struct SliderValues {
    int r;
    int g;
    int b;
};

std::int16_t Component(int sliderValue) {
    return static_cast<std::int16_t>(kMaxComponent - sliderValue);
}

// Reads all three sliders afresh, whichever of them changed, and shows their values and
// previews (white at 0, cyan, magenta or yellow at 255).
SliderValues ShowSliderValues(const ui::ElementArray<ui::HScrollBar>& sliders,
                              const ui::ElementArray<ui::Label>& values,
                              const ui::ElementArray<ui::Shape>& previews) {
    const SliderValues v{sliders[0].Value(), sliders[1].Value(), sliders[2].Value()};
    values[0].SetCaption(platform::PlainText(v.r));
    values[1].SetCaption(platform::PlainText(v.g));
    values[2].SetCaption(platform::PlainText(v.b));
    previews[0].SetFillColor(ui::Rgb(kMaxComponent - v.r, kMaxComponent, kMaxComponent));
    previews[1].SetFillColor(ui::Rgb(kMaxComponent, kMaxComponent - v.g, kMaxComponent));
    previews[2].SetFillColor(ui::Rgb(kMaxComponent, kMaxComponent, kMaxComponent - v.b));
    return v;
}

void StoreSliderValues(SettingsStore& store, std::array<const settings::SettingKey*, 3> keys,
                       const SliderValues& v) {
    settings::WriteNumber(store, *keys[0], v.r);
    settings::WriteNumber(store, *keys[1], v.g);
    settings::WriteNumber(store, *keys[2], v.b);
}

}  // namespace

void Form1::WireEvents() {
    HScroll1.Change = [this] { HScroll1_Change(); };
    for (int i = 0; i < HScroll2.Count(); ++i) {
        HScroll2[i].Change = [this, i] { HScroll2_Change(i); };
    }
    for (int i = 0; i < HScroll3.Count(); ++i) {
        HScroll3[i].Change = [this, i] { HScroll3_Change(i); };
    }
    for (int i = 0; i < Picture1.Count(); ++i) {
        Picture1[i].Click = [this, i] { Picture1_Click(i); };
    }
    Label8.Click = [this] { Label8_Click(); };
    Check1.Click = [this] { Check1_Click(); };
    Check2.Click = [this] { Check2_Click(); };
}

void Form1::OnLoad() {
    PlaceWindow();
    HScroll1.SetMin(kMinAlpha);
    HScroll1.SetMax(kMaxAlpha);
    for (auto* group : {&HScroll2, &HScroll3}) {
        for (auto& slider : *group) {
            slider->SetMin(0);
            slider->SetMax(kMaxComponent);
        }
    }
    OpenTransparency();
    Shape3.SetFillColor(settings::ReadNumber(store_, settings::kSetCol));
    // Read afresh: the installer or another copy of the program may have changed it.
    Check1.SetValue(startAtLogOn_.Enabled());
    Check2.SetValue(calendar_.MonthView());
    // While open, the box follows a switch made from the calendar's own menu.
    calendar_.ViewChanged = [this] { Check2.SetValue(calendar_.MonthView()); };
}

// Just below the calendar where it is now, and always wholly on its monitor's work area.
void Form1::PlaceWindow() {
    const ui::Rect calendar = calendar_.WindowPlace();
    const ui::Place place =
        ui::PlaceBelow(System().Monitors(), ui::Place{calendar.Left, calendar.Top}, calendar.Width,
                       calendar.Height, kBelowCalendar, ClientWidth(), ClientHeight());
    SetLeft(place.Left);
    SetTop(place.Top);
}

// Out of every monitor's reach after a change of the monitors or the task bar: below the
// calendar again, where the user looks for it.
void Form1::OnDisplayChange() {
    if (!ui::IsReachable(System().Monitors(), ui::Place{Left(), Top()}, ClientWidth(),
                         ClientHeight())) {
        PlaceWindow();
    }
}

void Form1::OpenTransparency() {
    const auto stored = settings::ReadOptionalNumber(store_, settings::kFormBackCol);
    if (stored && *stored >= kMinAlpha) {
        // A value the slider can hold: setting it runs the change handler as usual.
        HScroll1.SetValue(*stored);
        return;
    }
    // Otherwise the calendar started with this alpha (the first-run value for an unreadable
    // text, the least it shows for one below the slider's range, where the slider sits at its
    // left end); show it and re-apply it, but leave the store alone until the user moves the
    // slider.
    const int alpha = std::max(settings::ReadNumber(store_, settings::kFormBackCol), kMinAlpha);
    SetSliderQuietly(HScroll1, HScroll1.Min(), HScroll1.Max(), alpha);
    ApplyTransparency(alpha, false);
}

void Form1::OnMouseDown(int /*button*/, int /*shift*/, int /*x*/, int /*y*/) {
    // Unlike the calendar window's, this window's position is not remembered.
    System().ReleaseCapture();
    System().RunMoveLoop(*this);
}

// The sliders and swatches take their own keys; Esc closes the window as its "×" does.
bool Form1::OnKeyDown(int key, int /*shift*/) {
    if (key != ui::kKeyEscape) {
        return false;
    }
    Label8_Click();
    return true;
}

void Form1::OnUnload() {
    calendar_.ViewChanged = nullptr;
    calendar_.setcol(store_.ReadSetting(std::string(settings::kSetCol.Name)));
    calendar_.Label3_Click();
}

void Form1::HScroll1_Change() {
    ApplyTransparency(HScroll1.Value(), true);
}

void Form1::ApplyTransparency(int alpha, bool store) {
    Label4.SetCaption(platform::PlainText(alpha * 100 / kMaxAlpha) + "%");
    calendar_.TM1(static_cast<std::int16_t>(alpha));
    if (store) {
        settings::WriteNumber(store_, settings::kFormBackCol, alpha);
    }
    const int grey = kMaxAlpha - alpha;
    Shape4.SetFillColor(ui::Rgb(grey, grey, grey));
}

void Form1::HScroll2_Change(int /*Index*/) {
    const SliderValues values = ShowSliderValues(HScroll2, Label5, Shape1);
    calendar_.fontRGB1(Component(values.r), Component(values.g), Component(values.b));
    StoreSliderValues(store_, {&settings::kFontR1, &settings::kFontG1, &settings::kFontB1}, values);
}

void Form1::HScroll3_Change(int /*Index*/) {
    const SliderValues values = ShowSliderValues(HScroll3, Label6, Shape2);
    calendar_.fontRGB2(Component(values.r), Component(values.g), Component(values.b));
    StoreSliderValues(store_, {&settings::kFontR2, &settings::kFontG2, &settings::kFontB2}, values);
}

void Form1::Label8_Click() {
    Unload();
}

void Form1::Check1_Click() {
    // Not (wholly) written, a locked key say: the box shows what holds now.
    if (!startAtLogOn_.Set(Check1.Value())) {
        Check1.SetValue(startAtLogOn_.Enabled());
    }
}

void Form1::Check2_Click() {
    calendar_.SetMonthView(Check2.Value());
}

void Form1::Picture1_Click(int Index) {
    const ui::Colour colour = Picture1[Index].BackColor();
    calendar_.setcol(colour);
    Shape3.SetFillColor(colour);
    settings::WriteNumber(store_, settings::kSetCol, Shape3.FillColor());
}
