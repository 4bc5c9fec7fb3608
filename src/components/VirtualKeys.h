// Windows virtual-key codes, the key numbers of the shortcut value, and their X11 keysyms.
#pragma once

#include <cstdint>
#include <vector>

namespace components {

// The keysyms that produce the virtual key on X11 (letters as lower case), the first the usual
// one; empty for none. The punctuation keys are named as on a German keyboard, as the shortcut
// texts name them ("Ü", "#", "<").
std::vector<std::uint32_t> VirtualKeyToKeysyms(std::uint8_t virtualKey);
// The virtual key a keysym stands for (letters by their lower case), 0 for none.
std::uint8_t KeysymToVirtualKey(std::uint32_t keysym);

} // namespace components
