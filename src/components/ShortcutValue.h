// The 16-bit shortcut value: virtual-key code in the low byte, 0x2000 Shift, 0x4000 Ctrl,
// 0x8000 Alt; bits 8-12 are carried but mean nothing. 0 is no shortcut.
#pragma once

#include <cstdint>

namespace components {

using ShortcutValue = std::uint16_t;

constexpr ShortcutValue kShortcutShift = 0x2000;
constexpr ShortcutValue kShortcutCtrl = 0x4000;
constexpr ShortcutValue kShortcutAlt = 0x8000;

// The modifier flags of RegisterHotKey.
enum HotkeyModifiers : unsigned {
    kModAlt = 1,
    kModControl = 2,
    kModShift = 4,
};

constexpr std::uint8_t VirtualKeyOf(ShortcutValue value) {
    return value & 0x00FF;
}

constexpr unsigned HotkeyModifiersOf(ShortcutValue value) {
    return ((value & kShortcutShift) ? kModShift : 0u) | ((value & kShortcutAlt) ? kModAlt : 0u) |
           ((value & kShortcutCtrl) ? kModControl : 0u);
}

} // namespace components
