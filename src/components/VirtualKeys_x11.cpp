#include "components/VirtualKeys.h"

namespace components {

namespace {

struct KeyPair {
    std::uint8_t virtualKey;
    std::uint32_t keysym;
};

// Keysym values from X11/keysymdef.h.
constexpr KeyPair kNamedKeys[] = {
    {0x08, 0xFF08}, // BackSpace
    {0x09, 0xFF09}, // Tab
    {0x0D, 0xFF0D}, // Return
    {0x13, 0xFF13}, // Pause
    {0x14, 0xFFE5}, // Caps_Lock
    {0x1B, 0xFF1B}, // Escape
    {0x20, 0x0020}, // space
    {0x21, 0xFF55}, // Prior
    {0x22, 0xFF56}, // Next
    {0x23, 0xFF57}, // End
    {0x24, 0xFF50}, // Home
    {0x25, 0xFF51}, // Left
    {0x26, 0xFF52}, // Up
    {0x27, 0xFF53}, // Right
    {0x28, 0xFF54}, // Down
    {0x2C, 0xFF61}, // Print
    {0x2D, 0xFF63}, // Insert
    {0x2E, 0xFFFF}, // Delete
    {0x5D, 0xFF67}, // Menu
    {0x6A, 0xFFAA}, // KP_Multiply
    {0x6B, 0xFFAB}, // KP_Add
    {0x6D, 0xFFAD}, // KP_Subtract
    {0x6E, 0xFFAE}, // KP_Decimal
    {0x6F, 0xFFAF}, // KP_Divide
    {0x90, 0xFF7F}, // Num_Lock
    {0x91, 0xFF14}, // Scroll_Lock
    {0x10, 0xFFE1}, // Shift_L
    {0x10, 0xFFE2}, // Shift_R
    {0x11, 0xFFE3}, // Control_L
    {0x11, 0xFFE4}, // Control_R
    {0x12, 0xFFE9}, // Alt_L
    {0x5B, 0xFFEB}, // Super_L
    {0x5C, 0xFFEC}, // Super_R
    {0xBA, 0x00FC}, // udiaeresis
    {0xBB, 0x002B}, // plus
    {0xBC, 0x002C}, // comma
    {0xBD, 0x002D}, // minus
    {0xBE, 0x002E}, // period
    {0xBF, 0x0023}, // numbersign
    {0xC0, 0x00F6}, // odiaeresis
    {0xDB, 0x00DF}, // ssharp
    {0xDC, 0xFE52}, // dead_circumflex
    {0xDC, 0x005E}, // asciicircum
    {0xDD, 0xFE51}, // dead_acute
    {0xDD, 0x00B4}, // acute
    {0xDE, 0x00E4}, // adiaeresis
    {0xE2, 0x003C}, // less
};

// Letters, digits, keypad digits and function keys follow a rule; the rest is in the table.
std::uint32_t RuledKeysym(std::uint8_t virtualKey) {
    if (virtualKey >= 'A' && virtualKey <= 'Z') {
        return virtualKey + 0x20u;
    }
    if (virtualKey >= '0' && virtualKey <= '9') {
        return virtualKey;
    }
    if (virtualKey >= 0x60 && virtualKey <= 0x69) {
        return 0xFFB0u + (virtualKey - 0x60u); // KP_0 ... KP_9
    }
    if (virtualKey >= 0x70 && virtualKey <= 0x87) {
        return 0xFFBEu + (virtualKey - 0x70u); // F1 ... F24
    }
    return 0;
}

} // namespace

std::vector<std::uint32_t> VirtualKeyToKeysyms(std::uint8_t virtualKey) {
    if (const std::uint32_t keysym = RuledKeysym(virtualKey)) {
        return {keysym};
    }
    std::vector<std::uint32_t> keysyms;
    for (const KeyPair& pair : kNamedKeys) {
        if (pair.virtualKey == virtualKey) {
            keysyms.push_back(pair.keysym);
        }
    }
    return keysyms;
}

std::uint8_t KeysymToVirtualKey(std::uint32_t keysym) {
    for (const KeyPair& pair : kNamedKeys) {
        if (pair.keysym == keysym) {
            return pair.virtualKey;
        }
    }
    for (unsigned key = 1; key <= 0xFF; ++key) {
        if (RuledKeysym(static_cast<std::uint8_t>(key)) == keysym) {
            return static_cast<std::uint8_t>(key);
        }
    }
    return 0;
}

} // namespace components
