// days.json changed outside the program (another editor, a synced folder): looked at once a
// minute by its size and time alone, read again through the one reader only when they change,
// and handed on only when what it says changed.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/folder_files.h"
#include "platform/ui/window_system.h"
#include "user_files/days_file.h"

namespace user_files {

class DaysWatch {
  public:
    DaysWatch(ui::WindowSystem& system, std::shared_ptr<const platform::FileAccess> access,
              std::string root);

    // What the calendar now shows the days from (at start, after a change, after its own
    // write); the next change is counted against it.
    void Took(const DaysLoad& load);
    // One look, off the window's thread, unless the last one has not ended (a share that does
    // not answer). `changed` runs on the UI thread with the file read anew when it says
    // something else than what was taken.
    void Look(std::function<void(DaysLoad)> changed);

  private:
    struct State;
    ui::WindowSystem& system_;
    std::shared_ptr<const platform::FileAccess> access_;
    std::string root_;
    std::shared_ptr<State> state_;
};

}  // namespace user_files
