// The program's one loop: Tab, Enter and Escape work in the dialogs, every other message goes
// to its window (hotkeys, the guard's hand-over, the tray, the blink timer).
#pragma once

#include <windows.h>

#include <functional>

namespace win32face {

void DispatchOne(MSG& message);

// Runs until PostQuitMessage; returns its exit code. whenFirstIdle runs once, the first time no
// message waits: the start's own messages (the tray icon's) have been handled by then.
int RunMessageLoop(const std::function<void()>& whenFirstIdle);

} // namespace win32face
