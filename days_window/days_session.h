// One opening of the 我的日子 window over days.json: what was read, the list, the day in the
// form, and every change written through at once, so that nothing edited is lost silently.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "days_window/day_form.h"
#include "days_window/day_rows.h"
#include "platform/clock.h"
#include "platform/user_file_store.h"
#include "user_files/days_file.h"

namespace days_window {

class DaysSession {
  public:
    // Told what the file holds after every write (no fault), so that the calendar marks the
    // days at once and does not take the write for a change made outside.
    using DaysWritten = std::function<void(const user_files::DaysLoad&)>;

    // Reads days.json in `folder`; a new day starts on the lunar date of `selected`.
    DaysSession(platform::UserFileStore& files, std::string folder,
                const std::chrono::year_month_day& today,
                const std::chrono::year_month_day& selected, DaysWritten daysWritten);

    const std::vector<DayRow>& Rows() const { return rows_; }
    std::vector<lunar::UserDay> Days() const { return file_.UserDays(); }
    // The row of the day in the form; nullopt while the form holds a new day.
    std::optional<std::size_t> SelectedRow() const;
    // The window changes the form through the day_form functions.
    DayForm& Form() { return form_; }
    const DayForm& Form() const { return form_; }
    bool Changed() const { return form_ != shown_; }
    // The status line: what was done last, or why not.
    const std::string& Status() const { return status_; }
    // What the window did besides (an export) for the status line.
    void Say(std::string status) { status_ = std::move(status); }
    bool CanUndo() const { return !removed_.empty(); }
    // While the file has a fault (found on reading it, or on disk at a write) nothing is
    // written: the window shows the form without letting it be changed and offers to move the
    // file aside.
    const std::optional<user_files::FileFault>& Fault() const { return fault_; }
    std::string FilePath() const { return user_files::DaysFilePath(folder_); }

    // Each returns whether it happened; the status line says why not.
    bool Save();
    // Leaving the form (another row, 新建, 关闭) saves a changed form first, or stays.
    bool SelectRow(std::size_t row);
    bool New();
    bool Close();
    bool Remove();
    // Brings back the day removed last, where it was.
    bool Undo();
    // Renames the faulty file to days.broken-yyyymmdd-hhmmss.json beside it (the caller's local
    // time) and starts an empty list.
    bool MoveFaultyFileAside(const platform::LocalDateTime& now);
    // Across midnight the rows say how far off each day is from the new date.
    void SetToday(const std::chrono::year_month_day& today);

  private:
    bool Leave();
    bool Write(const user_files::DaysFile& edited);
    void Show(std::size_t index);
    void ShowNew();
    void ShowDay(const std::string& id);
    bool FileUsable();

    platform::UserFileStore& files_;
    std::string folder_;
    std::chrono::year_month_day today_, selected_;
    DaysWritten daysWritten_;
    std::optional<std::string> bytes_;  // what the file held when read or written last
    user_files::DaysFile file_;
    std::optional<user_files::FileFault> fault_;
    std::vector<DayRow> rows_;
    std::optional<std::size_t> index_;  // the form's day in file_.Days; nullopt: a new day
    DayForm form_, shown_;              // as edited, as shown at first
    std::string status_;
    std::vector<std::pair<std::size_t, user_files::StoredDay>> removed_;  // where each was
};

}  // namespace days_window
