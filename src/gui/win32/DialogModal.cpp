// A dialog shown modal: the program's other windows wait while the messages go on.
#include "gui/win32/Dialog.h"

#include "gui/win32/MessageLoop.h"

#include <utility>

namespace win32face {

// The program's other windows take no input until it closes; a quit ends the wait and goes on
// to the program's loop.
dialogs::Closed Dialog::ShowModal() {
    disabled_.clear();
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM list) -> BOOL {
            if (IsWindowVisible(window) && IsWindowEnabled(window)) {
                reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&disabled_));
    for (const HWND window : disabled_) {
        EnableWindow(window, FALSE);
    }
    closed_ = dialogs::Closed::CloseBox;
    modal_ = true;
    ShowForm();
    MSG message;
    while (modal_) {
        if (!NextMessage(message)) {
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        DispatchOne(message);
    }
    modal_ = false;
    EnableOthers();
    return closed_;
}

// The others take input again before it hides, so that the window under it becomes the active
// one instead of another program's.
void Dialog::HideForm(dialogs::Closed how) {
    closed_ = how;
    modal_ = false;
    EnableOthers();
    if (window_ != nullptr) {
        ShowWindow(window_, SW_HIDE);
    }
}

void Dialog::EnableOthers() {
    for (const HWND window : std::exchange(disabled_, {})) {
        EnableWindow(window, TRUE);
    }
}

void Dialog::ProcessPendingEvents() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // The loop that waits for it sees it again.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        DispatchOne(message);
    }
}
} // namespace win32face
