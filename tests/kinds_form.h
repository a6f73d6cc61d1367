// One of each kind, access keys, a default button; events logged; the window's keys heard.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/form.h"
#include "platform/ui/keys.h"

namespace kinds_test {

using Log = std::vector<std::string>;
inline const ui::Font kFont{"宋体", 9, false};

class KindsForm final : public ui::Form {
  public:
    explicit KindsForm(ui::WindowSystem& system)
        : ui::Form(system, "KindsForm", "我的日子", 6000, 4500, ui::Rgb(240, 240, 240)) {
        for (ui::Element* e : std::vector<ui::Element*>{&nameLabel, &name, &daysLabel, &days,
                                                        &remind, &save, &remove}) {
            AddElement(*e);
            e->SetTabIndex(e == &nameLabel || e == &daysLabel ? -1 : 1);
        }
        save.SetDefault(true);
        days.SetRows({"妈妈生日", "体检", "结婚纪念日"});
        name.SetToolTip("最多8个字");
        name.Change = [this] { log.push_back("change " + name.Text()); };
        days.SelectionChange = [this] {
            log.push_back("select " + std::to_string(days.SelectedIndex()));
        };
        days.DeleteKey = [this] { log.push_back("delete"); };
        remind.Click = [this] { log.push_back(remind.Value() ? "ticked" : "unticked"); };
        for (ui::Button* button : {&save, &remove}) {
            button->Click = [this, button] { log.push_back(button->Name()); };
        }
    }

    ui::Label nameLabel{*this, "nameLabel", -1, {120, 120, 900, 300}, "名称(&N)", 0, kFont};
    ui::TextBox name{*this, "name", {1080, 120, 2400, 330}, 8, kFont};
    ui::Label daysLabel{*this, "daysLabel", -1, {120, 600, 900, 300}, "日子(&L)", 0, kFont};
    ui::ListBox days{*this, "days", {1080, 600, 2400, 1500}, kFont};
    ui::CheckBox remind{*this, "remind", {120, 2250, 1500, 300}, "当天(&0)", kFont};
    ui::Button save{*this, "save", {1080, 3000, 1125, 420}, "保存(&S)", kFont};
    ui::Button remove{*this, "remove", {2400, 3000, 1125, 420}, "删除(&D)", kFont};
    Log log;

  protected:
    bool OnKeyDown(int key, int /*shift*/) override {
        log.push_back("form " + std::to_string(key));
        return key == ui::kKeyEscape;
    }
};

}  // namespace kinds_test
