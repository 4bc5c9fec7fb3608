// The program's loops: Tab, Enter and Escape work in the dialogs, every other message goes to
// its window (hotkeys, the guard's hand-over, the tray, the blink timer). Beside the messages they
// watch the handles given to them, so that no thread has to wait for those.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

namespace win32face {

void DispatchOne(MSG& message);

// The next message, waiting as GetMessageW does; false for WM_QUIT. While it waits, a watched
// handle that is signalled runs the handler with it.
bool NextMessage(MSG& message);

// The handles every loop of the program watches from now on, in place of the earlier ones.
void WatchHandles(std::vector<HANDLE> handles, std::function<void(HANDLE)> signalled);

// Runs until PostQuitMessage; returns its exit code. whenFirstIdle runs once, the first time no
// message waits: the start's own messages (the tray icon's) have been handled by then.
int RunMessageLoop(const std::function<void()>& whenFirstIdle);

} // namespace win32face
