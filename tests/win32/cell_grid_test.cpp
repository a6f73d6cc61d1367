// The grid drawn in cells on the real window system: what it paints, which presses are a
// cell's click, the cells' own pointer tips and what a screen reader hears of them.
#include <windows.h>

#include <gtest/gtest.h>

#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "platform/ui/cell_grid.h"
#include "platform/ui/form.h"
#include "platform/win32/dpi.h"
#include "platform/win32/gdi_handles.h"
#include "platform/win32/win32_window_system.h"
#include "tests/win32/win32_test_support.h"

namespace platform::win32 {
namespace {

constexpr ui::Colour kRed = ui::Rgb(255, 0, 0);
constexpr ui::Colour kGreen = ui::Rgb(0, 255, 0);
constexpr ui::Colour kBlue = ui::Rgb(0, 0, 255);
constexpr ui::Colour kYellow = ui::Rgb(255, 255, 0);
constexpr ui::Colour kWhite = ui::Rgb(255, 255, 255);

// One heading over 3 x 2 cells of 60 x 40 pixels (at 96 dpi): the first a red 8 with a green
// 休, framed in blue; the second marked in yellow; the third unavailable; the rest with tips.
class GridForm final : public ui::Form {
  public:
    explicit GridForm(ui::WindowSystem& system)
        : ui::Form(system, "GridForm", "Grid", 3600, 2400, ui::Rgb(0, 0, 0)),
          grid(*this, "grid", ui::Rect{300, 300, 2700, 1500}, ui::Font{"宋体", 12, true},
               ui::Font{"宋体", 9, false}) {
        AddElement(grid);
        grid.SetHeadings({{ui::Rect{0, 0, 900, 300}, "一", kWhite}});
        std::vector<ui::GridCell> cells(6);
        for (int i = 0; i < 6; ++i) {
            ui::GridCell& cell = cells[static_cast<std::size_t>(i)];
            cell.Bounds = ui::Rect{900 * (i % 3), 300 + 600 * (i / 3), 900, 600};
            cell.Text = std::to_string(i == 0 ? 8 : i + 1);
            cell.Detail = i == 0 ? "" : "初" + std::to_string(i);
            cell.TextColour = cell.DetailColour = kWhite;
            cell.ToolTip = i >= 3 ? "tip " + std::to_string(i) : "";
            cell.AccessibleName = "day " + std::to_string(i);
        }
        cells[0].TextColour = kRed;
        cells[0].Corner = "休";
        cells[0].CornerColour = kGreen;
        cells[0].Framed = true;
        cells[0].FrameColour = kBlue;
        cells[0].ToolTip = "eight";
        cells[1].Marked = true;
        cells[1].MarkColour = kYellow;
        cells[2].Enabled = false;
        grid.SetCells(cells);
        grid.SetTabIndex(0);
        // A click frames the cell.
        grid.CellClick = [this](int index) {
            clicks.push_back(index);
            std::vector<ui::GridCell> framed = grid.Cells();
            for (std::size_t i = 0; i < framed.size(); ++i) {
                framed[i].Framed = static_cast<int>(i) == index;
            }
            grid.SetCells(framed);
        };
    }

    ui::CellGrid grid;
    std::vector<int> clicks;
};

class CellGridTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form.Show();
        Pump();
    }
    HWND Grid() const {
        return ::FindWindowExW(static_cast<HWND>(system.NativeHandle(form)), nullptr,
                               L"LunadeskGrid", nullptr);
    }
    // A cell's rectangle in the grid's client pixels.
    RECT Cell(int index) const {
        const ui::Rect& b = form.grid.Cell(index).Bounds;
        return RECT{TwipsToPixelPosition(b.Left, dpi), TwipsToPixelPosition(b.Top, dpi),
                    TwipsToPixelPosition(b.Right(), dpi), TwipsToPixelPosition(b.Bottom(), dpi)};
    }
    // How many pixels of the area show the colour, as painted now.
    int Count(const RECT& area, ui::Colour colour) const {
        ::RedrawWindow(Grid(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        const WindowDc dc(Grid());
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                count += ::GetPixel(dc.Get(), x, y) == static_cast<COLORREF>(colour) ? 1 : 0;
            }
        }
        return count;
    }
    void Click(POINT press, POINT release) const {
        Send(Grid(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(press.x, press.y));
        Send(Grid(), WM_LBUTTONUP, 0, MAKELPARAM(release.x, release.y));
    }

    const int dpi = SystemDpi();
    Win32WindowSystem system;
    GridForm form{system};
};

POINT Middle(const RECT& area) {
    return POINT{(area.left + area.right) / 2, (area.top + area.bottom) / 2};
}

TEST_F(CellGridTest, PaintsHeadingsAndCellsAndRepaintsAChangedCell) {
    const RECT first = Cell(0);
    const RECT corner{Middle(first).x + 4, first.top + 2, first.right - 2, Middle(first).y};
    EXPECT_GT(Count(RECT{0, 0, first.right, first.top}, kWhite), 4) << "the heading";
    EXPECT_GT(Count(first, kRed), 4) << "the number";
    EXPECT_GT(Count(corner, kGreen), 4) << "the corner mark, at the top right";
    EXPECT_EQ(Count(RECT{first.left, first.top, first.left + 1, first.bottom}, kBlue),
              first.bottom - first.top)
        << "the frame";
    EXPECT_GT(Count(Cell(1), kYellow), 20) << "the outline of the marked cell";
    EXPECT_EQ(Count(Cell(1), kBlue), 0) << "no frame";
    EXPECT_EQ(Count(Cell(2), ui::Rgb(0, 0, 0)), 60 * 40) << "an unavailable cell is empty";
    std::vector<ui::GridCell> cells = form.grid.Cells();
    cells[0].TextColour = kYellow;
    form.grid.SetCells(cells);
    Pump();
    EXPECT_EQ(std::pair(Count(first, kRed), Count(first, kYellow) > 4), std::pair(0, true));
}

// A press and release in one enabled cell; nothing for an unavailable one or a release in
// another cell.
TEST_F(CellGridTest, APressAndReleaseInOneEnabledCellIsItsClick) {
    Click(Middle(Cell(4)), Middle(Cell(4)));
    Click(Middle(Cell(2)), Middle(Cell(2)));
    Click(Middle(Cell(3)), Middle(Cell(5)));
    Click(Middle(Cell(0)), POINT{Cell(0).left + 1, Cell(0).bottom - 1});
    EXPECT_EQ(form.clicks, (std::vector<int>{4, 0}));
}

// The tips' tools of the grid's window: cell index, rectangle, text.
using Tools = std::vector<std::tuple<UINT_PTR, std::tuple<LONG, LONG, LONG, LONG>, std::wstring>>;
Tools ToolsOf(HWND window) {
    HWND tips = nullptr;
    while ((tips = ::FindWindowExW(nullptr, tips, TOOLTIPS_CLASSW, nullptr)) != nullptr &&
           ::GetWindow(tips, GW_OWNER) != ::GetParent(window)) {
    }
    Tools tools;
    const auto count = ::SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0);
    for (WPARAM i = 0; tips != nullptr && i < static_cast<WPARAM>(count); ++i) {
        wchar_t text[80]{};
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.lpszText = text;
        ::SendMessageW(tips, TTM_ENUMTOOLSW, i, reinterpret_cast<LPARAM>(&tool));
        if (tool.hwnd == window) {
            const RECT& r = tool.rect;
            tools.emplace_back(tool.uId, std::tuple(r.left, r.top, r.right, r.bottom), text);
        }
    }
    return tools;
}

TEST_F(CellGridTest, EachEnabledCellWithATipIsAToolOfItsOwnRectangle) {
    const auto tool = [&](int index, const wchar_t* text) {
        const RECT r = Cell(index);
        return std::tuple(UINT_PTR(index), std::tuple(r.left, r.top, r.right, r.bottom),
                          std::wstring(text));
    };
    EXPECT_EQ(ToolsOf(Grid()),
              (Tools{tool(0, L"eight"), tool(3, L"tip 3"), tool(4, L"tip 4"), tool(5, L"tip 5")}));
    std::vector<ui::GridCell> cells = form.grid.Cells();
    cells[3].ToolTip.clear();
    cells[4].Enabled = false;
    cells[5].ToolTip = "新";
    cells[0].Bounds.Left = 60;
    form.grid.SetCells(cells);
    Pump();
    EXPECT_EQ(ToolsOf(Grid()), (Tools{tool(0, L"eight"), tool(5, L"新")}));
    form.grid.SetVisible(false);
    Pump();
    EXPECT_EQ(ToolsOf(Grid()), Tools{});
}

std::vector<std::tuple<DWORD, LONG>> events;  // the grid's focus and selection events, child
void CALLBACK OnEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG, LONG child, DWORD, DWORD) {
    if (::FindWindowExW(::GetParent(window), nullptr, L"LunadeskGrid", nullptr) == window) {
        events.emplace_back(event, child);
    }
}

// Each cell a simple child of the grid's object: named, described, placed, hit, selected,
// focused with the grid and pressed after the call returns; events name the child.
TEST_F(CellGridTest, ScreenReadersHearEachCellAsAChildOfTheGrid) {
    events.clear();
    const HWINEVENTHOOK hook =
        ::SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_SELECTION, nullptr, OnEvent,
                          ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ::SetFocus(nullptr);
    ::SetFocus(Grid());
    Click(Middle(Cell(4)), Middle(Cell(4)));
    Pump();
    ::UnhookWinEvent(hook);
    EXPECT_EQ(std::count(events.begin(), events.end(), std::tuple(EVENT_OBJECT_FOCUS, 1L)), 1);
    EXPECT_EQ(std::vector(events.end() - 2, events.end()),
              (std::vector<std::tuple<DWORD, LONG>>{{EVENT_OBJECT_FOCUS, 5},
                                                    {EVENT_OBJECT_SELECTION, 5}}));

    IAccessible* const grid = ObjectOf(Grid());
    ASSERT_NE(grid, nullptr);
    LONG count = 0;
    VARIANT role{}, state{}, unavailable{}, hit{}, focus{}, selection{};
    IDispatch* simple = nullptr;
    grid->get_accChildCount(&count);
    grid->get_accRole(Self(), &role);
    grid->get_accState(Self(5), &state);
    grid->get_accState(Self(3), &unavailable);
    const RECT cell = Cell(3);
    POINT corner{cell.left, cell.top};
    ::ClientToScreen(Grid(), &corner);
    LONG place[4]{};
    grid->accLocation(&place[0], &place[1], &place[2], &place[3], Self(4));
    grid->accHitTest(corner.x + 1, corner.y + 1, &hit);
    grid->get_accFocus(&focus);
    grid->get_accSelection(&selection);
    EXPECT_EQ(std::tuple(count, role.lVal, grid->get_accChild(Self(4), &simple), hit.lVal,
                         focus.lVal, selection.lVal),
              std::tuple(6L, LONG{ROLE_SYSTEM_TABLE}, S_FALSE, 4L, 5L, 5L));
    EXPECT_EQ(state.lVal & ~STATE_SYSTEM_FOCUSABLE,
              STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED);
    EXPECT_TRUE(unavailable.lVal & STATE_SYSTEM_UNAVAILABLE);
    EXPECT_EQ(std::tuple(place[0], place[1], place[2], place[3]),
              std::tuple(corner.x, corner.y, cell.right - cell.left, cell.bottom - cell.top));
    EXPECT_EQ(std::tuple(Said(&IAccessible::get_accName, grid, 1),
                         Said(&IAccessible::get_accDescription, grid, 1),
                         Said(&IAccessible::get_accDefaultAction, grid, 4),
                         Said(&IAccessible::get_accDefaultAction, grid, 3)),
              std::tuple(L"day 0", L"eight", L"按下", L"<none>"));
    EXPECT_EQ(std::pair(grid->accDoDefaultAction(Self(2)), grid->accDoDefaultAction(Self(3))),
              std::pair(S_OK, DISP_E_MEMBERNOTFOUND));
    EXPECT_EQ(form.clicks, std::vector<int>{4});
    Pump();
    EXPECT_EQ(form.clicks, (std::vector<int>{4, 1}));
    grid->Release();
}

}  // namespace
}  // namespace platform::win32
