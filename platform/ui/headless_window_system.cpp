#include "platform/ui/headless_window_system.h"

#include <stdexcept>
#include <utility>

#include "platform/ui/placement.h"

namespace ui {

HeadlessWindowSystem::HeadlessWindowSystem(int screenWidthPixels, int screenHeightPixels) {
    SetScreen(screenWidthPixels, screenHeightPixels);
}

void HeadlessWindowSystem::SetScreen(int widthPixels, int heightPixels) {
    SetWorkAreas({Rect{0, 0, PixelsToPosition(widthPixels), PixelsToPosition(heightPixels)}});
}

void HeadlessWindowSystem::SetWorkAreas(const std::vector<Rect>& areas) {
    monitors_.clear();
    for (const Rect& area : areas) {
        const PixelRect pixels{PositionToPixels(area.Left), PositionToPixels(area.Top),
                               PositionToPixels(area.Width), PositionToPixels(area.Height)};
        monitors_.push_back(Monitor{pixels, pixels, kDefaultDpi, monitors_.empty()});
    }
}

void HeadlessWindowSystem::RunInBackground(std::function<void()> work, std::function<void()> done) {
    Record("RunInBackground");
    background_.Start(std::move(work), std::move(done));
}

bool HeadlessWindowSystem::FinishBackgroundWork(std::chrono::milliseconds limit) {
    const platform::EventEpoch::Scope event(Events());
    return background_.WaitAndRunFinished(limit);
}

PixelRect HeadlessWindowSystem::PixelBounds(const Form& form) const {
    return ScreenRect(monitors_, Place{form.Left(), form.Top()}, form.ClientWidth(),
                      form.ClientHeight());
}

HeadlessWindowSystem::Window& HeadlessWindowSystem::WindowOf(const Form& form) {
    const auto found = windows_.find(&form);
    if (found == windows_.end()) {
        // A real system would fail on a handle that does not exist; a test should too.
        throw std::logic_error("no native window for " + form.Name());
    }
    return found->second;
}

bool HeadlessWindowSystem::CreateNativeWindow(Form& form) {
    Record("CreateWindow " + form.Name());
    if (createFails_) {
        return false;
    }
    windows_[&form] = Window{};
    return true;
}

void HeadlessWindowSystem::DestroyNativeWindow(Form& form) {
    for (auto it = runningTimers_.begin(); it != runningTimers_.end();) {
        it = it->second == &form ? runningTimers_.erase(it) : std::next(it);
    }
    windows_.erase(&form);
    Record("DestroyWindow " + form.Name());
}

void HeadlessWindowSystem::ShowNativeWindow(Form& form, bool visible) {
    WindowOf(form).visible = visible;
    Record(std::string(visible ? "Show " : "Hide ") + form.Name());
}

void HeadlessWindowSystem::Activate(Form& form) {
    WindowOf(form);
    Record("Activate " + form.Name());
}

void HeadlessWindowSystem::WindowChanged(Form& form) {
    WindowOf(form);
}

void HeadlessWindowSystem::ElementChanged(Form& form, Element&) {
    WindowOf(form);
}

void HeadlessWindowSystem::TimerChanged(Form& form, Timer& timer) {
    if (timer.Interval() > 0) {
        runningTimers_[&timer] = &form;
    } else {
        runningTimers_.erase(&timer);
    }
    Record("SetTimer " + form.Name() + "." + timer.Name() + " " + std::to_string(timer.Interval()));
}

void HeadlessWindowSystem::MakeLayered(Form& form) {
    WindowOf(form).layered = true;
    Record("MakeLayered " + form.Name());
}

void HeadlessWindowSystem::SetAlpha(Form& form, std::uint8_t alpha) {
    WindowOf(form).alpha = alpha;
    Record("SetAlpha " + form.Name() + " " + std::to_string(alpha));
}

void HeadlessWindowSystem::ReleaseCapture() {
    Record("ReleaseCapture");
}

void HeadlessWindowSystem::RunMoveLoop(Form& form) {
    WindowOf(form);
    Record("MoveLoop " + form.Name());
    if (dropPosition_) {
        form.PositionChangedBySystem(dropPosition_->Left, dropPosition_->Top);
        dropPosition_.reset();
    }
}

bool HeadlessWindowSystem::AddNotifyIcon(const NotifyIconData& icon) {
    Record("AddNotifyIcon " + std::to_string(icon.Id) + " " + icon.Tip +
           ((icon.Flags & kNotifyIconBalloonFlag) != 0 ? " balloon " + icon.Balloon : ""));
    if (notifyIconFails_ || icon_) {
        return false;
    }
    icon_ = icon;
    return true;
}

void HeadlessWindowSystem::RemoveNotifyIcon(const NotifyIconData& icon) {
    Record("RemoveNotifyIcon " + std::to_string(icon.Id));
    if (icon_ && icon_->Window == icon.Window && icon_->Id == icon.Id) {
        icon_.reset();
    }
}

bool HeadlessWindowSystem::ShowBalloon(Form& form, const Balloon& balloon) {
    Record("ShowBalloon " + balloon.Title + ": " + balloon.Text);
    balloonForm_ = &form;
    if (balloonFails_) {
        return false;
    }
    // From the window's icon while it is in the notification area, else from one of its own.
    balloonIcon_ = !(icon_ && icon_->Window == &form);
    if (balloonIcon_) {
        Record("AddNotifyIcon balloon");
    }
    balloon_ = balloon;
    return true;
}

void HeadlessWindowSystem::RemoveBalloon(Form& /*form*/) {
    if (balloonIcon_) {
        Record("RemoveNotifyIcon balloon");
    }
    balloonIcon_ = false;
    balloon_.reset();
}

void HeadlessWindowSystem::SendNotifyEvent(NotifyEvent event) {
    // Only the window that asked for a balloon hears of it.
    Form* form = balloonForm_;
    if (form == nullptr || !Exists(*form)) {
        return;
    }
    switch (event) {
        case NotifyEvent::BalloonClicked:
        case NotifyEvent::BalloonDismissed:
            if (!balloon_) {
                return;
            }
            RemoveBalloon(*form);
            break;
        case NotifyEvent::AreaCreated:
            balloonFails_ = false;
            break;
    }
    form->RaiseNotifyEvent(event);
}

int HeadlessWindowSystem::ShowMenu(Form& form, const std::vector<MenuItem>& items,
                                   std::optional<Point> at) {
    WindowOf(form);
    std::string call = "Menu " + form.Name();
    int chosen = -1;
    for (std::size_t i = 0; i < items.size(); ++i) {
        call += " " + items[i].Text + (items[i].Checked ? "✓" : "");
        chosen = items[i].Text == menuChoice_ ? static_cast<int>(i) : chosen;
    }
    menuChoice_.clear();
    Record(call +
           (at ? " at " + std::to_string(at->X) + "," + std::to_string(at->Y) : " at the pointer"));
    return chosen;
}

SaveFileAnswer HeadlessWindowSystem::ChooseSaveFile(Form& form, const SaveFileRequest& request) {
    WindowOf(form);
    Record("SaveFile " + form.Name() + " " + request.FileName + " | " + request.TypeName + " | ." +
           request.Extension + (request.AskBeforeOverwrite ? " | ask before overwriting" : ""));
    return std::exchange(saveFileAnswer_, {});
}

void HeadlessWindowSystem::TickTimers() {
    // Copy first: a handler may start or stop timers.
    const auto running = runningTimers_;
    for (const auto& [timer, form] : running) {
        if (runningTimers_.count(timer)) {
            timer->Fire();
        }
    }
}

void HeadlessWindowSystem::SendNotifyIconMessage() {
    if (!icon_ || !icon_->Window) {
        return;
    }
    if (icon_->CallbackMessage == kMouseMoveMessage) {
        icon_->Window->RaiseMouseMove(static_cast<int>(icon_->Id), 0, 0, 0);
    }
}

bool HeadlessWindowSystem::IsLayered(const Form& form) const {
    const auto found = windows_.find(&form);
    return found != windows_.end() && found->second.layered;
}

std::optional<int> HeadlessWindowSystem::Alpha(const Form& form) const {
    const auto found = windows_.find(&form);
    return found == windows_.end() ? std::nullopt : found->second.alpha;
}

bool HeadlessWindowSystem::NativeVisible(const Form& form) const {
    const auto found = windows_.find(&form);
    return found != windows_.end() && found->second.visible;
}

bool HeadlessWindowSystem::KeptAboveDesktop(const Form& form) const {
    const auto found = windows_.find(&form);
    return found != windows_.end() && found->second.aboveDesktop;
}

int HeadlessWindowSystem::RunningTimerCount() const {
    return static_cast<int>(runningTimers_.size());
}

}  // namespace ui
