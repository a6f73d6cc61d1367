// A window with one of each kind a record is edited with: a labelled text box, a labelled
// list, a default button with an access key, a plain button, a hidden button, and a
// check box. Every event is logged; the window's own handler takes Esc and the arrows.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/form.h"
#include "platform/ui/keys.h"

namespace kinds_test {

inline const ui::Font kFont{"宋体", 9, false};

class KindsForm final : public ui::Form {
  public:
    explicit KindsForm(ui::WindowSystem& system)
        : ui::Form(system, "KindsForm", "我的日子", 6000, 4500, ui::Rgb(240, 240, 240)),
          nameLabel(*this, "nameLabel", -1, {120, 120, 900, 300}, "名称(&N)", 0, kFont),
          name(*this, "name", {1080, 120, 2400, 330}, 8, kFont),
          daysLabel(*this, "daysLabel", -1, {120, 600, 900, 300}, "日子(&L)", 0, kFont),
          days(*this, "days", {1080, 600, 2400, 1500}, kFont),
          remind(*this, "remind", {120, 2250, 1500, 300}, "当天(&0)", kFont),
          save(*this, "save", {1080, 3000, 1125, 420}, "保存(&S)", kFont),
          remove(*this, "remove", {2400, 3000, 1125, 420}, "删除", kFont),
          hidden(*this, "hidden", {3720, 3000, 1125, 420}, "导出(&E)", kFont) {
        int tab = 0;
        for (ui::Element* element : std::vector<ui::Element*>{&nameLabel, &name, &daysLabel, &days,
                                                              &remind, &save, &remove, &hidden}) {
            AddElement(*element);
            if (element != &nameLabel && element != &daysLabel) {
                element->SetTabIndex(tab++);
            }
        }
        hidden.SetVisible(false);
        save.SetDefault(true);
        days.SetRows({"妈妈生日", "体检", "结婚纪念日"});
        name.SetToolTip("最多8个字");
        name.Change = [this] { log.push_back("change " + name.Text()); };
        days.SelectionChange = [this] {
            log.push_back("select " + std::to_string(days.SelectedIndex()));
        };
        days.DeleteKey = [this] { log.push_back("delete"); };
        remind.Click = [this] { log.push_back(remind.Value() ? "ticked" : "unticked"); };
        for (ui::Button* button : {&save, &remove, &hidden}) {
            button->Click = [this, button] { log.push_back(button->Name()); };
        }
    }

    ui::Label nameLabel;
    ui::TextBox name;
    ui::Label daysLabel;
    ui::ListBox days;
    ui::CheckBox remind;
    ui::Button save;
    ui::Button remove;
    ui::Button hidden;
    std::vector<std::string> log;

  protected:
    bool OnKeyDown(int key, int /*shift*/) override {
        log.push_back("form " + std::to_string(key));
        return key == ui::kKeyEscape || key == ui::kKeyLeft || key == ui::kKeyHome;
    }
};

}  // namespace kinds_test
