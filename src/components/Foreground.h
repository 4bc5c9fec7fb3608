// Bringing a window of this program to the front, past the system's focus-stealing rules.
#pragma once

#include <cstdint>

namespace components {

// window: the native window (HWND on Windows, the X window id on X11). True when it is the
// foreground window afterwards, where the system can tell.
bool ForceForeground(std::uintptr_t window);

} // namespace components
