// The text box, the list and the push button in the element model: what they hold, the
// events they run, and which keys are theirs, the window's or an access key's.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "platform/errors.h"
#include "platform/ui/access_key.h"
#include "platform/ui/headless_window_system.h"
#include "tests/kinds_form.h"

namespace kinds_test {
namespace {

using Log = std::vector<std::string>;
using ui::kAltMask;
using ui::kCtrlMask;
using ui::kShiftMask;

class ElementKinds : public ::testing::Test {
  protected:
    void SetUp() override { form.Show(); }
    ui::HeadlessWindowSystem system;
    KindsForm form{system};
};

TEST_F(ElementKinds, ATextBoxHoldsAtMostItsLengthAndTellsOnlyTheUsersChanges) {
    struct Row {
        bool byUser;
        std::string text, kept;
        Log log;
    };
    const std::vector<Row> table{
        {true, "妈妈生日", "妈妈生日", {"change 妈妈生日"}},
        {true, "妈妈生日", "妈妈生日", {}},  // the same text again is no change
        {true, "一二三四五六七八九十", "一二三四五六七八", {"change 一二三四五六七八"}},
        {true, "ab😀cdefgh", "ab😀cdefg", {"change ab😀cdefg"}},  // one character each
        {false, "从代码来的长长长文字", "从代码来的长长长", {}},
        {true, "", "", {"change "}},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.text);
        form.log.clear();
        if (row.byUser) {
            form.name.Edit(row.text);
        } else {
            form.name.SetText(row.text);
        }
        EXPECT_EQ(form.name.Text(), row.kept);
        EXPECT_EQ(form.log, row.log);
    }
    EXPECT_EQ(ui::FirstCharacters("日子", 0), "");
}

TEST_F(ElementKinds, ListRowsReplacedKeepTheSelectedRowWhereSensible) {
    struct Row {
        int selected;
        std::vector<std::string> rows;
        int kept;
        Log log;
    };
    const std::vector<Row> table{
        {1, {"体检", "妈妈生日", "结婚纪念日"}, 0, {"select 0"}},  // moved: follows its text
        {0, {"妈妈生日", "体检"}, 0, {}},                          // still there
        {1, {"妈妈生日", "结婚纪念日", "春节"}, 1, {"select 1"}},  // gone: the row at its place
        {2, {"体检"}, 0, {"select 0"}},                            // gone, and the list shorter
        {0, {}, -1, {"select -1"}},
        {-1, {"体检", "结婚纪念日"}, -1, {}},
    };
    form.days.SetRows({"妈妈生日", "体检", "结婚纪念日"});
    for (const Row& row : table) {
        SCOPED_TRACE(row.selected);
        if (row.selected < form.days.RowCount()) {
            form.days.SetSelectedIndex(row.selected);
        }
        form.log.clear();
        form.days.SetRows(row.rows);
        EXPECT_EQ(form.days.SelectedIndex(), row.kept);
        EXPECT_EQ(form.log, row.log);
        form.days.SetRows({"妈妈生日", "体检", "结婚纪念日"});
    }
    // Equal rows: the nearest to where it was.
    form.days.SetRows({"体检", "体检", "体检", "体检"});
    form.days.SetSelectedIndex(2);
    form.days.SetRows({"x", "体检", "x", "x", "体检"});
    EXPECT_EQ(form.days.SelectedIndex(), 1);
    EXPECT_THROW(form.days.SetSelectedIndex(5), platform::Error);
    EXPECT_THROW(form.days.SetSelectedIndex(-2), platform::Error);
    EXPECT_THROW(static_cast<void>(form.days.Row(5)), platform::Error);
}

// Each key pressed with the focus on an element: what ran and where the focus went.
TEST_F(ElementKinds, KeysGoToTheFocusedKindTheWindowOrAnAccessKey) {
    struct Row {
        ui::Element* focus;
        int key, shift;
        Log log;
        ui::Element* focusAfter;
        int selected = 0;
    };
    auto& f = form;
    const int home = ui::kKeyHome, end = ui::kKeyEnd, up = ui::kKeyUp, down = ui::kKeyDown;
    const std::vector<Row> table{
        // The box's editing keys are its own, the window hears none of them.
        {&f.name, ui::kKeyLeft, 0, {}, &f.name},
        {&f.name, home, kShiftMask, {}, &f.name},
        {&f.name, ui::kKeyPageDown, 0, {}, &f.name},
        {&f.name, ui::kKeyDelete, 0, {}, &f.name},
        {&f.name, 'Z', kCtrlMask, {}, &f.name},
        {&f.name, 'S', 0, {}, &f.name},   // typed, no access key
        {&f.name, 0xE5, 0, {}, &f.name},  // an input method's key
        // Tab, Esc, Enter, F keys and Alt are the window's.
        {&f.name, ui::kKeyTab, 0, {}, &f.days},
        {&f.name, ui::kKeyTab, kShiftMask, {}, &f.remove},
        {&f.name, ui::kKeyEscape, 0, {"form 27"}, &f.name},
        {&f.name, ui::kKeyReturn, 0, {"save"}, &f.name},
        {&f.name, 0x71, 0, {"form 113"}, &f.name},
        {&f.name, 'S', kAltMask, {"form 83", "save"}, &f.name},
        {&f.name, 'L', kAltMask, {"form 76"}, &f.days},
        {&f.name, 'E', kAltMask, {"form 69"}, &f.name},  // hidden: no press
        // The list moves its selection and reports Delete; other keys pass on.
        {&f.days, down, 0, {"select 0"}, &f.days, 0},  // from none, the first
        {&f.days, down, 0, {"select 1"}, &f.days, 1},
        {&f.days, end, 0, {"select 2"}, &f.days, 2},
        {&f.days, down, 0, {}, &f.days, 2},
        {&f.days, home, 0, {"select 0"}, &f.days},
        {&f.days, up, 0, {}, &f.days},
        {&f.days, ui::kKeyDelete, 0, {"delete"}, &f.days},
        {&f.days, ui::kKeyReturn, 0, {"save"}, &f.days},
        {&f.days, 'S', 0, {"form 83", "save"}, &f.days},  // alone, outside a text box
        {&f.days, 'N', 0, {"form 78"}, &f.name},
        {&f.days, '0', 0, {"form 48", "ticked"}, &f.remind},
        {&f.days, 'S', kCtrlMask, {"form 83"}, &f.days},
        // A button is pressed by Space and Enter: Enter presses the focused one.
        {&f.remove, ui::kKeySpace, 0, {"remove"}, &f.remove},
        {&f.remove, ui::kKeyReturn, 0, {"remove"}, &f.remove},
        {&f.save, ui::kKeyReturn, kAltMask, {"form 13"}, &f.save},
        {&f.remind, ui::kKeySpace, 0, {"unticked"}, &f.remind},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.focus->Name() + " " + std::to_string(row.key) + " " +
                     std::to_string(row.shift));
        form.SetFocus(row.focus);
        form.log.clear();
        form.RaiseKeyDown(row.key, row.shift);
        EXPECT_EQ(form.log, row.log);
        EXPECT_EQ(form.Focused(), row.focusAfter);
        if (row.focus == &form.days) {
            EXPECT_EQ(form.days.SelectedIndex(), row.selected);
        }
    }
}

TEST_F(ElementKinds, OneDefaultButtonAtMostWhichEnterPressesWhileShown) {
    form.SetFocus(&form.name);
    const std::vector<std::tuple<ui::Button*, bool, Log>> table{
        {&form.remove, true, {"remove"}},
        {&form.save, false, {"remove"}},  // not the default: nothing changes
        {&form.remove, false, {"form 13"}},
        {&form.save, true, {"save"}},
    };
    for (const auto& [button, isDefault, log] : table) {
        button->SetDefault(isDefault);
        EXPECT_LE(form.save.Default() + form.remove.Default(), 1);
        form.log.clear();
        form.RaiseKeyDown(ui::kKeyReturn, 0);
        EXPECT_EQ(form.log, log) << button->Name() << isDefault;
    }
    form.save.SetVisible(false);
    form.log.clear();
    form.RaiseKeyDown(ui::kKeyReturn, 0);
    EXPECT_EQ(form.log, Log{"form 13"});
}

TEST_F(ElementKinds, TabOrderAndScreenReaderNamesComeFromTheModel) {
    EXPECT_EQ(form.TabOrder(), (std::vector<ui::Element*>{&form.name, &form.days, &form.remind,
                                                          &form.save, &form.remove}));
    EXPECT_EQ(form.Focused(), &form.name);  // the first tab stop, as a dialog opens
    form.name.SetText("妈妈生日");
    using Role = ui::AccessibleRole;
    const std::vector<std::tuple<ui::Element*, Role, std::string, std::string, std::string>> table{
        {&form.name, Role::EditableText, "名称(N)", "妈妈生日", "最多8个字"},
        {&form.days, Role::List, "日子(L)", "", ""},
        {&form.save, Role::PushButton, "保存(S)", "", ""},
        {&form.remove, Role::PushButton, "删除", "", ""},
    };
    for (const auto& [element, role, name, value, description] : table) {
        const ui::AccessibleInfo info = form.Accessible(*element);
        EXPECT_EQ(std::tuple(info.Role, info.Name, info.Value, info.Description, info.Focusable),
                  std::tuple(role, name, value, description, true))
            << element->Name();
        EXPECT_EQ(info.DefaultAction, role == Role::PushButton ? "按下" : "");
    }
    EXPECT_TRUE(form.Accessible(form.hidden).Invisible);
    EXPECT_EQ(ui::AccessKeyOf("A&&B"), 0);
    EXPECT_EQ(ui::AccessKeyOf("提前&7天"), '7');
    EXPECT_EQ(ui::AccessKeyOf("保存(&s)"), 'S');
}

}  // namespace
}  // namespace kinds_test
