// A thread that nobody waits for: work that may never end (a read from a share that has gone
// away) must not keep the program from going on or from closing.
#pragma once

#include <functional>

namespace platform {

// Runs `work` on a new thread that nobody joins; false when no thread could be had.
bool StartDetachedThread(std::function<void()> work);

}  // namespace platform
