// Shell special folders by their CSIDL number.
#pragma once

#include <string>

namespace platform {

constexpr int kCsidlAppData = 0x1A;

// The folder's path with a trailing separator; empty when it cannot be resolved.
std::string GetSpecialFolder(int folder);

} // namespace platform
