// Tells what a screen reader should hear of a window's changes: it remembers what each
// element was last described as and, when asked, names the changes since then.
#pragma once

#include <vector>

#include "platform/ui/accessible.h"

namespace ui {

class Element;
class Form;

enum class AccessibleEvent { NameChange, ValueChange, StateChange, Focus, Selection };

struct AccessibleNotice {
    const Element* Subject;
    AccessibleEvent Event;
    // 0: the element itself; k: its part k - 1 (a cell of a grid).
    int Child = 0;
    bool operator==(const AccessibleNotice&) const = default;
};

class AccessibleWatch {
  public:
    // Remembers the window's elements as they are described now.
    explicit AccessibleWatch(const Form& form);

    // The changes since the last call, in element order. An element that became the selected
    // one (the framed day, the stored swatch) is announced as the new selection. One that
    // became the focused one takes the focus too, but only when the user's own input in the
    // window moved it while the window has the keyboard (focusMoves): a colour pass from the
    // settings window or the minute timer must not pull a screen reader away from where the
    // user is. The focus of a tab stop is the system's to tell, as it moves the real focus.
    // The parts of an element drawn in parts (the cells of a grid) are told the same way after
    // it, while it shows: a part takes the focus when the element holds the window's focus.
    std::vector<AccessibleNotice> Changes(bool focusMoves);

  private:
    struct Watched {
        AccessibleInfo self;
        std::vector<AccessibleInfo> children;
    };
    Watched Describe(const Element& element) const;
    static void Compare(const AccessibleInfo& before, const AccessibleInfo& now, bool takesFocus,
                        AccessibleNotice notice, std::vector<AccessibleNotice>& notices);

    const Form& form_;
    std::vector<Watched> last_;
};

}  // namespace ui
