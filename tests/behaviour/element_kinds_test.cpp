// The text box, the list and the push button in the element model.
#include <gtest/gtest.h>

#include "platform/errors.h"
#include "platform/ui/access_key.h"
#include "platform/ui/headless_window_system.h"
#include "tests/kinds_form.h"

namespace kinds_test {
namespace {

// Edits by the user run Change, code's do not; both are cut. New rows keep the selected one by
// its text (the nearest), else its place. Keys in turn: a box keeps its editing keys; Tab, Esc,
// Enter, F keys and Alt are the window's; a list moves and reports Delete; a button takes Enter.
TEST(ElementKinds, TextRowsAndKeys) {
    ui::HeadlessWindowSystem system;
    KindsForm form{system};
    form.Show();
    const std::vector<std::tuple<bool, std::string, std::string, Log>> edits{
        {true, "妈妈生日", "妈妈生日", {"change 妈妈生日"}},
        {true, "妈妈生日", "妈妈生日", {}},
        {true, "一二三四五六七八九十", "一二三四五六七八", {"change 一二三四五六七八"}},
        {false, "从代码来的长长长文字", "从代码来的长长长", {}},
    };
    for (const auto& [byUser, text, kept, log] : edits) {
        form.log.clear();
        byUser ? form.name.Edit(text) : form.name.SetText(text);
        EXPECT_EQ(std::tuple(form.name.Text(), form.log), std::tuple(kept, log)) << text;
    }
    const Log three{"妈妈生日", "体检", "结婚纪念日"};
    const std::vector<std::tuple<Log, int, Log, int, Log>> rows{
        {three, 1, {"体检", "妈妈生日"}, 0, {"select 0"}},
        {three, 1, {"妈妈生日", "结婚", "春节"}, 1, {"select 1"}},
        {three, 2, {"体检"}, 0, {"select 0"}},
        {{"体检", "体检", "体检"}, 2, {"x", "体检", "x", "x", "体检"}, 1, {"select 1"}},
        {three, 0, {}, -1, {"select -1"}},
    };
    for (const auto& [before, selected, after, kept, log] : rows) {
        form.days.SetRows(before);
        form.days.SetSelectedIndex(selected);
        form.log.clear();
        form.days.SetRows(after);
        EXPECT_EQ(std::tuple(form.days.SelectedIndex(), form.log), std::tuple(kept, log))
            << selected;
    }
    EXPECT_THROW(form.days.SetSelectedIndex(0), platform::Error);
    EXPECT_THROW(form.days.SetSelectedIndex(-2), platform::Error);
    form.days.SetRows(three);
    auto& f = form;
    const int alt = ui::kAltMask;
    const std::vector<std::tuple<ui::Element*, int, int, Log, ui::Element*, int>> table{
        {&f.name, 'S', ui::kCtrlMask, {}, &f.name, -1},
        {&f.name, 'S', 0, {}, &f.name, -1},
        {&f.name, ui::kKeyTab, 0, {}, &f.days, -1},
        {&f.name, ui::kKeyEscape, 0, {"form 27"}, &f.name, -1},
        {&f.name, ui::kKeyReturn, 0, {"save"}, &f.name, -1},
        {&f.name, 0x71, 0, {"form 113"}, &f.name, -1},
        {&f.name, 'S', alt, {"form 83", "save"}, &f.name, -1},
        {&f.name, 'L', alt, {"form 76"}, &f.days, -1},
        {&f.days, ui::kKeyDown, 0, {"select 0"}, &f.days, 0},
        {&f.days, ui::kKeyEnd, 0, {"select 2"}, &f.days, 2},
        {&f.days, ui::kKeyDown, 0, {}, &f.days, 2},
        {&f.days, ui::kKeyHome, 0, {"select 0"}, &f.days, 0},
        {&f.days, ui::kKeyDelete, 0, {"delete"}, &f.days, 0},
        {&f.days, 'S', 0, {"form 83", "save"}, &f.days, 0},
        {&f.days, '0', 0, {"form 48", "ticked"}, &f.remind, 0},
        {&f.remove, ui::kKeyReturn, 0, {"remove"}, &f.remove, 0},
        {&f.save, ui::kKeyReturn, alt, {"form 13"}, &f.save, 0},
    };
    for (const auto& [focus, key, keyShift, log, focusAfter, selected] : table) {
        form.SetFocus(focus);
        form.log.clear();
        form.RaiseKeyDown(key, keyShift);
        EXPECT_EQ(std::tuple(form.log, form.Focused(), form.days.SelectedIndex()),
                  std::tuple(log, focusAfter, selected))
            << focus->Name() << " " << key << " " << keyShift;
    }
    // One default button at most (save's "false" changes nothing), pressed while it shows.
    form.SetFocus(&form.name);
    form.log.clear();
    for (const auto& [button, isDefault, shown] :
         std::vector<std::tuple<ui::Button*, bool, bool>>{{&form.remove, true, true},
                                                          {&form.save, false, true},
                                                          {&form.remove, false, true},
                                                          {&form.remove, true, false}}) {
        button->SetDefault(isDefault);
        button->SetVisible(shown);
        form.RaiseKeyDown(ui::kKeyReturn, 0);
    }
    form.RaiseKeyDown('D', ui::kAltMask);
    EXPECT_EQ(std::tuple(form.save.Default(), form.log),
              std::tuple(false, Log{"remove", "remove", "form 13", "form 13", "form 68"}));
    // A box and a list named by the label before them, a button by its caption.
    form.name.SetText("妈妈");
    form.days.SetSelectedIndex(1);
    const auto text = form.Accessible(form.name), list = form.Accessible(form.days),
               row = form.AccessibleChild(form.days, 1), button = form.Accessible(form.save);
    EXPECT_EQ(
        std::tuple(text.Role, text.Name, text.Value, text.Description, list.Role, list.Name,
                   row.Role, row.Name, row.Selected, form.AccessibleChild(form.days, 2).Selected,
                   button.Role, button.Name, button.DefaultAction, ui::AccessKeyOf("A&&B")),
        std::tuple(ui::AccessibleRole::EditableText, "名称(N)", "妈妈", "最多8个字",
                   ui::AccessibleRole::List, "日子(L)", ui::AccessibleRole::ListItem, "体检", true,
                   false, ui::AccessibleRole::PushButton, "保存(S)", "按下", 0));
}

}  // namespace
}  // namespace kinds_test
