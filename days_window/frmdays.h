// The 我的日子 window: the list of the user's days beside the form of one of them. Opened from
// the calendar's menu on the calendar's selected date, it edits days.json through one session
// per opening; every change is written at once and the calendar told.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "calendar_window/calendar_operations.h"
#include "days_window/days_session.h"
#include "platform/clock.h"
#include "platform/ui/element_array.h"
#include "platform/ui/form.h"
#include "platform/ui/window_system.h"

class frmdays final : public ui::Form {
  public:
    static constexpr const char* kTitle = "我的日子";
    // Boxes for the reminders offered (当天, 提前1天, 3天, 7天), then for others a day may come
    // with.
    static constexpr int kOfferedRemindBoxes = 4;
    static constexpr int kOtherRemindBoxes = 2;

    frmdays(ui::WindowSystem& system, CalendarOperations& calendar, platform::UserFileStore& files,
            std::string folder, const platform::Clock& clock, std::string version,
            days_window::DaysSession::DaysWritten daysWritten);
    ~frmdays() override;

    ui::AccessibleInfo Accessible(const ui::Element& element) const override;
    // The session of this opening; none while the window is closed.
    const days_window::DaysSession* Session() const { return session_.get(); }

    // Elements, in design order (each label before what it names).
    ui::Label lbltitle;
    ui::Label lblclose;
    ui::ListBox lstdays;
    ui::Label lblname;
    ui::TextBox txtname;
    ui::Label lblkind;
    ui::ComboBox cbokind;
    ui::Label lblcalendar;
    ui::ComboBox cbocalendar;
    ui::Label lblyear;
    ui::ComboBox cboyear;
    ui::Label lblmonth;
    ui::ComboBox cbomonth;
    ui::Label lblday;
    ui::ComboBox cboday;
    ui::CheckBox chkleap;
    ui::Label lblother;
    ui::Label lblremind;
    // 当天, 提前1天, 3天, 7天, then the day's other reminders.
    ui::ElementArray<ui::CheckBox> chkremind;
    ui::Label lblnote;
    ui::TextBox txtnote;
    ui::Button cmdnew;
    ui::Button cmdsave;
    ui::Button cmddelete;
    ui::Button cmdexport;
    ui::Button cmdclose;
    ui::Button cmdnotepad;
    ui::Button cmdaside;
    ui::Label lblstatus;
    ui::Button cmdundo;

  private:
    void WireEvents();
    void OnLoad() override;
    void OnUnload() override;
    void OnCloseRequest() override;
    void OnDisplayChange() override;
    void OnMouseDown(int button, int shift, int x, int y) override;
    bool OnKeyDown(int key, int shift) override;
    void OnTimeChange() override;
    void PlaceWindow();

    // Shows the session: the list, the form, the status line and what a faulty file allows.
    void ShowSession();
    void ShowForm();
    void ShowChoices(ui::ComboBox& box, const std::vector<std::string>& choices, int selected);
    // Runs a change of the form made by the user, then shows the form as it now is.
    void ChangeForm(const std::function<void(days_window::DayForm&)>& change);
    // Runs what the session does for a button, then shows where it left the window.
    void Act(const std::function<bool(days_window::DaysSession&)>& action);

    void lstdays_SelectionChange();
    void cmdnew_Click();
    void cmdexport_Click();
    void cmdclose_Click();
    void cmdnotepad_Click();
    void cmdaside_Click();

    CalendarOperations& calendar_;
    platform::UserFileStore& files_;
    std::string folder_;
    const platform::Clock& clock_;
    std::string version_;
    days_window::DaysSession::DaysWritten daysWritten_;
    std::unique_ptr<days_window::DaysSession> session_;
    // While the window shows the session, the elements' own events are not the user's.
    bool showing_ = false;
};
