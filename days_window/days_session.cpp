#include "days_window/days_session.h"

#include <algorithm>

#include "days_window/day_id.h"

namespace days_window {

namespace {

std::string Quoted(const std::string& name) {
    return "“" + name + "”";
}

std::string TwoDigits(long long n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

// "days.broken-20261207-191300.json".
std::string BrokenFileName(const platform::LocalDateTime& now) {
    const long long seconds = now.TimeOfDay.count();
    return "days.broken-" + std::to_string(int{now.Date.year()}) +
           TwoDigits(unsigned{now.Date.month()}) + TwoDigits(unsigned{now.Date.day()}) + "-" +
           TwoDigits(seconds / 3600) + TwoDigits(seconds / 60 % 60) + TwoDigits(seconds % 60) +
           ".json";
}

}  // namespace

DaysSession::DaysSession(platform::UserFileStore& files, std::string folder,
                         const std::chrono::year_month_day& today,
                         const std::chrono::year_month_day& selected, DaysWritten daysWritten)
    : files_(files),
      folder_(std::move(folder)),
      today_(today),
      selected_(selected),
      daysWritten_(std::move(daysWritten)) {
    user_files::DaysLoad load = user_files::LoadDays(files_, folder_);
    file_ = std::move(load.File);
    fault_ = std::move(load.Fault);
    bytes_ = std::move(load.Bytes);
    if (fault_) {
        status_ = user_files::FaultText(*fault_);
    }
    rows_ = DayRows(file_.UserDays(), today_);
    ShowNew();
}

std::optional<std::size_t> DaysSession::SelectedRow() const {
    const auto row = std::find_if(rows_.begin(), rows_.end(),
                                  [&](const DayRow& r) { return index_ && r.Index == *index_; });
    return row == rows_.end() ? std::nullopt : std::optional<std::size_t>(row - rows_.begin());
}

bool DaysSession::FileUsable() {
    if (fault_) {
        status_ = user_files::FaultText(*fault_);
    }
    return !fault_;
}

bool DaysSession::Save() {
    if (!FileUsable()) {
        return false;
    }
    const FormCheck check = CheckForm(form_);
    if (!check.Day) {
        status_ = check.Fault;
        return false;
    }
    if (index_ && !Changed()) {
        status_ = Quoted(check.Day->Name) + "没有改动";
        return true;
    }
    user_files::DaysFile edited = file_;
    if (index_) {
        edited.Days[*index_].Day = *check.Day;
    } else if (edited.Days.size() >= user_files::kMostDays) {
        status_ = "最多可记1000个日子";
        return false;
    } else {
        edited.Days.push_back({*check.Day, {}});
    }
    if (!Write(edited)) {
        return false;
    }
    ShowDay(check.Day->Id);
    status_ = "已保存" + Quoted(check.Day->Name);
    return true;
}

bool DaysSession::Leave() {
    if (fault_ || !Changed()) {
        return true;  // nothing to keep: a faulty file's form cannot be changed
    }
    return Save();
}

bool DaysSession::SelectRow(std::size_t row) {
    if (row >= rows_.size() || SelectedRow() == row) {
        return row < rows_.size();
    }
    const std::size_t index = rows_[row].Index;
    const std::string id = file_.Days[index].Day.Id;
    if (!Leave()) {
        return false;
    }
    ShowDay(id);  // a save may have merged a change on disk and moved it
    return true;
}

bool DaysSession::New() {
    if (!Leave()) {
        return false;
    }
    ShowNew();
    return true;
}

bool DaysSession::Close() {
    return Leave();
}

bool DaysSession::Remove() {
    if (!FileUsable()) {
        return false;
    }
    const std::optional<std::size_t> row = SelectedRow();
    if (!row) {
        status_ = "请先在列表中选中要删除的日子";
        return false;
    }
    const std::size_t index = *index_;
    const user_files::StoredDay removed = file_.Days[index];
    user_files::DaysFile edited = file_;
    edited.Days.erase(edited.Days.begin() + static_cast<std::ptrdiff_t>(index));
    if (!Write(edited)) {
        return false;
    }
    removed_.emplace_back(index, removed);
    // The row that took its place, else the one before, else a new day.
    if (rows_.empty()) {
        ShowNew();
    } else {
        Show(rows_[std::min(*row, rows_.size() - 1)].Index);
    }
    status_ = "已删除" + Quoted(removed.Day.Name);
    return true;
}

bool DaysSession::Undo() {
    if (removed_.empty()) {
        status_ = "没有可撤销的删除";
        return false;
    }
    if (!FileUsable() || !Leave()) {
        return false;
    }
    const auto& [index, day] = removed_.back();
    user_files::DaysFile edited = file_;
    const bool there = std::any_of(edited.Days.begin(), edited.Days.end(),
                                   [&](const auto& d) { return d.Day.Id == day.Day.Id; });
    if (!there && edited.Days.size() >= user_files::kMostDays) {
        status_ = "最多可记1000个日子";
        return false;
    }
    if (!there) {
        edited.Days.insert(
            edited.Days.begin() + static_cast<std::ptrdiff_t>(std::min(index, edited.Days.size())),
            day);
        if (!Write(edited)) {
            return false;
        }
    }
    const std::string id = day.Day.Id, name = day.Day.Name;
    removed_.pop_back();
    ShowDay(id);
    status_ = "已恢复" + Quoted(name);
    return true;
}

bool DaysSession::MoveFaultyFileAside(const platform::LocalDateTime& now) {
    if (!fault_) {
        return false;
    }
    const std::string path = FilePath();
    const std::string name = BrokenFileName(now);
    const std::string aside =
        path.substr(0, path.size() - std::string_view(user_files::kDaysFileName).size()) + name;
    if (std::string failure = files_.Rename(path, aside); !failure.empty()) {
        status_ = "无法移开" + std::string(user_files::kDaysFileName) + "：" + failure;
        return false;
    }
    fault_.reset();
    file_ = {};
    bytes_.reset();
    rows_.clear();
    ShowNew();
    status_ = "有误的文件已改名为" + name + "，现从空列表开始";
    if (daysWritten_) {
        daysWritten_(user_files::DaysLoad{});
    }
    return true;
}

void DaysSession::SetToday(const std::chrono::year_month_day& today) {
    today_ = today;
    rows_ = DayRows(file_.UserDays(), today_);
}

bool DaysSession::Write(const user_files::DaysFile& edited) {
    user_files::DaysWrite write = user_files::WriteDays(files_, folder_, bytes_, edited);
    if (!write.Written) {
        status_ = write.Failure;
        // A fault made on disk meanwhile: as if it had been there from the start, so that the
        // file can be moved aside and the window closed, rather than every save failing.
        if (user_files::DaysLoad now = user_files::LoadDays(files_, folder_);
            now.Fault && now.Bytes) {
            fault_ = std::move(now.Fault);
            status_ = user_files::FaultText(*fault_);
        }
        return false;
    }
    file_ = std::move(write.Now);
    bytes_ = std::move(write.Bytes);
    rows_ = DayRows(file_.UserDays(), today_);
    if (daysWritten_) {
        daysWritten_(user_files::DaysLoad{file_, std::nullopt, bytes_});
    }
    return true;
}

void DaysSession::Show(std::size_t index) {
    index_ = index;
    form_ = shown_ = FormOf(file_.Days[index].Day);
}

void DaysSession::ShowDay(const std::string& id) {
    const auto found = std::find_if(file_.Days.begin(), file_.Days.end(),
                                    [&](const auto& stored) { return stored.Day.Id == id; });
    if (found == file_.Days.end()) {
        ShowNew();
    } else {
        Show(static_cast<std::size_t>(found - file_.Days.begin()));
    }
}

void DaysSession::ShowNew() {
    std::string id;
    do {
        id = NewDayId();
    } while (std::any_of(file_.Days.begin(), file_.Days.end(),
                         [&](const auto& stored) { return stored.Day.Id == id; }));
    index_.reset();
    form_ = shown_ = NewDayForm(selected_, std::move(id));
}

}  // namespace days_window
