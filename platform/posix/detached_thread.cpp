#include "platform/detached_thread.h"

#include <system_error>
#include <thread>
#include <utility>

namespace platform {

bool StartDetachedThread(std::function<void()> work) {
    try {
        std::thread(std::move(work)).detach();
        return true;
    } catch (const std::system_error&) {
        return false;
    }
}

}  // namespace platform
