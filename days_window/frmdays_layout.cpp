// The 我的日子 window's design: the list on the left, the form on the right, the buttons and the
// status line below; the settings window's look.
#include <iterator>
#include <string>

#include "days_window/frmdays.h"

namespace {

using ui::Rect;

constexpr ui::Colour kMenuBackground = ui::SystemColour(4);
constexpr ui::Colour kBlack = ui::Rgb(0, 0, 0);
constexpr int kClientWidth = 7560;
constexpr int kClientHeight = 5640;

const ui::Font kFont{"宋体", 9, false};
const ui::Font kTitleFont{"宋体", 10.5, true};
const ui::Font kCloseMarkFont{"宋体", 14.25, false};

// The form's column: a label, then its field.
constexpr int kLabelLeft = 3720;
constexpr int kLabelWidth = 900;
constexpr int kFieldLeft = 4680;
constexpr int kFieldWidth = 2760;
constexpr int kRowHeight = 315;
constexpr int kRow = 420;
constexpr int kFirstRow = 480;
constexpr int Row(int n) {
    return kFirstRow + n * kRow;
}

// The reminders' boxes, two to a row from the 提醒 row.
constexpr int kRemindRow = 6;
constexpr int kRemindWidth = 1380;
constexpr const char* kRemindDesign[] = {"当天(&0)", "提前1天(&1)", "提前3天(&3)", "提前7天(&7)"};
static_assert(std::size(kRemindDesign) == frmdays::kOfferedRemindBoxes);

constexpr int kButtonTop = 4695;
constexpr int kButtonHeight = 375;
constexpr int kButtonWidth = 1380;
constexpr int kButtonSpacing = 1500;
constexpr int Button(int n) {
    return 120 + n * kButtonSpacing;
}
constexpr int kStatusTop = 5205;

}  // namespace

frmdays::frmdays(ui::WindowSystem& system, CalendarOperations& calendar,
                 platform::UserFileStore& files, std::string folder, const platform::Clock& clock,
                 std::string version, days_window::DaysSession::DaysWritten daysWritten)
    : ui::Form(system, "frmdays", kTitle, kClientWidth, kClientHeight, kMenuBackground),
      lbltitle(*this, "lbltitle", -1, Rect{120, 90, 3480, 300}, kTitle, kBlack, kTitleFont),
      lblclose(*this, "lblclose", -1, Rect{kClientWidth - 255, 0, 255, 255}, "×", kBlack,
               kCloseMarkFont),
      lstdays(*this, "lstdays", Rect{120, kFirstRow, 3480, Row(9) - kFirstRow + kRowHeight}, kFont),
      lblname(*this, "lblname", -1, Rect{kLabelLeft, Row(0), kLabelWidth, kRowHeight}, "名称(&N)",
              kBlack, kFont),
      txtname(*this, "txtname", Rect{kFieldLeft, Row(0), kFieldWidth, kRowHeight}, 40, kFont),
      lblkind(*this, "lblkind", -1, Rect{kLabelLeft, Row(1), kLabelWidth, kRowHeight}, "类型(&K)",
              kBlack, kFont),
      cbokind(*this, "cbokind", Rect{kFieldLeft, Row(1), kFieldWidth, kRowHeight}, "", kBlack,
              ui::SystemColour(5), kFont),
      lblcalendar(*this, "lblcalendar", -1, Rect{kLabelLeft, Row(2), kLabelWidth, kRowHeight},
                  "历法(&C)", kBlack, kFont),
      cbocalendar(*this, "cbocalendar", Rect{kFieldLeft, Row(2), kFieldWidth, kRowHeight}, "",
                  kBlack, ui::SystemColour(5), kFont),
      lblyear(*this, "lblyear", -1, Rect{kLabelLeft, Row(3), kLabelWidth, kRowHeight}, "农历年(&Y)",
              kBlack, kFont),
      cboyear(*this, "cboyear", Rect{kFieldLeft, Row(3), kFieldWidth, kRowHeight}, "", kBlack,
              ui::SystemColour(5), kFont),
      lblmonth(*this, "lblmonth", -1, Rect{kLabelLeft, Row(4), kLabelWidth, kRowHeight}, "月(&M)",
               kBlack, kFont),
      cbomonth(*this, "cbomonth", Rect{kFieldLeft, Row(4), 1200, kRowHeight}, "", kBlack,
               ui::SystemColour(5), kFont),
      lblday(*this, "lblday", -1, Rect{5940, Row(4), 420, kRowHeight}, "日(&D)", kBlack, kFont),
      cboday(*this, "cboday", Rect{6420, Row(4), 1020, kRowHeight}, "", kBlack, ui::SystemColour(5),
             kFont),
      chkleap(*this, "chkleap", Rect{kLabelLeft, Row(5), kLabelWidth, kRowHeight}, "闰月(&L)",
              kFont),
      lblother(*this, "lblother", -1, Rect{kFieldLeft, Row(5), kFieldWidth, kRowHeight}, "", kBlack,
               kFont),
      lblremind(*this, "lblremind", -1, Rect{kLabelLeft, Row(kRemindRow), kLabelWidth, kRowHeight},
                "提醒", kBlack, kFont),
      lblnote(*this, "lblnote", -1, Rect{kLabelLeft, Row(9), kLabelWidth, kRowHeight}, "备注(&T)",
              kBlack, kFont),
      txtnote(*this, "txtnote", Rect{kFieldLeft, Row(9), kFieldWidth, kRowHeight}, 200, kFont),
      cmdnew(*this, "cmdnew", Rect{Button(0), kButtonTop, kButtonWidth, kButtonHeight}, "新建(&A)",
             kFont),
      cmdsave(*this, "cmdsave", Rect{Button(1), kButtonTop, kButtonWidth, kButtonHeight},
              "保存(&S)", kFont),
      cmddelete(*this, "cmddelete", Rect{Button(2), kButtonTop, kButtonWidth, kButtonHeight},
                "删除", kFont),
      cmdexport(*this, "cmdexport", Rect{Button(3), kButtonTop, kButtonWidth, kButtonHeight},
                "导出…(&E)", kFont),
      cmdclose(*this, "cmdclose", Rect{Button(4), kButtonTop, kButtonWidth, kButtonHeight}, "关闭",
               kFont),
      // In the place of 新建, 保存 and 删除, which a faulty file leaves nothing to do for.
      cmdnotepad(*this, "cmdnotepad", Rect{Button(0), kButtonTop, 2040, kButtonHeight},
                 "用记事本打开", kFont),
      cmdaside(*this, "cmdaside", Rect{Button(0) + 2160, kButtonTop, 2220, kButtonHeight},
               "移开有误的文件", kFont),
      lblstatus(*this, "lblstatus", -1, Rect{120, kStatusTop, 6000, 300}, "", kBlack, kFont),
      cmdundo(*this, "cmdundo", Rect{6240, kStatusTop - 45, 1200, kButtonHeight}, "撤销", kFont),
      calendar_(calendar),
      files_(files),
      folder_(std::move(folder)),
      clock_(clock),
      version_(std::move(version)),
      daysWritten_(std::move(daysWritten)) {
    SetContrastColours(ui::kMenuContrast);
    for (int i = 0; i < kOfferedRemindBoxes + kOtherRemindBoxes; ++i) {
        chkremind.Add(*this, "chkremind", i,
                      Rect{kFieldLeft + i % 2 * kRemindWidth, Row(kRemindRow + i / 2), kRemindWidth,
                           kRowHeight},
                      i < kOfferedRemindBoxes ? kRemindDesign[i] : "", kFont);
    }
    cmdsave.SetDefault(true);

    // Tab order: the list, the form top to bottom, the buttons left to right, the status line's.
    int tab = 0;
    for (ui::Element* element : std::initializer_list<ui::Element*>{
             &lstdays, &txtname, &cbokind, &cbocalendar, &cboyear, &cbomonth, &cboday, &chkleap}) {
        element->SetTabIndex(tab++);
    }
    for (auto& box : chkremind) {
        box->SetTabIndex(tab++);
    }
    for (ui::Element* element :
         std::initializer_list<ui::Element*>{&txtnote, &cmdnotepad, &cmdaside, &cmdnew, &cmdsave,
                                             &cmddelete, &cmdexport, &cmdclose, &cmdundo}) {
        element->SetTabIndex(tab++);
    }

    for (ui::Element* element : std::initializer_list<ui::Element*>{
             &lbltitle, &lblclose, &lstdays, &lblname, &txtname, &lblkind, &cbokind, &lblcalendar,
             &cbocalendar, &lblyear, &cboyear, &lblmonth, &cbomonth, &lblday, &cboday, &chkleap,
             &lblother, &lblremind}) {
        AddElement(*element);
    }
    AddElements(chkremind);
    for (ui::Element* element : std::initializer_list<ui::Element*>{
             &lblnote, &txtnote, &cmdnew, &cmdsave, &cmddelete, &cmdexport, &cmdclose, &cmdnotepad,
             &cmdaside, &lblstatus, &cmdundo}) {
        AddElement(*element);
    }
    WireEvents();
}

frmdays::~frmdays() {
    Discard();
}
