// Windows virtual-key codes, the key numbers of the shortcut value, and their X11 keysyms.
#pragma once

#include <cstdint>

namespace components {

// The keysym that produces the virtual key on X11 (letters as lower case), 0 for none.
std::uint32_t VirtualKeyToKeysym(std::uint8_t virtualKey);

} // namespace components
