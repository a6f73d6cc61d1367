// One calendar per user session: the first start holds a named mutex in the session's
// namespace; a later start finds the first one's calendar window by its class and title and
// asks it to come forward, then ends without touching the settings.
#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/unique_handle.h"

namespace platform::win32 {

// What a later start sends the first one's calendar window (a registered message).
constexpr const wchar_t* kActivateMessageName = L"Lunadesk.Activate";

class SingleInstance {
  public:
    explicit SingleInstance(const wchar_t* name);
    // False when another process of this session holds the name.
    bool First() const { return first_; }

  private:
    UniqueHandle<HANDLE, ::CloseHandle> mutex_;
    bool first_ = true;
};

// Brings the running program's window with this title forward (from the notification area
// too), waiting a few seconds for it should that program still be starting. False when no
// such window turned up.
bool ActivateRunningWindow(const std::wstring& title);

}  // namespace platform::win32
