// The settings window: transparency, main and secondary text colour, the Sunday colour and
// whether the calendar starts at log-on. Every change is applied to the calendar window first
// and then stored; there is no OK or Cancel. Closing repaints the calendar's day numbers and
// returns it to today.
#pragma once

#include "calendar_window/calendar_operations.h"
#include "platform/ui/element_array.h"
#include "platform/ui/form.h"
#include "platform/ui/window_system.h"

namespace platform {
class StartAtLogOn;
}
class SettingsStore;

class Form1 final : public ui::Form {
  public:
    Form1(ui::WindowSystem& system, SettingsStore& store, CalendarOperations& calendar,
          platform::StartAtLogOn& startAtLogOn);

    ui::AccessibleInfo Accessible(const ui::Element& element) const override;

    // Elements, in design order.
    ui::Label Label1;
    ui::Shape Shape4;
    ui::HScrollBar HScroll1;
    ui::Label Label4;
    ui::Label Label2;
    ui::ElementArray<ui::Shape> Shape1;
    ui::ElementArray<ui::HScrollBar> HScroll2;
    ui::ElementArray<ui::Label> Label5;
    ui::Label Label3;
    ui::ElementArray<ui::Shape> Shape2;
    ui::ElementArray<ui::HScrollBar> HScroll3;
    ui::ElementArray<ui::Label> Label6;
    ui::Label Label7;
    ui::Shape Shape3;
    ui::ElementArray<ui::PictureBox> Picture1;
    ui::Label Label8;
    ui::CheckBox Check1;
    ui::CheckBox Check2;

  private:
    // Layout.
    void RestoreDesign() override;
    void WireEvents();
    // Sets a slider's range and value without running its change handler.
    static void SetSliderQuietly(ui::HScrollBar& slider, int min, int max, int value);

    // Handlers.
    void OnLoad() override;
    void OnMouseDown(int button, int shift, int x, int y) override;
    bool OnKeyDown(int key, int shift) override;
    void OnUnload() override;
    void HScroll1_Change();
    void HScroll2_Change(int Index);
    void HScroll3_Change(int Index);
    void Label8_Click();
    void Picture1_Click(int Index);
    void Check1_Click();
    void Check2_Click();

    void PlaceWindow();
    void OnDisplayChange() override;
    void OpenTransparency();
    // Shows alpha beside the slider and gives it to the calendar; stores it when asked.
    void ApplyTransparency(int alpha, bool store);

    SettingsStore& store_;
    CalendarOperations& calendar_;
    platform::StartAtLogOn& startAtLogOn_;
};
