// The hidden top-level window the tray icon talks to. It is the single-instance guard's window
// when the program has one: a start then makes one window before its icon, not two, and the
// popup's window waits for its first use. Without a guard (the face's tests) it is a window of
// its own. TaskbarCreated reaches it too, since it is top-level.
#pragma once

#include <functional>

#include <windows.h>

namespace win32face {

class TrayHost {
  public:
    // Messages for the host's owner go to onMessage, which returns whether it handled them.
    using Listener = std::function<bool(UINT message, WPARAM wParam, LPARAM lParam)>;

    explicit TrayHost(Listener onMessage);
    ~TrayHost();
    TrayHost(const TrayHost&) = delete;
    TrayHost& operator=(const TrayHost&) = delete;

    // nullptr where no window could be made (no display).
    HWND Handle() const { return window_; }

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    Listener onMessage_;
    HWND window_ = nullptr;
    bool ownWindow_ = false;
    // The window's procedure before the host took its messages: the guard's, or the default one.
    WNDPROC previous_ = nullptr;
};

} // namespace win32face
