// The 我的日子 window's handlers: the elements show the session, and what the user does goes
// to the session, which writes days.json at once; the window then shows where that left it.
#include "days_window/frmdays.h"

#include <chrono>
#include <utility>

#include "platform/ui/keys.h"
#include "platform/ui/placement.h"
#include "user_files/days_export.h"

namespace {

using days_window::DayForm;
using days_window::DaysSession;

}  // namespace

void frmdays::WireEvents() {
    lstdays.SelectionChange = [this] { lstdays_SelectionChange(); };
    lstdays.DeleteKey = [this] { Act(&DaysSession::Remove); };
    txtname.Change = [this] { ChangeForm([this](DayForm& form) { form.Name = txtname.Text(); }); };
    cbokind.Click = [this] {
        ChangeForm([this](DayForm& form) {
            form.Kind = static_cast<lunar::UserDayKind>(cbokind.ListIndex());
        });
    };
    cbocalendar.Click = [this] {
        ChangeForm([this](DayForm& form) {
            days_window::SetCalendar(form,
                                     static_cast<lunar::UserCalendar>(cbocalendar.ListIndex()));
        });
    };
    cboyear.Click = [this] {
        ChangeForm([this](DayForm& form) {
            days_window::SetYear(
                form, days_window::YearOfChoice(static_cast<std::size_t>(cboyear.ListIndex())));
        });
    };
    cbomonth.Click = [this] {
        ChangeForm(
            [this](DayForm& form) { days_window::SetMonth(form, cbomonth.ListIndex() + 1); });
    };
    cboday.Click = [this] {
        ChangeForm([this](DayForm& form) { days_window::SetDay(form, cboday.ListIndex() + 1); });
    };
    chkleap.Click = [this] {
        ChangeForm([this](DayForm& form) { days_window::SetLeap(form, chkleap.Value()); });
    };
    for (int i = 0; i < chkremind.Count(); ++i) {
        chkremind[i].Click = [this, i] {
            ChangeForm([this, i](DayForm& form) {
                const auto choices = days_window::RemindChoices(form);
                days_window::SetRemind(form, choices[static_cast<std::size_t>(i)].Before,
                                       chkremind[i].Value());
            });
        };
    }
    txtnote.Change = [this] {
        ChangeForm([this](DayForm& form) { days_window::SetNote(form, txtnote.Text()); });
    };
    cmdnew.Click = [this] { cmdnew_Click(); };
    cmdsave.Click = [this] { Act(&DaysSession::Save); };
    cmddelete.Click = [this] { Act(&DaysSession::Remove); };
    cmdexport.Click = [this] { cmdexport_Click(); };
    cmdclose.Click = [this] { cmdclose_Click(); };
    lblclose.Click = [this] { cmdclose_Click(); };
    cmdnotepad.Click = [this] { cmdnotepad_Click(); };
    cmdaside.Click = [this] { cmdaside_Click(); };
    cmdundo.Click = [this] { Act(&DaysSession::Undo); };
}

// Read afresh at each opening: the file may have been changed by hand or by a synced folder.
void frmdays::OnLoad() {
    PlaceWindow();
    const platform::LocalDateTime now = clock_.Now();
    session_ = std::make_unique<DaysSession>(files_, folder_, now.Date, calendar_.SelectedDate(),
                                             daysWritten_);
    ShowSession();
    // Ready for a new day: its name first.
    SetFocus(session_->Fault() ? static_cast<ui::Element*>(&cmdaside) : &txtname);
}

void frmdays::OnUnload() {
    // Closed with the calendar: a valid change is kept, as on 关闭.
    if (session_) {
        session_->Close();
    }
    session_.reset();
}

void frmdays::OnCloseRequest() {
    cmdclose_Click();
}

// Beside the calendar where it is now, wholly on its monitor's work area.
void frmdays::PlaceWindow() {
    const ui::Rect calendar = calendar_.WindowPlace();
    const ui::Place place =
        ui::PlaceBeside(System().Monitors(), ui::Place{calendar.Left, calendar.Top}, calendar.Width,
                        calendar.Height, ClientWidth(), ClientHeight());
    SetLeft(place.Left);
    SetTop(place.Top);
}

void frmdays::OnDisplayChange() {
    if (!ui::IsReachable(System().Monitors(), ui::Place{Left(), Top()}, ClientWidth(),
                         ClientHeight())) {
        PlaceWindow();
    }
}

void frmdays::OnMouseDown(int /*button*/, int /*shift*/, int /*x*/, int /*y*/) {
    System().ReleaseCapture();
    System().RunMoveLoop(*this);
}

// Esc closes as 关闭 does; Ctrl+Z brings back the day removed last, except in a text box, where
// it is the box's own undo (the box keeps it).
bool frmdays::OnKeyDown(int key, int shift) {
    if (key == ui::kKeyEscape && shift == 0) {
        cmdclose_Click();
        return true;
    }
    if (key == 'Z' && shift == ui::kCtrlMask) {
        Act(&DaysSession::Undo);
        return true;
    }
    return false;
}

// Across midnight the list says how far off each day is from the new date.
void frmdays::OnTimeChange() {
    if (session_) {
        session_->SetToday(clock_.Now().Date);
        ShowSession();
    }
}

void frmdays::ShowSession() {
    const DaysSession& session = *session_;
    showing_ = true;
    std::vector<std::string> rows;
    rows.reserve(session.Rows().size());
    for (const days_window::DayRow& row : session.Rows()) {
        rows.push_back(row.Text);
    }
    lstdays.SetRows(std::move(rows));
    const auto selected = session.SelectedRow();
    lstdays.SetSelectedIndex(selected ? static_cast<int>(*selected) : -1);
    showing_ = false;
    ShowForm();
    // A faulty file: nothing can be written until it is moved aside, so the form goes and the
    // two ways out come in place of the buttons that would write.
    const bool faulty = session.Fault().has_value();
    for (ui::Element* element : std::initializer_list<ui::Element*>{
             &lblname, &txtname, &lblkind, &cbokind, &lblcalendar, &cbocalendar, &lblyear, &cboyear,
             &lblmonth, &cbomonth, &lblday, &cboday, &lblremind, &lblnote, &txtnote, &cmdnew,
             &cmdsave, &cmddelete}) {
        element->SetVisible(!faulty);
    }
    cmdnotepad.SetVisible(faulty);
    cmdaside.SetVisible(faulty);
    if (faulty) {
        chkleap.SetVisible(false);
        lblother.SetVisible(false);
        for (auto& box : chkremind) {
            box->SetVisible(false);
        }
    }
    lblstatus.SetCaption(session.Status());
    lblstatus.SetToolTip(session.Status());
    cmdundo.SetVisible(session.CanUndo());
}

void frmdays::ShowForm() {
    const DayForm& form = session_->Form();
    showing_ = true;
    txtname.SetText(form.Name);
    ShowChoices(cbokind, days_window::KindChoices(), static_cast<int>(form.Kind));
    ShowChoices(cbocalendar, days_window::CalendarChoices(), static_cast<int>(form.Calendar));
    lblyear.SetCaption(days_window::YearLabel(form) + "(&Y)");
    ShowChoices(cboyear, days_window::YearChoices(),
                static_cast<int>(days_window::YearChoice(form)));
    ShowChoices(cbomonth, days_window::MonthChoices(form), form.Month - 1);
    ShowChoices(cboday, days_window::DayChoices(form), form.Day - 1);
    const bool lunar = form.Calendar == lunar::UserCalendar::Lunar;
    chkleap.SetVisible(lunar && days_window::LeapAvailable(form));
    chkleap.SetValue(form.Leap);
    lblother.SetVisible(true);
    lblother.SetCaption(days_window::OtherCalendarDate(form));
    const auto choices = days_window::RemindChoices(form);
    for (int i = 0; i < chkremind.Count(); ++i) {
        const bool shown = i < static_cast<int>(choices.size());
        chkremind[i].SetVisible(shown);
        if (shown) {
            const auto& choice = choices[static_cast<std::size_t>(i)];
            if (i >= kOfferedRemindBoxes) {
                chkremind[i].SetCaption(choice.Text);
            }
            chkremind[i].SetValue(choice.Ticked);
        }
    }
    txtnote.SetText(form.Note.value_or(""));
    showing_ = false;
}

void frmdays::ShowChoices(ui::ComboBox& box, const std::vector<std::string>& choices,
                          int selected) {
    bool same = box.ListCount() == static_cast<int>(choices.size());
    for (int i = 0; same && i < box.ListCount(); ++i) {
        same = box.List(i) == choices[static_cast<std::size_t>(i)];
    }
    if (!same) {
        box.SetItems(choices);
    }
    if (box.ListIndex() != selected) {
        box.SetListIndex(selected);
    }
}

void frmdays::ChangeForm(const std::function<void(DayForm&)>& change) {
    if (showing_ || !session_) {
        return;
    }
    change(session_->Form());
    ShowForm();
}

void frmdays::Act(const std::function<bool(DaysSession&)>& action) {
    if (!session_) {
        return;
    }
    action(*session_);
    ShowSession();
}

void frmdays::lstdays_SelectionChange() {
    if (showing_ || !session_) {
        return;
    }
    const int row = lstdays.SelectedIndex();
    // A form that cannot be saved keeps its row selected: the status line says why.
    if (row >= 0) {
        session_->SelectRow(static_cast<std::size_t>(row));
    }
    ShowSession();
}

void frmdays::cmdnew_Click() {
    if (session_ && session_->New()) {
        SetFocus(&txtname);
    }
    ShowSession();
}

void frmdays::cmdexport_Click() {
    if (!session_) {
        return;
    }
    const auto stamp = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
    if (auto said = user_files::ExportDays(session_->Days(), clock_.Now().Date, version_, stamp,
                                           System(), *this, files_)) {
        session_->Say(std::move(*said));
    }
    ShowSession();
}

void frmdays::cmdclose_Click() {
    if (!session_) {
        return;
    }
    if (!session_->Close()) {
        ShowSession();  // stays, and says why
        return;
    }
    session_.reset();
    Unload();
}

void frmdays::cmdnotepad_Click() {
    if (session_ && !System().OpenInNotepad(session_->FilePath())) {
        session_->Say("无法启动记事本");
    }
    ShowSession();
}

void frmdays::cmdaside_Click() {
    const bool moved = session_ && session_->MoveFaultyFileAside(clock_.Now());
    ShowSession();
    if (moved) {
        SetFocus(&txtname);
    }
}

// The lists are named by their labels, as the text boxes are; the "×" mark as what it does.
ui::AccessibleInfo frmdays::Accessible(const ui::Element& element) const {
    ui::AccessibleInfo info = ui::DefaultAccessibleInfo(element);
    if (element.Kind() == ui::ElementKind::ComboBox) {
        info.Name = ui::LabelBefore(element);
    } else if (&element == &lblclose) {
        return ui::PushButton(element, "关闭");
    }
    return info;
}
