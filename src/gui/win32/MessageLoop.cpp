#include "gui/win32/MessageLoop.h"

#include "gui/win32/DialogKeys.h"

namespace win32face {

void DispatchOne(MSG& message) {
    if (!DialogKeyMessage(message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

int RunMessageLoop(const std::function<void()>& whenFirstIdle) {
    MSG message;
    bool wasIdle = false;
    for (;;) {
        if (!wasIdle && PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE) == FALSE) {
            wasIdle = true;
            whenFirstIdle();
        }
        if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
            return static_cast<int>(message.wParam);
        }
        DispatchOne(message);
    }
}

} // namespace win32face
