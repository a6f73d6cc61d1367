// The month view's notice line: what keeps the holiday marks from being complete, a faulty
// file of the user's first, then files left unread, then a year no notice covers.
#include <string>
#include <utility>
#include <vector>

#include "calendar_window/frmcalendar.h"
#include "platform/conversions.h"

void frmcalendar::AddFileFaults(const std::vector<std::string>& faults) {
    fileFaults_.insert(fileFaults_.end(), faults.begin(), faults.end());
    ShowNotice();
}

void frmcalendar::SetDaysFault(std::string fault) {
    if (!daysFault_.empty()) {
        fileFaults_.erase(fileFaults_.begin());
    }
    daysFault_ = std::move(fault);
    if (!daysFault_.empty()) {
        fileFaults_.insert(fileFaults_.begin(), daysFault_);
    }
    ShowNotice();
}

void frmcalendar::SetFilesLeftOut(std::string text) {
    filesLeftOut_ = std::move(text);
    ShowNotice();
}

std::string frmcalendar::FileFaultBalloonText() const {
    if (fileFaults_.empty()) {
        return {};
    }
    std::string text = fileFaults_.front();
    if (fileFaults_.size() > 1) {
        text += "\n另有" + std::to_string(fileFaults_.size() - 1) + "个文件未使用";
    }
    return text;
}

void frmcalendar::StartReminders() {
    reminders_.Start();
    if (!reminders_.Showing() && !monthView_ && !fileFaults_.empty()) {
        System().ShowBalloon(*this, ui::Balloon{"日历", FileFaultBalloonText()});
    }
}

void frmcalendar::ShowNotice() {
    if (!monthView_ || !selected_.ok()) {
        return;
    }
    std::vector<std::string> parts;
    if (!fileFaults_.empty()) {
        parts.push_back(fileFaults_.front());
    }
    if (!filesLeftOut_.empty()) {
        parts.push_back(filesLeftOut_);
    }
    const int year = static_cast<int>(selected_.year());
    if (!holidays_->Knows(year)) {
        parts.push_back(platform::PlainText(year).append("年放假安排未收录"));
    }
    std::string line;
    std::string tip;
    for (const std::string& part : parts) {
        line += (line.empty() ? "" : "；") + part;
        tip += (tip.empty() ? "" : "\n") + part;
    }
    lblnotice.SetCaption(std::move(line));
    // Only when the line does not say it all: a lone year line fits.
    lblnotice.SetToolTip(fileFaults_.empty() && filesLeftOut_.empty() ? std::string()
                                                                      : std::move(tip));
    lblnotice.SetVisible(!parts.empty());
}
