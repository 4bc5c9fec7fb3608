// The window system as the fake hotkey backend plays it: which shortcuts the program holds,
// which it registered, released and was refused, another program holding a shortcut, and a
// press of a shortcut. Shortcuts are the 16-bit values of components/ShortcutValue.h.
#pragma once

#include "components/ShortcutValue.h"

#include <vector>

namespace testing_support::fake_hotkeys {

using components::ShortcutValue;

// No other program holds anything, and the records start empty; what is registered stays.
void Reset();
// Another program holds the shortcut from now until the next Reset.
void HoldElsewhere(ShortcutValue shortcut);

// What the program holds now, in the order it registered it.
std::vector<ShortcutValue> Held();
bool IsHeld(ShortcutValue shortcut);
// Since the last Reset, in order.
std::vector<ShortcutValue> Registered();
std::vector<ShortcutValue> Released();
std::vector<ShortcutValue> Refused();

// The user presses the shortcut; true when a registration of the program took it.
bool Press(ShortcutValue shortcut);

} // namespace testing_support::fake_hotkeys
