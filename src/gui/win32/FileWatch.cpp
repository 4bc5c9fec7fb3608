#include "gui/win32/FileWatch.h"

#include "gui/win32/MessageLoop.h"
#include "gui/win32/WindowBasics.h"
#include "platform/WinText.h"

#include <algorithm>

namespace win32face {

namespace {

constexpr UINT_PTR kAgainTimer = 1;
// Long enough for a writer to finish a small file, short enough to take it within a second.
constexpr UINT kAgainMilliseconds = 250;
// A file written in place, renamed over, made or removed.
constexpr DWORD kChanges =
    FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_LAST_WRITE | FILE_NOTIFY_CHANGE_SIZE;

std::wstring FolderOf(const std::string& file) {
    std::wstring path = platform::Wide(file);
    const size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? L"." : path.substr(0, separator + 1);
}

} // namespace

FileWatch::FileWatch() {
    static const ATOM windowClass = RegisterWindowClass(kClassName, WindowProcedure<FileWatch>, -1);
    (void)windowClass;
    window_ = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              GetModuleHandleW(nullptr), this);
}

FileWatch::~FileWatch() {
    Stop();
    DestroyWindow(window_);
}

void FileWatch::Follow(const std::vector<std::string>& files, std::function<void()> changed,
                       std::function<void()> again) {
    Stop();
    changed_ = std::move(changed);
    again_ = std::move(again);
    std::vector<std::wstring> folders;
    for (const std::string& file : files) {
        const std::wstring folder = FolderOf(file);
        if (std::find(folders.begin(), folders.end(), folder) == folders.end()) {
            folders.push_back(folder);
        }
    }
    for (const std::wstring& folder : folders) {
        const HANDLE notification = FindFirstChangeNotificationW(folder.c_str(), FALSE, kChanges);
        // A folder that does not exist (yet) is not followed; its file keeps its last state.
        if (notification != INVALID_HANDLE_VALUE) {
            notifications_.push_back(notification);
        }
    }
    // Asked for the next change before this one is read: nothing written meanwhile is missed.
    WatchHandles(notifications_, [this](HANDLE notification) {
        FindNextChangeNotification(notification);
        if (changed_) {
            changed_();
        }
    });
}

void FileWatch::CheckAgainSoon() {
    SetTimer(window_, kAgainTimer, kAgainMilliseconds, nullptr);
}

void FileWatch::Stop() {
    WatchHandles({}, nullptr);
    for (const HANDLE notification : notifications_) {
        FindCloseChangeNotification(notification);
    }
    notifications_.clear();
}

LRESULT FileWatch::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER && wParam == kAgainTimer) {
        KillTimer(window_, kAgainTimer);
        if (again_) {
            again_();
        }
        return 0;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

} // namespace win32face
