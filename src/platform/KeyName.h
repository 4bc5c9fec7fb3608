// The window system's name of a key, for the keys the shortcut texts do not name themselves.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// Empty when the key has no name.
std::string KeyNameText(std::uint8_t virtualKey);

} // namespace platform
