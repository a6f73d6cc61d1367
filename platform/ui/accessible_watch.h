// Tells what a screen reader should hear of a window's changes: it remembers what each
// element was last described as and, when asked, names the changes since then.
#pragma once

#include <vector>

#include "platform/ui/accessible.h"

namespace ui {

class Element;
class Form;

enum class AccessibleEvent { NameChange, StateChange, Focus, Selection };

struct AccessibleNotice {
    const Element* Subject;
    AccessibleEvent Event;
    bool operator==(const AccessibleNotice&) const = default;
};

class AccessibleWatch {
  public:
    // Remembers the window's elements as they are described now.
    explicit AccessibleWatch(const Form& form);

    // The changes since the last call, in element order. An element that became the selected
    // one (the framed day, the stored swatch) takes the focus and the selection with it, so a
    // screen reader reads it out.
    std::vector<AccessibleNotice> Changes();

  private:
    const Form& form_;
    std::vector<AccessibleInfo> last_;
};

}  // namespace ui
