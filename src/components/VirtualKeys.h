// Windows virtual-key codes, the key numbers of the shortcut value, and their X11 keysyms.
#pragma once

#include <cstdint>

namespace components {

// The keysym that produces the virtual key on X11 (letters as lower case), 0 for none.
std::uint32_t VirtualKeyToKeysym(std::uint8_t virtualKey);
// The virtual key a keysym stands for (letters by their lower case), 0 for none.
std::uint8_t KeysymToVirtualKey(std::uint32_t keysym);

} // namespace components
