// Shortcut values and their German texts, as the INI file stores them ("Alt+F12").
#pragma once

#include "components/ShortcutValue.h"

#include <string>
#include <string_view>

namespace components {

struct ShiftState {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

// The value of a key event; a key code above 255 gives 0.
ShortcutValue ShortCut(unsigned virtualKey, ShiftState shift);

// "Umsch+", "Strg+", "Alt+" in this order, then the key's name; empty when the key has none.
std::string ShortCutToText(ShortcutValue value);

// Prefixes in any order and letter case ("^" counts as "Strg+"), then a key name in any letter
// case; 0 when no key is named.
ShortcutValue TextToShortCut(std::string_view text);

} // namespace components
