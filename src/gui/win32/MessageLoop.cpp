#include "gui/win32/MessageLoop.h"

#include "gui/win32/FormWindow.h"

namespace wingui {

void DispatchOne(MSG& message) {
    if (!FormWindow::DialogMessage(message)) {
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

} // namespace wingui
