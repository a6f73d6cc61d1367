// The calendar window in its designed state: every element at its place, with its first
// caption, colour and font. Start-up then brings it into its working state.
#include <string>
#include <vector>

#include "calendar_window/frmcalendar.h"
#include "calendar_window/month_cells.h"
#include "settings/settings_store.h"

namespace {

using ui::Rect;
using ui::Rgb;

const ui::Font kDefaultFont{"MS Sans Serif", 8.25, true};
const ui::Font kSong8{"宋体", 8, true};
const ui::Font kSong9{"宋体", 9, true};
const ui::Font kSong105{"宋体", 10.5, true};
const ui::Font kSong15{"宋体", 15, true};

constexpr ui::Colour kGreen = Rgb(0, 255, 0);
constexpr ui::Colour kMagenta = Rgb(255, 0, 255);
constexpr ui::Colour kWhite = Rgb(255, 255, 255);
constexpr ui::Colour kDarkGrey = Rgb(64, 64, 64);
// The system's window background; start-up turns it black.
constexpr ui::Colour kWindowBackground = Rgb(255, 255, 255);

// Day i + 1 sits in column i mod 7 and row i div 7, day 1 always top left; a number is 300 x
// 285 twips, one every 360.
constexpr int kDayPitch = 360;
constexpr int kDayWidth = 300;
constexpr int kDayHeight = 285;
constexpr Rect kDayGrid{240, 840, 6 * kDayPitch + kDayWidth, 4 * kDayPitch + kDayHeight};

// Every day number starts framed; the first selection clears all frames but one.
std::vector<ui::GridCell> DesignDays() {
    std::vector<ui::GridCell> days(31);
    for (int i = 0; i < 31; ++i) {
        ui::GridCell& day = days[static_cast<std::size_t>(i)];
        day.Bounds = Rect{kDayPitch * (i % 7), kDayPitch * (i / 7), kDayWidth, kDayHeight};
        day.Text = std::to_string(i + 1);
        day.TextColour = kGreen;
        day.Framed = true;
        day.FrameColour = kGreen;
    }
    return days;
}

}  // namespace

frmcalendar::frmcalendar(ui::WindowSystem& system, SettingsStore& store,
                         const platform::Clock& clock)
    : ui::Form(system, "frmcalendar", kTitle, kCompactWidth, kCompactHeight, kWindowBackground),
      cbomonth(*this, "cbomonth", Rect{120, 360, 855, 315}, "点击选择", kGreen, kDarkGrey,
               kDefaultFont),
      Label4(*this, "Label4", -1, Rect{120, 360, 855, 255}, "Label4", kMagenta, kDefaultFont),
      cboyear(*this, "cboyear", Rect{1320, 360, 855, 315}, "点击选择", kGreen, kDarkGrey,
              kDefaultFont),
      Label5(*this, "Label5", -1, Rect{1320, 360, 975, 255}, "Label5", kMagenta, kDefaultFont),
      Label7(*this, "Label7", -1, Rect{2400, 0, 255, 255}, "-", kWhite, kSong15,
             ui::TextAlignment::Centre),
      Label6(*this, "Label6", -1, Rect{2640, 0, 375, 255}, "×", kWhite, kSong105),
      Shape1(*this, "Shape1", -1, Rect{120, 720, 2655, 1935}, false, kWhite, kGreen),
      lblnumber(*this, "lblnumber", kDayGrid, kDefaultFont, kDefaultFont, ui::CellLook::Label),
      Label3(*this, "Label3", -1, Rect{1800, 2280, 855, 255}, "回到今天", kWhite, kSong9),
      lbldate(*this, "lbldate", -1, Rect{120, 2760, 1575, 255}, "", kGreen, kSong9),
      lblday(*this, "lblday", -1, Rect{1680, 2760, 735, 255}, "", kGreen, kSong9),
      Label2(*this, "Label2", -1, Rect{120, 3000, 2655, 255}, "", kMagenta, kSong9),
      Label8(*this, "Label8", -1, Rect{2760, 3120, 615, 255}, "┛", kWhite, kDefaultFont),
      grdmonth(*this, "grdmonth", Rect{180, 780, month_view::kGridWidth, month_view::kGridHeight},
               kDefaultFont, kSong8),
      lblnotice(*this, "lblnotice", -1, Rect{120, 4470, kMonthWidth - 240, 255}, "", kMagenta,
                kSong9),
      Timer1(*this, "Timer1"),
      store_(store),
      clock_(clock),
      userDays_(&NoUserDays()),
      reminders_(system, *this, store, clock, [this](platform::Date d) { ShowReminded(d); }) {
    SetLeft(14865);
    SetTop(4530);

    Label1.Add(*this, "Label1", 0, Rect{120, 120, 615, 255}, "月份&M", kGreen, kSong9);
    Label1.Add(*this, "Label1", 1, Rect{1320, 120, 735, 255}, "年份&Y", kGreen, kSong9);
    lblnumber.SetCells(DesignDays());
    Label7.SetToolTip("最小化");
    Label6.SetToolTip("关闭");
    Label8.SetToolTip("设置");

    // Design order; a box comes after the number label it covers while it is open.
    AddElements(Label1);
    AddElement(Label4);
    AddElement(cbomonth);
    AddElement(Label5);
    AddElement(cboyear);
    AddElement(Label7);
    AddElement(Label6);
    AddElement(Shape1);
    AddElement(lblnumber);
    AddElement(grdmonth);
    AddElement(Label3);
    AddElement(lbldate);
    AddElement(lblday);
    AddElement(Label2);
    AddElement(lblnotice);
    AddElement(Label8);
    AddTimer(Timer1);
    for (const ui::Element* element : Elements()) {
        compactBounds_.push_back(element->Bounds());
    }
    // The month view's parts show only with it; the grid then has the keyboard.
    grdmonth.SetVisible(false);
    grdmonth.SetTabIndex(0);
    grdmonth.SetClickThroughOpenList(true);
    lblnotice.SetVisible(false);

    // A press that closes a dropped list still picks the day under it.
    lblnumber.SetClickThroughOpenList(true);
    lblnumber.CellClick = [this](int index) { lblnumber_Click(static_cast<std::int16_t>(index)); };
    Label3.Click = [this] { Label3_Click(); };
    Label4.Click = [this] { Label4_Click(); };
    Label5.Click = [this] { Label5_Click(); };
    Label6.Click = [this] { Label6_Click(); };
    Label7.Click = [this] { Label7_Click(); };
    Label8.Click = [this] { Label8_Click(); };
    cbomonth.Click = [this] { cbomonth_Click(); };
    cboyear.Click = [this] { cboyear_Click(); };
    grdmonth.CellClick = [this](int index) { grdmonth_CellClick(index); };
    Timer1.Tick = [this] { Timer1_Timer(); };
}

// Tears the native window down while the elements it shows still exist.
frmcalendar::~frmcalendar() {
    Discard();
}
