// UTF-8 <-> UTF-16 at the Win32 calls. Included by the Windows implementation files only.
#pragma once

#include "platform/Text.h"

#include <string>
#include <string_view>

namespace platform {

inline std::wstring Wide(std::string_view text) {
    const std::u16string units = Utf8ToUtf16(text);
    return std::wstring(units.begin(), units.end());
}

inline std::string Narrow(std::wstring_view text) {
    return Utf16ToUtf8(std::u16string(text.begin(), text.end()));
}

} // namespace platform
