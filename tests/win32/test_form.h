// A small form with one element of every kind, for driving the real window system.
#pragma once

#include <tuple>
#include <vector>

#include "platform/ui/form.h"

namespace lunadesk_test {

class TestForm final : public ui::Form {
  public:
    explicit TestForm(ui::WindowSystem& system)
        : ui::Form(system, "TestForm", "测试-Test", 3000, 2250, ui::Rgb(0, 0, 0)),
          label(*this, "label", -1, ui::Rect{120, 120, 900, 255}, "月份&M", ui::Rgb(0, 255, 0),
                ui::Font{"宋体", 9, true}),
          mark(*this, "mark", -1, ui::Rect{2640, 0, 375, 255}, "×", ui::Rgb(255, 255, 255),
               ui::Font{"宋体", 10.5, true}, ui::TextAlignment::Centre),
          box(*this, "box", ui::Rect{120, 600, 855, 315}, "点击选择", ui::Rgb(0, 255, 0),
              ui::Rgb(64, 64, 64), ui::Font{}),
          bar(*this, "bar", 0, ui::Rect{120, 1200, 2175, 255}, 150),
          frame(*this, "frame", -1, ui::Rect{60, 60, 2800, 1800}, false, 0, ui::Rgb(0, 255, 0)),
          swatch(*this, "swatch", 0, ui::Rect{2400, 600, 255, 255}, ui::Rgb(255, 0, 0)),
          timer(*this, "timer") {
        for (ui::Element* element :
             std::vector<ui::Element*>{&label, &mark, &box, &bar, &frame, &swatch}) {
            AddElement(*element);
        }
        AddTimer(timer);
        mark.SetToolTip("关闭");
    }

    ui::Label label;
    ui::Label mark;
    ui::ComboBox box;
    ui::HScrollBar bar;
    ui::Shape frame;
    ui::PictureBox swatch;
    ui::Timer timer;

    // button, shift, x, y of every press and move on the bare surface.
    std::vector<std::tuple<int, int, int, int>> presses;
    std::vector<std::tuple<int, int, int, int>> moves;

  private:
    void OnMouseDown(int button, int shift, int x, int y) override {
        presses.emplace_back(button, shift, x, y);
    }
    void OnMouseMove(int button, int shift, int x, int y) override {
        moves.emplace_back(button, shift, x, y);
    }
};

}  // namespace lunadesk_test
