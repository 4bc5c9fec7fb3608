// The program's one loop: Tab, Enter and Escape work in the dialogs, every other message goes
// to its window (hotkeys, the guard's hand-over, the tray, the blink timer).
#pragma once

#include <windows.h>

namespace win32face {

void DispatchOne(MSG& message);

// Runs until PostQuitMessage; returns its exit code.
int RunMessageLoop();

} // namespace win32face
