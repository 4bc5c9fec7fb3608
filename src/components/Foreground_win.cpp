#include "components/Foreground.h"

#include <windows.h>

namespace components {

bool ForceForeground(std::uintptr_t handle) {
    const HWND window = reinterpret_cast<HWND>(handle);
    if (IsIconic(window)) {
        ShowWindow(window, SW_RESTORE);
    }
    if (GetForegroundWindow() == window) {
        return true;
    }
    const DWORD foregroundThread = GetWindowThreadProcessId(GetForegroundWindow(), nullptr);
    const DWORD ownThread = GetWindowThreadProcessId(window, nullptr);
    const bool attached = AttachThreadInput(ownThread, foregroundThread, TRUE) != 0;
    BringWindowToTop(window);
    SetForegroundWindow(window);
    if (attached) {
        AttachThreadInput(ownThread, foregroundThread, FALSE);
    }
    return GetForegroundWindow() == window;
}

} // namespace components
