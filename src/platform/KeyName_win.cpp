#include "platform/KeyName.h"

#include "platform/WinText.h"

#include <windows.h>

namespace platform {

std::string KeyNameText(std::uint8_t virtualKey) {
    const LONG scanCode = static_cast<LONG>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC)) << 16;
    wchar_t name[64] = {};
    const int length = GetKeyNameTextW(scanCode, name, 64);
    return length > 0 ? Narrow(std::wstring_view(name, static_cast<size_t>(length)))
                      : std::string();
}

} // namespace platform
