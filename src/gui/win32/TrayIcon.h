// The notification-area icon of a window: added at the first show, added again when the taskbar
// comes back (Explorer restarted), balloon notices, removed with the window.
#pragma once

#include <string>

#include <windows.h>

#include <shellapi.h>

namespace win32face {

class TrayIcon {
  public:
    static constexpr UINT kId = 1;

    // Mouse events on the icon reach window as callbackMessage, the mouse message in lParam.
    TrayIcon(UINT callbackMessage, std::wstring tip);
    void SetWindow(HWND window) { window_ = window; }

    void Show();
    // For the "TaskbarCreated" message: the new taskbar knows no icons yet.
    void ShowAgain();
    void Remove();
    // Whether a taskbar took the icon: not where there is none (yet).
    bool Added() const { return added_; }
    // False when the taskbar did not take the notice.
    bool Notify(const std::string& title, const std::string& text);

  private:
    NOTIFYICONDATAW Data(UINT flags) const;

    HWND window_ = nullptr;
    UINT callbackMessage_;
    std::wstring tip_;
    bool shown_ = false;
    bool added_ = false;
};

} // namespace win32face
