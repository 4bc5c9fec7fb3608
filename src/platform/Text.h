// Text helpers shared by every layer. Text inside the program is UTF-8 in std::string.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// Removes leading and trailing blanks and control characters (every byte up to 0x20).
std::string Trim(std::string_view text);

// Lower-cases ASCII and the Latin-1 letters such as umlauts, the letters INI names use.
std::string CaseFolded(std::string_view text);

// Compares without regard to letter case, as CaseFolded does.
bool SameText(std::string_view a, std::string_view b);

bool IsValidUtf8(std::string_view bytes);
bool IsAscii(std::string_view bytes);

// Invalid sequences become U+FFFD, so damaged input never stops a conversion.
std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

} // namespace platform
