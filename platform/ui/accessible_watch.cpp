#include "platform/ui/accessible_watch.h"

#include "platform/ui/form.h"

namespace ui {

AccessibleWatch::AccessibleWatch(const Form& form) : form_(form) {
    for (const Element* element : form.Elements()) {
        last_.push_back(form.Accessible(*element));
    }
}

std::vector<AccessibleNotice> AccessibleWatch::Changes(bool focusMoves) {
    std::vector<AccessibleNotice> notices;
    const auto& elements = form_.Elements();
    for (std::size_t i = 0; i < elements.size() && i < last_.size(); ++i) {
        AccessibleInfo now = form_.Accessible(*elements[i]);
        const AccessibleInfo& before = last_[i];
        if (now.Name != before.Name) {
            notices.push_back({elements[i], AccessibleEvent::NameChange});
        }
        if (now.Value != before.Value) {
            notices.push_back({elements[i], AccessibleEvent::ValueChange});
        }
        if (now.Invisible != before.Invisible || now.Selected != before.Selected ||
            now.Checked != before.Checked) {
            notices.push_back({elements[i], AccessibleEvent::StateChange});
        }
        if (focusMoves && now.Focused && !before.Focused && !now.Focusable) {
            notices.push_back({elements[i], AccessibleEvent::Focus});
        }
        if (now.Selected && !before.Selected) {
            notices.push_back({elements[i], AccessibleEvent::Selection});
        }
        last_[i] = std::move(now);
    }
    return notices;
}

}  // namespace ui
