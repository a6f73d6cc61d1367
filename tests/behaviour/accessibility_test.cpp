// What a screen reader is told about both windows, and which changes it hears of.
#include <algorithm>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "platform/ui/accessible_watch.h"
#include "platform/ui/cell_grid.h"
#include "platform/ui/cell_navigation.h"
#include "platform/ui/headless_window_system.h"
#include "platform/ui/keys.h"
#include "settings_window/form1.h"
#include "tests/behaviour/calendar_fixture.h"

namespace calendar_test {
namespace {

using Role = ui::AccessibleRole;
using Event = ui::AccessibleEvent;

struct Expected {
    const ui::Element* element;
    Role role;
    std::string name;
    bool invisible = false;
    bool selected = false;
    int day = 0;  // a day number's cell of the grid, from 1
};

// A push button (day, mark, swatch) is pressed by its default action; nothing else has one.
void ExpectDescribed(const ui::Form& form, const std::vector<Expected>& table) {
    for (const Expected& row : table) {
        const ui::AccessibleInfo info = row.day > 0
                                            ? form.AccessibleChild(*row.element, row.day - 1)
                                            : form.Accessible(*row.element);
        SCOPED_TRACE(row.element->Name() + "(" + std::to_string(row.day) + ")");
        EXPECT_EQ(std::tuple(info.Role, info.Name, info.Invisible, info.Selected),
                  std::tuple(row.role, row.name, row.invisible, row.selected));
        EXPECT_EQ(info.DefaultAction, row.role == Role::PushButton ? "按下" : "");
    }
}

class Accessibility : public CalendarTest {
  protected:
    void SetUp() override { StartOn(2026y / December / 6d); }
};

TEST_F(Accessibility, CalendarElementsByRoleNameAndState) {
    ExpectDescribed(*cal, {
                              {&cal->Label7, Role::PushButton, "最小化"},
                              {&cal->Label6, Role::PushButton, "关闭"},
                              {&cal->Label8, Role::PushButton, "设置"},
                              {&cal->lblnumber, Role::Table, "2026年12月"},
                              {&cal->lblnumber, Role::PushButton,
                               "2026年12月6日 星期日 农历十月廿八", false, true, 6},
                              {&cal->lblnumber, Role::PushButton,
                               "2026年12月31日 星期四 农历冬月廿三", false, false, 31},
                              {&cal->Label4, Role::PushButton, "月份 12"},
                              {&cal->Label5, Role::PushButton, "年份 2026"},
                              {&cal->Label3, Role::PushButton, "回到今天", true},
                              {&cal->Label1[0], Role::StaticText, "月份M"},
                              {&cal->lbldate, Role::StaticText, "2026年12月6日"},
                              {&cal->cbomonth, Role::ComboBox, "月份", true},
                              {&cal->cboyear, Role::ComboBox, "年份", true},
                          });
    ChooseMonth(2);
    ClickDay(1);
    ExpectDescribed(*cal, {{&cal->lblnumber, Role::PushButton, "2026年2月1日 星期日 农历腊月十四",
                            false, true, 1},
                           {&cal->lblnumber, Role::PushButton, "31", true, false, 31},
                           {&cal->Label3, Role::PushButton, "回到今天"}});
    cal->Hide();
    EXPECT_TRUE(cal->Accessible(cal->Label7).Invisible);
}

TEST_F(Accessibility, SettingsElementsByRoleNameAndState) {
    Form1 settings(windows, store, *cal, startAtLogOn);
    cal->SetSettingsWindow(&settings);
    settings.Show();
    settings.Picture1[7].RaiseClick();
    ExpectDescribed(settings, {
                                  {&settings.HScroll1, Role::Slider, "透明度"},
                                  {&settings.HScroll2[0], Role::Slider, "主字体颜色 红"},
                                  {&settings.HScroll3[2], Role::Slider, "副字体颜色 蓝"},
                                  {&settings.Picture1[2], Role::PushButton, "蓝色"},
                                  {&settings.Picture1[6], Role::PushButton, "品红色"},
                                  {&settings.Picture1[7], Role::PushButton, "橙色", false, true},
                                  {&settings.Label8, Role::PushButton, "关闭"},
                                  {&settings.Label4, Role::StaticText, settings.Label4.Caption()},
                              });
    // A slider's value is what the window shows: the transparency's percentage, the number.
    settings.HScroll1.SetValue(200);
    settings.HScroll2[0].SetValue(255);
    EXPECT_EQ(std::tuple(settings.Accessible(settings.HScroll1).Value,
                         settings.Accessible(settings.HScroll2[0]).Value,
                         settings.Accessible(settings.HScroll3[2]).Value),
              std::tuple("78%", "255", "0"));
    ui::AccessibleWatch watch(settings);
    settings.Check1.Toggle();
    settings.HScroll3[1].SetValue(7);
    const ui::AccessibleInfo box = settings.Accessible(settings.Check1);
    EXPECT_EQ(std::tie(box.Role, box.Name, box.Checked),
              std::tuple(Role::CheckBox, "开机时启动", true));
    EXPECT_EQ(watch.Changes(true),
              (std::vector<ui::AccessibleNotice>{{&settings.HScroll3[1], Event::ValueChange},
                                                 {&settings.Label6[0], Event::NameChange},
                                                 {&settings.Label6[1], Event::NameChange},
                                                 {&settings.Label6[2], Event::NameChange},
                                                 {&settings.Check1, Event::StateChange}}));
    cal->SetSettingsWindow(nullptr);
}

// The focus follows the framed day only where the user moved it; a colour pass from the
// settings window moves the frame through the month and back without a focus event.
TEST_F(Accessibility, ANewFramedDayIsTheSelectionAndTakesTheFocusOnlyFromTheUser) {
    ui::AccessibleWatch watch(*cal);
    ClickDay(7);
    const auto on = [](const ui::Element& element, Event event, int child = 0) {
        return ui::AccessibleNotice{&element, event, child};
    };
    EXPECT_EQ(watch.Changes(true), (std::vector<ui::AccessibleNotice>{
                                       on(cal->lblnumber, Event::StateChange, 6),
                                       on(cal->lblnumber, Event::StateChange, 7),
                                       on(cal->lblnumber, Event::Focus, 7),
                                       on(cal->lblnumber, Event::Selection, 7),
                                       on(cal->Label3, Event::StateChange),
                                       on(cal->lbldate, Event::NameChange),
                                       on(cal->lblday, Event::NameChange),
                                       on(cal->Label2, Event::NameChange),
                                   }));
    EXPECT_TRUE(watch.Changes(true).empty());
    cal->setcol(kRed);
    cal->Label3_Click();
    const auto quiet = watch.Changes(false);
    ASSERT_GE(quiet.size(), 3u);
    EXPECT_EQ(std::vector(quiet.begin(), quiet.begin() + 3),
              (std::vector<ui::AccessibleNotice>{on(cal->lblnumber, Event::StateChange, 6),
                                                 on(cal->lblnumber, Event::Selection, 6),
                                                 on(cal->lblnumber, Event::StateChange, 7)}));
    // In the month view a month change tells of its own cells, never of the hidden numbers:
    // January 1922 begins with days the calendar lacks, which are renamed and unavailable.
    cal->SetMonthView(true);
    ChooseYear(1922);
    ChooseMonth(2);
    watch.Changes(true);
    cal->RaiseKeyDown(ui::kKeyPageUp, 0);
    const auto told = watch.Changes(true);
    for (const Event event : {Event::NameChange, Event::StateChange}) {
        EXPECT_NE(std::find(told.begin(), told.end(), on(cal->grdmonth, event, 1)), told.end());
    }
    EXPECT_TRUE(std::none_of(told.begin(), told.end(), [&](const ui::AccessibleNotice& notice) {
        return notice.Subject == &cal->lblnumber;
    }));
    // Every element is watched, the first one too.
    ui::Element& first = *cal->Elements().front();
    first.SetVisible(!first.Visible());
    EXPECT_EQ(watch.Changes(true),
              (std::vector<ui::AccessibleNotice>{on(first, Event::StateChange)}));
}

// A window of one grid, its first cell framed, which gains an element after the screen reader
// has looked.
class GridWindow final : public ui::Form {
  public:
    explicit GridWindow(ui::WindowSystem& system)
        : ui::Form(system, "grid", "", 3000, 3000, 0), grid(*this, "cells", {}, {}, {}) {
        AddElement(grid);
        std::vector<ui::GridCell> cells(3);
        cells[0].Framed = true;
        grid.SetCells(cells);
    }
    void AddLate() { AddElement(late); }
    ui::CellGrid grid;
    ui::Label late{*this, "late", -1, {}, "迟", 0, {}};
};

// Between two looks the cells grow or shrink in number and the window gains an element: only
// what both looks saw is compared.
TEST(AccessibleWatchTest, OnlyWhatBothLooksSawIsCompared) {
    ui::HeadlessWindowSystem system;
    GridWindow window(system);
    window.Show();
    ui::AccessibleWatch watch(window);
    std::vector<ui::GridCell> cells(5);
    cells[4].Framed = true;
    window.grid.SetCells(cells);
    EXPECT_EQ(watch.Changes(true),
              (std::vector{ui::AccessibleNotice{&window.grid, Event::StateChange, 1}}));
    cells.resize(1);
    cells[0].AccessibleName = "一";
    window.grid.SetCells(cells);
    window.AddLate();
    EXPECT_EQ(watch.Changes(true),
              (std::vector{ui::AccessibleNotice{&window.grid, Event::NameChange, 1}}));
}

// A screen reader moves among a grid's cells by their places, whatever the columns: 3 x 2
// cells, a wide one under them and an empty one, which is passed over.
TEST(NeighbourCell, TheNearestCellThatWayOverlappingAcross) {
    const std::vector<ui::Rect> cells{{0, 0, 10, 10},  {10, 0, 10, 10},  {20, 0, 10, 10},
                                      {0, 10, 10, 10}, {10, 10, 10, 10}, {20, 10, 10, 10},
                                      {0, 20, 30, 10}, {5, 5, 0, 0}};
    using enum ui::CellDirection;
    const std::tuple<int, ui::CellDirection, std::optional<int>> cases[] = {
        {4, Up, 1},   {1, Down, 4}, {4, Left, 3}, {4, Right, 5}, {5, Right, {}},
        {3, Up, 0},   {0, Up, {}},  {5, Down, 6}, {6, Up, 4},    {6, Left, {}},
        {-1, Up, {}}, {8, Up, {}},  {2, Left, 1},
    };
    for (const auto& [from, direction, expected] : cases) {
        EXPECT_EQ(ui::NeighbourCell(cells, from, direction), expected)
            << from << " " << static_cast<int>(direction);
    }
}

}  // namespace
}  // namespace calendar_test
