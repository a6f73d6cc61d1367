// The system's save dialog, its library loaded only while it is asked for: most runs of the
// calendar never show it.
#pragma once

#include <windows.h>

#include "platform/ui/window_system.h"

namespace platform::win32 {

// Runs the dialog owned by `owner` to its end.
ui::SaveFileAnswer ShowSaveFileDialog(HWND owner, const ui::SaveFileRequest& request);

}  // namespace platform::win32
