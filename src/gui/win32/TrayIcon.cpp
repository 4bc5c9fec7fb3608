#include "gui/win32/TrayIcon.h"

#include "gui/win32/Pictures.h"
#include "platform/WinText.h"

namespace win32face {

namespace {

template <size_t size> void Copy(wchar_t (&to)[size], const std::wstring& from) {
    lstrcpynW(to, from.c_str(), static_cast<int>(size));
}

} // namespace

TrayIcon::TrayIcon(UINT callbackMessage, std::wstring tip)
    : callbackMessage_(callbackMessage), tip_(std::move(tip)) {}

NOTIFYICONDATAW TrayIcon::Data(UINT flags) const {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = window_;
    data.uID = kId;
    data.uFlags = flags;
    return data;
}

void TrayIcon::Show() {
    if (shown_) {
        return;
    }
    NOTIFYICONDATAW data = Data(NIF_MESSAGE | NIF_ICON | NIF_TIP);
    data.uCallbackMessage = callbackMessage_;
    data.hIcon = TrayIconPicture(GetSystemMetrics(SM_CXSMICON));
    Copy(data.szTip, tip_);
    // Shown counts from here: a taskbar that is not there yet adds the icon at TaskbarCreated.
    added_ = Shell_NotifyIconW(NIM_ADD, &data) != 0;
    shown_ = true;
}

void TrayIcon::ShowAgain() {
    if (shown_) {
        shown_ = false;
        Show();
    }
}

void TrayIcon::Remove() {
    if (shown_) {
        NOTIFYICONDATAW data = Data(0);
        Shell_NotifyIconW(NIM_DELETE, &data);
        shown_ = false;
        added_ = false;
    }
}

bool TrayIcon::Notify(const std::string& title, const std::string& text) {
    NOTIFYICONDATAW data = Data(NIF_INFO);
    Copy(data.szInfoTitle, platform::Wide(title));
    Copy(data.szInfo, platform::Wide(text));
    data.dwInfoFlags = NIIF_INFO;
    return Shell_NotifyIconW(NIM_MODIFY, &data) != 0;
}

} // namespace win32face
