#include "calendar_window/day_reminders.h"

#include <chrono>

#include "lunar/user_reminders.h"
#include "settings/setting_values.h"
#include "settings/settings_store.h"

namespace {

using namespace std::chrono;

// Someone at the computer past midnight hears of the new day's reminders in the morning.
constexpr seconds kMorning = hours{9};

}  // namespace

DayReminders::DayReminders(ui::WindowSystem& system, ui::Form& window, SettingsStore& store,
                           const platform::Clock& clock,
                           std::function<void(platform::Date)> showDay)
    : system_(system), window_(window), store_(store), clock_(clock), showDay_(std::move(showDay)) {
    system_.SetUserInputListener([this] { OnUserInput(); });
}

DayReminders::~DayReminders() {
    system_.SetUserInputListener({});
}

void DayReminders::Start() {
    started_ = true;
    Remind();
}

void DayReminders::OnTick() {
    if (!started_) {
        return;
    }
    const platform::LocalDateTime now = clock_.Now();
    if (shownOn_ && *shownOn_ != now.Date) {
        system_.RemoveBalloon(window_);
        shownOn_.reset();
    }
    if (checked_ != now.Date) {
        checked_ = now.Date;
        waiting_ = now.TimeOfDay < kMorning;
        if (!waiting_) {
            Remind();
        }
    } else if ((waiting_ && now.TimeOfDay >= kMorning) || refused_) {
        Remind();
    }
}

void DayReminders::OnUserInput() {
    if (started_ && waiting_) {
        Remind();
    }
}

void DayReminders::OnNotifyEvent(ui::NotifyEvent event) {
    switch (event) {
        case ui::NotifyEvent::BalloonClicked:
            if (shownOn_) {
                shownOn_.reset();
                showDay_(firstNamed_);
            }
            break;
        case ui::NotifyEvent::BalloonDismissed:
            shownOn_.reset();
            break;
        case ui::NotifyEvent::AreaCreated:
            if (started_ && refused_) {
                Remind();
            }
            break;
    }
}

void DayReminders::Remind() {
    const platform::Date today = clock_.Now().Date;
    checked_ = today;
    waiting_ = false;
    refused_ = false;
    // Without days of the user's there is nothing to remind of, and nothing to remember.
    if (days_ == nullptr || days_->Empty()) {
        return;
    }
    const std::string todayText = platform::FormatDate(today, "yyyy-mm-dd");
    std::optional<platform::Date> through =
        platform::ParseIsoDate(store_.ReadSetting(settings::kRemindedThrough));
    if (through && !through->ok()) {
        through.reset();  // as if absent: yesterday
    }
    const std::vector<lunar::DueReminder> due = lunar::DueReminders(*days_, today, through);
    if (!due.empty()) {
        const lunar::ReminderBalloon text = lunar::ReminderBalloonFor(*days_, due, today);
        // Stored only once the system took it: at log-on the notification area may come later.
        if (!system_.ShowBalloon(window_, ui::Balloon{text.Title, text.Text})) {
            refused_ = true;
            return;
        }
        shownOn_ = today;
        firstNamed_ = due.front().Date;
    }
    store_.WriteSetting(settings::kRemindedThrough, todayText);
}
