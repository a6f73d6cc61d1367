#include "platform/ui/accessible_watch.h"

#include <algorithm>

#include "platform/ui/form.h"

namespace ui {

AccessibleWatch::AccessibleWatch(const Form& form) : form_(form) {
    for (const Element* element : form.Elements()) {
        last_.push_back(Describe(*element));
    }
}

// What is hidden is not described (its name may cost a lunar look-up) and tells nothing
// until it shows; its parts show and hide with it.
AccessibleWatch::Watched AccessibleWatch::Describe(const Element& element) const {
    Watched watched;
    watched.self.Invisible = true;
    if (element.Visible() && element.Owner().Visible()) {
        watched.self = form_.Accessible(element);
    }
    const int count = watched.self.Invisible ? 0 : AccessibleChildCount(element);
    for (int child = 0; child < count; ++child) {
        watched.children.push_back(form_.AccessibleChild(element, child));
    }
    return watched;
}

void AccessibleWatch::Compare(const AccessibleInfo& before, const AccessibleInfo& now,
                              bool takesFocus, AccessibleNotice notice,
                              std::vector<AccessibleNotice>& notices) {
    const auto add = [&](AccessibleEvent event) {
        notice.Event = event;
        notices.push_back(notice);
    };
    if (before.Invisible || now.Invisible) {
        // Shown or hidden is all there is to tell of it.
        if (before.Invisible != now.Invisible) {
            add(AccessibleEvent::StateChange);
        }
        return;
    }
    if (now.Name != before.Name) {
        add(AccessibleEvent::NameChange);
    }
    if (now.Value != before.Value) {
        add(AccessibleEvent::ValueChange);
    }
    if (now.Invisible != before.Invisible || now.Selected != before.Selected ||
        now.Checked != before.Checked || now.Unavailable != before.Unavailable) {
        add(AccessibleEvent::StateChange);
    }
    if (takesFocus && now.Focused && !before.Focused) {
        add(AccessibleEvent::Focus);
    }
    if (now.Selected && !before.Selected) {
        add(AccessibleEvent::Selection);
    }
}

std::vector<AccessibleNotice> AccessibleWatch::Changes(bool focusMoves) {
    std::vector<AccessibleNotice> notices;
    const auto& elements = form_.Elements();
    for (std::size_t i = 0; i < elements.size() && i < last_.size(); ++i) {
        Watched now = Describe(*elements[i]);
        const Watched& before = last_[i];
        // What is hidden cannot take the focus; a tab stop's focus is the system's to tell.
        Compare(before.self, now.self, focusMoves && !now.self.Focusable && !now.self.Invisible,
                {elements[i], AccessibleEvent::NameChange}, notices);
        const std::size_t parts = std::min(now.children.size(), before.children.size());
        for (std::size_t k = 0; k < parts; ++k) {
            Compare(before.children[k], now.children[k], focusMoves && now.self.Focused,
                    {elements[i], AccessibleEvent::NameChange, static_cast<int>(k) + 1}, notices);
        }
        last_[i] = std::move(now);
    }
    return notices;
}

}  // namespace ui
