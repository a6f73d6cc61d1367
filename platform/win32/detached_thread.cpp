#include "platform/detached_thread.h"

#include <windows.h>

#include <process.h>

#include <cstdint>
#include <memory>
#include <utility>

namespace platform {

namespace {

unsigned __stdcall Run(void* work) {
    const std::unique_ptr<std::function<void()>> owned(static_cast<std::function<void()>*>(work));
    (*owned)();
    return 0;
}

}  // namespace

// The C runtime's own thread, not std::thread: with mingw's thread library a detached thread
// that ended just as the next one started held that one back for minutes (seen under Wine,
// where the calendar's minute look at days.json then never came back).
bool StartDetachedThread(std::function<void()> work) {
    auto owned = std::make_unique<std::function<void()>>(std::move(work));
    const std::uintptr_t thread = ::_beginthreadex(nullptr, 0, Run, owned.get(), 0, nullptr);
    if (thread == 0) {
        return false;
    }
    owned.release();  // the thread's now
    ::CloseHandle(reinterpret_cast<HANDLE>(thread));
    return true;
}

}  // namespace platform
