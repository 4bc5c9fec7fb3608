#include "gui/win32/MessageLoop.h"

#include "gui/win32/DialogKeys.h"

namespace win32face {

namespace {

struct Watched {
    std::vector<HANDLE> handles;
    std::function<void(HANDLE)> signalled;
};

Watched& Watching() {
    static Watched watched;
    return watched;
}

} // namespace

void DispatchOne(MSG& message) {
    if (!DialogKeyMessage(message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void WatchHandles(std::vector<HANDLE> handles, std::function<void(HANDLE)> signalled) {
    Watching() = {std::move(handles), std::move(signalled)};
}

bool NextMessage(MSG& message) {
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) == FALSE) {
        const Watched& watched = Watching();
        const auto count = static_cast<DWORD>(watched.handles.size());
        const DWORD woken = MsgWaitForMultipleObjectsEx(count, watched.handles.data(), INFINITE,
                                                        QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (woken < WAIT_OBJECT_0 + count) {
            // The handler may watch other handles from now on.
            const Watched now = watched;
            now.signalled(now.handles[woken - WAIT_OBJECT_0]);
        } else if (woken == WAIT_FAILED) {
            WaitMessage();
        }
    }
    return message.message != WM_QUIT;
}

int RunMessageLoop(const std::function<void()>& whenFirstIdle) {
    MSG message;
    bool wasIdle = false;
    for (;;) {
        if (!wasIdle && PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE) == FALSE) {
            wasIdle = true;
            whenFirstIdle();
        }
        if (!NextMessage(message)) {
            return static_cast<int>(message.wParam);
        }
        DispatchOne(message);
    }
}

} // namespace win32face
