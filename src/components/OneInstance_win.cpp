#include "components/OneInstance.h"

#include "platform/FileSystem.h"
#include "platform/WinText.h"

#include <windows.h>

namespace components {

namespace {

struct Guard {
    std::wstring className;
    HWND window = nullptr;
};

Guard& TheGuard() {
    static Guard guard;
    return guard;
}

LRESULT CALLBACK GuardWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_COPYDATA || wParam != 0 || lParam == 0) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    const size_t units = data->lpData != nullptr ? data->cbData / 2 : 0;
    const std::wstring commandLine(static_cast<const wchar_t*>(data->lpData), units);
    return static_cast<LRESULT>(detail::AnswerHandOver(static_cast<std::uint32_t>(data->dwData),
                                                       platform::Narrow(commandLine)));
}

// A class name holds at most 255 characters; a longer one, from a program deep in folders, is
// hashed as on Linux.
std::wstring ClassName() {
    const std::wstring whole = platform::Wide(GuardWindowClassName());
    return whole.size() <= 255 ? whole : platform::Wide(detail::HashedGuardName());
}

// Two copies started at the same instant would both find no guard and both set one up: the
// hand-over and the setting up happen under one mutex of the session. A copy that holds it
// longer than its hand-over may take no longer keeps the next one waiting.
class StartLock {
  public:
    StartLock()
        : mutex_(CreateMutexW(nullptr, FALSE,
                              platform::Wide("Local\\" + detail::HashedGuardName()).c_str())) {
        const DWORD waited = mutex_ != nullptr ? WaitForSingleObject(mutex_, 15000) : WAIT_FAILED;
        held_ = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
    }
    ~StartLock() {
        if (held_) {
            ReleaseMutex(mutex_);
        }
        if (mutex_ != nullptr) {
            CloseHandle(mutex_);
        }
    }
    StartLock(const StartLock&) = delete;
    StartLock& operator=(const StartLock&) = delete;

  private:
    HANDLE mutex_;
    bool held_ = false;
};

} // namespace

std::string GuardWindowClassName() {
    return "OneInstUtilWnd:" + platform::ProgramFilePath();
}

std::uint32_t NotifyFirstInstance() {
    const HWND running = FindWindowW(ClassName().c_str(), nullptr);
    if (running == nullptr) {
        return 0;
    }
    const wchar_t* commandLine = GetCommandLineW();
    COPYDATASTRUCT data{};
    data.dwData = GetCurrentProcessId();
    data.cbData = static_cast<DWORD>(wcslen(commandLine) * sizeof(wchar_t));
    data.lpData = const_cast<wchar_t*>(commandLine);
    // A running copy that hangs must not hang this start as well.
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(running, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                             SMTO_NORMAL | SMTO_ABORTIFHUNG, 10000, &answer)) {
        return 0;
    }
    return static_cast<std::uint32_t>(answer);
}

bool OneInstanceStartup() {
    const StartLock onlyCopyStarting;
    if (NotifyFirstInstance() == kReplyStop) {
        return false;
    }
    Guard& guard = TheGuard();
    guard.className = ClassName();
    WNDCLASSW description{};
    description.lpfnWndProc = GuardWindowProc;
    description.hInstance = GetModuleHandleW(nullptr);
    description.lpszClassName = guard.className.c_str();
    RegisterClassW(&description);
    guard.window = CreateWindowExW(WS_EX_TOOLWINDOW, guard.className.c_str(), L"", WS_POPUP, 0, 0,
                                   0, 0, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    return true;
}

void OneInstanceShutdown() {
    Guard& guard = TheGuard();
    if (guard.window != nullptr) {
        DestroyWindow(guard.window);
        guard.window = nullptr;
    }
    guard.className.clear();
}

std::uintptr_t GuardWindow() {
    return reinterpret_cast<std::uintptr_t>(TheGuard().window);
}

int GuardDescriptor() {
    return -1;
}

void ServeGuard() {}

} // namespace components
