// The system's 8-bit code page: Windows asks the system, Linux uses Windows-1252, which is
// what the Windows program writes on a western system.
#pragma once

#include "platform/TextCodec.h"

#include <optional>
#include <string>
#include <string_view>

namespace platform {

std::string AnsiToUtf8(std::string_view bytes);

// Nothing when a character has no place in the code page (it would turn into "?").
std::optional<std::string> Utf8ToAnsi(std::string_view text);

// How bytes without a byte-order mark are read.
TextEncoding UnmarkedEncoding(std::string_view bytes);

// The encoding of a file that did not exist before.
TextEncoding NewFileEncoding();

} // namespace platform
