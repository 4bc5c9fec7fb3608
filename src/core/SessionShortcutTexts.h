// What the user is told where the desktop, not the program, brings the hotkeys to their keys
// (a Wayland session): the command a desktop shortcut can start instead.
#pragma once

#include "components/SessionShortcuts.h"
#include "components/ShortcutValue.h"

#include <string>

namespace core {

// The command that brings the running program's popup up, quoted where the path has a blank.
std::string PopupCommand(const std::string& programPath);

// Why the hotkey does nothing, and where to give it a key.
std::string HotkeyWithoutKeyText(components::SessionShortcutGap gap,
                                 components::ShortcutValue hotkey, const std::string& programPath);

} // namespace core
