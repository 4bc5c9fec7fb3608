#include "gui/win32/MessageLoop.h"

#include "gui/win32/DialogKeys.h"

namespace win32face {

void DispatchOne(MSG& message) {
    if (!DialogKeyMessage(message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

int RunMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchOne(message);
    }
    return static_cast<int>(message.wParam);
}

} // namespace win32face
