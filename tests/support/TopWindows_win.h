// The top-level windows of the Wine session, found by a test: any window, a class, the tray
// icon docked by the tray host.
#pragma once

#include <functional>

#include <windows.h>

namespace testing_support {

// The first top-level window that passes the test; nullptr while there is none.
HWND FirstWindow(const std::function<bool(HWND)>& test);
bool HasClass(HWND window, const wchar_t* className);
// Wine's own window for a tray icon becomes a child window when the tray host takes it, and
// taking it moves the foreground to Wine's shell: a popup shown before then ends up behind it.
bool TrayIconDocked(HWND window);

} // namespace testing_support
