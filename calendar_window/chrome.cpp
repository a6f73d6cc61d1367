// What a frame would give: dragging, opacity, the notification icon, close and settings.
#include <algorithm>

#include "calendar_window/frmcalendar.h"
#include "platform/ui/placement.h"
#include "settings/setting_values.h"
#include "settings/settings_store.h"

namespace {

constexpr std::uint32_t kTrayIconId = 1;
constexpr const char* kTrayTip = "日历";
constexpr const char* kTrayBalloon = "日历已最小化到通知区域，将指针移到图标上即可恢复。";
// Fainter than this the window could not be found again, and at 0 it lets clicks through.
constexpr int kMinimumAlpha = 50;

std::uint8_t VisibleAlpha(std::int64_t alpha) {
    return static_cast<std::uint8_t>(std::clamp<std::int64_t>(alpha, kMinimumAlpha, 255));
}

}  // namespace

void frmcalendar::MakeTranslucent() {
    System().MakeLayered(*this);
    System().SetAlpha(*this, VisibleAlpha(settings::ReadNumber(store_, settings::kFormBackCol)));
}

void frmcalendar::TM1(std::int16_t alpha) {
    System().SetAlpha(*this, VisibleAlpha(alpha));
}

ui::Rect frmcalendar::WindowPlace() const {
    return {Left(), Top(), ClientWidth(), ClientHeight()};
}

void frmcalendar::OnMouseDown(int button, int /*shift*/, int /*x*/, int /*y*/) {
    const int left = Left();
    const int top = Top();
    if (!locked_) {
        System().ReleaseCapture();
        System().RunMoveLoop(*this);
        // Stored as the compact view's place, whichever view was dragged.
        const ui::Place stored = CompactPlace();
        dragLeft = stored.Left;
        dragTop = stored.Top;
        settings::WriteNumber(store_, settings::kFormX, dragLeft);
        settings::WriteNumber(store_, settings::kFormY, dragTop);
    }
    // A right press that left the window where it was is a click; a right drag is not.
    if (button == ui::kRightButton && Left() == left && Top() == top) {
        ShowContextMenu(std::nullopt);
    }
}

void frmcalendar::OnMouseMove(int button, int /*shift*/, int /*x*/, int /*y*/) {
    // The icon's messages arrive here with its identifier, 1, as the button state.
    if (button == ui::kLeftButton) {
        RestoreFromTray();
    }
}

void frmcalendar::RestoreFromTray() {
    // Monitors may have changed while it was hidden, with no news to a hidden window; the
    // stored place stays the user's, for a start with that monitor back.
    OnDisplayChange();
    Show();
    System().RemoveNotifyIcon(trayIcon);
}

void frmcalendar::Label7_Click() {
    // The first time ever, the icon says where the window went and how it comes back.
    const bool firstTime = store_.ReadSetting(settings::kBalloonShown) != "1";
    trayIcon = ui::NotifyIconData{this,
                                  kTrayIconId,
                                  ui::kNotifyIconMessageFlag | ui::kNotifyIconIconFlag |
                                      ui::kNotifyIconTipFlag |
                                      (firstTime ? ui::kNotifyIconBalloonFlag : 0),
                                  ui::kMouseMoveMessage,
                                  kTrayTip,
                                  firstTime ? kTrayBalloon : ""};
    // Without an icon there would be nothing to click to bring the window back.
    if (System().AddNotifyIcon(trayIcon)) {
        Hide();
        if (firstTime) {
            store_.WriteSetting(settings::kBalloonShown, "1");
        }
    }
}

void frmcalendar::Label6_Click() {
    for (ui::Form* window : {settingsWindow_, daysWindow_}) {
        if (window != nullptr) {
            window->Unload();
        }
    }
    Unload();
}

void frmcalendar::Label8_Click() {
    // Also when it is open already: it may lie under other windows.
    if (settingsWindow_ != nullptr) {
        settingsWindow_->RequestActivate();
    }
}

void frmcalendar::OnCloseRequest() {
    // Closed by the system while hidden: take the icon along.
    if (!Visible()) {
        System().RemoveNotifyIcon(trayIcon);
    }
    Label6_Click();
}

// Started again while running: this one comes forward, from the notification area too.
void frmcalendar::OnActivateRequest() {
    if (!Visible()) {
        RestoreFromTray();
    }
    System().Activate(*this);
}
