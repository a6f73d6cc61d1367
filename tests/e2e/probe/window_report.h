// What the end-to-end tests read from the running program's windows, each as JSON lines:
// a top-level window, its child windows with their texts, the drop-down lists it has open,
// and the notification area that Wine shows as a window of its own.
#pragma once

#include <string>
#include <string_view>

namespace probe {

// Makes this process see real pixels at any DPI, as the program itself does.
void BecomeDpiAware();

// {"found", "visible", "x", "y", "w", "h", "clientW", "clientH", "exStyle", "layered",
//  "alpha"}: the window's screen rectangle and its layered alpha (null if none).
std::string WindowReport(std::wstring_view title);

// One line per child window: {"class", "id", "visible", "x", "y", "w", "h", "text"}, the
// rectangle relative to the top-level window's client area, "visible" its own style bit.
std::string ChildReport(std::wstring_view title);

// One line per drop-down list window of the titled window's thread: {"visible", "x", "y",
// "w", "h", "clientX", "clientY", "itemHeight", "top", "count", "selected", "items"}.
std::string ListReport(std::wstring_view title);

// {"found", "visible", "x", "y", "w", "h", "icons"}, then one line per child of the tray
// window: {"icon", "visible", "x", "y", "w", "h"} in screen coordinates.
std::string TrayReport();

// {"systemDpi", "logPixels"}.
std::string DpiReport();

// {"title", "focus"}: the foreground window's title and whether the keyboard focus is in it.
std::string ForegroundReport();

// {"posted"}: a close request (WM_CLOSE) posted to the titled window, as an installer would.
std::string PostClose(std::wstring_view title);

}  // namespace probe
